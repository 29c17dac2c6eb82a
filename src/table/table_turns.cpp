// SPDX-License-Identifier: GPL-3.0-or-later
// The announcements of a turn as the table model draws them: whose turn it is, the dice, the
// moves and captures, the penalties, passing, and the host's warnings and refusals.
#include "protocol/fields.h"
#include "table/table_model.h"
#include "table/table_model_detail.h"

namespace quadrino::table {

using namespace model_detail;

void TableModel::getnextplayer(const NextPlayer& m, Outcome& out) {
    if (!validSeat(m.seat) || !validPhase(m.phase)) return;
    const int seat = m.seat;
    state_.canmove = false;
    state_.errorShown = false;
    state_.turnseat = seat;
    cleargrays();
    hideTurnHighlights();
    hidePassButtons();
    hideBonusTokens(kBonusSlots, true);
    seatAt(seat).turn = true;
    state_.clientphase = m.phase;
    state_.dice.face = {1, 1};
    if (isOwn(seat) && !rollingAgain_) recordBlockPartners();
    rollingAgain_ = false;
    if (m.phase == 1) {
        state_.dice.place = DicePlace::Corner;
        state_.dice.cornerSeat = seat;
    }
    // The seat decides, not the name: a peer may well log in under the user's own name.
    if (isOwn(seat)) {
        setStatus(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "Your Turn.")));
        turnSound(out);
    } else {
        setStatus(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1's turn."), {plain(seatAt(seat).name)}));
    }
}

void TableModel::hisdice(const HisDice& m, Outcome& out) {
    if (!validSeat(m.seat) || !validPhase(m.phase)) return;
    showDice(m.die1, m.die2);
    setbonus(3, m.double1);
    setbonus(4, m.double2);
    if (m.double1 > 0) {
        setLog(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", " DOUBLES!")));
        out.sounds.emplace_back("dice");
    } else {
        out.sounds.emplace_back("doubledice");
    }
    if (isOwn(m.seat)) {
        state_.canmove = true;
        state_.clientphase = m.phase;
        state_.dice.value = {m.die1, m.die2};
        if (m.passAllowed) seatAt(m.seat).pass = true;
    }
}

void TableModel::movehim(const MoveHim& m, Outcome& out) {
    if (!validSeat(m.seat) || !validPawn(m.pawn) || !validSquare(m.square)) return;
    const int seat = m.seat;
    const int pawn = m.pawn;
    const int square = m.square;
    const int home = homeSquareOf(seat);
    setprogress(seat, m.progress);
    if (m.code == 1 || m.code == 2) {
        cleardice(m.code);
    } else if (m.code == 3) {
        cleardice(1);
        cleardice(2);
    }
    bool partnerThere = false;
    for (int p = 1; p <= kPawnCount; ++p)
        if (p != pawn && boardpawn(seat, p) == square) partnerThere = true;
    pawnAt(seat, pawn).square = square;
    const UiText name = plain(seatAt(seat).name);
    if (square == home) {
        setLog(isOwn(seat) ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You have moved a pawn HOME."))
                           : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 moved a pawn HOME."), {name}));
        pawnAt(seat, pawn).paired = false;
    } else {
        setLog(isOwn(seat) ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You have moved a pawn.")) : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 moved a pawn."), {name}));
        pawnAt(seat, pawn).paired = partnerThere && square != 0;
    }
    setAmounts(m.amounts);
    if (m.moreMoves) state_.canmove = true;
    // A pawn whose partner just left its square goes back to the middle of it.
    for (int p = 1; p <= kPawnCount; ++p) {
        if (p == pawn) continue;
        const int sq = boardpawn(seat, p);
        if (sq == 0 || sq == home || sq > kLastBoardSquare) continue;
        int together = 0;
        for (int other = 1; other <= kPawnCount; ++other)
            if (boardpawn(seat, other) == sq) ++together;
        if (together == 1) pawnAt(seat, p).paired = false;
    }
    out.sounds.emplace_back("movepiece");
}

