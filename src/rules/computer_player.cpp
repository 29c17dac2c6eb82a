// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/computer_player.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "rules/board_rules.h"
#include "rules/strong_player.h"

namespace quadrino {

namespace {

// Amounts below this are remembered per pawn; a larger one (only a hand-made board has one)
// is put to the rules every time.
constexpr int kRemembered = 32;
using AmountSet = std::uint32_t; // bit a: amount a, for amounts below kRemembered

constexpr AmountSet bit(int amount) { return AmountSet{1} << amount; }

// One decision's questions to the rule book. The board does not change while the procedure
// runs, and it asks the same pawn about the same amount again and again (every pawn pair on
// the board may want the same distance), so the squares are counted once and each answer is
// kept.
class Asker {
public:
    Asker(const BoardState& b, int seat, const SquareCounts& counts) : b_(b), counts_(counts), seat_(seat) {
        const auto amounts = amountsInOrder(b.amounts);
        for (std::size_t i = 0; i < kMoveCodeCount; ++i) {
            const int code = kMoveCodeOrder[i];
            const int amount = amounts[i];
            if (amount == 0) continue;
            offerCode_[offerCount_] = static_cast<std::int8_t>(code);
            offerAmount_[offerCount_] = amount;
            ++offerCount_;
            if (amount < 0 || amount >= kRemembered) {
                unusualOffer_ = true;
            } else if ((offered_ & bit(amount)) == 0) {
                offered_ |= bit(amount);
                firstCode_[static_cast<std::size_t>(amount)] = static_cast<std::int8_t>(code);
            }
        }
    }

    bool granted(int pawn, int amount) {
        if (amount == 0) return false;
        if (amount < 0 || amount >= kRemembered) return oktomove(b_, counts_, seat_, pawn, amount) != 0;
        const auto p = static_cast<std::size_t>(pawn - 1);
        if ((known_[p] & bit(amount)) == 0) {
            known_[p] |= bit(amount);
            if (oktomove(b_, counts_, seat_, pawn, amount) != 0) granted_[p] |= bit(amount);
        }
        return (granted_[p] & bit(amount)) != 0;
    }

    // An amount no distance set can hold is on offer.
    bool unusualOffer() const { return unusualOffer_; }

    // Those of the distances that are offered and move the pawn.
    AmountSet grantedAmong(int pawn, AmountSet distances) {
        AmountSet result = 0;
        for (AmountSet left = distances & offered_; left != 0; left &= left - 1) {
            const int amount = std::countr_zero(left);
            if (granted(pawn, amount)) result |= bit(amount);
        }
        return result;
    }
    // The first code of the full order that spends the amount (below kRemembered, offered).
    int firstCode(int amount) const { return firstCode_[static_cast<std::size_t>(amount)]; }

    // The first code of the full order whose amount equals `wanted`, if that amount moves
    // the pawn; every code of one amount moves it alike.
    std::optional<BotMove> firstGranted(int pawn, int wanted) {
        int code = 0;
        if (wanted > 0 && wanted < kRemembered) {
            if (offered_ & bit(wanted)) code = firstCode_[static_cast<std::size_t>(wanted)];
        } else {
            for (std::size_t i = 0; i < offerCount_ && code == 0; ++i)
                if (offerAmount_[i] == wanted) code = offerCode_[i];
        }
        if (code == 0 || !granted(pawn, wanted)) return std::nullopt;
        return BotMove{code, pawn};
    }

    // The first code of the full order that moves the pawn.
    std::optional<BotMove> firstGranted(int pawn) {
        for (std::size_t i = 0; i < offerCount_; ++i)
            if (granted(pawn, offerAmount_[i])) return BotMove{offerCode_[i], pawn};
        return std::nullopt;
    }

private:
    const BoardState& b_;
    const SquareCounts& counts_;
    int seat_;
    // The non-zero amounts of the full slot order with their codes.
    std::array<std::int8_t, kMoveCodeCount> offerCode_{};
    std::array<int, kMoveCodeCount> offerAmount_{};
    std::size_t offerCount_ = 0;
    AmountSet offered_ = 0;
    bool unusualOffer_ = false;
    std::array<std::int8_t, kRemembered> firstCode_{}; // by amount, where offered_ has it
    std::array<AmountSet, kPawnCount> known_{};       // by pawn: amounts already asked
    std::array<AmountSet, kPawnCount> granted_{};     // and those granted
};

std::optional<BotMove> checkforblock(const BoardState& b, Asker& ask, int seat) {
    const int limit = b.options.blocklimit;
    if (limit <= 0) return std::nullopt;
    const MoveSlots& m = b.amounts;
    const SeatState& me = b.seats[seat];
    // Only neighbouring pawn numbers are looked at, and only the lower pawn of the pair
    // moves: the one the turn engine would send back.
    for (int k = 1; k < kPawnCount; ++k) {
        const int square = me.pawnsquare[k];
        if (square == 0 || square != me.pawnsquare[k + 1] || me.blockturns[k] <= limit - 2) continue;
        if (ask.granted(k, m.die1)) return BotMove{1, k};
        if (ask.granted(k, m.die2)) return BotMove{2, k};
        if (m.die1 != 0 && m.die2 != 0 && ask.granted(k, m.die1 + m.die2)) return BotMove{3, k};
    }
    return std::nullopt;
}

std::optional<BotMove> checkforcomputerstart(const BoardState& b, Asker& ask, int seat) {
    const MoveSlots& m = b.amounts;
    const bool sumIsFive = m.die1 != 0 && m.die2 != 0 && m.die1 + m.die2 == 5;
    if (m.die1 != 5 && m.die2 != 5 && !sumIsFive && m.double1 != 5 && m.double2 != 5) return std::nullopt;

    const SeatState& me = b.seats[seat];
    int highestAtStart = 0;
    int onStartSquare = 0;
    for (int p = 1; p <= kPawnCount; ++p) {
        if (me.pawnsquare[p] == 0)
            highestAtStart = p;
        else if (me.pawnsquare[p] == startSquareOf(seat))
            ++onStartSquare;
    }
    if (highestAtStart == 0 || onStartSquare >= 2) return std::nullopt;

    const int pawn = highestAtStart;
    if (!ask.granted(pawn, 5)) return std::nullopt;
    if (m.die1 == 5) return BotMove{1, pawn};
    if (m.die2 == 5) return BotMove{2, pawn};
    if (sumIsFive) return BotMove{3, pawn};
    if (m.double1 == 5) return BotMove{6, pawn};
    return BotMove{7, pawn}; // double2 is the five left
}

// The squares the other seats' pawns stand on, as bits, so that the distances from one pawn
// to all of them are read off at once.
class Targets {
public:
    Targets(const BoardState& b, int seat) {
        std::uint64_t low = 0, high = 0; // kept in registers while the pawns are read
        for (int j = 1; j <= kSeatCount; ++j) {
            if (j == seat) continue;
            for (int target : b.seats[j].pawnsquare) {
                if (target < 0 || target >= kBoardSquares) {
                    offBoard_ = true;
                    continue;
                }
                const std::uint64_t bit = std::uint64_t{1} << (target & 63);
                low |= target < 64 ? bit : 0;
                high |= target < 64 ? 0 : bit;
            }
        }
        words_ = {low, high, 0};
    }

