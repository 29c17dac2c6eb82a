// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/scaled_layout.h"

#include <QAbstractButton>
#include <QFont>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace quadrino::scaling {

namespace {

constexpr const char* kBaseRect = "quadrinoBaseRect";
constexpr const char* kBasePx = "quadrinoBasePx";
constexpr const char* kBaseIcon = "quadrinoBaseIcon";

int edge(int v, qreal scale) { return static_cast<int>(std::lround(v * scale)); }

void applyFont(QWidget* w, int px, qreal scale) {
    QFont f = w->font();
    // Never below a size that can still be read at the smallest window.
    f.setPixelSize(std::max(6, edge(px, scale)));
    w->setFont(f);
}

} // namespace

QRect scaled(const QRect& base, qreal scale) {
    const int left = edge(base.x(), scale);
    const int top = edge(base.y(), scale);
    return {left, top, edge(base.x() + base.width(), scale) - left, edge(base.y() + base.height(), scale) - top};
}

QSize scaled(const QSize& base, qreal scale) { return scaled(QRect(QPoint(0, 0), base), scale).size(); }

void place(QWidget* w, const QRect& base, qreal scale) {
    w->setProperty(kBaseRect, base);
    w->setGeometry(scaled(base, scale));
}

void placeAt(QWidget* w, const QPoint& topLeft, qreal scale) {
    place(w, QRect(topLeft, baseRect(w).size()), scale);
}

QRect baseRect(const QWidget* w) {
    const QVariant v = w->property(kBaseRect);
    return v.isValid() ? v.toRect() : w->geometry();
}

void setBaseFont(QWidget* w, int pixelSize, bool bold, qreal scale) {
    w->setProperty(kBasePx, pixelSize);
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
    applyFont(w, pixelSize, scale);
}

void setBaseIconSize(QAbstractButton* b, const QSize& size, qreal scale) {
    b->setProperty(kBaseIcon, size);
    b->setIconSize(scaled(size, scale));
}

void applyScale(QWidget* root, qreal scale) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (const QVariant r = w->property(kBaseRect); r.isValid()) w->setGeometry(scaled(r.toRect(), scale));
        if (const QVariant px = w->property(kBasePx); px.isValid()) applyFont(w, px.toInt(), scale);
        if (const QVariant icon = w->property(kBaseIcon); icon.isValid())
            if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setIconSize(scaled(icon.toSize(), scale));
    }
}

} // namespace quadrino::scaling
