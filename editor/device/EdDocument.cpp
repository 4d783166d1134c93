#include "EdDocument.h"

CEdDocument::~CEdDocument()
{
    while (!m_userMemories.empty())
        m_userMemories.pop_back();
}

void CEdDocument::CreateUserMemories()
{
    for (int i = 0; i < kUserMemoryCount; ++i)
        m_userMemories.push_back(std::make_unique<CEdUserMemory>());
}

void CEdDocument::ResetUserMemories()
{
    int index = 0;
    for (const auto& memory : m_userMemories) {
        memory->GetTouchCurve()->LoadFactoryCurve(index++);
        memory->GetOffsetData()->Reset();
        memory->GetMidiSettingData()->Reset();
    }
}

int CEdDocument::GetUserMemoryCount() const
{
    return static_cast<int>(m_userMemories.size());
}

CEdUserMemory* CEdDocument::GetUserMemoryAt(int index) const
{
    if (index < 0 || index >= GetUserMemoryCount())
        return nullptr;
    return m_userMemories[static_cast<std::size_t>(index)].get();
}
