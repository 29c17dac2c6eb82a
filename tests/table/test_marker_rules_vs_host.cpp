// SPDX-License-Identifier: GPL-3.0-or-later
// The client's marker rules against the host's rule book on many generated positions: given
// the team flag and the user's block partners, the client offers exactly the moves the host
// grants, entering included.
#include <QtTest>

#include "host/board_rules.h"
#include "host/random.h"
#include "table/marker_rules.h"

using namespace quadrino;

namespace {

// Squares where pawns are put: few enough that pairs, blocks and captures come up often.
constexpr std::array<int, 16> kTrackPool = {3, 5, 8, 12, 13, 17, 20, 22, 25, 34, 39, 40, 46, 56, 60, 68};

struct Position {
    BoardState host;
    table::ClientMirror client;
};

// The seat whose block partners the client knows; the others are asked about only to
// compare the stepping rules, which do not read partners of another seat.
constexpr int kUser = 2;

int draw(Random& r, int n) { return static_cast<int>(r.below(static_cast<std::uint32_t>(n))); }

Position generate(Random& r, bool teamgame, bool blockPartners) {
    Position pos;
    BoardState& b = pos.host;
    b.options.blocking = draw(r, 2) == 1;
    b.options.pouncing = draw(r, 2) == 1;
    b.options.teamgame = teamgame;
    for (int s = 1; s <= 4; ++s) {
        auto& seat = b.seats[s];
        for (int p = 1; p <= 4; ++p) {
            // Start, home, the seat's own home column (69.., 83.., 76.., 90..) or the track.
            const int column = homeColumnStartOf(s);
            int sq = 0;
            switch (draw(r, 6)) {
            case 0: sq = 0; break;
            case 1: sq = homeSquareOf(s); break;
            case 2: sq = column + draw(r, 7); break;
            default: sq = kTrackPool[static_cast<std::size_t>(draw(r, 16))]; break;
            }
            seat.pawnsquare[p] = sq;
            pos.client.boardpawns[static_cast<std::size_t>(s - 1)][static_cast<std::size_t>(p - 1)] = sq;
        }
        // Two pawns that shared a square when the turn began, wherever they stand now.
        if (blockPartners) {
            const int p = 1 + draw(r, 4);
            const int o = 1 + (p + draw(r, 3)) % 4;
            seat.blockpartner[p] = o;
            seat.blockpartner[o] = p;
        }
        if (s == kUser)
            for (int p = 1; p <= 4; ++p)
                pos.client.blockpartner[static_cast<std::size_t>(p - 1)] = seat.blockpartner[p];
    }
    MoveSlots& a = b.amounts;
    auto maybe = [&](int value) { return draw(r, 3) == 0 ? 0 : value; };
    a.die1 = maybe(1 + draw(r, 6));
    a.die2 = maybe(1 + draw(r, 6));
    if (draw(r, 3) == 0) a.double1 = a.double2 = 1 + draw(r, 6);
    a.double1 = maybe(a.double1);
    a.bonus20a = maybe(20);
    a.bonus20b = draw(r, 4) == 0 ? 20 : 0;
    a.bonus10a = maybe(10);
    a.bonus10c = draw(r, 4) == 0 ? 10 : 0;
    table::ClientAmounts& c = pos.client.amounts;
    c.dice1 = a.die1;
    c.dice2 = a.die2;
    c.bonus = {a.bonus20a, a.bonus10a, a.double1, a.double2, a.bonus20b, a.bonus20c, a.bonus10b, a.bonus10c};
    pos.client.options = b.options;
    pos.client.options.teamgame = teamgame;
    return pos;
}

} // namespace

class TestMarkerRulesVsHost : public QObject {
    Q_OBJECT
private slots:
    void sameAnswers_data();
    void sameAnswers();
};

void TestMarkerRulesVsHost::sameAnswers_data() {
    QTest::addColumn<bool>("teamgame");
    QTest::addColumn<bool>("blockPartners");
    QTest::newRow("plain") << false << false;
    QTest::newRow("team game") << true << false;
    QTest::newRow("block partners") << false << true;
}

void TestMarkerRulesVsHost::sameAnswers() {
    QFETCH(bool, teamgame);
    QFETCH(bool, blockPartners);
    Random r(20240601u);
    int compared = 0, granted = 0, entries = 0, entriesGranted = 0;
    for (int round = 0; round < 3000; ++round) {
        const Position pos = generate(r, teamgame, blockPartners);
        const int s = kUser;
        for (int p = 1; p <= 4; ++p) {
            if (pos.host.seats[s].pawnsquare[p] == 0) {
                const bool host = table::enteringCode(pos.client.amounts) != 0 && oktomoveTest(pos.host, s, p, 5) != 0;
                QCOMPARE(table::canEnter(pos.client, s, p), host);
                QCOMPARE(table::canMove(pos.client, s, p), host);
                ++entries;
                if (host) ++entriesGranted;
                continue;
            }
            bool any = false;
            for (int code = 1; code <= 12; ++code) {
                const int amount = amountOfCode(pos.host.amounts, code).value_or(0);
                QCOMPARE(pos.client.amounts.amount(code), amount);
                const int host = amount > 0 ? oktomoveTest(pos.host, s, p, amount) : 0;
                const int client = table::markerTarget(pos.client, s, p, code);
                ++compared;
                if (host != 0) ++granted;
                any = any || host != 0;
                if (client != host)
                    QFAIL(qPrintable(QStringLiteral("round %1 pawn %2 code %3: host %4, client %5")
                                         .arg(round)
                                         .arg(p)
                                         .arg(code)
                                         .arg(host)
                                         .arg(client)));
            }
            QCOMPARE(table::canMove(pos.client, s, p), any);
        }
    }
    // The generated positions must exercise both answers, for moving and for entering.
    QVERIFY(granted > 300);
    QVERIFY(compared - granted > 300);
    QVERIFY(entriesGranted > 20);
    QVERIFY(entries - entriesGranted > 20);
}

QTEST_APPLESS_MAIN(TestMarkerRulesVsHost)
#include "test_marker_rules_vs_host.moc"
