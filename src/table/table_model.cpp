// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_model.h"

#include <algorithm>

#include "protocol/cp1252.h"
#include "protocol/fields.h"
#include "table/table_model_detail.h"

namespace quadrino::table {

using namespace model_detail;


std::string botName(int seat) {
    static const Numbered<const char*, kSeatCount> kBots{{"", "Klot", "Klick", "Kling"}};
    return validSeat(seat) ? kBots[seat] : "";
}

TableModel::TableModel(const ClientIdentity& me, std::uint32_t diceSeed)
    : me_(&me), diceSeed_(diceSeed), random_(diceSeed) {
    clearall();
}

void TableModel::reset() {
    const bool newTurnSound = newTurnSound_;
    *this = TableModel(*me_, diceSeed_);
    newTurnSound_ = newTurnSound;
}

// ---- Reading ---------------------------------------------------------------------------

int TableModel::boardpawn(int seat, int pawn) const {
    return validSeat(seat) && validPawn(pawn) ? state_.pawn(seat, pawn).square : 0;
}

std::string TableModel::seatName(int seat) const { return validSeat(seat) ? state_.seat(seat).name : std::string(); }

ClientMirror TableModel::mirror() const {
    ClientMirror m;
    for (int s = 1; s <= kSeatCount; ++s)
        for (int p = 1; p <= kPawnCount; ++p) m.boardpawns[at(s)][at(p)] = state_.pawn(s, p).square;
    m.amounts.dice1 = state_.dice.value[1];
    m.amounts.dice2 = state_.dice.value[2];
    m.amounts.bonus = state_.bonus.items;
    m.options = state_.options;
    m.blockpartner = blockpartner_.items;
    return m;
}

Numbered<bool, kPawnCount> TableModel::movablePawns() const {
    Numbered<bool, kPawnCount> out{};
    const int me = me_->myseat;
    if (!validSeat(me) || state_.turnseat != me || !state_.canmove || state_.clientphase != 2) return out;
    const ClientMirror m = mirror();
    for (int p = 1; p <= kPawnCount; ++p) out[p] = canMove(m, me, p);
    return out;
}

void TableModel::recordBlockPartners() {
    blockpartner_.fill(0);
    if (!validSeat(me_->myseat)) return;
    for (int p = 1; p <= kPawnCount; ++p)
        for (int o = 1; o <= kPawnCount; ++o) {
            const int sq = boardpawn(me_->myseat, p);
            if (o != p && sq != 0 && sq == boardpawn(me_->myseat, o)) blockpartner_[p] = o;
        }
}

std::vector<std::string> TableModel::otherPlayers() const {
    std::vector<std::string> names;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        // A crossed-out seat keeps its name on the board but sat the game out.
        if (seat != me_->myseat && !state_.out[seat] && state_.seat(seat).name != kWaiting) names.push_back(state_.seat(seat).name);
    }
    return names;
}

// ---- Announcements (a turn's own are in table_turns.cpp) --------------------------------

void TableModel::newplayerinfo(int seat, const std::string& wireName, Outcome& out) {
    if (!isConnectionNumber(seat)) return;
    const std::string name = fromWire(wireName);
    if (isOwn(seat)) {
        notice(out, said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You are Connected.")));
        out.reloadSettings = true;
    } else {
        notice(out, said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 is Connected."), {plain(name)}));
    }
    if (seat <= kSeatCount) {
        seatAt(seat).name = name;
    } else {
        // One entry per number: a number announced again belongs to somebody new, whose
        // predecessor's departure this client did not see.
        auto& spies = state_.spies;
        const std::string number = std::to_string(seat) + ":";
        std::erase_if(spies, [&](const std::string& entry) { return entry.starts_with(number); });
        spies.push_back(std::to_string(seat) + ": " + name);
        notice(out, isOwn(seat) ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You are spying."))
                                 : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 is spying."), {plain(name)}));
    }
    out.sounds.emplace_back("entered");
}

void TableModel::playerdisconnected(const PlayerDisconnected& m, Outcome& out) {
    if (m.connection < 1) return;
    const int seat = m.connection;
    if (seat <= kSeatCount) {
        SeatView& s = seatAt(seat);
        const std::string bot = botName(seat);
        state_.questionName = s.name;
        state_.questionSeat = seat;
        if (s.name != bot) notice(out, said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 disconnected."), {plain(s.name)}));
        s.name = bot;
        s.eyes = false;
        const bool inGame = (seat == 3 || seat == 4) && !state_.out[seat];
        if (me_->myseat == 1 && !state_.options.teamgame && inGame) state_.questionShown = true;
    } else {
        const std::string name = fromWire(m.name);
        auto& spies = state_.spies;
        const auto found = std::find(spies.begin(), spies.end(), std::to_string(seat) + ": " + name);
        if (found == spies.end()) return;
        spies.erase(found);
        notice(out, said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 has left."), {plain(name)}));
    }
}

void TableModel::startthegame(const StartGameAnnouncement& m, Outcome& out) {
    // The limit as the host applies it.
    if (!validBlockLimit(m.options.blocklimit)) return;
    state_.startShown = false;
    state_.summaryShown = false;
    out.justWatch = false;
    state_.canmove = false;
    clearall();
    // The last game's winner line must not stand beside the new game's first "Your Turn.".
    state_.log.clear();
    state_.logWords = {};
    state_.gameRunning = true;
    blockpartner_.fill(0);
    rollingAgain_ = false;
    setOptions(m.options, OptionCarrier::announcement);
    setplayer(3, m.seat3playing, out);
    setplayer(4, m.seat4playing, out);
    notice(out, said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 has started a game."), {plain(fromWire(m.name))}));
    for (int s = 2; s <= kSeatCount; ++s)
        if (seatAt(s).name == kWaiting) seatAt(s).name = botName(s);
}

void TableModel::winner(const Winner& m, Outcome& out) {
    if (m.code < 1 || m.code > 6) return;
    state_.errorShown = false;
    // Only the end of a game this client saw running counts: the start, or the state a late
    // joiner is sent. Any other announcement of a winner is shown and not tallied.
    const bool counts = state_.gameRunning;
    state_.gameRunning = false;
    const int w = m.code;
    const std::string name = w == 5 ? "Team A" : w == 6 ? "Team B" : seatAt(w).name;
    const UiText winnerName = w == 5   ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "Team A"))
                              : w == 6 ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "Team B"))
                                       : plain(name);
    // A team code is never a seat, whatever connection number the user holds.
    const bool ownWin = validSeat(w) && isOwn(w);
    out.sounds.emplace_back("winner");
    setLog(ownWin ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "You have Won the Game!"))
                  : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 has Won the Game!"), {winnerName}));
    // The last turn's "Your Turn." would otherwise stand beside the winner.
    setStatus(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "Game over: %1"), {state_.logWords}));
    state_.summaryShown = counts;
    notice(out, state_.logWords);
    auto crown = [this](int seat) {
        seatAt(seat).winner = true;
        seatAt(seat).progress = kFullProgress;
    };
    if (w == 5) {
        crown(1);
        crown(2);
    } else if (w == 6) {
        crown(3);
        crown(4);
    } else {
        crown(w);
    }
    hideTurnHighlights();
    hidePassButtons();
    if (me_->amhost) state_.startShown = true;
    hideBonusTokens(kBonusSlots, true);
    if (counts && validSeat(me_->myseat) && validSeat(w)) out.tally = ownWin ? "addtomine" : name;
}

