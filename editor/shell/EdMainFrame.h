#pragma once

#include "EdDeviceSession.h"
#include "EdDialogHosts.h"
#include "EdProtocolEvents.h"
#include "EdSysExDecoder.h"
#include "EdTextTable.h"

#include <Tessarine.h>

#include <QMainWindow>

#include <array>
#include <functional>

class CEdDocument;
class CEdUserMemory;
class QDialog;

// The editor's main window and hub: it owns the connection to the instrument, the
// synchronisation, the text table and the current screen and user memory, and every window
// reaches the instrument through its operations.
class CEdMainFrame : public QMainWindow,
                     public IEdDeviceSessionHost,
                     public IEdProtocolEvents,
                     public IEdSyncHost,
                     public IEdConnectHost,
                     public IEdSysExSender
{
    Q_OBJECT

public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    static inline const QString kTitle = QStringLiteral("QJX Editor");
    static inline const QString kDemoTitle = QStringLiteral("[DEMO] QJX Editor");

    enum Screen { TouchCurveSelect = 0, Offset = 1, MidiSetting = 2, TouchCurveEdit = 3 };

    // Loads the text table, starts the MIDI library, opens the instrument's ports and creates
    // the document's user memories. The document outlives the frame.
    explicit CEdMainFrame(CEdDocument& document, QWidget* parent = nullptr);
    ~CEdMainFrame() override;

    virtual void RestoreWindowPlacement();
    virtual bool LoadUpdateSetting();
    virtual bool LoadTextTable();
    virtual void ShowScreen(int screen);
    virtual void SelectUserMemory(int memory, bool fromDevice);
    virtual bool EnsureDeviceReady();
    virtual bool ConnectIfPresent();
    virtual bool FindDevicePorts();
    virtual bool FindPortsByName(const QString& name);
    virtual bool OpenDevicePorts();
    void ShowConnectDialog() override;
    void StartSynchronisation() override;
    virtual void RunInitDialog();
    virtual bool SendReconnectRequest();
    bool SendSyncRequest() override;
    bool SendSysEx(const std::uint8_t* bytes, int length, bool reconnectOnError) override;
    virtual bool SendExitRequest();

    int GetScreen() const { return m_screen; }
    int GetUserMemory() const { return m_userMemory; }
    CEdUserMemory* GetCurrentUserMemory() const { return m_currentUserMemory; }
    bool GetCheckUpdate() const { return m_checkUpdate; }
    void SetCheckUpdate(bool check) { m_checkUpdate = check; }
    bool IsConnected() const { return m_session.IsConnected(); }
    bool IsDeviceReady() const override { return m_session.IsDeviceReady(); }
    void SetDeviceReady(bool ready) { m_session.SetDeviceReady(ready); }
    int GetSyncState() const override { return m_decoder.GetSyncState(); }
    void ResetSyncState() override { m_decoder.ResetSyncState(); }
    bool IsFirmwareUpdateDone() const { return m_firmwareUpdateDone; }
    void SetFirmwareUpdateDone(bool done) { m_firmwareUpdateDone = done; }
    bool IsFirmwareUpdateAvailable() const { return m_firmwareUpdateAvailable; }
    bool IsVersionReceived() const { return m_session.IsVersionReceived(); }
    QString GetFirmwareVersion() const { return m_lastConfirmedFirmwareVersion; }
    QString GetCheckSum() const { return m_checkSum; }
    void SetAutoPowerOff(int index) { m_autoPowerOff = index; }
    int GetAutoPowerOff() const { return m_autoPowerOff; }
    bool IsDemoMode() const { return m_session.IsDemoMode(); }
    void EnterDemoMode() override;
    virtual void DeleteDemoFolder();

    const CEdTextTable& TextTable() const { return m_textTable; }
    bool IsTextTableLoaded() const { return m_textTableLoaded; }

    // Where notes go on each screen (the curve editor learns, the offset window selects keys).
    using NoteReceiver = std::function<void(std::uint32_t packed)>;
    void SetNoteReceiver(int screen, NoteReceiver receiver);

    const tagTESSARINETARGET* GetInputTarget() const override { return &m_inputTarget; }

signals:
    // The synchronisation dialog has just shown its result.
    void SynchronisationResultShown(QDialog* dialog);
    // The connect dialog is open and waits for the user.
    void ConnectDialogShown(QDialog* dialog);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // Reports of the protocol decoder.
    void OnUserMemorySelected(int memory) override;
    void OnFirmwareVersion(const QString& version) override;
    void OnCheckSum(const QString& checkSum) override;
    void OnAutoPowerOff(int index) override;
    void OnDumpStart() override {}
    void OnDumpStartedByInstrument() override;
    void OnDumpCurveStored(int memory) override;
    void OnDumpMemoryStored(int) override {}
    void OnDumpEnd() override {}
    void OnFirmwareUpdateNotified() override { m_firmwareUpdateDone = true; }

private:
    static int PostMidiIn(void* frame, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void OnMidiInSysEx(std::uintptr_t wParam);
    void OnMidiInShort(std::uint32_t packed);
    void GiveBackSysExBuffer();
    // The footer's memory selection: makes the memory current and tells the instrument.
    void DriveMemorySelection(int memory, bool fromDevice);
    void SaveOnExit();

    CEdDocument& m_document;
    CEdTextTable m_textTable;
    bool m_textTableLoaded = false;
    tagTESSARINETARGET m_inputTarget{};
    CEdDeviceSession m_session;
    CEdSysExDecoder m_decoder;
    bool m_sysExBufferHeld = false;

    CEdUserMemory* m_currentUserMemory = nullptr;
    int m_screen = TouchCurveSelect;
    int m_userMemory = 0;
    bool m_firmwareUpdateDone = false;
    bool m_firmwareUpdateAvailable = false;
    bool m_checkUpdate = true;
    QString m_lastConfirmedFirmwareVersion;
    QString m_checkSum;
    QString m_reportedFirmwareVersion;
    int m_autoPowerOff = 0;
    std::array<NoteReceiver, 4> m_noteReceivers;
    bool m_shutDown = false;
};

// The class the program creates: a fixed-size window without menu or maximise button.
class CMainFrame : public CEdMainFrame
{
    Q_OBJECT

public:
    explicit CMainFrame(CEdDocument& document, QWidget* parent = nullptr);
};
