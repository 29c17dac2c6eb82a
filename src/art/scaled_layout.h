// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Controls laid out by hand in the coordinates of the window's default size, shown at any
// scale. Each control remembers where it lies, how large its font is and how large its icon
// is at scale 1; applyScale() places a whole tree of them again for a new scale.
#include <QRect>

class QWidget;
class QAbstractButton;

namespace quadrino::scaling {

// A rectangle at scale 1 mapped to `scale`. Edges are scaled rather than sizes, so controls
// that touch at scale 1 still touch, with no one-pixel gaps from rounding.
QRect scaled(const QRect& base, qreal scale);
QSize scaled(const QSize& base, qreal scale);

// Places `w` at `base` (scale 1 coordinates of its parent) at its tree's current scale.
void place(QWidget* w, const QRect& base, qreal scale);
// Moves `w` to `topLeft` (scale 1), keeping the size it was placed with.
void placeAt(QWidget* w, const QPoint& topLeft, qreal scale);
// The control's rectangle at scale 1, or its geometry when it was never placed.
QRect baseRect(const QWidget* w);
// Gives `w` a font of `pixelSize` pixels at scale 1 (bold or not), at the given scale.
void setBaseFont(QWidget* w, int pixelSize, bool bold, qreal scale);
// An icon shown `size` large at scale 1.
void setBaseIconSize(QAbstractButton* b, const QSize& size, qreal scale);

// Places `root`'s descendants again for `scale`: the geometry, font and icon size of every
// one that was given a base. `root` itself is left to its owner.
void applyScale(QWidget* root, qreal scale);

} // namespace quadrino::scaling
