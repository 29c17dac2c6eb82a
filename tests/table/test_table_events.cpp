// The board panel's controls and its handling of the host's announcements: what each
// announcement shows, says, plays and keeps in the client's mirror.
#include <QDir>
#include <QMenu>
#include <QtTest>

#include "panel_fixture.h"
#include "table/art/board_geometry.h"

using namespace quadrino;
using fixture::Table;
namespace geo = quadrino::geometry;

namespace {

LocationsInfo lateJoinerState() {
    LocationsInfo i;
    i.target = 3;
    i.whoseturn = 3;
    i.turnphase = 2;
    i.penalty = 1;
    i.passing = 0;
    i.blocking = 1;
    i.pouncing = 1;
    i.blocklimit = 0;
    i.seat3playing = "t";
    i.seat4playing = "t";
    i.die1 = 0;
    i.die2 = 4;
    i.amounts.bonus20a = 20;
    i.amounts.bonus10a = 10;
    i.pawns = {{{5, 5, 97, 0}, {40, 0, 0, 0}, {60, 0, 0, 0}, {0, 0, 0, 0}}};
    return i;
}

MoveHimInfo move(int seat, int code, int pawn, int square, int progress = 0, bool more = false) {
    MoveHimInfo m;
    m.seat = seat;
    m.code = code;
    m.pawn = pawn;
    m.square = square;
    m.progress = progress;
    m.moreMoves = more;
    return m;
}

// Everything a user could see or the panel keeps, for "nothing changed" checks.
QStringList snapshot(const Table& t) {
    QStringList out;
    for (const QObject* o : t.panel->findChildren<QObject*>()) {
        if (o->objectName().isEmpty()) continue;
        QString line = o->objectName();
        if (const auto* wdg = qobject_cast<const QWidget*>(o))
            line += QStringLiteral(" %1,%2 %3x%4 %5")
                        .arg(wdg->x())
                        .arg(wdg->y())
                        .arg(wdg->width())
                        .arg(wdg->height())
                        .arg(wdg->isVisible());
        if (const auto* lbl = qobject_cast<const QLabel*>(o)) line += QStringLiteral(" '") + lbl->text() + '\'';
        line += QStringLiteral(" tag=") + o->property("tag").toString();
        line += QStringLiteral(" hint=") + o->property("hint").toString();
        out << line;
    }
    out << QStringLiteral("turnseat=%1 canmove=%2").arg(t.panel->turnseat()).arg(t.panel->canmove());
    for (int s = 1; s <= 4; ++s)
        for (int p = 1; p <= 4; ++p) out << QString::number(t.panel->boardpawn(s, p));
    out << t.hooks.chat << t.hooks.sounds << t.hooks.tally << t.hooks.spies;
    out << QString::number(static_cast<int>(t.hooks.sent.size()));
    return out;
}

} // namespace

class TestTableEvents : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void initialState();
    void markerLayers();
    void newplayerinfo_data();
    void newplayerinfo();
    void playerdisconnected_data();
    void playerdisconnected();
    void spectatorLeaves();
    void startthegame();
    void startthegameClearsTheLastGame();
    void getnextplayer();
    void sameNameSeesYourTurn();
    void hisdice();
    void movehimPlacesAndPairs();
    void movehimDiceAndBonuses();
    void sendback();
    void logLines_data();
    void logLines();
    void gotpenalty();
    void passingKeepsLaterTokens();
    void aerror_data();
    void aerror();
    void winner_data();
    void winner();
    void justwatching_data();
    void justwatching();
    void removepegs();
    void warningAnimation();
    void lateJoiner();
    void morestatsFlag();
    void locationsForAnotherSeat();
    void badAnnouncementsChangeNothing_data();
    void badAnnouncementsChangeNothing();
    void notTheBoardsCommands();
    void screenshot();
};

void TestTableEvents::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    const QString board = QStringLiteral("panel_theboard");
    const QString side = QStringLiteral("panel_board");
    struct Row { const char* name; const char* parent; QRect g; };
    const Row rows[] = {
        {"panel_theboard", "panel_board", {4, 4, 505, 505}},
        {"theboard", "panel_theboard", {1, 1, 504, 504}},
        {"dice_1", "panel_theboard", {235, 203, 32, 32}},
        {"dice_2", "panel_theboard", {201, 234, 32, 32}},
        {"image_Turn1", "panel_theboard", {5, 6, 171, 169}},
        {"image_turn2", "panel_theboard", {328, 328, 171, 169}},
        {"image_turn3", "panel_theboard", {328, 6, 171, 169}},
        {"image_turn4", "panel_theboard", {5, 328, 171, 169}},
        {"label_playername1", "panel_theboard", {13, 13, 158, 19}},
        {"label_playername2", "panel_theboard", {335, 471, 158, 19}},
        {"label_playername3", "panel_theboard", {335, 13, 158, 19}},
        {"label_playername4", "panel_theboard", {13, 471, 158, 19}},
        {"image_eyes1", "panel_theboard", {13, 34, 37, 17}},
        {"image_eyes2", "panel_theboard", {455, 451, 37, 17}},
        {"image_eyes3", "panel_theboard", {455, 34, 37, 17}},
        {"image_eyes4", "panel_theboard", {13, 451, 37, 17}},
        {"image_x3", "panel_theboard", {354, 87, 49, 31}},
        {"image_x4", "panel_theboard", {104, 385, 49, 31}},
        {"image_winner1", "panel_theboard", {40, 32, 133, 77}},
        {"image_winner2", "panel_theboard", {336, 392, 133, 77}},
        {"image_winner3", "panel_theboard", {360, 83, 133, 77}},
        {"image_winner4", "panel_theboard", {8, 336, 133, 77}},
        {"button_pass1", "panel_theboard", {13, 132, 51, 34}},
        {"button_pass2", "panel_theboard", {439, 335, 51, 34}},
        {"button_pass3", "panel_theboard", {440, 132, 51, 34}},
        {"button_pass4", "panel_theboard", {13, 340, 51, 34}},
        {"image_bonus3", "panel_theboard", {235, 269, 32, 32}},
        {"image_bonus4", "panel_theboard", {201, 269, 32, 32}},
        {"image_bonus1", "panel_theboard", {268, 271, 32, 28}},
        {"image_bonus5", "panel_theboard", {268, 263, 32, 28}},
        {"image_bonus6", "panel_theboard", {268, 255, 32, 28}},
        {"image_bonus2", "panel_theboard", {269, 202, 32, 28}},
        {"image_bonus7", "panel_theboard", {269, 210, 32, 28}},
        {"image_bonus8", "panel_theboard", {269, 218, 32, 28}},
        {"button_start", "panel_theboard", {199, 224, 108, 52}},
        {"animated_warning", "panel_theboard", {184, 464, 100, 12}},
        {"panel_error", "panel_theboard", {68, 195, 353, 97}},
        {"piece_11", "panel_theboard", {103, 104, 16, 23}},
        {"piece_23", "panel_theboard", {404, 375, 16, 23}},
        {"piece_32", "panel_theboard", {361, 102, 16, 23}},
        {"piece_44", "panel_theboard", {128, 402, 16, 23}},
        {"panel_bottakeover", "panel_board", {72, 208, 353, 97}},
        {"Image2", "panel_board", {522, 0, 244, 42}},
        {"Image1", "panel_board", {548, 46, 195, 112}},
        {"image_progress1", "panel_board", {585, 58, 0, 17}},
        {"image_progress3", "panel_board", {585, 82, 0, 17}},
        {"image_progress2", "panel_board", {585, 106, 0, 17}},
        {"image_progress4", "panel_board", {585, 130, 0, 17}},
        {"label_passing", "panel_board", {529, 162, 101, 16}},
        {"label_penalty", "panel_board", {643, 162, 118, 19}},
        {"label_pouncing", "panel_board", {529, 178, 101, 16}},
        {"label_blocking", "panel_board", {644, 178, 100, 19}},
        {"label_teamgame", "panel_board", {529, 193, 101, 14}},
        {"label_limit", "panel_board", {644, 194, 116, 16}},
        {"label_log", "panel_board", {511, 211, 267, 19}},
        {"label_status", "panel_board", {511, 232, 267, 19}},
    };
    Q_UNUSED(board);
    Q_UNUSED(side);
    for (const Row& r : rows) QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromLatin1(r.parent) << r.g;
}

