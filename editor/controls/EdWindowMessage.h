#pragma once

#include <QEvent>

class QObject;

// Private window messages of the edit controls, posted to the edit's parent.
inline constexpr unsigned WM_PEDALEDIT_CLOSE = 0x601;
inline constexpr unsigned WM_NAMEEDIT_CLOSE = 0x602;
inline constexpr unsigned WM_PEDALEDIT_NEXT = 0x603;
inline constexpr unsigned WM_PEDALEDIT_PREVIOUS = 0x604;

// A window message carried as a posted event of type QEvent::User + message.
class CEdWindowMessage : public QEvent
{
public:
    explicit CEdWindowMessage(unsigned message);

    unsigned Message() const { return m_message; }

    static QEvent::Type EventType(unsigned message);
    //! The message an event carries, or 0 when it is not a window message.
    static unsigned MessageOf(const QEvent* event);

private:
    unsigned m_message;
};

//! Queues message for target (nothing when target is null); it arrives after the current event.
void EdPostMessage(QObject* target, unsigned message);
