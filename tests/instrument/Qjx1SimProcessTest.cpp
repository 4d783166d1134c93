// qjx1-sim as its own process on real JACK ports, reached through the MIDI library from this one.
#include "ByteHelpers.h"
#include "EdDocument.h"
#include "EdSysExDecoder.h"
#include "JackLibraryTest.h"
#include "Qjx1State.h"
#include "RecordingEvents.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

class SimProcess
{
public:
    explicit SimProcess(std::vector<std::string> args)
    {
        args.insert(args.begin(), QJX1_SIM_PATH);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        m_started = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~SimProcess()
    {
        if (!m_started)
            return;
        kill(m_pid, SIGTERM);
        int status = 0;
        waitpid(m_pid, &status, 0);
    }
    bool Started() const { return m_started; }

private:
    pid_t m_pid = -1;
    bool m_started = false;
};

class Qjx1SimProcess : public JackLibraryTest
{
protected:
    // Waits for the instrument's ports to show up in the library's enumeration.
    static bool FindInstrument(std::int32_t& in, std::int32_t& out)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::int32_t second = -1;
            if (tsrMidiOutFindDevs(L"ZELVO USB MIDI", &out, &second) > 0 &&
                tsrMidiInFindDevs(L"ZELVO USB MIDI", &in, &second) > 0)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // A new JACK connection carries data only from a later period on: ask for the version
    // until it answers, so the request that matters is not sent into the void.
    bool WaitForLink()
    {
        const auto identity = Hex("F0 40 7F 00 06 01 01 F7");
        PostedMessage posted;
        for (int attempt = 0; attempt < 100; ++attempt) {
            tsrMidiOutLongMsg(identity.data(), static_cast<std::uint32_t>(identity.size()));
            if (m_target.Take(posted, std::chrono::milliseconds(50))) {
                if (posted.message == WM_MIDIIN_SYSEX)
                    tsrMidiInPrepareHeader();
                // Answers to the other attempts still on their way are not part of the test.
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                while (m_target.Take(posted, std::chrono::milliseconds(0))) {
                    if (posted.message == WM_MIDIIN_SYSEX)
                        tsrMidiInPrepareHeader();
                }
                return true;
            }
        }
        return false;
    }
};

TEST_F(Qjx1SimProcess, FullDumpThroughRealPorts)
{
    SimProcess sim({"--api", "jack", "--quiet"});
    ASSERT_TRUE(sim.Started());
    std::int32_t in = -1, out = -1;
    ASSERT_TRUE(FindInstrument(in, out));
    const tagTESSARINETARGET target = m_target.Record();
    ASSERT_EQ(tsrInitialize(&target, in, out), 0);
    tsrMidiInEnablePostMessage(1);
    ASSERT_TRUE(WaitForLink());

    CEdDocument document;
    document.CreateUserMemories();
    RecordingEvents events;
    CEdSysExDecoder decoder(events, &document);

    const auto request = Hex("F0 40 7F 00 06 01 00 F7");
    ASSERT_EQ(tsrMidiOutLongMsg(request.data(), static_cast<std::uint32_t>(request.size())), 0);
    for (int received = 0; received < 41; ++received) {
        PostedMessage posted;
        ASSERT_TRUE(m_target.Take(posted, std::chrono::seconds(5))) << "after " << received << " messages";
        ASSERT_EQ(posted.message, WM_MIDIIN_SYSEX);
        decoder.Receive(HeaderBytes(posted.wParam));
        EXPECT_EQ(tsrMidiInPrepareHeader(), 0);
    }
    EXPECT_EQ(decoder.GetSyncState(), CEdSysExDecoder::kSyncComplete);
    EXPECT_EQ(events.lines.back(), "power off 2");

    const Qjx1State expected = Qjx1State::Believable();
    for (int m = 0; m < 5; ++m) {
        auto* memory = document.GetUserMemoryAt(m);
        EXPECT_EQ(memory->GetTouchCurve()->GetName(), QString::fromStdU16String(expected.memories[m].curveName));
        for (int i = 0; i < 128; ++i)
            EXPECT_EQ(memory->GetTouchCurve()->GetPoint(i), expected.memories[m].curve[i]);
        EXPECT_EQ(memory->GetMidiSettingData()->GetChannel(), expected.memories[m].channel);
    }
    EXPECT_EQ(tsrFinalize(), 0);
}

} // namespace
