// SPDX-License-Identifier: GPL-3.0-or-later
// The user's clicks on the board: what each one sends to the host, byte for byte, and which
// markers it offers.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "panel_fixture.h"

using namespace quadrino;
using fixture::bytes;
using fixture::Table;
using fixture::move;
using fixture::ownRoll;
namespace geo = quadrino::geometry;

namespace {

using Sent = std::vector<std::string>;

QList<int> visibleMarkers(const Table& t) {
    QList<int> out;
    for (int k = 1; k <= 12; ++k)
        if (t.marker(k)->isVisible()) out << k;
    return out;
}

QString topmostAt(const Table& t, QPoint point) {
    const QWidget* hit = t.w(QStringLiteral("panel_theboard"))->childAt(point);
    return hit != nullptr ? hit->objectName() : QString();
}

} // namespace

class TestTableInput : public QObject {
    Q_OBJECT
private slots:
    void rollOnce();
    void rollOnlyWhenAsked_data();
    void rollOnlyWhenAsked();
    void entering_data();
    void entering();
    void doublesOfThree();
    void bonusMarkersStack();
    void homeMarkers_data();
    void homeMarkers();
    void markerClickNeedsTheTurn();
    void rightClickClears();
    void othersPawnsOnlyClear();
    void passButton();
    void startButton();
    void botTakeover_data();
    void botTakeover();
    void playerMenu_data();
    void playerMenu();
    void playerMenuActsOnlyOnWhomItShowed_data();
    void playerMenuActsOnlyOnWhomItShowed();
    void logo();
    void pawnUnderMarkerStaysReachable();
    void movablePawnsRinged();
    void errorNoticeGivesWay_data();
    void errorNoticeGivesWay();
};

void TestTableInput::rollOnce() {
    Table t(2, "Bob");
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{2, 1}));
    QTest::mouseDClick(t.w(QStringLiteral("dice_1")), Qt::LeftButton);
    QTest::mouseClick(t.w(QStringLiteral("dice_2")), Qt::LeftButton);
    QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_playerroll+2+")});
    QCOMPARE(t.state().clientphase, 0);
    // The next turn start asks again.
    t.feed(encode(NextPlayer{2, 1}));
    QTest::mouseClick(t.w(QStringLiteral("dice_2")), Qt::LeftButton);
    QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_playerroll+2+")});
}

void TestTableInput::rollOnlyWhenAsked_data() {
    QTest::addColumn<int>("turn");
    QTest::addColumn<bool>("rolled");
    QTest::addColumn<bool>("loggedin");
    QTest::addColumn<int>("phaseAfter");
    QTest::newRow("another seat's turn") << 3 << false << true << 1;
    QTest::newRow("already rolled") << 2 << true << true << 2;
    QTest::newRow("not logged in") << 2 << false << false << 0;
}

void TestTableInput::rollOnlyWhenAsked() {
    QFETCH(int, turn);
    QFETCH(bool, rolled);
    QFETCH(bool, loggedin);
    QFETCH(int, phaseAfter);
    Table t(2, "Bob");
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{turn, 1}));
    if (rolled) t.feed(encode(HisDice{turn, 2, 1, 2, 0, 0, false}));
    t.id.loggedin = loggedin;
    QTest::mouseClick(t.w(QStringLiteral("dice_1")), Qt::LeftButton);
    QVERIFY(t.rec.sent.empty());
    QCOMPARE(t.state().clientphase, phaseAfter);
}

void TestTableInput::entering_data() {
    QTest::addColumn<int>("die1");
    QTest::addColumn<int>("die2");
    QTest::addColumn<bool>("doubles");
    QTest::addColumn<QByteArray>("sent"); // empty: nothing
    QTest::newRow("2 and 3") << 2 << 3 << false << QByteArray("CMD_moveit+3+3+2+");
    QTest::newRow("5 and 4") << 5 << 4 << false << QByteArray("CMD_moveit+3+1+2+");
    QTest::newRow("1 and 5") << 1 << 5 << false << QByteArray("CMD_moveit+3+2+2+");
    QTest::newRow("doubles of 5") << 5 << 5 << true << QByteArray("CMD_moveit+3+1+2+");
    QTest::newRow("6 and 4") << 6 << 4 << false << QByteArray();
}

