#pragma once

#include <cstdint>

namespace tessarine {

// The clock in whole ticks; a clock beyond the 32-bit range counts as its end.
inline std::uint32_t truncateTick(double tick)
{
    if (!(tick > 0.0))
        return 0;
    if (tick >= 4294967295.0)
        return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(tick);
}

} // namespace tessarine
