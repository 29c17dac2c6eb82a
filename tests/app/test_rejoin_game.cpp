// SPDX-License-Identifier: GPL-3.0-or-later
// A game joined from the menus whose connection is reset: the client tries again and sits
// down in its seat; with nothing to come back to it gives up and offers Reconnect.
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <sys/socket.h>

#include "app/game_launcher.h"
#include "net/host_server.h"

using namespace quadrino;

namespace {

// A host on loopback whose clock runs fifty times as fast, Ann on number 1 and Bob joined
// from the menus on number 2.
struct Table {
    std::unique_ptr<HostServer> host;
    ClientSession ann{1};
    PreferencesStore store;
    GameLauncher bob{store};
    QSignalSpy offered{&bob, &GameLauncher::reconnectOffered};
    QStringList hostLog;

    bool seat() {
        HostServer::Options o;
        o.timeScale = 0.02;
        o.logLine = [this](std::string_view line) { hostLog << QString::fromUtf8(line.data(), qsizetype(line.size())); };
        host = std::make_unique<HostServer>(o);
        if (!host->listen(0, QHostAddress(QHostAddress::LocalHost))) return false;
        ann.setMyName("Ann");
        ann.connectToHost("127.0.0.1", host->serverPort());
        bob.setRejoinTiming(100, 1500);
        if (!QTest::qWaitFor([&] { return ann.identity().loggedin; })) return false;
        bob.joinNetworkGame("Bob", "127.0.0.1", host->serverPort());
        return QTest::qWaitFor([&] { return bob.session().canRejoin(); }) && bob.session().identity().myseat == 2;
    }
};

} // namespace

class TestRejoinGame : public QObject {
    Q_OBJECT
private slots:
    void resetJoinerGetsItsSeatAndBoardBack() {
        Table t;
        QVERIFY(t.seat());
        t.ann.send("CMD_startgame+Ann+1+0+1+1+0+0+0+\xFF");
        QTRY_VERIFY(t.bob.session().table().state().gameRunning);
        // A reset, as when a home router drops the connection: no orderly close.
        auto* socket = t.bob.session().connection().findChild<QTcpSocket*>();
        const linger reset{1, 0};
        QCOMPARE(::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset), 0);
        socket->abort();
        QTRY_COMPARE(t.hostLog.filter("back in seat 2 as Bob").size(), 1);
        QCOMPARE(t.hostLog.filter("kept for Bob").size(), 1);
        QCOMPARE(t.bob.session().identity().myseat, 2);
        QTRY_VERIFY(t.bob.session().table().state().gameRunning); // the board told afresh
        QVERIFY(!t.bob.retrying());
    }

    void hostGoneThenReconnectIsOffered() {
        Table t;
        QVERIFY(t.seat());
        // The host's machine vanishes: no goodbye reaches Bob.
        t.bob.session().connection().findChild<QTcpSocket*>()->abort();
        t.host.reset();
        QTRY_VERIFY(t.bob.retrying());
        QTRY_VERIFY_WITH_TIMEOUT(!t.offered.isEmpty() && t.offered.last().at(0).toBool(), 10000);
        t.bob.reconnect(); // another round
        QVERIFY(t.bob.retrying() && !t.offered.last().at(0).toBool());
    }
};

QTEST_MAIN(TestRejoinGame)
#include "test_rejoin_game.moc"
