#include "EdSysExDecoder.h"

#include "ByteHelpers.h"
#include "DumpImage.h"
#include "EdDocument.h"
#include "RecordingEvents.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kDumpStart = Hex("F0 40 7F 23 06 01 01 00 F7");
const Bytes kDumpEnd = Hex("F0 40 7F 23 06 01 7B 00 F7");

// What one memory must hold after its dump.
struct Expected
{
    QString name;
    std::array<int, 128> points{};
    std::array<int, 88> offsets{};
    int channel = 0;
    int rightPedal = 0, centerPedal = 0, leftPedal = 0;
    std::array<int, 5> switches{}; // kbd->OUT, IN->OUT, PC->OUT, kbd->USB, IN->USB
};

// Values every memory holds before the dump, so that anything the dump fails to set shows.
constexpr int kStaleOffset = 55;
constexpr int kStalePoint = 99;
constexpr int kStaleChannel = 9;

struct Scenario
{
    std::array<DumpImage, 5> images;
    std::array<Expected, 5> expected;
};

// Five different memories covering the cases of the layout: split point 56 with and without
// a point, names of length 0, 4 and above 116, notes outside the keyboard, a triplet whose
// note byte is not its slot, an offset out of range, and each channel byte rule.
Scenario MakeScenario()
{
    Scenario s;
    for (std::size_t m = 0; m < 5; ++m) {
        DumpImage& image = s.images[m];
        Expected& expected = s.expected[m];
        const int mi = static_cast<int>(m);

        for (std::size_t in = 0; in < 128; ++in) {
            const int i = static_cast<int>(in);
            const bool present = (i * 5 + mi) % 3 == 0;
            const int out = present ? (i * (mi + 1) * 7) % 128 : -1;
            image.SetPoint(in, out, i % 2 ? 0x02 : 0x00);
            expected.points[in] = out;
        }
        expected.offsets.fill(kStaleOffset);
        for (std::size_t note = 0; note < 128; ++note) {
            const int n = static_cast<int>(note);
            const int offset = (n * 37 + mi * 11) % 255 - 127;
            image.SetTriplet(note, n, offset);
            if (note >= 21 && note <= 108)
                expected.offsets[note - 21] = offset;
        }
        image.settings = {0, 0, 0, 0x7E, static_cast<std::uint8_t>(10 + mi), 0x7E,
                          static_cast<std::uint8_t>(20 + mi), 0x7E, static_cast<std::uint8_t>(30 + mi), 0, 0};
        expected.rightPedal = 10 + mi;
        expected.centerPedal = 20 + mi;
        expected.leftPedal = 30 + mi;
    }

    s.images[0].SetName(QStringLiteral("Grand"));
    s.expected[0].name = QStringLiteral("Grand");
    s.images[0].SetPoint(56, 77);
    s.expected[0].points[56] = 77;
    s.images[0].settings[0] = 0x20; // channel 5
    s.expected[0].channel = 5;
    s.images[0].settings[9] = 0x07;
    s.images[0].settings[10] = 0x03;
    s.expected[0].switches = {1, 2, 4, 1, 2};

    s.images[1].SetName(QString());
    s.images[1].SetPoint(56, -1); // flag 01, and block 2's first byte is 5A
    s.expected[1].points[56] = -1;
    s.images[1].settings[2] = 0x02;
    s.expected[1].channel = 15;
    s.images[1].settings[9] = 0x06;
    s.images[1].settings[10] = 0x02;
    s.expected[1].switches = {0, 2, 4, 0, 2};

    s.images[2].SetName(QStringLiteral("A"));
    s.images[2].nameLength = 4; // the fourth byte starts a group that never completes
    s.images[2].nameBytes[3] = 0x42;
    s.expected[2].name = QStringLiteral("A");
    s.expected[2].channel = 0; // 00 00 00
    s.images[2].SetTriplet(50, 50, 128); // out of range: ignored
    s.expected[2].offsets[50 - 21] = kStaleOffset;

    s.images[3].SetName(QString::fromUtf8("中Ω"));
    s.expected[3].name = QString::fromUtf8("中Ω");
    s.images[3].settings[0] = 0x03; // two bits: ignored
    s.expected[3].channel = 0;
    s.images[3].settings[9] = 0x01;
    s.images[3].settings[10] = 0x01;
    s.expected[3].switches = {1, 0, 0, 1, 0};

    QString longName;
    for (int i = 0; i < 38; ++i)
        longName.append(QChar(u'a' + i % 26));
    s.images[4].SetName(longName);
    s.images[4].nameLength = 0x7F; // above 116: only the kept bytes count
    s.expected[4].name = longName;
    s.images[4].settings[0] = 0x01;
    s.images[4].settings[1] = 0x40; // the later byte wins: channel 13
    s.expected[4].channel = 13;
    s.images[4].settings[9] = 0x7F;
    s.images[4].settings[10] = 0x7F;
    s.expected[4].switches = {1, 2, 4, 1, 2};
    // A triplet in block 6 naming note 22: its own note byte counts, not its slot.
    s.images[4].SetTriplet(120, 22, -100);
    s.expected[4].offsets[1] = -100;
    return s;
}

class SysExDecoderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.CreateUserMemories();
        previousBox = EdSetMessageBoxFunction([this](const QString& text) { boxes.push_back(text); });
    }
    void TearDown() override { EdSetMessageBoxFunction(previousBox); }

    void Feed(const Bytes& message) { decoder.Receive(message); }

    void MakeStale()
    {
        for (int m = 0; m < 5; ++m) {
            CEdUserMemory* memory = document.GetUserMemoryAt(m);
            for (int in = 0; in < 128; ++in)
                memory->GetTouchCurve()->SetPoint(in, kStalePoint);
            for (unsigned k = 0; k < 88; ++k)
                memory->GetOffsetData()->SetOffset(k, kStaleOffset);
            memory->GetMidiSettingData()->SetChannel(kStaleChannel);
        }
    }

    void ExpectMemory(int m, const Expected& expected)
    {
        SCOPED_TRACE("memory " + std::to_string(m));
        CEdUserMemory* memory = document.GetUserMemoryAt(m);
        EXPECT_EQ(memory->GetTouchCurve()->GetName(), expected.name);
        for (std::size_t in = 0; in < 128; ++in)
            EXPECT_EQ(memory->GetTouchCurve()->GetPoint(static_cast<int>(in)), expected.points[in]) << "IN " << in;
        for (unsigned k = 0; k < 88; ++k)
            EXPECT_EQ(memory->GetOffsetData()->GetOffset(k), expected.offsets[k]) << "key " << k;
        const CEdMidiSettingData& s = *memory->GetMidiSettingData();
        EXPECT_EQ(s.GetChannel(), expected.channel);
        EXPECT_EQ(s.GetRightPedalCC(), expected.rightPedal);
        EXPECT_EQ(s.GetCenterPedalCC(), expected.centerPedal);
        EXPECT_EQ(s.GetLeftPedalCC(), expected.leftPedal);
        const std::array<int, 5> switches{s.GetKeyboardToMidiOut(), s.GetMidiInToMidiOut(), s.GetPcToMidiOut(),
                                          s.GetKeyboardToUsbMidiOut(), s.GetMidiInToUsbMidiOut()};
        EXPECT_EQ(switches, expected.switches);
    }

    // Everything the memories hold, to show that a message changed nothing.
    std::vector<Bytes> Snapshot() const
    {
        std::vector<Bytes> all;
        for (int m = 0; m < document.GetUserMemoryCount(); ++m) {
            CEdUserMemory* memory = document.GetUserMemoryAt(m);
            all.push_back(memory->GetTouchCurve()->Store());
            all.push_back(memory->GetOffsetData()->Store());
            all.push_back(memory->GetMidiSettingData()->Store());
        }
        return all;
    }

    CEdDocument document;
    RecordingEvents events;
    CEdSysExDecoder decoder{events, &document};
    std::vector<QString> boxes;
    EdMessageBoxFunction previousBox;
};

