// SPDX-License-Identifier: GPL-3.0-or-later
// Every command built byte for byte and parsed back; text conversions at the edges.
#include <QtTest>

#include <limits>
#include <map>

#include "protocol/catalogue.h"
#include "protocol/start_announcement.h"
#include "protocol/colour_text.h"
#include "protocol/cp1252.h"
#include "protocol/message_queue.h"

using namespace quadrino;

namespace {
// Writes the terminator as "~" so expected texts stay readable.
QString shown(const std::string& s) {
    QString out;
    for (char c : s) out += c == '\xFF' ? QChar('~') : QChar::fromLatin1(c);
    return out;
}
std::string body(const std::string& message) {
    auto plus = message.find('+');
    auto end = message.find('\xFF');
    return message.substr(plus + 1, end - plus - 1);
}
} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void buildsExactBytes_data() {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const std::string& b, const char* e) {
            QTest::newRow(name) << shown(b) << QString::fromLatin1(e);
        };
        row("logininfo ends with two terminators", encode(LoginRequest{3, "1.0.15", "Bob"}), "CMD_logininfo+3+1.0.15+Bob~~");
        row("kickhim", encode(KickRequest{1, 4}), "CMD_kickhim+1+4+~");
        row("chat has no trailing separator", encode(ChatMessage{2, "hi + bye|clRed"}), "CMD_chat+2+hi + bye|clRed~");
        row("action", encode(ActionMessage{2, "says: Wow!|$00FF8000"}), "CMD_action+2+says: Wow!|$00FF8000~");
        row("startgame",
            encode(StartGameRequest{"You", {}, {.penalty = true, .blocking = true, .pouncing = true, .fullgame = true,
                                                .blocklimit = 3}}),
            "CMD_startgame+You+1+0+1+1+0+3+1+~");
        row("justwatch", encode(JustWatchRequest{3, "1"}), "CMD_justwatch+3+1~");
        row("playerroll", encode(RollRequest{3}), "CMD_playerroll+3+~");
        row("moveit", encode(MoveRequest{3, 1, 2}), "CMD_moveit+3+1+2+~");
        row("playerpass", encode(PassRequest{4}), "CMD_playerpass+4+~");
        row("bottakeover", encode(BotTakeoverRequest{1, 3}), "CMD_bottakeover+1+3+~");
        row("playasound", encode(SoundMessage{2, SoundMessage::wave(13)}), "CMD_playasound+2+wave13+~");
        row("botspeed", encode(BotSpeedRequest{1, 500}), "CMD_botspeed+1+500+~");
        row("sendlogininfo", encode(SendLoginInfo{5}), "CMD_sendlogininfo+5~");
        row("full", encode(Full{}), "CMD_full+~");
        row("newplayerinfo", encode(NewPlayerInfo{2, "A+B"}), "CMD_newplayerinfo+2+A+B~");
        row("existingplayers", encode(ExistingPlayers{1, "You"}), "CMD_existingplayers+1+You~");
        row("havewrongversion", encode(HaveWrongVersion{"Zed"}), "CMD_havewrongversion+Zed~");
        row("wrongversion", encode(WrongVersion{}), "CMD_wrongversion+~");
        row("morestats", encode(MoreStats{true}), "CMD_morestats+1+~");
        row("playerdisconnected", encode(PlayerDisconnected{3, "Cy"}), "CMD_playerdisconnected+3+Cy~");
        row("justwatching", encode(JustWatching{2, "1"}), "CMD_justwatching+2+1~");
        row("chat relay", encode(ChatMessage{2, "Bo chats: hi|clRed"}), "CMD_chat+2+Bo chats: hi|clRed~");
        row("action relay", encode(ActionMessage{2, "Bo waves|clRed"}), "CMD_action+2+Bo waves|clRed~");
        row("playasound relay", encode(SoundMessage{2, "wave3+"}), "CMD_playasound+2+wave3+~");
        row("startgame relay has ten fields", quadrino::testing::startAnnouncement("You", "1", "0", "1", "1", "t", "f", "0", 2),
            "CMD_startgame+You+1+0+1+1+t+f+0+2+0+~");
        row("nextplayer", encode(NextPlayer{3, 1}), "CMD_nextplayer+3+1+~");
        row("rollagain", encode(RollAgain{3}), "CMD_rollagain+3+~");
        row("hisdice", encode(HisDice{1, 2, 4, 4, 4, 4, true}), "CMD_hisdice+1+2+4+4+4+4+1+~");
        row("nomoves", encode(NoMoves{1}), "CMD_nomoves+1+~");
        row("gotpenalty", encode(GotPenalty{1, 0, 12, 3, 3}), "CMD_gotpenalty+1+0+12+3+3+~");
        row("gotpenalty1", encode(GotPenalty1{2, 1, 40}), "CMD_gotpenalty1+2+1+40+~");
        row("warning", encode(Warning{2, 1, 3}), "CMD_warning+2+1+3+~");
        row("passing", encode(Passing{4}), "CMD_passing+4+~");
        row("aerror", encode(AError{4, 5}), "CMD_aerror+4+5+~");
        row("sendback", encode(SendBack{1, 3, 2, 17}), "CMD_sendback+1+3+2+17+~");
        row("removepegs", encode(RemovePegs{3}), "CMD_removepegs+3+~");
        row("winner", encode(Winner{6}), "CMD_winner+6+~");
        MoveHim m;
        m.seat = 1; m.code = 4; m.pawn = 2; m.square = 30; m.progress = 55;
        m.amounts = {0, 20, 0, 10, 0, 0, 3, 0};
        m.moreMoves = true;
        row("movehim", encode(m), "CMD_movehim+1+4+2+30+55+0+20+0+10+0+0+3+0+t+~");
        // Built in place: the longest numbers still fit whole.
        const int lo = std::numeric_limits<int>::min();
        const MoveHim widest{lo, lo, lo, lo, lo, {lo, lo, lo, lo, lo, lo, lo, lo}, false};
        row("movehim of the widest numbers", std::string(encodeShort(widest).view()),
            "CMD_movehim+-2147483648+-2147483648+-2147483648+-2147483648+-2147483648+-2147483648+"
            "-2147483648+-2147483648+-2147483648+-2147483648+-2147483648+-2147483648+-2147483648+f+~");
        row("hisdice in place", std::string(encodeShort(HisDice{2, 2, 6, 1, 0, 0, false}).view()),
            "CMD_hisdice+2+2+6+1+0+0+0+~");
        row("numbers at the edges of the small ones",
            std::string(encodeShort(SendBack{9, 10, 999, 1000}).view()) +
                std::string(encodeShort(GotPenalty{-1, 99, 100, 0, 2147483647}).view()),
            "CMD_sendback+9+10+999+1000+~CMD_gotpenalty+-1+99+100+0+2147483647+~");
    }
    void buildsExactBytes() {
        QFETCH(QString, built);
        QFETCH(QString, expected);
        QCOMPARE(built, expected);
    }

    void freeTextNeverCarriesTheTerminator() {
        auto m = encode(ChatMessage{1, "a\xFF" "CMD_kickhim+1+2+|clRed"});
        QCOMPARE(std::count(m.begin(), m.end(), '\xFF'), 1L);
        QCOMPARE(m.back(), '\xFF');
        auto n = encode(NewPlayerInfo{1, "x\xFFy"});
        QCOMPARE(std::count(n.begin(), n.end(), '\xFF'), 1L);
        auto l = encode(LoginRequest{1, "1.0.15", "\xFF\xFF"});
        QCOMPARE(std::count(l.begin(), l.end(), '\xFF'), 2L);
    }

    // Every option travels alone through each message that carries it and comes back as it
    // went, without touching another option; a message that does not carry it drops it.
    void eachOptionRoundTripsAlone() {
        for (const GameOptionRow& row : kGameOptions) {
            GameOptions sent;
            row.set(sent, row.highest);
            std::map<OptionCarrier, GameOptions> back;
            const auto request = decode<StartGameRequest>(body(encode(StartGameRequest{"Bo", {}, sent})));
            QVERIFY(request);
            back[OptionCarrier::request] = request->options;
            const auto announced = decode<StartGameAnnouncement>(body(encode(StartGameAnnouncement::relaying(*request, "t", "f", request->options))));
            QVERIFY(announced);
            back[OptionCarrier::announcement] = announced->options;
            Locations state;
            state.options = sent;
            const auto late = decode<Locations>(body(encode(state)));
            QVERIFY(late);
            back[OptionCarrier::locations] = late->options;
            for (const auto& [carrier, options] : back) {
                const char* what = row.control.data();
                for (const GameOptionRow& other : kGameOptions)
                    QVERIFY2(other.value(options) == (&other == &row && row.fieldIn(carrier) != 0 ? row.highest : 0), what);
            }
        }
    }

    void locationsRoundTrip() {
        Locations i;
        i.target = 3; i.whoseturn = 2; i.turnphase = 2;
        i.options.penalty = i.options.blocking = true;
        i.options.blocklimit = 4;
        i.seat3playing = "t"; i.seat4playing = "f"; i.die1 = 5; i.die2 = 0;
        i.amounts = {20, 0, 0, 10, 10, 0, 0, 0};
        for (int s = 0; s < 4; ++s)
            for (int p = 0; p < 4; ++p) i.pawns[size_t(s)][size_t(p)] = s * 20 + p;
        auto text = encode(i);
        QCOMPARE(std::count(text.begin(), text.end(), '+'), 37L); // word + 36 fields
        auto back = decode<Locations>(body(text));
        QVERIFY(back);
        QCOMPARE(back->seat3playing, std::string("t"));
        QCOMPARE(back->seat4playing, std::string("f"));
        QCOMPARE(back->options, (GameOptions{.penalty = true, .blocking = true, .blocklimit = 4}));
        QCOMPARE(back->amounts.bonus10b, 10);
        QCOMPARE(back->pawns[3][2], 62);
        QVERIFY(!decode<Locations>("3+2+x+"));
    }

    void requestParsers() {
        auto login = decode<LoginRequest>("4+1.0.15+Ann+Lee");
        QVERIFY(login);
        QCOMPARE(login->connection, 4);
        QCOMPARE(login->name, std::string("Ann+Lee"));
        QVERIFY(!decode<LoginRequest>("four+1.0.15+Ann"));

        auto sg = decode<StartGameRequest>("Bo+1+0+1+1+0+7+1+");
        QVERIFY(sg);
        QCOMPARE(sg->options, (GameOptions{.penalty = true, .blocking = true, .pouncing = true, .fullgame = true, .blocklimit = 7}));
        QVERIFY(!decode<StartGameRequest>("Bo+1+0+1+1+0+x+1+"));

        auto jw = decode<JustWatchRequest>("3+2");
        QVERIFY(jw);
        QCOMPARE(jw->mode, std::string("2"));

        auto chat = decode<ChatMessage>("02+a+b|clRed");
        QVERIFY(chat);
        QCOMPARE(chat->sender.value, 2);
        QCOMPARE(chat->sender.text, std::string("02"));
        QCOMPARE(chat->text, std::string("a+b|clRed"));

        QVERIFY(!decode<MoveRequest>("1+2+"));
        QVERIFY(!decode<RollRequest>("3")); // no separator: the field reads empty
        auto mv = decode<MoveRequest>("1+12+4+");
        QVERIFY(mv);
        QCOMPARE(mv->code, 12);
    }

    void announcementsDecode() {
        auto hd = decode<HisDice>("1+2+6+6+6+6+0+");
        QVERIFY(hd);
        QCOMPARE(hd->double2, 6);
        QVERIFY(!hd->passAllowed);
        auto mh = decode<MoveHim>(body(encode(MoveHim{1, 3, 2, 97, 71, {0, 0, 0, 10, 0, 0, 0, 0}, true})));
        QVERIFY(mh);
        QCOMPARE(mh->square, 97);
        QVERIFY(mh->moreMoves);
        auto npi = decode<NewPlayerInfo>("5+Spy+Guy");
        QVERIFY(npi);
        QCOMPARE(npi->name, std::string("Spy+Guy"));
        // The login number has no separator after it; one after it is taken too.
        QCOMPARE(decode<SendLoginInfo>("7")->connection, 7);
        QCOMPARE(decode<SendLoginInfo>("7+8+")->connection, 7);
        QVERIFY(!decode<SendLoginInfo>(""));
        auto sgi = decode<StartGameAnnouncement>("You+1+0+1+1+t+f+0+2+0+");
        QVERIFY(sgi);
        QCOMPARE(sgi->options, (GameOptions{.penalty = true, .blocking = true, .pouncing = true, .blocklimit = 2}));
        QCOMPARE(sgi->seat3playing, std::string("t"));
        // An empty limit is none; any other limit must be a number.
        QCOMPARE(decode<StartGameAnnouncement>("You+1+0+1+1+t+f+0++0+")->options.blocklimit, 0);
        QVERIFY(!decode<StartGameAnnouncement>("You+1+0+1+1+t+f+0+x+0+"));
        // Dice and amounts no slot can hold refuse the whole announcement; the partner pawn of
        // a warning is not read.
        QVERIFY(!decode<HisDice>("1+2+7+1+0+0+0+"));
        QVERIFY(!decode<GotPenalty>("1+0+12+3+-1+"));
        QVERIFY(!decode<MoveHim>("1+3+2+97+71+0+0+0+20+0+0+0+0+t+"));
        QVERIFY(decode<Warning>("1+2+x+"));
    }

    // A request reaches exactly one handler, typed, or the malformed one naming its word;
    // a word nobody declares reaches none.
    void requestsReachOneHandler_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reached");
        QTest::newRow("move") << "CMD_moveit+2+12+4+" << "move 2 12 4";
        QTest::newRow("move short a field") << "CMD_moveit+2+12+" << "malformed CMD_moveit";
        QTest::newRow("chat keeps its sender's text") << "CMD_chat+02+hi+you" << "chat 2 02 hi+you";
        QTest::newRow("chat with no number") << "CMD_chat+x+hi" << "malformed CMD_chat";
        QTest::newRow("start with a word for a limit") << "CMD_startgame+Bo+1+0+1+1+0+x+1+" << "malformed CMD_startgame";
        QTest::newRow("bot speed is no host's") << "CMD_botspeed+1+500+" << "";
        QTest::newRow("word in other case") << "CMD_MoveIt+2+12+4+" << "";
    }
    void requestsReachOneHandler() {
        QFETCH(QString, message);
        QFETCH(QString, reached);
        const std::string text = message.toStdString();
        const CommandSplit split = splitCommand(text);
        std::string got;
        const bool known = decodeAndHandle(
            HostRequests{}, split.word, split.rest,
            Overloaded{[&](const MoveRequest& m) {
                           got = "move " + std::to_string(m.seat) + " " + std::to_string(m.code) + " " +
                                 std::to_string(m.pawn);
                       },
                       [&](const ChatMessage& m) {
                           got = "chat " + std::to_string(m.sender.value) + " " + m.sender.text + " " + m.text;
                       },
                       [&](const Malformed& m) { got = "malformed " + std::string(m.word); },
                       [&](const auto&) { got = "other"; }});
        QCOMPARE(known, !reached.isEmpty());
        QCOMPARE(QString::fromStdString(got), reached);
    }

    void dispatchWordsAreExact() {
        QVERIFY(isOneOf(HostRequests{}, "CMD_moveit"));
        QVERIFY(!isOneOf(HostRequests{}, "CMD_MoveIt"));
        QVERIFY(!isOneOf(HostRequests{}, "CMD_botspeed"));
        QVERIFY(isOneOf(ClientAnnouncements{}, "CMD_gotpenalty1"));
        QVERIFY(!isOneOf(ClientAnnouncements{}, "CMD_logininfo"));
    }

    void windows1252() {
        std::string euro = "\x80 caf\xE9 \xFF";
        QCOMPARE(QString::fromStdString(cp1252ToUtf8(euro)), QString::fromUtf8("€ café ÿ"));
        QCOMPARE(utf8ToCp1252(cp1252ToUtf8(euro)), euro);
        QCOMPARE(utf8ToCp1252("日本"), std::string("??"));
        QCOMPARE(utf8ToCp1252("\xC3"), std::string("?")); // cut sequence
        QCOMPARE(withoutTerminator("a\xFF" "b"), std::string("ayb"));
    }

    void colourText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("colour");
        QTest::newRow("name") << "clBlack" << true << 0;
        QTest::newRow("name any case") << "clblack" << true << 0;
        QTest::newRow("blue") << "clBlue" << true << 0xFF0000;
        QTest::newRow("dollar hex") << "$00FF8000" << true << 0xFF8000;
        QTest::newRow("0x hex") << "0x0000FF" << true << 0xFF;
        QTest::newRow("decimal") << "255" << true << 255;
        QTest::newRow("junk") << "rouge" << false << 0;
        QTest::newRow("bad hex") << "$GG" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
    }
    void colourText() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, colour);
        std::string t = text.toStdString();
        auto c = colourFromText(t);
        QCOMPARE(c.has_value(), valid);
        if (valid) QCOMPARE(*c, colour);
    }
    void colourToTextUsesNamesThenHex() {
        QCOMPARE(QString::fromStdString(colourToText(0xFF0000)), QString("clBlue"));
        QCOMPARE(QString::fromStdString(colourToText(0x123456)), QString("$00123456"));
        QCOMPARE(bgrToRgb(0x0000FF), 0xFF0000u);
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
