// SPDX-License-Identifier: GPL-3.0-or-later
// The Strong computer player: what it prefers in positions where the better move is plain,
// and, over whole games through the real host, that every move it makes is one the rule
// book grants, that it applies moves exactly as the host does, that it never harms its
// partner, passes only when a player could, and plays the same game from the same seed.
#include <QTest>

#include <cstdint>
#include <string>

#include "rules/board_rules.h"
#include "host/host.h"
#include "rules/strong_player.h"
#include "host/virtual_port.h"
#include "rules_fixture.h"

using namespace quadrino;
using namespace rulestest;

namespace {

struct GameRecord {
    std::uint64_t hash = 1469598103934665603ull;
    int winner = 0;
    int decisions = 0;
    int passes = 0;
    int captures = 0;
    void add(std::string_view s) {
        for (char c : s) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
    }
};

int field(std::string_view m, int index) {
    for (int i = 0; i < index; ++i) m.remove_prefix(m.find('+') + 1);
    return std::stoi(std::string(m.substr(0, m.find('+'))));
}

// A whole game through the host with the given levels, the watcher on connection 1 handing
// its seat over. Before each Strong decision the test asks the player itself, checks the
// answer against the rule book, and afterwards checks the host's board against applyMove.
GameRecord playChecked(std::uint32_t seed, const std::string& options, const std::array<BotLevel, 4>& levels) {
    VirtualPort port;
    Host host(port, seed);
    port.attach(host);
    port.setBotDelay(500);
    for (int seat = 1; seat <= 4; ++seat) host.setBotLevel(seat, levels[static_cast<std::size_t>(seat - 1)]);
    GameRecord r;
    bool team = false;
    port.setSink([&](int c, std::string_view m) {
        r.add(std::to_string(c) + "@" + std::to_string(port.now()) + ":");
        r.add(m);
        if (c != 1) return;
        if (m.substr(0, 11) == "CMD_winner+") r.winner = field(m, 1);
        if (m.substr(0, 13) == "CMD_sendback+") {
            ++r.captures;
            const int mover = field(m, 1);
            const int victim = field(m, 2);
            if (team && partnerOf(mover) == victim)
                QTest::qFail(qPrintable(QString("seat %1 captured its partner").arg(mover)), __FILE__, __LINE__);
        }
    });
    const int me = port.connect();
    port.deliver(me, "CMD_logininfo+1+1.0.15+Watcher\xFF\xFF");
    port.runFor(50);
    port.deliver(me, "CMD_startgame+Watcher+" + options + "+\xFF");
    port.runUntil([&] { return host.engine().gamestarted(); }, 1000);
    team = host.engine().board().options.teamgame;
    port.deliver(me, "CMD_justwatch+1+1\xFF");

    const std::int64_t limit = port.now() + 48LL * 3600 * 1000;
    while (r.winner == 0 && port.now() < limit && !QTest::currentTestFailed()) {
        const TurnEngine& e = host.engine();
        const int seat = e.turn().whoseturn;
        std::optional<BotDecision> expected;
        BoardState predicted;
        const bool deciding = port.timerActive(HostTimer::Computer) && !port.timerActive(HostTimer::Next) &&
                              !port.timerActive(HostTimer::Dispatch) && e.turn().turnphase == 2 &&
                              host.botLevel(seat) == BotLevel::strong;
        if (deciding) {
            const BoardState& b = e.board();
            expected = StrongPlayer().decide(b, e.squareCounts(), seat, turnContext(e.turn()));
            ++r.decisions;
            if (!expected) {
                QTest::qFail("no decision although the seat has a move", __FILE__, __LINE__);
                break;
            }
            predicted = b;
            if (expected->pass) {
                ++r.passes;
                const MoveSlots& m = b.amounts;
                if (!b.options.passing || b.seats[seat].passedlast || m.die1 == 0 || m.die2 == 0)
                    QTest::qFail("passed where no player could", __FILE__, __LINE__);
            } else {
                const int amount = amountOfCode(b.amounts, expected->move.code).value_or(0);
                if (amount == 0 || landingOn(b, seat, expected->move.pawn, amount) == 0)
                    QTest::qFail(qPrintable(QString("seat %1 chose code %2 pawn %3, which the rules refuse")
                                                .arg(seat)
                                                .arg(expected->move.code)
                                                .arg(expected->move.pawn)),
                                 __FILE__, __LINE__);
                rulestest::applyMove(predicted, seat, expected->move.code, expected->move.pawn);
            }
        }
        if (!port.step()) break;
        if (deciding && !expected->pass && !QTest::currentTestFailed()) {
            // The host's own move, through moveit, must leave the board applyMove predicted.
            BoardState actual = e.board();
            actual.seats[seat].passedlast = predicted.seats[seat].passedlast = false;
            if (!(actual == predicted))
                QTest::qFail("the host applied the move differently from applyMove", __FILE__, __LINE__);
        }
    }
    return r;
}

constexpr std::array<BotLevel, 4> kAllStrong = {BotLevel::strong, BotLevel::strong, BotLevel::strong,
                                                BotLevel::strong};

} // namespace

