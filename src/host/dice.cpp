// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/dice.h"

namespace quadrino {

int ScriptedDice::below(int n) {
    if (n < 1) return 0;
    if (draws_.empty()) return fallback_.below(n);
    const int v = draws_.front();
    draws_.pop_front();
    const int r = v % n;
    return r < 0 ? r + n : r;
}

} // namespace quadrino
