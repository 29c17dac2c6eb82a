// The course of a game: start, turn order, rolls, moves as the host applies them, passing,
// the block limit and both penalties, the winner, and the computer players' timer.
#include <algorithm>

#include "host/board_rules.h"
#include "host/computer_player.h"
#include "host/host.h"

namespace quadrino {
namespace {

std::size_t idx(int n) { return static_cast<std::size_t>(n); }
constexpr int kNextSeatMs = 1000;
constexpr int kFirstBotMoveMs = 250;

} // namespace

void Host::startgame(const StartGameRequest& r) {
    // A new game replaces a running one; a pause or bot step armed for the old game must not
    // hand out a turn in the new one.
    port_.stopTimer(HostTimer::Next);
    port_.stopTimer(HostTimer::Computer);

    turn_.gamestarted = true;
    auto& o = board_.options;
    o.penalty = r.penalty == "1";
    o.passing = r.passing == "1";
    o.blocking = r.blocking == "1";
    o.pouncing = r.pouncing == "1";
    o.teamgame = r.teamgame == "1";
    o.blocklimit = std::clamp(r.blocklimit, 0, 10);
    o.fullgame = r.fullgame == "1";
    if (o.blocklimit == 1) o.blocklimit = 2;
    if (!o.blocking) o.blocklimit = 0;

    setturns();
    broadcast(announce::startgame(r.name, r.penalty, r.passing, r.blocking, r.pouncing,
                                  turn_.seat3playing ? "t" : "f", turn_.seat4playing ? "t" : "f",
                                  r.teamgame, o.blocklimit));

    for (int seat = 1; seat <= 4; ++seat) {
        players_[idx(seat)].justwatching = false;
        auto& s = board_.seats[idx(seat)];
        s.progress = 0;
        s.passedlast = false;
        s.pawnsquare = {};
        s.blockpartner = {};
        s.blockturns = {};
    }
    board_.amounts = {};
    board_.sendseat = board_.sendpawn = 0;
    turn_.rollagain = false;

    do {
        turn_.turnindex = static_cast<int>(random_.below(4)) + 1;
    } while (turn_.turnorder[idx(turn_.turnindex)] == 0);
    findplayer();
}

void Host::setturns() {
    turn_.seat3playing = true;
    turn_.seat4playing = true;
    const bool seat3 = players_[3].connected;
    const bool seat4 = players_[4].connected;
    if (board_.options.teamgame || board_.options.fullgame) {
        turn_.turnorder = {0, 1, 3, 2, 4};
    } else if (!seat3 && !seat4) {
        turn_.turnorder = {0, 1, 2, 0, 0};
        turn_.seat3playing = turn_.seat4playing = false;
    } else if (seat3 && !seat4) {
        turn_.turnorder = {0, 1, 3, 2, 0};
        turn_.seat4playing = false;
    } else {
        turn_.turnorder = {0, 1, 3, 2, 4};
    }
}

void Host::findplayer() {
    if (turn_.rollagain) {
        broadcast(announce::rollagain(turn_.whoseturn));
    } else {
        bool warned = false;
        turn_.doublescount = 0;
        // Every used position normally belongs to a seat with a pawn still out; should none
        // qualify, stop rather than spin.
        int found = 0;
        for (int tries = 0; tries < 4 && found == 0; ++tries) {
            turn_.turnindex = turn_.turnindex % 4 + 1;
            int seat = turn_.turnorder[idx(turn_.turnindex)];
            if (seat == 0) continue;
            const auto& s = board_.seats[idx(seat)];
            for (int k = 1; k <= 4; ++k)
                if (s.pawnsquare[idx(k)] != s.homesquare) found = seat;
        }
        if (found == 0) {
            port_.log("no seat left to play; the game cannot go on");
            return;
        }
        turn_.whoseturn = found;
        auto& s = board_.seats[idx(found)];
        const auto& o = board_.options;

        if (o.blocklimit > 0 && o.blocking) {
            for (int k = 1; k <= 4; ++k) {
                const int a = s.blockpartner[idx(k)];
                const int p = s.pawnsquare[idx(k)];
                auto& turns = s.blockturns[idx(k)];
                if (a < 1 || a > 4 || p == 0 || p == s.homesquare) {
                    turns = 0;
                } else if (p == s.pawnsquare[idx(a)]) {
                    ++turns;
                    if (turns >= o.blocklimit) {
                        turns = 0;
                        sendToStart(found, k);
                        broadcast(announce::gotpenalty1(found, k, s.progress));
                    } else if (turns == o.blocklimit - 1 && !warned) {
                        warned = true;
                        if (players_[idx(found)].connected) sendTo(found, announce::warning(found, k, a));
                    }
                } else {
                    turns = 0;
                }
            }
        }

        s.blockpartner = {};
        for (int j = 1; j <= 4; ++j)
            for (int i = 1; i <= 4; ++i)
                if (i != j && s.pawnsquare[idx(j)] != 0 && s.pawnsquare[idx(j)] == s.pawnsquare[idx(i)]) {
                    s.blockpartner[idx(j)] = i;
                    s.blockpartner[idx(i)] = j;
                }
    }
    turn_.turnphase = 1;
    broadcast(announce::nextplayer(turn_.whoseturn, 1));
    if (botPlays(turn_.whoseturn)) armComputer(port_.botDelay());
}

void Host::sendToStart(int seat, int pawn) {
    auto& s = board_.seats[idx(seat)];
    s.progress -= trackDistance(seat, s.pawnsquare[idx(pawn)]);
    s.pawnsquare[idx(pawn)] = 0;
}

void Host::playerroll(int seat) {
    if (seat != turn_.whoseturn) return; // another seat's request must not touch this turn
    auto& amounts = board_.amounts;
    board_.sendseat = board_.sendpawn = 0;
    amounts.bonus20a = amounts.bonus20b = amounts.bonus20c = 0;
    amounts.bonus10a = amounts.bonus10b = amounts.bonus10c = 0;
    if (turn_.turnphase != 1) {
        sendError(seat, 1);
        return;
    }
    amounts.die1 = random_.die();
    amounts.die2 = random_.die();
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
    auto& s = board_.seats[idx(seat)];
    const bool passOffer = board_.options.passing && !s.passedlast;

    if (board_.options.penalty && turn_.doublescount >= 3) {
        const int k = findclosestpawn(board_, seat);
        if (k != 0) sendToStart(seat, k);
        broadcast(announce::gotpenalty(seat, k, s.progress, amounts.die1, amounts.die2));
        turn_.rollagain = false;
        turn_.turnphase = 0;
        armNextPlayer();
        return;
    }
    broadcast(announce::hisdice(seat, turn_.turnphase, amounts.die1, amounts.die2, amounts.double1, amounts.double2,
                                passOffer));
    if (!checkformoves(board_, turn_.whoseturn)) {
        broadcast(announce::nomoves(seat));
        armNextPlayer();
    } else if (botPlays(seat)) {
        armComputer(kFirstBotMoveMs);
    }
}

void Host::moveit(int seat, int code, int pawn) {
    board_.sendseat = board_.sendpawn = 0;
    if (seat != turn_.whoseturn) return;
    if (turn_.turnphase != 2) {
        sendError(seat, 2);
        return;
    }
    auto amount = amountOfCode(board_.amounts, code);
    if (!amount || pawn < 1 || pawn > 4) {
        sendError(seat, 5);
        return;
    }
    if (*amount == 0) {
        sendError(seat, unavailableError(code));
        return;
    }
    const int landing = oktomove(board_, seat, pawn, *amount, true);
    if (code == 9) board_.amounts.bonus20b = 0;
    if (code == 10) board_.amounts.bonus20c = 0;
    if (landing == 0) {
        sendError(seat, 5);
        return;
    }
    auto& s = board_.seats[idx(seat)];
    s.pawnsquare[idx(pawn)] = landing;
    spendCode(board_.amounts, code);
    if (landing == s.homesquare) awardHomeBonus(board_.amounts);
    // Judged before the captured pawn leaves: it still makes a pair on the landing square.
    const bool more = checkformoves(board_, seat);
    s.passedlast = false;

    MoveHimInfo info;
    const auto& sl = board_.amounts;
    info.seat = seat;
    info.code = code;
    info.pawn = pawn;
    info.square = landing;
    info.progress = s.progress;
    info.amounts = {sl.bonus20a, sl.bonus20b, sl.bonus20c, sl.bonus10a, sl.bonus10b, sl.bonus10c, sl.double1,
                  sl.double2};
    info.moreMoves = false;
    const std::string toOthers = announce::movehim(info);
    info.moreMoves = more;
    const std::string toMover = more ? announce::movehim(info) : toOthers;
    for (int n = 1; n <= highestconnection_; ++n)
        if (players_[idx(n)].connected) port_.send(n, n == seat ? toMover : toOthers);

    if (board_.sendseat != 0) sendback(seat, board_.sendseat, board_.sendpawn);

    if (!more) {
        if (!checkforwin(seat)) armNextPlayer();
    } else if (botPlays(seat)) {
        armComputer(port_.botDelay());
    }
}

void Host::sendback(int mover, int seat, int pawn) {
    board_.sendseat = board_.sendpawn = 0;
    if (seat < 1 || seat > 4 || pawn < 1 || pawn > 4) return;
    sendToStart(seat, pawn);
    broadcast(announce::sendback(mover, seat, pawn, board_.seats[idx(seat)].progress));
}

void Host::playerpass(int seat) {
    if (!turn_.gamestarted || seat != turn_.whoseturn || turn_.turnphase != 2 || !board_.options.passing)
        return;
    board_.seats[idx(seat)].passedlast = true;
    broadcast(announce::passing(seat));
    armNextPlayer();
}

bool Host::checkforwin(int seat) {
    auto allHome = [this](int s) {
        const auto& st = board_.seats[idx(s)];
        for (int k = 1; k <= 4; ++k)
            if (st.pawnsquare[idx(k)] != st.homesquare) return false;
        return true;
    };
    if (!allHome(seat)) return false;
    int code = seat;
    if (board_.options.teamgame) {
        if (!allHome(board_.seats[idx(seat)].partner)) return false;
        code = seat <= 2 ? 5 : 6;
    }
    broadcast(announce::winner(code));
    turn_.gamestarted = false;
    return true;
}

void Host::sendError(int seat, int code) {
    if (seat >= 1 && seat <= 4 && players_[idx(seat)].connected) sendTo(seat, announce::aerror(seat, code));
}

void Host::armNextPlayer() {
    turn_.nextplayerdelay = 1;
    port_.startTimer(HostTimer::Next, kNextSeatMs);
}

void Host::armComputer(int intervalMs) { port_.startTimer(HostTimer::Computer, intervalMs); }

void Host::timer1Timer() {
    --turn_.nextplayerdelay;
    if (turn_.nextplayerdelay < 1) {
        port_.stopTimer(HostTimer::Next);
        findplayer();
    }
}

void Host::computertimerTimer() {
    port_.stopTimer(HostTimer::Computer);
    if (botPlays(turn_.whoseturn)) computerplay(turn_.whoseturn);
}

void Host::computerplay(int seat) {
    if (turn_.turnphase == 1) {
        playerroll(seat);
        return;
    }
    if (auto move = computermove(board_, seat)) moveit(seat, move->code, move->pawn);
}

} // namespace quadrino
