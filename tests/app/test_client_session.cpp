// SPDX-License-Identifier: GPL-3.0-or-later
// The client session without a window: the login exchange, the dispatch of the host's
// messages to the table model and to its signals, and requests that go out only once logged
// in; against a fake host and against the real one.
#include <QSignalSpy>
#include <QTest>

#include "app/client_session.h"
#include "app/fake_host.h"
#include "net/host_server.h"
#include "protocol/catalogue.h"

using namespace quadrino;

namespace {

QString firstArg(const QSignalSpy& spy, qsizetype i) { return spy.at(i).at(0).toString(); }


} // namespace

class TestClientSession : public QObject {
    Q_OBJECT
private slots:
    void logsInAndDispatches() {
        FakeHost fake;
        ClientSession s(1);
        QSignalSpy lines(&s, &ClientSession::chatLine);
        QSignalSpy received(&s, &ClientSession::chatReceived);
        QSignalSpy sounds(&s, &ClientSession::soundRequested);
        QSignalSpy arrival(&s, &ClientSession::ownArrival);
        QSignalSpy changed(&s, &ClientSession::tableChanged);
        s.setMyName(QStringLiteral("Zoë"));
        s.connectToHost(QStringLiteral("127.0.0.1"), fake.port());
        QVERIFY(fake.waitForClient());

        // Nothing goes out before the host has given the client its number.
        s.send(encode(RollRequest{1}));
        // Nor on a number no host gives.
        fake.send("CMD_sendlogininfo+0\xFF" "CMD_sendlogininfo+10\xFF" "CMD_sendlogininfo+3\xFF");
        QVERIFY(fake.waitForReceived("CMD_logininfo+3+1.0.15+Zo\xEB\xFF\xFF"));
        QCOMPARE(s.identity().myseat, 3);
        QVERIFY(s.identity().loggedin);

        fake.send("CMD_newplayerinfo+3+Zo\xEB\xFF");
        QVERIFY(arrival.wait(5000));
        QCOMPARE(firstArg(lines, 0), QStringLiteral("0+You are Connected."));
        QCOMPARE(lines.at(0).at(1).value<BgrColour>(), kSystemColour);
        QCOMPARE(firstArg(sounds, 0), QStringLiteral("entered"));
        QVERIFY(!changed.isEmpty());
        QCOMPARE(s.table().seatName(3), std::string("Zoë"));

        fake.send("CMD_chat+2+Bob chats: hi|clGreen\xFF" "CMD_havewrongversion+Bj\xF6rn\xFF" "CMD_nothing+1\xFF"
                  "CMD_wrongversion+\xFF");
        QTRY_COMPARE(lines.size(), 3);
        QCOMPARE(received.size(), 1);
        QCOMPARE(firstArg(received, 0), QStringLiteral("2+Bob chats: hi|clGreen"));
        QCOMPARE(firstArg(lines, 1), QStringLiteral("0+Björn has a different version of the game then you."));
        QCOMPARE(firstArg(lines, 2), QStringLiteral("0+You have a differnt version of the game then the host."));
    }

    void appliesWhatTheModelAnswers() {
        FakeHost fake;
        ClientSession s(1);
        QSignalSpy watch(&s, &ClientSession::justWatchChanged);
        QSignalSpy won(&s, &ClientSession::gameWon);
        QSignalSpy options(&s, &ClientSession::gameOptionsWanted);
        QSignalSpy boxes(&s, &ClientSession::messageBoxWanted);
        s.setMyName(QStringLiteral("Ann"));
        s.connectToHost(QStringLiteral("127.0.0.1"), fake.port());
        QVERIFY(fake.waitForClient());

        // Before the login a click asks for a message box instead of the options dialog.
        s.clickStart();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(firstArg(boxes, 0), QStringLiteral("You are not connected"));

        fake.send("CMD_sendlogininfo+1\xFF");
        QByteArray expected = "CMD_logininfo+1+1.0.15+Ann\xFF\xFF";
        QVERIFY(fake.waitForReceived(expected));
        s.clickStart();
        QCOMPARE(options.size(), 1);

        // A win counts only in a game the client saw running.
        fake.send("CMD_startgame+Ann+0+0+0+0+t+t+0+0+0+\xFF");
        QTRY_VERIFY(s.table().state().gameRunning);
        watch.clear();
        fake.send("CMD_nextplayer+1+1+\xFF" "CMD_justwatching+1+1\xFF" "CMD_winner+1+\xFF");
        QVERIFY(won.wait(5000));
        QCOMPARE(firstArg(won, 0), QStringLiteral("addtomine"));
        QCOMPARE(watch.size(), 1);
        QCOMPARE(watch.at(0).at(0).toBool(), true);

        fake.send("CMD_nextplayer+1+1+\xFF");
        QTRY_COMPARE(s.table().state().clientphase, 1);
        s.clickDice();
        expected += "CMD_playerroll+1+\xFF";
        QVERIFY(fake.waitForReceived(expected));
    }

