// SPDX-License-Identifier: GPL-3.0-or-later
// One of the two copies of the game run by run_relay_game_netns.sh, driven through its
// windows as a player would.
//   host LOBBY WORK: with LOBBY as its remembered lobby, hosts for others from the Host
//                    dialog with the game listed in the lobby, on seeded dice and fast timers;
//                    starts the game once a second player sits down, lets the computer play
//                    its seat, and runs until SIGTERM.
//   join LOBBY WORK: opens File > "Play Online...", connects to LOBBY, waits for a game the
//                    lobby relays, joins it with a click and lets the computer play its seat
//                    to the game's winner. Exit 0 then, 1 on timeout.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "app/lobby_window.h"
#include "app/main_window.h"
#include "app/network_game_dialog.h"
#include "app/termination.h"
#include "chat/chat_pane.h"
#include "net/host_server.h"
#include "windows/gamestart.h"

using namespace quadrino;

namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Answers the lobby window's question for a name, when it asks.
bool answerName(QWidget* window, const QString& name) {
    auto* asked = window->findChild<QDialog*>(QStringLiteral("lobbyjoin"));
    if (!asked || !asked->isVisible()) return false;
    asked->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(name);
    asked->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString mode = QApplication::arguments().value(1);
    const QString lobby = QApplication::arguments().value(2);
    TerminationSignals termination;
    MainWindow w;
    w.setMessageBox([](const QString& text) { say(QStringLiteral("box: ") + text); });
    w.setQuestionBox([](const QString&) { return true; });
    w.launcher().setLocalNetworkAllowed(true);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &w, &MainWindow::closeUnattended);
    QObject::connect(&w, &MainWindow::closed, &app, &QCoreApplication::quit);
    QObject::connect(&w.launcher(), &GameLauncher::chatLine, &app,
                     [](const QString& line) { say(QStringLiteral("chat: ") + line); });
    w.show();
    // Seeded dice and timers twenty times as fast, for the game this copy may host.
    w.processparams(decideLaunch({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--seed"),
                                  QStringLiteral("7"), QStringLiteral("--time-scale"), QStringLiteral("0.05"),
                                  QStringLiteral("x")}));
    QTimer poll;
    poll.setInterval(50);
    bool started = false; // the host has started the game
    if (mode == QLatin1String("host")) {
        Preferences prefs = w.preferences();
        prefs.lobbyServer = lobby.toStdString();
        prefs.botspeed = Preferences::kBotFast;
        w.setPreferences(prefs);
        w.findChild<QAction*>(QStringLiteral("HostNetworkGame1"))->trigger();
        NetworkGameDialog* d = nullptr;
        for (auto* each : w.findChildren<NetworkGameDialog*>(QStringLiteral("hostgame")))
            if (each->isVisible()) d = each;
        if (!d) return 1;
        d->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Ann"));
        d->findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(7772);
        d->findChild<QCheckBox*>(QStringLiteral("check_listlobby"))->setChecked(true);
        d->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
        QObject::connect(&poll, &QTimer::timeout, &app, [&] {
            const HostServer* host = w.launcher().hostServer();
            if (started || !host || !host->host().player(2).loggedin) return;
            w.findChild<QAction*>(QStringLiteral("StartGame1"))->trigger();
            if (!w.gameOptions()->isVisible()) return;
            w.gameOptions()->findChild<QAbstractButton*>(QStringLiteral("button_start"))->click();
            w.findChild<QAction*>(QStringLiteral("JustWatch1"))->trigger();
            started = true;
            say(QStringLiteral("started"));
        });
    } else {
        w.findChild<QAction*>(QStringLiteral("PlayOnline1"))->trigger();
        LobbyWindow* window = w.lobbyWindow();
        if (!window) return 1;
        window->findChild<QLineEdit*>(QStringLiteral("edit_lobbyserver"))->setText(lobby);
        window->findChild<QPushButton*>(QStringLiteral("button_connect"))->click();
        auto* games = window->findChild<QTreeWidget*>(QStringLiteral("list_games"));
        // The lambda below outlives this block: what it keeps lives as long as the program.
        static enum { Listing, Seating, Playing } step = Listing;
        QObject::connect(&poll, &QTimer::timeout, &app, [&, window, games] {
            if (answerName(window, QStringLiteral("Bob"))) return;
            switch (step) {
            case Listing:
                for (int i = 0; i < games->topLevelItemCount(); ++i) {
                    QTreeWidgetItem* row = games->topLevelItem(i);
                    if (row->text(5) != QLatin1String("relay")) continue;
                    say(QStringLiteral("listed: %1, %2, reached by %3").arg(row->text(0), row->text(1), row->text(5)));
                    games->setCurrentItem(row);
                    window->findChild<QPushButton*>(QStringLiteral("button_join"))->click();
                    step = Seating;
                    return;
                }
                return;
            case Seating:
                if (w.session().identity().myseat != 2 || !w.session().table().state().gameRunning) return;
                w.findChild<QAction*>(QStringLiteral("JustWatch1"))->trigger();
                say(QStringLiteral("seated, the game is on"));
                step = Playing;
                return;
            case Playing:
                if (!w.mainchat()->toPlainText().contains(QStringLiteral("Won the Game!"))) return;
                say(QStringLiteral("the game has its winner"));
                app.exit(0);
                return;
            }
        });
        QTimer::singleShot(240000, &app, [&] {
            say(QStringLiteral("timed out at step %1").arg(static_cast<int>(step)));
            app.exit(1);
        });
    }
    poll.start();
    return QApplication::exec();
}
