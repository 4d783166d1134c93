#include "TessarineTimerSource.h"

#include "Tessarine.h"

#include <chrono>
#include <mutex>

namespace tessarine {

namespace {

std::uint32_t steadyMilliseconds(void*)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::mutex g_mutex;
TimerSource g_source{&steadyMilliseconds, nullptr, 1};

} // namespace

TimerSource timerSource()
{
    std::lock_guard lock(g_mutex);
    return g_source;
}

} // namespace tessarine

extern "C" void tsrSetTimerSource(const tagTESSARINETIMERSOURCE* pSource)
{
    using namespace tessarine;
    std::lock_guard lock(g_mutex);
    if (pSource && pSource->pfnNow)
        g_source = {pSource->pfnNow, pSource->pContext, pSource->wMinimumPeriod};
    else
        g_source = {&steadyMilliseconds, nullptr, 1};
}
