#pragma once

#include <QWidget>

#include <functional>

class QDialog;

// The dimmed overlay laid over the main window while a modal dialog runs.
class CLightBoxDlg : public QWidget
{
public:
    static constexpr int kAlpha = 100;

    explicit CLightBoxDlg(QWidget* frame);

    int GetAlpha() const { return m_alpha; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_alpha = kAlpha;
};

// Shows the overlay over `frame`, runs the dialog modally and removes the overlay again.
int EdRunModalOverLightBox(QWidget* frame, QDialog& dialog);

// Test seam: runs in place of QDialog::exec (it may call exec itself). Null restores exec.
using EdModalRunner = std::function<int(QDialog& dialog)>;
EdModalRunner EdSetModalRunner(EdModalRunner runner);
