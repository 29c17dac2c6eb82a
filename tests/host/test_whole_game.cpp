// SPDX-License-Identifier: GPL-3.0-or-later
// Whole bot games through the host, replayed on a shadow board from the announcements
// alone: every move must be one the rules allow and the computer's procedure picks, the
// turn order must hold, and the winner must really be home.
#include <QtTest>

#include "rules/board_rules.h"
#include "rules/computer_player.h"
#include "host_fixture.h"
#include "protocol/catalogue.h"
#include "protocol/message_queue.h"

using namespace quadrino;
using namespace quadrino::testing;

namespace {

struct GameLog {
    std::vector<std::string> toSeat1; // every message connection 1 received, without terminators
    int winner = 0;
};

GameLog playGame(std::uint32_t seed, const QString& options) {
    GameLog log{watchedBotGame(seed, options, QStringLiteral("Watcher"))};
    if (!log.toSeat1.empty() && log.toSeat1.back().starts_with("CMD_winner+")) log.winner = log.toSeat1.back()[11] - '0';
    return log;
}

// A seat's progress worked out by walking each pawn's path from its start square: one for
// entering and one per step since.
int travelled(const BoardState& b, int seat) {
    int sum = 0;
    for (int square : b.seats[seat].pawnsquare) {
        if (square == 0) continue;
        int q = startSquareOf(seat);
        int n = 1;
        while (q != square && n < 100) {
            q = stepSquare(seat, q);
            ++n;
        }
        sum += n;
    }
    return sum;
}

} // namespace

class TestWholeGame : public QObject {
    Q_OBJECT
private slots:
    void everyAnnouncementAgreesWithTheRules_data() {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<QString>("options"); // penalty passing blocking pouncing team limit full
        QTest::newRow("seed 1") << 1u << "1+0+1+1+0+0+1";
        QTest::newRow("seed 99 no pouncing") << 99u << "1+0+1+0+0+0+1";
        QTest::newRow("seed 7 no blocking") << 7u << "0+0+0+1+0+0+1";
        QTest::newRow("seed 4242 team") << 4242u << "1+0+1+1+1+0+1";
    }
    void everyAnnouncementAgreesWithTheRules() {
        QFETCH(std::uint32_t, seed);
        QFETCH(QString, options);
        const GameLog log = playGame(seed, options);
        QVERIFY2(log.winner != 0, "the game should end");

        BoardState sb;
        const QStringList o = options.split('+');
        sb.options.penalty = o[0] == "1";
        sb.options.blocking = o[2] == "1";
        sb.options.pouncing = o[3] == "1";
        sb.options.teamgame = o[4] == "1";
        const std::array<int, 4> rotation = {1, 3, 2, 4};
        int seatOnTurn = 0;
        bool rollAgain = false;
        int moves = 0, captures = 0;
        auto allHome = [&](int s) {
            for (int k = 1; k <= 4; ++k)
                if (sb.seats[s].pawnsquare[k] != homeSquareOf(s)) return false;
            return true;
        };

        for (std::size_t i = 0; i < log.toSeat1.size(); ++i) {
            const std::string& m = log.toSeat1[i];
            auto [word, body] = splitCommand(m);
            const QByteArray where = QByteArray("message ") + QByteArray::number(qulonglong(i)) + ": " + m.c_str();
            decodeAndHandle(
                ClientAnnouncements{}, word, body,
                Overloaded{
                    [&](const NextPlayer& np) {
                        if (rollAgain) {
                            QVERIFY2(np.seat == seatOnTurn, where);
                        } else if (seatOnTurn != 0) {
                            // The next seat in the rotation that still has a pawn out.
                            std::size_t pos = 0;
                            while (rotation[pos] != seatOnTurn) ++pos;
                            int expected = 0;
                            for (std::size_t step = 1; step <= 4 && !expected; ++step) {
                                int s = rotation[(pos + step) % 4];
                                if (!allHome(s)) expected = s;
                            }
                            QVERIFY2(np.seat == expected, where);
                        }
                        if (!rollAgain) recordBlockPartners(sb, np.seat);
                        seatOnTurn = np.seat;
                        rollAgain = false;
                    },
                    [&](const RollAgain&) { rollAgain = true; },
                    [&](const HisDice& h) {
                        QVERIFY2(h.seat == seatOnTurn, where);
                        QVERIFY(h.die1 >= 1 && h.die1 <= 6 && h.die2 >= 1 && h.die2 <= 6);
                        QCOMPARE(h.double1, h.die1 == h.die2 ? h.die1 : 0);
                        sb.amounts = {};
                        sb.amounts.die1 = h.die1;
                        sb.amounts.die2 = h.die2;
                        sb.amounts.double1 = h.double1;
                        sb.amounts.double2 = h.double2;
                        const bool more = checkformoves(sb, SquareCounts(sb), seatOnTurn);
                        const bool saysNone =
                            i + 1 < log.toSeat1.size() && log.toSeat1[i + 1].rfind("CMD_nomoves+", 0) == 0;
                        QVERIFY2(more != saysNone, where);
                    },
                    [&](const GotPenalty& p) {
                        QVERIFY(sb.options.penalty);
                        QCOMPARE(p.pawn, findclosestpawn(sb, p.seat));
                        auto& st = sb.seats[p.seat];
                        if (p.pawn) st.pawnsquare[p.pawn] = 0;
                        QCOMPARE(p.progress, travelled(sb, p.seat));
                    },
                    [&](const MoveHim& mh) {
                        QVERIFY2(mh.seat == seatOnTurn, where);
                        SquareCounts counts(sb);
                        auto pick = computermove(sb, counts, mh.seat);
                        QVERIFY2(pick && pick->code == mh.code && pick->pawn == mh.pawn, where);
                        const CommittedMove committed = commitMove(sb, counts, mh.seat, mh.pawn, mh.code);
                        QVERIFY2(committed.landing != 0 && committed.landing == mh.square, where);
                        QCOMPARE(mh.progress, travelled(sb, mh.seat));
                        const auto& a = sb.amounts;
                        QCOMPARE(mh.amounts, (MoveSlotsView{a.bonus20a, a.bonus20b, a.bonus20c, a.bonus10a, a.bonus10b,
                                                            a.bonus10c, a.double1, a.double2}));
                        // The flag is real only for the mover's own connection, and judged before a
                        // captured pawn leaves.
                        QCOMPARE(mh.moreMoves, mh.seat == 1 && committed.more);
                        if (sb.sendseat) {
                            const std::string& next = log.toSeat1.at(i + 1);
                            auto sbk = decode<SendBack>(splitCommand(next).rest);
                            QVERIFY2(sbk && sbk->seat == sb.sendseat && sbk->pawn == sb.sendpawn, where);
                            sb.seats[sb.sendseat].pawnsquare[sb.sendpawn] = 0;
                            QCOMPARE(sbk->progress, travelled(sb, sb.sendseat));
                            sb.sendseat = sb.sendpawn = 0;
                            ++captures;
                            ++i;
                        }
                        ++moves;
                    },
                    [&](const Winner& w) {
                        if (w.code <= 4) {
                            QVERIFY(allHome(w.code));
                        } else {
                            QVERIFY(sb.options.teamgame);
                            const int a = w.code == 5 ? 1 : 3;
                            QVERIFY(allHome(a) && allHome(a == 1 ? 2 : 4));
                        }
                    },
                    [&](const SendBack&) { QFAIL(where + " — a capture must follow its move"); },
                    [&](const Malformed&) { QFAIL(where + " — the host sent a message its clients refuse"); },
                    [](const auto&) {},
                });
            if (QTest::currentTestFailed()) return;
        }
        QVERIFY(moves > 50);
        if (sb.options.pouncing) QVERIFY(captures > 0);
        else QCOMPARE(captures, 0);
    }

