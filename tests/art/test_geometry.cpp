// SPDX-License-Identifier: GPL-3.0-or-later
// The board's coordinate tables: where pawns, markers and dice land.
#include <QTest>

#include "art/board_geometry.h"

using namespace quadrino::geometry;

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void squareSpots_data();
    void squareSpots();
    void trackCellsFollowEachOther();
    void pawnsSitInsideTheirCells();
    void cellsDoNotOverlap();
    void placePawn_data();
    void placePawn();
    void markers_data();
    void markers();
    void homeStripsLieInTheCentreFacingTheirColumn();
    void nestsAndHighlightsStayInTheirCorner();
    void outOfRangeGivesNothing();
};

void TestGeometry::squareSpots_data() {
    QTest::addColumn<int>("square");
    QTest::addColumn<QPoint>("spot");
    // First and last square of each run, and the single outer ends.
    QTest::newRow("1") << 1 << QPoint(192, 3);
    QTest::newRow("8") << 8 << QPoint(192, 157);
    QTest::newRow("9") << 9 << QPoint(161, 192);
    QTest::newRow("16") << 16 << QPoint(7, 192);
    QTest::newRow("17") << 17 << QPoint(7, 242);
    QTest::newRow("25") << 25 << QPoint(161, 292);
    QTest::newRow("26") << 26 << QPoint(192, 321);
    QTest::newRow("34") << 34 << QPoint(242, 475);
    QTest::newRow("42") << 42 << QPoint(292, 321);
    QTest::newRow("43") << 43 << QPoint(327, 292);
    QTest::newRow("51") << 51 << QPoint(481, 242);
    QTest::newRow("59") << 59 << QPoint(327, 192);
    QTest::newRow("60") << 60 << QPoint(292, 157);
    QTest::newRow("67") << 67 << QPoint(292, 3);
    QTest::newRow("68") << 68 << QPoint(242, 3);
    QTest::newRow("69") << 69 << QPoint(242, 25);
    QTest::newRow("75") << 75 << QPoint(242, 157);
    QTest::newRow("76") << 76 << QPoint(459, 242);
    QTest::newRow("82") << 82 << QPoint(327, 242);
    QTest::newRow("83") << 83 << QPoint(242, 453);
    QTest::newRow("89") << 89 << QPoint(242, 321);
    QTest::newRow("90") << 90 << QPoint(29, 242);
    QTest::newRow("96") << 96 << QPoint(161, 242);
}

void TestGeometry::squareSpots() {
    QFETCH(int, square);
    QFETCH(QPoint, spot);
    QCOMPARE(squareSpot(square), spot);
}

void TestGeometry::trackCellsFollowEachOther() {
    // Walking the track, each cell touches the next one (the corners of the cross excepted,
    // where the walk turns from one arm into the next through the outer end or the centre).
    for (int s = 1; s <= 68; ++s) {
        const int next = s == 68 ? 1 : s + 1;
        const QRect a = cellRect(s);
        const QRect b = cellRect(next);
        const bool turnsCorner = s == 8 || s == 25 || s == 42 || s == 59;
        if (turnsCorner) continue;
        const QRect grown = a.adjusted(-1, -1, 1, 1);
        QVERIFY2(grown.intersects(b), qPrintable(QString("cells %1 and %2 are apart").arg(s).arg(next)));
    }
}

void TestGeometry::pawnsSitInsideTheirCells() {
    for (int s = 1; s <= kSquareCount; ++s) {
        // A pawn is 23 high and a wide cell 22: one row may hang over the cell's edge.
        const QRect cell = cellRect(s).adjusted(0, 0, 0, 1);
        const QRect alone(squareSpot(s), kPawnSize);
        const QRect paired(pairedOffsetSpot(s), kPawnSize);
        QVERIFY2(cell.contains(alone), qPrintable(QString("square %1").arg(s)));
        QVERIFY2(cell.contains(paired), qPrintable(QString("square %1 paired").arg(s)));
        QVERIFY2(alone.center() != paired.center(), qPrintable(QString("square %1 pair coincides").arg(s)));
    }
}

void TestGeometry::cellsDoNotOverlap() {
    // Neighbouring cells share at most their one-pixel border line.
    for (int a = 1; a <= kSquareCount; ++a) {
        for (int b = a + 1; b <= kSquareCount; ++b) {
            const QRect common = cellRect(a) & cellRect(b);
            // The corner cells of two arms meeting at the centre overlap by a few pixels.
            const bool line = common.width() == 1 || common.height() == 1;
            const bool corner = common.width() <= 5 && common.height() <= 5;
            QVERIFY2(common.isEmpty() || line || corner,
                     qPrintable(QString("cells %1 and %2 overlap").arg(a).arg(b)));
        }
    }
}

