// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures: sizes, transparency, how they fit the board's cells. A contact sheet
// of all of them to look at is drawn by bench/picture_sheets.
#include <QGuiApplication>
#include <QPainter>
#include <QTest>
#include <QTextOption>

#include <functional>

#include "art/art.h"
#include "art/art_paint.h"
#include "art/board_geometry.h"

using namespace quadrino;

namespace {

QImage imageOf(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); }

// Colour at a logical point of a picture rendered at any ratio.
QColor at(const QImage& img, QPointF logical) {
    const qreal r = img.devicePixelRatio();
    return img.pixelColor(QPoint(qFloor(logical.x() * r), qFloor(logical.y() * r)));
}

int distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

int maxAlpha(const QImage& img) {
    int m = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) m = std::max(m, qAlpha(img.pixel(x, y)));
    return m;
}

using Maker = std::function<QPixmap()>;

} // namespace

Q_DECLARE_METATYPE(Maker)

class TestArt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sizes_data();
    void sizes();
    void picturesAreCached();
    void scaledPicturesAreSharpAndTheCacheStaysBounded();
    void everyScaleDrawsTheWholePicture_data();
    void everyScaleDrawsTheWholePicture();
    void pawnsAreTransparentAroundTheirShape();
    void pawnsPartByShapeAlone();
    void everyCellStandsOutFromItsCorner();
    void cellsAreTiledWithOneLineBetween();
    void markerPicturesFitTheirRects();
    void diceFaces();
    void outOfRangeRequests();
    void progressTroughsMatchTheBars_data();
    void progressTroughsMatchTheBars();
    void distinctPictures();
    void longCaptionsStayInsideTheirBox();
};

void TestArt::initTestCase() {
    // The high-density run says which ratio it set up, so it cannot pass at ratio 1 by accident.
    bool ok = false;
    const double expected = qEnvironmentVariable("QUADRINO_EXPECT_RATIO").toDouble(&ok);
    if (ok) QCOMPARE(qApp->devicePixelRatio(), expected);
    QCOMPARE(art::renderRatio(), qApp->devicePixelRatio());
}

void TestArt::sizes_data() {
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QSize>("size");
    QTest::newRow("board") << Maker(art::board) << QSize(504, 504);
    for (int s = 0; s <= 4; ++s) {
        QTest::addRow("pawn %d", s) << Maker([s] { return art::pawn(s); }) << QSize(16, 23);
        QTest::addRow("marker %d wide", s) << Maker([s] { return art::marker(s, false); }) << QSize(51, 22);
        QTest::addRow("marker %d tall", s) << Maker([s] { return art::marker(s, true); }) << QSize(22, 51);
        QTest::addRow("turn %d", s) << Maker([s] { return art::turnHighlight(s); }) << QSize(171, 169);
        QTest::addRow("winner %d", s) << Maker([s] { return art::winnerBadge(s); }) << QSize(133, 77);
        QTest::addRow("progress %d", s) << Maker([s] { return art::progressBar(s); }) << QSize(150, 17);
    }
    for (int f = -1; f <= 7; ++f) QTest::addRow("die %d", f) << Maker([f] { return art::die(f); }) << QSize(32, 32);
    QTest::newRow("eyes") << Maker(art::eyes) << QSize(37, 17);
    QTest::newRow("cross") << Maker(art::cross) << QSize(49, 31);
    QTest::newRow("pass") << Maker(art::passButton) << QSize(51, 34);
    QTest::newRow("bonus 20") << Maker(art::bonus20) << QSize(32, 28);
    QTest::newRow("bonus 10") << Maker(art::bonus10) << QSize(32, 28);
    QTest::newRow("start") << Maker(art::startButton) << QSize(108, 52);
    QTest::newRow("warning 0") << Maker([] { return art::warningFrames().value(0); }) << QSize(100, 12);
    QTest::newRow("warning 1") << Maker([] { return art::warningFrames().value(1); }) << QSize(100, 12);
    QTest::newRow("close") << Maker(art::closeImage) << QSize(16, 16);
    QTest::newRow("logo") << Maker(art::logo) << QSize(244, 42);
    QTest::newRow("progress frame") << Maker(art::progressFrame) << QSize(195, 112);
    for (int n = 0; n <= 11; ++n)
        QTest::addRow("phrase %d", n) << Maker([n] { return art::phraseIcon(n); }) << QSize(21, 15);
    for (int i = -1; i <= 18; ++i)
        QTest::addRow("smiley %d", i) << Maker([i] { return art::smiley(i); }) << QSize(17, 16);
    QTest::newRow("check on") << Maker([] { return art::checkBox(true); }) << QSize(20, 20);
    QTest::newRow("check off") << Maker([] { return art::checkBox(false); }) << QSize(20, 20);
    QTest::newRow("background") << Maker(art::background) << QSize(64, 64);
}