void TestTableEvents::layout() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    Table t;
    QCOMPARE(t.panel->objectName(), QStringLiteral("panel_board"));
    QCOMPARE(t.panel->size(), QSize(781, 512));
    QWidget* wdg = t.w(name);
    QCOMPARE(wdg->parentWidget()->objectName(), parent);
    QCOMPARE(wdg->geometry(), geometry);
}

void TestTableEvents::initialState() {
    Table t;
    const char* bots[] = {"", "Klot", "Klick", "Kling"};
    const QColor colours[] = {QColor(0xFF, 0xFF, 0x97), QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0x42, 0xFF),
                              QColor(0xFF, 0xAE, 0xAE)};
    for (int s = 1; s <= 4; ++s) {
        const QString name = QStringLiteral("label_playername%1").arg(s);
        QCOMPARE(t.text(name), QStringLiteral("<Waiting>"));
        QCOMPARE(t.hint(name), QString::fromLatin1(bots[s - 1]));
        QCOMPARE(t.tag(name), s);
        QLabel* l = t.label(name);
        QCOMPARE(l->font().pixelSize(), 16);
        QVERIFY(l->font().bold());
        QCOMPARE(l->palette().color(QPalette::WindowText), colours[s - 1]);
        QCOMPARE(bool(l->alignment() & Qt::AlignRight), s == 2 || s == 3);
        QVERIFY(!t.shown(QStringLiteral("image_Turn1")));
        QVERIFY(!t.shown(QStringLiteral("image_eyes%1").arg(s)));
        QVERIFY(!t.shown(QStringLiteral("image_winner%1").arg(s)));
        QVERIFY(!t.shown(QStringLiteral("button_pass%1").arg(s)));
        QVERIFY(!t.shown(QStringLiteral("label_team%1").arg(s)));
        QCOMPARE(t.text(QStringLiteral("label_team%1").arg(s)), s <= 2 ? QStringLiteral("TEAM: A") : QStringLiteral("TEAM: B"));
        for (int p = 1; p <= 4; ++p) {
            const QString piece = QStringLiteral("piece_%1%2").arg(s).arg(p);
            QCOMPARE(t.tag(piece), p);
            QCOMPARE(t.hint(piece), QString::number(s));
            QVERIFY(t.shown(piece));
            QCOMPARE(t.pos(piece), geo::nestSpot(s, p));
        }
    }
    for (int k = 1; k <= 12; ++k) {
        const QString marker = QStringLiteral("piece_gray%1").arg(k);
        QCOMPARE(t.tag(marker), k);
        QCOMPARE(t.hint(marker), QStringLiteral("0"));
        QVERIFY(!t.shown(marker));
    }
    for (int n = 1; n <= 8; ++n) QVERIFY(!t.shown(QStringLiteral("image_bonus%1").arg(n)));
    QVERIFY(!t.shown(QStringLiteral("button_start")));
    t.panel->setHosting(true);
    QVERIFY(t.shown(QStringLiteral("button_start")));
    QVERIFY(!t.shown(QStringLiteral("panel_error")));
    QVERIFY(!t.shown(QStringLiteral("panel_bottakeover")));
    QVERIFY(!t.shown(QStringLiteral("animated_warning")));
    QVERIFY(!t.shown(QStringLiteral("image_x3")));
    QCOMPARE(t.tag(QStringLiteral("theboard")), 0);
    QCOMPARE(t.panel->turnseat(), 0);

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
        QCOMPARE(t.hint(name), QString::fromLatin1(r.hint));
        QCOMPARE(t.label(name)->toolTip(), QString::fromLatin1(r.hint));
        QCOMPARE(bool(t.label(name)->alignment() & Qt::AlignRight), r.right);
    }
    auto* menu = t.w<QMenu>(QStringLiteral("popup_kick"));
    QStringList captions;
    for (QAction* a : menu->actions()) captions << a->objectName() + '=' + a->text();
    QCOMPARE(captions, QStringList({"RemoveFromGame1=Remove From Game", "SettoJustWatch1=Set to Just Watch",
                                    "UnsetJustWatch1=Unset Just Watch"}));
}

// Markers lie above the pawns, the bonus tokens and the start button above the markers, and
// of markers on one square the stack runs 7, 6, 5, 4, 3, 2, 1, 8, 9, 10, 12, 11 upwards.
void TestTableEvents::markerLayers() {
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

void TestTableEvents::newplayerinfo_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QStringList>("chat");
    QTest::addColumn<QString>("caption"); // of the newcomer's seat label, when a seat
    QTest::addColumn<QStringList>("spies");
    QTest::addColumn<int>("reloads");

    QTest::newRow("own seat") << 2 << false << 2 << QByteArray("Bob") << QStringList{"0+You are Connected."}
                              << "Bob" << QStringList{} << 1;
    QTest::newRow("another seat") << 2 << false << 3 << QByteArray("Cid") << QStringList{"0+Cid is Connected."}
                                  << "Cid" << QStringList{} << 0;
    QTest::newRow("an existing player") << 4 << true << 1 << QByteArray("Ann")
                                        << QStringList{"0+Ann is Connected."} << "Ann" << QStringList{} << 0;
    QTest::newRow("a spectator") << 1 << false << 6 << QByteArray("Eve")
                                 << QStringList{"0+Eve is Connected.", "0+Eve is spying."} << ""
                                 << QStringList{"6: Eve"} << 0;
    QTest::newRow("own spectator") << 6 << false << 6 << QByteArray("Eve")
                                   << QStringList{"0+You are Connected.", "0+You are spying."} << ""
                                   << QStringList{"6: Eve"} << 1;
    QTest::newRow("Windows-1252 name") << 1 << false << 3 << QByteArray("Jos\xE9+Mar\xED" "a")
                                       << QStringList{QString::fromUtf8("0+José+María is Connected.")}
                                       << QString::fromUtf8("José+María") << QStringList{} << 0;
}

void TestTableEvents::newplayerinfo() {
    QFETCH(int, myseat);
    QFETCH(bool, existing);
    QFETCH(int, number);
    QFETCH(QByteArray, name);
    QFETCH(QStringList, chat);
    QFETCH(QString, caption);
    QFETCH(QStringList, spies);
    QFETCH(int, reloads);
    Table t(myseat);
    const std::string n = name.toStdString();
    QVERIFY(t.feed(existing ? announce::existingplayers(number, n) : announce::newplayerinfo(number, n)));
    QCOMPARE(t.hooks.chat, chat);
    for (BgrColour c : t.hooks.chatColours) QCOMPARE(c, kSystemColour);
    QCOMPARE(t.hooks.sounds, QStringList{"entered"});
    QCOMPARE(t.hooks.spies, spies);
    QCOMPARE(t.hooks.settingsReloads, reloads);
    if (number <= 4) QCOMPARE(t.text(QStringLiteral("label_playername%1").arg(number)), caption);
    for (int s = 1; s <= 4; ++s)
        if (s != number) QCOMPARE(t.text(QStringLiteral("label_playername%1").arg(s)), QStringLiteral("<Waiting>"));
}

