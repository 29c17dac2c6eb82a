// SPDX-License-Identifier: GPL-3.0-or-later
// The user's clicks on the board, as the table model sees them: which requests they make and
// what they change in the picture (markers, the client's turn phase, canmove).
#include "table/table_model.h"
#include "table/table_model_detail.h"

namespace quadrino::table {

using model_detail::validPawn;
using model_detail::validSeat;

namespace {

// Runs a click and tells whether the picture changed.
template <typename Click> Outcome changes(TableState& state, Click click) {
    const TableState before = state;
    // Any click on the board also dismisses an error notice.
    state.errorShown = false;
    Outcome out;
    click(out);
    out.changed = !(state == before);
    return out;
}

} // namespace

Outcome TableModel::clickDice() {
    return changes(state_, [this](Outcome& out) {
        if (state_.turnseat != me_->myseat || state_.clientphase != 1) return;
        send(out, encode(RollRequest{me_->myseat}));
        // Also when the request could not go: a second click must not send again.
        state_.clientphase = 0;
    });
}

Outcome TableModel::clickPawn(int seat, int pawn, bool rightButton) {
    return changes(state_, [&](Outcome& out) {
        cleargrays();
        if (rightButton || !validSeat(seat) || !validPawn(pawn)) return;
        const int me = me_->myseat;
        if (seat != me) return;
        if (state_.turnseat != me && !state_.canmove) return;
        const ClientMirror m = mirror();
        if (boardpawn(seat, pawn) == 0) {
            const int code = enteringCode(m.amounts);
            if (code == 0 || !canEnter(m, me, pawn)) return;
            send(out, encode(MoveRequest{me, code, pawn}));
            state_.canmove = false;
            return;
        }
        const auto targets = markerTargets(m, me, pawn);
        for (int code = 1; code <= kMoveCodeCount; ++code) {
            const int target = targets[static_cast<std::size_t>(code)];
            if (target != 0) state_.markers[code] = MarkerView{true, target, pawn};
        }
    });
}

Outcome TableModel::clickMarker(int code) {
    return changes(state_, [&](Outcome& out) {
        if (code < 1 || code > kMoveCodeCount) return;
        const MarkerView clicked = state_.marker(code);
        for (MarkerView& m : state_.markers) m.shown = false;
        state_.chosenMarker = 0;
        if (state_.turnseat != me_->myseat || !state_.canmove || !me_->loggedin || !validPawn(clicked.pawn)) return;
        send(out, encode(MoveRequest{me_->myseat, code, clicked.pawn}));
        state_.canmove = false;
    });
}

Outcome TableModel::clickPass(int seat) {
    return changes(state_, [&](Outcome& out) {
        if (state_.turnseat == me_->myseat && state_.clientphase == 2) {
            send(out, encode(PassRequest{me_->myseat}));
            state_.clientphase = 0;
        }
        if (validSeat(seat)) seatAt(seat).pass = false;
    });
}

Outcome TableModel::clickStart() {
    Outcome out;
    if (me_->loggedin) out.openGameOptions = true;
    else out.messageBox = QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You are not connected");
    return out;
}

Outcome TableModel::closeError() {
    return changes(state_, [this](Outcome&) { state_.errorShown = false; });
}

Outcome TableModel::closeSummary() {
    return changes(state_, [this](Outcome&) { state_.summaryShown = false; });
}

Outcome TableModel::answerQuestion(bool botPlays) {
    return changes(state_, [&](Outcome& out) {
        state_.questionShown = false;
        if (botPlays || me_->myseat != 1 || !validSeat(state_.questionSeat)) return;
        send(out, encode(BotTakeoverRequest{me_->myseat, state_.questionSeat}));
    });
}

bool TableModel::seatMenuEnabled(int seat) const {
    if (!validSeat(seat)) return false;
    const std::string& name = state_.seat(seat).name;
    // A person holds the seat: the name is neither the computer player's nor "<Waiting>".
    return me_->amhost && name != botName(seat) && name != kWaiting;
}

Outcome TableModel::chooseSeatMenu(SeatMenuEntry entry, int seat) {
    if (entry == SeatMenuEntry::RemoveFromGame) return kick(seat);
    Outcome out;
    if (validSeat(seat)) send(out, encode(JustWatchRequest{seat, entry == SeatMenuEntry::SetToJustWatch ? "1" : "2"}));
    return out;
}

Outcome TableModel::kick(int number) {
    Outcome out;
    if (me_->amhost) send(out, encode(KickRequest{me_->myseat, number}));
    return out;
}

} // namespace quadrino::table
