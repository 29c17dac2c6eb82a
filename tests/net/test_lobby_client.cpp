// SPDX-License-Identifier: GPL-3.0-or-later
// The game's lobby client against a fake lobby: signing in, the live list of games, the chat,
// the round trip, routes to a game, and a hostile lobby whose lines are dropped, or which is
// left, without a crash and without keeping more than the caps.
#include <QSignalSpy>
#include <QTest>

#include "net/fake_lobby.h"
#include "net/lobby_client.h"

using namespace quadrino;

namespace {

QByteArray gameId(int n) { return QByteArray::number(n, 16).rightJustified(16, '0'); }

// Signed in to `lobby` as "Ann", with the games `n` = 1..count listed.
bool signIn(LobbyClient& client, FakeLobby& lobby, int count = 0) {
    client.signIn(lobby.address(), QStringLiteral("Ann"));
    if (!lobby.welcome()) return false;
    QByteArray list;
    for (int n = 1; n <= count; ++n) list += gameLine(n);
    lobby.send(0, list + "LISTED\t" + QByteArray::number(count) + '\n');
    return QTest::qWaitFor([&] { return client.state() == LobbyClient::State::SignedIn && int(client.games().size()) == count; });
}

// Every line sent before it has been read once PRESENT carries `mark`.
bool barrier(LobbyClient& client, FakeLobby& lobby, int mark) {
    if (client.state() == LobbyClient::State::SignedIn) lobby.send(0, "PRESENT\t" + QByteArray::number(mark) + '\n');
    return QTest::qWaitFor([&] { return client.present() == mark || client.state() == LobbyClient::State::Offline; });
}

} // namespace

class TestLobbyClient : public QObject {
    Q_OBJECT
private slots:
    void signsInAndFollowsTheList() {
        FakeLobby lobby;
        LobbyClient client;
        client.signIn(lobby.address(), QStringLiteral("  Ann  "));
        QVERIFY(lobby.welcome());
        lobby.send(0, "NAME\tAnn (2)\n" + gameLine(1, "relay") + gameLine(2) + "LISTED\t2\n");
        QTRY_COMPARE(client.games().size(), std::size_t(2));
        QCOMPARE(lobby.received[0].left(lobby.received[0].indexOf('\n') + 1), QByteArray("HELLO\t1\tAnn\n"));
        QCOMPARE(client.name(), QStringLiteral("Ann (2)"));
        QCOMPARE(client.games()[0].reach, lobby::Reach::Relay);

        // A change replaces the game in its place; GONE takes it away.
        lobby.send(0, gameLine(1, "direct", 3) + "GONE\t" + gameId(2) + "\nSAID\tBob\thello there\n");
        QTRY_COMPARE(client.chat().size(), std::size_t(1));
        QCOMPARE(client.games().size(), std::size_t(1));
        QVERIFY(client.games()[0].seats == 3 && client.games()[0].reach == lobby::Reach::Direct);

        // The round trip is measured by PING and its PONG.
        QVERIFY(lobby.waitFor(0, "PING\t1\n"));
        lobby.send(0, "PONG\t1\n");
        QTRY_VERIFY(client.roundTripMs() >= 0);

        QVERIFY(client.sendChat(QStringLiteral(" hi ")) && !client.sendChat(QString(201, u'x')));
        QVERIFY(lobby.waitFor(0, "CHAT\thi\n"));

        client.signOut();
        QVERIFY(client.state() == LobbyClient::State::Offline && client.games().empty());
    }