void TestTableEvents::playerdisconnected_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<QString>("team");
    QTest::addColumn<QString>("seat4playing");
    QTest::addColumn<int>("leaving");
    QTest::addColumn<bool>("byBot"); // the seat was already the computer player's
    QTest::addColumn<QStringList>("chat");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("question");

    QTest::newRow("seat 3 leaves the host") << 1 << "0" << "t" << 3 << false << QStringList{"0+Cid disconnected."}
                                            << "Klick" << true;
    QTest::newRow("seat 4 leaves the host") << 1 << "0" << "t" << 4 << false << QStringList{"0+Dee disconnected."}
                                            << "Kling" << true;
    QTest::newRow("team game keeps the bot") << 1 << "1" << "t" << 3 << false
                                             << QStringList{"0+Cid disconnected."} << "Klick" << false;
    QTest::newRow("seat 2 is always played on") << 1 << "0" << "t" << 2 << false
                                                << QStringList{"0+Bob disconnected."} << "Klot" << false;
    QTest::newRow("only the host is asked") << 2 << "0" << "t" << 3 << false
                                            << QStringList{"0+Cid disconnected."} << "Klick" << false;
    QTest::newRow("a seat out of the game") << 1 << "0" << "f" << 4 << false
                                            << QStringList{"0+Dee disconnected."} << "Kling" << false;
    QTest::newRow("seat 1 has no bot name") << 2 << "0" << "t" << 1 << false << QStringList{"0+Ann disconnected."}
                                            << "" << false;
    QTest::newRow("a bot's seat says nothing") << 1 << "0" << "t" << 3 << true << QStringList{} << "Klick" << true;
}

void TestTableEvents::playerdisconnected() {
    QFETCH(int, myseat);
    QFETCH(QString, team);
    QFETCH(QString, seat4playing);
    QFETCH(int, leaving);
    QFETCH(bool, byBot);
    QFETCH(QStringList, chat);
    QFETCH(QString, caption);
    QFETCH(bool, question);
    Table t(myseat);
    t.seatEveryone();
    if (byBot) t.feed(announce::playerdisconnected(leaving, "x"));
    t.feed(announce::startgame("Ann", "0", "0", "0", "0", "t", seat4playing.toStdString(), team.toStdString(), 0));
    t.feed(announce::justwatching(leaving, "1"));
    QVERIFY(t.shown(QStringLiteral("image_eyes%1").arg(leaving)));
    t.hooks.forget();
    t.w(QStringLiteral("panel_bottakeover"))->hide();

    const QString before = t.text(QStringLiteral("label_playername%1").arg(leaving));
    QVERIFY(t.feed(announce::playerdisconnected(leaving, "ignored")));
    QCOMPARE(t.hooks.chat, chat);
    QCOMPARE(t.text(QStringLiteral("label_playername%1").arg(leaving)), caption);
    QCOMPARE(t.text(QStringLiteral("label_bottakeover")), before);
    QCOMPARE(t.hint(QStringLiteral("label_bottakeover")), QString::number(leaving));
    QVERIFY(!t.shown(QStringLiteral("image_eyes%1").arg(leaving)));
    QCOMPARE(t.shown(QStringLiteral("panel_bottakeover")), question);
}

void TestTableEvents::spectatorLeaves() {
    Table t(1);
    t.feed(announce::newplayerinfo(6, "Eve"));
    t.feed(announce::newplayerinfo(7, "Fay"));
    t.hooks.forget();
    t.feed(announce::playerdisconnected(6, "Eve"));
    QCOMPARE(t.hooks.chat, QStringList{"0+Eve has left."});
    QCOMPARE(t.hooks.spies, QStringList{"7: Fay"});
    // Not (or no longer) listed: nothing is said.
    t.feed(announce::playerdisconnected(6, "Eve"));
    t.feed(announce::playerdisconnected(8, "Gus"));
    QCOMPARE(t.hooks.chat, QStringList{"0+Eve has left."});
    QVERIFY(!t.shown(QStringLiteral("panel_bottakeover")));
}

void TestTableEvents::startthegame() {
    Table t(4, QStringLiteral("Dee"), true);
    t.feed(announce::existingplayers(1, "Ann"));
    t.feed(announce::newplayerinfo(4, "Dee"));
    t.panel->setHosting(true);
    t.hooks.forget();
    QVERIFY(t.feed(announce::startgame("Ann", "1", "0", "1", "0", "t", "f", "1", 4)));
    QCOMPARE(t.text(QStringLiteral("label_penalty")), QStringLiteral("Doubles Penalty: ON"));
    QCOMPARE(t.text(QStringLiteral("label_passing")), QStringLiteral("Passing: OFF"));
    QCOMPARE(t.text(QStringLiteral("label_blocking")), QStringLiteral("Blocking: ON"));
    QCOMPARE(t.tag(QStringLiteral("label_blocking")), 1);
    QCOMPARE(t.text(QStringLiteral("label_pouncing")), QStringLiteral("Pouncing: OFF"));
    QCOMPARE(t.tag(QStringLiteral("label_pouncing")), 0);
    QCOMPARE(t.text(QStringLiteral("label_teamgame")), QStringLiteral("Team Game: ON"));
    QCOMPARE(t.tag(QStringLiteral("label_teamgame")), 1);
    for (int s = 1; s <= 4; ++s) QVERIFY(t.shown(QStringLiteral("label_team%1").arg(s)));
    QCOMPARE(t.text(QStringLiteral("label_limit")), QStringLiteral("Block Limit: 4"));
    QVERIFY(!t.shown(QStringLiteral("button_start")));
    QCOMPARE(t.hooks.justWatch, QList<bool>{false});
    // Seat 4 sits this game out, and its player is told so before the start notice.
    QCOMPARE(t.hooks.chat,
             QStringList({"0+The game has already started, you will have to wait for the next game before you can "
                          "play.",
                          "0+Ann has started a game."}));
    for (int p = 1; p <= 4; ++p) {
        QVERIFY(!t.pawn(4, p)->isVisible());
        QVERIFY(t.pawn(3, p)->isVisible());
    }
    QVERIFY(t.shown(QStringLiteral("image_x4")));
    QVERIFY(!t.shown(QStringLiteral("image_x3")));
    QCOMPARE(t.text(QStringLiteral("label_playername1")), QStringLiteral("Ann"));
    QCOMPARE(t.text(QStringLiteral("label_playername2")), QStringLiteral("Klot"));
    QCOMPARE(t.text(QStringLiteral("label_playername3")), QStringLiteral("Klick"));
    QCOMPARE(t.text(QStringLiteral("label_playername4")), QStringLiteral("Dee"));

    // The next game: seat 4 plays again, no team, no limit.
    t.hooks.forget();
    t.feed(announce::startgame("Ann", "0", "1", "0", "1", "t", "t", "0", 0));
    QCOMPARE(t.text(QStringLiteral("label_limit")), QStringLiteral("Block Limit: None"));
    QCOMPARE(t.text(QStringLiteral("label_teamgame")), QStringLiteral("Team Game: OFF"));
    QCOMPARE(t.text(QStringLiteral("label_pouncing")), QStringLiteral("Pouncing: ON"));
    QCOMPARE(t.tag(QStringLiteral("label_pouncing")), 1);
    QVERIFY(!t.shown(QStringLiteral("label_team1")));
    QVERIFY(!t.shown(QStringLiteral("image_x4")));
    QVERIFY(t.pawn(4, 2)->isVisible());
    QCOMPARE(t.hooks.chat, QStringList{"0+Ann has started a game."});
}

