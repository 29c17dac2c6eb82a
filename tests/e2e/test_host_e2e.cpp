// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the real quadrino-host and talks to it over TCP on loopback.
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class Peer {
public:
    bool connectTo(quint16 port) {
        socket.connectToHost("127.0.0.1", port);
        return socket.waitForConnected(5000);
    }
    // With a receive buffer of a few KiB, so that a peer that stops reading soon leaves the
    // host holding what it cannot send.
    bool connectWithSmallWindow(quint16 port) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        int size = 4096;
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(port);
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            ::close(fd);
            return false;
        }
        return socket.setSocketDescriptor(fd);
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

// A pipe for the host's standard error that the test controls: small, and read only as
// far as the test wants.
struct LogPipe {
    int readEnd = -1, writeEnd = -1;
    LogPipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        readEnd = fds[0];
        writeEnd = fds[1];
        ::fcntl(writeEnd, F_SETPIPE_SZ, 4096);
    }
    ~LogPipe() {
        closeRead();
        if (writeEnd >= 0) ::close(writeEnd);
    }
    void closeRead() {
        if (readEnd >= 0) ::close(readEnd);
        readEnd = -1;
    }
    QByteArray readLine(int timeoutMs) {
        QByteArray line;
        QElapsedTimer t;
        t.start();
        while (!line.endsWith('\n') && t.elapsed() < timeoutMs) {
            pollfd p{readEnd, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            char c;
            if (::read(readEnd, &c, 1) != 1) break;
            line += c;
        }
        return line;
    }
    // Fills the pipe to the brim through a file description of the test's own, so the
    // host's stays as it was (blocking).
    bool fill() {
        const int own = ::open(("/proc/self/fd/" + std::to_string(writeEnd)).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (own < 0) return false;
        const std::string chunk(512, '#');
        while (::write(own, chunk.data(), chunk.size()) > 0) {
        }
        const bool full = errno == EAGAIN;
        ::close(own);
        return full;
    }
};

class TestHostE2E : public QObject {
    Q_OBJECT
    QProcess host;
    quint16 port = 0;

    void startHost(const QStringList& extra, LogPipe* log = nullptr) {
        host.setProgram(qEnvironmentVariable("QUADRINO_BIN_DIR") + "/quadrino-host");
        host.setArguments(QStringList{"--port", "0"} + extra);
        if (log) {
            const int fd = log->writeEnd;
            host.setChildProcessModifier([fd] { ::dup2(fd, 2); });
        } else {
            host.setChildProcessModifier(std::function<void()>());
        }
        host.start();
        QVERIFY(host.waitForStarted());
        QRegularExpression re("listening on port (\\d+)");
        if (log) {
            auto m = re.match(QString::fromLatin1(log->readLine(5000)));
            QVERIFY2(m.hasMatch(), "quadrino-host did not report its port");
            port = quint16(m.captured(1).toUInt());
            return;
        }
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
    // A test that failed half-way leaves no host behind for the next.
    void cleanup() {
        if (host.state() != QProcess::NotRunning) {
            host.kill();
            host.waitForFinished(5000);
        }
    }

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

    void aPeerThatStopsReadingIsCutOff_data() {
        QTest::addColumn<int>("kickAfter"); // rounds of ten chats; -1: no removal
        // After some 2 MiB the kernel's buffers are full and a polite close would wait for
        // the peer for ever.
        QTest::newRow("removed") << 60;
        QTest::newRow("left to pile up") << -1;
    }
    void aPeerThatStopsReadingIsCutOff() {
        QFETCH(int, kickAfter);
        startHost({"--seed", "7"});
        Peer a, b;
        QVERIFY(a.connectTo(port));
        QCOMPARE(a.login("Ann"), 1);
        QVERIFY(b.connectWithSmallWindow(port));
        QCOMPARE(b.login("Bo"), 2);
        QVERIFY(!b.waitFor("CMD_newplayerinfo+2+Bo~").isEmpty());
        // From here on Bo reads nothing: everything relayed to him piles up, first in the
        // kernel's buffers (a few MiB on loopback), then at the host. Ann sends in rounds, so
        // that her own requests never exceed what one connection may have waiting.
        const QByteArray text(4000, 'z');
        const QByteArray echo = "CMD_chat+1+Ann chats: " + text + "|clRed~";
        bool left = false;
        const int rounds = kickAfter < 0 ? 250 : kickAfter;
        for (int round = 0; round < rounds && !left; ++round) {
            for (int i = 0; i < 10; ++i) a.send("CMD_chat+1+" + text + "|clRed~");
            int echoes = 0;
            while (echoes < 10 && !left) {
                const QByteArray m = a.next(10000);
                QVERIFY2(!m.isEmpty(), "Ann's chats must keep flowing");
                echoes += m == echo;
                left = m == "CMD_playerdisconnected+2+Bo~";
            }
        }
        QVERIFY2(left || kickAfter >= 0, "a peer that reads nothing must not hold the host's memory");
        if (!left) {
            a.send("CMD_kickhim+1+2+~");
            QVERIFY2(!a.waitFor("CMD_playerdisconnected+2+Bo~", 20000).isEmpty(),
                     "a removed peer that does not read must still leave");
        }
        QVERIFY(b.closedByPeer(5000));
        stopHost();
    }

    void aLogNobodyReadsFreezesNothing() {
        LogPipe log;
        startHost({"--seed", "7"}, &log);
        QVERIFY(log.fill());
        Peer a, b;
        QVERIFY(a.connectTo(port));
        QCOMPARE(a.login("Ann"), 1);
        QCOMPARE(a.next(), QByteArray("CMD_newplayerinfo+1+Ann~"));
        QVERIFY(b.connectTo(port));
        QCOMPARE(b.login("Bo"), 2);
        // Lines the host would log, and more of them than the pipe could take.
        for (int i = 0; i < 50; ++i) b.send("CMD_chat+1+spoof|clRed~");
        b.send("CMD_chat+2+still served|clRed~");
        QVERIFY(!a.waitFor("CMD_chat+2+Bo chats: still served|clRed~", 10000).isEmpty());
        stopHost();
    }

    void aLogReaderThatLeftKillsNothing() {
        LogPipe log;
        startHost({"--seed", "7"}, &log);
        log.closeRead();
        Peer a;
        QVERIFY(a.connectTo(port));
        QCOMPARE(a.login("Ann"), 1);
        QCOMPARE(a.next(), QByteArray("CMD_newplayerinfo+1+Ann~"));
        a.send("CMD_chat+1+hello|clRed~");
        QCOMPARE(a.next(), QByteArray("CMD_chat+1+Ann chats: hello|clRed~"));
        stopHost();
    }

    void numberOneGoesToTheOwnersAddress_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("first"); // the number a loopback peer gets first
        QTest::newRow("default: loopback") << QStringList{} << 1;
        QTest::newRow("owner elsewhere") << QStringList{"--owner-address", "192.0.2.7"} << 2;
        QTest::newRow("owner named") << QStringList{"--owner-address", "192.0.2.7", "--owner-address", "127.0.0.1"}
                                     << 1;
    }
    void numberOneGoesToTheOwnersAddress() {
        QFETCH(QStringList, args);
        QFETCH(int, first);
        startHost(args);
        Peer a;
        QVERIFY(a.connectTo(port));
        QCOMPARE(a.login("Ann"), first);
        stopHost();
    }

    void aSilentSocketIsClosed() {
        startHost({"--seed", "7", "--time-scale", "0.01"}); // the 30 s become 0.3 s
        Peer silent, talker;
        QVERIFY(silent.connectTo(port));
        QVERIFY(talker.connectTo(port));
        QCOMPARE(talker.login("Ann"), 2);
        QVERIFY(silent.closedByPeer(5000));
        talker.send("CMD_chat+2+here|clRed~");
        QVERIFY(!talker.waitFor("CMD_chat+2+Ann chats: here|clRed~").isEmpty());
        stopHost();
    }
};

QTEST_GUILESS_MAIN(TestHostE2E)
#include "test_host_e2e.moc"