void TestArt::sizes() {
    QFETCH(Maker, make);
    QFETCH(QSize, size);
    const QPixmap p = make();
    QVERIFY(!p.isNull());
    // Drawn at the screen's density and labelled with it, so widgets show it crisp.
    QCOMPARE(p.devicePixelRatio(), qApp->devicePixelRatio());
    QCOMPARE(p.deviceIndependentSize().toSize(), size);
    QCOMPARE(p.size(), (QSizeF(size) * qApp->devicePixelRatio()).toSize());
}

void TestArt::picturesAreCached() {
    QCOMPARE(art::board().cacheKey(), art::board().cacheKey());
    QCOMPARE(art::pawn(3).cacheKey(), art::pawn(3).cacheKey());
    QVERIFY(art::pawn(3).cacheKey() != art::pawn(2).cacheKey());
    QVERIFY(art::marker(1, true).cacheKey() != art::marker(1, false).cacheKey());
}

void TestArt::scaledPicturesAreSharpAndTheCacheStaysBounded() {
    const QPixmap plain = art::die(4);
    {
        const art::ScaleScope scope(2.5);
        const QPixmap big = art::die(4);
        // The same size on screen, with two and a half times the pixels, to be stretched sharply.
        QCOMPARE(big.deviceIndependentSize(), plain.deviceIndependentSize());
        QCOMPARE(big.size(), plain.size() * 2.5);
    }
    QCOMPARE(art::die(4).cacheKey(), plain.cacheKey());
    // Dragging a window's edge passes through many scales: old ones are dropped.
    const int before = art::detail::cachedPictureCount();
    for (int step = 0; step < 40; ++step) {
        const art::ScaleScope scope(0.6 + step * 0.05);
        art::board();
        art::die(4);
    }
    QVERIFY(art::detail::cachedPictureCount() <= before + 3 * 2);
}

void TestArt::everyScaleDrawsTheWholePicture_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("smaller than the default") << 0.6;
    QTest::newRow("a little smaller") << 0.93;
    QTest::newRow("larger") << 1.7;
}
void TestArt::everyScaleDrawsTheWholePicture() {
    QFETCH(qreal, scale);
    // The same picture at every scale: compared on a coarse grid over all of it, so a
    // picture drawn too large (and cut off) or too small shows as a different colour.
    for (const Maker& make : {Maker(art::board), Maker(art::progressFrame)}) {
        const QImage plain = imageOf(make());
        QImage scaled;
        {
            const art::ScaleScope scope(scale);
            scaled = imageOf(make());
        }
        QVERIFY(std::abs(scaled.deviceIndependentSize().width() - plain.deviceIndependentSize().width()) < 2);
        // Averaged over an 8 x 8 grid, so edges that fall a pixel apart do not count.
        const QImage a = plain.scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage b = scaled.scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                QVERIFY2(distance(a.pixelColor(x, y), b.pixelColor(x, y)) < 60,
                         qPrintable(QStringLiteral("scale %1, cell %2,%3").arg(scale).arg(x).arg(y)));
    }
}

