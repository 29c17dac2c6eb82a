// SPDX-License-Identifier: GPL-3.0-or-later
// The hosted game in an online lobby, against a lobby of the test's own that speaks the
// protocol's lines: listed and kept fresh, relay links opened on request and handed to the
// host, the link made again after a drop.
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

#include <memory>
#include <vector>

#include "app/game_launcher.h"
#include "app/preferences_store.h"
#include "net/host_server.h"
#include "net/fake_lobby.h"
#include "net/lobby_listing.h"

using namespace quadrino;

namespace {

bool waitForLine(FakeLobby& lobby, int n, const QString& line) {
    return lobby.waitFor(n, (line + u'\n').toUtf8(), 10000);
}
void say(FakeLobby& lobby, int n, const std::string& line) { lobby.send(n, QByteArray::fromStdString(line + "\n")); }

LobbyListing::Timing quick() {
    LobbyListing::Timing t;
    t.firstRetryMs = 50;
    t.connectMs = 5000;
    return t;
}

} // namespace

class TestLobbyListing : public QObject {
    Q_OBJECT
private slots:
    void addresses_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("host"); // empty: refused
        QTest::addColumn<int>("port");
        QTest::newRow("name") << " lobby.example.org " << "lobby.example.org" << 7773;
        QTest::newRow("name and port") << "lobby.example.org:8000" << "lobby.example.org" << 8000;
        QTest::newRow("bare IPv6") << "2001:db8::1" << "2001:db8::1" << 7773;
        QTest::newRow("bracketed IPv6 and port") << "[2001:db8::1]:65535" << "2001:db8::1" << 65535;
        for (const char* bad : {"  ", "lobby:0", "lobby:65536", "lobby:", "lobby:+80", ":7773", "[lobby]:7773", "lob by"})
            QTest::newRow(bad) << bad << "" << 0;
    }
    void addresses() {
        QFETCH(QString, typed);
        QFETCH(QString, host);
        QFETCH(int, port);
        const auto got = parseLobbyAddress(typed);
        QCOMPARE(got.has_value(), !host.isEmpty());
        if (got) QCOMPARE(*got, (LobbyAddress{host, static_cast<quint16>(port)}));
    }

    void listsTheGameFollowsItsTableAndRelaysJoiners() {
        QStringList hostLog;
        HostServer::Options o;
        o.perAddress = 1;
        o.logLine = [&](std::string_view l) { hostLog << QString::fromLatin1(l.data(), qsizetype(l.size())); };
        HostServer server(o);
        QVERIFY(server.listen(0, QHostAddress::LocalHost));
        FakeLobby lobby;
        auto listing = std::make_unique<LobbyListing>(server, LobbyAddress{"127.0.0.1", lobby.port()},
                                                      QStringLiteral("Ann\tof a very long name indeed"),
                                                      [&server] { return lanGameOf(server.host(), "Ann", GameOptions{}); });
        listing->setTiming(quick());
        QSignalSpy said(listing.get(), &LobbyListing::status);
        listing->start();

        // Signed in under the name cut to the lobby's longest, its tab made a blank.
        QVERIFY(waitForLine(lobby, 0, "HELLO\t1\tAnn of a very long n"));
        say(lobby, 0, "WELCOME\t1\t127.0.0.1");
        const QString none = QString::fromStdString(encodeLanOptions(GameOptions{}));
        const QString empty = QString("HOST\t%1\t0\t0\t0\t%2").arg(server.serverPort()).arg(none);
        QVERIFY(waitForLine(lobby, 0, empty));
        say(lobby, 0, "HOSTED\t0123456789abcdef");
        say(lobby, 0, "GAME\t0123456789abcdef\tAnn\t127.0.0.1\t" + std::to_string(server.serverPort()) +
                         "\t0\t0\t0\trelay\t0\t" + none.toStdString());
        QVERIFY(QTest::qWaitFor([&] { return listing->reach() == lobby::Reach::Relay; }, 10000));
        QCOMPARE(listing->gameId(), QStringLiteral("0123456789abcdef"));

        // A seat taken is sent on, once; a chat changes nothing the lobby lists.
        QTcpSocket ann;
        ann.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(ann.waitForConnected(5000));
        ann.write("CMD_logininfo+1+1.0.15+Ann\xFF\xFF" "CMD_chat+1+hi|clRed\xFF");
        const QString seated = QString("HOST\t%1\t1\t0\t0\t%2").arg(server.serverPort()).arg(none);
        QVERIFY(waitForLine(lobby, 0, seated));
        QVERIFY(QTest::qWaitFor([&] { return hostLog.filter("logged in as Ann").size() == 1; }, 5000));
        QTest::qWait(100);
        QCOMPARE(lobby.received[0].count("HOST\t"), qsizetype(2));

        // A joiner through the relay: the link is opened to the lobby and accepted with the
        // ticket, and what follows is the game's, counted by the joiner's address.
        const std::string ticket(32, 'a');
        say(lobby, 0, "OPEN\t" + ticket + "\t203.0.113.9");
        QVERIFY(QTest::qWaitFor([&] { return lobby.received.size() == 2 && lobby.received[1].contains('\xFF'); }, 10000));
        QCOMPARE(lobby.received[1], QByteArray::fromStdString("ACCEPT\t" + ticket + "\nCMD_sendlogininfo+2\xFF"));
        lobby.links[1]->write("CMD_logininfo+2+1.0.15+Zed\xFF\xFF");
        QVERIFY(QTest::qWaitFor([&] { return server.host().player(2).loggedin; }, 10000));
        QCOMPARE(server.host().player(2).name, std::string("Zed"));
        say(lobby, 0, "OPEN\t" + std::string(32, 'b') + "\t203.0.113.9");
        QVERIFY(QTest::qWaitFor([&] { return !hostLog.filter("refused a relayed connection from 203.0.113.9").isEmpty(); }, 10000));
        // Dropped by the lobby, it is soon back with the game as it is.
        lobby.links[0]->abort();
        QVERIFY(waitForLine(lobby, 3, "HELLO\t1\tAnn of a very long n"));
        say(lobby, 3, "WELCOME\t1\t127.0.0.1");
        QVERIFY(waitForLine(lobby, 3, QString("HOST\t%1\t2\t0\t0\t%2").arg(server.serverPort()).arg(none)));
        say(lobby, 3, "HOSTED\tfedcba9876543210");
        QVERIFY(QTest::qWaitFor([&] { return listing->gameId() == u"fedcba9876543210"; }, 10000));
        // The game goes: so does its listing.
        listing.reset();
        QVERIFY(waitForLine(lobby, 3, "UNHOST"));
        QVERIFY(said.first().first().toString().contains("Signed in"));
    }

    // Only a game hosted for others, in a run that may reach out, with the user's leave and
    // a lobby set, is listed; leaving the game withdraws it.
    void launcherListsOnlyWhatTheUserWants_data() {
        QTest::addColumn<bool>("solo");
        QTest::addColumn<bool>("mayReachOut");
        QTest::addColumn<bool>("listInLobby");
        QTest::addColumn<QString>("server"); // "fake": the test's lobby
        QTest::addColumn<bool>("listed");
        QTest::newRow("for others") << false << true << true << "fake" << true;
        QTest::newRow("kept unlisted") << false << true << false << "fake" << false;
        QTest::newRow("a run that stays local") << false << false << true << "fake" << false;
        QTest::newRow("solo") << true << true << true << "fake" << false;
        QTest::newRow("no address") << false << true << true << "lobby:0" << false;
    }
    void launcherListsOnlyWhatTheUserWants() {
        QFETCH(bool, solo);
        QFETCH(bool, mayReachOut);
        QFETCH(bool, listInLobby);
        QFETCH(QString, server);
        QFETCH(bool, listed);
        FakeLobby lobby;
        PreferencesStore store;
        store.prefs().listOnNetwork = false; // no Avahi here
        store.prefs().askRouter = false;
        store.prefs().listInLobby = listInLobby;
        store.prefs().lobbyServer =
            server == u"fake" ? "127.0.0.1:" + std::to_string(lobby.port()) : server.toStdString();
        GameLauncher launcher(store);
        launcher.setLocalNetworkAllowed(mayReachOut);
        QStringList said;
        connect(&launcher, &GameLauncher::chatLine, this, [&said](const QString& line) { said << line; });
        LaunchPlan plan = decideLaunch(solo ? QStringList{} : QStringList{"Ann", "127.0.0.1", "true"});
        plan.port = 0;
        plan.openLobbyLink = false;
        launcher.processparams(plan);
        QTRY_VERIFY(launcher.session().identity().loggedin);
        QCOMPARE(launcher.lobbyListing() != nullptr, listed);
        QCOMPARE(said.join('\n').contains("is not a lobby server's address"), server == u"lobby:0");
        if (!listed) {
            QTest::qWait(100);
            QVERIFY(lobby.links.isEmpty());
            return;
        }
        QVERIFY(waitForLine(lobby, 0, "HELLO\t1\tAnn"));
        launcher.leaveGame();
        QVERIFY(!launcher.lobbyListing());
        QVERIFY(QTest::qWaitFor([&] { return lobby.links[0]->state() == QAbstractSocket::UnconnectedState; }, 10000));
    }
};

QTEST_GUILESS_MAIN(TestLobbyListing)
#include "test_lobby_listing.moc"
