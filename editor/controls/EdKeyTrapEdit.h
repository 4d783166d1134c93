#pragma once

#include <QLineEdit>

// A one-line edit that keeps every key typed into it: no shortcut of the program fires and no
// window sees the key while it has the focus. Tab, Enter and Esc insert nothing and do not move
// the focus; derived edits turn them into messages for their parent.
class CEdKeyTrapEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CEdKeyTrapEdit(QWidget* parent = nullptr);

protected:
    //! Key down of Tab (Backtab), Enter or Esc, before it is swallowed.
    virtual void OnControlKey(const QKeyEvent& event) = 0;
    void PostToParent(unsigned message);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
