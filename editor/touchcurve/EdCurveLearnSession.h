#pragma once

#include "EdSysExMessage.h"
#include "EdTouchCurveData.h"

#include <cstdint>
#include <vector>

enum class EdLearnState
{
    Off,
    Armed,      // curve reset, waiting for the first note
    Collecting, // notes arriving, the silence countdown running
    Computing,  // building and sending the learned curve; events arriving meanwhile are ignored
};

// What the curve editor window does after a learning event, in this order: stop or (re)start
// its learning timer, finish a reset, set the learn button, refresh and select, repaint.
struct EdLearnActions
{
    bool startTimer = false;         // (re)start the 100 ms learning tick
    bool stopTimer = false;
    bool curveReset = false;         // the reset's window part: selection (0, entry 0), delete mode off, undo on, redo off
    bool pressLearnButton = false;
    bool releaseLearnButton = false;
    bool selectMiddlePoint = false;  // after refreshing the display table from the curve
    bool redrawGraph = false;

    bool operator==(const EdLearnActions&) const = default;
};

// Learning a touch curve from notes played on the instrument. The window forwards its learn
// command, aborts, MIDI notes and timer ticks here with the current time of a monotonic
// millisecond clock, and carries out the actions returned. Curve and sender are passed per call
// because the window's curve changes with the user memory.
class CEdCurveLearnSession
{
public:
    static constexpr int kSilenceMs = 3000;
    static constexpr int kHighlightMs = 1000;
    static constexpr int kTickMs = 100;

    EdLearnState State() const { return m_state; }
    // The learn button is shown pressed.
    bool IsLearning() const { return m_state != EdLearnState::Off; }

    // The learn command: starts learning when it is off, aborts it when it is on.
    EdLearnActions LearnCommand(CEdTouchCurveData& curve, IEdSysExSender& sender);
    // Resets the curve (and the instrument's) to the straight line and waits for notes.
    EdLearnActions Start(CEdTouchCurveData& curve, IEdSysExSender& sender);
    // Any other editing action while learning: stops without computing, keeping the straight
    // line. Nothing when learning is off.
    EdLearnActions Abort(CEdTouchCurveData& curve, IEdSysExSender& sender);
    // A packed short MIDI message (status in bits 0-7, data in 8-15 and 16-23). Only note-ons
    // with a velocity above 0 count; everything else is ignored.
    EdLearnActions OnMidiNote(std::uint32_t message, std::int64_t nowMs, CEdTouchCurveData& curve,
                              IEdSysExSender& sender);
    // The learning timer's tick; ends learning after kSilenceMs without a note.
    EdLearnActions OnTimer(std::int64_t nowMs, CEdTouchCurveData& curve, IEdSysExSender& sender);

    const std::vector<int>& Samples() const { return m_samples; }
    // Velocity of the last counted note, -1 before the first.
    int LastVelocity() const { return m_lastVelocity; }
    // Milliseconds left until learning ends for silence, 0-3000; 0 unless collecting.
    int Countdown(std::int64_t nowMs) const;
    // Milliseconds left of the last note's highlight, 0-1000; 0 unless learning.
    int HighlightCountdown(std::int64_t nowMs) const;

private:
    EdLearnActions Finish(CEdTouchCurveData& curve, IEdSysExSender& sender);
    int Remaining(std::int64_t span, std::int64_t nowMs) const;

    EdLearnState m_state = EdLearnState::Off;
    std::vector<int> m_samples;
    int m_lastVelocity = -1;
    std::int64_t m_lastNoteMs = 0;
};
