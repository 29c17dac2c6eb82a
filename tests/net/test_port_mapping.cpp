// SPDX-License-Identifier: GPL-3.0-or-later
// Port forwarding against a real miniupnpd in a "router" network namespace, asked from a "host"
// namespace on its LAN, where the whole test runs. Needs root, ip, nft, miniupnpd and upnpc;
// skipped (77) without them. Nothing leaves the namespaces.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include "app/game_launcher.h"
#include "net/port_mapping.h"

using namespace quadrino;

namespace {

const QString kId = QString::number(QCoreApplication::applicationPid());
const QTemporaryDir lab;
const QString kControl = QStringLiteral("http://192.168.77.1:7700/rootDesc.xml");

// The router's WAN address must look public, or miniupnpd refuses to forward at all; its rules
// go into chains of their own, which is all a mapping needs to be listed.
const char* const kLab = R"(
ip netns add $R; ip netns add $H
ip -n $R link add wan0 type veth peer name wan1; ip -n $R addr add 11.22.33.44/24 dev wan0
ip -n $R link add lan0 type veth peer name eth0 netns $H; ip -n $R addr add 192.168.77.1/24 dev lan0
for l in lo wan0 wan1 lan0; do ip -n $R link set $l up; done
ip -n $H addr add 192.168.77.2/24 dev eth0; ip -n $H link set eth0 up; ip -n $H link set lo up
ip -n $H route add default via 192.168.77.1
ip netns exec $R nft "add table inet filter; add chain inet filter miniupnpd;
  add chain inet filter prerouting_miniupnpd; add chain inet filter postrouting_miniupnpd" || exit 1
printf '%s\n' ext_ifname=wan0 listening_ip=lan0 port=7700 enable_natpmp=no secure_mode=no \
  uuid=00000000-0000-4000-8000-00000000$R "allow 1024-65535 192.168.77.0/24 1024-65535" > $D/conf
ip netns exec $R miniupnpd -d -f $D/conf -P $D/pid > $D/log 2>&1 & echo $! > $D/daemon
for i in $(seq 100); do grep -q 'HTTP listening' $D/log && exit 0; sleep 0.1; done; cat $D/log >&2; exit 1
)";