void TableModel::sendback(const SendBack& m, Outcome& out) {
    if (!validSeat(m.mover) || !validSeat(m.seat) || !validPawn(m.pawn)) return;
    sendPawnHome(m.seat, m.pawn);
    setprogress(m.seat, m.progress);
    const UiText captured = plain(seatAt(m.seat).name);
    if (isOwn(m.mover)) {
        setLog(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You have sent %1 back to start."), {captured}));
        out.sounds.emplace_back("gotbonus");
    } else {
        setLog(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 sent %2 back to start."), {plain(seatAt(m.mover).name), captured}));
        out.sounds.emplace_back("sendback");
    }
}

void TableModel::rollagain(const RollAgain& m, Outcome& out) {
    const int seat = m.seat;
    if (!validSeat(seat)) return;
    setLog(isOwn(seat) ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You get to roll again."))
                       : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 gets to roll again."), {plain(seatAt(seat).name)}));
    rollingAgain_ = true;
    out.sounds.emplace_back("rollagain");
}

void TableModel::nomoves(const NoMoves& m, Outcome& out) {
    const int seat = m.seat;
    if (!validSeat(seat)) return;
    setLog(isOwn(seat) ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You have no valid moves."))
                       : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 has no valid moves."), {plain(seatAt(seat).name)}));
    cleargrays();
    hidePassButtons();
    out.sounds.emplace_back("nomoves");
}

void TableModel::passing(const Passing& m, Outcome& out) {
    const int seat = m.seat;
    if (!validSeat(seat)) return;
    setLog(isOwn(seat) ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You have passed."))
                       : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 has passed."), {plain(seatAt(seat).name)}));
    cleargrays();
    hideBonusTokens(4, false);
    hidePassButtons();
    out.sounds.emplace_back("nomoves");
}

void TableModel::gotpenalty(const GotPenalty& m, Outcome& out) {
    if (!validSeat(m.seat) || m.pawn < 0 || m.pawn > kPawnCount) return;
    if (m.pawn != 0) {
        sendPawnHome(m.seat, m.pawn);
        setprogress(m.seat, m.progress);
    }
    setLog(isOwn(m.seat) ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You got a Doubles Penalty."))
                         : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 got a 3 Double Penalty."), {plain(seatAt(m.seat).name)}));
    cleargrays();
    hidePassButtons();
    showDice(m.die1, m.die2);
    setbonus(3, m.die1);
    setbonus(4, m.die2);
    out.sounds.emplace_back("nomoves");
}

void TableModel::gotpenalty1(const GotPenalty1& m, Outcome& out) {
    if (!validSeat(m.seat) || m.pawn < 0 || m.pawn > kPawnCount) return;
    if (m.pawn != 0) {
        sendPawnHome(m.seat, m.pawn);
        setprogress(m.seat, m.progress);
    }
    setLog(isOwn(m.seat) ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You got a Limit Penalty"))
                         : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 got a Limited Penalty"), {plain(seatAt(m.seat).name)}));
    cleargrays();
    out.sounds.emplace_back("nomoves");
}

void TableModel::warning(const Warning& m) {
    if (!validSeat(m.seat) || !validPawn(m.pawn)) return;
    WarningView& w = state_.warning;
    w.moved = true;
    w.seat = m.seat;
    w.pawn = m.pawn;
    w.at = pawnAt(m.seat, m.pawn);
    if (isOwn(m.seat)) {
        w.ticks = 0;
        w.shown = true;
    }
}

bool TableModel::warningTick() {
    WarningView& w = state_.warning;
    if (!w.shown) return false;
    ++w.ticks;
    if (w.ticks > kWarningFrames) w.shown = false;
    return w.shown;
}

void TableModel::aerror(const AError& m, Outcome& out) {
    if (!isOwn(m.seat)) return;
    switch (m.code) {
    case 1: setError(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You have already rolled the die."))); break;
    case 2: setError(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You need to roll the die"))); break;
    case 3: setError(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "That dice is already used."))); break;
    case 4: setError(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You do not have a bonus move."))); break;
    case 5: setError(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "That is not a valid move."))); break;
    default: setError(plain(std::to_string(m.code))); break;
    }
    state_.canmove = true;
    state_.errorShown = true;
    out.sounds.emplace_back("notvalid");
}

} // namespace quadrino::table
