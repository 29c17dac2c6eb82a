// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/picture_button.h"

#include <QPainter>

namespace quadrino {

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent) : QAbstractButton(parent), picture_(picture) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(sizeHint());
}

QSize PictureButton::sizeHint() const { return picture_.deviceIndependentSize().toSize(); }

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    if (!isEnabled()) p.setOpacity(0.5);
    p.drawPixmap(shift, picture_);
}

} // namespace quadrino
