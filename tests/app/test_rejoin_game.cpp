// SPDX-License-Identifier: GPL-3.0-or-later
// A game joined from the menus whose connection is reset: the client tries again and sits
// down in its seat; with nothing to come back to it gives up and offers Reconnect. A game
// joined through a lobby's relay gets back by a fresh route, while the lobby is there.
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <sys/socket.h>

#include "app/game_launcher.h"
#include "net/fake_lobby.h"
#include "net/host_server.h"
#include "net/lobby_client.h"

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

// The lobby's relay, as far as the joiner sees it: each link that opens with `RELAY` and a
// ticket handed out is passed on to the host, byte for byte, until either end closes.
struct Relay {
    FakeLobby lobby;
    quint16 hostPort = 0;
    QStringList tickets;            // handed out and not used yet: a ticket is good once
    QHash<int, QTcpSocket*> toHost; // by relay link

    Relay() {
        lobby.tap = [this](int n) {
            QByteArray& got = lobby.received[n];
            if (n == 0 || !got.contains('\n')) return;
            if (!toHost.contains(n)) {
                if (!got.startsWith("RELAY\t") || !tickets.removeOne(QString::fromLatin1(got.mid(6, 32))))
                    return lobby.links[n]->abort();
                auto* host = toHost[n] = new QTcpSocket(&lobby);
                QObject::connect(host, &QTcpSocket::readyRead, host, [this, host, n] { lobby.links[n]->write(host->readAll()); });
                QObject::connect(host, &QTcpSocket::disconnected, lobby.links[n], &QTcpSocket::abort);
                QObject::connect(lobby.links[n], &QTcpSocket::disconnected, host, &QTcpSocket::abort);
                host->connectToHost(QHostAddress::LocalHost, hostPort);
                host->waitForConnected(2000);
            }
            // The ticket's line stays in `received` for the test to read; the rest goes on.
            const qsizetype start = got.indexOf('\n') + 1;
            toHost[n]->write(got.mid(start));
            got.truncate(start);
        };
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
        // The host logs the seat given back before its key reaches Bob.
        QTRY_COMPARE(t.bob.session().identity().myseat, 2);
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

    void relayedJoinerGetsBackByAFreshTicket() {
        Table t;
        QVERIFY(t.seat());
        Relay relay;
        relay.hostPort = t.host->serverPort();
        LobbyClient lobby;
        lobby.signIn(relay.lobby.address(), QStringLiteral("Bob"));
        QVERIFY(relay.lobby.welcome());
        QTRY_COMPARE(lobby.state(), LobbyClient::State::SignedIn);
        t.bob.setLobbyClient(&lobby);

        const QString first(32, u'1');
        relay.tickets << first;
        t.bob.joinLobbyGame(QStringLiteral("Bob"), {"00000000000000aa", true, "127.0.0.1", relay.lobby.port(), first});
        QTRY_VERIFY(t.bob.session().canRejoin());
        QVERIFY(relay.lobby.received[1].startsWith("RELAY\t" + first.toLatin1() + '\n'));
        QCOMPARE(t.bob.relayedGame(), QStringLiteral("00000000000000aa"));
        const int seat = t.bob.session().identity().myseat;

        // The relay link drops; the ticket is spent, so the lobby is asked for another route.
        relay.lobby.links[1]->abort();
        QVERIFY(relay.lobby.waitFor(0, "JOIN\t00000000000000aa\n"));
        const QString second(32, u'2');
        relay.tickets << second;
        relay.lobby.send(0, "ROUTE\t00000000000000aa\trelay\t127.0.0.1\t" + QByteArray::number(relay.lobby.port()) +
                                "\t" + second.toLatin1() + '\n');
        QTRY_COMPARE(t.hostLog.filter(QStringLiteral("back in seat %1 as Bob").arg(seat)).size(), 1);
        QVERIFY(relay.lobby.received[2].startsWith("RELAY\t" + second.toLatin1() + '\n'));
        QVERIFY(!t.bob.retrying());

        // Without the lobby there is no fresh ticket: Reconnect is offered at once.
        lobby.signOut();
        relay.lobby.links[2]->abort();
        QTRY_VERIFY(!t.offered.isEmpty() && t.offered.last().at(0).toBool());
        QCOMPARE(relay.lobby.received[0].count("JOIN\t"), 1);
    }
};

QTEST_MAIN(TestRejoinGame)
#include "test_rejoin_game.moc"
