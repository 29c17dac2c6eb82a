// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the lobby's core. The input is a script read byte by byte: a few
// connections open and close from a few addresses, raw bytes and well-formed but arbitrary
// lines arrive (every word, ids and tickets the lobby handed out, any field), reach checks
// come back and the virtual clock moves on. After every step the lobby must still be sound:
// every line it sends is one the grammar reads back within its length, every listing
// parses, nothing goes to a connection after its close, the counts agree.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lobby/lobby_core.h"
#include "lobby/lobby_fixture.h"
#include "fuzz_script.h"

using namespace quadrino::lobby;

namespace {

using quadrino::fuzzing::Script;

void require(bool condition, const char* what) { quadrino::fuzzing::require(condition, "lobby_fuzz", what); }

// Checks what the core sends as it goes.
struct CheckingPort : RecordingPort {
    void send(ConnectionId n, std::string_view bytes) override {
        require(!closed.contains(n), "sent after the close");
        require(!bytes.empty() && bytes.back() == '\n' && bytes.size() <= 64 * 1024, "sent a whole line");
        for (std::size_t from = 0; from < bytes.size();) {
            const std::size_t end = bytes.find('\n', from);
            const std::string_view text = bytes.substr(from, end - from);
            require(text.size() + 1 <= kMaxLineBytes, "line within its length");
            const auto line = parseLine(text);
            require(line.has_value(), "line reads back");
            if (line->word == "GAME") require(GameListing::fromLine(*line).has_value(), "listing reads back");
            if (line->word == "HOSTED") ids.push_back(line->fields.at(0));
            if (line->word == "ROUTE" && line->fields.size() == 5) tickets.push_back(line->fields[4]);
            from = end + 1;
        }
    }
    std::vector<std::string> ids, tickets;
};

constexpr std::array<const char*, 12> kWords = {"HELLO", "PING", "CHAT", "HOST", "UNHOST", "JOIN",
                                                "RELAY", "ACCEPT", "GAME", "", "HELLO\t1", "BYE"};

std::string field(Script& s, const CheckingPort& port) {
    switch (s.byte() % 7) {
    case 0: return std::to_string(s.byte());
    case 1: return port.ids.empty() ? "0" : port.ids[static_cast<std::size_t>(s.byte()) % port.ids.size()];
    case 2: return port.tickets.empty() ? "" : port.tickets[static_cast<std::size_t>(s.byte()) % port.tickets.size()];
    case 3: return "1";
    case 4: return std::string(static_cast<std::size_t>(s.byte()) * 4, 'x');
    case 5: return std::to_string(s.byte() * 257);
    default: return s.bytes(static_cast<std::size_t>(s.byte() % 12));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Script s(data, size);
    CheckingPort port;
    MemoryGameDirectory directory;
    LobbyLimits limits;
    limits.perAddress = 4;
    limits.connections = 6;
    limits.relayedGames = 2;
    auto core = std::make_unique<LobbyCore>(port, directory, limits);
    std::array<bool, 8> open{};
    ConnectionId nextId = 1;
    std::array<ConnectionId, 8> ids{};
    static constexpr std::array<const char*, 3> kAddresses = {"10.0.0.1", "10.0.0.2", "2001:db8::1"};

    while (!s.done()) {
        const int op = s.byte();
        const std::size_t slot = static_cast<std::size_t>(s.byte()) % open.size();
        const ConnectionId n = ids[slot];
        switch (op % 8) {
        case 0:
            if (!open[slot]) {
                ids[slot] = nextId++;
                open[slot] = true;
                port.closed.erase(ids[slot]);
                core->connectionOpened(ids[slot], Endpoint{kAddresses[static_cast<std::size_t>(s.byte()) % 3],
                                                           "192.0.2.7", 7773});
            }
            break;
        case 1:
            if (open[slot]) core->bytesReceived(n, s.bytes(static_cast<std::size_t>(s.byte())));
            break;
        case 2:
        case 3:
            if (open[slot]) {
                std::string line = kWords[static_cast<std::size_t>(s.byte()) % kWords.size()];
                for (int k = s.byte() % 7; k > 0; --k) line += "\t" + field(s, port);
                core->bytesReceived(n, line + (s.byte() % 8 == 0 ? "\r\n" : "\n"));
            }
            break;
        case 4:
            if (open[slot]) {
                open[slot] = false;
                core->connectionClosed(n);
            }
            break;
        case 5:
            if (!port.checks.empty()) {
                const auto& c = port.checks[static_cast<std::size_t>(s.byte()) % port.checks.size()];
                core->checkDone(c.gameId, s.byte() % 4 == 0 ? "stale" : c.nonce, s.byte() % 2 == 0, s.byte() * 100);
            }
            break;
        case 6:
            port.clock += static_cast<std::int64_t>(s.byte()) * 997;
            core->tick();
            break;
        default:
            // What the edge would do: a link the core closed is gone soon after.
            for (std::size_t k = 0; k < open.size(); ++k)
                if (open[k] && port.closed.contains(ids[k])) {
                    open[k] = false;
                    core->connectionClosed(ids[k]);
                }
            break;
        }
        std::size_t live = 0;
        for (bool o : open) live += o ? 1 : 0;
        require(core->connections() == live, "every open link counted once");
        require(core->signedIn() <= live, "no more signed in than open");
        require(core->relayedGames() <= limits.relayedGames, "relayed games within the cap");
    }
    core.reset();
    require(directory.size() == 0, "a lobby's games go with it");
    return 0;
}
