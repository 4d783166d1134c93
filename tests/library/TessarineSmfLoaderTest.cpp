#include "CTessarineEventManager.h"
#include "CTessarineSysExEvent.h"
#include "CTessarineTempoEvent.h"
#include "SmfBuilder.h"
#include "Tessarine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using S = SmfBuilder;
constexpr std::int32_t kConductor = 2047;

const std::wstring kNotSmf = L"このファイルはＳＭＦではありません";
const std::wstring kNoTrackData = L"トラックデータがありません";
const std::wstring kWrongTrackLength = L"実際のトラック長が違います";
const std::wstring kOpenFailed = L"ファイルオープンに失敗";

// What a track of the manager holds, in stored order: packed messages, with SysEx as its bytes.
struct Stored
{
    std::uint32_t time;
    std::uint32_t message;
    Bytes sysex;
    bool operator==(const Stored&) const = default;
};

std::vector<Stored> TrackOf(CTessarineEventManager& manager, std::int32_t track)
{
    std::vector<Stored> out;
    manager.SetPlayPosition(track, 0);
    CTessarineEvent* event = nullptr;
    while (manager.GetNextEvent(&event, track, 0xFFFFFFFF) != 0) {
        Stored s{event->GetTime(), event->GetMidiMsg(track), {}};
        if (const auto* sysex = dynamic_cast<const CTessarineSysExEvent*>(event))
            s.sysex.assign(sysex->GetData(), sysex->GetData() + sysex->GetLength());
        out.push_back(s);
    }
    manager.SetPlayPosition(track, 0);
    return out;
}

std::uint32_t TempoMessage(std::uint32_t stored)
{
    return stored << 16 | 0x51FF;
}

class TessarineSmfLoader : public ::testing::Test
{
protected:
    void SetUp() override { tsrSetMessageBoxFunction(&TessarineSmfLoader::Record, this); }
    void TearDown() override
    {
        tsrSmfLoaderClose();
        tsrSetMessageBoxFunction(nullptr, nullptr);
        tsrSetFileChooserFunction(nullptr, nullptr);
    }

    std::int32_t Open(const Bytes& file) { return tsrSmfLoaderOpenWithMem(file.data(), file.size()); }
    // Opens, loads into m_manager and closes; the result of opening.
    std::int32_t Load(const Bytes& file)
    {
        const std::int32_t opened = Open(file);
        tsrSmfLoaderLoad(&m_manager);
        tsrSmfLoaderClose();
        return opened;
    }

    static void Record(const wchar_t* text, void* self)
    {
        static_cast<TessarineSmfLoader*>(self)->m_messages.emplace_back(text);
    }

    std::vector<std::wstring> m_messages;
    CTessarineEventManager m_manager;
};

TEST_F(TessarineSmfLoader, format_0_puts_notes_on_their_channels_track_and_tempo_and_sysex_on_the_conductor)
{
    const Bytes file = S(0, 96)
                           .Track(S::Concat({S::Event(0, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}), // 500000 us
                                             S::Event(0, {0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}),
                                             S::Event(10, {0x92, 0x3C, 0x64}), S::Event(5, {0x3E, 0x50}),
                                             S::Event(5, {0xC5, 0x07}), S::EndOfTrack()}))
                           .Build();
    ASSERT_EQ(Load(file), 1);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_manager.GetTimeBase(), 96u);
    EXPECT_DOUBLE_EQ(m_manager.GetDeltaTick(), 0.192);
    EXPECT_EQ(TrackOf(m_manager, 2), (std::vector<Stored>{{10, 0x643C92, {}}, {15, 0x503E92, {}}}));
    EXPECT_EQ(TrackOf(m_manager, 5), (std::vector<Stored>{{20, 0x07C5, {}}}));
    EXPECT_EQ(TrackOf(m_manager, kConductor),
              (std::vector<Stored>{{0, TempoMessage(90), {}}, {0, 0, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}}}));
    EXPECT_EQ(m_manager.GetLastEventTime(-1), 20u);
}

TEST_F(TessarineSmfLoader, header_longer_than_6_is_skipped)
{
    ASSERT_EQ(Load(S(0, 480, 8).Track(S::Concat({S::Event(7, {0x90, 0x3C, 0x64}), S::EndOfTrack()})).Build()), 1);
    EXPECT_EQ(TrackOf(m_manager, 0), (std::vector<Stored>{{7, 0x643C90, {}}}));
}

