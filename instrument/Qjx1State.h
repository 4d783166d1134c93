#pragma once

#include <array>
#include <cstdint>
#include <string>

// What the simulated instrument holds: five user memories and its global settings. Values are
// as the instrument keeps them, not as the editor shows them.
struct Qjx1Memory
{
    std::u16string curveName = u"Normal";
    // OUT velocity per IN velocity, -1 where there is no control point.
    std::array<int, 128> curve{};
    // Offset per MIDI note 0-127; only notes 21-108 are keys.
    std::array<int, 128> offsets{};
    int channel = 0; // 0-15
    int rightPedalCC = 64;
    int centerPedalCC = 66;
    int leftPedalCC = 67;
    std::uint8_t midiOutSwitches = 0x01; // bit 0 keyboard, bit 1 MIDI IN, bit 2 PC
    std::uint8_t usbOutSwitches = 0x03;  // bit 0 keyboard, bit 1 MIDI IN

    Qjx1Memory();
    void ResetCurve();
    bool operator==(const Qjx1Memory&) const = default;
};

struct Qjx1State
{
    static constexpr int kMemoryCount = 5;

    std::array<Qjx1Memory, kMemoryCount> memories;
    int currentMemory = 0;
    int firmwareMajor = 1;
    int firmwareMinor = 4;
    std::uint16_t checkSum = 0x3A7C;
    int autoPowerOff = 1; // 0 off, 1 30 min, 2 60 min, 3 120 min

    // Varied, believable contents: different curves, names, offsets and settings per memory.
    static Qjx1State Believable();
};
