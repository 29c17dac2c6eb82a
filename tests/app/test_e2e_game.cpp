// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game through the main window, once by mouse and once by keys: a hosting copy on an
// ephemeral port with fast timers and seeded dice, the game started through the options
// dialog, the user's seat played until the winner is announced, the other seats by the
// host's bots. By keys every key goes where the keyboard's would: to the widget with the
// focus. The test moves when the table model changes, never after a fixed time.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include "app/main_window.h"
#include "chat/chat_pane.h"
#include "table/table_panel.h"
#include "windows/gamestart.h"

using namespace quadrino;

namespace {

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

} // namespace

class TestE2eGame : public QObject {
    Q_OBJECT
private slots:
    void userPlaysAWholeGame_data() {
        QTest::addColumn<bool>("byKeys");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<bool>("animated"); // moves glide on the board, or show at once
        QTest::newRow("mouse") << false << "20240607" << true;
        QTest::newRow("keys") << true << "20240611" << false;
    }
    void userPlaysAWholeGame() {
        QFETCH(bool, byKeys);
        QFETCH(QString, seed);
        QFETCH(bool, animated);
        MainWindow w;
        QStringList boxes;
        w.setMessageBox([&boxes](const QString& t) { boxes << t; });
        const LaunchPlan plan = decideLaunch({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--time-scale"),
                                              QStringLiteral("0.01"), QStringLiteral("--seed"), seed});
        QVERIFY(plan.error.isEmpty());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.processparams(plan);
        w.findChild<QAction*>(QStringLiteral("Fast1"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(w.identity().loggedin, 10000);
        TablePanel* panel = w.panel();
        QTRY_COMPARE_WITH_TIMEOUT(panel->findChild<QLabel*>(QStringLiteral("label_playername1"))->text(), QStringLiteral("You"), 10000);
        if (auto* animations = w.findChild<QAction*>(QStringLiteral("Animations1")); animations->isChecked() != animated)
            animations->trigger();
        QCOMPARE(panel->animations(), animated);

        const table::TableState& table = w.session().table().state();
        QSignalSpy changed(&w.session(), &ClientSession::tableChanged);
        QWidget* board = panel->boardFocus();
        auto control = [panel](const QString& name) { return panel->findChild<QWidget*>(name); };
        auto key = [](QWidget* target, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            QVERIFY(target);
            QTest::keyClick(target, k, mods);
        };
        auto press = [&](Qt::Key k) { key(w.focusWidget(), k); };
        QCOMPARE(w.focusWidget(), board);

        // Start: the options dialog (by the board's start button or Ctrl+N); "Full Game" lets
        // bots take the three empty seats.
        QWidget* startButton = control(QStringLiteral("button_start"));
        QVERIFY(startButton && startButton->isVisible());
        if (byKeys) key(w.focusWidget(), Qt::Key_N, Qt::ControlModifier);
        else click(startButton);
        GameOptionsDialog* options = w.gameOptions();
        QTRY_VERIFY(options->isVisible());
        auto* fullgame = options->findChild<CheckImage*>(QStringLiteral("box_fullgame"));
        QVERIFY(fullgame);
        if (byKeys) {
            for (int tabs = 0; tabs < 12 && options->focusWidget() != fullgame; ++tabs)
                key(options->focusWidget() ? options->focusWidget() : options, Qt::Key_Tab);
            QCOMPARE(options->focusWidget(), fullgame);
            if (fullgame->state() == 0) key(fullgame, Qt::Key_Space);
        } else if (fullgame->state() == 0) {
            click(fullgame);
        }
        QCOMPARE(fullgame->state(), 1);
        if (byKeys) key(options->focusWidget(), Qt::Key_Return);
        else click(options->findChild<QAbstractButton*>(QStringLiteral("button_start")));
        QTRY_VERIFY(!options->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(w.mainchat()->toPlainText().contains(QStringLiteral("You has started a game.")), 10000);
        QTRY_VERIFY(!startButton->isVisible());
        QCOMPARE(w.focusWidget(), board);

        // The user's hands, by mouse or by keys.
        std::array<QWidget*, 12> markers{};
        for (int m = 1; m <= 12; ++m) markers[std::size_t(m - 1)] = control(QStringLiteral("piece_gray%1").arg(m));
        QRandomGenerator pick(byKeys ? 11 : 7);
        auto markersShown = [&] {
            QList<QWidget*> shown;
            for (int code = 1; code <= 12; ++code)
                if (table.marker(code).shown) shown << markers[std::size_t(code - 1)];
            return shown;
        };
        auto closeError = [&] { byKeys ? press(Qt::Key_Escape) : click(control(QStringLiteral("Image3"))); };
        auto roll = [&] { byKeys ? press(Qt::Key_Space) : click(control(QStringLiteral("dice_1"))); };
        auto pass = [&] { byKeys ? press(Qt::Key_P) : click(control(QStringLiteral("button_pass1"))); };
        auto choosePawn = [&](int pawn) {
            if (byKeys) press(Qt::Key(Qt::Key_1 + pawn - 1));
            else if (QWidget* p = control(QStringLiteral("piece_1%1").arg(pawn)); p->isVisible()) click(p);
        };
        auto chooseMarker = [&] {
            const QList<QWidget*> shown = markersShown();
            if (!byKeys) return click(shown[qsizetype(pick.bounded(quint32(shown.size())))]);
            for (quint32 tabs = pick.bounded(4u); tabs > 0; --tabs) press(Qt::Key_Tab);
            press(Qt::Key_Return);
        };

        auto won = [&] { return w.mainchat()->toPlainText().contains(QStringLiteral("Won the Game!")); };
        int rolls = 0, moves = 0, passes = 0, attempts = 0, idle = 0;
        while (!won() && idle < 30) {
            // Nothing to do until the picture changes; a picture that stays still for 30 s ends the game here.
            if (changed.isEmpty() && !changed.wait(1000)) ++idle;
            else idle = 0;
            changed.clear();
            // The summary at the end takes the focus for its buttons.
            if (byKeys && !table.summaryShown) QCOMPARE(w.focusWidget(), board);
            if (table.turnseat != w.identity().myseat) continue;
            if (table.errorShown) closeError();
            if (table.clientphase == 1) {
                roll();
                ++rolls;
                attempts = 0;
                continue;
            }
            if (table.clientphase != 2 || !table.canmove) continue;

            // The pawns in a random order: a pawn at start enters at once on a five; any other
            // shows markers for the amounts that can move it.
            bool acted = false;
            std::array<int, 4> order{1, 2, 3, 4};
            std::shuffle(order.begin(), order.end(), pick);
            for (int pawn : order) {
                choosePawn(pawn);
                if (!table.canmove || (!markersShown().isEmpty() && (chooseMarker(), !table.canmove))) {
                    acted = true;
                    ++moves;
                    break;
                }
            }
            if (byKeys) press(Qt::Key_Escape);
            if (acted) continue;
            // The host answers a turn without a move the client can see by passing it on.
            if (table.seat(w.identity().myseat).pass && ++attempts > 3) {
                pass();
                ++passes;
            }
        }
        QVERIFY2(won(), qPrintable(QStringLiteral("no winner; rolls %1, moves %2, passes %3").arg(rolls).arg(moves).arg(passes)));
        QVERIFY(rolls > 0);
        QVERIFY(moves > 0);
        // The winner's line in the log and the chat agree; the start button is back.
        const QString log = panel->findChild<QLabel*>(QStringLiteral("label_log"))->text();
        QVERIFY(log.endsWith(QStringLiteral("Won the Game!")));
        QVERIFY(w.mainchat()->toPlainText().contains(log));
        QTRY_VERIFY(startButton->isVisible());
        int winners = 0;
        for (int s = 1; s <= 4; ++s) winners += table.seat(s).winner ? 1 : 0;
        QCOMPARE(winners, 1);
        if (byKeys) {
            // Escape closes the summary and gives the keys back to the board, where B reads
            // the final board into the chat: the winner has every pawn home.
            QTRY_VERIFY(table.summaryShown && w.focusWidget() != board);
            press(Qt::Key_Escape);
            QCOMPARE(w.focusWidget(), board);
            press(Qt::Key_B);
            QVERIFY(w.mainchat()->toPlainText().simplified().contains(
                QStringLiteral("pawn 1 home; pawn 2 home; pawn 3 home; pawn 4 home")));
        }
        QVERIFY(boxes.isEmpty());
    }
};

QTEST_MAIN(TestE2eGame)
#include "test_e2e_game.moc"