TEST_F(TessarineSmfLoader, multi_track_file_fills_the_conductor_track_by_track_and_keeps_running_status_across)
{
    const Bytes file =
        S(1, 480)
            .Track(S::Concat({S::Event(500, {0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}), S::Event(0, {0x90, 0x3C, 0x64}),
                              S::EndOfTrack()}))
            // starts with a data byte: the status of the previous track goes on
            .Track(S::Concat({S::Event(0, {0x3E, 0x64}), S::Event(0, {0xF0, 0x02, 0x01, 0xF7}),
                              S::Event(100, {0xF0, 0x02, 0x02, 0xF7}), S::Event(100, {0xF0, 0x02, 0x03, 0xF7})}))
            .Build();
    ASSERT_EQ(Load(file), 1);
    EXPECT_EQ(TrackOf(m_manager, 0), (std::vector<Stored>{{500, 0x643C90, {}}}));
    EXPECT_EQ(TrackOf(m_manager, 1), (std::vector<Stored>{{0, 0x643E90, {}}}));
    EXPECT_EQ(TrackOf(m_manager, kConductor), (std::vector<Stored>{{500, TempoMessage(90), {}},
                                                                    {0, 0, {0xF0, 0x01, 0xF7}},
                                                                    {100, 0, {0xF0, 0x02, 0xF7}},
                                                                    {200, 0, {0xF0, 0x03, 0xF7}}}));
}

TEST_F(TessarineSmfLoader, second_load_of_the_open_file_adds_nothing)
{
    ASSERT_EQ(Open(S(1, 480).Track(S::Concat({S::Event(0, {0x90, 0x3C, 0x64}), S::EndOfTrack()})).Build()), 1);
    EXPECT_EQ(tsrSmfLoaderGetTrackNum(), 1);
    tsrSmfLoaderLoad(&m_manager);
    tsrSmfLoaderLoad(&m_manager);
    EXPECT_EQ(m_manager.GetEventNum(0), 1);

    // A second open fails and leaves the open file.
    const Bytes other = S(1, 480).Track(S::EndOfTrack()).Track(S::EndOfTrack()).Build();
    EXPECT_EQ(Open(other), 0);
    EXPECT_EQ(tsrSmfLoaderGetTrackNum(), 1);
    tsrSmfLoaderClose();
    EXPECT_EQ(tsrSmfLoaderGetTrackNum(), 0);
    tsrSmfLoaderLoad(&m_manager); // nothing open: nothing happens
    EXPECT_EQ(m_manager.GetEventNum(0), 1);
}

TEST_F(TessarineSmfLoader, bank_select_0_on_tracks_6_and_7_becomes_0x78_for_smf_out)
{
    S builder(1, 480);
    for (int t = 0; t < 8; ++t)
        builder.Track(S::Concat({S::Event(0, {0xB0, 0x00, 0x00}), S::Event(0, {0xB0, 0x00, 0x05})}));
    const Bytes file = builder.Build();
    m_manager.SetIsSMFOut(1);
    ASSERT_EQ(Load(file), 1);
    EXPECT_EQ(TrackOf(m_manager, 5), (std::vector<Stored>{{0, 0x0000B0, {}}, {0, 0x0500B0, {}}}));
    EXPECT_EQ(TrackOf(m_manager, 6), (std::vector<Stored>{{0, 0x7800B0, {}}, {0, 0x0500B0, {}}}));
    EXPECT_EQ(TrackOf(m_manager, 7), (std::vector<Stored>{{0, 0x7800B0, {}}, {0, 0x0500B0, {}}}));

    CTessarineEventManager plain;
    ASSERT_EQ(tsrSmfLoaderOpenWithMem(file.data(), file.size()), 1);
    tsrSmfLoaderLoad(&plain);
    EXPECT_EQ(TrackOf(plain, 6), (std::vector<Stored>{{0, 0x0000B0, {}}, {0, 0x0500B0, {}}}));
}

