#pragma once

#include "EdUserMemory.h"

#include <memory>
#include <vector>

// Owns the user memories the editor mirrors from the instrument.
class CEdDocument
{
public:
    static constexpr int kUserMemoryCount = 5;

    CEdDocument() = default;
    CEdDocument(const CEdDocument&) = delete;
    CEdDocument& operator=(const CEdDocument&) = delete;
    // Deletes the memories last first.
    virtual ~CEdDocument();

    // Appends five new memories holding the data objects' defaults.
    virtual void CreateUserMemories();
    // Factory curve of memory i into memory i's curve (unchanged when that factory file is
    // missing), default offsets and MIDI settings. A factory file that cannot be read throws
    // CEdFileException; memories before it are already reset.
    virtual void ResetUserMemories();
    virtual int GetUserMemoryCount() const;
    // nullptr when index is negative or not below the count.
    virtual CEdUserMemory* GetUserMemoryAt(int index) const;

private:
    std::vector<std::unique_ptr<CEdUserMemory>> m_userMemories;
};
