// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby on loopback sockets: sign in, host a game that is checked by connecting back to
// it, and relay a game nobody can reach, bytes passing unchanged both ways.
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>

#include "lobby/lobby_server.h"

using namespace quadrino::lobby;

namespace {

// A game host that greets as ours does and answers the lobby's check.
class CheckedHost : public QObject {
public:
    CheckedHost() {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                s->write("CMD_sendlogininfo+2\xFF");
                connect(s, &QTcpSocket::readyRead, s, [s] { s->write(s->readAll()); });
            }
        });
        server.listen(QHostAddress::LocalHost, 0);
    }
    QTcpServer server;
};

// One connection to the lobby, read as lines or as raw bytes.
struct Link {
    explicit Link(quint16 port) { socket.connectToHost(QHostAddress::LocalHost, port); }
    void say(const QByteArray& bytes) { socket.write(bytes); }
    // The first line from now on that starts with `prefix`; empty when none comes.
    QByteArray waitLine(const QByteArray& prefix) {
        QByteArray found;
        (void)QTest::qWaitFor([&] {
            buffer += socket.readAll();
            for (qsizetype end; (end = buffer.indexOf('\n')) >= 0;) {
                const QByteArray line = buffer.left(end);
                buffer.remove(0, end + 1);
                if (line.startsWith(prefix)) {
                    found = line;
                    return true;
                }
            }
            return false;
        }, 10000);
        return found;
    }
    bool waitBytes(const QByteArray& bytes) {
        return QTest::qWaitFor([&] {
            buffer += socket.readAll();
            return buffer == bytes;
        }, 5000);
    }
    QTcpSocket socket;
    QByteArray buffer;
};

} // namespace

class LobbyServerTest : public QObject {
    Q_OBJECT
private slots:
    void checksAGameAndRelaysOneThatCannotBeReached() {
        LobbyServer lobby(LobbyServer::Options{});
        QVERIFY(lobby.listen(0, QHostAddress::LocalHost));
        const quint16 port = lobby.serverPort();

        CheckedHost game;
        Link ann(port);
        ann.say("HELLO\t1\tAnn\nHOST\t" + QByteArray::number(game.server.serverPort()) + "\t3\t0\t0\t\n");
        QCOMPARE(ann.waitLine("WELCOME"), QByteArray("WELCOME\t1\t127.0.0.1"));
        QVERIFY(ann.waitLine("GAME").contains("\tchecking\t"));
        const QByteArray checked = ann.waitLine("GAME");
        QVERIFY2(checked.contains("\tdirect\t"), checked.constData());

        // A port where nothing answers: the game is relayed.
        quint16 closedPort = 0;
        {
            QTcpServer gone;
            QVERIFY(gone.listen(QHostAddress::LocalHost, 0));
            closedPort = gone.serverPort();
        }
        Link cid(port);
        cid.say("HELLO\t1\tCid\nHOST\t" + QByteArray::number(closedPort) + "\t2\t0\t0\t\n");
        const QByteArray id = cid.waitLine("HOSTED").mid(7);
        QVERIFY(cid.waitLine("GAME\t" + id).contains("\tchecking\t"));
        QVERIFY(cid.waitLine("GAME\t" + id).contains("\trelay\t"));

        Link bob(port);
        bob.say("HELLO\t1\tBob\nJOIN\t" + id + "\n");
        const QList<QByteArray> route = bob.waitLine("ROUTE").split('\t');
        QCOMPARE(route.size(), 6);
        QCOMPARE(route[2], QByteArray("relay"));
        QCOMPARE(route[4].toInt(), port);
        const QByteArray ticket = route[5];

        Link joiner(port);
        joiner.say("RELAY\t" + ticket + "\nCMD_logininfo+Bob\xFF");
        QCOMPARE(cid.waitLine("OPEN"), "OPEN\t" + ticket + "\t127.0.0.1");
        Link accepted(port);
        accepted.say("ACCEPT\t" + ticket + "\n");
        QVERIFY(accepted.waitBytes("CMD_logininfo+Bob\xFF"));
        const QByteArray back("CMD_sendlogininfo+2\xFF\n\r\x00\xFE", 24);
        accepted.say(back);
        QVERIFY(joiner.waitBytes(back));

        accepted.socket.disconnectFromHost();
        QVERIFY(QTest::qWaitFor([&] { return joiner.socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
    }
};

QTEST_GUILESS_MAIN(LobbyServerTest)
#include "test_lobby_server.moc"
