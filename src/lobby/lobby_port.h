// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the lobby's core asks of the world. The Qt edge answers with sockets and a
// monotonic clock; tests and the fuzzer answer with a recording fake on a virtual clock.
#include <cstdint>
#include <string>
#include <string_view>

namespace quadrino::lobby {

using ConnectionId = std::uint64_t;

// Two links joined into a relay pair: from then on the edge passes their bytes unchanged
// and the core hears of them again only when one closes.
struct RelayJoin {
    ConnectionId joiner = 0;
    ConnectionId host = 0;
    std::string gameId;         // the bandwidth is shared by every pair of one game
    std::int64_t bytesPerSecond = 0; // each way
    std::string toHost;         // what the joiner sent after its RELAY line meanwhile
    std::string toJoiner;       // what the host sent after its ACCEPT line
};

class LobbyPort {
public:
    virtual ~LobbyPort() = default;
    virtual void send(ConnectionId connection, std::string_view bytes) = 0;
    // Closes after what was sent has gone; the edge reports connectionClosed later, never
    // from inside this call.
    virtual void close(ConnectionId connection) = 0;
    // Connects to a game as a client would and answers checkDone with the same nonce.
    virtual void startCheck(const std::string& gameId, const std::string& address, int port,
                            const std::string& nonce) = 0;
    virtual void joinRelay(const RelayJoin& join) = 0;
    // Milliseconds on a monotonic clock.
    virtual std::int64_t now() const = 0;
    // Unpredictable bits for game ids, tickets and nonces.
    virtual std::uint64_t randomBits() = 0;
};

} // namespace quadrino::lobby
