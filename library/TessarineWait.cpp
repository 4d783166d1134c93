#include "TessarineWait.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
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
    // A hook that a waiting thread may still read stays valid until the program ends; equal
    // hooks are shared, so the list holds only the few distinct ones a program sets.
    static std::mutex mutex;
    static std::deque<WaitHook> hooks;
    const WaitHook* hook = nullptr;
    if (function) {
        std::lock_guard lock(mutex);
        for (const WaitHook& h : hooks)
            if (h.function == function && h.context == context)
                hook = &h;
        if (!hook)
            hook = &hooks.emplace_back(WaitHook{function, context});
    }
    g_hook.store(hook);
}

} // namespace tessarine
