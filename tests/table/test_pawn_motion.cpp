// SPDX-License-Identifier: GPL-3.0-or-later
// Moves the eye can follow: after each announcement the model (and every control that takes a
// click) is already where the host says, while the pictures glide there through the squares
// the pawn passes, a pawn sent back travels to its nest, the last move stays traced and the
// dice tumble. With animations off the board shows each change at once. Time is driven by
// setting the clocks, never by waiting.
#include <QLineF>
#include <QtTest>

#include <set>

#include "panel_fixture.h"
#include "art/art.h"
#include "table/pawn_motion.h"

using namespace quadrino;
using fixture::move;
using fixture::Table;
namespace geo = quadrino::geometry;

namespace {

using Messages = std::vector<std::string>;
using PawnKey = std::pair<int, int>; // seat, pawn

qreal distanceToPath(const QPolygonF& path, QPointF p) {
    qreal best = QLineF(path.first(), p).length();
    for (qsizetype i = 1; i < path.size(); ++i) {
        const QLineF leg(path[i - 1], path[i]);
        const QPointF d = leg.p2() - leg.p1();
        const qreal len2 = QPointF::dotProduct(d, d);
        const qreal t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - leg.p1(), d) / len2, qreal(0), qreal(1)) : 0;
        best = std::min(best, QLineF(leg.pointAt(t), p).length());
    }
    return best;
}

QPointF modelSpot(const Table& t, int seat, int pawn) { return QPointF(pawnSpot(seat, pawn, t.state().pawn(seat, pawn))); }

// Every pawn's picture and control stand where the model has them, none veiled.
void verifyBoardAtRest(const Table& t) {
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p) {
            QCOMPARE(t.panel->drawnPawnSpot(s, p), modelSpot(t, s, p));
            QCOMPARE(QPointF(t.pawn(s, p)->pos()), modelSpot(t, s, p));
            QVERIFY(!static_cast<BoardImage*>(t.pawn(s, p))->veiled());
        }
    QVERIFY(!t.shown(QStringLiteral("motion_glides")));
}

} // namespace

class TestPawnMotion : public QObject {
    Q_OBJECT
private slots:
    void pawnsGlideThroughTheSquaresTheyPass_data();
    void pawnsGlideThroughTheSquaresTheyPass();
    void aNewMoveEndsTheGlidesBefore();
    void diceTumbleAfterARoll();
};

void TestPawnMotion::pawnsGlideThroughTheSquaresTheyPass_data() {
    QTest::addColumn<Messages>("setup");
    QTest::addColumn<Messages>("change"); // what one glance of the board must follow
    QTest::addColumn<std::set<PawnKey>>("ahead");
    QTest::addColumn<std::set<PawnKey>>("home"); // sent back to the nest
    auto row = [](const char* name, Messages setup, Messages change, std::set<PawnKey> ahead, std::set<PawnKey> home) {
        QTest::newRow(name) << setup << change << ahead << home;
    };
    row("enters", {}, {encode(move(1, 1, 1, 5))}, {{1, 1}}, {});
    row("along an arm", {encode(move(1, 4, 2, 5))}, {encode(move(1, 1, 2, 12))}, {{1, 2}}, {});
    row("round a corner", {encode(move(3, 4, 1, 14))}, {encode(move(3, 1, 1, 20))}, {{3, 1}}, {});
    row("into its home column", {encode(move(1, 4, 3, 2))}, {encode(move(1, 1, 3, 71))}, {{1, 3}}, {});
    row("onto its home square", {encode(move(2, 4, 4, 86))}, {encode(move(2, 1, 4, 99))}, {{2, 4}}, {});
    row("beside its partner", {encode(move(1, 4, 1, 8)), encode(move(1, 4, 2, 5))}, {encode(move(1, 1, 2, 8))},
        {{1, 2}}, {});
    row("captures", {encode(move(3, 4, 1, 10)), encode(move(1, 4, 1, 7))},
        {encode(move(1, 1, 1, 10)), encode(SendBack{1, 3, 1, 0})}, {{1, 1}}, {{3, 1}});
    row("penalised", {encode(move(4, 4, 2, 30))}, {encode(GotPenalty1{4, 2, 0})}, {}, {{4, 2}});
}

