// SPDX-License-Identifier: GPL-3.0-or-later
// The table model's handling of the host's announcements: what each announcement shows,
// says, plays and keeps in the client's picture of the game. No widgets, no QApplication.
#include <QtTest>

#include "model_fixture.h"

using namespace quadrino;
using fixture::move;
using fixture::q;
using Model = fixture::ModelTable;
using quadrino::GameOption;

namespace {

Locations lateJoinerState() {
    Locations i;
    i.target = 3;
    i.whoseturn = 3;
    i.turnphase = 2;
    i.options.penalty = true;
    i.options.blocking = true;
    i.options.pouncing = true;
    i.seat3playing = "t";
    i.seat4playing = "t";
    i.die1 = 0;
    i.die2 = 4;
    i.amounts.bonus20a = 20;
    i.amounts.bonus10a = 10;
    i.pawns = {{{5, 5, 97, 0}, {40, 0, 0, 0}, {60, 0, 0, 0}, {0, 0, 0, 0}}};
    return i;
}

bool nothingAsked(const table::Outcome& out) {
    return out.chat.empty() && out.sounds.empty() && out.requests.empty() && !out.justWatch && !out.tally &&
           !out.reloadSettings && !out.openGameOptions && out.messageBox.empty();
}

} // namespace

class TestTableModel : public QObject {
    Q_OBJECT
private slots:
    void initialState();
    void newplayerinfo_data();
    void newplayerinfo();
    void playerdisconnected_data();
    void playerdisconnected();
    void spectatorLeaves();
    void spyListHoldsOneEntryPerNumber_data();
    void spyListHoldsOneEntryPerNumber();
    void startthegame();
    void startthegameClearsTheLastGame();
    void getnextplayer();
    void namesakeTurnIsNotMine();
    void hisdice();
    void movehimPairs();
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
    void warningRunsForTwentyFrames();
    void lateJoiner();
    void morestatsFlag();
    void locationsForAnotherSeat();
    void badAnnouncementsChangeNothing_data();
    void badAnnouncementsChangeNothing();
    void notTheBoardsCommands();
    void offersOnlyWhatTheHostGrants_data();
    void offersOnlyWhatTheHostGrants();
    void movablePawns_data();
    void tallyCountsOnlyAGameSeenRunning_data();
    void tallyCountsOnlyAGameSeenRunning();
    void tallyCountsOnlySeatsInTheGame_data();
    void tallyCountsOnlySeatsInTheGame();
    void movablePawns();
    void resetGivesAFreshTable();
};

void TestTableModel::initialState() {
    Model t;
    for (int s = 1; s <= 4; ++s) {
        const table::SeatView& seat = t.state().seat(s);
        QCOMPARE(q(seat.name), QStringLiteral("<Waiting>"));
        QVERIFY(!seat.turn && !seat.eyes && !seat.winner && !seat.pass);
        QCOMPARE(seat.progress, 0);
        for (int p = 1; p <= 4; ++p) QCOMPARE(t.state().pawn(s, p), (table::PawnView{0, false, true}));
    }
    QCOMPARE(q(table::botName(1)), QString());
    QCOMPARE(q(table::botName(4)), QStringLiteral("Kling"));
    QVERIFY(t.shownMarkers().isEmpty());
    for (int n = 1; n <= 8; ++n) QVERIFY(!t.state().bonusShownAt(n));
    QVERIFY(!t.state().options.teamgame);
    QVERIFY(!t.state().startShown);
    t.model.setHosting(true);
    QVERIFY(t.state().startShown);
    QVERIFY(!t.state().errorShown && !t.state().questionShown && !t.state().warning.shown);
    QVERIFY(!t.state().out[3] && !t.state().out[4]);
    QCOMPARE(t.state().clientphase, 0);
    QCOMPARE(t.state().turnseat, 0);
    QCOMPARE(q(t.state().status), QStringLiteral("Welcome to Quadrino"));
    QCOMPARE(q(t.state().questionName), QStringLiteral("Player?"));
    QCOMPARE(t.rule(GameOption::penalty), QStringLiteral("Doubles Penalty: OFF"));
    QCOMPARE(t.rule(GameOption::passing), QStringLiteral("Passing: OFF"));
    QCOMPARE(t.rule(GameOption::blocking), QStringLiteral("Blocking: OFF"));
    QCOMPARE(t.rule(GameOption::pouncing), QStringLiteral("Pouncing: OFF"));
    QCOMPARE(t.rule(GameOption::teamgame), QStringLiteral("Team Game: OFF"));
    QCOMPARE(t.rule(GameOption::blocklimit), QStringLiteral("Block Limit: OFF"));
}

