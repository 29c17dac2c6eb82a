// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/strong_player.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <vector>

#include "rules/board_rules.h"

namespace quadrino {

namespace {

// No amount a seat can spend on its next roll reaches further than four doubles of six.
constexpr int kReach = 24;
// Steps from the start square that are still on a seat's track (pawnProgress 1..64).
constexpr int kLastTrackProgress = 64;

// The 21 distinct rolls, with how many of the 36 they stand for, the distances they can
// carry one pawn (a die, the other die, both; doubles up to four times the die) and whether
// they can enter a pawn.
struct Outcome {
    int weight;
    std::uint32_t reach;
    bool five;
};
struct Outcomes {
    std::array<Outcome, 21> items{};
    Outcomes() {
        std::size_t n = 0;
        for (int a = 1; a <= 6; ++a)
            for (int c = a; c <= 6; ++c) {
                Outcome& o = items[n++];
                o.weight = a == c ? 1 : 2;
                if (a == c) {
                    for (int k = 1; k <= 4; ++k) o.reach |= 1u << (a * k);
                } else {
                    o.reach = (1u << a) | (1u << c) | (1u << (a + c));
                }
                o.five = a == 5 || c == 5 || a + c == 5;
            }
    }
};
const Outcomes kOutcomes;

double hitChance(std::uint32_t distances, bool byEntry) {
    int hits = 0;
    for (const Outcome& o : kOutcomes.items)
        if ((o.reach & distances) != 0 || (byEntry && o.five)) hits += o.weight;
    return hits / 36.0;
}

bool plays(unsigned playing, int seat) { return (playing >> (seat - 1) & 1u) != 0; }

bool enemies(const BoardState& b, unsigned playing, int seat, int other) {
    return other != seat && plays(playing, other) && notteamie(b, seat, other);
}

int trackAhead(int square, int steps) { return (square - 1 + steps) % kTrackSquares + 1; }

// The distance an enemy pawn on `from` needs to land on track square `to`, 0 when it cannot:
// too far, past its own track, or a pair in the way.
int attackDistance(const SquareCounts& occ, int enemySeat, int from, int to) {
    if (from < 1 || from > kTrackSquares) return 0;
    const int d = (to - from + kTrackSquares) % kTrackSquares;
    if (d == 0 || d > kReach) return 0;
    if (pawnProgress(enemySeat, from) + d > kLastTrackProgress) return 0;
    for (int j = 1; j < d; ++j)
        if (occ.at(trackAhead(from, j)) >= 2) return 0;
    return d;
}

// The chance that a lone pawn of `seat` on track square `square` is hit before its seat
// moves again: every enemy seat rolls once.
double riskOf(const BoardState& b, const SquareCounts& occ, unsigned playing, int seat, int square) {
    if (!b.options.pouncing) return 0;
    double safe = 1;
    for (int e = 1; e <= kSeatCount; ++e) {
        if (!enemies(b, playing, seat, e)) continue;
        const SeatState& enemy = b.seats[e];
        std::uint32_t distances = 0;
        bool byEntry = false;
        if (isSafeSquare(square)) {
            // Only an entering pawn may land on a safe square, and only on its own start.
            if (square != startSquareOf(e)) continue;
            for (int sq : enemy.pawnsquare) byEntry = byEntry || sq == 0;
        } else {
            for (int sq : enemy.pawnsquare)
                if (const int d = attackDistance(occ, e, sq, square)) distances |= 1u << d;
        }
        if (distances == 0 && !byEntry) continue;
        safe *= 1 - hitChance(distances, byEntry);
    }
    return 1 - safe;
}

// Enemy pawns close behind a pair, which they can neither pass nor land on.
int heldUpBehind(const BoardState& b, unsigned playing, int seat, int square) {
    int n = 0;
    for (int e = 1; e <= kSeatCount; ++e) {
        if (!enemies(b, playing, seat, e)) continue;
        for (int sq : b.seats[e].pawnsquare) {
            if (sq < 1 || sq > kTrackSquares) continue;
            const int d = (square - sq + kTrackSquares) % kTrackSquares;
            if (d >= 1 && d <= 12 && pawnProgress(e, sq) + d <= kLastTrackProgress) ++n;
        }
    }
    return n;
}

double pawnWorth(const StrongWeights& w, int seat, int square) {
    if (square == 0) return 0;
    const double steps = pawnProgress(seat, square);
    if (square == homeSquareOf(seat)) return steps + w.onBoard + w.homeColumn + w.home;
    if (square > kTrackSquares) return steps + w.onBoard + w.homeColumn;
    return steps + w.onBoard;
}

bool allHome(const BoardState& b, int seat) {
    for (int sq : b.seats[seat].pawnsquare)
        if (sq != homeSquareOf(seat)) return false;
    return true;
}

double seatValue(const StrongWeights& w, const BoardState& b, const SquareCounts& occ, int seat, int mover,
                 const TurnContext& ctx) {
    const SeatState& s = b.seats[seat];
    if (allHome(b, seat)) return 1000;
    double value = 0;
    for (int p = 1; p <= kPawnCount; ++p) {
        const int sq = s.pawnsquare[p];
        double worth = pawnWorth(w, seat, sq);
        if (sq >= 1 && sq <= kTrackSquares) {
            if (occ.at(sq) >= 2) {
                // Nobody lands on a pair; the lower pawn of the pair counts what it holds up.
                int lower = p;
                for (int q = 1; q < p; ++q) lower = s.pawnsquare[q] == sq ? q : lower;
                if (lower == p) worth += w.blockBehind * heldUpBehind(b, ctx.playing, seat, sq);
            } else {
                worth -= riskOf(b, occ, ctx.playing, seat, sq) * (worth + w.captureCost);
            }
        }
        value += worth;
    }
    // A block that will reach the limit when the seat's next turn begins costs its lower pawn.
    const GameOptions& o = b.options;
    if (o.blocking && o.blocklimit > 0) {
        for (int k = 1; k <= kPawnCount; ++k) {
            const int a = s.blockpartner[k];
            if (!isPawn(a) || a < k) continue;
            const int sq = s.pawnsquare[k];
            if (sq == 0 || sq == homeSquareOf(seat) || sq != s.pawnsquare[a]) continue;
            if (s.blockturns[k] + 1 >= o.blocklimit)
                value -= pawnWorth(w, seat, sq);
            else if (s.blockturns[k] + 2 >= o.blocklimit)
                value -= w.blockAging * pawnWorth(w, seat, sq); // it may find no way out next turn
        }
    }
    // A third doubles in a row would send the pawn furthest along back to start.
    if (seat == mover && o.penalty && ctx.rollagain && ctx.doublescount >= 2) {
        if (const int k = findclosestpawn(b, seat)) value -= pawnWorth(w, seat, s.pawnsquare[k]) / 6;
    }
    return value;
}

std::uint64_t mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    return h;
}

std::uint64_t positionKey(const BoardState& b) {
    std::uint64_t h = 0;
    for (int s = 1; s <= kSeatCount; ++s)
        for (int sq : b.seats[s].pawnsquare) h = mix(h, static_cast<std::uint64_t>(sq));
    for (const auto& slot : kAmountSlots) h = mix(h, static_cast<std::uint64_t>(b.amounts.*slot.field));
    return h;
}

struct Candidate {
    int code;
    int pawn;
};

// What a code spends, as far as the rest of the turn can tell: with doubles the dice and
// their copies are interchangeable, but a sum of the dice and a 10 bonus of the same amount
// leave different amounts behind.
int spendingKind(int code) {
    switch (code) {
    case 3:
    case 8: return 1;  // a sum of two slots
    case 4:
    case 9:
    case 10: return 2; // a 20 bonus
    case 5:
    case 11:
    case 12: return 3; // a 10 bonus
    default: return 0; // one die or doubles copy
    }
}

// Every legal move, one per pawn, amount and kind of spending (two codes that spend alike
// move the pawn alike), in the order the rule book tries them.
std::vector<Candidate> legalMoves(const BoardState& b, const SquareCounts& counts, int seat) {
    std::vector<Candidate> moves;
    const SeatState& me = b.seats[seat];
    const auto amounts = amountsInOrder(b.amounts);
    for (int p = 1; p <= kPawnCount; ++p) {
        if (me.pawnsquare[p] == homeSquareOf(seat)) continue;
        std::array<int, kMoveCodeCount> tried{};   // amount * 4 + kind
        std::array<int, kMoveCodeCount> judged{};  // amounts already put to the rules
        std::array<bool, kMoveCodeCount> grant{};
        std::size_t triedCount = 0, judgedCount = 0;
        for (std::size_t i = 0; i < kMoveCodeCount; ++i) {
            const int code = kMoveCodeOrder[i];
            const int amount = amounts[i];
            if (amount == 0) continue;
            const int key = amount * 4 + spendingKind(code);
            const auto triedEnd = tried.begin() + static_cast<std::ptrdiff_t>(triedCount);
            if (std::find(tried.begin(), triedEnd, key) != triedEnd) continue;
            tried[triedCount++] = key;
            const auto judgedEnd = judged.begin() + static_cast<std::ptrdiff_t>(judgedCount);
            const auto known = std::find(judged.begin(), judgedEnd, amount);
            bool ok;
            if (known != judgedEnd) {
                ok = grant[static_cast<std::size_t>(known - judged.begin())];
            } else {
                ok = oktomove(b, counts, seat, p, amount) != 0;
                judged[judgedCount] = amount;
                grant[judgedCount++] = ok;
            }
            if (ok) moves.push_back({code, p});
        }
    }
    return moves;
}

class Searcher {
public:
    Searcher(const StrongWeights& w, int seat, const TurnContext& ctx)
        : w_(w), seat_(seat), ctx_(ctx), seen_(1u << 12, 0) {}

