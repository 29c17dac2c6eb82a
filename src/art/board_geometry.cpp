// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/board_geometry.h"

#include "protocol/vocabulary.h"

#include <array>

namespace quadrino::geometry {
namespace {

constexpr bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

struct Spot {
    int top;
    int left;
};

// Runs of squares along the arms: first square, last square, Top and Left of the first,
// and the step of Top and Left from one square to the next.
struct Run {
    int first;
    int last;
    int top;
    int left;
    int dTop;
    int dLeft;
};

constexpr std::array<Run, 16> kRuns{{
    {1, 8, 3, 192, 22, 0},       // top arm, left column, going down
    {9, 16, 192, 161, 0, -22},   // left arm, upper row, going left
    {17, 17, 242, 7, 0, 0},      // left arm, outer end
    {18, 25, 292, 7, 0, 22},     // left arm, lower row, going right
    {26, 33, 321, 192, 22, 0},   // bottom arm, left column, going down
    {34, 34, 475, 242, 0, 0},    // bottom arm, outer end
    {35, 42, 475, 292, -22, 0},  // bottom arm, right column, going up
    {43, 50, 292, 327, 0, 22},   // right arm, lower row, going right
    {51, 51, 242, 481, 0, 0},    // right arm, outer end
    {52, 59, 192, 481, 0, -22},  // right arm, upper row, going left
    {60, 67, 157, 292, -22, 0},  // top arm, right column, going up
    {68, 68, 3, 242, 0, 0},      // top arm, outer end
    {69, 75, 25, 242, 22, 0},    // home column of seat 1, going down
    {76, 82, 242, 459, 0, -22},  // home column of seat 3, going left
    {83, 89, 453, 242, -22, 0},  // home column of seat 2, going up
    {90, 96, 242, 29, 0, 22},    // home column of seat 4, going right
}};

// Indexed [seat][pawn]; (Top, Left) as the tables are written.
constexpr PerSeat<PerPawn<Spot>> kNestSpots{{{
    {{{{104, 103}, {128, 103}, {104, 85}, {128, 85}}}},
    {{{{375, 385}, {351, 385}, {375, 404}, {351, 404}}}},
    {{{{102, 379}, {102, 361}, {79, 379}, {79, 361}}}},
    {{{{377, 110}, {377, 128}, {402, 110}, {402, 128}}}},
}}};

constexpr PerSeat<PerPawn<Spot>> kHomeSpots{{{
    {{{{178, 223}, {178, 238}, {178, 252}, {178, 267}}}},
    {{{{299, 223}, {299, 238}, {299, 252}, {299, 267}}}},
    {{{{214, 305}, {230, 305}, {247, 305}, {263, 305}}}},
    {{{{214, 182}, {230, 182}, {247, 182}, {263, 182}}}},
}}};

// (Top, Left of die 1, Left of die 2) per seat.
constexpr PerSeat<std::array<int, 3>> kTurnDice{{{
    {35, 84, 120}, {427, 356, 392}, {19, 340, 376}, {451, 92, 128},
}}};

// Where a seat's home target strip lies: Left, Top, width, height.
constexpr PerSeat<std::array<int, 4>> kHomeTargets{{{
    {226, 179, 51, 22}, {226, 300, 51, 22}, {301, 225, 22, 51}, {178, 225, 22, 51},
}}};

constexpr PerSeat<QPoint> kTurnHighlights{{{{5, 6}, {328, 328}, {328, 6}, {5, 328}}}};

} // namespace

QPoint boardOrigin() { return {1, 1}; }

QPoint squareSpot(int square) {
    for (const Run& r : kRuns) {
        if (inRange(square, r.first, r.last)) {
            const int k = square - r.first;
            return {r.left + r.dLeft * k, r.top + r.dTop * k};
        }
    }
    return {};
}

QPoint nestSpot(int seat, int pawn) {
    if (!isSeat(seat) || !isPawn(pawn)) return {};
    const Spot s = kNestSpots[seat][pawn];
    return {s.left, s.top};
}

QPoint homeSpot(int seat, int pawn) {
    if (!isSeat(seat) || !isPawn(pawn)) return {};
    const Spot s = kHomeSpots[seat][pawn];
    return {s.left, s.top};
}

// Square numbers come from the game's numbering; only where they are drawn is kept here.
int homeSquareOf(int seat) { return quadrino::homeSquareOf(seat); }

int seatOfHomeSquare(int square) {
    for (int seat = 1; seat <= kSeatCount; ++seat)
        if (homeSquareOf(seat) == square) return seat;
    return 0;
}

int startSquareOf(int seat) { return quadrino::startSquareOf(seat); }

bool isSafeSquare(int square) { return quadrino::isSafeSquare(square); }

int homeColumnStartOf(int seat) { return quadrino::homeColumnStartOf(seat); }

int seatOfHomeColumn(int square) {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const int first = homeColumnStartOf(seat);
        if (inRange(square, first, first + kHomeColumnLength - 1)) return seat;
    }
    return 0;
}

