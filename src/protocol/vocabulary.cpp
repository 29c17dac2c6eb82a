// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/vocabulary.h"

#include <cstdio>
#include <cstdlib>

namespace quadrino {

void numberOutOfRange(int n, int first, int last) {
    std::fprintf(stderr, "quadrino: number %d used as an index of %d..%d\n", n, first, last);
    std::abort();
}

} // namespace quadrino
