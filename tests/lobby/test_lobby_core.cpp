// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby's core through its port on a virtual clock: sign-in, limits, chat, listings,
// routes and relay tickets, checked by the exact lines each connection is sent.
#include <QTest>
#include <algorithm>
#include <memory>

#include "lobby/lobby_core.h"
#include "lobby/lobby_fixture.h"

using namespace quadrino::lobby;

namespace {

std::string starting(const std::vector<std::string>& lines, const std::string& prefix) {
    const auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); });
    return it == lines.end() ? std::string() : *it;
}

struct Lobby {
    explicit Lobby(LobbyLimits limits = {}) : core(port, directory, limits) {}
    RecordingPort port;
    MemoryGameDirectory directory;
    LobbyCore core;

    void open(ConnectionId n, const std::string& address = "10.0.0.1") {
        core.connectionOpened(n, Endpoint{address, "192.0.2.7", 7773});
    }
    void say(ConnectionId n, const std::string& line) { core.bytesReceived(n, line + "\n"); }
    // Signed in, with the welcome and the listing taken.
    void signIn(ConnectionId n, const std::string& name, const std::string& address = "10.0.0.1") {
        open(n, address);
        say(n, "HELLO\t1\t" + name);
        port.take(n);
    }
    // A hosted game whose reach check has come back; its id.
    std::string hosted(ConnectionId n, bool reached) {
        say(n, "HOST\t7772\t2\t1\t0\tfast");
        const std::string id = starting(port.take(n), "HOSTED\t").substr(7);
        core.checkDone(id, port.checks.back().nonce, reached, 42);
        return id;
    }
    void advance(std::int64_t ms) {
        port.clock += ms;
        core.tick();
    }
    bool closed(ConnectionId n) const { return port.closed.contains(n); }
};

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

class LobbyCoreTest : public QObject {
    Q_OBJECT
private slots:
    void signInSendsWelcomeListingAndCount() {
        Lobby lobby;
        lobby.signIn(1, "Ann");
        lobby.hosted(1, true);
        lobby.open(2, "10.0.0.2");
        lobby.say(2, "HELLO\t1\tBob");
        const auto lines = lobby.port.take(2);
        QCOMPARE(lines.size(), std::size_t(4));
        QCOMPARE(lines[0], std::string("WELCOME\t1\t10.0.0.2"));
        const auto game = parseLine(lines[1]);
        QVERIFY(game && GameListing::fromLine(*game));
        QCOMPARE(GameListing::fromLine(*game)->reach, Reach::Direct);
        QCOMPARE(lines[2], std::string("LISTED\t1"));
        QCOMPARE(lines[3], std::string("PRESENT\t2"));
    }