int shell(const QString& script) {
    QProcess p;
    p.setEnvironment(QProcess::systemEnvironment() << "R=uR" + kId << "H=uH" + kId << "D=" + lab.path());
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start("bash", {"-c", script});
    p.waitForFinished(20000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// Every forwarding the router lists, as "port>client 'description'", sorted: the router lists
// in an order of its own.
QStringList forwardings(const QStringList& command = {"-l"}) {
    QProcess p;
    p.start("upnpc", QStringList{"-u", kControl} + command);
    p.waitForFinished(20000);
    QStringList out;
    const QRegularExpression row(R"(^\s*\d+ TCP\s+(\d+)->([\d.]+):\d+\s+('[^']*'))", QRegularExpression::MultilineOption);
    for (const auto& m : row.globalMatch(QString::fromLatin1(p.readAllStandardOutput())))
        out << m.captured(1) + '>' + m.captured(2) + ' ' + m.captured(3);
    out.sort();
    return out;
}

} // namespace

class TestPortMapping : public QObject {
    Q_OBJECT
    QString record() const { return lab.filePath("record"); }

private slots:
    void cleanup() {
        for (const char* port : {"7772", "7773"}) forwardings({"-d", port, "TCP"});
        QFile::remove(record());
    }

    // A run that crashed left its record: the next mapping removes what the record names, but
    // only while the router still forwards it here under our description; the end removes ours.
    void removesTheLeftoverOfACrashedRunOnlyWhenItIsStillOurs_data() {
        QTest::addColumn<QString>("client");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QByteArray>("recorded");
        QTest::addColumn<bool>("removed");
        const QByteArray ours("port=7773\nclient=192.168.77.2\n");
        QTest::newRow("ours") << "192.168.77.2" << "Quadrino" << ours << true;
        QTest::newRow("another machine's") << "192.168.77.9" << "Quadrino" << ours << false;
        QTest::newRow("another program's") << "192.168.77.2" << "Other" << ours << false;
        QTest::newRow("torn record") << "192.168.77.2" << "Quadrino" << QByteArray("port=77") << false;
        QTest::newRow("foreign record") << "192.168.77.2" << "Quadrino" << QByteArray("port=7773\nclient=x\n") << false;
    }
    void removesTheLeftoverOfACrashedRunOnlyWhenItIsStillOurs() {
        QFETCH(QString, client);
        QFETCH(QString, description);
        QFETCH(QByteArray, recorded);
        QFETCH(bool, removed);
        forwardings({"-e", description, "-a", client, "7773", "7773", "TCP"});
        const QStringList leftover{"7773>" + client + " '" + description + "'"};
        QCOMPARE(forwardings(), leftover);
        QFile file(record());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(recorded) > 0);
        file.close();
        auto mapping = std::make_unique<PortMapping>(record());
        QSignalSpy mapped(mapping.get(), &PortMapping::mapped);
        mapping->map(7772);
        QVERIFY(mapped.wait(15000));
        const QStringList left = removed ? QStringList{} : leftover;
        QCOMPARE(forwardings(), QStringList{"7772>192.168.77.2 'Quadrino'"} + left);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(parseMappingRecord(file.readAll()), (MappingRecord{7772, "192.168.77.2"}));
        mapping.reset();
        QCOMPARE(forwardings(), left);
        QVERIFY(!QFile::exists(record()));
    }

    // No mapping made: the user is told why, and nothing is recorded to remove later.
    void saysWhyWhenNoMappingIsMade_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the router does not answer")
            << "kill -STOP $(cat $D/daemon)" << "kill -CONT $(cat $D/daemon)" << "no router on this network answered";
        QTest::newRow("another machine has the port")
            << "true" << "true" << "the router already forwards port 7772 to another machine";
    }
    void saysWhyWhenNoMappingIsMade() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, reason);
        forwardings({"-e", "Quadrino", "-a", "192.168.77.9", "7772", "7772", "TCP"});
        QCOMPARE(shell(before), 0);
        const auto resume = qScopeGuard([&after] { shell(after); });
        PortMapping mapping(record());
        QSignalSpy failed(&mapping, &PortMapping::failed);
        QSignalSpy mapped(&mapping, &PortMapping::mapped);
        mapping.map(7772);
        QVERIFY(failed.wait(15000));
        QVERIFY2(failed.front().front().toString().startsWith(reason), qPrintable(failed.front().front().toString()));
        QCOMPARE(mapped.size(), 0);
        QVERIFY(!QFile::exists(record()));
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
        QCOMPARE(said.join('\n').contains("Asking the router"), asks);
        if (!asks) return;
        QTRY_VERIFY_WITH_TIMEOUT(said.join('\n').contains("The router forwards port 7772 from 11.22.33.44."), 15000);
        QCOMPARE(forwardings(), QStringList{"7772>192.168.77.2 'Quadrino'"});
        launcher.leaveGame();
        QTRY_COMPARE_WITH_TIMEOUT(forwardings(), QStringList{}, 15000);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (::geteuid() != 0 || shell("for t in ip nft miniupnpd upnpc; do command -v $t >/dev/null || exit 1; done") != 0 ||
        shell("ip netns add $R && ip netns del $R") != 0) {
        std::puts("SKIP: needs root, network namespaces, nft, miniupnpd and upnpc");
        return 77;
    }
    // What runs that died before cleaning up left behind.
    shell(R"(for n in $(ip netns list | grep -oE '^u[RH][0-9]+'); do kill -0 ${n:2} 2>/dev/null || ip netns del $n; done)");
    const auto cleanup = qScopeGuard([] { shell("kill $(cat $D/daemon); for n in $R $H; do ip netns del $n; done"); });
    // From here on this thread, and every thread it starts, is on the LAN.
    if (shell(kLab) != 0 || ::setns(::open(qPrintable("/run/netns/uH" + kId), O_RDONLY), CLONE_NEWNET) != 0) return 1;
    TestPortMapping test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_port_mapping.moc"