void TableModel::justwatching(const JustWatching& m, Outcome& out) {
    if (!validSeat(m.seat)) return;
    const int seat = m.seat;
    const bool watching = m.flag == "1";
    if (isOwn(seat)) out.justWatch = watching;
    notice(out, watching ? said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 is just watching"), {plain(seatAt(seat).name)})
                         : said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1 is now playing again"), {plain(seatAt(seat).name)}));
    seatAt(seat).eyes = watching;
}

void TableModel::removepegs(const RemovePegs& m) {
    if (m.seat != 3 && m.seat != 4) return;
    const int s = m.seat;
    setprogress(s, 0);
    state_.out[s] = true;
    for (PawnView& pawn : state_.pawns[s]) pawn = PawnView{0, false, false};
}

void TableModel::morestats(const MoreStats& m) {
    setOption(optionRow(GameOption::teamgame), m.teamgame ? 1 : 0);
}

void TableModel::locations(const Locations& m, Outcome& out) {
    if (!isOwn(m.target) || !validSeat(m.whoseturn) || !validPhase(m.turnphase) ||
        !validBlockLimit(m.options.blocklimit))
        return;
    for (const auto& seat : m.pawns)
        for (int square : seat)
            if (!validSquare(square)) return;

    state_.turnseat = m.whoseturn;
    state_.gameRunning = true;
    state_.summaryShown = false;
    state_.startShown = false;
    setOptions(m.options, OptionCarrier::locations);
    for (int s = 1; s <= kSeatCount; ++s) {
        // Pawns sharing a square overlap: a late joiner is not told which came first.
        for (int p = 1; p <= kPawnCount; ++p) pawnAt(s, p) = {m.pawns[at(s)][at(p)], false, pawnAt(s, p).shown};
        if (seatAt(s).name == kWaiting) seatAt(s).name = botName(s);
    }
    setAmounts(m.amounts);
    // The pairs of a turn already under way are not announced; those standing now are the
    // best guess, and the host's answer corrects a wrong one.
    recordBlockPartners();
    setplayer(3, m.seat3playing, out);
    setplayer(4, m.seat4playing, out);
    // The seated players see the mover's dice in the mover's corner until the roll, then the
    // rolled dice with the used ones gone; a used die is 0 and plays no more.
    const int die1 = m.die1;
    const int die2 = m.die2;
    if (m.turnphase == 1) {
        state_.dice.face = {1, 1};
        state_.dice.place = DicePlace::Corner;
        state_.dice.cornerSeat = m.whoseturn;
    } else {
        showDice(die1 > 0 ? die1 : -1, die2 > 0 ? die2 : -1);
    }
    // Progress is not announced; it follows from the squares as the host counts it (one for
    // entering, one for every square since).
    for (int s = 1; s <= kSeatCount; ++s) {
        int travelled = 0;
        for (int p = 1; p <= kPawnCount; ++p) {
            const int square = boardpawn(s, p);
            if (square == 0) continue;
            int at = startSquareOf(s);
            int steps = 1;
            for (; at != square && steps <= kLastSquare; ++steps) at = stepSquare(s, at);
            if (at == square) travelled += steps;
        }
        setprogress(s, travelled);
    }
    seatAt(m.whoseturn).turn = true;
    if (isOwn(m.whoseturn)) {
        state_.canmove = true;
        state_.clientphase = m.turnphase;
        state_.dice.value = {die1, die2};
        setStatus(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "Your Turn.")));
        turnSound(out);
    } else {
        setStatus(said(QT_TRANSLATE_NOOP("quadrino::table::TableModel", "%1's turn."), {plain(seatAt(m.whoseturn).name)}));
    }
}

} // namespace quadrino::table
