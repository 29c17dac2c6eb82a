// SPDX-License-Identifier: GPL-3.0-or-later
// One of the two copies of the game run by run_lan_game_netns.sh, each on its own machine of a
// virtual LAN behind a test router, driven through its menus as a player would.
//   host WORK: hosts for others on 7772 from the Host dialog (listed on the network, router
//              asked), starts the game once a second player sits down, lets the computer
//              play its seat, and runs until SIGTERM, which closes it the ordinary way.
//   join WORK: opens the Join dialog, waits for the game to appear in its list, chooses it
//              without typing an address, joins as Bob, touches WORK/seated, and after its
//              connection has been cut (by the script) waits to be back in seat 2 and to see
//              the game go on. Exit 0 then, 1 on timeout.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "app/main_window.h"
#include "app/network_game_dialog.h"
#include "app/termination.h"
#include "net/host_server.h"
#include "windows/gamestart.h"

using namespace quadrino;

namespace {

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

NetworkGameDialog* openDialog(MainWindow& w, const char* entry, const char* name) {
    w.findChild<QAction*>(QString::fromLatin1(entry))->trigger();
    for (auto* d : w.findChildren<NetworkGameDialog*>(QString::fromLatin1(name)))
        if (d->isVisible()) return d;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString mode = QApplication::arguments().value(1);
    const QString work = QApplication::arguments().value(2);
    TerminationSignals termination;
    MainWindow w;
    w.setMessageBox([](const QString& text) { std::printf("box: %s\n", qPrintable(text)); });
    w.setQuestionBox([](const QString&) { return true; });
    w.launcher().setLocalNetworkAllowed(true);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &w, [&w] {
        say("closing");
        w.closeUnattended();
    });
    QObject::connect(&w, &MainWindow::closed, &app, &QCoreApplication::quit);
    QObject::connect(&w.launcher(), &GameLauncher::chatLine, &app,
                     [](const QString& line) { std::printf("chat: %s\n", qPrintable(line)); std::fflush(stdout); });
    w.show();
    w.processparams(decideLaunch({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("x")}));

    QTimer poll;
    poll.setInterval(50);
    bool started = false; // the host has started the game
    if (mode == QLatin1String("host")) {
        w.launcher().allowRouterRequests(work + QStringLiteral("/routermapping"));
        NetworkGameDialog* d = openDialog(w, "HostNetworkGame1", "hostgame");
        if (!d) return 1;
        d->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Ann"));
        d->findChild<QSpinBox*>(QStringLiteral("edit_port"))->setValue(7772);
        d->findChild<QCheckBox*>(QStringLiteral("check_listlan"))->setChecked(true);
        d->findChild<QCheckBox*>(QStringLiteral("check_askrouter"))->setChecked(true);
        d->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
        QObject::connect(&poll, &QTimer::timeout, &app, [&] {
            const HostServer* host = w.launcher().hostServer();
            if (started || !host || !host->host().player(2).loggedin) return;
            w.findChild<QAction*>(QStringLiteral("StartGame1"))->trigger();
            if (!w.gameOptions()->isVisible()) return;
            w.gameOptions()->findChild<QAbstractButton*>(QStringLiteral("button_start"))->click();
            w.findChild<QAction*>(QStringLiteral("JustWatch1"))->trigger();
            started = true;
            say("started");
        });
    } else {
        NetworkGameDialog* d = openDialog(w, "JoinNetworkGame1", "joingame");
        if (!d) return 1;
        auto* list = d->findChild<QTreeWidget*>(QStringLiteral("list_lan_games"));
        // The lambda below outlives this block: what it keeps lives as long as the program.
        static enum { Listing, Seating, Cut, Back } step = Listing;
        // Turns seen since the seat was back: the game goes on once the dice have gone round.
        static int turnsSinceReturn = -1;
        static int lastTurn = 0;
        QObject::connect(&poll, &QTimer::timeout, &app, [&, d, list] {
            const auto& identity = w.session().identity();
            const auto& table = w.session().table().state();
            switch (step) {
            case Listing:
                if (list->topLevelItemCount() == 0) return;
                list->setCurrentItem(list->topLevelItem(0));
                std::printf("chose %s at %s\n", qPrintable(list->topLevelItem(0)->text(0)),
                            qPrintable(d->findChild<QLineEdit*>(QStringLiteral("edit_address"))->text()));
                d->findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Bob"));
                d->findChild<QPushButton*>(QStringLiteral("button_ok"))->click();
                step = Seating;
                return;
            case Seating:
                if (identity.myseat != 2 || !table.gameRunning || !w.session().canRejoin()) return;
                w.findChild<QAction*>(QStringLiteral("JustWatch1"))->trigger();
                QFile(work + QStringLiteral("/seated")).open(QIODevice::WriteOnly);
                say("seated");
                step = Cut;
                return;
            case Cut:
                if (!w.launcher().retrying()) return;
                say("cut off, trying again");
                step = Back;
                return;
            case Back:
                if (w.launcher().retrying() || identity.myseat != 2 || !table.gameRunning) return;
                if (turnsSinceReturn < 0) {
                    turnsSinceReturn = 0;
                    lastTurn = table.turnseat;
                    say("back in seat 2");
                } else if (table.turnseat != lastTurn) {
                    lastTurn = table.turnseat;
                    if (++turnsSinceReturn == 4) {
                        say("the game goes on");
                        app.exit(0);
                    }
                }
                return;
            }
        });
        QTimer::singleShot(90000, &app, [&] {
            std::printf("timed out at step %d\n", static_cast<int>(step));
            app.exit(1);
        });
    }
    poll.start();
    return QApplication::exec();
}
