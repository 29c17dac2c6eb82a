// SPDX-License-Identifier: GPL-3.0-or-later
// The rule book: stepping, entering, captures, blocks, exact count home, bonuses and the
// search for a legal move.
#include <QTest>

#include "rules/board_rules.h"
#include "rules_fixture.h"

using namespace quadrino;
using namespace rulestest;

class TestBoardRules : public QObject {
    Q_OBJECT

  private slots:
    void stepSquare_data();
    void stepSquare();
    void everySeatsWayHome();
    void pawnOffItsPathStillSteps();
    void safeSquares();
    void trackDistance_data();
    void trackDistance();
    void moveCodes_data();
    void moveCodes();
    void oktomove_data();
    void oktomove();
    void blockCannotMoveAsUnit_data();
    void blockCannotMoveAsUnit();
    void refusedCommitChangesNothing();
    void badSeatOrPawnRefused_data();
    void badSeatOrPawnRefused();
    void pairCounting();
    void notteamie_data();
    void notteamie();
    void checkformoves_data();
    void checkformoves();
    void movesFlagSeesCapturedPawn();
    void findclosestpawn_data();
    void findclosestpawn();
    void bonusSlots_data();
    void bonusSlots();
    void twoCapturesFillTwoSlots();
};

void TestBoardRules::stepSquare_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("plain step") << 3 << 40 << 41;
    QTest::newRow("seat 1 turns into its column at 68") << 1 << 68 << 69;
    QTest::newRow("seat 2 wraps 68 to 1") << 2 << 68 << 1;
    QTest::newRow("seat 3 wraps 68 to 1") << 3 << 68 << 1;
    QTest::newRow("seat 4 wraps 68 to 1") << 4 << 68 << 1;
    QTest::newRow("seat 1 column end to home") << 1 << 75 << 97;
    QTest::newRow("seat 2 turns in after 34") << 2 << 34 << 83;
    QTest::newRow("seat 2 column end to home") << 2 << 89 << 99;
    QTest::newRow("seat 3 turns in after 51") << 3 << 51 << 76;
    QTest::newRow("seat 3 column end to home") << 3 << 82 << 98;
    QTest::newRow("seat 4 turns in after 17") << 4 << 17 << 90;
    QTest::newRow("seat 4 column end to home") << 4 << 96 << 100;
    QTest::newRow("seat 2 passes 17 on the track") << 2 << 17 << 18;
    QTest::newRow("seat 1 passes 34 on the track") << 1 << 34 << 35;
    QTest::newRow("from a home square just counts on") << 1 << 97 << 98;
}

void TestBoardRules::stepSquare() {
    QFETCH(int, seat);
    QFETCH(int, from);
    QFETCH(int, to);
    QCOMPARE(quadrino::stepSquare(seat, from), to);
}

void TestBoardRules::everySeatsWayHome() {
    // Stepping from each start square: once round the track, never onto another seat's
    // column, up the own column to the own home square, one progress point a step; and on an
    // empty board every distance from the start square lands where that many steps lead.
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const QString where = QStringLiteral("seat %1").arg(seat);
        BoardState b;
        b.seats[seat].pawnsquare[1] = startSquareOf(seat);
        QList<int> path = {startSquareOf(seat)};
        while (path.size() < kPathLength) {
            const int next = quadrino::stepSquare(seat, path.last());
            QCOMPARE(landingOn(b, seat, 1, static_cast<int>(path.size())), next);
            path << next;
        }
        QCOMPARE(path.last(), homeSquareOf(seat));
        QCOMPARE(landingOn(b, seat, 1, kPathLength), 0); // past the home square
        for (qsizetype i = 0; i < path.size(); ++i) {
            const int square = path[i];
            QVERIFY2(path.count(square) == 1, qPrintable(where));
            const bool column = square >= homeColumnStartOf(seat) && square < homeColumnStartOf(seat) + kHomeColumnLength;
            QVERIFY2(i < kTrackStepsPerSeat ? square >= 1 && square <= kTrackSquares : column || square == homeSquareOf(seat),
                     qPrintable(where));
            QCOMPARE(pawnProgress(seat, square), static_cast<int>(i) + 1);
        }
    }
}

