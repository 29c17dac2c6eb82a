#pragma once
// The game host: connections and their messages, the seat table and the turn engine. It
// reaches the world only through HostPort, so the same object runs inside the hosting GUI,
// in quadrino-host and in tests.
#include <cstdint>
#include <memory>
#include <string_view>

#include "host/dice.h"
#include "host/host_port.h"
#include "host/seat_table.h"
#include "host/turn_engine.h"
#include "protocol/catalogue.h"
#include "protocol/framer.h"
#include "protocol/message_queue.h"

namespace quadrino {

class Host {
public:
    // The dice come from the source given, or from the game's generator with this seed.
    Host(HostPort& port, std::unique_ptr<DiceSource> dice);
    Host(HostPort& port, std::uint32_t seed);

    // A connection arrives: the lowest free number 1..9, or 10 when nine are live (the port
    // binds its socket to that number, then calls connectionOpened).
    int allocateConnection() { return seats_.allocate(); }
    void connectionOpened(int connection);
    void dataReceived(int connection, std::string_view bytes);
    // The connection has closed, whoever closed it ("Socket Closed"). Repeats are harmless.
    void connectionClosed(int connection);
    void timerFired(HostTimer timer);

    const PlayerRecord& player(int connection) const { return seats_.player(connection); }
    int highestconnection() const { return seats_.highestconnection(); }
    bool botPlays(int seat) const { return seats_.botPlays(seat); }
    std::size_t queuedMessages() const { return queue_.size(); }
    // The level of the computer player for one seat, or for all four: the hosting user's
    // choice, applied from the seat's next decision on.
    void setBotLevel(int seat, BotLevel level) { engine_.setBotLevel(seat, level); }
    void setBotLevels(BotLevel level) {
        for (int seat = 1; seat <= kSeatCount; ++seat) engine_.setBotLevel(seat, level);
    }
    BotLevel botLevel(int seat) const { return engine_.botLevel(seat); }
    const TurnEngine& engine() const { return engine_; }
    // Requests straight to the game, as a seat's player or the computer would make them.
    TurnEngine& engine() { return engine_; }

private:
    void dispatch(const QueuedMessage& message);
    void drop(int connection, std::string_view why);
    void receivedlogininfo(int connection, std::string_view body);
    void kickhim(int connection, std::string_view body);
    void relay(int connection, HostCommand command, std::string_view body);
    void justwatch(int connection, std::string_view body);
    void bottakeover(int connection, std::string_view body);

    HostPort& port_;
    std::unique_ptr<DiceSource> dice_;
    SeatTable seats_;
    TurnEngine engine_;
    PerConnection<Framer> framers_{};
    MessageQueue queue_;
    bool dispatching_ = false; // the dispatch timer is running
};

} // namespace quadrino
