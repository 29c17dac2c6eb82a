// SPDX-License-Identifier: GPL-3.0-or-later
// Preferences to and from the settings file: defaults, every key's reading, the mended
// range checks, saves before the first load, and round trips through the file on disk.
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "settings/preferences_file.h"

#include "file_bytes.h"

using namespace quadrino;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(std::string)

namespace {

using testing::fileBytes;
using testing::putFile;

Preferences loaded(const std::string& text) {
    Preferences p = Preferences::beforeFirstLoad();
    loadPreferences(IniFile(text), p);
    return p;
}

// Every field but the phrases, by a short name, so one table row can name the field it checks.
int field(const Preferences& p, const std::string& name) {
    if (name == "top") return p.wintop;
    if (name == "left") return p.winleft;
    if (name == "width") return p.winwidth;
    if (name == "height") return p.winheight;
    if (name == "textsize") return p.textsize;
    if (name == "textcolor") return p.textcolor;
    if (name == "penalty") return p.options.penalty;
    if (name == "passing") return p.options.passing;
    if (name == "blocking") return p.options.blocking;
    if (name == "pouncing") return p.options.pouncing;
    if (name == "fullgame") return p.options.fullgame;
    if (name == "blocklimit") return p.options.blocklimit;
    if (name == "playsounds") return p.playsounds;
    if (name == "chattersounds") return p.chattersounds;
    if (name == "turnsound") return p.turnsound;
    if (name == "botspeed") return p.botspeed;
    if (name == "joinport") return p.joinport;
    if (name == "hostport") return p.hostport;
    if (name == "animations") return p.animations;
    if (name == "listonnetwork") return p.listOnNetwork;
    if (name == "askrouter") return p.askRouter;
    if (name == "listinlobby") return p.listInLobby;
    if (name == "lobbyserverlength") return static_cast<int>(p.lobbyServer.size());
    qFatal("no field %s", name.c_str());
}

} // namespace

class TestPreferencesFile : public QObject {
    Q_OBJECT

private slots:
    void emptyFileGivesDefaults();
    void readsEachKey_data();
    void readsEachKey();
    void phrases();
    void savesEveryKeyInOrder();
    void saveBeforeLoadWritesOnlyGeometry();
    void roundTripThroughDisk();
    void unreadableFileIsNoLoad();
};

void TestPreferencesFile::emptyFileGivesDefaults() {
    for (const std::string text : {"", "[quadrino]\r\n", "[other]\r\nTextsize=12\r\nBotspeed=500\r\n"}) {
        const Preferences p = loaded(text);
        QCOMPARE(p.wintop, 3);
        QCOMPARE(p.winleft, 3);
        QCOMPARE(p.winwidth, 795);
        QCOMPARE(p.winheight, 562);
        QCOMPARE(p.textsize, 8);
        QCOMPARE(p.textcolor, 0);
        QVERIFY(p.options.penalty && !p.options.passing && p.options.blocking && p.options.pouncing && !p.options.fullgame);
        QCOMPARE(p.options.blocklimit, 0);
        QVERIFY(p.playsounds);
        QVERIFY(p.chattersounds);
        QCOMPARE(p.botspeed, 1000);
        QCOMPARE(p.turnsound, Preferences::kTurnSoundClassic);
        QVERIFY(p.listOnNetwork && p.askRouter);
        QVERIFY(p.loaded);
        Preferences fileDefaults; // a fresh value holds the defaults of the file's keys
        fileDefaults.loaded = true;
        QVERIFY(p == fileDefaults);
    }
}

