// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game host: connections and their messages, the seat table and the turn engine. It
// reaches the world only through HostPort, so the same object runs inside the hosting GUI,
// in quadrino-host and in tests.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "rules/dice.h"
#include "host/host_log.h"
#include "host/host_port.h"
#include "host/seat_table.h"
#include "host/turn_engine.h"
#include "protocol/catalogue.h"
#include "protocol/framer.h"
#include "protocol/message_queue.h"

namespace quadrino {

// What one connection may have waiting for dispatch; past it its requests are dropped.
inline constexpr std::size_t kMaxQueuedEntries = 128;
inline constexpr std::size_t kMaxQueuedBytes = 64 * 1024;
// Its game requests (roll, move, pass, just watch, start, removal, refused computer, login)
// wait in a small lane of their own, which its chat cannot fill. A client sends them one
// at a time, at the pace of the game.
inline constexpr std::size_t kMaxQueuedGameEntries = 16;
inline constexpr std::size_t kMaxQueuedGameBytes = 8 * 1024;

struct HostOptions {
    // Fair: every connection's requests wait in a lane of their own and the lanes take turns,
    // a request after a quiet spell is served at once, and bare terminators are dropped as
    // they arrive. Arrival keeps the original pacing tick for tick (one line for everybody,
    // each entry a 10 ms tick of its own, empty ones included), so that recorded and seeded
    // games replay exactly; the servers on real sockets use Fair.
    QueueOrder pacing = QueueOrder::Arrival;
    QueueLimits queueLimits{kMaxQueuedEntries, kMaxQueuedBytes};
    QueueLimits gameQueueLimits{kMaxQueuedGameEntries, kMaxQueuedGameBytes};
    // A connection that has not logged in by then is closed, so idle sockets cannot hold
    // every number. 0 = never.
    std::int64_t loginTimeoutMs = 30000;
    // A person's seat that does nothing on its turn for this long is set to just watch, as
    // the hosting user's player menu would do, so the computer plays on. 0 = never: where a
    // hosting user sits at the table, that is their call.
    std::int64_t turnTimeoutMs = 0;
    // A person's seat whose connection has sent nothing at all for this long since its turn
    // began (or since its last byte on turn) is closed, so that a peer gone without a close
    // (its machine off, its network gone) frees its number and seat, and the computer plays
    // on as for any departure. Any byte counts, so a live client only needs to be used:
    // nothing new is asked of it. Connections from this machine cannot vanish that way and
    // are spared. 0 = never.
    std::int64_t silentSeatMs = 0;
    // A seat whose player asked for a seat key and then dropped (neither removed nor gone on
    // purpose) is kept this long for that player to come back with the key; the computer
    // plays it meanwhile and no newcomer gets its number.
    std::int64_t keptSeatMs = 60 * 1000;
};

class Host {
public:
    // The dice come from the source given, or from the game's generator with this seed.
    Host(HostPort& port, std::unique_ptr<DiceSource> dice, HostOptions options = {});
    Host(HostPort& port, std::uint32_t seed, HostOptions options = {});

    // A connection arrives: the lowest free number 1..9, or 10 when nine are live (the port
    // binds its socket to that number, then calls connectionOpened). Number 1 carries the
    // hosting user's rights; a port that knows the owner's address passes mayBeOne = false
    // for everybody else, who then get 2..9.
    int allocateConnection(bool mayBeOne = true) { return seats_.allocate(mayBeOne); }
    // onThisMachine: the peer is on this machine (loopback), so its going is always heard.
    void connectionOpened(int connection, bool onThisMachine = false);
    void dataReceived(int connection, std::string_view bytes);
    // The connection has closed, whoever closed it ("Socket Closed"). Repeats are harmless.
    void connectionClosed(int connection);
    void timerFired(HostTimer timer);
    // The host is going away for good: every client holding a seat key is told there will be
    // nothing to come back to (an empty key), so none of them keeps trying.
    void goingAway();
    // A line from the port about a connection (or about a refused one, kRefusedSlot), within
    // that connection's log budget.
    void logAbout(int connection, const std::string& line);

