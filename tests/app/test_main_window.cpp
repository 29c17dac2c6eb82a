// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its frame, the launch modes, the client's side of the login
// exchange and the messages it handles itself.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "app/main_window.h"
#include "app/fake_host.h"
#include "chat/chat_pane.h"
#include "net/host_server.h"
#include "table/table_panel.h"
#include "art/board_placement.h"
#include <QListWidget>
#include <QTableWidget>
#include <QDockWidget>
#include <QPushButton>
#include "app/game_record_view.h"
#include <QTemporaryDir>
#include "tally/tally_window.h"
#include "protocol/catalogue.h"
#include "protocol/start_announcement.h"
#include <QApplication>

using namespace quadrino;

namespace {

QString lastLine(const MainWindow& w) { return w.mainchat()->document()->lastBlock().text(); }
QString allText(const MainWindow& w) { return w.mainchat()->toPlainText(); }

LaunchPlan joinPlan(quint16 port, const QString& name = QStringLiteral("Ann")) {
    LaunchPlan p = decideLaunch({name, QStringLiteral("127.0.0.1"), QStringLiteral("no")});
    p.port = port;
    p.openLobbyLink = false;
    return p;
}

struct Window {
    Window() {
        w.setMessageBox([this](const QString& t) { boxes << t; });
        auto rec = std::make_unique<RecordingSoundPlayer>();
        sounds = rec.get();
        w.setSoundPlayer(std::move(rec));
    }
    QAction* action(const char* name) const { return w.findChild<QAction*>(QString::fromLatin1(name)); }
    MainWindow w;
    QStringList boxes;
    RecordingSoundPlayer* sounds = nullptr;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void frameAndControls() {
        Window t;
        MainWindow& w = t.w;
        QCOMPARE(w.objectName(), QStringLiteral("chat"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quadrino"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.centralWidget()->size(), QSize(782, 516));
        QCOMPARE(w.pos(), QPoint(3, 3));
        QCOMPARE(w.font().family(), QStringLiteral("Arial"));
        QCOMPARE(w.font().pixelSize(), 11);
        QCOMPARE(QFontInfo(w.font()).family(), QStringLiteral("Liberation Sans"));

        auto* panel = w.findChild<QWidget*>(QStringLiteral("panel_board"));
        QVERIFY(panel);
        QCOMPARE(panel->geometry(), QRect(1, 2, 781, 512));
        const QList<std::pair<QString, QRect>> controls = {
            {"FlatPanel1", {512, 273, 264, 211}}, {"mychat", {511, 487, 234, 22}},
            {"button_smilies", {750, 489, 25, 19}}, {"b_phrase1", {512, 252, 25, 19}},
            {"b_phrase5", {619, 252, 25, 19}}, {"b_phrase9", {726, 252, 25, 19}},
            {"b_phrase10", {752, 252, 25, 19}},
        };
        for (const auto& [name, rect] : controls) {
            auto* c = panel->findChild<QWidget*>(name);
            QVERIFY2(c, qPrintable(name));
            // Directly on the panel, or (the phrase buttons) in a row that lies on it.
            QVERIFY(c->parentWidget() == panel || c->parentWidget()->parentWidget() == panel);
            QCOMPARE(QRect(c->mapTo(panel, QPoint(0, 0)), c->size()), rect);
        }
        auto* pane = w.findChild<QTextBrowser*>(QStringLiteral("mainchat"));
        QVERIFY(pane);
        QCOMPARE(pane->parentWidget()->objectName(), QStringLiteral("FlatPanel1"));
        QCOMPARE(pane->geometry(), QRect(2, 2, 260, 207));
        QCOMPARE(pane->palette().color(QPalette::Base), QColor(233, 233, 214));
        auto* entry = w.findChild<QLineEdit*>(QStringLiteral("mychat"));
        QCOMPARE(entry->text(), QStringLiteral("<Enter Chat Here>"));
        QCOMPARE(entry->font().pixelSize(), 13);
        QCOMPARE(entry->palette().color(QPalette::Base), QColor(233, 233, 214));
        QCOMPARE(w.findChild<QToolButton*>(QStringLiteral("b_phrase1"))->toolTip(), QStringLiteral("Way To Go!"));
        QCOMPARE(w.findChild<QToolButton*>(QStringLiteral("b_phrase9"))->toolTip(),
                 QStringLiteral("Good Game Everyone!"));
    }

    void radioEntriesSetTheirSubmenuTag_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("submenu");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QStringList>("unchecked");
        QTest::newRow("Fast") << "Fast1" << "BotSpeed1" << 500 << QStringList{"Slow1", "Normal1"};
        QTest::newRow("Slow") << "Slow1" << "BotSpeed1" << 1500 << QStringList{"Normal1", "Fast1"};
        QTest::newRow("Normal") << "Normal1" << "BotSpeed1" << 1000 << QStringList{"Slow1", "Fast1"};
        QTest::newRow("New") << "New1" << "TurnSound1" << 1 << QStringList{"Classic1"};
    }
    void radioEntriesSetTheirSubmenuTag() {
        QFETCH(QString, entry);
        QFETCH(QString, submenu);
        QFETCH(QStringList, unchecked);
        Window t;
        const int saves = t.w.saveCount();
        QAction* a = t.w.findChild<QAction*>(entry);
        a->trigger();
        QVERIFY(a->isChecked());
        for (const QString& other : unchecked) QVERIFY(!t.w.findChild<QAction*>(other)->isChecked());
        const Preferences& prefs = t.w.preferences();
        QTEST(submenu == u"TurnSound1" ? prefs.turnsound : prefs.botspeed, "tag");
        QCOMPARE(t.w.saveCount(), saves + 1);
    }

    void preferencesShowInTheMenus() {
        Window t;
        QCOMPARE(t.w.preferences().botspeed, 750); // until the settings are read
        Preferences p;
        p.loaded = true;
        p.playsounds = false;
        p.chattersounds = true;
        p.turnsound = 1;
        p.botspeed = 500;
        p.textsize = 12;
        p.textcolor = 0x0000FF; // red, as BGR
        t.w.setPreferences(p);
        QVERIFY(!t.action("PlaySounds1")->isChecked());
        QVERIFY(t.action("PlayChatterSounds1")->isChecked());
        QVERIFY(t.action("New1")->isChecked() && !t.action("Classic1")->isChecked());
        QVERIFY(t.action("Fast1")->isChecked() && !t.action("Normal1")->isChecked());
        QVERIFY(t.action("N12")->isChecked());
        QCOMPARE(t.w.mainchat()->textSize(), 12);
        QCOMPARE(t.w.findChild<QLineEdit*>(QStringLiteral("mychat"))->palette().color(QPalette::Text), QColor(Qt::red));
        // The turn sound reaches the table, which plays it on the own turn (its own tests).
        QVERIFY(t.w.session().table().newTurnSound());
        // A size the menu does not offer checks no entry.
        p.textsize = 11;
        t.w.setPreferences(p);
        QCOMPARE(t.w.mainchat()->textSize(), 11);
        for (const char* n : {"N8", "N10", "N12", "N14"}) QCOMPARE(t.action(n)->isChecked(), std::string(n) == "N12");
    }

    void textSizeAndScrollAndClear() {
        Window t;
        t.action("N12")->trigger();
        QCOMPARE(t.w.mainchat()->textSize(), 12);
        QVERIFY(t.action("N12")->isChecked());
        t.action("N8")->trigger();
        QVERIFY(!t.action("N12")->isChecked());
        QCOMPARE(t.w.mainchat()->textSize(), 8);
        QCOMPARE(t.w.preferences().textsize, 8);

        t.action("ScrollChatOff2")->trigger();
        QVERIFY(t.w.mainchat()->scrollOff());
        QVERIFY(t.action("ScrollChatOff1")->isChecked()); // the pane's popup shows the same state
        t.action("ScrollChatOff1")->trigger();
        QVERIFY(!t.w.mainchat()->scrollOff());
        QVERIFY(!t.action("ScrollChatOff2")->isChecked());

        t.w.addlinetochat(QStringLiteral("0+x"), kSystemColour);
        t.action("ClearMainChat1")->trigger();
        QVERIFY(t.w.mainchat()->document()->isEmpty());
    }

    void ctrlSTogglesScrollChatOffOnce() {
        Window t;
        t.w.show();
        t.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.w));
        QTest::keyClick(&t.w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(t.w.mainchat()->scrollOff());
        QTest::keyClick(&t.w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!t.w.mainchat()->scrollOff());
    }

