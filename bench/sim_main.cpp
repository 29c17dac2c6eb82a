// SPDX-License-Identifier: GPL-3.0-or-later
// quadrino-sim: runs complete four-bot games through the real host on a virtual clock and
// prints how fast they run and how they went. Every announcement is built and handed to a
// watching connection, as in a real game; no sockets are involved.
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <random>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "host/virtual_port.h"
#include "package_version.h"
#include "rules/computer_player.h"
#include "rules/strong_player.h"

using namespace quadrino;

namespace {

struct Totals {
    long games = 0, stalled = 0, turns = 0, rolls = 0, captures = 0, doublesPenalties = 0, limitPenalties = 0, passes = 0;
    long messages = 0, bytes = 0;
    std::array<long, 7> wins{};
    std::array<long, 2> winsByLevel{}; // single-seat wins, by the winner's level
    std::array<long, 2> seatsByLevel{}; // seats played at each level, over all games
    std::int64_t virtualMs = 0;
    std::vector<double> strongMs;    // one entry per Strong move decision, wall clock
    std::vector<double> strongCpuMs; // the same decisions, CPU time
};

struct Config {
    long games = 2000;
    std::uint32_t seed = 1;
    int penalty = 1, passing = 0, blocking = 1, pouncing = 1, team = 0, limit = 3;
    int botDelay = 1000;
    long soak = 0; // chaotic games instead of plain bot games
    std::array<BotLevel, 4> levels{BotLevel::classic, BotLevel::classic, BotLevel::classic, BotLevel::classic};
    bool rotate = false; // play --games games for each rotation of the levels through the seats
    StrongWeights weights; // of every Strong seat
};

// For a literal prefix: its length known where it is used, the comparison is a load or two.
template <std::size_t N>
bool startsWith(std::string_view s, const char (&prefix)[N]) {
    return s.size() >= N - 1 && std::memcmp(s.data(), prefix, N - 1) == 0;
}

void usage() {
    std::puts("usage: quadrino-sim [--games N] [--seed N] [--penalty 0|1] [--passing 0|1] [--blocking 0|1]\n"
              "                    [--pouncing 0|1] [--team 0|1] [--limit 0..10] [--bot-delay MS]\n"
              "                    [--levels L1,L2,L3,L4] [--rotate 0|1] [--tune NAME=V,...]\n"
              "       quadrino-sim --soak N [--seed N]\n"
              "       quadrino-sim --help | --version\n"
              "Runs N complete games with computer players in all four seats on a virtual clock.\n"
              "--levels sets each seat's computer player (classic or strong); --rotate 1 plays N games\n"
              "for each of the four rotations of those levels through the seats. --tune sets weights of\n"
              "the Strong evaluation (onBoard, homeColumn, home, captureCost, blockBehind, blockAging,\n"
              "opponents, leader, nodes).\n"
              "With --soak, N games with people and spectators coming and going, leaving mid-turn,\n"
              "watching, refused computer players, passes and spoofed requests; every game must\n"
              "reach its winner.");
}

bool parseLevels(std::string_view text, Config& c) {
    for (std::size_t seat = 0; seat < 4; ++seat) {
        const std::size_t comma = text.find(',');
        const auto level = botLevelFromName(text.substr(0, comma));
        if (!level || (seat < 3) == (comma == std::string_view::npos)) return false;
        c.levels[seat] = *level;
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return true;
}

bool parseTune(std::string_view text, Config& c) {
    StrongWeights& w = c.weights;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string item(text.substr(0, comma));
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos) return false;
        const std::string name = item.substr(0, eq);
        char* end = nullptr;
        const double v = std::strtod(item.c_str() + eq + 1, &end);
        if (*end != '\0') return false;
        if (name == "onBoard") w.onBoard = v;
        else if (name == "homeColumn") w.homeColumn = v;
        else if (name == "home") w.home = v;
        else if (name == "captureCost") w.captureCost = v;
        else if (name == "blockBehind") w.blockBehind = v;
        else if (name == "blockAging") w.blockAging = v;
        else if (name == "opponents") w.opponents = v;
        else if (name == "leader") w.leader = v;
        else if (name == "nodes") w.fullSearchNodes = static_cast<long>(v);
        else return false;
    }
    return true;
}

bool parse(int argc, char** argv, Config& c) {
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a == "--help" || a == "-h") { usage(); std::exit(0); }
        if (a == "--version" || a == "-v") {
            std::printf("quadrino-sim %.*s\n", static_cast<int>(kPackageVersion.size()),
                        kPackageVersion.data());
            std::exit(0);
        }
        if (i + 1 >= argc) return false;
        if (a == "--levels") {
            if (!parseLevels(argv[++i], c)) return false;
            continue;
        }
        if (a == "--tune") {
            if (!parseTune(argv[++i], c)) return false;
            continue;
        }
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
        else if (a == "--soak") c.soak = v;
        else if (a == "--rotate") c.rotate = v != 0;
        else return false;
    }
    return true;
}

