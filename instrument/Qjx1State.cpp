#include "Qjx1State.h"

#include <algorithm>
#include <cmath>

Qjx1Memory::Qjx1Memory()
{
    ResetCurve();
}

void Qjx1Memory::ResetCurve()
{
    curve.fill(-1);
    curve[0] = 0;
    curve[127] = 127;
}

namespace {
// A curve with points every 16 IN steps on out = 127 * x^gamma, scaled and lifted.
void ShapeCurve(Qjx1Memory& m, double gamma, double scale, double lift)
{
    m.ResetCurve();
    for (int in = 16; in < 127; in += 16) {
        const double x = in / 127.0;
        const long out = std::lround(lift + scale * 127.0 * std::pow(x, gamma));
        m.curve[static_cast<std::size_t>(in)] = static_cast<int>(std::clamp(out, 1L, 127L));
    }
    m.curve[127] = static_cast<int>(std::clamp(std::lround(lift + scale * 127.0), 1L, 127L));
}
} // namespace

Qjx1State Qjx1State::Believable()
{
    Qjx1State s;
    auto& m = s.memories;

    m[0].curveName = u"Normal";

    m[1].curveName = u"Concert Grand";
    ShapeCurve(m[1], 1.3, 1.0, 0.0);
    for (int note = 21; note <= 40; ++note)
        m[1].offsets[static_cast<std::size_t>(note)] = (40 - note) / 2; // heavier bass voiced up
    m[1].leftPedalCC = 67;
    m[1].centerPedalCC = 66;

    m[2].curveName = u"Light Touch";
    ShapeCurve(m[2], 0.65, 1.0, 0.0);
    m[2].channel = 1;
    m[2].midiOutSwitches = 0x03;

    m[3].curveName = u"Organ \u2013 even";
    ShapeCurve(m[3], 1.0, 0.55, 50.0);
    m[3].channel = 9;
    m[3].centerPedalCC = 11; // expression
    m[3].leftPedalCC = 1;
    m[3].usbOutSwitches = 0x01;

    m[4].curveName = u"\u30b9\u30bf\u30b8\u30aa"; // "Studio" in katakana: names are UTF-16
    ShapeCurve(m[4], 1.1, 0.95, 4.0);
    for (int note = 21; note <= 108; ++note)
        m[4].offsets[static_cast<std::size_t>(note)] = ((note * 37) % 21) - 10;
    m[4].offsets[108] = 127;
    m[4].offsets[21] = -127;
    m[4].channel = 15;
    m[4].rightPedalCC = 64;
    m[4].midiOutSwitches = 0x07;
    m[4].usbOutSwitches = 0x02;

    s.currentMemory = 2;
    s.autoPowerOff = 2;
    return s;
}