class TestStrongPlayer : public QObject {
    Q_OBJECT

  private slots:
    void levelNames();
    void prefers_data();
    void prefers();
    void wholeGames_data();
    void wholeGames();
    void sameSeedSameGame();
    void levelsAreKeptPerSeat();
    void weightsBelongToTheirPlayer();
};

void TestStrongPlayer::levelNames() {
    QCOMPARE(botLevelFromName("classic"), std::optional<BotLevel>(BotLevel::classic));
    QCOMPARE(botLevelFromName("strong"), std::optional<BotLevel>(BotLevel::strong));
    QVERIFY(!botLevelFromName("Strong"));
    QVERIFY(!botLevelFromName(""));
    QVERIFY(!botLevelFromName("strongest"));
    QCOMPARE(botLevelName(BotLevel::strong), std::string_view("strong"));
    QCOMPARE(botLevelName(BotLevel::classic), std::string_view("classic"));
}

void TestStrongPlayer::prefers_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("amounts");
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("pawns");  // the pawns it may move, e.g. "12"
    QTest::addColumn<int>("landing");    // where the moved pawn must land, 0 = anywhere
    QTest::addColumn<int>("playing");    // bit s - 1: seat s takes part

    QTest::newRow("takes a capture") << "1.1=30 1.2=50 2.1=33" << "block pounce" << "d1=3" << 1 << "1" << 33 << 15;
    QTest::newRow("never the partner: moves the other pawn")
        << "1.1=30 1.2=50 2.1=33" << "block pounce team" << "d1=3" << 1 << "2" << 53 << 15;
    QTest::newRow("runs a threatened pawn to a safe square")
        << "1.1=30 1.2=8 3.1=26 3.2=27" << "block pounce" << "d1=4" << 1 << "1" << 34 << 15;
    QTest::newRow("steps a threatened pawn onto the next safe square")
        << "1.1=45 1.2=63 3.1=41" << "block pounce" << "d1=1" << 1 << "1" << 46 << 15;
    QTest::newRow("breaks a block that the limit would send back")
        << "1.1=40 1.2=40 1.3=10 bp1.1=2 bp1.2=1 bt1.1=2 bt1.2=2" << "block limit=3" << "d1=3" << 1 << "12" << 43 << 15;
    QTest::newRow("enters rather than crawl when nothing threatens")
        << "1.1=20" << "block pounce" << "d1=5" << 1 << "2" << 5 << 15;
    QTest::newRow("spends a 20 bonus on the pawn it brings to safety")
        << "1.1=13 1.2=40 4.1=10" << "block pounce" << "b20a=20" << 1 << "1" << 33 << 15;
    QTest::newRow("a seat's start square is no danger when that seat does not play")
        << "1.1=54 1.2=30 2.1=50" << "block pounce" << "d1=2" << 1 << "1" << 56 << 0b0011;
    QTest::newRow("but an entering pawn may pounce there when it does")
        << "1.1=54 1.2=30 2.1=50" << "block pounce" << "d1=2" << 1 << "2" << 32 << 0b1111;
    QTest::newRow("a home entry by the exact amount") << "1.1=74 1.2=30" << "block" << "d1=2" << 1 << "1" << 97 << 15;
}

void TestStrongPlayer::prefers() {
    QFETCH(QString, position);
    QFETCH(QString, options);
    QFETCH(QString, amounts);
    QFETCH(int, seat);
    QFETCH(QString, pawns);
    QFETCH(int, landing);
    QFETCH(int, playing);
    const BoardState b = makeBoard(position, options, amounts);
    TurnContext context;
    context.playing = static_cast<unsigned>(playing);
    const auto d = StrongPlayer().decide(b, SquareCounts(b), seat, context);
    QVERIFY(d.has_value());
    QVERIFY(!d->pass);
    QVERIFY2(pawns.contains(QString::number(d->move.pawn)),
             qPrintable(QString("moved pawn %1 with code %2").arg(d->move.pawn).arg(d->move.code)));
    BoardState after = b;
    const AppliedMove applied = rulestest::applyMove(after, seat, d->move.code, d->move.pawn);
    QVERIFY(applied.landing != 0);
    if (landing != 0) QCOMPARE(applied.landing, landing);
}