void TestBoardRules::pawnOffItsPathStillSteps() {
    // Seat 1 never passes squares 1..4, but a hand-made board may put a pawn there: it steps
    // by the rule, stopped by a pair like any other.
    BoardState b;
    b.seats[1].pawnsquare = {2, 0, 0, 0};
    QCOMPARE(landingOn(b, 1, 1, 4), 6);
    QCOMPARE(pawnProgress(1, 2), 1 + quadrino::trackDistance(1, 2));
    b.seats[3].pawnsquare = {4, 4, 0, 0};
    QCOMPARE(landingOn(b, 1, 1, 4), 0);
}

void TestBoardRules::safeSquares() {
    const QList<int> safe = {5, 12, 17, 22, 29, 34, 39, 46, 51, 56, 63, 68};
    for (int sq = 0; sq <= 100; ++sq)
        QVERIFY2(isSafeSquare(sq) == safe.contains(sq), qPrintable(QString::number(sq)));
}

void TestBoardRules::trackDistance_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("square");
    QTest::addColumn<int>("distance");
    QTest::newRow("own start square") << 1 << 5 << 0;
    QTest::newRow("seat 1 last track square") << 1 << 68 << 63;
    QTest::newRow("seat 2 own start") << 2 << 39 << 0;
    QTest::newRow("seat 2 past the wrap") << 2 << 1 << 30;
    QTest::newRow("seat 2 last track square") << 2 << 34 << 63;
    QTest::newRow("seat 3 last track square") << 3 << 51 << 63;
    QTest::newRow("seat 4 last track square") << 4 << 17 << 63;
    QTest::newRow("seat 4 on 68") << 4 << 68 << 46;
}

void TestBoardRules::trackDistance() {
    QFETCH(int, seat);
    QFETCH(int, square);
    QFETCH(int, distance);
    QCOMPARE(quadrino::trackDistance(seat, square), distance);
}

void TestBoardRules::moveCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("amounts");
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("afterSpend");
    // Every slot holds a different value so a code that reads or empties the wrong one shows.
    const QString full = "d1=1 d2=2 x1=3 x2=4 b20a=20 b20b=21 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("1 die1") << 1 << full << 1 << 3
                            << "d2=2 x1=3 x2=4 b20a=20 b20b=21 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("2 die2") << 2 << full << 2 << 3
                            << "d1=1 x1=3 x2=4 b20a=20 b20b=21 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("3 dice sum") << 3 << full << 3 << 3
                                << "x1=3 x2=4 b20a=20 b20b=21 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("4 bonus20a") << 4 << full << 20 << 4
                                << "d1=1 d2=2 x1=3 x2=4 b20b=21 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("5 bonus10a") << 5 << full << 10 << 4
                                << "d1=1 d2=2 x1=3 x2=4 b20a=20 b20b=21 b20c=22 b10b=11 b10c=12";
    QTest::newRow("6 double1") << 6 << full << 3 << 4
                               << "d1=1 d2=2 x2=4 b20a=20 b20b=21 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("7 double2") << 7 << full << 4 << 4
                               << "d1=1 d2=2 x1=3 b20a=20 b20b=21 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("8 doubles sum") << 8 << full << 7 << 4
                                   << "d1=1 d2=2 b20a=20 b20b=21 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("9 bonus20b") << 9 << full << 21 << 4
                                << "d1=1 d2=2 x1=3 x2=4 b20a=20 b20c=22 b10a=10 b10b=11 b10c=12";
    QTest::newRow("10 bonus20c") << 10 << full << 22 << 4
                                 << "d1=1 d2=2 x1=3 x2=4 b20a=20 b20b=21 b10a=10 b10b=11 b10c=12";
    QTest::newRow("11 bonus10b") << 11 << full << 11 << 4
                                 << "d1=1 d2=2 x1=3 x2=4 b20a=20 b20b=21 b20c=22 b10a=10 b10c=12";
    QTest::newRow("12 bonus10c") << 12 << full << 12 << 4
                                 << "d1=1 d2=2 x1=3 x2=4 b20a=20 b20b=21 b20c=22 b10a=10 b10b=11";
    QTest::newRow("3 needs both dice") << 3 << "d2=4" << 0 << 3 << "";
    QTest::newRow("3 needs both dice, other one") << 3 << "d1=4" << 0 << 3 << "";
    QTest::newRow("8 needs both copies") << 8 << "x1=6" << 0 << 4 << "";
    QTest::newRow("used die") << 1 << "d2=6" << 0 << 3 << "d2=6";
    QTest::newRow("code 0") << 0 << full << -1 << 5 << full;
    QTest::newRow("code 13") << 13 << full << -1 << 5 << full;
}

