// SPDX-License-Identifier: GPL-3.0-or-later
// The Classic computer player's choices: the order of its four steps, the loops inside each,
// and that whatever it proposes the rules grant. Bot-only games check the whole on many
// positions that nobody wrote by hand.
#include <QTest>

#include <array>

#include "rules/board_rules.h"
#include "rules/computer_player.h"
#include "rules/random.h"
#include "rules/strong_player.h"
#include "rules_fixture.h"

using namespace quadrino;
using namespace rulestest;

class TestComputerPlayer : public QObject {
    Q_OBJECT

  private slots:
    void decision_data();
    void decision();
    void sendLandsWhereTheRulesSay();
    void botGames_data();
    void botGames();
};

void TestComputerPlayer::decision_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("amounts");
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("code");     // 0: no move
    QTest::addColumn<int>("pawn");

    const QString homeRest = " 1.2=97 1.3=97 1.4=97";

    // Entering.
    QTest::newRow("enters with die1 before any other move") << "1.1=20 1.2=97 1.3=97"
                                                            << ""
                                                            << "d1=5 d2=3" << 1 << 1 << 4;
    QTest::newRow("enters the highest-numbered pawn at start") << "1.2=20 1.4=30"
                                                               << ""
                                                               << "d1=5" << 1 << 1 << 3;
    QTest::newRow("enters with die2") << "2.1=60"
                                      << ""
                                      << "d1=3 d2=5" << 2 << 2 << 4;
    QTest::newRow("enters with the dice sum") << "3.1=60"
                                              << ""
                                              << "d1=2 d2=3" << 3 << 3 << 4;
    QTest::newRow("enters with the first doubles copy") << ""
                                                        << ""
                                                        << "x1=5 x2=5" << 4 << 6 << 4;
    QTest::newRow("enters with the second doubles copy") << ""
                                                         << ""
                                                         << "x2=5" << 1 << 7 << 4;
    QTest::newRow("no entering without a five: the track pawn moves") << "1.1=20"
                                                << ""
                                                << "d1=6 d2=1" << 1 << 1 << 1;
    QTest::newRow("no sum of five from one die: the track pawn moves") << "1.1=20"
                                                 << ""
                                                 << "d2=4 x1=1" << 1 << 2 << 1;
    QTest::newRow("own pair on the start square: a track move instead")
        << "1.1=5 1.2=5"
        << "block"
        << "d1=5 d2=3" << 1 << 1 << 1;
    QTest::newRow("entry refused by an opponent pair: a track move instead")
        << "1.1=20 2.1=5 2.2=5"
        << "block pounce"
        << "d1=5 d2=3" << 1 << 1 << 1;
    QTest::newRow("no entry beside an own pawn without blocking: it moves on") << "1.1=5"
                                                            << "pounce"
                                                            << "d1=5" << 1 << 1 << 1;
    QTest::newRow("entry pounces on a lone opponent") << "3.1=39 2.1=60"
                                                      << "pounce"
                                                      << "d1=1 d2=5" << 2 << 2 << 4;

    // Breaking a block before its limit.
    QTest::newRow("block due: pawn 1 moves before entering") << "1.1=20 1.2=20 bt1.1=2 1.3=40"
                                                             << "block limit=3"
                                                             << "d1=4 d2=5" << 1 << 1 << 1;
    QTest::newRow("block not yet due: entering first") << "1.1=20 1.2=20 bt1.1=1 1.3=40"
                                                       << "block limit=3"
                                                       << "d1=4 d2=5" << 1 << 2 << 4;
    QTest::newRow("block of pawns 1 and 3 is not broken") << "1.1=20 1.3=20 bt1.1=2 1.2=40"
                                                          << "block limit=3"
                                                          << "d1=4 d2=5" << 1 << 2 << 4;
    QTest::newRow("no limit, no block step: entering first") << "1.1=20 1.2=20 bt1.1=5 1.3=40"
                                             << "block"
                                             << "d1=4 d2=5" << 1 << 2 << 4;
    QTest::newRow("block step falls back to die2") << "1.1=20 1.2=20 bt1.1=2 3.1=24 3.2=24"
                                                   << "block limit=3"
                                                   << "d1=4 d2=2" << 1 << 2 << 1;
    QTest::newRow("block step tries the dice sum last") << "1.1=20 1.2=20 bt1.1=2 2.1=22 3.1=23"
                                                        << "block limit=3"
                                                        << "d1=2 d2=3" << 1 << 3 << 1;
    QTest::newRow("block of pawns 2 and 3 moves pawn 2") << "1.1=10 1.2=30 1.3=30 bt1.2=2"
                                                         << "block limit=3"
                                                         << "d1=1 d2=6" << 1 << 1 << 2;
    QTest::newRow("limit 2: due after one turn") << "1.1=20 1.2=20 bt1.1=1 1.3=40"
                                                 << "block limit=2"
                                                 << "d1=4" << 1 << 1 << 1;
    QTest::newRow("pawns together at start are no block") << "bt1.1=5"
                                                          << "block limit=3"
                                                          << "d1=4" << 1 << 0 << 0;

    // Capture attempts.
    QTest::newRow("capture on 35 with die2") << "1.1=30" + homeRest + " 3.1=35"
                                             << "pounce"
                                             << "d1=4 d2=5" << 1 << 2 << 1;
    QTest::newRow("past 68: the first legal move captures anyway") << "3.1=66 3.2=98 3.3=98 3.4=98 1.1=2"
                                                                   << "pounce"
                                                                   << "d1=4" << 3 << 1 << 1;
    QTest::newRow("seats are looped before slots") << "1.1=10" + homeRest + " 2.1=13 3.1=11"
                                                   << "pounce"
                                                   << "d1=1 d2=3" << 1 << 2 << 1;
    QTest::newRow("own pawns are looped before slots") << "1.1=10 1.2=20 1.3=97 1.4=97 3.1=14 4.1=23"
                                                       << "pounce"
                                                       << "d1=3 d2=4" << 1 << 2 << 1;
    QTest::newRow("capture with a 20 bonus") << "1.1=10" + homeRest + " 4.1=30"
                                             << "pounce"
                                             << "d1=6 b20b=20" << 1 << 9 << 1;
    QTest::newRow("partner refused: first legal move instead") << "1.1=10" + homeRest + " 2.1=13"
                                                               << "pounce team"
                                                               << "d1=3 d2=1" << 1 << 2 << 1;
    QTest::newRow("partner attacked outside a team game") << "1.1=10" + homeRest + " 2.1=13"
                                                          << "pounce"
                                                          << "d1=3 d2=1" << 1 << 1 << 1;
    QTest::newRow("no attack without pouncing: the first legal move") << "1.1=10" + homeRest + " 3.1=13"
                                                << ""
                                                << "d1=3 d2=1" << 1 << 2 << 1;
    QTest::newRow("distance into a home column is taken literally") << "1.1=66" + homeRest + " 3.1=76"
                                                                    << ""
                                                                    << "b10a=10" << 1 << 5 << 1;

    // First legal move.
    QTest::newRow("all slots of one pawn before the next") << "1.1=10 1.2=30 1.3=97 1.4=97 2.1=14 2.2=14"
                                                           << "block"
                                                           << "d1=4 d2=1" << 1 << 2 << 1;
    QTest::newRow("20s before 10s before doubles") << "1.1=10" + homeRest << ""
                                                   << "b10a=10 x1=2 x2=2 b20c=20" << 1 << 10 << 1;
    QTest::newRow("10s in slot order") << "1.1=10" + homeRest << ""
                                       << "b10c=10 b10b=10" << 1 << 11 << 1;
    QTest::newRow("doubles sum last") << "1.1=10" + homeRest + " 3.1=13"
                                      << ""
                                      << "x1=3 x2=3" << 1 << 8 << 1;
    QTest::newRow("pawns at home are not moved") << "1.1=97 1.2=40"
                                                 << ""
                                                 << "d1=3" << 1 << 1 << 2;
    QTest::newRow("nothing to play") << "1.1=97 1.2=97 1.3=97 1.4=75"
                                     << ""
                                     << "d1=3" << 1 << 0 << 0;
    QTest::newRow("nothing to play: all at start") << ""
                                                   << ""
                                                   << "d1=6 d2=6 x1=6 x2=6" << 4 << 0 << 0;
}