void TestTableEvents::startthegameClearsTheLastGame() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(announce::nextplayer(2, 1));
    t.feed(announce::hisdice(2, 2, 5, 5, 5, 5, true));
    auto m = move(2, 1, 1, 39, 1, true);
    m.amounts.bonus20a = 20;
    t.feed(announce::movehim(m));
    t.feed(announce::justwatching(3, "1"));
    t.feed(announce::aerror(1, 5));
    t.feed(announce::winner(2));
    QVERIFY(t.shown(QStringLiteral("image_winner2")));
    t.feed(announce::startgame("Ann", "0", "0", "0", "0", "t", "t", "0", 0));
    QVERIFY(!t.panel->canmove());
    QCOMPARE(t.panel->boardpawn(2, 1), 0);
    QCOMPARE(t.pawn(2, 1)->pos(), geo::nestSpot(2, 1));
    QCOMPARE(t.w(QStringLiteral("image_progress2"))->width(), 0);
    QVERIFY(!t.shown(QStringLiteral("image_winner2")));
    QVERIFY(!t.shown(QStringLiteral("image_eyes3")));
    QVERIFY(!t.shown(QStringLiteral("panel_error")));
    for (int n = 1; n <= 8; ++n) {
        QVERIFY(!t.shown(QStringLiteral("image_bonus%1").arg(n)));
        QCOMPARE(t.tag(QStringLiteral("image_bonus%1").arg(n)), 0);
    }
}

void TestTableEvents::getnextplayer() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(announce::aerror(1, 2));
    QVERIFY(t.shown(QStringLiteral("panel_error")));
    t.feed(announce::nextplayer(1, 1));
    QCOMPARE(t.text(QStringLiteral("label_status")), QStringLiteral("Your Turn."));
    QCOMPARE(t.hooks.sounds, QStringList({"notvalid", "turn"}));
    QCOMPARE(t.panel->turnseat(), 1);
    QCOMPARE(t.panel->clientphase(), 1);
    QCOMPARE(t.tag(QStringLiteral("theboard")), 1);
    QVERIFY(!t.panel->canmove()); // set by the error, cleared by the new turn
    QVERIFY(!t.shown(QStringLiteral("panel_error")));
    QVERIFY(t.shown(QStringLiteral("image_Turn1")));
    QCOMPARE(t.pos(QStringLiteral("dice_1")), QPoint(84, 35));
    QCOMPARE(t.pos(QStringLiteral("dice_2")), QPoint(120, 35));
    QVERIFY(!t.label(QStringLiteral("dice_1"))->pixmap().isNull());

    t.feed(announce::hisdice(1, 2, 6, 6, 6, 6, true));
    QVERIFY(t.shown(QStringLiteral("button_pass1")));
    QVERIFY(t.shown(QStringLiteral("image_bonus3")));
    t.hooks.forget();
    t.hooks.turnSoundValue = 1;
    t.feed(announce::nextplayer(3, 1));
    QCOMPARE(t.text(QStringLiteral("label_status")), QStringLiteral("Cid's turn."));
    QVERIFY(t.hooks.sounds.isEmpty());
    QVERIFY(!t.shown(QStringLiteral("image_Turn1")));
    QVERIFY(t.shown(QStringLiteral("image_turn3")));
    QVERIFY(!t.shown(QStringLiteral("button_pass1")));
    QVERIFY(!t.shown(QStringLiteral("image_bonus3")));
    QCOMPARE(t.tag(QStringLiteral("image_bonus3")), 0);
    QCOMPARE(t.pos(QStringLiteral("dice_1")), QPoint(340, 19));
    QCOMPARE(t.pos(QStringLiteral("dice_2")), QPoint(376, 19));
    QCOMPARE(t.panel->clientphase(), 1); // on every client

    // Own turn with the new turn sound; a phase other than 1 leaves the dice where they lie.
    t.feed(announce::nextplayer(1, 1));
    QCOMPARE(t.hooks.sounds, QStringList{"turnnew"});
    t.feed(announce::nextplayer(4, 2));
    QCOMPARE(t.pos(QStringLiteral("dice_1")), QPoint(84, 35));
    QCOMPARE(t.text(QStringLiteral("label_status")), QStringLiteral("Dee's turn."));
}

void TestTableEvents::sameNameSeesYourTurn() {
    Table t(1, QStringLiteral("Sam"));
    t.feed(announce::newplayerinfo(1, "Sam"));
    t.feed(announce::newplayerinfo(3, "Sam"));
    t.startGame();
    t.feed(announce::nextplayer(3, 1));
    QCOMPARE(t.text(QStringLiteral("label_status")), QStringLiteral("Your Turn."));
    QCOMPARE(t.hooks.sounds, QStringList{"turn"});
}

void TestTableEvents::hisdice() {
    Table t(2, QStringLiteral("Bob"));
    t.seatEveryone();
    t.startGame();
    t.feed(announce::nextplayer(1, 1));
    t.feed(announce::movehim(move(1, 1, 1, 5)));
    t.hooks.forget();

    // Somebody else's plain roll: drawn loosely in the middle, no log, the ordinary sound.
    t.feed(announce::hisdice(1, 2, 3, 4, 0, 0, true));
    QCOMPARE(t.hooks.sounds, QStringList{"doubledice"});
    QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral("Ann moved a pawn."));
    QCOMPARE(t.pos(QStringLiteral("dice_1")).x(), 201);
    QCOMPARE(t.pos(QStringLiteral("dice_2")).x(), 235);
    for (const char* die : {"dice_1", "dice_2"}) {
        const int top = t.pos(QString::fromLatin1(die)).y();
        QVERIFY2(top >= 202 && top <= 233, qPrintable(QString::number(top)));
    }
    QCOMPARE(t.tag(QStringLiteral("dice_1")), 0);
    QVERIFY(!t.panel->canmove());
    QVERIFY(!t.shown(QStringLiteral("button_pass1")));
    QVERIFY(!t.shown(QStringLiteral("image_bonus3")));

    // Own doubles: both copies as tokens, the amounts in the tags.
    t.hooks.forget();
    t.feed(announce::nextplayer(2, 1));
    t.feed(announce::hisdice(2, 2, 4, 4, 4, 4, false));
    QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral(" DOUBLES!"));
    QCOMPARE(t.hooks.sounds.last(), QStringLiteral("dice"));
    QVERIFY(t.shown(QStringLiteral("image_bonus3")));
    QVERIFY(t.shown(QStringLiteral("image_bonus4")));
    QCOMPARE(t.tag(QStringLiteral("image_bonus3")), 4);
    QCOMPARE(t.tag(QStringLiteral("image_bonus4")), 4);
    QCOMPARE(t.tag(QStringLiteral("dice_1")), 4);
    QCOMPARE(t.tag(QStringLiteral("dice_2")), 4);
    QCOMPARE(t.panel->clientphase(), 2);
    QVERIFY(t.panel->canmove());
    QVERIFY(!t.shown(QStringLiteral("button_pass2"))); // passing not allowed this time
    const auto m = t.panel->mirror();
    QCOMPARE(m.amounts.amount(8), 8);
    QVERIFY(m.blocking && m.pouncing);

    t.feed(announce::nextplayer(2, 1));
    t.feed(announce::hisdice(2, 2, 1, 2, 0, 0, true));
    QVERIFY(t.shown(QStringLiteral("button_pass2")));
}

