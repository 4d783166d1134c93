#include "EdKeyTrapEdit.h"

#include "EdWindowMessage.h"

#include <QKeyEvent>

namespace
{
bool IsControlKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_Escape;
}
} // namespace

CEdKeyTrapEdit::CEdKeyTrapEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void CEdKeyTrapEdit::PostToParent(unsigned message)
{
    EdPostMessage(parentWidget(), message);
}

bool CEdKeyTrapEdit::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claiming every key here is what keeps the program's shortcuts (1-5, Ctrl+N, Delete ...)
        // from firing while the user types.
        event->accept();
        return true;
    case QEvent::KeyPress:
        // Tab would otherwise move the focus before keyPressEvent sees it.
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    default:
        return QLineEdit::event(event);
    }
}

void CEdKeyTrapEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsControlKey(event->key()))
        OnControlKey(*event);
    else
        QLineEdit::keyPressEvent(event);
    event->accept();
}

void CEdKeyTrapEdit::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    event->accept();
}
