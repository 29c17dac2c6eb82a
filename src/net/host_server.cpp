#include "net/host_server.h"

#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>
#include <cmath>
#include <cstdio>

#include "protocol/wire.h"

Q_LOGGING_CATEGORY(lcHost, "quadrino.host", QtWarningMsg)

namespace quadrino {

HostServer::HostServer(Options options, QObject* parent) : QObject(parent), options_(std::move(options)) {
    host_ = std::make_unique<Host>(static_cast<HostPort&>(*this), makeDice(options_.seed));
    connect(&dispatchTimer_, &QTimer::timeout, this, [this] { host_->timerFired(HostTimer::Dispatch); });
    connect(&nextTimer_, &QTimer::timeout, this, [this] { host_->timerFired(HostTimer::Next); });
    connect(&computerTimer_, &QTimer::timeout, this, [this] { host_->timerFired(HostTimer::Computer); });
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

void HostServer::closeAll() {
    for (int n = 1; n <= kRefusedSlot; ++n)
        if (sockets_[static_cast<std::size_t>(n)]) close(n);
}

void HostServer::onNewConnection() {
    while (server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        const int number = host_->allocateConnection();
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
    if (QTcpSocket* s = sockets_[static_cast<std::size_t>(connection)])
        s->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void HostServer::close(int connection) {
    if (connection < 1 || connection > kRefusedSlot) return;
    if (QTcpSocket* s = sockets_[static_cast<std::size_t>(connection)]) s->disconnectFromHost();
}

QTimer& HostServer::timerFor(HostTimer t) {
    switch (t) {
    case HostTimer::Dispatch: return dispatchTimer_;
    case HostTimer::Next: return nextTimer_;
    case HostTimer::Computer: break;
    }
    return computerTimer_;
}

void HostServer::startTimer(HostTimer timer, int intervalMs) {
    const double scaled = std::round(intervalMs * options_.timeScale);
    timerFor(timer).start(static_cast<int>(std::max(0.0, scaled)));
}

void HostServer::stopTimer(HostTimer timer) { timerFor(timer).stop(); }

int HostServer::botDelay() const { return options_.botDelay ? options_.botDelay() : 1000; }

void HostServer::log(std::string_view line) {
    if (options_.logToStderr) {
        std::fprintf(stderr, "quadrino-host: %.*s\n", static_cast<int>(line.size()), line.data());
        std::fflush(stderr);
    } else {
        qCDebug(lcHost).noquote() << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
}

} // namespace quadrino
