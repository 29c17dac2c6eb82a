// SPDX-License-Identifier: GPL-3.0-or-later
// The announcements of a turn as the table model draws them: whose turn it is, the dice, the
// moves and captures, the penalties, passing, and the host's warnings and refusals.
#include "protocol/fields.h"
#include "table/table_model.h"
#include "table/table_model_detail.h"

namespace quadrino::table {

using namespace model_detail;

void TableModel::getnextplayer(std::string_view body, Outcome& out) {
    const auto info = parseNextplayer(body);
    if (!info || !validSeat(info->seat) || !validPhase(info->phase)) return;
    const int seat = info->seat;
    state_.canmove = false;
    state_.errorShown = false;
    state_.turnseat = seat;
    cleargrays();
    hideTurnHighlights();
    hidePassButtons();
    hideBonusTokens(kBonusSlots, true);
    seatAt(seat).turn = true;
    state_.clientphase = info->phase;
    state_.dice.face = {1, 1};
    if (isOwn(seat) && !rollingAgain_) recordBlockPartners();
    rollingAgain_ = false;
    if (info->phase == 1) {
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

void TableModel::hisdice(std::string_view body, Outcome& out) {
    const auto info = parseHisdice(body);
    if (!info || !validSeat(info->seat) || !validPhase(info->phase) || !validDie(info->die1) || !validDie(info->die2) ||
        !validDie(info->double1) || !validDie(info->double2))
        return;
    showDice(info->die1, info->die2);
    setbonus(3, info->double1);
    setbonus(4, info->double2);
    if (info->double1 > 0) {
        setLog(" DOUBLES!");
        out.sounds.emplace_back("dice");
    } else {
        out.sounds.emplace_back("doubledice");
    }
    if (isOwn(info->seat)) {
        state_.canmove = true;
        state_.clientphase = info->phase;
        state_.dice.value = {info->die1, info->die2};
        if (info->passAllowed) seatAt(info->seat).pass = true;
    }
}

void TableModel::movehim(std::string_view body, Outcome& out) {
    const auto info = parseMovehim(body);
    if (!info || !validSeat(info->seat) || !validPawn(info->pawn) || !validSquare(info->square) ||
        !validAmounts(info->amounts))
        return;
    const int seat = info->seat;
    const int pawn = info->pawn;
    const int square = info->square;
    const int home = homeSquareOf(seat);
    setprogress(seat, info->progress);
    if (info->code == 1 || info->code == 2) {
        cleardice(info->code);
    } else if (info->code == 3) {
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
    setAmounts(info->amounts);
    if (info->moreMoves) state_.canmove = true;
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

void TableModel::sendback(std::string_view body, Outcome& out) {
    const auto info = parseSendback(body);
    if (!info || !validSeat(info->mover) || !validSeat(info->seat) || !validPawn(info->pawn)) return;
    sendPawnHome(info->seat, info->pawn);
    setprogress(info->seat, info->progress);
    const std::string captured = seatAt(info->seat).name;
    if (isOwn(info->mover)) {
        setLog("You have sent " + captured + " back to start.");
        out.sounds.emplace_back("gotbonus");
    } else {
        setLog(seatAt(info->mover).name + " sent " + captured + " back to start.");
        out.sounds.emplace_back("sendback");
    }
}

void TableModel::rollagain(std::string_view body, Outcome& out) {
    const auto seat = parseFirstNumber(body);
    if (!seat || !validSeat(*seat)) return;
    setLog(isOwn(*seat) ? "You get to roll again." : seatAt(*seat).name + " gets to roll again.");
    rollingAgain_ = true;
    out.sounds.emplace_back("rollagain");
}

void TableModel::nomoves(std::string_view body, Outcome& out) {
    const auto seat = parseFirstNumber(body);
    if (!seat || !validSeat(*seat)) return;
    setLog(isOwn(*seat) ? "You have no valid moves." : seatAt(*seat).name + " has no valid moves.");
    cleargrays();
    hidePassButtons();
    out.sounds.emplace_back("nomoves");
}

void TableModel::passing(std::string_view body, Outcome& out) {
    const auto seat = parseFirstNumber(body);
    if (!seat || !validSeat(*seat)) return;
    setLog(isOwn(*seat) ? "You have passed." : seatAt(*seat).name + " has passed.");
    cleargrays();
    hideBonusTokens(4, false);
    hidePassButtons();
    out.sounds.emplace_back("nomoves");
}

void TableModel::gotpenalty(std::string_view body, Outcome& out) {
    const auto info = parseGotpenalty(body);
    if (!info || !validSeat(info->seat) || info->pawn < 0 || info->pawn > kPawnCount || !validDie(info->die1) ||
        !validDie(info->die2))
        return;
    if (info->pawn != 0) {
        sendPawnHome(info->seat, info->pawn);
        setprogress(info->seat, info->progress);
    }
    setLog(isOwn(info->seat) ? "You got a Doubles Penalty." : seatAt(info->seat).name + " got a 3 Double Penalty.");
    cleargrays();
    hidePassButtons();
    showDice(info->die1, info->die2);
    setbonus(3, info->die1);
    setbonus(4, info->die2);
    out.sounds.emplace_back("nomoves");
}

void TableModel::gotpenalty1(std::string_view body, Outcome& out) {
    const auto info = parseGotpenalty1(body);
    if (!info || !validSeat(info->seat) || info->pawn < 0 || info->pawn > kPawnCount) return;
    if (info->pawn != 0) {
        sendPawnHome(info->seat, info->pawn);
        setprogress(info->seat, info->progress);
    }
    setLog(isOwn(info->seat) ? "You got a Limit Penalty" : seatAt(info->seat).name + " got a Limited Penalty");
    cleargrays();
    out.sounds.emplace_back("nomoves");
}

void TableModel::warning(std::string_view body) {
    const auto info = parseWarning(body);
    if (!info || !validSeat(info->seat) || !validPawn(info->pawn)) return;
    WarningView& w = state_.warning;
    w.moved = true;
    w.seat = info->seat;
    w.pawn = info->pawn;
    w.at = pawnAt(info->seat, info->pawn);
    if (isOwn(info->seat)) {
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

void TableModel::aerror(std::string_view body, Outcome& out) {
    const auto info = parseAerror(body);
    if (!info || !isOwn(info->seat)) return;
    switch (info->phase) {
    case 1: state_.errorText = "You have already rolled the die."; break;
    case 2: state_.errorText = "You need to roll the die"; break;
    case 3: state_.errorText = "That dice is already used."; break;
    case 4: state_.errorText = "You do not have a bonus move."; break;
    case 5: state_.errorText = "That is not a valid move."; break;
    default: state_.errorText = std::to_string(info->phase); break;
    }
    state_.canmove = true;
    state_.errorShown = true;
    out.sounds.emplace_back("notvalid");
}

} // namespace quadrino::table
