// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby advert: its texts word for word, its place on the desktop, "Play Solo Game",
// "Play with Others" with and without a lobby program, and the download panel that only ever
// opens a web page.
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "windows/lobby_advert.h"
#include "windows/side_windows.h"

using quadrino::LobbyAdvert;

namespace {

const QString kNoLobby = QStringLiteral("Please close the game and open the Kestrun Lobby using the icon on your desktop "
                                        "or using the your Window's start-up menu.");

QString labelText(const LobbyAdvert& advert, const char* name) { return advert.findChild<QLabel*>(name)->text(); }
QPushButton* button(const LobbyAdvert& advert, const char* name) { return advert.findChild<QPushButton*>(name); }

// A PATH of one folder for the duration of a test, put back afterwards.
class PathOverride {
public:
    explicit PathOverride(const QString& folder) : saved_(qgetenv("PATH")) { qputenv("PATH", QFile::encodeName(folder)); }
    ~PathOverride() { qputenv("PATH", saved_); }
    PathOverride(const PathOverride&) = delete;
    PathOverride& operator=(const PathOverride&) = delete;

private:
    QByteArray saved_;
};

// Writes `folder`/kestrunlobby with this content and mode.
QString writeLobby(const QTemporaryDir& folder, const QByteArray& content, bool executable) {
    const QString path = folder.filePath(QStringLiteral("kestrunlobby"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(content);
    file.close();
    QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner;
    if (executable) mode |= QFile::ExeOwner;
    file.setPermissions(mode);
    return path;
}

} // namespace

class FakeBrowser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class TestLobbyAdvert : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void textsWordForWord_data();
    void textsWordForWord();
    void buttons_data();
    void buttons();
    void toolWindowOnTopCentredOnTheDesktop();
    void playSoloGameClosesTheAdvert();
    void playWithOthersStartsTheLobbyAndEndsTheGame();
    void playWithOthersWithoutALobbyShowsTheMessage_data();
    void playWithOthersWithoutALobbyShowsTheMessage();
    void aLobbyThatCannotStartIsReported();
    void downloadOpensThePageInTheBrowser();
    void downloadPageMustBeAWebAddress_data();
    void downloadPageMustBeAWebAddress();
    void withoutADownloadPageTheButtonSaysSo();
    void snapshot();

private:
    FakeBrowser browser_;
};

void TestLobbyAdvert::init() {
    browser_.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser_, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser_, "open");
}

void TestLobbyAdvert::cleanup() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestLobbyAdvert::textsWordForWord_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    // Two blanks after "this" and one at the end.
    QTest::newRow("download") << "label_download"
                              << "Download The Kestrun Lobby Now to play this  and other exciting games online with "
                                 "other players! ";
    QTest::newRow("solo") << "label_solo"
                          << "To proceed to the game without the ability to play against others click the button "
                             "below.";
    QTest::newRow("firewall") << "label_firewall"
                              << "Note: Even if you are playing offline, you will need to configure your FIREWALL to "
                                 "allow the game to access the internet components.";
    QTest::newRow("lobby") << "label_lobby"
                           << "If you already have The Kestrun Lobby and you wish to play with others then click the "
                              "button below to close this game and open The Kestrun Lobby.";
}

void TestLobbyAdvert::textsWordForWord() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    LobbyAdvert advert;
    QCOMPARE(advert.objectName(), QString("download"));
    QCOMPARE(advert.windowTitle(), QString("Download The Kestrun Lobby"));
    auto* l = advert.findChild<QLabel*>(label);
    QVERIFY2(l, qPrintable(label));
    QCOMPARE(l->text(), text);
    QCOMPARE(l->textFormat(), Qt::PlainText);
}

