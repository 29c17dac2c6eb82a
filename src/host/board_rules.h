#pragma once
// The rule book: squares and stepping, legality of a move, captures and bonuses.
// Pure functions over BoardState; the host applies them, the computer player asks them.
#include <array>
#include <optional>

#include "host/game_state.h"

namespace quadrino {

bool isSafeSquare(int square);
// One step of a pawn of `seat` from `square` (the stepping rule, home columns included).
int stepSquare(int seat, int square);
// Distance along the track from the seat's start square; what a seat loses when the pawn
// goes back to start.
int trackDistance(int seat, int square);

// The order in which every search for a move tries the amounts: both dice, their sum, the
// three 20 bonuses, the three 10 bonuses, both doubles copies, their sum.
inline constexpr std::array<int, 12> kMoveCodeOrder = {1, 2, 3, 4, 9, 10, 5, 11, 12, 6, 7, 8};

// The amount a move code (1..12) spends, 0 when unavailable (codes 3 and 8 need both parts);
// nullopt for a code outside 1..12.
std::optional<int> amountOfCode(const MoveSlots& amounts, int code);
// Error code for an unavailable amount: 3 for codes 1..3, 4 for 4..12.
int unavailableError(int code);
// Empties the slot(s) the code spends.
void spendCode(MoveSlots& amounts, int code);
bool allSlotsEmpty(const MoveSlots& amounts);

bool checkfortwo(const BoardState& b, int square);
bool morethentwo(const BoardState& b, int seat, int square);
bool notteamie(const BoardState& b, int seat, int other);

// Landing square, or 0 when refused. In commit mode a granted move also records a capture
// (sendseat/sendpawn), fills a 20 bonus slot per capture and adds to progress. The pawn
// must be 1..4; anything else is refused.
int oktomove(BoardState& b, int seat, int pawn, int amount, bool commit);
int oktomoveTest(const BoardState& b, int seat, int pawn, int amount);

// True when the seat has at least one legal move with the amounts left.
bool checkformoves(const BoardState& b, int seat);
// The pawn the three-doubles penalty sends back, 0 for none.
int findclosestpawn(const BoardState& b, int seat);

// Puts 10 (home bonus) or 20 (capture bonus) into the first empty slot of its kind; with all
// three full the third is set again and the bonus is lost.
void awardHomeBonus(MoveSlots& amounts);
void awardCaptureBonus(MoveSlots& amounts);

} // namespace quadrino
