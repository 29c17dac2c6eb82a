// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/board_rules.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace quadrino {

namespace {

// The last track square of a seat's way round, kTrackStepsPerSeat - 1 squares on from its
// start square.
constexpr int lastTrackSquareOf(int seat) {
    return (startSquareOf(seat) - 1 + kTrackStepsPerSeat - 1) % kTrackSquares + 1;
}

constexpr int nextSquare(int seat, int square) {
    const int n = square + 1;
    if (!isSeat(seat)) return n == kTrackSquares + 1 ? 1 : n;
    if (n == lastTrackSquareOf(seat) + 1) return homeColumnStartOf(seat);
    if (n == kTrackSquares + 1) return 1;
    if (n == homeColumnStartOf(seat) + kHomeColumnLength) return homeSquareOf(seat);
    return n;
}

// Every seat's way from its start square to its home square, laid out once: the rule book
// asks for the squares ahead of a pawn far more often than the board changes, and stepping
// one square at a time was most of what a decision cost.
struct SeatPaths {
    // squares[seat][i]: the square i steps on from the start square.
    std::array<std::array<std::uint8_t, kPathLength>, kSeatCount + 1> squares{};
    // index[seat][square]: how many steps on from the start square, -1 off the path.
    std::array<std::array<std::int8_t, kBoardSquares>, kSeatCount + 1> index{};

    constexpr SeatPaths() {
        for (auto& row : index)
            for (auto& i : row) i = -1;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            const auto s = static_cast<std::size_t>(seat);
            int square = startSquareOf(seat);
            for (int i = 0; i < kPathLength; ++i) {
                squares[s][static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(square);
                index[s][static_cast<std::size_t>(square)] = static_cast<std::int8_t>(i);
                square = nextSquare(seat, square);
            }
        }
    }
    int at(int seat, int i) const {
        return squares[static_cast<std::size_t>(seat)][static_cast<std::size_t>(i)];
    }
    // The step count of a square on the seat's path, -1 for any other number.
    int indexOf(int seat, int square) const {
        if (square < 0 || square >= kBoardSquares) return -1;
        return index[static_cast<std::size_t>(seat)][static_cast<std::size_t>(square)];
    }
};
constexpr SeatPaths kPaths;
static_assert([] {
    for (int seat = 1; seat <= kSeatCount; ++seat)
        if (kPaths.squares[static_cast<std::size_t>(seat)][kPathLength - 1] != homeSquareOf(seat)) return false;
    return true;
}(), "every path ends on its seat's home square");

// The pawns a move would capture, worked out without touching the board, so that a refusal
// found late in the scan leaves a committed move without side effects. Only commitMove asks
// for them; the many questions of a decision do not.
struct Captures {
    struct Capture {
        int seat;
        int pawn;
    };
    std::array<Capture, kSeatCount * kPawnCount> items; // read up to count only
    std::size_t count = 0;
};
void record(Captures* captures, int seat, int pawn) {
    if (captures) captures->items[captures->count++] = {seat, pawn};
}

int countOn(const BoardState& b, int seat, int square) {
    int n = 0;
    for (int sq : b.seats[seat].pawnsquare)
        if (sq == square) ++n;
    return n;
}

// Nobody stands on the square (squares outside the board are asked of the board itself).
bool emptySquare(const BoardState& b, const SquareCounts& counts, int square) {
    if (square >= 0 && square < kBoardSquares) return counts.at(square) == 0;
    for (int s = 1; s <= kSeatCount; ++s)
        if (countOn(b, s, square) != 0) return false;
    return true;
}

// Entering from start: only a five, and only past what stands on the start square.
int judgeEntry(const BoardState& b, const SquareCounts& counts, int seat, int amount, Captures* captures) {
    if (amount != 5) return 0;
    const int target = startSquareOf(seat);
    if (emptySquare(b, counts, target)) return target;
    for (int s = 1; s <= kSeatCount; ++s) {
        for (int p = 1; p <= kPawnCount; ++p) {
            if (b.seats[s].pawnsquare[p] != target) continue;
            if (s != seat) {
                // Start squares are safe, but an entering pawn may pounce on a lone opponent.
                if (b.options.pouncing && notteamie(b, seat, s) && !morethentwo(b, s, target)) {
                    record(captures, s, p);
                    continue;
                }
                return 0;
            }
            if (b.options.blocking && !morethentwo(b, seat, target)) continue;
            return 0;
        }
    }
    return target;
}

int judgeStep(const BoardState& b, const SquareCounts& counts, int seat, int pawn, int amount, Captures* captures) {
    const SeatState& me = b.seats[seat];
    const int home = homeSquareOf(seat);
    int target = me.pawnsquare[pawn];
    if (const int from = kPaths.indexOf(seat, target); from >= 0) {
        // Past the home square is an overshoot, refused.
        if (amount > kPathLength - 1 - from) return 0;
        // No pawn passes or lands on a pair, whoever owns it; only the own home square
        // holds any number.
        for (int i = from + 1; i <= from + amount; ++i) {
            const int square = kPaths.at(seat, i);
            if (square != home && counts.at(square) >= 2) return 0;
        }
        target = kPaths.at(seat, from + amount);
    } else {
        // A pawn off its seat's path (only a hand-made board has one) steps square by square.
        for (int i = 0; i < amount; ++i) {
            target = stepSquare(seat, target);
            // Past the home square stepping only counts upwards, so the overshoot refusal is
            // already certain; stopping here also bounds the loop for any amount.
            if (target > home) return 0;
            if (target != home && checkfortwo(b, target)) return 0;
        }
    }

    if (emptySquare(b, counts, target)) return target;
    const bool safe = isSafeSquare(target);
    for (int s = 1; s <= kSeatCount; ++s) {
        for (int p = 1; p <= kPawnCount; ++p) {
            if (b.seats[s].pawnsquare[p] != target) continue;
            if (safe) {
                if (s == seat && b.options.blocking && !morethentwo(b, seat, target)) {
                    return target;
                }
                return 0;
            }
            if (target == home) {
                return target;
            }
            if (s == seat) {
                // Two pawns that stood together when the turn began may not re-form their
                // block: a block does not move as a unit.
                if (b.options.blocking && !morethentwo(b, seat, target) && me.blockpartner[p] != pawn)
                    continue;
                return 0;
            }
            if (!notteamie(b, seat, s)) return 0;
            if (b.options.pouncing) {
                record(captures, s, p);
                continue;
            }
            return 0;
        }
    }
    return target;
}

// The landing square, 0 when refused.
int judge(const BoardState& b, const SquareCounts& counts, int seat, int pawn, int amount, Captures* captures) {
    if (!isSeat(seat) || !isPawn(pawn) || amount < 1) return 0;
    if (b.seats[seat].pawnsquare[pawn] == 0) return judgeEntry(b, counts, seat, amount, captures);
    return judgeStep(b, counts, seat, pawn, amount, captures);
}

} // namespace

