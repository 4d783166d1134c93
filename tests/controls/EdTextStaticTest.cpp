#include "EdTextStatic.h"
#include "EdUiFont.h"
#include "ImageCompare.h"

#include <QFontMetricsF>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage Render(CEdTextStatic& caption)
{
    QImage image = TransparentCanvas(caption.size());
    QPainter painter(&image);
    caption.Draw(painter);
    return image;
}

// Columns and rows that received ink.
QRect InkedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                area |= QRect(x, y, 1, 1);
    return area;
}

TEST(TextStatic, Defaults)
{
    CEdTextStatic caption;
    EXPECT_EQ(caption.GetFontSize(), 9.0f);
    EXPECT_EQ(caption.GetTextColor(), 0xFF000000u);
}

TEST(TextStatic, CaptionSizedByCalcTextRectShowsItsWholeTextWithRoomToSpare)
{
    CEdTextStatic caption;
    caption.setText("Pedal CC#");
    caption.SetFontSize(13);
    caption.SetTextColor(0xFF336699);
    const QRect needed = caption.CalcTextRect();
    EXPECT_EQ(needed.topLeft(), QPoint(0, 0));

    const QFontMetricsF metrics(EdUiFontPoints(13));
    const qreal textWidth = metrics.horizontalAdvance("Pedal CC#");
    const qreal wide = metrics.horizontalAdvance("WW");
    EXPECT_NEAR(needed.width(), textWidth + wide, 2.0);
    EXPECT_GE(needed.height(), metrics.height() - 1);

    caption.resize(needed.size());
    const QImage shot = Render(caption);
    const QRect ink = InkedArea(shot);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.left(), 2);
    EXPECT_LT(ink.right(), needed.width() - wide / 2) << "the text runs into the room of the two W";
    EXPECT_LT(ink.bottom(), needed.height());
    // Solid pixels of the glyphs carry the caption's colour.
    bool colourSeen = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            colourSeen |= shot.pixel(x, y) == 0xFF336699u;
    EXPECT_TRUE(colourSeen);
}

TEST(TextStatic, BiggerTypeNeedsABiggerRect)
{
    CEdTextStatic caption;
    caption.setText("Output Setting");
    const QRect small = caption.CalcTextRect();
    caption.SetFontSize(13);
    const QRect large = caption.CalcTextRect();
    EXPECT_GT(large.width(), small.width());
    EXPECT_GT(large.height(), small.height());
}

TEST(TextStatic, EmptyTextDrawsNothing)
{
    CEdTextStatic caption;
    caption.resize(50, 20);
    EXPECT_TRUE(IsFullyTransparent(Render(caption)));
}

} // namespace