void TestBoardRules::moveCodes() {
    QFETCH(int, code);
    QFETCH(QString, amounts);
    QFETCH(int, amount);
    QFETCH(int, error);
    QFETCH(QString, afterSpend);
    MoveSlots m = makeSlots(amounts);
    const std::optional<int> got = amountOfCode(m, code);
    if (amount < 0) {
        QVERIFY(!got.has_value());
    } else {
        QVERIFY(got.has_value());
        QCOMPARE(*got, amount);
    }
    QCOMPARE(unavailableError(code), error);
    spendCode(m, code);
    QVERIFY(sameSlots(m, makeSlots(afterSpend)));
    QCOMPARE(allSlotsEmpty(m), afterSpend.isEmpty());
}

void TestBoardRules::oktomove_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("pawn");
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("landing");
    QTest::addColumn<QString>("captured"); // "seat.pawn" or empty
    QTest::addColumn<int>("progressGain"); // once the pawn stands on its landing square

    // Entering from start.
    QTest::newRow("enter seat 1 with a five") << ""
                                              << "" << 1 << 1 << 5 << 5 << "" << 1;
    QTest::newRow("enter seat 2 with a five") << ""
                                              << "" << 2 << 3 << 5 << 39 << "" << 1;
    QTest::newRow("enter seat 3 with a five") << ""
                                              << "" << 3 << 4 << 5 << 56 << "" << 1;
    QTest::newRow("enter seat 4 with a five") << ""
                                              << "" << 4 << 2 << 5 << 22 << "" << 1;
    QTest::newRow("no entering with a six") << ""
                                            << "" << 1 << 1 << 6 << 0 << "" << 0;
    QTest::newRow("no entering with a four") << ""
                                             << "" << 1 << 1 << 4 << 0 << "" << 0;
    QTest::newRow("no entering with a ten") << ""
                                            << "" << 1 << 1 << 10 << 0 << "" << 0;
    QTest::newRow("second pawn joins with blocking") << "1.1=5"
                                                     << "block" << 1 << 2 << 5 << 5 << "" << 1;
    QTest::newRow("second pawn refused without blocking") << "1.1=5"
                                                          << "pounce" << 1 << 2 << 5 << 0 << "" << 0;
    QTest::newRow("third pawn never joins a pair") << "1.1=5 1.2=5"
                                                   << "block pounce" << 1 << 3 << 5 << 0 << "" << 0;
    QTest::newRow("entry pounces on a lone opponent") << "3.3=5"
                                                      << "pounce" << 1 << 1 << 5 << 5 << "3.3" << 1;
    QTest::newRow("entry onto lone opponent without pouncing") << "3.3=5"
                                                               << "block" << 1 << 1 << 5 << 0 << "" << 0;
    QTest::newRow("entry onto an opponent pair") << "3.3=5 3.4=5"
                                                 << "block pounce" << 1 << 1 << 5 << 0 << "" << 0;
    QTest::newRow("entry onto partner in a team game") << "2.1=5"
                                                       << "pounce team" << 1 << 1 << 5 << 0 << "" << 0;
    QTest::newRow("entry pounces on partner outside a team game")
        << "2.1=5"
        << "pounce" << 1 << 1 << 5 << 5 << "2.1" << 1;
    QTest::newRow("entry pounces on the other team") << "4.2=39"
                                                     << "pounce team" << 2 << 1 << 5 << 39 << "4.2" << 1;

    // Stepping, wrap and home columns.
    QTest::newRow("seat 1 from 68 into its column") << "1.1=68"
                                                    << "" << 1 << 1 << 1 << 69 << "" << 1;
    QTest::newRow("seat 2 from 68 wraps to 1") << "2.1=68"
                                               << "" << 2 << 1 << 1 << 1 << "" << 1;
    QTest::newRow("seat 3 wraps past 68") << "3.1=67"
                                          << "" << 3 << 1 << 3 << 2 << "" << 3;
    QTest::newRow("seat 2 from 34 moving 2") << "2.1=34"
                                             << "" << 2 << 1 << 2 << 84 << "" << 2;
    QTest::newRow("seat 3 turns in at 51") << "3.1=50"
                                           << "" << 3 << 1 << 3 << 77 << "" << 3;
    QTest::newRow("seat 4 turns in at 17") << "4.1=16"
                                           << "" << 4 << 1 << 2 << 90 << "" << 2;
    QTest::newRow("seat 1 passes 17 and 34") << "1.1=15"
                                             << "" << 1 << 1 << 20 << 35 << "" << 20;

    // Exact count home.
    QTest::newRow("seat 1 home from 75 with 1") << "1.1=75"
                                                << "" << 1 << 1 << 1 << 97 << "" << 1;
    QTest::newRow("seat 1 from 75 with 2 overshoots") << "1.1=75"
                                                      << "" << 1 << 1 << 2 << 0 << "" << 0;
    QTest::newRow("seat 2 home from 89") << "2.1=89"
                                         << "" << 2 << 1 << 1 << 99 << "" << 1;
    QTest::newRow("seat 3 home from 82") << "3.1=82"
                                         << "" << 3 << 1 << 1 << 98 << "" << 1;
    QTest::newRow("seat 4 home from 17 with 8") << "4.1=17"
                                                << "" << 4 << 1 << 8 << 100 << "" << 8;
    QTest::newRow("seat 4 from 17 with 9 overshoots") << "4.1=17"
                                                      << "" << 4 << 1 << 9 << 0 << "" << 0;
    QTest::newRow("seat 1 home with a 20 from 56") << "1.1=56"
                                                   << "" << 1 << 1 << 20 << 97 << "" << 20;
    QTest::newRow("seat 1 with a 20 from 57 overshoots") << "1.1=57"
                                                         << "" << 1 << 1 << 20 << 0 << "" << 0;
    QTest::newRow("seat 3 with a 20 from 81 overshoots") << "3.1=81"
                                                         << "" << 3 << 1 << 20 << 0 << "" << 0;
    QTest::newRow("pawn at home cannot move") << "2.1=99"
                                              << "" << 2 << 1 << 1 << 0 << "" << 0;
    QTest::newRow("home beside own pawns counts its step") << "1.1=97 1.2=97 1.3=75"
                                                           << "" << 1 << 3 << 1 << 97 << "" << 1;

    // Pairs on the way.
    QTest::newRow("own pair on the way") << "1.1=10 1.2=12 1.3=12"
                                         << "block" << 1 << 1 << 4 << 0 << "" << 0;
    QTest::newRow("opponent pair on the way") << "1.1=10 3.1=12 3.2=12"
                                              << "block pounce" << 1 << 1 << 4 << 0 << "" << 0;
    QTest::newRow("partner pair on the way") << "1.1=10 2.1=13 2.2=13"
                                             << "block team" << 1 << 1 << 6 << 0 << "" << 0;
    QTest::newRow("lone pawn on the way") << "1.1=10 3.1=12"
                                          << "" << 1 << 1 << 4 << 14 << "" << 4;
    QTest::newRow("opponent pair on the target") << "1.1=10 3.1=14 3.2=14"
                                                 << "block pounce" << 1 << 1 << 4 << 0 << "" << 0;
    QTest::newRow("pair in own home column") << "1.1=68 1.2=70 1.3=70"
                                             << "block" << 1 << 1 << 4 << 0 << "" << 0;
    QTest::newRow("a block may leave its square") << "1.1=20 1.2=20"
                                                  << "block" << 1 << 1 << 3 << 23 << "" << 3;
    QTest::newRow("seat 2 pair past the wrap") << "2.1=66 4.1=1 4.2=1"
                                               << "block" << 2 << 1 << 5 << 0 << "" << 0;

    // Landing: captures, safe squares, own pawns.
    QTest::newRow("capture on 13") << "1.1=10 3.1=13"
                                   << "pounce" << 1 << 1 << 3 << 13 << "3.1" << 3;
    QTest::newRow("no capture on safe 12") << "1.1=10 3.1=12"
                                           << "pounce" << 1 << 1 << 2 << 0 << "" << 0;
    QTest::newRow("no capture on a start square") << "1.1=50 3.1=56"
                                                  << "pounce block" << 1 << 1 << 6 << 0 << "" << 0;
    QTest::newRow("no capture without pouncing") << "1.1=10 3.1=13"
                                                 << "block" << 1 << 1 << 3 << 0 << "" << 0;
    QTest::newRow("partner safe in a team game") << "1.1=10 2.1=13"
                                                 << "pounce team" << 1 << 1 << 3 << 0 << "" << 0;
    QTest::newRow("partner captured outside a team game") << "1.1=10 2.1=13"
                                                          << "pounce" << 1 << 1 << 3 << 13 << "2.1" << 3;
    QTest::newRow("other team captured in a team game") << "3.1=10 2.4=13"
                                                        << "pounce team" << 3 << 1 << 3 << 13 << "2.4" << 3;
    QTest::newRow("seat 2 captures past the wrap") << "2.1=66 1.1=2"
                                                   << "pounce" << 2 << 1 << 4 << 2 << "1.1" << 4;
    QTest::newRow("join own pawn on a safe square") << "1.1=10 1.2=12"
                                                    << "block" << 1 << 1 << 2 << 12 << "" << 2;
    QTest::newRow("join own pawn on a safe square, no blocking") << "1.1=10 1.2=12"
                                                                 << "pounce" << 1 << 1 << 2 << 0 << "" << 0;
    QTest::newRow("join own pawn on a plain square") << "1.1=10 1.2=13"
                                                     << "block" << 1 << 1 << 3 << 13 << "" << 3;
    QTest::newRow("join own pawn on a plain square, no blocking") << "1.1=10 1.2=13"
                                                                  << "pounce" << 1 << 1 << 3 << 0 << "" << 0;
    QTest::newRow("join own pawn in the home column") << "1.1=68 1.2=71"
                                                      << "block" << 1 << 1 << 3 << 71 << "" << 3;
    QTest::newRow("rejoin the turn's block partner") << "1.1=40 1.2=43 bp1.2=1 bp1.1=2"
                                                     << "block" << 1 << 1 << 3 << 0 << "" << 0;
    QTest::newRow("rejoin the block partner on a safe square") << "1.1=40 1.2=46 bp1.2=1 bp1.1=2"
                                                               << "block" << 1 << 1 << 6 << 46 << "" << 6;
}