    double value(const BoardState& b, const SquareCounts& occ) const {
        const bool team = b.options.teamgame;
        const int partner = partnerOf(seat_);
        if (team && allHome(b, seat_) && allHome(b, partner)) return 1e6;
        if (!team && allHome(b, seat_)) return 1e6;
        double mine = seatValue(w_, b, occ, seat_, seat_, ctx_);
        if (team) mine += seatValue(w_, b, occ, partner, seat_, ctx_);
        double sum = 0, best = 0;
        int n = 0;
        for (int s = 1; s <= kSeatCount; ++s) {
            if (s == seat_ || (team && s == partner) || !plays(ctx_.playing, s)) continue;
            const double v = seatValue(w_, b, occ, s, seat_, ctx_);
            sum += v;
            best = std::max(best, v);
            ++n;
        }
        return mine - w_.opponents * sum / std::max(n, 1) * (team ? n : 1) - w_.leader * best;
    }

    // The best end-of-turn value reachable from a position in which the seat still has a
    // move; -infinity when every continuation was already valued by another path.
    double best(const BoardState& b, const SquareCounts& counts, BotMove* first) {
        const std::vector<Candidate> moves = legalMoves(b, counts, seat_);
        double bestValue = -std::numeric_limits<double>::infinity();
        const bool greedy = nodes_ >= w_.fullSearchNodes;
        BoardState bestChild;
        SquareCounts bestCounts = counts;
        bool bestMore = false;
        for (const Candidate& m : moves) {
            BoardState child = b;
            SquareCounts childCounts = counts;
            const AppliedMove applied = applyMove(child, childCounts, seat_, m.code, m.pawn);
            ++nodes_;
            if (applied.landing == 0) continue;
            if (!remember(positionKey(child))) continue;
            double v;
            if (greedy || !applied.more) {
                v = value(child, childCounts);
            } else {
                v = best(child, childCounts, nullptr);
            }
            if (v > bestValue) {
                bestValue = v;
                if (first) *first = BotMove{m.code, m.pawn};
                bestChild = child;
                bestCounts = childCounts;
                bestMore = applied.more;
            }
        }
        // Over the budget the turn is finished one greedy move at a time.
        if (greedy && bestMore && bestValue > -std::numeric_limits<double>::infinity())
            bestValue = best(bestChild, bestCounts, nullptr);
        return bestValue;
    }

private:
    // False when the position was met before in this search.
    bool remember(std::uint64_t key) {
        key |= 1; // 0 marks a free entry
        const std::size_t mask = seen_.size() - 1;
        for (std::size_t i = key & mask, probes = 0; probes < seen_.size(); i = (i + 1) & mask, ++probes) {
            if (seen_[i] == key) return false;
            if (seen_[i] == 0) {
                seen_[i] = key;
                if (++stored_ * 2 > seen_.size()) grow();
                return true;
            }
        }
        return true;
    }
    void grow() {
        std::vector<std::uint64_t> old(seen_.size() * 2, 0);
        old.swap(seen_);
        stored_ = 0;
        for (std::uint64_t k : old)
            if (k != 0) remember(k);
    }

