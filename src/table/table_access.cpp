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

UiText w(const char* pattern, std::vector<UiText> args = {}) {
    return words("quadrino::table::TableAccess", pattern, std::move(args));
}

AccessibleText said(UiText name, UiText description) {
    return {name.english(), description.english(), std::move(name), std::move(description)};
}

UiText number(int n) { return plain(std::to_string(n)); }

// The texts of one control, each a list: "Green seat, your seat, to move".
UiText listed(UiText list, UiText item) { return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1, %2"), {std::move(list), std::move(item)}); }

UiText seatWord(const TableState& s, int seat) {
    return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 (%2)"), {seatColourWords(seat), seatNameWords(s, seat)});
}

UiText pawnName(const TableState& s, int seat, int pawn) {
    return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 pawn %2, %3"), {seatColourWords(seat), number(pawn), squareWords(s.pawn(seat, pawn).square)});
}

AccessibleText pawnText(const TableState& s, int myseat, int seat, int pawn) {
    if (seat != myseat)
        return said(pawnName(s, seat, pawn), s.seat(seat).name == kWaiting
                                                 ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Pawn of an empty seat"))
                                                 : w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1's pawn"), {plain(s.seat(seat).name)}));
    bool chosen = false;
    for (const MarkerView& m : s.markers) chosen = chosen || (m.shown && m.pawn == pawn);
    return said(pawnName(s, seat, pawn), chosen ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Your pawn; press %1 to choose it; chosen, Tab walks its moves"), {number(pawn)})
                                                : w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Your pawn; press %1 to choose it"), {number(pawn)}));
}

AccessibleText markerText(const TableState& s, int code) {
    const MarkerView& m = s.marker(code);
    if (!m.shown) return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Move marker")), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "not shown")));
    const UiText name = w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Move pawn %1 to %2"), {number(m.pawn), squareWords(m.target)});
    const std::vector<UiText> spent{number(amountsOf(s).amount(code)), moveCodeWords(code)};
    if (s.chosenMarker == code) return said(name, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "spends %1 (%2); chosen, press Enter to move"), spent));
    return said(name, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "spends %1 (%2)"), spent));
}

AccessibleText dieText(const TableState& s, int myseat, int die) {
    const int face = s.dice.face[die];
    const int value = s.dice.value[die];
    UiText name;
    if (value > 0) name = w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Die %1: %2"), {number(die), number(value)});
    else if (face > 0) name = w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Die %1: %2, used"), {number(die), number(face)});
    else if (s.dice.place == DicePlace::Rolled) name = w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Die %1: used"), {number(die)});
    else name = w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Die %1: not rolled"), {number(die)});
    if (s.turnseat == myseat && s.clientphase == 1) return said(name, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Your roll: press Space to roll the dice")));
    return said(name, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Roll the dice (Space) when it is your turn")));
}

AccessibleText bonusText(const TableState& s, int slot) {
    const int amount = s.bonusAt(slot);
    if (slot == 3 || slot == 4) {
        const UiText which = number(slot - 2);
        return said(s.bonusShownAt(slot) ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Extra die %1: %2"), {which, number(amount)}) : w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Extra die %1"), {which}),
                    w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "from a roll of doubles")));
    }
    const bool twenty = slot == 1 || slot == 5 || slot == 6;
    const UiText kind = twenty ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "20-square bonus")) : w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "10-square bonus"));
    return said(s.bonusShownAt(slot) ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Bonus: %1 squares"), {number(amount)}) : kind, kind);
}

UiText percentOfBar(int width) { return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 percent"), {number(std::clamp(width, 0, kFullBar) * 100 / kFullBar)}); }

AccessibleText seatControlText(const TableState& s, int myseat, std::string_view name) {
    if (int seat = numberAfter(name, "label_playername", 1, kSeatCount)) {
        UiText d = w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 seat"), {seatColourWords(seat)});
        if (seat == myseat) d = listed(d, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "your seat")));
        if (s.seat(seat).turn) d = listed(d, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "to move")));
        if (s.seat(seat).eyes) d = listed(d, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "just watching")));
        if (s.seat(seat).winner) d = listed(d, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "winner")));
        return said({}, d);
    }
    if (int seat = numberAfter(name, "image_progress", 1, kSeatCount))
        return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 progress: %2"), {seatColourWords(seat), percentOfBar(s.seat(seat).progress)}),
                    w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "How far %1 has come"), {seatNameWords(s, seat)}));
    if (int seat = numberAfter(name, "button_pass", 1, kSeatCount))
        return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Pass")), seat == myseat ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Pass your turn (P)")) : w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 may pass"), {seatColourWords(seat)}));
    if (int seat = numberAfter(name, "image_turn", 2, kSeatCount); seat || name == "image_Turn1")
        return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 to move"), {seatColourWords(seat ? seat : 1)}), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Turn highlight")));
    if (int seat = numberAfter(name, "image_eyes", 1, kSeatCount))
        return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 just watching"), {seatColourWords(seat)}), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "The computer plays this seat")));
    if (int seat = numberAfter(name, "image_winner", 1, kSeatCount))
        return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 won"), {seatColourWords(seat)}), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Winner")));
    if (int seat = numberAfter(name, "label_team", 1, kSeatCount))
        return said({}, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 seat's team"), {seatColourWords(seat)}));
    if (int seat = numberAfter(name, "image_x", 3, kSeatCount))
        return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1 sits this game out"), {seatColourWords(seat)}), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Seat out of the game")));
    return {};
}

} // namespace

