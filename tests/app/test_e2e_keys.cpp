// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game from the keyboard alone: a hosting copy on an ephemeral port with fast timers,
// Ctrl+N for the game options, Tab and Space to tick "Full Game", Enter to start, then the
// user's seat played with Space, the pawn digits, Tab, Enter, Escape and P until the winner is
// announced. Every key goes where the keyboard's would: to the widget with the focus.
#include <QApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QTest>

#include "app/e2e_fixture.h"
#include "app/main_window.h"
#include "chat/chat_pane.h"
#include "table/table_panel.h"
#include "windows/gamestart.h"

using namespace quadrino;

class TestE2eKeys : public QObject {
    Q_OBJECT
private slots:
    void userPlaysAWholeGameByKeys() {
        MainWindow w;
        QStringList boxes;
        e2e::openSoloGame(w, boxes, "20240611");
        if (QTest::currentTestFailed()) return;

        TablePanel* panel = w.panel();
        QWidget* board = panel->boardFocus();
        const table::TableState& table = w.session().table().state();
        auto key = [&](QWidget* target, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            QVERIFY(target);
            QTest::keyClick(target, k, mods);
        };
        QCOMPARE(w.focusWidget(), board);

        // Ctrl+N opens the options; Tab to "Full Game", Space ticks it, Enter starts.
        key(w.focusWidget(), Qt::Key_N, Qt::ControlModifier);
        GameOptionsDialog* options = w.gameOptions();
        QTRY_VERIFY(options->isVisible());
        auto* fullgame = options->findChild<CheckImage*>(QStringLiteral("box_fullgame"));
        QVERIFY(fullgame);
        for (int tabs = 0; tabs < 12 && options->focusWidget() != fullgame; ++tabs)
            key(options->focusWidget() ? options->focusWidget() : options, Qt::Key_Tab);
        QCOMPARE(options->focusWidget(), fullgame);
        if (fullgame->state() == 0) key(fullgame, Qt::Key_Space);
        QCOMPARE(fullgame->state(), 1);
        key(options->focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!options->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(w.mainchat()->toPlainText().contains(QStringLiteral("You has started a game.")), 10000);
        QCOMPARE(w.focusWidget(), board);

        auto press = [&](Qt::Key k) { key(w.focusWidget(), k); };
        auto won = [&] { return w.mainchat()->toPlainText().contains(QStringLiteral("Won the Game!")); };
        auto markersShown = [&] {
            int n = 0;
            for (const table::MarkerView& m : table.markers) n += m.shown ? 1 : 0;
            return n;
        };
        QRandomGenerator pick(11);
        int rolls = 0, moves = 0, passes = 0, attempts = 0;
        QElapsedTimer clock;
        clock.start();
        while (!won() && clock.elapsed() < 270000) {
            QTest::qWait(2);
            QCOMPARE(w.focusWidget(), board);
            if (table.turnseat != w.identity().myseat) continue;
            if (table.errorShown) press(Qt::Key_Escape);
            if (table.clientphase == 1) {
                press(Qt::Key_Space);
                ++rolls;
                attempts = 0;
                continue;
            }
            if (table.clientphase != 2 || !table.canmove) continue;

            bool acted = false;
            std::array<Qt::Key, 4> order{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
            std::shuffle(order.begin(), order.end(), pick);
            for (Qt::Key pawn : order) {
                press(pawn);
                if (!table.canmove) { // entered from start
                    acted = true;
                    ++moves;
                    break;
                }
                if (markersShown() > 0) {
                    const int tabs = static_cast<int>(pick.bounded(4u));
                    for (int i = 0; i < tabs; ++i) press(Qt::Key_Tab);
                    press(Qt::Key_Return);
                    acted = !table.canmove;
                    if (acted) {
                        ++moves;
                        break;
                    }
                }
            }
            press(Qt::Key_Escape);
            if (acted) {
                (void)QTest::qWaitFor([&] { return table.canmove || table.turnseat != w.identity().myseat || won(); },
                                      5000);
                continue;
            }
            ++attempts;
            if (table.seat(w.identity().myseat).pass && attempts > 3) {
                press(Qt::Key_P);
                ++passes;
                continue;
            }
            QTest::qWait(5);
        }
        QVERIFY2(won(), qPrintable(QStringLiteral("no winner after %1 ms; rolls %2, moves %3, passes %4")
                                       .arg(clock.elapsed()).arg(rolls).arg(moves).arg(passes)));
        qInfo("game over after %lld ms: %d rolls, %d moves, %d passes by keys",
              static_cast<long long>(clock.elapsed()), rolls, moves, passes);
        QVERIFY(rolls > 0);
        QVERIFY(moves > 0);
        int winners = 0;
        for (int s = 1; s <= 4; ++s) winners += table.seat(s).winner ? 1 : 0;
        QCOMPARE(winners, 1);
        // B reads the final board into the chat: the winner has every pawn home.
        press(Qt::Key_B);
        QVERIFY(w.mainchat()->toPlainText().simplified().contains(
            QStringLiteral("pawn 1 home; pawn 2 home; pawn 3 home; pawn 4 home")));
        QVERIFY(boxes.isEmpty());
    }
};

QTEST_MAIN(TestE2eKeys)
#include "test_e2e_keys.moc"
