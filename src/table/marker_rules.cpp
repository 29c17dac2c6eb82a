#include "table/marker_rules.h"

#include "host/board_rules.h"

namespace quadrino::table {

namespace {

// BoardPawns counts from 0; everything else here takes the game's own numbers.
std::size_t row(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

} // namespace

int ClientAmounts::amount(int code) const {
    return amountOf(code, [this](AmountSlot slot) {
        if (slot == AmountSlot::die1) return dice1;
        if (slot == AmountSlot::die2) return dice2;
        return bonusTag(bonusPictureOf(slot));
    });
}

int ClientMirror::square(int seat, int pawn) const {
    if (!isSeat(seat) || !isPawn(pawn)) return 0;
    return boardpawns[row(seat)][row(pawn)];
}

// Squares, safety spots and stepping are the same for the client as for the host; only what
// the client does with them differs.
int stepSquare(int seat, int square) { return quadrino::stepSquare(seat, square); }

bool checkforblock(const BoardPawns& pawns, int square) {
    int count = 0;
    for (const auto& seat : pawns)
        for (int sq : seat)
            if (sq == square) ++count;
    return count >= 2;
}

bool nomorethentwo(const BoardPawns& pawns, int seat, int square) {
    if (!isSeat(seat)) return true;
    int count = 0;
    for (int sq : pawns[row(seat)])
        if (sq == square) ++count;
    return count < 2;
}

int markerTarget(const ClientMirror& m, int seat, int pawn, int code) {
    if (!isSeat(seat) || !isPawn(pawn)) return 0;
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
        out[static_cast<std::size_t>(code)] = markerTarget(mirror, seat, pawn, code);
    return out;
}

int enteringCode(const ClientAmounts& a) {
    // A die, the plain sum of the dice or a doubles copy; the bonus codes 4 and 5 never enter.
    for (int code = 1; code <= 7; ++code) {
        const int amount = code == 3 ? a.dice1 + a.dice2 : (code == 4 || code == 5) ? 0 : a.amount(code);
        if (amount == 5) return code;
    }
    return 0;
}

} // namespace quadrino::table
