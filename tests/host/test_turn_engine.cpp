// SPDX-License-Identifier: GPL-3.0-or-later
// The course of a game on the virtual clock: turn order, rolls, doubles and penalties,
// passing, the block limit, errors, bot pacing, winners.
#include <QtTest>

#include "rules/board_rules.h"
#include "host_fixture.h"

using namespace quadrino;
using namespace quadrino::testing;

namespace {

QStringList startedGame(HostFixture& f, const QString& options = "1+0+1+1+0+0+0") {
    f.clearInbox();
    f.say(1, "CMD_startgame+Host+" + options + "+~");
    return f.inbox[1];
}

// Advances the clock by exactly `ms`, firing what falls due.
void advance(HostFixture& f, std::int64_t ms) { f.port.runFor(ms); }

} // namespace

class TestTurnEngine : public QObject {
    Q_OBJECT
private slots:
    void turnOrder_data() {
        QTest::addColumn<QList<int>>("leaving");  // of four players who joined
        QTest::addColumn<QString>("options");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<QString>("relayed");     // seat3playing+seat4playing as announced
        QTest::newRow("seats 3 and 4 empty") << QList<int>{3, 4} << "1+0+1+1+0+0+0" << QList<int>{1, 2, 0, 0} << "f+f";
        QTest::newRow("seat 4 only: bot in 3") << QList<int>{3} << "1+0+1+1+0+0+0" << QList<int>{1, 3, 2, 4} << "t+t";
        QTest::newRow("seat 3 only") << QList<int>{4} << "1+0+1+1+0+0+0" << QList<int>{1, 3, 2, 0} << "t+f";
        QTest::newRow("everyone") << QList<int>{} << "1+0+1+1+0+0+0" << QList<int>{1, 3, 2, 4} << "t+t";
        QTest::newRow("full game") << QList<int>{2, 3, 4} << "1+0+1+1+0+0+1" << QList<int>{1, 3, 2, 4} << "t+t";
        QTest::newRow("team game") << QList<int>{3, 4} << "1+0+1+1+1+0+0" << QList<int>{1, 3, 2, 4} << "t+t";
    }
    void turnOrder() {
        QFETCH(QList<int>, leaving);
        QFETCH(QString, options);
        QFETCH(QList<int>, order);
        QFETCH(QString, relayed);
        HostFixture f;
        for (const char* n : {"A", "B", "C", "D"}) f.join(n);
        for (int c : leaving) f.leave(c);
        f.clearInbox();
        QStringList got = startedGame(f, options);
        QVERIFY(got.value(0).startsWith("CMD_startgame+Host+1+0+1+1+" + relayed + "+"));
        const auto& t = f.turn().turnorder;
        QCOMPARE((QList<int>{t[1], t[2], t[3], t[4]}), order);
    }

    void firstSeatIsTheNextUsedPositionAfterTheDrawnOne() {
        HostFixture f;
        f.join("Host");
        f.dice->queueDraw(3); // position 4 of 1,3,2,4
        QStringList got = startedGame(f, "1+0+1+1+0+0+1");
        QCOMPARE(got.value(1), QString("CMD_nextplayer+1+1+~"));
    }

    void blockLimitAsApplied_data() {
        QTest::addColumn<QString>("blocking");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("applied");
        QTest::newRow("1 counts as 2") << "1" << "1" << 2;
        QTest::newRow("0 unlimited") << "1" << "0" << 0;
        QTest::newRow("blocking off") << "0" << "5" << 0;
        QTest::newRow("above the range") << "1" << "99" << 10;
        QTest::newRow("negative") << "1" << "-3" << 0;
    }
    void blockLimitAsApplied() {
        QFETCH(QString, blocking);
        QFETCH(QString, limit);
        QFETCH(int, applied);
        HostFixture f;
        f.join("Host");
        QStringList got = startedGame(f, "1+0+" + blocking + "+1+0+" + limit + "+0");
        QCOMPARE(got.value(0), QString("CMD_startgame+Host+1+0+%1+1+f+f+0+%2+0+~").arg(blocking).arg(applied));
        QCOMPARE(f.board().options.blocklimit, applied);
    }

    void startgameWithABadLimitChangesNothing() {
        HostFixture f;
        f.join("Host");
        f.clearInbox();
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+x+0+~");
        QVERIFY(!f.turn().gamestarted);
        QVERIFY(f.inbox.empty());
        QVERIFY(!f.port.timerActive(HostTimer::Next));
        QVERIFY(!f.port.timerActive(HostTimer::Computer));
    }

