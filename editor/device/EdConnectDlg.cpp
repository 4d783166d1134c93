#include "EdConnectDlg.h"

#include "3PMemDC.h"
#include "EdDialogHosts.h"
#include "EdImg.h"
#include "EdImgButton.h"
#include "EdUiFont.h"

#include <QMouseEvent>

namespace {
constexpr unsigned kBackground = 1097;
constexpr unsigned kSyncImage = 1057;
constexpr unsigned kDemoImage = 1062;
} // namespace

CEdConnectDlg::CEdConnectDlg(IEdConnectHost& host, QWidget* parent)
    : QDialog(parent), m_host(host), m_texts(DefaultTexts()), m_sync(new CEdImgButton(this)),
      m_demo(new CEdImgButton(this))
{
    setWindowTitle(QStringLiteral("QJX Editor"));
    setFixedSize(kWidth, kHeight);
    m_background.LoadFromResource(kBackground);
    m_sync->LoadImages(kSyncImage, 3);
    m_demo->LoadImages(kDemoImage, 3);
    m_sync->setObjectName(QStringLiteral("SyncButton"));
    m_demo->setObjectName(QStringLiteral("DemoButton"));
    m_sync->resize(m_sync->sizeHint());
    m_demo->resize(m_demo->sizeHint());
    connect(m_sync, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(m_demo, &QAbstractButton::clicked, this, &CEdConnectDlg::OnDemo);
    PlaceButtons();
}

QStringList CEdConnectDlg::DefaultTexts()
{
    return {QStringLiteral("NOT CONNECTED"),
            QStringLiteral("Your QJX1 is not connected."),
            QStringLiteral("Please connect your QJX1 to your computer,"),
            QStringLiteral("then click the Sync button to start synchronizing."),
            QStringLiteral("Click the Demo button to use the editor without"),
            QStringLiteral("connecting the QJX1."),
            QStringLiteral("Any settings made in demo mode will not be saved.")};
}

void CEdConnectDlg::SetTexts(const QStringList& texts)
{
    m_texts = texts;
    while (m_texts.size() < 7)
        m_texts.append(QString());
    update();
}

void CEdConnectDlg::OnDemo()
{
    m_host.EnterDemoMode();
    if (QWidget* frame = parentWidget() ? parentWidget()->window() : nullptr) {
        frame->setWindowTitle(QStringLiteral("[DEMO] QJX Editor"));
        frame->update();
    }
    accept();
}

void CEdConnectDlg::PlaceButtons()
{
    const QRect client = rect();
    m_sync->move(client.right() + 1 - m_sync->width(), client.bottom() + 1 - m_sync->height());
    m_demo->move(m_sync->x() + m_sync->width() - m_demo->width(), m_sync->y() - m_demo->height());
}

void CEdConnectDlg::paintEvent(QPaintEvent* event)
{
    C3PMemDC dc(this, event->rect());
    QPainter& p = dc.Painter();
    if (!m_background.IsNull())
        m_background.Draw(p, rect(), QRect(0, 0, m_background.GetWidth(), m_background.GetHeight()));
    const int w = width();
    p.setFont(EdUiFontPixels(14));
    p.setPen(QColor::fromRgba(0xFFBBBBBB));
    p.drawText(QRect(120, 0, w - 120, 30), Qt::AlignLeft | Qt::AlignVCenter, m_texts.value(0));
    p.setFont(EdUiFontPixels(12));
    p.setPen(Qt::black);
    for (int line = 1; line < 7; ++line)
        p.drawText(QRect(10, 40 + 20 * (line - 1), w - 20, 20), Qt::AlignLeft | Qt::AlignTop, m_texts.value(line));
    PlaceButtons();
}

void CEdConnectDlg::mousePressEvent(QMouseEvent* event)
{
    // A click on the dialog's own surface (not on a button) cancels it.
    if (event->button() == Qt::LeftButton) {
        reject();
        return;
    }
    QDialog::mousePressEvent(event);
}
