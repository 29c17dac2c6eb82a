// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in words and figures: a log line for every event the client learns from the
// host's announcements, and each seat's figures for the summary at the end. Built from each
// announcement and the pictures before and after it, so it says what the board showed; a
// spectator or a late joiner has the log from the moment it joined.
//
// Plain C++, UTF-8.
#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "protocol/catalogue.h"
#include "table/numbered.h"
#include "table/ui_text.h"

// Marks a text for Qt's translation tools where Qt itself is not used.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace quadrino::table {

struct TableState;

// A part of a log line. A word (a colour, a move's amount in words) is translated with the
// line, from `words`; a name or a number is shown as it is.
struct LogArg {
    LogArg() = default;
    LogArg(std::string shown, bool isWord, UiText translatable = {})
        : text(std::move(shown)), word(isWord), words(std::move(translatable)) {}
    std::string text;
    bool word = false;
    UiText words;
    bool operator==(const LogArg&) const = default;
};

// One line: an English pattern with %1, %2... for its arguments (translation context
// "GameLog"), so a window can translate it before filling it in.
struct LogLine {
    const char* pattern = "";
    std::vector<LogArg> args;
    // The line in English.
    std::string text() const;
    bool operator==(const LogLine& other) const { return text() == other.text(); }
};

struct SeatFigures {
    int rolls = 0, doubles = 0;
    int diceTotal = 0;   // against 7 for each roll, the expected total
    int captures = 0;    // pawns this seat sent back
    int captured = 0;    // pawns of this seat sent back by others
    int penalties = 0;   // doubles and block-limit penalties
    int bonusMoves = 0;  // moves spending a 20 or 10 bonus
    bool operator==(const SeatFigures&) const = default;
};

class GameRecord {
public:
    // A host that floods cannot grow the log without end: the oldest lines go first.
    static constexpr std::size_t kMaxLines = 4000;

    // Each announcement the table drew, with the picture before and after it. New lines are
    // also appended to `added`, for the window to show and announce.
    void note(const NewPlayerInfo& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const ExistingPlayers&, const TableState&, const TableState&, std::vector<LogLine>&) {}
    void note(const PlayerDisconnected& m, const TableState& before, const TableState& after,
              std::vector<LogLine>& added);
    void note(const StartGameAnnouncement& m, const TableState& before, const TableState& after,
              std::vector<LogLine>& added);
    void note(const NextPlayer& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const HisDice& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const MoveHim& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const SendBack& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const RollAgain& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const NoMoves& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const Passing& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const GotPenalty& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const GotPenalty1& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const Warning& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const AError&, const TableState&, const TableState&, std::vector<LogLine>&) {}
    void note(const Winner& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const JustWatching& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const RemovePegs& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const Locations& m, const TableState& before, const TableState& after, std::vector<LogLine>& added);
    void note(const MoreStats&, const TableState&, const TableState&, std::vector<LogLine>&) {}

    const std::deque<LogLine>& lines() const { return lines_; }
    // The figures of the current game, or of the last one once it is over.
    const PerSeat<SeatFigures>& figures() const { return figures_; }
    // The whole log in English, one line each, for a file.
    std::string text() const;

private:
    void add(LogLine line, std::vector<LogLine>& added);

    std::deque<LogLine> lines_;
    PerSeat<SeatFigures> figures_{};
    int die1_ = 0, die2_ = 0, double1_ = 0, double2_ = 0; // the roll the moves spend
};

// A seat's place at the end of a game: the winners first, then by pawns home and progress.
struct Standing {
    int seat = 0;
    int place = 0; // 1..4
    int home = 0;  // pawns home
    int progress = 0;
    bool operator==(const Standing&) const = default;
};
// The seats that played, in their places.
std::vector<Standing> standings(const TableState& state);

} // namespace quadrino::table
