#include "EdPedalEdit.h"

#include "EdWindowMessage.h"

#include <QKeyEvent>

void CEdPedalEdit::OnControlKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backtab:
        PostToParent(WM_PEDALEDIT_PREVIOUS);
        break;
    case Qt::Key_Tab:
        PostToParent(event.modifiers().testFlag(Qt::ShiftModifier) ? WM_PEDALEDIT_PREVIOUS : WM_PEDALEDIT_NEXT);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        PostToParent(WM_PEDALEDIT_CLOSE);
        break;
    default:
        break;
    }
}
