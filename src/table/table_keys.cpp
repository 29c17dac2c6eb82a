// SPDX-License-Identifier: GPL-3.0-or-later
// The board's keys. Each one stands for a click and takes that click's path through the
// model, so the keyboard can neither do more nor less than the mouse; only walking the
// markers shown and reading the board aloud are the keyboard's own.
#include <algorithm>
#include <utility>

#include "table/table_access.h"
#include "table/table_model.h"
#include "table/table_model_detail.h"

namespace quadrino::table {

using model_detail::notice;
using model_detail::validSeat;

namespace {

int chosenPawn(const TableState& s) {
    for (const MarkerView& m : s.markers)
        if (m.shown) return m.pawn;
    return 0;
}

} // namespace

Outcome TableModel::pressKey(BoardKey key) {
    const int me = me_->myseat;
    switch (key) {
    case BoardKey::Pawn1:
    case BoardKey::Pawn2:
    case BoardKey::Pawn3:
    case BoardKey::Pawn4: {
        if (!validSeat(me)) return {};
        const int pawn = static_cast<int>(key) - static_cast<int>(BoardKey::Pawn1) + 1;
        Outcome out = clickPawn(me, pawn, false);
        // The nearest move is chosen at once: "2, Enter" moves pawn 2 by the smallest amount.
        const std::vector<int> cycle = markerCycle(state_);
        if (!cycle.empty()) {
            state_.chosenMarker = cycle.front();
            out.changed = true;
        }
        return out;
    }
    case BoardKey::Roll:
        if (state_.turnseat != me || state_.clientphase != 1) return {};
        return clickDice();
    case BoardKey::NextMarker:
    case BoardKey::PreviousMarker: {
        const std::vector<int> cycle = markerCycle(state_);
        if (cycle.empty()) return {};
        const auto found = std::find(cycle.begin(), cycle.end(), state_.chosenMarker);
        const auto count = static_cast<std::ptrdiff_t>(cycle.size());
        std::ptrdiff_t index = found == cycle.end() ? -1 : found - cycle.begin();
        if (key == BoardKey::NextMarker) index = (index + 1) % count;
        else index = index <= 0 ? count - 1 : index - 1;
        Outcome out;
        const int chosen = cycle[static_cast<std::size_t>(index)];
        out.changed = chosen != state_.chosenMarker;
        state_.chosenMarker = chosen;
        return out;
    }
    case BoardKey::Move: {
        const int code = state_.chosenMarker;
        if (code < 1 || code > kMoveCodeCount || !state_.marker(code).shown) return {};
        return clickMarker(code);
    }
    case BoardKey::Clear:
        // As a right click on the pawn: the markers go; with none shown, an error notice goes.
        if (const int pawn = chosenPawn(state_); pawn != 0) return clickPawn(me, pawn, true);
        if (state_.errorShown) return closeError();
        return {};
    case BoardKey::Pass:
        if (!validSeat(me) || !state_.seat(me).pass) return {};
        return clickPass(me);
    case BoardKey::Summary: {
        Outcome out;
        for (UiText& line : boardSummary(state_, me)) notice(out, std::move(line));
        return out;
    }
    }
    return {};
}

} // namespace quadrino::table
