// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel as a view: built from the placement table, and drawing the table model's
// picture where the board's tables say (pawns, dice, markers, the warning, the texts).
#include <QMenu>
#include <QtTest>

#include <set>

#include "panel_fixture.h"
#include "art/board_placement.h"

using namespace quadrino;
using fixture::move;
using fixture::Table;
namespace geo = quadrino::geometry;
namespace pl = quadrino::placement;

namespace {

QSize parentSize(const pl::Placement& row) {
    if (row.parent == "panel_board") return {781, 512};
    const pl::Placement* parent = pl::find(row.parent);
    return parent != nullptr ? parent->rect.size() : QSize();
}

} // namespace

class TestTablePanel : public QObject {
    Q_OBJECT
private slots:
    void placementsAreUniqueAndParentsComeFirst();
    void placementsLieInsideTheirParents();
    void stillControlsDoNotOverlap();
    void panelIsBuiltFromThePlacements();
    void controlsLook();
    void markerLayers();
    void drawsDiceWhereTheyLie();
    void drawsPairedPawnsSideBySide();
    void drawsTheLateJoinersBoard();
    void hidesTheBoardOfASeatOutOfTheGame();
    void warningAnimation();
};

void TestTablePanel::placementsAreUniqueAndParentsComeFirst() {
    std::set<std::string> seen{"panel_board"};
    for (const pl::Placement& row : pl::placements()) {
        QVERIFY2(seen.count(row.parent) == 1, row.name.c_str());
        QVERIFY2(seen.insert(row.name).second, row.name.c_str());
    }
    QVERIFY(pl::find("no_such_control") == nullptr);
    QVERIFY(pl::rectOf("no_such_control").isEmpty());
}

void TestTablePanel::placementsLieInsideTheirParents() {
    for (const pl::Placement& row : pl::placements()) {
        const QRect parent(QPoint(0, 0), parentSize(row));
        QVERIFY2(!row.rect.isEmpty(), row.name.c_str());
        QVERIFY2(parent.contains(row.rect), row.name.c_str());
    }
}

// Controls that sit still never cover each other, unless they form one stack on purpose
// (bonus tokens, the rule labels, the error panel's close box).
void TestTablePanel::stillControlsDoNotOverlap() {
    const auto& rows = pl::placements();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].layer != pl::Layer::Control) continue;
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[j].layer != pl::Layer::Control || rows[j].parent != rows[i].parent) continue;
            if (!rows[i].stack.empty() && rows[i].stack == rows[j].stack) continue;
            QVERIFY2(!rows[i].rect.intersects(rows[j].rect), (rows[i].name + " and " + rows[j].name).c_str());
        }
    }
}

void TestTablePanel::panelIsBuiltFromThePlacements() {
    Table t;
    QCOMPARE(t.panel->objectName(), QStringLiteral("panel_board"));
    QCOMPARE(t.panel->size(), QSize(781, 512));
    for (const pl::Placement& row : pl::placements()) {
        if (row.owner != pl::Owner::Table) continue;
        QWidget* w = t.w(QString::fromStdString(row.name));
        QCOMPARE(w->parentWidget()->objectName(), QString::fromStdString(row.parent));
        if (row.layer == pl::Layer::Moving) continue;
        // Progress bars start empty: only their width is the game's.
        if (row.name.rfind("image_progress", 0) == 0) QCOMPARE(w->geometry(), QRect(row.rect.topLeft(), QSize(0, 17)));
        else QCOMPARE(w->geometry(), row.rect);
    }
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p) QCOMPARE(t.pawn(s, p)->pos(), geo::nestSpot(s, p));
    QCOMPARE(t.pos(QStringLiteral("dice_1")), geo::initialDiceSpot(1));
}

