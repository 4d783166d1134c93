#include "Qjx1Instrument.h"

namespace {
bool IsProtocol(const Qjx1Bytes& m)
{
    return m.size() >= 8 && m[0] == 0xF0 && m[1] == 0x40 && m[2] == 0x7F && m[4] == 0x06 && m[5] == 0x01 &&
           m.back() == 0xF7;
}

// Byte at a position, or 0 when the message is too short to hold it.
std::uint8_t At(const Qjx1Bytes& m, std::size_t position)
{
    return position + 1 < m.size() ? m[position] : 0;
}
} // namespace

Qjx1Instrument::Qjx1Instrument(Qjx1State state) : m_state(std::move(state)) {}

std::vector<Qjx1Outgoing> Qjx1Instrument::Paced(std::vector<Qjx1Bytes> messages) const
{
    std::vector<Qjx1Outgoing> out;
    if (m_knobs.silent)
        return out;
    for (auto& bytes : messages)
        out.push_back({std::move(bytes), m_knobs.paceMs});
    return out;
}

std::vector<Qjx1Outgoing> Qjx1Instrument::Receive(const Qjx1Bytes& m)
{
    if (m.empty() || m[0] != 0xF0)
        return {};
    if (!IsProtocol(m)) {
        m_otherSysEx.push_back(m);
        return {};
    }
    const std::uint8_t function = m[3];
    const std::uint8_t command = m[6];
    switch (function) {
    case 0x00:
        if (command == 0x00)
            return FullAnswer();
        if (command == 0x01)
            return Paced({qjx1::FirmwareVersionReport(m_state.firmwareMajor, m_state.firmwareMinor)});
        break;
    case 0x10:
        ApplyParameter(command, m);
        break;
    case 0x22:
        ApplyBulk(command, m);
        break;
    case 0x31:
        if (command == 0x03)
            m_exitReceived = true;
        break;
    default:
        m_otherSysEx.push_back(m);
        break;
    }
    return {};
}

std::vector<Qjx1Outgoing> Qjx1Instrument::FullAnswer()
{
    std::vector<Qjx1Bytes> messages{qjx1::DumpStart()};
    bool stopped = false;
    for (int memory = 0; memory < Qjx1State::kMemoryCount && !stopped; ++memory) {
        auto blocks = qjx1::DumpBlocks(memory, m_state.memories[static_cast<std::size_t>(memory)]);
        if (m_knobs.block5Before4)
            std::swap(blocks[4], blocks[5]);
        for (int b = 0; b < 7; ++b) {
            const int wireBlock = m_knobs.block5Before4 && (b == 4 || b == 5) ? 9 - b : b;
            const int id = 7 * memory + wireBlock;
            if (m_knobs.stopAtBlock == id) {
                stopped = true;
                break;
            }
            if (m_knobs.dropBlock != id)
                messages.push_back(std::move(blocks[static_cast<std::size_t>(b)]));
        }
    }
    if (stopped)
        return Paced(std::move(messages));
    messages.push_back(qjx1::DumpEnd());
    messages.push_back(qjx1::MemoryReport(m_state.currentMemory));
    messages.push_back(qjx1::FirmwareVersionReport(m_state.firmwareMajor, m_state.firmwareMinor));
    messages.push_back(qjx1::CheckSumReport(m_state.checkSum));
    auto out = Paced(std::move(messages));
    if (!m_knobs.silent)
        out.push_back({qjx1::AutoPowerOffReport(m_state.autoPowerOff), m_knobs.paceMs + m_knobs.autoPowerOffDelayMs});
    return out;
}

