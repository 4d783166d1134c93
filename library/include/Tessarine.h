#pragma once

// The exported interface of the Tessarine MIDI services library.
//
// Every exported function is called from one thread (the caller's GUI thread). MIDI input is
// delivered by the port layer on a thread of its own and reaches the caller only through the
// post function of its target record. No exception leaves the library: functions that can fail
// return 0 or one of the TESSARINEERR_ codes.

#include "TessarineExport.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

enum : std::int32_t
{
    TESSARINEERR_NO_ERROR = 0,
    TESSARINEERR_DS_CREATE_DS8 = 1,
    TESSARINEERR_DS_SET_CLEVEL = 2,
    TESSARINEERR_DS_INITIALIZED = 3,
    TESSARINEERR_DS_CREATE_SOUND_BUFF = 4,
    TESSARINEERR_DS_SET_FORMAT = 5,
    TESSARINEERR_DS_QUERY_INTERFACE = 6,
    TESSARINEERR_DS_OUT_OF_MEMORY = 7,
    TESSARINEERR_DS_NOTIFICATION_POS = 8,
    TESSARINEERR_DS_LOCK = 9,
    TESSARINEERR_DS_CREATE_THREAD = 10,
    TESSARINEERR_MIDI_OUT_OPEN = 11,
    TESSARINEERR_MIDI_OUT_CLOSE = 12,
    TESSARINEERR_MIDI_OUT_SHORTMSG = 13,
    TESSARINEERR_MIDI_OUT_LONGMSG = 14,
    TESSARINEERR_TIMER_CREATE_THREAD = 15,
    TESSARINEERR_TIMER_SET_EVENT = 16,
    TESSARINEERR_MIDI_IN_OPEN = 17,
    TESSARINEERR_MIDI_IN_CLOSE = 18,
    TESSARINEERR_MIDI_IN_PREPARE_HEADER = 19,
    TESSARINEERR_MIDI_IN_ADD_BUFFER = 20,
    TESSARINEERR_MIDI_IN_START = 21,
    TESSARINEERR_MIDI_IN_STOP = 22,
};
inline constexpr std::int32_t TESSARINEERR_COUNT = 23;
// Each name slot holds the name and its terminating zero.
inline constexpr std::size_t TESSARINEERR_NAME_SLOT = 64;

// Messages posted to the target: wParam is the packed short message (status in bits 0-7, data
// bytes in bits 8-15 and 16-23), or the address of the SysEx header; lParam is 0.
inline constexpr std::uint32_t WM_MIDIIN_SHORT = 0x4280;
inline constexpr std::uint32_t WM_MIDIIN_SYSEX = 0x4281;

// The one SysEx input buffer; longer messages are cut to this size.
inline constexpr std::uint32_t TESSARINE_SYSEX_BUFFER_SIZE = 1024;
// SysEx messages that arrive while the buffer is handed out wait in a queue of this length;
// beyond it they are dropped and counted (tsrMidiInGetDroppedSysExCount).
inline constexpr std::uint32_t TESSARINE_SYSEX_QUEUE_LENGTH = 256;

inline constexpr std::uint32_t TESSARINE_MHDR_DONE = 0x1;
inline constexpr std::uint32_t TESSARINE_MHDR_PREPARED = 0x2;
inline constexpr std::uint32_t TESSARINE_MHDR_INQUEUE = 0x4;

// The SysEx buffer handed to the target with WM_MIDIIN_SYSEX. It belongs to the library; the
// target reads lpData[0 .. dwBytesRecorded) until it calls tsrMidiInPrepareHeader.
struct tagTESSARINEMIDIHDR
{
    std::uint8_t* lpData;
    std::uint32_t dwBufferLength;
    std::uint32_t dwBytesRecorded;
    std::uint32_t dwFlags;
};