void TestBoardRules::oktomove() {
    QFETCH(QString, position);
    QFETCH(QString, options);
    QFETCH(int, seat);
    QFETCH(int, pawn);
    QFETCH(int, amount);
    QFETCH(int, landing);
    QFETCH(QString, captured);
    QFETCH(int, progressGain);

    // The amount as die1, so that committing it spends code 1 and nothing else.
    BoardState b = makeBoard(position, options, QStringLiteral("d1=%1").arg(amount));
    const BoardState before = b;
    QCOMPARE(landingOn(b, seat, pawn, amount), landing);

    SquareCounts counts(b);
    const CommittedMove committed = commitMove(b, counts, seat, pawn, 1);
    QCOMPARE(committed.landing, landing);
    if (landing == 0) {
        QVERIFY(sameBoard(b, before));
        return;
    }
    // The pawn moved, the counts with it; a captured pawn stays until the caller sends it back.
    QCOMPARE(b.seats[seat].pawnsquare[pawn], landing);
    QVERIFY(counts == SquareCounts(b));
    QCOMPARE(b.amounts.die1, 0);
    QCOMPARE(quadrino::progressOf(b, seat) - quadrino::progressOf(before, seat), progressGain);
    if (captured.isEmpty()) {
        QCOMPARE(b.sendseat, 0);
        QCOMPARE(b.sendpawn, 0);
        QCOMPARE(b.amounts.bonus20a, 0);
    } else {
        QCOMPARE(QString("%1.%2").arg(b.sendseat).arg(b.sendpawn), captured);
        QCOMPARE(b.amounts.bonus20a, 20);
        QCOMPARE(b.amounts.bonus20b, 0);
    }
}