void TestPawnMotion::pawnsGlideThroughTheSquaresTheyPass() {
    QFETCH(Messages, setup);
    QFETCH(Messages, change);
    QFETCH(std::set<PawnKey>, ahead);
    QFETCH(std::set<PawnKey>, home);
    for (const bool animated : {false, true}) {
        Table t(1);
        t.panel->setAnimations(animated);
        t.seatEveryone();
        t.startGame();
        for (const std::string& m : setup) t.feed(m);
        t.panel->motion().finish();
        std::map<PawnKey, table::PawnView> before;
        for (int s = 1; s <= 4; ++s)
            for (int p = 1; p <= 4; ++p) before[{s, p}] = t.state().pawn(s, p);
        const BoardMotion::LastMove markBefore = t.panel->motion().lastMove();
        for (const std::string& m : change) QVERIFY(t.feed(m));

        // Whatever the picture does, the pawns' controls take clicks where the model says.
        for (int s = 1; s <= 4; ++s)
            for (int p = 1; p <= 4; ++p) QCOMPARE(QPointF(t.pawn(s, p)->pos()), modelSpot(t, s, p));
        const BoardMotion& motion = t.panel->motion();
        if (!animated) {
            verifyBoardAtRest(t);
            QCOMPARE(motion.lastMove().seat, 0);
            QVERIFY(!t.shown(QStringLiteral("motion_trace")));
            continue;
        }

        std::set<PawnKey> gliding;
        for (const BoardMotion::Glide& g : motion.glides()) {
            const PawnKey key{g.seat, g.pawn};
            gliding.insert(key);
            QCOMPARE(g.path.first(), QPointF(pawnSpot(g.seat, g.pawn, before[key])));
            QCOMPARE(g.path.last(), modelSpot(t, g.seat, g.pawn));
            if (home.count(key)) continue;
            // Square by square: no leg longer than a step between neighbouring cells, but
            // the one out of the nest.
            for (qsizetype i = before[key].square == 0 ? 2 : 1; i < g.path.size(); ++i)
                QVERIFY2(QLineF(g.path[i - 1], g.path[i]).length() <= 70, qPrintable(QString::number(i)));
        }
        std::set<PawnKey> expected = ahead;
        expected.insert(home.begin(), home.end());
        QCOMPARE(gliding, expected);

        // Halfway through its glide each picture is on its way, its control veiled; a pawn
        // sent back waits for the capturing one to land first.
        for (const BoardMotion::Glide& g : motion.glides()) {
            QVERIFY(home.count({g.seat, g.pawn}) == 0 || ahead.empty() || g.beginMs >= BoardMotion::kGlideMs);
            t.panel->motion().glideClock().setCurrentTime(g.beginMs + BoardMotion::kGlideMs / 2);
            const QPointF at = t.panel->drawnPawnSpot(g.seat, g.pawn);
            QVERIFY(distanceToPath(g.path, at) < 0.5);
            QVERIFY(QLineF(at, g.path.first()).length() > 1 && QLineF(at, g.path.last()).length() > 1);
            QVERIFY(static_cast<BoardImage*>(t.pawn(g.seat, g.pawn))->veiled());
            QVERIFY(t.shown(QStringLiteral("motion_glides")));
        }

        // The last move stays marked: the pawn that moved ahead, along the way it took; a
        // pawn sent back takes its own trace with it.
        const BoardMotion::LastMove& mark = motion.lastMove();
        const int markedSeat = !ahead.empty()                          ? ahead.begin()->first
                               : home.count({markBefore.seat, markBefore.pawn}) ? 0
                                                                                : markBefore.seat;
        QCOMPARE(mark.seat, markedSeat);
        if (!ahead.empty()) {
            QCOMPARE(PawnKey(mark.seat, mark.pawn), *ahead.begin());
            QCOMPARE(mark.path.last(), modelSpot(t, mark.seat, mark.pawn));
            QVERIFY(t.shown(QStringLiteral("motion_trace")));
        }

        t.panel->motion().glideClock().setCurrentTime(t.panel->motion().glideClock().duration());
        QVERIFY(motion.glides().empty());
        verifyBoardAtRest(t);
        QCOMPARE(motion.lastMove().seat, markedSeat);
    }
}

