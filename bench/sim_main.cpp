// quadrino-sim: runs complete four-bot games through the real host on a virtual clock and
// prints how fast they run and how they went. Every announcement is built and handed to a
// watching connection, as in a real game; no sockets are involved.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

#include "host/host.h"
#include "host/virtual_port.h"

using namespace quadrino;

namespace {

struct Totals {
    long games = 0, stalled = 0, turns = 0, rolls = 0, captures = 0, doublesPenalties = 0, limitPenalties = 0;
    long messages = 0, bytes = 0;
    std::array<long, 7> wins{};
    std::int64_t virtualMs = 0;
};

struct Config {
    long games = 2000;
    std::uint32_t seed = 1;
    int penalty = 1, passing = 0, blocking = 1, pouncing = 1, team = 0, limit = 3;
    int botDelay = 1000;
};

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

void usage() {
    std::puts("usage: quadrino-sim [--games N] [--seed N] [--penalty 0|1] [--passing 0|1] [--blocking 0|1]\n"
              "                    [--pouncing 0|1] [--team 0|1] [--limit 0..10] [--bot-delay MS]\n"
              "Runs N complete games with computer players in all four seats on a virtual clock.");
}

bool parse(int argc, char** argv, Config& c) {
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a == "--help" || a == "-h") { usage(); std::exit(0); }
        if (i + 1 >= argc) return false;
        char* end = nullptr;
        long v = std::strtol(argv[++i], &end, 10);
        if (*end != '\0' || v < 0) return false;
        if (a == "--games") c.games = v;
        else if (a == "--seed") c.seed = static_cast<std::uint32_t>(v);
        else if (a == "--penalty") c.penalty = v != 0;
        else if (a == "--passing") c.passing = v != 0;
        else if (a == "--blocking") c.blocking = v != 0;
        else if (a == "--pouncing") c.pouncing = v != 0;
        else if (a == "--team") c.team = v != 0;
        else if (a == "--limit" && v <= 10) c.limit = static_cast<int>(v);
        else if (a == "--bot-delay") c.botDelay = static_cast<int>(v);
        else return false;
    }
    return true;
}

void playOne(const Config& c, std::uint32_t seed, Totals& t) {
    VirtualPort port;
    Host host(port, seed);
    port.attach(host);
    port.setBotDelay(c.botDelay);
    int winner = 0;
    bool afterRollAgain = false;
    port.setSink([&](int, std::string_view m) {
        ++t.messages;
        t.bytes += static_cast<long>(m.size());
        if (startsWith(m, "CMD_nextplayer+")) {
            if (!afterRollAgain) ++t.turns;
            afterRollAgain = false;
        } else if (startsWith(m, "CMD_rollagain+")) {
            afterRollAgain = true;
        } else if (startsWith(m, "CMD_hisdice+")) {
            ++t.rolls;
        } else if (startsWith(m, "CMD_gotpenalty+")) {
            ++t.rolls;
            ++t.doublesPenalties;
        } else if (startsWith(m, "CMD_gotpenalty1+")) {
            ++t.limitPenalties;
        } else if (startsWith(m, "CMD_sendback+")) {
            ++t.captures;
        } else if (startsWith(m, "CMD_winner+")) {
            winner = m[11] - '0';
        }
    });
    // The watcher takes seat 1, starts a full game and hands its seat to the computer.
    const int me = port.connect();
    std::string login = "CMD_logininfo+1+1.0.15+Sim\xFF\xFF";
    port.deliver(me, login);
    char start[96];
    std::snprintf(start, sizeof start, "CMD_startgame+Sim+%d+%d+%d+%d+%d+%d+1+\xFF", c.penalty, c.passing,
                  c.blocking, c.pouncing, c.team, c.limit);
    port.deliver(me, start);
    port.runUntil([&] { return host.engine().gamestarted(); }, 1000);
    port.deliver(me, "CMD_justwatch+1+1\xFF");
    const std::int64_t t0 = port.now();
    port.runUntil([&] { return winner != 0; }, 48LL * 3600 * 1000);
    ++t.games;
    t.virtualMs += port.now() - t0;
    if (winner >= 1 && winner <= 6) ++t.wins[static_cast<std::size_t>(winner)];
    else ++t.stalled;
}

} // namespace

int main(int argc, char** argv) {
    Config c;
    if (!parse(argc, argv, c)) {
        usage();
        return 2;
    }
    Totals t;
    auto begin = std::chrono::steady_clock::now();
    const std::clock_t cpuBegin = std::clock();
    std::uint32_t s = c.seed;
    for (long g = 0; g < c.games; ++g) {
        playOne(c, s, t);
        s = s * 1664525u + 1013904223u; // a different, reproducible seed per game
    }
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    // CPU time is what one core spent; wall time also counts whatever else the machine ran.
    double cpu = static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC;
    const double n = static_cast<double>(t.games);
    std::printf("games: %ld  seed: %u  penalty %d passing %d blocking %d pouncing %d team %d limit %d\n", t.games,
                c.seed, c.penalty, c.passing, c.blocking, c.pouncing, c.team, c.limit);
    std::printf("games per second: %.0f on one core's CPU time (%.3f s CPU), %.0f by the wall clock (%.3f s)\n",
                n / cpu, cpu, n / secs, secs);
    std::printf("announcements per game: %.1f  (%.1f bytes)\n", static_cast<double>(t.messages) / n,
                static_cast<double>(t.bytes) / n);
    std::printf("mean turns per game: %.1f  mean rolls per game: %.1f\n", static_cast<double>(t.turns) / n,
                static_cast<double>(t.rolls) / n);
    std::printf("wins per seat:");
    for (int w = 1; w <= 4; ++w)
        std::printf("  %d: %ld (%.1f%%)", w, t.wins[static_cast<std::size_t>(w)],
                    100.0 * static_cast<double>(t.wins[static_cast<std::size_t>(w)]) / n);
    if (c.team) std::printf("  team A: %ld  team B: %ld", t.wins[5], t.wins[6]);
    std::printf("\ncaptures per game: %.2f  doubles penalties per game: %.2f  block-limit penalties per game: %.2f\n",
                static_cast<double>(t.captures) / n, static_cast<double>(t.doublesPenalties) / n,
                static_cast<double>(t.limitPenalties) / n);
    std::printf("mean game length at this bot delay: %.1f minutes  unfinished games: %ld\n",
                static_cast<double>(t.virtualMs) / n / 60000.0, t.stalled);
    return t.stalled == 0 ? 0 : 1;
}
