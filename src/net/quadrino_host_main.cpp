// SPDX-License-Identifier: GPL-3.0-or-later
// quadrino-host: the game host without a window. Serves clients on a TCP port with the same
// host object that a hosting copy of the game runs.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QSysInfo>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <unistd.h>

#include "rules/strong_player.h"
#include "net/host_server.h"
#include "net/port_mapping.h"
#include "net/lan_games.h"
#include "net/lobby_listing.h"
#include "app/termination.h"
#include "net/stderr_log.h"
#include "package_version.h"
#include "protocol/wire.h"
#include "settings/settings_location.h"

namespace {

bool parseNumber(const QString& text, qlonglong low, qlonglong high, qlonglong& out) {
    bool ok = false;
    out = text.toLongLong(&ok);
    return ok && out >= low && out <= high;
}

// Set before the first message: whether standard error is the journal.
bool toJournal = false;

int fail(const QString& message) {
    std::fprintf(stderr, "%s%s\n", quadrino::linePrefix(toJournal, quadrino::LogPriority::Error).c_str(),
                 qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("quadrino-host");
    QCoreApplication::setApplicationVersion(QString::fromLatin1(quadrino::kPackageVersion.data(),
                                                                static_cast<qsizetype>(quadrino::kPackageVersion.size())));

    toJournal = quadrino::writesToJournal(STDERR_FILENO);

    QCommandLineParser parser;
    parser.setApplicationDescription("Hosts a Quadrino game without a window. Computer players take the "
                                     "seats nobody holds; the first connection from the owner's address is "
                                     "the hosting user.");
    const QCommandLineOption helpOpt = parser.addHelpOption();
    const QCommandLineOption versionOpt = parser.addVersionOption();
    QCommandLineOption listenOpt(
        "listen", "IPv4 or IPv6 address of this machine to listen on (default: every address).", "ADDRESS");
    QCommandLineOption portOpt("port", "TCP port to listen on (0 picks a free one).", "N", QString::number(quadrino::kGamePort));
    QCommandLineOption delayOpt("bot-delay", "Milliseconds between a computer player's steps.", "MS", "1000");
    QCommandLineOption seedOpt("seed",
                               "Replays the dice of the game's own generator from this state (tests, replays). "
                               "Without it the dice come from the system's random source.",
                               "N");
    QCommandLineOption scaleOpt("time-scale", "Multiplies every host timer interval (0.01 runs a bot game in seconds).",
                                "F", "1");
    QCommandLineOption levelOpt("bot-level", "How the computer plays the seats nobody holds: classic or strong.",
                                "LEVEL", "classic");
    QCommandLineOption ownerOpt("owner-address",
                                "Only a connection from this address gets number 1, with the hosting user's "
                                "rights (repeat for several; default: the loopback addresses).",
                                "ADDRESS");
    QCommandLineOption turnOpt("turn-timeout",
                               "Seconds a player may do nothing on their turn before the seat is set to just "
                               "watch and the computer plays it (0: never).",
                               "S", "120");
    QCommandLineOption perAddressOpt("per-address",
                                     "Connections one address may hold at once, logged in or not; loopback and "
                                     "the owner's addresses are spared (0: no limit).",
                                     "N", QString::number(quadrino::AddressLimit::kDefaultPerAddress));
    QCommandLineOption mapPortOpt("map-port",
                                  "Asks the home router (UPnP) to forward the port to this machine while the host "
                                  "runs, and removes the forwarding when it ends.");
    QCommandLineOption announceOpt("announce",
                                   "Announces the game on the local network (DNS-SD through the Avahi daemon), "
                                   "so that players there find it listed.");
    QCommandLineOption lobbyOpt("lobby",
                                "Lists the game in the online lobby at ADDRESS (host or host:port, port 7773 by "
                                "default), which relays the players who cannot connect to this machine.",
                                "ADDRESS");
    parser.addOptions(
        {portOpt, listenOpt, delayOpt, seedOpt, scaleOpt, levelOpt, ownerOpt, turnOpt, perAddressOpt, mapPortOpt,
         announceOpt, lobbyOpt});
    // Parsed here rather than by process(), so that every mistake on the command line ends
    // with the same status, 2, and help and the version go to standard output.
    if (!parser.parse(QCoreApplication::arguments())) return fail(parser.errorText());
    // Only Qt's own handling can list Qt's options too.
    if (parser.isSet("help-all")) parser.process(app);
    if (parser.isSet(helpOpt)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(versionOpt)) {
        std::printf("quadrino-host %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail("unexpected argument: " + parser.positionalArguments().first());

    qlonglong port = 0, delay = 0, seed = 0, turnTimeout = 0, perAddress = 0;
    if (!parseNumber(parser.value(portOpt), 0, 65535, port)) return fail("--port wants a number from 0 to 65535");
    if (!parseNumber(parser.value(delayOpt), 0, 600000, delay)) return fail("--bot-delay wants milliseconds");
    if (!parseNumber(parser.value(turnOpt), 0, 86400, turnTimeout))
        return fail("--turn-timeout wants seconds from 0 to 86400");
    if (!parseNumber(parser.value(perAddressOpt), 0, 9, perAddress))
        return fail("--per-address wants a number from 0 to 9");
    QHostAddress listenAddress(QHostAddress::Any);
    if (parser.isSet(listenOpt) && !listenAddress.setAddress(parser.value(listenOpt)))
        return fail("--listen wants an IPv4 or IPv6 address, not \"" + parser.value(listenOpt) + "\"");
    QList<QHostAddress> owners;
    for (const QString& text : parser.values(ownerOpt)) {
        QHostAddress a;
        if (!a.setAddress(text)) return fail("--owner-address wants an IP address, not \"" + text + "\"");
        owners << a;
    }
    std::optional<quadrino::LobbyAddress> lobbyAddress;
    if (parser.isSet(lobbyOpt)) {
        lobbyAddress = quadrino::parseLobbyAddress(parser.value(lobbyOpt));
        if (!lobbyAddress)
            return fail("--lobby wants host or host:port with a port from 1 to 65535, not \"" + parser.value(lobbyOpt) + "\"");
    }
    quadrino::HostServer::Options options;
    if (parser.isSet(seedOpt)) {
        if (!parseNumber(parser.value(seedOpt), 0, 0xFFFFFFFFLL, seed))
            return fail("--seed wants a number from 0 to 4294967295");
        options.seed = static_cast<std::uint32_t>(seed);
    }
    bool ok = false;
    options.timeScale = parser.value(scaleOpt).toDouble(&ok);
    if (!ok || options.timeScale < 0 || options.timeScale > 1000) return fail("--time-scale wants a factor from 0 to 1000");
    options.botDelay = [d = static_cast<int>(delay)] { return d; };
    const QByteArray levelName = parser.value(levelOpt).toLatin1();
    const auto level = quadrino::botLevelFromName(std::string_view(levelName.constData(),
                                                                   static_cast<std::size_t>(levelName.size())));
    if (!level) return fail("--bot-level wants classic or strong");
    options.turnTimeoutMs = turnTimeout * 1000;
    options.perAddress = static_cast<int>(perAddress);
    // A seat silent through its whole turn and as long again after it is taken for gone; the
    // turn timeout has set it to just watch by then, so a player who is merely away has had
    // the same while as ever before the computer plays on.
    options.silentSeatMs = turnTimeout > 0 ? 2 * turnTimeout * 1000 : quadrino::HostServer::kSilentSeatMs;
    options.mayBeOwner = [owners](const QHostAddress& peer, quint16) {
        if (owners.isEmpty()) return peer.isLoopback();
        for (const QHostAddress& a : owners)
            if (a.isEqual(peer, QHostAddress::TolerantConversion)) return true;
        return false;
    };
    // A log reader that has gone away must not take the host with it: writes to it fail
    // quietly instead of raising SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    quadrino::StderrLog stderrLog;
    stderrLog.setJournal(toJournal);
    // What the host reports about its peers is its ordinary work, however hostile they are.
    options.logLine = [&stderrLog](std::string_view line) {
        stderrLog.write(line, quadrino::LogPriority::Info);
    };

    quadrino::HostServer server(options);
    server.host().setBotLevels(*level);
    // Every address goes without saying; one chosen is named.
    const QString on = listenAddress == QHostAddress::Any ? QString() : listenAddress.toString() + u' ';
    if (!server.listen(static_cast<quint16>(port), listenAddress))
        return fail(QString("cannot listen on %1port %2: %3").arg(on).arg(port).arg(server.errorString()));
    stderrLog.write("listening on " + on.toStdString() + "port " + std::to_string(server.serverPort()) +
                    (options.seed ? " (seed " + std::to_string(*options.seed) + ")"
                                  : std::string(" (dice from the system's random source)")));

    // Declared after the server so that it goes first: the forwarding ends before the game.
    std::unique_ptr<quadrino::PortMapping> router;
    if (parser.isSet(mapPortOpt)) {
        // Recorded under the data folder, so that a run after a crash removes what is left.
        const std::filesystem::path data = quadrino::defaultDataFolder();
        router = std::make_unique<quadrino::PortMapping>(
            data.empty() ? QString() : QString::fromStdString((data / "routermapping").string()));
        QObject::connect(router.get(), &quadrino::PortMapping::mapped, &app,
                         [&stderrLog](const QString& external, quint16 mapped) {
                             stderrLog.write("the router forwards port " + std::to_string(mapped) +
                                             (external.isEmpty() ? std::string() : " from " + external.toStdString()));
                         });
        QObject::connect(router.get(), &quadrino::PortMapping::failed, &app, [&stderrLog](const QString& reason) {
            stderrLog.write("the router did not forward the port: " + reason.toStdString(), quadrino::LogPriority::Warning);
        });
        QObject::connect(router.get(), &quadrino::PortMapping::unmapped, &app, [&stderrLog](quint16 gone) {
            stderrLog.write("the router no longer forwards port " + std::to_string(gone));
        });
        router->map(server.serverPort());
    }

    // Declared after the server, so the announcement is withdrawn before the game goes.
    quadrino::LanPublisher lan;
    if (parser.isSet(announceOpt)) {
        // No hosting user here to name the game after: the machine does.
        const QString name = QSysInfo::machineHostName();
        const quadrino::GameOptions none{};
        auto current = [&server, name, none] {
            return quadrino::lanGameOf(server.host(), name.toStdString(), none);
        };
        if (lan.start(name, server.serverPort(), current())) {
            QObject::connect(&server, &quadrino::HostServer::tableMayHaveChanged, &lan,
                             [&lan, current] { lan.update(current()); });
            QObject::connect(&lan, &quadrino::LanPublisher::registered, &lan, [&stderrLog, &lan] {
                stderrLog.write("announced on the local network as \"" + lan.registeredName().toStdString() + "\"");
            });
        } else {
            stderrLog.write("not announced on the local network: " + lan.errorString().toStdString(),
                            quadrino::LogPriority::Warning);
        }
    }

    // Declared after the server, so the listing is withdrawn before the game goes.
    std::unique_ptr<quadrino::LobbyListing> listing;
    if (lobbyAddress) {
        const QString name = QSysInfo::machineHostName();
        const quadrino::GameOptions none{};
        listing = std::make_unique<quadrino::LobbyListing>(server, *lobbyAddress, name, [&server, name, none] {
            return quadrino::lanGameOf(server.host(), name.toStdString(), none);
        });
        QObject::connect(listing.get(), &quadrino::LobbyListing::status, &app,
                         [&stderrLog](const QString& text) { stderrLog.write(text.toStdString()); });
        listing->start();
    }

    // SIGINT and SIGTERM close every connection and end the program the ordinary way.
    quadrino::TerminationSignals termination;
    if (!termination.installed()) return fail("cannot set up signal handling");
    QObject::connect(&termination, &quadrino::TerminationSignals::terminationRequested, &app, [&] {
        stderrLog.write("closing every connection and exiting");
        if (listing) listing->stop();
        server.closeAll();
        app.quit();
    });

    return app.exec() == 0 ? 0 : 1;
}
