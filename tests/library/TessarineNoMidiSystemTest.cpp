#include "TessarineTestSupport.h"

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

// No ALSA sequencer and no JACK server to be found: the library must show no ports and keep
// working.
class TessarineNoMidiSystem : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string absent = "tessarine-absent-" + std::to_string(::getpid());
        ::setenv("JACK_DEFAULT_SERVER", absent.c_str(), 1);
        ::setenv("JACK_NO_START_SERVER", "1", 1);
    }

    void TearDown() override { tsrDestroy(); }

    void ExpectNoPortsAndNoCrash()
    {
        EXPECT_EQ(tsrMidiOutGetNumDevs(), 0u);
        EXPECT_EQ(tsrMidiInGetNumDevs(), 0u);
        EXPECT_EQ(tsrMidiOutFindDev(L"USB-MIDI"), -1);
        std::int32_t first = -7;
        std::int32_t second = -7;
        EXPECT_EQ(tsrMidiInFindDevs(L"USB-MIDI", &first, &second), 0);
        EXPECT_EQ(first, -7);
        EXPECT_STREQ(tsrMidiOutGetDevName(0), L"");

        ASSERT_NE(tsrCreate(), nullptr);
        tsrPreInitialize();
        RecordingTarget target;
        const tagTESSARINETARGET record = target.Record();
        EXPECT_EQ(tsrInitialize(&record, 0, 0), TESSARINEERR_MIDI_OUT_OPEN);
        EXPECT_EQ(tsrMidiInOpen(0), TESSARINEERR_MIDI_IN_OPEN);
        const std::uint8_t sysex[] = {0xF0, 0x7E, 0xF7};
        EXPECT_EQ(tsrMidiOutLongMsg(sysex, 3), 0);
        EXPECT_EQ(tsrFinalize(), 0);
    }

    RecordingWait m_wait;
};

TEST_F(TessarineNoMidiSystem, jack_without_a_server_has_no_ports)
{
    ASSERT_EQ(tsrSetPortLayer(TESSARINE_PORTS_JACK), 1);
    ExpectNoPortsAndNoCrash();
}

TEST_F(TessarineNoMidiSystem, alsa_without_a_sequencer_has_no_ports)
{
    if (::access("/dev/snd/seq", F_OK) == 0)
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    ASSERT_EQ(tsrSetPortLayer(TESSARINE_PORTS_ALSA), 1);
    ExpectNoPortsAndNoCrash();
}

TEST_F(TessarineNoMidiSystem, system_choice_falls_back_to_jack_without_a_sequencer)
{
    if (::access("/dev/snd/seq", F_OK) == 0)
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    ASSERT_EQ(tsrSetPortLayer(TESSARINE_PORTS_SYSTEM), 1);
    EXPECT_STREQ(tsrGetPortLayerName(), "jack");
    ExpectNoPortsAndNoCrash();
}

} // namespace
