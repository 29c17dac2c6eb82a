// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player's choices: the order of its four steps, the loops inside each, and
// that whatever it proposes the rules grant. Bot-only games check the whole on many
// positions that nobody wrote by hand.
#include <QTest>

#include <array>

#include "host/board_rules.h"
#include "host/computer_player.h"
#include "host/random.h"
#include "rules_fixture.h"

using namespace quadrino;
using namespace rulestest;

class TestComputerPlayer : public QObject {
    Q_OBJECT

  private slots:
    void decision_data();
    void decision();
    void sendLandsWhereTheRulesSay();
    void sameChoicesAsTheStepsSpelledOut();
    void botGames_data();
    void botGames();
};

void TestComputerPlayer::decision_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("amounts");
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("step"); // block, start, send, move, or all (computermove)
    QTest::addColumn<int>("code");     // 0: no move
    QTest::addColumn<int>("pawn");

    const QString homeRest = " 1.2=97 1.3=97 1.4=97";

    // Entering.
    QTest::newRow("enters with die1 before any other move") << "1.1=20 1.2=97 1.3=97"
                                                            << ""
                                                            << "d1=5 d2=3" << 1 << "all" << 1 << 4;
    QTest::newRow("the same roll, step 4 alone moves the track pawn") << "1.1=20 1.2=97 1.3=97"
                                                                      << ""
                                                                      << "d1=5 d2=3" << 1 << "move" << 1 << 1;
    QTest::newRow("enters the highest-numbered pawn at start") << "1.2=20 1.4=30"
                                                               << ""
                                                               << "d1=5" << 1 << "start" << 1 << 3;
    QTest::newRow("enters with die2") << "2.1=60"
                                      << ""
                                      << "d1=3 d2=5" << 2 << "start" << 2 << 4;
    QTest::newRow("enters with the dice sum") << "3.1=60"
                                              << ""
                                              << "d1=2 d2=3" << 3 << "start" << 3 << 4;
    QTest::newRow("enters with the first doubles copy") << ""
                                                        << ""
                                                        << "x1=5 x2=5" << 4 << "start" << 6 << 4;
    QTest::newRow("enters with the second doubles copy") << ""
                                                         << ""
                                                         << "x2=5" << 1 << "start" << 7 << 4;
    QTest::newRow("no entering without a five") << "1.1=20"
                                                << ""
                                                << "d1=6 d2=1" << 1 << "start" << 0 << 0;
    QTest::newRow("no sum of five from one die") << "1.1=20"
                                                 << ""
                                                 << "d2=4 x1=1" << 1 << "start" << 0 << 0;
    QTest::newRow("no entry past an own pair on the start square") << "1.1=5 1.2=5"
                                                                   << "block"
                                                                   << "d1=5 d2=3" << 1 << "start" << 0 << 0;
    QTest::newRow("own pair on the start square: a track move instead")
        << "1.1=5 1.2=5"
        << "block"
        << "d1=5 d2=3" << 1 << "all" << 1 << 1;
    QTest::newRow("entry refused by an opponent pair") << "1.1=20 2.1=5 2.2=5"
                                                       << "block pounce"
                                                       << "d1=5 d2=3" << 1 << "start" << 0 << 0;
    QTest::newRow("entry refused by an opponent pair: a track move instead")
        << "1.1=20 2.1=5 2.2=5"
        << "block pounce"
        << "d1=5 d2=3" << 1 << "all" << 1 << 1;
    QTest::newRow("entry beside own pawn without blocking") << "1.1=5"
                                                            << "pounce"
                                                            << "d1=5" << 1 << "start" << 0 << 0;
    QTest::newRow("entry pounces on a lone opponent") << "3.1=39 2.1=60"
                                                      << "pounce"
                                                      << "d1=1 d2=5" << 2 << "all" << 2 << 4;

    // Breaking a block before its limit.
    QTest::newRow("block due: pawn 1 moves before entering") << "1.1=20 1.2=20 bt1.1=2 1.3=40"
                                                             << "block limit=3"
                                                             << "d1=4 d2=5" << 1 << "all" << 1 << 1;
    QTest::newRow("block not yet due: entering first") << "1.1=20 1.2=20 bt1.1=1 1.3=40"
                                                       << "block limit=3"
                                                       << "d1=4 d2=5" << 1 << "all" << 2 << 4;
    QTest::newRow("block of pawns 1 and 3 is not broken") << "1.1=20 1.3=20 bt1.1=2 1.2=40"
                                                          << "block limit=3"
                                                          << "d1=4 d2=5" << 1 << "all" << 2 << 4;
    QTest::newRow("no limit, no block step") << "1.1=20 1.2=20 bt1.1=5 1.3=40"
                                             << "block"
                                             << "d1=4 d2=5" << 1 << "block" << 0 << 0;
    QTest::newRow("block step falls back to die2") << "1.1=20 1.2=20 bt1.1=2 3.1=24 3.2=24"
                                                   << "block limit=3"
                                                   << "d1=4 d2=2" << 1 << "block" << 2 << 1;
    QTest::newRow("block step tries the dice sum last") << "1.1=20 1.2=20 bt1.1=2 2.1=22 3.1=23"
                                                        << "block limit=3"
                                                        << "d1=2 d2=3" << 1 << "all" << 3 << 1;
    QTest::newRow("block step ignores bonuses") << "1.1=20 1.2=20 bt1.1=2 1.3=30 1.4=40"
                                                << "block limit=3"
                                                << "b20a=20" << 1 << "block" << 0 << 0;
    QTest::newRow("block of pawns 2 and 3 moves pawn 2") << "1.1=10 1.2=30 1.3=30 bt1.2=2"
                                                         << "block limit=3"
                                                         << "d1=1 d2=6" << 1 << "all" << 1 << 2;
    QTest::newRow("limit 2: due after one turn") << "1.1=20 1.2=20 bt1.1=1 1.3=40"
                                                 << "block limit=2"
                                                 << "d1=4" << 1 << "block" << 1 << 1;
    QTest::newRow("limit 2: not on the block's first turn") << "1.1=20 1.2=20 1.3=40"
                                                            << "block limit=2"
                                                            << "d1=4" << 1 << "block" << 0 << 0;
    QTest::newRow("pawns together at start are no block") << "bt1.1=5"
                                                          << "block limit=3"
                                                          << "d1=4" << 1 << "block" << 0 << 0;

    // Capture attempts.
    QTest::newRow("capture on 35 with die2") << "1.1=30" + homeRest + " 3.1=35"
                                             << "pounce"
                                             << "d1=4 d2=5" << 1 << "all" << 2 << 1;
    QTest::newRow("no capture seen past 68") << "3.1=66 3.2=98 3.3=98 3.4=98 1.1=2"
                                             << "pounce"
                                             << "d1=4" << 3 << "send" << 0 << 0;
    QTest::newRow("past 68: the first legal move captures anyway") << "3.1=66 3.2=98 3.3=98 3.4=98 1.1=2"
                                                                   << "pounce"
                                                                   << "d1=4" << 3 << "all" << 1 << 1;
    QTest::newRow("seats are looped before slots") << "1.1=10" + homeRest + " 2.1=13 3.1=11"
                                                   << "pounce"
                                                   << "d1=1 d2=3" << 1 << "send" << 2 << 1;
    QTest::newRow("own pawns are looped before slots") << "1.1=10 1.2=20 1.3=97 1.4=97 3.1=14 4.1=23"
                                                       << "pounce"
                                                       << "d1=3 d2=4" << 1 << "send" << 2 << 1;
    QTest::newRow("capture with a 20 bonus") << "1.1=10" + homeRest + " 4.1=30"
                                             << "pounce"
                                             << "d1=6 b20b=20" << 1 << "send" << 9 << 1;
    QTest::newRow("partner not attacked in a team game") << "1.1=10" + homeRest + " 2.1=13"
                                                         << "pounce team"
                                                         << "d1=3 d2=1" << 1 << "send" << 0 << 0;
    QTest::newRow("partner refused: first legal move instead") << "1.1=10" + homeRest + " 2.1=13"
                                                               << "pounce team"
                                                               << "d1=3 d2=1" << 1 << "all" << 2 << 1;
    QTest::newRow("partner attacked outside a team game") << "1.1=10" + homeRest + " 2.1=13"
                                                          << "pounce"
                                                          << "d1=3 d2=1" << 1 << "send" << 1 << 1;
    QTest::newRow("no attack without pouncing") << "1.1=10" + homeRest + " 3.1=13"
                                                << ""
                                                << "d1=3 d2=1" << 1 << "send" << 0 << 0;
    QTest::newRow("distance into a home column is taken literally") << "1.1=66" + homeRest + " 3.1=76"
                                                                    << ""
                                                                    << "b10a=10" << 1 << "send" << 5 << 1;

    // First legal move.
    QTest::newRow("step 4 never enters") << "1.2=20"
                                         << ""
                                         << "d1=5" << 1 << "move" << 1 << 2;
    QTest::newRow("all slots of one pawn before the next") << "1.1=10 1.2=30 2.1=14 2.2=14"
                                                           << "block"
                                                           << "d1=4 d2=1" << 1 << "move" << 2 << 1;
    QTest::newRow("20s before 10s before doubles") << "1.1=10" + homeRest << ""
                                                   << "b10a=10 x1=2 x2=2 b20c=20" << 1 << "move" << 10 << 1;
    QTest::newRow("10s in slot order") << "1.1=10" + homeRest << ""
                                       << "b10c=10 b10b=10" << 1 << "move" << 11 << 1;
    QTest::newRow("doubles sum last") << "1.1=10" + homeRest + " 3.1=13"
                                      << ""
                                      << "x1=3 x2=3" << 1 << "move" << 8 << 1;
    QTest::newRow("pawns at home are not moved") << "1.1=97 1.2=40"
                                                 << ""
                                                 << "d1=3" << 1 << "move" << 1 << 2;
    QTest::newRow("nothing to play") << "1.1=97 1.2=97 1.3=97 1.4=75"
                                     << ""
                                     << "d1=3" << 1 << "all" << 0 << 0;
    QTest::newRow("nothing to play: all at start") << ""
                                                   << ""
                                                   << "d1=6 d2=6 x1=6 x2=6" << 4 << "all" << 0 << 0;
}

