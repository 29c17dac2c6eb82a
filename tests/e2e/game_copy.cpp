// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the game in the namespace tests' virtual networks, driven through its menus and
// windows as a player would. Usage: game_copy MODE WORK [LOBBY].
//   lan-host:   hosts for others on 7772 from the Host dialog, listed on this network and the
//               router asked to forward the port.
//   relay-host: hosts for others on 7772, listed in LOBBY (its remembered lobby), on seeded
//               dice and fast timers.
//               Either host starts the game once a second player sits down, lets the computer
//               play its seat, and runs until SIGTERM, which closes it the ordinary way.
//   lan-join:   chooses the game in the Join dialog's list without typing an address, joins as
//               Bob, touches WORK/seated, and once its connection has been cut (by the script)
//               waits to be back in seat 2 and to see the game go on.
//   relay-join: connects to LOBBY in File > "Play Online...", joins the game the lobby relays
//               with a click and lets the computer play its seat to the game's winner.
// A join exits 0 when it has seen all that, 1 on timeout.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
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

NetworkGameDialog* openDialog(MainWindow& w, const char* entry, const char* name) {
    w.findChild<QAction*>(QString::fromLatin1(entry))->trigger();
    for (auto* d : w.findChildren<NetworkGameDialog*>(QString::fromLatin1(name)))
        if (d->isVisible()) return d;
    return nullptr;
}

// Answers the lobby window's question for a name, when it asks.
bool answerName(QWidget* window, const QString& name) {
    auto* asked = window->findChild<QDialog*>(QStringLiteral("lobbyjoin"));
    if (!asked || !asked->isVisible()) return false;
    asked->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(name);
    asked->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
    return true;
}

// What a join has seen so far; the steps of lan-join, then those of relay-join.
enum Step { Listing, Seating, Cut, Back, Playing };

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString mode = QApplication::arguments().value(1);
    const QString work = QApplication::arguments().value(2);
    const QString lobby = QApplication::arguments().value(3);
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
    // Seeded dice and timers twenty times as fast, for a relayed game to end soon.
    QStringList plan{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("x")};
    if (mode == QLatin1String("relay-host"))
        plan << QStringLiteral("--seed") << QStringLiteral("7") << QStringLiteral("--time-scale") << QStringLiteral("0.05");
    w.processparams(decideLaunch(plan));

    QTimer poll;
    poll.setInterval(50);
    bool started = false;
    Step step = Listing;
    int turnsSinceReturn = -1, lastTurn = 0;
    NetworkGameDialog* join = nullptr;
    LobbyWindow* lobbyWindow = nullptr;
    const auto& identity = w.session().identity();
    const auto& table = w.session().table().state();

    if (mode.endsWith(QLatin1String("-host"))) {
        const bool lan = mode == QLatin1String("lan-host");
        if (lan) w.launcher().allowRouterRequests(work + QStringLiteral("/routermapping"));
        else {
            Preferences prefs = w.preferences();
            prefs.lobbyServer = lobby.toStdString();
            prefs.botspeed = Preferences::kBotFast;
            w.setPreferences(prefs);
        }
        NetworkGameDialog* d = openDialog(w, "HostNetworkGame1", "hostgame");
        if (!d) return 1;
        d->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Ann"));
        d->findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(7772);
        d->findChild<QCheckBox*>(QStringLiteral("check_listlan"))->setChecked(lan);
        d->findChild<QCheckBox*>(QStringLiteral("check_askrouter"))->setChecked(lan);
        d->findChild<QCheckBox*>(QStringLiteral("check_listlobby"))->setChecked(!lan);
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
        poll.start();
        return QApplication::exec();
    }

    if (mode == QLatin1String("lan-join")) {
        join = openDialog(w, "JoinNetworkGame1", "joingame");
        if (!join) return 1;
    } else {
        w.findChild<QAction*>(QStringLiteral("PlayOnline1"))->trigger();
        lobbyWindow = w.lobbyWindow();
        if (!lobbyWindow) return 1;
        lobbyWindow->findChild<QLineEdit*>(QStringLiteral("edit_lobbyserver"))->setText(lobby);
        lobbyWindow->findChild<QPushButton*>(QStringLiteral("button_connect"))->click();
    }
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (lobbyWindow && answerName(lobbyWindow, QStringLiteral("Bob"))) return;
        switch (step) {
        case Listing: {
            // The first game of this network's list, or the first one the lobby relays.
            auto* list = join ? join->findChild<QTreeWidget*>(QStringLiteral("list_lan_games"))
                              : lobbyWindow->findChild<QTreeWidget*>(QStringLiteral("list_games"));
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                QTreeWidgetItem* row = list->topLevelItem(i);
                if (lobbyWindow && row->text(5) != QLatin1String("relay")) continue;
                list->setCurrentItem(row);
                if (join) {
                    say(QStringLiteral("chose %1 at %2")
                            .arg(row->text(0), join->findChild<QLineEdit*>(QStringLiteral("edit_address"))->text()));
                    join->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Bob"));
                    join->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
                } else {
                    say(QStringLiteral("listed: %1, %2, reached by %3").arg(row->text(0), row->text(1), row->text(5)));
                    lobbyWindow->findChild<QPushButton*>(QStringLiteral("button_join"))->click();
                }
                step = Seating;
                return;
            }
            return;
        }
        case Seating:
            if (identity.myseat != 2 || !table.gameRunning || (join && !w.session().canRejoin())) return;
            w.findChild<QAction*>(QStringLiteral("JustWatch1"))->trigger();
            say(QStringLiteral("seated"));
            if (join) QFile(work + QStringLiteral("/seated")).open(QIODevice::WriteOnly);
            step = join ? Cut : Playing;
            return;
        case Cut:
            if (!w.launcher().retrying()) return;
            say(QStringLiteral("cut off, trying again"));
            step = Back;
            return;
        case Back:
            if (w.launcher().retrying() || identity.myseat != 2 || !table.gameRunning) return;
            if (turnsSinceReturn < 0) {
                turnsSinceReturn = 0;
                lastTurn = table.turnseat;
                say(QStringLiteral("back in seat 2"));
            } else if (table.turnseat != lastTurn) {
                // The game goes on once the dice have gone round.
                lastTurn = table.turnseat;
                if (++turnsSinceReturn == 4) {
                    say(QStringLiteral("the game goes on"));
                    app.exit(0);
                }
            }
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
    poll.start();
    return QApplication::exec();
}
