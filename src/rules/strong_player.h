// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Strong" computer player: it plays out every way of spending the amounts of the turn
// with the host's own rule book, and picks the sequence whose end position it values most.
// The value weighs progress, pawns on the board, safety (how likely each pawn is to be hit
// before its seat moves again, over the 21 dice outcomes), blocks, the block limit and the
// three-doubles penalty. No randomness and no clock: the same position gives the same move.
#include <optional>

#include "rules/board_rules.h"
#include "rules/computer_player.h"
#include "rules/game_state.h"

namespace quadrino {

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

class StrongPlayer final : public ComputerPlayer {
public:
    explicit StrongPlayer(const StrongWeights& weights = {}) : weights_(weights) {}
    // Passes when standing still is worth more than every way of moving (and passing is
    // allowed); nullopt only when no move is legal and passing is not allowed.
    std::optional<BotDecision> decide(const BoardState& b, const SquareCounts& counts, int seat,
                                      const TurnContext& context) override;
    // The value of a position for `seat` as its turn ends (higher is better for it).
    double evaluatePosition(const BoardState& b, int seat, const TurnContext& context) const;
    const StrongWeights& weights() const { return weights_; }

private:
    StrongWeights weights_;
};

// A move applied as the host applies a granted request: land, spend, home bonus, the moves
// flag judged with a captured pawn still on the landing square, then the capture sent back
// (and `counts`, the count of `b`, told). landing 0: refused, nothing changed.
struct AppliedMove {
    int landing = 0;
    bool more = false;
};
AppliedMove applyMove(BoardState& b, SquareCounts& counts, int seat, int code, int pawn);

} // namespace quadrino