void TestTableEvents::movehimPlacesAndPairs() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(announce::nextplayer(1, 1));
    t.feed(announce::hisdice(1, 2, 5, 5, 5, 5, false));
    t.hooks.forget();

    t.feed(announce::movehim(move(1, 1, 1, 5, 1, true)));
    QCOMPARE(t.panel->boardpawn(1, 1), 5);
    QCOMPARE(t.pawn(1, 1)->pos(), QPoint(192, 91));
    QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral("You have moved a pawn."));
    QCOMPARE(t.hooks.sounds, QStringList{"movepiece"});
    QCOMPARE(t.w(QStringLiteral("image_progress1"))->width(), 0); // 1 div 2

    // A second pawn on the same square stands beside the first (vertical arm: 16 to the left).
    t.feed(announce::movehim(move(1, 2, 2, 5, 2, true)));
    QCOMPARE(t.pawn(1, 2)->pos(), QPoint(176, 91));
    QCOMPARE(t.pawn(1, 1)->pos(), QPoint(192, 91));
    QCOMPARE(t.w(QStringLiteral("image_progress1"))->width(), 1);

    // The first leaves: the one left behind returns to the middle of its square.
    t.feed(announce::movehim(move(1, 6, 1, 10, 7, true)));
    QCOMPARE(t.pawn(1, 1)->pos(), geo::squareSpot(10));
    QCOMPARE(t.pawn(1, 2)->pos(), QPoint(192, 91));

    // On a horizontal arm the partner stands 4 to the left and 17 up.
    t.feed(announce::movehim(move(1, 7, 2, 10, 12, false)));
    QCOMPARE(t.pawn(1, 2)->pos(), geo::squareSpot(10) + QPoint(-4, -17));
    QCOMPARE(geo::squareSpot(10), QPoint(139, 192));

    // Other seats' pawns are never offset against each other.
    t.feed(announce::movehim(move(2, 1, 1, 10)));
    QCOMPARE(t.pawn(2, 1)->pos(), geo::squareSpot(10));
    QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral("Bob moved a pawn."));

    // Home: its own spot beside the centre, whatever else stands there.
    t.feed(announce::movehim(move(3, 1, 4, 98)));
    QCOMPARE(t.pawn(3, 4)->pos(), geo::homeSpot(3, 4));
    QCOMPARE(geo::homeSpot(3, 4), QPoint(305, 263));
    QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral("Cid moved a pawn HOME."));
    t.feed(announce::movehim(move(1, 3, 3, 97)));
    QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral("You have moved a pawn HOME."));
    QCOMPARE(t.pawn(1, 3)->pos(), QPoint(252, 178));
}

void TestTableEvents::movehimDiceAndBonuses() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(announce::nextplayer(1, 1));
    t.feed(announce::hisdice(1, 2, 6, 6, 6, 6, false));
    QVERIFY(t.panel->canmove());
    t.panel->piece_12MouseUp(1, 1, Qt::LeftButton); // no markers: the pawn is at start

    // A bonus move leaves both dice alone; the slots come from the announcement.
    auto m = move(1, 4, 1, 30, 40, false);
    m.amounts.bonus20b = 20;
    m.amounts.bonus10a = 10;
    m.amounts.bonus10c = 10;
    m.amounts.double1 = 6;
    t.feed(announce::movehim(m));
    QCOMPARE(t.tag(QStringLiteral("dice_1")), 6);
    QCOMPARE(t.tag(QStringLiteral("dice_2")), 6);
    QVERIFY(!t.shown(QStringLiteral("image_bonus1")));
    QVERIFY(t.shown(QStringLiteral("image_bonus5")));
    QCOMPARE(t.tag(QStringLiteral("image_bonus5")), 20);
    QVERIFY(t.shown(QStringLiteral("image_bonus2")));
    QVERIFY(!t.shown(QStringLiteral("image_bonus7")));
    QVERIFY(t.shown(QStringLiteral("image_bonus8")));
    QVERIFY(t.shown(QStringLiteral("image_bonus3")));
    QVERIFY(!t.shown(QStringLiteral("image_bonus4")));
    QCOMPARE(t.tag(QStringLiteral("image_bonus4")), 0);
    QCOMPARE(t.w(QStringLiteral("image_progress1"))->width(), 20);

    // Die 2 used: only it is cleared; then the sum clears both.
    t.feed(announce::movehim(move(1, 2, 1, 36, 46, true)));
    QCOMPARE(t.tag(QStringLiteral("dice_1")), 6);
    QCOMPARE(t.tag(QStringLiteral("dice_2")), 0);
    QVERIFY(t.label(QStringLiteral("dice_2"))->pixmap().isNull());
    QVERIFY(!t.label(QStringLiteral("dice_1"))->pixmap().isNull());
    QVERIFY(t.panel->canmove());
    t.feed(announce::movehim(move(1, 3, 1, 48, 58, false)));
    QCOMPARE(t.tag(QStringLiteral("dice_1")), 0);
    QVERIFY(t.label(QStringLiteral("dice_1"))->pixmap().isNull());
}

void TestTableEvents::sendback() {
    for (int myseat : {1, 2}) {
        Table t(myseat, myseat == 1 ? QStringLiteral("Ann") : QStringLiteral("Bob"));
        t.seatEveryone();
        t.startGame();
        t.feed(announce::movehim(move(3, 1, 1, 13, 30)));
        t.feed(announce::movehim(move(1, 1, 1, 13, 10)));
        t.hooks.forget();
        QVERIFY(t.feed(announce::sendback(1, 3, 1, 12)));
        QCOMPARE(t.panel->boardpawn(3, 1), 0);
        QCOMPARE(t.pawn(3, 1)->pos(), QPoint(379, 102));
        QCOMPARE(t.w(QStringLiteral("image_progress3"))->width(), 6);
        if (myseat == 1) {
            QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral("You have sent Cid back to start."));
            QCOMPARE(t.hooks.sounds, QStringList{"gotbonus"});
        } else {
            QCOMPARE(t.text(QStringLiteral("label_log")), QStringLiteral("Ann sent Cid back to start."));
            QCOMPARE(t.hooks.sounds, QStringList{"sendback"});
        }
    }
}

void TestTableEvents::logLines_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("sound");
    auto b = [](const std::string& s) { return QByteArray::fromStdString(s); };
    QTest::newRow("roll again, own") << 2 << b(announce::rollagain(2)) << "You get to roll again." << "rollagain";
    QTest::newRow("roll again") << 1 << b(announce::rollagain(2)) << "Bob gets to roll again." << "rollagain";
    QTest::newRow("no moves, own") << 3 << b(announce::nomoves(3)) << "You have no valid moves." << "nomoves";
    QTest::newRow("no moves") << 1 << b(announce::nomoves(3)) << "Cid has no valid moves." << "nomoves";
    QTest::newRow("passing, own") << 4 << b(announce::passing(4)) << "You have passed." << "nomoves";
    QTest::newRow("passing") << 1 << b(announce::passing(4)) << "Dee has passed." << "nomoves";
    QTest::newRow("penalty, own") << 1 << b(announce::gotpenalty(1, 0, 0, 2, 2)) << "You got a Doubles Penalty."
                                  << "nomoves";
    QTest::newRow("penalty") << 2 << b(announce::gotpenalty(1, 0, 0, 2, 2)) << "Ann got a 3 Double Penalty."
                             << "nomoves";
    QTest::newRow("limit penalty, own") << 1 << b(announce::gotpenalty1(1, 0, 0)) << "You got a Limit Penalty"
                                        << "nomoves";
    QTest::newRow("limit penalty") << 2 << b(announce::gotpenalty1(1, 0, 0)) << "Ann got a Limited Penalty"
                                   << "nomoves";
}

void TestTableEvents::logLines() {
    QFETCH(int, myseat);
    QFETCH(QByteArray, message);
    QFETCH(QString, log);
    QFETCH(QString, sound);
    Table t(myseat);
    t.seatEveryone();
    t.startGame();
    // Markers and a pass button on screen beforehand: every one of these takes them away.
    t.feed(announce::nextplayer(myseat, 1));
    t.feed(announce::hisdice(myseat, 2, 1, 2, 0, 0, true));
    t.feed(announce::movehim(move(myseat, 1, 1, geo::startSquareOf(myseat), 1, true)));
    t.panel->piece_12MouseUp(myseat, 1, Qt::LeftButton);
    QVERIFY(t.marker(2)->isVisible());
    t.hooks.forget();
    QVERIFY(t.feed(message.toStdString()));
    QCOMPARE(t.text(QStringLiteral("label_log")), log);
    QCOMPARE(t.hooks.sounds, QStringList{sound});
    if (!message.startsWith("CMD_rollagain")) {
        QVERIFY(!t.marker(2)->isVisible());
    }
    if (message.startsWith("CMD_nomoves") || message.startsWith("CMD_passing") || message.startsWith("CMD_gotpenalty+"))
        QVERIFY(!t.shown(QStringLiteral("button_pass%1").arg(myseat)));
}