    void soundsFollowTheirCheckMark() {
        Window t;
        t.w.playsounds(QStringLiteral("dice"));
        t.action("PlaySounds1")->trigger();
        QVERIFY(!t.action("PlaySounds1")->isChecked());
        QVERIFY(!t.w.preferences().playsounds);
        t.w.playsounds(QStringLiteral("turn"));
        QCOMPARE(t.sounds->played, QStringList{"dice"});
    }

    void minimumSizeAndResetLocation() {
        Window t;
        MainWindow& w = t.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(300, 200);
        QTRY_VERIFY(w.centralWidget()->width() >= 470);
        QVERIFY(w.centralWidget()->height() >= 310);
        w.resize(1000, 700); // larger is fine
        QTRY_COMPARE(w.width(), 1000);
        w.move(50, 60);
        t.action("ResetScreenLocation1")->trigger();
        QTRY_COMPARE(w.frameGeometry(), QRect(3, 3, 795, 562));
    }

    void theWholeClientAreaScalesWithTheWindow_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("default") << QSize(782, 516) << 1.0;
        QTest::newRow("twice") << QSize(1564, 1032) << 2.0;
        QTest::newRow("smallest") << QSize(470, 310) << 310.0 / 516.0;
        QTest::newRow("wide") << QSize(1300, 516) << 1.0;
        QTest::newRow("tall") << QSize(600, 900) << 600.0 / 782.0;
    }

