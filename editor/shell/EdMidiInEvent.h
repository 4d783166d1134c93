#pragma once

#include <QEvent>

#include <cstdint>

// MIDI input as the library posts it to the main frame: the message number (WM_MIDIIN_SHORT or
// WM_MIDIIN_SYSEX) and its wParam. Posted from the library's input thread, handled on the GUI
// thread.
class CEdMidiInEvent : public QEvent
{
public:
    static QEvent::Type EventType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    CEdMidiInEvent(std::uint32_t message, std::uintptr_t wParam)
        : QEvent(EventType()), m_message(message), m_wParam(wParam)
    {
    }

    std::uint32_t Message() const { return m_message; }
    std::uintptr_t WParam() const { return m_wParam; }

private:
    std::uint32_t m_message;
    std::uintptr_t m_wParam;
};