void TestTableEvents::gotpenalty() {
    Table t(2, QStringLiteral("Bob"));
    t.seatEveryone();
    t.startGame();
    t.feed(announce::movehim(move(1, 1, 2, 20, 16)));
    t.feed(announce::gotpenalty(1, 2, 0, 3, 3));
    QCOMPARE(t.panel->boardpawn(1, 2), 0);
    QCOMPARE(t.pawn(1, 2)->pos(), geo::nestSpot(1, 2));
    QCOMPARE(t.w(QStringLiteral("image_progress1"))->width(), 0);
    QCOMPARE(t.pos(QStringLiteral("dice_1")).x(), 201);
    QVERIFY(t.shown(QStringLiteral("image_bonus3")));
    QCOMPARE(t.tag(QStringLiteral("image_bonus4")), 3);

    // No pawn to send back: the progress bar is left as it was.
    t.feed(announce::movehim(move(3, 1, 1, 60, 10)));
    t.feed(announce::gotpenalty1(3, 0, 0));
    QCOMPARE(t.w(QStringLiteral("image_progress3"))->width(), 5);
    QCOMPARE(t.panel->boardpawn(3, 1), 60);
    t.feed(announce::gotpenalty1(3, 1, 2));
    QCOMPARE(t.panel->boardpawn(3, 1), 0);
    QCOMPARE(t.pawn(3, 1)->pos(), geo::nestSpot(3, 1));
    QCOMPARE(t.w(QStringLiteral("image_progress3"))->width(), 1);
}

void TestTableEvents::passingKeepsLaterTokens() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(announce::nextplayer(1, 1));
    t.feed(announce::hisdice(1, 2, 2, 2, 2, 2, true));
    auto m = move(1, 1, 1, 30, 30, true);
    for (int* slot : {&m.amounts.bonus20a, &m.amounts.bonus20b, &m.amounts.bonus20c}) *slot = 20;
    for (int* slot : {&m.amounts.bonus10a, &m.amounts.bonus10b, &m.amounts.bonus10c}) *slot = 10;
    m.amounts.double1 = 2;
    m.amounts.double2 = 2;
    t.feed(announce::movehim(m));
    for (int n = 1; n <= 8; ++n) QVERIFY(t.shown(QStringLiteral("image_bonus%1").arg(n)));
    t.feed(announce::passing(1));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!t.shown(QStringLiteral("image_bonus%1").arg(n)));
        QVERIFY(t.tag(QStringLiteral("image_bonus%1").arg(n)) > 0);
    }
    for (int n = 5; n <= 8; ++n) QVERIFY(t.shown(QStringLiteral("image_bonus%1").arg(n)));
    t.feed(announce::nextplayer(2, 1));
    for (int n = 1; n <= 8; ++n) {
        QVERIFY(!t.shown(QStringLiteral("image_bonus%1").arg(n)));
        QCOMPARE(t.tag(QStringLiteral("image_bonus%1").arg(n)), 0);
    }
}

void TestTableEvents::aerror_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text"); // empty: not shown
    QTest::newRow("1") << 2 << 1 << "You have already rolled the die.";
    QTest::newRow("2") << 2 << 2 << "You need to roll the die";
    QTest::newRow("3") << 2 << 3 << "That dice is already used.";
    QTest::newRow("4") << 2 << 4 << "You do not have a bonus move.";
    QTest::newRow("5") << 2 << 5 << "That is not a valid move.";
    QTest::newRow("unknown code") << 2 << 17 << "17";
    QTest::newRow("another seat's error") << 3 << 5 << "";
}

void TestTableEvents::aerror() {
    QFETCH(int, seat);
    QFETCH(int, code);
    QFETCH(QString, text);
    Table t(2, QStringLiteral("Bob"));
    t.seatEveryone();
    t.startGame();
    t.feed(announce::nextplayer(2, 1));
    t.hooks.forget();
    QVERIFY(t.feed(announce::aerror(seat, code)));
    QCOMPARE(t.shown(QStringLiteral("panel_error")), !text.isEmpty());
    QCOMPARE(t.panel->canmove(), !text.isEmpty());
    if (text.isEmpty()) {
        QVERIFY(t.hooks.sounds.isEmpty());
        return;
    }
    QCOMPARE(t.text(QStringLiteral("label_error")), text);
    QCOMPARE(t.hooks.sounds, QStringList{"notvalid"});
    t.panel->Image3Click();
    QVERIFY(!t.shown(QStringLiteral("panel_error")));
}

void TestTableEvents::winner_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QList<int>>("crowned");
    QTest::addColumn<QStringList>("tally");
    QTest::newRow("own win") << 1 << 1 << "You have Won the Game!" << QList<int>{1} << QStringList{"addtomine"};
    QTest::newRow("another seat wins") << 1 << 3 << "Cid has Won the Game!" << QList<int>{3} << QStringList{"Cid"};
    QTest::newRow("team A") << 1 << 5 << "Team A has Won the Game!" << QList<int>{1, 2} << QStringList{};
    QTest::newRow("team B") << 3 << 6 << "Team B has Won the Game!" << QList<int>{3, 4} << QStringList{};
    QTest::newRow("a spectator keeps no tally") << 6 << 2 << "Bob has Won the Game!" << QList<int>{2}
                                                << QStringList{};
    QTest::newRow("spectator 5 and team A") << 5 << 5 << "Team A has Won the Game!" << QList<int>{1, 2}
                                            << QStringList{};
}

void TestTableEvents::winner() {
    QFETCH(int, myseat);
    QFETCH(int, code);
    QFETCH(QString, log);
    QFETCH(QList<int>, crowned);
    QFETCH(QStringList, tally);
    Table t(myseat, QStringLiteral("x"), true);
    t.seatEveryone();
    t.startGame();
    t.feed(announce::nextplayer(myseat <= 4 ? myseat : 1, 1));
    t.feed(announce::hisdice(myseat <= 4 ? myseat : 1, 2, 3, 3, 3, 3, true));
    t.feed(announce::aerror(myseat, 4));
    t.hooks.forget();
    QVERIFY(t.feed(announce::winner(code)));
    QCOMPARE(t.text(QStringLiteral("label_log")), log);
    QCOMPARE(t.hooks.chat, QStringList{"0+" + log});
    QCOMPARE(t.hooks.sounds, QStringList{"winner"});
    QCOMPARE(t.hooks.tally, tally);
    for (int s = 1; s <= 4; ++s) {
        QCOMPARE(t.shown(QStringLiteral("image_winner%1").arg(s)), crowned.contains(s));
        QCOMPARE(t.w(QStringLiteral("image_progress%1").arg(s))->width(), crowned.contains(s) ? 150 : 0);
        QVERIFY(!t.shown(QStringLiteral("button_pass%1").arg(s)));
        QVERIFY(!t.shown(s == 1 ? QStringLiteral("image_Turn1") : QStringLiteral("image_turn%1").arg(s)));
    }
    QVERIFY(!t.shown(QStringLiteral("panel_error")));
    QVERIFY(t.shown(QStringLiteral("button_start")));
    for (int n = 1; n <= 8; ++n) QCOMPARE(t.tag(QStringLiteral("image_bonus%1").arg(n)), 0);
}

void TestTableEvents::justwatching_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QStringList>("chat");
    QTest::addColumn<bool>("eyes");
    QTest::addColumn<QList<bool>>("checkMark");
    QTest::newRow("own seat watches") << 2 << 2 << "1" << QStringList{"0+Bob is just watching"} << true
                                      << QList<bool>{true};
    QTest::newRow("own seat plays again") << 2 << 2 << "2" << QStringList{"0+Bob is now playing again"} << false
                                          << QList<bool>{false};
    QTest::newRow("another seat watches") << 1 << 4 << "1" << QStringList{"0+Dee is just watching"} << true
                                          << QList<bool>{};
    QTest::newRow("any other flag plays") << 1 << 4 << "x" << QStringList{"0+Dee is now playing again"} << false
                                          << QList<bool>{};
    QTest::newRow("spectator numbers are ignored") << 6 << 6 << "1" << QStringList{} << false << QList<bool>{};
}

