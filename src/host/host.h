#pragma once
// The game host: the connection and seat table, the message queue with its dispatch table,
// the turn engine and the computer players. It reaches the world only through HostPort, so
// the same object runs inside the hosting GUI, in quadrino-host and in tests.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/game_state.h"
#include "host/host_port.h"
#include "host/random.h"
#include "protocol/catalogue.h"
#include "protocol/framer.h"
#include "protocol/message_queue.h"

namespace quadrino {

struct PlayerRecord {
    std::string name;     // given at login; empty while the number is free
    bool connected = false;
    bool justwatching = false; // seats only: a bot plays the seat for its watching player
};

struct TurnState {
    bool gamestarted = false;
    std::array<int, 5> turnorder{}; // positions 1..4 hold seat numbers, 0 = empty position
    int turnindex = 1;
    int whoseturn = 0;
    int turnphase = 0; // 1 must roll, 2 rolled, 0 turn ended by the doubles penalty
    bool rollagain = false;
    int doublescount = 0;
    int nextplayerdelay = 0;
    bool seat3playing = true;
    bool seat4playing = true;
};

class Host {
public:
    Host(HostPort& port, std::uint32_t seed);

    // A connection arrives: the lowest free number 1..9, or 10 when nine are live (the port
    // binds its socket to that number, then calls connectionOpened).
    int allocateConnection();
    void connectionOpened(int connection);
    void dataReceived(int connection, std::string_view bytes);
    // The connection has closed, whoever closed it ("Socket Closed"). Repeats are harmless.
    void connectionClosed(int connection);
    void timerFired(HostTimer timer);

    // State, for the adapters, the simulation and tests.
    const PlayerRecord& player(int connection) const;
    int highestconnection() const { return highestconnection_; }
    const BoardState& board() const { return board_; }
    BoardState& board() { return board_; }
    const TurnState& turn() const { return turn_; }
    TurnState& turn() { return turn_; }
    std::size_t queuedMessages() const { return queue_.size(); }
    bool botPlays(int seat) const;
    // The generator's state; tests set it to get the dice they need.
    Random& random() { return random_; }

    // Entry points that bots and tests use directly, exactly as the requests would.
    void startgame(const StartGameRequest& request);
    void playerroll(int seat);
    void moveit(int seat, int code, int pawn);
    void playerpass(int seat);

private:
    // connections and seats
    void dispatch(const QueuedMessage& message);
    void drop(int connection, std::string_view why);
    void receivedlogininfo(int connection, std::string_view body);
    void kickhim(int connection, std::string_view body);
    void relay(int connection, HostCommand command, std::string_view body);
    void justwatch(int connection, std::string_view body);
    void bottakeover(int connection, std::string_view body);
    void removepegs(int seat);
    void sendTo(int connection, const std::string& message);
    void broadcast(const std::string& message);
    void broadcastExcept(int connection, const std::string& message);
    LocationsInfo locationsFor(int connection) const;

    // turn engine
    void setturns();
    void findplayer();
    bool checkforwin(int seat);
    void sendback(int mover, int seat, int pawn);
    void sendToStart(int seat, int pawn);
    void armNextPlayer();
    void armComputer(int intervalMs);
    void sendError(int seat, int code);
    void timer1Timer();
    void computertimerTimer();
    void computerplay(int seat);

    HostPort& port_;
    Random random_;
    std::array<PlayerRecord, 11> players_{};  // 1..10
    std::array<Framer, 11> framers_{};
    int highestconnection_ = 0;
    MessageQueue queue_;
    bool dispatching_ = false; // the dispatch timer is running
    BoardState board_;
    TurnState turn_;
};

} // namespace quadrino
