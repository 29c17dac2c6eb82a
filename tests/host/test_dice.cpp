// SPDX-License-Identifier: GPL-3.0-or-later
// Where the dice come from: without a seed the host rolls from the system's random source,
// and those dice are fair (chi-square over whole games the host announces); with a seed the
// game's own generator replays exactly (the golden games hold that byte for byte).
#include <QtTest>

#include <array>
#include <cstdint>

#include "rules/dice.h"
#include "host/host.h"
#include "host/virtual_port.h"
#include "protocol/catalogue.h"
#include "protocol/message_queue.h"

using namespace quadrino;

namespace {

// Critical values of chi-square at p = 1e-9: a fair source fails once in a billion runs.
constexpr double kCritical5 = 50.69;   // 6 faces
constexpr double kCritical35 = 110.31; // 36 ordered pairs
constexpr double kCritical3 = 44.84;   // 4 first seats

template <std::size_t N>
double chiSquare(const std::array<long, N>& counts) {
    long total = 0;
    for (long c : counts) total += c;
    const double expected = static_cast<double>(total) / static_cast<double>(N);
    double sum = 0;
    for (long c : counts) sum += (static_cast<double>(c) - expected) * (static_cast<double>(c) - expected) / expected;
    return sum;
}

// Four computer players' games on the host as quadrino-host builds it without --seed; every
// pair of dice the host announces is counted.
struct Tally {
    std::array<long, 6> faces{};
    std::array<long, 36> pairs{};
    long rolls = 0;
};

void playUnseeded(int games, Tally& t) {
    for (int g = 0; g < games; ++g) {
        VirtualPort port;
        Host host(port, makeDice(std::nullopt));
        port.attach(host);
        bool won = false;
        port.setSink([&](int c, std::string_view m) {
            if (c != 1) return;
            auto [word, body] = splitCommand(m.substr(0, m.size() - 1));
            int d1 = 0, d2 = 0;
            if (word == "CMD_hisdice") {
                auto h = decode<HisDice>(body);
                if (h) d1 = h->die1, d2 = h->die2;
            } else if (word == "CMD_gotpenalty") {
                auto p = decode<GotPenalty>(body);
                if (p) d1 = p->die1, d2 = p->die2;
            } else if (word == "CMD_winner") {
                won = true;
            }
            if (d1 < 1 || d1 > 6 || d2 < 1 || d2 > 6) return;
            ++t.faces[static_cast<std::size_t>(d1 - 1)];
            ++t.faces[static_cast<std::size_t>(d2 - 1)];
            ++t.pairs[static_cast<std::size_t>((d1 - 1) * 6 + (d2 - 1))];
            ++t.rolls;
        });
        const int me = port.connect();
        port.deliver(me, "CMD_logininfo+1+1.0.15+Watcher\xFF\xFF");
        port.deliver(me, "CMD_startgame+Watcher+1+0+1+1+0+0+1+\xFF");
        port.runFor(50);
        port.deliver(me, "CMD_justwatch+1+1\xFF");
        port.runUntil([&] { return won; }, 48LL * 3600 * 1000);
        QVERIFY(won);
    }
}

} // namespace

class TestDice : public QObject {
    Q_OBJECT
private slots:
    void unseededHostRollsFairDice() {
        Tally t;
        playUnseeded(120, t);
        QVERIFY(t.rolls > 15000);
        const double faces = chiSquare(t.faces);
        const double pairs = chiSquare(t.pairs);
        qInfo("%ld rolls: chi-square %.2f over faces (5 dof), %.2f over ordered pairs (35 dof)", t.rolls, faces,
              pairs);
        QVERIFY2(faces < kCritical5, qPrintable(QString::number(faces)));
        QVERIFY2(pairs < kCritical35, qPrintable(QString::number(pairs)));
    }

    void systemDiceAreUniformForAnyRange() {
        SystemDice dice;
        std::array<long, 4> seats{};
        for (int i = 0; i < 40000; ++i) ++seats[static_cast<std::size_t>(dice.below(4))];
        QVERIFY2(chiSquare(seats) < kCritical3, qPrintable(QString::number(chiSquare(seats))));
        for (int n : {1, 2, 3, 5, 6, 7, 1000}) {
            for (int i = 0; i < 200; ++i) {
                const int v = dice.below(n);
                QVERIFY(v >= 0 && v < n);
            }
        }
    }

    // Two hosts started at the same moment must not roll the same game, as two generators
    // seeded from the clock would.
    void unseededSourcesDoNotRepeatEachOther() {
        auto a = makeDice(std::nullopt);
        auto b = makeDice(std::nullopt);
        int same = 0;
        for (int i = 0; i < 64; ++i) same += a->die() == b->die();
        QVERIFY(same < 64);
    }

    void aSeedReplaysTheGamesGenerator() {
        auto seeded = makeDice(7u);
        Random lcg(7u);
        for (int i = 0; i < 100; ++i) QCOMPARE(seeded->die(), lcg.die());
    }
};

QTEST_APPLESS_MAIN(TestDice)
#include "test_dice.moc"
