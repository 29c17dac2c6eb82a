// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/marker_rules.h"

namespace quadrino::table {

namespace {

// BoardPawns counts from 0; everything else here takes the game's own numbers.
std::size_t row(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

// The rule book's board as this client sees it. Block partners are known for the user's seat
// only, which is the only seat the client ever asks about.
BoardState hostBoard(const ClientMirror& m, int seat) {
    BoardState b;
    b.options = m.options;
    for (int s = 1; s <= kSeatCount; ++s)
        for (int p = 1; p <= kPawnCount; ++p) b.seats[s].pawnsquare[p] = m.boardpawns[row(s)][row(p)];
    if (isSeat(seat))
        for (int p = 1; p <= kPawnCount; ++p) {
            const int partner = m.blockpartner[row(p)];
            b.seats[seat].blockpartner[p] = isPawn(partner) ? partner : 0;
        }
    return b;
}

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

int markerTarget(const ClientMirror& m, int seat, int pawn, int code) {
    if (!isSeat(seat) || !isPawn(pawn)) return 0;
    const int home = homeSquareOf(seat);
    const int q = m.square(seat, pawn);
    // A pawn at start enters without a marker; squares the board does not have (only a
    // damaged announcement could bring them) get none either.
    if (q <= 0 || (q > kLastBoardSquare && q != home)) return 0;
    const int amount = m.amounts.amount(code);
    if (amount <= 0) return 0;
    const BoardState b = hostBoard(m, seat);
    return oktomove(b, SquareCounts(b), seat, pawn, amount);
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

namespace quadrino::table {

bool canEnter(const ClientMirror& m, int seat, int pawn) {
    if (!isSeat(seat) || !isPawn(pawn) || m.square(seat, pawn) != 0 || enteringCode(m.amounts) == 0) return false;
    const BoardState b = hostBoard(m, seat);
    return oktomove(b, SquareCounts(b), seat, pawn, 5) != 0;
}

bool canMove(const ClientMirror& m, int seat, int pawn) {
    if (!isSeat(seat) || !isPawn(pawn)) return false;
    if (m.square(seat, pawn) == 0) return canEnter(m, seat, pawn);
    for (int code = 1; code <= kMoveCodeCount; ++code)
        if (markerTarget(m, seat, pawn, code) != 0) return true;
    return false;
}

} // namespace quadrino::table