void TestComputerPlayer::decision() {
    QFETCH(QString, position);
    QFETCH(QString, options);
    QFETCH(QString, amounts);
    QFETCH(int, seat);
    QFETCH(int, code);
    QFETCH(int, pawn);

    const BoardState b = makeBoard(position, options, amounts);
    const std::optional<BotMove> got = computermove(b, SquareCounts(b), seat);
    if (code == 0) {
        QVERIFY2(!got, got ? qPrintable(QString("got code %1 pawn %2").arg(got->code).arg(got->pawn)) : "");
        return;
    }
    QVERIFY(got.has_value());
    QCOMPARE(got->code, code);
    QCOMPARE(got->pawn, pawn);
    const int amount = amountOfCode(b.amounts, code).value_or(0);
    QVERIFY(landingOn(b, seat, pawn, amount) != 0);
}

void TestComputerPlayer::sendLandsWhereTheRulesSay() {
    // Seat 1 on 30 attacks seat 3's lone pawn on 35 with die2; applying it captures.
    BoardState b = makeBoard("1.1=30 1.2=97 1.3=97 1.4=97 3.1=35", "pounce", "d1=4 d2=5");
    const auto move = computermove(b, SquareCounts(b), 1);
    QVERIFY(move.has_value());
    QCOMPARE(applyMove(b, 1, move->code, move->pawn).landing, 35);
    QCOMPARE(b.seats[3].pawnsquare[1], 0);
    QCOMPARE(b.amounts.bonus20a, 20);

    // A difference of 10 to a pawn in another seat's column is played though it lands home.
    BoardState c = makeBoard("1.1=66 1.2=97 1.3=97 1.4=97 3.1=76", "", "b10a=10");
    const auto home = computermove(c, SquareCounts(c), 1);
    QVERIFY(home.has_value());
    QCOMPARE(applyMove(c, 1, home->code, home->pawn).landing, 97);
    QCOMPARE(c.seats[3].pawnsquare[1], 76);
}