// With double 3s two pawns that stood together at the turn's start cannot both move to 43;
// with double 6s they may both reach the safe square 46. A third pawn may always join.
void TestBoardRules::blockCannotMoveAsUnit_data() {
    QTest::addColumn<int>("die");
    QTest::addColumn<int>("secondLanding");
    QTest::newRow("double 3s to plain 43") << 3 << 0;
    QTest::newRow("double 6s to safe 46") << 6 << 46;
}

void TestBoardRules::blockCannotMoveAsUnit() {
    QFETCH(int, die);
    QFETCH(int, secondLanding);
    const QString d = QString::number(die);
    BoardState b = makeBoard("1.1=40 1.2=40 bp1.1=2 bp1.2=1 1.3=37", "block pounce",
                             QString("d1=%1 d2=%1 x1=%1 x2=%1").arg(d));
    const AppliedMove first = applyMove(b, 1, 1, 1);
    QCOMPARE(first.landing, 40 + die);
    QVERIFY(first.more);
    const int progress = quadrino::progressOf(b, 1);
    QCOMPARE(applyMove(b, 1, 2, 2).landing, secondLanding);
    if (secondLanding == 0) {
        QCOMPARE(b.seats[1].pawnsquare[2], 40);
        QCOMPARE(quadrino::progressOf(b, 1), progress);
        // Pawn 3 was not part of the block and may join pawn 1 with the doubles sum.
        QCOMPARE(applyMove(b, 1, 8, 3).landing, 43);
    } else {
        QCOMPARE(quadrino::progressOf(b, 1), progress + die); // joining on a safe square counts too
    }
}

