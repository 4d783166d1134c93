#include "CTessarineEventManager.h"
#include "TessarineTestSupport.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;
constexpr std::int32_t kConductor = 2047;

// The timer's clock, moved by the test; the timer thread still ticks in real time.
class FakeClock
{
public:
    explicit FakeClock(std::uint16_t minimumPeriod = 1)
    {
        const tagTESSARINETIMERSOURCE source{&FakeClock::Now, this, minimumPeriod};
        tsrSetTimerSource(&source);
    }
    ~FakeClock() { tsrSetTimerSource(nullptr); }

    void Advance(std::uint32_t milliseconds) { m_now += milliseconds; }

private:
    static std::uint32_t Now(void* self) { return static_cast<FakeClock*>(self)->m_now.load(); }

    std::atomic<std::uint32_t> m_now{100000};
};

std::vector<Bytes> Silencing()
{
    std::vector<Bytes> out;
    for (std::uint8_t ch = 0; ch < 16; ++ch)
        out.push_back({static_cast<std::uint8_t>(0xB0 | ch), 0x7B, 0x00});
    for (std::uint8_t ch = 0; ch < 16; ++ch)
        out.push_back({static_cast<std::uint8_t>(0xB0 | ch), 0x40, 0x00});
    for (std::uint8_t ch = 0; ch < 16; ++ch)
        out.push_back({static_cast<std::uint8_t>(0xE0 | ch), 0x00, 0x40});
    return out;
}

template <class Predicate>
bool WaitUntil(Predicate predicate, std::chrono::milliseconds timeout = 3000ms)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!predicate()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// A running library on virtual ports whose timer reads a fake clock.
class TessarineSequencer : public TessarineFixture
{
protected:
    void SetUp() override
    {
        TessarineFixture::SetUp();
        const tagTESSARINETARGET target = m_target.Record();
        ASSERT_EQ(tsrInitialize(&target, 0, 0), 0);
    }

    void TearDown() override
    {
        tsrSeqSetEventManager(nullptr);
        TessarineFixture::TearDown();
    }

    // Lets the timer take a few real ticks at the clock's present reading.
    static void Settle() { std::this_thread::sleep_for(40ms); }

    // Hands the manager over and lets the sequencer take its first reading.
    void Lend(CTessarineEventManager& manager)
    {
        tsrSeqSetEventManager(&manager);
        m_clock.Advance(10);
        Settle();
    }

    FakeClock m_clock;
    CTessarineVirtualOutPort m_out{"Seq Out"};
    CTessarineVirtualInPort m_in{"Seq In"};
    CTessarineEventManager m_manager;
};

TEST_F(TessarineSequencer, timer_runs_at_5_ms_or_the_clocks_minimum)
{
    EXPECT_EQ(tsrGetTimerPeriod(), 5);
    tsrFinalize();
    EXPECT_EQ(tsrGetTimerPeriod(), 0);

    FakeClock coarse(10);
    tsrPreInitialize();
    const tagTESSARINETARGET target = m_target.Record();
    ASSERT_EQ(tsrInitialize(&target, 0, 0), 0);
    EXPECT_EQ(tsrGetTimerPeriod(), 10);
    // Initialising again leaves the running timer as it is.
    ASSERT_EQ(tsrInitialize(&target, 0, 0), 0);
    EXPECT_EQ(tsrGetTimerPeriod(), 10);
}

TEST_F(TessarineSequencer, timer_starts_once_the_output_is_open_even_when_the_input_fails)
{
    tsrFinalize();
    tsrPreInitialize();
    const tagTESSARINETARGET target = m_target.Record();
    EXPECT_EQ(tsrInitialize(&target, 5, 0), TESSARINEERR_MIDI_IN_OPEN);
    EXPECT_EQ(tsrGetTimerPeriod(), 5);
    tsrFinalize();

    tsrPreInitialize();
    m_out.RefuseOpen();
    EXPECT_EQ(tsrInitialize(&target, 0, 0), TESSARINEERR_MIDI_OUT_OPEN);
    EXPECT_EQ(tsrGetTimerPeriod(), 0);
}

TEST_F(TessarineSequencer, play_without_a_manager_ever_set_does_nothing)
{
    tsrSeqPlay();
    EXPECT_EQ(tsrSeqIsRunning(), 0);
    EXPECT_EQ(tsrSeqGetEventManager(), nullptr);
}