void TestTableInput::entering() {
    QFETCH(int, die1);
    QFETCH(int, die2);
    QFETCH(bool, doubles);
    QFETCH(QByteArray, sent);
    Table t(3, "Cid");
    ownRoll(t, 3, die1, die2, doubles);
    QVERIFY(t.state().canmove);
    QTest::mouseClick(t.pawn(3, 2), Qt::LeftButton);
    QCOMPARE(visibleMarkers(t), QList<int>{});
    if (sent.isEmpty()) {
        QVERIFY(t.rec.sent.empty());
        QVERIFY(t.state().canmove);
    } else {
        QCOMPARE(t.rec.takeSent(), Sent{sent.toStdString() + kTerminator});
        QVERIFY(!t.state().canmove);
    }
    // Not logged in: nothing goes out, the move is still taken as made.
    Table off(3, "Cid");
    ownRoll(off, 3, die1, die2, doubles);
    off.id.loggedin = false;
    QTest::mouseClick(off.pawn(3, 2), Qt::LeftButton);
    QVERIFY(off.rec.sent.empty());
    QCOMPARE(off.state().canmove, sent.isEmpty());
}

void TestTableInput::doublesOfThree() {
    Table t(1);
    ownRoll(t, 1, 3, 3, true, {{1, 1, 40}});
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    QCOMPARE(visibleMarkers(t), QList<int>({1, 2, 3, 6, 7, 8}));
    for (int k : {1, 2, 6, 7}) {
        QCOMPARE(t.marker(k)->geometry(), geo::markerRect(1, 43));
        QCOMPARE(t.state().marker(k).pawn, 1);
    }
    for (int k : {3, 8}) QCOMPARE(t.marker(k)->geometry(), geo::markerRect(1, 46));
    // Square 43 lies on the right arm: the marker stands upright over the cell.
    QCOMPARE(geo::markerRect(1, 43), QRect(323, 275, 22, 51));

    // The click lands on the die marker with the lowest code, the sum of the copies on top of
    // the sum of the dice.
    QCOMPARE(topmostAt(t, geo::markerRect(1, 43).center()), QStringLiteral("piece_gray1"));
    QCOMPARE(topmostAt(t, geo::markerRect(1, 46).center()), QStringLiteral("piece_gray8"));
    QTest::mouseClick(t.marker(1), Qt::LeftButton);
    QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_moveit+1+1+1+")});
    QCOMPARE(visibleMarkers(t), QList<int>{});
    QVERIFY(!t.state().canmove);

    // While the move is on its way a second marker click sends nothing.
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    QVERIFY(t.marker(2)->isVisible());
    QTest::mouseClick(t.marker(2), Qt::LeftButton);
    QVERIFY(t.rec.sent.empty());
    QCOMPARE(visibleMarkers(t), QList<int>{});

    // The host's answer: "f" keeps the user waiting, "t" offers the next move.
    auto first = move(1, 1, 1, 43, 0, false);
    first.amounts.double1 = first.amounts.double2 = 3;
    t.feed(encode(first));
    QVERIFY(!t.state().canmove);
    auto second = move(1, 2, 1, 46, 0, true);
    second.amounts.double1 = second.amounts.double2 = 3;
    t.feed(encode(second));
    QVERIFY(t.state().canmove);
    // Both dice used: only the copies and their sum are left.
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    QCOMPARE(visibleMarkers(t), QList<int>({6, 7, 8}));
    QCOMPARE(t.marker(8)->geometry(), geo::markerRect(1, 52));
}

void TestTableInput::bonusMarkersStack() {
    Table t(4, "Dee");
    ownRoll(t, 4, 1, 2, false, {{4, 1, 30}});
    auto m = move(4, 1, 2, 22, 0, true);
    m.amounts = {20, 20, 20, 10, 10, 10, 0, 0};
    t.feed(encode(m));
    QTest::mouseClick(t.pawn(4, 1), Qt::LeftButton);
    QCOMPARE(visibleMarkers(t), QList<int>({2, 4, 5, 9, 10, 11, 12}));
    QCOMPARE(t.marker(4)->geometry(), geo::markerRect(4, 50));
    QCOMPARE(topmostAt(t, geo::markerRect(4, 50).center()), QStringLiteral("piece_gray10"));
    QCOMPARE(topmostAt(t, geo::markerRect(4, 40).center()), QStringLiteral("piece_gray11"));
    QTest::mouseClick(t.w(QStringLiteral("piece_gray11")), Qt::LeftButton);
    QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_moveit+4+11+1+")});
}

void TestTableInput::homeMarkers_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("from");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("seat 1") << 1 << 74 << QRect(226, 179, 51, 22);
    QTest::newRow("seat 2") << 2 << 88 << QRect(226, 300, 51, 22);
    QTest::newRow("seat 3") << 3 << 81 << QRect(301, 225, 22, 51);
    QTest::newRow("seat 4") << 4 << 95 << QRect(178, 225, 22, 51);
}

