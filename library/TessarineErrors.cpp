#include "TessarineErrors.h"

namespace tessarine {

namespace {

const wchar_t g_errorNames[TESSARINEERR_COUNT][TESSARINEERR_NAME_SLOT] = {
    L"TESSARINEERR_NO_ERROR",
    L"TESSARINEERR_DS_CREATE_DS8",
    L"TESSARINEERR_DS_SET_CLEVEL",
    L"TESSARINEERR_DS_INITIALIZED",
    L"TESSARINEERR_DS_CREATE_SOUND_BUFF",
    L"TESSARINEERR_DS_SET_FORMAT",
    L"TESSARINEERR_DS_QUERY_INTERFACE",
    L"TESSARINEERR_DS_OUT_OF_MEMORY",
    L"TESSARINEERR_DS_NOTIFICATION_POS",
    L"TESSARINEERR_DS_LOCK",
    L"TESSARINEERR_DS_CREATE_THREAD",
    L"TESSARINEERR_MIDI_OUT_OPEN",
    L"TESSARINEERR_MIDI_OUT_CLOSE",
    L"TESSARINEERR_MIDI_OUT_SHORTMSG",
    L"TESSARINEERR_MIDI_OUT_LONGMSG",
    L"TESSARINEERR_TIMER_CREATE_THREAD",
    L"TESSARINEERR_TIMER_SET_EVENT",
    L"TESSARINEERR_MIDI_IN_OPEN",
    L"TESSARINEERR_MIDI_IN_CLOSE",
    L"TESSARINEERR_MIDI_IN_PREPARE_HEADER",
    L"TESSARINEERR_MIDI_IN_ADD_BUFFER",
    L"TESSARINEERR_MIDI_IN_START",
    L"TESSARINEERR_MIDI_IN_STOP",
};

} // namespace

const wchar_t* errorName(std::int32_t code)
{
    if (code < 0 || code >= TESSARINEERR_COUNT)
        return L"";
    return g_errorNames[code];
}

} // namespace tessarine

CTessarineException::CTessarineException(std::int32_t code)
    : m_code(code),
      m_message(std::make_shared<const std::wstring>(std::wstring(L"CTessarineException: ") +
                                                     tessarine::errorName(code) + L"\n"))
{
}

CTessarineException::~CTessarineException() = default;
