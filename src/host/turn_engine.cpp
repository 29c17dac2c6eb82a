// SPDX-License-Identifier: GPL-3.0-or-later
// The course of a game: start, turn order, rolls, moves as the host applies them, passing,
// the block limit and both penalties, the winner, and the computer players' timer.
#include "host/turn_engine.h"

#include <algorithm>
#include <string>


namespace quadrino {
namespace {

constexpr int kNextSeatMs = 1000;
constexpr int kFirstBotMoveMs = 250;

const char* flag(bool on) { return on ? "t" : "f"; }

} // namespace

TurnContext turnContext(const TurnState& t) {
    TurnContext context{t.doublescount, t.rollagain, 0};
    for (int s : t.turnorder)
        if (isSeat(s)) context.playing |= 1u << (s - 1);
    return context;
}

bool isSquareOfSeat(int seat, int square) {
    if (!isSeat(seat)) return false;
    if (square >= 0 && square <= kTrackSquares) return true;
    const int column = homeColumnStartOf(seat);
    return (square >= column && square < column + kHomeColumnLength) || square == homeSquareOf(seat);
}

TurnEngine::TurnEngine(HostPort& port, SeatTable& seats, DiceSource& dice)
    : port_(port), seats_(seats), dice_(dice) {
    for (auto& bot : bots_) bot = makeComputerPlayer(BotLevel::classic);
}

void TurnEngine::setBotLevel(int seat, BotLevel level, const StrongWeights& weights) {
    if (!isSeat(seat)) return;
    botLevels_[seat] = level;
    bots_[seat] = makeComputerPlayer(level, weights);
}

void TurnEngine::startgame(const StartGameRequest& r) {
    // A new game replaces a running one; a pause or bot step armed for the old game must not
    // hand out a turn in the new one.
    port_.stopTimer(HostTimer::Next);
    port_.stopTimer(HostTimer::Computer);

    turn_.gamestarted = true;
    auto& o = board_.options;
    o = r.options;
    o.blocklimit = std::clamp(o.blocklimit, 0, kMaxBlockLimit);
    if (o.blocklimit == 1) o.blocklimit = 2;
    if (!o.blocking) o.blocklimit = 0;

    setturns();
    seats_.broadcast(encode(StartGameAnnouncement::relaying(r, flag(turn_.seat3playing), flag(turn_.seat4playing), o)));

    for (int seat = 1; seat <= kSeatCount; ++seat) {
        seats_.record(seat).justwatching = false;
        board_.seats[seat] = SeatState{};
    }
    board_.amounts = {};
    board_.sendseat = board_.sendpawn = 0;
    counts_ = SquareCounts(board_);
    turn_.rollagain = false;

    do {
        turn_.turnindex = dice_.below(kSeatCount) + 1;
    } while (turn_.turnorder[turn_.turnindex] == 0);
    findplayer();
}

void TurnEngine::setturns() {
    turn_.seat3playing = true;
    turn_.seat4playing = true;
    const bool seat3 = seats_.personOn(3);
    const bool seat4 = seats_.personOn(4);
    if (board_.options.teamgame || board_.options.fullgame) {
        turn_.turnorder = {1, 3, 2, 4};
    } else if (!seat3 && !seat4) {
        turn_.turnorder = {1, 2, 0, 0};
        turn_.seat3playing = turn_.seat4playing = false;
    } else if (seat3 && !seat4) {
        turn_.turnorder = {1, 3, 2, 0};
        turn_.seat4playing = false;
    } else {
        turn_.turnorder = {1, 3, 2, 4};
    }
}

void TurnEngine::findplayer() {
    // A game that is over hands out no turn, whatever timer or request would have it.
    if (!turn_.gamestarted) return;
    if (turn_.rollagain) {
        seats_.broadcast(encodeShort(RollAgain{turn_.whoseturn}));
    } else {
        turn_.doublescount = 0;
        // Every used position normally belongs to a seat with a pawn still out; should none
        // qualify, stop rather than spin.
        int found = 0;
        for (int tries = 0; tries < kSeatCount && found == 0; ++tries) {
            turn_.turnindex = turn_.turnindex % kSeatCount + 1;
            const int seat = turn_.turnorder[turn_.turnindex];
            if (!isSeat(seat)) continue;
            for (int square : board_.seats[seat].pawnsquare)
                if (square != homeSquareOf(seat)) found = seat;
        }
        if (found == 0) {
            port_.log("no seat left to play; the game cannot go on");
            return;
        }
        turn_.whoseturn = found;
        const BlockLimitEvents events = applyBlockLimit(board_, found);
        if (events.count != 0) counts_ = SquareCounts(board_);
        for (std::size_t i = 0; i < events.count; ++i) {
            const BlockLimitEvent& e = events.items[i];
            if (e.kind == BlockLimitEvent::Kind::penalty)
                seats_.broadcast(encodeShort(GotPenalty1{found, e.pawn, e.progress}));
            else if (seats_.connected(found))
                seats_.sendTo(found, encodeShort(Warning{found, e.pawn, e.partnerPawn}));
        }
        recordBlockPartners(board_, found);
    }
    turn_.turnphase = 1;
    seats_.broadcast(encodeShort(NextPlayer{turn_.whoseturn, 1}));
    if (seats_.botPlays(turn_.whoseturn)) armComputer(port_.botDelay());
}

void TurnEngine::playerroll(int seat) {
    if (seat != turn_.whoseturn) return; // another seat's request must not touch this turn
    // After its winner the last seat on turn still hears that it has rolled, as it always
    // did; nothing else of the game moves.
    if (turn_.turnphase != 1 || !turn_.gamestarted) {
        // Refused before anything changes: emptying the bonuses first could leave a seat
        // that had only a bonus left with no move and no way on.
        sendError(seat, 1);
        keepGameMoving();
        return;
    }
    auto& amounts = board_.amounts;
    board_.sendseat = board_.sendpawn = 0;
    amounts.bonus20a = amounts.bonus20b = amounts.bonus20c = 0;
    amounts.bonus10a = amounts.bonus10b = amounts.bonus10c = 0;
    amounts.die1 = dice_.die();
    amounts.die2 = dice_.die();
    if (amounts.die1 == amounts.die2) {
        amounts.double1 = amounts.die1;
        amounts.double2 = amounts.die2;
        ++turn_.doublescount;
        turn_.rollagain = true;
    } else {
        amounts.double1 = amounts.double2 = 0;
        turn_.rollagain = false;
        turn_.doublescount = 0;
    }
    turn_.turnphase = 2;
    const SeatState& s = board_.seats[seat];
    const bool passOffer = board_.options.passing && !s.passedlast;

    if (board_.options.penalty && turn_.doublescount >= 3) {
        const int k = findclosestpawn(board_, seat);
        if (k != 0) {
            sendToStart(board_, seat, k);
            counts_ = SquareCounts(board_);
        }
        seats_.broadcast(encodeShort(GotPenalty{seat, k, progressOf(board_, seat), amounts.die1, amounts.die2}));
        turn_.rollagain = false;
        armNextPlayer();
        return;
    }
    seats_.broadcast(encodeShort(HisDice{seat, turn_.turnphase, amounts.die1, amounts.die2, amounts.double1,
                                       amounts.double2, passOffer}));
    if (!checkformoves(board_, counts_, turn_.whoseturn)) {
        seats_.broadcast(encodeShort(NoMoves{seat}));
        armNextPlayer();
    } else if (seats_.botPlays(seat)) {
        armComputer(kFirstBotMoveMs);
    }
}

void TurnEngine::moveit(int seat, int code, int pawn) {
    board_.sendseat = board_.sendpawn = 0;
    if (seat != turn_.whoseturn || !turn_.gamestarted) return;
    auto refuse = [&](int error) {
        sendError(seat, error);
        keepGameMoving();
    };
    if (turn_.turnphase != 2) return refuse(2);
    auto amount = amountOfCode(board_.amounts, code);
    if (!amount || !isPawn(pawn)) return refuse(5);
    if (*amount == 0) return refuse(unavailableError(code));
    // A refused move leaves every amount where it was, the second and third 20 included.
    // Whether moves are left is judged before the captured pawn leaves: it still makes a
    // pair on the landing square.
    const CommittedMove committed = commitMove(board_, counts_, seat, pawn, code);
    if (committed.landing == 0) return refuse(5);
    const int landing = committed.landing;
    const bool more = committed.more;
    board_.seats[seat].passedlast = false;

    MoveHim info;
    const MoveSlots& sl = board_.amounts;
    info.seat = seat;
    info.code = code;
    info.pawn = pawn;
    info.square = landing;
    info.progress = progressOf(board_, seat);
    info.amounts = {sl.bonus20a, sl.bonus20b, sl.bonus20c, sl.bonus10a, sl.bonus10b, sl.bonus10c, sl.double1,
                    sl.double2};
    // Only the mover may learn that it has moves left; each text is built once, and only
    // when somebody is to receive it.
    auto toldMore = [&](int n) { return n == seat && more; };
    bool plainWanted = false;
    for (int n = 1; n <= seats_.highestconnection(); ++n)
        plainWanted = plainWanted || (seats_.connected(n) && !toldMore(n));
    info.moreMoves = false;
    const ShortMessage plain = plainWanted ? encodeShort(info) : ShortMessage();
    info.moreMoves = true;
    const ShortMessage withMore = more && seats_.connected(seat) ? encodeShort(info) : ShortMessage();
    for (int n = 1; n <= seats_.highestconnection(); ++n)
        if (seats_.connected(n)) seats_.sendTo(n, toldMore(n) ? withMore : plain);

    if (board_.sendseat != 0) sendback(seat, board_.sendseat, board_.sendpawn);

    if (!more) {
        if (!checkforwin(seat)) armNextPlayer();
    } else if (seats_.botPlays(seat)) {
        armComputer(port_.botDelay());
    }
}

void TurnEngine::sendback(int mover, int seat, int pawn) {
    board_.sendseat = board_.sendpawn = 0;
    if (!isSeat(seat) || !isPawn(pawn)) return;
    counts_.moved(board_.seats[seat].pawnsquare[pawn], 0);
    sendToStart(board_, seat, pawn);
    seats_.broadcast(encodeShort(SendBack{mover, seat, pawn, progressOf(board_, seat)}));
}

void TurnEngine::playerpass(int seat) {
    if (seat != turn_.whoseturn) return;
    if (!turn_.gamestarted || turn_.turnphase != 2 || !board_.options.passing) {
        keepGameMoving();
        return;
    }
    board_.seats[seat].passedlast = true;
    seats_.broadcast(encodeShort(Passing{seat}));
    armNextPlayer();
}

bool TurnEngine::checkforwin(int seat) {
    auto allHome = [this](int s) {
        for (int square : board_.seats[s].pawnsquare)
            if (square != homeSquareOf(s)) return false;
        return true;
    };
    if (!allHome(seat)) return false;
    int code = seat;
    if (board_.options.teamgame) {
        if (!allHome(partnerOf(seat))) return false;
        code = seat <= 2 ? 5 : 6;
    }
    seats_.broadcast(encodeShort(Winner{code}));
    turn_.gamestarted = false;
    // Nothing of this game may act after its winner, not even a pause armed before the move.
    port_.stopTimer(HostTimer::Next);
    port_.stopTimer(HostTimer::Computer);
    return true;
}

void TurnEngine::sendError(int seat, int code) {
    if (isSeat(seat) && seats_.personOn(seat)) seats_.sendTo(seat, encodeShort(AError{seat, code}));
}

void TurnEngine::armNextPlayer() {
    if (!turn_.gamestarted) return;
    // The turn is over: nothing the seat asks for until the next seat is found may act.
    turn_.turnphase = 0;
    turn_.nextplayerdelay = 1;
    port_.startTimer(HostTimer::Next, kNextSeatMs);
}

void TurnEngine::keepGameMoving() {
    if (!turn_.gamestarted || turn_.turnphase != 2 || checkformoves(board_, counts_, turn_.whoseturn)) return;
    port_.log("seat " + std::to_string(turn_.whoseturn) + " has no move left; the turn passes");
    seats_.broadcast(encodeShort(NoMoves{turn_.whoseturn}));
    armNextPlayer();
}

void TurnEngine::armComputer(int intervalMs) {
    if (turn_.gamestarted) port_.startTimer(HostTimer::Computer, intervalMs);
}

void TurnEngine::nextPlayerPauseOver() {
    if (!turn_.gamestarted) {
        port_.stopTimer(HostTimer::Next);
        return;
    }
    --turn_.nextplayerdelay;
    if (turn_.nextplayerdelay < 1) {
        port_.stopTimer(HostTimer::Next);
        findplayer();
    }
}

void TurnEngine::computertimerTimer() {
    port_.stopTimer(HostTimer::Computer);
    if (seats_.botPlays(turn_.whoseturn)) computerplay(turn_.whoseturn);
}

void TurnEngine::computerplay(int seat) {
    if (!turn_.gamestarted) return;
    if (turn_.turnphase == 1) {
        playerroll(seat);
    } else if (turn_.turnphase == 2) {
        const auto d = bots_[seat]->decide(board_, counts_, seat, turnContext(turn_));
        if (d && d->pass)
            playerpass(seat);
        else if (d)
            moveit(seat, d->move.code, d->move.pawn);
        else
            keepGameMoving();
    }
    // Phase 0: the turn is over and the next seat a second away; nothing to do.
}

// ---- what the seat table reports --------------------------------------------------------

void TurnEngine::seatLeft(int connection) {
    // Number 1 is a seat like any other here: when it leaves on turn the computer finishes.
    if (turn_.gamestarted && connection == turn_.whoseturn) armComputer(port_.botDelay());
}

void TurnEngine::seatHandedToComputer(int seat) {
    if (turn_.gamestarted && seat == turn_.whoseturn) armComputer(port_.botDelay());
}

bool TurnEngine::takeOutSeat(int seat) {
    // Between games there is no turn order to leave and no pawn to take off: refusing the
    // computer then would hand the last game's seat on turn a fresh board to play on.
    if (!isSeat(seat) || !turn_.gamestarted) return false;
    if (turn_.gamestarted && seat == turn_.whoseturn && turn_.turnphase != 0) {
        // Its turn ends first, so the computer does not go on moving pawns that are gone.
        port_.stopTimer(HostTimer::Computer);
        turn_.rollagain = false;
        armNextPlayer();
    }
    // The turn order as the rules would set it now, but only the seat named may leave it:
    // another empty seat dropped with it would keep its pawns on the board for good.
    const TurnState before = turn_;
    setturns();
    const bool leaves = std::find(turn_.turnorder.begin(), turn_.turnorder.end(), seat) == turn_.turnorder.end();
    turn_.turnorder = before.turnorder;
    turn_.seat3playing = before.seat3playing;
    turn_.seat4playing = before.seat4playing;
    if (leaves) {
        for (int& s : turn_.turnorder)
            if (s == seat) s = 0;
        if (seat == 3) turn_.seat3playing = false;
        if (seat == 4) turn_.seat4playing = false;
    }
    SeatState& s = board_.seats[seat];
    s.passedlast = false;
    s.pawnsquare = {};
    s.blockpartner = {};
    counts_ = SquareCounts(board_);
    seats_.broadcast(encode(RemovePegs{seat}));
    return true;
}

Locations TurnEngine::locationsFor(int connection) const {
    Locations i;
    const GameOptions& o = board_.options;
    const MoveSlots& s = board_.amounts;
    i.target = connection;
    i.whoseturn = turn_.whoseturn;
    i.turnphase = turn_.turnphase;
    i.options = o;
    // Built whole rather than assigned from a C string: g++ 12 at -O3 mistakes that
    // assignment for an overlapping copy (-Wrestrict) and a Release build with -Werror stops.
    i.seat3playing = std::string(flag(turn_.seat3playing));
    i.seat4playing = std::string(flag(turn_.seat4playing));
    i.die1 = s.die1;
    i.die2 = s.die2;
    i.amounts = {s.bonus20a, s.bonus20b, s.bonus20c, s.bonus10a, s.bonus10b, s.bonus10c, s.double1, s.double2};
    // The announcement's table counts from 0.
    for (int seat = 1; seat <= kSeatCount; ++seat)
        for (int pawn = 1; pawn <= kPawnCount; ++pawn)
            i.pawns[static_cast<std::size_t>(seat - 1)][static_cast<std::size_t>(pawn - 1)] =
                board_.seats[seat].pawnsquare[pawn];
    return i;
}

bool TurnEngine::resume(const GameSnapshot& g) {
    const TurnState& t = g.turn;
    if (!isSeat(t.whoseturn) || t.turnphase < 0 || t.turnphase > 2 || !TurnOrder::contains(t.turnindex))
        return false;
    for (int seat : t.turnorder)
        if (seat != 0 && !isSeat(seat)) return false;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const SeatState& s = g.board.seats[seat];
        for (int pawn = 1; pawn <= kPawnCount; ++pawn) {
            if (!isSquareOfSeat(seat, s.pawnsquare[pawn])) return false;
            if (s.blockpartner[pawn] != 0 && !isPawn(s.blockpartner[pawn])) return false;
        }
    }
    port_.stopTimer(HostTimer::Next);
    port_.stopTimer(HostTimer::Computer);
    board_ = g.board;
    board_.sendseat = board_.sendpawn = 0;
    counts_ = SquareCounts(board_);
    turn_ = t;
    if (turn_.gamestarted && turn_.turnphase != 0 && seats_.botPlays(turn_.whoseturn))
        armComputer(port_.botDelay());
    return true;
}

} // namespace quadrino
