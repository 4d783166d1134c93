#include "JackLibraryTest.h"

#include <RtMidi.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#if defined(__SANITIZE_THREAD__)
// libjack's ring buffer (between a client's thread and its process thread) orders its reads
// and writes with memory barriers in uninstrumented code, which ThreadSanitizer cannot see.
extern "C" const char* __tsan_default_suppressions()
{
    return "race:jack_ringbuffer_\n";
}
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;

// A second client on the JACK server: a port pair like the instrument's.
class JackPeer
{
public:
    JackPeer() : m_in(RtMidi::UNIX_JACK, "tsrpeer-in"), m_out(RtMidi::UNIX_JACK, "tsrpeer-out")
    {
        m_in.ignoreTypes(false, false, false);
        m_in.setCallback(&JackPeer::OnMessage, this);
        m_in.openVirtualPort("qjx-in");
        m_out.openVirtualPort("qjx-out");
    }

    void Send(const Bytes& message) { m_out.sendMessage(message.data(), message.size()); }

    void Clear()
    {
        std::lock_guard lock(m_mutex);
        m_received.clear();
    }

    // The first `count` messages received; fewer after the time-out.
    std::vector<Bytes> Received(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(3))
    {
        std::unique_lock lock(m_mutex);
        m_arrived.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
        return m_received;
    }

private:
    static void OnMessage(double, std::vector<unsigned char>* message, void* self)
    {
        auto* peer = static_cast<JackPeer*>(self);
        std::lock_guard lock(peer->m_mutex);
        peer->m_received.emplace_back(message->begin(), message->end());
        peer->m_arrived.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<Bytes> m_received;
    RtMidiIn m_in;
    RtMidiOut m_out;
};

class TessarineJack : public JackLibraryTest
{
protected:
    // New connections carry data from a later period on (much later under a sanitizer): send
    // active sensing both ways until it arrives, then start from empty queues.
    void WaitForLink(JackPeer& peer)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        bool out = false;
        bool in = false;
        PostedMessage posted;
        while (!(out && in) && std::chrono::steady_clock::now() < deadline) {
            if (!out) {
                tsrMidiOutShortMsg(0xFE, 0);
                out = !peer.Received(1, std::chrono::milliseconds(50)).empty();
            }
            if (!in) {
                peer.Send({0xFE});
                in = m_target.Take(posted, std::chrono::milliseconds(50));
            }
        }
        ASSERT_TRUE(out && in) << "no data crossed the JACK connections";
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        peer.Clear();
        while (m_target.Take(posted, std::chrono::milliseconds(0))) {
        }
    }
};


TEST_F(TessarineJack, notes_and_sysex_cross_real_ports_both_ways)
{
    JackPeer peer;
    EXPECT_STREQ(tsrGetPortLayerName(), "jack");
    const std::int32_t outId = tsrMidiOutFindDev(L"tsrpeer-in:qjx-in");
    const std::int32_t inId = tsrMidiInFindDev(L"tsrpeer-out:qjx-out");
    ASSERT_GE(outId, 0);
    ASSERT_GE(inId, 0);
    const tagTESSARINETARGET target = m_target.Record();
    ASSERT_EQ(tsrInitialize(&target, inId, outId), 0);
    tsrMidiInEnablePostMessage(1);
    WaitForLink(peer);

    const Bytes point{0xF0, 0x40, 0x7F, 0x10, 0x06, 0x01, 0x38, 0x10, 0x20, 0x00, 0x00, 0xF7};
    EXPECT_EQ(tsrMidiOutShortMsg(0x643C90, 0), 0);
    EXPECT_EQ(tsrMidiOutLongMsg(point.data(), static_cast<std::uint32_t>(point.size())), 0);
    EXPECT_EQ(peer.Received(2), (std::vector<Bytes>{{0x90, 0x3C, 0x64}, point}));

    const Bytes report{0xF0, 0x40, 0x7F, 0x10, 0x06, 0x01, 0x30, 0x02, 0x00, 0xF7};
    peer.Send({0x90, 0x3C, 0x64});
    peer.Send(report);
    peer.Send({0x80, 0x3C, 0x00});
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(posted.message, WM_MIDIIN_SHORT);
    EXPECT_EQ(posted.wParam, 0x643C90u);
    ASSERT_TRUE(m_target.Take(posted));
    ASSERT_EQ(posted.message, WM_MIDIIN_SYSEX);
    EXPECT_EQ(HeaderBytes(posted.wParam), report);
    EXPECT_EQ(tsrMidiInPrepareHeader(), 0);
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(posted.wParam, 0x3C80u);

    EXPECT_EQ(tsrFinalize(), 0);
}

TEST_F(TessarineJack, second_initialize_keeps_one_client_per_port)
{
    JackPeer peer;
    const std::int32_t outId = tsrMidiOutFindDev(L"tsrpeer-in:qjx-in");
    const std::int32_t inId = tsrMidiInFindDev(L"tsrpeer-out:qjx-out");
    const tagTESSARINETARGET target = m_target.Record();
    ASSERT_EQ(tsrInitialize(&target, inId, outId), 0);
    const std::uint32_t outputs = tsrMidiOutGetNumDevs();
    const std::uint32_t inputs = tsrMidiInGetNumDevs();
    ASSERT_EQ(tsrInitialize(&target, inId, outId), 0);
    EXPECT_EQ(tsrMidiOutGetNumDevs(), outputs);
    EXPECT_EQ(tsrMidiInGetNumDevs(), inputs);

    tsrMidiInEnablePostMessage(1);
    WaitForLink(peer);
    peer.Send({0x90, 0x3C, 0x64});
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_FALSE(m_target.Take(posted, std::chrono::milliseconds(100))) << "one input delivers each note once";
}

} // namespace