void TestGeometry::placePawn_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("pawn");
    QTest::addColumn<int>("square");
    QTest::addColumn<QPoint>("spot");
    QTest::newRow("seat 1 at start") << 1 << 1 << 0 << QPoint(103, 104);
    QTest::newRow("seat 3 pawn 4 at start") << 3 << 4 << 0 << QPoint(361, 79);
    QTest::newRow("seat 1 home is 97") << 1 << 2 << 97 << QPoint(238, 178);
    QTest::newRow("seat 2 home is 99") << 2 << 4 << 99 << QPoint(267, 299);
    QTest::newRow("seat 3 home is 98") << 3 << 1 << 98 << QPoint(305, 214);
    QTest::newRow("seat 4 home is 100") << 4 << 3 << 100 << QPoint(182, 247);
    QTest::newRow("on the track") << 2 << 1 << 39 << QPoint(292, 387);
    QTest::newRow("another seat's home square") << 1 << 1 << 98 << QPoint();
}

void TestGeometry::placePawn() {
    QFETCH(int, seat);
    QFETCH(int, pawn);
    QFETCH(int, square);
    QFETCH(QPoint, spot);
    QCOMPARE(pawnSpot(seat, pawn, square), spot);
}

void TestGeometry::markers_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("square");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("vertical arm") << 1 << 5 << QRect(176, 91, 51, 22);
    QTest::newRow("horizontal arm") << 2 << 12 << QRect(91, 175, 22, 51);
    QTest::newRow("home column") << 3 << 80 << QRect(367, 225, 22, 51);
    QTest::newRow("seat 1 home") << 1 << 97 << QRect(226, 179, 51, 22);
    QTest::newRow("seat 2 home") << 2 << 99 << QRect(226, 300, 51, 22);
    QTest::newRow("seat 3 home") << 3 << 98 << QRect(301, 225, 22, 51);
    QTest::newRow("seat 4 home") << 4 << 100 << QRect(178, 225, 22, 51);
    QTest::newRow("someone else's home") << 4 << 97 << QRect();
    QTest::newRow("no square") << 1 << 101 << QRect();
}

void TestGeometry::markers() {
    QFETCH(int, seat);
    QFETCH(int, square);
    QFETCH(QRect, rect);
    QCOMPARE(markerRect(seat, square), rect);
}

void TestGeometry::homeStripsLieInTheCentreFacingTheirColumn() {
    const QRect centre = centreRect();
    for (int seat = 1; seat <= 4; ++seat) {
        const QRect strip = homeTargetRect(seat);
        QVERIFY(centre.adjusted(-1, -1, 1, 2).contains(strip));
        // The strip touches the centre's edge where the seat's home column arrives.
        const QRect lastOfColumn = cellRect(homeColumnStartOf(seat) + 6);
        QVERIFY2(lastOfColumn.adjusted(-2, -2, 2, 2).intersects(strip), qPrintable(QString::number(seat)));
        for (int pawn = 1; pawn <= 4; ++pawn)
            QVERIFY(strip.adjusted(-4, -4, 6, 4).intersects(QRect(homeSpot(seat, pawn), kPawnSize)));
    }
}

void TestGeometry::nestsAndHighlightsStayInTheirCorner() {
    for (int seat = 1; seat <= 4; ++seat) {
        const QRect corner = cornerRect(seat);
        QVERIFY(corner.contains(QRect(turnHighlightSpot(seat), QSize(171, 169))));
        for (int pawn = 1; pawn <= 4; ++pawn)
            QVERIFY(corner.contains(QRect(nestSpot(seat, pawn), kPawnSize)));
        for (int die = 1; die <= 2; ++die)
            QVERIFY(corner.contains(QRect(turnDiceSpot(seat, die), QSize(32, 32))));
        QVERIFY(corner.contains(nestCentre(seat).toPoint()));
        // Each seat's start square is on the arm next to its corner.
        const QRect start = cellRect(startSquareOf(seat));
        QVERIFY(start.adjusted(-40, -40, 40, 40).intersects(corner));
    }
}

void TestGeometry::outOfRangeGivesNothing() {
    for (int bad : {-1, 0, 97, 100, 1000}) {
        QCOMPARE(squareSpot(bad), QPoint());
        QVERIFY(cellRect(bad).isEmpty());
        QCOMPARE(pairedOffsetSpot(bad), QPoint());
        QVERIFY(!isVerticalArm(bad));
    }
    QCOMPARE(nestSpot(0, 1), QPoint());
    QCOMPARE(nestSpot(1, 5), QPoint());
    QCOMPARE(homeSpot(5, 1), QPoint());
    QCOMPARE(homeSquareOf(0), 0);
    QCOMPARE(turnDiceSpot(1, 3), QPoint());
    QCOMPARE(pawnSpot(1, 0, 5), QPoint());
    QVERIFY(homeTargetRect(9).isEmpty());
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "test_geometry.moc"
