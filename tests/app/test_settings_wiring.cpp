// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with a real settings file: choices kept across runs, a shared file left
// alone outside our keys, nothing overwritten before the file has been read, the window
// brought back from a vanished screen, and the tally and settings saves that fail.
#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <filesystem>

#include "app/fake_host.h"
#include "app/launch.h"
#include "app/main_window.h"
#include "host/host.h"
#include "net/host_server.h"
#include "chat/chat_pane.h"
#include "settings/ini_file.h"
#include "settings/preferences_file.h"
#include "table/table_panel.h"
#include "tally/tally_window.h"
#include "windows/gamestart.h"

using namespace quadrino;
namespace fs = std::filesystem;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Settings beside a (writable) program folder inside the test's own folder when a settings
// file is already there, else in the user folders below it.
SettingsLocation locationIn(const QTemporaryDir& dir) {
    const fs::path root = dir.path().toStdString();
    return locateSettings(root, {root / "user", root / "data"});
}

QString settingsPath(const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("kestrunlobby.ini")); }

int storedInt(const QTemporaryDir& dir, const char* key) {
    return IniFile(readAll(settingsPath(dir)).toStdString()).readInteger(kSettingsSection, key, -12345);
}

struct Window {
    explicit Window(const SettingsLocation& location) {
        w.setMessageBox([this](const QString& t) { boxes << t; });
        w.setSettingsLocation(location);
    }
    QAction* action(const char* name) const { return w.findChild<QAction*>(QString::fromLatin1(name)); }
    bool checked(const char* name) const { return action(name)->isChecked(); }
    int linesContaining(const QString& text) const {
        int n = 0;
        for (QTextBlock b = w.mainchat()->document()->begin(); b.isValid(); b = b.next())
            if (b.text().contains(text)) ++n;
        return n;
    }
    MainWindow w;
    QStringList boxes;
};

} // namespace

class TestSettingsWiring : public QObject {
    Q_OBJECT
private slots:
    void choicesSurviveARestart() {
        QTemporaryDir dir;
        const SettingsLocation location = locationIn(dir);
        {
            Window a(location);
            a.w.loadinifile();
            // The defaults of an absent file.
            QVERIFY(a.checked("N8") && a.checked("Normal1") && a.checked("Classic1"));
            QVERIFY(a.checked("PlaySounds1") && a.checked("PlayChatterSounds1"));
            QVERIFY(a.checked("Animations1") && a.w.panel()->animations());
            a.action("Animations1")->trigger();
            QVERIFY(!a.w.panel()->animations());
            a.action("N12")->trigger();
            a.action("Slow1")->trigger();
            a.action("New1")->trigger();
            a.action("PlaySounds1")->trigger();
            a.action("PlayChatterSounds1")->trigger();
            // Game options are kept as the dialog shows them when a save happens.
            QVERIFY(a.w.gameOptions()->changebox(QStringLiteral("box_passing"), 1));
            QVERIFY(a.w.gameOptions()->changebox(QStringLiteral("box_penalty"), 0));
            QVERIFY(a.w.gameOptions()->setNumberBox(QStringLiteral("updown_limited"), 7));
            a.action("N14")->trigger();
            a.w.close();
        }
        Window b(location);
        // Nothing shows before the file is read (the menus hold their starting states).
        QVERIFY(b.checked("Normal1") && !b.checked("PlayChatterSounds1"));
        b.w.loadinifile();
        QVERIFY(b.checked("N14") && !b.checked("N12"));
        QCOMPARE(b.w.mainchat()->textSize(), 14);
        QVERIFY(b.checked("Slow1") && !b.checked("Normal1"));
        QCOMPARE(b.w.preferences().botspeed, 1500);
        QVERIFY(b.checked("New1") && !b.checked("Classic1"));
        QVERIFY(!b.checked("PlaySounds1"));
        QVERIFY(!b.checked("PlayChatterSounds1"));
        QVERIFY(!b.checked("Animations1") && !b.w.panel()->animations());
        QVERIFY(b.w.gameOptions()->options().passing);
        QVERIFY(!b.w.gameOptions()->options().penalty);
        QVERIFY(b.w.gameOptions()->options().blocking);
        QCOMPARE(b.w.gameOptions()->options().blocklimit, 7);
        QVERIFY(b.boxes.isEmpty());
    }

