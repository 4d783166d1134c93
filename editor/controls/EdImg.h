#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// A skin image from the program's resources (":/skin/<id>.png"), kept premultiplied so that
// drawing is a single blend.
class CEdImg
{
public:
    CEdImg() = default;
    CEdImg(const CEdImg&) = default;
    CEdImg& operator=(const CEdImg&) = default;
    virtual ~CEdImg() = default;

    //! Replaces the image with resource id; on failure the image is left empty.
    virtual bool LoadFromResource(unsigned id);

    bool IsNull() const { return m_image.isNull(); }
    int GetWidth() const { return m_image.width(); }
    int GetHeight() const { return m_image.height(); }
    const QImage& GetImage() const { return m_image; }
    void Destroy() { m_image = QImage(); }

    //! Draws the part src of the image into dest, blended with its alpha.
    void Draw(QPainter& painter, const QRect& dest, const QRect& src) const;

    static QString ResourcePath(unsigned id);

private:
    QImage m_image;
};
