// SPDX-License-Identifier: GPL-3.0-or-later
// client_flood_bench: what a host that floods costs a joining client. A copy of this program
// plays the host in a process of its own and sends junk; this process runs the client's real
// ClientConnection against it over loopback and prints its own resident memory before and
// after, how many messages wait in its queue once the bytes have arrived, and how long they
// would take to dispatch at one per tick.
//   client_flood_bench [MIB]            every kind of junk, MIB MiB each (default 16), each
//                                       in a fresh process
//   client_flood_bench --kind K [MIB]   one kind: terminators, long or short
// Kinds: bare 0xFF bytes; messages of 5000 characters; short well-formed announcements.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>

#include "proc_status.h"
#include "net/client_connection.h"
#include "protocol/wire.h"

using namespace quadrino;

namespace {

// Resident and peak resident memory of this process in KiB.
std::pair<long, long> memory() { return residentMemory(QStringLiteral("/proc/self/status")); }

double mib(long kib) { return double(kib) / 1024.0; }

QByteArray junk(const QByteArray& kind, qint64 bytes) {
    QByteArray one;
    if (kind == "terminators") one = QByteArray(1, kTerminator);
    else if (kind == "long") one = "CMD_chat+1+" + QByteArray(5000 - 11, 'x') + kTerminator;
    else one = QByteArray("CMD_nomoves+1+") + kTerminator;
    QByteArray out;
    out.reserve(bytes + one.size());
    while (out.size() < bytes) out += one;
    return out;
}

// The flooding host: listens on loopback, says its port, sends the junk to the first client
// and closes once every byte has gone.
int serve(const QByteArray& kind, qint64 bytes) {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0)) return 1;
    std::printf("%u\n", unsigned(server.serverPort()));
    std::fflush(stdout);
    const QByteArray data = junk(kind, bytes);
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* s = server.nextPendingConnection();
        QObject::connect(s, &QTcpSocket::bytesWritten, s, [s] {
            if (s->bytesToWrite() == 0) s->disconnectFromHost();
        });
        QObject::connect(s, &QTcpSocket::disconnected, qApp, &QCoreApplication::quit);
        QObject::connect(s, &QTcpSocket::errorOccurred, qApp, &QCoreApplication::quit);
        s->write(data);
    });
    return QCoreApplication::exec();
}

bool measure(const QByteArray& kind, long floodMib) {
    QProcess host;
    host.setProgram(QCoreApplication::applicationFilePath());
    host.setArguments({QStringLiteral("--serve"), QString::fromLatin1(kind), QString::number(floodMib)});
    host.start();
    if (!host.waitForStarted() || !host.waitForReadyRead(10000)) return false;
    const quint16 port = quint16(host.readLine().trimmed().toUInt());
    if (port == 0) return false;

    ClientConnection client;
    bool closed = false, connected = false, overflowed = false;
    QObject::connect(&client, &ClientConnection::closed, [&] { closed = true; });
    QObject::connect(&client, &ClientConnection::overflowed, [&] { overflowed = true; });
    const auto before = memory();
    QElapsedTimer t;
    t.start();
    client.connectToHost(QStringLiteral("127.0.0.1"), port);
    // Until the socket has given up or taken every byte and seen the host close.
    while (t.elapsed() < 600000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        if (client.isConnected()) connected = true;
        else if (connected) break;
    }
    const double receivedMs = double(t.nsecsElapsed()) / 1e6;
    const auto after = memory();
    const std::size_t queued = client.queuedMessages();
    std::printf("%s: %ld MiB\n", kind.constData(), floodMib);
    std::printf("  resident memory before %.1f MiB, after %.1f MiB (+%.1f), peak %.1f MiB (+%.1f)\n", mib(before.first),
                mib(after.first), mib(after.first - before.first), mib(after.second), mib(after.second - before.first));
    std::printf("  connection %s after %.0f ms, %zu messages queued, %.1f s to dispatch at %d ms a tick\n",
                overflowed ? "dropped as a flood" : "closed by the host", receivedMs, queued,
                double(queued) * kClientTickMs / 1000.0, kClientTickMs);
    // A short queue is worked off here; a long one only estimated.
    if (queued < 100000)
        while (!closed && t.elapsed() < 600000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (closed) std::printf("  close reported after %.0f ms\n", double(t.nsecsElapsed()) / 1e6);
    client.reset();
    host.waitForFinished(5000);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QStringLiteral("--serve"))
        return serve(args[1].toLatin1(), args[2].toLongLong() * 1024 * 1024);
    if (args.size() >= 2 && args[0] == QStringLiteral("--kind")) {
        const long floodMib = args.size() > 2 ? std::max(1L, args[2].toLong()) : 16;
        return measure(args[1].toLatin1(), floodMib) ? 0 : (std::puts("cannot start the flooding host"), 1);
    }
    // Each kind in a fresh process, so that one's peak does not hide the next one's.
    const QString floodMib = args.isEmpty() ? QStringLiteral("16") : args[0];
    for (const char* kind : {"terminators", "long", "short"}) {
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--kind"), QString::fromLatin1(kind), floodMib});
        if (!one.waitForFinished(-1) || one.exitCode() != 0) return 1;
    }
    return 0;
}
