// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's game state: options, the seats' pawns and the move amounts of the seat on turn.
// Plain data; the rules live in board_rules.h, the course of a game in the turn engine.
#include "protocol/vocabulary.h"
#include "rules/game_options.h"

namespace quadrino {

// Board fields of one seat; its fixed squares are in kSeatSquares.
struct SeatState {
    PerPawn<int> pawnsquare{};   // 0 = at start
    PerPawn<int> blockpartner{}; // the own pawn it shared a square with when the turn began, 0 = none
    PerPawn<int> blockturns{};   // consecutive turns in that block
    bool passedlast = false; // sent and stored as "t"/"f" in the original wire texts
    bool operator==(const SeatState&) const = default;
};

struct BoardState {
    PerSeat<SeatState> seats{};
    GameOptions options;
    MoveSlots amounts;
    int sendseat = 0; // capture recorded by a committed move, sent back by moveit
    int sendpawn = 0;
    bool operator==(const BoardState&) const = default;
};

} // namespace quadrino
