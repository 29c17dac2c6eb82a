// SPDX-License-Identifier: GPL-3.0-or-later
// The chat's smileys: one face and its expression per index.
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "art/art.h"
#include "art/art_paint.h"

namespace quadrino::art {

using namespace detail;

namespace {

// ---- smileys ------------------------------------------------------------------------------

const QColor kFaceInk{70, 44, 8};

void eyeDots(QPainter& p, qreal y = 6.2) {
    p.setPen(Qt::NoPen);
    p.setBrush(kFaceInk);
    p.drawEllipse(QPointF(6.2, y), 1.1, 1.5);
    p.drawEllipse(QPointF(10.8, y), 1.1, 1.5);
}

void mouthArc(QPainter& p, qreal top, qreal depth, bool smile, qreal width = 6.5) {
    QPainterPath m;
    const qreal cx = 8.5;
    m.moveTo(cx - width / 2, top);
    m.quadTo(cx, smile ? top + depth : top - depth, cx + width / 2, top);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFaceInk, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(m);
}

void openMouth(QPainter& p, const QRectF& r, bool tongue = false) {
    QPainterPath m;
    m.moveTo(r.left(), r.top());
    m.lineTo(r.right(), r.top());
    m.quadTo(r.center().x(), r.bottom() + r.height() * 0.6, r.left(), r.top());
    p.setPen(QPen(kFaceInk, 0.8));
    p.setBrush(QColor(120, 30, 20));
    p.drawPath(m);
    if (tongue) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 100, 110));
        p.drawEllipse(QPointF(r.center().x(), r.bottom() - 0.4), 1.8, 1.3);
    }
}

void closedEyes(QPainter& p, bool happy) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFaceInk, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {6.2, 10.8}) {
        QPainterPath e;
        e.moveTo(x - 1.6, 6.6);
        e.quadTo(x, happy ? 4.4 : 8.2, x + 1.6, 6.6);
        p.drawPath(e);
    }
}

void paintFace(QPainter& p, const QColor& skin) {
    paintBall(p, QRectF(1, 0.5, 15, 15), QPointF(6.2, 4.6), 11, skin, Shading{});
}

