// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/picture_button.h"

#include <QPainter>

namespace quadrino {

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent) : QAbstractButton(parent), picture_(picture) {
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it and Space presses it; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setFixedSize(sizeHint());
}

QSize PictureButton::sizeHint() const { return picture_.deviceIndependentSize().toSize(); }

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    if (!isEnabled()) p.setOpacity(0.5);
    p.drawPixmap(shift, picture_);
    // Reached by Tab: a dotted frame shows it has the focus.
    if (hasFocus()) {
        p.setOpacity(1.0);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace quadrino
