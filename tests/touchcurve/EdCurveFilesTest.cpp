#include "EdArchive.h"
#include "EdCurveFiles.h"
#include "EdTouchCurveData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every test runs on a temporary documents folder, never the machine's own.
class CurveFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(documents.isValid());
        EdSetDocumentsFolderOverride(documents.path());
    }
    void TearDown() override
    {
        EdSetDocumentsFolderOverride({});
        EdSetFactoryCurveFolderOverride({});
    }

    static void WriteCurve(const QString& path, const QString& name)
    {
        CEdTouchCurveData curve;
        curve.SetName(name);
        const auto bytes = curve.Store();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    static QString NameIn(const QString& path)
    {
        CEdTouchCurveData curve;
        EdLoadCurve(path, curve);
        return curve.GetName();
    }

    QTemporaryDir documents;
};

TEST_F(CurveFiles, FoldersAreCreatedUnderTheDocumentsFolder)
{
    const QString user = EdGetUserCurveFolder();
    EXPECT_EQ(user, documents.path() + QStringLiteral("/QJX Editor/Touch Curve"));
    EXPECT_TRUE(QDir(user).exists());
    EXPECT_EQ(EdGetDemoFolder(), documents.path() + QStringLiteral("/QJX Editor/Demo"));
    EXPECT_EQ(EdGetUpdateFolder(), documents.path() + QStringLiteral("/QJX Editor/Update"));
    EXPECT_TRUE(QDir(EdGetDemoFolder()).exists());
}

