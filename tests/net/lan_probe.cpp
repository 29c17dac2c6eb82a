// SPDX-License-Identifier: GPL-3.0-or-later
// Run by run_lan_netns.sh on the joining side of a virtual network: waits until the game
// announced on port argv[1] is listed with nobody seated, logs in to it, and waits until
// the listing shows the seat taken. Exit 0 when both were seen, 1 on timeout, 3 when no
// Avahi daemon answers.
#include <QCoreApplication>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>

#include "net/lan_games.h"

using namespace quadrino;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const quint16 port = static_cast<quint16>(QCoreApplication::arguments().value(1).toUInt());
    LanBrowser browser;
    if (!browser.start()) {
        std::fprintf(stderr, "no daemon: %s\n", qPrintable(browser.errorString()));
        return 3;
    }
    QTcpSocket socket;
    QByteArray received;
    bool loggedIn = false;
    QObject::connect(&socket, &QTcpSocket::readyRead, &app, [&] {
        received += socket.readAll();
        const QByteArray greet("CMD_sendlogininfo+");
        const qsizetype at = received.indexOf(greet);
        const qsizetype end = received.indexOf('\xFF', at);
        if (loggedIn || at < 0 || end < 0) return;
        const QByteArray number = received.mid(at + greet.size(), end - at - greet.size());
        socket.write("CMD_logininfo+" + number + "+1.0.15+Probe\xFF\xFF");
        loggedIn = true;
    });
    QObject::connect(&browser, &LanBrowser::gamesChanged, &app, [&] {
        for (const LanEntry& e : browser.games()) {
            if (e.port != port) continue;
            std::printf("listed: %s at %s:%u, %d seated, %d watching, %s\n", e.game.host.c_str(),
                        qPrintable(e.address), e.port, e.game.seats, e.game.watchers,
                        e.game.started ? "started" : "waiting");
            std::fflush(stdout);
            if (e.game.seats == 0 && socket.state() == QAbstractSocket::UnconnectedState)
                socket.connectToHost(e.address, e.port);
            else if (e.game.seats == 1 && loggedIn)
                app.exit(0);
        }
    });
    QTimer::singleShot(30000, &app, [&] {
        std::fprintf(stderr, "timed out with %lld games listed\n", static_cast<long long>(browser.games().size()));
        app.exit(1);
    });
    return app.exec();
}