void TestTablePanel::controlsLook() {
    Table t;
    const QColor colours[] = {QColor(0xFF, 0xFF, 0x97), QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0x42, 0xFF),
                              QColor(0xFF, 0xAE, 0xAE)};
    const char* bots[] = {"", "Klot", "Klick", "Kling"};
    for (int s = 1; s <= 4; ++s) {
        const QString name = QStringLiteral("label_playername%1").arg(s);
        QLabel* l = t.label(name);
        QCOMPARE(l->text(), QStringLiteral("<Waiting>"));
        QCOMPARE(l->property("tag").toInt(), s);
        QCOMPARE(l->property("hint").toString(), QString::fromLatin1(bots[s - 1]));
        QCOMPARE(l->font().pixelSize(), 16);
        QVERIFY(l->font().bold());
        QCOMPARE(l->palette().color(QPalette::WindowText), colours[s - 1]);
        QCOMPARE(bool(l->alignment() & Qt::AlignRight), s == 2 || s == 3);
        QCOMPARE(l->contextMenuPolicy() == Qt::CustomContextMenu, s >= 2);
        QCOMPARE(t.text(QStringLiteral("label_team%1").arg(s)), s <= 2 ? QStringLiteral("TEAM: A") : QStringLiteral("TEAM: B"));
        QVERIFY(!t.shown(QStringLiteral("label_team%1").arg(s)));
        for (int p = 1; p <= 4; ++p) {
            QCOMPARE(t.pawn(s, p)->property("tag").toInt(), p);
            QCOMPARE(t.pawn(s, p)->property("hint").toString(), QString::number(s));
            QVERIFY(t.pawn(s, p)->isVisible());
        }
    }
    for (int k = 1; k <= 12; ++k) {
        QCOMPARE(t.marker(k)->property("tag").toInt(), k);
        QVERIFY(!t.marker(k)->isVisible());
    }
    QVERIFY(!t.shown(QStringLiteral("button_start")));
    t.setHosting(true);
    QVERIFY(t.shown(QStringLiteral("button_start")));
    for (const char* hidden : {"panel_error", "panel_bottakeover", "animated_warning", "image_x3", "image_Turn1"})
        QVERIFY2(!t.shown(QString::fromLatin1(hidden)), hidden);
    QCOMPARE(t.text(QStringLiteral("label_status")), QStringLiteral("Welcome to Quadrino"));
    QCOMPARE(t.text(QStringLiteral("Label1")), QStringLiteral("Would you like the bot to take over for"));
    QCOMPARE(t.text(QStringLiteral("label_bottakeover")), QStringLiteral("Player?"));
    for (const char* name : {"label_log", "label_status"}) {
        QLabel* l = t.label(QString::fromLatin1(name));
        QCOMPARE(l->font().pixelSize(), 13);
        QVERIFY(l->font().bold());
        QCOMPARE(l->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
    QCOMPARE(t.label(QStringLiteral("label_log"))->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(t.label(QStringLiteral("label_status"))->palette().color(QPalette::WindowText), QColor(Qt::black));

    struct Rule { const char* name; const char* caption; const char* hint; bool right; };
    const Rule rules[] = {
        {"label_penalty", "Doubles Penalty: OFF", "Penalty for rolling doubles more then twice a turn", false},
        {"label_passing", "Passing: OFF", "The abillity to pass your turn.", true},
        {"label_blocking", "Blocking: OFF",
         "The abillity to have two of your pawns on one square preventing other players from passing.", false},
        {"label_pouncing", "Pouncing: OFF", "The ability to land on other players pawns and send it back to start.",
         true},
        {"label_teamgame", "Team Game: OFF", "To play with a partner", true},
        {"label_limit", "Block Limit: OFF", "The amount of turns two of your pawns can block.", false},
    };
    for (const Rule& r : rules) {
        const QString name = QString::fromLatin1(r.name);
        QCOMPARE(t.text(name), QString::fromLatin1(r.caption));
        QCOMPARE(t.label(name)->toolTip(), QString::fromLatin1(r.hint));
        QCOMPARE(bool(t.label(name)->alignment() & Qt::AlignRight), r.right);
    }
    QStringList captions;
    for (QAction* a : t.panel->popupKick()->actions()) captions << a->objectName() + '=' + a->text();
    QCOMPARE(captions, QStringList({"RemoveFromGame1=Remove From Game", "SettoJustWatch1=Set to Just Watch",
                                    "UnsetJustWatch1=Unset Just Watch"}));
    // A team game shows the team captions.
    t.seatEveryone();
    t.startGame("1");
    for (int s = 1; s <= 4; ++s) QVERIFY(t.shown(QStringLiteral("label_team%1").arg(s)));
    QCOMPARE(t.text(QStringLiteral("label_teamgame")), QStringLiteral("Team Game: ON"));
}

// Markers lie above the pawns, the bonus tokens and the start button above the markers, and
// of markers on one square the stack runs 7, 6, 5, 4, 3, 2, 1, 8, 9, 10, 12, 11 upwards.
void TestTablePanel::markerLayers() {
    Table t;
    const QObjectList kids = t.w(QStringLiteral("panel_theboard"))->children();
    auto layer = [&](const QString& name) { return static_cast<int>(kids.indexOf(t.w<QObject>(name))); };
    const int order[] = {7, 6, 5, 4, 3, 2, 1, 8, 9, 10, 12, 11};
    int last = -1;
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p) last = std::max(last, layer(QStringLiteral("piece_%1%2").arg(s).arg(p)));
    QVERIFY(layer(QStringLiteral("theboard")) < layer(QStringLiteral("piece_11")));
    for (int code : order) {
        const int l = layer(QStringLiteral("piece_gray%1").arg(code));
        QVERIFY2(l > last, qPrintable(QStringLiteral("marker %1").arg(code)));
        last = l;
    }
    for (int n = 1; n <= 8; ++n) QVERIFY(layer(QStringLiteral("image_bonus%1").arg(n)) > last);
    QVERIFY(layer(QStringLiteral("button_start")) > last);
}

void TestTablePanel::drawsDiceWhereTheyLie() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{1, 1}));
    QCOMPARE(t.pos(QStringLiteral("dice_1")), QPoint(84, 35));
    QCOMPARE(t.pos(QStringLiteral("dice_2")), QPoint(120, 35));
    QVERIFY(!t.label(QStringLiteral("dice_1"))->pixmap().isNull());
    t.feed(encode(HisDice{1, 2, 6, 5, 0, 0, true}));
    QCOMPARE(t.pos(QStringLiteral("dice_1")).x(), 201);
    QCOMPARE(t.pos(QStringLiteral("dice_2")).x(), 235);
    for (const char* die : {"dice_1", "dice_2"}) {
        const int top = t.pos(QString::fromLatin1(die)).y();
        QVERIFY2(top >= 202 && top <= 233, qPrintable(QString::number(top)));
    }
    QVERIFY(t.shown(QStringLiteral("button_pass1")));
    // A used die loses its picture.
    t.feed(encode(move(1, 2, 1, 5, 1, true)));
    QVERIFY(t.label(QStringLiteral("dice_2"))->pixmap().isNull());
    QVERIFY(!t.label(QStringLiteral("dice_1"))->pixmap().isNull());
    t.feed(encode(NextPlayer{3, 1}));
    QCOMPARE(t.pos(QStringLiteral("dice_1")), QPoint(340, 19));
    QCOMPARE(t.pos(QStringLiteral("dice_2")), QPoint(376, 19));
    QCOMPARE(t.text(QStringLiteral("label_status")), QStringLiteral("Cid's turn."));
}