void TestTableModel::newplayerinfo_data() {
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

void TestTableModel::newplayerinfo() {
    QFETCH(int, myseat);
    QFETCH(bool, existing);
    QFETCH(int, number);
    QFETCH(QByteArray, name);
    QFETCH(QStringList, chat);
    QFETCH(QString, caption);
    QFETCH(QStringList, spies);
    QFETCH(int, reloads);
    Model t(myseat);
    const std::string n = name.toStdString();
    QVERIFY(t.feed(existing ? encode(ExistingPlayers{number, n}) : encode(NewPlayerInfo{number, n})));
    QCOMPARE(t.rec.chat, chat);
    QCOMPARE(t.rec.sounds, QStringList{"entered"});
    QStringList listed;
    for (const auto& entry : t.state().spies) listed << q(entry);
    QCOMPARE(listed, spies);
    QCOMPARE(t.rec.settingsReloads, reloads);
    if (number <= 4) QCOMPARE(t.name(number), caption);
    for (int s = 1; s <= 4; ++s)
        if (s != number) QCOMPARE(t.name(s), QStringLiteral("<Waiting>"));
}

void TestTableModel::playerdisconnected_data() {
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

void TestTableModel::playerdisconnected() {
    QFETCH(int, myseat);
    QFETCH(QString, team);
    QFETCH(QString, seat4playing);
    QFETCH(int, leaving);
    QFETCH(bool, byBot);
    QFETCH(QStringList, chat);
    QFETCH(QString, caption);
    QFETCH(bool, question);
    Model t(myseat);
    t.seatEveryone();
    if (byBot) t.feed(encode(PlayerDisconnected{leaving, "x"}));
    t.feed(quadrino::testing::startAnnouncement("Ann", "0", "0", "0", "0", "t", seat4playing.toStdString(), team.toStdString(), 0));
    t.feed(encode(JustWatching{leaving, "1"}));
    QVERIFY(t.state().seat(leaving).eyes);
    t.take(t.model.answerQuestion(true));
    t.rec.forget();

    const QString before = t.name(leaving);
    QVERIFY(t.feed(encode(PlayerDisconnected{leaving, "ignored"})));
    QCOMPARE(t.rec.chat, chat);
    QCOMPARE(t.name(leaving), caption);
    QCOMPARE(q(t.state().questionName), before);
    QCOMPARE(t.state().questionSeat, leaving);
    QVERIFY(!t.state().seat(leaving).eyes);
    QCOMPARE(t.state().questionShown, question);
}

void TestTableModel::spectatorLeaves() {
    Model t(1);
    // Announced before its login has a name, and again after: listed once.
    t.feed(encode(ExistingPlayers{6, ""}));
    t.feed(encode(NewPlayerInfo{6, "Eve"}));
    t.feed(encode(NewPlayerInfo{7, "Fay"}));
    t.rec.forget();
    t.feed(encode(PlayerDisconnected{6, "Eve"}));
    QCOMPARE(t.rec.chat, QStringList{"0+Eve has left."});
    QCOMPARE(t.state().spies, std::vector<std::string>{"7: Fay"});
    // Not (or no longer) listed: nothing is said.
    t.feed(encode(PlayerDisconnected{6, "Eve"}));
    t.feed(encode(PlayerDisconnected{8, "Gus"}));
    QCOMPARE(t.rec.chat, QStringList{"0+Eve has left."});
    QVERIFY(!t.state().questionShown);
}

void TestTableModel::spyListHoldsOneEntryPerNumber_data() {
    QTest::addColumn<QStringList>("arrivals"); // "number:name"
    QTest::addColumn<QStringList>("spies");
    QTest::newRow("a number taken again") << QStringList{"5:Eve", "6:Fay", "5:Gus"} << QStringList{"6: Fay", "5: Gus"};
    QStringList many;
    for (int i = 0; i < 5000; ++i) many << QStringLiteral("%1:Spy%2").arg(5 + i % 5).arg(i);
    QTest::newRow("thousands of arrivals")
        << many << QStringList{"5: Spy4995", "6: Spy4996", "7: Spy4997", "8: Spy4998", "9: Spy4999"};
}

void TestTableModel::spyListHoldsOneEntryPerNumber() {
    QFETCH(QStringList, arrivals);
    QFETCH(QStringList, spies);
    Model t(1);
    for (const QString& a : arrivals)
        t.feed(encode(NewPlayerInfo{a.section(u':', 0, 0).toInt(), a.section(u':', 1).toStdString()}));
    QStringList listed;
    for (const auto& entry : t.state().spies) listed << q(entry);
    QCOMPARE(listed, spies);
}

void TestTableModel::startthegame() {
    Model t(4, "Dee", true);
    t.feed(encode(ExistingPlayers{1, "Ann"}));
    t.feed(encode(NewPlayerInfo{4, "Dee"}));
    t.model.setHosting(true);
    t.rec.forget();
    QVERIFY(t.feed(quadrino::testing::startAnnouncement("Ann", "1", "0", "1", "0", "t", "f", "1", 4)));
    QCOMPARE(t.rule(GameOption::penalty), QStringLiteral("Doubles Penalty: ON"));
    QCOMPARE(t.rule(GameOption::passing), QStringLiteral("Passing: OFF"));
    QCOMPARE(t.rule(GameOption::blocking), QStringLiteral("Blocking: ON"));
    QVERIFY(t.state().options.blocking);
    QCOMPARE(t.rule(GameOption::pouncing), QStringLiteral("Pouncing: OFF"));
    QVERIFY(!t.state().options.pouncing);
    QCOMPARE(t.rule(GameOption::teamgame), QStringLiteral("Team Game: ON"));
    QVERIFY(t.state().options.teamgame);
    QCOMPARE(t.rule(GameOption::blocklimit), QStringLiteral("Block Limit: 4"));
    QVERIFY(!t.state().startShown);
    QCOMPARE(t.rec.justWatch, QList<bool>{false});
    // Seat 4 sits this game out, and its player is told so before the start notice.
    QCOMPARE(t.rec.chat,
             QStringList({"0+The game has already started, you will have to wait for the next game before you can "
                          "play.",
                          "0+Ann has started a game."}));
    for (int p = 1; p <= 4; ++p) {
        QVERIFY(!t.state().pawn(4, p).shown);
        QVERIFY(t.state().pawn(3, p).shown);
    }
    QVERIFY(t.state().out[4]);
    QVERIFY(!t.state().out[3]);
    QCOMPARE(t.name(1), QStringLiteral("Ann"));
    QCOMPARE(t.name(2), QStringLiteral("Klot"));
    QCOMPARE(t.name(3), QStringLiteral("Klick"));
    QCOMPARE(t.name(4), QStringLiteral("Dee"));

    // The next game: seat 4 plays again, no team, no limit.
    t.rec.forget();
    t.feed(quadrino::testing::startAnnouncement("Ann", "0", "1", "0", "1", "t", "t", "0", 0));
    QCOMPARE(t.rule(GameOption::blocklimit), QStringLiteral("Block Limit: None"));
    QCOMPARE(t.rule(GameOption::teamgame), QStringLiteral("Team Game: OFF"));
    QCOMPARE(t.rule(GameOption::pouncing), QStringLiteral("Pouncing: ON"));
    QVERIFY(t.state().options.pouncing);
    QVERIFY(!t.state().options.teamgame);
    QVERIFY(!t.state().out[4]);
    QVERIFY(t.state().pawn(4, 2).shown);
    QCOMPARE(t.rec.chat, QStringList{"0+Ann has started a game."});
}

void TestTableModel::startthegameClearsTheLastGame() {
    Model t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{2, 1}));
    t.feed(encode(HisDice{2, 2, 5, 5, 5, 5, true}));
    auto m = move(2, 1, 1, 39, 1, true);
    m.amounts.bonus20a = 20;
    t.feed(encode(m));
    t.feed(encode(JustWatching{3, "1"}));
    t.feed(encode(AError{1, 5}));
    t.feed(encode(Winner{2}));
    QVERIFY(t.state().seat(2).winner);
    QVERIFY(!t.state().log.empty());
    t.feed(quadrino::testing::startAnnouncement("Ann", "0", "0", "0", "0", "t", "t", "0", 0));
    QVERIFY(t.state().log.empty());
    QVERIFY(!t.state().canmove);
    QCOMPARE(t.state().pawn(2, 1), (table::PawnView{0, false, true}));
    QCOMPARE(t.state().seat(2).progress, 0);
    QVERIFY(!t.state().seat(2).winner);
    QVERIFY(!t.state().seat(3).eyes);
    QVERIFY(!t.state().errorShown);
    for (int n = 1; n <= 8; ++n) {
        QVERIFY(!t.state().bonusShownAt(n));
        QCOMPARE(t.state().bonusAt(n), 0);
    }
}

