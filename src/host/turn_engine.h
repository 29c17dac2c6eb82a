// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The turn engine: the course of a game. It starts a game, keeps the turn order, rolls the
// dice it draws from its DiceSource, applies moves with the rule book, hands the turn on,
// enforces both penalties, declares the winner and lets the computer play the seats nobody
// plays. Requests reach it from the host's dispatch; the computer player uses the same entry
// points.
#include <memory>

#include "host/host_port.h"
#include "host/seat_table.h"
#include "protocol/catalogue.h"
#include "rules/board_rules.h"
#include "rules/computer_player.h"
#include "rules/dice.h"
#include "rules/game_state.h"
#include "rules/strong_player.h"

namespace quadrino {

using TurnOrder = Numbered<int, 1, kSeatCount>; // positions 1..4 hold seat numbers, 0 = empty

struct TurnState {
    bool gamestarted = false;
    TurnOrder turnorder{};
    int turnindex = 1;
    int whoseturn = 0;
    int turnphase = 0; // 1 must roll, 2 rolled, 0 turn ended by the doubles penalty
    bool rollagain = false;
    int doublescount = 0;
    int nextplayerdelay = 0;
    bool seat3playing = true;
    bool seat4playing = true;
    bool operator==(const TurnState&) const = default;
};

// A game to go on from: a test's position, a fuzzer's starting point.
struct GameSnapshot {
    BoardState board;
    TurnState turn;
};

class TurnEngine {
public:
    TurnEngine(HostPort& port, SeatTable& seats, DiceSource& dice);

    // Requests, from a seat's player or from the computer player.
    void startgame(const StartGameRequest& request);
    void playerroll(int seat);
    void moveit(int seat, int code, int pawn);
    void playerpass(int seat);

    // The two game timers: the pause before the next seat's turn is over, and the computer's
    // step for the seat on turn is due.
    void nextPlayerPauseOver();
    void computertimerTimer();

    // What the seat table tells the engine.
    void seatLeft(int connection);
    void seatHandedToComputer(int seat);
    // The hosting user refused a computer player for the seat: it leaves the turn order
    // as the rules say and its pawns leave the board. False, changing nothing, when no game
    // is in progress.
    bool takeOutSeat(int seat);

    bool gamestarted() const { return turn_.gamestarted; }
    const BoardState& board() const { return board_; }
    // How many pawns stand on each square of board(), kept up to date with every change.
    const SquareCounts& squareCounts() const { return counts_; }
    const TurnState& turn() const { return turn_; }
    // The state a newcomer is sent during a game.
    Locations locationsFor(int connection) const;

    // Goes on from the given state, with no game timer running (the computer is armed if it
    // plays the seat on turn). Refused, changing nothing, when the state is not one a game
    // can be in: pawns off their seat's path, numbers out of range.
    bool resume(const GameSnapshot& snapshot);

    // How the computer plays a seat when nobody does (Strong with the given weights); kept
    // across games, never sent.
    void setBotLevel(int seat, BotLevel level, const StrongWeights& weights = {});
    BotLevel botLevel(int seat) const { return isSeat(seat) ? botLevels_[seat] : BotLevel::classic; }

private:
    void setturns();
    void findplayer();
    bool checkforwin(int seat);
    void sendback(int mover, int seat, int pawn);
    void armNextPlayer();
    // The safety net: a seat on turn that has rolled and has no legal move left passes the
    // turn on, as after a roll without moves.
    void keepGameMoving();
    void armComputer(int intervalMs);
    void sendError(int seat, int code);
    void computerplay(int seat);

    HostPort& port_;
    SeatTable& seats_;
    DiceSource& dice_;
    PerSeat<BotLevel> botLevels_{}; // all Classic
    PerSeat<std::unique_ptr<ComputerPlayer>> bots_; // by botLevels_
    BoardState board_;
    // The board's pawns counted per square: every question about a move needs them, and the
    // board changes a pawn or two at a time. Moves and captures update them; the rare
    // wholesale changes (a new game, a penalty, a seat leaving, a resumed game) recount.
    SquareCounts counts_{board_};
    TurnState turn_;
};

// What a computer player needs to know of the turn: doubles so far, and which seats take part.
TurnContext turnContext(const TurnState& t);

// True when a pawn of the seat may stand on the square at all: start, its track, its own
// home column, its own home square.
bool isSquareOfSeat(int seat, int square);

} // namespace quadrino