    void theWholeClientAreaScalesWithTheWindow() {
        QFETCH(QSize, client);
        QFETCH(qreal, scale);
        Window t;
        MainWindow& w = t.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget* area = w.centralWidget();
        w.resize(w.size() + client - area->size());
        QTRY_COMPARE(area->size(), client);
        auto* panel = w.findChild<TablePanel*>();
        QTRY_VERIFY(qAbs(panel->scale() - scale) < 1e-6);

        // Everything a player uses is inside the client area, at its scaled place and size.
        const QRect inside = area->rect();
        for (const char* name : {"theboard", "piece_41", "dice_1", "label_playername4", "label_status", "label_log",
                                 "Image1", "mainchat", "mychat", "button_smilies", "b_phrase10", "button_start"}) {
            auto* c = w.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(c, name);
            const QRect onArea(c->mapTo(area, QPoint(0, 0)), c->size());
            QVERIFY2(inside.contains(onArea), name);
            const QRect base = placement::rectOf(name);
            if (!base.isEmpty() && std::string(name) != "b_phrase10") {
                QVERIFY2(qAbs(c->width() - base.width() * scale) <= 1.0, name);
                QVERIFY2(qAbs(c->height() - base.height() * scale) <= 1.0, name);
            }
        }
        // The picture is centred in any spare band.
        const QRect board(panel->mapTo(area, QPoint(0, 0)), panel->size());
        QVERIFY(qAbs(board.left() - (inside.right() - board.right())) <= 3);
        QVERIFY(qAbs(board.top() - (inside.bottom() - board.bottom())) <= 4);

        // Text follows, and pictures are rendered for their new size rather than stretched.
        auto* name = w.findChild<QLabel*>(QStringLiteral("label_playername1"));
        QCOMPARE(name->font().pixelSize(), std::max(6, qRound(16 * scale)));
        auto* boardImage = w.findChild<QLabel*>(QStringLiteral("theboard"));
        QTRY_VERIFY(qAbs(boardImage->pixmap().width() - boardImage->width() * boardImage->devicePixelRatioF()) <= 1.0);
        auto* chat = w.findChild<ChatPane*>(QStringLiteral("mainchat"));
        QVERIFY(qAbs(chat->font().pointSizeF() - chat->textSize() * scale) < 0.01);
    }

    void closeSavesOnlyWhenTheGeometryChanged() {
        Window t;
        MainWindow& w = t.w;
        QSignalSpy closed(&w, &MainWindow::closed);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Before any settings are read the kept geometry is all zero: the first close saves.
        const int before = w.saveCount();
        w.close();
        QCOMPARE(w.saveCount(), before + 1);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(w.savedGeometry(), w.frameGeometry());
        // A second close of an unmoved window saves nothing.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.saveAtExit();
        QCOMPARE(w.saveCount(), before + 1);
    }

