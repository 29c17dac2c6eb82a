// SPDX-License-Identifier: GPL-3.0-or-later
// Hosting and joining from the File menu: leaving the running game, the host's addresses in
// the chat, the remembered dialog fields, and joins that fail without ending the program.
#include <QAction>
#include <QCheckBox>
#include <QTreeWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QRegularExpression>
#include <QTest>

#include "app/fake_host.h"
#include "app/main_window.h"
#include "app/network_addresses.h"
#include "app/network_game_dialog.h"
#include "chat/chat_pane.h"
#include "net/host_server.h"
#include "table/table_panel.h"
#include "windows/gamestart.h"

using namespace quadrino;

namespace {

QString allText(const MainWindow& w) { return w.mainchat()->toPlainText(); }

struct Window {
    Window() {
        w.setMessageBox([this](const QString& t) { boxes << t; });
        w.setQuestionBox([this](const QString& q) { return questions << q, leave; });
        w.setChoiceBox([this](const QString&, const QStringList& choices, std::function<void(int)> chosen) {
            offered = choices;
            chosen(static_cast<int>(choices.indexOf(QRegularExpression(QRegularExpression::escape(pick) + QLatin1String(".*")))));
        });
    }
    // Launched as the lobby would: "NAME ADDRESS true" hosts, anything else joins.
    void launch(quint16 port, const QString& name = {}, const QString& how = {}) {
        QStringList arguments{QStringLiteral("--port"), QString::number(port)};
        if (!name.isEmpty()) arguments << name << QStringLiteral("127.0.0.1") << how;
        LaunchPlan plan = decideLaunch(arguments);
        plan.openLobbyLink = false;
        w.processparams(plan);
    }
    // An idle copy whose own hosting picks a free port.
    void startIdle() {
        w.processparams(decideLaunch({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("x")}));
    }
    NetworkGameDialog* openDialog(const char* entry, const char* name) {
        w.findChild<QAction*>(QString::fromLatin1(entry))->trigger();
        for (auto* d : w.findChildren<NetworkGameDialog*>(QString::fromLatin1(name)))
            if (d->isVisible()) return d;
        return nullptr;
    }
    bool host(const QString& name, quint16 port = 0) {
        NetworkGameDialog* d = openDialog("HostNetworkGame1", "hostgame");
        if (!d) return false;
        d->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(name);
        d->findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(port);
        auto* ok = d->findChild<QPushButton*>(QStringLiteral("button_ok"));
        if (!ok->isEnabled()) return false;
        ok->click();
        return true;
    }
    bool join(const QString& name, const QString& address, quint16 port) {
        NetworkGameDialog* d = openDialog("JoinNetworkGame1", "joingame");
        if (!d) return false;
        d->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(name);
        d->findChild<QLineEdit*>(QStringLiteral("edit_address"))->setText(address);
        d->findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(port);
        auto* ok = d->findChild<QPushButton*>(QStringLiteral("button_ok"));
        if (!ok->isEnabled()) return false;
        ok->click();
        return true;
    }
    QString seatLabel(int seat) const {
        return w.findChild<QLabel*>(QStringLiteral("label_playername%1").arg(seat))->text();
    }
    MainWindow w;
    QStringList boxes;
    QStringList questions;
    bool leave = true;
    QStringList offered;
    QString pick; // the start of the choice taken when one is offered
};

QAction* entry(const MainWindow& w, const char* name) { return w.findChild<QAction*>(QString::fromLatin1(name)); }

// A host such as quadrino-host runs it: number 1 goes to the first connection from loopback.
struct DedicatedHost {
    DedicatedHost() : server(options()) { server.listen(0, QHostAddress::LocalHost); }
    static HostServer::Options options() {
        HostServer::Options o;
        o.seed = 11;
        o.timeScale = 0.01;
        o.botDelay = [] { return 500; };
        o.mayBeOwner = [](const QHostAddress& peer, quint16) { return peer.isLoopback(); };
        return o;
    }
    quint16 port() const { return server.serverPort(); }
    HostServer server;
};

} // namespace

