#include "TovinApp.h"

#include "EdDocument.h"
#include "EdInitDlg.h"
#include "EdMainFrame.h"
#include "EdMessageBox.h"
#include "EdScreenshot.h"
#include "EdSkinResources.h"
#include "Qjx1VirtualInstrument.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

CEdApp::CEdApp(int& argc, char** argv) : QApplication(argc, argv) {}

CTovinApp::CTovinApp(int& argc, char** argv) : CEdApp(argc, argv)
{
    setApplicationName(QStringLiteral("Tovin"));
    setApplicationDisplayName(CEdMainFrame::kTitle);
    setApplicationVersion(QStringLiteral(TOVIN_VERSION));
    ParseArguments();
}

CTovinApp::~CTovinApp() = default;

void CTovinApp::ParseArguments()
{
    const QStringList args = arguments();
    m_simulate = qEnvironmentVariable("TOVIN_SIMULATE") == QLatin1String("1");
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--simulate"))
            m_simulate = true;
        else if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size())
            m_screenshotPath = args[++i];
    }
}

bool CTovinApp::InitInstance()
{
    // One editor per user: a second start ends silently.
    const QString lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_instanceLock = std::make_unique<QLockFile>(
        QDir(lockFolder.isEmpty() ? QDir::tempPath() : lockFolder).filePath(QFileInfo(applicationFilePath()).baseName() + QStringLiteral(".lock")));
    m_instanceLock->setStaleLockTime(0);
    if (!m_instanceLock->tryLock(0))
        return false;

    EdInitSkinResources();
    EdSetMessageBoxFunction([](const QString& text) {
        QMessageBox::information(QApplication::activeWindow(), CEdMainFrame::kTitle, text);
    });

    if (m_simulate) {
        tsrSetPortLayer(TESSARINE_PORTS_VIRTUAL);
        m_simulatedInstrument = std::make_unique<Qjx1VirtualInstrument>();
    }

    m_document = std::make_unique<CEdDocument>();
    m_frame = std::make_unique<CMainFrame>(*m_document);
    if (!m_screenshotPath.isEmpty()) {
        QObject::connect(m_frame.get(), &CEdMainFrame::SynchronisationResultShown, m_frame.get(),
                         [this](QDialog* dialog) { SaveScreenshot(dialog); });
        // Without an instrument the connect dialog is what the user sees.
        QObject::connect(m_frame.get(), &CEdMainFrame::ConnectDialogShown, m_frame.get(), [this](QDialog* dialog) {
            SaveScreenshot(dialog);
            dialog->reject();
        });
        // Whatever happens, a screenshot run ends.
        QTimer::singleShot(30000, this, [this] {
            SaveScreenshot(nullptr);
            exit(1);
        });
    }
    m_frame->RestoreWindowPlacement();
    m_frame->LoadUpdateSetting();
    m_frame->show();

    // After the window is up: synchronise, or ask for the instrument.
    QTimer::singleShot(0, m_frame.get(), [this] {
        if (m_frame->IsConnected())
            m_frame->StartSynchronisation();
        else
            m_frame->ShowConnectDialog();
        // A screenshot run does what a user does after "Failed": tries again, a few times.
        for (int retry = 0; retry < 2 && !m_screenshotPath.isEmpty() && !m_synchronised && m_frame->IsConnected();
             ++retry) {
            m_screenshotSaved = false;
            m_frame->StartSynchronisation();
        }
        // A screenshot run tells by its exit code whether the editor synchronised.
        if (!m_screenshotPath.isEmpty())
            exit(m_synchronised ? 0 : 2);
    });
    return true;
}

void CTovinApp::SaveScreenshot(QDialog* dialog)
{
    if (m_screenshotSaved || !m_frame)
        return;
    m_screenshotSaved = true;
    if (const auto* sync = qobject_cast<CEdInitDlg*>(dialog)) {
        m_synchronised = sync->Progress().GetStatus() == CEdSyncProgress::Status::Complete;
        std::printf("synchronisation: %s\n", qPrintable(sync->GetStatusText()));
    }
    if (EdGrabWindowWithDialog(m_frame.get(), dialog).save(m_screenshotPath))
        std::printf("screenshot: %s\n", qPrintable(QFileInfo(m_screenshotPath).absoluteFilePath()));
    else
        std::fprintf(stderr, "cannot write the screenshot %s\n", qPrintable(m_screenshotPath));
    std::fflush(stdout);
}

int CTovinApp::ExitInstance()
{
    m_frame.reset();
    m_document.reset();
    m_simulatedInstrument.reset();
    if (m_instanceLock)
        m_instanceLock->unlock();
    return 0;
}
