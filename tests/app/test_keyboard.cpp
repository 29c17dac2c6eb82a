// SPDX-License-Identifier: GPL-3.0-or-later
// The main window by keyboard: the board has the focus from the start, its keys reach the host
// only from the board (typing in the chat box stays typing), F6 moves between board and chat,
// and B writes the board's summary into the chat.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/fake_host.h"
#include "app/main_window.h"
#include "chat/chat_pane.h"
#include "protocol/catalogue.h"
#include "protocol/start_announcement.h"
#include "table/table_panel.h"
#include "windows/gamestart.h"

using namespace quadrino;

namespace {

struct Window {
    Window() {
        w.setMessageBox([this](const QString& t) { boxes << t; });
        w.show();
    }
    // Logs in on seat 1 as Ann against a stand-in host, with a game started and the turn ours.
    bool ourTurn(FakeHost& fake, int number = 1) {
        LaunchPlan p = decideLaunch({QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), QStringLiteral("no")});
        p.port = fake.port();
        p.openLobbyLink = false;
        w.processparams(p);
        if (!fake.waitForClient()) return false;
        fake.send("CMD_sendlogininfo+" + QByteArray::number(number) + "\xFF");
        if (!QTest::qWaitFor([&] { return fake.received[0].contains("CMD_logininfo"); }, 5000)) return false;
        fake.received[0].clear();
        QByteArray game;
        for (const std::string& m : {encode(ExistingPlayers{1, "Ann"}), encode(ExistingPlayers{2, "Bob"}),
                                     quadrino::testing::startAnnouncement("Ann", "1", "1", "1", "1", "f", "f", "0", 3),
                                     encode(NextPlayer{1, 1})})
            game += QByteArray::fromStdString(m);
        fake.send(game);
        return QTest::qWaitFor([&] { return w.session().table().state().clientphase == (number == 1 ? 1 : 0) &&
                                            w.session().table().state().gameRunning; }, 5000);
    }
    // A key as the keyboard sends it: to whatever has the focus in the window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(w.focusWidget(), key, modifiers);
    }
    QLineEdit* entry() const { return w.findChild<QLineEdit*>(QStringLiteral("mychat")); }
    MainWindow w;
    QStringList boxes;
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void keysFireOnlyFromTheBoard() {
        FakeHost fake;
        Window t;
        QVERIFY(t.ourTurn(fake));
        QWidget* board = t.w.panel()->boardFocus();
        QCOMPARE(t.w.focusWidget(), board);

        // F6 to the chat box: the board's keys are only typing there.
        t.press(Qt::Key_F6);
        QCOMPARE(t.w.focusWidget(), t.entry());
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_1, Qt::Key_P, Qt::Key_B}) t.press(k);
        QTest::qWait(50);
        for (const char* request : {"CMD_playerroll", "CMD_moveit", "CMD_playerpass"})
            QVERIFY2(!fake.received[0].contains(request), request);
        QCOMPARE(t.entry()->text(), QStringLiteral(" 1pb"));
        QVERIFY(!t.w.mainchat()->toPlainText().contains(QStringLiteral("Yellow (Ann)")));

        // F6 back to the board: Space rolls.
        t.press(Qt::Key_F6);
        QCOMPARE(t.w.focusWidget(), board);
        t.press(Qt::Key_Space);
        QVERIFY(QTest::qWaitFor([&] { return fake.received[0].contains("CMD_playerroll+1+\xFF"); }, 5000));
        t.press(Qt::Key_B);
        // (The pane sets a line's "name:" apart by a space of its own.)
        QVERIFY(t.w.mainchat()->toPlainText().simplified().contains(
            QStringLiteral("Yellow (Ann), you, to move: pawn 1 at start; pawn 2 at start; pawn 3 at start; pawn 4 at start")));
        QVERIFY(t.boxes.isEmpty());
    }

    // Ctrl+N is File > "Start Game": only for the hosting user, number 1, whichever copy hosts.
    void ctrlNIsStartGame() {
        FakeHost fake;
        Window t;
        QVERIFY(t.ourTurn(fake));
        QAction* start = t.w.findChild<QAction*>(QStringLiteral("StartGame1"));
        QCOMPARE(start->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QVERIFY(start->isEnabled()); // joined as number 1
        t.w.setQuestionBox([](const QString&) { return true; });
        t.press(Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(t.w.gameOptions()->isVisible());

        FakeHost other;
        Window u;
        QVERIFY(u.ourTurn(other, 2));
        QVERIFY(!u.w.findChild<QAction*>(QStringLiteral("StartGame1"))->isEnabled());
        u.press(Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!u.w.gameOptions()->isVisible());
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