    void sharedFileKeepsItsOtherBytes() {
        QTemporaryDir dir;
        const QByteArray lobby = "; the lobby's own\r\n[Lobby]\r\nName=Zed, the one\r\nPort=$1F90\r\n\r\n";
        QVERIFY(writeAll(settingsPath(dir), lobby + "[QUADRINO]\r\ntextSIZE=0x0C\r\nUnknown=keep me\r\n"
                                                    "[Other]\r\nx=1\r\n"));
        Window t(locationIn(dir));
        t.w.loadinifile();
        QCOMPARE(t.w.mainchat()->textSize(), 12);
        QVERIFY(t.checked("N12"));
        t.action("Fast1")->trigger();
        const QByteArray after = readAll(settingsPath(dir));
        QVERIFY2(after.startsWith(lobby + "[QUADRINO]\r\n"), after.constData());
        QVERIFY(after.contains("Unknown=keep me\r\n"));
        QVERIFY(after.endsWith("[Other]\r\nx=1\r\n"));
        QVERIFY(!after.contains("textSIZE=0x0C"));
        QCOMPARE(after.count("\n"), after.count("\r\n")); // every new line in the file's CRLF
        QCOMPARE(storedInt(dir, "Textsize"), 12);
        QCOMPARE(storedInt(dir, "Botspeed"), 500);
    }

    void botLevelReachesTheHostAndTheFile() {
        QTemporaryDir dir;
        QVERIFY(writeAll(settingsPath(dir), "[quadrino]\nBotlevel=STRONG\n"));
        Window t(locationIn(dir));
        LaunchPlan plan = decideLaunch({});
        plan.port = 0;
        plan.openLobbyLink = false;
        t.w.processparams(plan);
        QTRY_VERIFY(t.w.identity().loggedin); // the own arrival reads the file
        QVERIFY(t.checked("BotStrong1"));
        Host& host = t.w.launcher().hostServer()->host();
        for (int seat = 1; seat <= 4; ++seat) QVERIFY(host.botLevel(seat) == BotLevel::strong);
        t.action("BotClassic1")->trigger();
        QVERIFY(host.botLevel(3) == BotLevel::classic);
        const IniFile after(readAll(settingsPath(dir)).toStdString());
        QCOMPARE(after.readString(kSettingsSection, "Botlevel", "?"), std::string("classic"));
    }

    void nothingButTheGeometryIsWrittenBeforeTheFileIsRead() {
        QTemporaryDir dir;
        QVERIFY(writeAll(settingsPath(dir), "[quadrino]\nTextsize=14\nBotspeed=1500\nChatterSounds=false\n"
                                            "Limits=5\nPenalty=0\n"));
        Window t(locationIn(dir));
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        // An option chosen and a close before login: neither may put the starting states in
        // the file.
        t.action("N8")->trigger();
        t.action("PlaySounds1")->trigger();
        t.w.move(40, 50);
        QSignalSpy closed(&t.w, &MainWindow::closed);
        t.w.close();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(storedInt(dir, "Textsize"), 14);
        QCOMPARE(storedInt(dir, "Botspeed"), 1500);
        QCOMPARE(storedInt(dir, "Limits"), 5);
        QCOMPARE(storedInt(dir, "Penalty"), 0);
        const IniFile after(readAll(settingsPath(dir)).toStdString());
        QCOMPARE(after.readString(kSettingsSection, "ChatterSounds", "?"), std::string("false"));
        QCOMPARE(after.readString(kSettingsSection, "Playsounds", "absent"), std::string("absent"));
        QCOMPARE(storedInt(dir, "Left"), t.w.frameGeometry().left());
        QCOMPARE(storedInt(dir, "Top"), t.w.frameGeometry().top());
    }

