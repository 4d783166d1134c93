#include "EdCurveLearnSession.h"

#include "ByteHelpers.h"
#include "CurvePoints.h"
#include "RecordingSender.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::uint32_t NoteOn(int velocity, int channel = 0, int key = 60)
{
    return static_cast<std::uint32_t>((0x90 | channel) | (key << 8) | (velocity << 16));
}

std::uint32_t NoteOff(int velocity, int channel = 0, int key = 60)
{
    return static_cast<std::uint32_t>((0x80 | channel) | (key << 8) | (velocity << 16));
}

const std::map<int, int> kStraightLine = {{0, 0}, {127, 127}};
const EdLearnActions kEnded{.stopTimer = true, .releaseLearnButton = true, .selectMiddlePoint = true, .redrawGraph = true};
const EdLearnActions kNoteCounted{.startTimer = true, .redrawGraph = true};

class learn_session_test : public testing::Test
{
protected:
    learn_session_test()
    {
        // A curve with a history, as after some editing.
        curve.PushHistory();
        curve.SetPoint(64, 30);
    }

    EdLearnActions Start() { return session.Start(curve, sender); }
    EdLearnActions Note(std::uint32_t message, std::int64_t ms) { return session.OnMidiNote(message, ms, curve, sender); }
    EdLearnActions Tick(std::int64_t ms) { return session.OnTimer(ms, curve, sender); }

    CEdTouchCurveData curve;
    RecordingSender sender;
    CEdCurveLearnSession session;
};

TEST_F(learn_session_test, start_resets_the_curve_and_waits_without_a_timer)
{
    EXPECT_EQ(Start(), (EdLearnActions{.curveReset = true, .pressLearnButton = true, .redrawGraph = true}));
    EXPECT_EQ(session.State(), EdLearnState::Armed);
    EXPECT_EQ(CurvePoints(curve), kStraightLine);
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].bytes, Hex("F0 40 7F 10 06 01 39 F7"));
    // The curve from before learning can be brought back.
    EXPECT_TRUE(curve.CanUndo());
    EXPECT_EQ(session.Countdown(0), 0);
}

TEST_F(learn_session_test, notes_are_collected_until_three_seconds_of_silence)
{
    Start();
    sender.sent.clear();
    EXPECT_EQ(Note(NoteOn(64, 9, 21), 1000), kNoteCounted);
    EXPECT_EQ(session.State(), EdLearnState::Collecting);
    EXPECT_EQ(Tick(1100), (EdLearnActions{.redrawGraph = true}));
    EXPECT_EQ(session.Countdown(1100), 2900);
    EXPECT_EQ(Tick(3900), (EdLearnActions{.redrawGraph = true}));
    EXPECT_EQ(session.Countdown(3900), 100);
    EXPECT_TRUE(sender.sent.empty());

    EXPECT_EQ(Tick(4000), kEnded);
    EXPECT_EQ(session.State(), EdLearnState::Off);
    EXPECT_EQ(CurvePoints(curve), (std::map<int, int>{{0, 0}, {63, 63}, {127, 127}}));
    // Written against the straight line the instrument holds after the reset: one point.
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].bytes, Hex("F0 40 7F 10 06 01 38 3F 3F 00 3F F7"));
}

TEST_F(learn_session_test, each_note_restarts_the_countdown)
{
    Start();
    Note(NoteOn(50), 0);
    Note(NoteOn(40), 2500);
    EXPECT_EQ(Tick(3000), (EdLearnActions{.redrawGraph = true}));
    Note(NoteOn(60), 5400);
    EXPECT_EQ(Tick(8300), (EdLearnActions{.redrawGraph = true}));
    EXPECT_EQ(Tick(8400), kEnded);
    EXPECT_EQ(CurvePoints(curve), (std::map<int, int>{{0, 0}, {30, 32}, {43, 64}, {76, 95}, {127, 127}}));
}

TEST_F(learn_session_test, a_late_tick_still_ends_learning)
{
    Start();
    Note(NoteOn(64), 0);
    EXPECT_EQ(Tick(3350), kEnded);
}

TEST_F(learn_session_test, note_offs_and_silent_note_ons_are_not_counted)
{
    Start();
    Note(NoteOn(64), 0);
    for (std::uint32_t message : {NoteOn(0), NoteOff(64), NoteOff(0), std::uint32_t{0xB0 | (64 << 8) | (127 << 16)},
                                  std::uint32_t{0x90 | (60 << 8) | (0xC0 << 16)}})
        EXPECT_EQ(Note(message, 2500), EdLearnActions{}) << std::hex << message;
    EXPECT_EQ(session.Samples(), std::vector<int>{64});
    EXPECT_EQ(session.LastVelocity(), 64);
    // The countdown still runs from the note at 0.
    EXPECT_EQ(Tick(3000), kEnded);
}

TEST_F(learn_session_test, silence_before_the_first_note_does_not_end_learning)
{
    Start();
    EXPECT_EQ(Tick(10000), EdLearnActions{});
    EXPECT_EQ(session.State(), EdLearnState::Armed);
}