void TestTableModel::getnextplayer() {
    Model t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(AError{1, 2}));
    QVERIFY(t.state().errorShown);
    t.feed(encode(NextPlayer{1, 1}));
    QCOMPARE(q(t.state().status), QStringLiteral("Your Turn."));
    QCOMPARE(t.rec.sounds, QStringList({"notvalid", "turn"}));
    QCOMPARE(t.state().turnseat, 1);
    QCOMPARE(t.state().clientphase, 1);
    QVERIFY(!t.state().canmove); // set by the error, cleared by the new turn
    QVERIFY(!t.state().errorShown);
    QVERIFY(t.state().seat(1).turn);
    QCOMPARE(t.state().dice.place, table::DicePlace::Corner);
    QCOMPARE(t.state().dice.cornerSeat, 1);
    QCOMPARE(t.state().dice.face.items, (std::array<int, 2>{1, 1}));

    t.feed(encode(HisDice{1, 2, 6, 6, 6, 6, true}));
    QVERIFY(t.state().seat(1).pass);
    QVERIFY(t.state().bonusShownAt(3));
    t.rec.forget();
    t.model.setNewTurnSound(true);
    t.feed(encode(NextPlayer{3, 1}));
    QCOMPARE(q(t.state().status), QStringLiteral("Cid's turn."));
    QVERIFY(t.rec.sounds.isEmpty());
    QVERIFY(!t.state().seat(1).turn);
    QVERIFY(t.state().seat(3).turn);
    QVERIFY(!t.state().seat(1).pass);
    QVERIFY(!t.state().bonusShownAt(3));
    QCOMPARE(t.state().bonusAt(3), 0);
    QCOMPARE(t.state().dice.cornerSeat, 3);
    QCOMPARE(t.state().clientphase, 1); // on every client

    // Own turn with the new turn sound; a phase other than 1 leaves the dice where they lie.
    t.feed(encode(NextPlayer{1, 1}));
    QCOMPARE(t.rec.sounds, QStringList{"turnnew"});
    t.feed(encode(NextPlayer{4, 2}));
    QCOMPARE(t.state().dice.cornerSeat, 1);
    QCOMPARE(q(t.state().status), QStringLiteral("Dee's turn."));
}

void TestTableModel::namesakeTurnIsNotMine() {
    // A peer under the user's own name: only the user's seat brings "Your Turn." and the sound.
    Model t(1, "Sam");
    t.feed(encode(NewPlayerInfo{1, "Sam"}));
    t.feed(encode(NewPlayerInfo{3, "Sam"}));
    t.startGame();
    t.feed(encode(NextPlayer{3, 1}));
    QCOMPARE(q(t.state().status), QStringLiteral("Sam's turn."));
    QVERIFY(t.rec.sounds.isEmpty());
    t.feed(encode(NextPlayer{1, 1}));
    QCOMPARE(q(t.state().status), QStringLiteral("Your Turn."));
    QCOMPARE(t.rec.sounds, QStringList{"turn"});
}

void TestTableModel::hisdice() {
    Model t(2, "Bob");
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{1, 1}));
    t.feed(encode(move(1, 1, 1, 5)));
    t.rec.forget();

    // Somebody else's plain roll: drawn loosely in the middle, no log, the ordinary sound.
    t.feed(encode(HisDice{1, 2, 3, 4, 0, 0, true}));
    QCOMPARE(t.rec.sounds, QStringList{"doubledice"});
    QCOMPARE(q(t.state().log), QStringLiteral("Ann moved a pawn."));
    QCOMPARE(t.state().dice.place, table::DicePlace::Rolled);
    QCOMPARE(t.state().dice.face.items, (std::array<int, 2>{3, 4}));
    for (int drop : t.state().dice.rolledDrop) QVERIFY2(drop >= 0 && drop <= 31, qPrintable(QString::number(drop)));
    QCOMPARE(t.state().dice.value[1], 0);
    QVERIFY(!t.state().canmove);
    QVERIFY(!t.state().seat(1).pass);
    QVERIFY(!t.state().bonusShownAt(3));

    // Own doubles: both copies as tokens, the amounts kept.
    t.rec.forget();
    t.feed(encode(NextPlayer{2, 1}));
    t.feed(encode(HisDice{2, 2, 4, 4, 4, 4, false}));
    QCOMPARE(q(t.state().log), QStringLiteral(" DOUBLES!"));
    QCOMPARE(t.rec.sounds.last(), QStringLiteral("dice"));
    QVERIFY(t.state().bonusShownAt(3) && t.state().bonusShownAt(4));
    QCOMPARE(t.state().bonusAt(3), 4);
    QCOMPARE(t.state().bonusAt(4), 4);
    QCOMPARE(t.state().dice.value.items, (std::array<int, 2>{4, 4}));
    QCOMPARE(t.state().clientphase, 2);
    QVERIFY(t.state().canmove);
    QVERIFY(!t.state().seat(2).pass); // passing not allowed this time
    const auto m = t.model.mirror();
    QCOMPARE(m.amounts.amount(8), 8);
    QVERIFY(m.options.blocking && m.options.pouncing);

    t.feed(encode(NextPlayer{2, 1}));
    t.feed(encode(HisDice{2, 2, 1, 2, 0, 0, true}));
    QVERIFY(t.state().seat(2).pass);
}

