// SPDX-License-Identifier: GPL-3.0-or-later
// The host on real sockets: what one peer may take of it. Other machines are stood in by an
// address the test gives each connection.
#include <QFile>
#include <QTcpSocket>
#include <QtTest>

#include <map>
#include <memory>
#include <vector>

#include "net/host_server.h"

using namespace quadrino;

namespace {

struct Client {
    QTcpSocket socket;
    QByteArray got;
    // Greeted (a number given) or closed unheard; false when neither happened.
    bool settled() {
        got += socket.readAll();
        return got.contains('\xFF') || socket.state() == QAbstractSocket::UnconnectedState;
    }
    bool greeted() const { return got.startsWith("CMD_sendlogininfo+"); }
    bool waitFor(const QByteArray& message) {
        return QTest::qWaitFor([&] {
            got += socket.readAll();
            return got.contains(message + '\xFF');
        }, 20000);
    }
};

} // namespace

class TestHostServer : public QObject {
    Q_OBJECT
    std::map<quint16, QHostAddress> from_; // the client's port: where the host thinks it is
    QStringList log_;

    HostServer::Options options(int perAddress, const QString& owner = {}) {
        HostServer::Options o;
        o.seed = 1;
        o.perAddress = perAddress;
        o.peerAddress = [this](const QTcpSocket& s) {
            auto it = from_.find(s.peerPort());
            return it == from_.end() ? s.peerAddress() : it->second;
        };
        if (!owner.isEmpty())
            o.mayBeOwner = [owner](const QHostAddress& a, quint16) { return a == QHostAddress(owner); };
        o.logLine = [this](std::string_view l) { log_ << QString::fromUtf8(l.data(), qsizetype(l.size())); };
        return o;
    }
    // A connection from `address` ("" for this machine as it is).
    std::unique_ptr<Client> arrive(HostServer& server, const QString& address) {
        auto c = std::make_unique<Client>();
        c->socket.bind(QHostAddress::LocalHost, 0);
        if (!address.isEmpty()) from_[c->socket.localPort()] = QHostAddress(address);
        c->socket.connectToHost(QHostAddress::LocalHost, server.serverPort());
        return c;
    }
    int logged(const QString& part) const {
        return int(std::count_if(log_.begin(), log_.end(), [&](const QString& l) { return l.contains(part); }));
    }

private slots:
    void init() {
        from_.clear();
        log_.clear();
    }

    void oneAddressCannotFillTheGame_data() {
        QTest::addColumn<int>("perAddress");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("arrivals"); // a, b: two machines; l: this one; -N: the Nth leaves
        QTest::addColumn<QString>("greeted");  // per arrival: 1 greeted, 0 closed unheard
        QTest::newRow("eight from one address, then another")
            << 4 << "" << "a a a a a a a a b" << "1 1 1 1 0 0 0 0 1";
        QTest::newRow("a departure makes room") << 4 << "" << "a a a a a -1 a a" << "1 1 1 1 0 1 0";
        QTest::newRow("no limit") << 0 << "" << "a a a a a a a a" << "1 1 1 1 1 1 1 1";
        QTest::newRow("the owner's address") << 4 << "192.0.2.1" << "a a a a a a" << "1 1 1 1 1 1";
        QTest::newRow("this machine") << 2 << "" << "l l l l" << "1 1 1 1";
    }
    void oneAddressCannotFillTheGame() {
        QFETCH(int, perAddress);
        QFETCH(QString, owner);
        QFETCH(QString, arrivals);
        QFETCH(QString, greeted);
        HostServer server(options(perAddress, owner));
        QVERIFY(server.listen(0, QHostAddress::LocalHost));
        const std::map<QString, QString> machines{{"a", "192.0.2.1"}, {"b", "198.51.100.2"}, {"l", ""}};
        std::vector<std::unique_ptr<Client>> clients;
        QStringList got;
        for (const QString& a : arrivals.split(' ')) {
            if (a.startsWith('-')) {
                Client& leaving = *clients[std::size_t(a.mid(1).toInt() - 1)];
                const QByteArray greeting = leaving.got.left(leaving.got.indexOf('\xFF'));
                const int number = greeting.mid(18).split('+').value(0).toInt();
                QVERIFY(number > 0);
                leaving.socket.abort();
                QVERIFY(QTest::qWaitFor([&] { return !server.host().player(number).connected; }, 10000));
                continue;
            }
            clients.push_back(arrive(server, machines.at(a)));
            Client& c = *clients.back();
            QVERIFY(QTest::qWaitFor([&] { return c.settled(); }, 10000));
            got << (c.greeted() ? "1" : "0");
        }
        QCOMPARE(got.join(' '), greeted);
        QCOMPARE(logged("refused a connection from 192.0.2.1"), int(got.count("0")));
    }

    void everyConnectionIsKeptAlive() {
        QFile table("/proc/net/tcp");
        if (!table.exists()) QSKIP("needs Linux's table of TCP sockets");
        HostServer server(options(4));
        QVERIFY(server.listen(0, QHostAddress::LocalHost));
        auto c = arrive(server, "");
        QVERIFY(QTest::qWaitFor([&] { return c->settled(); }, 10000));
        // The host's end of it: the server's port here, the client's there (hex).
        auto hex = [](quint16 port) { return QByteArray::number(port, 16).toUpper().rightJustified(4, '0'); };
        const QByteArray here = "0100007F:" + hex(server.serverPort()), there = "0100007F:" + hex(c->socket.localPort());
        QByteArray timer;
        // Once the greeting is acknowledged, the timer pending is keepalive's ("02") and
        // falls due within the idle minute.
        const bool found = QTest::qWaitFor([&] {
            QFile t("/proc/net/tcp");
            if (!t.open(QIODevice::ReadOnly)) return false;
            for (const QByteArray& line : t.readAll().split('\n')) {
                const QList<QByteArray> f = line.simplified().split(' ');
                if (f.size() > 5 && f[1] == here && f[2] == there) timer = f[5];
            }
            return timer.startsWith("02:");
        }, 5000);
        QVERIFY2(found, timer.constData());
        bool ok = false;
        const long dueIn = timer.mid(3).toLong(&ok, 16); // in hundredths of a second
        QVERIFY(ok);
        QVERIFY2(dueIn > 30 * 100 && dueIn <= HostServer::kKeepAliveIdleS * 100, timer.constData());
    }

    // A flood is read no faster than its budget and others are served meanwhile.
    void aFloodIsHeldBack() {
        HostServer server(options(4));
        QVERIFY(server.listen(0, QHostAddress::LocalHost));
        auto honest = arrive(server, "");
        auto flood = arrive(server, "");
        for (auto* c : {honest.get(), flood.get()}) {
            QVERIFY(QTest::qWaitFor([&] { return c->settled(); }, 10000));
            QVERIFY(c->greeted());
        }
        QByteArray chats;
        while (chats.size() < 4 * 1024 * 1024) chats += "CMD_chat+2+" + QByteArray(100, 'x') + "|clRed\xFF";
        flood->socket.write(chats);
        QVERIFY2(QTest::qWaitFor([&] { return logged("reading from it is held back") > 0; }, 20000),
                 "the flood is held back");
        honest->socket.write("CMD_logininfo+1+1.0.15+Ann\xFF\xFF" "CMD_chat+1+hello|clRed\xFF");
        QVERIFY(honest->waitFor("CMD_chat+1+Ann chats: hello|clRed"));
    }
};

QTEST_GUILESS_MAIN(TestHostServer)
#include "test_host_server.moc"
