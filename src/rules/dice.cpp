// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/dice.h"

#include <sys/random.h>

#include <cerrno>
#include <random>

namespace quadrino {
namespace {

std::uint32_t systemRandom32() {
    std::uint32_t value = 0;
    auto* bytes = reinterpret_cast<unsigned char*>(&value);
    std::size_t got = 0;
    while (got < sizeof value) {
        const ssize_t n = ::getrandom(bytes + got, sizeof value - got, 0);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EINTR) {
            // No getrandom (an old kernel, a sandbox): the library's own system source.
            static std::random_device device;
            return static_cast<std::uint32_t>(device());
        }
    }
    return value;
}

} // namespace

int SystemDice::below(int n) {
    if (n <= 1) return 0;
    // Only whole multiples of n are kept, so every value below n is equally likely.
    const std::uint64_t range = std::uint64_t{1} << 32;
    const std::uint64_t bound = range - range % static_cast<std::uint64_t>(n);
    std::uint64_t x = 0;
    do {
        x = systemRandom32();
    } while (x >= bound);
    return static_cast<int>(x % static_cast<std::uint64_t>(n));
}

std::unique_ptr<DiceSource> makeDice(std::optional<std::uint32_t> seed) {
    if (seed) return std::make_unique<SeededDice>(*seed);
    return std::make_unique<SystemDice>();
}

int ScriptedDice::below(int n) {
    if (n < 1) return 0;
    if (draws_.empty()) return fallback_.below(n);
    const int v = draws_.front();
    draws_.pop_front();
    const int r = v % n;
    return r < 0 ? r + n : r;
}

} // namespace quadrino
