// The editor program itself.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QProcessEnvironment Environment(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

TEST(TovinProgram, SecondStartEndsSilently)
{
    QTemporaryDir home;
    QProcess first;
    first.setProcessEnvironment(Environment(home));
    first.start(QStringLiteral(TOVIN_PATH), {QStringLiteral("--simulate")});
    ASSERT_TRUE(first.waitForStarted(5000));
    // The first instance holds its lock file in the runtime folder once it has started.
    const QString lock = home.filePath(QStringLiteral("Tovin.lock"));
    for (int wait = 0; wait < 200 && !QFile::exists(lock); ++wait)
        first.waitForFinished(50);
    ASSERT_TRUE(QFile::exists(lock));

    QProcess second;
    second.setProcessEnvironment(Environment(home));
    second.start(QStringLiteral(TOVIN_PATH), {QStringLiteral("--simulate")});
    ASSERT_TRUE(second.waitForFinished(10000)) << "a second editor kept running";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    first.waitForFinished(5000);
}

TEST(TovinProgram, SimulatedRunSynchronisesAndSavesItsScreenshot)
{
    QTemporaryDir home;
    QProcess editor;
    editor.setProcessEnvironment(Environment(home));
    const QString shot = home.filePath(QStringLiteral("shot.png"));
    editor.start(QStringLiteral(TOVIN_PATH), {QStringLiteral("--simulate"), QStringLiteral("--screenshot"), shot});
    ASSERT_TRUE(editor.waitForFinished(30000));
    EXPECT_EQ(editor.exitCode(), 0);
    EXPECT_TRUE(editor.readAllStandardOutput().contains("synchronisation: Complete"));
    QImage image(shot);
    EXPECT_EQ(image.size(), QSize(640, 480));
}

} // namespace
