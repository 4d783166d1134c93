#include "EdCurveLearnSession.h"

#include "EdCurveHistory.h"
#include "EdCurveLearning.h"
#include "EdTouchCurveMessages.h"

#include <algorithm>

EdLearnActions CEdCurveLearnSession::LearnCommand(CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    return IsLearning() ? Abort(curve, sender) : Start(curve, sender);
}

EdLearnActions CEdCurveLearnSession::Start(CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    if (m_state != EdLearnState::Off)
        return {};
    EdResetCurve(curve, sender);
    m_samples.clear();
    m_lastVelocity = -1;
    m_state = EdLearnState::Armed;
    // No timer yet: the silence limit counts from the first note.
    return {.curveReset = true, .pressLearnButton = true, .redrawGraph = true};
}

EdLearnActions CEdCurveLearnSession::Abort(CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    if (m_state != EdLearnState::Armed && m_state != EdLearnState::Collecting)
        return {};
    m_state = EdLearnState::Off;
    EdSendCurveAgainstHistory(curve, sender, false);
    return {.stopTimer = true, .releaseLearnButton = true, .selectMiddlePoint = true, .redrawGraph = true};
}

EdLearnActions CEdCurveLearnSession::OnMidiNote(std::uint32_t message, std::int64_t nowMs,
                                                CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    if (m_state != EdLearnState::Armed && m_state != EdLearnState::Collecting)
        return {};
    const std::uint32_t status = message & 0xFF;
    const std::uint32_t velocity = (message >> 16) & 0xFF;
    // A velocity byte with bit 7 set is not MIDI; such a message is dropped.
    if ((status & 0xF0) != 0x90 || velocity == 0 || velocity > 127)
        return {};

    m_samples.push_back(static_cast<int>(velocity));
    m_lastVelocity = static_cast<int>(velocity);
    m_lastNoteMs = nowMs;
    m_state = EdLearnState::Collecting;
    if (static_cast<int>(m_samples.size()) >= kEdMaxLearnSamples)
        return Finish(curve, sender);
    // Restarted per note so the ticks, and the countdown shown, fall on whole 100 ms steps.
    return {.startTimer = true, .redrawGraph = true};
}

EdLearnActions CEdCurveLearnSession::OnTimer(std::int64_t nowMs, CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    if (m_state != EdLearnState::Collecting)
        return {};
    // Measured on the clock rather than by counting ticks, so a late or dropped tick does not
    // stretch the limit.
    if (nowMs - m_lastNoteMs >= kSilenceMs)
        return Finish(curve, sender);
    return {.redrawGraph = true};
}

EdLearnActions CEdCurveLearnSession::Finish(CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    m_state = EdLearnState::Computing;
    EdApplyLearnedCurve(curve, m_samples);
    // The reset message left the instrument with the straight line, whatever the history holds.
    SendCurveDifferences(sender, curve, CEdTouchCurveData::DefaultTable());
    m_state = EdLearnState::Off;
    return {.stopTimer = true, .releaseLearnButton = true, .selectMiddlePoint = true, .redrawGraph = true};
}

int CEdCurveLearnSession::Remaining(std::int64_t span, std::int64_t nowMs) const
{
    return static_cast<int>(std::clamp<std::int64_t>(span - (nowMs - m_lastNoteMs), 0, span));
}

int CEdCurveLearnSession::Countdown(std::int64_t nowMs) const
{
    return m_state == EdLearnState::Collecting ? Remaining(kSilenceMs, nowMs) : 0;
}

int CEdCurveLearnSession::HighlightCountdown(std::int64_t nowMs) const
{
    return IsLearning() && m_lastVelocity > 0 ? Remaining(kHighlightMs, nowMs) : 0;
}
