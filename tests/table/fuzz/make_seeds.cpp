// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed inputs of client_fuzz: the golden games (the same seeds and rules as the
// host's golden-game test) as a client receives them from the real host.
//   client_fuzz_seeds tests/table/fuzz/corpus
// For each game:
//   NAME-start  the start as connection 1 receives it, the user's clicks put in after its
//               seat's turns (a message of the byte 0x01, as client_fuzz reads them);
//   NAME-end    the end as connection 2 receives it, after a login on 2 and nothing else: a
//               winner of a game this client never saw start;
//   NAME-late   a newcomer on connection 3 five minutes in: the full state, then the game;
//   NAME-spy    a spectator on connection 5 at the same time.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

#include "host/host.h"
#include "host/virtual_port.h"

using namespace quadrino;

namespace {

constexpr std::size_t kStartBytes = 5000;
constexpr std::size_t kEndBytes = 3000;
constexpr std::size_t kLateBytes = 4000;
constexpr std::int64_t kLateJoinMs = 5 * 60 * 1000;

// The user's actions, in client_fuzz's encoding: 0x01, the action, its arguments.
const std::string kRoll = std::string("\x01\x00\xFF", 3);
std::string clickPawn(int pawn) {
    return std::string("\x01\x01\x02", 3) + static_cast<char>(pawn + 1) + "\x01\xFF";
}
const std::string kNextMarker = std::string("\x01\x07\x05\xFF", 4);
const std::string kMove = std::string("\x01\x07\x07\xFF", 4);
const std::string kReadAloud = std::string("\x01\x0D\xFF", 3);

struct Streams {
    std::map<int, std::string> to; // every byte each connection received
};

Streams play(std::uint32_t seed, const std::string& options, bool late) {
    VirtualPort port;
    Host host(port, seed);
    port.attach(host);
    port.setBotDelay(1000);
    Streams s;
    bool won = false;
    port.setSink([&](int c, std::string_view m) {
        std::string& out = s.to[c];
        out += m;
        if (c == 1 && m.starts_with("CMD_nextplayer+1+")) out += kRoll;
        if (c == 1 && m.starts_with("CMD_hisdice+1+"))
            out += clickPawn(1) + clickPawn(2) + kNextMarker + kReadAloud + kMove;
        if (m.starts_with("CMD_winner+")) won = true;
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
    if (late) {
        port.runUntil([&] { return won; }, kLateJoinMs);
        for (const char* name : {"Third", "Fourth", "Spy"}) {
            const int c = port.connect();
            port.deliver(c, "CMD_logininfo+" + std::to_string(c) + "+1.0.15+" + name + "\xFF\xFF");
        }
        port.runUntil([&] { return won || s.to[3].size() > kLateBytes; }, 48LL * 3600 * 1000);
    } else {
        port.runUntil([&] { return won; }, 48LL * 3600 * 1000);
    }
    return s;
}

// The first messages of a stream up to about `bytes`, cut after a terminator.
std::string head(const std::string& s, std::size_t bytes) {
    const std::size_t end = s.find('\xFF', bytes);
    return end == std::string::npos ? s : s.substr(0, end + 1);
}

// The last messages of a stream, about `bytes`, cut after a terminator.
std::string tail(const std::string& s, std::size_t bytes) {
    if (s.size() <= bytes) return s;
    const std::size_t from = s.find('\xFF', s.size() - bytes);
    return from == std::string::npos ? s : s.substr(from + 1);
}

bool write(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: client_fuzz_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    // As in the golden-game test: seed, and penalty passing blocking pouncing team limit full.
    const std::pair<std::uint32_t, const char*> games[] = {
        {1, "1+0+1+1+0+0+1"}, {2, "1+0+1+1+0+3+1"},    {3, "1+1+1+1+0+2+1"},   {99, "1+0+1+0+0+0+1"},
        {7, "0+0+0+1+0+0+1"}, {4242, "1+0+1+1+1+4+1"}, {555, "1+0+1+1+0+0+0"}, {31337, "1+1+1+1+1+2+1"},
    };
    bool ok = true;
    for (const auto& [seed, options] : games) {
        const std::string name = "golden-" + std::to_string(seed);
        const Streams whole = play(seed, options, false);
        const Streams late = play(seed, options, true);
        ok = write(folder, name + "-start", head(whole.to.at(1), kStartBytes)) && ok;
        ok = write(folder, name + "-end", "CMD_sendlogininfo+2\xFF" + tail(whole.to.at(2), kEndBytes)) && ok;
        ok = write(folder, name + "-late", head(late.to.at(3), kLateBytes)) && ok;
        ok = write(folder, name + "-spy", head(late.to.at(5), kLateBytes)) && ok;
    }
    if (!ok) std::fprintf(stderr, "client_fuzz_seeds: cannot write into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