int stepSquare(int seat, int square) { return nextSquare(seat, square); }

SquareCounts::SquareCounts(const BoardState& b) {
    for (const SeatState& s : b.seats)
        for (int square : s.pawnsquare)
            if (square >= 0 && square < kBoardSquares) ++count_[static_cast<std::size_t>(square)];
}

int trackDistance(int seat, int square) {
    if (!isSeat(seat)) return 0;
    const int start = startSquareOf(seat);
    return square >= start ? square - start : square + kTrackSquares - start;
}

int pawnProgress(int seat, int square) {
    if (!isSeat(seat) || square == 0) return 0;
    // On its own path a pawn has made one step for entering and one for every square since.
    if (const int steps = kPaths.indexOf(seat, square); steps >= 0) return 1 + steps;
    // A hand-made board may put a pawn on a track square its seat never passes.
    if (square >= 1 && square <= kTrackSquares) return 1 + trackDistance(seat, square);
    return 0; // a square this seat never reaches
}

int progressOf(const BoardState& b, int seat) {
    if (!isSeat(seat)) return 0;
    int sum = 0;
    for (int square : b.seats[seat].pawnsquare) sum += pawnProgress(seat, square);
    return sum;
}

std::optional<int> amountOfCode(const MoveSlots& amounts, int code) {
    if (!isMoveCode(code)) return std::nullopt;
    return amountOf(amounts, code);
}

int unavailableError(int code) { return isMoveCode(code) ? kMoveCodes[code].unavailableError : 5; }

void spendCode(MoveSlots& amounts, int code) {
    if (!isMoveCode(code)) return;
    slotValue(amounts, kMoveCodes[code].first) = 0;
    slotValue(amounts, kMoveCodes[code].second) = 0;
}

bool allSlotsEmpty(const MoveSlots& amounts) { return amounts == MoveSlots{}; }

bool checkfortwo(const BoardState& b, int square) {
    int n = 0;
    for (int s = 1; s <= kSeatCount; ++s)
        n += countOn(b, s, square);
    return n >= 2;
}

bool morethentwo(const BoardState& b, int seat, int square) {
    return isSeat(seat) && countOn(b, seat, square) >= 2;
}

bool notteamie(const BoardState& b, int seat, int other) {
    return !b.options.teamgame || !isSeat(seat) || partnerOf(seat) != other;
}

int oktomove(const BoardState& b, const SquareCounts& counts, int seat, int pawn, int amount) {
    return judge(b, counts, seat, pawn, amount, nullptr);
}

