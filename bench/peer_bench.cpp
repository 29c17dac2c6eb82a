// SPDX-License-Identifier: GPL-3.0-or-later
// peer_bench: what one hostile peer costs everybody else at a real quadrino-host. Starts the
// host given, then prints
//   - its resident memory before and after one connection sends 4 MiB of bare terminators,
//   - an honest chat's round trip on an idle host,
//   - how long an honest chat waits behind a burst of 20,000 chats from another connection,
//   - while one connection writes requests as fast as the host takes them for a while: what
//     it got through, the host's processor share and memory, and an honest chat's round trip
//     every 50 ms (median, 99th percentile, worst).
// Usage: peer_bench PATH-TO-QUADRINO-HOST [--burst N] [--flood-mib N] [--limit-s N] [--flood-s N]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "proc_status.h"

namespace {

struct Peer {
    QTcpSocket socket;
    QByteArray buffer;

    bool connectTo(quint16 port) {
        socket.connectToHost("127.0.0.1", port);
        return socket.waitForConnected(5000);
    }
    void send(const QByteArray& bytes) {
        socket.write(bytes);
        while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(60000)) {
        }
    }
    // The next message (without terminator); empty on timeout.
    QByteArray next(qint64 timeoutMs) {
        QElapsedTimer t;
        t.start();
        for (;;) {
            const auto end = buffer.indexOf('\xFF');
            if (end >= 0) {
                QByteArray m = buffer.left(end);
                buffer.remove(0, end + 1);
                return m;
            }
            const qint64 left = timeoutMs - t.elapsed();
            if (left <= 0) return {};
            if (!socket.waitForReadyRead(int(std::min<qint64>(left, 1000))) &&
                socket.state() != QAbstractSocket::ConnectedState)
                return {};
            buffer += socket.readAll();
        }
    }
    int login(const QByteArray& name) {
        const QByteArray greet = next(5000);
        const int n = greet.mid(int(sizeof("CMD_sendlogininfo+")) - 1).toInt();
        send("CMD_logininfo+" + QByteArray::number(n) + "+1.0.15+" + name + "\xFF\xFF");
        return n;
    }
    // Waits for a message equal to `wanted`; counts the others that start with `counted`.
    bool waitFor(const QByteArray& wanted, qint64 timeoutMs, const QByteArray& counted = {}, long* count = nullptr) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            const QByteArray m = next(timeoutMs - t.elapsed());
            if (m.isEmpty()) return false;
            if (m == wanted) return true;
            if (count && !counted.isEmpty() && m.startsWith(counted)) ++*count;
        }
        return false;
    }
};

struct Host {
    QProcess process;
    quint16 port = 0;

    bool start(const QString& path) {
        process.setProgram(path);
        process.setArguments({"--port", "0", "--seed", "1"});
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start();
        if (!process.waitForStarted()) return false;
        QByteArray err;
        QRegularExpression re("listening on port (\\d+)");
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            process.waitForReadyRead(100);
            err += process.readAllStandardError();
            auto m = re.match(QString::fromLatin1(err));
            if (m.hasMatch()) {
                port = quint16(m.captured(1).toUInt());
                return true;
            }
        }
        return false;
    }
    // Resident and peak resident memory in KiB.
    std::pair<long, long> memory() const {
        return residentMemory(QString("/proc/%1/status").arg(process.processId()));
    }
    // Processor time used so far, user and system, in seconds.
    double cpuSeconds() const {
        QFile f(QString("/proc/%1/stat").arg(process.processId()));
        if (!f.open(QIODevice::ReadOnly)) return 0;
        const QByteArray stat = f.readAll();
        // The fields after the command name, which is in parentheses and may hold spaces.
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        const double ticks = double(sysconf(_SC_CLK_TCK));
        return (fields.value(11).toDouble() + fields.value(12).toDouble()) / ticks;
    }
    void stop() {
        process.terminate();
        if (!process.waitForFinished(5000)) process.kill();
        process.waitForFinished(5000);
    }
};

double mib(long kib) { return double(kib) / 1024.0; }

// Writes the same block of requests on a plain socket as fast as the host takes it until told
// to stop; reads nothing back.
struct Flooder {
    std::atomic<bool> stop{false};
    std::atomic<long long> written{0};
    std::thread thread;

