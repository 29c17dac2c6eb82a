// SPDX-License-Identifier: GPL-3.0-or-later
// No game may stop for good: whatever seats do, leave or ask for, the seat on turn always has
// a way forward (a person, the computer, or the pause before the next seat), and a refused
// request changes nothing.
#include <QtTest>

#include "host_fixture.h"

using namespace quadrino;
using namespace quadrino::testing;

namespace {

int count(const QStringList& messages, const QString& prefix) {
    int n = 0;
    for (const auto& m : messages) n += m.startsWith(prefix);
    return n;
}

} // namespace

class TestStalls : public QObject {
    Q_OBJECT
private slots:
    void seatOneLeavingOnTurnIsPlayedByTheComputer() {
        HostFixture f;
        f.join("Host");
        f.join("Bo");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        f.giveTurn(1);
        f.leave(1);
        f.port.runFor(3000);
        QVERIFY2(count(f.inbox[2], "CMD_hisdice+1+") == 1, qPrintable(f.inbox[2].join(' ')));
    }

    void refusedRollKeepsTheBonuses() {
        HostFixture f;
        f.join("Host");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        f.giveTurn(1);
        f.position([](GameSnapshot& g) {
            g.turn.turnphase = 2;
            g.board.seats[1].pawnsquare[1] = 30;
            g.board.amounts.bonus20a = 20;
        });
        const BoardState before = f.board();
        f.say(1, "CMD_playerroll+1+~");
        QCOMPARE(f.inbox[1], QStringList{"CMD_aerror+1+1+~"});
        QVERIFY(f.board() == before);
        f.say(1, "CMD_moveit+1+4+1+~");
        QVERIFY(f.inbox[1].last().startsWith("CMD_movehim+1+4+1+50+"));
    }

