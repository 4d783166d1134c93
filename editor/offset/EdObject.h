#pragma once

#include "EdArchive.h"

#include <cstdint>
#include <vector>

// Base of the editor's data objects: an unlimited undo/redo history of whole serialised
// snapshots. A derived class only serialises itself; the history stores those bytes.
//
// While the cursor is below the snapshot count, snapshot [cursor] is the present state; when it
// equals the count, only the object holds the present state and [cursor - 1] is the state before
// the latest edit.
class CEdObject
{
public:
    virtual ~CEdObject() = default;

    // Writes (storing archive) or replaces (loading archive) exactly the object's own fields.
    virtual void Serialize(CEdArchive& ar) = 0;
    // The bytes Serialize writes.
    std::vector<std::uint8_t> Store() const;

    virtual void ClearHistory();
    // Call immediately before changing the object: the state before the edit is what Undo restores.
    virtual void PushHistory();
    virtual void Undo();
    virtual void Redo();
    virtual bool CanUndo() const;
    virtual bool CanRedo() const;

    int GetHistoryCursor() const { return m_historyCursor; }
    int GetSnapshotCount() const { return static_cast<int>(m_snapshots.size()); }

protected:
    // For the derived classes' PeekUndo/PeekRedo: loads snapshot [index] into target when it exists.
    void PeekSnapshot(int index, CEdObject& target) const;

private:
    void LoadSnapshot(int index, CEdObject& target) const;

    std::vector<std::vector<std::uint8_t>> m_snapshots;
    int m_historyCursor = 0;
};