// Where the pawns stand in pixels is the panel's test; here, who stands beside whom.
void TestTableModel::movehimPairs() {
    Model t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(move(1, 1, 1, 5, 1, true)));
    QCOMPARE(t.model.boardpawn(1, 1), 5);
    QCOMPARE(q(t.state().log), QStringLiteral("You have moved a pawn."));
    QCOMPARE(t.rec.sounds, QStringList{"movepiece"});
    QCOMPARE(t.state().seat(1).progress, 0); // 1 div 2
    t.feed(encode(move(1, 2, 2, 5, 2, true)));
    QVERIFY(t.state().pawn(1, 2).paired);
    QVERIFY(!t.state().pawn(1, 1).paired);
    QCOMPARE(t.state().seat(1).progress, 1);
    // The one left behind goes back to the middle of its square.
    t.feed(encode(move(1, 6, 1, 10, 7, true)));
    QVERIFY(!t.state().pawn(1, 2).paired);
    QVERIFY(!t.state().pawn(1, 1).paired);
    // Other seats' pawns are never paired with each other; home is never paired.
    t.feed(encode(move(2, 1, 1, 10)));
    QVERIFY(!t.state().pawn(2, 1).paired);
    QCOMPARE(q(t.state().log), QStringLiteral("Bob moved a pawn."));
    t.feed(encode(move(1, 3, 3, 97)));
    t.feed(encode(move(1, 3, 4, 97)));
    QVERIFY(!t.state().pawn(1, 4).paired);
    QCOMPARE(q(t.state().log), QStringLiteral("You have moved a pawn HOME."));
    t.feed(encode(move(3, 1, 4, 98)));
    QCOMPARE(q(t.state().log), QStringLiteral("Cid moved a pawn HOME."));
}

void TestTableModel::movehimDiceAndBonuses() {
    Model t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{1, 1}));
    t.feed(encode(HisDice{1, 2, 6, 6, 6, 6, false}));
    QVERIFY(t.state().canmove);

    // A bonus move leaves both dice alone; the slots come from the announcement.
    auto m = move(1, 4, 1, 30, 40, false);
    m.amounts.bonus20b = 20;
    m.amounts.bonus10a = 10;
    m.amounts.bonus10c = 10;
    m.amounts.double1 = 6;
    t.feed(encode(m));
    QCOMPARE(t.state().dice.value.items, (std::array<int, 2>{6, 6}));
    const bool shown[8] = {false, true, true, false, true, false, false, true};
    for (int n = 1; n <= 8; ++n) QCOMPARE(t.state().bonusShownAt(n), shown[n - 1]);
    QCOMPARE(t.state().bonusAt(5), 20);
    QCOMPARE(t.state().bonusAt(4), 0);
    QCOMPARE(t.state().seat(1).progress, 20);

    // Die 2 used: only it is cleared; then the sum clears both.
    t.feed(encode(move(1, 2, 1, 36, 46, true)));
    QCOMPARE(t.state().dice.value.items, (std::array<int, 2>{6, 0}));
    QCOMPARE(t.state().dice.face.items, (std::array<int, 2>{6, -1}));
    QVERIFY(t.state().canmove);
    t.feed(encode(move(1, 3, 1, 48, 58, false)));
    QCOMPARE(t.state().dice.value.items, (std::array<int, 2>{0, 0}));
    QCOMPARE(t.state().dice.face.items, (std::array<int, 2>{-1, -1}));
}

void TestTableModel::sendback() {
    for (int myseat : {1, 2}) {
        Model t(myseat, myseat == 1 ? "Ann" : "Bob");
        t.seatEveryone();
        t.startGame();
        t.feed(encode(move(3, 1, 1, 13, 30)));
        t.feed(encode(move(1, 1, 1, 13, 10)));
        t.rec.forget();
        QVERIFY(t.feed(encode(SendBack{1, 3, 1, 12})));
        QCOMPARE(t.state().pawn(3, 1), (table::PawnView{0, false, true}));
        QCOMPARE(t.state().seat(3).progress, 6);
        if (myseat == 1) {
            QCOMPARE(q(t.state().log), QStringLiteral("You have sent Cid back to start."));
            QCOMPARE(t.rec.sounds, QStringList{"gotbonus"});
        } else {
            QCOMPARE(q(t.state().log), QStringLiteral("Ann sent Cid back to start."));
            QCOMPARE(t.rec.sounds, QStringList{"sendback"});
        }
    }
}

void TestTableModel::logLines_data() {
    QTest::addColumn<int>("myseat");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("sound");
    auto b = [](const std::string& s) { return QByteArray::fromStdString(s); };
    QTest::newRow("roll again, own") << 2 << b(encode(RollAgain{2})) << "You get to roll again." << "rollagain";
    QTest::newRow("roll again") << 1 << b(encode(RollAgain{2})) << "Bob gets to roll again." << "rollagain";
    QTest::newRow("no moves, own") << 3 << b(encode(NoMoves{3})) << "You have no valid moves." << "nomoves";
    QTest::newRow("no moves") << 1 << b(encode(NoMoves{3})) << "Cid has no valid moves." << "nomoves";
    QTest::newRow("passing, own") << 4 << b(encode(Passing{4})) << "You have passed." << "nomoves";
    QTest::newRow("passing") << 1 << b(encode(Passing{4})) << "Dee has passed." << "nomoves";
    QTest::newRow("penalty, own") << 1 << b(encode(GotPenalty{1, 0, 0, 2, 2})) << "You got a Doubles Penalty."
                                  << "nomoves";
    QTest::newRow("penalty") << 2 << b(encode(GotPenalty{1, 0, 0, 2, 2})) << "Ann got a 3 Double Penalty."
                             << "nomoves";
    QTest::newRow("limit penalty, own") << 1 << b(encode(GotPenalty1{1, 0, 0})) << "You got a Limit Penalty"
                                        << "nomoves";
    QTest::newRow("limit penalty") << 2 << b(encode(GotPenalty1{1, 0, 0})) << "Ann got a Limited Penalty"
                                   << "nomoves";
}