TEST_F(SysExDecoderTest, CompleteDumpFillsAllFiveMemories)
{
    const Scenario s = MakeScenario();
    MakeStale();

    Feed(kDumpStart);
    for (std::size_t m = 0; m < 5; ++m) {
        const int mi = static_cast<int>(m);
        // Memory 3 sends block 5 before block 4.
        const std::array<int, 7> order = m == 3 ? std::array{0, 1, 2, 3, 5, 4, 6} : std::array{0, 1, 2, 3, 4, 5, 6};
        for (int block : order)
            Feed(s.images[m].Block(mi, block));
        if (m == 1)
            Feed(Hex("F0 40 7F 10 06 01 30 02 F7"));
        EXPECT_EQ(decoder.GetSyncState(), 7 * (mi + 1) + 1);
    }
    Feed(kDumpEnd);
    Feed(Hex("F0 40 7F 10 06 01 35 01 04 F7"));
    Feed(Hex("F0 40 7F 10 06 01 36 7F 7F 7F F7"));
    Feed(Hex("F0 40 7F 10 06 01 37 03 F7"));

    EXPECT_EQ(decoder.GetSyncState(), CEdSysExDecoder::kSyncComplete);
    for (std::size_t m = 0; m < 5; ++m)
        ExpectMemory(static_cast<int>(m), s.expected[m]);
    const std::vector<std::string> expectedEvents{
        "dump start", "curve 0", "stored 0", "curve 1", "stored 1", "memory 2", "curve 2", "stored 2",
        "curve 3", "stored 3", "curve 4", "stored 4", "dump end", "version 1.04", "check sum 1FFFFF",
        "power off 3"};
    EXPECT_EQ(events.lines, expectedEvents);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SysExDecoderTest, BlockForAnotherMemoryIsStoredWhereItSays)
{
    const Scenario s = MakeScenario();
    const auto memory0 = document.GetUserMemoryAt(0)->GetTouchCurve()->Store();
    Feed(kDumpStart);
    for (int block = 0; block < 7; ++block)
        Feed(s.images[2].Block(2, block));
    EXPECT_EQ(decoder.GetSyncState(), 8);
    EXPECT_EQ(document.GetUserMemoryAt(2)->GetTouchCurve()->GetName(), QStringLiteral("A"));
    EXPECT_EQ(document.GetUserMemoryAt(2)->GetMidiSettingData()->GetRightPedalCC(), 12);
    EXPECT_EQ(document.GetUserMemoryAt(0)->GetTouchCurve()->Store(), memory0);
}

TEST_F(SysExDecoderTest, BlocksOutOfTurnAreIgnored)
{
    const Scenario s = MakeScenario();
    Feed(s.images[0].Block(0, 0)); // no dump started
    EXPECT_EQ(decoder.GetSyncState(), 0);

    Feed(kDumpStart);
    Feed(s.images[0].Block(0, 1)); // block 0 expected
    EXPECT_EQ(decoder.GetSyncState(), 1);
    for (int block = 0; block < 5; ++block)
        Feed(s.images[0].Block(0, block));
    EXPECT_EQ(decoder.GetSyncState(), 6);
    // Block 4 again does not stand in for block 5.
    Feed(s.images[0].Block(0, 4));
    Feed(s.images[0].Block(0, 6));
    EXPECT_EQ(decoder.GetSyncState(), 6);
    Feed(s.images[0].Block(0, 5));
    Feed(s.images[0].Block(0, 6));
    EXPECT_EQ(decoder.GetSyncState(), 8);
}

TEST_F(SysExDecoderTest, EndOfDumpCountsOnlyAfterAllBlocks)
{
    const Scenario s = MakeScenario();
    Feed(kDumpStart);
    for (std::size_t m = 0; m < 3; ++m)
        for (int block = 0; block < 7; ++block)
            if (7 * static_cast<int>(m) + block + 1 < 20)
                Feed(s.images[m].Block(static_cast<int>(m), block));
    ASSERT_EQ(decoder.GetSyncState(), 20);
    Feed(kDumpEnd);
    EXPECT_EQ(decoder.GetSyncState(), 20);
    // The next message is still taken.
    Feed(s.images[2].Block(2, 5));
    EXPECT_EQ(decoder.GetSyncState(), 21);
}

