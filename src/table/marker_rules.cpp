#include "table/marker_rules.h"

#include "host/board_rules.h"

namespace quadrino::table {

namespace {

constexpr const auto& kHome = kHomeSquare;
constexpr int kLastBoardSquare = 96;

bool validSeat(int seat) { return seat >= 1 && seat <= kSeatCount; }
bool validPawn(int pawn) { return pawn >= 1 && pawn <= kPawnCount; }

int bothOrNothing(int a, int b) { return a != 0 && b != 0 ? a + b : 0; }

} // namespace

int ClientAmounts::amount(int code) const {
    switch (code) {
    case 1: return dice1;
    case 2: return dice2;
    case 3: return bothOrNothing(dice1, dice2);
    case 4: return bonusTag(1);
    case 5: return bonusTag(2);
    case 6: return bonusTag(3);
    case 7: return bonusTag(4);
    case 8: return bothOrNothing(bonusTag(3), bonusTag(4));
    case 9: return bonusTag(5);
    case 10: return bonusTag(6);
    case 11: return bonusTag(7);
    case 12: return bonusTag(8);
    default: return 0;
    }
}

int ClientMirror::square(int seat, int pawn) const {
    if (!validSeat(seat) || !validPawn(pawn)) return 0;
    return boardpawns[static_cast<unsigned>(seat - 1)][static_cast<unsigned>(pawn - 1)];
}

// Squares, safety spots and stepping are the same for the client as for the host; only what
// the client does with them differs.
int homeSquareOf(int seat) { return validSeat(seat) ? kHome[static_cast<unsigned>(seat)] : 0; }

bool isSafeSquare(int square) { return quadrino::isSafeSquare(square); }

int stepSquare(int seat, int square) { return quadrino::stepSquare(seat, square); }

bool checkforblock(const BoardPawns& pawns, int square) {
    int count = 0;
    for (const auto& seat : pawns)
        for (int sq : seat)
            if (sq == square) ++count;
    return count >= 2;
}

bool nomorethentwo(const BoardPawns& pawns, int seat, int square) {
    if (!validSeat(seat)) return true;
    int count = 0;
    for (int sq : pawns[static_cast<unsigned>(seat - 1)])
        if (sq == square) ++count;
    return count < 2;
}

int markerTarget(const ClientMirror& m, int seat, int pawn, int code) {
    if (!validSeat(seat) || !validPawn(pawn)) return 0;
    const int home = homeSquareOf(seat);
    const int q = m.square(seat, pawn);
    // A pawn at start enters without a marker; squares the board does not have (only a
    // damaged announcement could bring them) get none either.
    if (q <= 0 || (q > kLastBoardSquare && q != home)) return 0;
    const int amount = m.amounts.amount(code);
    if (amount <= 0) return 0;

    int t = q;
    for (int i = 0; i < amount; ++i) {
        t = stepSquare(seat, t);
        if (t != home && checkforblock(m.boardpawns, t)) return 0;
    }
    if (t > home) return 0;
    if (t > kLastBoardSquare && t != home) return 0;

    for (int s = 1; s <= kSeatCount; ++s) {
        for (int p = 1; p <= kPawnCount; ++p) {
            if (m.square(s, p) != t) continue;
            bool allowed;
            if (isSafeSquare(t))
                allowed = s == seat && m.blocking && nomorethentwo(m.boardpawns, seat, t);
            else if (t == home)
                allowed = true;
            else if (s == seat)
                allowed = m.blocking && nomorethentwo(m.boardpawns, seat, t);
            else
                allowed = m.pouncing && !checkforblock(m.boardpawns, t);
            if (!allowed) return 0;
        }
    }
    return t;
}

std::array<int, kMoveCodeCount + 1> markerTargets(const ClientMirror& mirror, int seat, int pawn) {
    std::array<int, kMoveCodeCount + 1> out{};
    for (int code = 1; code <= kMoveCodeCount; ++code)
        out[static_cast<unsigned>(code)] = markerTarget(mirror, seat, pawn, code);
    return out;
}

int enteringCode(const ClientAmounts& a) {
    const std::array<int, 8> byCode = {0, a.dice1, a.dice2, a.dice1 + a.dice2, 0, 0, a.bonusTag(3), a.bonusTag(4)};
    for (int code = 1; code <= 7; ++code)
        if (byCode[static_cast<unsigned>(code)] == 5) return code;
    return 0;
}

} // namespace quadrino::table
