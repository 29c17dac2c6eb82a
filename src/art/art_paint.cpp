// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_paint.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPair>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <QtMath>

#include <cmath>

#include "art/art.h"
#include "protocol/vocabulary.h"

namespace quadrino::art {

qreal renderRatio() {
    // qGuiApp is null in a plain QCoreApplication (or without any application object).
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const qreal r = app->devicePixelRatio();
        if (r > 0) return r;
    }
    return 1.0;
}

ScaleScope::ScaleScope(qreal scale) : previous_(detail::gScaleRef()) {
    if (scale > 0) detail::gScaleRef() = scale;
}

ScaleScope::~ScaleScope() { detail::gScaleRef() = previous_; }

namespace detail {
namespace {

// The cache is dropped when the application object goes, since pixmaps must not outlive it.
// Pictures are kept per rendering ratio, and only for the few ratios used last: dragging a
// window's edge passes through many scales, and each would otherwise keep a full set.
struct CacheStore {
    static constexpr int kRatiosKept = 3;
    QList<QPair<qreal, QHash<QString, QPixmap>>> byRatio; // most recently used first

    QHash<QString, QPixmap>& forRatio(qreal ratio) {
        for (qsizetype i = 0; i < byRatio.size(); ++i)
            if (qFuzzyCompare(byRatio[i].first, ratio)) {
                if (i != 0) byRatio.move(i, 0);
                return byRatio.first().second;
            }
        byRatio.prepend({ratio, {}});
        while (byRatio.size() > kRatiosKept) byRatio.removeLast();
        return byRatio.first().second;
    }
};

CacheStore* cacheStore() {
    static CacheStore* store = nullptr;
    if (!store) {
        store = new CacheStore();
        qAddPostRoutine([] {
            delete store;
            store = nullptr;
        });
    }
    return store;
}

} // namespace

qreal& gScaleRef() {
    static qreal scale = 1.0;
    return scale;
}

QImage render(QSize size, qreal ratio, const Draw& draw) {
    const QSize physical(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    QImage image(physical, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // QPainter scales by an image's pixel ratio only above 1; below it (a window smaller
    // than its default at a scale of 1) the picture would be drawn full size and cut off,
    // so the scaling is the painter's own there.
    const bool below = ratio < 1.0;
    image.setDevicePixelRatio(below ? 1.0 : ratio);
    QPainter p(&image);
    if (below) p.scale(ratio, ratio);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p);
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

QPixmap cached(const QString& key, QSize size, const Draw& draw) {
    const qreal ratio = renderRatio() * gScaleRef();
    QHash<QString, QPixmap>& store = cacheStore()->forRatio(ratio);
    if (auto it = store.constFind(key); it != store.constEnd()) return *it;
    QPixmap pixmap = QPixmap::fromImage(render(size, ratio, draw));
    pixmap.setDevicePixelRatio(ratio);
    store.insert(key, pixmap);
    return pixmap;
}

int cachedPictureCount() {
    int n = 0;
    for (const auto& entry : cacheStore()->byRatio) n += static_cast<int>(entry.second.size());
    return n;
}

QFont gameFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    const qreal s = 1.0 - t;
    return QColor::fromRgbF(static_cast<float>(a.redF() * s + b.redF() * t),
                            static_cast<float>(a.greenF() * s + b.greenF() * t),
                            static_cast<float>(a.blueF() * s + b.blueF() * t),
                            static_cast<float>(a.alphaF() * s + b.alphaF() * t));
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

void outlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  const QColor& fill, const QColor& outline, qreal outlineWidth) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    QRectF b = path.boundingRect();
    // A caption longer than its box (a longer word in another language) is set narrower
    // rather than spilling over the button's edge.
    const qreal room = box.width() - outlineWidth;
    if (room > 0 && b.width() > room) {
        path = QTransform::fromScale(room / b.width(), 1.0).map(path);
        b = path.boundingRect();
    }
    const QFontMetricsF fm(font);
    // Centre on the letters' cap height rather than their ink, so texts with and without
    // descenders sit on the same line.
    const qreal x = box.center().x() - b.width() / 2 - b.left();
    const qreal y = box.center().y() + fm.capHeight() / 2;
    path.translate(x, y);
    p.save();
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QPainterPath pawnShape(const QRectF& box) {
    QPainterPath body;
    body.moveTo(5.9, 10.6);
    body.cubicTo(5.7, 14.2, 2.4, 16.4, 1.3, 19.6);
    body.lineTo(14.7, 19.6);
    body.cubicTo(13.6, 16.4, 10.3, 14.2, 10.1, 10.6);
    body.closeSubpath();
    QPainterPath base;
    base.addEllipse(QPointF(8, 19.7), 7.0, 2.7);
    QPainterPath collar;
    collar.addEllipse(QPointF(8, 10.4), 4.0, 1.5);
    QPainterPath head;
    head.addEllipse(QPointF(8, 5.4), 4.5, 4.5);
    QPainterPath shape = body.united(base).united(collar).united(head);
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 16.0, box.height() / 23.0);
    return t.map(shape);
}

QPainterPath seatMark(int seat, QPointF c, qreal r) {
    QPainterPath mark;
    switch (seat) {
    case 1: mark.addEllipse(c, r * 0.8, r * 0.8); break;
    case 2: {
        // A cross as one outline, so it fills like the other marks.
        const qreal a = r * 0.95;
        const qreal w = r * 0.3;
        for (const qreal turn : {45.0, -45.0}) {
            QPainterPath bar;
            bar.addRect(QRectF(-a, -w, 2 * a, 2 * w));
            mark = mark.united(QTransform().translate(c.x(), c.y()).rotate(turn).map(bar));
        }
        break;
    }
    case 3: {
        const QPointF tip = c + QPointF(0, -r);
        mark.moveTo(tip);
        mark.lineTo(c + QPointF(r * 0.95, r * 0.75));
        mark.lineTo(c + QPointF(-r * 0.95, r * 0.75));
        mark.closeSubpath();
        break;
    }
    case 4: {
        // Hollow, so that at a few pixels it cannot pass for the dot.
        const qreal a = r * 0.78;
        const qreal w = r * 0.32;
        mark.addRect(QRectF(c - QPointF(a, a), c + QPointF(a, a)));
        mark.addRect(QRectF(c - QPointF(a - w, a - w), c + QPointF(a - w, a - w)));
        mark.setFillRule(Qt::OddEvenFill);
        break;
    }
    default: break;
    }
    return mark;
}

void paintPawn(QPainter& p, const QRectF& box, int seat) {
    const QColor colour = pawnColour(seat);
    const qreal sx = box.width() / 16.0;
    const qreal sy = box.height() / 23.0;
    const qreal unit = std::min(sx, sy);
    auto at = [&](qreal x, qreal y) { return QPointF(box.left() + x * sx, box.top() + y * sy); };
    const QPainterPath shape = pawnShape(box);
    p.save();
    // A soft shadow under the base and a faint dark halo round the whole piece, so a pawn
    // parts from a square of its own colour.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(at(8.6, 20.6), 7.0 * sx, 2.0 * sy);
    p.strokePath(shape, QPen(QColor(0, 0, 0, 60), 2.6 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Body shaded like a turned wooden piece: light from the upper left.
    QLinearGradient side(at(1, 0), at(15, 0));
    side.setColorAt(0.0, colour.lighter(125));
    side.setColorAt(0.35, colour.lighter(150));
    side.setColorAt(0.7, colour);
    side.setColorAt(1.0, colour.darker(150));
    p.setBrush(side);
    // The edge is nearly black whatever the colour: light pawns on light squares need it most.
    const QPen edge(mix(colour.darker(300), kInk, 0.6), 1.3 * unit);
    p.setPen(edge);
    p.drawPath(shape);
    // Round head with its own highlight.
    QRadialGradient head(at(6.6, 3.8), 5.0 * sx, at(6.4, 3.6));
    head.setColorAt(0.0, colour.lighter(175));
    head.setColorAt(0.55, colour.lighter(110));
    head.setColorAt(1.0, colour.darker(140));
    p.setBrush(head);
    p.drawEllipse(at(8, 5.4), 4.5 * sx, 4.5 * sy);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(at(6.5, 3.7), 1.3 * sx, 1.0 * sy);
    // The collar's rim catches the light.
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.7 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(at(4.3, 9.2), at(11.7, 11.6)), 200 * 16, 140 * 16);
    // The seat's own mark on an ivory badge on the belly: the seats part by shape as well as
    // by colour, for players who cannot tell the colours apart.
    if (isSeat(seat)) {
        const QPointF centre = at(8, 16.0);
        const qreal badge = 4.6 * unit;
        p.setPen(QPen(withAlpha(kInk, 200), 0.7 * unit));
        p.setBrush(kIvory);
        p.drawEllipse(centre, badge, badge);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPath(seatMark(seat, centre, 3.5 * unit));
    }
    p.restore();
}

QPainterPath starShape(QPointF centre, qreal outer, qreal inner, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -M_PI / 2 + M_PI * i / points;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartShape(const QRectF& box) {
    const qreal w = box.width();
    const qreal h = box.height();
    const qreal x = box.left();
    const qreal y = box.top();
    QPainterPath path;
    path.moveTo(x + w / 2, y + h);
    path.cubicTo(x - w * 0.1, y + h * 0.55, x + w * 0.05, y - h * 0.1, x + w / 2, y + h * 0.28);
    path.cubicTo(x + w * 0.95, y - h * 0.1, x + w * 1.1, y + h * 0.55, x + w / 2, y + h);
    path.closeSubpath();
    return path;
}

void paintCard(QPainter& p, const QRectF& r, QPointF from, QPointF to, const Card& card) {
    QLinearGradient g(from, to);
    g.setColorAt(0.0, card.light);
    g.setColorAt(1.0, card.dark);
    p.setBrush(g);
    p.setPen(QPen(card.edge, card.edgeWidth));
    p.drawRoundedRect(r, card.radius, card.radius);
    p.setPen(QPen(QColor(255, 255, 255, card.highlightAlpha), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), card.radius - 1, card.radius - 1);
}

void paintBall(QPainter& p, const QRectF& r, QPointF light, qreal reach, const QColor& colour, const Shading& s) {
    QRadialGradient g(light, reach);
    g.setColorAt(0.0, colour.lighter(s.lighter));
    g.setColorAt(s.middle, colour);
    g.setColorAt(1.0, colour.darker(s.darker));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(s.edgeDarker), s.edgeWidth));
    p.drawEllipse(r);
}

} // namespace detail
void detail::paintSeatTriangles(QPainter& p, const QRectF& square, const QPen& edge) {
    const QPointF mid = square.center();
    struct Side {
        int seat;
        QPointF a, b;
    };
    const Side sides[] = {
        {1, square.topLeft(), square.topRight()},
        {3, square.topRight(), square.bottomRight()},
        {2, square.bottomRight(), square.bottomLeft()},
        {4, square.bottomLeft(), square.topLeft()},
    };
    for (const Side& s : sides) {
        const QColor col = pawnColour(s.seat);
        QPainterPath tri;
        tri.moveTo(s.a);
        tri.lineTo(s.b);
        tri.lineTo(mid);
        tri.closeSubpath();
        QLinearGradient g((s.a + s.b) / 2, mid);
        g.setColorAt(0.0, col.lighter(115));
        g.setColorAt(1.0, col.darker(135));
        p.setPen(edge);
        p.setBrush(g);
        p.drawPath(tri);
    }
}

} // namespace quadrino::art
