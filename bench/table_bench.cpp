// SPDX-License-Identifier: GPL-3.0-or-later
// table_bench: what the client's table model, game record included, costs per announcement.
// Plays one seeded bot game on a host on the virtual clock, then hands the announcements the
// hosting user's client received to a fresh table model many times over, as the session does
// (decoded once, then drawn), and prints the time per announcement and per game.
//   table_bench [GAMES] [SEED]    (defaults 200 and 1)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/virtual_port.h"
#include "protocol/message_queue.h"
#include "table/table_model.h"

using namespace quadrino;

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 200;
    const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
    if (games < 1) return std::fprintf(stderr, "usage: table_bench [GAMES] [SEED]\n"), 2;

    VirtualPort port;
    Host host(port, makeDice(seed));
    port.attach(host);
    std::vector<std::string> received;
    bool won = false;
    port.setSink([&](int c, std::string_view m) {
        if (c != 1) return;
        received.emplace_back(m.substr(0, m.size() - 1));
        won = won || m.starts_with("CMD_winner+");
    });
    const int me = port.connect();
    port.deliver(me, "CMD_logininfo+1+1.0.15+Ann\xFF\xFF");
    port.deliver(me, "CMD_startgame+Ann+1+0+1+1+0+0+1+\xFF");
    port.deliver(me, "CMD_justwatch+1+1\xFF");
    port.runUntil([&] { return won; }, 24LL * 3600 * 1000);

    ClientIdentity id;
    id.myseat = 1;
    id.myname = "Ann";
    id.loggedin = true;
    std::size_t lines = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
        table::TableModel model(id, 7);
        for (const std::string& message : received) {
            const CommandSplit split = splitCommand(message);
            decodeAndHandle(ClientAnnouncements{}, split.word, split.rest, [&](const auto& m) {
                if constexpr (listed<std::decay_t<decltype(m)>>(table::TableAnnouncements{})) model.handle(m);
            });
        }
        lines = model.record().lines().size();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double perMessage = seconds / double(games) / double(received.size()) * 1e6;
    std::printf("announcements per game: %zu, log lines per game: %zu\n", received.size(), lines);
    std::printf("client table per announcement: %.2f us; per whole game: %.2f ms (%d games, %.3f s)\n", perMessage,
                seconds / games * 1e3, games, seconds);
    return 0;
}