TEST_F(SysExDecoderTest, StartOfDump)
{
    Feed(kDumpStart);
    EXPECT_EQ(decoder.GetSyncState(), 1);
    Feed(kDumpStart); // a dump is already running
    EXPECT_EQ(decoder.GetSyncState(), 1);
    EXPECT_EQ(events.lines, std::vector<std::string>{"dump start"});

    Feed(Hex("F0 40 7F 23 06 01 01 01 F7")); // not the dump format
    decoder.ResetSyncState();
    Feed(Hex("F0 40 7F 23 06 01 01 01 F7"));
    EXPECT_EQ(decoder.GetSyncState(), 0);
}

TEST_F(SysExDecoderTest, StartOfDumpFromAReadyInstrumentIsHandedToTheOwner)
{
    events.ready = true;
    // The owner gives the buffer back and receives the new dump before the report returns.
    events.whenInstrumentStartsDump = [this] {
        events.ready = false;
        decoder.ResetSyncState();
        Feed(kDumpStart);
    };
    Feed(kDumpStart);
    EXPECT_EQ(events.lines, (std::vector<std::string>{"instrument dump", "dump start"}));
    EXPECT_EQ(decoder.GetSyncState(), 1);
}

TEST_F(SysExDecoderTest, GeneralMidiSystemOnResetsKeyTenAndChannelOfMemoryZero)
{
    for (int m = 0; m < 2; ++m) {
        document.GetUserMemoryAt(m)->GetOffsetData()->SetOffset(10, -50);
        document.GetUserMemoryAt(m)->GetMidiSettingData()->SetChannel(7);
    }
    Feed(Hex("F0 7E 7F 09 01 F7"));
    EXPECT_EQ(document.GetUserMemoryAt(0)->GetOffsetData()->GetOffset(10), 10);
    EXPECT_EQ(document.GetUserMemoryAt(0)->GetMidiSettingData()->GetChannel(), 0);
    EXPECT_EQ(document.GetUserMemoryAt(1)->GetOffsetData()->GetOffset(10), -50);
    EXPECT_EQ(document.GetUserMemoryAt(1)->GetMidiSettingData()->GetChannel(), 7);
    EXPECT_TRUE(events.lines.empty());
}