    void helloIsAnsweredByItsFields_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("other version") << QByteArray("HELLO\t2\tAnn") << "BYE\tversion\t1" << true;
        QTest::newRow("no name") << QByteArray("HELLO\t1") << "ERROR\tbad-fields\tHELLO" << false;
        QTest::newRow("spaces only") << QByteArray("HELLO\t1\t   ") << "ERROR\tbad-fields\tHELLO" << false;
        QTest::newRow("name too long") << "HELLO\t1\t" + QByteArray(21, 'a') << "ERROR\tbad-fields\tHELLO" << false;
        QTest::newRow("version with a zero") << QByteArray("HELLO\t01\tAnn") << "ERROR\tbad-fields\tHELLO" << false;
        QTest::newRow("words before it") << QByteArray("CHAT\thi") << "ERROR\tnot-signed-in\tCHAT" << false;
        QTest::newRow("unknown word") << QByteArray("DANCE\tnow") << "ERROR\tunknown-word\tDANCE" << false;
        QTest::newRow("control character") << QByteArray("HELLO\t1\tA\x01n") << "BYE\tbad-line" << true;
        QTest::newRow("invalid utf8") << QByteArray("HELLO\t1\tA\xC3") << "BYE\tbad-line" << true;
        QTest::newRow("too long") << "CHAT\t" + QByteArray(1100, 'x') << "BYE\tbad-line" << true;
    }
    void helloIsAnsweredByItsFields() {
        QFETCH(QByteArray, line);
        QFETCH(QString, answer);
        QFETCH(bool, closes);
        Lobby lobby;
        lobby.open(1);
        lobby.say(1, line.toStdString());
        QCOMPARE(lobby.port.take(1), std::vector<std::string>{answer.toStdString()});
        QCOMPARE(lobby.closed(1), closes);
        QCOMPARE(lobby.core.signedIn(), std::size_t(0));
    }

    void takenNamesGetANumberWithinTheLongestName() {
        Lobby lobby;
        const std::string longName(20, 'z');
        for (ConnectionId n = 1; n <= 3; ++n) lobby.signIn(n, "Ann");
        for (ConnectionId n = 4; n <= 5; ++n) lobby.signIn(n, longName);
        lobby.open(6);
        lobby.say(6, "HELLO\t1\t" + longName);
        const auto lines = lobby.port.take(6);
        QCOMPARE(lines.at(1), "NAME\t" + std::string(16, 'z') + " (3)");
        QVERIFY(validName(lines.at(1).substr(5)));
        lobby.say(3, "CHAT\thello");
        QCOMPARE(lobby.port.take(1).back(), std::string("SAID\tAnn (3)\thello"));
        // A name goes when its holder does and can be had again as it was.
        lobby.core.connectionClosed(1);
        lobby.open(7);
        lobby.say(7, "HELLO\t1\tAnn");
        QCOMPARE(lobby.port.take(7).size(), std::size_t(3));
    }

    void connectionsAreCappedPerAddressAndInAll() {
        LobbyLimits limits;
        limits.perAddress = 2;
        limits.connections = 4;
        Lobby lobby(limits);
        for (ConnectionId n = 1; n <= 3; ++n) lobby.open(n, "10.0.0.1");
        QCOMPARE(lobby.port.take(3), std::vector<std::string>{"BYE\ttoo-many"});
        QVERIFY(!lobby.closed(2));
        lobby.core.connectionClosed(3);
        lobby.open(4, "10.0.0.2");
        lobby.open(5, "10.0.0.3");
        lobby.open(6, "10.0.0.4");
        QCOMPARE(lobby.port.take(6), std::vector<std::string>{"BYE\tfull"});
        // Closed links are counted no longer.
        lobby.core.connectionClosed(6);
        lobby.core.connectionClosed(1);
        lobby.open(7, "10.0.0.1");
        QVERIFY(!lobby.closed(7));
    }

    void silentLinksAreClosed() {
        LobbyLimits limits;
        Lobby lobby(limits);
        lobby.open(1);
        lobby.signIn(2, "Ann");
        lobby.signIn(3, "Bob");
        lobby.advance(limits.helloDeadlineMs - 1);
        QVERIFY(!lobby.closed(1));
        lobby.advance(1);
        QCOMPARE(lobby.port.take(1), std::vector<std::string>{"BYE\thello-timeout"});
        lobby.advance(limits.idleMs / 2);
        lobby.say(3, "PING\tt1");
        lobby.advance(limits.idleMs / 2);
        QVERIFY(lobby.closed(2));
        QVERIFY(hasLine(lobby.port.take(2), "BYE\tidle"));
        QVERIFY(!lobby.closed(3));
        QCOMPARE(lobby.port.take(3), (std::vector<std::string>{"PRESENT\t2", "PONG\tt1", "PRESENT\t1"}));
    }

    void chatIsRateLimited() {
        LobbyLimits limits;
        Lobby lobby(limits);
        lobby.signIn(1, "Ann");
        lobby.signIn(2, "Bob");
        lobby.port.take(1);
        auto saidTo2 = [&] {
            const auto lines = lobby.port.take(2);
            return std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("SAID"); });
        };
        for (int i = 0; i < limits.chatBurst + 1; ++i) lobby.say(1, "CHAT\tline " + std::to_string(i));
        QCOMPARE(saidTo2(), limits.chatBurst);
        QCOMPARE(lobby.port.take(1).back(), std::string("ERROR\tchat-rate"));
        // Over ten seconds, five lines get through.
        int through = 0;
        for (int s = 0; s < 10; ++s) {
            lobby.port.clock += 1000;
            lobby.say(1, "CHAT\tsteady");
            through += static_cast<int>(saidTo2());
        }
        QCOMPARE(through, 5);
        for (int i = 0; i < limits.chatDroppedClose + 1 && !lobby.closed(1); ++i) lobby.say(1, "CHAT\tflood");
        QVERIFY(lobby.closed(1));
        QVERIFY(hasLine(lobby.port.take(1), "BYE\tchat-rate"));
    }

    void everyWatcherHearsEveryChangeOfAGame() {
        Lobby lobby;
        lobby.signIn(1, "Ann", "198.51.100.4");
        lobby.signIn(2, "Bob");
        lobby.say(1, "HOST\t7772\t2\t1\t0\tfast");
        const std::string id = lobby.port.take(1).at(0).substr(7);
        QCOMPARE(lobby.port.checks.size(), std::size_t(1));
        QCOMPARE(lobby.port.checks[0].address, std::string("198.51.100.4"));
        const std::string base = "GAME\t" + id + "\tAnn\t198.51.100.4\t7772\t2\t1\t0\t";
        QCOMPARE(lobby.port.take(2), std::vector<std::string>{base + "checking\t0\tfast"});
        // A stale answer changes nothing.
        lobby.core.checkDone(id, "0000000000000000", true, 5);
        QCOMPARE(lobby.port.take(2), std::vector<std::string>{});
        lobby.core.checkDone(id, lobby.port.checks[0].nonce, true, 37);
        QCOMPARE(lobby.port.take(2), std::vector<std::string>{base + "direct\t37\tfast"});
        // An update on the same port keeps the reach; a new port is checked again.
        lobby.say(1, "HOST\t7772\t2\t1\t1\tfast");
        QCOMPARE(lobby.port.take(2), std::vector<std::string>{"GAME\t" + id + "\tAnn\t198.51.100.4\t7772\t2\t1\t1\tdirect\t37\tfast"});
        lobby.say(1, "HOST\t7000\t2\t1\t1\tfast");
        QCOMPARE(lobby.port.checks.size(), std::size_t(2));
        QVERIFY(lobby.port.take(2).at(0).find("\tchecking\t0\t") != std::string::npos);
        lobby.say(1, "UNHOST");
        QCOMPARE(lobby.port.take(2), std::vector<std::string>{"GONE\t" + id});
        lobby.hosted(1, false);
        lobby.core.connectionClosed(1);
        QVERIFY(lobby.port.take(2).back().starts_with("GONE\t"));
        QCOMPARE(lobby.directory.size(), std::size_t(0));
    }

    void hostFieldsAreChecked_data() {
        QTest::addColumn<QString>("fields");
        for (const char* f : {"0\t2\t1\t0\tx", "65536\t2\t1\t0\tx", "7772\t5\t1\t0\tx", "7772\t2\t10\t0\tx",
                              "7772\t2\t1\t2\tx", "7772\t2\t1\t0", "7772\t-2\t1\t0\tx", "07772\t2\t1\t0\tx"})
            QTest::newRow(f) << QString::fromLatin1(f);
        QTest::newRow("long options") << "7772\t2\t1\t0\t" + QString(201, 'o');
    }
    void hostFieldsAreChecked() {
        QFETCH(QString, fields);
        Lobby lobby;
        lobby.signIn(1, "Ann");
        lobby.say(1, "HOST\t" + fields.toStdString());
        QCOMPARE(lobby.port.take(1), std::vector<std::string>{"ERROR\tbad-fields\tHOST"});
        QCOMPARE(lobby.directory.size(), std::size_t(0));
    }

    void joinersAreRoutedByReach() {
        Lobby lobby;
        lobby.signIn(1, "Ann", "198.51.100.4");
        lobby.signIn(2, "Cid", "198.51.100.5");
        lobby.signIn(3, "Bob", "203.0.113.9");
        const std::string direct = lobby.hosted(1, true);
        const std::string relayed = lobby.hosted(2, false);
        lobby.port.take(3);
        lobby.say(3, "JOIN\t" + direct);
        lobby.say(3, "JOIN\t" + relayed);
        lobby.say(3, "JOIN\tffffffffffffffff");
        lobby.say(3, "JOIN\tnot-an-id");
        const auto lines = lobby.port.take(3);
        QCOMPARE(lines.size(), std::size_t(4));
        QCOMPARE(lines[0], "ROUTE\t" + direct + "\tdirect\t198.51.100.4\t7772");
        const std::string prefix = "ROUTE\t" + relayed + "\trelay\t192.0.2.7\t7773\t";
        QVERIFY(lines[1].starts_with(prefix));
        QVERIFY(validHex(lines[1].substr(prefix.size()), kTicketChars));
        QCOMPARE(lines[2], std::string("ERROR\tno-game\tffffffffffffffff"));
        QCOMPARE(lines[3], std::string("ERROR\tbad-fields\tJOIN"));
    }

    void aTicketJoinsOneJoinerToItsHostOnce() {
        Lobby lobby;
        lobby.signIn(1, "Ann", "198.51.100.4");
        lobby.signIn(2, "Bob", "203.0.113.9");
        const std::string id = lobby.hosted(1, false);
        lobby.port.take(2);
        lobby.say(2, "JOIN\t" + id);
        const std::string route = lobby.port.take(2).at(0);
        const std::string ticket = route.substr(route.rfind('\t') + 1);
        lobby.port.take(1);
        QCOMPARE(ticket.size(), kTicketChars);
        // The joiner's link: its first game bytes come with the ticket's line.
        lobby.open(3, "203.0.113.9");
        lobby.core.bytesReceived(3, "RELAY\t" + ticket + "\nCMD_hello\xFF\r\n");
        QCOMPARE(lobby.port.take(1), std::vector<std::string>{"OPEN\t" + ticket + "\t203.0.113.9"});
        lobby.core.bytesReceived(3, "more");
        // The ticket is spent: nobody else comes in with it.
        lobby.open(4, "203.0.113.10");
        lobby.say(4, "RELAY\t" + ticket);
        QCOMPARE(lobby.port.take(4), std::vector<std::string>{"BYE\tbad-ticket"});
        // Only the host's machine may take the joiner.
        lobby.open(5, "203.0.113.9");
        lobby.say(5, "ACCEPT\t" + ticket);
        QVERIFY(lobby.closed(5));
        lobby.open(6, "198.51.100.4");
        lobby.core.bytesReceived(6, "ACCEPT\t" + ticket + "\nCMD_sendlogininfo+2\xFF");
        QCOMPARE(lobby.port.joins.size(), std::size_t(1));
        const RelayJoin& join = lobby.port.joins[0];
        QCOMPARE(join.joiner, ConnectionId(3));
        QCOMPARE(join.host, ConnectionId(6));
        QCOMPARE(join.gameId, id);
        QCOMPARE(join.toHost, std::string("CMD_hello\xFF\r\nmore"));
        QCOMPARE(join.toJoiner, std::string("CMD_sendlogininfo+2\xFF"));
        QCOMPARE(lobby.core.relayedGames(), std::size_t(1));
        // Either end going takes the other with it.
        lobby.core.connectionClosed(6);
        QVERIFY(lobby.closed(3));
        lobby.core.connectionClosed(3);
        QCOMPARE(lobby.core.relayedGames(), std::size_t(0));
    }

    void ticketsExpire() {
        LobbyLimits limits;
        Lobby lobby(limits);
        lobby.signIn(1, "Ann", "198.51.100.4");
        lobby.signIn(2, "Bob", "203.0.113.9");
        const std::string id = lobby.hosted(1, false);
        lobby.port.take(2);
        auto ticketFor = [&] {
            lobby.say(2, "JOIN\t" + id);
            const std::string route = starting(lobby.port.take(2), "ROUTE");
            return route.substr(route.rfind('\t') + 1);
        };
        const std::string unused = ticketFor();
        lobby.advance(limits.ticketMs);
        lobby.open(3, "203.0.113.9");
        lobby.say(3, "RELAY\t" + unused);
        QCOMPARE(lobby.port.take(3), std::vector<std::string>{"BYE\tbad-ticket"});
        // A joiner whose host never comes is let go when the ticket runs out.
        const std::string waiting = ticketFor();
        lobby.open(4, "203.0.113.9");
        lobby.say(4, "RELAY\t" + waiting);
        lobby.advance(limits.ticketMs);
        QCOMPARE(lobby.port.take(4), std::vector<std::string>{"BYE\tno-host"});
        lobby.open(5, "198.51.100.4");
        lobby.say(5, "ACCEPT\t" + waiting);
        QVERIFY(lobby.closed(5));
        QCOMPARE(lobby.port.joins.size(), std::size_t(0));
    }

    void relayedGamesAreCapped() {
        LobbyLimits limits;
        limits.relayedGames = 2;
        Lobby lobby(limits);
        std::vector<std::string> ids;
        for (ConnectionId n = 1; n <= 3; ++n) {
            lobby.signIn(n, "Host" + std::to_string(n), "198.51.100." + std::to_string(n));
            ids.push_back(lobby.hosted(n, false));
        }
        lobby.signIn(9, "Bob", "203.0.113.9");
        for (const std::string& id : ids) lobby.say(9, "JOIN\t" + id);
        lobby.say(9, "JOIN\t" + ids[0]);
        const auto lines = lobby.port.take(9);
        QVERIFY(lines[0].starts_with("ROUTE") && lines[1].starts_with("ROUTE"));
        QCOMPARE(lines[2], "ERROR\trelay-full\t" + ids[2]);
        // A game already relayed takes more joiners.
        QVERIFY(lines[3].starts_with("ROUTE"));
        lobby.advance(limits.ticketMs);
        lobby.say(9, "JOIN\t" + ids[2]);
        QVERIFY(lobby.port.take(9).back().starts_with("ROUTE"));
    }
};

QTEST_GUILESS_MAIN(LobbyCoreTest)
#include "test_lobby_core.moc"
