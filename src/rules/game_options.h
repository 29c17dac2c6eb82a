// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optional rules the hosting user picks for a game, and the one table that everything
// showing, storing or sending them reads: where each travels in the start request, the start
// announcement and a late joiner's state; its control and caption in the options dialog; its
// label on the board; its key in the settings file. A new option is a member, a row here and
// the rule that reads it.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quadrino {

struct GameOptions {
    bool penalty = false;
    bool passing = false;
    bool blocking = false;
    bool pouncing = false;
    bool teamgame = false;
    bool fullgame = false;
    int blocklimit = 0; // 0 = unlimited
    bool operator==(const GameOptions&) const = default;
};

// An option's row sits at its own index.
// The rows' order is the options dialog's, top to bottom.
enum class GameOption { penalty, passing, blocking, blocklimit, pouncing, fullgame, teamgame };
inline constexpr std::size_t kGameOptionCount = 7;

inline constexpr int kMaxBlockLimit = 10;

// The messages that carry options: the hosting client's start request, the host's start
// announcement to everybody, and the state a late joiner is sent.
enum class OptionCarrier { request, announcement, locations };
inline constexpr std::size_t kOptionCarriers = 3;

struct BoardLabelPlace {
    int x, y, width, height;
    bool rightAligned; // the left column of labels lines up on its right edge
};

struct GameOptionRow {
    GameOption id;
    // Exactly one of the two is set: an on/off rule or a number (0 to `highest`).
    bool GameOptions::*flag;
    int GameOptions::*number;
    int highest;
    // Field of each carrier, counted from 1 after the command word; 0 = not carried.
    std::array<int, kOptionCarriers> field;
    // Options dialog: the control's objectName, its caption and its state before any
    // settings have been read.
    std::string_view control;
    std::string_view caption;
    int initial;
    std::string_view noteName; // a quieter explanation beside it ("" = none)
    std::string_view note;
    // Board label: objectName ("" = none), the text before ": ON", its hint and its place.
    std::string_view label;
    std::string_view labelText;
    std::string_view hint;
    BoardLabelPlace place;
    // Settings file key ("" = not kept: it starts from `initial` every run) and the value an
    // absent or unusable entry reads as.
    std::string_view settingsKey;
    int settingsDefault;

    constexpr bool isFlag() const { return flag != nullptr; }
    constexpr int fieldIn(OptionCarrier c) const { return field[static_cast<std::size_t>(c)]; }
    constexpr int value(const GameOptions& o) const { return isFlag() ? (o.*flag ? 1 : 0) : o.*number; }
    // Flags take 1 as on and anything else as off; numbers are stored as given.
    constexpr void set(GameOptions& o, int v) const {
        if (isFlag()) o.*flag = v == 1;
        else o.*number = v;
    }
};

inline constexpr std::array<GameOptionRow, kGameOptionCount> kGameOptions = {{
    {GameOption::penalty, &GameOptions::penalty, nullptr, 1, {2, 2, 4},
     "box_penalty", "3 Double Penalty", 1, "", "",
     "label_penalty", "Doubles Penalty", "Penalty for rolling doubles more then twice a turn",
     {643, 162, 118, 19, false}, "Penalty", 1},
    {GameOption::passing, &GameOptions::passing, nullptr, 1, {3, 3, 5},
     "box_passing", "Passing Allowed", 0, "", "",
     "label_passing", "Passing", "The abillity to pass your turn.",
     {529, 162, 101, 16, true}, "Passing", 0},
    {GameOption::blocking, &GameOptions::blocking, nullptr, 1, {4, 4, 6},
     "box_blocking", "Blocking Allowed", 1, "", "",
     "label_blocking", "Blocking",
     "The abillity to have two of your pawns on one square preventing other players from passing.",
     {644, 178, 100, 19, false}, "Blocking", 1},
    {GameOption::blocklimit, nullptr, &GameOptions::blocklimit, kMaxBlockLimit, {7, 9, 8},
     "updown_limited", "Limit Blocks To:", 3, "caption_unlimited", "setting to 0 allows unlimited blocking",
     "label_limit", "Block Limit", "The amount of turns two of your pawns can block.",
     {644, 194, 116, 16, false}, "Limits", 0},
    {GameOption::pouncing, &GameOptions::pouncing, nullptr, 1, {5, 5, 7},
     "box_pouncing", "Pouncing Allowed", 1, "", "",
     "label_pouncing", "Pouncing", "The ability to land on other players pawns and send it back to start.",
     {529, 178, 101, 16, true}, "Pouncing", 1},
    // Only the host needs it: bots fill the empty seats.
    {GameOption::fullgame, &GameOptions::fullgame, nullptr, 1, {8, 0, 0},
     "box_fullgame", "Full Game", 0, "caption_bots", "Bots will fill empty seats",
     "", "", "", {}, "Full", 0},
    // The announcement repeats the team flag in its last field.
    {GameOption::teamgame, &GameOptions::teamgame, nullptr, 1, {6, 8, 0},
     "box_teamgame", "Team Game", 0, "", "",
     "label_teamgame", "Team Game", "To play with a partner",
     {529, 193, 101, 14, true}, "", 0},
}};

constexpr const GameOptionRow& optionRow(GameOption id) { return kGameOptions[static_cast<std::size_t>(id)]; }

namespace detail {
constexpr bool optionTableIsSound() {
    for (std::size_t i = 0; i < kGameOptions.size(); ++i) {
        const GameOptionRow& r = kGameOptions[i];
        if (static_cast<std::size_t>(r.id) != i || (r.flag == nullptr) == (r.number == nullptr)) return false;
        if (r.initial < 0 || r.initial > r.highest || r.settingsDefault < 0 || r.settingsDefault > r.highest)
            return false;
        for (std::size_t j = 0; j < i; ++j)
            for (std::size_t c = 0; c < kOptionCarriers; ++c)
                if (r.field[c] != 0 && r.field[c] == kGameOptions[j].field[c]) return false;
    }
    return true;
}
} // namespace detail
static_assert(detail::optionTableIsSound(), "each option at its own index, one kind, its own field in each message");

// The options the dialog starts with before the settings are read, and those an empty
// settings file gives.
constexpr GameOptions initialGameOptions() {
    GameOptions o;
    for (const GameOptionRow& r : kGameOptions) r.set(o, r.initial);
    return o;
}
constexpr GameOptions settingsDefaultGameOptions() {
    GameOptions o;
    for (const GameOptionRow& r : kGameOptions) r.set(o, r.settingsDefault);
    return o;
}

// An option's board label for a value: "Pouncing: ON", "Block Limit: 4", "Block Limit: None"
// (no limit); "" for an option without a label.
inline std::string optionLabel(const GameOptionRow& row, int value) {
    if (row.label.empty()) return {};
    const std::string shown = row.isFlag() ? (value == 1 ? "ON" : "OFF") : value == 0 ? "None" : std::to_string(value);
    return std::string(row.labelText) + ": " + shown;
}

// The labels before any game has been announced: every one "OFF".
inline std::array<std::string, kGameOptionCount> initialOptionLabels() {
    std::array<std::string, kGameOptionCount> labels;
    for (const GameOptionRow& row : kGameOptions)
        if (!row.label.empty()) labels[static_cast<std::size_t>(row.id)] = std::string(row.labelText) + ": OFF";
    return labels;
}

} // namespace quadrino
