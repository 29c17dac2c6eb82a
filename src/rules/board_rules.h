// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule book: stepping, legality of a move, captures and bonuses, and the block limit.
// Pure functions over BoardState; the turn engine applies them, the computer player asks them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "rules/game_state.h"

namespace quadrino {

// A seat's pawns go once round the track from their start square (this many track squares,
// the start square included), then up their home column and onto their home square.
inline constexpr int kTrackStepsPerSeat = 64;
// The squares from a seat's start square to its home square, both included.
inline constexpr int kPathLength = kTrackStepsPerSeat + kHomeColumnLength + 1;
// Square numbers 0..100.
inline constexpr int kBoardSquares = 101;
// One step of a pawn of `seat` from `square`: round the track, off it into the seat's home
// column after its last track square, and from the column's end onto its home square. A pawn
// off its seat's path (only a hand-made board has one) steps by the same rule.
int stepSquare(int seat, int square);
// Distance along the track from the seat's start square (for squares 1..68).
int trackDistance(int seat, int square);
// What a pawn on `square` adds to its seat's progress: 0 at start, 1 for entering, and one
// more for every step from the start square on (71 steps to the home square).
int pawnProgress(int seat, int square);
// The seat's progress: the sum over its pawns. Kept as a sum, it can never go negative nor
// drift from the board, whatever joins, captures and penalties happen.
int progressOf(const BoardState& b, int seat);

// The amount a move code (1..12) spends, 0 when unavailable (codes 3 and 8 need both parts);
// nullopt for a code outside 1..12.
std::optional<int> amountOfCode(const MoveSlots& amounts, int code);
// Error code for an unavailable amount: 3 for codes 1..3, 4 for 4..12, 5 for anything else.
int unavailableError(int code);
// Empties the slot(s) the code spends.
void spendCode(MoveSlots& amounts, int code);
bool allSlotsEmpty(const MoveSlots& amounts);

bool checkfortwo(const BoardState& b, int square);
bool morethentwo(const BoardState& b, int seat, int square);
bool notteamie(const BoardState& b, int seat, int other);

// How many pawns stand on each square 0..100: the one count every question about a move
// reads. Counted once per position; a caller that keeps one across moves updates it with
// moved() (commitMove does that for the moving pawn).
class SquareCounts {
public:
    explicit SquareCounts(const BoardState& b);
    int at(int square) const { return count_[static_cast<std::size_t>(square)]; }
    bool operator==(const SquareCounts&) const = default;
    // A pawn went from one square to another (0: back to start).
    void moved(int from, int to) {
        if (from >= 0 && from < kBoardSquares) --count_[static_cast<std::size_t>(from)];
        if (to >= 0 && to < kBoardSquares) ++count_[static_cast<std::size_t>(to)];
    }

private:
    std::array<std::uint8_t, kBoardSquares> count_{};
};

// The move API. `counts` must be the count of `b`.
//
// Where the pawn would land moving `amount`, 0 when the rules refuse it (a seat or pawn out of
// range, an amount below 1 included). Asks only: nothing changes.
int oktomove(const BoardState& b, const SquareCounts& counts, int seat, int pawn, int amount);
// True when the seat has at least one legal move with the amounts left.
bool checkformoves(const BoardState& b, const SquareCounts& counts, int seat);

// A move as the host applies a request: refused (landing 0, nothing changed) unless the code
// is 1..12 with its amount there and the rules grant it. Granted, the pawn lands (and counts
// follow it), a capture earns its 20 and is recorded in sendseat/sendpawn (the caller sends it
// back and tells counts), the code's slots are spent, a pawn reaching home earns the 10, and
// whether the seat has a move left is judged with the captured pawn still on the landing square.
struct CommittedMove {
    int landing = 0;
    bool more = false;
};
CommittedMove commitMove(BoardState& b, SquareCounts& counts, int seat, int pawn, int code);
// The pawn the three-doubles penalty sends back, 0 for none.
int findclosestpawn(const BoardState& b, int seat);
// Sends a pawn back to start.
void sendToStart(BoardState& b, int seat, int pawn);

// Puts 10 (home bonus) or 20 (capture bonus) into the first empty slot of its kind; with all
// three full the third is set again and the bonus is lost.
void awardHomeBonus(MoveSlots& amounts);
void awardCaptureBonus(MoveSlots& amounts);

// The block limit, judged when a seat's turn begins (not on a roll-again).
struct BlockLimitEvent {
    enum class Kind { warning, penalty } kind;
    int pawn = 0;
    int partnerPawn = 0; // warning: the pawn it shares its square with
    int progress = 0;    // penalty: the seat's progress after the pawn went back
};
struct BlockLimitEvents {
    std::array<BlockLimitEvent, kPawnCount> items{};
    std::size_t count = 0;
};
// Counts every block that still stands since the seat's last turn; a block that reaches the
// limit sends its pawn back to start (events in pawn order; at most one warning, one turn
// before the limit). Does nothing when blocking is off or the limit is 0.
BlockLimitEvents applyBlockLimit(BoardState& b, int seat);
// Remembers which of the seat's pawns share a square as its turn begins.
void recordBlockPartners(BoardState& b, int seat);

} // namespace quadrino