    void refusedMoveKeepsItsBonus_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("second 20") << 9;
        QTest::newRow("third 20") << 10;
    }
    void refusedMoveKeepsItsBonus() {
        QFETCH(int, code);
        HostFixture f;
        f.join("Host");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+1+~");
        f.giveTurn(1);
        f.position([](GameSnapshot& g) {
            g.turn.turnphase = 2;
            g.board.seats[1].pawnsquare[1] = 30;
            g.board.seats[3].pawnsquare = {35, 35, 0, 0}; // a pair the 20 cannot pass
            g.board.amounts.die1 = 1;
            g.board.amounts.bonus20a = g.board.amounts.bonus20b = g.board.amounts.bonus20c = 20;
        });
        const BoardState before = f.board();
        f.say(1, QString("CMD_moveit+1+%1+1+~").arg(code));
        QCOMPARE(f.inbox[1], QStringList{"CMD_aerror+1+5+~"});
        QVERIFY(f.board() == before);
    }

    // A seat on turn that has rolled and has nothing legal left hands the turn on after any
    // refused request of its own and after a computer tick, as after a roll without moves.
    void noMoveLeftPassesTheTurn_data() {
        QTest::addColumn<QString>("request"); // empty: the computer plays the seat
        QTest::addColumn<QString>("reply");
        QTest::newRow("roll") << "CMD_playerroll+1+~" << "CMD_aerror+1+1+~";
        QTest::newRow("move") << "CMD_moveit+1+4+1+~" << "CMD_aerror+1+5+~";
        QTest::newRow("pass, passing off") << "CMD_playerpass+1+~" << "";
        QTest::newRow("computer") << "" << "";
    }
    void noMoveLeftPassesTheTurn() {
        QFETCH(QString, request);
        QFETCH(QString, reply);
        HostFixture f;
        f.join("Host");
        f.join("Bo");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        if (request.isEmpty()) f.say(1, "CMD_justwatch+1+1~");
        f.giveTurn(1);
        f.position([](GameSnapshot& g) {
            g.turn.turnphase = 2;
            g.board.seats[1].pawnsquare[1] = 30;
            g.board.seats[2].pawnsquare = {35, 35, 0, 0};
            g.board.amounts.bonus20a = 20; // all that is left, and it cannot pass the pair
        });
        f.clearInbox();
        if (request.isEmpty())
            f.port.runFor(1000); // the computer's tick, one bot delay after the resume
        else
            f.say(1, request);
        QStringList expected;
        if (!reply.isEmpty()) expected << reply;
        expected << "CMD_nomoves+1+~";
        QCOMPARE(f.inbox[1].mid(0, expected.size()), expected);
        f.port.runFor(1000);
        QCOMPARE(f.inbox[2].last(), QString("CMD_nextplayer+2+1+~"));
    }

    void aSeatIsAPersonsOnlyAfterItsLogin() {
        HostFixture f;
        f.join("Host");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+1+~");
        const int silent = f.port.connect(); // takes number 2 and never logs in
        QCOMPARE(silent, 2);
        QVERIFY(f.host.botPlays(2));
        f.giveTurn(2);
        f.position([](GameSnapshot&) {}); // the seat on turn as it stands: the computer's
        f.port.runFor(3000);
        QCOMPARE(count(f.inbox[1], "CMD_hisdice+2+"), 1);
    }

    void aNewcomerPlaysASeatThatWasSetToJustWatch() {
        HostFixture f;
        f.join("Host");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+1+~");
        f.say(1, "CMD_justwatch+3+1~"); // the hosting user's player menu, on an empty seat
        QVERIFY(f.host.botPlays(3));
        f.join("Bo");
        QCOMPARE(f.join("Cy"), 3);
        QVERIFY(!f.host.botPlays(3));
    }

    // After a pass the turn is over: a second pass or a move in the pause does nothing, and
    // a winning move cannot come after the pause has been armed.
    void passEndsTheTurn() {
        HostFixture f;
        f.join("Host");
        f.join("Bo");
        f.say(1, "CMD_startgame+Host+1+1+1+1+0+0+0+~");
        f.giveTurn(1);
        f.position([](GameSnapshot& g) { g.board.seats[1].pawnsquare = {97, 97, 97, 75}; });
        f.dice->queueDice(1, 3);
        f.say(1, "CMD_playerroll+1+~");
        f.say(1, "CMD_playerpass+1+~");
        f.say(1, "CMD_playerpass+1+~");
        f.say(1, "CMD_moveit+1+1+4+~"); // would bring the last pawn home
        QCOMPARE(count(f.inbox[2], "CMD_passing+"), 1);
        QCOMPARE(count(f.inbox[2], "CMD_movehim+"), 0);
        QCOMPARE(count(f.inbox[2], "CMD_winner+"), 0);
        QCOMPARE(f.board().seats[1].pawnsquare[4], 75);
        f.port.runFor(1000);
        QCOMPARE(f.inbox[2].last(), QString("CMD_nextplayer+2+1+~"));
    }

    void noTimerOfTheGameRunsAfterItsWinner() {
        HostFixture f;
        f.join("Host");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        f.giveTurn(1);
        f.position([](GameSnapshot& g) {
            g.board.seats[1].pawnsquare = {97, 97, 97, 75};
            g.turn.turnphase = 2;
            g.board.amounts.die1 = 1;
        });
        f.port.startTimer(HostTimer::Next, 1000); // as a pause armed before the move would be
        f.say(1, "CMD_moveit+1+1+4+~");
        QCOMPARE(f.inbox[1].last(), QString("CMD_winner+1+~"));
        QVERIFY(!f.port.timerActive(HostTimer::Next));
        QVERIFY(!f.port.timerActive(HostTimer::Computer));
    }

    // A game over is over: whatever is asked of its last seat on turn after the winner,
    // nothing of the game is announced, no pawn moves and no game timer runs until a start.
    void aGameOverIsOver_data() {
        QTest::addColumn<QStringList>("after"); // "N:request" from connection N, after the win
        QTest::addColumn<QStringList>("replies"); // what the winner hears of them; the others, nothing
        QTest::newRow("computer refused for the winner") << QStringList{"1:CMD_bottakeover+1+3+~"} << QStringList{};
        QTest::newRow("computer refused, then the die left")
            << QStringList{"1:CMD_bottakeover+1+3+~", "3:CMD_moveit+3+2+1+~", "3:CMD_moveit+3+7+1+~"}
            << QStringList{};
        // As it always was: the winner's client hears it has rolled already.
        QTest::newRow("roll") << QStringList{"3:CMD_playerroll+3+~"} << QStringList{"CMD_aerror+3+1+~"};
    }
    void aGameOverIsOver() {
        QFETCH(QStringList, after);
        QFETCH(QStringList, replies);
        HostFixture f;
        for (const char* n : {"Host", "Bo", "Cy"}) f.join(n);
        f.say(1, "CMD_startgame+Host+1+1+1+1+0+0+1+~");
        f.giveTurn(3);
        f.position([](GameSnapshot& g) {
            g.board.seats[3].pawnsquare = {98, 98, 98, 82}; // the last one a step from home
            g.turn.turnphase = 2;
            g.board.amounts.die1 = 1;
            g.board.amounts.die2 = 5; // would bring a pawn in from start
        });
        f.say(3, "CMD_moveit+3+1+4+~");
        QCOMPARE(f.inbox[1].last(), QString("CMD_winner+3+~"));
        const BoardState won = f.board();
        f.clearInbox();
        for (const QString& request : after) f.say(request.section(':', 0, 0).toInt(), request.section(':', 1));
        f.port.runFor(60000);
        QCOMPARE(f.inbox[3], replies);
        QVERIFY(f.inbox[1].isEmpty() && f.inbox[2].isEmpty());
        QVERIFY(f.board() == won && !f.turn().gamestarted);
        QVERIFY(!f.port.timerActive(HostTimer::Next) && !f.port.timerActive(HostTimer::Computer));
        f.say(1, "CMD_startgame+Host+1+1+1+1+0+0+1+~"); // the next start is a game like any other
        QVERIFY(f.inbox[1].last().startsWith("CMD_nextplayer+"));
    }

    void refusingTheComputerForTheSeatOnTurnEndsItsTurn() {
        HostFixture f;
        f.join("Host");
        f.join("Bo");
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+1+~");
        f.giveTurn(3);
        f.position([](GameSnapshot& g) { g.board.seats[3].pawnsquare = {60, 61, 0, 0}; });
        f.dice->queueDice(1, 2);
        f.host.engine().playerroll(3); // the computer's roll: its first move is 250 ms away
        f.clearInbox();
        f.say(1, "CMD_bottakeover+1+3+~");
        f.port.runFor(1000);
        QCOMPARE(f.inbox[2].value(0), QString("CMD_removepegs+3+~"));
        QCOMPARE(count(f.inbox[2], "CMD_movehim+3+"), 0);
        QCOMPARE(f.inbox[2].value(1), QString("CMD_nextplayer+2+1+~"));
    }

    void refusingOneEmptySeatTakesOutThatSeatAlone() {
        HostFixture f;
        for (const char* n : {"Host", "Bo", "Cy", "Di"}) f.join(n);
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        f.leave(3);
        f.leave(4);
        f.position([](GameSnapshot& g) { g.board.seats[4].pawnsquare[1] = 60; });
        f.clearInbox();
        f.say(1, "CMD_bottakeover+1+3+~");
        QCOMPARE(f.inbox[1], QStringList{"CMD_removepegs+3+~"});
        const auto& order = f.turn().turnorder;
        QVERIFY(std::find(order.begin(), order.end(), 3) == order.end());
        QVERIFY(std::find(order.begin(), order.end(), 4) != order.end());
        QCOMPARE(f.board().seats[4].pawnsquare[1], 60);
    }

    void theComputerWaitsOutThePenaltyPause() {
        HostFixture f;
        f.join("Host");
        f.port.setBotDelay(500);
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+1+~");
        f.giveTurn(1);
        f.position([](GameSnapshot& g) {
            g.board.seats[1].pawnsquare = {30, 20, 0, 0}; // pawn 2 could use the dice left over
            g.turn.doublescount = 2;
            g.turn.rollagain = true;
        });
        f.dice->queueDice(2, 2);
        f.say(1, "CMD_playerroll+1+~");
        QVERIFY(f.inbox[1].last().startsWith("CMD_gotpenalty+1+1+"));
        f.clearInbox();
        f.say(1, "CMD_justwatch+1+1~"); // the computer is armed in the pause
        f.port.runFor(900);
        QCOMPARE(f.inbox[1], QStringList{"CMD_justwatching+1+1~"});
        f.port.runFor(100);
        QCOMPARE(f.inbox[1].last(), QString("CMD_nextplayer+3+1+~"));
    }
};

QTEST_APPLESS_MAIN(TestStalls)
#include "test_stalls.moc"
