// SPDX-License-Identifier: GPL-3.0-or-later
// The board and what lies directly on it: cells, nests, the centre, highlights and markers.
#include <QPainter>
#include <QPainterPath>

#include "art/art.h"
#include "protocol/vocabulary.h"
#include "art/art_paint.h"
#include "art/board_geometry.h"

namespace quadrino::art {

using namespace detail;

namespace {

const QColor kWoodLight{112, 72, 44};
const QColor kWoodDark{58, 35, 20};
const QColor kGrout{122, 92, 62};
const QColor kTile{251, 245, 229};
const QColor kSafeGold{214, 176, 92};

// A tile is its cell less the one-pixel grout line on the side facing the previous cell, so
// neighbouring cells are always parted by exactly one line.
QRectF tileOf(const QRect& cell) {
    if (cell.width() > cell.height()) return QRectF(cell.x() + 1, cell.y() + 1, cell.width() - 2, cell.height() - 1);
    return QRectF(cell.x() + 1, cell.y() + 1, cell.width() - 1, cell.height() - 2);
}

void paintTile(QPainter& p, const QRectF& tile, const QColor& colour) {
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0.0, colour.lighter(104));
    g.setColorAt(1.0, colour.darker(108));
    p.fillRect(tile, g);
    // A hint of bevel: light top/left edge.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(tile.left() + 0.5, tile.top() + 0.5), QPointF(tile.right() - 0.5, tile.top() + 0.5));
    p.drawLine(QPointF(tile.left() + 0.5, tile.top() + 0.5), QPointF(tile.left() + 0.5, tile.bottom() - 0.5));
}

void paintDiamond(QPainter& p, const QRectF& tile, const QColor& fill, const QColor& edge) {
    const QPointF c = tile.center();
    const qreal rx = tile.width() > tile.height() ? 12.0 : 7.0;
    const qreal ry = tile.width() > tile.height() ? 7.0 : 12.0;
    QPainterPath d;
    d.moveTo(c.x(), c.y() - ry);
    d.lineTo(c.x() + rx, c.y());
    d.lineTo(c.x(), c.y() + ry);
    d.lineTo(c.x() - rx, c.y());
    d.closeSubpath();
    QLinearGradient g(c.x(), c.y() - ry, c.x(), c.y() + ry);
    g.setColorAt(0.0, fill.lighter(118));
    g.setColorAt(1.0, fill.darker(110));
    p.setBrush(g);
    p.setPen(QPen(edge, 1.0));
    p.drawPath(d);
}

// The little hollow where a pawn stands, centred under its base.
void paintDimple(QPainter& p, QPoint pawnSpot, const QColor& surface) {
    const QPointF c(pawnSpot.x() + 8.0, pawnSpot.y() + 19.5);
    QRadialGradient g(c, 8);
    g.setColorAt(0.0, surface.darker(150));
    g.setColorAt(1.0, surface.darker(115));
    p.setBrush(g);
    p.setPen(QPen(withAlpha(surface.lighter(140), 160), 0.8));
    p.drawEllipse(c, 7.0, 3.0);
}

void paintCorner(QPainter& p, int seat) {
    const QColor c = pawnColour(seat);
    const QRectF panel = QRectF(geometry::cornerRect(seat)).adjusted(3, 3, -3, -3);
    QLinearGradient g(panel.topLeft(), panel.bottomRight());
    g.setColorAt(0.0, mix(c, kWoodDark, 0.62));
    g.setColorAt(1.0, mix(c, kWoodDark, 0.78));
    p.setBrush(g);
    p.setPen(QPen(mix(c, kWoodDark, 0.45), 1.5));
    p.drawRoundedRect(panel, 12, 12);
    // Nest: a round bowl with four hollows for the waiting pawns.
    const QPointF centre = geometry::nestCentre(seat);
    const qreal r = 36;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(centre + QPointF(1.5, 2), r + 1, r + 1);
    // A pale bowl, so the seat's own pawns stand out against it.
    const QColor pale = mix(c, kIvory, 0.62);
    QRadialGradient bowl(centre - QPointF(10, 12), r * 1.6);
    bowl.setColorAt(0.0, mix(c, kIvory, 0.8));
    bowl.setColorAt(0.6, pale);
    bowl.setColorAt(1.0, mix(c, kIvory, 0.35));
    p.setBrush(bowl);
    p.setPen(QPen(c, 3.5));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(c.darker(200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r + 2, r + 2);
    p.setPen(QPen(withAlpha(kIvory, 200), 1));
    p.drawEllipse(centre, r - 2.5, r - 2.5);
    p.setPen(QPen(withAlpha(c, 110), 1));
    p.drawEllipse(centre, r - 7, r - 7);
    for (int pawn = 1; pawn <= 4; ++pawn) paintDimple(p, geometry::nestSpot(seat, pawn), pale);
}

QPainterPath crossOutline() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the arms overlap the centre a little: no holes there
    path.addRect(QRectF(176, 3, 151, 176));   // top arm
    path.addRect(QRectF(3, 175, 176, 151));   // left arm
    path.addRect(QRectF(323, 175, 176, 151)); // right arm
    path.addRect(QRectF(176, 321, 151, 176)); // bottom arm
    path.addRect(QRectF(geometry::centreRect()));
    return path.simplified();
}

void paintCentre(QPainter& p) {
    const QRectF c = QRectF(geometry::centreRect()).adjusted(0, 0, 1, 1);
    paintSeatTriangles(p, c, Qt::NoPen);
    p.setPen(QPen(withAlpha(kIvory, 200), 1.5));
    p.drawLine(c.topLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomLeft());
    for (int seat = 1; seat <= 4; ++seat) {
        // The row where this seat's pawns line up once home.
        const QColor col = pawnColour(seat);
        QRectF row;
        for (int pawn = 1; pawn <= 4; ++pawn)
            row |= QRectF(QPointF(geometry::homeSpot(seat, pawn)), QSizeF(geometry::kPawnSize));
        p.setBrush(withAlpha(col.lighter(145), 120));
        p.setPen(QPen(withAlpha(kIvory, 170), 1));
        p.drawRoundedRect(row.adjusted(-1, 1, 1, -1), 6, 6);
        for (int pawn = 1; pawn <= 4; ++pawn) paintDimple(p, geometry::homeSpot(seat, pawn), col);
    }
}

void paintBoard(QPainter& p) {
    // Wooden frame and felt.
    const QRectF all(0, 0, 504, 504);
    QRadialGradient wood(all.center(), 360);
    wood.setColorAt(0.0, kWoodLight);
    wood.setColorAt(1.0, kWoodDark);
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRoundedRect(all, 8, 8);
    // Faint grain lines across the frame.
    p.setPen(QPen(QColor(255, 220, 170, 14), 1));
    for (int y = 6; y < 504; y += 7) p.drawLine(QPointF(4, y + (y % 3)), QPointF(500, y - (y % 5)));

    // From here on coordinates are those of the board panel, as the tables give them.
    p.save();
    p.translate(-QPointF(geometry::boardOrigin()));
    for (int seat = 1; seat <= 4; ++seat) paintCorner(p, seat);

    const QPainterPath cross = crossOutline();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(cross.translated(2, 2));
    p.setBrush(kGrout);
    p.drawPath(cross);

    p.setRenderHint(QPainter::Antialiasing, false);
    for (int s = 1; s <= geometry::kSquareCount; ++s) {
        const QRect cell = geometry::cellRect(s);
        QColor colour = kTile;
        if (const int owner = geometry::seatOfHomeColumn(s)) colour = mix(kTile, pawnColour(owner), 0.55);
        for (int seat = 1; seat <= 4; ++seat)
            if (geometry::startSquareOf(seat) == s) colour = pawnColour(seat);
        paintTile(p, tileOf(cell), colour);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int s = 1; s <= 68; ++s) {
        if (!geometry::isSafeSquare(s)) continue;
        int owner = 0;
        for (int seat = 1; seat <= 4; ++seat)
            if (geometry::startSquareOf(seat) == s) owner = seat;
        const QRectF tile = tileOf(geometry::cellRect(s));
        if (owner)
            paintDiamond(p, tile, kIvory, pawnColour(owner).darker(170));
        else
            paintDiamond(p, tile, kSafeGold, QColor(130, 95, 40));
    }
    // Arrow heads on each home column's first cell, pointing home.
    for (int seat = 1; seat <= 4; ++seat) {
        const int first = geometry::homeColumnStartOf(seat);
        const QRectF tile = tileOf(geometry::cellRect(first));
        const QPointF from = QPointF(geometry::cellRect(first).center());
        const QPointF to = QPointF(geometry::cellRect(first + 1).center());
        const QPointF dir = (to - from) / 22.0;
        const QPointF perp(-dir.y(), dir.x());
        const QPointF c = tile.center();
        QPainterPath arrow;
        arrow.moveTo(c + dir * 6);
        arrow.lineTo(c - dir * 4 + perp * 7);
        arrow.lineTo(c - dir * 4 - perp * 7);
        arrow.closeSubpath();
        p.setBrush(pawnColour(seat).darker(115));
        p.setPen(QPen(pawnColour(seat).darker(200), 0.8));
        p.drawPath(arrow);
    }
    paintCentre(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 45, 25), 1.2));
    p.drawPath(cross);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 16, 8), 2));
    p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 8, 8);
    p.setPen(QPen(QColor(190, 140, 90, 120), 1));
    p.drawRoundedRect(all.adjusted(2.5, 2.5, -2.5, -2.5), 7, 7);
}

} // namespace

