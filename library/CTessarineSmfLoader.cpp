#include "CTessarineSmfLoader.h"

#include "CTessarineEventManager.h"
#include "TessarineLoaderUi.h"

#include <algorithm>
#include <cstring>

namespace {

const wchar_t* const kNotSmf = L"このファイルはＳＭＦではありません";
const wchar_t* const kNoTrackData = L"トラックデータがありません";
const wchar_t* const kWrongTrackLength = L"実際のトラック長が違います";

// Sequential reads over the file's bytes; a read past the end takes what is there.
class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t Remaining() const { return m_bytes.size() - m_pos; }
    bool Tag(const char* tag)
    {
        if (Remaining() < 4)
            return false;
        const bool same = std::memcmp(m_bytes.data() + m_pos, tag, 4) == 0;
        m_pos += 4;
        return same;
    }
    bool Number(std::size_t size, std::uint32_t& value)
    {
        if (Remaining() < size)
            return false;
        value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value = value << 8 | m_bytes[m_pos++];
        return true;
    }
    void Skip(std::size_t count) { m_pos += std::min(count, Remaining()); }
    std::span<const std::uint8_t> Take(std::size_t count)
    {
        const std::size_t n = std::min(count, Remaining());
        auto part = m_bytes.subspan(m_pos, n);
        m_pos += n;
        return part;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

bool isTwoByteStatus(std::uint8_t s)
{
    return (s >= 0x80 && s <= 0xBF) || (s >= 0xE0 && s <= 0xEF);
}

bool isOneByteStatus(std::uint8_t s)
{
    return s >= 0xC0 && s <= 0xDF;
}

} // namespace

CTessarineSmfLoader::~CTessarineSmfLoader() = default;

bool CTessarineSmfLoader::Read(std::span<const std::uint8_t> file)
{
    Reader reader(file);
    std::uint32_t headerLength = 0;
    std::uint32_t format = 0;
    std::uint32_t trackCount = 0;
    std::uint32_t division = 0;
    if (!reader.Tag("MThd") || !reader.Number(4, headerLength) || !reader.Number(2, format) ||
        !reader.Number(2, trackCount) || !reader.Number(2, division) || division == 0) {
        // A division of 0 would give a clock that never moves: playback would never end.
        tessarine::showMessage(kNotSmf);
        return false;
    }
    m_headerLength = headerLength;
    m_format = static_cast<std::uint16_t>(format);
    m_trackCount = static_cast<std::uint16_t>(trackCount);
    m_division = static_cast<std::uint16_t>(division);
    if (headerLength > 6)
        reader.Skip(headerLength - 6);
    m_trackData.assign(m_trackCount, {});
    m_readPositions.assign(m_trackCount, 0);
    m_trackLengths.assign(m_trackCount, 0);

    for (std::size_t t = 0; t < m_trackCount; ++t) {
        std::uint32_t length = 0;
        if (!reader.Tag("MTrk") || !reader.Number(4, length)) {
            tessarine::showMessage(kNotSmf);
            break;
        }
        if (length == 0) {
            tessarine::showMessage(kNoTrackData);
            break;
        }
        // Never more than the file holds, whatever the chunk claims.
        const auto bytes = reader.Take(length);
        m_trackData[t].assign(bytes.begin(), bytes.end());
        m_trackLengths[t] = static_cast<std::uint32_t>(bytes.size());
        if (bytes.size() < length)
            tessarine::showMessage(kWrongTrackLength);
    }
    return true;
}

void CTessarineSmfLoader::Load(CTessarineEventManager& manager)
{
    manager.SetTimeBase(m_division);
    if (m_format == 0) {
        if (m_trackCount > 0)
            LoadTrack(manager, 0);
        return;
    }
    // Tracks beyond the manager's are dropped.
    const std::size_t count = std::min<std::size_t>(m_trackCount, CTessarineEventManager::TRACK_NUM);
    for (std::size_t t = 0; t < count; ++t)
        LoadTrack(manager, t);
}

void CTessarineSmfLoader::LoadTrack(CTessarineEventManager& manager, std::size_t track)
{
    const auto conductor = CTessarineEventManager::CONDUCTOR_TRACK;
    std::uint32_t time = 0;
    while (m_readPositions[track] < m_trackLengths[track]) {
        std::uint32_t delta = 0;
        if (!ReadVariable(track, delta))
            break;
        time += delta;
        const Event event = ParseEvent(track);
        if (event.kind == Kind::End)
            break;
        switch (event.kind) {
        case Kind::SysEx:
            manager.SetSysExEvent(conductor, time, m_sysEx.data(), event.value, 0);
            break;
        case Kind::Tempo:
            manager.SetTempoEvent(conductor, time, event.value, 0);
            break;
        case Kind::Channel: {
            std::uint32_t message = event.message;
            std::int32_t target = static_cast<std::int32_t>(track);
            if (m_format == 0) {
                target = static_cast<std::int32_t>(message & 0x0F);
            } else if (manager.IsSMFOut() != 0 && (track == 6 || track == 7) && (message & 0xFFFFF0) == 0xB0) {
                // Bank select 0 on these two tracks goes out as 0x78.
                message |= 0x78u << 16;
            }
            manager.SetMidiEvent(target, time, message, 0);
            break;
        }
        default:
            break;
        }
    }
}

bool CTessarineSmfLoader::ReadVariable(std::size_t track, std::uint32_t& value)
{
    const auto& bytes = m_trackData[track];
    std::uint32_t& pos = m_readPositions[track];
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= m_trackLengths[track])
            return false;
        const std::uint8_t b = bytes[pos++];
        value = value << 7 | (b & 0x7Fu);
        if ((b & 0x80) == 0)
            return true;
    }
    // Longer than four bytes: the track is broken from here on.
    pos = m_trackLengths[track];
    return false;
}

