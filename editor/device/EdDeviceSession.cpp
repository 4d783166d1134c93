#include "EdDeviceSession.h"

#include "EdDeviceMessages.h"

#include <Tessarine.h>

#include <string>

namespace {
std::wstring Wide(const QString& text)
{
    return text.toStdWString();
}

bool IsFailure(std::int32_t r)
{
    return r == TESSARINEERR_DS_CREATE_DS8;
}
} // namespace

CEdDeviceSession::CEdDeviceSession(IEdDeviceSessionHost& host) : m_host(host) {}

void CEdDeviceSession::Start()
{
    tsrCreate();
    tsrPreInitialize();
    OpenDevicePorts();
}

void CEdDeviceSession::Shutdown()
{
    if (!m_connected)
        return;
    SendExitRequest();
    tsrFinalize();
    tsrDestroy();
    m_connected = false;
}

bool CEdDeviceSession::FindDevicePorts()
{
    return FindPortsByName(kPortName) || FindPortsByName(kFallbackPortName);
}

bool CEdDeviceSession::FindPortsByName(const QString& name)
{
    const std::wstring fragment = Wide(name);
    std::int32_t first = -1, second = -1;
    if (tsrMidiOutFindDevs(fragment.c_str(), &first, &second) == 0)
        return false;
    return tsrMidiInFindDevs(fragment.c_str(), &first, &second) != 0;
}

bool CEdDeviceSession::OpenDevicePorts()
{
    QString name = kPortName;
    if (!FindPortsByName(name)) {
        const wchar_t* firstInput = tsrMidiInGetDevName(0);
        name = firstInput ? QString::fromWCharArray(firstInput) : QString();
        if (name.isEmpty() || !FindPortsByName(name))
            return false;
    }
    const std::wstring fragment = Wide(name);
    std::int32_t out1 = -1, out2 = -1, in1 = -1, in2 = -1;
    const int outCount = tsrMidiOutFindDevs(fragment.c_str(), &out1, &out2);
    if (outCount == 0) {
        m_connected = false;
        return false;
    }
    const int inCount = tsrMidiInFindDevs(fragment.c_str(), &in1, &in2);
    if (inCount == 0) {
        m_connected = false;
        return false;
    }
    if (!InitializeWithRetries(inCount, in1, in2, outCount, out1, out2)) {
        m_connected = false;
        return false;
    }
    tsrMidiInEnablePostMessage(1);
    m_connected = true;
    return true;
}

bool CEdDeviceSession::InitializeWithRetries(int inCount, int in1, int in2, int outCount, int out1, int out2)
{
    const tagTESSARINETARGET* target = m_host.GetInputTarget();
    const auto open = [target](int in, int out) { return tsrInitialize(target, in, out); };
    // One port of the first pair is busy: the same direction's second port with the other
    // first port, and if the other direction is then busy too, the whole second pair.
    const auto retry = [](std::int32_t busy, std::int32_t other, bool haveSecond, bool haveBoth, auto second,
                          auto both) {
        if (!haveSecond)
            return false;
        std::int32_t r = second();
        if (r == busy)
            return false;
        if (r == other) {
            if (!haveBoth)
                return false;
            r = both();
            return r != other && !IsFailure(r);
        }
        return !IsFailure(r);
    };

    const std::int32_t r = open(in1, out1);
    if (r == TESSARINEERR_MIDI_OUT_OPEN)
        return retry(TESSARINEERR_MIDI_OUT_OPEN, TESSARINEERR_MIDI_IN_OPEN, outCount == 2, inCount == 2,
                     [&] { return open(in1, out2); }, [&] { return open(in2, out2); });
    if (r == TESSARINEERR_MIDI_IN_OPEN)
        return retry(TESSARINEERR_MIDI_IN_OPEN, TESSARINEERR_MIDI_OUT_OPEN, inCount == 2, outCount == 2,
                     [&] { return open(in2, out1); }, [&] { return open(in2, out2); });
    return !IsFailure(r);
}

bool CEdDeviceSession::ConnectIfPresent()
{
    if (FindDevicePorts() && !m_connected)
        OpenDevicePorts();
    return m_connected;
}

bool CEdDeviceSession::EnsureDeviceReady()
{
    if (m_demoMode)
        return true;
    if (FindDevicePorts()) {
        bool reopened = false;
        if (!m_connected) {
            tsrFinalize();
            tsrPreInitialize();
            if (OpenDevicePorts())
                reopened = true;
            else
                m_host.ShowConnectDialog();
        }
        if (m_connected) {
            if (!m_deviceReady)
                m_host.StartSynchronisation();
            else if (reopened)
                SendReconnectRequest();
        }
    } else {
        m_connected = false;
        m_deviceReady = false;
        m_host.ShowConnectDialog();
    }
    return m_connected && m_deviceReady;
}

bool CEdDeviceSession::SendSysEx(const std::uint8_t* data, int length, bool reconnectOnError)
{
    if (m_demoMode)
        return true;
    if (!data || length <= 0)
        return false;
    if (tsrMidiOutLongMsg(data, static_cast<std::uint32_t>(length)) == TESSARINEERR_NO_ERROR)
        return true;
    if (reconnectOnError) {
        m_connected = false;
        m_deviceReady = false;
        m_host.ShowConnectDialog();
    }
    return false;
}

bool CEdDeviceSession::SendReconnectRequest()
{
    if (!m_connected)
        return false;
    const bool sent = Send(EdMakeReconnectRequestMessage());
    // The instrument's version report marks the connection as alive again.
    m_connected = false;
    m_versionReceived = false;
    return sent;
}

bool CEdDeviceSession::SendExitRequest()
{
    return m_connected && Send(EdMakeExitMessage());
}

bool CEdDeviceSession::SendSyncRequest()
{
    return Send(EdMakeSyncRequestMessage());
}