QColor seatColour(int seat) {
    switch (seat) {
    case 1: return QColor(0xFF, 0xFF, 0x97);
    case 2: return QColor(0x00, 0xFF, 0x00);
    case 3: return QColor(0xFF, 0x42, 0xFF);
    case 4: return QColor(0xFF, 0xAE, 0xAE);
    default: return QColor(0xC0, 0xC0, 0xC0);
    }
}

QColor pawnColour(int seat) {
    switch (seat) {
    case 1: return QColor(246, 200, 32);
    case 2: return QColor(44, 172, 72);
    case 3: return QColor(178, 62, 204);
    case 4: return QColor(228, 66, 84);
    default: return QColor(150, 150, 150);
    }
}

QPixmap board() { return cached(QStringLiteral("board"), geometry::kBoardSize, paintBoard); }

QPixmap marker(int seat, bool vertical) {
    if (!isSeat(seat)) seat = 0;
    const QSize size = vertical ? QSize(22, 51) : QSize(51, 22);
    return cached(QStringLiteral("marker%1%2").arg(seat).arg(vertical), size, [=](QPainter& p) {
        const QColor c = pawnColour(seat);
        const QRectF r = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
        p.setBrush(withAlpha(c.lighter(115), 120));
        p.setPen(QPen(withAlpha(c.darker(150), 235), 2));
        p.drawRoundedRect(r, 4, 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 2.5, 2.5);
        // A target ring in the middle says "you can land here".
        const QPointF mid = r.center();
        p.setPen(QPen(withAlpha(c.darker(170), 220), 1.6));
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(mid, 5, 5);
        p.setBrush(withAlpha(c.darker(150), 230));
        p.setPen(Qt::NoPen);
        p.drawEllipse(mid, 1.8, 1.8);
    });
}

