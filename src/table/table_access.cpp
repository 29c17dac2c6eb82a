// SPDX-License-Identifier: GPL-3.0-or-later
// The board in words, for screen readers and for the summary written to the chat.
#include "table/table_access.h"

#include <algorithm>
#include <array>

#include "table/table_model_detail.h"

namespace quadrino::table {

using model_detail::validSeat;

namespace {

constexpr int kTrackEnd = 68;
constexpr int kColumnFirst = 69;
constexpr int kColumnLength = 7;
constexpr int kHomeFirst = 97;
constexpr int kHomeLast = 100;
constexpr int kFullBar = 150;


// A name the board composes: the stem followed by a number within [low, high]; 0 otherwise.
int numberAfter(std::string_view name, std::string_view stem, int low, int high) {
    if (name.size() <= stem.size() || name.substr(0, stem.size()) != stem) return 0;
    int n = 0;
    for (char c : name.substr(stem.size())) {
        if (c < '0' || c > '9' || n > high) return 0;
        n = n * 10 + (c - '0');
    }
    return n >= low && n <= high ? n : 0;
}

ClientAmounts amountsOf(const TableState& s) {
    ClientAmounts a;
    a.dice1 = s.dice.value[1];
    a.dice2 = s.dice.value[2];
    a.bonus = s.bonus.items;
    return a;
}

std::string seatWord(const TableState& s, int seat) {
    return seatColourName(seat) + " (" + s.seat(seat).name + ")";
}

std::string pawnName(const TableState& s, int seat, int pawn) {
    return seatColourName(seat) + " pawn " + std::to_string(pawn) + ", " + squareText(s.pawn(seat, pawn).square);
}

AccessibleText pawnText(const TableState& s, int myseat, int seat, int pawn) {
    AccessibleText t{pawnName(s, seat, pawn), ""};
    if (seat != myseat) {
        t.description = s.seat(seat).name == kWaiting ? "Pawn of an empty seat" : s.seat(seat).name + "'s pawn";
        return t;
    }
    t.description = "Your pawn; press " + std::to_string(pawn) + " to choose it";
    for (const MarkerView& m : s.markers)
        if (m.shown && m.pawn == pawn) {
            t.description += "; chosen, Tab walks its moves";
            break;
        }
    return t;
}

AccessibleText markerText(const TableState& s, int code) {
    const MarkerView& m = s.marker(code);
    if (!m.shown) return {"Move marker", "not shown"};
    AccessibleText t;
    t.name = "Move pawn " + std::to_string(m.pawn) + " to " + squareText(m.target);
    t.description = "spends " + std::to_string(amountsOf(s).amount(code)) + " (" + moveCodeText(code) + ")";
    if (s.chosenMarker == code) t.description += "; chosen, press Enter to move";
    return t;
}

AccessibleText dieText(const TableState& s, int myseat, int die) {
    const int face = s.dice.face[die];
    const int value = s.dice.value[die];
    AccessibleText t;
    t.name = "Die " + std::to_string(die);
    if (value > 0) t.name += ": " + std::to_string(value);
    else if (face > 0) t.name += ": " + std::to_string(face) + ", used";
    else if (s.dice.place == DicePlace::Rolled) t.name += ": used";
    else t.name += ": not rolled";
    if (s.turnseat == myseat && s.clientphase == 1) t.description = "Your roll: press Space to roll the dice";
    else t.description = "Roll the dice (Space) when it is your turn";
    return t;
}

AccessibleText bonusText(const TableState& s, int slot) {
    const int amount = s.bonusAt(slot);
    if (slot == 3 || slot == 4) {
        const std::string which = "Extra die " + std::to_string(slot - 2);
        return {s.bonusShownAt(slot) ? which + ": " + std::to_string(amount) : which, "from a roll of doubles"};
    }
    const bool twenty = slot == 1 || slot == 5 || slot == 6;
    const std::string kind = twenty ? "20-square bonus" : "10-square bonus";
    return {s.bonusShownAt(slot) ? "Bonus: " + std::to_string(amount) + " squares" : kind, kind};
}

std::string percentOfBar(int width) { return std::to_string(std::clamp(width, 0, kFullBar) * 100 / kFullBar) + " percent"; }

AccessibleText seatControlText(const TableState& s, int myseat, std::string_view name) {
    if (int seat = numberAfter(name, "label_playername", 1, kSeatCount)) {
        std::string d = seatColourName(seat) + " seat";
        if (seat == myseat) d += ", your seat";
        if (s.seat(seat).turn) d += ", to move";
        if (s.seat(seat).eyes) d += ", just watching";
        if (s.seat(seat).winner) d += ", winner";
        return {"", d};
    }
    if (int seat = numberAfter(name, "image_progress", 1, kSeatCount))
        return {seatColourName(seat) + " progress: " + percentOfBar(s.seat(seat).progress),
                "How far " + s.seat(seat).name + " has come"};
    if (int seat = numberAfter(name, "button_pass", 1, kSeatCount))
        return {"Pass", seat == myseat ? "Pass your turn (P)" : seatColourName(seat) + " may pass"};
    if (int seat = numberAfter(name, "image_turn", 2, kSeatCount); seat || name == "image_Turn1")
        return {seatColourName(seat ? seat : 1) + " to move", "Turn highlight"};
    if (int seat = numberAfter(name, "image_eyes", 1, kSeatCount))
        return {seatColourName(seat) + " just watching", "The computer plays this seat"};
    if (int seat = numberAfter(name, "image_winner", 1, kSeatCount))
        return {seatColourName(seat) + " won", "Winner"};
    if (int seat = numberAfter(name, "label_team", 1, kSeatCount))
        return {"", seatColourName(seat) + " seat's team"};
    if (int seat = numberAfter(name, "image_x", 3, kSeatCount))
        return {seatColourName(seat) + " sits this game out", "Seat out of the game"};
    return {};
}

} // namespace

std::string seatColourName(int seat) {
    static const Numbered<const char*, kSeatCount> kNames{{"Yellow", "Green", "Magenta", "Red"}};
    return validSeat(seat) ? kNames[seat] : std::string();
}

std::string squareText(int square) {
    if (square <= 0) return "at start";
    if (square <= kTrackEnd)
        return "square " + std::to_string(square) + (isSafeSquare(square) ? ", safe square" : "");
    if (square < kHomeFirst)
        return "home column square " + std::to_string((square - kColumnFirst) % kColumnLength + 1);
    if (square <= kHomeLast) return "home";
    return "square " + std::to_string(square);
}

std::string moveCodeText(int code) {
    static const Numbered<const char*, kMoveCodeCount> kTexts{{
        "die 1",           "die 2",           "both dice",          "20-square bonus",
        "10-square bonus", "extra die 1",     "extra die 2",        "both extra dice",
        "second 20-square bonus", "third 20-square bonus", "second 10-square bonus", "third 10-square bonus"}};
    return kTexts.holds(code) ? kTexts[code] : std::string();
}

AccessibleText accessibleText(const TableState& s, int myseat, std::string_view name) {
    if (name.size() == 8 && name.substr(0, 6) == "piece_") {
        const int seat = name[6] - '0', pawn = name[7] - '0';
        if (validSeat(seat) && model_detail::validPawn(pawn)) return pawnText(s, myseat, seat, pawn);
    }
    if (int code = numberAfter(name, "piece_gray", 1, kMoveCodeCount)) return markerText(s, code);
    if (int die = numberAfter(name, "dice_", 1, 2)) return dieText(s, myseat, die);
    if (int slot = numberAfter(name, "image_bonus", 1, kBonusSlots)) return bonusText(s, slot);
    if (AccessibleText t = seatControlText(s, myseat, name); !t.name.empty() || !t.description.empty()) return t;

    if (name == "panel_theboard")
        return {"Board", "Space rolls, 1 to 4 choose a pawn, Tab and Shift+Tab walk its moves, Enter moves, "
                         "Escape clears, P passes, B reads the board into the chat, F6 goes to the chat"};
    if (name == "theboard") return {"Board picture", ""};
    if (name == "button_start") return {"Start Game", "Choose the options and start a game (Ctrl+N)"};
    if (name == "animated_warning") return {"Warning", "A block stands too long"};
    if (name == "panel_error") return {"Error", s.errorText};
    if (name == "label_error") return {"", "Error"};
    if (name == "Image3") return {"Close error", "Escape or a click on the board closes it"};
    if (name == "panel_bottakeover") return {"Computer player question", s.questionName};
    if (name == "Label1" || name == "label_bottakeover") return {"", "Computer player question"};
    if (name == "button_yes") return {"", "Let the computer play on for " + s.questionName};
    if (name == "button_no") return {"", "Take " + s.questionName + "'s seat out of the game"};
    if (name == "Image2") return {"Quadrino logo", "Opens the maker's web site"};
    if (name == "Image1") return {"Progress of the seats", ""};
    if (name == "label_log") return {"", "Last event"};
    if (name == "label_status") return {"", "Whose turn"};
    if (name.substr(0, 6) == "label_") return {"", "Game rule"};
    return {};
}

std::vector<std::string> boardSummary(const TableState& s, int myseat) {
    std::vector<std::string> lines;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        bool inPlay = false;
        for (const PawnView& p : s.pawns[seat]) inPlay = inPlay || p.shown;
        if (!inPlay || s.seat(seat).name == kWaiting) continue;
        std::string line = seatWord(s, seat);
        if (seat == myseat) line += ", you";
        if (s.seat(seat).turn) line += ", to move";
        line += ":";
        for (int pawn = 1; pawn <= kPawnCount; ++pawn)
            line += (pawn == 1 ? " pawn " : "; pawn ") + std::to_string(pawn) + " " + squareText(s.pawn(seat, pawn).square);
        lines.push_back(line);
    }
    if (lines.empty()) lines.emplace_back("No pawns on the board.");
    return lines;
}

std::vector<int> markerCycle(const TableState& s) {
    std::vector<int> codes;
    std::vector<int> targets;
    // Top of the stack first: the marker a click on the square would take.
    for (auto layer = kMarkerLayerOrder.rbegin(); layer != kMarkerLayerOrder.rend(); ++layer) {
        const MarkerView& m = s.marker(*layer);
        if (!m.shown || std::find(targets.begin(), targets.end(), m.target) != targets.end()) continue;
        targets.push_back(m.target);
        codes.push_back(*layer);
    }
    const ClientAmounts amounts = amountsOf(s);
    std::stable_sort(codes.begin(), codes.end(),
                     [&](int a, int b) { return amounts.amount(a) < amounts.amount(b); });
    return codes;
}

} // namespace quadrino::table
