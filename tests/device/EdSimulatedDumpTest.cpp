// The simulated instrument encodes its dump on its own, the editor's decoder reads it: each
// checks the other against the same block layout.
#include "ByteHelpers.h"
#include "EdDocument.h"
#include "EdSysExDecoder.h"
#include "Qjx1Instrument.h"
#include "RecordingEvents.h"

#include <gtest/gtest.h>

namespace {

void ExpectSame(const Qjx1Memory& sim, CEdUserMemory& memory, int index)
{
    SCOPED_TRACE("memory " + std::to_string(index));
    EXPECT_EQ(memory.GetTouchCurve()->GetName(), QString::fromStdU16String(sim.curveName));
    for (int in = 0; in < 128; ++in)
        EXPECT_EQ(memory.GetTouchCurve()->GetPoint(in), sim.curve[in]) << "IN " << in;
    for (unsigned key = 0; key < 88; ++key)
        EXPECT_EQ(memory.GetOffsetData()->GetOffset(key), sim.offsets[key + 21]) << "key " << key;
    const auto* settings = memory.GetMidiSettingData();
    EXPECT_EQ(settings->GetChannel(), sim.channel);
    EXPECT_EQ(settings->GetRightPedalCC(), sim.rightPedalCC);
    EXPECT_EQ(settings->GetCenterPedalCC(), sim.centerPedalCC);
    EXPECT_EQ(settings->GetLeftPedalCC(), sim.leftPedalCC);
    EXPECT_EQ(settings->GetKeyboardToMidiOut(), sim.midiOutSwitches & 1);
    EXPECT_EQ(settings->GetMidiInToMidiOut(), sim.midiOutSwitches & 2);
    EXPECT_EQ(settings->GetPcToMidiOut(), sim.midiOutSwitches & 4);
    EXPECT_EQ(settings->GetKeyboardToUsbMidiOut(), sim.usbOutSwitches & 1);
    EXPECT_EQ(settings->GetMidiInToUsbMidiOut(), sim.usbOutSwitches & 2);
}

class SimulatedDump : public testing::TestWithParam<bool>
{
};

TEST_P(SimulatedDump, FillsAllFiveMemoriesExactly)
{
    Qjx1Instrument instrument;
    instrument.Knobs().block5Before4 = GetParam();
    CEdDocument document;
    document.CreateUserMemories();
    RecordingEvents events;
    CEdSysExDecoder decoder(events, &document);

    for (const auto& message : instrument.Receive(Hex("F0 40 7F 00 06 01 00 F7")))
        decoder.Receive(message.bytes);

    EXPECT_EQ(decoder.GetSyncState(), CEdSysExDecoder::kSyncComplete);
    const auto& state = instrument.State();
    for (int m = 0; m < 5; ++m)
        ExpectSame(state.memories[m], *document.GetUserMemoryAt(m), m);
    ASSERT_GE(events.lines.size(), 4u);
    EXPECT_EQ(events.lines.end()[-4], "memory 2");
    EXPECT_EQ(events.lines.end()[-3], "version 1.04");
    EXPECT_EQ(events.lines.end()[-2], "check sum 3A7C");
    EXPECT_EQ(events.lines.end()[-1], "power off 2");
}

INSTANTIATE_TEST_SUITE_P(BlockOrder, SimulatedDump, testing::Bool());

TEST(SimulatedDump, EditsSentByTheEditorReachTheInstrument)
{
    // What the editor would send for an edit, applied by the instrument, comes back in its dump.
    Qjx1Instrument instrument{Qjx1State{}};
    CEdDocument document;
    document.CreateUserMemories();
    RecordingEvents events;
    CEdSysExDecoder decoder(events, &document);

    instrument.Receive(Hex("F0 40 7F 10 06 01 30 01 F7"));
    instrument.Receive(Hex("F0 40 7F 10 06 01 31 3C 3F 7B F7")); // C4 -5
    instrument.Receive(Hex("F0 40 7F 10 06 01 38 20 20 00 30 F7")); // point 32 -> 48
    for (const auto& message : instrument.Receive(Hex("F0 40 7F 00 06 01 00 F7")))
        decoder.Receive(message.bytes);

    auto* memory = document.GetUserMemoryAt(1);
    EXPECT_EQ(memory->GetOffsetData()->GetOffset(60 - 21), -5);
    EXPECT_EQ(memory->GetTouchCurve()->GetPoint(32), 48);
    EXPECT_EQ(document.GetUserMemoryAt(0)->GetTouchCurve()->GetPoint(32), -1);
}

} // namespace