void TestBoardRules::refusedCommitChangesNothing() {
    // The scan captures seat 1's lone pawn on seat 3's start square and then meets the
    // partner's pawn, which refuses the entry: the capture must not stay recorded. (Two
    // seats never share a square in play; the position only pins down the order.)
    BoardState b = makeBoard("1.1=56 4.1=56", "pounce team", "d1=5");
    const BoardState before = b;
    SquareCounts counts(b);
    QCOMPARE(commitMove(b, counts, 3, 1, 1).landing, 0);
    QVERIFY(sameBoard(b, before));
    QVERIFY(counts == SquareCounts(b));
    // Without the partner the same entry captures.
    b.seats[4].pawnsquare[1] = 0;
    counts = SquareCounts(b);
    QCOMPARE(commitMove(b, counts, 3, 1, 1).landing, 56);
    QCOMPARE(b.sendseat, 1);
    QCOMPARE(b.sendpawn, 1);
    QCOMPARE(b.amounts.bonus20a, 20);
}

void TestBoardRules::badSeatOrPawnRefused_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("pawn");
    QTest::addColumn<int>("amount");
    QTest::newRow("pawn 0") << 1 << 0 << 5;
    QTest::newRow("pawn 5") << 1 << 5 << 5;
    QTest::newRow("pawn -1") << 1 << -1 << 5;
    QTest::newRow("seat 0") << 0 << 1 << 5;
    QTest::newRow("seat 5") << 5 << 1 << 5;
    QTest::newRow("amount 0") << 1 << 2 << 0;
    QTest::newRow("negative amount") << 1 << 2 << -3;
    QTest::newRow("huge amount") << 1 << 2 << 2000000000;
}

void TestBoardRules::badSeatOrPawnRefused() {
    QFETCH(int, seat);
    QFETCH(int, pawn);
    QFETCH(int, amount);
    BoardState b = makeBoard("1.2=10 1.1=0 3.1=5", "pounce block");
    b.amounts.die1 = amount;
    const BoardState before = b;
    QCOMPARE(landingOn(b, seat, pawn, amount), 0);
    SquareCounts counts(b);
    QCOMPARE(commitMove(b, counts, seat, pawn, 1).landing, 0);
    QCOMPARE(commitMove(b, counts, seat, pawn, 0).landing, 0);
    QCOMPARE(commitMove(b, counts, seat, pawn, 13).landing, 0);
    QVERIFY(sameBoard(b, before));
    QCOMPARE(hasMove(b, 0), false);
    QCOMPARE(hasMove(b, 5), false);
    QCOMPARE(quadrino::findclosestpawn(b, 9), 0);
    QCOMPARE(morethentwo(b, 0, 0), false);
}

void TestBoardRules::pairCounting() {
    // Two pawns of different seats make a pair for passing, but not a block of either seat.
    const BoardState b = makeBoard("1.1=13 3.1=13 2.1=20 2.2=20 4.1=97");
    QVERIFY(checkfortwo(b, 13));
    QVERIFY(!morethentwo(b, 1, 13));
    QVERIFY(!morethentwo(b, 3, 13));
    QVERIFY(checkfortwo(b, 20));
    QVERIFY(morethentwo(b, 2, 20));
    QVERIFY(!morethentwo(b, 1, 20));
    QVERIFY(!checkfortwo(b, 97));
    QVERIFY(!checkfortwo(b, 21));
}

void TestBoardRules::notteamie_data() {
    QTest::addColumn<bool>("team");
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("other");
    QTest::addColumn<bool>("expected");
    QTest::newRow("no team game: partners") << false << 1 << 2 << true;
    QTest::newRow("team A") << true << 1 << 2 << false;
    QTest::newRow("team A reversed") << true << 2 << 1 << false;
    QTest::newRow("team B") << true << 3 << 4 << false;
    QTest::newRow("team B reversed") << true << 4 << 3 << false;
    QTest::newRow("across teams") << true << 1 << 3 << true;
    QTest::newRow("across teams 2-4") << true << 2 << 4 << true;
    QTest::newRow("same seat") << true << 1 << 1 << true;
    QTest::newRow("seat out of range") << true << 1 << 5 << true;
    QTest::newRow("seat 0") << true << 0 << 2 << true;
}