void TestTableInput::homeMarkers() {
    QFETCH(int, seat);
    QFETCH(int, from);
    QFETCH(QRect, rect);
    Table t(seat, "x");
    ownRoll(t, seat, 2, 6, false, {{seat, 3, from}});
    QTest::mouseClick(t.pawn(seat, 3), Qt::LeftButton);
    QCOMPARE(visibleMarkers(t), QList<int>{1});
    QCOMPARE(t.marker(1)->geometry(), rect);
    const QPixmap picture = t.label(QStringLiteral("piece_gray1"))->pixmap();
    QCOMPARE(picture.deviceIndependentSize().toSize(), rect.size());
}

void TestTableInput::markerClickNeedsTheTurn() {
    Table t(1);
    ownRoll(t, 1, 2, 4, false, {{1, 1, 20}});
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    QVERIFY(t.marker(3)->isVisible());
    t.id.loggedin = false;
    QTest::mouseClick(t.marker(3), Qt::LeftButton);
    QVERIFY(t.rec.sent.empty());
    QVERIFY(t.state().canmove);

    // The turn moved on while the markers were up (the user had more moves).
    t.id.loggedin = true;
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    t.feed(encode(NextPlayer{2, 1}));
    t.panel->onMarkerClicked(3);
    QVERIFY(t.rec.sent.empty());
    // Nor can a spectator move anybody's pawn.
    Table spy(6, "Eve");
    ownRoll(spy, 1, 2, 3, false);
    QTest::mouseClick(spy.pawn(1, 1), Qt::LeftButton);
    QVERIFY(spy.rec.sent.empty());
}

void TestTableInput::rightClickClears() {
    Table t(1);
    ownRoll(t, 1, 2, 4, false, {{1, 1, 20}, {1, 2, 30}});
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    QCOMPARE(visibleMarkers(t), QList<int>({1, 2, 3}));
    QTest::mouseClick(t.pawn(1, 2), Qt::RightButton);
    QCOMPARE(visibleMarkers(t), QList<int>{});
    for (int k = 1; k <= 3; ++k) {
        QCOMPARE(t.marker(k)->pos(), QPoint(0, 0));
        QCOMPARE(t.state().marker(k).pawn, 0);
    }
    QVERIFY(t.rec.sent.empty());
    // A right click on a pawn at start does not enter it either.
    ownRoll(t, 1, 5, 1, false);
    QTest::mouseClick(t.pawn(1, 4), Qt::RightButton);
    QVERIFY(t.rec.sent.empty());
    QTest::mouseClick(t.pawn(1, 4), Qt::MiddleButton);
    QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_moveit+1+1+4+")});
}

void TestTableInput::othersPawnsOnlyClear() {
    Table t(1);
    ownRoll(t, 1, 2, 4, false, {{1, 1, 20}, {2, 1, 50}});
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    QVERIFY(!visibleMarkers(t).isEmpty());
    QTest::mouseClick(t.pawn(2, 1), Qt::LeftButton);
    QCOMPARE(visibleMarkers(t), QList<int>{});
    QVERIFY(t.rec.sent.empty());
}

void TestTableInput::passButton() {
    Table t(2, "Bob");
    ownRoll(t, 2, 1, 3, false);
    QVERIFY(t.shown(QStringLiteral("button_pass2")));
    QTest::mouseClick(t.w(QStringLiteral("button_pass2")), Qt::LeftButton);
    QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_playerpass+2+")});
    QVERIFY(!t.shown(QStringLiteral("button_pass2")));
    QCOMPARE(t.state().clientphase, 0);

    // Clicked after the turn has passed on: it only goes away.
    t.feed(encode(NextPlayer{2, 1}));
    t.feed(encode(HisDice{2, 2, 1, 3, 0, 0, true}));
    t.feed(encode(NextPlayer{3, 1}));
    t.w(QStringLiteral("button_pass2"))->show();
    QTest::mouseClick(t.w(QStringLiteral("button_pass2")), Qt::LeftButton);
    QVERIFY(t.rec.sent.empty());
    QVERIFY(!t.shown(QStringLiteral("button_pass2")));
}

