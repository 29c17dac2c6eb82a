// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby window against a fake lobby: one table of the lobby's games and this network's,
// Join on a relayed game through the lobby with its ticket first, muting in the lobby chat,
// and the way to a lobby when none is set.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/game_launcher.h"
#include "app/lobby_window.h"
#include "app/main_window.h"
#include "net/fake_lobby.h"
#include "windows/lobby_advert.h"
#include "windows/side_windows.h"

using namespace quadrino;

namespace {

struct Lobby {
    FakeLobby lobby;
    PreferencesStore store;
    GameLauncher launcher{store};
    LobbyWindow window{store, launcher};

    template <typename W> W* find(const char* name) { return window.findChild<W*>(QString::fromLatin1(name)); }
    QTreeWidget* table() { return find<QTreeWidget>("list_games"); }
    QListWidget* chat() { return find<QListWidget>("lobby_chat_view"); }

    // Signed in as Ann through the window's own Connect.
    bool connectAs(const char* name) {
        store.prefs().joinname = name;
        find<QLineEdit>("edit_lobbyserver")->setText(lobby.address());
        find<QPushButton>("button_connect")->click();
        return lobby.welcome() && QTest::qWaitFor([&] { return window.lobbyClient().state() == LobbyClient::State::SignedIn; });
    }
    // The text of every row's `column`.
    QStringList column(int column) {
        QStringList out;
        for (int i = 0; i < table()->topLevelItemCount(); ++i) out << table()->topLevelItem(i)->text(column);
        return out;
    }
    // Answers the Join dialog's question with `name`.
    bool answerName(const QString& name) {
        QDialog* asked = nullptr;
        if (!QTest::qWaitFor([&] { return (asked = window.findChild<QDialog*>(QStringLiteral("lobbyjoin"))); })) return false;
        asked->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(name);
        asked->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
        return true;
    }
};

LanEntry lanGame(const char* host, quint16 port) {
    LanEntry e;
    e.service = QString::fromLatin1(host);
    e.address = QStringLiteral("10.0.0.5");
    e.port = port;
    e.game.host = host;
    e.game.seats = 2;
    return e;
}

} // namespace

class TestLobbyWindow : public QObject {
    Q_OBJECT
private slots:
    void oneTableOfTheLobbyAndThisNetwork() {
        Lobby l;
        QVERIFY(l.connectAs("Ann"));
        // Carol's game is listed by the lobby and found on this network: it shows once.
        l.lobby.send(0, gameLine(1, "relay", 1, "Dave", 7772, 0) + gameLine(2, "direct", 3, "Erin", 7772, 30) +
                            gameLine(3, "checking", 0, "Carol", 7780) + "LISTED\t3\n");
        l.window.setLanGames({lanGame("Carol", 7780)});
        QTRY_COMPARE(l.table()->topLevelItemCount(), 3);
        QCOMPARE(l.column(0), (QStringList{"Carol", "Dave", "Erin"}));
        QCOMPARE(l.column(1), (QStringList{"2 of 4", "1 of 4", "3 of 4"}));
        QCOMPARE(l.column(5), (QStringList{"this network", "relay", "direct"}));
        // Nothing measured yet, or the lobby never reached the host: unknown.
        QCOMPARE(l.column(6)[0], QStringLiteral("\u2014"));
        QCOMPARE(l.column(6)[1], QStringLiteral("\u2014"));
        QVERIFY(l.lobby.waitFor(0, "PING\t1\n"));
        l.lobby.send(0, "PONG\t1\n");
        QTRY_VERIFY(l.column(6)[2] != QStringLiteral("\u2014"));
        QVERIFY(l.column(6)[2].endsWith(QStringLiteral(" ms")));
        QVERIFY(l.column(6)[2].section(u' ', 0, 0).toInt() >= 30);

        // The row chosen stays chosen while the list changes around it; gone, it goes.
        l.table()->setCurrentItem(l.table()->topLevelItem(2));
        l.lobby.send(0, "GONE\t" + QByteArray::number(1).rightJustified(16, '0') + '\n');
        QTRY_COMPARE(l.table()->topLevelItemCount(), 2);
        QCOMPARE(l.table()->currentItem()->text(0), QStringLiteral("Erin"));
        QVERIFY(l.find<QPushButton>("button_join")->isEnabled());
        l.window.setLanGames({});
        QCOMPARE(l.column(0), (QStringList{"Erin", "Carol"}));
    }