    void rollWithNoMoveHandsOnAfterOneSecond() {
        HostFixture f;
        f.join("Host");
        startedGame(f);
        f.giveTurn(1);
        f.dice->queueDice(6, 4);
        f.say(1, "CMD_playerroll+1+~");
        QCOMPARE(f.inbox[1], (QStringList{"CMD_hisdice+1+2+6+4+0+0+0+~", "CMD_nomoves+1+~"}));
        QCOMPARE(f.port.timerDue(HostTimer::Next), f.port.now() + 1000);
        advance(f, 999);
        QCOMPARE(f.inbox[1].size(), 2);
        advance(f, 1);
        QCOMPARE(f.inbox[1].value(2), QString("CMD_nextplayer+2+1+~"));
    }

    void doublesRollAgainForTheSameSeat() {
        HostFixture f;
        f.join("Host");
        startedGame(f);
        f.giveTurn(1);
        f.dice->queueDice(4, 4);
        f.say(1, "CMD_playerroll+1+~");
        advance(f, 1000);
        QCOMPARE(f.inbox[1], (QStringList{"CMD_hisdice+1+2+4+4+4+4+0+~", "CMD_nomoves+1+~", "CMD_rollagain+1+~",
                                          "CMD_nextplayer+1+1+~"}));
        QCOMPARE(f.turn().doublescount, 1);
    }

    void thirdDoublesPenalty_data() {
        QTest::addColumn<bool>("penalty");
        QTest::addColumn<int>("pawnSquare");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sends the furthest pawn back") << true << 30 << "CMD_gotpenalty+1+1+0+2+2+~";
        QTest::newRow("nobody to send back") << true << 5 << "CMD_gotpenalty+1+0+1+2+2+~";
        QTest::newRow("penalty off keeps rolling") << false << 30 << "CMD_hisdice+1+2+2+2+2+2+0+~";
    }
    void thirdDoublesPenalty() {
        QFETCH(bool, penalty);
        QFETCH(int, pawnSquare);
        QFETCH(QString, expected);
        HostFixture f;
        f.join("Host");
        startedGame(f, penalty ? "1+0+1+1+0+0+0" : "0+0+1+1+0+0+0");
        f.giveTurn(1);
        f.position([&](GameSnapshot& g) {
            g.board.seats[1].pawnsquare[1] = pawnSquare;
            g.turn.doublescount = 2;
            g.turn.rollagain = true;
        });
        f.dice->queueDice(2, 2);
        f.say(1, "CMD_playerroll+1+~");
        QCOMPARE(f.inbox[1].value(0), expected);
        if (penalty) {
            QCOMPARE(f.turn().turnphase, 0);
            QVERIFY(!f.turn().rollagain);
            advance(f, 1000);
            QCOMPARE(f.inbox[1].last(), QString("CMD_nextplayer+2+1+~"));
        }
    }

