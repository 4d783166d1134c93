#include "EdObject.h"

std::vector<std::uint8_t> CEdObject::Store() const
{
    CEdArchive ar;
    // A storing archive only reads the object; Serialize is one function for both directions.
    const_cast<CEdObject*>(this)->Serialize(ar);
    return ar.Bytes();
}

void CEdObject::LoadSnapshot(int index, CEdObject& target) const
{
    CEdArchive ar(m_snapshots[static_cast<std::size_t>(index)]);
    target.Serialize(ar);
}

void CEdObject::ClearHistory()
{
    m_snapshots.clear();
    m_historyCursor = 0;
}

void CEdObject::PushHistory()
{
    auto snapshot = Store();
    if (m_historyCursor < GetSnapshotCount())
        m_snapshots.resize(static_cast<std::size_t>(m_historyCursor));
    m_snapshots.push_back(std::move(snapshot));
    ++m_historyCursor;
}

// Undo and Redo check for themselves: an unchecked call would index outside the history.
void CEdObject::Undo()
{
    if (!CanUndo())
        return;
    if (m_historyCursor == GetSnapshotCount()) {
        PushHistory();
        --m_historyCursor;
    }
    LoadSnapshot(m_historyCursor - 1, *this);
    --m_historyCursor;
}

void CEdObject::Redo()
{
    if (!CanRedo())
        return;
    LoadSnapshot(m_historyCursor + 1, *this);
    ++m_historyCursor;
}

bool CEdObject::CanUndo() const
{
    return m_historyCursor > 0 && m_historyCursor <= GetSnapshotCount();
}

bool CEdObject::CanRedo() const
{
    return m_historyCursor >= 0 && m_historyCursor < GetSnapshotCount() - 1;
}

void CEdObject::PeekSnapshot(int index, CEdObject& target) const
{
    if (index >= 0 && index < GetSnapshotCount())
        LoadSnapshot(index, target);
}
