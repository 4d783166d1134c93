#include "EdDocument.h"
#include "EdMainFrame.h"
#include "EdProfile.h"
#include "EdSkinResources.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Profile, PlacementTextRoundTrip)
{
    const QRect normal(100, 50, 640, 480);
    EXPECT_EQ(CEdProfile::FormatPlacement(normal, false), QStringLiteral("(44,0,1,-1,-1,-1,-1,100,50,740,530,)"));
    EXPECT_EQ(CEdProfile::ParsePlacement(QStringLiteral("(44,0,1,-1,-1,-1,-1,100,50,740,530,)")), normal);
    EXPECT_EQ(CEdProfile::ParsePlacement(QStringLiteral("(44,0,2,-1,-1,-1,-1,-7,3,800,900,)")),
              QRect(QPoint(-7, 3), QPoint(799, 899)));
    for (const char* broken : {"", "No Entry", "(44,0,1)", "(a,b,c,d,e,f,g,h,i,j,k,)", "44,0,1,-1,-1,-1,-1,1,2,3,4,"})
        EXPECT_FALSE(CEdProfile::ParsePlacement(QString::fromLatin1(broken)).has_value()) << broken;
}

// The frame with a profile of its own: placement and update setting as a user's first run leaves them.
class FrameProfile : public testing::Test
{
protected:
    void SetUp() override
    {
        EdInitSkinResources();
        ASSERT_TRUE(config.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        tsrSetPortLayer(TESSARINE_PORTS_NONE);
    }
    QTemporaryDir config;
};

TEST_F(FrameProfile, SavedPlacementKeepsItsCornerAtTheFixedSize)
{
    CEdProfile::WritePlacement(QRect(120, 80, 900, 700), false);
    CEdDocument document;
    CMainFrame frame(document);
    frame.RestoreWindowPlacement();
    EXPECT_EQ(frame.pos(), QPoint(120, 80));
    EXPECT_EQ(frame.size(), QSize(640, 480));
}

TEST_F(FrameProfile, CheckUpdateIsOffUntilTheUserTurnsItOnAndIsWrittenAtExit)
{
    {
        CEdDocument document;
        CMainFrame frame(document);
        EXPECT_EQ(CEdProfile::ReadCheckUpdate(), -1);
        EXPECT_FALSE(frame.LoadUpdateSetting());
    }
    EXPECT_EQ(CEdProfile::ReadCheckUpdate(), 0);
    {
        CEdDocument document;
        CMainFrame frame(document);
        frame.SetCheckUpdate(true);
    }
    EXPECT_EQ(CEdProfile::ReadCheckUpdate(), 1);
    CEdDocument document;
    CMainFrame frame(document);
    EXPECT_TRUE(frame.LoadUpdateSetting());
}

} // namespace
