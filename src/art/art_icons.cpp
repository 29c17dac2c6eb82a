// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the window around the board: logo, phrase icons, background (the smileys of
// the chat have a file of their own, art_smileys.cpp).
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cstdint>

#include "art/art.h"
#include "art/art_paint.h"

namespace quadrino::art {

using namespace detail;

namespace {

// ---- phrase icons -------------------------------------------------------------------------

void paintPhraseIcon(QPainter& p, int n) {
    const QPointF mid(10.5, 7.5);
    switch (n) {
    case 1: { // thumbs up
        const QColor skin(246, 196, 120);
        p.setPen(QPen(QColor(140, 90, 40), 0.9));
        p.setBrush(skin);
        QPainterPath thumb;
        thumb.moveTo(8.0, 6.4);
        thumb.lineTo(9.4, 1.6);
        thumb.quadTo(11.6, 1.0, 11.4, 3.6);
        thumb.lineTo(11.0, 6.0);
        thumb.lineTo(15.2, 6.0);
        thumb.quadTo(16.6, 6.4, 16.0, 8.0);
        thumb.lineTo(15.2, 13.2);
        thumb.quadTo(14.8, 14.2, 13.6, 14.2);
        thumb.lineTo(8.0, 14.2);
        thumb.closeSubpath();
        p.drawPath(thumb);
        p.setBrush(QColor(60, 120, 200));
        p.drawRoundedRect(QRectF(4.4, 6.2, 3.6, 8.2), 1, 1);
        p.setPen(QPen(QColor(140, 90, 40, 160), 0.7));
        p.drawLine(QPointF(11.6, 8.6), QPointF(15.6, 8.6));
        p.drawLine(QPointF(11.6, 11.2), QPointF(15.2, 11.2));
        break;
    }
    case 2: { // star
        p.setPen(QPen(QColor(170, 110, 0), 0.9));
        QRadialGradient g(mid - QPointF(2, 2), 8);
        g.setColorAt(0.0, QColor(255, 244, 150));
        g.setColorAt(1.0, QColor(245, 180, 20));
        p.setBrush(g);
        p.drawPath(starShape(mid + QPointF(0, 0.6), 7.2, 3.0, 5));
        break;
    }
    case 3: { // try again: a circling arrow
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 120, 200), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(5.0, 2.0, 11.0, 11.0), 60 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(15.6, 0.6);
        head.lineTo(16.4, 6.0);
        head.lineTo(11.4, 4.0);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 120, 200));
        p.drawPath(head);
        break;
    }
    case 4: { // trophy
        const QColor gold(238, 180, 30);
        p.setPen(QPen(gold.darker(170), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4.2, 2.6, 5.0, 5.0), 90 * 16, 180 * 16);
        p.drawArc(QRectF(11.8, 2.6, 5.0, 5.0), 270 * 16, 180 * 16);
        QLinearGradient g(6, 0, 15, 0);
        g.setColorAt(0.0, gold.lighter(140));
        g.setColorAt(1.0, gold.darker(115));
        p.setBrush(g);
        QPainterPath cup;
        cup.moveTo(6.4, 1.4);
        cup.lineTo(14.6, 1.4);
        cup.quadTo(14.6, 8.8, 10.5, 9.2);
        cup.quadTo(6.4, 8.8, 6.4, 1.4);
        p.drawPath(cup);
        p.drawRect(QRectF(9.6, 9.0, 1.8, 2.4));
        p.drawRoundedRect(QRectF(6.6, 11.4, 7.8, 2.6), 0.8, 0.8);
        break;
    }
    case 5: { // light bulb
        p.setPen(QPen(QColor(160, 120, 0), 0.9));
        QRadialGradient g(QPointF(9.4, 4.4), 7);
        g.setColorAt(0.0, QColor(255, 255, 220));
        g.setColorAt(1.0, QColor(255, 210, 40));
        p.setBrush(g);
        QPainterPath bulb;
        bulb.addEllipse(QPointF(10.5, 5.6), 4.6, 4.6);
        QPainterPath neck;
        neck.addRect(QRectF(8.4, 8.6, 4.2, 2.4));
        p.drawPath(bulb.united(neck));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(8.2, 10.8, 4.6, 3.4), 0.8, 0.8);
        p.setPen(QPen(QColor(255, 200, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2.6, 5.6), QPointF(4.2, 5.6));
        p.drawLine(QPointF(16.8, 5.6), QPointF(18.4, 5.6));
        p.drawLine(QPointF(4.6, 1.0), QPointF(5.6, 2.0));
        p.drawLine(QPointF(16.4, 1.0), QPointF(15.4, 2.0));
        break;
    }
    case 6: { // wow: a burst with an exclamation mark
        p.setPen(QPen(QColor(180, 30, 20), 0.8));
        p.setBrush(QColor(255, 120, 40));
        p.drawPath(starShape(mid, 7.4, 4.4, 10));
        outlinedText(p, QRectF(0, 0.2, 21, 15), QStringLiteral("!"), gameFont(11), QColor(255, 255, 255),
                     QColor(150, 20, 10), 1.6);
        break;
    }
    case 7: { // heart
        QLinearGradient g(0, 1, 0, 14);
        g.setColorAt(0.0, QColor(255, 110, 130));
        g.setColorAt(1.0, QColor(200, 20, 50));
        p.setBrush(g);
        p.setPen(QPen(QColor(130, 10, 30), 0.9));
        p.drawPath(heartShape(QRectF(3.8, 1.4, 13.4, 12.6)));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(7.4, 4.6), 1.4, 1.0);
        break;
    }
    case 8: { // team: two figures side by side
        const QColor colours[] = {QColor(60, 130, 220), QColor(50, 170, 80)};
        for (int i = 0; i < 2; ++i) {
            const qreal x = i == 0 ? 7.0 : 14.0;
            p.setPen(QPen(colours[i].darker(170), 0.8));
            p.setBrush(colours[i]);
            p.drawEllipse(QPointF(x, 4.0), 2.6, 2.6);
            p.drawRoundedRect(QRectF(x - 3.6, 7.4, 7.2, 6.8), 2.6, 2.6);
        }
        break;
    }
    case 9: // good game
        outlinedText(p, QRectF(0, 0.4, 21, 15), QStringLiteral("GG"), gameFont(11), QColor(40, 150, 60),
                     QColor(255, 255, 255), 1.6);
        break;
    case 10: { // speaker
        p.setPen(QPen(QColor(50, 50, 60), 0.9));
        p.setBrush(QColor(90, 96, 110));
        QPainterPath spk;
        spk.moveTo(3.0, 5.4);
        spk.lineTo(6.0, 5.4);
        spk.lineTo(10.0, 2.0);
        spk.lineTo(10.0, 13.0);
        spk.lineTo(6.0, 9.6);
        spk.lineTo(3.0, 9.6);
        spk.closeSubpath();
        p.drawPath(spk);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 120, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(8.4, 4.6, 5.6, 5.8), -50 * 16, 100 * 16);
        p.drawArc(QRectF(8.0, 2.2, 9.4, 10.6), -50 * 16, 100 * 16);
        break;
    }
    default: break;
    }
}