void TestTableModel::logLines() {
    QFETCH(int, myseat);
    QFETCH(QByteArray, message);
    QFETCH(QString, log);
    QFETCH(QString, sound);
    Model t(myseat);
    t.seatEveryone();
    t.startGame();
    // Markers and a pass button on screen beforehand: every one of these takes them away.
    t.feed(encode(NextPlayer{myseat, 1}));
    t.feed(encode(HisDice{myseat, 2, 1, 2, 0, 0, true}));
    const int start[] = {5, 39, 56, 22};
    t.feed(encode(move(myseat, 1, 1, start[myseat - 1], 1, true)));
    t.take(t.model.clickPawn(myseat, 1, false));
    QVERIFY(t.state().marker(2).shown);
    t.rec.forget();
    QVERIFY(t.feed(message.toStdString()));
    QCOMPARE(q(t.state().log), log);
    QCOMPARE(t.rec.sounds, QStringList{sound});
    if (!message.startsWith("CMD_rollagain")) QVERIFY(!t.state().marker(2).shown);
    if (message.startsWith("CMD_nomoves") || message.startsWith("CMD_passing") || message.startsWith("CMD_gotpenalty+"))
        QVERIFY(!t.state().seat(myseat).pass);
}

void TestTableModel::gotpenalty() {
    Model t(2, "Bob");
    t.seatEveryone();
    t.startGame();
    t.feed(encode(move(1, 1, 2, 20, 16)));
    t.feed(encode(GotPenalty{1, 2, 0, 3, 3}));
    QCOMPARE(t.state().pawn(1, 2), (table::PawnView{0, false, true}));
    QCOMPARE(t.state().seat(1).progress, 0);
    QCOMPARE(t.state().dice.place, table::DicePlace::Rolled);
    QVERIFY(t.state().bonusShownAt(3));
    QCOMPARE(t.state().bonusAt(4), 3);

    // No pawn to send back: the progress bar is left as it was.
    t.feed(encode(move(3, 1, 1, 60, 10)));
    t.feed(encode(GotPenalty1{3, 0, 0}));
    QCOMPARE(t.state().seat(3).progress, 5);
    QCOMPARE(t.model.boardpawn(3, 1), 60);
    t.feed(encode(GotPenalty1{3, 1, 2}));
    QCOMPARE(t.model.boardpawn(3, 1), 0);
    QCOMPARE(t.state().seat(3).progress, 1);
}

void TestTableModel::passingKeepsLaterTokens() {
    Model t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{1, 1}));
    t.feed(encode(HisDice{1, 2, 2, 2, 2, 2, true}));
    auto m = move(1, 1, 1, 30, 30, true);
    m.amounts = {20, 20, 20, 10, 10, 10, 2, 2};
    t.feed(encode(m));
    for (int n = 1; n <= 8; ++n) QVERIFY(t.state().bonusShownAt(n));
    t.feed(encode(Passing{1}));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!t.state().bonusShownAt(n));
        QVERIFY(t.state().bonusAt(n) > 0);
    }
    for (int n = 5; n <= 8; ++n) QVERIFY(t.state().bonusShownAt(n));
    t.feed(encode(NextPlayer{2, 1}));
    for (int n = 1; n <= 8; ++n) {
        QVERIFY(!t.state().bonusShownAt(n));
        QCOMPARE(t.state().bonusAt(n), 0);
    }
}

void TestTableModel::aerror_data() {
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

void TestTableModel::aerror() {
    QFETCH(int, seat);
    QFETCH(int, code);
    QFETCH(QString, text);
    Model t(2, "Bob");
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{2, 1}));
    t.rec.forget();
    QVERIFY(t.feed(encode(AError{seat, code})));
    QCOMPARE(t.state().errorShown, !text.isEmpty());
    QCOMPARE(t.state().canmove, !text.isEmpty());
    if (text.isEmpty()) {
        QVERIFY(t.rec.sounds.isEmpty());
        return;
    }
    QCOMPARE(q(t.state().errorText), text);
    QCOMPARE(t.rec.sounds, QStringList{"notvalid"});
    t.take(t.model.closeError());
    QVERIFY(!t.state().errorShown);
}

void TestTableModel::winner_data() {
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

void TestTableModel::winner() {
    QFETCH(int, myseat);
    QFETCH(int, code);
    QFETCH(QString, log);
    QFETCH(QList<int>, crowned);
    QFETCH(QStringList, tally);
    Model t(myseat, "x", true);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{myseat <= 4 ? myseat : 1, 1}));
    t.feed(encode(HisDice{myseat <= 4 ? myseat : 1, 2, 3, 3, 3, 3, true}));
    t.feed(encode(AError{myseat, 4}));
    t.rec.forget();
    QVERIFY(t.feed(encode(Winner{code})));
    QCOMPARE(q(t.state().log), log);
    QCOMPARE(t.rec.chat, QStringList{"0+" + log});
    QCOMPARE(t.rec.sounds, QStringList{"winner"});
    QCOMPARE(t.rec.tally, tally);
    for (int s = 1; s <= 4; ++s) {
        QCOMPARE(t.state().seat(s).winner, crowned.contains(s));
        QCOMPARE(t.state().seat(s).progress, crowned.contains(s) ? 150 : 0);
        QVERIFY(!t.state().seat(s).pass);
        QVERIFY(!t.state().seat(s).turn);
    }
    QVERIFY(!t.state().errorShown);
    QVERIFY(t.state().startShown);
    for (int n = 1; n <= 8; ++n) QCOMPARE(t.state().bonusAt(n), 0);
    // Only the hosting copy offers the next game.
    Model guest(2, "Bob");
    guest.feed(encode(Winner{1}));
    QVERIFY(!guest.state().startShown);
    // Nor does a client that never saw the game start count it.
    QVERIFY(guest.rec.tally.isEmpty());
}

