#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CTessarineEventManager;

// One Standard MIDI File, read whole, whose events are copied into an event manager. The file
// is untrusted: lengths are bounded by the bytes that are there, and a track whose next event
// runs past its end ends there.
class CTessarineSmfLoader
{
public:
    CTessarineSmfLoader() = default;
    CTessarineSmfLoader(const CTessarineSmfLoader&) = delete;
    CTessarineSmfLoader& operator=(const CTessarineSmfLoader&) = delete;
    virtual ~CTessarineSmfLoader();

    void SetPath(std::wstring path) { m_path = std::move(path); }
    const std::wstring& GetPath() const { return m_path; }

    // Reads the header and then the tracks. False (after telling the user) when the header is
    // not an SMF header; a track that cannot be read only ends the reading of tracks.
    bool Read(std::span<const std::uint8_t> file);
    // Adds the events not loaded yet; a second call adds nothing.
    void Load(CTessarineEventManager& manager);

    std::uint16_t GetFormat() const { return m_format; }
    std::uint16_t GetTrackNum() const { return m_trackCount; }
    std::uint16_t GetDivision() const { return m_division; }

private:
    enum class Kind
    {
        Nothing,
        Channel,
        SysEx,
        Tempo,
        End, // the track's bytes ran out
    };
    struct Event
    {
        Kind kind = Kind::Nothing;
        std::uint32_t message = 0; // channel message, packed
        std::uint32_t value = 0;   // SysEx length or tempo
    };

    void LoadTrack(CTessarineEventManager& manager, std::size_t track);
    Event ParseEvent(std::size_t track);
    // False when the quantity runs past the track or is longer than four bytes.
    bool ReadVariable(std::size_t track, std::uint32_t& value);

    std::vector<std::vector<std::uint8_t>> m_trackData;
    std::uint8_t m_runningStatus = 0; // one for the whole file, kept across tracks
    std::uint16_t m_format = 0;
    std::uint16_t m_trackCount = 0;
    std::uint16_t m_division = 0;
    std::uint32_t m_headerLength = 0;
    std::vector<std::uint32_t> m_readPositions;
    std::vector<std::uint32_t> m_trackLengths;
    std::wstring m_path;
    std::vector<std::uint8_t> m_sysEx; // the latest SysEx read
};
