// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: it fills its frame at every size desktops ask for, its SVG draws the
// same picture as its PNGs, and the build tool writes the icon theme's layout.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "app_icon.h"

namespace {

QImage drawn(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    quadrino::icon::paintAppIcon(p, size);
    return image;
}

QImage rendered(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    svg.render(&p);
    return image;
}

// Mean difference per channel, alpha included, 0..255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

int runTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(QUADRINO_MAKE_ICONS), args);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit) return -1;
    return tool.exitCode();
}

} // namespace

class TestAppIcon : public QObject {
    Q_OBJECT
private slots:
    void fillsItsFrameAtEverySize_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 48, 64, 128, 256, 512}) QTest::addRow("%d px", size) << size;
    }
    void fillsItsFrameAtEverySize() {
        QFETCH(int, size);
        const QImage icon = drawn(size);
        const int last = size - 1;
        // Rounded corners let the desktop show through...
        for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        // ...and everything well inside the frame is solid, up to near each edge's middle.
        const int in = size / 10;
        for (QPoint p : {QPoint(size / 2, in), QPoint(size / 2, last - in), QPoint(in, size / 2),
                         QPoint(last - in, size / 2), QPoint(size / 2, size / 2), QPoint(in + size / 16, in + size / 16)})
            QVERIFY2(qAlpha(icon.pixel(p)) == 255, qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    }

    void svgDrawsThePngsPicture() {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&out);
        generator.setSize(QSize(256, 256));
        generator.setViewBox(QRect(0, 0, 256, 256));
        QPainter p(&generator);
        quadrino::icon::paintAppIcon(p, 256);
        p.end();

        QSvgRenderer svg(out.data());
        QVERIFY(svg.isValid());
        // Anything the SVG writer cannot express (a gradient, a transform) would show here.
        for (int size : {64, 256}) {
            const double difference = meanDifference(rendered(svg, size), drawn(size));
            QVERIFY2(difference < 1.0, qPrintable(QStringLiteral("%1 px: %2").arg(size).arg(difference)));
        }
    }

    void toolWritesTheIconTheme() {
        QTemporaryDir dir;
        const QString hicolor = dir.filePath(QStringLiteral("share/icons/hicolor"));
        QCOMPARE(runTool({hicolor, QStringLiteral("org.example.Test")}), 0);
        for (int size : {48, 64, 128, 256}) {
            const QImage png(QStringLiteral("%1/%2x%2/apps/org.example.Test.png").arg(hicolor).arg(size));
            QCOMPARE(png.size(), QSize(size, size));
            QVERIFY(png.hasAlphaChannel());
        }
        QSvgRenderer svg(hicolor + QStringLiteral("/scalable/apps/org.example.Test.svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 256, 256));
        QCOMPARE(QDir(hicolor).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 5);
    }

    void toolFailsWhenItCannotWrite() {
        QTemporaryDir dir;
        // A plain file where the theme's folder should go.
        QFile blocker(dir.filePath(QStringLiteral("hicolor")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(runTool({blocker.fileName(), QStringLiteral("x")}), 1);
        QCOMPARE(runTool({dir.path()}), 2);
    }
};

QTEST_MAIN(TestAppIcon)
#include "test_app_icon.moc"
