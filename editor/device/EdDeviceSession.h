#pragma once

#include "EdSysExMessage.h"

#include <QString>

#include <cstdint>

struct tagTESSARINETARGET;

// What the session asks of the main frame: the dialogs it shows and where MIDI input goes.
class IEdDeviceSessionHost
{
public:
    virtual ~IEdDeviceSessionHost() = default;
    virtual void ShowConnectDialog() = 0;
    virtual void StartSynchronisation() = 0;
    virtual const tagTESSARINETARGET* GetInputTarget() const = 0;
};

// The connection to the instrument: finding and opening its port pair through the MIDI library,
// the connected / ready / demo flags, and the one path by which SysEx is sent. GUI thread only.
class CEdDeviceSession : public IEdSysExSender
{
public:
    static inline const QString kPortName = QStringLiteral("ZELVO USB MIDI");
    static inline const QString kFallbackPortName = QStringLiteral("USB-MIDI");

    explicit CEdDeviceSession(IEdDeviceSessionHost& host);

    // While the main window is created: library context, then the ports.
    void Start();
    // At exit: the exit message, then the library is finalised and destroyed, when connected.
    void Shutdown();

    bool FindDevicePorts();
    bool FindPortsByName(const QString& name);
    // Opens the first working port pair, trying the second instrument's ports when a port of
    // the first is busy.
    bool OpenDevicePorts();
    bool ConnectIfPresent();
    // Demo, or connected and ready after trying to get there (dialogs included).
    bool EnsureDeviceReady();

    // Nothing is sent in demo mode. A failed send that asks for it drops the connection and
    // shows the connect dialog. True when the message reached the port (or demo mode).
    bool SendSysEx(const std::uint8_t* data, int length, bool reconnectOnError) override;
    bool SendReconnectRequest();
    bool SendExitRequest();
    bool SendSyncRequest();

    void EnterDemoMode() { m_demoMode = true; }

    bool IsConnected() const { return m_connected; }
    void SetConnected(bool connected) { m_connected = connected; }
    bool IsDeviceReady() const { return m_deviceReady; }
    void SetDeviceReady(bool ready) { m_deviceReady = ready; }
    bool IsVersionReceived() const { return m_versionReceived; }
    void SetVersionReceived(bool received) { m_versionReceived = received; }
    bool IsDemoMode() const { return m_demoMode; }

private:
    // tsrInitialize with the retry table over the two pairs; true on success.
    bool InitializeWithRetries(int inCount, int in1, int in2, int outCount, int out1, int out2);

    IEdDeviceSessionHost& m_host;
    bool m_connected = false;
    bool m_deviceReady = false;
    bool m_versionReceived = false;
    bool m_demoMode = false;
};