    void requestErrorsGoToTheHumanOnly_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("reply");
        QTest::newRow("roll after rolling") << 2 << "CMD_playerroll+1+~" << "CMD_aerror+1+1+~";
        QTest::newRow("move before rolling") << 1 << "CMD_moveit+1+1+1+~" << "CMD_aerror+1+2+~";
        QTest::newRow("die already used") << 2 << "CMD_moveit+1+2+1+~" << "CMD_aerror+1+3+~";
        QTest::newRow("sum with a used die") << 2 << "CMD_moveit+1+3+1+~" << "CMD_aerror+1+3+~";
        QTest::newRow("no bonus") << 2 << "CMD_moveit+1+4+1+~" << "CMD_aerror+1+4+~";
        QTest::newRow("illegal move") << 2 << "CMD_moveit+1+1+2+~" << "CMD_aerror+1+5+~"; // pawn 2 at start, die 3
        QTest::newRow("pawn out of range") << 2 << "CMD_moveit+1+1+7+~" << "CMD_aerror+1+5+~";
        QTest::newRow("pawn zero") << 2 << "CMD_moveit+1+1+0+~" << "CMD_aerror+1+5+~";
        QTest::newRow("code out of range") << 2 << "CMD_moveit+1+13+1+~" << "CMD_aerror+1+5+~";
    }
    void requestErrorsGoToTheHumanOnly() {
        QFETCH(int, phase);
        QFETCH(QString, request);
        QFETCH(QString, reply);
        HostFixture f;
        f.join("Host");
        f.join("Spy");
        startedGame(f);
        f.giveTurn(1);
        f.position([&](GameSnapshot& g) {
            g.turn.turnphase = phase;
            g.board.amounts.die1 = 3;
            g.board.amounts.die2 = 0;
            g.board.seats[1].pawnsquare[1] = 30;
        });
        const BoardState before = f.board();
        f.say(1, request);
        QCOMPARE(f.inbox[1], QStringList{reply});
        QVERIFY(f.inbox[2].isEmpty());
        QVERIFY(f.board() == before);
    }

    void captureIsAnnouncedAfterTheMoveAndTheFlagOnlyToTheMover() {
        HostFixture f;
        f.join("Host");
        f.join("Two");
        f.join("Spy3");
        f.join("Spy4");
        f.join("Spy5");
        startedGame(f);
        f.giveTurn(1);
        f.position([](GameSnapshot& g) {
            g.board.seats[1].pawnsquare[1] = 9;
            g.board.seats[2].pawnsquare[1] = 13;
            g.turn.turnphase = 2;
            g.board.amounts.die1 = 4;
            g.board.amounts.die2 = 6;
        });
        const BoardState& b = f.board();
        f.say(1, "CMD_moveit+1+1+1+~");
        QCOMPARE(f.inbox[1].value(0), QString("CMD_movehim+1+1+1+13+9+20+0+0+0+0+0+0+0+t+~"));
        QCOMPARE(f.inbox[1].value(1), QString("CMD_sendback+1+2+1+0+~"));
        QCOMPARE(f.inbox[5].value(0), QString("CMD_movehim+1+1+1+13+9+20+0+0+0+0+0+0+0+f+~"));
        QCOMPARE(f.inbox[2].value(1), QString("CMD_sendback+1+2+1+0+~"));
        QCOMPARE(b.seats[2].pawnsquare[1], 0);
    }

    void flagCountsTheCapturedPawnStillStanding() {
        // Seat 1 captures on 13 with its 4. Its 2 could take the pawn on 12 to 14 once the
        // captured pawn has gone; everything else runs into the pair on 15. Judged with the
        // captured pawn still on 13, no move remains and the turn ends.
        HostFixture f;
        f.join("Host");
        startedGame(f, "1+0+1+1+0+0+0");
        f.giveTurn(1);
        f.position([](GameSnapshot& g) {
            g.board.seats[1].pawnsquare = {9, 12, 0, 0};
            g.board.seats[2].pawnsquare = {13, 0, 0, 0};
            g.board.seats[3].pawnsquare = {15, 15, 0, 0};
            g.turn.turnphase = 2;
            g.board.amounts.die1 = 4;
            g.board.amounts.die2 = 2;
        });
        const BoardState& b = f.board();
        f.say(1, "CMD_moveit+1+1+1+~");
        QVERIFY(f.inbox[1].value(0).startsWith("CMD_movehim+1+1+1+13+"));
        QVERIFY2(f.inbox[1].value(0).endsWith("+20+0+0+0+0+0+0+0+f+~"), qPrintable(f.inbox[1].value(0)));
        QVERIFY(f.inbox[1].value(1).startsWith("CMD_sendback+1+2+1+"));
        QVERIFY(checkformoves(b, SquareCounts(b), 1)); // afterwards the 2 would have been playable
        QVERIFY(f.port.timerActive(HostTimer::Next));
    }

    void passingAfterDoublesRollsAgain() {
        HostFixture f;
        f.join("Host");
        startedGame(f, "1+1+1+1+0+0+0");
        f.giveTurn(1);
        f.position([](GameSnapshot& g) { g.board.seats[1].pawnsquare[1] = 30; });
        f.dice->queueDice(3, 3);
        f.say(1, "CMD_playerroll+1+~");
        QCOMPARE(f.inbox[1].value(0), QString("CMD_hisdice+1+2+3+3+3+3+1+~"));
        f.say(1, "CMD_playerpass+1+~");
        advance(f, 1000);
        QCOMPARE(f.inbox[1].mid(1), (QStringList{"CMD_passing+1+~", "CMD_rollagain+1+~", "CMD_nextplayer+1+1+~"}));
        QVERIFY(f.board().seats[1].passedlast);
        // The pass offer is withheld on the next roll after a pass.
        f.dice->queueDice(1, 2);
        f.clearInbox();
        f.say(1, "CMD_playerroll+1+~");
        QCOMPARE(f.inbox[1].value(0), QString("CMD_hisdice+1+2+1+2+0+0+0+~"));
    }

    void blockLimitWarnsThenSendsTheLowerPawnBack() {
        HostFixture f;
        f.join("Host");
        startedGame(f, "1+0+1+1+0+3+0");
        f.position([](GameSnapshot& g) {
            g.turn.turnorder = {1, 0, 0, 0}; // only seat 1 plays, so every hand-on comes back to it
            g.board.seats[1].pawnsquare = {30, 30, 0, 0};
            g.board.seats[2].pawnsquare = {31, 31, 0, 0}; // a pair that bars every move of seat 1
        });
        f.giveTurn(1);
        const SeatState& s = f.board().seats[1];
        // Seat 1 rolls 6 and 4 and has no move: the turn passes, and comes back to it.
        auto handOn = [&] {
            f.dice->queueDice(6, 4);
            f.say(1, "CMD_playerroll+1+~");
            advance(f, 1000);
        };
        handOn(); // records the block
        QCOMPARE(s.blockturns[1], 0);
        handOn();
        QCOMPARE(s.blockturns[1], 1);
        f.clearInbox();
        handOn();
        QCOMPARE(f.inbox[1].value(2), QString("CMD_warning+1+1+2+~"));
        f.clearInbox();
        handOn();
        QCOMPARE(f.inbox[1].value(2), QString("CMD_gotpenalty1+1+1+26+~"));
        QCOMPARE(s.pawnsquare[1], 0);
        QCOMPARE(s.pawnsquare[2], 30);
    }

    void teamGame() {
        HostFixture f;
        f.join("Host");
        startedGame(f, "1+0+1+1+1+0+0");
        // Seat 1 is home: the turn passes over it. Seat 4 is on turn (position 4) and rolls
        // no move; the next position is 1 (seat 1), skipped for seat 3.
        f.position([](GameSnapshot& g) { g.board.seats[1].pawnsquare = {97, 97, 97, 97}; });
        f.giveTurn(4);
        f.dice->queueDice(6, 4);
        f.host.engine().playerroll(4);
        advance(f, 1000);
        QCOMPARE(f.inbox[1].value(2), QString("CMD_nextplayer+3+1+~"));
        // Seat 2 brings its last pawn home: team A wins.
        f.giveTurn(2);
        f.position([](GameSnapshot& g) {
            g.board.seats[2].pawnsquare = {99, 99, 99, 89};
            g.turn.turnphase = 2;
            g.board.amounts.die1 = 1;
            g.board.amounts.die2 = 0;
        });
        f.host.engine().moveit(2, 1, 4);
        QCOMPARE(f.inbox[1].last(), QString("CMD_winner+5+~"));
        QVERIFY(!f.turn().gamestarted);
    }

    void botPacesItsTurnByTheBotDelay() {
        HostFixture f;
        f.join("Host");
        f.port.setBotDelay(500);
        QList<std::int64_t> times;
        QStringList seen;
        f.port.setSink([&](int c, std::string_view m) {
            if (c != 1) return;
            seen << shown(m);
            times << f.port.now();
        });
        f.dice->queueDraw(0); // position 1 drawn: seat 2 begins
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        f.position([](GameSnapshot& g) { g.board.seats[2].pawnsquare = {40, 50, 0, 0}; });
        const int start = int(seen.indexOf("CMD_nextplayer+2+1+~"));
        QVERIFY(start >= 0);
        f.dice->queueDice(1, 2);
        f.port.runUntil([&] { return seen.last().startsWith("CMD_nextplayer+1"); }, 10000);
        QStringList kinds;
        for (int i = start; i < seen.size(); ++i) kinds << seen[i].section('+', 0, 0);
        QCOMPARE(kinds, (QStringList{"CMD_nextplayer", "CMD_hisdice", "CMD_movehim", "CMD_movehim", "CMD_nextplayer"}));
        const auto t0 = times[start];
        QCOMPARE(times[start + 1] - t0, 500);  // roll after the bot delay
        QCOMPARE(times[start + 2] - t0, 750);  // first move 250 ms after its roll
        QCOMPARE(times[start + 3] - t0, 1250); // each further move after the bot delay
        QCOMPARE(times[start + 4] - t0, 2250); // the next seat one second after the last move
    }

    void humanTakingTheSeatBackStopsTheBot() {
        HostFixture f;
        f.join("Host");
        startedGame(f, "1+0+1+1+0+0+1");
        f.giveTurn(1);
        f.say(1, "CMD_justwatch+1+1~");
        QVERIFY(f.port.timerActive(HostTimer::Computer));
        f.say(1, "CMD_justwatch+1+2~");
        f.clearInbox();
        f.port.runFor(5000);
        QVERIFY2(f.inbox[1].isEmpty(), "a pending bot tick does nothing once a human is back");
    }

    void newGameCancelsTheOldGamesTimers() {
        HostFixture f;
        f.join("Host");
        startedGame(f);
        f.giveTurn(1);
        f.dice->queueDice(6, 4);
        f.say(1, "CMD_playerroll+1+~"); // no move: the next seat is a second away
        QVERIFY(f.port.timerActive(HostTimer::Next));
        f.clearInbox();
        f.say(1, "CMD_startgame+Host+1+0+1+1+0+0+0+~");
        f.port.runFor(1500);
        int turns = 0;
        for (const auto& m : f.inbox[1]) turns += m.startsWith("CMD_nextplayer+");
        QCOMPARE(turns, 1); // only the new game's first turn
    }
};

QTEST_APPLESS_MAIN(TestTurnEngine)
#include "test_turn_engine.moc"