void TestPreferencesFile::readsEachKey_data() {
    QTest::addColumn<std::string>("line");
    QTest::addColumn<std::string>("field");
    QTest::addColumn<int>("expected");
    auto row = [](const char* name, const char* line, const char* f, int v) {
        QTest::newRow(name) << std::string(line) << std::string(f) << v;
    };
    row("window off every screen", "Top=-5000", "top", -5000);
    row("window beyond any screen", "Top=1048577", "top", 3);
    row("left at the edge of an int", "Left=-2147483648", "left", 3);
    row("left far away", "Left=-1048576", "left", -1048576);
    row("left in hex", "left=$20", "left", 32);
    row("width", "Width=1024", "width", 1024);
    row("width not positive", "Width=-5", "width", 795);
    row("height not a number", "Height=tall", "height", 562);
    row("text size off the menu", "Textsize=11", "textsize", 11);
    row("text size in hex", "TEXTSIZE=0xE", "textsize", 14);
    row("text size zero", "Textsize=0", "textsize", 8);
    row("text size too big", "Textsize=73", "textsize", 8);
    row("text size largest", "Textsize=72", "textsize", 72);
    row("colour by name", "Textcolor=clRed", "textcolor", 0x0000FF);
    row("colour name in any case", "Textcolor=CLNAVY", "textcolor", 0x800000);
    row("colour in hex", "Textcolor=$00C08040", "textcolor", 0xC08040);
    row("no colour", "Textcolor=reddish", "textcolor", 0);
    row("colour none mark", "Textcolor=clNone", "textcolor", 0);
    row("penalty off", "Penalty=0", "penalty", 0);
    row("penalty out of range", "Penalty=2", "penalty", 1);
    row("passing on", "Passing=1", "passing", 1);
    row("passing negative", "Passing=-1", "passing", 0);
    row("blocking off", "Blocking=0", "blocking", 0);
    row("pouncing junk", "Pouncing=yes", "pouncing", 1);
    row("full game", "Full=1", "fullgame", 1);
    row("limit", "Limits=5", "blocklimit", 5);
    row("limit in hex", "Limits=$A", "blocklimit", 10);
    row("limit too high", "Limits=11", "blocklimit", 0);
    row("limit negative", "Limits=-1", "blocklimit", 0);
    row("sounds off", "Playsounds=false", "playsounds", 0);
    row("sounds: comparison is exact", "Playsounds=False", "playsounds", 1);
    row("sounds: quoted false", "Playsounds=\"false\"", "playsounds", 0);
    row("chatter off", "ChatterSounds=false", "chattersounds", 0);
    row("chatter other text", "chattersounds=0", "chattersounds", 1);
    row("bot slow", "Botspeed=1500", "botspeed", 1500);
    row("bot fast", "Botspeed=500", "botspeed", 500);
    row("bot 750 is normal", "Botspeed=750", "botspeed", 1000);
    row("bot in hex is normal", "Botspeed=$5DC", "botspeed", 1000);
    row("turn sound new", "Turnsound=1", "turnsound", 1);
    row("turn sound other", "Turnsound=2", "turnsound", 0);
    row("join port", "JoinPort=7000", "joinport", 7000);
    row("join port zero", "JoinPort=0", "joinport", 7772);
    row("join port too big", "JoinPort=65536", "joinport", 7772);
    row("join port junk", "JoinPort=seven", "joinport", 7772);
    row("host port", "HostPort=7800", "hostport", 7800);
    row("host port zero picks a free one", "HostPort=0", "hostport", 0);
    row("host port too big", "HostPort=70000", "hostport", 7772);
    row("animations off", "Animations=false", "animations", 0);
    row("animations: comparison is exact", "Animations=FALSE", "animations", 1);
    row("not listed on the network", "ListOnNetwork=false", "listonnetwork", 0);
    row("listing: only false switches it off", "ListOnNetwork=0", "listonnetwork", 1);
    row("router not asked", "AskRouter=false", "askrouter", 0);
    row("router: comparison is exact", "AskRouter=False", "askrouter", 1);
    row("kept out of the lobby", "ListInLobby=false", "listinlobby", 0);
    row("lobby server, Windows-1252 to UTF-8", "LobbyServer=l\xF6" "bby.example", "lobbyserverlength", 14);
}

