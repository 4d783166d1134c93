#pragma once

#include <QApplication>
#include <QLockFile>
#include <QString>

#include <memory>

class CEdDocument;
class CMainFrame;
class Qjx1VirtualInstrument;
class QDialog;

// The application base: start-up and shutdown as overridable steps.
class CEdApp : public QApplication
{
public:
    CEdApp(int& argc, char** argv);
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }
};

// The editor program: one instance per user, one document and one main window for the run.
//   --simulate          use the simulated instrument on in-process ports (also TOVIN_SIMULATE=1)
//   --screenshot FILE   save the window with the synchronisation result, then quit (exit code 0
//                       only when the editor synchronised)
class CTovinApp : public CEdApp
{
public:
    CTovinApp(int& argc, char** argv);
    ~CTovinApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    void ParseArguments();
    void SaveScreenshot(QDialog* dialog);

    std::unique_ptr<QLockFile> m_instanceLock;
    std::unique_ptr<Qjx1VirtualInstrument> m_simulatedInstrument;
    std::unique_ptr<CEdDocument> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_simulate = false;
    QString m_screenshotPath;
    bool m_screenshotSaved = false;
    bool m_synchronised = false;
};
