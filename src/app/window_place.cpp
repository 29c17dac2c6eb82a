// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "art/art.h"

namespace quadrino {

QWidget* clientArea(QWidget* window, QSize minimum) {
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, QColor(221, 221, 193));
    pal.setBrush(QPalette::Window, QBrush(QColor(221, 221, 193), art::background()));
    // Light ground, dark text, even under a dark system palette.
    pal.setColor(QPalette::WindowText, Qt::black);
    client->setPalette(pal);
    client->setMinimumSize(minimum);
    return client;
}

const QScreen* WindowPlacer::screen() const {
    return window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
}

QSize WindowPlacer::fit(QSize size, QPoint at, QSize frame) const {
    const QScreen* s = screen();
    if (!s) return size;
    const QRect work = s->availableGeometry();
    const QSize room(work.right() + 1 - std::max(at.x(), work.left()), work.bottom() + 1 - std::max(at.y(), work.top()));
    return size.boundedTo(room - frame).expandedTo(window_.minimumSizeHint());
}

void WindowPlacer::setOuter(const QRect& outer) {
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    window_.resize(fit(outer.size() - frame, outer.topLeft(), frame));
    window_.move(outer.topLeft());
}

void WindowPlacer::placeAt(const QRect& stored) {
    substitute_ = QRect();
    // On a screen means enough of it shows there to be grabbed and moved back.
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect common = s->availableGeometry().intersected(stored);
        if (common.width() >= 40 && common.height() >= 20) return setOuter(stored);
    }
    const QRect work = screen() ? screen()->availableGeometry() : QRect(0, 0, stored.width() + 3, stored.height() + 3);
    substitute_ = QRect(3, 3, std::min(stored.width(), work.right() + 1 - 3), std::min(stored.height(), work.bottom() + 1 - 3));
    setOuter(substitute_);
}

void WindowPlacer::reset() { setOuter(QRect(QPoint(3, 3), defaultSize_)); }

std::optional<QRect> WindowPlacer::moved(const QRect& stored) const {
    const QRect g = window_.frameGeometry();
    // Still where it was put in place of an unreachable stored geometry: the user has not
    // moved it, and the stored values may suit the monitor that comes back.
    if ((!substitute_.isNull() && g == substitute_) || g == stored) return std::nullopt;
    QRect kept = g;
    if (const QScreen* s = window_.screen()) {
        const QRect work = s->availableGeometry();
        if (g.width() > work.width()) kept.setWidth(g.width() - 15);
        if (g.height() > work.height()) kept.setHeight(g.height() - 15);
    }
    return kept;
}

} // namespace quadrino