void TestLobbyAdvert::buttons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("panel");
    QTest::newRow("get") << "getbutton" << "Download And Install The Kestrun Lobby Now" << "panel_download";
    QTest::newRow("abort") << "abortbutton" << "Stop Download" << "panel_download";
    QTest::newRow("solo") << "Button1" << "Play Solo Game" << "panel_solo";
    QTest::newRow("others") << "Button2" << "Play with Others" << "panel_lobby";
}

void TestLobbyAdvert::buttons() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, panel);
    LobbyAdvert advert;
    auto* b = advert.findChild<QPushButton*>(name);
    QVERIFY2(b, qPrintable(name));
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->parentWidget()->objectName(), panel);
    // Nothing is ever downloaded, so there is never anything to stop.
    QVERIFY(!button(advert, "abortbutton")->isEnabled());
}

void TestLobbyAdvert::toolWindowOnTopCentredOnTheDesktop() {
    QMainWindow game;
    game.setGeometry(3, 3, 795, 562);
    game.show();
    quadrino::showLobbyAdvert(&game);
    LobbyAdvert* advert = quadrino::lobbyAdvert(&game);
    QVERIFY(QTest::qWaitForWindowExposed(advert));
    QVERIFY(advert->windowFlags().testFlag(Qt::Tool));
    QVERIFY(advert->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QRect desktop = game.screen()->availableGeometry();
    const QPoint offset = advert->frameGeometry().center() - desktop.center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
    QVERIFY(desktop.contains(advert->frameGeometry()));
}

void TestLobbyAdvert::playSoloGameClosesTheAdvert() {
    QMainWindow game;
    game.show();
    quadrino::showLobbyAdvert(&game);
    LobbyAdvert* advert = quadrino::lobbyAdvert(&game);
    QVERIFY(advert->isVisible());
    QTest::mouseClick(button(*advert, "Button1"), Qt::LeftButton);
    QVERIFY(!advert->isVisible());
    QVERIFY(game.isVisible());
}

void TestLobbyAdvert::playWithOthersStartsTheLobbyAndEndsTheGame() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString ran = folder.filePath(QStringLiteral("lobby-ran"));
    QVERIFY(!writeLobby(folder, "#!/bin/sh\necho started > '" + QFile::encodeName(ran) + "'\n", true).isEmpty());
    PathOverride path(folder.path());

    QMainWindow game;
    game.show();
    quadrino::showLobbyAdvert(&game);
    LobbyAdvert* advert = quadrino::lobbyAdvert(&game);
    QStringList messages;
    advert->setMessageBox([&](const QString& text) { messages << text; });

    QCOMPARE(quadrino::findLobbyProgram(), folder.filePath(QStringLiteral("kestrunlobby")));
    QTest::mouseClick(button(*advert, "Button2"), Qt::LeftButton);

    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('|')));
    QVERIFY(!advert->isVisible());
    QVERIFY(!game.isVisible()); // the game ended through its window's close
    QTRY_VERIFY(QFile::exists(ran));
}

void TestLobbyAdvert::playWithOthersWithoutALobbyShowsTheMessage_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::newRow("nothing on the PATH") << QByteArray() << false;
    QTest::newRow("not executable") << QByteArray("#!/bin/sh\nexit 0\n") << true;
}

void TestLobbyAdvert::playWithOthersWithoutALobbyShowsTheMessage() {
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (present) QVERIFY(!writeLobby(folder, content, false).isEmpty());
    PathOverride path(folder.path());
    if (!quadrino::findLobbyProgram().isEmpty()) QSKIP("this build names an installed lobby program");

    QMainWindow game;
    game.show();
    quadrino::showLobbyAdvert(&game);
    LobbyAdvert* advert = quadrino::lobbyAdvert(&game);
    QStringList messages;
    advert->setMessageBox([&](const QString& text) { messages << text; });
    QTest::mouseClick(button(*advert, "Button2"), Qt::LeftButton);

    QCOMPARE(messages, QStringList{kNoLobby});
    QVERIFY(advert->isVisible());
    QVERIFY(game.isVisible());
}

