// SPDX-License-Identifier: GPL-3.0-or-later
// Port forwarding against a real miniupnpd: a "router" network namespace with an external and a
// LAN side, and a "host" namespace on that LAN where PortMapping's thread is started. Needs
// root, ip, nft, miniupnpd and upnpc; skipped (77) without them. Nothing leaves the namespaces.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QScopeGuard>
#include <cstdio>
#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include "app/game_launcher.h"
#include "net/port_mapping.h"

using namespace quadrino;

namespace {

const QString kId = QString::number(QCoreApplication::applicationPid());
const QString kRouter = "uR" + kId, kHost = "uH" + kId, kLone = "uL" + kId;

// The router's WAN address must look public, or miniupnpd refuses to forward at all.
const char* const kLab = R"(
ip netns add $R; ip netns add $H; ip netns add $L
ip -n $R link add wan0 type veth peer name wan1; ip -n $R addr add 11.22.33.44/24 dev wan0
ip -n $R link add lan0 type veth peer name eth0 netns $H; ip -n $R addr add 192.168.77.1/24 dev lan0
for l in lo wan0 wan1 lan0; do ip -n $R link set $l up; done
ip -n $H addr add 192.168.77.2/24 dev eth0; ip -n $H link set eth0 up; ip -n $H link set lo up
ip -n $H route add default via 192.168.77.1
ip netns exec $R nft -f - <<N
table inet filter {
  chain miniupnpd {
  }
  chain prerouting_miniupnpd {
  }
  chain postrouting_miniupnpd {
  }
  chain forward {
    type filter hook forward priority 0; policy accept; jump miniupnpd
  }
  chain prerouting {
    type nat hook prerouting priority -100; policy accept; jump prerouting_miniupnpd
  }
  chain postrouting {
    type nat hook postrouting priority 100; policy accept; jump postrouting_miniupnpd
  }
}
N
printf '%s\n' ext_ifname=wan0 listening_ip=lan0 port=0 enable_natpmp=no secure_mode=no \
  uuid=00000000-0000-4000-8000-00000000$R "allow 1024-65535 192.168.77.0/24 1024-65535" > $D/conf
)";