    void routesAnswerOnlyWhatWasAsked() {
        FakeLobby lobby;
        LobbyClient client;
        QVERIFY(signIn(client, lobby, 2));
        QSignalSpy routed(&client, &LobbyClient::routed);
        QSignalSpy failed(&client, &LobbyClient::routeFailed);
        const QByteArray ticket(32, 'a');
        // Not asked for: a lobby cannot send us anywhere on its own.
        lobby.send(0, "ROUTE\t" + gameId(1) + "\trelay\t127.0.0.1\t7773\t" + ticket + '\n');
        QVERIFY(barrier(client, lobby, 1));
        QCOMPARE(routed.size(), 0);

        QVERIFY(!client.requestRoute(QStringLiteral("not-an-id")));
        QVERIFY(client.requestRoute(QString::fromLatin1(gameId(1))));
        QVERIFY(client.requestRoute(QString::fromLatin1(gameId(2))));
        QVERIFY(lobby.waitFor(0, "JOIN\t" + gameId(2) + '\n'));
        // A short ticket is no answer; the right one is.
        lobby.send(0, "ROUTE\t" + gameId(1) + "\trelay\t127.0.0.1\t7773\tabc\n");
        lobby.send(0, "ROUTE\t" + gameId(1) + "\trelay\t127.0.0.1\t7773\t" + ticket + '\n');
        lobby.send(0, "ERROR\tno-game\t" + gameId(2) + '\n');
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(routed.size(), 1);
        const auto route = routed[0][0].value<LobbyRoute>();
        QVERIFY(route.relay);
        QCOMPARE(route.port, quint16(7773));
        QCOMPARE(route.preamble(), "RELAY\t" + ticket.toStdString() + '\n');
        QCOMPARE(failed[0][0].toString(), QString::fromLatin1(gameId(2)));
    }

    // Lines a hostile or broken lobby may send (a listing's own fields are checked where the
    // grammar is tested); none may crash the game or change what it keeps, and only an
    // overlong line (or a goodbye) ends the connection, with its reason.
    void hostileLinesAreDropped_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("closes");
        const QByteArray id = "GAME\t" + gameId(9);
        QTest::newRow("bad UTF-8") << QByteArray(id + "\tho\xC3\x28st\t192.0.2.1\t7772\t1\t0\t0\tdirect\t0\t\n") << false;
        QTest::newRow("control character") << QByteArray(gameLine(9).replace("host9", "ho\x01st")) << false;
        QTest::newRow("GONE unknown") << QByteArray("GONE\t" + gameId(77) + '\n') << false;
        QTest::newRow("unknown word") << QByteArray("TELEPORT\tnow\n") << false;
        QTest::newRow("empty lines") << QByteArray("\n\r\n\t\n") << false;
        QTest::newRow("PRESENT not a number") << QByteArray("PRESENT\t-1\n") << false;
        QTest::newRow("PONG never asked") << QByteArray("PONG\tzzz\n") << false;
        QTest::newRow("line past the cap") << QByteArray(2000, 'x') << true;
        QTest::newRow("BYE") << QByteArray("BYE\tshutdown\n") << true;
    }
    void hostileLinesAreDropped() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, closes);
        FakeLobby lobby;
        LobbyClient client;
        QVERIFY(signIn(client, lobby, 3));
        const auto before = client.games();
        lobby.send(0, bytes);
        QVERIFY(barrier(client, lobby, 5));
        if (closes) {
            QCOMPARE(client.state(), LobbyClient::State::Offline);
            QVERIFY(!client.reason().isEmpty());
            QTRY_COMPARE(lobby.links[0]->state(), QAbstractSocket::UnconnectedState);
        } else {
            QCOMPARE(client.state(), LobbyClient::State::SignedIn);
            QVERIFY(client.games() == before);
            QVERIFY(client.chat().empty());
        }
    }

    void aFloodKeepsNoMoreThanTheCaps() {
        FakeLobby lobby;
        LobbyClient client;
        QVERIFY(signIn(client, lobby));
        QByteArray flood;
        const int games = int(LobbyClient::kMaxGames) + 500;
        for (int n = 1; n <= games; ++n) flood += gameLine(n);
        for (int n = 0; n < int(LobbyClient::kMaxChatLines) + 50; ++n) flood += "SAID\tBob\tline " + QByteArray::number(n) + '\n';
        lobby.send(0, flood);
        QVERIFY(barrier(client, lobby, 9));
        QCOMPARE(client.games().size(), LobbyClient::kMaxGames);
        QCOMPARE(client.chat().size(), LobbyClient::kMaxChatLines);
        QCOMPARE(client.chat().back().text, QStringLiteral("line %1").arg(LobbyClient::kMaxChatLines + 49));
    }
};

QTEST_MAIN(TestLobbyClient)
#include "test_lobby_client.moc"