void TestPreferencesFile::readsEachKey() {
    QFETCH(std::string, line);
    QFETCH(std::string, field);
    QFETCH(int, expected);
    const Preferences p = loaded("[lobby]\r\nTextsize=30\r\n[Quadrino]\r\n" + line + "\r\n");
    QCOMPARE(::field(p, field), expected);
    // One key never moves another away from its default.
    const Preferences defaults = loaded("");
    for (const char* name : {"top", "left", "width", "height", "textsize", "textcolor", "penalty", "passing",
                             "blocking", "pouncing", "fullgame", "blocklimit", "playsounds", "chattersounds",
                             "turnsound", "botspeed", "joinport", "hostport", "animations", "listonnetwork",
                             "askrouter", "listinlobby", "lobbyserverlength"})
        if (name != field) QCOMPARE(::field(p, name), ::field(defaults, name));
}

void TestPreferencesFile::phrases() {
    Preferences p = Preferences::beforeFirstLoad();
    p.phrases[1] = "Kept";
    p.phrases[2] = "Also kept";
    loadPreferences(IniFile("[quadrino]\r\nPhrase1=Hi all\r\nPhrase2=\r\nPhrase6=Wow, WTG!\r\n"
                            "Phrase9=Sch\xF6n \x80\r\n"),
                    p);
    QCOMPARE(p.phrases[0], std::string("Hi all"));
    QCOMPARE(p.phrases[1], std::string("Kept")); // empty value
    QCOMPARE(p.phrases[2], std::string("Also kept")); // absent key
    QCOMPARE(p.phrases[5], std::string("Wow, WTG!"));
    QCOMPARE(p.phrases[8], std::string("Sch\xC3\xB6n \xE2\x82\xAC")); // Windows-1252 to UTF-8

    // Only the editor writes them; the other saves leave them alone.
    IniFile file("[quadrino]\r\nPhrase1=stored\r\n");
    savePreferences(p, file);
    QCOMPARE(file.value("quadrino", "Phrase1"), std::optional<std::string>("stored"));
    savePhrases(p, file);
    QCOMPARE(file.value("quadrino", "Phrase1"), std::optional<std::string>("Hi all"));
    QCOMPARE(file.value("quadrino", "Phrase9"), std::optional<std::string>("Sch\xF6n \x80"));
    Preferences back = Preferences::beforeFirstLoad();
    loadPreferences(file, back);
    QVERIFY(back.phrases == p.phrases);
}

void TestPreferencesFile::savesEveryKeyInOrder() {
    Preferences p;
    p.loaded = true;
    p.wintop = -20;
    p.winleft = 40;
    p.textsize = 12;
    p.textcolor = 0x123456;
    p.options.passing = true;
    p.options.blocklimit = 4;
    p.playsounds = false;
    p.botspeed = Preferences::kBotFast;
    p.turnsound = Preferences::kTurnSoundNew;
    p.botlevel = Preferences::kBotStrong;
    p.animations = false;
    p.askRouter = false;
    IniFile file;
    savePreferences(p, file);
    QCOMPARE(QByteArray::fromStdString(file.bytes()),
             QByteArray("[quadrino]\nTextsize=12\nTop=-20\nLeft=40\nWidth=795\nHeight=562\nTextcolor=$00123456\n"
                        "Penalty=1\nPassing=1\nBlocking=1\nPouncing=1\nFull=0\nBotspeed=500\nTurnsound=1\n"
                        "Limits=4\nPlaysounds=false\nChatterSounds=true\nHostName=\nJoinName=\nJoinAddress=\n"
                        "JoinPort=7772\nBotlevel=strong\nHostPort=7772\nListOnNetwork=true\nAskRouter=false\n"
                        "ListInLobby=true\nLobbyServer=\nGameLog=false\nAnimations=false\n"));
    p.textcolor = 0x0000FF;
    savePreferences(p, file);
    QCOMPARE(file.value("quadrino", "Textcolor"), std::optional<std::string>("clRed"));
}

