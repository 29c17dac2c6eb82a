// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lobby's core on a virtual clock with a port that records what it is asked to do.
// Shared by the tests and the fuzzer.
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "lobby/lobby_core.h"

namespace quadrino::lobby {

struct RecordingPort : LobbyPort {
    struct Check {
        std::string gameId, address, nonce;
        int port = 0;
    };
    std::map<ConnectionId, std::string> sent;
    std::set<ConnectionId> closed;
    std::vector<Check> checks;
    std::vector<RelayJoin> joins;
    std::int64_t clock = 1'000'000;
    std::mt19937_64 random{7};

    void send(ConnectionId n, std::string_view bytes) override { sent[n].append(bytes); }
    void close(ConnectionId n) override { closed.insert(n); }
    void startCheck(const std::string& gameId, const std::string& address, int port, const std::string& nonce) override {
        checks.push_back({gameId, address, nonce, port});
    }
    void joinRelay(const RelayJoin& join) override { joins.push_back(join); }
    std::int64_t now() const override { return clock; }
    std::uint64_t randomBits() override { return random(); }

    // What n was sent since the last call, as lines without terminators.
    std::vector<std::string> take(ConnectionId n) {
        std::vector<std::string> lines;
        std::string& s = sent[n];
        for (std::size_t from = 0; from < s.size();) {
            const std::size_t end = s.find('\n', from);
            lines.push_back(s.substr(from, end - from));
            from = end == std::string::npos ? s.size() : end + 1;
        }
        s.clear();
        return lines;
    }
};

} // namespace quadrino::lobby
