// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>

#include "art/art.h"
#include "art/art_paint.h"

namespace quadrino::icon {

using art::pawnColour;
using art::detail::kIvory;
using art::detail::mix;
using art::detail::paintPawn;
using art::detail::withAlpha;

namespace {

// The board's own wood and tile colours, so the icon looks like the window it opens.
const QColor kWoodLight{112, 72, 44};
const QColor kWoodDark{58, 35, 20};
const QColor kGrout{122, 92, 62};
const QColor kTile{251, 245, 229};

// Everything below is laid out on a 256-unit square, as on the board: seat 1 top left, 3 top
// right, 2 bottom right, 4 bottom left; the cross's arms are 80 units wide.
constexpr qreal kArmLow = 88;
constexpr qreal kArmHigh = 168;

struct Corner {
    int seat;
    QPointF nest;
};
constexpr Corner kCorners[] = {{1, {52, 52}}, {3, {204, 52}}, {2, {204, 204}}, {4, {52, 204}}};

// Each seat's home column runs down the middle of the arm beside its nest, towards the centre.
struct Column {
    int seat;
    QRectF rect;
};
const Column kColumns[] = {
    {1, QRectF(115, 24, 26, 64)},
    {3, QRectF(168, 115, 64, 26)},
    {2, QRectF(115, 168, 26, 64)},
    {4, QRectF(24, 115, 64, 26)},
};

QPainterPath crossShape() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRect(QRectF(kArmLow, 20, kArmHigh - kArmLow, 216));
    path.addRect(QRectF(20, kArmLow, 216, kArmHigh - kArmLow));
    return path.simplified();
}

void paintFrame(QPainter& p) {
    const QRectF all(8, 8, 240, 240);
    QRadialGradient wood(all.center(), 180);
    wood.setColorAt(0.0, kWoodLight);
    wood.setColorAt(1.0, kWoodDark);
    p.setPen(QPen(QColor(30, 16, 8), 3));
    p.setBrush(wood);
    p.drawRoundedRect(all, 34, 34);
}

void paintTrack(QPainter& p) {
    const QPainterPath cross = crossShape();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(cross.translated(3, 3));
    p.setBrush(kTile);
    p.setPen(QPen(kGrout, 3));
    p.drawPath(cross);
    for (const Column& c : kColumns) {
        p.setBrush(mix(kTile, pawnColour(c.seat), 0.55));
        p.setPen(QPen(kGrout, 2));
        p.drawRect(c.rect);
    }
    // A few cell borders across the outer arms, enough to read as squares when small.
    p.setPen(QPen(kGrout, 2));
    for (qreal t : {44.0, 66.0}) {
        p.drawLine(QPointF(kArmLow, t), QPointF(kArmHigh, t));
        p.drawLine(QPointF(kArmLow, 256 - t), QPointF(kArmHigh, 256 - t));
        p.drawLine(QPointF(t, kArmLow), QPointF(t, kArmHigh));
        p.drawLine(QPointF(256 - t, kArmLow), QPointF(256 - t, kArmHigh));
    }
}

void paintCentre(QPainter& p) {
    const QRectF c(kArmLow, kArmLow, kArmHigh - kArmLow, kArmHigh - kArmLow);
    art::detail::paintSeatTriangles(p, c, QPen(withAlpha(kIvory, 200), 2));
}

void paintNest(QPainter& p, const Corner& corner) {
    const QColor c = pawnColour(corner.seat);
    const qreal r = 31;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(corner.nest + QPointF(2, 3), r + 1, r + 1);
    QRadialGradient bowl(corner.nest - QPointF(9, 10), r * 1.6);
    bowl.setColorAt(0.0, mix(c, kIvory, 0.8));
    bowl.setColorAt(0.6, mix(c, kIvory, 0.62));
    bowl.setColorAt(1.0, mix(c, kIvory, 0.35));
    p.setBrush(bowl);
    p.setPen(QPen(c, 5));
    p.drawEllipse(corner.nest, r, r);
    p.setPen(QPen(c.darker(200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(corner.nest, r + 3, r + 3);
    // The pawn keeps its 16 x 23 proportions and stands on the bowl's middle.
    const QSizeF pawn(30, 30 * 23.0 / 16.0);
    paintPawn(p, QRectF(corner.nest - QPointF(pawn.width() / 2, pawn.height() * 0.55), pawn), corner.seat);
}

} // namespace

void paintAppIcon(QPainter& p, qreal size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    paintFrame(p);
    paintTrack(p);
    paintCentre(p);
    for (const Corner& corner : kCorners) paintNest(p, corner);
    p.restore();
}

} // namespace quadrino::icon