void TestPreferencesFile::saveBeforeLoadWritesOnlyGeometry() {
    const std::string stored = "[quadrino]\r\nTextsize=14\r\nTop=100\r\nBotspeed=1500\r\nChatterSounds=true\r\n"
                               "Penalty=0\r\nLimits=7\r\n";
    Preferences p = Preferences::beforeFirstLoad();
    p.wintop = 10;
    p.winleft = 20;
    p.winwidth = 800;
    p.winheight = 600;
    IniFile file(stored);
    savePreferences(p, file);
    QCOMPARE(QByteArray::fromStdString(file.bytes()),
             QByteArray("[quadrino]\r\nTextsize=14\r\nTop=10\r\nBotspeed=1500\r\nChatterSounds=true\r\n"
                        "Penalty=0\r\nLimits=7\r\nLeft=20\r\nWidth=800\r\nHeight=600\r\n"));

    // Once loaded, the user's own choices are what gets saved.
    loadPreferences(file, p);
    QCOMPARE(p.textsize, 14);
    QCOMPARE(p.botspeed, 1500);
    QCOMPARE(p.options.blocklimit, 7);
    p.chattersounds = false;
    savePreferences(p, file);
    QCOMPARE(file.value("quadrino", "ChatterSounds"), std::optional<std::string>("false"));
    QCOMPARE(file.value("quadrino", "Limits"), std::optional<std::string>("7"));
}

void TestPreferencesFile::roundTripThroughDisk() {
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "kestrunlobby.ini";
    const std::string lobby = "[Lobby]\r\nName=Bob\r\nTop=1\r\n\r\n";
    const std::string tail = "\r\n[Other]\r\nx=$FF\r\n";
    putFile(path, lobby + "[QUADRINO]\r\ntextsize=10\r\n" + tail);

    Preferences p = Preferences::beforeFirstLoad();
    QCOMPARE(loadPreferencesFrom(path, p), std::string());
    QCOMPARE(p.textsize, 10);
    p.textsize = 14;
    p.textcolor = 0x00FF00;
    p.options.penalty = false;
    p.options.pouncing = false;
    p.options.fullgame = true;
    p.options.blocklimit = 10;
    p.chattersounds = false;
    p.botspeed = Preferences::kBotSlow;
    p.winwidth = 1000;
    p.hostname = "J\xC3\xBCrgen";
    p.joinname = "Bob";
    p.joinaddress = "fe80::1%eth0";
    p.joinport = 7000;
    QCOMPARE(savePreferencesTo(path, p), std::string());

    Preferences back = Preferences::beforeFirstLoad();
    QCOMPARE(loadPreferencesFrom(path, back), std::string());
    QVERIFY(back == p);

    const std::string bytes = fileBytes(path);
    QVERIFY(bytes.starts_with(lobby + "[QUADRINO]\r\ntextsize=14\r\n"));
    QVERIFY(bytes.ends_with(tail));
    for (std::size_t i = 0; i < bytes.size(); ++i) // CRLF kept for the new lines too
        if (bytes[i] == '\n') QVERIFY(i > 0 && bytes[i - 1] == '\r');
}

void TestPreferencesFile::unreadableFileIsNoLoad() {
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "kestrunlobby.ini";
    fs::create_directory(path);
    Preferences p = Preferences::beforeFirstLoad();
    QVERIFY(!loadPreferencesFrom(path, p).empty());
    QCOMPARE(p.textsize, 8); // the defaults are shown...
    QVERIFY(!p.loaded);      // ...but not saved as if they were the user's
    QCOMPARE(savePreferencesTo(path, p), "Unable to write to " + path.string());
}

QTEST_APPLESS_MAIN(TestPreferencesFile)
#include "test_preferences_file.moc"