void paintSmiley(QPainter& p, int index) {
    const QColor yellow(255, 208, 40);
    QColor skin = yellow;
    if (index == 7) skin = QColor(240, 96, 64);
    if (index == 15) skin = QColor(170, 80, 210);
    if (index == 17) skin = QColor(170, 214, 90);
    if (index == 15) {
        // Little horns first, so the face covers their roots.
        p.setPen(QPen(skin.darker(200), 0.6));
        p.setBrush(skin.darker(130));
        for (int side : {-1, 1}) {
            QPainterPath horn;
            const qreal x = 8.5 + side * 4.2;
            horn.moveTo(x - 1.8, 3.2);
            horn.lineTo(x + side * 2.2, -0.2);
            horn.lineTo(x + 1.8, 3.2);
            horn.closeSubpath();
            p.drawPath(horn);
        }
    }
    paintFace(p, skin);
    switch (index) {
    default:
    case 0: eyeDots(p); mouthArc(p, 9.6, 3.2, true); break;              // smile
    case 1: eyeDots(p); openMouth(p, QRectF(4.6, 9.0, 7.8, 3.0)); break;  // grin
    case 2:                                                              // wink
        p.setPen(Qt::NoPen);
        p.setBrush(kFaceInk);
        p.drawEllipse(QPointF(6.2, 6.2), 1.1, 1.5);
        p.setPen(QPen(kFaceInk, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.4, 6.4), QPointF(12.2, 6.0));
        mouthArc(p, 9.8, 3.0, true);
        break;
    case 3: eyeDots(p); mouthArc(p, 12.2, 2.6, false); break;           // sad
    case 4: eyeDots(p); openMouth(p, QRectF(5.0, 9.4, 7.0, 2.2), true); break; // tongue
    case 5:                                                              // surprised
        eyeDots(p, 5.8);
        p.setPen(QPen(kFaceInk, 0.9));
        p.setBrush(QColor(120, 30, 20));
        p.drawEllipse(QPointF(8.5, 11.0), 1.9, 2.4);
        break;
    case 6: {                                                            // cool
        p.setPen(QPen(QColor(20, 20, 20), 0.8));
        p.setBrush(QColor(30, 30, 40));
        p.drawRoundedRect(QRectF(3.4, 4.6, 4.8, 3.4), 1.2, 1.2);
        p.drawRoundedRect(QRectF(8.8, 4.6, 4.8, 3.4), 1.2, 1.2);
        p.drawLine(QPointF(2.2, 5.4), QPointF(14.8, 5.4));
        p.setPen(QPen(QColor(255, 255, 255, 180), 0.6));
        p.drawLine(QPointF(4.4, 5.6), QPointF(5.6, 5.6));
        p.drawLine(QPointF(9.8, 5.6), QPointF(11.0, 5.6));
        mouthArc(p, 10.4, 2.2, true, 5.5);
        break;
    }
    case 7:                                                              // angry
        eyeDots(p, 6.8);
        p.setPen(QPen(kFaceInk, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4.4, 3.8), QPointF(7.6, 5.2));
        p.drawLine(QPointF(12.6, 3.8), QPointF(9.4, 5.2));
        mouthArc(p, 12.0, 2.0, false, 5.5);
        break;
    case 8:                                                              // crying
        eyeDots(p);
        mouthArc(p, 12.0, 2.4, false);
        p.setPen(QPen(QColor(40, 110, 220), 0.6));
        p.setBrush(QColor(110, 180, 255));
        p.drawEllipse(QPointF(5.4, 9.6), 1.1, 1.7);
        break;
    case 9:                                                              // laughing
        closedEyes(p, true);
        openMouth(p, QRectF(4.4, 8.8, 8.2, 3.6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 180, 255));
        p.drawEllipse(QPointF(2.8, 8.0), 1.0, 1.4);
        p.drawEllipse(QPointF(14.2, 8.0), 1.0, 1.4);
        break;
    case 10:                                                             // in love
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(226, 30, 60));
        p.drawPath(heartShape(QRectF(3.6, 4.0, 5.0, 4.4)));
        p.drawPath(heartShape(QRectF(8.4, 4.0, 5.0, 4.4)));
        mouthArc(p, 10.2, 3.0, true);
        break;
    case 11:                                                             // neutral
        eyeDots(p);
        p.setPen(QPen(kFaceInk, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.6, 11.0), QPointF(11.4, 11.0));
        break;
    case 12: {                                                           // confused
        eyeDots(p);
        QPainterPath w;
        w.moveTo(4.8, 11.2);
        w.cubicTo(6.5, 9.6, 7.8, 12.8, 9.4, 11.0);
        w.cubicTo(10.6, 9.8, 11.6, 11.6, 12.4, 10.6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kFaceInk, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(w);
        break;
    }
    case 13:                                                             // kiss
        closedEyes(p, false);
        p.setPen(QPen(QColor(190, 30, 50), 1.0));
        p.setBrush(QColor(240, 80, 100));
        p.drawEllipse(QPointF(8.5, 11.0), 1.4, 1.1);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(226, 30, 60));
        p.drawPath(heartShape(QRectF(12.0, 8.2, 4.4, 4.0)));
        break;
    case 14:                                                             // sleepy
        closedEyes(p, false);
        mouthArc(p, 11.0, 0.8, true, 4.0);
        p.setPen(QPen(QColor(40, 80, 160), 0.9));
        p.drawLine(QPointF(12.6, 1.2), QPointF(15.4, 1.2));
        p.drawLine(QPointF(15.4, 1.2), QPointF(12.6, 4.0));
        p.drawLine(QPointF(12.6, 4.0), QPointF(15.4, 4.0));
        break;
    case 15:                                                             // devilish
        p.setPen(QPen(kFaceInk, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4.6, 4.6), QPointF(7.4, 6.0));
        p.drawLine(QPointF(12.4, 4.6), QPointF(9.6, 6.0));
        eyeDots(p, 7.4);
        openMouth(p, QRectF(4.6, 9.6, 7.8, 2.6));
        break;
    case 16:                                                             // blushing
        eyeDots(p);
        mouthArc(p, 10.0, 2.4, true, 5.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 110, 120, 150));
        p.drawEllipse(QPointF(4.0, 9.4), 2.0, 1.3);
        p.drawEllipse(QPointF(13.0, 9.4), 2.0, 1.3);
        break;
    case 17:                                                             // queasy
        p.setPen(QPen(kFaceInk, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.0, 5.4), QPointF(7.4, 7.0));
        p.drawLine(QPointF(5.0, 7.0), QPointF(7.4, 5.4));
        p.drawLine(QPointF(9.6, 5.4), QPointF(12.0, 7.0));
        p.drawLine(QPointF(9.6, 7.0), QPointF(12.0, 5.4));
        {
            QPainterPath w;
            w.moveTo(4.8, 11.0);
            for (int i = 0; i < 4; ++i) w.quadTo(5.8 + 2 * i, i % 2 ? 12.4 : 9.6, 6.8 + 2 * i, 11.0);
            p.setBrush(Qt::NoBrush);
            p.drawPath(w);
        }
        break;
    }
}

} // namespace

QPixmap smiley(int index) {
    if (index < 0 || index > 17) index = 0;
    return cached(QStringLiteral("smiley%1").arg(index), QSize(17, 16), [=](QPainter& p) { paintSmiley(p, index); });
}

} // namespace quadrino::art