TEST_F(TessarineSmfLoader, system_messages_are_skipped_and_common_ones_clear_the_running_status)
{
    const Bytes track = S::Concat({S::Event(0, {0x90, 0x3C, 0x64}), S::Event(0, {0xF8}), S::Event(0, {0x3D, 0x64}),
                                   S::Event(0, {0xF7, 0x02, 0x11, 0x22}), S::Event(0, {0x3E, 0x64}),
                                   S::Event(0, {0xFF, 0x01, 0x03, 'a', 'b', 'c'}), S::Event(0, {0xF2, 0x01, 0x02}),
                                   S::Event(1, {0x3F}), S::Event(1, {0x80, 0x3C, 0x00})});
    ASSERT_EQ(Load(S(1, 480).Track(track).Build()), 1);
    EXPECT_EQ(TrackOf(m_manager, 0), (std::vector<Stored>{{0, 0x643C90, {}},
                                                           {0, 0x643D90, {}},
                                                           {0, 0x643E90, {}},
                                                           {2, 0x003C80, {}}}));
}

TEST_F(TessarineSmfLoader, damaged_files_tell_the_user_and_keep_what_was_read)
{
    const Bytes note = S::Concat({S::Event(0, {0x90, 0x3C, 0x64})});
    Bytes notSmf = S(1, 480).Track(note).Build();
    notSmf[0] = 'R';
    Bytes badTrackTag = S(1, 480).Track(note).Track(note).Build();
    badTrackTag[14 + 4 + 4 + note.size()] = 'X'; // the second track's tag
    const Bytes shortHeader = Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};

    const struct
    {
        const char* name;
        Bytes file;
        std::int32_t opened;
        std::vector<std::wstring> messages;
        std::int32_t eventsOnTrack0;
        std::int32_t eventsOnTrack1;
    } cases[] = {
        {"not an SMF", notSmf, 0, {kNotSmf}, 0, 0},
        {"header cut short", shortHeader, 0, {kNotSmf}, 0, 0},
        {"empty file", Bytes{}, 0, {kNotSmf}, 0, 0},
        {"division of 0", S(1, 0).Track(note).Build(), 0, {kNotSmf}, 0, 0},
        {"second track's tag", badTrackTag, 1, {kNotSmf}, 1, 0},
        {"empty track ends the reading", S(1, 480).Track(Bytes{}).Track(note).Build(), 1, {kNoTrackData}, 0, 0},
        {"track longer than the file", S(1, 480).Track(note, 1000).Build(), 1, {kWrongTrackLength}, 1, 0},
        {"fewer tracks than declared", S(1, 480).Track(note).TrackCount(3).Build(), 1, {kNotSmf}, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.clear();
        m_manager.ClearAllTracks();
        EXPECT_EQ(Load(c.file), c.opened);
        EXPECT_EQ(m_messages, c.messages);
        EXPECT_EQ(m_manager.GetEventNum(0), c.eventsOnTrack0);
        EXPECT_EQ(m_manager.GetEventNum(1), c.eventsOnTrack1);
    }
}

