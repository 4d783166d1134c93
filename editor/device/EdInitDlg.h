#pragma once

#include "EdImg.h"

#include "EdSyncProgress.h"

#include <QBasicTimer>
#include <QDialog>
#include <QStringList>

class IEdSyncHost;

// "Receiving data from QJX1...": sends the request, then once a second compares the dump's
// progress with its deadline and shows "Complete" or "Failed" before closing itself.
class CEdInitDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kWidth = 326;
    static constexpr int kHeight = 189;
    static constexpr int kTimerId = 1027;

    CEdInitDlg(IEdSyncHost& host, QWidget* parent);

    // Receiving, complete, failed and notice texts.
    void SetTexts(const QStringList& texts);
    static QStringList DefaultTexts();
    QString GetStatusText() const;
    const CEdSyncProgress& Progress() const { return m_progress; }

    // One timer tick, as the timer delivers it; tests call it instead of waiting a second.
    void Tick();
    // The real interval between ticks; each tick still counts as one second. Tests shorten it.
    static void SetTickInterval(int milliseconds);

signals:
    // The result ("Complete" or "Failed") has just been shown.
    void ResultShown();

protected:
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;

private:
    IEdSyncHost& m_host;
    CEdImg m_background;
    QStringList m_texts;
    CEdSyncProgress m_progress;
    QBasicTimer m_timer;
    bool m_started = false;
    bool m_resultSignalled = false;
};
