// SPDX-License-Identifier: GPL-3.0-or-later
// The game launcher without any window: a solo game hosted and left, what it says on the way,
// and the names and ports it remembers or refuses.
#include <QSignalSpy>
#include <QTest>

#include "app/game_launcher.h"
#include "net/host_server.h"

using namespace quadrino;

class TestGameLauncher : public QObject {
    Q_OBJECT
private slots:
    void soloGameIsHostedAndLeft() {
        PreferencesStore store;
        GameLauncher launcher(store);
        QSignalSpy hostHere(&launcher, &GameLauncher::hostHereChanged);
        QSignalSpy startAllowed(&launcher, &GameLauncher::startAllowedChanged);
        QSignalSpy solo(&launcher, &GameLauncher::soloStarted);
        QSignalSpy left(&launcher, &GameLauncher::gameLeft);
        LaunchPlan plan = decideLaunch({});
        plan.port = 0;
        launcher.processparams(plan);
        QCOMPARE(solo.count(), 1);
        QVERIFY(launcher.hostServer() && launcher.hostServer()->serverPort() != 0);
        QCOMPARE(hostHere.count(), 1);
        QVERIFY(hostHere.at(0).at(0).toBool());
        QTRY_VERIFY(launcher.session().identity().loggedin);
        QCOMPARE(launcher.session().identity().myseat, 1);
        QVERIFY(startAllowed.last().at(0).toBool());
        // No game running: leaving loses nothing, so nobody is asked.
        QCOMPARE(launcher.leaveQuestion(), std::nullopt);
        // A second launch plan is not taken: the run has one.
        launcher.processparams(plan);
        QCOMPARE(solo.count(), 1);

        launcher.leaveGame();
        QCOMPARE(left.count(), 1);
        QVERIFY(!launcher.hostServer());
        QVERIFY(!hostHere.last().at(0).toBool());
        QVERIFY(!startAllowed.last().at(0).toBool());
        QVERIFY(!launcher.session().identity().loggedin);
    }

    // What the File menu's dialogs hand over: a name that cleans to nothing, no address or port
    // 0 starts nothing and remembers nothing; anything else is remembered before it starts.
    void menuChoicesAreCheckedAndRemembered_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("started");
        QTest::newRow("blank name") << " \t\x01 " << "127.0.0.1" << 1 << false;
        QTest::newRow("no address") << "Ann" << "  " << 1 << false;
        QTest::newRow("port 0") << "Ann" << "127.0.0.1" << 0 << false;
        QTest::newRow("join") << " Ann\n" << " 127.0.0.1 " << 1 << true;
    }
    void menuChoicesAreCheckedAndRemembered() {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(int, port);
        QFETCH(bool, started);
        PreferencesStore store;
        GameLauncher launcher(store);
        QSignalSpy left(&launcher, &GameLauncher::gameLeft);
        launcher.joinNetworkGame(name, address, quint16(port));
        QCOMPARE(left.count(), started ? 1 : 0);
        QCOMPARE(store.saveCount(), started ? 1 : 0);
        QCOMPARE(store.prefs().joinname, started ? std::string("Ann") : std::string());
        QCOMPARE(store.prefs().joinaddress, started ? std::string("127.0.0.1") : std::string());
        QCOMPARE(launcher.hostaddress(), started ? QStringLiteral("127.0.0.1") : QString());
        launcher.leaveGame();
    }
};

QTEST_GUILESS_MAIN(TestGameLauncher)
#include "test_game_launcher.moc"
