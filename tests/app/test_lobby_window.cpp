// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby window against a fake lobby: one table of the lobby's games and this network's,
// muting in the lobby chat, and the way to a lobby when none is set. Joining a relayed game
// from it is played for real by test_relay_game_netns.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/game_launcher.h"
#include "app/lobby_window.h"
#include "app/main_window.h"
#include "net/fake_lobby.h"
#include "net/lan_record.h"
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
};

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
        l.window.setLanGames({LanEntry{"Carol", "10.0.0.5", 7780, LanGame{"Carol", 2, 0, false, {}}}});
        QTRY_COMPARE(l.table()->topLevelItemCount(), 3);
        QCOMPARE(l.column(0), (QStringList{"Carol", "Dave", "Erin"}));
        // Options in the words the board uses; a text this copy cannot read, as sent.
        GameOptions pouncing;
        pouncing.pouncing = true;
        l.lobby.send(0, gameLine(1, "relay", 1, "Dave").replace("Penalty", QByteArray::fromStdString(encodeLanOptions(pouncing))));
        QTRY_COMPARE(l.column(3), (QStringList{"none", "Pouncing", "Penalty"}));
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

        // The row chosen stays chosen while the list changes around it.
        l.table()->setCurrentItem(l.table()->topLevelItem(2));
        l.lobby.send(0, "GONE\t" + QByteArray::number(1).rightJustified(16, '0') + '\n');
        QTRY_COMPARE(l.table()->topLevelItemCount(), 2);
        QCOMPARE(l.table()->currentItem()->text(0), QStringLiteral("Erin"));
    }

    void mutedPlayersAreHiddenForTheSession() {
        Lobby l;
        QVERIFY(l.connectAs("Ann"));
        l.lobby.send(0, "SAID\tBob\tbuy gold\nSAID\tCid\thello\nSAID\tAnn\tmine\n");
        QTRY_COMPARE(l.chat()->count(), 3);
        auto* mute = l.find<QPushButton>("button_mute");
        for (int row : {2, 0}) { // never oneself
            l.chat()->setCurrentRow(row);
            mute->click();
        }
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
        QVERIFY(help->isVisibleTo(&l.window) && help->text().contains(QStringLiteral("quadrino-lobby")));
        QVERIFY(!l.find<QPushButton>("button_connect")->isEnabled());
        l.find<QLineEdit>("edit_lobbyserver")->setText(QStringLiteral("lobby.example.org"));
        QVERIFY(!help->isVisibleTo(&l.window) && l.find<QPushButton>("button_connect")->isEnabled());

    }

    // "Play with Others" of a solo game's advert, with no lobby program installed, opens the
    // window of File > "Play Online...".
    void theAdvertsWayToOthersIsTheLobbyWindow() {
        if (!findLobbyProgram().isEmpty()) QSKIP("this machine has a lobby program installed");
        MainWindow w;
        w.processparams(decideLaunch({QStringLiteral("--port"), QStringLiteral("0")}));
        LobbyAdvert* advert = lobbyAdvert(&w);
        QTRY_VERIFY(advert->isVisible());
        QTest::mouseClick(advert->findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
        QVERIFY(!advert->isVisible() && w.lobbyWindow() && w.lobbyWindow()->isVisible());
    }
};

QTEST_MAIN(TestLobbyWindow)
#include "test_lobby_window.moc"
