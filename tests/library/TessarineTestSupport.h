#pragma once

#include "Tessarine.h"
#include "TessarineVirtualPorts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

// What the library posted, with a SysEx buffer's bytes copied out when it was taken.
struct PostedMessage
{
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// Stands in for the editor's window: posts queue up here and the test thread takes them.
class RecordingTarget
{
public:
    tagTESSARINETARGET Record() { return {&RecordingTarget::Post, this}; }

    // Waits for the next posted message.
    bool Take(PostedMessage& out, std::chrono::milliseconds timeout = std::chrono::milliseconds(2000))
    {
        std::unique_lock lock(m_mutex);
        if (!m_posted.wait_for(lock, timeout, [this] { return !m_queue.empty(); }))
            return false;
        out = m_queue.front();
        m_queue.pop_front();
        return true;
    }

    std::size_t Pending() const
    {
        std::lock_guard lock(m_mutex);
        return m_queue.size();
    }

    // A window that is gone: posts fail.
    void SetAccepting(bool accepting)
    {
        std::lock_guard lock(m_mutex);
        m_accepting = accepting;
    }

private:
    static int Post(void* self, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
    {
        auto* target = static_cast<RecordingTarget*>(self);
        std::lock_guard lock(target->m_mutex);
        if (!target->m_accepting)
            return 0;
        target->m_queue.push_back({message, wParam, lParam});
        target->m_posted.notify_all();
        return 1;
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<PostedMessage> m_queue;
    bool m_accepting = true;
};

inline std::vector<std::uint8_t> HeaderBytes(std::uintptr_t wParam)
{
    const auto* header = reinterpret_cast<const tagTESSARINEMIDIHDR*>(wParam);
    return {header->lpData, header->lpData + header->dwBytesRecorded};
}

// Records the library's pauses instead of sleeping.
class RecordingWait
{
public:
    RecordingWait() { tsrSetWaitFunction(&RecordingWait::Wait, this); }
    ~RecordingWait() { tsrSetWaitFunction(nullptr, nullptr); }

    std::vector<std::uint32_t> Waits() const
    {
        std::lock_guard lock(m_mutex);
        return m_waits;
    }
    void Clear()
    {
        std::lock_guard lock(m_mutex);
        m_waits.clear();
    }

private:
    static void Wait(std::uint32_t milliseconds, void* self)
    {
        auto* wait = static_cast<RecordingWait*>(self);
        std::lock_guard lock(wait->m_mutex);
        wait->m_waits.push_back(milliseconds);
    }

    mutable std::mutex m_mutex;
    std::vector<std::uint32_t> m_waits;
};

// A created context on the virtual port layer, with waiting recorded, freed afterwards.
class TessarineFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL), 1);
        ASSERT_NE(tsrCreate(), nullptr);
        tsrPreInitialize();
    }

    void TearDown() override
    {
        tsrDestroy();
        tsrMidiInEnablePostMessage(0);
    }

    RecordingWait m_wait;
    RecordingTarget m_target;
};
