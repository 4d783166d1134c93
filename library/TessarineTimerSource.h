#pragma once

#include <cstdint>

namespace tessarine {

// Where the timer reads its millisecond clock and the smallest period it may run at.
struct TimerSource
{
    std::uint32_t (*now)(void* context);
    void* context;
    std::uint16_t minimumPeriod;
};

// The source set by tsrSetTimerSource, or the steady clock with a minimum period of 1 ms.
TimerSource timerSource();

} // namespace tessarine