namespace {

constexpr std::array<int, 4> kOrder = {1, 3, 2, 4};

bool allHome(const BoardState& b, int seat) {
    const auto& me = b.seats[seat];
    for (int p = 1; p <= 4; ++p)
        if (me.pawnsquare[p] != homeSquareOf(seat)) return false;
    return true;
}

bool validSquareFor(int seat, int square) {
    if (square >= 0 && square <= 68) return true;
    if (square >= homeColumnStartOf(seat) && square < homeColumnStartOf(seat) + 7) return true;
    return square == homeSquareOf(seat);
}

int othersAtStart(const BoardState& b, int seat) {
    int n = 0;
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p)
            if (s != seat && b.seats[s].pawnsquare[p] == 0) ++n;
    return n;
}

// Checked after every applied move. Messages are built only on failure: this runs often.
void checkBoard(const BoardState& b) {
    for (int square = 1; square <= 96; ++square) {
        int seatsThere = 0;
        for (int s = 1; s <= 4; ++s) {
            int n = 0;
            for (int p = 1; p <= 4; ++p)
                if (b.seats[s].pawnsquare[p] == square) ++n;
            if (n > 2) QFAIL(qPrintable(QString("seat %1 has %2 pawns on %3").arg(s).arg(n).arg(square)));
            if (n > 0) ++seatsThere;
        }
        if (seatsThere > 1) QFAIL(qPrintable(QString("two seats on square %1").arg(square)));
    }
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p)
            if (!validSquareFor(s, b.seats[s].pawnsquare[p]))
                QFAIL(qPrintable(
                    QString("seat %1 pawn %2 on %3").arg(s).arg(p).arg(b.seats[s].pawnsquare[p])));
}

