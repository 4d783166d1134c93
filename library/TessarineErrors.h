#pragma once

#include "Tessarine.h"

#include <cstdint>

namespace tessarine {

// The code's name from the table of TESSARINEERR_COUNT slots; "" for an unknown code.
const wchar_t* errorName(std::int32_t code);

} // namespace tessarine
