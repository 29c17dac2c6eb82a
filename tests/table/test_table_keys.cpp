// SPDX-License-Identifier: GPL-3.0-or-later
// The board's keys and the board in words, on the table model alone: every key does what its
// click does, byte for byte; the markers are walked in a fixed order; the texts a screen
// reader gets say where every pawn stands.
#include <QtTest>

#include "model_fixture.h"
#include "table/table_access.h"

using namespace quadrino;
using fixture::bytes;
using fixture::ModelTable;
using fixture::move;
using fixture::ownRoll;
using table::BoardKey;

namespace {

using Sent = std::vector<std::string>;

} // namespace

class TestTableKeys : public QObject {
    Q_OBJECT
private slots:
    // A key and the click it stands for leave the same requests and the same picture.
    void keyDoesWhatItsClickDoes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("click"); // 0 dice, 1..4 pawn, 5 pass, 6 right click on pawn 1
        QTest::addColumn<int>("die1");
        QTest::addColumn<bool>("rolled");
        QTest::newRow("space rolls") << int(BoardKey::Roll) << 0 << 2 << false;
        QTest::newRow("space after the roll does nothing") << int(BoardKey::Roll) << 0 << 2 << true;
        QTest::newRow("pawn on the board shows markers") << int(BoardKey::Pawn1) << 1 << 2 << true;
        QTest::newRow("pawn at start enters on a five") << int(BoardKey::Pawn3) << 3 << 5 << true;
        QTest::newRow("pawn at start without a five") << int(BoardKey::Pawn4) << 4 << 2 << true;
        QTest::newRow("pass when offered") << int(BoardKey::Pass) << 5 << 2 << true;
    }
    void keyDoesWhatItsClickDoes() {
        QFETCH(int, key);
        QFETCH(int, click);
        QFETCH(int, die1);
        QFETCH(bool, rolled);
        ModelTable byKey(1), byClick(1);
        for (ModelTable* t : {&byKey, &byClick}) {
            if (rolled) {
                ownRoll(*t, 1, die1, 4, false, {{1, 1, 30}});
            } else {
                t->seatEveryone();
                t->startGame();
                t->feed(encode(NextPlayer{1, 1}));
                t->rec.forget();
            }
        }
        byKey.take(byKey.model.pressKey(static_cast<BoardKey>(key)));
        if (click == 0) byClick.take(byClick.model.clickDice());
        else if (click <= 4) byClick.take(byClick.model.clickPawn(1, click, false));
        else byClick.take(byClick.model.clickPass(1));
        QCOMPARE(byKey.rec.sent, byClick.rec.sent);
        table::TableState keyState = byKey.state();
        keyState.chosenMarker = 0; // the keys' own choice; the rest must match
        QCOMPARE(keyState == byClick.state(), true);
    }

    // Doubles of three from square 40: the die markers lie on 43, the sums on 46. The keys
    // walk one marker per square, the one a click there takes, nearest first, round and round.
    void markersWalkedNearestFirst() {
        ModelTable t(1);
        ownRoll(t, 1, 3, 3, true, {{1, 1, 40}});
        t.take(t.model.pressKey(BoardKey::Pawn1));
        QCOMPARE(t.shownMarkers(), QList<int>({1, 2, 3, 6, 7, 8}));
        QCOMPARE(table::markerCycle(t.state()), std::vector<int>({1, 8}));
        QCOMPARE(t.state().chosenMarker, 1);
        const std::vector<std::pair<BoardKey, int>> steps = {{BoardKey::NextMarker, 8},
                                                             {BoardKey::NextMarker, 1},
                                                             {BoardKey::PreviousMarker, 8},
                                                             {BoardKey::PreviousMarker, 1},
                                                             {BoardKey::PreviousMarker, 8}};
        for (const auto& [key, chosen] : steps) {
            t.take(t.model.pressKey(key));
            QCOMPARE(t.state().chosenMarker, chosen);
        }
        QVERIFY(t.rec.sent.empty());
        t.take(t.model.pressKey(BoardKey::Move));
        QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_moveit+1+8+1+")});
        QCOMPARE(t.shownMarkers(), QList<int>{});
        QCOMPARE(t.state().chosenMarker, 0);
        // A second Enter while the move is on its way sends nothing.
        t.take(t.model.pressKey(BoardKey::Move));
        QVERIFY(t.rec.sent.empty());
    }

    // Keys that have nothing to act on change nothing and send nothing.
    void idleKeysDoNothing_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("roll out of turn") << int(BoardKey::Roll);
        QTest::newRow("pass not offered") << int(BoardKey::Pass);
        QTest::newRow("enter without a marker") << int(BoardKey::Move);
        QTest::newRow("tab without markers") << int(BoardKey::NextMarker);
        QTest::newRow("shift tab without markers") << int(BoardKey::PreviousMarker);
        QTest::newRow("escape with nothing shown") << int(BoardKey::Clear);
        QTest::newRow("another seat's turn, pawn key") << int(BoardKey::Pawn2);
    }
    void idleKeysDoNothing() {
        QFETCH(int, key);
        ModelTable t(1);
        ownRoll(t, 2, 3, 4, false, {{1, 2, 30}});
        const table::TableState before = t.state();
        const table::Outcome out = t.take(t.model.pressKey(static_cast<BoardKey>(key)));
        QVERIFY(!out.changed);
        QVERIFY(t.rec.sent.empty());
        QVERIFY(t.state() == before);
    }

    void escapeClearsTheChoiceThenTheError() {
        ModelTable t(1);
        ownRoll(t, 1, 3, 4, false, {{1, 2, 30}});
        t.feed(encode(AError{1, 5}));
        QVERIFY(t.state().errorShown);
        t.take(t.model.pressKey(BoardKey::Pawn2));
        QVERIFY(!t.shownMarkers().isEmpty());
        t.take(t.model.pressKey(BoardKey::Clear));
        QCOMPARE(t.shownMarkers(), QList<int>{});
        QCOMPARE(t.state().chosenMarker, 0);
        t.feed(encode(AError{1, 5}));
        t.take(t.model.pressKey(BoardKey::Clear));
        QVERIFY(!t.state().errorShown);
        QVERIFY(t.rec.sent.empty());
    }

    void summaryNamesEverySeatsPawns() {
        ModelTable t(2, "Bob");
        ownRoll(t, 2, 3, 4, false, {{1, 1, 17}, {2, 3, 85}, {3, 4, 98}});
        t.take(t.model.pressKey(BoardKey::Summary));
        QCOMPARE(t.rec.chat,
                 QStringList({"0+Yellow (Ann): pawn 1 square 17, safe square; pawn 2 at start; pawn 3 at start; pawn 4 at start",
                              "0+Green (Bob), you, to move: pawn 1 at start; pawn 2 at start; pawn 3 home column square 3; "
                              "pawn 4 at start",
                              "0+Magenta (Cid): pawn 1 at start; pawn 2 at start; pawn 3 at start; pawn 4 home",
                              "0+Red (Dee): pawn 1 at start; pawn 2 at start; pawn 3 at start; pawn 4 at start"}));
        QVERIFY(t.rec.sent.empty());
    }

    void summaryBeforeAnyone() {
        ModelTable t(1);
        t.take(t.model.pressKey(BoardKey::Summary));
        QCOMPARE(t.rec.chat, QStringList({"0+No pawns on the board."}));
    }

    void pawnNames_data() {
        QTest::addColumn<int>("seat");
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("name");
        QTest::newRow("start") << 3 << 0 << "Magenta pawn 2, at start";
        QTest::newRow("safe") << 1 << 17 << "Yellow pawn 2, square 17, safe square";
        QTest::newRow("track") << 4 << 18 << "Red pawn 2, square 18";
        QTest::newRow("last track square") << 2 << 68 << "Green pawn 2, square 68, safe square";
        QTest::newRow("home column first") << 1 << 69 << "Yellow pawn 2, home column square 1";
        QTest::newRow("home column last") << 4 << 96 << "Red pawn 2, home column square 7";
        QTest::newRow("home") << 2 << 99 << "Green pawn 2, home";
    }
    void pawnNames() {
        QFETCH(int, seat);
        QFETCH(int, square);
        QFETCH(QString, name);
        ModelTable t(1);
        t.seatEveryone();
        t.startGame();
        if (square != 0) t.feed(encode(move(seat, 4, 2, square)));
        const auto text = table::accessibleText(t.state(), 1, "piece_" + std::to_string(seat) + "2");
        QCOMPARE(QString::fromStdString(text.name), name);
        QVERIFY(!text.description.empty());
    }

    void markerAndDiceTexts() {
        ModelTable t(1);
        ownRoll(t, 1, 3, 5, false, {{1, 1, 12}});
        auto text = [&](const char* name) { return table::accessibleText(t.state(), 1, name); };
        QCOMPARE(text("dice_1").name, std::string("Die 1: 3"));
        QCOMPARE(text("dice_2").name, std::string("Die 2: 5"));
        t.take(t.model.pressKey(BoardKey::Pawn1));
        QCOMPARE(text("piece_gray1").name, std::string("Move pawn 1 to square 15"));
        QCOMPARE(text("piece_gray1").description, std::string("spends 3 (die 1); chosen, press Enter to move"));
        QCOMPARE(text("piece_gray3").name, std::string("Move pawn 1 to square 20"));
        QCOMPARE(text("piece_gray3").description, std::string("spends 8 (both dice)"));
        t.take(t.model.pressKey(BoardKey::Move));
        t.feed(encode(move(1, 1, 1, 15, 0, true)));
        QCOMPARE(text("dice_1").name, std::string("Die 1: used"));
        // Names the board does not have get nothing, whatever their shape.
        for (const char* odd : {"piece_55", "piece_gray13", "dice_3", "image_progress0", "piece_1", "nothing"})
            QVERIFY2(text(odd) == table::AccessibleText{}, odd);
    }
};

QTEST_GUILESS_MAIN(TestTableKeys)
#include "test_table_keys.moc"
