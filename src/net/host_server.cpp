// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/host_server.h"

#include <utility>

#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>
#include <cmath>
#include <memory>
#include <algorithm>
#include <string>

#include "protocol/wire.h"

#if defined(Q_OS_LINUX)
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

Q_LOGGING_CATEGORY(lcHost, "quadrino.host", QtWarningMsg)

namespace quadrino {
namespace {

// One key per machine: an IPv4 peer reached through an IPv6 listener counts as itself.
std::string addressKey(QHostAddress a) {
    bool v4 = false;
    const quint32 ip = a.toIPv4Address(&v4);
    if (v4) a = QHostAddress(ip);
    a.setScopeId(QString());
    return a.toString().toStdString();
}

// A peer that vanished without a close (its machine off, its network gone) is noticed by
// the system: probes after a quiet minute, and sent data left unacknowledged as long.
void keepAlive(QTcpSocket* socket) {
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
#if defined(Q_OS_LINUX)
    const int fd = static_cast<int>(socket->socketDescriptor());
    if (fd < 0) return;
    const int idle = HostServer::kKeepAliveIdleS, interval = HostServer::kKeepAliveIntervalS,
              probes = HostServer::kKeepAliveProbes;
    const unsigned int unacknowledgedMs = (idle + interval * probes) * 1000u;
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
    ::setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &unacknowledgedMs, sizeof unacknowledgedMs);
#endif
}

} // namespace

HostServer::HostServer(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)), perAddress_(options_.perAddress) {
    clock_.start();
    HostOptions hostOptions;
    hostOptions.pacing = QueueOrder::Fair;
    hostOptions.turnTimeoutMs = options_.turnTimeoutMs;
    hostOptions.silentSeatMs = options_.silentSeatMs;
    host_ = std::make_unique<Host>(static_cast<HostPort&>(*this), makeDice(options_.seed), hostOptions);
    // Logins, starts and seats handed over all happen in a timer's turn; closes in finish below.
    for (auto [timer, which] : {std::pair{&dispatchTimer_, HostTimer::Dispatch}, std::pair{&nextTimer_, HostTimer::Next},
                                std::pair{&computerTimer_, HostTimer::Computer}, std::pair{&watchTimer_, HostTimer::Watch}})
        connect(timer, &QTimer::timeout, this, [this, which] {
            host_->timerFired(which);
            emit tableMayHaveChanged();
        });
    for (QTimer* t : {&dispatchTimer_, &nextTimer_, &computerTimer_}) t->setTimerType(Qt::PreciseTimer);
    for (int n = 1; n <= kRefusedSlot; ++n) {
        QTimer& t = readers_[static_cast<std::size_t>(n)].resume;
        t.setSingleShot(true);
        connect(&t, &QTimer::timeout, this, [this, n] { readFrom(n); });
    }
}

HostServer::~HostServer() {
    host_->goingAway();
    for (auto*& s : sockets_) {
        if (s) {
            // What the host said last goes out before the connection is cut.
            s->flush();
            s->disconnect(this);
            s->abort();
            delete s;
            s = nullptr;
        }
    }
}

bool HostServer::listen(quint16 port, const QHostAddress& address) {
    if (!server_) {
        server_ = new QTcpServer(this);
        server_->setMaxPendingConnections(5);
        connect(server_, &QTcpServer::newConnection, this, &HostServer::onNewConnection);
    }
    return server_->listen(address, port);
}

quint16 HostServer::serverPort() const { return server_ ? server_->serverPort() : 0; }

QString HostServer::errorString() const { return server_ ? server_->errorString() : QString(); }

QAbstractSocket::SocketError HostServer::serverError() const {
    return server_ ? server_->serverError() : QAbstractSocket::UnknownSocketError;
}

void HostServer::closeAll() {
    host_->goingAway();
    for (int n = 1; n <= kRefusedSlot; ++n)
        if (sockets_[static_cast<std::size_t>(n)]) close(n);
}

