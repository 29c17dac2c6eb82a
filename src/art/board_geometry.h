// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things sit on the board panel. Every point is (x = Left, y = Top) of the control
// placed there, in pixels of the board panel's client area; the board picture itself sits at
// boardOrigin() inside that panel. Pure data: no widgets, no pictures.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace quadrino::geometry {

inline constexpr int kSquareCount = 96;     // 1..68 track, 69..96 the four home columns
inline constexpr QSize kPawnSize{16, 23};
inline constexpr QSize kBoardSize{504, 504};

// Top left corner of the board picture on the board panel.
QPoint boardOrigin();

// Left/Top of a pawn standing alone on square 1..96; QPoint() for anything else (the home
// squares 97..100 have no entry: pawns that reached home use homeSpot()).
QPoint squareSpot(int square);
// Where pawn 1..4 of seat 1..4 waits at start; QPoint() when out of range.
QPoint nestSpot(int seat, int pawn);
// Where pawn 1..4 of seat 1..4 stands once it reached its home square; QPoint() when out of range.
QPoint homeSpot(int seat, int pawn);
// The home square number of a seat: 97, 99, 98, 100 for seats 1..4; 0 when out of range.
int homeSquareOf(int seat);
// The seat whose home square this is, 0 when it is none.
int seatOfHomeSquare(int square);
// The square where a seat's pawns enter the track: 5, 39, 56, 22 for seats 1..4; 0 when out of range.
int startSquareOf(int seat);
// The twelve squares where no pawn can be captured.
bool isSafeSquare(int square);
// First square of the seat's home column (69, 83, 76, 90 for seats 1..4); 0 when out of range.
int homeColumnStartOf(int seat);
// The seat owning home-column square 69..96, 0 for anything else.
int seatOfHomeColumn(int square);

// Squares of the top and bottom arms (wide and low cells) answer true, squares of the left
// and right arms (narrow and tall cells) false. Squares outside 1..96 answer false.
bool isVerticalArm(int square);

// Where a pawn is drawn: square 0 is the nest, the seat's home square its home spot,
// any other square its square spot. QPoint() when the arguments make no sense.
QPoint pawnSpot(int seat, int pawn, int square);
// A second pawn of the same seat on a square is drawn here, beside the one already there:
// vertical arms Left - 16, same Top; horizontal arms Left - 4, Top - 17. QPoint() off 1..96.
QPoint pairedOffsetSpot(int square);

// The cell of square 1..96 on the board panel: 51 x 22 on vertical arms, 22 x 51 on
// horizontal arms. Empty when out of range.
QRect cellRect(int square);
// Where a move marker for the user of `seat` covers `targetSquare`: the cell of a square
// 1..96, or for the seat's own home square the strip of the centre facing its home column
// (51 x 22 for seats 1 and 2, 22 x 51 for seats 3 and 4). Empty for anything else.
QRect markerRect(int seat, int targetSquare);
// The strip of the centre where a seat's pawns stand once home (what markerRect gives for
// the seat's home square). Empty when out of range.
QRect homeTargetRect(int seat);

// Turn-start dice: Left/Top of die 1 or 2 in the corner of the seat about to move.
QPoint turnDiceSpot(int seat, int die);
// Dice when nobody has rolled yet, and the Left of each die after a roll (their Top is 202
// plus a random 0..31).
QPoint initialDiceSpot(int die);
int rolledDiceLeft(int die);
inline constexpr int kRolledDiceTop = 202;
inline constexpr int kRolledDiceSpread = 32;

// Turn highlight over the seat's corner (171 x 169 picture).
QPoint turnHighlightSpot(int seat);
// The corner quarter of the board panel belonging to a seat (outside the cross).
QRect cornerRect(int seat);
// Centre of the circle in which a seat's four waiting pawns are drawn.
QPointF nestCentre(int seat);
// The centre square between the four arms, on the board panel.
QRect centreRect();

} // namespace quadrino::geometry
