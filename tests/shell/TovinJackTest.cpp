// The real editor and the simulated instrument as two programs on JACK ports: a full
// synchronisation through real MIDI ports, as on a machine with the instrument attached.
#include "JackServer.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TovinOnJack, SynchronisesWithQjx1SimThroughRealPorts)
{
    std::string whyNot;
    const auto server = JackServer::Start(whyNot);
    if (!server)
        GTEST_SKIP() << "no JACK server for the two-program test: " << whyNot;

    QProcess sim;
    sim.setProcessChannelMode(QProcess::MergedChannels);
    sim.start(QStringLiteral(QJX1_SIM_PATH), {QStringLiteral("--api"), QStringLiteral("jack")});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(sim.waitForReadyRead(5000)) << "qjx1-sim did not come up";

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TESSARINE_PORTS"), QStringLiteral("jack"));
    environment.remove(QStringLiteral("TOVIN_SIMULATE"));
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.setProcessChannelMode(QProcess::SeparateChannels);
    const QString shot = home.filePath(QStringLiteral("shot.png"));
    editor.start(QStringLiteral(TOVIN_PATH), {QStringLiteral("--screenshot"), shot});
    ASSERT_TRUE(editor.waitForFinished(40000)) << "the editor did not finish";
    const QString output = QString::fromLocal8Bit(editor.readAllStandardOutput());
    EXPECT_EQ(editor.exitCode(), 0) << qPrintable(output) << qPrintable(QString::fromLocal8Bit(editor.readAllStandardError()));
    EXPECT_TRUE(output.contains(QStringLiteral("synchronisation: Complete"))) << qPrintable(output);
    EXPECT_TRUE(QFile::exists(shot));

    sim.write("state\n");
    sim.waitForReadyRead(2000);
    sim.terminate();
    sim.waitForFinished(5000);
    const QString simLog = QString::fromLocal8Bit(sim.readAll());
    EXPECT_TRUE(simLog.contains(QStringLiteral("<- F0 40 7F 00 06 01 00 F7"))) << qPrintable(simLog);
    // The editor said goodbye on its way out.
    EXPECT_TRUE(simLog.contains(QStringLiteral("<- F0 40 7F 31 06 01 03 F7"))) << qPrintable(simLog);
}

} // namespace
