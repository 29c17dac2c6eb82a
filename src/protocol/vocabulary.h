// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's numbering, one copy for host and client: seats and pawns 1..4, connection numbers
// 1..9, squares 0..100 with the seats' fixed squares, and the twelve move codes with the
// amounts they spend. Containers indexed by these numbers take the numbers themselves, never
// number - 1, and refuse anything outside their range instead of reading past it.
#include <array>
#include <concepts>
#include <cstddef>

namespace quadrino {

inline constexpr int kSeatCount = 4;      // connection numbers 1..4 are the seats
inline constexpr int kPawnCount = 4;
inline constexpr int kMaxConnections = 9; // 5..9 are spectators
inline constexpr int kRefusedSlot = 10;   // holds a tenth connection only while refusing it
inline constexpr int kMoveCodeCount = 12;

constexpr bool isSeat(int n) { return n >= 1 && n <= kSeatCount; }
constexpr bool isPawn(int n) { return n >= 1 && n <= kPawnCount; }
constexpr bool isConnectionNumber(int n) { return n >= 1 && n <= kMaxConnections; }
constexpr bool isMoveCode(int n) { return n >= 1 && n <= kMoveCodeCount; }

// Reports an index outside a numbered container and stops the program: reaching it is a
// fault of the caller, which must check numbers from peers before using them.
[[noreturn]] void numberOutOfRange(int n, int first, int last);

// A fixed array indexed by the numbers First..Last. An aggregate, so it is written like the
// std::array it wraps: PerPawn<int> squares = {30, 30, 0, 0}.
template <typename T, int First, int Last>
struct Numbered {
    static_assert(First <= Last);
    std::array<T, static_cast<std::size_t>(Last - First + 1)> items;

