// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/game_record.h"

#include <algorithm>

#include "table/table_access.h"
#include "table/table_model.h"
#include "table/table_model_detail.h"

namespace quadrino::table {

using namespace model_detail;

namespace {


LogArg number(int n) { return {std::to_string(n), false}; }
LogArg name(const TableState& s, int seat) { return {s.seat(seat).name, false}; }
LogArg colour(int seat) { return {seatColourName(seat), true, seatColourWords(seat)}; }

// The seat's player and colour, the first two arguments of most lines.
std::vector<LogArg> who(const TableState& s, int seat) { return {name(s, seat), colour(seat)}; }

std::vector<LogArg> operator+(std::vector<LogArg> a, const std::vector<LogArg>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Where a move starts or ends, as the log says it: the safe squares are on the board to see.
LogArg place(int square) {
    UiText shown = square == 0 ? words("GameLog", QT_TRANSLATE_NOOP("GameLog", "start"))
                   : square <= kTrackSquares
                       ? words("GameLog", QT_TRANSLATE_NOOP("GameLog", "square %1"), {plain(std::to_string(square))})
                       : squareWords(square);
    std::string text = shown.english();
    return {std::move(text), true, std::move(shown)};
}

bool bonusCode(int code) { return code == 4 || code == 5 || (code >= 9 && code <= 12); }

} // namespace

std::string LogLine::text() const {
    std::string out;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p == '%' && p[1] >= '1' && p[1] <= '9') {
            const auto at = static_cast<std::size_t>(p[1] - '1');
            if (at < args.size()) out += args[at].text;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

void GameRecord::add(LogLine line, std::vector<LogLine>& added) {
    if (lines_.size() >= kMaxLines) lines_.pop_front();
    lines_.push_back(line);
    added.push_back(std::move(line));
}

std::string GameRecord::text() const {
    std::string out;
    for (const LogLine& line : lines_) out += line.text() + "\n";
    return out;
}

void GameRecord::note(const NewPlayerInfo& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    if (validSeat(m.connection))
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) joined."), who(after, m.connection)}, added);
    else
        add({QT_TRANSLATE_NOOP("GameLog", "%1 is watching as a spectator."), {{fromWire(m.name), false}}}, added);
}

void GameRecord::note(const PlayerDisconnected& m, const TableState& before, const TableState& after,
                      std::vector<LogLine>& added) {
    if (!validSeat(m.connection)) {
        add({QT_TRANSLATE_NOOP("GameLog", "%1 stopped watching."), {{fromWire(m.name), false}}}, added);
        return;
    }
    const int seat = m.connection;
    if (before.gameRunning && !before.out[seat])
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) left; %3, the computer, plays on."), who(before, seat) + std::vector{name(after, seat)}},
            added);
    else
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) left."), who(before, seat)}, added);
}

void GameRecord::note(const StartGameAnnouncement& m, const TableState&, const TableState&,
                      std::vector<LogLine>& added) {
    figures_ = {};
    die1_ = die2_ = double1_ = double2_ = 0;
    add({QT_TRANSLATE_NOOP("GameLog", "%1 started a new game."), {{fromWire(m.name), false}}}, added);
}

void GameRecord::note(const Locations&, const TableState&, const TableState&, std::vector<LogLine>& added) {
    add({QT_TRANSLATE_NOOP("GameLog", "You joined a game in progress."), {}}, added);
}

void GameRecord::note(const NextPlayer& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    add({QT_TRANSLATE_NOOP("GameLog", "Turn of %1 (%2)."), who(after, m.seat)}, added);
}

void GameRecord::note(const HisDice& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    die1_ = m.die1;
    die2_ = m.die2;
    double1_ = m.double1;
    double2_ = m.double2;
    SeatFigures& f = figures_[m.seat];
    ++f.rolls;
    f.diceTotal += m.die1 + m.die2;
    if (m.double1 > 0) {
        ++f.doubles;
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) rolled doubles: %3 and %4."), who(after, m.seat) + std::vector{number(m.die1), number(m.die2)}},
            added);
    } else {
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) rolled %3 and %4."), who(after, m.seat) + std::vector{number(m.die1), number(m.die2)}},
            added);
    }
}

