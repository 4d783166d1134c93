#include "EdTouchCurveData.h"

#include "EdCurveFiles.h"

CEdTouchCurveData::CEdTouchCurveData()
    : m_name(QStringLiteral("Normal")), m_reserved(-1), m_points(DefaultTable())
{
}

CEdTouchCurveData::Table CEdTouchCurveData::DefaultTable()
{
    Table table;
    table.fill(kNoPoint);
    table.front() = 0;
    table.back() = 127;
    return table;
}

void CEdTouchCurveData::Serialize(CEdArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_name);
        ar.WriteInt32(m_reserved);
        for (int entry : m_points)
            ar.WriteInt32(entry);
        return;
    }
    // Read the whole record before replacing anything: a short file leaves the curve as it was.
    QString name = ar.ReadString();
    const int reserved = ar.ReadInt32();
    Table points;
    for (int& entry : points)
        entry = ar.ReadInt32();
    m_name = std::move(name);
    m_reserved = reserved;
    m_points = points;
}

bool CEdTouchCurveData::LoadFactoryCurve(int memory)
{
    if (memory < 0)
        return false;
    const int position = memory == 0 ? 1 : memory + 3;
    const QStringList files = EdListCurveFiles(EdGetFactoryCurveFolder());
    if (files.size() < position)
        return false;
    EdLoadCurve(EdJoinPath(EdGetFactoryCurveFolder(), files[position - 1]), *this);
    return true;
}

int CEdTouchCurveData::Reset()
{
    m_points = DefaultTable();
    return -1;
}

void CEdTouchCurveData::PeekUndo(CEdTouchCurveData* target) const
{
    if (target)
        PeekSnapshot(GetHistoryCursor() - 1, *target);
}

void CEdTouchCurveData::PeekRedo(CEdTouchCurveData* target) const
{
    if (target)
        PeekSnapshot(GetHistoryCursor() + 1, *target);
}

bool CEdTouchCurveData::IsEqual(const CEdTouchCurveData* other) const
{
    if (!other || other->GetName() != m_name)
        return false;
    for (int in = 0; in < kEntryCount; ++in) {
        if (other->GetPoint(in) != m_points[static_cast<std::size_t>(in)])
            return false;
    }
    return true;
}

int CEdTouchCurveData::GetPoint(int in) const
{
    return in >= 0 && in < kEntryCount ? m_points[static_cast<std::size_t>(in)] : kNoPoint;
}

void CEdTouchCurveData::SetPoint(int in, int out)
{
    if (in >= 0 && in < kEntryCount)
        m_points[static_cast<std::size_t>(in)] = out;
}
