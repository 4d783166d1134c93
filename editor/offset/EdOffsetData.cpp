#include "EdOffsetData.h"

void CEdOffsetData::Serialize(CEdArchive& ar)
{
    if (ar.IsStoring()) {
        for (int value : m_offsets)
            ar.WriteInt32(value);
        return;
    }
    // Read everything first: a short snapshot must not leave half the keys replaced.
    std::array<int, kKeyCount> read{};
    for (int& value : read)
        value = ar.ReadInt32();
    m_offsets = read;
}

void CEdOffsetData::Reset()
{
    m_offsets.fill(0);
}

void CEdOffsetData::PeekUndo(CEdOffsetData* target) const
{
    if (target)
        PeekSnapshot(GetHistoryCursor() - 1, *target);
}

void CEdOffsetData::PeekRedo(CEdOffsetData* target) const
{
    if (target)
        PeekSnapshot(GetHistoryCursor() + 1, *target);
}

bool CEdOffsetData::IsEqual(const CEdOffsetData* other) const
{
    if (!other)
        return false;
    for (unsigned i = 0; i < kKeyCount; ++i) {
        if (other->GetOffset(i) != m_offsets[i])
            return false;
    }
    return true;
}

int CEdOffsetData::GetOffset(unsigned index) const
{
    return index < kKeyCount ? m_offsets[index] : 0;
}

void CEdOffsetData::SetOffset(unsigned index, int value)
{
    if (index < kKeyCount && value >= kMinOffset && value <= kMaxOffset)
        m_offsets[index] = value;
}
