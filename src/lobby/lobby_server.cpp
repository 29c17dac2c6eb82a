// SPDX-License-Identifier: GPL-3.0-or-later
#include "lobby/lobby_server.h"

#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>

namespace quadrino::lobby {

namespace {

// IPv4 peers of a dual-stack listener come as mapped IPv6 addresses; they are shown, counted
// and connected back to as the IPv4 addresses they are.
QHostAddress plain(const QHostAddress& a) {
    bool v4 = false;
    const quint32 ip = a.toIPv4Address(&v4);
    return v4 ? QHostAddress(ip) : a;
}

std::string text(const QHostAddress& a) { return plain(a).toString().toStdString(); }

} // namespace

LobbyServer::LobbyServer(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)), server_(new QTcpServer(this)) {
    clock_.start();
    core_ = std::make_unique<LobbyCore>(static_cast<LobbyPort&>(*this), directory_, options_.limits, options_.publicAddress,
                                        options_.publicPort);
    connect(server_, &QTcpServer::newConnection, this, &LobbyServer::onNewConnection);
    tick_.setInterval(1000);
    connect(&tick_, &QTimer::timeout, this, [this] { core_->tick(); });
    tick_.start();
    relayPump_.setInterval(kRelayPumpMs);
    connect(&relayPump_, &QTimer::timeout, this, &LobbyServer::pumpAll);
}

LobbyServer::~LobbyServer() {
    // The core forgets its games before the sockets go; no signal may reach it after.
    for (auto& [n, c] : connections_) c.socket->disconnect(this);
    core_.reset();
}

bool LobbyServer::listen(quint16 port, const QHostAddress& address) {
    return server_->listen(address, port);
}

quint16 LobbyServer::serverPort() const { return server_->serverPort(); }
QString LobbyServer::errorString() const { return server_->errorString(); }

void LobbyServer::closeAll() {
    server_->close();
    std::vector<ConnectionId> all;
    for (const auto& [n, c] : connections_) all.push_back(n);
    // A relay link carries a game's bytes, never a lobby line.
    for (ConnectionId n : all)
        if (connections_[n].partner == 0) send(n, formatLine("BYE", {"shutdown"}));
    for (ConnectionId n : all) close(n);
}

void LobbyServer::log(const std::string& line) {
    if (options_.logLine) options_.logLine(line);
}

void LobbyServer::onNewConnection() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        const ConnectionId n = next_++;
        socket->setReadBufferSize(kReadBufferBytes);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        connections_[n].socket = socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, n] { onReadyRead(n); });
        // Queued: a socket may report its close from inside a write or an abort of ours.
        connect(socket, &QTcpSocket::disconnected, this, [this, n] { onDisconnected(n); }, Qt::QueuedConnection);
        // A relay partner that catches up lets the held-back side move again.
        connect(socket, &QTcpSocket::bytesWritten, this, [this, n] {
            const auto it = connections_.find(n);
            if (it != connections_.end() && it->second.partner != 0) pump(it->second.partner);
        });
        core_->connectionOpened(n, Endpoint{text(socket->peerAddress()), text(socket->localAddress()),
                                            socket->localPort()});
    }
}

void LobbyServer::onReadyRead(ConnectionId n) {
    const auto it = connections_.find(n);
    if (it == connections_.end() || it->second.closing) return;
    if (it->second.partner != 0) return pump(n);
    const QByteArray bytes = it->second.socket->readAll();
    core_->bytesReceived(n, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void LobbyServer::onDisconnected(ConnectionId n) {
    const auto it = connections_.find(n);
    if (it == connections_.end()) return;
    Connection c = it->second;
    connections_.erase(it);
    c.socket->disconnect(this);
    c.socket->deleteLater();
    if (!c.gameId.empty()) {
        const auto b = budgets_.find(c.gameId);
        if (b != budgets_.end() && --b->second.pairs <= 0) budgets_.erase(b);
    }
    core_->connectionClosed(n);
}

void LobbyServer::send(ConnectionId connection, std::string_view bytes) {
    const auto it = connections_.find(connection);
    if (it == connections_.end() || it->second.closing) return;
    QTcpSocket* s = it->second.socket;
    s->write(bytes.data(), static_cast<qint64>(bytes.size()));
    // Handed to the system at once: left to the event loop, a change told to thousands of
    // watchers would wake it once per socket.
    s->flush();
    // A peer that stops reading is cut off rather than let its queue grow.
    if (s->bytesToWrite() > static_cast<qint64>(options_.limits.unsentBytes)) {
        log("closing a connection from " + text(s->peerAddress()) + ": it does not read what it is sent");
        it->second.closing = true;
        s->abort();
    }
}

void LobbyServer::close(ConnectionId connection) {
    const auto it = connections_.find(connection);
    if (it == connections_.end() || it->second.closing) return;
    it->second.closing = true;
    QTcpSocket* s = it->second.socket;
    QTimer::singleShot(kCloseGraceMs, s, [s] { s->abort(); });
    s->disconnectFromHost();
}

std::int64_t LobbyServer::now() const { return clock_.elapsed(); }

std::uint64_t LobbyServer::randomBits() { return QRandomGenerator::system()->generate64(); }

void LobbyServer::startCheck(const std::string& gameId, const std::string& address, int port, const std::string& nonce) {
    auto* socket = new QTcpSocket(this);
    auto* deadline = new QTimer(socket);
    auto greeted = std::make_shared<bool>(false);
    auto sentAt = std::make_shared<std::int64_t>(0);
    auto finished = std::make_shared<bool>(false);
    const QByteArray check = "CMD_lobbycheck+" + QByteArray::fromStdString(nonce) + '\xFF';
    auto finish = [this, socket, gameId, nonce, finished, sentAt](bool reached) {
        if (*finished) return;
        *finished = true;
        const int rtt = reached ? static_cast<int>(now() - *sentAt) : 0;
        socket->abort();
        socket->deleteLater();
        if (core_) core_->checkDone(gameId, nonce, reached, rtt);
    };
    connect(deadline, &QTimer::timeout, socket, [finish] { finish(false); });
    connect(socket, &QAbstractSocket::errorOccurred, socket, [finish] { finish(false); });
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, greeted, sentAt, check, finish] {
        // The greeting is read up to its terminator; the answer must be the check itself.
        if (socket->bytesAvailable() > 4096) return finish(false);
        if (!*greeted) {
            const QByteArray seen = socket->peek(socket->bytesAvailable());
            const qsizetype end = seen.indexOf('\xFF');
            if (end < 0) return;
            socket->read(end + 1);
            *greeted = true;
            *sentAt = now();
            socket->write(check);
        }
        if (socket->bytesAvailable() < check.size()) return;
        finish(socket->read(check.size()) == check);
    });
    deadline->setSingleShot(true);
    deadline->start(options_.checkTimeoutMs);
    // An address, never a name: nothing is looked up, and a refusal is final at once.
    socket->connectToHost(QHostAddress(QString::fromStdString(address)), static_cast<quint16>(port));
}

