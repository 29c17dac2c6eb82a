// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces and buttons placed on the board: pawns, dice, tokens, badges and marks.
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <array>

#include "art/art.h"
#include "protocol/vocabulary.h"
#include "art/art_paint.h"

namespace quadrino::art {

using namespace detail;

namespace {

// A rounded button face with a glossy upper half.
void paintButton(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
                 const QColor& edge) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(r.translated(0.8, 1.4), radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.setBrush(g);
    p.setPen(QPen(edge, 1.4));
    p.drawRoundedRect(r, radius, radius);
    QRectF gloss = r.adjusted(2, 2, -2, 0);
    gloss.setHeight(r.height() * 0.45);
    QLinearGradient gg(gloss.topLeft(), gloss.bottomLeft());
    gg.setColorAt(0.0, QColor(255, 255, 255, 130));
    gg.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gg);
    p.drawRoundedRect(gloss, radius - 2, radius - 2);
}

void paintDie(QPainter& p, int face) {
    const QRectF r(1.5, 1.5, 28.5, 28.5);
    if (face == 0) {
        // An empty die: a faint ghost of the real one.
        p.setBrush(QColor(255, 255, 255, 70));
        p.setPen(QPen(QColor(90, 70, 50, 110), 1.2, Qt::DashLine));
        p.drawRoundedRect(r, 6, 6);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(r.translated(1.2, 1.6), 6, 6);
    paintCard(p, r, r.topLeft(), r.bottomRight(),
              {QColor(255, 255, 255), QColor(232, 224, 204), QColor(120, 104, 80), 1.1, 6, 200});

    const qreal lo = r.left() + 7.2;
    const qreal mid = r.center().x();
    const qreal hi = r.right() - 7.2;
    const qreal top = r.top() + 7.2;
    const qreal cy = r.center().y();
    const qreal bottom = r.bottom() - 7.2;
    QList<QPointF> pips;
    switch (face) {
    case 1: pips = {{mid, cy}}; break;
    case 2: pips = {{hi, top}, {lo, bottom}}; break;
    case 3: pips = {{hi, top}, {mid, cy}, {lo, bottom}}; break;
    case 4: pips = {{lo, top}, {hi, top}, {lo, bottom}, {hi, bottom}}; break;
    case 5: pips = {{lo, top}, {hi, top}, {mid, cy}, {lo, bottom}, {hi, bottom}}; break;
    default: pips = {{lo, top}, {hi, top}, {lo, cy}, {hi, cy}, {lo, bottom}, {hi, bottom}}; break;
    }
    const bool ace = face == 1;
    const qreal radius = ace ? 4.2 : 2.9;
    for (const QPointF& c : pips) {
        QRadialGradient pg(c - QPointF(0.8, 0.8), radius * 1.3);
        pg.setColorAt(0.0, ace ? QColor(236, 80, 70) : QColor(90, 80, 74));
        pg.setColorAt(1.0, ace ? QColor(150, 20, 20) : QColor(20, 16, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(pg);
        p.drawEllipse(c, radius, radius);
    }
}

void paintChip(QPainter& p, const QColor& metal, const QString& text) {
    // A coin seen from above at a slant: its rim shows below the face.
    const QRectF face(1, 1, 30, 21);
    const QRectF lower = face.translated(0, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(lower.translated(0.6, 0.8));
    QPainterPath rim;
    rim.addEllipse(lower);
    QPainterPath band;
    band.addRect(QRectF(face.left(), face.center().y(), face.width(), lower.center().y() - face.center().y()));
    rim = rim.united(band);
    QLinearGradient rg(face.topLeft(), face.topRight());
    rg.setColorAt(0.0, metal.darker(125));
    rg.setColorAt(0.4, metal.darker(105));
    rg.setColorAt(1.0, metal.darker(170));
    p.setBrush(rg);
    p.setPen(QPen(metal.darker(220), 0.9));
    p.drawPath(rim);
    p.setPen(QPen(metal.darker(150), 0.6));
    for (qreal x = 4; x < 30; x += 3.2)
        p.drawLine(QPointF(x, face.center().y() + 2 + (x < 16 ? (16 - x) * 0.12 : (x - 16) * 0.12) + 6),
                   QPointF(x, face.center().y() + 6.5));
    paintBall(p, face, face.center() - QPointF(5, 4), 20, metal, {140, 0.7, 120, 220, 0.9});
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(metal.darker(160), 200), 0.8));
    p.drawEllipse(face.adjusted(2.5, 2, -2.5, -2));
    outlinedText(p, face.translated(0, 0.3), text, gameFont(13), QColor(70, 40, 10),
                 withAlpha(metal.lighter(150), 200), 2.2);
}

} // namespace

QPixmap pawn(int seat) {
    if (!isSeat(seat)) seat = 0;
    return cached(QStringLiteral("pawn%1").arg(seat), QSize(16, 23),
                  [=](QPainter& p) { paintPawn(p, QRectF(0, 0, 16, 23), seat); });
}

QPixmap die(int face) {
    if (face < 0 || face > 6) return cached(QStringLiteral("die-none"), QSize(32, 32), [](QPainter&) {});
    return cached(QStringLiteral("die%1").arg(face), QSize(32, 32), [=](QPainter& p) { paintDie(p, face); });
}

QPixmap eyes() {
    return cached(QStringLiteral("eyes"), QSize(37, 17), [](QPainter& p) {
        for (qreal x : {1.5, 19.5}) {
            const QRectF eye(x, 1.2, 16, 14.5);
            QRadialGradient g(eye.center() - QPointF(2, 3), 11);
            g.setColorAt(0.0, QColor(255, 255, 255));
            g.setColorAt(1.0, QColor(214, 220, 228));
            p.setBrush(g);
            p.setPen(QPen(QColor(40, 30, 30), 1.2));
            p.drawEllipse(eye);
            // Looking sideways at the board.
            const QPointF pupil(eye.center().x() + 3.2, eye.center().y() + 1.2);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 110, 180));
            p.drawEllipse(pupil, 4.0, 4.0);
            p.setBrush(QColor(15, 15, 20));
            p.drawEllipse(pupil, 2.3, 2.3);
            p.setBrush(QColor(255, 255, 255, 230));
            p.drawEllipse(pupil - QPointF(1.2, 1.3), 1.0, 1.0);
        }
    });
}

