#pragma once

#include "CTessarineSmfLoader.h"

#include <memory>

namespace tessarine {

// The one open loader, or null; used on the caller's thread only.
std::unique_ptr<CTessarineSmfLoader>& smfLoader();

} // namespace tessarine