void TestArt::pawnsAreTransparentAroundTheirShape() {
    for (int seat = 1; seat <= 4; ++seat) {
        const QImage img = imageOf(art::pawn(seat));
        for (QPointF corner : {QPointF(0, 0), QPointF(15.5, 0), QPointF(0, 12), QPointF(15.5, 12)})
            QCOMPARE(at(img, corner).alpha(), 0);
        // Head and body are solid, in the seat's own hue.
        QCOMPARE(at(img, {8, 5}).alpha(), 255);
        QCOMPARE(at(img, {8, 17}).alpha(), 255);
        const QColor body = at(img, {12.5, 19.5});
        QVERIFY2(distance(body, art::pawnColour(seat)) < 120, qPrintable(QString::number(seat)));
    }
}

void TestArt::pawnsPartByShapeAlone() {
    // Without its colour a pawn is its dark pixels: those within the badge on its belly.
    QList<bool> ink[5];
    for (int seat = 1; seat <= 4; ++seat) {
        const QImage img = imageOf(art::pawn(seat));
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (QLineF(QPointF(x + 0.5, y + 0.5) / img.devicePixelRatio(), QPointF(8, 16)).length() < 3.8)
                    ink[seat] << (qGray(img.pixel(x, y)) < 100);
    }
    for (int a = 1; a <= 4; ++a)
        for (int b = a + 1; b <= 4; ++b) {
            qsizetype differ = 0, either = 0;
            for (qsizetype i = 0; i < ink[a].size(); ++i) {
                differ += ink[a][i] != ink[b][i];
                either += ink[a][i] || ink[b][i];
            }
            QVERIFY2(differ * 4 >= either, qPrintable(QStringLiteral("seats %1 and %2").arg(a).arg(b)));
        }
}

void TestArt::everyCellStandsOutFromItsCorner() {
    const QImage board = imageOf(art::board());
    const QPoint origin = geometry::boardOrigin();
    QList<QColor> corners;
    for (int seat = 1; seat <= 4; ++seat)
        corners << at(board, QPointF(geometry::cornerRect(seat).topLeft() - origin) + QPointF(20, 60));
    for (int s = 1; s <= geometry::kSquareCount; ++s) {
        const QRect cell = geometry::cellRect(s);
        // Sample off the centre too, where a diamond would not be.
        for (QPointF pt : {QPointF(cell.center()), QPointF(cell.topLeft()) + QPointF(4, 4)}) {
            const QColor c = at(board, pt - QPointF(origin));
            QCOMPARE(c.alpha(), 255);
            for (const QColor& corner : corners)
                QVERIFY2(distance(c, corner) > 90, qPrintable(QString("square %1").arg(s)));
        }
    }
}

void TestArt::cellsAreTiledWithOneLineBetween() {
    // Across an arm, two neighbouring cells share one border line; the tiles on either side
    // of it are alike, the line itself is darker.
    const QImage board = imageOf(art::board());
    const QPointF origin(geometry::boardOrigin());
    for (int s : {3, 30, 45, 55, 70, 86}) {
        const QRect cell = geometry::cellRect(s);
        const bool wide = cell.width() > cell.height();
        const QPointF line = wide ? QPointF(cell.left() + 0.5, cell.center().y()) : QPointF(cell.center().x(), cell.top() + 0.5);
        const QPointF inside = wide ? line + QPointF(3, 0) : line + QPointF(0, 3);
        QVERIFY2(at(board, line - origin).lightness() + 25 < at(board, inside - origin).lightness(),
                 qPrintable(QString("square %1").arg(s)));
    }
}

void TestArt::markerPicturesFitTheirRects() {
    for (int seat = 1; seat <= 4; ++seat) {
        for (int s = 1; s <= 100; ++s) {
            const QRect r = geometry::markerRect(seat, s);
            if (r.isEmpty()) continue;
            const bool tall = r.height() > r.width();
            QCOMPARE(art::marker(seat, tall).deviceIndependentSize().toSize(), r.size());
        }
    }
    // Translucent in the middle of its area so the square shows through, but visible.
    const QImage m = imageOf(art::marker(2, false));
    const int a = at(m, {12, 11}).alpha();
    QVERIFY(a > 40 && a < 220);
}