void TestTableEvents::justwatching() {
    QFETCH(int, myseat);
    QFETCH(int, seat);
    QFETCH(QString, flag);
    QFETCH(QStringList, chat);
    QFETCH(bool, eyes);
    QFETCH(QList<bool>, checkMark);
    Table t(myseat);
    t.seatEveryone();
    if (!eyes && seat <= 4) t.feed(announce::justwatching(seat, "1"));
    t.hooks.forget();
    QVERIFY(t.feed(announce::justwatching(seat, flag.toStdString())));
    QCOMPARE(t.hooks.chat, chat);
    QCOMPARE(t.hooks.justWatch, checkMark);
    if (seat <= 4) QCOMPARE(t.shown(QStringLiteral("image_eyes%1").arg(seat)), eyes);
}

void TestTableEvents::removepegs() {
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(announce::movehim(move(4, 1, 1, 22, 1)));
    t.feed(announce::movehim(move(4, 3, 2, 30, 9)));
    t.feed(announce::removepegs(4));
    QVERIFY(t.shown(QStringLiteral("image_x4")));
    QCOMPARE(t.w(QStringLiteral("image_progress4"))->width(), 0);
    for (int p = 1; p <= 4; ++p) {
        QCOMPARE(t.panel->boardpawn(4, p), 0);
        QCOMPARE(t.pawn(4, p)->pos(), geo::nestSpot(4, p));
        QVERIFY(!t.pawn(4, p)->isVisible());
    }
    // Only seats 3 and 4 can be taken out.
    t.feed(announce::removepegs(2));
    QVERIFY(t.pawn(2, 1)->isVisible());
}

void TestTableEvents::warningAnimation() {
    Table t(2, QStringLiteral("Bob"));
    t.seatEveryone();
    t.startGame();
    t.feed(announce::movehim(move(2, 1, 3, 45)));
    t.feed(announce::movehim(move(1, 1, 1, 13)));
    // Another seat's warning only moves the animation.
    t.feed(announce::warning(1, 1, 2));
    QCOMPARE(t.pos(QStringLiteral("animated_warning")), t.pawn(1, 1)->pos());
    QVERIFY(!t.shown(QStringLiteral("animated_warning")));
    t.feed(announce::warning(2, 3, 4));
    QCOMPARE(t.pos(QStringLiteral("animated_warning")), t.pawn(2, 3)->pos());
    QVERIFY(t.shown(QStringLiteral("animated_warning")));
    QCOMPARE(t.tag(QStringLiteral("animated_warning")), 0);
    auto* timer = t.panel->findChild<QTimer*>(QStringLiteral("warningTimer"));
    QVERIFY(timer != nullptr && timer->isActive());
    QTRY_VERIFY(t.tag(QStringLiteral("animated_warning")) >= 2);
    QTRY_VERIFY_WITH_TIMEOUT(!t.shown(QStringLiteral("animated_warning")), 6000);
    QCOMPARE(t.tag(QStringLiteral("animated_warning")), 21);
    // Idle means idle: the frame timer stops with the animation.
    for (QTimer* tm : t.panel->findChildren<QTimer*>()) QVERIFY(!tm->isActive());
}

void TestTableEvents::lateJoiner() {
    Table t(3, QStringLiteral("Cid"));
    t.feed(announce::newplayerinfo(3, "Cid"));
    t.feed(announce::existingplayers(1, "Ann"));
    t.feed(announce::existingplayers(2, "Bob"));
    t.hooks.forget();
    QVERIFY(t.feed(announce::locations(lateJoinerState())));
    QVERIFY(t.feed(announce::morestats(false)));
    QCOMPARE(t.text(QStringLiteral("label_teamgame")), QStringLiteral("Team Game: OFF"));
    QVERIFY(t.feed(announce::morestats(true)));

    QCOMPARE(t.panel->turnseat(), 3);
    QCOMPARE(t.panel->clientphase(), 2);
    QVERIFY(t.panel->canmove());
    QCOMPARE(t.text(QStringLiteral("label_penalty")), QStringLiteral("Doubles Penalty: ON"));
    QCOMPARE(t.text(QStringLiteral("label_passing")), QStringLiteral("Passing: OFF"));
    QCOMPARE(t.text(QStringLiteral("label_limit")), QStringLiteral("Block Limit: None"));
    QCOMPARE(t.text(QStringLiteral("label_teamgame")), QStringLiteral("Team Game: ON"));
    QCOMPARE(t.tag(QStringLiteral("label_teamgame")), 1);
    QVERIFY(t.shown(QStringLiteral("label_team3")));
    QCOMPARE(t.text(QStringLiteral("label_playername4")), QStringLiteral("Kling"));
    QCOMPARE(t.text(QStringLiteral("label_playername1")), QStringLiteral("Ann"));
    // Pawns sharing a square overlap exactly; home and nest by their own tables.
    QCOMPARE(t.pawn(1, 1)->pos(), geo::squareSpot(5));
    QCOMPARE(t.pawn(1, 2)->pos(), geo::squareSpot(5));
    QCOMPARE(t.pawn(1, 3)->pos(), geo::homeSpot(1, 3));
    QCOMPARE(t.pawn(1, 4)->pos(), geo::nestSpot(1, 4));
    QCOMPARE(t.pawn(2, 1)->pos(), geo::squareSpot(40));
    QCOMPARE(t.panel->boardpawn(3, 1), 60);
    // A used die 1 is shown as a one and kept as one; die 2 as it is.
    QCOMPARE(t.tag(QStringLiteral("dice_1")), 1);
    QCOMPARE(t.tag(QStringLiteral("dice_2")), 4);
    QCOMPARE(t.pos(QStringLiteral("dice_1")).x(), 201);
    QVERIFY(t.shown(QStringLiteral("image_bonus1")));
    QCOMPARE(t.tag(QStringLiteral("image_bonus1")), 20);
    QVERIFY(t.shown(QStringLiteral("image_bonus2")));
    QVERIFY(!t.shown(QStringLiteral("image_bonus3")));
    QVERIFY(t.shown(QStringLiteral("image_turn3")));
    QCOMPARE(t.text(QStringLiteral("label_status")), QStringLiteral("Your Turn."));
    QCOMPARE(t.hooks.sounds, QStringList{"turn"});

    // The mirror is enough for markers at once: 1, 4, the sum 5 and the 10.
    t.panel->piece_12MouseUp(3, 1, Qt::LeftButton);
    // The 20 would pass seat 1's pair on square 5.
    const QList<QPair<int, int>> expected = {{1, 61}, {2, 64}, {3, 65}, {5, 2}};
    for (int code = 1; code <= 12; ++code) {
        int target = 0;
        for (const auto& e : expected)
            if (e.first == code) target = e.second;
        QCOMPARE(t.marker(code)->isVisible(), target != 0);
        if (target == 0) continue;
        QCOMPARE(t.marker(code)->geometry(), geo::markerRect(3, target));
        QCOMPARE(t.marker(code)->property("hint").toString(), QStringLiteral("1"));
    }
    QVERIFY(t.hooks.sent.empty());

    // Another seat to move: its name in the status line.
    Table other(4, QStringLiteral("Dee"));
    other.feed(announce::existingplayers(1, "Ann"));
    auto state = lateJoinerState();
    state.target = 4;
    state.whoseturn = 1;
    other.feed(announce::locations(state));
    QCOMPARE(other.text(QStringLiteral("label_status")), QStringLiteral("Ann's turn."));
    QVERIFY(!other.panel->canmove());
    QCOMPARE(other.tag(QStringLiteral("dice_1")), 0);
}

