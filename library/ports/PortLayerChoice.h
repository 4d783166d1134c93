#pragma once

#include "PortLayer.h"

#include <cstdint>
#include <memory>

namespace tessarine {

// The port layer used for enumeration and for ports opened from now on. Until setPortLayerKind
// is called, the environment variable TESSARINE_PORTS decides (system when unset or unknown).
std::shared_ptr<PortLayer> currentPortLayer();
// False for an unknown kind (the TESSARINE_PORTS_ constants).
bool setPortLayerKind(std::int32_t kind);
std::int32_t portLayerKind();

} // namespace tessarine