void LobbyServer::joinRelay(const RelayJoin& join) {
    const auto joiner = connections_.find(join.joiner);
    const auto host = connections_.find(join.host);
    if (joiner == connections_.end() || host == connections_.end()) {
        // One end went while the core was joining them: the other goes too.
        close(join.joiner);
        close(join.host);
        return;
    }
    Budget& b = budgets_[join.gameId];
    if (b.pairs == 0) {
        b.rate = join.bytesPerSecond;
        b.toHost = b.toJoiner = static_cast<double>(b.rate);
        b.refilled = now();
    }
    b.pairs += 2;
    joiner->second.partner = join.host;
    joiner->second.gameId = join.gameId;
    joiner->second.toHost = true;
    host->second.partner = join.joiner;
    host->second.gameId = join.gameId;
    host->second.toHost = false;
    log("relaying game " + join.gameId + " for " + text(joiner->second.socket->peerAddress()));
    // What came with or after the lines that made the pair; the budget is not spent on it,
    // since a lobby line at most came with it.
    if (!join.toHost.empty()) send(join.host, join.toHost);
    if (!join.toJoiner.empty()) send(join.joiner, join.toJoiner);
    pump(join.joiner);
    pump(join.host);
}

void LobbyServer::pump(ConnectionId n) {
    const auto it = connections_.find(n);
    if (it == connections_.end() || it->second.partner == 0) return;
    const auto partner = connections_.find(it->second.partner);
    if (partner == connections_.end() || partner->second.closing) return;
    QTcpSocket* from = it->second.socket;
    QTcpSocket* to = partner->second.socket;
    if (from->bytesAvailable() == 0) return;
    Budget& b = budgets_[it->second.gameId];
    const std::int64_t t = now();
    const double grown = static_cast<double>(t - b.refilled) * static_cast<double>(b.rate) / 1000.0;
    b.toHost = std::min(static_cast<double>(b.rate), b.toHost + grown);
    b.toJoiner = std::min(static_cast<double>(b.rate), b.toJoiner + grown);
    b.refilled = t;
    double& tokens = it->second.toHost ? b.toHost : b.toJoiner;
    // A receiver that is behind holds its sender back instead of growing the queue to it.
    const qint64 room = kRelayBacklogBytes - to->bytesToWrite();
    const qint64 allowed = std::min({from->bytesAvailable(), static_cast<qint64>(tokens), room});
    if (allowed > 0) {
        const QByteArray bytes = from->read(allowed);
        tokens -= static_cast<double>(bytes.size());
        to->write(bytes);
        to->flush();
    }
    // Held back by the budget, it looks again shortly; held back by the receiver, the
    // receiver's progress brings it back.
    if (from->bytesAvailable() > 0 && room > allowed && !relayPump_.isActive()) relayPump_.start();
}

void LobbyServer::pumpAll() {
    std::vector<ConnectionId> relays;
    for (const auto& [n, c] : connections_)
        if (c.partner != 0 && !c.closing) relays.push_back(n);
    bool held = false;
    for (ConnectionId n : relays) {
        pump(n);
        const auto it = connections_.find(n);
        held = held || (it != connections_.end() && it->second.socket->bytesAvailable() > 0);
    }
    if (!held) relayPump_.stop();
}

} // namespace quadrino::lobby