CTessarineSmfLoader::Event CTessarineSmfLoader::ParseEvent(std::size_t track)
{
    const auto& bytes = m_trackData[track];
    std::uint32_t& pos = m_readPositions[track];
    const std::uint32_t length = m_trackLengths[track];
    const Event end{Kind::End};
    auto remaining = [&] { return length - pos; };
    auto endTrack = [&] {
        pos = length;
        return end;
    };
    auto channel = [&](std::uint8_t status, std::uint8_t d1) -> Event {
        if (isOneByteStatus(status))
            return {Kind::Channel, status | static_cast<std::uint32_t>(d1) << 8};
        if (remaining() < 1)
            return endTrack();
        const std::uint8_t d2 = bytes[pos++];
        return {Kind::Channel, status | static_cast<std::uint32_t>(d1) << 8 | static_cast<std::uint32_t>(d2) << 16};
    };

    if (remaining() < 1)
        return end;
    const std::uint8_t status = bytes[pos++];
    if (status < 0x80) {
        if (isTwoByteStatus(m_runningStatus) || isOneByteStatus(m_runningStatus))
            return channel(m_runningStatus, status);
        return {};
    }
    if (isTwoByteStatus(status) || isOneByteStatus(status)) {
        m_runningStatus = status;
        if (remaining() < 1)
            return endTrack();
        const std::uint8_t d1 = bytes[pos++];
        return channel(status, d1);
    }
    switch (status) {
    case 0xF0: {
        std::uint32_t n = 0;
        if (!ReadVariable(track, n) || n > remaining())
            return endTrack();
        m_sysEx.assign(1, 0xF0);
        m_sysEx.insert(m_sysEx.end(), bytes.begin() + pos, bytes.begin() + pos + n);
        pos += n;
        return {Kind::SysEx, 0, n + 1};
    }
    case 0xF7: {
        std::uint32_t n = 0;
        if (!ReadVariable(track, n) || n > remaining())
            return endTrack();
        pos += n;
        return {};
    }
    case 0xF1:
    case 0xF2:
    case 0xF3: {
        const std::uint32_t skip = status == 0xF3 ? 1 : 2;
        m_runningStatus = 0;
        if (skip > remaining())
            return endTrack();
        pos += skip;
        return {};
    }
    case 0xF4:
    case 0xF5:
    case 0xF6:
        m_runningStatus = 0;
        return {};
    case 0xFF: {
        if (remaining() < 1)
            return endTrack();
        const std::uint8_t type = bytes[pos++];
        std::uint32_t n = 0;
        if (!ReadVariable(track, n) || n > remaining())
            return endTrack();
        Event event;
        if (type == 0x51 && n == 3) {
            const std::uint32_t microseconds = static_cast<std::uint32_t>(bytes[pos]) << 16 |
                                               static_cast<std::uint32_t>(bytes[pos + 1]) << 8 | bytes[pos + 2];
            // A tempo of zero microseconds has no meaning; it is skipped rather than divided by.
            if (microseconds != 0)
                event = {Kind::Tempo, 0, 60000000u / microseconds};
        }
        pos += n;
        return event;
    }
    default: // F8-FE: real-time bytes carry nothing
        return {};
    }
}