void TestTableModel::justwatching_data() {
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

void TestTableModel::justwatching() {
    QFETCH(int, myseat);
    QFETCH(int, seat);
    QFETCH(QString, flag);
    QFETCH(QStringList, chat);
    QFETCH(bool, eyes);
    QFETCH(QList<bool>, checkMark);
    Model t(myseat);
    t.seatEveryone();
    if (!eyes && seat <= 4) t.feed(encode(JustWatching{seat, "1"}));
    t.rec.forget();
    QVERIFY(t.feed(encode(JustWatching{seat, flag.toStdString()})));
    QCOMPARE(t.rec.chat, chat);
    QCOMPARE(t.rec.justWatch, checkMark);
    if (seat <= 4) QCOMPARE(t.state().seat(seat).eyes, eyes);
}

void TestTableModel::removepegs() {
    Model t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(move(4, 1, 1, 22, 1)));
    t.feed(encode(move(4, 3, 2, 30, 9)));
    t.feed(encode(RemovePegs{4}));
    QVERIFY(t.state().out[4]);
    QCOMPARE(t.state().seat(4).progress, 0);
    for (int p = 1; p <= 4; ++p) QCOMPARE(t.state().pawn(4, p), (table::PawnView{0, false, false}));
    // Only seats 3 and 4 can be taken out.
    t.feed(encode(RemovePegs{2}));
    QVERIFY(t.state().pawn(2, 1).shown);
}

void TestTableModel::warningRunsForTwentyFrames() {
    Model t(2, "Bob");
    t.seatEveryone();
    t.startGame();
    t.feed(encode(move(2, 1, 3, 45)));
    t.feed(encode(move(1, 1, 1, 13)));
    // Another seat's warning only moves the animation to that pawn.
    t.feed(encode(Warning{1, 1, 2}));
    QVERIFY(t.state().warning.moved);
    QCOMPARE(t.state().warning.at.square, 13);
    QVERIFY(!t.state().warning.shown);
    QVERIFY(!t.model.warningTick());
    t.feed(encode(Warning{2, 3, 4}));
    QCOMPARE(t.state().warning.at.square, 45);
    QVERIFY(t.state().warning.shown);
    QCOMPARE(t.state().warning.ticks, 0);
    int frames = 0;
    while (t.model.warningTick()) ++frames;
    QCOMPARE(frames, 20);
    QCOMPARE(t.state().warning.ticks, 21);
    QVERIFY(!t.state().warning.shown);
}

void TestTableModel::lateJoiner() {
    Model t(3, "Cid");
    t.feed(encode(NewPlayerInfo{3, "Cid"}));
    t.feed(encode(ExistingPlayers{1, "Ann"}));
    t.feed(encode(ExistingPlayers{2, "Bob"}));
    t.rec.forget();
    QVERIFY(t.feed(encode(lateJoinerState())));
    QVERIFY(t.feed(encode(MoreStats{false})));
    QCOMPARE(t.rule(GameOption::teamgame), QStringLiteral("Team Game: OFF"));
    QVERIFY(t.feed(encode(MoreStats{true})));

    QCOMPARE(t.state().turnseat, 3);
    QCOMPARE(t.state().clientphase, 2);
    QVERIFY(t.state().canmove);
    QCOMPARE(t.rule(GameOption::penalty), QStringLiteral("Doubles Penalty: ON"));
    QCOMPARE(t.rule(GameOption::passing), QStringLiteral("Passing: OFF"));
    QCOMPARE(t.rule(GameOption::blocklimit), QStringLiteral("Block Limit: None"));
    QCOMPARE(t.rule(GameOption::teamgame), QStringLiteral("Team Game: ON"));
    QVERIFY(t.state().options.teamgame);
    QCOMPARE(t.name(4), QStringLiteral("Kling"));
    QCOMPARE(t.name(1), QStringLiteral("Ann"));
    // Pawns sharing a square overlap exactly: nobody is told which came first.
    QCOMPARE(t.state().pawn(1, 1), (table::PawnView{5, false, true}));
    QCOMPARE(t.state().pawn(1, 2), (table::PawnView{5, false, true}));
    QCOMPARE(t.model.boardpawn(1, 3), 97);
    QCOMPARE(t.model.boardpawn(3, 1), 60);
    // A used die 1 is gone, as the seated players see it; die 2 as it is.
    QCOMPARE(t.state().dice.value.items, (std::array<int, 2>{0, 4}));
    QCOMPARE(t.state().dice.face.items, (std::array<int, 2>{-1, 4}));
    QCOMPARE(t.state().dice.place, table::DicePlace::Rolled);
    // Progress from the squares: seat 1 has two pawns 1 past entering and one home (75 squares).
    QCOMPARE(t.state().seat(1).progress, (1 + 1 + 72) / 2);
    QCOMPARE(t.state().seat(2).progress, (1 + 1) / 2);
    QCOMPARE(t.state().seat(3).progress, 5 / 2);
    QCOMPARE(t.state().seat(4).progress, 0);
    QVERIFY(t.state().bonusShownAt(1));
    QCOMPARE(t.state().bonusAt(1), 20);
    QVERIFY(t.state().bonusShownAt(2));
    QVERIFY(!t.state().bonusShownAt(3));
    QVERIFY(t.state().seat(3).turn);
    QCOMPARE(q(t.state().status), QStringLiteral("Your Turn."));
    QCOMPARE(t.rec.sounds, QStringList{"turn"});

    // The picture is enough for markers at once: the 4 and the 10; the used die and the sum
    // are gone, and the 20 would pass seat 1's pair on square 5.
    t.take(t.model.clickPawn(3, 1, false));
    const QList<QPair<int, int>> expected = {{2, 64}, {5, 2}};
    for (int code = 1; code <= 12; ++code) {
        int target = 0;
        for (const auto& e : expected)
            if (e.first == code) target = e.second;
        QCOMPARE(t.state().marker(code).shown, target != 0);
        if (target == 0) continue;
        QCOMPARE(t.state().marker(code).target, target);
        QCOMPARE(t.state().marker(code).pawn, 1);
    }
    QVERIFY(t.rec.sent.empty());

    // Another seat to move: its name in the status line.
    Model other(4, "Dee");
    other.feed(encode(ExistingPlayers{1, "Ann"}));
    auto state = lateJoinerState();
    state.target = 4;
    state.whoseturn = 1;
    other.feed(encode(state));
    QCOMPARE(q(other.state().status), QStringLiteral("Ann's turn."));
    QVERIFY(!other.state().canmove);
    QCOMPARE(other.state().dice.value[1], 0);

    // Before the mover has rolled, the dice wait in the mover's corner.
    Model waiting(4, "Dee");
    state.turnphase = 1;
    state.die1 = 3;
    state.die2 = 2;
    waiting.feed(encode(state));
    QCOMPARE(waiting.state().dice.place, table::DicePlace::Corner);
    QCOMPARE(waiting.state().dice.cornerSeat, 1);
    QCOMPARE(waiting.state().dice.face.items, (std::array<int, 2>{1, 1}));
}