void paintLogo(QPainter& p) {
    // Emblem: a tiny board with the four seat colours round a light cross.
    const QRectF emblem(3, 3, 36, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(emblem.translated(1.2, 1.6), 7, 7);
    p.setBrush(QColor(74, 44, 26));
    p.drawRoundedRect(emblem, 7, 7);
    const int seats[] = {1, 3, 4, 2}; // top left, top right, bottom left, bottom right
    for (int i = 0; i < 4; ++i) {
        const QRectF q(emblem.left() + 3 + (i % 2) * 17.5, emblem.top() + 3 + (i / 2) * 17.5, 12.5, 12.5);
        QRadialGradient g(q.center() - QPointF(2, 2), 9);
        g.setColorAt(0.0, pawnColour(seats[i]).lighter(135));
        g.setColorAt(1.0, pawnColour(seats[i]).darker(120));
        p.setBrush(g);
        p.drawEllipse(q);
    }
    p.setBrush(kIvory);
    p.drawRect(QRectF(emblem.center().x() - 3, emblem.top() + 2, 6, 32));
    p.drawRect(QRectF(emblem.left() + 2, emblem.center().y() - 3, 32, 6));

    // Name: warm gradient letters with a dark rim and a soft shadow.
    QFont f = gameFont(34);
    f.setItalic(true);
    f.setLetterSpacing(QFont::PercentageSpacing, 102);
    QPainterPath text;
    text.addText(0, 0, f, QStringLiteral("Quadrino"));
    const QRectF ink = text.boundingRect();
    const QRectF room(46, 2, 194, 38);
    const qreal scale = std::min(1.0, std::min(room.width() / ink.width(), room.height() / ink.height()));
    QTransform t;
    t.translate(room.center().x(), room.center().y());
    t.scale(scale, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    text = t.map(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(text.translated(1.5, 2));
    QLinearGradient g(0, room.top(), 0, room.bottom());
    g.setColorAt(0.0, QColor(255, 196, 70));
    g.setColorAt(0.55, QColor(230, 112, 30));
    g.setColorAt(1.0, QColor(168, 40, 30));
    p.setPen(QPen(QColor(80, 30, 10), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(text);
}

// A repeatable stream of small numbers, so the texture is the same on every run.
struct Noise {
    std::uint32_t state;
    int next(int range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(range));
    }
};

} // namespace

QPixmap logo() { return cached(QStringLiteral("logo"), QSize(244, 42), paintLogo); }

QPixmap phraseIcon(int n) {
    if (n < 1 || n > 10) return cached(QStringLiteral("phrase-none"), QSize(21, 15), [](QPainter&) {});
    return cached(QStringLiteral("phrase%1").arg(n), QSize(21, 15), [=](QPainter& p) { paintPhraseIcon(p, n); });
}

QPixmap background() {
    return cached(QStringLiteral("background"), QSize(64, 64), [](QPainter& p) {
        // Drawn pixel by pixel at the device's resolution, so the grain stays fine at any ratio.
        const qreal ratio = p.device()->devicePixelRatioF() * p.worldTransform().m11();
        QImage grain(qCeil(64 * ratio), qCeil(64 * ratio), QImage::Format_RGB32);
        grain.setDevicePixelRatio(ratio);
        const QColor sand(221, 221, 193);
        Noise noise{0x51A7u};
        for (int y = 0; y < grain.height(); ++y) {
            for (int x = 0; x < grain.width(); ++x) {
                // Fine grain plus a faint woven line every few rows and columns.
                int d = noise.next(9) - 4;
                if (y % 4 == 0) d -= 2;
                if (x % 4 == 0) d -= 1;
                grain.setPixel(x, y, qRgb(std::clamp(sand.red() + d, 0, 255), std::clamp(sand.green() + d, 0, 255),
                                          std::clamp(sand.blue() + d - 1, 0, 255)));
            }
        }
        p.drawImage(QPointF(0, 0), grain);
    });
}

} // namespace quadrino::art
