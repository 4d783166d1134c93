#pragma once

#include "Qjx1Messages.h"
#include "Qjx1State.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One message the instrument sends, and how long it waits before sending it.
struct Qjx1Outgoing
{
    Qjx1Bytes bytes; // a SysEx message, or a 2-3 byte short message
    int delayMs = 0;
};

// Knobs that make the instrument misbehave the ways real cables and firmware do.
struct Qjx1Knobs
{
    int paceMs = 0;                    // wait before every message of an answer
    bool silent = false;               // answer nothing at all
    std::optional<int> stopAtBlock;    // 7 * memory + block: the answer to 00/00 ends there
    std::optional<int> dropBlock;      // 7 * memory + block: that one block is left out
    int autoPowerOffDelayMs = 0;       // extra wait before the 10/37 report
    bool block5Before4 = false;        // send blocks 5 and 4 of each memory in that order
};

// The instrument's protocol engine, without ports or threads: it takes one received message
// and answers with what the instrument would send. Everything it receives is applied to its
// state as the real instrument applies it.
class Qjx1Instrument
{
public:
    explicit Qjx1Instrument(Qjx1State state = Qjx1State::Believable());

    std::vector<Qjx1Outgoing> Receive(const Qjx1Bytes& message);

    // What the player or the firmware does on its own.
    std::vector<Qjx1Outgoing> SelectMemoryOnPanel(int memory);
    std::vector<Qjx1Outgoing> AnnounceDataChange();
    std::vector<Qjx1Outgoing> AnnounceFirmwareUpdate();
    // Note-on with the velocity, then note-off, on the memory's transmit channel.
    std::vector<Qjx1Outgoing> PlayNote(int note, int velocity, int holdMs = 50);

    const Qjx1State& State() const { return m_state; }
    Qjx1State& MutableState() { return m_state; }
    Qjx1Knobs& Knobs() { return m_knobs; }
    const Qjx1Knobs& Knobs() const { return m_knobs; }
    bool ExitReceived() const { return m_exitReceived; }
    // SysEx that is not a protocol message (a firmware update stream, for example), in order.
    const std::vector<Qjx1Bytes>& OtherSysEx() const { return m_otherSysEx; }

private:
    std::vector<Qjx1Outgoing> FullAnswer();
    std::vector<Qjx1Outgoing> Paced(std::vector<Qjx1Bytes> messages) const;
    void ApplyParameter(std::uint8_t command, const Qjx1Bytes& m);
    void ApplyBulk(std::uint8_t command, const Qjx1Bytes& m);
    Qjx1Memory& Current() { return m_state.memories[static_cast<std::size_t>(m_state.currentMemory)]; }

    Qjx1State m_state;
    Qjx1Knobs m_knobs;
    bool m_exitReceived = false;
    std::optional<std::array<int, 128>> m_bulkCurve; // set between a bulk start and its end
    std::vector<Qjx1Bytes> m_otherSysEx;
};