UiText seatColourWords(int seat) {
    // The game log names the seats with the same words.
    switch (seat) {
    case 1: return words("GameLog", QT_TRANSLATE_NOOP("GameLog", "Yellow"));
    case 2: return words("GameLog", QT_TRANSLATE_NOOP("GameLog", "Green"));
    case 3: return words("GameLog", QT_TRANSLATE_NOOP("GameLog", "Magenta"));
    case 4: return words("GameLog", QT_TRANSLATE_NOOP("GameLog", "Red"));
    default: return {};
    }
}

std::string seatColourName(int seat) { return seatColourWords(seat).english(); }

UiText seatNameWords(const TableState& s, int seat) {
    const std::string& name = s.seat(seat).name;
    return name == kWaiting ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "<Waiting>")) : plain(name);
}

UiText questionNameWords(const TableState& s) {
    return s.questionName == TableState{}.questionName ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Player?")) : plain(s.questionName);
}

UiText squareWords(int square) {
    if (square <= 0) return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "at start"));
    if (square <= kTrackEnd)
        return isSafeSquare(square) ? w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "square %1, safe square"), {number(square)}) : w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "square %1"), {number(square)});
    if (square < kHomeFirst)
        return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "home column square %1"), {number((square - kColumnFirst) % kColumnLength + 1)});
    if (square <= kHomeLast) return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "home"));
    return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "square %1"), {number(square)});
}

std::string squareText(int square) { return squareWords(square).english(); }

UiText moveCodeWords(int code) {
    switch (code) {
    case 1: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "die 1"));
    case 2: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "die 2"));
    case 3: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "both dice"));
    case 4: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "20-square bonus"));
    case 5: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "10-square bonus"));
    case 6: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "extra die 1"));
    case 7: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "extra die 2"));
    case 8: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "both extra dice"));
    case 9: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "second 20-square bonus"));
    case 10: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "third 20-square bonus"));
    case 11: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "second 10-square bonus"));
    case 12: return w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "third 10-square bonus"));
    default: return {};
    }
}

std::string moveCodeText(int code) { return moveCodeWords(code).english(); }

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
        return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Board")), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Space rolls, 1 to 4 choose a pawn, Tab and Shift+Tab walk its moves, Enter moves, "
                                       "Escape clears, P passes, B reads the board into the chat, F6 goes to the chat")));
    if (name == "theboard") return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Board picture")), {});
    if (name == "button_start") return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Start Game")), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Choose the options and start a game (Ctrl+N)")));
    if (name == "animated_warning") return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Warning")), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "A block stands too long")));
    if (name == "panel_error") return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Error")), s.errorWords);
    if (name == "label_error") return said({}, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Error")));
    if (name == "Image3") return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Close error")), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Escape or a click on the board closes it")));
    if (name == "panel_bottakeover") return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Computer player question")), questionNameWords(s));
    if (name == "Label1" || name == "label_bottakeover") return said({}, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Computer player question")));
    if (name == "button_yes") return said({}, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Let the computer play on for %1"), {questionNameWords(s)}));
    if (name == "button_no") return said({}, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Take %1's seat out of the game"), {questionNameWords(s)}));
    if (name == "Image2") return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Quadrino logo")), w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Opens the maker's web site")));
    if (name == "Image1") return said(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Progress of the seats")), {});
    if (name == "label_log") return said({}, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Last event")));
    if (name == "label_status") return said({}, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Whose turn")));
    if (name.substr(0, 6) == "label_") return said({}, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "Game rule")));
    return {};
}

std::vector<UiText> boardSummary(const TableState& s, int myseat) {
    static_assert(kPawnCount == 4, "a summary line names four pawns");
    std::vector<UiText> lines;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        bool inPlay = false;
        for (const PawnView& p : s.pawns[seat]) inPlay = inPlay || p.shown;
        if (!inPlay || s.seat(seat).name == kWaiting) continue;
        UiText who = seatWord(s, seat);
        if (seat == myseat) who = listed(who, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "you")));
        if (s.seat(seat).turn) who = listed(who, w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "to move")));
        std::vector<UiText> pawns;
        for (int pawn = 1; pawn <= kPawnCount; ++pawn)
            pawns.push_back(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "pawn %1 %2"), {number(pawn), squareWords(s.pawn(seat, pawn).square)}));
        lines.push_back(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "%1: %2; %3; %4; %5"), {who, pawns[0], pawns[1], pawns[2], pawns[3]}));
    }
    if (lines.empty()) lines.push_back(w(QT_TRANSLATE_NOOP("quadrino::table::TableAccess", "No pawns on the board.")));
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
