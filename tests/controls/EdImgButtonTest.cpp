#include "EdImgButton.h"
#include "EdOutputButton.h"
#include "ImageCompare.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

// The real skin serves as fixture: 1017 has 4 frames, 1057 has 3, 1060 has 2, 1053 is a single
// picture, 1045 is a routing switch.

namespace {

QImage Render(CEdImgButton& button, QSize size)
{
    QImage image = TransparentCanvas(size);
    QPainter painter(&image);
    button.Draw(painter);
    return image;
}

QImage FrameOf(unsigned id, int frames, int index)
{
    CEdImg image;
    EXPECT_TRUE(image.LoadFromResource(id));
    const int w = image.GetWidth() / frames;
    return image.GetImage().copy(index * w, 0, w, image.GetHeight());
}

// Mouse moves go through the window, as the platform's do; a move to where the pointer already
// is would be dropped, so each hover uses another point of the button.
void Hover(CEdImgButton& button)
{
    static int step = 0;
    step = (step + 1) % 10;
    QTest::mouseMove(&button, QPoint(1 + step, 1 + step));
}

void LeaveTo(QWidget& window, CEdImgButton& button)
{
    QTest::mouseMove(&window, QPoint(button.geometry().right() + 20, button.geometry().bottom() + 20));
}

void ShowAndWait(QWidget& window)
{
    window.resize(300, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

struct FrameCase
{
    const char* name;
    unsigned id;
    int frames;
    bool active;
    bool setHighlight;
    bool hover;
    bool enabledLook;
    int expected;
};

void PrintTo(const FrameCase& c, std::ostream* os)
{
    *os << c.name;
}

class ButtonFrames : public testing::TestWithParam<FrameCase>
{
};

TEST_P(ButtonFrames, ShowsTheFrameOfItsState)
{
    const FrameCase& c = GetParam();
    QWidget window;
    auto* button = new CEdImgButton(&window);
    ASSERT_TRUE(button->LoadImages(c.id, c.frames));
    button->resize(button->GetFrameRect().size());
    ShowAndWait(window);
    button->SetActive(c.active);
    button->SetEnabledLook(c.enabledLook);
    if (c.setHighlight)
        button->SetHighlight(true);
    if (c.hover)
        Hover(*button);
    EXPECT_TRUE(SameImage(Render(*button, button->GetFrameRect().size()), FrameOf(c.id, c.frames, c.expected)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ImgButton, ButtonFrames, testing::Values(
    //        name                         id  frames active setHl  hover  enabled frame
    FrameCase{"four_normal",             1017, 4,     false, false, false, true,   0},
    FrameCase{"four_active",             1017, 4,     true,  false, false, true,   1},
    FrameCase{"four_highlighted",        1017, 4,     false, true,  false, true,   2},
    FrameCase{"four_hovered",            1017, 4,     false, false, true,  true,   2},
    FrameCase{"four_active_hovered",     1017, 4,     true,  false, true,  true,   1},
    FrameCase{"four_disabled",           1017, 4,     false, false, false, false,  3},
    FrameCase{"four_disabled_hovered",   1017, 4,     false, true,  true,  false,  3},
    FrameCase{"four_disabled_active",    1017, 4,     true,  false, false, false,  3},
    FrameCase{"three_hovered",           1057, 3,     false, false, true,  true,   2},
    FrameCase{"three_ignores_disabled",  1057, 3,     false, false, false, false,  0},
    FrameCase{"three_active",            1057, 3,     true,  false, false, false,  1},
    FrameCase{"two_ignores_highlight",   1060, 2,     false, true,  false, true,   0},
    FrameCase{"two_hovered_stays_normal",1060, 2,     false, false, true,  true,   0},
    FrameCase{"two_hovered_active",      1060, 2,     true,  false, true,  true,   1},
    FrameCase{"one_ignores_active",      1053, 1,     true,  true,  true,  false,  0}),
    [](const testing::TestParamInfo<FrameCase>& param) { return std::string(param.param.name); });
// clang-format on

TEST(ImgButton, SettersKeepOnlyStatesTheStripCanShow)
{
    struct Case
    {
        int frames;
        bool activeKept, highlightKept, enabledLookKept;
    };
    for (const Case& c : {Case{1, false, false, false}, Case{2, true, false, false}, Case{3, true, true, false},
                          Case{4, true, true, true}}) {
        CEdImgButton button;
        button.LoadImages(1017, c.frames);
        button.SetActive(true);
        button.SetHighlight(true);
        button.SetEnabledLook(false);
        EXPECT_EQ(button.IsActive(), c.activeKept) << c.frames;
        EXPECT_EQ(button.IsHighlighted(), c.highlightKept) << c.frames;
        EXPECT_EQ(button.IsEnabledLook(), !c.enabledLookKept) << c.frames;
    }
}

TEST(ImgButton, FrameRectIsOneFrameOfTheStrip)
{
    CEdImgButton button;
    button.LoadImages(1017, 4);
    EXPECT_EQ(button.GetFrameRect(), QRect(0, 0, 30, 30));
    EXPECT_EQ(button.sizeHint(), QSize(30, 30));
    button.LoadImages(1045, 3);
    EXPECT_EQ(button.GetFrameRect(), QRect(0, 0, 167, 25));
}

TEST(ImgButton, MissingImageDrawsNothingAndHasNoSize)
{
    CEdImgButton button;
    ASSERT_TRUE(button.LoadImages(1017, 4));
    EXPECT_FALSE(button.LoadImages(9999, 4));
    EXPECT_TRUE(button.GetFrameRect().isEmpty());
    EXPECT_TRUE(IsFullyTransparent(Render(button, QSize(30, 30))));
}

TEST(ImgButton, StateFromALargerStripNeverReachesPastASmallerOne)
{
    CEdImgButton button;
    button.LoadImages(1017, 4);
    button.SetEnabledLook(false);
    button.LoadImages(1053, 1);
    EXPECT_TRUE(SameImage(Render(button, QSize(51, 24)), FrameOf(1053, 1, 0)));
}

TEST(ImgButton, ZeroFramesCountsAsOne)
{
    CEdImgButton button;
    button.LoadImages(1053, 0);
    EXPECT_EQ(button.GetFrameRect(), QRect(0, 0, 51, 24));
}

TEST(ImgButton, HoverHighlightsUntilTheMouseLeaves)
{
    QWidget window;
    auto* button = new CEdImgButton(&window);
    button->LoadImages(1045, 3);
    button->resize(button->GetFrameRect().size());
    ShowAndWait(window);

    Hover(*button);
    EXPECT_TRUE(button->IsHighlighted());
    // A window may take the highlight away (a routing switch after a click); it comes back only
    // when the mouse has left and returned, not on the next move.
    button->SetHighlight(false);
    Hover(*button);
    EXPECT_FALSE(button->IsHighlighted());
    LeaveTo(window, *button);
    EXPECT_FALSE(button->IsHighlighted());
    Hover(*button);
    EXPECT_TRUE(button->IsHighlighted());
}

TEST(ImgButton, DoubleClickActsAsTwoClicks)
{
    QWidget window;
    auto* button = new CEdImgButton(&window);
    button->LoadImages(1017, 4);
    button->resize(30, 30);
    ShowAndWait(window);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    // Through the window, the platform's order: press, release, double click, release.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, button->geometry().center());
    EXPECT_EQ(clicks.count(), 2);
}

TEST(ImgButton, DisabledLookStillClicks)
{
    QWidget window;
    auto* button = new CEdImgButton(&window);
    button->LoadImages(1017, 4);
    button->resize(30, 30);
    button->SetEnabledLook(false);
    ShowAndWait(window);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(OutputButton, HighlightShowsOverEitherState)
{
    struct Case
    {
        bool active, highlighted;
        int expected;
    };
    for (const Case& c : {Case{false, false, 0}, Case{true, false, 1}, Case{false, true, 2}, Case{true, true, 2}}) {
        CEdOutputButton button;
        button.LoadImages(1045, 3);
        button.SetActive(c.active);
        button.SetHighlight(c.highlighted);
        EXPECT_TRUE(SameImage(Render(button, QSize(167, 25)), FrameOf(1045, 3, c.expected)))
            << c.active << c.highlighted;
    }
}

} // namespace
