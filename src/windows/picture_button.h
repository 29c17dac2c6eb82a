// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A button that is only its picture; it sinks by a pixel while pressed.
#include <QAbstractButton>
#include <QPixmap>

namespace quadrino {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(const QPixmap& picture, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace quadrino