// CPU time of this thread: on a shared machine the wall clock also counts other programs.
double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

std::size_t levelIndex(BotLevel l) { return l == BotLevel::strong ? 1 : 0; }

// Runs the game on, timing each Strong move decision: the computer timer's tick for a Strong
// seat that has rolled (the tick also applies the move and builds its announcements).
template <typename Until>
void runTimed(VirtualPort& port, Host& host, bool anyStrong, const Until& until, Totals& t) {
    const std::int64_t limit = port.now() + 48LL * 3600 * 1000;
    if (!anyStrong) {
        // Nothing to time: the harness keeps out of the way of the game it measures.
        while (!until() && port.now() <= limit && port.step()) {
        }
        return;
    }
    while (!until() && port.now() <= limit) {
        const TurnEngine& e = host.engine();
        bool timed = false;
        if (port.timerActive(HostTimer::Computer) && e.turn().turnphase == 2 &&
            host.botLevel(e.turn().whoseturn) == BotLevel::strong && !port.closesPending()) {
            const std::int64_t due = port.timerDue(HostTimer::Computer);
            timed = true;
            for (HostTimer other : {HostTimer::Dispatch, HostTimer::Next})
                if (port.timerActive(other) && port.timerDue(other) <= due) timed = false;
        }
        if (!timed) {
            if (!port.step()) break;
            continue;
        }
        const auto begin = std::chrono::steady_clock::now();
        const double cpuBegin = threadCpuMs();
        if (!port.step()) break;
        {
            t.strongMs.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
            t.strongCpuMs.push_back(threadCpuMs() - cpuBegin);
        }
    }
}

