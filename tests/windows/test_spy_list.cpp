// SPDX-License-Identifier: GPL-3.0-or-later
// The spy list window: its texts, entries coming and going, and "Remove From Game" acting
// only on the spectator the menu was opened on.
#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "windows/menu_target.h"
#include "windows/spy_list.h"

using namespace quadrino;

namespace {

struct Window {
    SpyListWindow w;
    QListWidget* list;
    QAction* kick;
    QSignalSpy removed;

    Window()
        : list(w.findChild<QListWidget*>(QStringLiteral("listbox_spys"))),
          kick(w.findChild<QAction*>(QStringLiteral("popup_kickhim"))),
          removed(&w, &SpyListWindow::removeRequested) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    ~Window() {
        if (auto* menu = w.findChild<QMenu*>(QStringLiteral("popup_kick"))) menu->hide();
    }

    // Over entry `row`, or below the entries when row is -1.
    QPoint pointAt(int row) const {
        if (row >= 0) return list->visualItemRect(list->item(row)).center();
        return QPoint(4, list->viewport()->height() - 3);
    }
    void rightClick(int row) {
        const QPoint p = pointAt(row);
        QContextMenuEvent ev(QContextMenuEvent::Mouse, p, list->viewport()->mapToGlobal(p));
        QApplication::sendEvent(list->viewport(), &ev);
    }
    void moveTo(int row) {
        const QPoint p = pointAt(row);
        QMouseEvent ev(QEvent::MouseMove, p, list->viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &ev);
    }
    int tag() const { return list->property("tag").toInt(); }
};

} // namespace

