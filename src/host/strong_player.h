// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Strong" computer player: it plays out every way of spending the amounts of the turn
// with the host's own rule book, and picks the sequence whose end position it values most.
// The value weighs progress, pawns on the board, safety (how likely each pawn is to be hit
// before its seat moves again, over the 21 dice outcomes), blocks, the block limit and the
// three-doubles penalty. No randomness and no clock: the same position gives the same move.
#include <cstdint>
#include <optional>
#include <string_view>

#include "host/computer_player.h"
#include "host/game_state.h"

namespace quadrino {

// How a seat without a human is played. Classic is the fixed procedure of computer_player.h.
enum class BotLevel { classic, strong };

// "classic" / "strong", exactly; nullopt for anything else.
std::optional<BotLevel> botLevelFromName(std::string_view name);
std::string_view botLevelName(BotLevel level);

// What the turn engine knows beyond the board that changes the choice.
struct StrongContext {
    int doublescount = 0; // doubles rolled in a row by the seat on turn
    bool rollagain = false;
    unsigned playing = 0b1111; // bit s - 1: seat s takes part in the game (has a turn)
};

struct BotDecision {
    bool pass = false; // end the turn without moving (only offered before the roll is touched)
    BotMove move;      // when not passing
    bool operator==(const BotDecision&) const = default;
};

// The Strong choice for the seat on turn that has rolled; nullopt only when no move is legal
// and passing is not allowed.
std::optional<BotDecision> strongmove(const BoardState& b, int seat, const StrongContext& context);

// A move applied as the host applies a granted request: land, spend, home bonus, the moves
// flag judged with a captured pawn still on the landing square, then the capture sent back.
// landing 0: refused, nothing changed.
struct AppliedMove {
    int landing = 0;
    bool more = false;
};
AppliedMove applyMove(BoardState& b, int seat, int code, int pawn);

// The value of a position for `seat` as its turn ends (higher is better for it).
double evaluatePosition(const BoardState& b, int seat, const StrongContext& context);

// Tuning knobs of the evaluation, so that self-play can compare settings.
struct StrongWeights {
    double onBoard = 40;      // a pawn out of start: entering needs a five, and a hit costs it
    double homeColumn = 6;    // a pawn that nobody can reach any more
    double home = 14;         // a pawn home, beyond its steps
    double captureCost = 22;  // what a hit costs beyond the steps lost: the attacker's 20
    double blockBehind = 1.5; // per enemy pawn held up behind an own pair, within twelve
    double blockAging = 0.4;  // share of a pawn's worth at stake one turn before the limit
    double opponents = 1.0;   // weight of the opponents' mean value
    double leader = 0.35;     // extra weight of the best-placed opponent
    long fullSearchNodes = 1500; // moves tried before the rest of a turn is completed greedily
};
void setStrongWeights(const StrongWeights& w);
const StrongWeights& strongWeights();

} // namespace quadrino
