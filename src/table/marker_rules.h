// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which squares a pawn could reach with the amounts the user still holds, so that markers can
// be offered before anything is sent. The answers come from the rule book the host plays by,
// fed with the client's picture of the board: a marker the host would refuse is never offered.
// The host still checks every request; the picture lacks nothing the rule book reads but the
// block partners of a late joiner's first turn.
//
// Pure C++: the board panel copies its widget tags into a ClientMirror and asks here.
#include <array>

#include "protocol/vocabulary.h"
#include "rules/board_rules.h"
#include "rules/game_options.h"

namespace quadrino::table {

using quadrino::kMoveCodeCount;
using quadrino::kPawnCount;
using quadrino::kSeatCount;

// Square of every pawn: [seat - 1][pawn - 1]; 0 = at start.
using BoardPawns = std::array<std::array<int, kPawnCount>, kSeatCount>;

// The amounts as the client sees them: the tags of dice_1, dice_2 and image_bonus1..8.
struct ClientAmounts {
    int dice1 = 0;
    int dice2 = 0;
    // image_bonus1..8 at index 0..7; which amount each shows is bonusPictureOf().
    std::array<int, 8> bonus{};

    int bonusTag(int n) const { return n >= 1 && n <= 8 ? bonus[static_cast<unsigned>(n - 1)] : 0; }
    // Amount of move code 1..12; codes 3 and 8 are 0 unless both parts are non-zero; 0 for
    // a code outside 1..12.
    int amount(int code) const;
};

struct ClientMirror {
    BoardPawns boardpawns{};
    ClientAmounts amounts;
    GameOptions options;
    // The user's own pawns that shared a square as the turn began: the partner of pawn
    // 1..4 at index 0..3, 0 for none. Such a pair may not form its block again this turn.
    std::array<int, kPawnCount> blockpartner{};

    // Square of pawn 1..4 of seat 1..4; 0 for numbers out of range.
    int square(int seat, int pawn) const;
};

// Square on which marker `code` of the user's pawn would be shown, 0 when there is none.
// `seat` is the user's own seat. Pawns at start never get markers (they enter at once).
int markerTarget(const ClientMirror& mirror, int seat, int pawn, int code);
// markerTarget for every code 1..12 (index 0 unused).
std::array<int, kMoveCodeCount + 1> markerTargets(const ClientMirror& mirror, int seat, int pawn);

// The move code with which a pawn at start enters: the first of codes 1..7 whose amount is
// exactly 5, where code 3 is the plain sum of the dice tags and the bonus codes 4 and 5 count
// as 0. 0 when none gives 5.
int enteringCode(const ClientAmounts& amounts);
// Whether the user's pawn, standing at start, may enter with the amounts held now.
bool canEnter(const ClientMirror& mirror, int seat, int pawn);
// Whether the user's pawn has any move with the amounts held now, entering included.
bool canMove(const ClientMirror& mirror, int seat, int pawn);

// Markers lying on one square are stacked in this order, bottom first; a click takes the top.
inline constexpr std::array<int, kMoveCodeCount> kMarkerLayerOrder = {7, 6, 5, 4, 3, 2, 1, 8, 9, 10, 12, 11};

} // namespace quadrino::table