void TestPawnMotion::aNewMoveEndsTheGlidesBefore() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    BoardMotion& motion = t.panel->motion();
    t.feed(encode(move(2, 1, 1, 39)));
    t.feed(encode(move(2, 1, 1, 45)));
    motion.glideClock().setCurrentTime(100);
    // Bots at full speed: the next move does not wait for the glide, it ends it.
    t.feed(encode(move(3, 1, 2, 56)));
    QCOMPARE(motion.glides().size(), std::size_t(1));
    QCOMPARE(motion.glides().front().seat, 3);
    QCOMPARE(t.panel->drawnPawnSpot(2, 1), QPointF(geo::squareSpot(45)));
    QVERIFY(!static_cast<BoardImage*>(t.pawn(2, 1))->veiled());
    QCOMPARE(PawnKey(motion.lastMove().seat, motion.lastMove().pawn), PawnKey(3, 2));

    // A click during a glide is the model's: the user's pawn, still on its way in the
    // picture, answers where the model has it, with the die it has left.
    t.feed(encode(move(1, 4, 1, 5)));
    t.feed(encode(NextPlayer{1, 1}));
    t.feed(encode(HisDice{1, 2, 3, 4, 0, 0, true}));
    t.feed(encode(move(1, 1, 1, 8, 4, true)));
    QVERIFY(motion.glidingSpot(1, 1).has_value());
    QVERIFY(t.shownMarkers().isEmpty());
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    QCOMPARE(t.shownMarkers(), QList<int>{2});
    QCOMPARE(t.state().marker(2).target, 12);

    // The marked pawn sent back: its trace goes with it.
    t.feed(encode(SendBack{4, 1, 1, 0}));
    QCOMPARE(motion.lastMove().seat, 0);
    QVERIFY(!t.shown(QStringLiteral("motion_trace")));

    // Switched off mid-glide: at rest at once.
    t.feed(encode(move(1, 1, 1, 9)));
    QVERIFY(!motion.glides().empty());
    t.panel->setAnimations(false);
    verifyBoardAtRest(t);
    QCOMPARE(motion.lastMove().seat, 0);
}

void TestPawnMotion::diceTumbleAfterARoll() {
    for (const bool animated : {false, true}) {
        Table t(1);
        t.panel->setAnimations(animated);
        t.seatEveryone();
        t.startGame();
        t.feed(encode(NextPlayer{1, 1}));
        t.feed(encode(HisDice{1, 2, 6, 3, 0, 0, true}));
        const art::ScaleScope scope(1.0);
        auto face = [&t](int die) { return t.label(QStringLiteral("dice_%1").arg(die))->pixmap().cacheKey(); };
        BoardMotion& motion = t.panel->motion();
        QCOMPARE(motion.rolling(), animated);
        if (animated) {
            std::set<qint64> seen;
            for (int ms = 0; ms < BoardMotion::kRollMs; ms += BoardMotion::kRollFaceMs) {
                motion.rollClock().setCurrentTime(ms);
                QVERIFY(face(1) != art::die(6).cacheKey() && face(2) != art::die(3).cacheKey());
                seen.insert(face(1));
            }
            QVERIFY(seen.size() >= 4); // a tumble, not one wrong face
            motion.rollClock().setCurrentTime(BoardMotion::kRollMs);
        }
        QVERIFY(!motion.rolling());
        QCOMPARE(face(1), art::die(6).cacheKey());
        QCOMPARE(face(2), art::die(3).cacheKey());
        // Using a die is no roll.
        t.feed(encode(move(1, 2, 1, 5, 1, true)));
        QVERIFY(!motion.rolling());
        QVERIFY(t.label(QStringLiteral("dice_2"))->pixmap().isNull());
    }
}

QTEST_MAIN(TestPawnMotion)
#include "test_pawn_motion.moc"
