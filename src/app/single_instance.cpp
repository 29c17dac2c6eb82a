#include "app/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace quadrino {
namespace {

constexpr int kWaitMs = 1000;
const QByteArray kRaise = QByteArrayLiteral("raise\n");

QString defaultDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir;
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

QString SingleInstance::lockPath() const { return dir_ + QStringLiteral("/quadrino.lock"); }
QString SingleInstance::socketPath() const { return dir_ + QStringLiteral("/quadrino.sock"); }

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