class TestSpyList : public QObject {
    Q_OBJECT
private slots:
    void texts() {
        SpyListWindow w;
        QCOMPARE(w.objectName(), QStringLiteral("spylist"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quadrino - Spys"));
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!w.isModal());
        const QList<QLabel*> labels = w.findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "Spy List"; }));
        auto* done = w.findChild<QPushButton*>(QStringLiteral("button_done"));
        QVERIFY(done);
        QCOMPARE(done->text(), QStringLiteral("Done"));
        auto* menu = w.findChild<QMenu*>(QStringLiteral("popup_kick"));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QAction* kick = menu->actions().front();
        QCOMPARE(kick->objectName(), QStringLiteral("popup_kickhim"));
        QCOMPARE(kick->text(), QStringLiteral("&Remove From Game")); // R chooses it from the keyboard
        QVERIFY(!kick->isEnabled());
        w.setHosting(true);
        QVERIFY(kick->isEnabled());
        QCOMPARE(w.findChild<QListWidget*>(QStringLiteral("listbox_spys"))->property("tag").toInt(), -1);
    }

    void showAndDone() {
        SpyListWindow w;
        QVERIFY(!w.isVisible());
        w.showSpyList();
        QVERIFY(w.isVisible());
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("button_done")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void entriesComeAndGo() {
        SpyListWindow w;
        w.addSpy(5, QStringLiteral("Ann"));
        w.addSpy(6, QStringLiteral("<font size=\"7\"><b>PWNED</b></font>"));
        w.addEntry(QStringLiteral("7: Cid"));
        QCOMPARE(w.entries(), (QStringList{"5: Ann", "6: <font size=\"7\"><b>PWNED</b></font>", "7: Cid"}));
        // Names of connections are matched without regard to case; the number must agree.
        QVERIFY(!w.removeSpy(6, QStringLiteral("Ann")));
        QVERIFY(w.removeSpy(5, QStringLiteral("ANN")));
        QVERIFY(!w.removeSpy(5, QStringLiteral("Ann")));
        QVERIFY(w.removeEntry(QStringLiteral("7: Cid")));
        QCOMPARE(w.entries().size(), 1);
        w.clearSpys();
        QVERIFY(w.entries().isEmpty());
        QVERIFY(!w.removeEntry(QStringLiteral("6: x")));
    }

    void parseEntry_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "5: Ann" << 5 << "Ann";
        QTest::newRow("colon in the name") << "8: a: b" << 8 << "a: b";
        QTest::newRow("no blank after colon") << "9:Bo" << 9 << "Bo";
        QTest::newRow("empty name") << "7: " << 7 << "";
        QTest::newRow("no number") << "x: Ann" << -1 << "";
        QTest::newRow("no colon") << "5 Ann" << -1 << "";
    }
    void parseEntry() {
        QFETCH(QString, entry);
        QFETCH(int, number);
        QFETCH(QString, name);
        const std::optional<MenuTarget> t = SpyListWindow::parseEntry(entry);
        QCOMPARE(t.has_value(), number != -1);
        if (!t) return;
        QCOMPARE(t->number, number);
        QCOMPARE(t->name, name);
        QCOMPARE(SpyListWindow::entryText(t->number, t->name) == entry, entry.contains(": "));
    }

    void pointerTag() {
        Window f;
        f.w.addSpy(5, "Ann");
        f.w.addSpy(6, "Bob");
        f.moveTo(1);
        QCOMPARE(f.tag(), 1);
        f.moveTo(0);
        QCOMPARE(f.tag(), 0);
        f.moveTo(-1);
        QCOMPARE(f.tag(), -1);
        f.moveTo(1);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(f.list->viewport(), &leave);
        QCOMPARE(f.tag(), -1);
    }

    // Entries, the row right-clicked (-1: below the entries), what arrives or leaves while
    // the menu is open ("-" removes, "+" adds), and the connection asked to be removed.
    void removeFromGame_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("meanwhile");
        QTest::addColumn<bool>("hosting");
        QTest::addColumn<int>("removed");
        const QStringList three = {"5: Ann", "6: Bob", "7: Cid"};
        QTest::newRow("entry under the pointer") << three << 1 << QStringList{} << true << 6;
        QTest::newRow("pointer over no entry") << three << -1 << QStringList{} << true << -1;
        QTest::newRow("not hosting") << three << 1 << QStringList{} << false << -1;
        QTest::newRow("an entry above left: still the one pointed at") << three << 1 << QStringList{"-5: Ann"} << true << 6;
        QTest::newRow("newcomer listed: still the one pointed at") << three << 2 << QStringList{"+8: Dee"} << true << 7;
        QTest::newRow("the one pointed at left: nobody") << three << 1 << QStringList{"-6: Bob"} << true << -1;
        QTest::newRow("its number now someone else's: nobody")
            << three << 0 << QStringList{"-5: Ann", "+5: Eve"} << true << -1;
        QTest::newRow("left and came back") << three << 0 << QStringList{"-5: Ann", "+5: Ann"} << true << 5;
        QTest::newRow("list cleared") << three << 0 << QStringList{"clear"} << true << -1;
        QTest::newRow("entry that is no number") << QStringList{"x: Ann"} << 0 << QStringList{} << true << -1;
        QTest::newRow("name with markup and colon")
            << QStringList{"9: <b>a:b</b>"} << 0 << QStringList{} << true << 9;
    }
    void removeFromGame() {
        QFETCH(QStringList, entries);
        QFETCH(int, row);
        QFETCH(QStringList, meanwhile);
        QFETCH(bool, hosting);
        QFETCH(int, removed);
        Window f;
        f.w.setHosting(hosting);
        for (const QString& e : entries) f.w.addEntry(e);
        f.rightClick(row);
        auto* menu = f.w.findChild<QMenu*>(QStringLiteral("popup_kick"));
        QVERIFY(menu->isVisible());
        QCOMPARE(f.tag(), row);
        for (const QString& change : meanwhile) {
            if (change == "clear")
                f.w.clearSpys();
            else if (change.startsWith(u'-'))
                QVERIFY(f.w.removeEntry(change.mid(1)));
            else
                f.w.addEntry(change.mid(1));
        }
        f.kick->trigger();
        if (removed == -1) {
            QCOMPARE(f.removed.count(), 0);
        } else {
            QCOMPARE(f.removed.count(), 1);
            QCOMPARE(f.removed.at(0).at(0).toInt(), removed);
        }
        // The choice is used once: choosing again without reopening the menu removes nobody.
        f.w.onRemoveChosen();
        QCOMPARE(f.removed.count(), removed == -1 ? 0 : 1);
    }

    void seatGuard_data() {
        QTest::addColumn<int>("openedSeat");
        QTest::addColumn<QString>("openedName");
        QTest::addColumn<int>("seat");
        QTest::addColumn<QString>("shownNow");
        QTest::addColumn<bool>("acts");
        QTest::newRow("same seat, same name") << 2 << "Bob" << 2 << "Bob" << true;
        QTest::newRow("player left, seat waiting") << 2 << "Bob" << 2 << "<Waiting>" << false;
        QTest::newRow("someone else took the seat") << 3 << "Bob" << 3 << "Eve" << false;
        QTest::newRow("a computer player took over") << 4 << "Bob" << 4 << "Kling" << false;
        QTest::newRow("name differs in case") << 2 << "Bob" << 2 << "bob" << false;
        QTest::newRow("another seat") << 2 << "Bob" << 3 << "Bob" << false;
        QTest::newRow("opened over nothing") << -1 << "" << -1 << "" << false;
    }
    void seatGuard() {
        QFETCH(int, openedSeat);
        QFETCH(QString, openedName);
        QFETCH(int, seat);
        QFETCH(QString, shownNow);
        QFETCH(bool, acts);
        QCOMPARE(stillShows(MenuTarget{openedSeat, openedName}, seat, shownNow), acts);
    }
};

QTEST_MAIN(TestSpyList)
#include "test_spy_list.moc"
