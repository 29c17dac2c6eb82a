// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace quadrino {
namespace {

constexpr int kWaitMs = 1000;
const QByteArray kRaise = QByteArrayLiteral("raise\n");

// The user's runtime folder is private to the user. Without one (no XDG_RUNTIME_DIR) the
// shared temporary folder is used, with the user id in the names.
QString defaultDirectory() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return QDir::tempPath();
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

QString baseName(const QString& dir) {
    if (dir == QDir::tempPath() && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStringLiteral("quadrino-%1").arg(::getuid());
    return QStringLiteral("quadrino");
}

} // namespace

SingleInstance::SingleInstance(QString directory, QObject* parent)
    : QObject(parent), dir_(directory.isEmpty() ? defaultDirectory() : std::move(directory)) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (lock_) lock_->unlock();
}

QString SingleInstance::lockPath() const { return dir_ + u'/' + baseName(dir_) + QStringLiteral(".lock"); }
QString SingleInstance::socketPath() const { return dir_ + u'/' + baseName(dir_) + QStringLiteral(".sock"); }

bool SingleInstance::claim() {
    lock_ = std::make_unique<QLockFile>(lockPath());
    // Only a lock whose owner has died is stale, however old it is.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        QLocalServer::removeServer(socketPath());
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        server_.listen(socketPath());
        return true;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        // The folder is unusable (no rights, full disk): run unguarded rather than not at all.
        lock_.reset();
        return true;
    }
    lock_.reset();
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (socket.waitForConnected(kWaitMs)) {
        socket.write(kRaise);
        socket.waitForBytesWritten(kWaitMs);
        socket.disconnectFromServer();
    }
    return false;
}

void SingleInstance::onConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Anything but the one request, or more of it than a request needs, is dropped.
            const QByteArray request = socket->read(64);
            if (request.startsWith(kRaise.trimmed())) emit raiseRequested();
            socket->disconnectFromServer();
        });
    }
}

} // namespace quadrino
