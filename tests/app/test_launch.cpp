// SPDX-License-Identifier: GPL-3.0-or-later
// The launch decision from the command line, and the one-copy-per-user guard.
#include <QLocalSocket>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/launch.h"
#include "app/single_instance.h"

using namespace quadrino;

Q_DECLARE_METATYPE(LaunchMode)

class TestLaunch : public QObject {
    Q_OBJECT
private slots:
    void decidesTheMode_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<LaunchMode>("mode");
        QTest::addColumn<QString>("myname");
        QTest::addColumn<QString>("hostaddress");
        QTest::addColumn<bool>("lobbyLink");

        QTest::newRow("none: solo as You on this machine") << QStringList{} << LaunchMode::Solo << "You" << "127.0.0.1" << false;
        QTest::newRow("one argument: idle") << QStringList{"Ann"} << LaunchMode::Idle << "" << "" << false;
        QTest::newRow("two arguments: idle") << QStringList{"Ann", "10.0.0.2"} << LaunchMode::Idle << "" << "" << false;
        QTest::newRow("true hosts") << QStringList{"Ann", "10.0.0.2", "true"} << LaunchMode::Host << "Ann" << "10.0.0.2" << true;
        QTest::newRow("True joins") << QStringList{"Ann", "10.0.0.2", "True"} << LaunchMode::Join << "Ann" << "10.0.0.2" << true;
        QTest::newRow("TRUE joins") << QStringList{"Ann", "h", "TRUE"} << LaunchMode::Join << "Ann" << "h" << true;
        QTest::newRow("false joins") << QStringList{"Bob", "host.example", "false"} << LaunchMode::Join << "Bob" << "host.example" << true;
        QTest::newRow("empty flag joins") << QStringList{"Bob", "h", ""} << LaunchMode::Join << "Bob" << "h" << true;
        QTest::newRow("extra arguments are ignored") << QStringList{"Cy", "h", "true", "x", "y"} << LaunchMode::Host << "Cy" << "h" << true;
        QTest::newRow("options alone still mean solo")
            << QStringList{"--port", "0", "--seed", "7"} << LaunchMode::Solo << "You" << "127.0.0.1" << false;
        QTest::newRow("options are taken out before counting")
            << QStringList{"Ann", "--time-scale", "0.5", "h"} << LaunchMode::Idle << "" << "" << false;
        QTest::newRow("options between the three arguments")
            << QStringList{"Ann", "--port", "9", "h", "true", "--seed", "1"} << LaunchMode::Host << "Ann" << "h" << true;
        QTest::newRow("a name with a plus") << QStringList{"A+B", "h", "no"} << LaunchMode::Join << "A+B" << "h" << true;
    }
    void decidesTheMode() {
        QFETCH(QStringList, args);
        const LaunchPlan plan = decideLaunch(args);
        QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
        QTEST(plan.mode, "mode");
        QTEST(plan.myname, "myname");
        QTEST(plan.hostaddress, "hostaddress");
        QTEST(plan.openLobbyLink, "lobbyLink");
    }

    void readsTestOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("port");
        QTest::addColumn<double>("timeScale");
        QTest::addColumn<qint64>("seed"); // -1: none

        QTest::newRow("defaults") << QStringList{} << true << 7772 << 1.0 << qint64(-1);
        QTest::newRow("all three") << QStringList{"--port", "0", "--time-scale", "0.01", "--seed", "4294967295"}
                                   << true << 0 << 0.01 << qint64(4294967295);
        QTest::newRow("last one wins") << QStringList{"--port", "1", "--port", "2"} << true << 2 << 1.0 << qint64(-1);
        QTest::newRow("port too large") << QStringList{"--port", "65536"} << false << 0 << 0.0 << qint64(0);
        QTest::newRow("port not a number") << QStringList{"--port", "x"} << false << 0 << 0.0 << qint64(0);
        QTest::newRow("negative port") << QStringList{"--port", "-1"} << false << 0 << 0.0 << qint64(0);
        QTest::newRow("missing value") << QStringList{"Ann", "--seed"} << false << 0 << 0.0 << qint64(0);
        QTest::newRow("zero time scale") << QStringList{"--time-scale", "0"} << false << 0 << 0.0 << qint64(0);
        QTest::newRow("time scale not finite") << QStringList{"--time-scale", "inf"} << false << 0 << 0.0 << qint64(0);
        QTest::newRow("negative seed") << QStringList{"--seed", "-3"} << false << 0 << 0.0 << qint64(0);
    }
    void readsTestOptions() {
        QFETCH(QStringList, args);
        QFETCH(bool, ok);
        const LaunchPlan plan = decideLaunch(args);
        QCOMPARE(plan.error.isEmpty(), ok);
        if (!ok) return;
        QTEST(int(plan.port), "port");
        QTEST(plan.timeScale, "timeScale");
        QTEST(plan.seed ? qint64(*plan.seed) : qint64(-1), "seed");
    }

    // Help and the version are answered before any window; every other command line is the
    // game's, exactly as decideLaunch reads it.
    void answersHelpAndVersion_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("answer"); // "help", "version" or "" to start the game

        QTest::newRow("--help") << QStringList{"--help"} << "help";
        QTest::newRow("--version") << QStringList{"--version"} << "version";
        QTest::newRow("help beats the version") << QStringList{"--version", "--help"} << "help";
        QTest::newRow("among the launch arguments")
            << QStringList{"Ann", "h", "true", "--version"} << "version";
        QTest::newRow("beside unknown words") << QStringList{"-x", "--help", "--what"} << "help";
        QTest::newRow("the value of --port") << QStringList{"--port", "--help"} << "";
        QTest::newRow("the value of --seed") << QStringList{"Ann", "--seed", "-v"} << "";
        QTest::newRow("a name starting with -h") << QStringList{"-hx", "h", "true"} << "";
        QTest::newRow("after the end of options") << QStringList{"--", "--help"} << "";
        QTest::newRow("the three arguments") << QStringList{"Ann", "10.0.0.2", "true"} << "";
    }
    void answersHelpAndVersion() {
        QFETCH(QStringList, args);
        QFETCH(QString, answer);
        const auto info = launchInformation(args);
        QCOMPARE(info ? (info->contains(u"Usage: quadrino") ? "help" : "version") : "", answer);
        if (!info) return;
        QVERIFY2(QRegularExpression(QStringLiteral("^quadrino [0-9]+\\.[0-9]+")).match(*info).hasMatch(),
                 qPrintable(*info));
        // Help names every option decideLaunch takes.
        if (answer == u"help")
            for (const char* option : {"--port <N>", "--seed <N>", "--time-scale <F>", "--help", "--version"})
                QVERIFY2(info->contains(QLatin1String(option)), option);
    }

    void secondCopyRaisesTheFirst() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        SingleInstance first(dir.path());
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);

        SingleInstance second(dir.path());
        QVERIFY(!second.claim());
        QTRY_COMPARE(raised.size(), 1);
    }

    void strangersOnTheSocketAreIgnored() {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        QLocalSocket s;
        s.connectToServer(first.socketPath());
        QVERIFY(s.waitForConnected(1000));
        s.write("hello there\n");
        QVERIFY(s.waitForBytesWritten(1000));
        // The first copy hangs up once it has read a request: then it has judged this one.
        QTRY_VERIFY_WITH_TIMEOUT(s.state() == QLocalSocket::UnconnectedState, 5000);
        QCOMPARE(raised.size(), 0);
    }

    void lockIsFreedWhenTheFirstCopyEnds() {
        QTemporaryDir dir;
        {
            SingleInstance first(dir.path());
            QVERIFY(first.claim());
        }
        SingleInstance next(dir.path());
        QVERIFY(next.claim());
    }

    void unusableFolderDoesNotStopTheProgram() {
        SingleInstance guard(QStringLiteral("/nonexistent/quadrino-test"));
        QVERIFY(guard.claim());
    }
};

QTEST_MAIN(TestLaunch)
#include "test_launch.moc"
