#include "host/board_rules.h"

#include <array>
#include <cstddef>
#include <utility>

namespace quadrino {

namespace {

constexpr std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}
constexpr bool validSeat(int seat) {
    return seat >= 1 && seat <= 4;
}
constexpr bool validPawn(int pawn) {
    return pawn >= 1 && pawn <= 4;
}

// What a move would do, worked out without touching the board, so that a refusal found
// late in the scan can leave a committed move without side effects.
struct Verdict {
    int landing = 0;      // 0 = refused
    int progressGain = 0; // what the seat's progress grows by when the move is committed
    std::array<std::pair<int, int>, 16> captures{};
    std::size_t captureCount = 0;

    void capture(int seat, int pawn) { captures[captureCount++] = {seat, pawn}; }
};

// Entering from start: only a five, and only past what stands on the start square.
Verdict judgeEntry(const BoardState& b, int seat, int amount) {
    Verdict v;
    if (amount != 5) return v;
    const int target = b.seats[at(seat)].startsquare;
    for (int s = 1; s <= 4; ++s) {
        for (int p = 1; p <= 4; ++p) {
            if (b.seats[at(s)].pawnsquare[at(p)] != target) continue;
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
    v.progressGain = 1;
    return v;
}

Verdict judgeStep(const BoardState& b, int seat, int pawn, int amount) {
    const SeatState& me = b.seats[at(seat)];
    const int home = me.homesquare;
    int target = me.pawnsquare[at(pawn)];
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
    for (int s = 1; s <= 4; ++s) {
        for (int p = 1; p <= 4; ++p) {
            if (b.seats[at(s)].pawnsquare[at(p)] != target) continue;
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
                if (b.options.blocking && !morethentwo(b, seat, target) && me.blockpartner[at(p)] != pawn)
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
    v.progressGain = amount;
    return v;
}

Verdict judge(const BoardState& b, int seat, int pawn, int amount) {
    if (!validSeat(seat) || !validPawn(pawn) || amount < 1) return Verdict{};
    if (b.seats[at(seat)].pawnsquare[at(pawn)] == 0) return judgeEntry(b, seat, amount);
    return judgeStep(b, seat, pawn, amount);
}

int countOn(const BoardState& b, int seat, int square) {
    int n = 0;
    for (int p = 1; p <= 4; ++p)
        if (b.seats[at(seat)].pawnsquare[at(p)] == square) ++n;
    return n;
}

} // namespace

bool isSafeSquare(int square) {
    switch (square) {
    case 5:
    case 12:
    case 17:
    case 22:
    case 29:
    case 34:
    case 39:
    case 46:
    case 51:
    case 56:
    case 63:
    case 68:
        return true;
    default:
        return false;
    }
}

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
    if (!validSeat(seat)) return 0;
    const int start = kStartSquare[at(seat)];
    return square >= start ? square - start : square + 68 - start;
}

std::optional<int> amountOfCode(const MoveSlots& amounts, int code) {
    switch (code) {
    case 1:
        return amounts.die1;
    case 2:
        return amounts.die2;
    case 3:
        return amounts.die1 != 0 && amounts.die2 != 0 ? amounts.die1 + amounts.die2 : 0;
    case 4:
        return amounts.bonus20a;
    case 5:
        return amounts.bonus10a;
    case 6:
        return amounts.double1;
    case 7:
        return amounts.double2;
    case 8:
        return amounts.double1 != 0 && amounts.double2 != 0 ? amounts.double1 + amounts.double2 : 0;
    case 9:
        return amounts.bonus20b;
    case 10:
        return amounts.bonus20c;
    case 11:
        return amounts.bonus10b;
    case 12:
        return amounts.bonus10c;
    default:
        return std::nullopt;
    }
}

int unavailableError(int code) {
    if (code >= 1 && code <= 3) return 3;
    if (code >= 4 && code <= 12) return 4;
    return 5;
}

void spendCode(MoveSlots& amounts, int code) {
    switch (code) {
    case 1:
        amounts.die1 = 0;
        break;
    case 2:
        amounts.die2 = 0;
        break;
    case 3:
        amounts.die1 = 0;
        amounts.die2 = 0;
        break;
    case 4:
        amounts.bonus20a = 0;
        break;
    case 5:
        amounts.bonus10a = 0;
        break;
    case 6:
        amounts.double1 = 0;
        break;
    case 7:
        amounts.double2 = 0;
        break;
    case 8:
        amounts.double1 = 0;
        amounts.double2 = 0;
        break;
    case 9:
        amounts.bonus20b = 0;
        break;
    case 10:
        amounts.bonus20c = 0;
        break;
    case 11:
        amounts.bonus10b = 0;
        break;
    case 12:
        amounts.bonus10c = 0;
        break;
    default:
        break;
    }
}

bool allSlotsEmpty(const MoveSlots& amounts) {
    return amounts.die1 == 0 && amounts.die2 == 0 && amounts.double1 == 0 && amounts.double2 == 0 &&
           amounts.bonus20a == 0 && amounts.bonus20b == 0 && amounts.bonus20c == 0 && amounts.bonus10a == 0 &&
           amounts.bonus10b == 0 && amounts.bonus10c == 0;
}

bool checkfortwo(const BoardState& b, int square) {
    int n = 0;
    for (int s = 1; s <= 4; ++s)
        n += countOn(b, s, square);
    return n >= 2;
}

bool morethentwo(const BoardState& b, int seat, int square) {
    return validSeat(seat) && countOn(b, seat, square) >= 2;
}

bool notteamie(const BoardState& b, int seat, int other) {
    if (!b.options.teamgame) return true;
    const bool teamA = (seat == 1 && other == 2) || (seat == 2 && other == 1);
    const bool teamB = (seat == 3 && other == 4) || (seat == 4 && other == 3);
    return !(teamA || teamB);
}

int oktomove(BoardState& b, int seat, int pawn, int amount, bool commit) {
    const Verdict v = judge(b, seat, pawn, amount);
    if (commit && v.landing != 0) {
        for (std::size_t i = 0; i < v.captureCount; ++i) {
            awardCaptureBonus(b.amounts);
            b.sendseat = v.captures[i].first;
            b.sendpawn = v.captures[i].second;
        }
        b.seats[at(seat)].progress += v.progressGain;
    }
    return v.landing;
}

int oktomoveTest(const BoardState& b, int seat, int pawn, int amount) {
    return judge(b, seat, pawn, amount).landing;
}

bool checkformoves(const BoardState& b, int seat) {
    if (!validSeat(seat) || allSlotsEmpty(b.amounts)) return false;
    const SeatState& me = b.seats[at(seat)];
    for (int code : kMoveCodeOrder) {
        const int amount = amountOfCode(b.amounts, code).value_or(0);
        if (amount == 0) continue;
        for (int pawn = 1; pawn <= 4; ++pawn) {
            if (me.pawnsquare[at(pawn)] == me.homesquare) continue;
            if (oktomoveTest(b, seat, pawn, amount) != 0) return true;
        }
    }
    return false;
}

int findclosestpawn(const BoardState& b, int seat) {
    if (!validSeat(seat)) return 0;
    int best = 0;
    int bestDistance = 0;
    for (int pawn = 1; pawn <= 4; ++pawn) {
        const int square = b.seats[at(seat)].pawnsquare[at(pawn)];
        if (square < 1 || square > 68) continue;
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

} // namespace quadrino
