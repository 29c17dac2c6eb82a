// SPDX-License-Identifier: GPL-3.0-or-later
// Run by run_lan_netns.sh on the joining side of a virtual network: waits until the game
// announced on port argv[1] is listed with nobody seated, logs in to it, and waits until
// the listing shows the seat taken. Then, twice, the game must leave the list and come back
// with the seat still taken: the script restarts the hosting side's Avahi daemon, then this
// side's, each after the probe has touched argv[2]/stepN. Exit 0 when all was seen, 1 on
// timeout, 3 when no Avahi daemon answers.
#include <QCoreApplication>
#include <QFile>
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
    const QString work = QCoreApplication::arguments().value(2);
    // 0: waiting for the seat; 1 and 2: after each restart, waiting for the game to go (odd
    // `away`) and to come back.
    int step = 0;
    bool away = false;
    auto reach = [&](int next) {
        step = next;
        away = false;
        std::printf("step %d\n", step);
        std::fflush(stdout);
        QFile(work + QStringLiteral("/step%1").arg(step)).open(QIODevice::WriteOnly);
    };
    QObject::connect(&browser, &LanBrowser::gamesChanged, &app, [&] {
        int listed = 0;
        for (const LanEntry& e : browser.games()) listed += e.port == port ? 1 : 0;
        if (listed > 1) {
            std::fprintf(stderr, "the game is listed %d times\n", listed);
            app.exit(1);
        }
        if (step > 0) {
            if (listed == 0) away = true;
            else if (away && browser.games().front().game.seats == 1) step == 2 ? app.exit(0) : reach(2);
            return;
        }
        for (const LanEntry& e : browser.games()) {
            if (e.port != port) continue;
            std::printf("listed: %s at %s:%u, %d seated, %d watching, %s\n", e.game.host.c_str(),
                        qPrintable(e.address), e.port, e.game.seats, e.game.watchers,
                        e.game.started ? "started" : "waiting");
            std::fflush(stdout);
            if (e.game.seats == 0 && socket.state() == QAbstractSocket::UnconnectedState)
                socket.connectToHost(e.address, e.port);
            else if (e.game.seats == 1 && loggedIn)
                reach(1);
        }
    });
    QTimer::singleShot(60000, &app, [&] {
        std::fprintf(stderr, "timed out with %lld games listed\n", static_cast<long long>(browser.games().size()));
        app.exit(1);
    });
    return app.exec();
}
