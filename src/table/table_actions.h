// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user did on the board, as the board panel reports it. The panel only draws the
// table model; whoever takes these reports is the model's one writer: it hands each to the
// model and carries out the answer (requests for the host, chat lines, sounds, dialogs)
// before it returns, and returns that answer for whoever wants to look at it.
//
// Seats, pawns and move codes are numbered from 1, as on the board; numbers the board does
// not have change nothing.
#include "table/table_model.h"

namespace quadrino::table {

class TableActions {
public:
    virtual Outcome clickDice() = 0;
    virtual Outcome clickPawn(int seat, int pawn, bool rightButton) = 0;
    virtual Outcome clickMarker(int code) = 0;
    virtual Outcome clickPass(int seat) = 0;
    virtual Outcome clickStart() = 0; // also File > "Start Game"
    virtual Outcome closeError() = 0;
    // The computer-player question: yes lets the bot play on, no takes the seat out.
    virtual Outcome answerQuestion(bool botPlays) = 0;
    virtual Outcome pressKey(BoardKey key) = 0;
    virtual Outcome chooseSeatMenu(SeatMenuEntry entry, int seat) = 0;
    // One frame of the warning animation has passed; false once it has ended. Only the
    // animation changes, so nothing else is told to redraw.
    virtual bool advanceWarning() = 0;

protected:
    ~TableActions() = default;
};

} // namespace quadrino::table
