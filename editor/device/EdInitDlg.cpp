#include "EdInitDlg.h"

#include "3PMemDC.h"
#include "EdDialogHosts.h"
#include "EdImg.h"
#include "EdUiFont.h"

#include <QPaintEvent>
#include <QTimerEvent>

namespace {
constexpr unsigned kBackground = 1098;
int g_tickInterval = CEdSyncProgress::kTickMs;
} // namespace

CEdInitDlg::CEdInitDlg(IEdSyncHost& host, QWidget* parent) : QDialog(parent), m_host(host), m_texts(DefaultTexts())
{
    setWindowTitle(QStringLiteral("QJX Editor"));
    setFixedSize(kWidth, kHeight);
    m_background.LoadFromResource(kBackground);
}

QStringList CEdInitDlg::DefaultTexts()
{
    return {QStringLiteral("Receiving data from QJX1..."), QStringLiteral("Complete"), QStringLiteral("Failed"),
            QStringLiteral("Please do not disconnect the USB cable.")};
}

void CEdInitDlg::SetTexts(const QStringList& texts)
{
    m_texts = texts;
    while (m_texts.size() < 4)
        m_texts.append(QString());
    update();
}

void CEdInitDlg::SetTickInterval(int milliseconds)
{
    g_tickInterval = milliseconds > 0 ? milliseconds : CEdSyncProgress::kTickMs;
}

QString CEdInitDlg::GetStatusText() const
{
    switch (m_progress.GetStatus()) {
    case CEdSyncProgress::Status::Complete: return m_texts.value(1);
    case CEdSyncProgress::Status::Failed: return m_texts.value(2);
    case CEdSyncProgress::Status::Receiving: break;
    }
    return m_texts.value(0);
}

void CEdInitDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    m_timer.stop();
    m_progress.Start();
    m_host.SendSyncRequest();
    m_timer.start(g_tickInterval, this);
}

void CEdInitDlg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        Tick();
    else
        QDialog::timerEvent(event);
}

void CEdInitDlg::Tick()
{
    const auto result = m_progress.Tick(m_host.GetSyncState(), m_host.IsDeviceReady());
    if (result.resetSyncState)
        m_host.ResetSyncState();
    if (result.repaint)
        update();
    if (result.repaint && !m_resultSignalled) {
        m_resultSignalled = true;
        emit ResultShown();
    }
    if (result.endDialog) {
        m_timer.stop();
        accept();
    }
}

void CEdInitDlg::done(int result)
{
    m_timer.stop();
    QDialog::done(result);
}

void CEdInitDlg::paintEvent(QPaintEvent* event)
{
    C3PMemDC dc(this, event->rect());
    QPainter& p = dc.Painter();
    if (!m_background.IsNull())
        m_background.Draw(p, rect(), QRect(0, 0, m_background.GetWidth(), m_background.GetHeight()));
    const int w = width();
    p.setPen(Qt::white);
    p.setFont(EdUiFontPixels(15));
    p.drawText(QRect(10, 10, w, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QJX Editor"));
    p.setFont(EdUiFontPixels(12));
    p.drawText(QRect(20, 34, w - 30, 24), Qt::AlignRight | Qt::AlignVCenter, GetStatusText());
    p.setFont(EdUiFontPixels(10));
    p.drawText(QRect(0, 154, w - 10, 24), Qt::AlignRight | Qt::AlignVCenter, m_texts.value(3));
}
