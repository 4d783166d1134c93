// The simulated instrument on the library's in-process ports, driven the way the editor drives it.
#include "ByteHelpers.h"
#include "EdDocument.h"
#include "EdSysExDecoder.h"
#include "Qjx1VirtualInstrument.h"
#include "RecordingEvents.h"
#include "TessarineTestSupport.h"

namespace {

class VirtualInstrument : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL), 1);
        ASSERT_NE(tsrCreate(), nullptr);
        tsrPreInitialize();
        tsrSetWaitFunction([](std::uint32_t, void*) {}, nullptr); // no pacing or retry pauses
    }
    void TearDown() override
    {
        tsrDestroy();
        tsrMidiInEnablePostMessage(0);
        tsrSetWaitFunction(nullptr, nullptr);
        tsrSetPortLayer(TESSARINE_PORTS_NONE);
    }

    std::int32_t Connect()
    {
        std::int32_t in = -1, out = -1, second = -1;
        if (tsrMidiOutFindDevs(L"ZELVO USB MIDI", &out, &second) == 0 ||
            tsrMidiInFindDevs(L"ZELVO USB MIDI", &in, &second) == 0)
            return -1;
        target = m_target.Record();
        const std::int32_t r = tsrInitialize(&target, in, out);
        tsrMidiInEnablePostMessage(1);
        return r;
    }

    static bool Send(const std::vector<std::uint8_t>& bytes)
    {
        return tsrMidiOutLongMsg(bytes.data(), static_cast<std::uint32_t>(bytes.size())) == 0;
    }

    // Takes SysEx posts into the decoder until `count` arrived or none comes for a while.
    int Pump(CEdSysExDecoder& decoder, int count)
    {
        int taken = 0;
        PostedMessage posted;
        while (taken < count && m_target.Take(posted, std::chrono::milliseconds(1000))) {
            if (posted.message != WM_MIDIIN_SYSEX)
                continue;
            decoder.Receive(HeaderBytes(posted.wParam));
            tsrMidiInPrepareHeader();
            ++taken;
        }
        return taken;
    }

    RecordingTarget m_target;
    tagTESSARINETARGET target{};
};

TEST_F(VirtualInstrument, SynchronisesThroughTheLibrary)
{
    Qjx1VirtualInstrument instrument;
    ASSERT_EQ(Connect(), 0);
    CEdDocument document;
    document.CreateUserMemories();
    RecordingEvents events;
    CEdSysExDecoder decoder(events, &document);

    ASSERT_TRUE(Send(Hex("F0 40 7F 00 06 01 00 F7")));
    EXPECT_EQ(Pump(decoder, 41), 41);
    EXPECT_EQ(decoder.GetSyncState(), CEdSysExDecoder::kSyncComplete);
    EXPECT_EQ(document.GetUserMemoryAt(4)->GetMidiSettingData()->GetChannel(), 15);

    // An edit reaches the instrument's current memory.
    ASSERT_TRUE(Send(Hex("F0 40 7F 10 06 01 31 3C 40 07 F7")));
    instrument.Device().WaitIdle();
    EXPECT_EQ(instrument.Device().GetState().memories[2].offsets[60], 7);
    EXPECT_EQ(instrument.Device().Log().size(), 2u);
}

TEST_F(VirtualInstrument, NotesArePostedAsShortMessages)
{
    Qjx1VirtualInstrument instrument;
    ASSERT_EQ(Connect(), 0);
    instrument.Device().PlayNote(60, 100, 0);
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(posted.message, WM_MIDIIN_SHORT);
    EXPECT_EQ(posted.wParam, 0x643C91u); // memory 2 of the believable contents is on channel 2
}

TEST_F(VirtualInstrument, KnobsForTheEditorsFailurePaths)
{
    Qjx1VirtualInstrument instrument;
    instrument.Input().RefuseOpen(CTessarineVirtualPort::kAlways);
    EXPECT_EQ(Connect(), TESSARINEERR_MIDI_OUT_OPEN);
    instrument.Input().RefuseOpen(0);
    instrument.Output().RefuseOpen(CTessarineVirtualPort::kAlways);
    EXPECT_EQ(Connect(), TESSARINEERR_MIDI_IN_OPEN);
    instrument.Output().RefuseOpen(0);
    ASSERT_EQ(Connect(), 0);

    Qjx1Knobs knobs;
    knobs.stopAtBlock = 7 * 1 + 2;
    instrument.Device().SetKnobs(knobs);
    CEdDocument document;
    document.CreateUserMemories();
    RecordingEvents events;
    CEdSysExDecoder decoder(events, &document);
    ASSERT_TRUE(Send(Hex("F0 40 7F 00 06 01 00 F7")));
    EXPECT_EQ(Pump(decoder, 41), 1 + 9);
    EXPECT_EQ(decoder.GetSyncState(), 7 * 1 + 2 + 1);

    instrument.Unplug();
    EXPECT_FALSE(Send(Hex("F0 40 7F 00 06 01 01 F7")));
    std::int32_t first = -1, second = -1;
    EXPECT_EQ(tsrMidiOutFindDevs(L"ZELVO USB MIDI", &first, &second), 0);
}

TEST_F(VirtualInstrument, TwoInstrumentsGiveTwoPortPairs)
{
    Qjx1VirtualInstrument first;
    Qjx1VirtualInstrument second("ZELVO USB MIDI 2");
    std::int32_t a = -1, b = -1;
    EXPECT_EQ(tsrMidiOutFindDevs(L"ZELVO USB MIDI", &a, &b), 2);
    EXPECT_EQ(tsrMidiInFindDevs(L"ZELVO USB MIDI", &a, &b), 2);
}

} // namespace
