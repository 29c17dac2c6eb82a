// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game through the main window: a hosting copy on an ephemeral port with fast
// timers, a game started through the options dialog, the user's seat played by clicking the
// dice, pawns, markers and pass button, the other seats played by the host's bots, until the
// winner is announced.
#include <QAbstractButton>
#include <QLabel>
#include <QRandomGenerator>
#include <QTest>

#include "app/e2e_fixture.h"
#include "app/main_window.h"
#include "chat/chat_pane.h"
#include "net/host_server.h"
#include "table/table_panel.h"
#include "windows/gamestart.h"

using namespace quadrino;

namespace {

template <typename T = QWidget>
T* control(QWidget* root, const QString& name) {
    return root->findChild<T*>(name);
}

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

} // namespace

class TestE2eGame : public QObject {
    Q_OBJECT
private slots:
    void userPlaysAWholeGameAgainstBots() {
        MainWindow w;
        QStringList boxes;
        e2e::openSoloGame(w, boxes, "20240607");
        if (QTest::currentTestFailed()) return;

        TablePanel* panel = w.panel();
        const table::TableState& table = w.session().table().state();

        // Start: the board's start button opens the options dialog; full game lets bots
        // take the three empty seats.
        QWidget* startButton = control(panel, QStringLiteral("button_start"));
        QVERIFY(startButton && startButton->isVisible());
        click(startButton);
        GameOptionsDialog* options = w.gameOptions();
        QVERIFY(options);
        QTRY_VERIFY(options->isVisible());
        auto* fullgame = control<CheckImage>(options, QStringLiteral("box_fullgame"));
        QVERIFY(fullgame);
        if (fullgame->state() == 0) click(fullgame);
        QCOMPARE(fullgame->state(), 1);
        auto* go = control<QAbstractButton>(options, QStringLiteral("button_start"));
        QVERIFY(go);
        click(go);
        QTRY_VERIFY(!options->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(w.mainchat()->toPlainText().contains(QStringLiteral("You has started a game.")), 10000);
        QTRY_VERIFY(!startButton->isVisible());

        QWidget* dice = control(panel, QStringLiteral("dice_1"));
        QWidget* pass = control(panel, QStringLiteral("button_pass1"));
        QWidget* errorPanel = control(panel, QStringLiteral("panel_error"));
        QWidget* closeError = control(panel, QStringLiteral("Image3"));
        QVERIFY(dice && pass && errorPanel && closeError);
        std::array<QWidget*, 4> pawns{};
        for (int p = 1; p <= 4; ++p) pawns[static_cast<std::size_t>(p - 1)] = control(panel, QStringLiteral("piece_1%1").arg(p));
        std::array<QWidget*, 12> markers{};
        for (int m = 1; m <= 12; ++m) markers[static_cast<std::size_t>(m - 1)] = control(panel, QStringLiteral("piece_gray%1").arg(m));

        auto won = [&] { return w.mainchat()->toPlainText().contains(QStringLiteral("Won the Game!")); };
        QRandomGenerator pick(7);
        int rolls = 0, moves = 0, passes = 0, attempts = 0;
        QElapsedTimer clock;
        clock.start();
        while (!won() && clock.elapsed() < 270000) {
            QTest::qWait(2);
            if (table.turnseat != w.identity().myseat) continue;
            if (errorPanel->isVisible()) click(closeError);
            if (table.clientphase == 1) {
                click(dice);
                ++rolls;
                attempts = 0;
                continue;
            }
            if (table.clientphase != 2 || !table.canmove) continue;

            // Try the pawns in a random order: a pawn at start enters at once on a five;
            // any other pawn shows markers for the amounts that can move it.
            bool acted = false;
            std::array<int, 4> order{0, 1, 2, 3};
            std::shuffle(order.begin(), order.end(), pick);
            for (int i : order) {
                QWidget* pawn = pawns[static_cast<std::size_t>(i)];
                if (!pawn->isVisible()) continue;
                click(pawn);
                if (!table.canmove) { // entered from start
                    acted = true;
                    ++moves;
                    break;
                }
                QList<QWidget*> shown;
                for (QWidget* m : markers)
                    if (m->isVisible()) shown << m;
                if (!shown.isEmpty()) {
                    click(shown[static_cast<qsizetype>(pick.bounded(static_cast<quint32>(shown.size())))]);
                    acted = true;
                    ++moves;
                    break;
                }
            }
            if (acted) {
                // Wait for the host's answer before looking again.
                (void)QTest::qWaitFor([&] { return table.canmove || table.turnseat != w.identity().myseat || won(); },
                                5000);
                continue;
            }
            ++attempts;
            if (pass->isVisible() && attempts > 3) {
                click(pass);
                ++passes;
                continue;
            }
            // The client sees no move the host allows: the host answers with "no moves"
            // and passes the turn on by itself; a stuck turn ends the test below.
            QTest::qWait(5);
        }
        QVERIFY2(won(), qPrintable(QStringLiteral("no winner after %1 ms; rolls %2, moves %3, passes %4")
                                       .arg(clock.elapsed()).arg(rolls).arg(moves).arg(passes)));
        qInfo("game over after %lld ms: %d rolls, %d moves, %d passes by the user",
              static_cast<long long>(clock.elapsed()), rolls, moves, passes);
        QVERIFY(rolls > 0);
        QVERIFY(moves > 0);
        // The winner's line in the log and the chat agree; the start button is back.
        const QString log = control<QLabel>(panel, QStringLiteral("label_log"))->text();
        QVERIFY(log.endsWith(QStringLiteral("Won the Game!")));
        QVERIFY(w.mainchat()->toPlainText().contains(log));
        QTRY_VERIFY(startButton->isVisible());
        int winners = 0;
        for (int s = 1; s <= 4; ++s)
            if (control(panel, QStringLiteral("image_winner%1").arg(s))->isVisible()) ++winners;
        QCOMPARE(winners, 1);
        QVERIFY(boxes.isEmpty());
    }
};

QTEST_MAIN(TestE2eGame)
#include "test_e2e_game.moc"
