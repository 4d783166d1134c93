#pragma once

#include <QColor>
#include <QWidget>

// A caption in the editor's font, at a chosen size and colour, drawn at the top left.
class CEdTextStatic : public QWidget
{
    Q_OBJECT

public:
    static constexpr float kDefaultFontSize = 9.0f;
    static constexpr QRgb kDefaultTextColor = 0xFF000000;

    explicit CEdTextStatic(QWidget* parent = nullptr);

    virtual void Draw(QPainter& painter);
    //! Size in points; the caller repaints.
    virtual void SetFontSize(float points) { m_fontSize = points; }
    //! ARGB; the caller repaints.
    virtual void SetTextColor(QRgb argb) { m_textColor = argb; }
    //! (0, 0, w, h) that holds the text followed by "WW" on one line, for sizing the caption.
    virtual QRect CalcTextRect() const;

    float GetFontSize() const { return m_fontSize; }
    QRgb GetTextColor() const { return m_textColor; }
    void setText(const QString& text);
    QString text() const { return m_text; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_text;
    float m_fontSize = kDefaultFontSize;
    QRgb m_textColor = kDefaultTextColor;
};
