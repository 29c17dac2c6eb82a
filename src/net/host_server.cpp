// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/host_server.h"

#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>
#include <cmath>
#include <algorithm>
#include <string>

#include "protocol/wire.h"

Q_LOGGING_CATEGORY(lcHost, "quadrino.host", QtWarningMsg)

namespace quadrino {

HostServer::HostServer(Options options, QObject* parent) : QObject(parent), options_(std::move(options)) {
    clock_.start();
    HostOptions hostOptions;
    hostOptions.pacing = QueueOrder::Fair;
    hostOptions.turnTimeoutMs = options_.turnTimeoutMs;
    host_ = std::make_unique<Host>(static_cast<HostPort&>(*this), makeDice(options_.seed), hostOptions);
    connect(&dispatchTimer_, &QTimer::timeout, this, [this] { host_->timerFired(HostTimer::Dispatch); });
    connect(&nextTimer_, &QTimer::timeout, this, [this] { host_->timerFired(HostTimer::Next); });
    connect(&computerTimer_, &QTimer::timeout, this, [this] { host_->timerFired(HostTimer::Computer); });
    connect(&watchTimer_, &QTimer::timeout, this, [this] { host_->timerFired(HostTimer::Watch); });
    for (QTimer* t : {&dispatchTimer_, &nextTimer_, &computerTimer_}) t->setTimerType(Qt::PreciseTimer);
}

HostServer::~HostServer() {
    for (auto*& s : sockets_) {
        if (s) {
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
    for (int n = 1; n <= kRefusedSlot; ++n)
        if (sockets_[static_cast<std::size_t>(n)]) close(n);
}

void HostServer::onNewConnection() {
    while (server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        const bool mayBeOne = !options_.mayBeOwner || options_.mayBeOwner(socket->peerAddress(), socket->peerPort());
        const int number = host_->allocateConnection(mayBeOne);
        attach(number, socket);
        host_->connectionOpened(number);
    }
}

void HostServer::attach(int number, QTcpSocket* socket) {
    socket->setParent(nullptr);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    sockets_[static_cast<std::size_t>(number)] = socket;
    connect(socket, &QTcpSocket::readyRead, this, [this, number, socket] {
        const QByteArray data = socket->readAll();
        if (sockets_[static_cast<std::size_t>(number)] != socket) return;
        host_->dataReceived(number, std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    });
    // Queued, so the host hears of a close after the call that caused it has returned.
    auto finish = [this, number, socket] {
        if (sockets_[static_cast<std::size_t>(number)] == socket) {
            sockets_[static_cast<std::size_t>(number)] = nullptr;
            host_->connectionClosed(number);
        }
        socket->deleteLater();
    };
    connect(socket, &QTcpSocket::disconnected, this, finish, Qt::QueuedConnection);
    connect(socket, &QTcpSocket::errorOccurred, this, [socket](QAbstractSocket::SocketError e) {
        // A broken connection counts as closed, so its number is freed.
        if (e != QAbstractSocket::RemoteHostClosedError) socket->abort();
    });
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
