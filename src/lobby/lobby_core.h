// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lobby without sockets: sign-ins, chat, the hosts' games in a directory, the reach
// checks' outcome, relay tickets and pairs. The edge hands it connections, bytes and a tick;
// it answers through LobbyPort. Every limit of the protocol is kept here, so the fuzzer and
// the tests reach all of them.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lobby/game_directory.h"
#include "lobby/lobby_port.h"
#include "lobby/lobby_protocol.h"

namespace quadrino::lobby {

struct LobbyLimits {
    std::int64_t helloDeadlineMs = 10'000;
    std::int64_t idleMs = 300'000;
    std::size_t perAddress = 16;
    std::size_t connections = 20'000;
    // Chat: a bucket of `chatBurst` lines refilled by one every chatRefillMs (5 per 10 s).
    int chatBurst = 3;
    std::int64_t chatRefillMs = 2'000;
    int chatDroppedClose = 20;
    std::size_t relayedGames = 200;
    std::int64_t relayBytesPerSecond = 64 * 1024;
    // What a relay link sends before its pair is joined, and what may wait unsent for a peer.
    std::size_t unsentBytes = 1024 * 1024;
    std::int64_t ticketMs = 15'000;
};

// Where a connection came from and which of the lobby's addresses it reached.
struct Endpoint {
    std::string peerAddress;
    std::string localAddress;
    int localPort = 0;
};

class LobbyCore {
public:
    // `publicAddress`, when set, is where joiners are sent for a relay instead of the
    // address the host reached this process on.
    LobbyCore(LobbyPort& port, GameDirectory& directory, LobbyLimits limits = {}, std::string publicAddress = {},
              int publicPort = 0);
    ~LobbyCore();
    LobbyCore(const LobbyCore&) = delete;
    LobbyCore& operator=(const LobbyCore&) = delete;

    void connectionOpened(ConnectionId n, const Endpoint& from);
    void bytesReceived(ConnectionId n, std::string_view bytes);
    void lineReceived(ConnectionId n, std::string_view line);
    void connectionClosed(ConnectionId n);
    void checkDone(const std::string& gameId, const std::string& nonce, bool reached, int roundTripMs);
    void tick();

    const std::string& processId() const { return processId_; }
    std::size_t connections() const { return links_.size(); }
    std::size_t signedIn() const { return signedIn_; }
    // Games with a relay pair or an unused ticket.
    std::size_t relayedGames() const;
    const LobbyLimits& limits() const { return limits_; }

private:
    enum class Kind { New, Client, RelayWaiting, Relay, Closing };
    struct Link {
        Endpoint from;
        Kind kind = Kind::New;
        LineFramer framer;
        std::int64_t opened = 0;
        std::int64_t lastLine = 0;
        std::string name;
        std::string gameId;     // hosted by this client
        std::string gameNonce;  // the reach check under way
        double chatTokens = 0;
        std::int64_t chatRefilled = 0;
        int chatDropped = 0;
        std::string ticket;     // a relay link waiting for its host
        std::string relayGame;  // a joined relay link's game
        std::string buffered;   // a waiting joiner's bytes for the host
        ConnectionId partner = 0;
        bool joinPending = false; // an accepted host link whose pair the edge has not had yet
    };
    struct Ticket {
        std::string gameId;
        std::int64_t expires = 0;
        ConnectionId joiner = 0; // set once the joiner has come with it
    };

    void handleLine(ConnectionId n, std::string_view text);
    // Hands the edge a pair made by the line just handled, with `rest` of the host's bytes.
    void finishJoin(ConnectionId n, std::string_view rest);
    void handle(ConnectionId n, Link& link, const Line& line);
    void hello(ConnectionId n, Link& link, const Line& line);
    void chat(ConnectionId n, Link& link, const Line& line);
    void host(ConnectionId n, Link& link, const Line& line);
    void unhost(Link& link);
    void join(ConnectionId n, Link& link, const Line& line);
    void relay(ConnectionId n, Link& link, const Line& line);
    void accept(ConnectionId n, Link& link, const Line& line);
    void bye(ConnectionId n, std::string_view reason, std::initializer_list<std::string_view> more = {});
    void broadcast(const std::string& line);
    void onDirectoryChange(const std::string& id, const GameEntry* entry);
    std::string uniqueName(const std::string& wanted) const;
    std::string hex(std::size_t chars);
    std::size_t countFrom(const std::string& address) const;

    LobbyPort& port_;
    GameDirectory& directory_;
    LobbyLimits limits_;
    std::string publicAddress_;
    int publicPort_ = 0;
    std::string processId_;
    std::unordered_map<ConnectionId, Link> links_;
    std::map<std::string, std::size_t> perAddress_;
    std::set<std::string> names_;
    std::map<std::string, Ticket> tickets_;
    // This process's games and their hosts' signed-in links.
    std::map<std::string, ConnectionId> hosts_;
    // Joined pairs per game, for the cap on relayed games.
    std::map<std::string, std::size_t> pairs_;
    std::size_t signedIn_ = 0;
    std::size_t presentSent_ = 0;
};

} // namespace quadrino::lobby
