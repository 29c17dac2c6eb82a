// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lobby for tests: a loopback listener that records the lines each connection sends and
// sends whatever the test writes, good or hostile.
#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <functional>

class FakeLobby : public QObject {
public:
    FakeLobby() {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                const qsizetype n = links.size();
                links << s;
                received << QByteArray();
                QObject::connect(s, &QTcpSocket::readyRead, this, [this, s, n] {
                    received[n] += s->readAll();
                    if (tap) tap(int(n));
                });
            }
        });
        QVERIFY(server_.listen(QHostAddress::LocalHost, 0));
    }
    quint16 port() const { return server_.serverPort(); }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

    // Waits for connection `n` to have sent a line holding `text`.
    bool waitFor(int n, const QByteArray& text, int ms = 5000) {
        return QTest::qWaitFor([&] { return n < links.size() && received[n].contains(text); }, ms);
    }
    void send(int n, const QByteArray& bytes) {
        links[n]->write(bytes);
        links[n]->flush();
    }
    // Connection `n` welcomed after its HELLO.
    bool welcome(int n = 0) { return waitFor(n, "HELLO\t1\t") && (send(n, "WELCOME\t1\t127.0.0.1\n"), true); }

    // Sees every read, after it is recorded (a test's relay passes the bytes on).
    std::function<void(int)> tap;
    QList<QTcpSocket*> links;
    QList<QByteArray> received;

private:
    QTcpServer server_;
};

// A `GAME` line: id from `n`, host "host<n>" unless named.
inline QByteArray gameLine(int n, const QByteArray& reach = "direct", int seats = 1, const QByteArray& host = {},
                           int port = 7772, int rtt = 40) {
    const QByteArray id = QByteArray::number(n, 16).rightJustified(16, '0');
    return "GAME\t" + id + '\t' + (host.isEmpty() ? "host" + QByteArray::number(n) : host) + "\t192.0.2.1\t" +
           QByteArray::number(port) + '\t' + QByteArray::number(seats) + "\t0\t0\t" + reach + '\t' +
           QByteArray::number(rtt) + "\tPenalty\n";
}