void TestStrongPlayer::wholeGames_data() {
    QTest::addColumn<QString>("options"); // penalty passing blocking pouncing team limit full
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("strongSeats"); // 4: all Strong; 1: seat 1 against three Classic
    QTest::newRow("all options, all Strong") << "1+1+1+1+0+3+1" << 11u << 4;
    QTest::newRow("team game, all Strong") << "1+1+1+1+1+4+1" << 12u << 4;
    QTest::newRow("no blocking, no pouncing") << "0+0+0+0+0+0+1" << 13u << 4;
    QTest::newRow("limit 2, one Strong seat") << "1+0+1+1+0+2+1" << 14u << 1;
    QTest::newRow("passing, team, two Strong partners") << "0+1+1+1+1+0+1" << 15u << 2;
}

void TestStrongPlayer::wholeGames() {
    QFETCH(QString, options);
    QFETCH(quint32, seed);
    QFETCH(int, strongSeats);
    std::array<BotLevel, 4> levels{};
    for (int i = 0; i < strongSeats; ++i) levels[static_cast<std::size_t>(i)] = BotLevel::strong;
    int decisions = 0, captures = 0;
    for (std::uint32_t g = 0; g < 4; ++g) {
        const GameRecord r = playChecked(seed * 100 + g, options.toStdString(), levels);
        if (QTest::currentTestFailed()) return;
        QVERIFY2(r.winner != 0, qPrintable(QString("game %1 did not finish").arg(g)));
        decisions += r.decisions;
        captures += r.captures;
    }
    QVERIFY(decisions > 40);
    if (options.split('+')[3] == "1") QVERIFY(captures > 0);
}

void TestStrongPlayer::sameSeedSameGame() {
    const GameRecord a = playChecked(77, "1+1+1+1+0+3+1", kAllStrong);
    const GameRecord b = playChecked(77, "1+1+1+1+0+3+1", kAllStrong);
    QVERIFY(a.winner != 0);
    QCOMPARE(a.hash, b.hash);
    const GameRecord c = playChecked(78, "1+1+1+1+0+3+1", kAllStrong);
    QVERIFY(c.hash != a.hash);
}

void TestStrongPlayer::levelsAreKeptPerSeat() {
    VirtualPort port;
    Host host(port, 1u);
    port.attach(host);
    for (int seat = 1; seat <= 4; ++seat) QCOMPARE(host.botLevel(seat), BotLevel::classic);
    host.setBotLevel(3, BotLevel::strong);
    QCOMPARE(host.botLevel(3), BotLevel::strong);
    QCOMPARE(host.botLevel(2), BotLevel::classic);
    host.setBotLevel(9, BotLevel::strong); // not a seat: ignored
    host.setBotLevels(BotLevel::strong);
    for (int seat = 1; seat <= 4; ++seat) QCOMPARE(host.botLevel(seat), BotLevel::strong);
}

void TestStrongPlayer::weightsBelongToTheirPlayer() {
    // A player that hates pawns on the board spends the five on its track pawn rather than
    // keep it for entering; the default player, asked before and after it, moves the three
    // first and keeps the five: the weights are the instance's own, shared with nobody.
    const BoardState b = makeBoard("1.1=20", "block pounce", "d1=5 d2=3");
    StrongWeights timid;
    timid.onBoard = -1000;
    StrongPlayer plain;
    StrongPlayer shy(timid);
    const auto before = plain.decide(b, SquareCounts(b), 1, TurnContext{});
    const auto other = shy.decide(b, SquareCounts(b), 1, TurnContext{});
    const auto after = plain.decide(b, SquareCounts(b), 1, TurnContext{});
    QVERIFY(before && other && after);
    QVERIFY(before->move == (BotMove{2, 1}));
    QVERIFY(other->move == (BotMove{1, 1}));
    QVERIFY(after == before);
    // The factory hands out the player of the level asked for.
    QVERIFY(dynamic_cast<StrongPlayer*>(makeComputerPlayer(BotLevel::strong, timid).get()));
    QVERIFY(dynamic_cast<ClassicPlayer*>(makeComputerPlayer(BotLevel::classic).get()));
}

QTEST_APPLESS_MAIN(TestStrongPlayer)
#include "test_strong_player.moc"
