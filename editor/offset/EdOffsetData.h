#pragma once

#include "EdObject.h"

#include <array>

// The 88 key offsets of one user memory; key index i is MIDI note i + 21.
class CEdOffsetData : public CEdObject
{
public:
    static constexpr int kKeyCount = 88;
    static constexpr int kFirstNote = 21;
    static constexpr int kMinOffset = -127;
    static constexpr int kMaxOffset = 127;

    // 88 little-endian 32-bit values, nothing else (352 bytes).
    void Serialize(CEdArchive& ar) override;

    virtual void Reset();
    virtual void PeekUndo(CEdOffsetData* target) const;
    virtual void PeekRedo(CEdOffsetData* target) const;
    virtual bool IsEqual(const CEdOffsetData* other) const;
    // 0 for an index above 87.
    virtual int GetOffset(unsigned index) const;
    // Ignored unless index <= 87 and -127 <= value <= 127.
    virtual void SetOffset(unsigned index, int value);

private:
    std::array<int, kKeyCount> m_offsets{};
};