TEST_F(SysExDecoderTest, ParameterReports)
{
    const struct
    {
        const char* message;
        std::vector<std::string> expected;
    } cases[] = {
        {"F0 40 7F 10 06 01 30 04 F7", {"memory 4"}},
        {"F0 40 7F 10 06 01 30 05 F7", {}},
        {"F0 40 7F 10 06 01 30", {}},
        {"F0 40 7F 10 06 01 35 01 04 F7", {"version 1.04"}},
        {"F0 40 7F 10 06 01 35 02 1E 00 00 F7", {"version 2.30"}},
        {"F0 40 7F 10 06 01 35 01", {}},
        {"F0 40 7F 10 06 01 35 01 F7 F7", {}},
        {"F0 40 7F 10 06 01 36 12 34 00 F7", {"check sum 1A12"}},
        {"F0 40 7F 10 06 01 36 01 00 00 F7", {"check sum 0001"}},
        {"F0 40 7F 10 06 01 36 01 00 F7", {}},
        {"F0 40 7F 10 06 01 37 00 F7", {"power off 0"}},
        {"F0 40 7F 10 06 01 37 04 F7", {}},
        {"F0 40 7F 10 06 01 31 15 3F 7F F7", {}},
        {"F0 40 7F 10 06 01 34 01 03 F7", {}},
        {"F0 40 7F 10 06 01 38 00 00 00 7F F7", {}},
        {"F0 40 7F 10 06 01 2F 01 F7", {}},
        {"F0 41 7F 10 06 01 30 01 F7", {}},
        {"F0 40 7F 10 07 01 30 01 F7", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        events.lines.clear();
        Feed(Hex(c.message));
        EXPECT_EQ(events.lines, c.expected);
    }
}

TEST_F(SysExDecoderTest, UnknownDumpCommandShowsTheBoxOncePerMessage)
{
    Feed(Hex("F0 40 7F 23 06 01 05 00 F7"));
    Feed(Hex("F0 40 7F 23 06 01 05 00 F7"));
    Feed(Hex("F0 40 7F 23 06 01 00 F7"));
    Feed(Hex("F0 40 7F 23 06 01 7F"));
    EXPECT_EQ(boxes, std::vector<QString>(4, QStringLiteral("すみません…わかりません。")));

    boxes.clear();
    Feed(Hex("F0 40 7F 23 06 01 7D F7"));
    Feed(Hex("F0 40 7F 23 06 01 F7"));  // a status byte is no command
    Feed(Hex("F0 40 7F 23 06 01 02 01 00 00 F7")); // the editor's own format: ignored
    Feed(Hex("F0 40 7F 23 06 01 7B 01 F7"));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(events.lines, std::vector<std::string>{"firmware updated"});
}

// Messages the instrument or the cable may deliver broken. Each arrives while block 0 of
// memory 0 is expected and must change neither the state nor any memory, nor report anything.
TEST_F(SysExDecoderTest, BrokenMessagesChangeNothing)
{
    const Scenario s = MakeScenario();
    const Bytes block0 = s.images[0].Block(0, 0);
    auto with = [&block0](std::size_t position, std::uint8_t value) {
        Bytes b = block0;
        b[position] = value;
        return b;
    };
    auto cut = [&block0](std::ptrdiff_t length) { return Bytes(block0.begin(), block0.begin() + length); };
    Bytes garbage(1024);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>((i * 73 + 11) * 2654435761u >> 13);
    garbage[0] = 0xF0;
    Bytes garbageAfterHeader = garbage;
    std::copy(block0.begin(), block0.begin() + 10, garbageAfterHeader.begin());

    const struct
    {
        const char* what;
        Bytes message;
    } cases[] = {
        {"empty", {}},
        {"no F0", with(0, 0xF1)},
        {"only F0", cut(1)},
        {"header without command", cut(6)},
        {"no dump format byte", cut(7)},
        {"no memory", cut(9)},
        {"no name", cut(11)},
        {"cut in the name", cut(100)},
        {"last data byte missing", cut(126)},
        {"manufacturer", with(1, 0x41)},
        {"fixed byte 2", with(2, 0x7E)},
        {"fixed byte 4", with(4, 0x07)},
        {"fixed byte 5", with(5, 0x02)},
        {"editor's format", with(7, 0x01)},
        {"memory 5", with(8, 0x05)},
        {"memory 7F", with(8, 0x7F)},
        {"memory with top bit", with(8, 0x80)},
        {"block 7", with(9, 0x07)},
        {"block 7F", with(9, 0x7F)},
        {"name length with top bit", with(10, 0xFF)},
        {"top bit in the name", with(50, 0x80)},
        {"status byte as last data byte", with(126, 0xF7)},
        {"garbage", garbage},
        {"garbage after a block header", garbageAfterHeader},
    };
    Feed(kDumpStart);
    events.lines.clear();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto before = Snapshot();
        Feed(c.message);
        EXPECT_EQ(decoder.GetSyncState(), 1);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_TRUE(events.lines.empty());
        EXPECT_TRUE(boxes.empty());
    }
    // The good block is still taken afterwards.
    Feed(block0);
    EXPECT_EQ(decoder.GetSyncState(), 2);
}

TEST_F(SysExDecoderTest, WithoutDocumentBlocksAreIgnored)
{
    const Scenario s = MakeScenario();
    decoder.SetDocument(nullptr);
    Feed(kDumpStart);
    Feed(s.images[0].Block(0, 0));
    Feed(Hex("F0 7E 7F 09 01 F7"));
    EXPECT_EQ(decoder.GetSyncState(), 1);
}

} // namespace