void TestComputerPlayer::decision() {
    QFETCH(QString, position);
    QFETCH(QString, options);
    QFETCH(QString, amounts);
    QFETCH(int, seat);
    QFETCH(QString, step);
    QFETCH(int, code);
    QFETCH(int, pawn);

    const BoardState b = makeBoard(position, options, amounts);
    std::optional<BotMove> got;
    if (step == "block")
        got = checkforblock(b, seat);
    else if (step == "start")
        got = checkforcomputerstart(b, seat);
    else if (step == "send")
        got = checkforcomputersend(b, seat);
    else if (step == "move")
        got = checkforcomputermove(b, seat);
    else
        got = computermove(b, seat);

    if (code == 0) {
        QVERIFY2(!got, got ? qPrintable(QString("got code %1 pawn %2").arg(got->code).arg(got->pawn)) : "");
        return;
    }
    QVERIFY(got.has_value());
    QCOMPARE(got->code, code);
    QCOMPARE(got->pawn, pawn);
    const int amount = amountOfCode(b.amounts, code).value_or(0);
    QVERIFY(oktomoveTest(b, seat, pawn, amount) != 0);
}

namespace {

// The four steps spelled out with nothing remembered: every question put to oktomoveTest
// as it comes. The player keeps answers and reads distances off bit sets; it must choose
// exactly what this does.
namespace plain {

bool granted(const BoardState& b, int seat, int pawn, int amount) {
    return amount != 0 && oktomoveTest(b, seat, pawn, amount) != 0;
}

std::optional<BotMove> firstGranted(const BoardState& b, int seat, int pawn, std::optional<int> wanted) {
    for (int code : kMoveCodeOrder) {
        const int amount = amountOf(b.amounts, code);
        if (amount == 0 || (wanted && *wanted != amount)) continue;
        if (granted(b, seat, pawn, amount)) return BotMove{code, pawn};
    }
    return std::nullopt;
}

std::optional<BotMove> block(const BoardState& b, int seat) {
    const int limit = b.options.blocklimit;
    const MoveSlots& m = b.amounts;
    const SeatState& me = b.seats[seat];
    if (limit <= 0) return std::nullopt;
    for (int k = 1; k < kPawnCount; ++k) {
        if (me.pawnsquare[k] == 0 || me.pawnsquare[k] != me.pawnsquare[k + 1] || me.blockturns[k] <= limit - 2)
            continue;
        if (granted(b, seat, k, m.die1)) return BotMove{1, k};
        if (granted(b, seat, k, m.die2)) return BotMove{2, k};
        if (m.die1 != 0 && m.die2 != 0 && granted(b, seat, k, m.die1 + m.die2)) return BotMove{3, k};
    }
    return std::nullopt;
}

std::optional<BotMove> start(const BoardState& b, int seat) {
    const MoveSlots& m = b.amounts;
    const bool sumIsFive = m.die1 != 0 && m.die2 != 0 && m.die1 + m.die2 == 5;
    int highestAtStart = 0, onStartSquare = 0;
    for (int p = 1; p <= kPawnCount; ++p) {
        if (b.seats[seat].pawnsquare[p] == 0) highestAtStart = p;
        else if (b.seats[seat].pawnsquare[p] == startSquareOf(seat)) ++onStartSquare;
    }
    if (highestAtStart == 0 || onStartSquare >= 2) return std::nullopt;
    const int p = highestAtStart;
    if (m.die1 == 5 && granted(b, seat, p, 5)) return BotMove{1, p};
    if (m.die2 == 5 && granted(b, seat, p, 5)) return BotMove{2, p};
    if (sumIsFive && granted(b, seat, p, 5)) return BotMove{3, p};
    if (m.double1 == 5 && granted(b, seat, p, 5)) return BotMove{6, p};
    if (m.double2 == 5 && granted(b, seat, p, 5)) return BotMove{7, p};
    return std::nullopt;
}

std::optional<BotMove> send(const BoardState& b, int seat) {
    for (int k = 1; k <= kPawnCount; ++k)
        for (int j = 1; j <= kSeatCount; ++j)
            for (int mp = 1; mp <= kPawnCount && j != seat; ++mp) {
                const int difference = b.seats[j].pawnsquare[mp] - b.seats[seat].pawnsquare[k];
                if (difference <= 0) continue;
                if (auto move = firstGranted(b, seat, k, difference)) return move;
            }
    return std::nullopt;
}

std::optional<BotMove> move(const BoardState& b, int seat) {
    for (int k = 1; k <= kPawnCount; ++k) {
        const int square = b.seats[seat].pawnsquare[k];
        if (square == 0 || square == homeSquareOf(seat)) continue;
        if (auto found = firstGranted(b, seat, k, std::nullopt)) return found;
    }
    return std::nullopt;
}

} // namespace plain
} // namespace