class TestNetworkGame : public QObject {
    Q_OBJECT
private slots:
    void hostFromTheMenuThenAnotherWindowJoinsFromItsMenu() {
        // The first window was playing solo: hosting leaves that game and its host behind.
        Window a;
        LaunchPlan solo = decideLaunch({QStringLiteral("--port"), QStringLiteral("0")});
        a.w.processparams(solo);
        QTRY_VERIFY(a.w.identity().loggedin);
        QTRY_COMPARE(a.seatLabel(1), QStringLiteral("You"));
        QVERIFY(!allText(a.w).contains(QStringLiteral("Others can join"))); // solo is this machine's alone
        QSignalSpy aClosed(&a.w, &MainWindow::closed);

        QVERIFY(a.host(QStringLiteral("Ann")));
        QVERIFY(a.w.launcher().hostServer());
        QVERIFY(allText(a.w).contains(QStringLiteral("Hosting a network game as Ann")));
        const quint16 port = a.w.launcher().hostServer()->serverPort();
        QVERIFY(port != 0);
        QVERIFY(allText(a.w).contains(QStringLiteral("TCP port %1").arg(port)));
        QTRY_VERIFY(a.w.identity().loggedin);
        QCOMPARE(a.w.identity().myname, std::string("Ann"));
        QCOMPARE(a.w.identity().myseat, 1);
        QVERIFY(a.w.identity().amhost);
        QTRY_COMPARE(a.seatLabel(1), QStringLiteral("Ann"));
        QVERIFY(a.w.findChild<QAction*>(QStringLiteral("StartGame1"))->isEnabled());
        QCOMPARE(a.w.preferences().hostname, std::string("Ann"));

        Window b;
        b.startIdle();
        QVERIFY(b.join(QStringLiteral("Bee"), QStringLiteral("127.0.0.1"), port));
        QTRY_VERIFY(b.w.identity().loggedin);
        QCOMPARE(b.w.identity().myseat, 2);
        QVERIFY(!b.w.identity().amhost);
        QVERIFY(!b.w.findChild<QAction*>(QStringLiteral("StartGame1"))->isEnabled());
        QTRY_COMPARE(a.seatLabel(2), QStringLiteral("Bee"));
        QTRY_COMPARE(b.seatLabel(1), QStringLiteral("Ann"));
        QCOMPARE(b.w.preferences().joinname, std::string("Bee"));
        QCOMPARE(b.w.preferences().joinaddress, std::string("127.0.0.1"));
        QCOMPARE(b.w.preferences().joinport, int(port));

        // The dialog offers what was used last.
        NetworkGameDialog* again = b.openDialog("JoinNetworkGame1", "joingame");
        QVERIFY(again);
        QCOMPARE(again->playerName(), QStringLiteral("Bee"));
        QCOMPARE(again->address(), QStringLiteral("127.0.0.1"));
        QCOMPARE(again->port(), port);
        again->reject();

        // Hosting anew drops the joined window without ending either program.
        QSignalSpy bClosed(&b.w, &MainWindow::closed);
        QVERIFY(a.host(QStringLiteral("Ann")));
        QTRY_VERIFY(allText(b.w).contains(QStringLiteral("connection to the game has closed")));
        QTRY_VERIFY(!b.w.identity().loggedin);
        QTRY_VERIFY(a.w.identity().loggedin);
        QCOMPARE(aClosed.size(), 0);
        QCOMPARE(bClosed.size(), 0);
        QVERIFY(a.boxes.isEmpty());
    }