void TestTablePanel::drawsPairedPawnsSideBySide() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(move(1, 1, 1, 5, 1, true)));
    QCOMPARE(t.pawn(1, 1)->pos(), QPoint(192, 91));
    QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral("You have moved a pawn."));
    // A second pawn on the same square stands beside the first (vertical arm: 16 to the left).
    t.feed(encode(move(1, 2, 2, 5, 2, true)));
    QCOMPARE(t.pawn(1, 2)->pos(), QPoint(176, 91));
    QCOMPARE(t.pawn(1, 1)->pos(), QPoint(192, 91));
    QCOMPARE(t.w(QStringLiteral("image_progress1"))->width(), 1);
    // The first leaves: the one left behind returns to the middle of its square.
    t.feed(encode(move(1, 6, 1, 10, 7, true)));
    QCOMPARE(t.pawn(1, 1)->pos(), geo::squareSpot(10));
    QCOMPARE(t.pawn(1, 2)->pos(), QPoint(192, 91));
    // On a horizontal arm the partner stands 4 to the left and 17 up.
    t.feed(encode(move(1, 7, 2, 10, 12, false)));
    QCOMPARE(t.pawn(1, 2)->pos(), geo::squareSpot(10) + QPoint(-4, -17));
    QCOMPARE(geo::squareSpot(10), QPoint(139, 192));
    // Home: its own spot beside the centre, whatever else stands there.
    t.feed(encode(move(3, 1, 4, 98)));
    QCOMPARE(t.pawn(3, 4)->pos(), QPoint(305, 263));
    t.feed(encode(move(1, 3, 3, 97)));
    QCOMPARE(t.pawn(1, 3)->pos(), QPoint(252, 178));
    // Sent back: to its nest.
    t.feed(encode(move(3, 1, 1, 10, 30)));
    t.feed(encode(SendBack{1, 3, 1, 12}));
    QCOMPARE(t.pawn(3, 1)->pos(), QPoint(379, 102));
    QCOMPARE(t.w(QStringLiteral("image_progress3"))->width(), 6);
}

