#include "EdWindowMessage.h"

#include <QCoreApplication>

CEdWindowMessage::CEdWindowMessage(unsigned message)
    : QEvent(EventType(message))
    , m_message(message)
{
}

QEvent::Type CEdWindowMessage::EventType(unsigned message)
{
    return static_cast<QEvent::Type>(QEvent::User + static_cast<int>(message));
}

unsigned CEdWindowMessage::MessageOf(const QEvent* event)
{
    const auto* message = dynamic_cast<const CEdWindowMessage*>(event);
    return message ? message->Message() : 0;
}

void EdPostMessage(QObject* target, unsigned message)
{
    if (target)
        QCoreApplication::postEvent(target, new CEdWindowMessage(message));
}