TEST_F(learn_session_test, the_126th_note_ends_learning_and_a_127th_is_not_learned)
{
    Start();
    sender.sent.clear();
    for (int v = 1; v <= 125; ++v)
        ASSERT_EQ(Note(NoteOn(v), v * 10), kNoteCounted) << v;
    EXPECT_EQ(Note(NoteOn(126), 1260), kEnded);
    EXPECT_EQ(session.State(), EdLearnState::Off);
    std::map<int, int> identity;
    for (int i = 0; i <= 127; ++i)
        identity[i] = i;
    EXPECT_EQ(CurvePoints(curve), identity);
    // 126 entries differ from the straight line: the bulk transfer.
    EXPECT_EQ(sender.sent.size(), 5u);

    sender.sent.clear();
    EXPECT_EQ(Note(NoteOn(5), 1270), EdLearnActions{});
    EXPECT_EQ(session.Samples().size(), 126u);
    EXPECT_EQ(CurvePoints(curve), identity);
    EXPECT_TRUE(sender.sent.empty());
}

TEST_F(learn_session_test, abort_keeps_the_straight_line)
{
    for (bool afterNote : {false, true}) {
        SCOPED_TRACE(afterNote ? "collecting" : "armed");
        CEdTouchCurveData edited;
        edited.PushHistory();
        edited.SetPoint(64, 30);
        session.Start(edited, sender);
        if (afterNote)
            session.OnMidiNote(NoteOn(90), 0, edited, sender);
        sender.sent.clear();

        EXPECT_EQ(session.Abort(edited, sender), kEnded);
        EXPECT_EQ(session.State(), EdLearnState::Off);
        EXPECT_EQ(CurvePoints(edited), kStraightLine);
        // Written against the curve from before learning: its point is removed again.
        ASSERT_EQ(sender.sent.size(), 1u);
        EXPECT_EQ(sender.sent[0].bytes, Hex("F0 40 7F 10 06 01 38 40 40 01 7F F7"));
        // A tick that was already queued changes nothing.
        EXPECT_EQ(session.OnTimer(5000, edited, sender), EdLearnActions{});
        EXPECT_EQ(CurvePoints(edited), kStraightLine);
    }
}

TEST_F(learn_session_test, abort_or_notes_while_off_do_nothing)
{
    EXPECT_EQ(session.Abort(curve, sender), EdLearnActions{});
    EXPECT_EQ(Note(NoteOn(64), 0), EdLearnActions{});
    EXPECT_TRUE(sender.sent.empty());
    EXPECT_TRUE(session.Samples().empty());
}

TEST_F(learn_session_test, the_learn_command_toggles)
{
    EXPECT_TRUE(session.LearnCommand(curve, sender).pressLearnButton);
    EXPECT_TRUE(session.IsLearning());
    // Start while learning is a no-op: it would reset the curve a second time.
    EXPECT_EQ(Start(), EdLearnActions{});
    EXPECT_EQ(session.LearnCommand(curve, sender), kEnded);
    EXPECT_FALSE(session.IsLearning());
}

TEST_F(learn_session_test, the_highlight_fades_over_one_second_after_each_note)
{
    Start();
    EXPECT_EQ(session.LastVelocity(), -1);
    EXPECT_EQ(session.HighlightCountdown(0), 0);
    Note(NoteOn(80), 1000);
    EXPECT_EQ(session.LastVelocity(), 80);
    EXPECT_EQ(session.HighlightCountdown(1000), 1000);
    EXPECT_EQ(session.HighlightCountdown(1400), 600);
    EXPECT_EQ(session.HighlightCountdown(2000), 0);
    Note(NoteOn(30), 2500);
    EXPECT_EQ(session.LastVelocity(), 30);
    EXPECT_EQ(session.HighlightCountdown(2600), 900);
    Tick(5500);
    EXPECT_EQ(session.HighlightCountdown(5500), 0);
}

TEST_F(learn_session_test, events_during_the_computation_are_ignored)
{
    // A failed send may open the connect dialog, whose event loop delivers further events.
    Start();
    Note(NoteOn(64), 0);
    int reentered = 0;
    sender.onSend = [&] {
        ++reentered;
        EXPECT_EQ(session.State(), EdLearnState::Computing);
        EXPECT_EQ(Note(NoteOn(100), 3000), EdLearnActions{});
        EXPECT_EQ(Tick(3000), EdLearnActions{});
        EXPECT_EQ(session.Abort(curve, sender), EdLearnActions{});
    };
    EXPECT_EQ(Tick(3000), kEnded);
    EXPECT_EQ(reentered, 1);
    EXPECT_EQ(session.Samples(), std::vector<int>{64});
    EXPECT_EQ(session.State(), EdLearnState::Off);
}

TEST_F(learn_session_test, a_new_start_forgets_the_previous_samples)
{
    Start();
    Note(NoteOn(20), 0);
    Tick(3000);
    Start();
    EXPECT_TRUE(session.Samples().empty());
    EXPECT_EQ(session.LastVelocity(), -1);
    Note(NoteOn(64), 4000);
    Tick(7000);
    EXPECT_EQ(CurvePoints(curve), (std::map<int, int>{{0, 0}, {63, 63}, {127, 127}}));
}

} // namespace