    void failedJoinsSayWhyAndTheWindowCanTryAgain_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("expected");
        QTest::newRow("closed port") << "refused" << "connection was refused";
        QTest::newRow("listener that never answers") << "silent" << "did not answer within 0.2 seconds";
        QTest::newRow("every seat taken") << "full" << "every seat of that game is taken";
    }
    void failedJoinsSayWhyAndTheWindowCanTryAgain() {
        QFETCH(QString, failure);
        QFETCH(QString, expected);
        Window t;
        t.w.session().setLoginTimeout(200);
        t.w.show();
        t.startIdle();
        QSignalSpy closed(&t.w, &MainWindow::closed);

        quint16 port = 0;
        std::unique_ptr<FakeHost> fake;
        if (failure == u"refused") {
            FakeHost gone;
            port = gone.port();
        } else {
            fake = std::make_unique<FakeHost>();
            port = fake->port();
        }
        QVERIFY(t.join(QStringLiteral("Cy"), QStringLiteral("127.0.0.1"), port));
        if (failure == u"full") {
            QVERIFY(fake->waitForClient());
            fake->send("CMD_full+\xFF");
        }
        QTRY_VERIFY2(allText(t.w).contains(expected), qPrintable(allText(t.w)));
        QVERIFY(allText(t.w).contains(QStringLiteral("Unable to join 127.0.0.1")));
        QCOMPARE(closed.size(), 0);
        QVERIFY(t.w.isVisible());
        QVERIFY(!t.w.identity().loggedin);

        // The same window joins a host that answers.
        FakeHost good;
        t.w.session().setLoginTimeout(10000);
        QVERIFY(t.join(QStringLiteral("Cy"), QStringLiteral("127.0.0.1"), good.port()));
        QVERIFY(good.waitForClient());
        good.send("CMD_sendlogininfo+3\xFF");
        QTRY_VERIFY(t.w.identity().loggedin);
        QCOMPARE(t.w.identity().myseat, 3);
        // The login comes first; a window joined from the menu then asks for a seat key.
        QTRY_VERIFY(good.received.value(0).startsWith(QByteArray("CMD_logininfo+3+1.0.15+Cy\xFF\xFF")));
        QCOMPARE(closed.size(), 0);
    }

    void aLaunchedJoinStillEndsWithItsConnection() {
        // The lobby's launch keeps its old rule: the host going away ends the program.
        Window t;
        FakeHost fake;
        QSignalSpy closed(&t.w, &MainWindow::closed);
        t.w.show();
        LaunchPlan p = decideLaunch({QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), QStringLiteral("no")});
        p.port = fake.port();
        p.openLobbyLink = false;
        t.w.processparams(p);
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+2\xFF");
        QTRY_VERIFY(t.w.identity().loggedin);
        fake.sockets[0]->disconnectFromHost();
        QTRY_COMPARE(closed.size(), 1);
    }


    void aHostThatCannotListenNeverJoinsTheGameOnItsPort_data() {
        QTest::addColumn<QString>("pick");
        QTest::newRow("stay idle") << "Stay Idle";
        QTest::newRow("join the game there") << "Join the Game There";
        QTest::newRow("host on another port") << "Host on Port";
    }
    void aHostThatCannotListenNeverJoinsTheGameOnItsPort() {
        QFETCH(QString, pick);
        FakeHost there(QHostAddress::Any); // somebody's game, on every address as a host listens
        Window t;
        t.pick = pick;
        t.launch(there.port(), QStringLiteral("Ann"), QStringLiteral("true"));
        QVERIFY(allText(t.w).contains(QStringLiteral("port %1 is in use on this machine").arg(there.port())));
        QCOMPARE(t.offered.size(), 3);
        if (pick == u"Join the Game There") QVERIFY(there.waitForClient());
        QTest::qWait(100);
        QCOMPARE(there.sockets.size(), pick == u"Join the Game There" ? 1 : 0);
        QCOMPARE(t.w.launcher().hostServer() != nullptr, pick == u"Host on Port");
        if (pick != u"Host on Port") return;
        QTRY_COMPARE(t.w.identity().myseat, 1);
        QCOMPARE(t.offered.first(), QStringLiteral("Host on Port %1").arg(t.w.launcher().hostServer()->serverPort()));
    }

    void aSoloGameStaysOnThisMachineAndOnAnyFreePort() {
        FakeHost there(QHostAddress::Any);
        Window t;
        t.launch(there.port());
        QTRY_COMPARE(t.w.identity().myseat, 1);
        QVERIFY(t.offered.isEmpty());
        QCOMPARE(there.sockets.size(), 0);
        const QList<QHostAddress> outside = joinableAddresses();
        if (outside.isEmpty()) QSKIP("this machine has no address but loopback");
        QTcpSocket stranger;
        stranger.connectToHost(outside.first(), t.w.launcher().hostServer()->serverPort());
        QVERIFY(!stranger.waitForConnected(3000));
    }

    void numberOneIsOnlyTheHostingWindowsOwnClient() {
        Window a;
        a.launch(0, QStringLiteral("Ann"), QStringLiteral("true"));
        QTRY_COMPARE(a.w.identity().myseat, 1);
        // With its own client gone number 1 is free, and still not for another copy on this machine.
        a.w.session().connection().reset();
        QTRY_VERIFY(!a.w.launcher().hostServer()->host().player(1).connected);
        QTcpSocket stranger;
        stranger.connectToHost(QHostAddress::LocalHost, a.w.launcher().hostServer()->serverPort());
        QTRY_COMPARE(stranger.bytesAvailable(), qint64(sizeof "CMD_sendlogininfo+2\xFF") - 1);
        QCOMPARE(stranger.readAll(), QByteArray("CMD_sendlogininfo+2\xFF"));
    }

    void theOwnerOfADedicatedHostStartsAndFinishesAGame() {
        DedicatedHost host;
        Window owner, guest;
        owner.launch(host.port(), QStringLiteral("Ann"), QStringLiteral("join"));
        QTRY_COMPARE(owner.w.identity().myseat, 1);
        QVERIFY(entry(owner.w, "StartGame1")->isEnabled());
        QVERIFY(owner.w.panel()->findChild<QWidget*>(QStringLiteral("button_start"))->isVisibleTo(owner.w.panel()));
        // What only a hosting copy can honour is off, and says why.
        for (const char* name : {"BotSpeed1", "BotLevel1"})
            QVERIFY(!entry(owner.w, name)->isEnabled() && entry(owner.w, name)->toolTip().contains(u"hosts the game"));
        guest.launch(host.port(), QStringLiteral("Bo"), QStringLiteral("join"));
        QTRY_COMPARE(guest.w.identity().myseat, 2);
        QVERIFY(!entry(guest.w, "StartGame1")->isEnabled());

        entry(owner.w, "StartGame1")->trigger();
        QTRY_VERIFY(owner.w.gameOptions()->isVisible());
        owner.w.gameOptions()->findChild<QAbstractButton*>(QStringLiteral("button_start"))->click();
        QTRY_VERIFY(allText(guest.w).contains(QStringLiteral("Ann has started a game.")));
        // Both hand their seats to the computer, which plays the game to its end.
        for (Window* p : {&owner, &guest}) entry(p->w, "JustWatch1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(allText(owner.w).contains(QStringLiteral("Won the Game!")), 60000);
    }

    void aRemovedPlayerIsToldWhyAndTheOthersWhoRemovedWhom() {
        Window a, b, c;
        a.launch(0, QStringLiteral("Ann"), QStringLiteral("true"));
        QTRY_VERIFY(a.w.identity().loggedin);
        b.launch(a.w.launcher().hostServer()->serverPort(), QStringLiteral("Bo"), QStringLiteral("join"));
        c.launch(a.w.launcher().hostServer()->serverPort(), QStringLiteral("Cy"), QStringLiteral("join"));
        QTRY_VERIFY(b.w.identity().loggedin && c.w.identity().loggedin);
        QSignalSpy closed(&b.w, &MainWindow::closed);
        a.w.session().kick(b.w.identity().myseat);
        // A launched game ends with its connection, but not before its player has read why.
        QTRY_COMPARE(closed.size(), 1);
        QCOMPARE(b.boxes, QStringList{QStringLiteral("You have been removed from the game by Ann.")});
        QTRY_VERIFY(allText(c.w).contains(QStringLiteral("Ann removed Bo from the game.")));
    }

    void leavingAGameInProgressAsksFirst_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("leave");
        for (const char* how : {"close", "host", "join"}) {
            QTest::addRow("%s, stay", how) << how << false;
            QTest::addRow("%s, leave", how) << how << true;
        }
    }
    void leavingAGameInProgressAsksFirst() {
        QFETCH(QString, how);
        QFETCH(bool, leave);
        Window u;
        u.leave = leave;
        u.w.show();
        u.launch(0);
        QTRY_VERIFY(u.w.identity().loggedin);
        entry(u.w, "StartGame1")->trigger();
        QTRY_VERIFY(u.w.gameOptions()->isVisible());
        u.w.gameOptions()->findChild<QAbstractButton*>(QStringLiteral("button_start"))->click();
        QTRY_VERIFY(u.w.session().table().state().gameRunning);
        QSignalSpy closed(&u.w, &MainWindow::closed);
        if (how == u"close") u.w.close();
        else if (how == u"host") u.w.launcher().hostNetworkGame(QStringLiteral("Ann"), 0);
        else u.w.launcher().joinNetworkGame(QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), 1);
        QCOMPARE(u.questions.size(), 1);
        QCOMPARE(closed.size() == 1 || !u.w.session().table().state().gameRunning, leave);
    }

    void dialogAcceptsOnlyWhatCanBeUsed_data() {
        QTest::addColumn<bool>("join");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("used");
        QTest::newRow("host with a name") << false << "Ann" << "" << true << "Ann";
        QTest::newRow("host without a name") << false << "" << "" << false << "";
        QTest::newRow("blanks only") << false << "   " << "" << false << "";
        QTest::newRow("blanks and controls cut") << false << " \tA\x01nn\x7f " << "" << true << "Ann";
        QTest::newRow("terminator byte cut") << false << QStringLiteral("Bo\u00FFb") << "" << true << "Bob";
        QTest::newRow("join without address") << true << "Ann" << " " << false << "Ann";
        QTest::newRow("join") << true << "Ann" << " host.example " << true << "Ann";
    }
    void dialogAcceptsOnlyWhatCanBeUsed() {
        QFETCH(bool, join);
        QFETCH(QString, name);
        QFETCH(QString, address);
        NetworkGameDialog d(join ? NetworkGameDialog::Kind::Join : NetworkGameDialog::Kind::Host);
        d.setPlayerName(name);
        d.setAddress(address);
        QTEST(d.findChild<QPushButton*>(QStringLiteral("button_ok"))->isEnabled(), "ok");
        QTEST(d.playerName(), "used");
        if (join) QCOMPARE(d.address(), address.trimmed());
        QVERIFY(d.findChild<QSpinBox*>(QStringLiteral("edit_port")));
    }

    void hostSwitchesAreRememberedAndTestsAnnounceNothing() {
        Window a;
        a.startIdle();
        for (bool list : {false, true}) {
            NetworkGameDialog* d = a.openDialog("HostNetworkGame1", "hostgame");
            QVERIFY(d);
            auto* listLan = d->findChild<QCheckBox*>(QStringLiteral("check_listlan"));
            auto* askRouter = d->findChild<QCheckBox*>(QStringLiteral("check_askrouter"));
            auto* listLobby = d->findChild<QCheckBox*>(QStringLiteral("check_listlobby"));
            for (QCheckBox* box : {listLan, askRouter, listLobby})
                QVERIFY(!box->accessibleName().isEmpty() && box->focusPolicy() & Qt::TabFocus);
            // Each shows what was chosen last (both on at first).
            QCOMPARE(listLan->isChecked(), a.w.preferences().listOnNetwork);
            QCOMPARE(askRouter->isChecked(), a.w.preferences().askRouter);
            QCOMPARE(listLobby->isChecked(), a.w.preferences().listInLobby);
            listLan->setChecked(list);
            askRouter->setChecked(!list);
            listLobby->setChecked(list);
            d->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Ann"));
            d->findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(0);
            d->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
            QCOMPARE(a.w.preferences().listOnNetwork, list);
            QCOMPARE(a.w.preferences().askRouter, !list);
            QCOMPARE(a.w.preferences().listInLobby, list);
            QTRY_VERIFY(a.w.identity().loggedin);
            // Listed or not, a run under test never reaches the network around it.
            QVERIFY(!a.w.launcher().lanPublisher());
            QVERIFY(!a.w.launcher().lobbyListing());
            QVERIFY(!a.w.launcher().lanBrowser());
        }
    }

    void joinListFillsAddressAndPortAndTypingStillWorks() {
        NetworkGameDialog d(NetworkGameDialog::Kind::Join);
        d.setAddress(QStringLiteral("typed.example"));
        auto* list = d.findChild<QTreeWidget*>(QStringLiteral("list_lan_games"));
        QVERIFY(list && !list->accessibleName().isEmpty());
        LanGame ann{"Ann", 2, 1, true, {}};
        ann.options.pouncing = true;
        const LanEntry first{QStringLiteral("Ann"), QStringLiteral("10.0.0.5"), 7772, ann};
        const LanEntry second{QStringLiteral("Bob"), QStringLiteral("10.0.0.6"), 7800, LanGame{"Bob", 0, 0, false, {}}};
        d.setLanGames({first, second});
        QCOMPARE(list->topLevelItemCount(), 2);
        // Nothing is chosen until the user chooses: what was typed stays.
        QCOMPARE(d.address(), QStringLiteral("typed.example"));
        QVERIFY(list->topLevelItem(0)->text(5).contains(QStringLiteral("Pouncing")));

        list->setFocus();
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(d.address(), QStringLiteral("10.0.0.6"));
        QCOMPARE(d.port(), quint16(7800));
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(d.address(), QStringLiteral("10.0.0.5"));
        QCOMPARE(d.port(), quint16(7772));

        // The list changes around the choice without moving it or the fields.
        d.setAddress(QStringLiteral("typed.again"));
        LanEntry seated = first;
        seated.game.seats = 3;
        d.setLanGames({second, seated});
        QCOMPARE(list->currentItem()->text(0), QStringLiteral("Ann"));
        QCOMPARE(list->currentItem()->text(2), QStringLiteral("3 of 4"));
        QCOMPARE(d.address(), QStringLiteral("typed.again"));
        d.setLanGames({});
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(d.address(), QStringLiteral("typed.again"));
    }

    void hostingNoticeNamesEveryAddressButLoopback() {
        const QString some = joinAddressesNotice(
            {QHostAddress(QStringLiteral("192.168.1.5")), QHostAddress::LocalHost, QHostAddress::LocalHostIPv6,
             QHostAddress(QStringLiteral("2001:db8::5"))},
            7772);
        QCOMPARE(some, QStringLiteral("0+Others can join this game at: 192.168.1.5 port 7772, 2001:db8::5 port 7772. "
                                      "A firewall on this computer must let in TCP port 7772."));
        const QString none = joinAddressesNotice({QHostAddress::LocalHost}, 7000);
        QVERIFY(none.contains(QStringLiteral("no network address")));
        QVERIFY(none.endsWith(QStringLiteral("TCP port 7000.")));
        for (const QHostAddress& ip : joinableAddresses()) QVERIFY(!ip.isLoopback());
    }
};

QTEST_MAIN(TestNetworkGame)
#include "test_network_game.moc"