    void fullGameAndHangingUp() {
        FakeHost fake;
        ClientSession s(1);
        QSignalSpy full(&s, &ClientSession::gameFull);
        QSignalSpy boxes(&s, &ClientSession::messageBoxWanted);
        QSignalSpy closed(&s, &ClientSession::closed);
        s.connectToHost(QStringLiteral("127.0.0.1"), fake.port());
        QVERIFY(fake.waitForClient());
        fake.send("CMD_full+\xFF");
        QVERIFY(full.wait(5000));
        QCOMPARE(firstArg(boxes, 0), QStringLiteral("Game is full"));
        fake.sockets[0]->disconnectFromHost();
        QVERIFY(closed.wait(5000));
        QCOMPARE(closed.size(), 1);
    }

    // Nothing is dispatched while the junk, and a message that tells it has all come, arrive.
    void aHostThatFloodsIsCutOff_data() {
        QTest::addColumn<QByteArray>("junk");
        QTest::addColumn<int>("queued"); // -1: cut off
        QTest::newRow("bare terminators are never queued") << QByteArray(1 << 20, '\xFF') << 1;
        QTest::newRow("more messages than the queue holds") << QByteArray("CMD_nomoves+1+\xFF").repeated(9000) << -1;
        QTest::newRow("more bytes than the queue holds")
            << ("CMD_chat+1+" + QByteArray(5000, 'x') + "\xFF").repeated(600) << -1;
        QTest::newRow("a message without end") << QByteArray(200 * 1024, 'x') << -1;
    }
    void aHostThatFloodsIsCutOff() {
        QFETCH(QByteArray, junk);
        QFETCH(int, queued);
        FakeHost fake;
        ClientSession s(1);
        QSignalSpy lines(&s, &ClientSession::chatLine);
        QSignalSpy closed(&s, &ClientSession::closed);
        s.setLoginTimeout(24 * 3600 * 1000);
        s.connectToHost(QStringLiteral("127.0.0.1"), fake.port());
        QVERIFY(fake.waitForClient());
        s.connection().setTickInterval(24 * 3600 * 1000);
        fake.send(junk + "CMD_wrongversion+\xFF");
        const QString why = QStringLiteral("The host sent more than this client can take; the connection was closed.");
        if (queued >= 0) {
            QTRY_COMPARE(s.connection().queuedMessages(), std::size_t(queued));
            s.connection().setTickInterval(0);
            QTRY_COMPARE(lines.size(), 1);
            QCOMPARE(firstArg(lines, 0), QStringLiteral("0+You have a differnt version of the game then the host."));
            QVERIFY(closed.isEmpty());
            return;
        }
        QTRY_COMPARE(closed.size(), 1);
        QCOMPARE(firstArg(lines, 0), QStringLiteral("0+") + why);
        QCOMPARE(s.lastNotice(), why);
    }

    void playsAgainstTheRealHost() {
        HostServer::Options options;
        options.seed = 20240607;
        options.timeScale = 0.01;
        options.botDelay = [] { return 500; };
        HostServer host(std::move(options));
        QVERIFY(host.listen(0, QHostAddress::LocalHost));
        ClientSession s(1);
        s.setMyName(QStringLiteral("You"));
        s.setHosting(true);
        s.connectToHost(QStringLiteral("127.0.0.1"), host.serverPort());
        QTRY_VERIFY_WITH_TIMEOUT(s.identity().loggedin, 5000);
        QTRY_COMPARE(s.table().seatName(1), std::string("You"));

        // A full game: bots take the empty seats and the host announces the first turn.
        StartGameRequest start{"You", {}, {}};
        start.options.penalty = start.options.blocking = start.options.pouncing = start.options.fullgame = true;
        s.send(encode(start));
        QTRY_VERIFY_WITH_TIMEOUT(s.table().state().turnseat != 0, 10000);
        QCOMPARE(s.table().seatName(2), std::string("Klot"));
        QCOMPARE(s.table().state().rule(quadrino::GameOption::penalty), std::string("Doubles Penalty: ON"));
        QVERIFY(!s.table().state().startShown);
        QCOMPARE(s.table().otherPlayers(), (std::vector<std::string>{"Klot", "Klick", "Kling"}));
    }
};

QTEST_GUILESS_MAIN(TestClientSession)
#include "test_client_session.moc"
