// SPDX-License-Identifier: GPL-3.0-or-later
// The host on real sockets: what one peer may take of it; other machines are addresses given.
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <map>
#include <memory>

#include "net/host_server.h"

using namespace quadrino;

class TestHostServer : public QObject {
    Q_OBJECT
    std::map<quint16, QHostAddress> from_; // by the client's port: where the host thinks it is
    QStringList log_;

    std::unique_ptr<HostServer> serve(int perAddress = 4, const QString& owner = {}) {
        from_.clear();
        log_.clear();
        HostServer::Options o;
        o.perAddress = perAddress;
        o.peerAddress = [this](const QTcpSocket& s) { return from_.count(s.peerPort()) ? from_[s.peerPort()] : s.peerAddress(); };
        if (!owner.isEmpty()) o.mayBeOwner = [owner](const QHostAddress& a, quint16) { return a == QHostAddress(owner); };
        o.logLine = [this](std::string_view l) { log_ << QString::fromLatin1(l.data(), qsizetype(l.size())); };
        auto server = std::make_unique<HostServer>(o);
        server->listen(0, QHostAddress::LocalHost);
        return server;
    }
    // A connection from `address` ("" for this machine), once greeted (its number) or closed (0).
    int arrive(HostServer& server, QTcpSocket& s, const QString& address = {}) {
        s.bind(QHostAddress::LocalHost, 0);
        if (!address.isEmpty()) from_[s.localPort()] = QHostAddress(address);
        s.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QByteArray got;
        auto settled = [&] { return (got += s.readAll()).contains('\xFF') || s.state() == s.UnconnectedState; };
        if (!QTest::qWaitFor(settled, 10000)) return -1;
        return got.startsWith("CMD_sendlogininfo+") ? got.mid(18).split('\xFF').value(0).toInt() : 0;
    }

    // A relayed peer: the host's end of a link to a stand-in lobby, adopted with the address
    // the lobby reported; returns the far end, where the lobby would pass the joiner's bytes.
    static QTcpSocket* relay(HostServer& server, QTcpServer& lobby, const QString& address, bool& adopted,
                             const QByteArray& early = {}) {
        auto* hostEnd = new QTcpSocket;
        hostEnd->connectToHost(QHostAddress::LocalHost, lobby.serverPort());
        if (!hostEnd->waitForConnected(5000) || !lobby.waitForNewConnection(5000)) return nullptr;
        adopted = server.adoptConnection(hostEnd, QHostAddress(address), early);
        return lobby.nextPendingConnection();
    }

private slots:
    void oneAddressCannotFillTheGame_data() {
        QTest::addColumn<int>("perAddress");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("arrivals"); // from machine a, b, or this one (l); -N: the Nth leaves
        QTest::addColumn<QString>("greeted");
        QTest::newRow("eight, then another") << 4 << "" << "a a a a a a a a b" << "1 1 1 1 0 0 0 0 1";
        QTest::newRow("a departure makes room") << 4 << "" << "a a a a a -1 a a" << "1 1 1 1 0 1 0";
        QTest::newRow("no limit") << 0 << "" << "a a a a a a" << "1 1 1 1 1 1";
        QTest::newRow("the owner's address") << 4 << "192.0.2.1" << "a a a a a a" << "1 1 1 1 1 1";
        QTest::newRow("this machine") << 2 << "" << "l l l" << "1 1 1";
    }
    void oneAddressCannotFillTheGame() {
        QFETCH(int, perAddress);
        QFETCH(QString, owner);
        QFETCH(QString, arrivals);
        QFETCH(QString, greeted);
        auto server = serve(perAddress, owner);
        const std::map<QString, QString> machines{{"a", "192.0.2.1"}, {"b", "198.51.100.2"}, {"l", ""}};
        std::vector<std::unique_ptr<QTcpSocket>> sockets;
        QList<int> numbers;
        QStringList got;
        for (const QString& a : arrivals.split(' ')) {
            if (const int i = -a.toInt() - 1; i >= 0) {
                sockets[std::size_t(i)]->abort();
                QVERIFY(QTest::qWaitFor([&] { return !server->host().player(numbers[i]).connected; }, 10000));
                continue;
            }
            sockets.push_back(std::make_unique<QTcpSocket>());
            numbers << arrive(*server, *sockets.back(), machines.at(a));
            got << (numbers.last() > 0 ? "1" : "0");
        }
        QCOMPARE(got.join(' '), greeted);
        QCOMPARE(log_.filter("refused a connection from 192.0.2.1").size(), got.count("0"));
    }

    // A flood is held back, and the others are served meanwhile.
    void aFloodIsHeldBack() {
        auto server = serve();
        QTcpSocket honest, flood;
        QCOMPARE(arrive(*server, honest), 1);
        QCOMPARE(arrive(*server, flood), 2);
        QByteArray chats;
        while (chats.size() < 4 * 1024 * 1024) chats += "CMD_chat+2+" + QByteArray(100, 'x') + "|clRed\xFF";
        flood.write(chats);
        QVERIFY(QTest::qWaitFor([&] { return !log_.filter("reading from it is held back").isEmpty(); }, 20000));
        honest.write("CMD_logininfo+1+1.0.15+Ann\xFF\xFF" "CMD_chat+1+hello|clRed\xFF");
        QByteArray got;
        QVERIFY(QTest::qWaitFor([&] { return (got += honest.readAll()).contains("Ann chats: hello|clRed"); }, 20000));
    }

    void relayedPeerIsAnOrdinaryConnectionButNeverTheOwner() {
        auto server = serve(2);
        QTcpServer lobby;
        QVERIFY(lobby.listen(QHostAddress::LocalHost));
        // Its login came with the link, before the hand-over; number 1 is free, yet a relayed
        // peer never gets it.
        bool adopted = false;
        QTcpSocket* zed = relay(*server, lobby, "203.0.113.7", adopted, "CMD_logininfo+2+1.0.15+Zed\xFF\xFF");
        QVERIFY(zed && adopted);
        QByteArray got;
        QVERIFY(QTest::qWaitFor([&] { return (got += zed->readAll()).contains("CMD_newplayerinfo+2+Zed\xFF"); }, 10000));
        QVERIFY(got.startsWith("CMD_sendlogininfo+2\xFF") && !server->host().player(1).connected);
        // Counted by the address reported, not the lobby's own: the third from it is refused.
        QVERIFY(relay(*server, lobby, "203.0.113.7", adopted) && adopted);
        QVERIFY(relay(*server, lobby, "203.0.113.7", adopted) && !adopted);
        QCOMPARE(log_.filter("refused a relayed connection from 203.0.113.7").size(), 1);
        QVERIFY(relay(*server, lobby, "198.51.100.9", adopted) && adopted);
        zed->abort();
        QVERIFY(QTest::qWaitFor([&] { return !server->host().player(2).connected; }, 10000));
    }
};

QTEST_GUILESS_MAIN(TestHostServer)
#include "test_host_server.moc"