    const StrongWeights& w_;
    int seat_;
    TurnContext ctx_;
    long nodes_ = 0;
    std::vector<std::uint64_t> seen_;
    std::size_t stored_ = 0;
};

bool untouchedRoll(const BoardState& b) {
    const MoveSlots& m = b.amounts;
    if (m.die1 == 0 || m.die2 == 0) return false;
    if (m.bonus20a || m.bonus20b || m.bonus20c || m.bonus10a || m.bonus10b || m.bonus10c) return false;
    return m.die1 != m.die2 || (m.double1 != 0 && m.double2 != 0);
}

} // namespace

AppliedMove applyMove(BoardState& b, SquareCounts& counts, int seat, int code, int pawn) {
    const auto amount = amountOfCode(b.amounts, code);
    if (!isSeat(seat) || !isPawn(pawn) || !amount || *amount == 0) return {};
    b.sendseat = b.sendpawn = 0;
    const CommittedMove committed = commitMove(b, counts, seat, pawn, code);
    if (committed.landing == 0) return {};
    b.seats[seat].passedlast = false;
    if (b.sendseat != 0) {
        counts.moved(b.seats[b.sendseat].pawnsquare[b.sendpawn], 0);
        sendToStart(b, b.sendseat, b.sendpawn);
    }
    b.sendseat = b.sendpawn = 0;
    return {committed.landing, committed.more};
}

double StrongPlayer::evaluatePosition(const BoardState& b, int seat, const TurnContext& context) const {
    if (!isSeat(seat)) return 0;
    return Searcher(weights_, seat, context).value(b, SquareCounts(b));
}

std::optional<BotDecision> StrongPlayer::decide(const BoardState& b, const SquareCounts& counts, int seat,
                                                const TurnContext& context) {
    if (!isSeat(seat)) return std::nullopt;
    Searcher search(weights_, seat, context);
    BotMove first;
    const double moving =
        checkformoves(b, counts, seat) ? search.best(b, counts, &first) : -std::numeric_limits<double>::infinity();
    const bool mayPass = b.options.passing && !b.seats[seat].passedlast && untouchedRoll(b);
    if (mayPass && search.value(b, counts) > moving) return BotDecision{true, {}};
    if (first.code == 0) return std::nullopt;
    return BotDecision{false, first};
}

} // namespace quadrino