void GameRecord::note(const MoveHim& m, const TableState& before, const TableState& after,
                      std::vector<LogLine>& added) {
    int spent = 0;
    switch (m.code) {
    case 1: spent = die1_; break;
    case 2: spent = die2_; break;
    case 3: spent = die1_ + die2_; break;
    case 4: case 9: case 10: spent = 20; break;
    case 5: case 11: case 12: spent = 10; break;
    case 6: spent = double1_; break;
    case 7: spent = double2_; break;
    case 8: spent = double1_ + double2_; break;
    default: break;
    }
    if (bonusCode(m.code)) ++figures_[m.seat].bonusMoves;
    const int from = before.pawn(m.seat, m.pawn).square;
    auto args = who(after, m.seat) + std::vector{number(m.pawn), place(from), place(m.square), number(spent),
                                                 LogArg{moveCodeText(m.code), true, moveCodeWords(m.code)}};
    if (m.square == homeSquareOf(m.seat))
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) moved pawn %3 from %4 home, spending %6 (%7), and earned a bonus of 10."), args}, added);
    else
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) moved pawn %3 from %4 to %5, spending %6 (%7)."), args}, added);
}

void GameRecord::note(const SendBack& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    ++figures_[m.mover].captures;
    ++figures_[m.seat].captured;
    add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) sent pawn %5 of %3 (%4) back to start and earned a bonus of 20."),
         who(after, m.mover) + who(after, m.seat) + std::vector{number(m.pawn)}},
        added);
}

void GameRecord::note(const RollAgain& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) rolls again for the doubles."), who(after, m.seat)}, added);
}

void GameRecord::note(const NoMoves& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) has no valid move."), who(after, m.seat)}, added);
}

void GameRecord::note(const Passing& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) passed."), who(after, m.seat)}, added);
}

void GameRecord::note(const GotPenalty& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    SeatFigures& f = figures_[m.seat];
    ++f.rolls;
    ++f.doubles;
    ++f.penalties;
    f.diceTotal += m.die1 + m.die2;
    const auto args = who(after, m.seat) + std::vector{number(m.die1), number(m.die2), number(m.pawn)};
    if (m.pawn != 0)
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) rolled doubles a third time (%3 and %4): pawn %5 goes back to start."), args}, added);
    else
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) rolled doubles a third time (%3 and %4): no pawn on the track to lose."), args},
            added);
}

void GameRecord::note(const GotPenalty1& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    ++figures_[m.seat].penalties;
    add({QT_TRANSLATE_NOOP("GameLog", "The block of %1 (%2) outlasted the limit: pawn %3 goes back to start."),
         who(after, m.seat) + std::vector{number(m.pawn)}},
        added);
}

void GameRecord::note(const Warning& m, const TableState&, const TableState&, std::vector<LogLine>& added) {
    add({QT_TRANSLATE_NOOP("GameLog", "The block of pawn %1 reaches the limit at your next turn: move one of its pawns."),
         {number(m.pawn)}},
        added);
}

void GameRecord::note(const Winner& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    if (m.code == 5 || m.code == 6) {
        const int first = m.code == 5 ? 1 : 3;
        add({QT_TRANSLATE_NOOP("GameLog", "%1 and %2 won the game as partners."), {name(after, first), name(after, first + 1)}}, added);
    } else {
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) won the game."), who(after, m.code)}, added);
    }
}

void GameRecord::note(const JustWatching& m, const TableState&, const TableState& after, std::vector<LogLine>& added) {
    if (m.flag == "1")
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) is just watching; the computer plays the seat."), who(after, m.seat)}, added);
    else
        add({QT_TRANSLATE_NOOP("GameLog", "%1 (%2) is playing again."), who(after, m.seat)}, added);
}

void GameRecord::note(const RemovePegs& m, const TableState&, const TableState&, std::vector<LogLine>& added) {
    add({QT_TRANSLATE_NOOP("GameLog", "The %1 seat sits this game out."), {colour(m.seat)}}, added);
}

std::vector<Standing> standings(const TableState& state) {
    std::vector<Standing> out;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (state.out[seat] || state.seat(seat).name == kWaiting) continue;
        Standing s{seat, 0, 0, state.seat(seat).progress};
        for (int pawn = 1; pawn <= kPawnCount; ++pawn)
            if (state.pawn(seat, pawn).square == homeSquareOf(seat)) ++s.home;
        out.push_back(s);
    }
    std::stable_sort(out.begin(), out.end(), [&state](const Standing& a, const Standing& b) {
        const bool aWon = state.seat(a.seat).winner, bWon = state.seat(b.seat).winner;
        if (aWon != bWon) return aWon;
        if (a.home != b.home) return a.home > b.home;
        return a.progress > b.progress;
    });
    for (std::size_t i = 0; i < out.size(); ++i) out[i].place = static_cast<int>(i) + 1;
    return out;
}

} // namespace quadrino::table