void TestTableModel::morestatsFlag() {
    Model t;
    const std::pair<const char*, bool> cases[] = {{"1+", true}, {"1", true},   {"0+", false},
                                                  {"x+", false}, {"", false},   {"11+", false}};
    for (const auto& [body, on] : cases) {
        t.feed(fixture::bytes("CMD_morestats+1+"));
        QVERIFY(t.state().options.teamgame);
        QVERIFY(t.feed(std::string("CMD_morestats+") + body + kTerminator));
        QCOMPARE(t.rule(GameOption::teamgame), on ? QStringLiteral("Team Game: ON") : QStringLiteral("Team Game: OFF"));
        QCOMPARE(t.state().options.teamgame, on);
    }
}

void TestTableModel::locationsForAnotherSeat() {
    Model t(2, "Bob");
    t.seatEveryone();
    const table::TableState before = t.state();
    const table::Outcome out = t.feedOutcome(encode(lateJoinerState())); // target 3
    QVERIFY(t.lastHandled && !out.changed && nothingAsked(out));
    QVERIFY(t.state() == before);
}

void TestTableModel::badAnnouncementsChangeNothing_data() {
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
    QTest::newRow("connection 10") << QByteArray("CMD_newplayerinfo+10+Bob");
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
    QTest::newRow("doubles copy of 9") << QByteArray("CMD_hisdice+1+2+3+3+9+3+0+");
    QTest::newRow("turn phase 3") << QByteArray("CMD_nextplayer+2+3+");
    QTest::newRow("start with block limit 11") << QByteArray("CMD_startgame+Ann+1+0+1+1+t+t+0+11+0+");
    QTest::newRow("newcomer number 10") << QByteArray("CMD_newplayerinfo+10+Bob");
    QTest::newRow("locations, limit 12")
        << QByteArray("CMD_locations+1+1+2+1+1+1+1+12+t+t+3+4+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+");
    QTest::newRow("dice beyond any int's sum") << QByteArray("CMD_hisdice+1+2+2147483647+2147483647+0+0+1+");
    QTest::newRow("20 bonus of 2^31-1") << QByteArray("CMD_movehim+1+4+1+25+0+2147483647+0+0+0+0+0+0+0+t+");
    QTest::newRow("10 bonus of 20") << QByteArray("CMD_movehim+1+5+1+15+0+0+0+0+20+0+0+0+0+t+");
    QTest::newRow("penalty dice 99") << QByteArray("CMD_gotpenalty+1+0+0+99+99+");
    QTest::newRow("locations die 7")
        << QByteArray("CMD_locations+1+1+2+1+1+1+1+0+t+t+7+4+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+");
    QTest::newRow("locations, nobody's turn")
        << QByteArray("CMD_locations+1+0+2+1+1+1+1+0+t+t+3+4+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+0+");
}

void TestTableModel::badAnnouncementsChangeNothing() {
    QFETCH(QByteArray, message);
    Model t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(NextPlayer{1, 1}));
    t.feed(encode(HisDice{1, 2, 3, 5, 0, 0, true}));
    t.feed(encode(move(1, 2, 1, 5, 1, true)));
    t.feed(encode(move(3, 1, 1, 13, 1, false)));
    const table::TableState before = t.state();
    const table::Outcome out = t.feedOutcome(message.toStdString() + kTerminator);
    QVERIFY(t.lastHandled && !out.changed && nothingAsked(out));
    QVERIFY(t.state() == before);
}

void TestTableModel::notTheBoardsCommands() {
    Model t(1);
    const table::TableState before = t.state();
    for (const std::string& m : {encode(ChatMessage{2, "Bob chats: hi|clBlack"}), encode(Full{}), encode(SendLoginInfo{3}),
                                 encode(WrongVersion{}), encode(HaveWrongVersion{"Bob"}),
                                 encode(SoundMessage{2, "wave3+"})}) {
        const table::Outcome out = t.feedOutcome(m);
        QVERIFY2(!t.lastHandled && nothingAsked(out), m.c_str());
    }
    QVERIFY(t.state() == before);
}


void TestTableModel::offersOnlyWhatTheHostGrants_data() {
    QTest::addColumn<int>("onStart"); // own pawns on the start square 5 as the turn begins
    QTest::addColumn<bool>("rollAgain");
    QTest::addColumn<int>("die1");
    QTest::addColumn<bool>("firstMove"); // pawn 1 moves the first die before the click
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QList<int>>("markers");
    QTest::addColumn<bool>("sends");
    // Pawns 1 and 2 begin the turn together; pawn 1 moves 3 to square 8. Pawn 2 may not form
    // the block again there, not even after a roll again.
    QTest::newRow("block partner") << 2 << false << 3 << true << 2 << QList<int>{} << false;
    QTest::newRow("block partner after roll again") << 2 << true << 3 << true << 2 << QList<int>{} << false;
    // A nest pawn cannot enter onto the user's own block; beside a single pawn it can.
    QTest::newRow("entering onto a block") << 2 << false << 5 << false << 3 << QList<int>{} << false;
    QTest::newRow("entering beside one") << 1 << false << 5 << false << 3 << QList<int>{} << true;
}