void TestTablePanel::drawsTheLateJoinersBoard() {
    Table t(3, "Cid");
    Locations i;
    i.target = 3;
    i.whoseturn = 3;
    i.turnphase = 2;
    i.options.blocking = true;
    i.options.pouncing = true;
    i.seat3playing = "t";
    i.seat4playing = "t";
    i.die2 = 4;
    i.amounts.bonus10a = 10;
    i.pawns = {{{5, 5, 97, 0}, {40, 0, 0, 0}, {60, 0, 0, 0}, {0, 0, 0, 0}}};
    t.feed(encode(i));
    QCOMPARE(t.pawn(1, 1)->pos(), geo::squareSpot(5));
    QCOMPARE(t.pawn(1, 2)->pos(), geo::squareSpot(5));
    QCOMPARE(t.pawn(1, 3)->pos(), geo::homeSpot(1, 3));
    QCOMPARE(t.pawn(1, 4)->pos(), geo::nestSpot(1, 4));
    QVERIFY(t.shown(QStringLiteral("image_turn3")));
    QVERIFY(t.shown(QStringLiteral("image_bonus2")));
    QCOMPARE(t.text(QStringLiteral("label_status")), QStringLiteral("Your Turn."));
    QTest::mouseClick(t.pawn(3, 1), Qt::LeftButton);
    for (int code = 1; code <= 12; ++code) {
        const table::MarkerView& m = t.state().marker(code);
        QCOMPARE(t.marker(code)->isVisible(), m.shown);
        if (m.shown) QCOMPARE(t.marker(code)->geometry(), geo::markerRect(3, m.target));
    }
    QVERIFY(t.marker(5)->isVisible());
}

void TestTablePanel::hidesTheBoardOfASeatOutOfTheGame() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(move(4, 1, 1, 22, 1)));
    t.feed(encode(RemovePegs{4}));
    QVERIFY(t.shown(QStringLiteral("image_x4")));
    QCOMPARE(t.w(QStringLiteral("image_progress4"))->width(), 0);
    for (int p = 1; p <= 4; ++p) {
        QCOMPARE(t.pawn(4, p)->pos(), geo::nestSpot(4, p));
        QVERIFY(!t.pawn(4, p)->isVisible());
    }
    t.feed(encode(AError{1, 5}));
    QVERIFY(t.shown(QStringLiteral("panel_error")));
    QCOMPARE(t.text(QStringLiteral("label_error")), QStringLiteral("That is not a valid move."));
    QTest::mouseClick(t.w(QStringLiteral("Image3")), Qt::LeftButton);
    QVERIFY(!t.shown(QStringLiteral("panel_error")));
}

void TestTablePanel::warningAnimation() {
    Table t(2, "Bob");
    t.seatEveryone();
    t.startGame();
    t.feed(encode(move(2, 1, 3, 45)));
    t.feed(encode(move(1, 1, 1, 13)));
    // Another seat's warning only moves the animation.
    t.feed(encode(Warning{1, 1, 2}));
    QCOMPARE(t.pos(QStringLiteral("animated_warning")), t.pawn(1, 1)->pos());
    QVERIFY(!t.shown(QStringLiteral("animated_warning")));
    t.feed(encode(Warning{2, 3, 4}));
    QCOMPARE(t.pos(QStringLiteral("animated_warning")), t.pawn(2, 3)->pos());
    QVERIFY(t.shown(QStringLiteral("animated_warning")));
    auto* timer = t.panel->findChild<QTimer*>(QStringLiteral("warningTimer"));
    QVERIFY(timer != nullptr && timer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!t.shown(QStringLiteral("animated_warning")), 6000);
    QCOMPARE(t.state().warning.ticks, 21);
    // Idle means idle: the frame timer stops with the animation.
    for (QTimer* tm : t.panel->findChildren<QTimer*>()) QVERIFY(!tm->isActive());
}

QTEST_MAIN(TestTablePanel)
#include "test_table_panel.moc"
