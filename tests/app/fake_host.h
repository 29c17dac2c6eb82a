// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the game host in tests: accepts connections, records what each sends and
// sends whatever the test says.
#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

class FakeHost : public QObject {
public:
    explicit FakeHost(const QHostAddress& address = QHostAddress::LocalHost) {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                sockets.append(s);
                received.append(QByteArray());
                const auto index = sockets.size() - 1;
                connect(s, &QTcpSocket::readyRead, this, [this, s, index] { received[index] += s->readAll(); });
            }
        });
        server.listen(address, 0);
    }
    quint16 port() const { return server.serverPort(); }
    bool waitForClient(int count = 1) {
        return QTest::qWaitFor([&] { return sockets.size() >= count; }, 5000);
    }
    void send(const QByteArray& bytes, int client = 0) {
        sockets[client]->write(bytes);
        sockets[client]->flush();
    }
    // Waits until the client has sent exactly `bytes` in total.
    bool waitForReceived(const QByteArray& bytes, int client = 0) {
        return QTest::qWaitFor([&] { return received.size() > client && received[client] == bytes; }, 5000);
    }

    QTcpServer server;
    QList<QTcpSocket*> sockets;
    QList<QByteArray> received;
};
