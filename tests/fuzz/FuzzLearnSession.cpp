// Learning as driven by MIDI input from the instrument and the user's commands: any stream of
// notes, ticks, learn commands and aborts. Also the computation on any sample values.
#include "EdCurveLearnSession.h"
#include "EdCurveLearning.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
class NullSender : public IEdSysExSender
{
public:
    bool SendSysEx(const std::uint8_t*, int, bool) override { return true; }
};

void CheckLearnedPoints(const std::vector<int>& samples)
{
    const auto points = EdComputeLearnedPoints(samples);
    if (samples.empty()) {
        if (!points.empty())
            __builtin_trap();
        return;
    }
    // The learned path runs from (0, 0) to (127, 127) and stays on the grid.
    if (points.front() != EdGridPoint{0, 0} || points.back() != EdGridPoint{127, 127})
        __builtin_trap();
    for (const auto& p : points) {
        if (p.in < 0 || p.in > 127 || p.out < 0 || p.out > 127)
            __builtin_trap();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<int> raw;
    for (std::size_t i = 0; i < size; ++i)
        raw.push_back(static_cast<std::int8_t>(data[i]));
    CheckLearnedPoints(raw);

    CEdTouchCurveData curve;
    NullSender sender;
    CEdCurveLearnSession session;
    std::int64_t now = 0;
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        const std::uint8_t kind = data[i];
        switch (kind % 4) {
        case 0:
            session.OnMidiNote(std::uint32_t{data[i + 1]} | std::uint32_t{data[i + 2]} << 8 |
                                   std::uint32_t{data[i + 3]} << 16 | std::uint32_t{kind} << 24,
                               now, curve, sender);
            break;
        case 1:
            now += data[i + 1] * 20;
            session.OnTimer(now, curve, sender);
            break;
        case 2:
            session.LearnCommand(curve, sender);
            break;
        default:
            session.Abort(curve, sender);
            break;
        }
        if (session.Samples().size() > 126 || session.Countdown(now) < 0 || session.Countdown(now) > 3000)
            __builtin_trap();
        for (int v : session.Samples()) {
            if (v < 1 || v > 127)
                __builtin_trap();
        }
        for (int in = 0; in < 128; ++in) {
            const int out = curve.GetPoint(in);
            if (out < -1 || out > 127)
                __builtin_trap();
        }
    }
    return 0;
}
