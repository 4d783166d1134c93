#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

// Builds Standard MIDI Files byte by byte for tests, fuzz seeds and benchmarks.
class SmfBuilder
{
public:
    using Bytes = std::vector<std::uint8_t>;

    SmfBuilder(std::uint16_t format, std::uint16_t division, std::uint32_t headerLength = 6)
        : m_format(format), m_division(division), m_headerLength(headerLength)
    {
    }

    // A track chunk whose length is that of its bytes, or the given one.
    SmfBuilder& Track(Bytes events) { return Track(events, static_cast<std::uint32_t>(events.size())); }
    SmfBuilder& Track(const Bytes& events, std::uint32_t declaredLength)
    {
        m_tracks.push_back(Tag("MTrk"));
        Append(m_tracks.back(), declaredLength, 4);
        m_tracks.back().insert(m_tracks.back().end(), events.begin(), events.end());
        ++m_trackCount;
        return *this;
    }
    SmfBuilder& TrackCount(std::uint16_t count)
    {
        m_declaredCount = count;
        return *this;
    }

    Bytes Build() const
    {
        Bytes file = Tag("MThd");
        Append(file, m_headerLength, 4);
        Append(file, m_format, 2);
        Append(file, m_declaredCount ? m_declaredCount : m_trackCount, 2);
        Append(file, m_division, 2);
        for (std::uint32_t i = 6; i < m_headerLength; ++i)
            file.push_back(0xEE);
        for (const Bytes& track : m_tracks)
            file.insert(file.end(), track.begin(), track.end());
        return file;
    }

    static Bytes Variable(std::uint32_t value)
    {
        Bytes groups{static_cast<std::uint8_t>(value & 0x7F)};
        while ((value >>= 7) != 0)
            groups.insert(groups.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
        return groups;
    }
    // delta time then the event's bytes
    static Bytes Event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes)
    {
        Bytes out = Variable(delta);
        out.insert(out.end(), bytes.begin(), bytes.end());
        return out;
    }
    static Bytes Concat(std::initializer_list<Bytes> parts)
    {
        Bytes out;
        for (const Bytes& p : parts)
            out.insert(out.end(), p.begin(), p.end());
        return out;
    }
    static Bytes EndOfTrack() { return Event(0, {0xFF, 0x2F, 0x00}); }

private:
    static Bytes Tag(const char* tag) { return Bytes(tag, tag + 4); }
    static void Append(Bytes& out, std::uint32_t value, int size)
    {
        for (int i = size - 1; i >= 0; --i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    std::uint16_t m_format;
    std::uint16_t m_division;
    std::uint32_t m_headerLength;
    std::uint16_t m_trackCount = 0;
    std::uint16_t m_declaredCount = 0;
    std::vector<Bytes> m_tracks;
};