void playOne(const Config& c, std::uint32_t seed, Totals& t) {
    VirtualPort port;
    Host host(port, seed);
    port.attach(host);
    port.setBotDelay(c.botDelay);
    for (int seat = 1; seat <= 4; ++seat) {
        host.setBotLevel(seat, c.levels[static_cast<std::size_t>(seat - 1)], c.weights);
        ++t.seatsByLevel[levelIndex(c.levels[static_cast<std::size_t>(seat - 1)])];
    }
    int winner = 0;
    bool afterRollAgain = false;
    port.setSink([&](int, std::string_view m) {
        ++t.messages;
        t.bytes += static_cast<long>(m.size());
        // Sorted by the first letter of the command word first: the count must not cost more
        // than the game it counts.
        switch (m.size() > 4 ? m[4] : '\0') {
        case 'n':
            if (startsWith(m, "CMD_nextplayer+")) {
                if (!afterRollAgain) ++t.turns;
                afterRollAgain = false;
            }
            break;
        case 'r':
            if (startsWith(m, "CMD_rollagain+")) afterRollAgain = true;
            break;
        case 'h':
            if (startsWith(m, "CMD_hisdice+")) ++t.rolls;
            break;
        case 'g':
            if (startsWith(m, "CMD_gotpenalty+")) {
                ++t.rolls;
                ++t.doublesPenalties;
            } else if (startsWith(m, "CMD_gotpenalty1+")) {
                ++t.limitPenalties;
            }
            break;
        case 's':
            if (startsWith(m, "CMD_sendback+")) ++t.captures;
            break;
        case 'p':
            if (startsWith(m, "CMD_passing+")) ++t.passes;
            break;
        case 'w':
            if (startsWith(m, "CMD_winner+")) winner = m[11] - '0';
            break;
        default:
            break;
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
    const bool anyStrong = std::find(c.levels.begin(), c.levels.end(), BotLevel::strong) != c.levels.end();
    runTimed(port, host, anyStrong, [&] { return winner != 0; }, t);
    ++t.games;
    t.virtualMs += port.now() - t0;
    if (winner >= 1 && winner <= 6) ++t.wins[static_cast<std::size_t>(winner)];
    else ++t.stalled;
    if (winner >= 1 && winner <= 4) ++t.winsByLevel[levelIndex(c.levels[static_cast<std::size_t>(winner - 1)])];
}

void printLevels(const Config& c, const Totals& t) {
    std::printf("levels:");
    for (BotLevel l : c.levels) std::printf(" %s", botLevelName(l).data());
    std::printf("\n");
    if (!c.team) {
        for (std::size_t i = 0; i < 2; ++i) {
            if (t.seatsByLevel[i] == 0) continue;
            // The share of the seat-games of this level that won; 25% is an even game.
            std::printf("wins by level %s: %ld of %ld games (%.1f%% per seat at this level)\n",
                        i == 1 ? "strong" : "classic", t.winsByLevel[i], t.games,
                        100.0 * static_cast<double>(t.winsByLevel[i]) / static_cast<double>(t.seatsByLevel[i]));
        }
    }
    const auto summary = [](const char* what, std::vector<double> ms) {
        if (ms.empty()) return;
        std::sort(ms.begin(), ms.end());
        double sum = 0;
        for (double v : ms) sum += v;
        const auto at = [&](double q) {
            return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
        };
        std::printf("strong decisions (%s): %zu  mean %.3f ms  median %.3f ms  p99 %.3f ms  p99.9 %.3f ms  max %.3f ms\n",
                    what, ms.size(), sum / static_cast<double>(ms.size()), at(0.5), at(0.99), at(0.999), ms.back());
    };
    summary("CPU time", t.strongCpuMs);
    summary("wall clock", t.strongMs);
}

// ---- soak ---------------------------------------------------------------------------------

struct SoakTotals {
    long games = 0, stalled = 0, joins = 0, silentJoins = 0, departures = 0, watchToggles = 0, refusals = 0,
         spoofs = 0, passes = 0, wrongMoves = 0, kicks = 0, newGames = 0;
};

std::string wireText(const std::string& text) {
    std::string m = text;
    m += '\xFF';
    return m;
}

// One game through the real host with people who play their turns (now and then badly),
// spectators, departures in the middle of turns and the hosting user's menu at work.
bool soakGame(std::uint32_t seed, std::mt19937& rng, SoakTotals& t) {
    VirtualPort port;
    Host host(port, seed);
    port.attach(host);
    port.setBotDelay(std::uniform_int_distribution<int>(100, 1500)(rng));
    int winner = 0;
    port.setSink([&](int, std::string_view m) {
        if (m.substr(0, 11) == "CMD_winner+") winner = m[11] - '0';
    });
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto say = [&](int c, const std::string& text) { port.deliver(c, wireText(text)); };
    auto login = [&](int c) { port.deliver(c, "CMD_logininfo+" + std::to_string(c) + "+1.0.15+P" + std::to_string(c) + "\xFF\xFF"); };

    for (int i = 0, n = pick(1, 5); i < n; ++i) login(port.connect());
    say(1, "CMD_startgame+P1+" + std::to_string(pick(0, 1)) + "+" + std::to_string(pick(0, 1)) + "+" +
               std::to_string(pick(0, 1)) + "+" + std::to_string(pick(0, 1)) + "+" + std::to_string(pick(0, 1)) + "+" +
               std::to_string(pick(0, 10)) + "+" + std::to_string(pick(0, 1)) + "+");
    const std::int64_t limit = port.now() + 24LL * 3600 * 1000;
    while (winner == 0 && port.now() < limit) {
        port.runFor(pick(20, 2500));
        if (winner != 0) break;
        const TurnState& turn = host.engine().turn();
        const int seat = turn.whoseturn;
        // The person on turn plays: rolls, moves as the computer would, or asks for
        // something wrong, or passes.
        if (isSeat(seat) && !host.botPlays(seat) && chance(90)) {
            if (turn.turnphase == 1) {
                say(seat, "CMD_playerroll+" + std::to_string(seat) + "+");
            } else if (turn.turnphase == 2) {
                if (chance(5)) {
                    ++t.passes;
                    say(seat, "CMD_playerpass+" + std::to_string(seat) + "+");
                } else if (chance(8)) {
                    ++t.wrongMoves;
                    say(seat, "CMD_moveit+" + std::to_string(seat) + "+" + std::to_string(pick(-1, 14)) + "+" +
                                  std::to_string(pick(0, 5)) + "+");
                } else if (auto move = computermove(host.engine().board(), host.engine().squareCounts(), seat)) {
                    say(seat, "CMD_moveit+" + std::to_string(seat) + "+" + std::to_string(move->code) + "+" +
                                  std::to_string(move->pawn) + "+");
                }
            }
        }
        const int c = pick(1, 9);
        switch (pick(0, 19)) {
        case 0:
        case 1: {
            const int n = port.connect();
            if (n == kRefusedSlot) break;
            if (chance(80)) {
                ++t.joins;
                login(n);
            } else {
                ++t.silentJoins; // accepted and never heard of again
            }
            break;
        }
        case 2:
            if (host.player(c).connected) {
                ++t.departures;
                port.peerCloses(c);
            }
            break;
        case 3:
            if (isSeat(c) && host.player(c).connected) {
                ++t.watchToggles;
                say(c, "CMD_justwatch+" + std::to_string(c) + "+" + (chance(50) ? "1" : "2"));
            }
            break;
        case 4:
            ++t.refusals;
            say(1, "CMD_bottakeover+1+" + std::to_string(pick(2, 4)) + "+");
            break;
        case 5:
            ++t.spoofs;
            if (isSeat(seat) && c != seat) say(c, "CMD_moveit+" + std::to_string(seat) + "+1+1+");
            else say(c, "CMD_kickhim+1+" + std::to_string(pick(1, 9)) + "+");
            break;
        case 6: say(c, "CMD_chat+" + std::to_string(c) + "+hello|clRed"); break;
        case 7:
            if (chance(10)) {
                ++t.kicks;
                say(1, "CMD_kickhim+1+" + std::to_string(pick(2, 9)) + "+");
            }
            break;
        default: break;
        }
    }
    ++t.games;
    if (winner == 0) ++t.stalled;
    return winner != 0;
}

int soak(const Config& c) {
    SoakTotals t;
    std::mt19937 rng(c.seed);
    std::uint32_t s = c.seed;
    const auto begin = std::chrono::steady_clock::now();
    for (long g = 0; g < c.soak; ++g) {
        if (!soakGame(s, rng, t)) std::printf("game %ld (seed %u) did not reach its winner\n", g, s);
        s = s * 1664525u + 1013904223u;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("soak games: %ld  stalls: %ld  seed: %u  (%.1f s)\n", t.games, t.stalled, c.seed, secs);
    std::printf("joins %ld, silent joins %ld, departures %ld, watch toggles %ld, refused computers %ld,\n"
                "spoofs %ld, passes %ld, wrong moves %ld, kicks %ld\n",
                t.joins, t.silentJoins, t.departures, t.watchToggles, t.refusals, t.spoofs, t.passes, t.wrongMoves,
                t.kicks);
    std::printf("peak memory: %ld KiB\n", usage.ru_maxrss);
    return t.stalled == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Config c;
    if (!parse(argc, argv, c)) {
        usage();
        return 2;
    }
    if (c.soak > 0) return soak(c);
    Totals t;
    auto begin = std::chrono::steady_clock::now();
    const std::clock_t cpuBegin = std::clock();
    const Config asGiven = c;
    for (int r = 0; r < (c.rotate ? 4 : 1); ++r) {
        // Rotation r moves every level r seats on, so each seat position gets each level.
        for (std::size_t seat = 0; seat < 4; ++seat)
            c.levels[(seat + static_cast<std::size_t>(r)) % 4] = asGiven.levels[seat];
        Totals rt;
        std::uint32_t s = c.seed;
        for (long g = 0; g < c.games; ++g) {
            playOne(c, s, rt);
            s = s * 1664525u + 1013904223u; // a different, reproducible seed per game
        }
        if (c.rotate) {
            std::printf("rotation %d: ", r + 1);
            printLevels(c, rt);
        }
        t.games += rt.games;
        t.stalled += rt.stalled;
        t.turns += rt.turns;
        t.rolls += rt.rolls;
        t.captures += rt.captures;
        t.doublesPenalties += rt.doublesPenalties;
        t.limitPenalties += rt.limitPenalties;
        t.passes += rt.passes;
        t.messages += rt.messages;
        t.bytes += rt.bytes;
        t.virtualMs += rt.virtualMs;
        for (std::size_t i = 0; i < t.wins.size(); ++i) t.wins[i] += rt.wins[i];
        for (std::size_t i = 0; i < 2; ++i) {
            t.winsByLevel[i] += rt.winsByLevel[i];
            t.seatsByLevel[i] += rt.seatsByLevel[i];
        }
        t.strongMs.insert(t.strongMs.end(), rt.strongMs.begin(), rt.strongMs.end());
        t.strongCpuMs.insert(t.strongCpuMs.end(), rt.strongCpuMs.begin(), rt.strongCpuMs.end());
    }
    c = asGiven;
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
    std::printf("\ncaptures per game: %.2f  doubles penalties per game: %.2f  block-limit penalties per game: %.2f"
                "  passes per game: %.2f\n",
                static_cast<double>(t.captures) / n, static_cast<double>(t.doublesPenalties) / n,
                static_cast<double>(t.limitPenalties) / n, static_cast<double>(t.passes) / n);
    std::printf("mean game length at this bot delay: %.1f minutes  unfinished games: %ld\n",
                static_cast<double>(t.virtualMs) / n / 60000.0, t.stalled);
    if (c.rotate) std::printf("all rotations: ");
    printLevels(c, t);
    return t.stalled == 0 ? 0 : 1;
}