QPixmap cross() {
    return cached(QStringLiteral("cross"), QSize(49, 31), [](QPainter& p) {
        const QLineF a(QPointF(7, 5), QPointF(42, 26));
        const QLineF b(QPointF(42, 5), QPointF(7, 26));
        const struct {
            QColor colour;
            qreal width;
        } layers[] = {{QColor(0, 0, 0, 90), 10}, {QColor(255, 250, 240), 9}, {QColor(176, 20, 30), 5.5}};
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(layers[i].colour, layers[i].width, Qt::SolidLine, Qt::RoundCap));
            const QPointF shift = i == 0 ? QPointF(1, 1.5) : QPointF();
            p.drawLine(a.translated(shift));
            p.drawLine(b.translated(shift));
        }
        p.setPen(QPen(QColor(255, 120, 120, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a.translated(-0.8, -1.2).pointAt(0.1), a.translated(-0.8, -1.2).pointAt(0.9));
        p.drawLine(b.translated(0.8, -1.2).pointAt(0.1), b.translated(0.8, -1.2).pointAt(0.9));
    });
}

QPixmap winnerBadge(int seat) {
    if (!isSeat(seat)) seat = 0;
    return cached(QStringLiteral("winner%1").arg(seat), QSize(133, 77), [=](QPainter& p) {
        const QColor c = pawnColour(seat);
        const QColor gold(226, 172, 30);
        // Ribbon tails behind the banner.
        for (int side : {-1, 1}) {
            const qreal x = side < 0 ? 18 : 115;
            QPainterPath tail;
            tail.moveTo(x - 9, 50);
            tail.lineTo(x + 9, 50);
            tail.lineTo(x + 9 * side * -0.2 + 9, 75);
            tail.lineTo(x, 69);
            tail.lineTo(x - 9 + 9 * side * -0.2, 75);
            tail.closeSubpath();
            p.setBrush(c.darker(150));
            p.setPen(QPen(c.darker(230), 1));
            p.drawPath(tail);
        }
        const QRectF banner(5, 19, 123, 44);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 80));
        p.drawRoundedRect(banner.translated(1.5, 2), 11, 11);
        QLinearGradient g(banner.topLeft(), banner.bottomLeft());
        g.setColorAt(0.0, c.lighter(130));
        g.setColorAt(0.5, c);
        g.setColorAt(1.0, c.darker(140));
        p.setBrush(g);
        p.setPen(QPen(gold, 3));
        p.drawRoundedRect(banner, 11, 11);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 244, 190), 1));
        p.drawRoundedRect(banner.adjusted(3.5, 3.5, -3.5, -3.5), 8, 8);
        outlinedText(p, banner.adjusted(0, 6, 0, 0), QCoreApplication::translate("quadrino::art", "WINNER!"), gameFont(22), QColor(255, 255, 255),
                     QColor(60, 36, 6), 3.5);
        // A gold star crowns the banner.
        const QPointF top(66.5, 17);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(starShape(top + QPointF(1, 1.5), 16, 7, 5));
        QRadialGradient sg(top - QPointF(4, 5), 20);
        sg.setColorAt(0.0, QColor(255, 246, 170));
        sg.setColorAt(0.6, gold);
        sg.setColorAt(1.0, gold.darker(140));
        p.setBrush(sg);
        p.setPen(QPen(QColor(130, 90, 10), 1.2));
        p.drawPath(starShape(top, 16, 7, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        for (const QPointF& s : {QPointF(20, 12), QPointF(112, 10), QPointF(100, 4)})
            p.drawPath(starShape(s, 4, 1.1, 4));
    });
}

