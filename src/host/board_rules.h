// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule book: stepping, legality of a move, captures and bonuses, and the block limit.
// Pure functions over BoardState; the turn engine applies them, the computer player asks them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "host/game_state.h"

namespace quadrino {

// One step of a pawn of `seat` from `square` (the stepping rule, home columns included).
int stepSquare(int seat, int square);
// The squares from a seat's start square to its home square, both included.
inline constexpr int kPathLength = 64 + kHomeColumnLength + 1;
// Square numbers 0..100.
inline constexpr int kBoardSquares = 101;
// The square `steps` steps on from `square` along the seat's path: stepSquare repeated,
// 0 past the home square or for a square off the seat's path (start included).
int squareAhead(int seat, int square, int steps);
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

// Landing square, or 0 when refused. In commit mode a granted move also records a capture
// (sendseat/sendpawn) and fills a 20 bonus slot per capture. The pawn
// must be 1..4; anything else is refused.
int oktomove(BoardState& b, int seat, int pawn, int amount, bool commit);
int oktomoveTest(const BoardState& b, int seat, int pawn, int amount);

// How many pawns stand on each square 0..100, counted once for many questions about one
// position.
class SquareCounts {
public:
    explicit SquareCounts(const BoardState& b);
    int at(int square) const { return count_[static_cast<std::size_t>(square)]; }
    bool operator==(const SquareCounts&) const = default;
    // A pawn went from one square to another.
    void moved(int from, int to) {
        if (from >= 0 && from < kBoardSquares) --count_[static_cast<std::size_t>(from)];
        if (to >= 0 && to < kBoardSquares) ++count_[static_cast<std::size_t>(to)];
    }

private:
    std::array<std::uint8_t, kBoardSquares> count_{};
};

// oktomoveTest for the many questions a decision or a scan for moves asks about one seat in
// one position: the squares are counted once, and the common case, a pawn on its path
// stepping onto an empty square past no pair, is answered here. It reads the board it was
// made from, which must outlive it and stay unchanged while it is asked.
class MoveJudge {
public:
    MoveJudge(const BoardState& b, int seat) : b_(b), seat_(seat), own_(std::in_place, b), counts_(*own_) { bind(); }
    // With the squares already counted for this board: read, not copied, so they too must
    // outlive the judge and stay unchanged while it is asked.
    MoveJudge(const BoardState& b, int seat, const SquareCounts& counts) : b_(b), seat_(seat), counts_(counts) {
        bind();
    }
    // It may read its own count: a copy would read the original's.
    MoveJudge(const MoveJudge&) = delete;
    MoveJudge& operator=(const MoveJudge&) = delete;

    int landing(int pawn, int amount) const {
        if (isPawn(pawn) && amount >= 1) {
            const int from = step_[static_cast<std::size_t>(pawn - 1)];
            if (from == kAtStart && amount != 5) return 0; // only a five enters
            if (from >= 0) {
                if (const int answer = commonStep(path_, from, amount, counts_); answer >= 0) return answer;
            }
        }
        return judged(pawn, amount);
    }

    // A pawn `from` steps along `path` moving `amount` (at least 1): the landing square when it
    // steps onto an empty square past no pair (nobody is captured), 0 when the rules refuse
    // it, -1 when only the rule book in full can tell.
    static int commonStep(const std::uint8_t* path, int from, int amount, const SquareCounts& counts) {
        if (amount > kPathLength - 1 - from) return 0; // past the home square
        const int last = from + amount;
        // No pawn passes or lands on a pair; the home square holds any number.
        const int checked = last < kPathLength - 1 ? last : kPathLength - 2;
        for (int i = from + 1; i <= checked; ++i)
            if (counts.at(path[i]) >= 2) return 0;
        const int target = path[last];
        return counts.at(target) == 0 ? target : -1;
    }

private:
    // Everything else, by the rule book in full.
    int judged(int pawn, int amount) const;
    void bind();

    const BoardState& b_;
    int seat_;
    std::optional<SquareCounts> own_; // counted here when the caller had not
    const SquareCounts& counts_;
    const std::uint8_t* path_ = nullptr; // the seat's squares by steps from its start square
    static constexpr int kAtStart = -2;
    std::array<int, kPawnCount> step_{}; // each pawn's steps along its path, kAtStart, or -1 elsewhere
};

// True when the seat has at least one legal move with the amounts left.
bool checkformoves(const BoardState& b, int seat);
// The same with the board's squares already counted.
bool checkformoves(const BoardState& b, int seat, const SquareCounts& counts);

// A move as the host applies a request: refused (landing 0, nothing changed) unless the code
// is 1..12 with its amount there and the rules grant it. Granted, the pawn lands, a capture
// earns its 20 and is recorded in sendseat/sendpawn (the caller sends it back), the code's
// slots are spent, a pawn reaching home earns the 10, and whether the seat has a move left
// is judged with the captured pawn still on the landing square.
struct CommittedMove {
    int landing = 0;
    bool more = false;
};
CommittedMove commitMove(BoardState& b, int seat, int pawn, int code);
// The same for a caller that keeps the board's squares counted: the counts are read and, for
// a granted move, moved along with the pawn (the captured pawn still counted where it stood).
CommittedMove commitMove(BoardState& b, int seat, int pawn, int code, SquareCounts& counts);
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
