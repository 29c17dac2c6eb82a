// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel without a mouse: keys on the focused board reach the model, the chosen
// marker and the focus ring are drawn, every control carries a name for screen readers, and
// the status and log lines announce their changes.
#include <QAccessible>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "panel_fixture.h"
#include "art/board_placement.h"

using namespace quadrino;
using fixture::bytes;
using fixture::Table;
using fixture::move;
using fixture::ownRoll;

namespace {

using Sent = std::vector<std::string>;

QString accessibleName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Name-changed events, by the objectName of the control they came from.
QStringList* g_events = nullptr;
void recordEvent(QAccessibleEvent* event) {
    if (g_events && event->type() == QAccessible::NameChanged && event->object())
        *g_events << event->object()->objectName();
}

} // namespace

class TestTablePanelKeys : public QObject {
    Q_OBJECT
private slots:
    void keysOnTheBoardPlayAMove() {
        Table t(1);
        ownRoll(t, 1, 3, 5, false, {{1, 1, 12}});
        t.panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.panel.get()));
        QWidget* board = t.panel->boardFocus();
        board->setFocus();
        auto look = [&](int code) { return t.w<QLabel>(QStringLiteral("piece_gray%1").arg(code))->pixmap().toImage(); };
        QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
        const QImage plain = look(1);
        QCOMPARE(t.state().chosenMarker, 0); // a click chooses no marker
        QTest::keyClick(board, Qt::Key_1);
        QVERIFY(t.marker(1)->isVisible() && t.marker(2)->isVisible() && t.marker(3)->isVisible());
        QCOMPARE(t.state().chosenMarker, 1);
        // The chosen marker looks chosen, and plain again once another is chosen.
        QVERIFY(look(1) != plain);
        QVERIFY(accessibleName(board).startsWith(QStringLiteral("Board: Move pawn 1 to square 15")));
        QTest::keyClick(board, Qt::Key_Tab);
        QCOMPARE(t.state().chosenMarker, 2);
        QCOMPARE(look(1), plain);
        QVERIFY(board->hasFocus()); // Tab walked the markers, it did not leave the board
        QTest::keyClick(board, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(board, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(t.state().chosenMarker, 3);
        QVERIFY(t.rec.sent.empty());
        QTest::keyClick(board, Qt::Key_Return);
        QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_moveit+1+3+1+")});
        QVERIFY(!t.marker(3)->isVisible());
        QCOMPARE(accessibleName(board), QStringLiteral("Board"));
    }

    // Keys held with Ctrl or Alt belong to menus and shortcuts; other keys are not the board's.
    void otherKeysAreLeftAlone_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("ctrl 1") << int(Qt::Key_1) << int(Qt::ControlModifier);
        QTest::newRow("alt p") << int(Qt::Key_P) << int(Qt::AltModifier);
        QTest::newRow("5") << int(Qt::Key_5) << 0;
        QTest::newRow("x") << int(Qt::Key_X) << 0;
    }
    void otherKeysAreLeftAlone() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Table t(1);
        ownRoll(t, 1, 3, 5, false, {{1, 1, 12}});
        QVERIFY(!t.panel->onBoardKey(key, Qt::KeyboardModifiers(modifiers)));
        QVERIFY(t.rec.sent.empty());
        QCOMPARE(t.state().chosenMarker, 0);
    }

    void tabWithoutMarkersMovesTheFocusOn() {
        Table t(1);
        ownRoll(t, 1, 3, 5, false, {{1, 1, 12}});
        QVERIFY(!t.panel->onBoardKey(Qt::Key_Tab, Qt::NoModifier));
        QVERIFY(t.panel->onBoardKey(Qt::Key_1, Qt::NoModifier));
        QVERIFY(t.panel->onBoardKey(Qt::Key_Tab, Qt::NoModifier));
    }

    // The ring shows where the keyboard brought the focus, never after the mouse.
    void focusRingOnlyForTheKeyboard() {
        Table t(1);
        t.panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.panel.get()));
        QWidget* ring = t.panel->findChild<QWidget*>(QStringLiteral("focus_board"));
        QVERIFY(ring);
        QWidget* board = t.panel->boardFocus();
        QCOMPARE(board->focusPolicy(), Qt::TabFocus);
        board->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(board->hasFocus());
        QVERIFY(!ring->isVisible());
        QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
        QVERIFY(!ring->isVisible());
        QTest::keyClick(board, Qt::Key_B);
        QVERIFY(ring->isVisible());
        board->clearFocus();
        QVERIFY(!ring->isVisible());
        board->setFocus(Qt::ShortcutFocusReason);
        QVERIFY(ring->isVisible());
    }

    // Every control of the board that shows has a name a screen reader can read.
    void everyShownControlIsNamed() {
        Table t(2, "Bob");
        ownRoll(t, 1, 2, 6, false, {{1, 1, 12}, {2, 1, 40}});
        t.feed(encode(NextPlayer{2, 1}));
        t.feed(encode(HisDice{2, 2, 2, 6, 0, 0, true}));
        QTest::mouseClick(t.pawn(2, 1), Qt::LeftButton);
        t.feed(encode(AError{2, 5}));
        QStringList unnamed;
        int checked = 0;
        for (const placement::Placement& row : placement::placements()) {
            if (row.owner != placement::Owner::Table) continue;
            QWidget* w = t.w(QString::fromStdString(row.name));
            if (!w->isVisibleTo(t.panel.get())) continue;
            ++checked;
            if (accessibleName(w).isEmpty()) unnamed << QString::fromStdString(row.name);
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
        QVERIFY(checked > 40);
        QCOMPARE(accessibleName(t.pawn(1, 1)), QStringLiteral("Yellow pawn 1, square 12, safe square"));
        QCOMPARE(accessibleName(t.w(QStringLiteral("dice_2"))), QStringLiteral("Die 2: 6"));
        QCOMPARE(accessibleName(t.marker(1)), QStringLiteral("Move pawn 1 to square 42"));
        QCOMPARE(t.w(QStringLiteral("dice_1"))->toolTip(), QStringLiteral("Roll the dice (Space)"));
    }

    // The status and log lines tell assistive technology each time their text changes.
    void statusAndLogAreAnnounced() {
        Table t(1);
        t.seatEveryone();
        t.startGame();
        QStringList events;
        g_events = &events;
        QAccessible::installUpdateHandler(recordEvent);
        // As an assistive technology's bridge does when a screen reader listens; the offscreen
        // platform has no bridge of its own.
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
        t.feed(encode(NextPlayer{2, 1}));
        t.feed(encode(HisDice{2, 2, 3, 4, 0, 0, false}));
        t.feed(encode(NoMoves{2}));
        QCOMPARE(events.count(QStringLiteral("label_log")), 1);
        // The same line again is a new line: told again, once.
        t.feed(encode(NextPlayer{2, 1}));
        t.feed(encode(HisDice{2, 2, 3, 4, 0, 0, false}));
        t.feed(encode(NoMoves{2}));
        QCOMPARE(events.count(QStringLiteral("label_log")), 2);
        QAccessible::installUpdateHandler(nullptr);
        platform->setActive(false);
        g_events = nullptr;
        QVERIFY2(events.contains(QStringLiteral("label_status")), qPrintable(events.join(u' ')));
        QVERIFY2(events.contains(QStringLiteral("label_log")), qPrintable(events.join(u' ')));
    }
};

QTEST_MAIN(TestTablePanelKeys)
#include "test_table_panel_keys.moc"