QPixmap passButton() {
    return cached(QStringLiteral("pass"), QSize(51, 34), [](QPainter& p) {
        const QRectF r(1, 1, 48.5, 31);
        paintButton(p, r, 7, QColor(255, 249, 232), QColor(228, 200, 138), QColor(112, 80, 34));
        outlinedText(p, r, QCoreApplication::translate("quadrino::art", "Pass"), gameFont(15), QColor(88, 50, 14), QColor(255, 255, 255, 140), 2);
    });
}

QPixmap bonus20() {
    return cached(QStringLiteral("bonus20"), QSize(32, 28),
                  [](QPainter& p) { paintChip(p, QColor(238, 188, 48), QStringLiteral("20")); });
}

QPixmap bonus10() {
    return cached(QStringLiteral("bonus10"), QSize(32, 28),
                  [](QPainter& p) { paintChip(p, QColor(196, 206, 216), QStringLiteral("10")); });
}

QPixmap startButton() {
    return cached(QStringLiteral("start"), QSize(108, 52), [](QPainter& p) {
        const QRectF r(2, 2, 103, 47);
        paintButton(p, r, 12, QColor(128, 222, 104), QColor(36, 150, 58), QColor(20, 92, 32));
        outlinedText(p, r, QCoreApplication::translate("quadrino::art", "Start Game"), gameFont(17), QColor(255, 255, 255), QColor(18, 80, 26), 3);
    });
}

QList<QPixmap> warningFrames() {
    auto frame = [](int n) {
        return cached(QStringLiteral("warning%1").arg(n), QSize(100, 12), [=](QPainter& p) {
            const bool red = n == 0;
            const QRectF r(0.5, 0.5, 99, 11);
            p.setBrush(red ? QColor(214, 38, 56) : QColor(255, 212, 60));
            p.setPen(QPen(red ? QColor(120, 10, 20) : QColor(150, 100, 0), 1));
            p.drawRoundedRect(r, 3, 3);
            QFont f = gameFont(10);
            f.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
            outlinedText(p, r.translated(0, 0.2), QCoreApplication::translate("quadrino::art", "BLOCK LIMIT!"), f,
                         red ? QColor(255, 255, 255) : QColor(150, 10, 24), QColor(), 0);
        });
    };
    return {frame(0), frame(1)};
}

QPixmap closeImage() {
    return cached(QStringLiteral("close"), QSize(16, 16), [](QPainter& p) {
        const QPointF c(8, 8);
        QRadialGradient g(c - QPointF(2, 2.5), 9);
        g.setColorAt(0.0, QColor(240, 110, 100));
        g.setColorAt(1.0, QColor(170, 30, 30));
        p.setBrush(g);
        p.setPen(QPen(QColor(100, 10, 10), 1));
        p.drawEllipse(c, 7.2, 7.2);
        p.setPen(QPen(QColor(255, 255, 255), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.2, 5.2), QPointF(10.8, 10.8));
        p.drawLine(QPointF(10.8, 5.2), QPointF(5.2, 10.8));
    });
}

QPixmap checkBox(bool on) {
    return cached(QStringLiteral("check%1").arg(on), QSize(20, 20), [=](QPainter& p) {
        const QRectF r(1.5, 1.5, 17, 17);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, on ? QColor(236, 250, 232) : QColor(255, 255, 255));
        g.setColorAt(1.0, on ? QColor(200, 232, 192) : QColor(236, 228, 208));
        p.setBrush(g);
        p.setPen(QPen(QColor(112, 92, 60), 1.2));
        p.drawRoundedRect(r, 3.5, 3.5);
        if (!on) return;
        QPainterPath tick;
        tick.moveTo(5.2, 10.2);
        tick.lineTo(8.6, 14.0);
        tick.lineTo(15.2, 5.4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 200), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
        p.setPen(QPen(QColor(34, 130, 48), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    });
}

} // namespace quadrino::art
