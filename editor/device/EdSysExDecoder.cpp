#include "EdSysExDecoder.h"

#include "EdDocument.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::uint8_t kParameter = 0x10;
constexpr std::uint8_t kBlockDump = 0x23;

constexpr std::uint8_t kDumpStart = 0x01;
constexpr std::uint8_t kDumpBlock = 0x02;
constexpr std::uint8_t kDumpEnd = 0x7B;
constexpr std::uint8_t kFirmwareUpdated = 0x7D;

constexpr std::size_t kCommandPosition = 6;
// Last data position of a dump block: its F7 sits at 127.
constexpr std::size_t kLastBlockDataPosition = 126;
constexpr int kHighestMemory = CEdDocument::kUserMemoryCount - 1;
constexpr int kHighestAutoPowerOff = 3;

bool HasHeader(std::span<const std::uint8_t> message, std::uint8_t function)
{
    const std::array<std::uint8_t, 5> header{0x40, 0x7F, function, 0x06, 0x01};
    return message.size() > kCommandPosition && std::equal(header.begin(), header.end(), message.begin() + 1);
}

bool IsGeneralMidiOn(std::span<const std::uint8_t> message)
{
    const std::array<std::uint8_t, 5> body{0x7E, 0x7F, 0x09, 0x01, 0xF7};
    return message.size() >= 6 && std::equal(body.begin(), body.end(), message.begin() + 1);
}

// True when positions first..last exist and each holds a 7-bit byte.
bool HasDataBytes(std::span<const std::uint8_t> message, std::size_t first, std::size_t last)
{
    if (message.size() <= last)
        return false;
    return std::all_of(message.begin() + static_cast<std::ptrdiff_t>(first),
                       message.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                       [](std::uint8_t b) { return b < 0x80; });
}
} // namespace

CEdSysExDecoder::CEdSysExDecoder(IEdProtocolEvents& events, CEdDocument* document)
    : m_events(events), m_document(document)
{
}

void CEdSysExDecoder::ResetSyncState()
{
    m_syncState = kSyncIdle;
    m_firstOfPair = -1;
}

void CEdSysExDecoder::Receive(std::span<const std::uint8_t> buffer)
{
    if (buffer.empty() || buffer[0] != 0xF0)
        return;
    if (HasHeader(buffer, kBlockDump))
        ReceiveDump(buffer);
    else if (HasHeader(buffer, kParameter))
        ReceiveParameter(buffer);
    else if (IsGeneralMidiOn(buffer))
        ReceiveGeneralMidiOn();
}

void CEdSysExDecoder::ReceiveParameter(std::span<const std::uint8_t> message)
{
    switch (message[kCommandPosition]) {
    case 0x30:
        if (HasDataBytes(message, 7, 7) && message[7] <= kHighestMemory)
            m_events.OnUserMemorySelected(message[7]);
        break;
    case 0x35:
        if (HasDataBytes(message, 7, 8))
            m_events.OnFirmwareVersion(QString::asprintf("%d.%02d", message[7], message[8]));
        break;
    case 0x36:
        if (HasDataBytes(message, 7, 9)) {
            const int sum = message[7] + message[8] * 128 + message[9] * 16384;
            m_events.OnCheckSum(QString::asprintf("%04X", static_cast<unsigned>(sum)));
        }
        break;
    case 0x37:
        if (HasDataBytes(message, 7, 7) && message[7] <= kHighestAutoPowerOff)
            m_events.OnAutoPowerOff(message[7]);
        break;
    default:
        // 31-34 are the instrument echoing edits; nothing else is a report.
        break;
    }
}

void CEdSysExDecoder::ReceiveDump(std::span<const std::uint8_t> message)
{
    const std::uint8_t command = message[kCommandPosition];
    const bool editorFormat = message.size() > 7 && message[7] == 0x00;
    switch (command) {
    case kDumpStart:
        if (!editorFormat)
            return;
        if (m_events.IsDeviceReady()) {
            m_events.OnDumpStartedByInstrument();
            return;
        }
        if (m_syncState == kSyncIdle) {
            m_syncState = 1;
            m_events.OnDumpStart();
        }
        return;
    case kDumpBlock:
        if (editorFormat)
            ReceiveDumpBlock(message);
        return;
    case kDumpEnd:
        if (editorFormat && m_syncState == kSyncEndExpected) {
            m_syncState = kSyncComplete;
            m_events.OnDumpEnd();
        }
        return;
    case kFirmwareUpdated:
        m_events.OnFirmwareUpdateNotified();
        return;
    default:
        // A status byte is no command at all; a 7-bit one is a command this editor predates.
        if (command < 0x80)
            m_events.OnUnknownCommand(command);
        return;
    }
}

void CEdSysExDecoder::ReceiveDumpBlock(std::span<const std::uint8_t> message)
{
    if (!m_document || !HasDataBytes(message, 8, kLastBlockDataPosition))
        return;
    const int memoryNumber = message[8];
    const int block = message[9];
    if (memoryNumber > kHighestMemory || block >= CEdDumpBlockDecoder::kBlockCount || !AcceptsBlock(block))
        return;
    CEdUserMemory* memory = m_document->GetUserMemoryAt(memoryNumber);
    if (!memory)
        return;

    if ((m_syncState - 1) % 7 == 4)
        m_firstOfPair = block;
    ++m_syncState;

    m_blockDecoder.DecodeCurvePart(message, *memory);
    if (block == 3)
        m_events.OnDumpCurveStored(memoryNumber);
    m_blockDecoder.DecodeOffsetPart(message, *memory);
    if (block == 6)
        m_events.OnDumpMemoryStored(memoryNumber);
}

bool CEdSysExDecoder::AcceptsBlock(int block) const
{
    if (m_syncState < 1 || m_syncState >= kSyncEndExpected)
        return false;
    switch ((m_syncState - 1) % 7) {
    case 4:
        return block == 4 || block == 5;
    case 5:
        // Either order, but not the same block twice: a repeated block would hide a lost one.
        return (block == 4 || block == 5) && block != m_firstOfPair;
    default:
        return block == (m_syncState - 1) % 7;
    }
}

void CEdSysExDecoder::ReceiveGeneralMidiOn()
{
    CEdUserMemory* memory = m_document ? m_document->GetUserMemoryAt(0) : nullptr;
    if (!memory)
        return;
    memory->GetOffsetData()->SetOffset(10, 10);
    memory->GetMidiSettingData()->SetChannel(0);
}