void TestTableModel::offersOnlyWhatTheHostGrants() {
    QFETCH(int, onStart);
    QFETCH(bool, rollAgain);
    QFETCH(int, die1);
    QFETCH(bool, firstMove);
    QFETCH(int, clicked);
    QFETCH(QList<int>, markers);
    QFETCH(bool, sends);
    Model t(1);
    t.seatEveryone();
    t.startGame();
    for (int p = 1; p <= onStart; ++p) t.feed(encode(move(1, 4, p, 5)));
    t.feed(encode(NextPlayer{1, 1}));
    if (rollAgain) {
        t.feed(encode(RollAgain{1}));
        t.feed(encode(NextPlayer{1, 1}));
    }
    t.feed(encode(HisDice{1, 2, die1, 3, 0, 0, false}));
    if (firstMove) t.feed(encode(move(1, 1, 1, 8, 3, true)));
    t.rec.forget();
    t.take(t.model.clickPawn(1, clicked, false));
    QCOMPARE(t.shownMarkers(), markers);
    QCOMPARE(!t.rec.sent.empty(), sends);
}

void TestTableModel::movablePawns_data() {
    QTest::addColumn<int>("die1");
    QTest::addColumn<int>("die2");
    QTest::addColumn<bool>("blockOnStart");
    QTest::addColumn<QList<bool>>("movable");
    // Every pawn at start but pawn 4 on square 20.
    QTest::newRow("1 and 4 enter by the sum") << 1 << 4 << false << QList<bool>{true, true, true, true};
    QTest::newRow("6 and 4: only the pawn out") << 6 << 4 << false << QList<bool>{false, false, false, true};
    QTest::newRow("a five against a block on the start square")
        << 5 << 6 << true << QList<bool>{false, false, false, true};
}

void TestTableModel::movablePawns() {
    QFETCH(int, die1);
    QFETCH(int, die2);
    QFETCH(bool, blockOnStart);
    QFETCH(QList<bool>, movable);
    Model t(1);
    t.seatEveryone();
    t.startGame();
    t.feed(encode(move(1, 4, 4, 20)));
    if (blockOnStart) {
        t.feed(encode(move(1, 4, 1, 5)));
        t.feed(encode(move(1, 4, 2, 5)));
    }
    auto list = [&t] {
        const auto m = t.model.movablePawns();
        return QList<bool>(m.begin(), m.end());
    };
    const QList<bool> none{false, false, false, false};
    t.feed(encode(NextPlayer{1, 1}));
    QCOMPARE(list(), none); // not rolled yet
    t.feed(encode(HisDice{1, 2, die1, die2, 0, 0, false}));
    if (blockOnStart) movable[0] = movable[1] = true; // the block itself may move on
    QCOMPARE(list(), movable);
    // Clicking an enterable pawn sends the move; the highlights wait for the host's answer.
    t.take(t.model.clickPawn(1, 3, false));
    if (movable[2]) QCOMPARE(list(), none);
    // Nothing is highlighted on another seat's turn.
    t.feed(encode(NextPlayer{2, 1}));
    t.feed(encode(HisDice{2, 2, die1, die2, 0, 0, false}));
    QCOMPARE(list(), none);
}

void TestTableModel::tallyCountsOnlyAGameSeenRunning_data() {
    QTest::addColumn<QStringList>("seen"); // start, locations (a late joiner's) or winner
    QTest::addColumn<bool>("counted");
    QTest::newRow("a game it saw start") << QStringList{"start"} << true;
    QTest::newRow("a late joiner's game") << QStringList{"locations"} << true;
    QTest::newRow("no game") << QStringList{} << false;
    QTest::newRow("a game already won") << QStringList{"start", "winner"} << false;
}

void TestTableModel::tallyCountsOnlyAGameSeenRunning() {
    QFETCH(QStringList, seen);
    QFETCH(bool, counted);
    Model t(3, "Cid");
    t.seatEveryone();
    for (const QString& s : seen) {
        if (s == u"start") t.startGame();
        else if (s == u"locations") t.feed(encode(lateJoinerState()));
        else t.feed(encode(Winner{2}));
    }
    t.rec.forget();
    QVERIFY(t.feed(encode(Winner{1})));
    QCOMPARE(t.rec.tally, counted ? QStringList{"Ann"} : QStringList{});
}

void TestTableModel::tallyCountsOnlySeatsInTheGame_data() {
    QTest::addColumn<QString>("seat3");
    QTest::addColumn<bool>("removed4");
    QTest::addColumn<QStringList>("others");
    QTest::newRow("all four") << "t" << false << QStringList({"Bob", "Cid", "Dee"});
    QTest::newRow("seat 3 sits out") << "f" << false << QStringList({"Bob", "Dee"});
    QTest::newRow("seat 4 taken out mid-game") << "t" << true << QStringList({"Bob", "Cid"});
}

void TestTableModel::tallyCountsOnlySeatsInTheGame() {
    QFETCH(QString, seat3);
    QFETCH(bool, removed4);
    QFETCH(QStringList, others);
    Model t(1);
    t.seatEveryone();
    t.feed(quadrino::testing::startAnnouncement("Ann", "0", "0", "0", "0", seat3.toStdString(), "t", "0", 0));
    if (removed4) t.feed(encode(RemovePegs{4}));
    QStringList names;
    for (const auto& n : t.model.otherPlayers()) names << q(n);
    QCOMPARE(names, others);
}

// A table reset for a new login shows and rolls exactly as a new one would, whatever the
// last game left behind; only the turn sound, the user's preference, stays.
void TestTableModel::resetGivesAFreshTable() {
    Model played(1);
    Model fresh(1);
    played.model.setNewTurnSound(true);
    fixture::ownRoll(played, 1, 1, 4, true, {{1, 4, 20}, {3, 2, 30}});
    played.feed(encode(Warning{1, 4, 1}));
    played.model.setHosting(true);
    QVERIFY(!(played.state() == fresh.state()));
    played.model.reset();
    QVERIFY(played.state() == fresh.state());
    QVERIFY(played.model.newTurnSound());
    // The dice are seeded again: the same rolls land the same way.
    for (Model* t : {&played, &fresh}) fixture::ownRoll(*t, 1, 2, 3, false);
    QCOMPARE(played.state().dice.rolledDrop.items, fresh.state().dice.rolledDrop.items);
}

QTEST_APPLESS_MAIN(TestTableModel)
#include "test_table_model.moc"