TEST_F(TessarineSmfLoader, hostile_tracks_end_where_their_bytes_do)
{
    const Bytes note = S::Event(0, {0x90, 0x3C, 0x64});
    const struct
    {
        const char* name;
        Bytes tail;
    } cases[] = {
        {"delta time longer than four bytes", Bytes{0x81, 0x82, 0x83, 0x84, 0x05, 0x90, 0x3C, 0x64}},
        {"delta time cut short", Bytes{0x81}},
        {"sysex longer than the track", S::Event(0, {0xF0, 0x8F, 0xFF, 0xFF, 0x7F, 0x01, 0x02})},
        {"sysex length cut short", S::Event(0, {0xF0, 0x81})},
        {"escape longer than the track", S::Event(0, {0xF7, 0x40, 0x01})},
        {"meta without its type", S::Event(0, {0xFF})},
        {"meta longer than the track", S::Event(0, {0xFF, 0x51, 0x03, 0x07})},
        {"tempo of zero microseconds", S::Event(0, {0xFF, 0x51, 0x03, 0x00, 0x00, 0x00})},
        {"note without its data", S::Event(0, {0x90, 0x3C})},
        {"song position cut short", S::Event(0, {0xF2, 0x01})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_manager.ClearAllTracks();
        ASSERT_EQ(Load(S(1, 480).Track(S::Concat({note, c.tail})).Build()), 1);
        EXPECT_EQ(m_manager.GetEventNum(0), 1);
        EXPECT_EQ(m_manager.GetEventNum(kConductor), 0);
    }
}

TEST_F(TessarineSmfLoader, tracks_beyond_the_managers_are_dropped)
{
    S builder(1, 480);
    for (int t = 0; t < 2050; ++t)
        builder.Track(S::Event(static_cast<std::uint32_t>(t), {0x90, 0x3C, 0x64}));
    ASSERT_EQ(Load(builder.Build()), 1);
    EXPECT_EQ(m_manager.GetEventNum(0), 1);
    EXPECT_EQ(m_manager.GetEventNum(2046), 1);
    EXPECT_EQ(m_manager.GetEventNum(kConductor), 1); // the file's own track 2047
    EXPECT_EQ(m_manager.GetLastEventTime(-1), 2047u);
}

TEST_F(TessarineSmfLoader, declared_track_counts_of_0_and_65535_are_bounded_by_the_file)
{
    ASSERT_EQ(Load(S(1, 480).TrackCount(0).Build()), 1);
    EXPECT_TRUE(m_messages.empty());
    ASSERT_EQ(Load(S(1, 480).Track(S::Event(0, {0x90, 0x3C, 0x64})).TrackCount(65535).Build()), 1);
    EXPECT_EQ(m_manager.GetEventNum(0), 1);
    EXPECT_EQ(m_messages, std::vector<std::wstring>{kNotSmf});
}

TEST_F(TessarineSmfLoader, files_are_opened_by_path_or_by_the_callers_chooser)
{
    const auto path = std::filesystem::temp_directory_path() / "tessarine_loader_test.mid";
    {
        const Bytes file = S(1, 480).Track(S::Event(3, {0x90, 0x3C, 0x64})).Build();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
    ASSERT_EQ(tsrSmfLoaderOpen(path.wstring().c_str()), 1);
    tsrSmfLoaderLoad(&m_manager);
    tsrSmfLoaderClose();
    EXPECT_EQ(m_manager.GetEventNum(0), 1);

    EXPECT_EQ(tsrSmfLoaderOpen((path.wstring() + L".missing").c_str()), 0);
    EXPECT_EQ(m_messages, std::vector<std::wstring>{kOpenFailed});

    // No chooser installed: asking the user fails without a message.
    m_messages.clear();
    EXPECT_EQ(tsrSmfLoaderOpen(nullptr), 0);
    EXPECT_TRUE(m_messages.empty());

    struct Chooser
    {
        std::wstring path;
        std::wstring filter;
        bool accept;
        static std::int32_t Choose(const wchar_t* filter, wchar_t* out, std::size_t capacity, void* self)
        {
            auto* c = static_cast<Chooser*>(self);
            c->filter = filter;
            if (!c->accept || c->path.size() + 1 > capacity)
                return 0;
            std::copy(c->path.begin(), c->path.end(), out);
            out[c->path.size()] = L'\0';
            return 1;
        }
    } chooser{path.wstring(), {}, false};
    tsrSetFileChooserFunction(&Chooser::Choose, &chooser);
    EXPECT_EQ(tsrSmfLoaderOpen(nullptr), 0);
    EXPECT_EQ(chooser.filter, L"Midi Files (*.mid)|*.mid|All Files (*.*)|*.*||");
    chooser.accept = true;
    EXPECT_EQ(tsrSmfLoaderOpen(nullptr), 1);
    EXPECT_EQ(tsrSmfLoaderGetTrackNum(), 1);
    tsrSmfLoaderClose();
    std::filesystem::remove(path);
}

TEST(TessarineSmfLoaderLifecycle, destroying_the_library_closes_the_loader)
{
    ASSERT_NE(tsrCreate(), nullptr);
    const Bytes file = S(1, 480).Track(S::EndOfTrack()).Build();
    ASSERT_EQ(tsrSmfLoaderOpenWithMem(file.data(), file.size()), 1);
    tsrDestroy();
    EXPECT_EQ(tsrSmfLoaderGetTrackNum(), 0);
    EXPECT_EQ(tsrSmfLoaderOpenWithMem(file.data(), file.size()), 1);
    tsrSmfLoaderClose();
}

} // namespace