    void storedGeometryOnNoScreen_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("top");
        QTest::newRow("far above") << QByteArray("Top=-5000\nLeft=3\nWidth=795\nHeight=562\n") << -5000;
        QTest::newRow("far right, too big") << QByteArray("Top=10\nLeft=90000\nWidth=5000\nHeight=4000\n") << 10;
    }
    void storedGeometryOnNoScreen() {
        QFETCH(QByteArray, stored);
        QFETCH(int, top);
        QTemporaryDir dir;
        QVERIFY(writeAll(settingsPath(dir), "[quadrino]\n" + stored));
        Window t(locationIn(dir));
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        t.w.loadinifile();
        const QRect work = t.w.screen()->availableGeometry();
        QTRY_COMPARE(t.w.frameGeometry().topLeft(), QPoint(3, 3));
        QVERIFY(work.contains(t.w.frameGeometry()));
        // A later login (File > Host or Join) leaves the window where the user has put it.
        t.w.move(40, 30);
        t.w.loadinifile();
        QTRY_COMPARE(t.w.frameGeometry().topLeft(), QPoint(40, 30));
        t.w.move(3, 3);
        // An option saved and a close: the stored placement waits for its monitor.
        t.action("N10")->trigger();
        t.w.close();
        QCOMPARE(storedInt(dir, "Top"), top);
        QCOMPARE(storedInt(dir, "Textsize"), 10);
    }

    void anUnwritablePlaceIsSaidOnceAndStillRead() {
        QTemporaryDir dir;
        QVERIFY(writeAll(settingsPath(dir), "[quadrino]\nTextsize=12\n"));
        const fs::path root = dir.path().toStdString();
        const SettingsLocation location =
            locateSettings(root, {root / "user", root / "data"}, [](const fs::path&) { return false; });
        QVERIFY(!location.writable);
        QVERIFY(!location.error.empty());
        Window t(location);
        const QString said = QString::fromStdString(location.error);
        QCOMPARE(t.linesContaining(said.left(20)), 1);
        t.w.loadinifile();
        QCOMPARE(t.w.mainchat()->textSize(), 12);
        t.action("N14")->trigger();
        t.w.close();
        QCOMPARE(readAll(settingsPath(dir)), QByteArray("[quadrino]\nTextsize=12\n"));
        QVERIFY(t.boxes.isEmpty());
        QCOMPARE(t.linesContaining(said.left(20)), 1);
    }

    void tallySavedAfterEveryGame() {
        QTemporaryDir dir;
        TallyWindow tally(dir.filePath(QStringLiteral("quadrinotally.tld")));
        Window t(locationIn(dir));
        t.w.setTally(&tally);
        t.w.addgame(QStringLiteral("addtomine"));
        const QByteArray first = readAll(tally.tallyFilePath());
        QVERIFY(!first.isEmpty());
        t.w.addgame(QStringLiteral("Bee"));
        QVERIFY(readAll(tally.tallyFilePath()) != first);
        // What a killed program leaves behind holds both games.
        TallyWindow again(tally.tallyFilePath());
        again.setErrorFunction([](const QString&) {});
        QVERIFY(again.loadError().isEmpty());
        auto* grid = again.findChild<QTableWidget*>(QStringLiteral("stringgrid_scores"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("2")); // games played
    }

    void aRefusedTallyWriteIsSaidInTheChatOnce() {
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath(QStringLiteral("plainfile")), "x"));
        TallyWindow tally(dir.filePath(QStringLiteral("plainfile/quadrinotally.tld")));
        Window t(locationIn(dir));
        t.w.setTally(&tally);
        t.w.addgame(QStringLiteral("addtomine"));
        t.w.addgame(QStringLiteral("addtomine"));
        QCOMPARE(t.linesContaining(QStringLiteral("Unable to write to")), 1);
        QVERIFY(t.boxes.isEmpty());
    }

    void failedSavesWhileClosing_data() {
        QTest::addColumn<bool>("unattended");
        QTest::newRow("user closes") << false;
        QTest::newRow("signal closes") << true;
    }
    void failedSavesWhileClosing() {
        QFETCH(bool, unattended);
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath(QStringLiteral("plainfile")), "x"));
        SettingsLocation location = locationIn(dir);
        location.settingsFile = (fs::path(dir.path().toStdString()) / "plainfile" / "kestrunlobby.ini");
        TallyWindow tally(dir.filePath(QStringLiteral("plainfile/quadrinotally.tld")));
        Window t(location);
        t.w.setTally(&tally);
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        t.w.move(30, 40); // so the close saves the settings too
        QSignalSpy closed(&t.w, &MainWindow::closed);
        if (unattended) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unable to write to .*kestrunlobby.ini"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unable to write to .*quadrinotally.tld"));
            t.w.closeUnattended();
            QVERIFY(t.boxes.isEmpty());
        } else {
            t.w.close();
            QCOMPARE(t.boxes.size(), 1);
            QVERIFY(t.boxes[0].startsWith(QStringLiteral("Unable to write to ")));
        }
        QCOMPARE(closed.size(), 1);
        QVERIFY(!t.w.isVisible());
    }

    void botSpeedToldToTheHostOnArrival() {
        QTemporaryDir dir;
        QVERIFY(writeAll(settingsPath(dir), "[quadrino]\nBotspeed=1500\n"));
        Window t(locationIn(dir));
        FakeHost fake;
        LaunchPlan p = decideLaunch({QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), QStringLiteral("no")});
        p.port = fake.port();
        p.openLobbyLink = false;
        t.w.processparams(p);
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+1\xFF" "CMD_newplayerinfo+1+Ann\xFF");
        QVERIFY(QTest::qWaitFor([&] { return fake.received[0].contains("CMD_botspeed+1+1500"); }, 5000));
        QVERIFY(t.checked("Slow1"));
    }
};

QTEST_MAIN(TestSettingsWiring)
#include "test_settings_wiring.moc"
