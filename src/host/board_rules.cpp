// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/board_rules.h"

#include <array>
#include <cstddef>
#include <utility>

namespace quadrino {

namespace {

// What a move would do, worked out without touching the board, so that a refusal found
// late in the scan can leave a committed move without side effects.
struct Verdict {
    int landing = 0; // 0 = refused
    std::array<std::pair<int, int>, 16> captures{};
    std::size_t captureCount = 0;

    void capture(int seat, int pawn) { captures[captureCount++] = {seat, pawn}; }
};

// Entering from start: only a five, and only past what stands on the start square.
Verdict judgeEntry(const BoardState& b, int seat, int amount) {
    Verdict v;
    if (amount != 5) return v;
    const int target = startSquareOf(seat);
    for (int s = 1; s <= kSeatCount; ++s) {
        for (int p = 1; p <= kPawnCount; ++p) {
            if (b.seats[s].pawnsquare[p] != target) continue;
            if (s != seat) {
                // Start squares are safe, but an entering pawn may pounce on a lone opponent.
                if (b.options.pouncing && notteamie(b, seat, s) && !morethentwo(b, s, target)) {
                    v.capture(s, p);
                    continue;
                }
                return Verdict{};
            }
            if (b.options.blocking && !morethentwo(b, seat, target)) continue;
            return Verdict{};
        }
    }
    v.landing = target;
    return v;
}

Verdict judgeStep(const BoardState& b, int seat, int pawn, int amount) {
    const SeatState& me = b.seats[seat];
    const int home = homeSquareOf(seat);
    int target = me.pawnsquare[pawn];
    for (int i = 0; i < amount; ++i) {
        target = stepSquare(seat, target);
        // Past the home square stepping only counts upwards, so the overshoot refusal is
        // already certain; stopping here also bounds the loop for any amount.
        if (target > home) return Verdict{};
        // No pawn passes or lands on a pair, whoever owns it; only the own home square
        // holds any number.
        if (target != home && checkfortwo(b, target)) return Verdict{};
    }

    Verdict v;
    const bool safe = isSafeSquare(target);
    for (int s = 1; s <= kSeatCount; ++s) {
        for (int p = 1; p <= kPawnCount; ++p) {
            if (b.seats[s].pawnsquare[p] != target) continue;
            if (safe) {
                if (s == seat && b.options.blocking && !morethentwo(b, seat, target)) {
                    v.landing = target;
                    return v;
                }
                return Verdict{};
            }
            if (target == home) {
                v.landing = target;
                return v;
            }
            if (s == seat) {
                // Two pawns that stood together when the turn began may not re-form their
                // block: a block does not move as a unit.
                if (b.options.blocking && !morethentwo(b, seat, target) && me.blockpartner[p] != pawn)
                    continue;
                return Verdict{};
            }
            if (!notteamie(b, seat, s)) return Verdict{};
            if (b.options.pouncing) {
                v.capture(s, p);
                continue;
            }
            return Verdict{};
        }
    }
    v.landing = target;
    return v;
}

Verdict judge(const BoardState& b, int seat, int pawn, int amount) {
    if (!isSeat(seat) || !isPawn(pawn) || amount < 1) return Verdict{};
    if (b.seats[seat].pawnsquare[pawn] == 0) return judgeEntry(b, seat, amount);
    return judgeStep(b, seat, pawn, amount);
}

int countOn(const BoardState& b, int seat, int square) {
    int n = 0;
    for (int sq : b.seats[seat].pawnsquare)
        if (sq == square) ++n;
    return n;
}

} // namespace

int stepSquare(int seat, int square) {
    int n = square + 1;
    if (n == 69 && seat != 1) n = 1;
    switch (seat) {
    case 1:
        if (n == 76) n = 97;
        break;
    case 2:
        if (n == 35) n = 83;
        if (n == 90) n = 99;
        break;
    case 3:
        if (n == 52) n = 76;
        if (n == 83) n = 98;
        break;
    case 4:
        if (n == 18) n = 90;
        if (n == 97) n = 100;
        break;
    default:
        break;
    }
    return n;
}

int trackDistance(int seat, int square) {
    if (!isSeat(seat)) return 0;
    const int start = startSquareOf(seat);
    return square >= start ? square - start : square + 68 - start;
}

int pawnProgress(int seat, int square) {
    if (!isSeat(seat) || square == 0) return 0;
    if (square >= 1 && square <= kTrackSquares) return 1 + trackDistance(seat, square);
    if (square == homeSquareOf(seat)) return 1 + 63 + kHomeColumnLength + 1;
    const int column = homeColumnStartOf(seat);
    if (square >= column && square < column + kHomeColumnLength) return 1 + 63 + (square - column + 1);
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

bool allSlotsEmpty(const MoveSlots& amounts) {
    for (const auto& slot : kAmountSlots)
        if (amounts.*slot.field != 0) return false;
    return true;
}

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

int oktomove(BoardState& b, int seat, int pawn, int amount, bool commit) {
    const Verdict v = judge(b, seat, pawn, amount);
    if (commit && v.landing != 0) {
        for (std::size_t i = 0; i < v.captureCount; ++i) {
            awardCaptureBonus(b.amounts);
            b.sendseat = v.captures[i].first;
            b.sendpawn = v.captures[i].second;
        }
    }
    return v.landing;
}

int oktomoveTest(const BoardState& b, int seat, int pawn, int amount) {
    return judge(b, seat, pawn, amount).landing;
}

bool checkformoves(const BoardState& b, int seat) {
    if (!isSeat(seat) || allSlotsEmpty(b.amounts)) return false;
    const SeatState& me = b.seats[seat];
    const int home = homeSquareOf(seat);
    for (int code : kMoveCodeOrder) {
        const int amount = amountOf(b.amounts, code);
        if (amount == 0) continue;
        for (int pawn = 1; pawn <= kPawnCount; ++pawn) {
            if (me.pawnsquare[pawn] == home) continue;
            if (oktomoveTest(b, seat, pawn, amount) != 0) return true;
        }
    }
    return false;
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