void TestBoardRules::notteamie() {
    QFETCH(bool, team);
    QFETCH(int, seat);
    QFETCH(int, other);
    QFETCH(bool, expected);
    BoardState b;
    b.options.teamgame = team;
    QCOMPARE(quadrino::notteamie(b, seat, other), expected);
}

void TestBoardRules::checkformoves_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("amounts");
    QTest::addColumn<int>("seat");
    QTest::addColumn<bool>("expected");
    QTest::newRow("no amounts left") << "1.1=10"
                                     << ""
                                     << "" << 1 << false;
    QTest::newRow("all at start with a five") << ""
                                              << ""
                                              << "d1=5" << 1 << true;
    QTest::newRow("all at start with 6 and 4") << ""
                                               << ""
                                               << "d1=6 d2=4" << 1 << false;
    QTest::newRow("all at start, dice 2 and 3") << ""
                                                << ""
                                                << "d1=2 d2=3" << 2 << true;
    QTest::newRow("all at start, doubles copy 5") << ""
                                                  << ""
                                                  << "x2=5" << 3 << true;
    QTest::newRow("all home") << "4.1=100 4.2=100 4.3=100 4.4=100"
                              << ""
                              << "d1=1 d2=2" << 4 << false;
    QTest::newRow("only a 10 bonus left") << "1.1=10 1.2=97 1.3=97 1.4=97"
                                          << ""
                                          << "b10b=10" << 1 << true;
    QTest::newRow("only a 20 bonus, blocked") << "1.1=10 1.2=97 1.3=97 1.4=97 3.1=25 3.2=25"
                                              << "block"
                                              << "b20c=20" << 1 << false;
    QTest::newRow("only the dice sum fits") << "1.1=10 1.2=97 1.3=97 1.4=97 2.1=12 3.1=13"
                                            << ""
                                            << "d1=2 d2=3" << 1 << true;
    QTest::newRow("dice sum blocked too") << "1.1=10 1.2=97 1.3=97 1.4=97 2.1=12 3.1=13 4.1=15 4.2=15"
                                          << "block"
                                          << "d1=2 d2=3" << 1 << false;
    QTest::newRow("only the doubles sum fits") << "1.1=10 1.2=97 1.3=97 1.4=97 3.1=13"
                                               << ""
                                               << "x1=3 x2=3" << 1 << true;
    QTest::newRow("doubles sum refused too") << "1.1=10 1.2=97 1.3=97 1.4=97 3.1=13 4.1=16"
                                             << ""
                                             << "x1=3 x2=3" << 1 << false;
    QTest::newRow("only a die larger than the way home") << "1.1=74 1.2=97 1.3=97 1.4=97"
                                                         << ""
                                                         << "d1=3 d2=4" << 1 << false;
}

void TestBoardRules::checkformoves() {
    QFETCH(QString, position);
    QFETCH(QString, options);
    QFETCH(QString, amounts);
    QFETCH(int, seat);
    QFETCH(bool, expected);
    const BoardState b = makeBoard(position, options, amounts);
    QCOMPARE(hasMove(b, seat), expected);
}

// The moves flag after a capture is taken while the captured pawn still stands on the
// landing square, so that square holds a pair and blocks the remaining moves.
void TestBoardRules::movesFlagSeesCapturedPawn() {
    // Seat 1: pawn 1 on 10 captures seat 2's lone pawn on 13 with die1 = 3. Left: die2 = 1
    // and the new 20. Pawn 1 cannot use either (seat 3's pair on 14); pawn 2 on 12 would
    // have to land on or pass 13; pawns 3 and 4 are at start without a five.
    BoardState b = makeBoard("1.1=10 1.2=12 2.1=13 3.1=14 3.2=14", "block pounce", "d1=3 d2=1");
    const AppliedMove r = applyMove(b, 1, 1, 1);
    QCOMPARE(r.landing, 13);
    QVERIFY(!r.more);
    // Once the captured pawn is back at start, pawn 2 could join pawn 1 on 13.
    QCOMPARE(b.seats[2].pawnsquare[1], 0);
    QCOMPARE(b.amounts.bonus20a, 20);
    QVERIFY(hasMove(b, 1));
    QCOMPARE(quadrino::progressOf(b, 1), 17); // 1 + 8 for the pawn on 13, 1 + 7 on 12
    QCOMPARE(quadrino::progressOf(b, 2), 0);  // its only pawn went back: never below 0
}

