// SPDX-License-Identifier: GPL-3.0-or-later
// A game joined from the menus whose connection drops: the client tries again with growing
// pauses and sits down in its seat with the board as it stands; when there is nothing to come
// back to, or the player was removed, it says so and does not keep trying.
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <sys/socket.h>

#include "app/game_launcher.h"
#include "net/host_server.h"
#include "protocol/catalogue.h"

using namespace quadrino;

namespace {

// A host on loopback whose clock runs fifty times as fast, with Ann on number 1 and Bob
// joined from the menus on number 2.
struct Table {
    std::unique_ptr<HostServer> host;
    ClientSession ann{1};
    PreferencesStore store;
    GameLauncher bob{store};
    QSignalSpy lines{&bob, &GameLauncher::chatLine};
    QSignalSpy offered{&bob, &GameLauncher::reconnectOffered};
    QStringList hostLog;

    Table() {
        HostServer::Options o;
        o.timeScale = 0.02;
        o.botDelay = [] { return 200; };
        o.logLine = [this](std::string_view line) { hostLog << QString::fromUtf8(line.data(), qsizetype(line.size())); };
        host = std::make_unique<HostServer>(o);
        if (!host->listen(0, QHostAddress(QHostAddress::LocalHost))) return;
        ann.setMyName("Ann");
        ann.connectToHost("127.0.0.1", host->serverPort());
        bob.setRejoinTiming(100, 1500);
    }
    bool seated() {
        if (!QTest::qWaitFor([&] { return ann.identity().loggedin; })) return false;
        bob.joinNetworkGame("Bob", "127.0.0.1", host->serverPort());
        return QTest::qWaitFor([&] { return bob.session().canRejoin(); }) && bob.session().identity().myseat == 2;
    }
    void cutBob() {
        // A reset, as when a home router drops the connection: no orderly close.
        auto* socket = bob.session().connection().findChild<QTcpSocket*>();
        QVERIFY(socket);
        const linger reset{1, 0};
        QCOMPARE(::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset), 0);
        socket->abort();
    }
    bool said(const QString& part) const {
        return std::ranges::any_of(lines, [&](const QList<QVariant>& l) { return l.at(0).toString().contains(part); });
    }
    static std::string request(const std::string& text) { return text + '\xFF'; }
};

bool pawnsAgree(const ClientSession& client, const Host& host) {
    for (int seat = 1; seat <= kSeatCount; ++seat)
        for (int pawn = 1; pawn <= 4; ++pawn)
            if (client.table().state().pawn(seat, pawn).square != host.engine().board().seats[seat].pawnsquare[pawn])
                return false;
    return true;
}

} // namespace

class TestRejoinGame : public QObject {
    Q_OBJECT
private slots:
    void pausesDoubleAndTheLastFallsOnTheWindowsEnd() {
        QList<int> pauses;
        qint64 elapsed = 0;
        int last = 0;
        while (auto pause = GameLauncher::nextRetryPause(elapsed, last, 1000, 60000)) {
            pauses << *pause;
            elapsed += *pause;
            last = *pause;
        }
        QCOMPARE(pauses, (QList<int>{1000, 2000, 4000, 8000, 16000, 29000}));
        QCOMPARE(elapsed, 60000);
    }

    void resetJoinerGetsItsSeatAndBoardBackAndTheGameGoesOn() {
        Table t;
        QVERIFY(t.seated());
        t.ann.send(Table::request("CMD_startgame+Ann+1+0+1+1+0+0+0+"));
        QTRY_VERIFY(t.bob.session().table().state().gameRunning);
        QTest::qWait(100); // a few turns under way
        t.cutBob();
        QTRY_VERIFY(t.said("Trying to get back"));
        QTRY_VERIFY(t.said("Connected to the game again"));
        const Host& host = t.host->host();
        QTRY_VERIFY(host.player(2).connected);
        QCOMPARE(host.player(2).name, std::string("Bob"));
        // Held for Bob while he was away, and given back to the connection he came on.
        QCOMPARE(t.hostLog.filter("kept for Bob").size(), 1);
        QCOMPARE(t.hostLog.filter("back in seat 2").size(), 1);
        QVERIFY(!host.player(3).connected);
        QCOMPARE(t.bob.session().identity().myseat, 2);
        QVERIFY(!t.bob.retrying());
        QVERIFY(!t.offered.isEmpty() && !t.offered.last().at(0).toBool());

        // The computer takes the seats and plays on; Bob's picture follows to the winner.
        t.bob.session().send(Table::request("CMD_justwatch+2+1"));
        t.ann.send(Table::request("CMD_justwatch+1+1"));
        const auto& seats = t.bob.session().table().state().seats;
        QTRY_VERIFY_WITH_TIMEOUT(std::ranges::any_of(seats, [](const auto& s) { return s.winner; }), 60000);
        QVERIFY(pawnsAgree(t.bob.session(), host));
    }

    void noSeatToComeBackTo_data() {
        QTest::addColumn<bool>("removed");
        QTest::newRow("the host has gone") << false;
        QTest::newRow("removed by the hosting user") << true;
    }
    void noSeatToComeBackTo() {
        QFETCH(bool, removed);
        Table t;
        QVERIFY(t.seated());
        if (removed) {
            t.ann.send(Table::request("CMD_kickhim+1+2+"));
            QTRY_VERIFY(t.said("closed"));
            QVERIFY(!t.said("Trying"));
            QVERIFY(!t.bob.session().canRejoin());
            return;
        }
        t.host.reset();
        QTRY_VERIFY(t.said("Trying to get back"));
        QTRY_VERIFY_WITH_TIMEOUT(!t.offered.isEmpty() && t.offered.last().at(0).toBool(), 10000);
        QVERIFY(t.said("Choose Reconnect"));
        QVERIFY(!t.bob.retrying());
        // Reconnect starts another round.
        t.bob.reconnect();
        QVERIFY(t.bob.retrying());
        QVERIFY(!t.offered.last().at(0).toBool());
        t.bob.leaveGame(); // and leaving ends it
        QVERIFY(!t.bob.retrying());
    }
};

QTEST_MAIN(TestRejoinGame)
#include "test_rejoin_game.moc"
