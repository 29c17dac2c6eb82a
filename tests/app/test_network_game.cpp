// SPDX-License-Identifier: GPL-3.0-or-later
// Hosting and joining from the File menu: leaving the running game, the host's addresses in
// the chat, the remembered dialog fields, and joins that fail without ending the program.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "app/fake_host.h"
#include "app/main_window.h"
#include "app/network_game_dialog.h"
#include "chat/chat_pane.h"
#include "net/host_server.h"

using namespace quadrino;

namespace {

QString allText(const MainWindow& w) { return w.mainchat()->toPlainText(); }

struct Window {
    Window() { w.setMessageBox([this](const QString& t) { boxes << t; }); }
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
    bool host(const QString& name) {
        NetworkGameDialog* d = openDialog("HostNetworkGame1", "hostgame");
        if (!d) return false;
        d->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(name);
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
        QVERIFY(a.w.hostServer());
        QVERIFY(allText(a.w).contains(QStringLiteral("Hosting a network game as Ann")));
        const quint16 port = a.w.hostServer()->serverPort();
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
        QVERIFY(good.waitForReceived(QByteArray("CMD_logininfo+3+1.0.15+Cy\xFF\xFF")));
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
        QCOMPARE(d.findChild<QSpinBox*>(QStringLiteral("edit_port")) != nullptr, join);
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