void TestBoardRules::findclosestpawn_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("expected");
    QTest::newRow("start square, column, start and home only") << "1.1=5 1.2=70 1.4=97" << 1 << 0;
    QTest::newRow("all at start") << "" << 3 << 0;
    QTest::newRow("farthest on the track") << "1.1=10 1.2=40 1.3=68 1.4=75" << 1 << 3;
    QTest::newRow("tie goes to the lowest pawn") << "1.1=6 1.2=30 1.4=30" << 1 << 2;
    QTest::newRow("seat 2 counts past the wrap") << "2.1=60 2.2=3" << 2 << 2;
    QTest::newRow("seat 4 column pawn is never chosen") << "4.1=23 4.2=91" << 4 << 1;
    QTest::newRow("seat 3 on its start square") << "3.1=56 3.3=57" << 3 << 3;
}

void TestBoardRules::findclosestpawn() {
    QFETCH(QString, position);
    QFETCH(int, seat);
    QFETCH(int, expected);
    QCOMPARE(quadrino::findclosestpawn(makeBoard(position), seat), expected);
}

void TestBoardRules::bonusSlots_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty") << "0 0 0"
                           << "1 0 0";
    QTest::newRow("one full") << "1 0 0"
                              << "1 1 0";
    QTest::newRow("two full") << "1 1 0"
                              << "1 1 1";
    QTest::newRow("all full: lost") << "1 1 1"
                                    << "1 1 1";
    QTest::newRow("first spent") << "0 1 1"
                                 << "1 1 1";
    QTest::newRow("middle spent") << "1 0 1"
                                  << "1 1 1";
}

void TestBoardRules::bonusSlots() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    const QStringList in = before.split(' ');
    const QStringList out = after.split(' ');
    for (int kind : {10, 20}) {
        MoveSlots m = makeSlots("d1=3 d2=4 x1=1 x2=1");
        int* slot[3] = {&m.bonus10a, &m.bonus10b, &m.bonus10c};
        int* other[3] = {&m.bonus20a, &m.bonus20b, &m.bonus20c};
        if (kind == 20) {
            std::swap(slot, other);
        }
        for (std::size_t i = 0; i < 3; ++i)
            *slot[i] = in[static_cast<qsizetype>(i)].toInt() * kind;
        if (kind == 10)
            awardHomeBonus(m);
        else
            awardCaptureBonus(m);
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(*slot[i], out[static_cast<qsizetype>(i)].toInt() * kind);
            QCOMPARE(*other[i], 0);
        }
        QCOMPARE(m.die1, 3);
        QCOMPARE(m.die2, 4);
    }
}

void TestBoardRules::twoCapturesFillTwoSlots() {
    // Seat 1 captures with die1, then again with die2: the two 20s fill bonus20a and b.
    BoardState b = makeBoard("1.1=10 1.2=30 3.1=13 4.1=35", "pounce", "d1=3 d2=5");
    QCOMPARE(applyMove(b, 1, 1, 1).landing, 13);
    QCOMPARE(applyMove(b, 1, 2, 2).landing, 35);
    QCOMPARE(b.amounts.bonus20a, 20);
    QCOMPARE(b.amounts.bonus20b, 20);
    QCOMPARE(b.amounts.bonus20c, 0);
    QCOMPARE(b.seats[3].pawnsquare[1], 0);
    QCOMPARE(b.seats[4].pawnsquare[1], 0);
    QCOMPARE(quadrino::progressOf(b, 1), 40); // 1 + 8 on 13, 1 + 30 on 35
    // A capture made with bonus20a is awarded while that slot is still full, so the new
    // 20 goes to bonus20c and bonus20a is empty afterwards.
    b.seats[3].pawnsquare[2] = 55;
    QCOMPARE(applyMove(b, 1, 4, 2).landing, 55);
    QCOMPARE(b.amounts.bonus20a, 0);
    QCOMPARE(b.amounts.bonus20b, 20);
    QCOMPARE(b.amounts.bonus20c, 20);
}

QTEST_GUILESS_MAIN(TestBoardRules)
#include "test_board_rules.moc"
