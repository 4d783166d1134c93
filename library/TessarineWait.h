#pragma once

#include "Tessarine.h"

#include <cstdint>

namespace tessarine {

// Every pause of the library (retries, pacing) goes through here so tests can replace it.
void waitMilliseconds(std::uint32_t milliseconds);
void setWaitFunction(TessarineWaitFunction function, void* context);

} // namespace tessarine
