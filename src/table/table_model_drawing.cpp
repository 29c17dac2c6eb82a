// SPDX-License-Identifier: GPL-3.0-or-later
// What the table model changes on the board: the drawing operations the announcements share.
#include <algorithm>

#include "table/table_model.h"
#include "table/table_model_detail.h"

namespace quadrino::table {

using namespace model_detail;

// ---- Drawing operations ----------------------------------------------------------------

// The start button waits between games; during one the File menu still starts a new game.
void TableModel::setHosting(bool hosting) { state_.startShown = hosting && !state_.gameRunning; }

void TableModel::setbonus(int n, int value) {
    if (n < 1 || n > kBonusSlots) return;
    state_.bonus[n] = value;
    state_.bonusShown[n] = value > 0;
}

void TableModel::setAmounts(const MoveSlotsView& a) {
    setbonus(1, a.bonus20a);
    setbonus(5, a.bonus20b);
    setbonus(6, a.bonus20c);
    setbonus(2, a.bonus10a);
    setbonus(7, a.bonus10b);
    setbonus(8, a.bonus10c);
    setbonus(3, a.double1);
    setbonus(4, a.double2);
}

void TableModel::setprogress(int seat, int value) {
    // Only a damaged announcement could ask for more than the trough holds.
    if (validSeat(seat)) seatAt(seat).progress = std::clamp(value / 2, 0, kFullProgress);
}

void TableModel::cleardice(int n) {
    if (n < 1 || n > kMoveCodeCount) return;
    state_.markers[n] = MarkerView{};
    if (n <= 2) {
        state_.dice.face[n] = -1;
        state_.dice.value[n] = 0;
    }
}

void TableModel::setLog(UiText text) {
    state_.log = text.english();
    state_.logWords = std::move(text);
    ++state_.logLines;
}

void TableModel::setStatus(UiText text) {
    state_.status = text.english();
    state_.statusWords = std::move(text);
}

void TableModel::setError(UiText text) {
    state_.errorText = text.english();
    state_.errorWords = std::move(text);
}

void TableModel::cleargrays() {
    state_.markers.fill(MarkerView{});
    state_.chosenMarker = 0;
}

void TableModel::hideBonusTokens(int upTo, bool clearAmounts) {
    for (int n = 1; n <= upTo; ++n) {
        state_.bonusShown[n] = false;
        if (clearAmounts) state_.bonus[n] = 0;
    }
}

void TableModel::hidePassButtons() {
    for (SeatView& s : state_.seats) s.pass = false;
}

void TableModel::hideTurnHighlights() {
    for (SeatView& s : state_.seats) s.turn = false;
}

void TableModel::clearall() {
    cleargrays();
    state_.errorShown = false;
    hideBonusTokens(kBonusSlots, true);
    for (int s = 1; s <= kSeatCount; ++s) {
        SeatView& seat = seatAt(s);
        seat.eyes = seat.turn = seat.winner = seat.pass = false;
        seat.progress = 0;
        // Shown or hidden stays as it was: that belongs to the seat being in the game.
        for (int p = 1; p <= kPawnCount; ++p) {
            pawnAt(s, p).square = 0;
            pawnAt(s, p).paired = false;
        }
    }
}

void TableModel::setplayer(int seat, std::string_view flag, Outcome& out) {
    if (seat != 3 && seat != 4) return;
    const bool playing = flag != "f";
    for (PawnView& pawn : state_.pawns[seat]) pawn.shown = playing;
    state_.out[seat] = !playing;
    if (!playing && isOwn(seat))
        notice(out, said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "The game has already started, you will have to wait for the next game before you can play.")));
}

void TableModel::showDice(int die1, int die2) {
    DiceView& d = state_.dice;
    d.face = {die1, die2};
    d.place = DicePlace::Rolled;
    for (int& drop : d.rolledDrop) drop = static_cast<int>(random_.below(kRolledDiceSpread));
}

void TableModel::sendPawnHome(int seat, int pawn) { pawnAt(seat, pawn) = PawnView{0, false, pawnAt(seat, pawn).shown}; }

void TableModel::setOptions(const GameOptions& options, OptionCarrier carrier) {
    for (const GameOptionRow& row : kGameOptions)
        if (row.fieldIn(carrier) != 0) setOption(row, row.value(options));
}

void TableModel::setOption(const GameOptionRow& row, int value) {
    row.set(state_.options, value);
    state_.rules[static_cast<std::size_t>(row.id)] = optionLabel(row, value);
}

void TableModel::send(Outcome& out, std::string message) const {
    if (me_->loggedin) out.requests.push_back(std::move(message));
}

void TableModel::turnSound(Outcome& out) const { out.sounds.emplace_back(newTurnSound_ ? "turnnew" : "turn"); }

} // namespace quadrino::table