int shell(const QString& script, const QString& dir = {}) {
    QProcess p;
    p.setEnvironment(QProcess::systemEnvironment() << "R=" + kRouter << "H=" + kHost << "L=" + kLone << "D=" + dir);
    p.start("bash", {"-c", script});
    p.waitForFinished(20000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void dropLab() { shell("for n in $R $H $L; do ip netns del $n 2>/dev/null; done; true"); }

// Meanwhile the calling thread, and every thread it starts, lives in namespace `ns`.
struct InNamespace {
    const int here = ::open("/proc/self/ns/net", O_RDONLY);
    const int there;
    const bool entered;
    explicit InNamespace(const QString& ns)
        : there(::open(qPrintable("/run/netns/" + ns), O_RDONLY)), entered(::setns(there, CLONE_NEWNET) == 0) {}
    ~InNamespace() {
        if (::setns(here, CLONE_NEWNET) != 0) qFatal("cannot return to the test's own network namespace");
        ::close(here);
        ::close(there);
    }
};

// A PortMapping whose router thread runs inside namespace `ns`.
std::unique_ptr<PortMapping> mappingIn(const QString& ns, const QString& record) {
    const InNamespace in(ns);
    return in.entered ? std::make_unique<PortMapping>(record) : nullptr;
}

} // namespace

class TestPortMapping : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QProcess router_;
    QString control_; // the router's description URL
    QString record() const { return dir_.filePath("state/record"); }

    // Every forwarding the router lists, as "port>client 'description'", asked from the LAN.
    QStringList forwardings(const QStringList& extra = {}) {
        QProcess p;
        p.start("ip", QStringList{"netns", "exec", kHost, "upnpc", "-u", control_} << (extra.isEmpty() ? QStringList{"-l"} : extra));
        p.waitForFinished(20000);
        QStringList out; // sorted: the router lists in an order of its own
        static const QRegularExpression row(R"(^\s*\d+ TCP\s+(\d+)->([\d.]+):\d+\s+'([^']*)')", QRegularExpression::MultilineOption);
        for (auto m = row.globalMatch(QString::fromLatin1(p.readAllStandardOutput())); m.hasNext();) {
            const auto hit = m.next();
            out << hit.captured(1) + '>' + hit.captured(2) + " '" + hit.captured(3) + "'";
        }
        out.sort();
        return out;
    }

private slots:
    void initTestCase() {
        QVERIFY(shell(kLab, dir_.path()) == 0);
        router_.setProcessChannelMode(QProcess::MergedChannels);
        router_.start("ip", {"netns", "exec", kRouter, "miniupnpd", "-d", "-f", dir_.filePath("conf"), "-P", dir_.filePath("pid")});
        const QRegularExpression listening("HTTP listening on port (\\d+)");
        QByteArray log;
        while (!listening.match(QString::fromLatin1(log)).hasMatch() && router_.waitForReadyRead(10000)) log += router_.readAll();
        const auto m = listening.match(QString::fromLatin1(log));
        QVERIFY2(m.hasMatch(), log.constData());
        control_ = "http://192.168.77.1:" + m.captured(1) + "/rootDesc.xml";
    }
    void cleanup() {
        for (const char* port : {"7772", "7773"}) forwardings({"-d", port, "TCP"});
        QFile::remove(record());
    }
    void cleanupTestCase() {
        router_.terminate();
        router_.waitForFinished(5000);
        dropLab();
    }

    void mapsTheHostingPortAndRemovesItOnRequestAndAtTheEnd() {
        for (bool atEnd : {false, true}) {
            auto mapping = mappingIn(kHost, record());
            QSignalSpy mapped(mapping.get(), &PortMapping::mapped), unmapped(mapping.get(), &PortMapping::unmapped);
            mapping->map(7772);
            QVERIFY(mapped.wait(15000));
            QCOMPARE(mapped.first().at(0).toString(), "11.22.33.44");
            QCOMPARE(mapped.first().at(1).toInt(), 7772);
            QCOMPARE(forwardings(), QStringList{"7772>192.168.77.2 'Quadrino'"});
            QFile file(record());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(parseMappingRecord(file.readAll()), (MappingRecord{7772, "192.168.77.2"}));
            if (atEnd) mapping.reset();
            else mapping->unmap();
            if (!atEnd) QVERIFY(unmapped.wait(15000));
            QCOMPARE(forwardings(), QStringList{});
            QVERIFY(!QFile::exists(record()));
        }
    }

    // A run that crashed left its record: the next mapping removes what the record names, but
    // only while the router still forwards it here under our description.
    void removesTheLeftoverOfACrashedRunOnlyWhenItIsStillOurs_data() {
        QTest::addColumn<QString>("client");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QByteArray>("recorded");
        QTest::addColumn<bool>("removed");
        QTest::newRow("ours") << "192.168.77.2" << "Quadrino" << QByteArray("port=7773\nclient=192.168.77.2\n") << true;
        QTest::newRow("another machine's") << "192.168.77.9" << "Quadrino" << QByteArray("port=7773\nclient=192.168.77.2\n") << false;
        QTest::newRow("another program's") << "192.168.77.2" << "Other" << QByteArray("port=7773\nclient=192.168.77.2\n") << false;
        QTest::newRow("torn record") << "192.168.77.2" << "Quadrino" << QByteArray("port=77") << false;
        QTest::newRow("foreign record") << "192.168.77.2" << "Quadrino" << QByteArray("port=7773\nclient=router\n") << false;
    }
    void removesTheLeftoverOfACrashedRunOnlyWhenItIsStillOurs() {
        QFETCH(QString, client);
        QFETCH(QString, description);
        QFETCH(QByteArray, recorded);
        QFETCH(bool, removed);
        forwardings({"-e", description, "-a", client, "7773", "7773", "TCP"});
        const QString leftover = "7773>" + client + " '" + description + "'";
        QCOMPARE(forwardings(), QStringList{leftover});
        QFile file(record());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(recorded) == recorded.size());
        file.close();
        auto mapping = mappingIn(kHost, record());
        QSignalSpy mapped(mapping.get(), &PortMapping::mapped);
        mapping->map(7772);
        QVERIFY(mapped.wait(15000));
        const QString ours = "7772>192.168.77.2 'Quadrino'";
        const QStringList left = removed ? QStringList{} : QStringList{leftover};
        QCOMPARE(forwardings(), QStringList{ours} + left);
        mapping.reset();
        QCOMPARE(forwardings(), left);
    }

    // Only hosting for others with the user's leave asks; leaving the game removes the mapping.
    void hostingForOthersAsksTheRouterUntilTheGameIsLeft_data() {
        QTest::addColumn<bool>("solo");
        QTest::addColumn<bool>("askRouter");
        QTest::newRow("for others") << false << true;
        QTest::newRow("for others, router not to be asked") << false << false;
        QTest::newRow("solo") << true << true;
    }
    void hostingForOthersAsksTheRouterUntilTheGameIsLeft() {
        QFETCH(bool, solo);
        QFETCH(bool, askRouter);
        const InNamespace in(kHost);
        QVERIFY(in.entered);
        PreferencesStore store;
        store.prefs().askRouter = askRouter;
        GameLauncher launcher(store);
        launcher.allowRouterRequests(record());
        QStringList said;
        connect(&launcher, &GameLauncher::chatLine, this, [&said](const QString& line) { said << line; });
        LaunchPlan plan = decideLaunch(solo ? QStringList{} : QStringList{"Ann", "127.0.0.1", "true"});
        plan.port = 7772;
        launcher.processparams(plan);
        const bool asks = askRouter && !solo;
        QCOMPARE(said.join('\n').contains("router"), asks);
        if (!asks) return;
        QTRY_VERIFY_WITH_TIMEOUT(said.join('\n').contains("The router forwards port 7772 from 11.22.33.44."), 15000);
        QCOMPARE(forwardings(), QStringList{"7772>192.168.77.2 'Quadrino'"});
        launcher.leaveGame();
        QTRY_COMPARE_WITH_TIMEOUT(forwardings(), QStringList{}, 15000);
    }

    void saysWhyWhenNoRouterAnswers() {
        auto mapping = mappingIn(kLone, record());
        QSignalSpy failed(mapping.get(), &PortMapping::failed);
        mapping->map(7772);
        QVERIFY(failed.wait(15000));
        QVERIFY(!failed.first().first().toString().isEmpty());
        QVERIFY(!QFile::exists(record()));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (::geteuid() != 0 || shell("for t in ip nft miniupnpd upnpc; do command -v $t || exit 1; done") != 0 ||
        shell("ip netns add $L && ip netns del $L") != 0) {
        std::puts("SKIP: needs root, network namespaces, nft, miniupnpd and upnpc");
        return 77;
    }
    // Namespaces of earlier runs that died before cleaning up.
    shell(R"(for n in $(ip netns list | grep -oE '^u[RHL][0-9]+'); do kill -0 ${n:2} 2>/dev/null || ip netns del $n; done)");
    auto cleanup = qScopeGuard(dropLab);
    TestPortMapping test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_port_mapping.moc"