// Where MIDI input goes. pfnPost runs on the port layer's input thread: it must only queue the
// message for the caller's own thread (never call back into the library) and return non-zero
// when it did. A SysEx header whose post failed is taken back at once.
struct tagTESSARINETARGET
{
    int (*pfnPost)(void* pContext, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void* pContext;
};

class CTessarineOutputDeviceMgr;
class CTessarineMidiIn;
class CTessarineTimer;
class CTessarineSequencer;

// The library's one context, made by tsrCreate. The object pointers are owned by it.
struct tagTESSARINECONTEXT
{
    CTessarineOutputDeviceMgr* pOutputDeviceMgr;
    CTessarineMidiIn* pMidiIn;
    CTessarineTimer* pTimer;
    CTessarineSequencer* pSequencer;
    std::int32_t inputDeviceId;
    std::int32_t outputDeviceId;
    std::int32_t eventManagerSet;
};

// Carries an error code inside the library; every export catches it and returns the code.
class TESSARINE_API CTessarineException
{
public:
    explicit CTessarineException(std::int32_t code);
    virtual ~CTessarineException();
    CTessarineException(const CTessarineException&) = default;
    CTessarineException& operator=(const CTessarineException&) = default;

    std::int32_t GetCode() const { return m_code; }
    // "CTessarineException: <name>\n"
    const std::wstring& GetMessage() const { return *m_message; }

private:
    std::int32_t m_code;
    std::shared_ptr<const std::wstring> m_message; // shared by copies
};

// Port layers. TESSARINE_PORTS_SYSTEM takes the ALSA sequencer where it exists, else JACK, and
// the platform's own MIDI system elsewhere. Without tsrSetPortLayer the environment variable
// TESSARINE_PORTS (system, alsa, jack, virtual, none) decides, and system when it is unset.
enum : std::int32_t
{
    TESSARINE_PORTS_SYSTEM = 0,
    TESSARINE_PORTS_ALSA = 1,
    TESSARINE_PORTS_JACK = 2,
    TESSARINE_PORTS_VIRTUAL = 3,
    TESSARINE_PORTS_NONE = 4,
};

// Replaces the library's waiting (retry pauses and the pacing after long messages).
typedef void (*TessarineWaitFunction)(std::uint32_t milliseconds, void* pContext);

// The timer's clock: pfnNow returns steady milliseconds (wrapping); wMinimumPeriod is the
// shortest period the timer may run at (as a system's timer capabilities would say).
struct tagTESSARINETIMERSOURCE
{
    std::uint32_t (*pfnNow)(void* pContext);
    void* pContext;
    std::uint16_t wMinimumPeriod;
};

// The loader's user interface, installed by the caller (the library has none). Without a
// message box function the texts go to standard error; without a file chooser, opening without
// a path fails. The chooser writes a zero-terminated path into pPath and returns 1, or returns 0
// when the user cancelled.
typedef void (*TessarineMessageBoxFunction)(const wchar_t* pText, void* pContext);
typedef std::int32_t (*TessarineFileChooserFunction)(const wchar_t* pFilter, wchar_t* pPath,
                                                      std::size_t capacity, void* pContext);

class CTessarineEventManager;

extern "C" {

// Lifecycle
TESSARINE_API tagTESSARINECONTEXT* tsrCreate();
TESSARINE_API void tsrDestroy();
TESSARINE_API void tsrPreInitialize();
// pTarget may be null (nothing is posted); the record is copied.
TESSARINE_API std::int32_t tsrInitialize(const tagTESSARINETARGET* pTarget, std::int32_t inputDeviceId,
                                         std::int32_t outputDeviceId);
TESSARINE_API std::int32_t tsrFinalize();
TESSARINE_API std::int32_t tsrGetTimerThreadPriority();
TESSARINE_API void tsrSetTimerThreadPriority(std::int32_t priority);

// Enumeration. Names point into one static record per direction and stay valid until the next
// enumeration call of the same direction.
TESSARINE_API std::uint32_t tsrMidiOutGetNumDevs();
TESSARINE_API std::uint32_t tsrMidiInGetNumDevs();
TESSARINE_API const wchar_t* tsrMidiOutGetDevName(std::uint32_t deviceId);
TESSARINE_API const wchar_t* tsrMidiInGetDevName(std::uint32_t deviceId);
TESSARINE_API std::uint16_t tsrMidiOutGetDevManufacturerID(std::uint32_t deviceId);
TESSARINE_API std::uint16_t tsrMidiOutGetDevProductID(std::uint32_t deviceId);
TESSARINE_API std::uint32_t tsrMidiOutGetDevDriverVer(std::uint32_t deviceId);
TESSARINE_API std::uint32_t tsrMidiInGetDevDriverVer(std::uint32_t deviceId);
TESSARINE_API std::int32_t tsrMidiOutFindDev(const wchar_t* fragment);
TESSARINE_API std::int32_t tsrMidiInFindDev(const wchar_t* fragment);
// 0, 1 or 2 matches; writes only the out-arguments of the matches it found.
TESSARINE_API std::int32_t tsrMidiOutFindDevs(const wchar_t* fragment, std::int32_t* pFirst, std::int32_t* pSecond);
TESSARINE_API std::int32_t tsrMidiInFindDevs(const wchar_t* fragment, std::int32_t* pFirst, std::int32_t* pSecond);

// Output. Sends while no output is open return 0 and send nothing.
TESSARINE_API std::int32_t tsrMidiOutOpen(std::int32_t deviceId);
TESSARINE_API std::int32_t tsrMidiOutClose();
TESSARINE_API std::int32_t tsrMidiOutShortMsg(std::uint32_t message, std::int32_t hold);
// Returns about one millisecond per byte after the message was handed to the port.
TESSARINE_API std::int32_t tsrMidiOutLongMsg(const std::uint8_t* pData, std::uint32_t length);

// Input
TESSARINE_API std::int32_t tsrMidiInOpen(std::int32_t deviceId);
TESSARINE_API std::int32_t tsrMidiInClose();
// Gives the SysEx header back after a WM_MIDIIN_SYSEX; the next queued SysEx is posted at once.
TESSARINE_API std::int32_t tsrMidiInPrepareHeader();
TESSARINE_API std::intptr_t tsrMidiInEnablePostMessage(std::intptr_t value);
// SysEx messages lost to a full queue since the input object was made.
TESSARINE_API std::uint32_t tsrMidiInGetDroppedSysExCount();

// Sequencer and timer
// Takes effect for a timer started afterwards; null restores the steady clock and 1 ms.
TESSARINE_API void tsrSetTimerSource(const tagTESSARINETIMERSOURCE* pSource);
// The running timer's period in milliseconds (5, or the clock's minimum if that is larger).
TESSARINE_API std::uint16_t tsrGetTimerPeriod();
// The manager is lent, not owned; once this returns the timer thread no longer touches the one
// set before, so the caller may destroy it.
TESSARINE_API void tsrSeqSetEventManager(CTessarineEventManager* pManager);
TESSARINE_API CTessarineEventManager* tsrSeqGetEventManager();
// Continues from the manager's play positions and current tick.
TESSARINE_API void tsrSeqPlay();
// Once it returns no further event is played.
TESSARINE_API std::int32_t tsrSeqStop();
TESSARINE_API std::int32_t tsrSeqStopAllSound();
TESSARINE_API void tsrSeqSetTempo(std::int32_t tempo);
TESSARINE_API std::int32_t tsrSeqIsRunning();
// The output error that ended the last playback early, or 0 (playback stops at a failed send).
TESSARINE_API std::int32_t tsrSeqGetPlayError();

// Standard MIDI File loader
TESSARINE_API std::int32_t tsrSmfLoaderOpen(const wchar_t* pPath);
// The bytes are read during the call only.
TESSARINE_API std::int32_t tsrSmfLoaderOpenWithMem(const void* pData, std::size_t size);
TESSARINE_API void tsrSmfLoaderLoad(CTessarineEventManager* pManager);
TESSARINE_API void tsrSmfLoaderClose();
TESSARINE_API std::int32_t tsrSmfLoaderGetTrackNum();
// Null removes the function.
TESSARINE_API void tsrSetMessageBoxFunction(TessarineMessageBoxFunction pfnMessageBox, void* pContext);
TESSARINE_API void tsrSetFileChooserFunction(TessarineFileChooserFunction pfnChooser, void* pContext);

// Errors
// The code's name ("TESSARINEERR_MIDI_OUT_OPEN"), or an empty text for an unknown code.
TESSARINE_API const wchar_t* tsrGetErrorName(std::int32_t code);

// Port layer and waiting
// Chooses the port layer for the ports opened and enumerated from now on; ports already open stay
// on the layer they were opened with. Returns 1, or 0 for an unknown kind.
TESSARINE_API std::int32_t tsrSetPortLayer(std::int32_t kind);
TESSARINE_API std::int32_t tsrGetPortLayer();
// What the chosen layer runs on: "alsa", "jack", "winmm", "coremidi", "virtual" or "none".
TESSARINE_API const char* tsrGetPortLayerName();
// Null restores real waiting.
TESSARINE_API void tsrSetWaitFunction(TessarineWaitFunction pfnWait, void* pContext);

} // extern "C"
