// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon: a small board with a pawn in each nest, drawn with the game's own pawns
// and seat colours. Painted as shapes only, so the same call gives a crisp PNG at any size
// and a true vector SVG.
#include <QtGlobal>

class QPainter;

namespace quadrino::icon {

// Paints the icon into the square (0, 0, size, size) of `p`; outside the rounded frame it
// leaves the device untouched.
void paintAppIcon(QPainter& p, qreal size);

} // namespace quadrino::icon