void TestLobbyAdvert::aLobbyThatCannotStartIsReported() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // Executable by its mode, but no interpreter exists for it.
    QVERIFY(!writeLobby(folder, "#!" + QFile::encodeName(folder.filePath("no-such-shell")) + "\n", true).isEmpty());
    PathOverride path(folder.path());

    LobbyAdvert advert;
    int exits = 0;
    advert.setExit([&] { ++exits; });
    QStringList messages;
    advert.setMessageBox([&](const QString& text) { messages << text; });
    advert.show();
    QTest::mouseClick(button(advert, "Button2"), Qt::LeftButton);

    QCOMPARE(messages, QStringList{"An Error has Occurred."});
    QCOMPARE(exits, 0);
    QVERIFY(advert.isVisible());
}

void TestLobbyAdvert::downloadOpensThePageInTheBrowser() {
    LobbyAdvert advert;
    const QUrl page(QStringLiteral("https://lobby.example.org/download"));
    advert.setDownloadPage(page);
    QVERIFY(button(advert, "getbutton")->isEnabled());
    advert.show();
    QTest::mouseClick(button(advert, "getbutton"), Qt::LeftButton);

    QCOMPARE(browser_.opened, QList<QUrl>{page});
    QCOMPARE(labelText(advert, "infolabel"), QString("The download page is open in your web browser."));
    QCOMPARE(labelText(advert, "infolabel3"), QString("Download and install The Kestrun Lobby from there."));
    QVERIFY(!button(advert, "abortbutton")->isEnabled());
    QVERIFY(button(advert, "getbutton")->isEnabled());
    QVERIFY(advert.isVisible());
}

void TestLobbyAdvert::downloadPageMustBeAWebAddress_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("taken");
    QTest::newRow("https") << "https://lobby.example.org/get" << true;
    QTest::newRow("http") << "http://www.example.org/lobby.html" << true;
    QTest::newRow("file") << "file:///usr/bin/kestrunlobby" << false;
    QTest::newRow("ftp") << "ftp://example.org/setup.exe" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
    QTest::newRow("no host") << "https:///lobby" << false;
    QTest::newRow("relative") << "lobby/download" << false;
    QTest::newRow("empty") << "" << false;
}

void TestLobbyAdvert::downloadPageMustBeAWebAddress() {
    QFETCH(QString, address);
    QFETCH(bool, taken);
    LobbyAdvert advert;
    advert.setDownloadPage(QUrl(address));
    QCOMPARE(!advert.downloadPage().isEmpty(), taken);
    QCOMPARE(button(advert, "getbutton")->isEnabled(), taken);
    advert.onDownloadClicked();
    QCOMPARE(browser_.opened.size(), taken ? 1 : 0);
}

void TestLobbyAdvert::withoutADownloadPageTheButtonSaysSo() {
    LobbyAdvert advert;
    advert.setDownloadPage(QUrl());
    QVERIFY(!button(advert, "getbutton")->isEnabled());
    QVERIFY(labelText(advert, "infolabel").contains("built without the address"));
    QVERIFY(labelText(advert, "infolabel3").contains("http://www.kestrun.com"));
    // A page set later takes over, and the note goes.
    advert.setDownloadPage(QUrl("https://lobby.example.org/get"));
    QVERIFY(button(advert, "getbutton")->isEnabled());
    QVERIFY(labelText(advert, "infolabel").isEmpty());
}

void TestLobbyAdvert::snapshot() {
    const QString path = qEnvironmentVariable("QUADRINO_ADVERT_SHOT");
    if (path.isEmpty()) QSKIP("set QUADRINO_ADVERT_SHOT=file.png to save a picture of the lobby advert");
    LobbyAdvert advert;
    advert.show();
    QVERIFY(advert.grab().save(path));
}

QTEST_MAIN(TestLobbyAdvert)
#include "test_lobby_advert.moc"
