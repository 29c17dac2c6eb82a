// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, checked row by row against the one table they are built from: what must hold for
// every entry, not a second copy of the tree.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/preferences_store.h"
#include "net/host_server.h"

using namespace quadrino;

namespace {

QString text(const char* s) { return QString::fromLatin1(s); }
QString plain(QString caption) { return caption.remove(u'&'); }
// The letter that chooses an entry: the one after its '&'.
QChar mnemonic(const QString& caption) { return caption.at(caption.indexOf(u'&') + 1).toLower(); }

// The menu an entry sits in, found through the window (a top-level menu's is the menu bar).
QList<QAction*> siblings(MainWindow& w, const MenuRow& row) {
    if (!*row.parent) return w.menuBar()->actions();
    if (auto* popup = w.findChild<QMenu*>(text(row.parent))) return popup->actions();
    return w.findChild<QAction*>(text(row.parent))->menu()->actions();
}

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void everyRowIsAnEntryOfTheWindow() {
        MainWindow w;
        for (const MenuRow& row : menuRows()) {
            if (row.kind == MenuRow::Kind::Separator || row.kind == MenuRow::Kind::Popup) continue;
            QAction* a = w.findChild<QAction*>(text(row.name));
            QVERIFY2(a, row.name);
            // One letter each, the caption otherwise as it reads.
            QCOMPARE(a->text(), text(row.caption));
            QVERIFY2(text(row.caption).count(u'&') == 1 && !plain(text(row.caption)).isEmpty(), row.name);
            QCOMPARE(a->shortcut(), QKeySequence(text(row.shortcut)));
            QCOMPARE(a->isCheckable(), row.checkable);
            QVERIFY2(siblings(w, row).contains(a), row.name);
            // Every entry does something, and only one thing.
            const int does = (row.handler ? 1 : 0) + (row.flag ? 1 : 0) + (row.setting ? 1 : 0);
            QCOMPARE(does, row.kind == MenuRow::Kind::Entry ? 1 : 0);
            QVERIFY2(!row.setting || *row.group, row.name); // a preference's value comes from a radio group
        }
    }

    // Each menu holds its rows in the table's order, separators included, and nothing else.
    void menusHoldTheirRowsInOrder() {
        MainWindow w;
        QHash<QString, QStringList> wanted, shown;
        for (const MenuRow& row : menuRows()) {
            if (row.kind == MenuRow::Kind::Popup) continue;
            wanted[text(row.parent)] << (row.kind == MenuRow::Kind::Separator ? QStringLiteral("-") : text(row.name));
        }
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
            QStringList names;
            const QList<QAction*> actions = it.key().isEmpty() ? w.menuBar()->actions()
                                            : w.findChild<QMenu*>(it.key())  ? w.findChild<QMenu*>(it.key())->actions()
                                                                             : w.findChild<QAction*>(it.key())->menu()->actions();
            for (QAction* a : actions) names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
            QCOMPARE(names, it.value());
        }
    }

    void namesLettersAndShortcutsDoNotClash() {
        QSet<QString> names;
        QHash<QString, QSet<QChar>> letters;
        QHash<QString, const MenuRow*> byShortcut;
        for (const MenuRow& row : menuRows()) {
            if (row.kind == MenuRow::Kind::Separator) continue;
            QVERIFY2(!names.contains(text(row.name)), row.name);
            names << text(row.name);
            if (row.kind == MenuRow::Kind::Popup) continue;
            QSet<QChar>& used = letters[text(row.parent)];
            QVERIFY2(!used.contains(mnemonic(text(row.caption))), row.name);
            used << mnemonic(text(row.caption));
            if (!*row.shortcut) continue;
            // One key, one command: two entries share a key only when they do the same.
            const MenuRow* other = byShortcut.value(text(row.shortcut));
            QVERIFY2(!other || other->handler == row.handler, row.name);
            byShortcut[text(row.shortcut)] = &row;
        }
    }

    // Radio groups: exclusive, each entry its own value, one checked with the preferences of
    // a first start (the text size only once the settings are read).
    void radioGroupsCheckOneValue() {
        MainWindow w;
        QHash<QString, QSet<int>> tags;
        QHash<QString, int> checked;
        for (const MenuRow& row : menuRows()) {
            if (!*row.group) continue;
            QVERIFY2(!tags[text(row.group)].contains(row.tag), row.name);
            tags[text(row.group)] << row.tag;
            QAction* a = w.findChild<QAction*>(text(row.name));
            QVERIFY(a->actionGroup() && a->actionGroup()->isExclusive());
            checked[text(row.group)] += a->isChecked() ? 1 : 0;
        }
        for (auto it = checked.cbegin(); it != checked.cend(); ++it)
            QCOMPARE(it.value(), it.key() == u"TextSize1" ? 0 : 1);
    }

    // What needs the hosting user or a host here is off until there is one.
    void entriesThatNeedAHostWaitForOne() {
        MainWindow w;
        w.setMessageBox([](const QString&) {});
        auto states = [&](MenuNeeds needs) {
            QList<bool> on;
            for (const MenuRow& row : menuRows())
                if (row.needs == needs && *row.name && row.kind != MenuRow::Kind::Popup)
                    on << w.findChild<QAction*>(text(row.name))->isEnabled();
            return on;
        };
        QVERIFY(!states(MenuNeeds::HostingUser).contains(true));
        QVERIFY(!states(MenuNeeds::HostHere).contains(true));
        QVERIFY(!states(MenuNeeds::Nothing).contains(false));
        LaunchPlan solo = decideLaunch({});
        solo.port = 0;
        w.processparams(solo);
        QVERIFY(w.launcher().hostServer());
        QVERIFY(!states(MenuNeeds::HostHere).contains(false));
        QTRY_VERIFY(!states(MenuNeeds::HostingUser).contains(false));
        w.launcher().leaveGame();
        QVERIFY(!states(MenuNeeds::HostHere).contains(true));
        QVERIFY(!states(MenuNeeds::HostingUser).contains(true));
    }
};

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