TEST_F(CurveFiles, NoPathWhenTheDocumentsFolderIsMissingOrUnusable)
{
    EdSetDocumentsFolderOverride(documents.path() + QStringLiteral("/missing"));
    EXPECT_TRUE(EdGetUserCurveFolder().isEmpty());

    // "QJX Editor" exists as a file, so the folder cannot be made.
    QFile blocker(documents.path() + QStringLiteral("/QJX Editor"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EdSetDocumentsFolderOverride(documents.path());
    EXPECT_TRUE(EdGetDemoFolder().isEmpty());
    EXPECT_THROW(EdCreateCurveFile(EdGetDemoFolder(), QStringLiteral("User_000.tcv")), CEdFileException);
}

TEST_F(CurveFiles, JoinPathAddsOneSeparator)
{
    EXPECT_EQ(EdJoinPath(QStringLiteral("/a/b"), QStringLiteral("c.tcv")), QStringLiteral("/a/b/c.tcv"));
    EXPECT_EQ(EdJoinPath(QStringLiteral("/a/b/"), QStringLiteral("c.tcv")), QStringLiteral("/a/b/c.tcv"));
}

TEST(CurveFileNumbers, NextNumberFromTheLastEntry)
{
    const struct
    {
        const char* last;
        int next;
    } cases[] = {{"User_004.tcv", 5}, {"07_Zelvo_expressive.tcv", 8}, {"User_000.tcv", 1},
                 {"Soft.tcv", 1},     {"", 1},                         {"User_999.tcv", 1000},
                 {"ss__UU12.tcv.tcv", 13}, {"User_99999999999999.tcv", 1000000000}};
    for (const auto& c : cases)
        EXPECT_EQ(EdNextFileNumber(QString::fromLatin1(c.last)), c.next) << c.last;
    EXPECT_EQ(EdUserFileName(5), QStringLiteral("User_005.tcv"));
    EXPECT_EQ(EdUserFileName(1234), QStringLiteral("User_1234.tcv"));
}

TEST_F(CurveFiles, RenumberingClosesGapsAndKeepsContents)
{
    const QString folder = EdGetUserCurveFolder();
    WriteCurve(EdJoinPath(folder, QStringLiteral("User_001.tcv")), QStringLiteral("First"));
    WriteCurve(EdJoinPath(folder, QStringLiteral("User_003.tcv")), QStringLiteral("Second"));

    const QStringList names = EdRenumberUserFolder(folder);
    EXPECT_EQ(names, (QStringList{QStringLiteral("User_000.tcv"), QStringLiteral("User_001.tcv")}));
    EXPECT_EQ(EdListCurveFiles(folder), names);
    EXPECT_EQ(NameIn(EdJoinPath(folder, names[0])), QStringLiteral("First"));
    EXPECT_EQ(NameIn(EdJoinPath(folder, names[1])), QStringLiteral("Second"));
}

TEST_F(CurveFiles, RenumberingAroundAFileThatHoldsATargetName)
{
    // A.tcv sorts before User_000.tcv: moving it straight to User_000.tcv would collide.
    const QString folder = EdGetUserCurveFolder();
    WriteCurve(EdJoinPath(folder, QStringLiteral("A.tcv")), QStringLiteral("A"));
    WriteCurve(EdJoinPath(folder, QStringLiteral("User_000.tcv")), QStringLiteral("Zero"));
    WriteCurve(EdJoinPath(folder, QStringLiteral("User_002.tcv")), QStringLiteral("Two"));

    const QStringList names = EdRenumberUserFolder(folder);
    ASSERT_EQ(names.size(), 3);
    EXPECT_EQ(EdListCurveFiles(folder), names);
    EXPECT_EQ(NameIn(EdJoinPath(folder, QStringLiteral("User_000.tcv"))), QStringLiteral("A"));
    EXPECT_EQ(NameIn(EdJoinPath(folder, QStringLiteral("User_001.tcv"))), QStringLiteral("Zero"));
    EXPECT_EQ(NameIn(EdJoinPath(folder, QStringLiteral("User_002.tcv"))), QStringLiteral("Two"));
}

TEST_F(CurveFiles, NewFileIsACopyOfTheFactoryNormalCurve)
{
    const QString folder = EdGetUserCurveFolder();
    const QString name = EdCreateCurveFile(folder, QStringLiteral("User_004.tcv"));
    EXPECT_EQ(name, QStringLiteral("User_005.tcv"));
    EXPECT_EQ(NameIn(EdJoinPath(folder, name)), QStringLiteral("Normal"));

    // Saving replaces the record; the copy must be writable even though the factory file is not.
    CEdTouchCurveData curve;
    curve.SetName(QStringLiteral("Mine"));
    curve.SetPoint(64, 100);
    EdSaveCurve(EdJoinPath(folder, name), curve);
    CEdTouchCurveData loaded;
    EdLoadCurve(EdJoinPath(folder, name), loaded);
    EXPECT_TRUE(loaded.IsEqual(&curve));

    // Never over an existing file.
    EXPECT_THROW(EdCreateCurveFile(folder, QStringLiteral("User_004.tcv")), CEdFileException);
}

TEST_F(CurveFiles, NewFileWithoutTheFactoryTemplateHoldsADefaultCurve)
{
    QTemporaryDir emptyFactory;
    EdSetFactoryCurveFolderOverride(emptyFactory.path());
    const QString folder = EdGetUserCurveFolder();
    const QString name = EdCreateCurveFile(folder, QString());
    EXPECT_EQ(name, QStringLiteral("User_001.tcv"));
    CEdTouchCurveData loaded;
    EdLoadCurve(EdJoinPath(folder, name), loaded);
    EXPECT_TRUE(loaded.IsEqual(std::make_unique<CEdTouchCurveData>().get()));
}

TEST_F(CurveFiles, SaveNeitherCreatesNorLeavesOldBytesBehind)
{
    const QString folder = EdGetUserCurveFolder();
    CEdTouchCurveData curve;
    EXPECT_THROW(EdSaveCurve(EdJoinPath(folder, QStringLiteral("User_000.tcv")), curve), CEdFileException);
    EXPECT_FALSE(QFile::exists(EdJoinPath(folder, QStringLiteral("User_000.tcv"))));

    const QString path = EdJoinPath(folder, QStringLiteral("User_000.tcv"));
    curve.SetName(QString(30, QLatin1Char('n')));
    WriteCurve(path, curve.GetName());
    curve.SetName(QStringLiteral("Short"));
    EdSaveCurve(path, curve);
    EXPECT_EQ(QFileInfo(path).size(), static_cast<qint64>(curve.Store().size()));
    EXPECT_EQ(NameIn(path), QStringLiteral("Short"));
}

TEST_F(CurveFiles, LoadingBrokenFilesFailsWithTheFileError)
{
    const QString folder = EdGetUserCurveFolder();
    const QString path = EdJoinPath(folder, QStringLiteral("broken.tcv"));
    CEdTouchCurveData source;
    auto bytes = source.Store();
    bytes.resize(300);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();

    CEdTouchCurveData curve;
    EXPECT_THROW(EdLoadCurve(path, curve), CEdFileException);
    EXPECT_THROW(EdLoadCurve(EdJoinPath(folder, QStringLiteral("missing.tcv")), curve), CEdFileException);
    try {
        EdLoadCurve(path, curve);
    } catch (const CEdFileException& e) {
        EXPECT_NE(std::string(e.what()).find("broken.tcv"), std::string::npos) << e.what();
    }
}

TEST_F(CurveFiles, FactoryCurvesOfTheBuildAreReadable)
{
    const QStringList files = EdListCurveFiles(EdGetFactoryCurveFolder());
    ASSERT_GE(files.size(), 7) << qPrintable(EdGetFactoryCurveFolder());
    EXPECT_EQ(files.first(), QString::fromLatin1(kEdFactoryNormalFile));
    for (const QString& name : files) {
        CEdTouchCurveData curve;
        EdLoadCurve(EdJoinPath(EdGetFactoryCurveFolder(), name), curve);
        EXPECT_FALSE(curve.GetName().isEmpty());
        // Playable: end points present, every point in range, and no key press sent as note-off.
        EXPECT_EQ(curve.GetPoint(0), 0) << qPrintable(name);
        EXPECT_GE(curve.GetPoint(127), 1) << qPrintable(name);
        for (int in = 1; in < 128; ++in) {
            const int out = curve.GetPoint(in);
            EXPECT_TRUE(out == -1 || (out >= 1 && out <= 127)) << qPrintable(name) << " " << in;
        }
    }
}

TEST_F(CurveFiles, LoadFactoryCurveMapsMemoriesToFiles)
{
    QTemporaryDir factory;
    EdSetFactoryCurveFolderOverride(factory.path());
    for (int i = 1; i <= 7; ++i)
        WriteCurve(factory.filePath(QStringLiteral("%1_curve.tcv").arg(i, 2, 10, QLatin1Char('0'))),
                   QStringLiteral("F%1").arg(i));
    const char* expected[] = {"F1", "F4", "F5", "F6", "F7"};
    for (int memory = 0; memory < 5; ++memory) {
        CEdTouchCurveData curve;
        EXPECT_TRUE(curve.LoadFactoryCurve(memory));
        EXPECT_EQ(curve.GetName(), QString::fromLatin1(expected[memory]));
    }
    QFile::remove(factory.filePath(QStringLiteral("07_curve.tcv")));
    CEdTouchCurveData curve;
    EXPECT_FALSE(curve.LoadFactoryCurve(4));
    EXPECT_EQ(curve.GetName(), QStringLiteral("Normal"));
}

} // namespace