void Qjx1Instrument::ApplyParameter(std::uint8_t command, const Qjx1Bytes& m)
{
    Qjx1Memory& memory = Current();
    switch (command) {
    case 0x30:
        if (At(m, 7) < Qjx1State::kMemoryCount)
            m_state.currentMemory = At(m, 7);
        break;
    case 0x31: {
        const int note = At(m, 7);
        const int offset = qjx1::DecodeOffset(At(m, 8), At(m, 9));
        if (offset >= -127 && offset <= 127)
            memory.offsets[static_cast<std::size_t>(note & 0x7F)] = offset;
        break;
    }
    case 0x32: {
        const int channel = qjx1::DecodeChannel(At(m, 7), At(m, 8), At(m, 9));
        if (channel >= 0)
            memory.channel = channel;
        break;
    }
    case 0x33:
        switch (At(m, 7)) {
        case 0x40: memory.rightPedalCC = At(m, 8); break;
        case 0x42: memory.centerPedalCC = At(m, 8); break;
        case 0x43: memory.leftPedalCC = At(m, 8); break;
        default: break;
        }
        break;
    case 0x34:
        memory.midiOutSwitches = At(m, 7) & 0x07;
        memory.usbOutSwitches = At(m, 8) & 0x03;
        break;
    case 0x37:
        if (At(m, 7) <= 3)
            m_state.autoPowerOff = At(m, 7);
        break;
    case 0x38: {
        const int oldIn = At(m, 7), in = At(m, 8);
        const bool removed = At(m, 9) == 0x01;
        // The end points stay: they can only move vertically.
        if (oldIn != in && oldIn != 0 && oldIn != 127)
            memory.curve[static_cast<std::size_t>(oldIn)] = -1;
        if (!(removed && (in == 0 || in == 127)))
            memory.curve[static_cast<std::size_t>(in)] = removed ? -1 : At(m, 10);
        break;
    }
    case 0x39:
        memory.ResetCurve();
        break;
    case 0x3A: {
        const std::size_t length = std::min<std::size_t>(At(m, 7), 120);
        std::u16string name;
        for (std::size_t i = 0; i + 2 < length && 10 + i < m.size(); i += 3) {
            name.push_back(static_cast<char16_t>(At(m, 8 + i) | (At(m, 9 + i) << 7) | ((At(m, 10 + i) & 3) << 14)));
        }
        memory.curveName = name;
        break;
    }
    default:
        break;
    }
}

void Qjx1Instrument::ApplyBulk(std::uint8_t command, const Qjx1Bytes& m)
{
    if (command == 0x01) {
        m_bulkCurve = Current().curve;
        return;
    }
    if (!m_bulkCurve)
        return;
    if (command == 0x02) {
        const int block = At(m, 8);
        const int first = block == 0 ? 0 : (block == 1 ? 59 : 118);
        for (std::size_t pos = 9; pos + 2 < m.size() && first + static_cast<int>((pos - 9) / 2) < 128; pos += 2) {
            const int in = first + static_cast<int>((pos - 9) / 2);
            (*m_bulkCurve)[static_cast<std::size_t>(in)] = m[pos] == 0x01 ? -1 : m[pos + 1];
        }
    } else if (command == 0x7B) {
        Current().curve = *m_bulkCurve;
        m_bulkCurve.reset();
    }
}

std::vector<Qjx1Outgoing> Qjx1Instrument::SelectMemoryOnPanel(int memory)
{
    if (memory < 0 || memory >= Qjx1State::kMemoryCount)
        return {};
    m_state.currentMemory = memory;
    return Paced({qjx1::MemoryReport(memory)});
}

std::vector<Qjx1Outgoing> Qjx1Instrument::AnnounceDataChange()
{
    std::vector<Qjx1Bytes> messages{qjx1::DumpStart()};
    for (int memory = 0; memory < Qjx1State::kMemoryCount; ++memory) {
        for (auto& block : qjx1::DumpBlocks(memory, m_state.memories[static_cast<std::size_t>(memory)]))
            messages.push_back(std::move(block));
    }
    messages.push_back(qjx1::DumpEnd());
    return Paced(std::move(messages));
}

std::vector<Qjx1Outgoing> Qjx1Instrument::AnnounceFirmwareUpdate()
{
    return Paced({qjx1::FirmwareUpdateNotice()});
}

std::vector<Qjx1Outgoing> Qjx1Instrument::PlayNote(int note, int velocity, int holdMs)
{
    const auto channel = static_cast<std::uint8_t>(Current().channel & 0x0F);
    const auto key = static_cast<std::uint8_t>(note & 0x7F);
    return {{{static_cast<std::uint8_t>(0x90 | channel), key, static_cast<std::uint8_t>(velocity & 0x7F)}, 0},
            {{static_cast<std::uint8_t>(0x80 | channel), key, 0x40}, holdMs}};
}
