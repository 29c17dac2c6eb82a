// SPDX-License-Identifier: GPL-3.0-or-later
// strong_bench: the Strong computer player's decision time on the hardest turns it can
// meet, which real games rarely show: pawns spread over the board and every amount slot
// full at once (both dice, both doubles copies, three 20s and three 10s). Prints the mean,
// p99 and worst decision in CPU time.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "rules/board_rules.h"
#include "rules/random.h"
#include "rules/strong_player.h"

using namespace quadrino;

namespace {

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// A square a pawn of the seat may stand on: start, the track, its home column or home.
int randomSquare(Random& rng, int seat) {
    const std::uint32_t r = rng.below(100);
    if (r < 10) return 0;
    if (r < 90) return static_cast<int>(rng.below(kTrackSquares)) + 1;
    if (r < 97) return homeColumnStartOf(seat) + static_cast<int>(rng.below(kHomeColumnLength));
    return homeSquareOf(seat);
}

} // namespace

int main(int argc, char** argv) {
    const long positions = argc > 1 ? std::atol(argv[1]) : 2000;
    Random rng(12345);
    std::vector<double> ms;
    long decided = 0;
    StrongPlayer player;
    for (long i = 0; i < positions; ++i) {
        BoardState b;
        b.options.blocking = true;
        b.options.pouncing = true;
        b.options.penalty = true;
        b.options.blocklimit = 3;
        for (int seat = 1; seat <= kSeatCount; ++seat)
            for (int pawn = 1; pawn <= kPawnCount; ++pawn) b.seats[seat].pawnsquare[pawn] = randomSquare(rng, seat);
        const int die = static_cast<int>(rng.below(6)) + 1;
        b.amounts = MoveSlots{die, die, die, die, 20, 20, 20, 10, 10, 10};
        const int seat = static_cast<int>(rng.below(kSeatCount)) + 1;
        const double begin = cpuMs();
        const auto d = player.decide(b, SquareCounts(b), seat, TurnContext{2, true});
        ms.push_back(cpuMs() - begin);
        decided += d.has_value();
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
    };
    std::printf("positions: %ld (%ld with a move)  every slot full: doubles, three 20s, three 10s\n", positions,
                decided);
    std::printf("decision CPU time: mean %.3f ms  median %.3f ms  p99 %.3f ms  max %.3f ms\n",
                sum / static_cast<double>(ms.size()), at(0.5), at(0.99), ms.back());
    return 0;
}