QPixmap turnHighlight(int seat) {
    if (!isSeat(seat)) seat = 0;
    return cached(QStringLiteral("turn%1").arg(seat), QSize(171, 169), [=](QPainter& p) {
        const QColor c = pawnColour(seat).lighter(135);
        const QRectF r(4, 4, 163, 161);
        p.setBrush(withAlpha(c, 34));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(r, 13, 13);
        p.setBrush(Qt::NoBrush);
        const struct {
            qreal width;
            int alpha;
        } glow[] = {{8, 28}, {6, 45}, {4, 80}, {2.5, 150}, {1.2, 255}};
        for (const auto& g : glow) {
            p.setPen(QPen(withAlpha(g.alpha == 255 ? QColor(255, 255, 240) : c, g.alpha), g.width));
            p.drawRoundedRect(r, 13, 13);
        }
        // Sparkles at the two corners away from the seat's name label.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 240, 230));
        if (seat == 3 || seat == 4) {
            p.drawPath(starShape(r.topLeft() + QPointF(7, 7), 6, 1.6, 4));
            p.drawPath(starShape(r.bottomRight() - QPointF(7, 7), 6, 1.6, 4));
        } else {
            p.drawPath(starShape(r.topRight() + QPointF(-7, 7), 6, 1.6, 4));
            p.drawPath(starShape(r.bottomLeft() + QPointF(7, -7), 6, 1.6, 4));
        }
    });
}

QRect progressTrough(int seat) {
    // Rows top to bottom follow the seats clockwise round the board: 1, 3, 2, 4.
    int row = 0;
    switch (seat) {
    case 1: row = 0; break;
    case 3: row = 1; break;
    case 2: row = 2; break;
    case 4: row = 3; break;
    default: return {};
    }
    return QRect(37, 12 + 24 * row, 150, 17);
}

QPixmap progressFrame() {
    return cached(QStringLiteral("progressframe"), QSize(195, 112), [](QPainter& p) {
        const QRectF r(1, 1, 193, 110);
        paintCard(p, r, r.topLeft(), r.bottomLeft(),
                  {QColor(248, 241, 222), QColor(218, 203, 166), QColor(140, 112, 72), 1.5, 10, 160});
        for (int seat = 1; seat <= 4; ++seat) {
            const QRectF t = QRectF(progressTrough(seat)).adjusted(-1.5, -1.5, 1.5, 1.5);
            QLinearGradient tg(t.topLeft(), t.bottomLeft());
            tg.setColorAt(0.0, QColor(62, 46, 32));
            tg.setColorAt(1.0, QColor(96, 76, 56));
            p.setBrush(tg);
            p.setPen(QPen(QColor(255, 255, 255, 180), 1));
            p.drawRoundedRect(t, 4, 4);
            // A small pawn tells whose bar this is.
            const qreal mid = t.center().y();
            paintPawn(p, QRectF(14, mid - 9, 12.5, 18), seat);
        }
    });
}

QPixmap progressBar(int seat) {
    if (!isSeat(seat)) seat = 0;
    return cached(QStringLiteral("progress%1").arg(seat), QSize(150, 17), [=](QPainter& p) {
        const QColor c = pawnColour(seat);
        // Only vertical shading: the bar is shown stretched to any width.
        QLinearGradient g(0, 0, 0, 17);
        g.setColorAt(0.0, c.lighter(150));
        g.setColorAt(0.45, c.lighter(108));
        g.setColorAt(0.55, c);
        g.setColorAt(1.0, c.darker(135));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRectF(0, 0, 150, 17), g);
        p.fillRect(QRectF(0, 1, 150, 6), QColor(255, 255, 255, 60));
        p.fillRect(QRectF(0, 0, 150, 1), c.lighter(170));
        p.fillRect(QRectF(0, 16, 150, 1), c.darker(170));
    });
}

} // namespace quadrino::art
