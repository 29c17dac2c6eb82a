// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded all-computer games must stay exactly as they were: a digest of every byte the host
// announces, with the connection it went to and the virtual time it went out, per seed and
// rule set. Refactoring the host must not move a single byte; a change of behaviour that
// alters these games has to be deliberate and show up here.
//
// Changed once on purpose: progress became the sum of what each pawn has travelled, so a
// capture or penalty now takes off all a pawn had (its entry included) and a join on a safe
// square counts its steps. Every other byte of these games stayed as it was.
#include <QtTest>

#include <cstdint>
#include <string>

#include "host/host.h"
#include "host/virtual_port.h"

using namespace quadrino;

namespace {

struct Digest {
    std::uint64_t hash = 1469598103934665603ull; // FNV-1a, 64 bits
    std::uint64_t bytes = 0;
    int winner = 0;
    void add(std::string_view s) {
        for (char c : s) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
        bytes += s.size();
    }
};

// Two players log in as connections 1 and 2, start a game and hand both seats to the
// computer; everything both receive goes into the digest.
Digest playGame(std::uint32_t seed, const std::string& options) {
    VirtualPort port;
    Host host(port, seed);
    port.attach(host);
    port.setBotDelay(1000);
    Digest d;
    port.setSink([&](int c, std::string_view m) {
        d.add(std::to_string(c) + "@" + std::to_string(port.now()) + ":");
        d.add(m);
        if (m.substr(0, 11) == "CMD_winner+") d.winner = m[11] - '0';
    });
    const int me = port.connect();
    port.deliver(me, "CMD_logininfo+1+1.0.15+Watcher\xFF\xFF");
    const int two = port.connect();
    port.deliver(two, "CMD_logininfo+2+1.0.15+Second\xFF\xFF");
    port.runFor(100);
    port.deliver(me, "CMD_startgame+Watcher+" + options + "+\xFF");
    port.runFor(20);
    port.deliver(me, "CMD_justwatch+1+1\xFF");
    port.deliver(two, "CMD_justwatch+2+1\xFF");
    port.runUntil([&] { return d.winner != 0; }, 48LL * 3600 * 1000);
    return d;
}

} // namespace

class TestGoldenGames : public QObject {
    Q_OBJECT
private slots:
    void seededGamesAreUnchanged_data() {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<QString>("options"); // penalty passing blocking pouncing team limit full
        QTest::addColumn<quint64>("digest");
        QTest::addColumn<quint64>("bytes");
        QTest::newRow("seed 1 full") << 1u << "1+0+1+1+0+0+1" << Q_UINT64_C(0xef9cceca29e30e1b) << Q_UINT64_C(40047);
        QTest::newRow("seed 2 limit 3") << 2u << "1+0+1+1+0+3+1" << Q_UINT64_C(0x36934e4d1d68e682) << Q_UINT64_C(60975);
        QTest::newRow("seed 3 passing") << 3u << "1+1+1+1+0+2+1" << Q_UINT64_C(0x9a52b3a1419ba778) << Q_UINT64_C(44743);
        QTest::newRow("seed 99 no pouncing") << 99u << "1+0+1+0+0+0+1" << Q_UINT64_C(0xf08dbdb2ca18d945) << Q_UINT64_C(47811);
        QTest::newRow("seed 7 no blocking") << 7u << "0+0+0+1+0+0+1" << Q_UINT64_C(0x2df58cc1b3b2d657) << Q_UINT64_C(45029);
        QTest::newRow("seed 4242 team") << 4242u << "1+0+1+1+1+4+1" << Q_UINT64_C(0xf1fd463db7c06138) << Q_UINT64_C(70165);
        QTest::newRow("seed 555 two seats") << 555u << "1+0+1+1+0+0+0" << Q_UINT64_C(0x1bf089fda76698e6) << Q_UINT64_C(33121);
        QTest::newRow("seed 31337 everything") << 31337u << "1+1+1+1+1+2+1" << Q_UINT64_C(0xbae4c1eec42aad79) << Q_UINT64_C(70535);
    }
    void seededGamesAreUnchanged() {
        QFETCH(std::uint32_t, seed);
        QFETCH(QString, options);
        QFETCH(quint64, digest);
        QFETCH(quint64, bytes);
        const Digest d = playGame(seed, options.toStdString());
        QVERIFY2(d.winner != 0, "the game should end");
        if (d.hash != digest || d.bytes != bytes)
            qWarning("seed %u: digest 0x%016llx, %llu bytes", seed, static_cast<unsigned long long>(d.hash),
                     static_cast<unsigned long long>(d.bytes));
        QCOMPARE(d.bytes, bytes);
        QCOMPARE(d.hash, digest);
    }
};

QTEST_APPLESS_MAIN(TestGoldenGames)
#include "test_golden_games.moc"
