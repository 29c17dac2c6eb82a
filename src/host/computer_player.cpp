// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/computer_player.h"

#include <array>
#include <cstddef>

#include "host/board_rules.h"

namespace quadrino {

namespace {

int squareOf(const BoardState& b, int seat, int pawn) {
    return b.seats[seat].pawnsquare[pawn];
}

bool granted(const BoardState& b, int seat, int pawn, int amount) {
    return amount != 0 && oktomoveTest(b, seat, pawn, amount) != 0;
}

// The non-zero amounts of the full slot order with their codes, worked out once per decision
// step: the bot asks about them for every pawn pair on the board.
struct Offers {
    std::array<int, 12> code{};
    std::array<int, 12> amount{};
    std::size_t count = 0;
    explicit Offers(const MoveSlots& m) {
        for (int c : kMoveCodeOrder) {
            const int a = amountOf(m, c);
            if (a == 0) continue;
            code[count] = c;
            amount[count] = a;
            ++count;
        }
    }
};

// The first code of the full order whose amount equals `wanted` (any amount when
// `wanted` is absent) and moves the pawn legally.
std::optional<BotMove> firstGranted(const BoardState& b, const Offers& offers, int seat, int pawn,
                                    std::optional<int> wanted) {
    int refused[12];
    std::size_t refusedCount = 0;
    for (std::size_t i = 0; i < offers.count; ++i) {
        const int amount = offers.amount[i];
        if (wanted && *wanted != amount) continue;
        bool known = false;
        for (std::size_t r = 0; r < refusedCount; ++r) known = known || refused[r] == amount;
        if (known) continue;
        if (granted(b, seat, pawn, amount)) return BotMove{offers.code[i], pawn};
        refused[refusedCount++] = amount;
    }
    return std::nullopt;
}

} // namespace

std::optional<BotMove> checkforblock(const BoardState& b, int seat) {
    const int limit = b.options.blocklimit;
    if (!isSeat(seat) || limit <= 0) return std::nullopt;
    const MoveSlots& m = b.amounts;
    const SeatState& me = b.seats[seat];
    // Only neighbouring pawn numbers are looked at, and only the lower pawn of the pair
    // moves: the one the turn engine would send back.
    for (int k = 1; k < kPawnCount; ++k) {
        const int square = me.pawnsquare[k];
        if (square == 0 || square != me.pawnsquare[k + 1] || me.blockturns[k] <= limit - 2) continue;
        if (granted(b, seat, k, m.die1)) return BotMove{1, k};
        if (granted(b, seat, k, m.die2)) return BotMove{2, k};
        if (m.die1 != 0 && m.die2 != 0 && granted(b, seat, k, m.die1 + m.die2)) return BotMove{3, k};
    }
    return std::nullopt;
}

std::optional<BotMove> checkforcomputerstart(const BoardState& b, int seat) {
    if (!isSeat(seat)) return std::nullopt;
    const MoveSlots& m = b.amounts;
    const bool sumIsFive = m.die1 != 0 && m.die2 != 0 && m.die1 + m.die2 == 5;
    if (m.die1 != 5 && m.die2 != 5 && !sumIsFive && m.double1 != 5 && m.double2 != 5) return std::nullopt;

    const SeatState& me = b.seats[seat];
    int highestAtStart = 0;
    int onStartSquare = 0;
    for (int p = 1; p <= kPawnCount; ++p) {
        if (me.pawnsquare[p] == 0)
            highestAtStart = p;
        else if (me.pawnsquare[p] == startSquareOf(seat))
            ++onStartSquare;
    }
    if (highestAtStart == 0 || onStartSquare >= 2) return std::nullopt;

    const int pawn = highestAtStart;
    if (m.die1 == 5 && granted(b, seat, pawn, 5)) return BotMove{1, pawn};
    if (m.die2 == 5 && granted(b, seat, pawn, 5)) return BotMove{2, pawn};
    if (sumIsFive && granted(b, seat, pawn, 5)) return BotMove{3, pawn};
    if (m.double1 == 5 && granted(b, seat, pawn, 5)) return BotMove{6, pawn};
    if (m.double2 == 5 && granted(b, seat, pawn, 5)) return BotMove{7, pawn};
    return std::nullopt;
}

std::optional<BotMove> checkforcomputersend(const BoardState& b, int seat) {
    if (!isSeat(seat)) return std::nullopt;
    const Offers offers(b.amounts);
    for (int k = 1; k <= kPawnCount; ++k) {
        for (int j = 1; j <= kSeatCount; ++j) {
            if (j == seat) continue;
            for (int mp = 1; mp <= kPawnCount; ++mp) {
                // Plain subtraction: a target past square 68 or in a home column is not seen.
                // A difference of 0 counts as -1; no amount is ever below 1.
                const int difference = squareOf(b, j, mp) - squareOf(b, seat, k);
                if (difference <= 0) continue;
                if (auto move = firstGranted(b, offers, seat, k, difference)) return move;
            }
        }
    }
    return std::nullopt;
}

std::optional<BotMove> checkforcomputermove(const BoardState& b, int seat) {
    if (!isSeat(seat)) return std::nullopt;
    const Offers offers(b.amounts);
    const SeatState& me = b.seats[seat];
    for (int k = 1; k <= kPawnCount; ++k) {
        const int square = me.pawnsquare[k];
        if (square == 0 || square == homeSquareOf(seat)) continue;
        if (auto move = firstGranted(b, offers, seat, k, std::nullopt)) return move;
    }
    return std::nullopt;
}

std::optional<BotMove> computermove(const BoardState& b, int seat) {
    if (auto move = checkforblock(b, seat)) return move;
    if (auto move = checkforcomputerstart(b, seat)) return move;
    if (auto move = checkforcomputersend(b, seat)) return move;
    return checkforcomputermove(b, seat);
}

} // namespace quadrino
