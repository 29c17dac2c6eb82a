// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared helpers of the picture code: the cache, fonts, colour mixing and common shapes.
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QPen;

namespace quadrino::art::detail {

using Draw = std::function<void(QPainter&)>;

// Renders `draw` on a transparent canvas of `size` (device-independent pixels) at the
// render ratio, or returns the picture rendered earlier under the same key and ratio.
QPixmap cached(const QString& key, QSize size, const Draw& draw);
// How many pictures the cache holds, over every ratio it keeps.
int cachedPictureCount();
// The extra scale of the innermost ScaleScope (1 outside any).
qreal& gScaleRef();
// The same canvas as an image, uncached.
QImage render(QSize size, qreal ratio, const Draw& draw);

QFont gameFont(int pixelSize, bool bold = true);
// t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, qreal t);
QColor withAlpha(QColor c, int alpha);

// Outlined text centred in `box`: an outline stroke of `outlineWidth` under a plain fill.
void outlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  const QColor& fill, const QColor& outline, qreal outlineWidth);
// A pawn's silhouette in a box of 16 x 23 scaled to `box`.
QPainterPath pawnShape(const QRectF& box);
// The shape telling seat 1..4 apart without colour (a dot, a cross, a triangle, a hollow
// square) centred on `centre` within `radius`; empty for anything else.
QPainterPath seatMark(int seat, QPointF centre, qreal radius);
// A seat's pawn filling `box`: in the seat's colour, dark-edged, wearing the seat's mark.
void paintPawn(QPainter& p, const QRectF& box, int seat);
// The board's centre square: one shaded triangle per seat, pointing at its home, edged with `edge`.
void paintSeatTriangles(QPainter& p, const QRectF& square, const QPen& edge);
// A raised rounded card: a gradient from `light` at `from` to `dark` at `to`, an edge, and a
// thin white highlight (of `highlightAlpha`) just inside the edge.
struct Card {
    QColor light, dark, edge;
    qreal edgeWidth = 1;
    qreal radius = 6;
    int highlightAlpha = 160;
};
void paintCard(QPainter& p, const QRectF& r, QPointF from, QPointF to, const Card& card);
// A ball lit from `light`: `colour` made lighter (percent) towards the light within `reach`,
// itself at `middle` of the way out, darker at the rim; edged `edgeDarker` times darker.
struct Shading {
    int lighter = 135;
    qreal middle = 0.6;
    int darker = 135;
    int edgeDarker = 200;
    qreal edgeWidth = 0.8;
};
void paintBall(QPainter& p, const QRectF& r, QPointF light, qreal reach, const QColor& colour, const Shading& s);
QPainterPath starShape(QPointF centre, qreal outer, qreal inner, int points);
QPainterPath heartShape(const QRectF& box);

inline const QColor kIvory{250, 244, 226};
inline const QColor kInk{43, 30, 20};

} // namespace quadrino::art::detail