    void joiningARelayedGameSendsTheTicketFirst() {
        Lobby l;
        QVERIFY(l.connectAs("Ann"));
        l.lobby.send(0, gameLine(7, "relay", 1, "Dave") + "LISTED\t1\n");
        QTRY_COMPARE(l.table()->topLevelItemCount(), 1);
        l.table()->setCurrentItem(l.table()->topLevelItem(0));
        QTest::mouseClick(l.find<QPushButton>("button_join"), Qt::LeftButton);
        QVERIFY(l.answerName(QStringLiteral("Bea")));
        const QByteArray id = QByteArray::number(7).rightJustified(16, '0');
        QVERIFY(l.lobby.waitFor(0, "JOIN\t" + id + '\n'));
        const QByteArray ticket(32, 'c');
        l.lobby.send(0, "ROUTE\t" + id + "\trelay\t127.0.0.1\t" + QByteArray::number(l.lobby.port()) + '\t' + ticket + '\n');
        QTRY_COMPARE(l.lobby.links.size(), 2);
        QVERIFY(l.lobby.waitFor(1, "\n"));
        QCOMPARE(l.lobby.received[1], "RELAY\t" + ticket + '\n');
        QCOMPARE(l.store.prefs().joinname, std::string("Bea"));
        QCOMPARE(l.launcher.relayedGame(), QString::fromLatin1(id));
    }

    void mutedPlayersAreHiddenForTheSession() {
        Lobby l;
        QVERIFY(l.connectAs("Ann"));
        l.lobby.send(0, "SAID\tBob\tbuy gold\nSAID\tCid\thello\nSAID\tAnn\tmine\n");
        QTRY_COMPARE(l.chat()->count(), 3);
        auto* mute = l.find<QPushButton>("button_mute");
        l.chat()->setCurrentRow(2);
        mute->click();
        QVERIFY(l.window.muted().isEmpty()); // never oneself
        l.chat()->setCurrentRow(0);
        mute->click();
        QCOMPARE(l.window.muted(), QSet<QString>{QStringLiteral("Bob")});
        l.lobby.send(0, "SAID\tBob\tbuy more gold\nSAID\tCid\tbye\n");
        QTRY_COMPARE(l.chat()->count(), 5);
        QStringList shown;
        for (int i = 0; i < l.chat()->count(); ++i)
            if (!l.chat()->item(i)->isHidden()) shown << l.chat()->item(i)->text();
        QCOMPARE(shown, (QStringList{"Cid: hello", "Ann: mine", "Cid: bye"}));
    }

    void withoutALobbyTheWindowSaysHowToGetOne() {
        Lobby l;
        auto* help = l.find<QLabel>("label_lobbyhelp");
        QVERIFY(help->isVisibleTo(&l.window));
        QVERIFY(help->text().contains(QStringLiteral("quadrino-lobby")));
        QVERIFY(!l.find<QPushButton>("button_connect")->isEnabled());
        l.find<QLineEdit>("edit_lobbyserver")->setText(QStringLiteral("lobby.example.org"));
        QVERIFY(!help->isVisibleTo(&l.window));
        QVERIFY(l.find<QPushButton>("button_connect")->isEnabled());
    }

    // Every control of the window is named for a screen reader and reached by Tab.
    void everyControlIsNamedAndReachable() {
        Lobby l;
        l.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l.window));
        QSet<QWidget*> reached;
        QWidget* w = l.window.nextInFocusChain();
        for (int i = 0; i < 200 && w != &l.window; ++i, w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus) reached.insert(w);
        for (QWidget* control : l.window.findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&l.window)) continue;
            QVERIFY2(!control->objectName().isEmpty(), control->metaObject()->className());
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
        }
    }

    void playOnlineIsOnTheFileMenuAndTheAdvertsWayOut() {
        MainWindow w;
        QAction* entry = w.findChild<QAction*>(QStringLiteral("PlayOnline1"));
        QVERIFY(entry);
        entry->trigger();
        QVERIFY(w.lobbyWindow() && w.lobbyWindow()->isVisible());
        w.lobbyWindow()->close();

        // "Play with Others" of a solo game's advert, with no lobby program installed, opens
        // the same window.
        if (!findLobbyProgram().isEmpty()) QSKIP("this machine has a lobby program installed");
        w.processparams(decideLaunch({QStringLiteral("--port"), QStringLiteral("0")}));
        LobbyAdvert* advert = lobbyAdvert(&w);
        QTRY_VERIFY(advert->isVisible());
        QTest::mouseClick(advert->findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
        QVERIFY(!advert->isVisible());
        QVERIFY(w.lobbyWindow()->isVisible());
    }
};

QTEST_MAIN(TestLobbyWindow)
#include "test_lobby_window.moc"
