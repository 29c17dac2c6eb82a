// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board in words: what a screen reader says for each control of the board, and the text
// summary of every seat's pawns. Built from the picture alone, so that it can be checked
// without a window and always says what the board shows.
//
// Plain C++, UTF-8.
#include <string>
#include <string_view>
#include <vector>

#include "table/table_model.h"
#include "table/ui_text.h"

namespace quadrino::table {

// "Yellow", "Green", "Magenta", "Red" for seats 1..4; empty for any other number. The words
// are those of the game log (context "GameLog"), which names the seats the same way.
std::string seatColourName(int seat);
UiText seatColourWords(int seat);

// A seat's player as the board shows it: an empty seat reads "<Waiting>" in the user's language.
UiText seatNameWords(const TableState& state, int seat);
// The player the computer-player question is about; "Player?" until one has left.
UiText questionNameWords(const TableState& state);

// Where a pawn stands, as a player would say it: "at start", "square 17, safe square",
// "home column square 3", "home".
std::string squareText(int square);
UiText squareWords(int square);

// What move code 1..12 spends: "die 1", "both dice", "20-square bonus", ...
std::string moveCodeText(int code);
UiText moveCodeWords(int code);

struct AccessibleText {
    std::string name;        // empty: leave the control's own name (a label's text)
    std::string description;
    UiText nameWords;        // the same two, for a window to translate
    UiText descriptionWords;
    bool operator==(const AccessibleText&) const = default;
};

// The texts of the board control with this objectName, for the user in seat `myseat`.
// Unknown names get empty texts.
AccessibleText accessibleText(const TableState& state, int myseat, std::string_view objectName);

// One line per seat in play: its colour, its player and where each of its pawns stands.
std::vector<UiText> boardSummary(const TableState& state, int myseat);

// The markers the keys walk through, in order: one per target square (the one a click on that
// square would take), nearest amount first.
std::vector<int> markerCycle(const TableState& state);

} // namespace quadrino::table
