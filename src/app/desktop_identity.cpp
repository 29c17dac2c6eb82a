// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_identity.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "app_icon.h"

namespace quadrino {

QString desktopApplicationId() { return QStringLiteral(QUADRINO_APP_ID); }

void presentToDesktop() {
    QGuiApplication::setDesktopFileName(desktopApplicationId());
    QIcon drawn;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        icon::paintAppIcon(p, size);
        p.end();
        drawn.addPixmap(picture);
    }
    QGuiApplication::setWindowIcon(QIcon::fromTheme(desktopApplicationId(), drawn));
}

} // namespace quadrino