    bool start(quint16 port) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(port);
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) return false;
        char greet[64] = {};
        const auto got = ::recv(fd, greet, sizeof greet - 1, 0);
        if (got <= 0) return false;
        const QByteArray n = QByteArray(greet).mid(int(sizeof("CMD_sendlogininfo+")) - 1).split('+').value(0);
        const QByteArray login = "CMD_logininfo+" + n + "+1.0.15+Flood\xFF\xFF";
        ::send(fd, login.constData(), size_t(login.size()), 0);
        QByteArray block;
        while (block.size() < 64 * 1024) block += "CMD_noise+" + n + "+" + QByteArray(90, 'x') + "\xFF";
        thread = std::thread([this, fd, block] {
            std::size_t at = 0;
            while (!stop) {
                pollfd p{fd, POLLOUT, 0};
                if (::poll(&p, 1, 100) <= 0) continue;
                const auto sent = ::send(fd, block.constData() + at, size_t(block.size()) - at, MSG_DONTWAIT | MSG_NOSIGNAL);
                if (sent < 0) {
                    if (errno == EAGAIN || errno == EINTR) continue;
                    break;
                }
                written += sent;
                at = (at + size_t(sent)) % size_t(block.size());
            }
            ::close(fd);
        });
        return true;
    }
    void finish() {
        stop = true;
        if (thread.joinable()) thread.join();
    }
};

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith("-")) {
        std::puts("usage: peer_bench PATH-TO-QUADRINO-HOST [--burst N] [--flood-mib N] [--limit-s N]");
        return 2;
    }
    const QString path = args.takeFirst();
    long burst = 20000, floodMib = 4, limitS = 600, floodS = 10;
    for (int i = 0; i + 1 < args.size(); i += 2) {
        const long v = args[i + 1].toLong();
        if (args[i] == "--burst") burst = v;
        else if (args[i] == "--flood-mib") floodMib = v;
        else if (args[i] == "--limit-s") limitS = v;
        else if (args[i] == "--flood-s") floodS = v;
    }
    std::printf("host: %s\n", qPrintable(path));

    // 1. A flood of bare terminators.
    {
        Host host;
        if (!host.start(path)) return std::puts("cannot start the host"), 1;
        Peer flood;
        if (!flood.connectTo(host.port)) return std::puts("cannot connect"), 1;
        flood.login("Flood");
        QThread::msleep(200);
        const auto before = host.memory();
        flood.send(QByteArray(int(floodMib * 1024 * 1024), '\xFF'));
        // Until the host's memory holds still for a second (it has taken every byte).
        long last = -1;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 30000) {
            QThread::msleep(1000);
            const long rss = host.memory().first;
            if (rss == last) break;
            last = rss;
        }
        const auto after = host.memory();
        std::printf("flood: %ld MiB of bare 0xFF bytes from one connection\n", floodMib);
        std::printf("  resident memory before %.1f MiB, after %.1f MiB, peak %.1f MiB\n", mib(before.first),
                    mib(after.first), mib(after.second));
        host.stop();
    }

    // 2. An idle round trip, then an honest chat behind a burst.
    {
        Host host;
        if (!host.start(path)) return std::puts("cannot start the host"), 1;
        Peer loud, honest;
        if (!loud.connectTo(host.port)) return std::puts("cannot connect"), 1;
        const int l = loud.login("Loud");
        if (!honest.connectTo(host.port)) return std::puts("cannot connect"), 1;
        const int h = honest.login("Honest");
        QThread::msleep(200);
        const QByteArray ping = "CMD_chat+" + QByteArray::number(h) + "+ping|clBlack\xFF";
        const QByteArray pong = "CMD_chat+" + QByteArray::number(h) + "+Honest chats: ping|clBlack";
        double total = 0;
        const int samples = 20;
        for (int i = 0; i < samples; ++i) {
            QThread::msleep(50); // a quiet spell before each
            QElapsedTimer t;
            t.start();
            honest.send(ping);
            if (!honest.waitFor(pong, 5000)) return std::puts("no answer on an idle host"), 1;
            total += double(t.nsecsElapsed()) / 1e6;
        }
        std::printf("idle host: a chat's round trip, mean of %d: %.2f ms\n", samples, total / samples);

        QByteArray many;
        for (long i = 0; i < burst; ++i) many += "CMD_chat+" + QByteArray::number(l) + "+burst|clBlack\xFF";
        loud.send(many);
        QElapsedTimer t;
        t.start();
        honest.send(ping);
        long relayed = 0;
        const bool answered = honest.waitFor(pong, limitS * 1000, "CMD_chat+" + QByteArray::number(l) + "+", &relayed);
        std::printf("burst: %ld chats from one connection, then one from another\n", burst);
        if (answered)
            std::printf("  the honest chat was answered after %.1f ms, behind %ld of the burst\n",
                        double(t.nsecsElapsed()) / 1e6, relayed);
        else
            std::printf("  the honest chat was not answered within %ld s (%ld of the burst relayed)\n", limitS,
                        relayed);
        host.stop();
    }

    // 3. A sustained flood and an honest chat beside it.
    {
        Host host;
        if (!host.start(path)) return std::puts("cannot start the host"), 1;
        Peer honest;
        if (!honest.connectTo(host.port)) return std::puts("cannot connect"), 1;
        const int h = honest.login("Honest");
        QThread::msleep(200);
        const auto before = host.memory();
        Flooder flood;
        if (!flood.start(host.port)) return std::puts("cannot connect the flood"), 1;
        const QByteArray ping = "CMD_chat+" + QByteArray::number(h) + "+ping|clBlack\xFF";
        const QByteArray pong = "CMD_chat+" + QByteArray::number(h) + "+Honest chats: ping|clBlack";
        const double cpu0 = host.cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        std::vector<double> trips;
        long lost = 0;
        while (wall.elapsed() < floodS * 1000) {
            QThread::msleep(50);
            QElapsedTimer t;
            t.start();
            honest.send(ping);
            if (honest.waitFor(pong, 5000)) trips.push_back(double(t.nsecsElapsed()) / 1e6);
            else ++lost;
        }
        const double seconds = double(wall.elapsed()) / 1000.0;
        const double cpu = host.cpuSeconds() - cpu0;
        const auto after = host.memory();
        flood.finish();
        std::printf("flood: one connection writes requests for %ld s as fast as the host takes them\n", floodS);
        std::printf("  it got %.1f MB/s through; the host used %.0f%% of a core\n",
                    double(flood.written) / 1e6 / seconds, 100.0 * cpu / seconds);
        std::printf("  resident memory before %.1f MiB, after %.1f MiB, peak %.1f MiB\n", mib(before.first),
                    mib(after.first), mib(after.second));
        std::printf("  an honest chat's round trip, %zu samples: median %.2f ms, p99 %.2f ms, worst %.2f ms, %ld lost\n",
                    trips.size(), percentile(trips, 0.5), percentile(trips, 0.99), percentile(trips, 1.0), lost);
        host.stop();
    }
    return 0;
}
