// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/random.h"

#include <chrono>

namespace quadrino {

std::uint32_t Random::clockSeed() {
    using namespace std::chrono;
    auto now = system_clock::now().time_since_epoch();
    auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    return static_cast<std::uint32_t>(msOfDay);
}

} // namespace quadrino
