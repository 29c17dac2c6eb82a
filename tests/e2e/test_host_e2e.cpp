// Starts the real quadrino-host and talks to it over TCP on loopback.
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QtTest>

namespace {

class Peer {
public:
    bool connectTo(quint16 port) {
        socket.connectToHost("127.0.0.1", port);
        return socket.waitForConnected(5000);
    }
    void send(const QByteArray& text) { // "~" is the terminator
        QByteArray b = text;
        b.replace('~', '\xFF');
        socket.write(b);
        socket.flush();
    }
    // The next message, "~"-terminated as sent; empty on timeout or close.
    QByteArray next(int timeoutMs = 5000) {
        QElapsedTimer t;
        t.start();
        while (!buffer.contains('\xFF')) {
            if (t.elapsed() > timeoutMs) return {};
            if (!socket.waitForReadyRead(50) && socket.state() != QAbstractSocket::ConnectedState &&
                socket.bytesAvailable() == 0)
                return {};
            buffer += socket.readAll();
        }
        const auto end = buffer.indexOf('\xFF');
        QByteArray m = buffer.left(end) + '~';
        buffer.remove(0, end + 1);
        return m;
    }
    QByteArray waitFor(const QByteArray& prefix, int timeoutMs = 10000, QList<QByteArray>* seen = nullptr) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            QByteArray m = next(timeoutMs - int(t.elapsed()));
            if (m.isEmpty()) return {};
            if (seen) seen->append(m);
            if (m.startsWith(prefix)) return m;
        }
        return {};
    }
    bool closedByPeer(int timeoutMs = 5000) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            if (socket.state() == QAbstractSocket::UnconnectedState) return true;
            socket.waitForReadyRead(50);
            buffer += socket.readAll();
        }
        return socket.state() == QAbstractSocket::UnconnectedState;
    }
    int login(const QByteArray& name) {
        QByteArray greet = next();
        const int n = greet.mid(QByteArray("CMD_sendlogininfo+").size()).chopped(1).toInt();
        send("CMD_logininfo+" + QByteArray::number(n) + "+1.0.15+" + name + "~~");
        return n;
    }
    QTcpSocket socket;
    QByteArray buffer;
};

} // namespace

class TestHostE2E : public QObject {
    Q_OBJECT
    QProcess host;
    quint16 port = 0;

    void startHost(const QStringList& extra) {
        host.setProgram(qEnvironmentVariable("QUADRINO_BIN_DIR") + "/quadrino-host");
        host.setArguments(QStringList{"--port", "0"} + extra);
        host.start();
        QVERIFY(host.waitForStarted());
        QRegularExpression re("listening on port (\\d+)");
        QByteArray err;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            host.setReadChannel(QProcess::StandardError);
            host.waitForReadyRead(100);
            err += host.readAllStandardError();
            auto m = re.match(QString::fromLatin1(err));
            if (m.hasMatch()) {
                port = quint16(m.captured(1).toUInt());
                return;
            }
        }
        QFAIL("quadrino-host did not report its port");
    }
    void stopHost() {
        host.terminate();
        QVERIFY(host.waitForFinished(5000));
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(host.exitCode(), 0);
    }

private slots:
    void servesLoginsRelaysAndRefusals() {
        startHost({"--seed", "7"});
        Peer a, b;
        QVERIFY(a.connectTo(port));
        QCOMPARE(a.login("Ann"), 1);
        QCOMPARE(a.next(), QByteArray("CMD_newplayerinfo+1+Ann~"));
        QVERIFY(b.connectTo(port));
        QCOMPARE(b.login("B+B"), 2);
        QCOMPARE(b.next(), QByteArray("CMD_newplayerinfo+2+B+B~"));
        QCOMPARE(b.next(), QByteArray("CMD_existingplayers+1+Ann~"));
        QCOMPARE(a.next(), QByteArray("CMD_newplayerinfo+2+B+B~"));

        // A chat split over two writes still arrives whole.
        b.send("CMD_chat+2+hel");
        QTest::qWait(50);
        b.send("lo|clRed~");
        QCOMPARE(a.next(), QByteArray("CMD_chat+2+B+B chats: hello|clRed~"));
        QCOMPARE(b.next(), QByteArray("CMD_chat+2+B+B chats: hello|clRed~"));

        // Lies about the sender change nothing; the next honest line is still served.
        b.send("CMD_chat+1+I am Ann|clRed~CMD_kickhim+1+1+~CMD_action+2+waves|clRed~");
        QCOMPARE(a.next(), QByteArray("CMD_action+2+B+B waves|clRed~"));

        // A peer that floods without a terminator is dropped; the others hear it left.
        b.send(QByteArray(70000, 'x'));
        QVERIFY(b.closedByPeer());
        QCOMPARE(a.next(), QByteArray("CMD_playerdisconnected+2+B+B~"));
        stopHost();
    }

    void watchesAWholeBotGame_data() {
        QTest::addColumn<QStringList>("level");
        QTest::newRow("classic computer players") << QStringList{};
        QTest::newRow("strong computer players") << QStringList{"--bot-level", "strong"};
    }
    void watchesAWholeBotGame() {
        QFETCH(QStringList, level);
        startHost(QStringList{"--seed", "2024", "--time-scale", "0.01", "--bot-delay", "500"} + level);
        Peer me;
        QVERIFY(me.connectTo(port));
        QCOMPARE(me.login("Me"), 1);
        me.send("CMD_startgame+Me+1+0+1+1+0+3+1+~");
        QCOMPARE(me.waitFor("CMD_startgame+"), QByteArray("CMD_startgame+Me+1+0+1+1+t+t+0+3+0+~"));
        me.send("CMD_justwatch+1+1~");
        QList<QByteArray> seen;
        QByteArray win = me.waitFor("CMD_winner+", 60000, &seen);
        QVERIFY2(!win.isEmpty(), "the bots should finish the game");
        QVERIFY(seen.contains("CMD_justwatching+1+1~"));
        int moves = 0;
        for (const auto& m : seen) moves += m.startsWith("CMD_movehim+");
        QVERIFY(moves > 40);
        stopHost();
    }

    void refusesAnUnknownBotLevel() {
        QProcess bad;
        bad.start(qEnvironmentVariable("QUADRINO_BIN_DIR") + "/quadrino-host",
                  {"--port", "0", "--bot-level", "Strong"});
        QVERIFY(bad.waitForFinished(5000));
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(bad.readAllStandardError().contains("--bot-level wants classic or strong"));
    }
};

QTEST_GUILESS_MAIN(TestHostE2E)
#include "test_host_e2e.moc"
