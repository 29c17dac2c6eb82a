// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer player's decision procedure: four steps in a fixed order, no randomness.
#include <optional>

#include "host/board_rules.h"
#include "host/game_state.h"

namespace quadrino {

struct BotMove {
    int code = 0; // move code 1..12
    int pawn = 0; // 1..4
    bool operator==(const BotMove&) const = default;
};

// Runs checkforblock, checkforcomputerstart, checkforcomputersend and checkforcomputermove
// in order and returns the move of the first that finds one. `blocklimit` is the limit in
// force for the game.
std::optional<BotMove> computermove(const BoardState& b, int seat);
// The same with the board's squares already counted (see SquareCounts).
std::optional<BotMove> computermove(const BoardState& b, int seat, const SquareCounts& counts);

std::optional<BotMove> checkforblock(const BoardState& b, int seat);
std::optional<BotMove> checkforcomputerstart(const BoardState& b, int seat);
std::optional<BotMove> checkforcomputersend(const BoardState& b, int seat);
std::optional<BotMove> checkforcomputermove(const BoardState& b, int seat);

} // namespace quadrino
