// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one pseudo-random generator: 32-bit linear congruential, seeded once.
#include <cstdint>

namespace quadrino {

class Random {
public:
    explicit Random(std::uint32_t seed = 0) : state_(seed) {}
    // A value below n: the upper 32 bits of the 64-bit product of the new state and n.
    std::uint32_t below(std::uint32_t n) {
        state_ = state_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state_) * n) >> 32);
    }
    int die() { return static_cast<int>(below(6)) + 1; }
    std::uint32_t state() const { return state_; }
    void seed(std::uint32_t s) { state_ = s; }

    // The time of day in milliseconds, universal time: the seed of a normal run.
    static std::uint32_t clockSeed();

private:
    std::uint32_t state_;
};

} // namespace quadrino
