#include "TessarineWait.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace tessarine {

namespace {

struct WaitHook
{
    TessarineWaitFunction function;
    void* context;
};

// Replaced as a whole so a reader never pairs one hook's function with another's context.
std::atomic<const WaitHook*> g_hook{nullptr};

} // namespace

void waitMilliseconds(std::uint32_t milliseconds)
{
    if (const WaitHook* hook = g_hook.load()) {
        hook->function(milliseconds, hook->context);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void setWaitFunction(TessarineWaitFunction function, void* context)
{
    // Hooks are never freed: one that a waiting thread still reads must stay valid, and a
    // program sets only a few.
    const WaitHook* hook = function ? new WaitHook{function, context} : nullptr;
    g_hook.store(hook);
}

} // namespace tessarine
