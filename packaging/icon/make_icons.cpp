// SPDX-License-Identifier: GPL-3.0-or-later
// quadrino-make-icons: writes the program's icon into a hicolor icon theme tree, as PNG at the
// sizes desktops ask for and as a scalable SVG. Run at build time; the package installs the tree.
#include <QDir>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "app_icon.h"

namespace {

constexpr int kSizes[] = {48, 64, 128, 256};

bool makeFolder(const QString& path) {
    if (QDir().mkpath(path)) return true;
    std::fprintf(stderr, "quadrino-make-icons: cannot create %s\n", qPrintable(path));
    return false;
}

bool writePng(const QString& folder, const QString& name, int size) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    if (!makeFolder(dir)) return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    quadrino::icon::paintAppIcon(p, size);
    p.end();
    const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (image.save(file, "PNG")) return true;
    std::fprintf(stderr, "quadrino-make-icons: cannot write %s\n", qPrintable(file));
    return false;
}

bool writeSvg(const QString& folder, const QString& name) {
    const QString dir = folder + QStringLiteral("/scalable/apps");
    if (!makeFolder(dir)) return false;
    const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".svg");
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    // At the web's 96 dots per inch the written size is 256 px, not 256 points.
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Quadrino"));
    svg.setDescription(QStringLiteral("A dice race board with a pawn in each nest"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "quadrino-make-icons: cannot write %s\n", qPrintable(file));
        return false;
    }
    quadrino::icon::paintAppIcon(p, 256);
    return p.end();
}

} // namespace

int main(int argc, char** argv) {
    // Shapes and gradients on images need no window system, so this runs on a build machine
    // without a display.
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: quadrino-make-icons HICOLOR-FOLDER ICON-NAME\n");
        return 2;
    }
    const QString folder = args[1];
    const QString name = args[2];
    for (int size : kSizes)
        if (!writePng(folder, name, size)) return 1;
    return writeSvg(folder, name) ? 0 : 1;
}