TEST_F(TessarineSequencer, sysex_at_tick_0_goes_out_then_the_end_silences_16_channels_three_ways)
{
    const Bytes sysex{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    m_manager.SetSysExEvent(kConductor, 0, sysex.data(), 6, 0);
    Lend(m_manager);
    EXPECT_EQ(tsrSeqGetEventManager(), &m_manager);
    tsrSeqPlay();
    EXPECT_EQ(tsrSeqIsRunning(), 1);
    m_clock.Advance(5);
    ASSERT_TRUE(WaitUntil([] { return tsrSeqIsRunning() == 0; }));

    std::vector<Bytes> expected{sysex};
    for (const Bytes& m : Silencing())
        expected.push_back(m);
    EXPECT_EQ(m_out.GetReceived(), expected);
    EXPECT_EQ(tsrSeqGetPlayError(), 0);
}

TEST_F(TessarineSequencer, events_at_tick_960_leave_about_a_second_after_play_whatever_the_tempo_says)
{
    enum class Change
    {
        None,
        SetTempo,
        TempoEvent
    };
    for (const Change change : {Change::None, Change::SetTempo, Change::TempoEvent}) {
        SCOPED_TRACE(static_cast<int>(change));
        CTessarineEventManager manager;
        if (change == Change::TempoEvent)
            manager.SetTempoEvent(kConductor, 0, 60, 0);
        manager.SetMidiEvent(4, 960, 0x643C90, 0);
        Lend(manager);
        tsrSeqPlay();
        if (change == Change::SetTempo)
            tsrSeqSetTempo(60);
        Settle();
        m_clock.Advance(999); // 959 ticks
        Settle();
        EXPECT_TRUE(m_out.GetReceived().empty());
        m_clock.Advance(2);
        ASSERT_TRUE(WaitUntil([&] { return !m_out.GetReceived().empty(); }));
        EXPECT_EQ(m_out.GetReceived().front(), (Bytes{0x90, 0x3C, 0x64}));
        ASSERT_TRUE(WaitUntil([] { return tsrSeqIsRunning() == 0; }));
        EXPECT_EQ(m_out.TakeReceived().size(), 49u);
        if (change != Change::None) {
            EXPECT_EQ(manager.GetTempo(), change == Change::SetTempo ? 60u : 45u);
        }
        tsrSeqSetEventManager(nullptr);
    }
}

TEST_F(TessarineSequencer, stop_while_idle_sends_nothing_and_stop_all_sound_still_sends_notes_off)
{
    EXPECT_EQ(tsrSeqStop(), 0);
    EXPECT_EQ(tsrSeqStopAllSound(), 0); // no manager yet
    EXPECT_TRUE(m_out.GetReceived().empty());

    tsrSeqSetEventManager(&m_manager);
    EXPECT_EQ(tsrSeqStop(), 0);
    EXPECT_TRUE(m_out.GetReceived().empty());
    EXPECT_EQ(tsrSeqStopAllSound(), 0);
    const std::vector<Bytes> silencing = Silencing();
    EXPECT_EQ(m_out.GetReceived(), std::vector<Bytes>(silencing.begin(), silencing.begin() + 16));
}

TEST_F(TessarineSequencer, stop_during_playback_silences_and_nothing_plays_afterwards)
{
    m_manager.SetMidiEvent(0, 960, 0x643C90, 0);
    Lend(m_manager);
    tsrSeqPlay();
    m_clock.Advance(100);
    Settle();
    EXPECT_EQ(tsrSeqStop(), 0);
    EXPECT_EQ(tsrSeqIsRunning(), 0);
    EXPECT_EQ(m_out.TakeReceived(), Silencing());
    m_clock.Advance(5000);
    Settle();
    EXPECT_TRUE(m_out.GetReceived().empty());
}

TEST_F(TessarineSequencer, failed_send_ends_playback_and_the_timer_keeps_serving)
{
    m_manager.SetMidiEvent(0, 0, 0x643C90, 0);
    m_manager.SetMidiEvent(0, 500, 0x643E90, 0);
    Lend(m_manager);
    m_out.FailSends();
    tsrSeqPlay();
    m_clock.Advance(5);
    ASSERT_TRUE(WaitUntil([] { return tsrSeqIsRunning() == 0; }));
    EXPECT_EQ(tsrSeqGetPlayError(), TESSARINEERR_MIDI_OUT_SHORTMSG);
    EXPECT_TRUE(m_out.GetReceived().empty());

    // The same timer plays the next manager.
    m_out.FailSends(0);
    CTessarineEventManager next;
    next.SetMidiEvent(1, 0, 0x643C90, 0);
    Lend(next);
    tsrSeqPlay();
    EXPECT_EQ(tsrSeqGetPlayError(), 0);
    m_clock.Advance(5);
    ASSERT_TRUE(WaitUntil([] { return tsrSeqIsRunning() == 0; }));
    EXPECT_EQ(m_out.GetReceived().size(), 49u);
}

TEST_F(TessarineSequencer, finalize_during_playback_silences_and_stops_the_timer)
{
    m_manager.SetMidiEvent(0, 960, 0x643C90, 0);
    Lend(m_manager);
    tsrSeqPlay();
    EXPECT_EQ(tsrFinalize(), 0);
    EXPECT_EQ(tsrSeqIsRunning(), 0);
    EXPECT_EQ(tsrGetTimerPeriod(), 0);
    EXPECT_EQ(m_out.GetReceived(), Silencing());
}

TEST_F(TessarineSequencer, manager_reaches_the_sequencers_target)
{
    tagTESSARINETARGET target = m_target.Record();
    m_manager.SetControlTargetWindow(&target);
    EXPECT_EQ(m_manager.GetSettingTargetWindow().pContext, target.pContext);
    EXPECT_EQ(m_manager.PostMessageW(0x400, 7, 9), 1);
    PostedMessage posted;
    ASSERT_TRUE(m_target.Take(posted));
    EXPECT_EQ(posted.message, 0x400u);
    EXPECT_EQ(posted.wParam, 7u);
    m_manager.SetControlTargetWindow(nullptr);
    EXPECT_EQ(m_manager.PostMessageW(0x400, 7, 9), 0);
}

} // namespace
