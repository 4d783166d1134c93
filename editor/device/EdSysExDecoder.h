#pragma once

#include "EdDumpBlockDecoder.h"
#include "EdProtocolEvents.h"

#include <cstdint>
#include <span>

class CEdDocument;

// Decodes every SysEx buffer received from the instrument: parameter reports, the dump with
// its sync state, the firmware-update notification and General MIDI System On. It stores dump
// data into the document's user memories and reports the rest to its owner. No window and no
// port: the owner gives the input buffer back to the port after Receive returns.
class CEdSysExDecoder
{
public:
    static constexpr int kSyncIdle = 0;
    // 7m + b + 1: block b of the m-th memory of the dump is expected.
    static constexpr int kSyncEndExpected = 36;
    static constexpr int kSyncComplete = 37;

    explicit CEdSysExDecoder(IEdProtocolEvents& events, CEdDocument* document = nullptr);

    // Without a document dump blocks and General MIDI System On are ignored.
    void SetDocument(CEdDocument* document) { m_document = document; }

    // One received message. Reads nothing outside the span; a message too short for the
    // positions it needs, or with a non-7-bit byte among them, is ignored.
    void Receive(std::span<const std::uint8_t> buffer);

    int GetSyncState() const { return m_syncState; }
    void ResetSyncState();

private:
    void ReceiveParameter(std::span<const std::uint8_t> message);
    void ReceiveDump(std::span<const std::uint8_t> message);
    void ReceiveDumpBlock(std::span<const std::uint8_t> message);
    void ReceiveGeneralMidiOn();
    bool AcceptsBlock(int block) const;

    IEdProtocolEvents& m_events;
    CEdDocument* m_document;
    int m_syncState = kSyncIdle;
    // Which of blocks 4 and 5 came first in the current memory, so the other is the one taken next.
    int m_firstOfPair = -1;
    CEdDumpBlockDecoder m_blockDecoder;
};