void TestTableEvents::morestatsFlag() {
    Table t;
    const std::pair<const char*, bool> cases[] = {{"1+", true}, {"1", true},   {"0+", false},
                                                  {"x+", false}, {"", false},   {"11+", false}};
    for (const auto& [body, on] : cases) {
        t.panel->handle(ClientCommand::morestats, "1+");
        QVERIFY(t.shown(QStringLiteral("label_team1")));
        QVERIFY(t.panel->handle(ClientCommand::morestats, body));
        QCOMPARE(t.text(QStringLiteral("label_teamgame")), on ? QStringLiteral("Team Game: ON") : QStringLiteral("Team Game: OFF"));
        QCOMPARE(t.tag(QStringLiteral("label_teamgame")), on ? 1 : 0);
        for (int s = 1; s <= 4; ++s) QCOMPARE(t.shown(QStringLiteral("label_team%1").arg(s)), on);
    }
}

void TestTableEvents::locationsForAnotherSeat() {
    Table t(2, QStringLiteral("Bob"));
    t.seatEveryone();
    const QStringList before = snapshot(t);
    QVERIFY(t.feed(announce::locations(lateJoinerState()))); // target 3
    QCOMPARE(snapshot(t), before);
}

void TestTableEvents::badAnnouncementsChangeNothing_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("seat not a number") << QByteArray("CMD_nextplayer+x+1+");
    QTest::newRow("seat out of range") << QByteArray("CMD_nextplayer+7+1+");
    QTest::newRow("missing dice") << QByteArray("CMD_hisdice+1+2+3+");
    QTest::newRow("square off the board") << QByteArray("CMD_movehim+1+1+1+500+0+0+0+0+0+0+0+0+0+f+");
    QTest::newRow("negative square") << QByteArray("CMD_movehim+1+1+1+-3+0+0+0+0+0+0+0+0+0+f+");
    QTest::newRow("seat 9 moves") << QByteArray("CMD_movehim+9+1+1+5+0+0+0+0+0+0+0+0+0+f+");
    QTest::newRow("pawn 0 moves") << QByteArray("CMD_movehim+1+1+0+5+0+0+0+0+0+0+0+0+0+f+");
    QTest::newRow("bonus not a number") << QByteArray("CMD_movehim+1+1+1+5+0+zz+0+0+0+0+0+0+0+f+");
    QTest::newRow("pawn 7 sent back") << QByteArray("CMD_sendback+1+3+7+0+");
    QTest::newRow("capturer 0") << QByteArray("CMD_sendback+0+3+1+0+");
    QTest::newRow("winner 9") << QByteArray("CMD_winner+9+");
    QTest::newRow("winner text") << QByteArray("CMD_winner+abc+");
    QTest::newRow("error code missing") << QByteArray("CMD_aerror+1+");
    QTest::newRow("number of a newcomer") << QByteArray("CMD_newplayerinfo+x+Bob");
    QTest::newRow("connection 0") << QByteArray("CMD_newplayerinfo+0+Bob");
    QTest::newRow("departure without number") << QByteArray("CMD_playerdisconnected++Bob");
    QTest::newRow("remove seat 2's pawns") << QByteArray("CMD_removepegs+2+");
    QTest::newRow("penalty pawn 6") << QByteArray("CMD_gotpenalty+1+6+0+1+1+");
    QTest::newRow("limit penalty pawn -1") << QByteArray("CMD_gotpenalty1+1+-1+0+");
    QTest::newRow("watching seat 7") << QByteArray("CMD_justwatching+7+1");
    QTest::newRow("warning pawn 9") << QByteArray("CMD_warning+1+9+1+");
    QTest::newRow("roll again, empty") << QByteArray("CMD_rollagain+");
    QTest::newRow("no moves, seat 0") << QByteArray("CMD_nomoves+0+");
    QTest::newRow("passing, no field") << QByteArray("CMD_passing");
    QTest::newRow("locations cut short") << QByteArray("CMD_locations+1+1+2+1+1+1+1+0+t+t+3+4+");
    QTest::newRow("locations square 300")
        << QByteArray("CMD_locations+1+1+2+1+1+1+1+0+t+t+3+4+0+0+0+0+0+0+0+0+300+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+");
    QTest::newRow("locations, nobody's turn")
        << QByteArray("CMD_locations+1+0+2+1+1+1+1+0+t+t+3+4+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+");
}

void TestTableEvents::badAnnouncementsChangeNothing() {
    QFETCH(QByteArray, message);
    Table t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(announce::nextplayer(1, 1));
    t.feed(announce::hisdice(1, 2, 3, 5, 0, 0, true));
    t.feed(announce::movehim(move(1, 2, 1, 5, 1, true)));
    t.feed(announce::movehim(move(3, 1, 1, 13, 1, false)));
    t.hooks.forget();
    const QStringList before = snapshot(t);
    QVERIFY(t.feed(message.toStdString() + kTerminator));
    QCOMPARE(snapshot(t), before);
}

void TestTableEvents::notTheBoardsCommands() {
    Table t(1);
    const QStringList before = snapshot(t);
    QVERIFY(!t.feed(announce::chat("2", "Bob", "hi|clBlack")));
    QVERIFY(!t.feed(announce::full()));
    QVERIFY(!t.feed(announce::sendlogininfo(3)));
    QVERIFY(!t.feed(announce::wrongversion()));
    QVERIFY(!t.feed(announce::havewrongversion("Bob")));
    QVERIFY(!t.feed(announce::playasound("2", "wave3+")));
    QCOMPARE(snapshot(t), before);
}

// A game in its middle, saved as a picture when QUADRINO_SCREENSHOT_DIR names a folder.
void TestTableEvents::screenshot() {
    Table t(1, QStringLiteral("Ann"), true);
    t.seatEveryone();
    t.feed(announce::startgame("Ann", "1", "1", "1", "1", "t", "t", "1", 3));
    const int moves[][4] = {{1, 1, 5, 1},  {1, 2, 5, 1},  {1, 3, 30, 20}, {1, 4, 97, 71}, {2, 1, 45, 7},
                            {2, 2, 87, 66}, {3, 1, 60, 5}, {3, 2, 13, 26}, {4, 1, 22, 1},  {4, 2, 93, 70}};
    for (const auto& m : moves) t.feed(announce::movehim(move(m[0], 4, m[1], m[2], m[3])));
    t.feed(announce::justwatching(4, "1"));
    t.feed(announce::nextplayer(1, 1));
    t.feed(announce::hisdice(1, 2, 3, 3, 3, 3, true));
    auto m = move(1, 6, 3, 33, 24, true);
    m.amounts.bonus20a = 20;
    m.amounts.bonus10a = 10;
    m.amounts.double2 = 3;
    t.feed(announce::movehim(m));
    t.panel->piece_12MouseUp(1, 1, Qt::LeftButton);
    t.feed(announce::warning(1, 1, 2));
    QVERIFY(t.marker(1)->isVisible());

    const QPixmap picture = t.panel->grab();
    QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(781, 512));
    const QString dir = qEnvironmentVariable("QUADRINO_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("set QUADRINO_SCREENSHOT_DIR to save the picture");
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(picture.save(QDir(dir).filePath(QStringLiteral("table_panel.png"))));

    // The notices over the board: an error, and the question about a departed player.
    t.feed(announce::aerror(1, 5));
    t.feed(announce::playerdisconnected(3, "Cid"));
    t.feed(announce::winner(2));
    t.w(QStringLiteral("panel_error"))->show();
    QVERIFY(t.panel->grab().save(QDir(dir).filePath(QStringLiteral("table_panel_error.png"))));
    t.panel->Image3Click();
    t.w(QStringLiteral("panel_bottakeover"))->show();
    QVERIFY(t.panel->grab().save(QDir(dir).filePath(QStringLiteral("table_panel_question.png"))));
}

QTEST_MAIN(TestTableEvents)
#include "test_table_events.moc"
