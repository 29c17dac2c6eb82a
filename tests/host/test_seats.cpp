// SPDX-License-Identifier: GPL-3.0-or-later
// Connection numbers, logins, departures, removal, just watching, relays, and the refusals
// that keep one peer from acting as another.
#include <QtTest>

#include "host_fixture.h"

using namespace quadrino;
using namespace quadrino::testing;

class TestSeats : public QObject {
    Q_OBJECT
private slots:
    void loginAnnouncesToEveryoneAndTellsTheNewcomer() {
        HostFixture f;
        f.join("You");
        f.join("Ann+Lee");
        QCOMPARE(f.inbox[2], (QStringList{"CMD_sendlogininfo+2~", "CMD_newplayerinfo+2+Ann+Lee~",
                                           "CMD_existingplayers+1+You~"}));
        QCOMPARE(f.inbox[1].last(), QString("CMD_newplayerinfo+2+Ann+Lee~"));
        QCOMPARE(QString::fromStdString(f.host.player(2).name), QString("Ann+Lee"));
    }

    void lateJoinerGetsTheWholeGame_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("warned");
        QTest::newRow("same version") << "1.0.15" << false;
        QTest::newRow("other version") << "1.0.14" << true;
    }
    void lateJoinerGetsTheWholeGame() {
        QFETCH(QString, version);
        QFETCH(bool, warned);
        HostFixture f;
        f.join("You");
        f.say(1, "CMD_startgame+You+1+0+1+1+0+3+1+~");
        QVERIFY(f.turn().gamestarted);
        f.join("Bo");
        f.clearInbox();
        const int n = f.join("Cy", version);
        QCOMPARE(n, 3);
        QStringList got = f.inbox[3];
        QCOMPARE(got.value(0), QString("CMD_sendlogininfo+3~"));
        QCOMPARE(got.value(1), QString("CMD_newplayerinfo+3+Cy~"));
        QCOMPARE(got.value(2), QString("CMD_existingplayers+1+You~"));
        QCOMPARE(got.value(3), QString("CMD_existingplayers+2+Bo~"));
        int next = 4;
        if (warned) {
            QCOMPARE(got.value(next++), QString("CMD_wrongversion+~"));
            QVERIFY(f.inbox[1].contains("CMD_havewrongversion+Cy~"));
        }
        QVERIFY(got.value(next).startsWith("CMD_locations+3+"));
        QCOMPARE(got.value(next).count('+'), 37);
        QCOMPARE(got.value(next + 1), QString("CMD_morestats+0+~"));
        QVERIFY(!f.host.botPlays(3)); // from now on a human plays that seat
    }

    void freedNumbersAreReusedLowestFirst() {
        HostFixture f;
        f.join("A");
        f.join("B");
        f.join("C");
        f.leave(2);
        QCOMPARE(f.inbox[1].last(), QString("CMD_playerdisconnected+2+B~"));
        QCOMPARE(f.inbox[3].last(), QString("CMD_playerdisconnected+2+B~"));
        QCOMPARE(f.join("D"), 2);
        QCOMPARE(f.join("E"), 4);
        QCOMPARE(f.host.highestconnection(), 4);
    }

    void secondCloseAnnouncesNothing() {
        HostFixture f;
        f.join("A");
        f.join("B");
        f.leave(2);
        const auto before = f.inbox[1].size();
        f.host.connectionClosed(2);
        QCOMPARE(f.inbox[1].size(), before);
    }

    void tenthConnectionIsRefused() {
        HostFixture f;
        for (int i = 1; i <= 9; ++i) QCOMPARE(f.join(QString("P%1").arg(i)), i);
        f.clearInbox();
        QCOMPARE(f.port.connect(), 10);
        f.settle();
        QCOMPARE(f.inbox[10], QStringList{"CMD_full+~"});
        QVERIFY(f.port.closedByHost().back() == 10);
        QCOMPARE(f.host.highestconnection(), 9);
        for (int i = 1; i <= 9; ++i) QVERIFY2(f.inbox[i].isEmpty(), "nobody hears of the refused connection");
    }

    void relaysCarryTheSendersName() {
        HostFixture f;
        f.join("Al+Bo");
        f.join("Spy");
        f.clearInbox();
        f.say(1, "CMD_chat+1+hi + you|clRed~");
        f.say(2, "CMD_action+2+says: Wow!|$00FF0000~");
        f.say(1, "CMD_playasound+1+wave4+~");
        const QStringList expected{"CMD_chat+1+Al+Bo chats: hi + you|clRed~",
                                   "CMD_action+2+Spy says: Wow!|$00FF0000~", "CMD_playasound+1+wave4+~"};
        QCOMPARE(f.inbox[1], expected);
        QCOMPARE(f.inbox[2], expected);
    }

    void spoofedRequestsChangeNothing_data() {
        QTest::addColumn<QString>("message"); // sent by connection 2
        QTest::newRow("chat as another") << "CMD_chat+1+I am the host|clRed~";
        QTest::newRow("action as another") << "CMD_action+3+waves|clRed~";
        QTest::newRow("sound as another") << "CMD_playasound+1+wave1+~";
        QTest::newRow("login with another number") << "CMD_logininfo+1+1.0.15+Mallory~~";
        QTest::newRow("kick as the host") << "CMD_kickhim+1+3+~";
        QTest::newRow("kick as itself") << "CMD_kickhim+2+3+~";
        QTest::newRow("start a game") << "CMD_startgame+Mal+1+1+1+1+0+0+1+~";
        QTest::newRow("watch another seat") << "CMD_justwatch+3+2~";
        QTest::newRow("refuse a bot") << "CMD_bottakeover+1+3+~";
        QTest::newRow("roll for another") << "CMD_playerroll+1+~";
        QTest::newRow("not a number") << "CMD_moveit+2+x+1+~";
        QTest::newRow("empty sender") << "CMD_chat++hi|clRed~";
    }
    void spoofedRequestsChangeNothing() {
        QFETCH(QString, message);
        HostFixture f;
        f.join("Host");
        f.join("Mal");
        f.join("Cy");
        f.clearInbox();
        const auto logBefore = f.port.logLines().size();
        f.say(2, message);
        for (int c = 1; c <= 3; ++c) QVERIFY2(f.inbox[c].isEmpty(), qPrintable(f.inbox[c].join(' ')));
        QVERIFY(f.port.closedByHost().empty());
        QVERIFY(!f.turn().gamestarted);
        QCOMPARE(QString::fromStdString(f.host.player(1).name), QString("Host"));
        QCOMPARE(f.port.logLines().size(), logBefore + 1); // one line says why
    }

    void hostRemovesAPlayer() {
        HostFixture f;
        f.join("Host");
        f.join("Bo");
        f.join("Cy");
        f.clearInbox();
        f.say(1, "CMD_kickhim+1+2+~");
        QCOMPARE(f.port.closedByHost(), std::vector<int>{2});
        QVERIFY(!f.host.player(2).connected);
        // In plain words, before the close: to the removed player, and to the others who removed whom.
        QCOMPARE(f.inbox[2], QStringList{"CMD_chat+0+You have been removed from the game by Host.|clBlue~"});
        QCOMPARE(f.inbox[3], QStringList({"CMD_chat+0+Host removed Bo from the game.|clBlue~",
                                          "CMD_playerdisconnected+2+Bo~"}));
        f.say(1, "CMD_kickhim+1+42+~"); // out of range: nothing
        QCOMPARE(f.port.closedByHost().size(), size_t(1));
    }

    void justWatching() {
        HostFixture f;
        f.join("Host");
        f.join("Bo");
        f.clearInbox();
        f.say(2, "CMD_justwatch+2+1~");
        QVERIFY2(f.inbox.empty(), "without a game, watching changes nothing");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        f.clearInbox();
        f.say(2, "CMD_justwatch+2+1~");
        QCOMPARE(f.inbox[1], QStringList{"CMD_justwatching+2+1~"});
        QVERIFY(f.host.botPlays(2));
        f.say(1, "CMD_justwatch+2+2~"); // the hosting user's player menu
        QCOMPARE(f.inbox[2].last(), QString("CMD_justwatching+2+2~"));
        QVERIFY(!f.host.botPlays(2));
        f.clearInbox();
        f.say(1, "CMD_justwatch+5+1~"); // spectators have no seat
        QVERIFY(f.inbox.empty());
    }

    void botTakeoverRefusedTakesThePawnsOff() {
        HostFixture f;
        f.join("Host");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+1+~"); // full game: four seats
        f.position([](GameSnapshot& g) { g.board.seats[3].pawnsquare[1] = 60; });
        f.clearInbox();
        f.say(1, "CMD_bottakeover+1+2+~");
        QVERIFY(f.inbox.empty());
        f.say(1, "CMD_bottakeover+1+3+~");
        QCOMPARE(f.inbox[1], QStringList{"CMD_removepegs+3+~"});
        QCOMPARE(f.board().seats[3].pawnsquare[1], 0);
    }

    void departureOfTheSeatOnTurnWakesTheBot() {
        HostFixture f;
        f.join("Host");
        f.join("Bo");
        f.port.setBotDelay(1500);
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        f.giveTurn(2);
        f.leave(2);
        QVERIFY(f.port.timerActive(HostTimer::Computer));
        QCOMPARE(f.port.timerDue(HostTimer::Computer), f.port.now() + 1500);
    }

    void floodingPeerIsDroppedAndOthersAreServed() {
        HostFixture f;
        f.join("Host");
        f.join("Flood");
        f.clearInbox();
        f.port.deliver(1, wire("CMD_chat+1+first|clRed~"));
        f.port.deliver(2, std::string(70000, 'x'));
        f.settle();
        QCOMPARE(f.port.closedByHost(), std::vector<int>{2});
        QVERIFY(f.inbox[1].contains("CMD_chat+1+Host chats: first|clRed~"));
        QVERIFY(f.inbox[1].contains("CMD_playerdisconnected+2+Flood~"));
    }

    void queuedRequestsOfAClosedConnectionDieWithIt() {
        HostFixture f;
        f.join("Host");
        f.join("Old");
        f.port.deliver(2, wire("CMD_chat+2+late|clRed~"));
        f.host.connectionClosed(2);
        f.clearInbox();
        f.settle();
        QVERIFY(f.inbox.empty());
    }

    void dispatchServesOneMessagePerTickAndThenSleeps() {
        HostFixture f;
        f.join("Host");
        f.clearInbox();
        const auto t0 = f.port.now();
        f.port.deliver(1, wire("CMD_chat+1+a|clRed~CMD_chat+1+b|clRed~"));
        QVERIFY(f.port.timerActive(HostTimer::Dispatch));
        f.port.step();
        QCOMPARE(f.inbox[1].size(), 1);
        QCOMPARE(f.port.now(), t0 + 10);
        f.port.step();
        QCOMPARE(f.inbox[1].size(), 2);
        QCOMPARE(f.port.now(), t0 + 20);
        QVERIFY(!f.port.timerActive(HostTimer::Dispatch)); // idle: no more wake-ups
    }
};

QTEST_APPLESS_MAIN(TestSeats)
#include "test_seats.moc"
