#include "EdNameEdit.h"

#include "EdWindowMessage.h"

#include <QKeyEvent>

void CEdNameEdit::OnControlKey(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        PostToParent(WM_NAMEEDIT_CLOSE);
}
