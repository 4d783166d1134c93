#include "EdMainFrame.h"

#include "EdConnectDlg.h"
#include "EdCurveFiles.h"
#include "EdDeviceMessages.h"
#include "EdDocument.h"
#include "EdInitDlg.h"
#include "EdMidiInEvent.h"
#include "EdProfile.h"
#include "LightBoxDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <vector>

namespace {
// The connect dialog's and the synchronisation dialog's entries of the text table.
constexpr std::initializer_list<int> kConnectEntries = {4, 5, 6, 7, 8, 9, 10};
constexpr std::initializer_list<int> kSyncEntries = {0, 1, 2, 3};
} // namespace

CEdMainFrame::CEdMainFrame(CEdDocument& document, QWidget* parent)
    : QMainWindow(parent), m_document(document), m_session(*this), m_decoder(*this, &document)
{
    m_textTableLoaded = LoadTextTable();
    setWindowTitle(kTitle);
    setFixedSize(kWidth, kHeight);
    m_inputTarget = {&CEdMainFrame::PostMidiIn, this};

    m_session.Start();
    if (m_document.GetUserMemoryCount() == 0)
        m_document.CreateUserMemories();
    m_currentUserMemory = m_document.GetUserMemoryAt(m_userMemory);
    ShowScreen(TouchCurveSelect);
}

CEdMainFrame::~CEdMainFrame()
{
    SaveOnExit();
}

bool CEdMainFrame::LoadTextTable()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(CEdTextTable::kFileName));
    return m_textTable.Load(path);
}

void CEdMainFrame::RestoreWindowPlacement()
{
    if (const auto placement = CEdProfile::ReadPlacement()) {
        move(placement->topLeft());
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, kWidth, kHeight);
    move(area.width() / 2 - kWidth / 2, area.height() / 2 - kHeight / 2);
    update();
}

bool CEdMainFrame::LoadUpdateSetting()
{
    m_checkUpdate = CEdProfile::ReadCheckUpdate() == 1;
    return m_checkUpdate;
}

void CEdMainFrame::ShowScreen(int screen)
{
    if (screen < TouchCurveSelect || screen > TouchCurveEdit)
        return;
    m_screen = screen;
    m_currentUserMemory = m_document.GetUserMemoryAt(m_userMemory);
    update();
}

void CEdMainFrame::SelectUserMemory(int memory, bool)
{
    if (memory < 0 || memory >= m_document.GetUserMemoryCount())
        return;
    m_userMemory = memory;
    m_currentUserMemory = m_document.GetUserMemoryAt(memory);
    update();
}

void CEdMainFrame::DriveMemorySelection(int memory, bool fromDevice)
{
    if (!fromDevice && !EnsureDeviceReady())
        return;
    SelectUserMemory(memory, fromDevice);
    // The instrument hears the current memory back, also when the change came from it.
    Send(EdMakeUserMemorySelectMessage(m_userMemory));
}

bool CEdMainFrame::EnsureDeviceReady()
{
    return m_session.EnsureDeviceReady();
}

bool CEdMainFrame::ConnectIfPresent()
{
    return m_session.ConnectIfPresent();
}

bool CEdMainFrame::FindDevicePorts()
{
    return m_session.FindDevicePorts();
}

bool CEdMainFrame::FindPortsByName(const QString& name)
{
    return m_session.FindPortsByName(name);
}

bool CEdMainFrame::OpenDevicePorts()
{
    return m_session.OpenDevicePorts();
}

void CEdMainFrame::ShowConnectDialog()
{
    CEdConnectDlg dialog(*this, this);
    if (m_textTableLoaded)
        dialog.SetTexts(m_textTable.Texts(kConnectEntries, CEdConnectDlg::DefaultTexts()));
    QTimer::singleShot(0, &dialog, [this, &dialog] { emit ConnectDialogShown(&dialog); });
    if (EdRunModalOverLightBox(this, dialog) == QDialog::Accepted)
        EnsureDeviceReady();
}

void CEdMainFrame::StartSynchronisation()
{
    if (!IsConnected())
        return;
    ResetSyncState();
    RunInitDialog();
}

void CEdMainFrame::RunInitDialog()
{
    CEdInitDlg dialog(*this, this);
    if (m_textTableLoaded)
        dialog.SetTexts(m_textTable.Texts(kSyncEntries, CEdInitDlg::DefaultTexts()));
    connect(&dialog, &CEdInitDlg::ResultShown, this, [this, &dialog] { emit SynchronisationResultShown(&dialog); });
    EdRunModalOverLightBox(this, dialog);
}

bool CEdMainFrame::SendReconnectRequest()
{
    return m_session.SendReconnectRequest();
}

bool CEdMainFrame::SendSyncRequest()
{
    return m_session.SendSyncRequest();
}

bool CEdMainFrame::SendSysEx(const std::uint8_t* bytes, int length, bool reconnectOnError)
{
    return m_session.SendSysEx(bytes, length, reconnectOnError);
}

bool CEdMainFrame::SendExitRequest()
{
    return m_session.SendExitRequest();
}

void CEdMainFrame::EnterDemoMode()
{
    m_session.EnterDemoMode();
}

void CEdMainFrame::DeleteDemoFolder()
{
    const QString folder = EdGetDemoFolder();
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    // To the trash, so a demo curve the user still wanted can be brought back.
    if (!QFile::moveToTrash(folder))
        QDir(folder).removeRecursively();
}

