#include "EdDocument.h"

#include "EdCurveFiles.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

TEST(DocumentTest, FiveMemoriesWithDefaults)
{
    CEdDocument document;
    EXPECT_EQ(document.GetUserMemoryCount(), 0);
    EXPECT_EQ(document.GetUserMemoryAt(0), nullptr);

    document.CreateUserMemories();
    ASSERT_EQ(document.GetUserMemoryCount(), 5);
    EXPECT_EQ(document.GetUserMemoryAt(-1), nullptr);
    EXPECT_EQ(document.GetUserMemoryAt(5), nullptr);
    for (int m = 0; m < 5; ++m) {
        SCOPED_TRACE(m);
        CEdUserMemory* memory = document.GetUserMemoryAt(m);
        ASSERT_NE(memory, nullptr);
        const CEdTouchCurveData fresh;
        EXPECT_TRUE(memory->GetTouchCurve()->IsEqual(&fresh));
        EXPECT_TRUE(CEdOffsetData().IsEqual(memory->GetOffsetData()));
        EXPECT_EQ(memory->GetMidiSettingData()->Store(), CEdMidiSettingData().Store());
        // Each memory owns its own objects.
        if (m > 0) {
            EXPECT_NE(memory->GetTouchCurve(), document.GetUserMemoryAt(m - 1)->GetTouchCurve());
        }
    }
}

TEST(DocumentTest, ResetLoadsEachMemorysFactoryCurveAndDefaults)
{
    // The build writes the factory curves next to bin/, where the program looks for them.
    const QString folder = QStringLiteral(TOVIN_FACTORY_CURVE_DIR);
    EdSetFactoryCurveFolderOverride(folder);
    const QStringList files = EdListCurveFiles(folder);
    ASSERT_GE(files.size(), 7);

    CEdDocument document;
    document.CreateUserMemories();
    for (int m = 0; m < 5; ++m) {
        CEdUserMemory* memory = document.GetUserMemoryAt(m);
        memory->GetTouchCurve()->SetName(QStringLiteral("edited"));
        memory->GetOffsetData()->SetOffset(3, 9);
        memory->GetMidiSettingData()->SetChannel(4);
    }
    document.ResetUserMemories();

    const int factoryFile[5] = {0, 3, 4, 5, 6};
    for (int m = 0; m < 5; ++m) {
        SCOPED_TRACE(m);
        CEdTouchCurveData factory;
        EdLoadCurve(EdJoinPath(folder, files[factoryFile[m]]), factory);
        CEdUserMemory* memory = document.GetUserMemoryAt(m);
        EXPECT_TRUE(memory->GetTouchCurve()->IsEqual(&factory));
        EXPECT_EQ(memory->GetOffsetData()->GetOffset(3), 0);
        EXPECT_EQ(memory->GetMidiSettingData()->GetChannel(), 0);
    }
    EdSetFactoryCurveFolderOverride(QString());
}