bool isVerticalArm(int square) {
    return inRange(square, 1, 8) || inRange(square, 26, 42) || inRange(square, 60, 75) ||
           inRange(square, 83, 89);
}

QPoint pawnSpot(int seat, int pawn, int square) {
    if (!isSeat(seat) || !isPawn(pawn)) return {};
    if (square == 0) return nestSpot(seat, pawn);
    if (square == homeSquareOf(seat)) return homeSpot(seat, pawn);
    return squareSpot(square);
}

QPoint pairedOffsetSpot(int square) {
    if (!inRange(square, 1, kSquareCount)) return {};
    const QPoint p = squareSpot(square);
    return isVerticalArm(square) ? p + QPoint(-16, 0) : p + QPoint(-4, -17);
}

QRect cellRect(int square) {
    if (!inRange(square, 1, kSquareCount)) return {};
    const QPoint p = squareSpot(square);
    return isVerticalArm(square) ? QRect(p.x() - 16, p.y(), 51, 22) : QRect(p.x() - 4, p.y() - 17, 22, 51);
}

QRect homeTargetRect(int seat) {
    if (!isSeat(seat)) return {};
    const auto& t = kHomeTargets[seat];
    return {t[0], t[1], t[2], t[3]};
}

QRect markerRect(int seat, int targetSquare) {
    if (isSeat(seat) && targetSquare == homeSquareOf(seat)) return homeTargetRect(seat);
    return cellRect(targetSquare);
}

QPoint turnDiceSpot(int seat, int die) {
    if (!isSeat(seat) || !inRange(die, 1, 2)) return {};
    const auto& d = kTurnDice[seat];
    return {d[static_cast<std::size_t>(die)], d[0]};
}

QPoint initialDiceSpot(int die) {
    if (die == 1) return {235, 203};
    if (die == 2) return {201, 234};
    return {};
}

int rolledDiceLeft(int die) {
    if (die == 1) return 201;
    if (die == 2) return 235;
    return 0;
}

QPoint turnHighlightSpot(int seat) { return isSeat(seat) ? kTurnHighlights[seat] : QPoint(); }

QRect cornerRect(int seat) {
    // The cross occupies Left 176..327 (vertical arms) and Top 175..326 (horizontal arms).
    switch (seat) {
    case 1: return QRect(QPoint(1, 1), QPoint(175, 174));
    case 2: return QRect(QPoint(328, 327), QPoint(504, 504));
    case 3: return QRect(QPoint(328, 1), QPoint(504, 174));
    case 4: return QRect(QPoint(1, 327), QPoint(175, 504));
    default: return {};
    }
}

QPointF nestCentre(int seat) {
    if (!isSeat(seat)) return {};
    QRectF box;
    for (int pawn = 1; pawn <= kPawnCount; ++pawn)
        box |= QRectF(QPointF(nestSpot(seat, pawn)), QSizeF(kPawnSize));
    return box.center();
}

QRect centreRect() {
    // Bounded by the inner ends of the four arms: squares 8, 9, 26 and 43 begin or end here.
    return QRect(QPoint(179, 179), QPoint(322, 320));
}

} // namespace quadrino::geometry