void TestTableInput::startButton() {
    Table t(1, "Ann", true);
    t.setHosting(true);
    QTest::mouseClick(t.w(QStringLiteral("button_start")), Qt::LeftButton);
    QCOMPARE(t.rec.gameOptions, 1);
    QVERIFY(t.rec.boxes.isEmpty());
    t.id.loggedin = false;
    t.panel->onStartClicked();
    QCOMPARE(t.rec.gameOptions, 1);
    QCOMPARE(t.rec.boxes, QStringList{"You are not connected"});
    // A game start hides it, a win brings it back in the hosting copy only.
    t.id.loggedin = true;
    t.seatEveryone();
    t.startGame();
    QVERIFY(!t.shown(QStringLiteral("button_start")));
    t.feed(encode(Winner{1}));
    QVERIFY(t.shown(QStringLiteral("button_start")));
    Table guest(2, "Bob");
    guest.feed(encode(Winner{1}));
    QVERIFY(!guest.shown(QStringLiteral("button_start")));
}

void TestTableInput::botTakeover_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<bool>("loggedin");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("no bot for seat 3") << 1 << true << "button_no" << QByteArray("CMD_bottakeover+1+3+");
    QTest::newRow("let the bot play") << 1 << true << "button_yes" << QByteArray();
    QTest::newRow("not logged in") << 1 << false << "button_no" << QByteArray();
    QTest::newRow("only seat 1 may refuse") << 2 << true << "button_no" << QByteArray();
}

void TestTableInput::botTakeover() {
    QFETCH(int, myseat);
    QFETCH(bool, loggedin);
    QFETCH(QString, button);
    QFETCH(QByteArray, sent);
    Table t(myseat);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(PlayerDisconnected{3, "Cid"}));
    t.w(QStringLiteral("panel_bottakeover"))->show();
    t.id.loggedin = loggedin;
    QTest::mouseClick(t.w(button), Qt::LeftButton);
    QVERIFY(!t.shown(QStringLiteral("panel_bottakeover")));
    if (sent.isEmpty()) QVERIFY(t.rec.sent.empty());
    else QCOMPARE(t.rec.takeSent(), Sent{sent.toStdString() + kTerminator});
}

void TestTableInput::playerMenu_data() {
    QTest::addColumn<bool>("amhost");
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("who"); // "person", "bot", "waiting"
    QTest::addColumn<bool>("enabled");
    QTest::newRow("host, a person") << true << 3 << "person" << true;
    QTest::newRow("host, seat 2") << true << 2 << "person" << true;
    QTest::newRow("host, a bot") << true << 4 << "bot" << false;
    QTest::newRow("host, an empty seat") << true << 3 << "waiting" << false;
    QTest::newRow("guest, a person") << false << 3 << "person" << false;
}