void TestComputerPlayer::sameChoicesAsTheStepsSpelledOut() {
    quadrino::Random r(21);
    for (int round = 0; round < 4000; ++round) {
        const BoardState b = randomBoard(r);
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const QString where = QStringLiteral("round %1 seat %2").arg(round).arg(seat);
            QVERIFY2(checkforblock(b, seat) == plain::block(b, seat), qPrintable(where));
            QVERIFY2(checkforcomputerstart(b, seat) == plain::start(b, seat), qPrintable(where));
            QVERIFY2(checkforcomputersend(b, seat) == plain::send(b, seat), qPrintable(where));
            QVERIFY2(checkforcomputermove(b, seat) == plain::move(b, seat), qPrintable(where));
            std::optional<BotMove> expected = plain::block(b, seat);
            if (!expected) expected = plain::start(b, seat);
            if (!expected) expected = plain::send(b, seat);
            if (!expected) expected = plain::move(b, seat);
            QVERIFY2(computermove(b, seat) == expected, qPrintable(where));
        }
    }
}

void TestComputerPlayer::sendLandsWhereTheRulesSay() {
    // Seat 1 on 30 attacks seat 3's lone pawn on 35 with die2; applying it captures.
    BoardState b = makeBoard("1.1=30 1.2=97 1.3=97 1.4=97 3.1=35", "pounce", "d1=4 d2=5");
    const auto move = computermove(b, 1);
    QVERIFY(move.has_value());
    QCOMPARE(applyMove(b, 1, move->code, move->pawn).landing, 35);
    QCOMPARE(b.seats[3].pawnsquare[1], 0);
    QCOMPARE(b.amounts.bonus20a, 20);

    // A difference of 10 to a pawn in another seat's column is played though it lands home.
    BoardState c = makeBoard("1.1=66 1.2=97 1.3=97 1.4=97 3.1=76", "", "b10a=10");
    const auto home = checkforcomputersend(c, 1);
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

// What the host does to the board at the start of a seat's turn: count standing blocks
// against the limit (the lower pawn of an overdue block goes back), then note which pawns
// stand together for the block-partner rule.
void startTurn(BoardState& b, int seat) {
    auto& me = b.seats[seat];
    if (b.options.blocking && b.options.blocklimit > 0) {
        for (int k = 1; k <= 4; ++k) {
            const int partner = me.blockpartner[k];
            const int square = me.pawnsquare[k];
            if (partner == 0 || square == 0 || square == homeSquareOf(seat) ||
                square != me.pawnsquare[partner]) {
                me.blockturns[k] = 0;
                continue;
            }
            if (++me.blockturns[k] >= b.options.blocklimit) {
                me.blockturns[k] = 0;
                me.pawnsquare[k] = 0;
            }
        }
    }
    me.blockpartner = {};
    for (int j = 1; j <= 4; ++j)
        for (int i = 1; i <= 4; ++i)
            if (i != j && me.pawnsquare[i] != 0 && me.pawnsquare[i] == me.pawnsquare[j]) {
                me.blockpartner[j] = i;
                me.blockpartner[i] = j;
            }
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
        startTurn(b, seat);
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
            bool moves = checkformoves(b, seat);
            while (moves) {
                const std::optional<BotMove> move = computermove(b, seat);
                if (!move) {
                    QTest::qFail("checkformoves found a move but the bot did not", __FILE__, __LINE__);
                    return -1;
                }
                const int amount = amountOfCode(b.amounts, move->code).value_or(0);
                const int expected = oktomoveTest(b, seat, move->pawn, amount);
                const int othersAtStartBefore = othersAtStart(b, seat);
                const Applied r = applyMove(b, seat, move->code, move->pawn);
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
                moves = r.moves;
                // The bot finds a move exactly when the rules say there is one.
                if (computermove(b, seat).has_value() != checkformoves(b, seat)) {
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