    static constexpr bool contains(int n) { return n >= First && n <= Last; }
    constexpr T& operator[](int n) { return items[slot(n)]; }
    constexpr const T& operator[](int n) const { return items[slot(n)]; }
    constexpr auto begin() { return items.begin(); }
    constexpr auto end() { return items.end(); }
    constexpr auto begin() const { return items.begin(); }
    constexpr auto end() const { return items.end(); }
    friend constexpr bool operator==(const Numbered& a, const Numbered& b)
        requires std::equality_comparable<T>
    {
        return a.items == b.items;
    }

private:
    static constexpr std::size_t slot(int n) {
        if (!contains(n)) [[unlikely]]
            numberOutOfRange(n, First, Last);
        return static_cast<std::size_t>(n - First);
    }
};

template <typename T> using PerSeat = Numbered<T, 1, kSeatCount>;
template <typename T> using PerPawn = Numbered<T, 1, kPawnCount>;
template <typename T> using PerConnection = Numbered<T, 1, kRefusedSlot>;

// ---- Squares -----------------------------------------------------------------------------
// 0 at start, 1..68 the shared track, 69..96 the four home columns, 97..100 the home squares.

inline constexpr int kTrackSquares = 68;
inline constexpr int kLastBoardSquare = 96;
inline constexpr int kHomeColumnLength = 7;

struct SeatSquares {
    int start;           // where the seat's pawns enter the track
    int homeColumnStart; // first of its seven home-column squares
    int home;            // its home square
    int partner;         // its team partner
};
inline constexpr PerSeat<SeatSquares> kSeatSquares = {{{
    {5, 69, 97, 2},
    {39, 83, 99, 1},
    {56, 76, 98, 4},
    {22, 90, 100, 3},
}}};

// 0 for a number that is not a seat.
constexpr int startSquareOf(int seat) { return isSeat(seat) ? kSeatSquares[seat].start : 0; }
constexpr int homeSquareOf(int seat) { return isSeat(seat) ? kSeatSquares[seat].home : 0; }
constexpr int homeColumnStartOf(int seat) { return isSeat(seat) ? kSeatSquares[seat].homeColumnStart : 0; }
constexpr int partnerOf(int seat) { return isSeat(seat) ? kSeatSquares[seat].partner : 0; }

// The safety spots: the 5th, 12th and 17th square of each quarter of the track.
constexpr bool isSafeSquare(int square) {
    if (square < 1 || square > kTrackSquares) return false;
    const int inQuarter = (square - 1) % 17 + 1;
    return inQuarter == 5 || inQuarter == 12 || inQuarter == 17;
}

// ---- Amounts and move codes ----------------------------------------------------------------

// What the seat on turn may still spend; 0 = empty or used.
struct MoveSlots {
    int die1 = 0, die2 = 0;
    int double1 = 0, double2 = 0;
    int bonus20a = 0, bonus20b = 0, bonus20c = 0;
    int bonus10a = 0, bonus10b = 0, bonus10c = 0;
    bool operator==(const MoveSlots&) const = default;
};

enum class AmountSlot { die1, die2, bonus20a, bonus20b, bonus20c, bonus10a, bonus10b, bonus10c, double1, double2 };

struct AmountSlotInfo {
    AmountSlot slot;
    int MoveSlots::*field;
    int picture; // the n of the client's "image_bonus" + n that shows it; 0 for the dice
};
// In the order the announcements carry the amounts after the dice (CMD_movehim, CMD_locations).
inline constexpr std::array<AmountSlotInfo, 10> kAmountSlots = {{
    {AmountSlot::die1, &MoveSlots::die1, 0},
    {AmountSlot::die2, &MoveSlots::die2, 0},
    {AmountSlot::bonus20a, &MoveSlots::bonus20a, 1},
    {AmountSlot::bonus20b, &MoveSlots::bonus20b, 5},
    {AmountSlot::bonus20c, &MoveSlots::bonus20c, 6},
    {AmountSlot::bonus10a, &MoveSlots::bonus10a, 2},
    {AmountSlot::bonus10b, &MoveSlots::bonus10b, 7},
    {AmountSlot::bonus10c, &MoveSlots::bonus10c, 8},
    {AmountSlot::double1, &MoveSlots::double1, 3},
    {AmountSlot::double2, &MoveSlots::double2, 4},
}};
// What a slot can hold, 0 meaning empty or used: a die or a doubles copy 1..6, a 20 bonus 20,
// a 10 bonus 10. Amounts read from a message are checked against it before anything adds them.
constexpr bool isSlotAmount(AmountSlot slot, int amount) {
    switch (slot) {
    case AmountSlot::bonus20a:
    case AmountSlot::bonus20b:
    case AmountSlot::bonus20c: return amount == 0 || amount == 20;
    case AmountSlot::bonus10a:
    case AmountSlot::bonus10b:
    case AmountSlot::bonus10c: return amount == 0 || amount == 10;
    default: return amount >= 0 && amount <= 6;
    }
}
constexpr const AmountSlotInfo& slotInfo(AmountSlot slot) { return kAmountSlots[static_cast<std::size_t>(slot)]; }
constexpr int& slotValue(MoveSlots& m, AmountSlot slot) { return m.*slotInfo(slot).field; }
constexpr int slotValue(const MoveSlots& m, AmountSlot slot) { return m.*slotInfo(slot).field; }
// The number of the client's bonus picture for a slot (0 for the dice).
constexpr int bonusPictureOf(AmountSlot slot) { return slotInfo(slot).picture; }

struct MoveCodeInfo {
    AmountSlot first;
    AmountSlot second; // same as first unless the code spends two slots at once
    int unavailableError; // CMD_aerror code when the amount is not there
    constexpr bool spendsTwo() const { return first != second; }
};
// Codes 1..12: the dice, their sum, the first 20 and 10 bonuses, the doubles copies and their
// sum, then the second and third 20 and 10 bonuses.
inline constexpr Numbered<MoveCodeInfo, 1, kMoveCodeCount> kMoveCodes = {{{
    {AmountSlot::die1, AmountSlot::die1, 3},
    {AmountSlot::die2, AmountSlot::die2, 3},
    {AmountSlot::die1, AmountSlot::die2, 3},
    {AmountSlot::bonus20a, AmountSlot::bonus20a, 4},
    {AmountSlot::bonus10a, AmountSlot::bonus10a, 4},
    {AmountSlot::double1, AmountSlot::double1, 4},
    {AmountSlot::double2, AmountSlot::double2, 4},
    {AmountSlot::double1, AmountSlot::double2, 4},
    {AmountSlot::bonus20b, AmountSlot::bonus20b, 4},
    {AmountSlot::bonus20c, AmountSlot::bonus20c, 4},
    {AmountSlot::bonus10b, AmountSlot::bonus10b, 4},
    {AmountSlot::bonus10c, AmountSlot::bonus10c, 4},
}}};

// The order in which every search for a move tries the amounts: both dice, their sum, the
// three 20 bonuses, the three 10 bonuses, both doubles copies, their sum.
inline constexpr std::array<int, kMoveCodeCount> kMoveCodeOrder = {1, 2, 3, 4, 9, 10, 5, 11, 12, 6, 7, 8};

// The amount a code spends given a reading of each slot: a two-slot code needs both non-zero.
// 0 when unavailable or for a number that is not a move code. The slots hold what
// isSlotAmount allows, so a sum of two cannot overflow.
template <typename ReadSlot>
constexpr int amountOf(int code, ReadSlot&& read) {
    if (!isMoveCode(code)) return 0;
    const MoveCodeInfo& c = kMoveCodes[code];
    const int a = read(c.first);
    if (!c.spendsTwo()) return a;
    const int b = read(c.second);
    return a != 0 && b != 0 ? a + b : 0;
}
constexpr int amountOf(const MoveSlots& m, int code) {
    return amountOf(code, [&m](AmountSlot s) { return slotValue(m, s); });
}

// The amount of each code of kMoveCodeOrder, in that order: what every search for a move
// reads first, written out so that it costs a dozen loads rather than a dozen table walks.
constexpr std::array<int, kMoveCodeCount> amountsInOrder(const MoveSlots& m) {
    const auto both = [](int a, int b) { return a != 0 && b != 0 ? a + b : 0; };
    return {m.die1,     m.die2,     both(m.die1, m.die2), m.bonus20a, m.bonus20b, m.bonus20c,
            m.bonus10a, m.bonus10b, m.bonus10c,           m.double1,  m.double2,  both(m.double1, m.double2)};
}
// The same amounts as amountOf gives, for slots that each hold a different amount.
static_assert([] {
    const MoveSlots m{1, 2, 4, 8, 16, 32, 64, 128, 256, 512};
    const auto inOrder = amountsInOrder(m);
    for (std::size_t i = 0; i < kMoveCodeOrder.size(); ++i)
        if (inOrder[i] != amountOf(m, kMoveCodeOrder[i])) return false;
    return amountOf(MoveSlots{1, 0, 0, 0}, 3) == amountsInOrder(MoveSlots{1, 0, 0, 0})[2] &&
           amountOf(MoveSlots{0, 0, 0, 4}, 8) == amountsInOrder(MoveSlots{0, 0, 0, 4})[11];
}());

} // namespace quadrino
