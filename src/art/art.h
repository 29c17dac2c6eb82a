// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every picture of the game, drawn in code. Each picture is rendered once per device pixel
// ratio of the application (so it stays crisp on high-density screens), carries that ratio,
// and is kept for later calls. A QGuiApplication must exist before any of these is called.
// Sizes below are in device-independent pixels.
#include <QColor>
#include <QList>
#include <QPixmap>

namespace quadrino::art {

// The seat's text colour for its name label: RGB FFFF97, 00FF00, FF42FF, FFAEAE for seats
// 1..4; grey for anything else.
QColor seatColour(int seat);
// The seat's pawn colour, used by the pawns, markers, nests and home columns: yellow, green,
// magenta and red for seats 1..4; grey for anything else (seat 0 included).
QColor pawnColour(int seat);

QPixmap board();                          // 504 x 504, to be placed at geometry::boardOrigin()
QPixmap pawn(int seat);                   // 16 x 23, transparent around the pawn; grey off 1..4
QPixmap die(int face);                    // 32 x 32; 1..6 the faces, 0 a faded empty die,
                                          // anything else fully transparent
// Move marker covering one cell: 51 x 22 (vertical false) or 22 x 51 (vertical true), in the
// seat's colour and translucent so the square shows through; seat 0 (or off 1..4) is grey.
QPixmap marker(int seat, bool vertical);
QPixmap turnHighlight(int seat);          // 171 x 169 glowing frame over the seat's corner
QPixmap eyes();                           // 37 x 17 "just watching" mark
QPixmap cross();                          // 49 x 31 cross over the nest of a seat out of the game
QPixmap winnerBadge(int seat);            // 133 x 77
QPixmap passButton();                     // 51 x 34, reads "Pass"
QPixmap bonus20();                        // 32 x 28 token reading "20"
QPixmap bonus10();                        // 32 x 28 token reading "10"
QPixmap startButton();                    // 108 x 52, reads "Start Game"
QList<QPixmap> warningFrames();           // two frames of 100 x 12
QPixmap closeImage();                     // 16 x 16
QPixmap logo();                           // 244 x 42
// 195 x 112 panel behind the four progress bars: troughs of 150 x 17 at x 37 and
// y 12, 36, 60, 84 for seats 1, 3, 2, 4.
QPixmap progressFrame();
QPixmap progressBar(int seat);            // 150 x 17, looks right when stretched or cropped
QPixmap phraseIcon(int n);                // 21 x 15; 1..9 the phrase buttons, 10 a speaker
QPixmap smiley(int index);                // 17 x 16; 0..17, anything else gives picture 0
QPixmap checkBox(bool on);                // 20 x 20 check image of the options dialog
QPixmap background();                     // 64 x 64 tile on the sand colour RGB 221,221,193

// Where the progress frame's trough for a seat lies inside progressFrame().
QRect progressTrough(int seat);
// The ratio pictures are rendered at: the application's device pixel ratio, 1 without one.
qreal renderRatio();

// Pictures fetched while a scope lives are rendered for showing `scale` times larger than
// the sizes above, so a board stretched with its window stays sharp. Their size in
// device-independent pixels is unchanged: they are meant for controls that stretch their
// picture to fit (QLabel::setScaledContents) or icons shown at the scaled size.
class ScaleScope {
public:
    explicit ScaleScope(qreal scale);
    ~ScaleScope();
    ScaleScope(const ScaleScope&) = delete;
    ScaleScope& operator=(const ScaleScope&) = delete;

private:
    qreal previous_;
};

} // namespace quadrino::art
