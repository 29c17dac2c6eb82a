// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/client_connection.h"

#include <QLoggingCategory>
#include <QSignalBlocker>

#include "protocol/wire.h"

Q_LOGGING_CATEGORY(lcClient, "quadrino.client", QtWarningMsg)

namespace quadrino {

namespace {
constexpr qint64 kReadSlice = 64 * 1024;
} // namespace

ClientConnection::ClientConnection(QObject* parent) : QObject(parent) {
    tick_.setInterval(kClientTickMs);
    // A child, so that whoever holds the connection can find its socket (a test cutting it).
    socket_.setParent(this);
    connect(&tick_, &QTimer::timeout, this, &ClientConnection::onTick);
    // Read a slice at a time: what a flood costs is then the queue's bound, not the socket's
    // backlog.
    socket_.setReadBufferSize(kReadSlice);
    connect(&socket_, &QTcpSocket::readyRead, this, &ClientConnection::onReadyRead);
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        wasConnected_ = true;
        connecting_ = false;
        if (!preamble_.empty()) socket_.write(preamble_.data(), static_cast<qint64>(preamble_.size()));
    });
    connect(&socket_, &QTcpSocket::disconnected, this, &ClientConnection::onDisconnected);
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        qCDebug(lcClient) << "socket error" << e << socket_.errorString();
        if (connecting_) failConnect(e, socket_.errorString());
    });
}

ClientConnection::~ClientConnection() {
    // The socket outlives the other members; a close from its destructor must not reach them.
    socket_.disconnect(this);
    tick_.stop();
}

void ClientConnection::connectToHost(const QString& host, quint16 port, const std::string& preamble) {
    connecting_ = true;
    preamble_ = preamble;
    socket_.connectToHost(host, port);
}

quint16 ClientConnection::connectToOwnHost(quint16 port) {
    // Bound first, the port is ours before the connect reaches the listener.
    if (!socket_.bind(QHostAddress(QHostAddress::LocalHost), 0)) return 0;
    const quint16 local = socket_.localPort();
    connectToHost(QStringLiteral("127.0.0.1"), port, {});
    return local;
}

void ClientConnection::reset() {
    connecting_ = false;
    tick_.stop();
    // Our handlers must not take the abort for a close by the host.
    {
        const QSignalBlocker quiet(socket_);
        socket_.abort();
    }
    framer_ = newFramer();
    queue_ = newQueue();
    wasConnected_ = false;
    preamble_.clear();
    closePending_ = false;
    closedEmitted_ = false;
}

void ClientConnection::failConnect(QAbstractSocket::SocketError error, const QString& reason) {
    if (!connecting_) return;
    connecting_ = false;
    emit connectFailed(error, reason);
}

void ClientConnection::send(const std::string& bytes) {
    if (socket_.state() != QAbstractSocket::ConnectedState) return;
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

bool ClientConnection::isConnected() const { return socket_.state() == QAbstractSocket::ConnectedState; }

void ClientConnection::close() { socket_.disconnectFromHost(); }

void ClientConnection::onReadyRead() {
    std::vector<std::string> messages;
    while (socket_.bytesAvailable() > 0) {
        const QByteArray data = socket_.read(kReadSlice);
        if (data.isEmpty()) break;
        messages.clear();
        bool fits = framer_.feed(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), messages);
        for (auto& m : messages) fits = fits && queue_.push(0, std::move(m));
        if (!fits) {
            cutOff();
            return;
        }
    }
    if (!queue_.empty() && !tick_.isActive()) tick_.start();
}

void ClientConnection::cutOff() {
    qCWarning(lcClient) << "the host sent more than the client can take; closing";
    // What is queued came from the same host; none of it is worth dispatching now.
    tick_.stop();
    queue_ = newQueue();
    emit overflowed();
    // The close is reported as any other (the socket's disconnect), now that nothing waits.
    socket_.abort();
    if (wasConnected_ && !closedEmitted_) onDisconnected();
}

void ClientConnection::onTick() {
    if (!queue_.empty()) {
        QueuedMessage m = queue_.take();
        emit messageReady(m.text);
    }
    if (queue_.empty()) {
        tick_.stop();
        emitClosedWhenDrained();
    }
}

void ClientConnection::onDisconnected() {
    if (!wasConnected_) return;
    closePending_ = true;
    if (queue_.empty()) emitClosedWhenDrained();
}

void ClientConnection::emitClosedWhenDrained() {
    if (closePending_ && !closedEmitted_) {
        closedEmitted_ = true;
        emit closed();
    }
}

} // namespace quadrino
