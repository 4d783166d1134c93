#include "EdOutputButton.h"

int CEdOutputButton::CurrentFrame() const
{
    if (m_highlighted)
        return 2;
    return m_active ? 1 : 0;
}