bool checkformoves(const BoardState& b, const SquareCounts& counts, int seat) {
    if (!isSeat(seat) || allSlotsEmpty(b.amounts)) return false;
    const SeatState& me = b.seats[seat];
    const int home = homeSquareOf(seat);
    // Each amount once: the doubles copies and the bonuses often repeat one. The rule book
    // refuses any amount below 1; those below 64 are remembered as bits.
    std::uint64_t asked = 0;
    for (const int amount : amountsInOrder(b.amounts)) {
        if (amount < 1) continue;
        if (amount < 64) {
            const std::uint64_t bit = std::uint64_t{1} << amount;
            if (asked & bit) continue;
            asked |= bit;
        }
        for (int pawn = 1; pawn <= kPawnCount; ++pawn) {
            if (me.pawnsquare[pawn] == home) continue;
            if (judge(b, counts, seat, pawn, amount, nullptr) != 0) return true;
        }
    }
    return false;
}

CommittedMove commitMove(BoardState& b, SquareCounts& counts, int seat, int pawn, int code) {
    const auto amount = amountOfCode(b.amounts, code);
    if (!isSeat(seat) || !isPawn(pawn) || !amount || *amount == 0) return {};
    Captures captures;
    const int landing = judge(b, counts, seat, pawn, *amount, &captures);
    if (landing == 0) return {};
    for (std::size_t i = 0; i < captures.count; ++i) {
        awardCaptureBonus(b.amounts);
        b.sendseat = captures.items[i].seat;
        b.sendpawn = captures.items[i].pawn;
    }
    int& square = b.seats[seat].pawnsquare[pawn];
    counts.moved(square, landing);
    square = landing;
    spendCode(b.amounts, code);
    if (landing == homeSquareOf(seat)) awardHomeBonus(b.amounts);
    return {landing, checkformoves(b, counts, seat)};
}

int findclosestpawn(const BoardState& b, int seat) {
    if (!isSeat(seat)) return 0;
    int best = 0;
    int bestDistance = 0;
    for (int pawn = 1; pawn <= kPawnCount; ++pawn) {
        const int square = b.seats[seat].pawnsquare[pawn];
        if (square < 1 || square > kTrackSquares) continue;
        const int d = trackDistance(seat, square);
        if (d > bestDistance) {
            best = pawn;
            bestDistance = d;
        }
    }
    return best;
}

void awardHomeBonus(MoveSlots& amounts) {
    if (amounts.bonus10a == 0)
        amounts.bonus10a = 10;
    else if (amounts.bonus10b == 0)
        amounts.bonus10b = 10;
    else
        amounts.bonus10c = 10;
}

void awardCaptureBonus(MoveSlots& amounts) {
    if (amounts.bonus20a == 0)
        amounts.bonus20a = 20;
    else if (amounts.bonus20b == 0)
        amounts.bonus20b = 20;
    else
        amounts.bonus20c = 20;
}

void sendToStart(BoardState& b, int seat, int pawn) {
    if (!isSeat(seat) || !isPawn(pawn)) return;
    b.seats[seat].pawnsquare[pawn] = 0;
}

BlockLimitEvents applyBlockLimit(BoardState& b, int seat) {
    BlockLimitEvents events;
    const GameOptions& o = b.options;
    if (!isSeat(seat) || o.blocklimit <= 0 || !o.blocking) return events;
    SeatState& s = b.seats[seat];
    bool warned = false;
    for (int k = 1; k <= kPawnCount; ++k) {
        const int a = s.blockpartner[k];
        const int p = s.pawnsquare[k];
        int& turns = s.blockturns[k];
        if (!isPawn(a) || p == 0 || p == homeSquareOf(seat)) {
            turns = 0;
        } else if (p == s.pawnsquare[a]) {
            ++turns;
            if (turns >= o.blocklimit) {
                // Both pawns of a block count together, so the lower one goes back and the
                // other's count restarts with it.
                turns = 0;
                sendToStart(b, seat, k);
                events.items[events.count++] = {BlockLimitEvent::Kind::penalty, k, 0, progressOf(b, seat)};
            } else if (turns == o.blocklimit - 1 && !warned) {
                warned = true;
                events.items[events.count++] = {BlockLimitEvent::Kind::warning, k, a, 0};
            }
        } else {
            turns = 0;
        }
    }
    return events;
}

void recordBlockPartners(BoardState& b, int seat) {
    if (!isSeat(seat)) return;
    SeatState& s = b.seats[seat];
    s.blockpartner = {};
    for (int j = 1; j <= kPawnCount; ++j)
        for (int i = 1; i <= kPawnCount; ++i)
            if (i != j && s.pawnsquare[j] != 0 && s.pawnsquare[j] == s.pawnsquare[i]) {
                s.blockpartner[j] = i;
                s.blockpartner[i] = j;
            }
}

} // namespace quadrino