void TestArt::diceFaces() {
    // Six different faces, each solid in its middle; face 0 is only a faint outline.
    QList<QImage> faces;
    for (int f = 1; f <= 6; ++f) {
        faces << imageOf(art::die(f));
        QCOMPARE(at(faces.last(), {16, 10}).alpha(), 255);
    }
    for (int i = 0; i < faces.size(); ++i)
        for (int j = i + 1; j < faces.size(); ++j) QVERIFY(faces[i] != faces[j]);
    QVERIFY(maxAlpha(imageOf(art::die(0))) < 200);
    QCOMPARE(maxAlpha(imageOf(art::die(7))), 0);
    QCOMPARE(maxAlpha(imageOf(art::die(-3))), 0);
}

void TestArt::outOfRangeRequests() {
    QCOMPARE(imageOf(art::smiley(18)), imageOf(art::smiley(0)));
    QCOMPARE(imageOf(art::smiley(-1)), imageOf(art::smiley(0)));
    QCOMPARE(maxAlpha(imageOf(art::phraseIcon(0))), 0);
    QCOMPARE(imageOf(art::pawn(7)), imageOf(art::pawn(0)));
    QCOMPARE(art::seatColour(1), QColor(0xFF, 0xFF, 0x97));
    QCOMPARE(art::seatColour(2), QColor(0x00, 0xFF, 0x00));
    QCOMPARE(art::seatColour(3), QColor(0xFF, 0x42, 0xFF));
    QCOMPARE(art::seatColour(4), QColor(0xFF, 0xAE, 0xAE));
    QVERIFY(art::progressTrough(0).isEmpty());
}

void TestArt::progressTroughsMatchTheBars_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("barTop");
    // The bars stand on the main panel at Left 585 with these Tops; the frame is at 548,46.
    QTest::newRow("seat 1") << 1 << 58;
    QTest::newRow("seat 3") << 3 << 82;
    QTest::newRow("seat 2") << 2 << 106;
    QTest::newRow("seat 4") << 4 << 130;
}

void TestArt::progressTroughsMatchTheBars() {
    QFETCH(int, seat);
    QFETCH(int, barTop);
    QCOMPARE(art::progressTrough(seat), QRect(585 - 548, barTop - 46, 150, 17));
}

void TestArt::distinctPictures() {
    QList<QImage> seen;
    for (int i = 0; i <= 17; ++i) seen << imageOf(art::smiley(i));
    for (int n = 1; n <= 10; ++n) seen << imageOf(art::phraseIcon(n));
    for (int i = 0; i < seen.size(); ++i) {
        QVERIFY2(maxAlpha(seen[i]) == 255, qPrintable(QString::number(i)));
        for (int j = i + 1; j < seen.size(); ++j) QVERIFY2(seen[i] != seen[j], qPrintable(QString("%1 %2").arg(i).arg(j)));
    }
}

void TestArt::longCaptionsStayInsideTheirBox() {
    // The pass button's box holds "Pass"; a longer word must be set narrower, not overflow.
    QImage img(200, 40, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    const QRectF box(70, 0, 48.5, 40);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        art::detail::outlinedText(p, box, QStringLiteral("Aussetzen bitte"), art::detail::gameFont(15), Qt::black, Qt::white, 2);
    }
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY2(right >= 0, "nothing drawn");
    QVERIFY2(left >= qFloor(box.left()) - 1 && right <= qCeil(box.right()),
             qPrintable(QStringLiteral("ink from %1 to %2").arg(left).arg(right)));
    // Squeezed, not shrunk to a speck: it still spans most of the box.
    QVERIFY(right - left >= box.width() * 0.8);
}

QTEST_MAIN(TestArt)
#include "test_art.moc"
