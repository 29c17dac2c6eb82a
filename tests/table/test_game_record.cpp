// SPDX-License-Identifier: GPL-3.0-or-later
// The game log and the figures of a whole seeded game, built by a watching client's table
// from what the host announced, checked against those announcements.
#include <QtTest>

#include "host/host_fixture.h"
#include "model_fixture.h"
#include "protocol/message_queue.h"

using namespace quadrino;

namespace {

bool has(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

} // namespace

class TestGameRecord : public QObject {
    Q_OBJECT
private slots:
    // In the order the host announced them, every roll names its dice, every move its pawn and
    // where it went, every capture and the winner; the figures add up to the same events.
    void logFollowsTheAnnouncements_data() {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<QString>("options"); // penalty passing blocking pouncing team limit full
        QTest::newRow("seed 1") << 1u << "1+0+1+1+0+0+1";
        QTest::newRow("seed 4242 team, limit 3") << 4242u << "1+0+1+1+1+3+1";
    }
    void logFollowsTheAnnouncements() {
        QFETCH(std::uint32_t, seed);
        QFETCH(QString, options);
        fixture::ModelTable t(1, "Ann", true);
        std::vector<std::string> expected; // the part of a log line each event must have
        int rolls = 0, captures = 0, moves = 0;
        for (const std::string& message : testing::watchedBotGame(seed, options)) {
            t.feed(message);
            const CommandSplit split = splitCommand(message);
            decodeAndHandle(ClientAnnouncements{}, split.word, split.rest,
                            Overloaded{
                                [&](const HisDice& m) {
                                    ++rolls;
                                    expected.push_back(std::to_string(m.die1) + " and " + std::to_string(m.die2) + ".");
                                },
                                [&](const GotPenalty& m) {
                                    ++rolls;
                                    expected.push_back(std::to_string(m.die1) + " and " + std::to_string(m.die2) + ")");
                                },
                                [&](const MoveHim& m) {
                                    ++moves;
                                    expected.push_back("moved pawn " + std::to_string(m.pawn) + " from ");
                                    if (m.square == homeSquareOf(m.seat)) expected.push_back(" home, spending");
                                    else if (m.square <= kTrackSquares)
                                        expected.push_back(" to square " + std::to_string(m.square) + ", spending");
                                    else expected.push_back(" to home column square ");
                                },
                                [&](const SendBack& m) {
                                    ++captures;
                                    expected.push_back("sent pawn " + std::to_string(m.pawn) + " of ");
                                },
                                [&](const Winner&) { expected.push_back("won the game"); },
                                [](const auto&) {},
                            });
        }
        const std::string saved = t.model.record().text();
        std::size_t at = 0;
        for (const std::string& part : expected) {
            const std::size_t found = saved.find(part, at);
            QVERIFY2(found != std::string::npos, ("not in order: " + part).c_str());
            at = found + part.size();
        }
        QVERIFY(moves > 50);
        int figureRolls = 0, made = 0, suffered = 0;
        for (const table::SeatFigures& f : t.model.record().figures()) {
            figureRolls += f.rolls;
            made += f.captures;
            suffered += f.captured;
            QVERIFY(f.doubles <= f.rolls && f.diceTotal >= 2 * f.rolls && f.diceTotal <= 12 * f.rolls);
        }
        QCOMPARE(figureRolls, rolls);
        QCOMPARE(made, captures);
        QCOMPARE(suffered, captures);
        // The game is over: the status says so, the summary shows the winners first.
        QVERIFY(has(t.state().status, "Game over"));
        QVERIFY(t.state().summaryShown);
        const auto places = table::standings(t.state());
        QVERIFY(!places.empty() && t.state().seat(places.front().seat).winner);
        QCOMPARE(places.back().place, int(places.size()));
    }

    // A host that floods keeps only the newest lines; a damaged announcement adds none.
    void logIsBounded() {
        fixture::ModelTable t(2, "Bob");
        t.seatEveryone();
        t.startGame();
        for (std::size_t i = 0; i < table::GameRecord::kMaxLines + 10; ++i) t.feed(encode(NextPlayer{1 + int(i % 4), 1}));
        QCOMPARE(t.model.record().lines().size(), table::GameRecord::kMaxLines);
        QVERIFY(has(t.model.record().lines().back().text(), "Turn of Bob"));
        const auto before = t.model.record().lines().size();
        t.feed(fixture::bytes("CMD_hisdice+1+2+9+1+0+0+0+"));
        t.feed(fixture::bytes("CMD_movehim+7+1+1+5+1+0+0+0+0+0+0+0+0+f+"));
        QCOMPARE(t.model.record().lines().size(), before);
    }
};

QTEST_GUILESS_MAIN(TestGameRecord)
#include "test_game_record.moc"
