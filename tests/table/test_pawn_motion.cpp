// SPDX-License-Identifier: GPL-3.0-or-later
// Moves the eye can follow: the model and the controls that take clicks change at once, only
// the pictures glide, tumble and trace; with animations off nothing lags. Time is driven by
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

namespace {

using Messages = std::vector<std::string>;
using PawnKey = std::pair<int, int>; // seat, pawn

// Whether `p` lies on one of the path's legs: no detour through it.
bool onPath(const QPolygonF& path, QPointF p) {
    for (qsizetype i = 1; i < path.size(); ++i)
        if (QLineF(path[i - 1], p).length() + QLineF(p, path[i]).length() - QLineF(path[i - 1], path[i]).length() < 0.05)
            return true;
    return false;
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
    row("round a corner", {encode(move(3, 4, 1, 14))}, {encode(move(3, 1, 1, 20))}, {{3, 1}}, {});
    row("into its home column", {encode(move(1, 4, 3, 2))}, {encode(move(1, 1, 3, 71))}, {{1, 3}}, {});
    row("onto its home square", {encode(move(2, 4, 4, 86))}, {encode(move(2, 1, 4, 99))}, {{2, 4}}, {});
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
        const table::TableState before = t.state();
        for (const std::string& m : change) QVERIFY(t.feed(m));

        const BoardMotion& motion = t.panel->motion();
        if (!animated) {
            verifyBoardAtRest(t);
            QCOMPARE(motion.lastMove().seat, 0);
            QVERIFY(!t.shown(QStringLiteral("motion_trace")));
            continue;
        }

        std::set<PawnKey> gliding = ahead;
        gliding.insert(home.begin(), home.end());
        QCOMPARE(motion.glides().size(), gliding.size());
        for (const BoardMotion::Glide& g : motion.glides()) {
            const bool sentBack = home.count({g.seat, g.pawn}) == 1;
            QVERIFY(gliding.count({g.seat, g.pawn}));
            QCOMPARE(g.path.first(), QPointF(pawnSpot(g.seat, g.pawn, before.pawn(g.seat, g.pawn))));
            QCOMPARE(g.path.last(), modelSpot(t, g.seat, g.pawn));
            // Square by square: no leg longer than a step between neighbouring cells, but
            // the one out of the nest.
            for (qsizetype i = before.pawn(g.seat, g.pawn).square == 0 ? 2 : 1; !sentBack && i < g.path.size(); ++i)
                QVERIFY2(QLineF(g.path[i - 1], g.path[i]).length() <= 70, qPrintable(QString::number(i)));

            // Halfway through its glide each picture is on its way, its control veiled; a
            // pawn sent back waits for the capturing one to land first.
            QVERIFY(!sentBack || ahead.empty() || g.beginMs >= BoardMotion::kGlideMs);
            t.panel->motion().glideClock().setCurrentTime(g.beginMs + BoardMotion::kGlideMs / 2);
            const QPointF at = t.panel->drawnPawnSpot(g.seat, g.pawn);
            QVERIFY(onPath(g.path, at));
            QVERIFY(QLineF(at, g.path.first()).length() > 1 && QLineF(at, g.path.last()).length() > 1);
            // The control that takes the pawn's clicks already stands where the model says.
            QCOMPARE(QPointF(t.pawn(g.seat, g.pawn)->pos()), modelSpot(t, g.seat, g.pawn));
            QVERIFY(static_cast<BoardImage*>(t.pawn(g.seat, g.pawn))->veiled());
            QVERIFY(t.shown(QStringLiteral("motion_glides")));
        }

        // The last move stays marked: the pawn that moved ahead, along the way it took. (The
        // one penalised had made the move before: it takes its trace with it.)
        const BoardMotion::LastMove& mark = motion.lastMove();
        const PawnKey marked = ahead.empty() ? PawnKey(0, 0) : *ahead.begin();
        QCOMPARE(PawnKey(mark.seat, mark.pawn), marked);
        if (!ahead.empty()) {
            QCOMPARE(mark.path.last(), modelSpot(t, mark.seat, mark.pawn));
            QVERIFY(t.shown(QStringLiteral("motion_trace")));
        }

        t.panel->motion().glideClock().setCurrentTime(t.panel->motion().glideClock().duration());
        verifyBoardAtRest(t);
        QCOMPARE(motion.lastMove().seat, marked.first);
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
    QVERIFY(motion.glides().size() == 1 && motion.glides().front().seat == 3);
    QCOMPARE(t.panel->drawnPawnSpot(2, 1), QPointF(quadrino::geometry::squareSpot(45)));
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

    // Switched off mid-glide: at rest at once.
    t.feed(encode(move(1, 1, 1, 9)));
    QVERIFY(!motion.glides().empty());
    t.panel->setAnimations(false);
    verifyBoardAtRest(t);
    QCOMPARE(motion.lastMove().seat, 0);
    QVERIFY(!t.shown(QStringLiteral("motion_trace")));
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
            // Each frame a passing face, never yet the one it lands on.
            for (int ms = 0; ms < BoardMotion::kRollMs; ms += BoardMotion::kRollFaceMs) {
                motion.rollClock().setCurrentTime(ms);
                QVERIFY(face(1) != art::die(6).cacheKey() && face(2) != art::die(3).cacheKey());
            }
            motion.rollClock().setCurrentTime(BoardMotion::kRollMs);
        }
        QVERIFY(!motion.rolling());
        QCOMPARE(face(1), art::die(6).cacheKey());
        QCOMPARE(face(2), art::die(3).cacheKey());
        t.feed(encode(move(1, 2, 1, 5, 1, true))); // using a die is no roll
        QVERIFY(!motion.rolling());
    }
}

QTEST_MAIN(TestPawnMotion)
#include "test_pawn_motion.moc"