    // The engine keeps the pawns counted per square as the board changes (moves, captures,
    // both penalties); after every event the count must be the board's own.
    void squareCountsFollowTheBoard_data() {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<QString>("options");
        QTest::newRow("penalties, block limit 2") << 5u << "1+0+1+1+0+2+1";
        QTest::newRow("block limit 3") << 77u << "1+0+1+1+0+3+1";
        QTest::newRow("team") << 4243u << "1+0+1+1+1+3+1";
        QTest::newRow("no blocking") << 7u << "0+0+0+1+0+0+1";
    }
    void squareCountsFollowTheBoard() {
        QFETCH(std::uint32_t, seed);
        QFETCH(QString, options);
        HostFixture f(seed);
        int winner = 0;
        long captures = 0, penalties = 0;
        f.port.setSink([&](int c, std::string_view m) {
            if (c != 1) return;
            if (m.substr(0, 11) == "CMD_winner+") winner = m[11] - '0';
            if (m.substr(0, 13) == "CMD_sendback+") ++captures;
            if (m.substr(0, 14) == "CMD_gotpenalty") ++penalties;
        });
        f.join("Watcher");
        f.say(1, "CMD_startgame+Watcher+" + options + "+~");
        f.say(1, "CMD_justwatch+1+1~");
        for (long steps = 0; winner == 0 && steps < 1000000 && f.port.step(); ++steps) {
            if (!(f.host.engine().squareCounts() == SquareCounts(f.board())))
                QFAIL(qPrintable(QString("counts differ from the board after step %1").arg(steps)));
        }
        QVERIFY(winner != 0);
        QVERIFY(captures > 0);
        if (options.startsWith("1")) QVERIFY(penalties > 0);
    }

    void sameSeedSameGame() {
        const GameLog a = playGame(31337, "1+0+1+1+0+3+1");
        const GameLog b = playGame(31337, "1+0+1+1+0+3+1");
        const GameLog c = playGame(31338, "1+0+1+1+0+3+1");
        QVERIFY(a.toSeat1 == b.toSeat1);
        QVERIFY(a.toSeat1 != c.toSeat1);
    }
};

QTEST_APPLESS_MAIN(TestWholeGame)
#include "test_whole_game.moc"