    // Bit d: a target d squares beyond `from`, for d from 1 up to kRemembered - 1; every bit
    // set when a square is off the board's numbers, so that the caller looks closer.
    AmountSet ahead(int from) const {
        if (offBoard_ || from < 0 || from >= kBoardSquares) return ~AmountSet{0};
        const auto word = static_cast<std::size_t>(from >> 6);
        const int shift = from & 63;
        std::uint64_t window = words_[word] >> shift;
        if (shift != 0) window |= words_[word + 1] << (64 - shift);
        return static_cast<AmountSet>(window) & ~AmountSet{1};
    }

private:
    std::array<std::uint64_t, 3> words_{}; // squares 0..127, then a word to read past the end
    bool offBoard_ = false;
};
static_assert(kBoardSquares <= 128 && kRemembered <= 32);

std::optional<BotMove> checkforcomputersend(const BoardState& b, Asker& ask, int seat) {
    const Targets targets(b, seat);
    for (int k = 1; k <= kPawnCount; ++k) {
        const int from = b.seats[seat].pawnsquare[k];
        // Plain subtraction: a target past square 68 or in a home column is not seen.
        // A difference of 0 counts as -1; no amount is ever below 1.
        if (ask.unusualOffer()) {
            for (int j = 1; j <= kSeatCount; ++j) {
                if (j == seat) continue;
                for (int target : b.seats[j].pawnsquare) {
                    const int difference = target - from;
                    if (difference <= 0) continue;
                    if (auto move = ask.firstGranted(k, difference)) return move;
                }
            }
            continue;
        }
        // Most pawns have no target at a distance they may move: seen at once. Otherwise the
        // first target in seat and pawn order at such a distance is the one.
        const AmountSet hits = ask.grantedAmong(k, targets.ahead(from));
        if (hits == 0) continue;
        for (int j = 1; j <= kSeatCount; ++j) {
            if (j == seat) continue;
            for (int target : b.seats[j].pawnsquare) {
                const int difference = target - from;
                if (difference > 0 && difference < kRemembered && (hits & bit(difference)) != 0)
                    return BotMove{ask.firstCode(difference), k};
            }
        }
    }
    return std::nullopt;
}

std::optional<BotMove> checkforcomputermove(const BoardState& b, Asker& ask, int seat) {
    const SeatState& me = b.seats[seat];
    for (int k = 1; k <= kPawnCount; ++k) {
        const int square = me.pawnsquare[k];
        if (square == 0 || square == homeSquareOf(seat)) continue;
        if (auto move = ask.firstGranted(k)) return move;
    }
    return std::nullopt;
}

} // namespace

std::optional<BotMove> computermove(const BoardState& b, const SquareCounts& counts, int seat) {
    if (!isSeat(seat)) return std::nullopt;
    // One set of answers for all four steps: they ask about the same board.
    Asker ask(b, seat, counts);
    if (auto move = checkforblock(b, ask, seat)) return move;
    if (auto move = checkforcomputerstart(b, ask, seat)) return move;
    if (auto move = checkforcomputersend(b, ask, seat)) return move;
    return checkforcomputermove(b, ask, seat);
}

std::optional<BotDecision> ClassicPlayer::decide(const BoardState& b, const SquareCounts& counts, int seat,
                                                 const TurnContext&) {
    if (auto move = computermove(b, counts, seat)) return BotDecision{false, *move};
    return std::nullopt;
}

std::optional<BotLevel> botLevelFromName(std::string_view name) {
    if (name == "classic") return BotLevel::classic;
    if (name == "strong") return BotLevel::strong;
    return std::nullopt;
}

std::string_view botLevelName(BotLevel level) { return level == BotLevel::strong ? "strong" : "classic"; }

std::unique_ptr<ComputerPlayer> makeComputerPlayer(BotLevel level) { return makeComputerPlayer(level, StrongWeights{}); }

std::unique_ptr<ComputerPlayer> makeComputerPlayer(BotLevel level, const StrongWeights& weights) {
    if (level == BotLevel::strong) return std::make_unique<StrongPlayer>(weights);
    return std::make_unique<ClassicPlayer>();
}

} // namespace quadrino