    const PlayerRecord& player(int connection) const { return seats_.player(connection); }
    int highestconnection() const { return seats_.highestconnection(); }
    bool botPlays(int seat) const { return seats_.botPlays(seat); }
    // Whether a dropped player's seat waits for them to come back.
    bool seatKept(int seat) const { return isSeat(seat) && kept_[seat].has_value(); }
    std::size_t queuedMessages() const { return queue_.size(); }
    // The level of the computer player for one seat, or for all four: the hosting user's
    // choice, applied from the seat's next decision on. Strong plays with the given weights.
    void setBotLevel(int seat, BotLevel level, const StrongWeights& weights = {}) {
        engine_.setBotLevel(seat, level, weights);
    }
    void setBotLevels(BotLevel level) {
        for (int seat = 1; seat <= kSeatCount; ++seat) engine_.setBotLevel(seat, level);
    }
    BotLevel botLevel(int seat) const { return engine_.botLevel(seat); }
    std::size_t queuedMessages(int connection) const { return queue_.size(connection); }
    std::size_t queuedBytes(int connection) const { return queue_.bytes(connection); }
    const HostOptions& options() const { return options_; }
    const TurnEngine& engine() const { return engine_; }
    // Requests straight to the game, as a seat's player or the computer would make them.
    TurnEngine& engine() { return engine_; }

private:
    // Per connection: its framer and what the host knows of its socket.
    struct Link {
        Framer framer;
        std::int64_t since = 0;   // when it was accepted
        bool closing = false;     // the host has asked the port to close it
        std::array<bool, 2> overflowing{}; // by QueueLane: dropping its requests until it drains
        bool onThisMachine = false;
        // Since when it has held the seat on turn as a person without a byte from it.
        std::optional<std::int64_t> silentSince;
        // The seat key handed to it; empty when it asked for none or may not come back.
        std::string key;
        // A lobby checking that the game can be reached: answered, closed and never
        // announced.
        bool check = false;
    };
    // A dropped player's seat, waiting for the key until `until`.
    struct KeptSeat {
        std::string key, name;
        std::int64_t until = 0;
        bool watching = false; // the player had handed the seat to the computer
    };

    void dispatch(const QueuedMessage& message);
    void drop(int connection, std::string_view why);
    // A log line about a connection, within that connection's budget.
    void note(int connection, const std::string& line);
    // Unless `keepSeat`, a seat key it holds is void: a peer closed for misbehaving does
    // not come back to its seat.
    void closeConnection(int connection, std::string_view why, bool keepSeat = false);
    void setJustWatching(int seat);
    void watchTick();
    // After every event: notes whether the game moved on and arms the watch for the next
    // deadline, or stops it when there is none.
    void afterEvent();
    std::optional<std::int64_t> turnDeadline() const;
    void receivedlogininfo(int connection, const LoginRequest& info);
    // What a player sitting down is told: everybody hears of them, they hear of everybody
    // else, of a version that differs from the host's (when the login gave one) and, during
    // a game, get the board.
    void welcome(int connection, const std::string* version);
    // A lobby's reach check, from a connection that has not logged in: echoed to it alone,
    // then it is closed.
    void lobbycheck(int connection, const LobbyCheck& request);
    void canrejoin(int connection, const CanRejoinRequest& request);
    void rejoin(int connection, const RejoinRequest& request);
    void releaseKeptSeat(int seat, std::string_view why);
    void kickhim(int connection, const KickRequest& request);
    // A chat line, an action or a sound, passed on to everyone in the sender's name.
    void relay(int connection, const NumberText& sender, std::string announcement);
    void justwatch(int connection, const JustWatchRequest& request);
    void bottakeover(int connection, const BotTakeoverRequest& request);

    HostPort& port_;
    HostOptions options_;
    std::unique_ptr<DiceSource> dice_;
    SeatTable seats_;
    TurnEngine engine_;
    PerConnection<Link> links_{};
    PerSeat<std::optional<KeptSeat>> kept_{};
    MessageQueue queue_;
    LogLimiter limiter_;
    bool dispatching_ = false; // the dispatch timer is running
    bool dispatchAtOnce_ = false; // armed at 0 ms after a quiet spell
    std::optional<std::int64_t> watchDue_;
    // The game as the watch last saw it, and when it last changed.
    TurnState watchedTurn_;
    BoardState watchedBoard_;
    bool watchedPerson_ = false;
    std::int64_t lastChange_ = 0;
};

} // namespace quadrino
