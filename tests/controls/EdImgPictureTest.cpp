#include "3PMemDC.h"
#include "EdEditorStatic.h"
#include "EdImgPicture.h"
#include "EdImgPower.h"
#include "EdImgText.h"
#include "ImageCompare.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

template <typename Control>
QImage Render(Control& control)
{
    QImage image = TransparentCanvas(control.size());
    QPainter painter(&image);
    control.Draw(painter);
    return image;
}

QImage ImageOf(unsigned id)
{
    CEdImg image;
    EXPECT_TRUE(image.LoadFromResource(id));
    return image.GetImage();
}

TEST(ImgPicture, DrawsItsImageAtTheControlsSize)
{
    CEdImgPicture picture;
    ASSERT_TRUE(picture.LoadImage(1048));
    EXPECT_EQ(picture.GetImageRect(), QRect(0, 0, 75, 75));
    picture.resize(75, 75);
    EXPECT_TRUE(SameImage(Render(picture), ImageOf(1048)));
    // A 2 x 2 rule stretched over a wide control covers all of it.
    ASSERT_TRUE(picture.LoadImage(1027));
    picture.resize(300, 2);
    const QImage stretched = Render(picture);
    EXPECT_EQ(stretched.pixelColor(0, 0), stretched.pixelColor(299, 0));
    EXPECT_NE(stretched.pixelColor(299, 0).alpha(), 0);
}

TEST(ImgPicture, MissingImageDrawsNothing)
{
    CEdImgPicture picture;
    EXPECT_FALSE(picture.LoadImage(9999));
    EXPECT_TRUE(picture.GetImageRect().isEmpty());
    picture.resize(40, 20);
    EXPECT_TRUE(IsFullyTransparent(Render(picture)));
}

TEST(ImgPicture, ClicksOnlyWithNotification)
{
    QWidget window;
    window.resize(100, 100);
    auto* picture = new CEdImgPicture(&window);
    picture->LoadImage(1053);
    picture->setGeometry(10, 10, 51, 24);
    window.show();
    // Without notification the mouse goes to the window beneath.
    EXPECT_EQ(window.childAt(20, 20), nullptr);
    picture->SetNotify(true);
    EXPECT_EQ(window.childAt(20, 20), picture);
    QSignalSpy clicks(picture, &CEdImgPicture::clicked);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

class ImgTextFixture : public testing::Test
{
protected:
    ImgTextFixture()
    {
        text.LoadImage(1053);
        text.resize(51, 24);
        picture.LoadImage(1053);
        picture.resize(51, 24);
    }

    CEdImgText text;
    CEdImgPicture picture;
};

TEST_F(ImgTextFixture, EmptyTextShowsOnlyTheImage)
{
    EXPECT_TRUE(SameImage(Render(text), Render(picture)));
}

TEST_F(ImgTextFixture, TextIsLightAndStartsSixPixelsIn)
{
    text.setText("127");
    const QImage withText = Render(text);
    const QImage plain = Render(picture);
    ASSERT_FALSE(SameImage(withText, plain));
    int brightest = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 51; ++x) {
            if (withText.pixel(x, y) == plain.pixel(x, y))
                continue;
            EXPECT_GE(x, CEdImgText::kTextInset) << "ink at x " << x;
            brightest = std::max(brightest, qGray(withText.pixel(x, y)));
        }
    }
    EXPECT_GE(brightest, 0xC0);
}

TEST_F(ImgTextFixture, LongTextIsCutToTheControl)
{
    text.setText(QString(60, QChar('8')));
    const QImage sixty = Render(text);
    text.setText(QString(90, QChar('8')));
    // Both are cut at the same place, with the same ellipsis.
    EXPECT_TRUE(SameImage(sixty, Render(text)));
}

TEST(ImgPower, ShowsOneOfFiveFramesAndNothingOutsideThem)
{
    CEdImgPower power;
    ASSERT_TRUE(power.LoadImage(1009));
    EXPECT_EQ(power.GetFrameRect(), QRect(0, 0, 30, 30));
    power.resize(30, 30);
    const QImage strip = ImageOf(1009);
    for (int i = 0; i < 5; ++i) {
        power.SetFrame(i);
        EXPECT_TRUE(SameImage(Render(power), strip.copy(i * 30, 0, 30, 30))) << i;
    }
    for (int outside : {-1, 5, 100}) {
        power.SetFrame(outside);
        EXPECT_EQ(power.GetFrame(), outside);
        EXPECT_TRUE(IsFullyTransparent(Render(power))) << outside;
    }
}

// A window that draws a graph under its children, as the curve and offset windows do.
class GraphWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent* event) override
    {
        C3PMemDC dc(this, event->rect());
        dc->fillRect(QRect(0, 0, 60, 60), QColor(0x12, 0x34, 0x56));
    }
};

TEST(EditorStatic, ShowsTheWindowsDrawingAndPassesTheMouse)
{
    GraphWindow window;
    window.resize(100, 100);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xAB, 0xCD, 0xEF));
    window.setPalette(palette);
    auto* plot = new CEdEditorStatic(&window);
    plot->setGeometry(10, 10, 40, 40);
    window.show();
    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.pixelColor(30, 30), QColor(0x12, 0x34, 0x56));
    // The memory DC cleared the rest of the paint area to the window's background.
    EXPECT_EQ(shot.pixelColor(80, 80), QColor(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(window.childAt(30, 30), nullptr);
}

} // namespace
