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
        state_.status = "Your Turn.";
        turnSound(out);
    } else {
        state_.status = seatAt(seat).name + "'s turn.";
    }
}

void TableModel::hisdice(const HisDice& m, Outcome& out) {
    if (!validSeat(m.seat) || !validPhase(m.phase)) return;
    showDice(m.die1, m.die2);
    setbonus(3, m.double1);
    setbonus(4, m.double2);
    if (m.double1 > 0) {
        setLog(" DOUBLES!");
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
    const std::string who = isOwn(seat) ? "You have moved" : seatAt(seat).name + " moved";
    if (square == home) {
        setLog(who + " a pawn HOME.");
        pawnAt(seat, pawn).paired = false;
    } else {
        setLog(who + " a pawn.");
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
    const std::string captured = seatAt(m.seat).name;
    if (isOwn(m.mover)) {
        setLog("You have sent " + captured + " back to start.");
        out.sounds.emplace_back("gotbonus");
    } else {
        setLog(seatAt(m.mover).name + " sent " + captured + " back to start.");
        out.sounds.emplace_back("sendback");
    }
}

void TableModel::rollagain(const RollAgain& m, Outcome& out) {
    const int seat = m.seat;
    if (!validSeat(seat)) return;
    setLog(isOwn(seat) ? "You get to roll again." : seatAt(seat).name + " gets to roll again.");
    rollingAgain_ = true;
    out.sounds.emplace_back("rollagain");
}

void TableModel::nomoves(const NoMoves& m, Outcome& out) {
    const int seat = m.seat;
    if (!validSeat(seat)) return;
    setLog(isOwn(seat) ? "You have no valid moves." : seatAt(seat).name + " has no valid moves.");
    cleargrays();
    hidePassButtons();
    out.sounds.emplace_back("nomoves");
}

void TableModel::passing(const Passing& m, Outcome& out) {
    const int seat = m.seat;
    if (!validSeat(seat)) return;
    setLog(isOwn(seat) ? "You have passed." : seatAt(seat).name + " has passed.");
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
    setLog(isOwn(m.seat) ? "You got a Doubles Penalty." : seatAt(m.seat).name + " got a 3 Double Penalty.");
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
    setLog(isOwn(m.seat) ? "You got a Limit Penalty" : seatAt(m.seat).name + " got a Limited Penalty");
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
    case 1: state_.errorText = "You have already rolled the die."; break;
    case 2: state_.errorText = "You need to roll the die"; break;
    case 3: state_.errorText = "That dice is already used."; break;
    case 4: state_.errorText = "You do not have a bonus move."; break;
    case 5: state_.errorText = "That is not a valid move."; break;
    default: state_.errorText = std::to_string(m.code); break;
    }
    state_.canmove = true;
    state_.errorShown = true;
    out.sounds.emplace_back("notvalid");
}

} // namespace quadrino::table
