#pragma once

#include <QWidget>

// Marks where a window draws a graph: it paints nothing, so the window's own drawing shows
// through unerased, and it lets the mouse through to the window.
class CEdEditorStatic : public QWidget
{
    Q_OBJECT

public:
    explicit CEdEditorStatic(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
