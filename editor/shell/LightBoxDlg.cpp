#include "LightBoxDlg.h"

#include "EdImg.h"

#include <QDialog>
#include <QPainter>

namespace {
constexpr unsigned kOverlayImage = 1099;

EdModalRunner& Runner()
{
    static EdModalRunner runner;
    return runner;
}
} // namespace

CLightBoxDlg::CLightBoxDlg(QWidget* frame) : QWidget(frame, Qt::Tool | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    if (frame)
        setGeometry(frame->frameGeometry());
}

void CLightBoxDlg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setOpacity(m_alpha / 255.0);
    CEdImg overlay;
    if (overlay.LoadFromResource(kOverlayImage))
        overlay.Draw(p, rect(), QRect(0, 0, overlay.GetWidth(), overlay.GetHeight()));
    else
        p.fillRect(rect(), Qt::black);
}

int EdRunModalOverLightBox(QWidget* frame, QDialog& dialog)
{
    CLightBoxDlg lightBox(frame);
    lightBox.show();
    // The dialog keeps its own size and sits in the middle of the window it dims.
    if (frame)
        dialog.move(frame->geometry().center() - dialog.rect().center());
    const int result = Runner() ? Runner()(dialog) : dialog.exec();
    lightBox.hide();
    return result;
}

EdModalRunner EdSetModalRunner(EdModalRunner runner)
{
    return std::exchange(Runner(), std::move(runner));
}