    void idleModeNeverConnects() {
        Window t;
        FakeHost fake;
        LaunchPlan p = decideLaunch({QStringLiteral("Ann"), QStringLiteral("127.0.0.1")});
        p.port = fake.port();
        t.w.processparams(p);
        QCOMPARE(lastLine(t.w), QStringLiteral(" Loading Multi-player Game.. Please Wait. "));
        // A connection asked for by the window would reach the host before a later one.
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, fake.port());
        QVERIFY(fake.waitForClient());
        QCOMPARE(fake.sockets.size(), 1);
        QCOMPARE(fake.sockets[0]->peerPort(), probe.localPort());
        QCOMPARE(t.w.launcher().lobbyLink().state(), QAbstractSocket::UnconnectedState);
        QVERIFY(!t.action("StartGame1")->isEnabled());
        QVERIFY(!t.w.identity().amhost);
    }

    void joinLogsInAndHandlesItsOwnMessages() {
        Window t;
        FakeHost fake;
        t.w.processparams(joinPlan(fake.port(), QStringLiteral("Zoë")));
        QVERIFY(fake.waitForClient());
        QVERIFY(!t.w.identity().amhost);
        QVERIFY(!t.action("StartGame1")->isEnabled());
        fake.send("CMD_sendlogininfo+3\xFF");
        // The name goes out in Windows-1252, followed by the terminator twice.
        QVERIFY(fake.waitForReceived("CMD_logininfo+3+1.0.15+Zo\xEB\xFF\xFF"));
        QCOMPARE(t.w.identity().myseat, 3);
        QVERIFY(t.w.identity().loggedin);

        fake.send("CMD_havewrongversion+Bj\xF6rn\xFF");
        QTRY_COMPARE(lastLine(t.w), QStringLiteral(" Björn has a different version of the game then you. "));
        fake.send("CMD_wrongversion+\xFF");
        QTRY_COMPARE(lastLine(t.w), QStringLiteral(" You have a differnt version of the game then the host. "));
        QCOMPARE(t.w.mainchat()->styleColour(0), std::optional<BgrColour>(kSystemColour));

        fake.send("CMD_chat+2+Bob chats: hi there|clGreen\xFF");
        QTRY_COMPARE(lastLine(t.w), QStringLiteral("Bob chats:  hi there "));
        QCOMPARE(t.w.mainchat()->styleColour(7), std::optional<BgrColour>(0x008000));
        fake.send("CMD_action+4+Cy waves|nocolour\xFF");
        QTRY_COMPARE(lastLine(t.w), QStringLiteral(" Cy waves "));
        QCOMPARE(t.w.mainchat()->styleColour(9), std::optional<BgrColour>(kRed));

        // Unknown words, a wrong case and entries without "+" change nothing; a game
        // announcement behind them reaches the board and tells when they have been handled.
        const QString before = allText(t.w);
        fake.send("CMD_Chat+2+x|clRed\xFF" "CMD_nothing+1\xFF" "CMD_full\xFF" "\xFF" "CMD_newplayerinfo+1+Host\xFF");
        auto* name1 = t.w.findChild<QLabel*>(QStringLiteral("label_playername1"));
        QTRY_COMPARE(name1->text(), QStringLiteral("Host"));
        QCOMPARE(allText(t.w), before + QStringLiteral("\n Host is Connected. "));
        QVERIFY(t.boxes.isEmpty());
    }

    void chatEntryAndJustWatchSendRequests() {
        Window t;
        FakeHost fake;
        t.w.processparams(joinPlan(fake.port()));
        QVERIFY(fake.waitForClient());
        auto* entry = t.w.findChild<QLineEdit*>(QStringLiteral("mychat"));
        // Not logged in yet: Enter sends nothing and keeps the text.
        entry->setText(QStringLiteral("early"));
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(entry->text(), QStringLiteral("early"));

        fake.send("CMD_sendlogininfo+2\xFF");
        QByteArray expected = "CMD_logininfo+2+1.0.15+Ann\xFF\xFF";
        QVERIFY(fake.waitForReceived(expected));

        entry->setText(QStringLiteral("<Enter Chat Here>"));
        QTest::keyClicks(entry, QStringLiteral("hi + bye"));
        QCOMPARE(entry->text(), QStringLiteral("hi + bye")); // the placeholder went at the first key
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(entry->text(), QString());
        expected += "CMD_chat+2+hi + bye|clBlack\xFF";
        QVERIFY(fake.waitForReceived(expected));

        for (const char* typed : {"/me waves", "/meow", "/quit"}) {
            entry->setText(QString::fromLatin1(typed));
            QTest::keyClick(entry, Qt::Key_Return);
            QCOMPARE(entry->text(), QString());
        }
        expected += "CMD_action+2+waves|clBlack\xFF" "CMD_action+2+w|clBlack\xFF";
        QVERIFY(fake.waitForReceived(expected));

        // "Just Watch" asks the host; its mark changes only when the host answers.
        t.action("JustWatch1")->trigger();
        QVERIFY(!t.action("JustWatch1")->isChecked());
        expected += "CMD_justwatch+2+1\xFF";
        QVERIFY(fake.waitForReceived(expected));
        fake.send("CMD_justwatching+2+1\xFF");
        QTRY_VERIFY(t.action("JustWatch1")->isChecked());
        t.action("JustWatch1")->trigger();
        QVERIFY(t.action("JustWatch1")->isChecked());
        expected += "CMD_justwatch+2+2\xFF";
        QVERIFY(fake.waitForReceived(expected));
    }

    void spectatorsDoNotAskToJustWatch() {
        Window t;
        FakeHost fake;
        t.w.processparams(joinPlan(fake.port()));
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+6\xFF");
        const QByteArray login = "CMD_logininfo+6+1.0.15+Ann\xFF\xFF";
        QVERIFY(fake.waitForReceived(login));
        t.action("JustWatch1")->trigger();
        // A chat line sent after the menu choice arrives right behind the login.
        auto* entry = t.w.findChild<QLineEdit*>(QStringLiteral("mychat"));
        entry->setText(QStringLiteral("hi"));
        QTest::keyClick(entry, Qt::Key_Return);
        QVERIFY(fake.waitForReceived(login + "CMD_chat+6+hi|clBlack\xFF"));
    }

    void startGameWhileNotConnected() {
        Window t;
        t.action("StartGame1")->setEnabled(true);
        t.action("StartGame1")->trigger();
        QCOMPARE(t.boxes, QStringList{"You are not connected"});
    }

    void startGameAsksDuringAGame() {
        Window t;
        FakeHost fake;
        QStringList asked;
        bool answer = false;
        t.w.setQuestionBox([&](const QString& q) {
            asked << q;
            return answer;
        });
        auto options = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("gamestart")) return w->isVisible();
            return false;
        };
        t.w.processparams(joinPlan(fake.port()));
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+1\xFF");
        QVERIFY(fake.waitForReceived("CMD_logininfo+1+1.0.15+Ann\xFF\xFF"));
        t.action("StartGame1")->setEnabled(true);
        // Between games the options open at once.
        QTRY_VERIFY(t.w.identity().loggedin);
        t.action("StartGame1")->trigger();
        QVERIFY(asked.isEmpty());
        QVERIFY(options());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("gamestart")) w->hide();
        fake.send(QByteArray::fromStdString(quadrino::testing::startAnnouncement("Ann", "0", "0", "0", "0", "t", "t", "0", 0)));
        QTRY_VERIFY(!t.w.findChild<QLabel*>(QStringLiteral("label_limit"))->text().endsWith(QLatin1String("OFF")));
        // During a game: "No" keeps it, "Yes" goes on to the options.
        t.action("StartGame1")->trigger();
        QCOMPARE(asked, QStringList{"A game is in progress. Start a new game?"});
        QVERIFY(!options());
        answer = true;
        t.action("StartGame1")->trigger();
        QVERIFY(options());
    }

    void gameIsFull() {
        Window t;
        FakeHost fake;
        QSignalSpy closed(&t.w, &MainWindow::closed);
        t.w.show();
        t.w.processparams(joinPlan(fake.port()));
        QVERIFY(fake.waitForClient());
        fake.send("CMD_full+\xFF");
        QTRY_COMPARE(closed.size(), 1);
        QCOMPARE(t.boxes, QStringList{"Game is full"});
        QVERIFY(!t.w.isVisible());
    }

    void hostGoingAwayClosesTheWindow() {
        Window t;
        FakeHost fake;
        QSignalSpy closed(&t.w, &MainWindow::closed);
        t.w.show();
        t.w.processparams(joinPlan(fake.port()));
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+2\xFF");
        QVERIFY(QTest::qWaitFor([&] { return t.w.identity().loggedin; }, 5000));
        fake.sockets[0]->disconnectFromHost();
        QTRY_COMPARE(closed.size(), 1);
        QVERIFY(!t.w.isVisible());
    }

    // Cut off for flooding is closed as any close: a launched window goes, one joined from the menu stays.
    void aFloodingHostIsCutOffLikeAnyClose_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("launched") << false;
        QTest::newRow("joined from the menu") << true;
    }
    void aFloodingHostIsCutOffLikeAnyClose() {
        QFETCH(bool, fromMenu);
        Window t;
        FakeHost fake;
        t.w.show();
        if (fromMenu) t.w.launcher().joinNetworkGame(QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), fake.port());
        else t.w.processparams(joinPlan(fake.port()));
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+2\xFF" + QByteArray(200 * 1024, 'x'));
        QTRY_COMPARE(t.w.isVisible(), fromMenu);
        const QString why = QStringLiteral("The host sent more than this client can take; the connection was closed.");
        QCOMPARE(t.boxes, fromMenu ? QStringList{} : QStringList{why});
        if (fromMenu) QTRY_VERIFY(allText(t.w).contains(why + QLatin1String(" \n The connection to the game has closed")));
    }

    void unreachableHostLeavesTheWindowOpen() {
        Window t;
        quint16 port;
        {
            FakeHost gone;
            port = gone.port();
        }
        QSignalSpy closed(&t.w, &MainWindow::closed);
        t.w.show();
        t.w.processparams(joinPlan(port));
        // A second attempt on the same port is refused at about the same time as the window's.
        QTcpSocket probe;
        QSignalSpy refused(&probe, &QAbstractSocket::errorOccurred);
        probe.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(refused.wait(5000));
        QCoreApplication::processEvents();
        QCOMPARE(closed.size(), 0);
        QVERIFY(t.w.isVisible());
    }

    void soloHostsAndLogsInAsYou() {
        Window t;
        LaunchPlan p = decideLaunch({});
        p.port = 0;
        p.seed = 1;
        t.w.processparams(p);
        QVERIFY(t.w.launcher().hostServer());
        QVERIFY(t.w.launcher().hostServer()->serverPort() != 0);
        QVERIFY(t.w.identity().amhost);
        QVERIFY(t.action("StartGame1")->isEnabled());
        QCOMPARE(t.w.launcher().hostaddress(), QStringLiteral("127.0.0.1"));
        QCOMPARE(t.w.identity().myname, std::string("You"));
        QCOMPARE(t.w.mainchat()->document()->firstBlock().text(), QStringLiteral(" Loading Solo Game..Please wait. "));
        QTRY_VERIFY(t.w.identity().loggedin);
        QCOMPARE(t.w.identity().myseat, 1);
        QTRY_VERIFY(allText(t.w).contains(QStringLiteral("You are Connected.")));
        auto* name1 = t.w.findChild<QLabel*>(QStringLiteral("label_playername1"));
        QTRY_COMPARE(name1->text(), QStringLiteral("You"));
        auto* start = t.w.findChild<QWidget*>(QStringLiteral("button_start"));
        QVERIFY(start && !start->isHidden());
        QVERIFY(t.boxes.isEmpty());
    }

    void helpMenuOpensHelpAndAbout() {
        Window t;
        t.action("Help2")->trigger();
        auto* help = t.w.findChild<QWidget*>(QStringLiteral("help"));
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->findChild<QLabel*>(QStringLiteral("label_caption"))->text(), QStringLiteral("Overview"));
        t.action("About1")->trigger();
        auto* about = t.w.findChild<QWidget*>(QStringLiteral("about"));
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("version"))->text(), QStringLiteral("1.0.15"));
    }

    void onlyASoloGameShowsTheLobbyAdvert_data() {
        QTest::addColumn<bool>("solo");
        QTest::newRow("solo") << true;
        QTest::newRow("join") << false;
    }

    void onlyASoloGameShowsTheLobbyAdvert() {
        QFETCH(bool, solo);
        Window t;
        LaunchPlan p = solo ? decideLaunch({}) : joinPlan(1);
        p.port = solo ? 0 : 1;
        t.w.processparams(p);
        auto* advert = t.w.findChild<QWidget*>(QStringLiteral("download"));
        QCOMPARE(advert && advert->isVisible(), solo);
    }

    void hostingConnectsToTheLocalHostWhateverTheAddress() {
        // The second argument is kept but the own client goes to 127.0.0.1.
        Window t;
        LaunchPlan p = decideLaunch({QStringLiteral("Ann"), QStringLiteral("192.0.2.1"), QStringLiteral("true")});
        p.port = 0;
        p.openLobbyLink = false;
        t.w.processparams(p);
        QCOMPARE(t.w.launcher().hostaddress(), QStringLiteral("192.0.2.1"));
        QTRY_VERIFY(t.w.identity().loggedin);
        QTRY_COMPARE(t.w.findChild<QLabel*>(QStringLiteral("label_playername1"))->text(), QStringLiteral("Ann"));
    }

    void secondCopyIsFullOfLogins() {
        // Two windows against one in-process host: the second is told about the first.
        Window a, b;
        LaunchPlan p = decideLaunch({});
        p.port = 0;
        a.w.processparams(p);
        QTRY_VERIFY(a.w.identity().loggedin);
        b.w.processparams(joinPlan(a.w.launcher().hostServer()->serverPort(), QStringLiteral("Bee")));
        QTRY_VERIFY(b.w.identity().loggedin);
        QCOMPARE(b.w.identity().myseat, 2);
        QTRY_COMPARE(b.w.findChild<QLabel*>(QStringLiteral("label_playername1"))->text(), QStringLiteral("You"));
        QTRY_COMPARE(a.w.findChild<QLabel*>(QStringLiteral("label_playername2"))->text(), QStringLiteral("Bee"));
        QCOMPARE(b.w.otherPlayers(), QStringList({"You"}));
        QCOMPARE(a.w.otherPlayers(), QStringList({"Bee"}));
    }

    void sideWindowsOpenCentredWithTheBackgroundAndCloseOnEscape_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::newRow("tally") << "ViewTally1" << "tally";
        QTest::newRow("spy list") << "SpyList1" << "spylist";
        QTest::newRow("phrase list") << "PrhaseList1" << "phrases";
    }

    void sideWindowsOpenCentredWithTheBackgroundAndCloseOnEscape() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QTemporaryDir dir;
        TallyWindow tally(dir.filePath(QStringLiteral("quadrinotally.tld")));
        tally.setObjectName(QStringLiteral("tally"));
        Window t;
        t.w.setTally(&tally);
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        t.w.move(120, 40); // away from where a new window would land by itself
        t.w.findChild<QAction*>(entry)->trigger();
        QWidget* side = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == window) side = top;
        QVERIFY(side && side->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(side));
        QTRY_VERIFY((side->frameGeometry().center() - t.w.frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY(side->autoFillBackground());
        QVERIFY(!side->palette().brush(QPalette::Window).texture().isNull());
        side->activateWindow();
        QTest::keyClick(side, Qt::Key_Escape);
        QVERIFY(!side->isVisible());
    }

    // The log pane follows the game from the menu on, the summary shows at the winner with
    // the hosting user's "Play Again", and the log saves as the pane shows it.
    void gameLogAndSummaryFollowTheGame() {
        Window t;
        FakeHost fake;
        t.w.show();
        t.w.processparams(joinPlan(fake.port()));
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+1\xFF");
        QVERIFY(fake.waitForReceived("CMD_logininfo+1+1.0.15+Ann\xFF\xFF"));
        auto* dock = t.w.findChild<QDockWidget*>(QStringLiteral("dock_gamelog"));
        auto* list = t.w.findChild<QListWidget*>(QStringLiteral("list_gamelog"));
        auto* summary = t.w.findChild<QWidget*>(QStringLiteral("panel_summary"));
        QVERIFY(dock && list && summary && !dock->isVisible());
        for (const std::string& m : {encode(NewPlayerInfo{1, "Ann"}), encode(ExistingPlayers{2, "Bob"}),
                                     quadrino::testing::startAnnouncement("Ann", "0", "0", "0", "0", "t", "t", "0", 0),
                                     encode(NextPlayer{2, 1}), encode(HisDice{2, 2, 5, 3, 0, 0, false})})
            fake.send(QByteArray::fromStdString(m));
        QTRY_COMPARE(list->count(), 4);
        t.action("GameLog1")->trigger();
        QVERIFY(dock->isVisible() && t.w.preferences().showgamelog);
        QCOMPARE(list->item(3)->text(), QStringLiteral("Bob (Green) rolled 5 and 3."));
        fake.send(QByteArray::fromStdString(encode(MoveHim{2, 2, 1, 39, 1, {}, false}) + encode(Winner{2})));
        QTRY_VERIFY(summary->isVisible());
        QCOMPARE(list->item(4)->text(), QStringLiteral("Bob (Green) moved pawn 1 from start to square 39, spending 3 (die 2)."));
        auto* table = summary->findChild<QTableWidget*>(QStringLiteral("table_summary"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Bob (Green)"));
        QVERIFY(summary->findChild<QPushButton*>(QStringLiteral("button_playagain"))->isVisible());

        QTemporaryDir dir;
        auto* view = t.w.findChild<GameRecordView*>();
        QVERIFY(view->saveLogTo(dir.filePath(QStringLiteral("log.txt"))).isEmpty());
        QFile saved(dir.filePath(QStringLiteral("log.txt")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()).split(u'\n', Qt::SkipEmptyParts).size(), list->count());
        QVERIFY(!view->saveLogTo(dir.filePath(QStringLiteral("no/such/folder/log.txt"))).isEmpty());

        // Escape closes it.
        QTest::keyClick(summary->findChild<QPushButton*>(QStringLiteral("button_playagain")), Qt::Key_Escape);
        QVERIFY(!summary->isVisible());
        fake.send(QByteArray::fromStdString(quadrino::testing::startAnnouncement("Ann", "0", "0", "0", "0", "t", "t", "0", 0) +
                                            encode(Winner{2})));
        QTRY_VERIFY(summary->isVisible());
        const qsizetype sent = fake.received[0].size();
        QTest::mouseClick(summary->findChild<QPushButton*>(QStringLiteral("button_playagain")), Qt::LeftButton);
        QVERIFY(!summary->isVisible());
        QTRY_VERIFY(fake.received[0].mid(sent).startsWith("CMD_startgame+Ann+"));
    }

    void tallyCountsGamesWithTheOtherSeats() {
        QTemporaryDir dir;
        TallyWindow tally(dir.filePath(QStringLiteral("quadrinotally.tld")));
        Window a, b;
        a.w.setTally(&tally);
        LaunchPlan p = decideLaunch({});
        p.port = 0;
        a.w.processparams(p);
        QTRY_VERIFY(a.w.identity().loggedin);
        b.w.processparams(joinPlan(a.w.launcher().hostServer()->serverPort(), QStringLiteral("Bee")));
        QTRY_COMPARE(a.w.findChild<QLabel*>(QStringLiteral("label_playername2"))->text(), QStringLiteral("Bee"));

        a.action("ViewTally1")->trigger();
        QVERIFY(tally.isVisible());
        auto* checklist = tally.findChild<QListWidget*>(QStringLiteral("checklist"));
        QCOMPARE(checklist->count(), 1);
        QCOMPARE(checklist->item(0)->text(), QStringLiteral("Bee"));

        auto* grid = tally.findChild<QTableWidget*>(QStringLiteral("stringgrid_scores"));
        a.w.addgame(QStringLiteral("addtomine"));
        a.w.addgame(QStringLiteral("Bee"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("2")); // games played
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("1")); // games won
        a.w.close();
        QVERIFY(QFile::exists(tally.tallyFilePath())); // saved with the window's close
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
