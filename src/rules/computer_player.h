// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer players: one interface, the Classic and the Strong way of playing behind it,
// and a factory that picks one by level. A player decides for the seat on turn that has
// rolled; the turn engine carries the decision out like a person's request.
#include <memory>
#include <optional>
#include <string_view>

#include "rules/board_rules.h"
#include "rules/game_state.h"

namespace quadrino {

// How a seat without a human is played.
enum class BotLevel { classic, strong };

// "classic" / "strong", exactly; nullopt for anything else.
std::optional<BotLevel> botLevelFromName(std::string_view name);
std::string_view botLevelName(BotLevel level);

struct BotMove {
    int code = 0; // move code 1..12
    int pawn = 0; // 1..4
    bool operator==(const BotMove&) const = default;
};

struct BotDecision {
    bool pass = false; // end the turn without moving (only offered before the roll is touched)
    BotMove move;      // when not passing
    bool operator==(const BotDecision&) const = default;
};

// What the turn engine knows beyond the board that may change a choice.
struct TurnContext {
    int doublescount = 0; // doubles rolled in a row by the seat on turn
    bool rollagain = false;
    unsigned playing = 0b1111; // bit s - 1: seat s takes part in the game (has a turn)
};

class ComputerPlayer {
public:
    virtual ~ComputerPlayer() = default;
    // The choice for `seat`, on turn and rolled; `counts` is the count of `b`. nullopt only
    // when the seat has no legal move and may not pass.
    virtual std::optional<BotDecision> decide(const BoardState& b, const SquareCounts& counts, int seat,
                                              const TurnContext& context) = 0;
};

// The Classic player: computermove, never a pass.
class ClassicPlayer final : public ComputerPlayer {
public:
    std::optional<BotDecision> decide(const BoardState& b, const SquareCounts& counts, int seat,
                                      const TurnContext& context) override;
};

// The Classic decision: checkforblock, checkforcomputerstart, checkforcomputersend and
// checkforcomputermove in this order, no randomness; the move of the first that finds one.
std::optional<BotMove> computermove(const BoardState& b, const SquareCounts& counts, int seat);

struct StrongWeights;
// The player for a level; Strong with the given weights (or its defaults).
std::unique_ptr<ComputerPlayer> makeComputerPlayer(BotLevel level);
std::unique_ptr<ComputerPlayer> makeComputerPlayer(BotLevel level, const StrongWeights& weights);

} // namespace quadrino