void HostServer::onNewConnection() {
    while (server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        const QHostAddress peer = options_.peerAddress ? options_.peerAddress(*socket) : socket->peerAddress();
        const bool mayBeOne = !options_.mayBeOwner || options_.mayBeOwner(peer, socket->peerPort());
        const bool owner = options_.mayBeOwner && mayBeOne;
        const std::string key = addressKey(peer);
        if (!perAddress_.admit(key, peer.isLoopback() || owner)) {
            // Closed before it is numbered or greeted: it costs the others nothing.
            host_->logAbout(kRefusedSlot, "refused a connection from " + key + ": it already holds " +
                                              std::to_string(perAddress_.count(key)) + " connections");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const int number = host_->allocateConnection(mayBeOne);
        attach(number, socket, key);
        host_->connectionOpened(number, peer.isLoopback());
    }
}

bool HostServer::adoptConnection(QTcpSocket* socket, const QHostAddress& peer, const QByteArray& alreadyRead) {
    if (!socket) return false;
    const std::string key = addressKey(peer);
    // Nothing of this machine is spared here: the link comes from the lobby, whoever is behind it.
    if (socket->state() != QAbstractSocket::ConnectedState || !perAddress_.admit(key, false)) {
        host_->logAbout(kRefusedSlot, "refused a relayed connection from " + key +
                                          (socket->state() == QAbstractSocket::ConnectedState
                                               ? ": it already holds " + std::to_string(perAddress_.count(key)) +
                                                     " connections"
                                               : ": the link has closed"));
        socket->abort();
        socket->deleteLater();
        return false;
    }
    const int number = host_->allocateConnection(false);
    attach(number, socket, key);
    host_->connectionOpened(number, false);
    if (!alreadyRead.isEmpty()) {
        readers_[static_cast<std::size_t>(number)].budget.spend(alreadyRead.size());
        host_->dataReceived(number, std::string_view(alreadyRead.constData(), static_cast<std::size_t>(alreadyRead.size())));
    }
    // Bytes already waiting in the socket raise no readyRead of their own.
    if (sockets_[static_cast<std::size_t>(number)] == socket && socket->bytesAvailable() > 0)
        readers_[static_cast<std::size_t>(number)].resume.start(0);
    return true;
}

void HostServer::attach(int number, QTcpSocket* socket, const std::string& address) {
    socket->setParent(nullptr);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    keepAlive(socket);
    socket->setReadBufferSize(kReadBufferBytes);
    sockets_[static_cast<std::size_t>(number)] = socket;
    addresses_[static_cast<std::size_t>(number)] = address;
    Reader& reader = readers_[static_cast<std::size_t>(number)];
    reader.resume.stop();
    reader.budget = InputBudget(clock_.elapsed());
    reader.paused = false;
    connect(socket, &QTcpSocket::readyRead, this, [this, number] { readFrom(number); });
    // Queued, so the host hears of a close after the call that caused it has returned.
    auto finish = [this, number, socket, address, counted = std::make_shared<bool>(true)] {
        if (*counted) perAddress_.left(address);
        *counted = false;
        if (sockets_[static_cast<std::size_t>(number)] == socket) {
            sockets_[static_cast<std::size_t>(number)] = nullptr;
            readers_[static_cast<std::size_t>(number)].resume.stop();
            host_->connectionClosed(number);
            emit tableMayHaveChanged();
        }
        socket->deleteLater();
    };
    connect(socket, &QTcpSocket::disconnected, this, finish, Qt::QueuedConnection);
    connect(socket, &QTcpSocket::errorOccurred, this, [socket](QAbstractSocket::SocketError e) {
        // A broken connection counts as closed, so its number is freed.
        if (e != QAbstractSocket::RemoteHostClosedError) socket->abort();
    });
}

void HostServer::readFrom(int number) {
    QTcpSocket* socket = sockets_[static_cast<std::size_t>(number)];
    if (!socket) return;
    Reader& reader = readers_[static_cast<std::size_t>(number)];
    // The budget runs on the wall clock: a scaled host (tests, demos) reads as fast as any.
    const qint64 now = clock_.elapsed();
    const qint64 waiting = socket->bytesAvailable();
    const qint64 allowed = std::min(waiting, static_cast<qint64>(reader.budget.available(now)));
    if (allowed > 0) {
        const QByteArray data = socket->read(allowed);
        reader.budget.spend(data.size());
        host_->dataReceived(number, std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    }
    if (sockets_[static_cast<std::size_t>(number)] != socket) return;
    if (socket->bytesAvailable() == 0) {
        reader.paused = false;
        return;
    }
    if (socket->state() != QAbstractSocket::ConnectedState || reader.resume.isActive()) return;
    if (!reader.paused) {
        reader.paused = true;
        host_->logAbout(number, "connection " + std::to_string(number) + " sends more than " +
                                    std::to_string(InputBudget::kBytesPerSecond / 1024) +
                                    " KiB/s; reading from it is held back");
    }
    // Read again once a useful piece has grown back, not at every byte.
    reader.resume.start(static_cast<int>(reader.budget.msUntil(kReadBufferBytes / 4, now)));
}

void HostServer::send(int connection, std::string_view bytes) {
    if (connection < 1 || connection > kRefusedSlot) return;
    QTcpSocket* s = sockets_[static_cast<std::size_t>(connection)];
    if (!s || s->state() == QAbstractSocket::UnconnectedState) return;
    s->write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (s->bytesToWrite() > kMaxUnsentBytes) {
        // Everything sent to a peer that does not read waits here; cut it off before it
        // costs the host its memory. The host hears of the close as of any other.
        log("cutting off connection " + std::to_string(connection) + ": it does not read what it is sent");
        s->abort();
    }
}

void HostServer::close(int connection) {
    if (connection < 1 || connection > kRefusedSlot) return;
    QTcpSocket* s = sockets_[static_cast<std::size_t>(connection)];
    if (!s) return;
    // A polite close waits until the peer has taken what it was sent, which a peer that has
    // stopped reading never does: after a short grace the connection is cut off.
    s->disconnectFromHost();
    if (s->state() != QAbstractSocket::UnconnectedState)
        QTimer::singleShot(kCloseGraceMs, s, [s] { s->abort(); });
}

void HostServer::renumber(int from, int to) {
    if (from < 1 || from > kRefusedSlot || to < 1 || to > kRefusedSlot || from == to) return;
    QTcpSocket* moving = sockets_[static_cast<std::size_t>(from)];
    if (!moving) return;
    if (QTcpSocket* stale = sockets_[static_cast<std::size_t>(to)]) {
        // Its close is heard as any other's, but no longer stands for the number.
        sockets_[static_cast<std::size_t>(to)] = nullptr;
        stale->abort();
    }
    sockets_[static_cast<std::size_t>(from)] = nullptr;
    readers_[static_cast<std::size_t>(from)].resume.stop();
    // Wired afresh under its new number; its old wiring would report the old one.
    moving->disconnect(this);
    attach(to, moving, addresses_[static_cast<std::size_t>(from)]);
    // What it sent after the request that moved it waits in its buffer.
    readers_[static_cast<std::size_t>(to)].resume.start(0);
}

QTimer& HostServer::timerFor(HostTimer t) {
    switch (t) {
    case HostTimer::Dispatch: return dispatchTimer_;
    case HostTimer::Next: return nextTimer_;
    case HostTimer::Watch: return watchTimer_;
    case HostTimer::Computer: break;
    }
    return computerTimer_;
}

void HostServer::startTimer(HostTimer timer, int intervalMs) {
    // The watch waits for deadlines on the host's clock, which never stands still (see now()).
    const double scale = timer == HostTimer::Watch ? std::max(options_.timeScale, 1e-3) : options_.timeScale;
    const double scaled = std::round(intervalMs * scale);
    timerFor(timer).start(static_cast<int>(std::max(0.0, scaled)));
}

void HostServer::stopTimer(HostTimer timer) { timerFor(timer).stop(); }

int HostServer::botDelay() const { return options_.botDelay ? options_.botDelay() : 1000; }

std::int64_t HostServer::now() const {
    // The host's clock runs at the pace of its timers, so its deadlines scale with them.
    const double scale = std::max(options_.timeScale, 1e-3);
    return static_cast<std::int64_t>(static_cast<double>(clock_.elapsed()) / scale);
}

void HostServer::log(std::string_view line) {
    if (options_.logLine) {
        options_.logLine(line);
    } else {
        qCDebug(lcHost).noquote() << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
}

} // namespace quadrino