// One bot-only game. Returns the number of turns played, or -1 when it did not finish.
int playGame(const QString& options, quint32 seed, int maxTurns, int& movesPlayed, int& captures) {
    BoardState b;
    setOptions(b, options);
    Random rng(seed);
    std::size_t position = rng.below(4);
    for (int turn = 1; turn <= maxTurns; ++turn) {
        const int seat = kOrder[position];
        position = (position + 1) % 4;
        if (allHome(b, seat)) continue; // only in a team game, waiting for the partner
        applyBlockLimit(b, seat);
        recordBlockPartners(b, seat);
        checkBoard(b);
        if (QTest::currentTestFailed()) return -1;
        for (int rolls = 1; rolls <= 3; ++rolls) {
            b.amounts = MoveSlots{};
            b.amounts.die1 = rng.die();
            b.amounts.die2 = rng.die();
            const bool doubles = b.amounts.die1 == b.amounts.die2;
            if (doubles) {
                b.amounts.double1 = b.amounts.die1;
                b.amounts.double2 = b.amounts.die2;
            }
            bool moves = hasMove(b, seat);
            while (moves) {
                const std::optional<BotMove> move = computermove(b, SquareCounts(b), seat);
                if (!move) {
                    QTest::qFail("checkformoves found a move but the bot did not", __FILE__, __LINE__);
                    return -1;
                }
                const int amount = amountOfCode(b.amounts, move->code).value_or(0);
                const int expected = landingOn(b, seat, move->pawn, amount);
                const int othersAtStartBefore = othersAtStart(b, seat);
                const AppliedMove r = applyMove(b, seat, move->code, move->pawn);
                if (r.landing == 0 || r.landing != expected) {
                    QTest::qFail(
                        qPrintable(
                            QString("bot move code %1 pawn %2 refused").arg(move->code).arg(move->pawn)),
                        __FILE__, __LINE__);
                    return -1;
                }
                ++movesPlayed;
                if (othersAtStart(b, seat) > othersAtStartBefore) ++captures;
                checkBoard(b);
                if (QTest::currentTestFailed()) return -1;
                const bool won = b.options.teamgame
                                     ? allHome(b, seat) && allHome(b, partnerOf(seat))
                                     : allHome(b, seat);
                if (won) return turn;
                moves = r.more;
                // The bot finds a move exactly when the rules say there is one.
                if (computermove(b, SquareCounts(b), seat).has_value() != hasMove(b, seat)) {
                    QTest::qFail("bot and checkformoves disagree", __FILE__, __LINE__);
                    return -1;
                }
            }
            if (!doubles) break;
        }
    }
    return -1;
}

} // namespace

void TestComputerPlayer::botGames_data() {
    QTest::addColumn<QString>("options");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("no options") << "" << 1u;
    QTest::newRow("pouncing") << "pounce" << 2u;
    QTest::newRow("blocking and pouncing") << "block pounce" << 3u;
    QTest::newRow("block limit 3") << "block pounce limit=3" << 4u;
    QTest::newRow("block limit 2") << "block limit=2" << 5u;
    QTest::newRow("team game") << "block pounce team limit=4" << 6u;
}

void TestComputerPlayer::botGames() {
    QFETCH(QString, options);
    QFETCH(quint32, seed);
    constexpr int games = 25;
    constexpr int maxTurns = 3000;
    int moves = 0;
    int captures = 0;
    int longest = 0;
    for (int g = 0; g < games; ++g) {
        const int turns =
            playGame(options, seed * 1000u + static_cast<quint32>(g), maxTurns, moves, captures);
        if (QTest::currentTestFailed()) return;
        QVERIFY2(turns > 0, qPrintable(QString("game %1 did not finish in %2 turns").arg(g).arg(maxTurns)));
        longest = std::max(longest, turns);
    }
    // The games must really have been played, captures included when pouncing is on.
    QVERIFY(moves > games * 40);
    if (options.contains("pounce")) QVERIFY(captures > 0);
    qInfo("%d games, %d moves, %d captures, longest %d turns", games, moves, captures, longest);
}

QTEST_GUILESS_MAIN(TestComputerPlayer)
#include "test_computer_player.moc"
