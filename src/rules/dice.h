// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the turn engine's random numbers come from. The engine draws the dice and the first
// seat of a game through this interface only, so a seeded generator replays a game, a
// script sets exactly the dice a test or the fuzzer wants.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>

#include "rules/random.h"

namespace quadrino {

class DiceSource {
public:
    virtual ~DiceSource() = default;
    // A value from 0 to n - 1 (n >= 1).
    virtual int below(int n) = 0;
    int die() { return below(6) + 1; }
};

// The game's own generator: the 32-bit linear congruential one, from a seed. Replays exactly.
class SeededDice : public DiceSource {
public:
    explicit SeededDice(std::uint32_t seed) : random_(seed) {}
    int below(int n) override { return static_cast<int>(random_.below(static_cast<std::uint32_t>(n))); }

private:
    Random random_;
};

// The operating system's random source for every draw (getrandom). Nothing of its state
// shows in the dice, so no peer can work out the next roll from the rolls it has seen, as it
// could with the game's generator after a dozen dice.
class SystemDice : public DiceSource {
public:
    int below(int n) override;
};

// The host's dice: the game's generator when a seed is given (tests, replays, benchmarks),
// the system's random source otherwise.
std::unique_ptr<DiceSource> makeDice(std::optional<std::uint32_t> seed);

// Draws given values first, then falls back to a seeded generator.
class ScriptedDice : public DiceSource {
public:
    explicit ScriptedDice(std::uint32_t fallbackSeed = 1) : fallback_(fallbackSeed) {}
    // The next two dice (1..6 each).
    void queueDice(int die1, int die2) {
        draws_.push_back(die1 - 1);
        draws_.push_back(die2 - 1);
    }
    // The next draw below any n; taken modulo n when it does not fit.
    void queueDraw(int value) { draws_.push_back(value); }
    bool empty() const { return draws_.empty(); }
    int below(int n) override;

private:
    std::deque<int> draws_;
    SeededDice fallback_;
};

} // namespace quadrino
