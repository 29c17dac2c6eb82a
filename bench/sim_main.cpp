// quadrino-sim: runs complete four-bot games through the real host on a virtual clock and
// prints how fast they run and how they went. Every announcement is built and handed to a
// watching connection, as in a real game; no sockets are involved.
#include <sys/resource.h>

#include <array>
#include <chrono>
#include <random>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

#include "host/computer_player.h"
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
    long soak = 0; // chaotic games instead of plain bot games
};

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

void usage() {
    std::puts("usage: quadrino-sim [--games N] [--seed N] [--penalty 0|1] [--passing 0|1] [--blocking 0|1]\n"
              "                    [--pouncing 0|1] [--team 0|1] [--limit 0..10] [--bot-delay MS]\n"
              "       quadrino-sim --soak N [--seed N]\n"
              "Runs N complete games with computer players in all four seats on a virtual clock.\n"
              "With --soak, N games with people and spectators coming and going, leaving mid-turn,\n"
              "watching, refused computer players, passes and spoofed requests; every game must\n"
              "reach its winner.");
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
        else if (a == "--soak") c.soak = v;
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
                } else if (auto move = computermove(host.engine().board(), seat)) {
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