void CEdMainFrame::SetNoteReceiver(int screen, NoteReceiver receiver)
{
    if (screen >= 0 && screen < static_cast<int>(m_noteReceivers.size()))
        m_noteReceivers[static_cast<std::size_t>(screen)] = std::move(receiver);
}

int CEdMainFrame::PostMidiIn(void* frame, std::uint32_t message, std::uintptr_t wParam, std::intptr_t)
{
    // Input thread: only queue the message for the GUI thread.
    QCoreApplication::postEvent(static_cast<CEdMainFrame*>(frame), new CEdMidiInEvent(message, wParam));
    return 1;
}

bool CEdMainFrame::event(QEvent* event)
{
    if (event->type() == CEdMidiInEvent::EventType()) {
        const auto* midi = static_cast<CEdMidiInEvent*>(event);
        if (m_shutDown)
            return true;
        if (midi->Message() == WM_MIDIIN_SYSEX)
            OnMidiInSysEx(midi->WParam());
        else if (midi->Message() == WM_MIDIIN_SHORT)
            OnMidiInShort(static_cast<std::uint32_t>(midi->WParam()));
        return true;
    }
    return QMainWindow::event(event);
}

void CEdMainFrame::OnMidiInSysEx(std::uintptr_t wParam)
{
    const auto* header = reinterpret_cast<const tagTESSARINEMIDIHDR*>(wParam);
    // Decode a copy: the buffer goes back to the library, possibly before decoding ends.
    const std::vector<std::uint8_t> bytes(header->lpData, header->lpData + header->dwBytesRecorded);
    m_sysExBufferHeld = true;
    m_decoder.Receive(bytes);
    GiveBackSysExBuffer();
}

void CEdMainFrame::GiveBackSysExBuffer()
{
    // Given back whenever it was handed out, connected or not: held back, it would stop all
    // further SysEx, the version report that reconnects included.
    if (!m_sysExBufferHeld)
        return;
    m_sysExBufferHeld = false;
    tsrMidiInPrepareHeader();
}

void CEdMainFrame::OnMidiInShort(std::uint32_t packed)
{
    // Note-on and note-off on any channel, for the screen that listens to notes.
    if ((packed & 0xE0) != 0x80)
        return;
    const auto& receiver = m_noteReceivers[static_cast<std::size_t>(m_screen)];
    if (receiver && (m_screen == TouchCurveEdit || m_screen == Offset))
        receiver(packed);
}

void CEdMainFrame::OnUserMemorySelected(int memory)
{
    if (m_screen == TouchCurveEdit)
        ShowScreen(TouchCurveSelect);
    DriveMemorySelection(memory, true);
}

void CEdMainFrame::OnFirmwareVersion(const QString& version)
{
    m_reportedFirmwareVersion = version;
    m_session.SetVersionReceived(true);
    m_session.SetConnected(true);
}

void CEdMainFrame::OnCheckSum(const QString& checkSum)
{
    m_checkSum = checkSum;
    if (!m_lastConfirmedFirmwareVersion.isEmpty() && m_lastConfirmedFirmwareVersion != m_reportedFirmwareVersion) {
        // Another firmware than before: what the editor holds is no longer known to match.
        SetDeviceReady(false);
        m_firmwareUpdateAvailable = false;
        if (QWidget* active = QApplication::activeWindow())
            active->update();
    }
    m_lastConfirmedFirmwareVersion = m_reportedFirmwareVersion;
}

void CEdMainFrame::OnAutoPowerOff(int index)
{
    m_autoPowerOff = index;
    SetDeviceReady(true);
    DriveMemorySelection(m_userMemory, true);
}

void CEdMainFrame::OnDumpStartedByInstrument()
{
    SetDeviceReady(false);
    if (m_screen == TouchCurveEdit)
        ShowScreen(TouchCurveSelect);
    // The new dump arrives while the dialog runs: the buffer must be back before it opens.
    GiveBackSysExBuffer();
    StartSynchronisation();
}

void CEdMainFrame::OnDumpCurveStored(int memory)
{
    // The dump passes through each memory in turn; its curve is now the one shown.
    m_userMemory = memory;
    m_currentUserMemory = m_document.GetUserMemoryAt(memory);
    update();
}

void CEdMainFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xEE, 0xEF, 0xF1));
}

void CEdMainFrame::closeEvent(QCloseEvent* event)
{
    SaveOnExit();
    QMainWindow::closeEvent(event);
}

void CEdMainFrame::SaveOnExit()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    CEdProfile::WritePlacement(normalGeometry().isValid() ? normalGeometry() : geometry(), isMinimized());
    CEdProfile::WriteCheckUpdate(m_checkUpdate);
    // No input may be posted to a window that is going away, connected or not.
    tsrMidiInEnablePostMessage(0);
    if (IsConnected()) {
        m_session.Shutdown();
    } else {
        // Ports may still be open after a failed send or a reconnect request: close them too.
        tsrFinalize();
        tsrDestroy();
    }
    if (IsDemoMode())
        DeleteDemoFolder();
}

CMainFrame::CMainFrame(CEdDocument& document, QWidget* parent) : CEdMainFrame(document, parent)
{
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint | Qt::WindowTitleHint) &
                   ~Qt::WindowMaximizeButtonHint);
}