void TestTableInput::playerMenu() {
    QFETCH(bool, amhost);
    QFETCH(int, seat);
    QFETCH(QString, who);
    QFETCH(bool, enabled);
    Table t(1, "Ann", amhost);
    if (who != QLatin1String("waiting")) t.seatEveryone();
    if (who == QLatin1String("bot")) t.feed(encode(PlayerDisconnected{seat, "x"}));
    auto* label = t.label(QStringLiteral("label_playername%1").arg(seat));
    QCOMPARE(label->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(t.label(QStringLiteral("label_playername1"))->contextMenuPolicy() != Qt::CustomContextMenu);

    t.panel->prepareSeatMenu(seat);
    QMenu* menu = t.panel->popupKick();
    const QStringList names = {"RemoveFromGame1", "SettoJustWatch1", "UnsetJustWatch1"};
    for (const QString& name : names) QCOMPARE(menu->findChild<QAction*>(name)->isEnabled(), enabled);
    if (!enabled) return;
    for (const QString& name : names) menu->findChild<QAction*>(name)->trigger();
    const std::string s = std::to_string(seat);
    QCOMPARE(t.rec.takeSent(), Sent({"CMD_kickhim+1+" + s + "+" + kTerminator, "CMD_justwatch+" + s + "+1" + kTerminator,
                                 "CMD_justwatch+" + s + "+2" + kTerminator}));
    // The spy list's "Remove From Game" goes through the same request.
    t.take(t.model.kick(7));
    QCOMPARE(t.rec.takeSent(), Sent{bytes("CMD_kickhim+1+7+")});
}

void TestTableInput::playerMenuActsOnlyOnWhomItShowed_data() {
    QTest::addColumn<QString>("meanwhile"); // what happens to seat 3 while the menu is open
    QTest::addColumn<bool>("acts");
    QTest::newRow("nothing") << "" << true;
    QTest::newRow("left, bot took over") << "left" << false;
    QTest::newRow("left, another joined") << "replaced" << false;
}

void TestTableInput::playerMenuActsOnlyOnWhomItShowed() {
    QFETCH(QString, meanwhile);
    QFETCH(bool, acts);
    Table t(1, "Ann", true);
    t.seatEveryone();
    const std::string before = t.model.seatName(3);
    t.panel->prepareSeatMenu(3);
    if (!meanwhile.isEmpty()) t.feed(encode(PlayerDisconnected{3, before}));
    if (meanwhile == QLatin1String("replaced")) t.feed(encode(NewPlayerInfo{3, "Zed"}));
    t.rec.takeSent();
    t.panel->popupKick()->findChild<QAction*>(QStringLiteral("RemoveFromGame1"))->trigger();
    t.panel->popupKick()->findChild<QAction*>(QStringLiteral("SettoJustWatch1"))->trigger();
    if (acts) QCOMPARE(t.rec.takeSent(), Sent({bytes("CMD_kickhim+1+3+"), bytes("CMD_justwatch+3+1")}));
    else QVERIFY(t.rec.takeSent().empty());
}

void TestTableInput::logo() {
    Table t;
    QTest::mouseClick(t.w(QStringLiteral("Image2")), Qt::LeftButton);
    QCOMPARE(t.websites, 1);
    QTest::mouseClick(t.w(QStringLiteral("Image2")), Qt::RightButton);
    QCOMPARE(t.websites, 1);
}


void TestTableInput::pawnUnderMarkerStaysReachable() {
    Table t(1);
    ownRoll(t, 1, 3, 6, false, {{1, 1, 40}, {1, 2, 43}});
    QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    QVERIFY(visibleMarkers(t).contains(1));
    const QRect marker = t.marker(1)->geometry();
    const QRect pawn = t.pawn(1, 2)->geometry();
    QVERIFY(marker.intersects(pawn));
    // The pawn answers over its own outline, the marker over the rest of the square.
    QCOMPARE(topmostAt(t, pawn.center()), QStringLiteral("piece_12"));
    QPoint free;
    for (int y = marker.top(); y <= marker.bottom() && free.isNull(); ++y)
        for (int x = marker.left(); x <= marker.right() && free.isNull(); ++x)
            if (!pawn.contains(x, y)) free = QPoint(x, y);
    QCOMPARE(topmostAt(t, free), QStringLiteral("piece_gray1"));
    // Clicking the covered pawn offers its own markers instead of playing pawn 1's.
    QTest::mouseClick(t.pawn(1, 2), Qt::LeftButton);
    QVERIFY(t.rec.sent.empty());
    QCOMPARE(t.state().marker(2).pawn, 2);
}

void TestTableInput::movablePawnsRinged() {
    Table t(1);
    ownRoll(t, 1, 1, 4, false, {{1, 4, 20}, {2, 1, 45}});
    auto ringed = [&t](int seat) {
        QList<bool> out;
        for (int p = 1; p <= 4; ++p) out << t.pawn(seat, p)->property("movable").toBool();
        return out;
    };
    QCOMPARE(ringed(1), QList<bool>({true, true, true, true})); // 1 + 4 enters by the sum
    QCOMPARE(ringed(2), QList<bool>({false, false, false, false}));
    t.feed(encode(NextPlayer{2, 1}));
    QCOMPARE(ringed(1), QList<bool>({false, false, false, false}));
}

void TestTableInput::errorNoticeGivesWay_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("a click on the empty board") << "board";
    QTest::newRow("a click on a pawn") << "pawn";
    QTest::newRow("the next event") << "event";
    QTest::newRow("its close button") << "close";
}

void TestTableInput::errorNoticeGivesWay() {
    QFETCH(QString, how);
    Table t(1);
    ownRoll(t, 1, 6, 4, false, {{1, 1, 40}});
    t.feed(encode(AError{1, 5}));
    QVERIFY(t.shown(QStringLiteral("panel_error")));
    // Clicks over the notice reach the board beneath it.
    const QRect notice = t.w(QStringLiteral("panel_error"))->geometry();
    const QString under = topmostAt(t, notice.center());
    QVERIFY(under != QLatin1String("panel_error") && under != QLatin1String("label_error"));
    if (how == "board") {
        QWidget* board = t.w(QStringLiteral("theboard"));
        QTest::mouseClick(board, Qt::LeftButton, {}, board->mapFrom(t.w(QStringLiteral("panel_theboard")), notice.center()));
    } else if (how == "pawn") {
        QTest::mouseClick(t.pawn(1, 1), Qt::LeftButton);
    } else if (how == "event") {
        t.feed(encode(move(1, 1, 1, 46, 6, true)));
    } else {
        QTest::mouseClick(t.w(QStringLiteral("Image3")), Qt::LeftButton);
    }
    QVERIFY(!t.shown(QStringLiteral("panel_error")));
}

QTEST_MAIN(TestTableInput)
#include "test_table_input.moc"
