// SPDX-License-Identifier: GPL-3.0-or-later
// quadrino-lobby: where players on different networks find each other's games, chat, and
// reach a host that cannot be reached directly through a relay.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>

#include "lobby/lobby_server.h"
#include "app/termination.h"
#include "net/stderr_log.h"
#include "package_version.h"

namespace {

bool parseNumber(const QString& text, qlonglong low, qlonglong high, qlonglong& out) {
    bool ok = false;
    out = text.toLongLong(&ok);
    return ok && out >= low && out <= high;
}

// Set before the first message: whether standard error is the journal.
bool toJournal = false;

int fail(const QString& message) {
    std::fprintf(stderr, "%s%s\n",
                 quadrino::linePrefix(toJournal, quadrino::LogPriority::Error, "quadrino-lobby").c_str(),
                 qPrintable(message));
    return 2;
}

// Every connection is a descriptor: the soft limit goes as high as the system lets it.
rlim_t raiseDescriptorLimit() {
    rlimit r{};
    if (::getrlimit(RLIMIT_NOFILE, &r) != 0) return 0;
    if (r.rlim_cur < r.rlim_max) {
        r.rlim_cur = r.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &r);
        ::getrlimit(RLIMIT_NOFILE, &r);
    }
    return r.rlim_cur;
}

} // namespace

int main(int argc, char** argv) {
    // Qt's own event loop keeps its sockets in hash tables; the GLib one walks a list of all
    // of them whenever one starts or stops waiting to write, which thousands of sign-ins
    // turn into most of the lobby's work.
    qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("quadrino-lobby");
    QCoreApplication::setApplicationVersion(QString::fromLatin1(quadrino::kPackageVersion.data(),
                                                                static_cast<qsizetype>(quadrino::kPackageVersion.size())));
    toJournal = quadrino::writesToJournal(STDERR_FILENO);
    using quadrino::lobby::LobbyLimits;
    const LobbyLimits defaults;

    QCommandLineParser parser;
    parser.setApplicationDescription("Lists the Quadrino games that players host, lets signed-in players chat, "
                                     "and relays the game of a host that joiners cannot reach directly.");
    const QCommandLineOption helpOpt = parser.addHelpOption();
    const QCommandLineOption versionOpt = parser.addVersionOption();
    QCommandLineOption listenOpt("listen", "IPv4 or IPv6 address of this machine to listen on (default: every address).",
                                 "ADDRESS");
    QCommandLineOption portOpt("port", "TCP port to listen on (0 picks a free one).", "N",
                               QString::number(quadrino::lobby::kDefaultPort));
    QCommandLineOption publicOpt("public-address",
                                 "Address joiners are sent to for a relay (default: the address a host reached "
                                 "the lobby on).",
                                 "ADDRESS");
    QCommandLineOption publicPortOpt("public-port", "Port joiners are sent to for a relay (default: the port listened on).",
                                     "N");
    QCommandLineOption perAddressOpt("per-address", "Connections one address may hold at once, signed in or not.", "N",
                                     QString::number(defaults.perAddress));
    QCommandLineOption connectionsOpt("max-connections", "Connections in all.", "N",
                                      QString::number(defaults.connections));
    QCommandLineOption idleOpt("idle", "Seconds a signed-in connection may stay silent before it is closed.", "S",
                               QString::number(defaults.idleMs / 1000));
    QCommandLineOption relayedOpt("relayed-games", "Games relayed at once (0: no relays).", "N",
                                  QString::number(defaults.relayedGames));
    QCommandLineOption rateOpt("relay-rate", "Relay bandwidth of one game, each way, in KiB per second.", "KIB",
                               QString::number(defaults.relayBytesPerSecond / 1024));
    parser.addOptions({portOpt, listenOpt, publicOpt, publicPortOpt, perAddressOpt, connectionsOpt, idleOpt, relayedOpt,
                       rateOpt});
    if (!parser.parse(QCoreApplication::arguments())) return fail(parser.errorText());
    if (parser.isSet("help-all")) parser.process(app);
    if (parser.isSet(helpOpt)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(versionOpt)) {
        std::printf("quadrino-lobby %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail("unexpected argument: " + parser.positionalArguments().first());

    qlonglong port = 0, publicPort = 0, perAddress = 0, connections = 0, idle = 0, relayed = 0, rate = 0;
    if (!parseNumber(parser.value(portOpt), 0, 65535, port)) return fail("--port wants a number from 0 to 65535");
    if (parser.isSet(publicPortOpt) && !parseNumber(parser.value(publicPortOpt), 1, 65535, publicPort))
        return fail("--public-port wants a number from 1 to 65535");
    if (!parseNumber(parser.value(perAddressOpt), 1, 100000, perAddress))
        return fail("--per-address wants a number from 1 to 100000");
    if (!parseNumber(parser.value(connectionsOpt), 1, 1000000, connections))
        return fail("--max-connections wants a number from 1 to 1000000");
    if (!parseNumber(parser.value(idleOpt), 10, 86400, idle)) return fail("--idle wants seconds from 10 to 86400");
    if (!parseNumber(parser.value(relayedOpt), 0, 100000, relayed))
        return fail("--relayed-games wants a number from 0 to 100000");
    if (!parseNumber(parser.value(rateOpt), 1, 1024 * 1024, rate))
        return fail("--relay-rate wants KiB per second from 1 to 1048576");
    QHostAddress listenAddress(QHostAddress::Any);
    if (parser.isSet(listenOpt) && !listenAddress.setAddress(parser.value(listenOpt)))
        return fail("--listen wants an IPv4 or IPv6 address, not \"" + parser.value(listenOpt) + "\"");
    QHostAddress publicAddress;
    if (parser.isSet(publicOpt) && !publicAddress.setAddress(parser.value(publicOpt)))
        return fail("--public-address wants an IPv4 or IPv6 address, not \"" + parser.value(publicOpt) + "\"");

    std::signal(SIGPIPE, SIG_IGN);
    quadrino::StderrLog stderrLog;
    stderrLog.setProgram("quadrino-lobby");
    stderrLog.setJournal(toJournal);

    quadrino::lobby::LobbyServer::Options options;
    options.limits.perAddress = static_cast<std::size_t>(perAddress);
    options.limits.connections = static_cast<std::size_t>(connections);
    options.limits.idleMs = idle * 1000;
    options.limits.relayedGames = static_cast<std::size_t>(relayed);
    options.limits.relayBytesPerSecond = rate * 1024;
    if (parser.isSet(publicOpt)) options.publicAddress = publicAddress.toString().toStdString();
    options.publicPort = static_cast<int>(publicPort);
    options.logLine = [&stderrLog](std::string_view line) { stderrLog.write(line, quadrino::LogPriority::Info); };

    const rlim_t descriptors = raiseDescriptorLimit();
    // A few descriptors are the program's own; past the limit new connections would fail
    // at random instead of being turned away with a reason.
    if (descriptors > 0 && descriptors < static_cast<rlim_t>(connections) + 64) {
        options.limits.connections = descriptors > 64 ? static_cast<std::size_t>(descriptors - 64) : 1;
        stderrLog.write("the system allows " + std::to_string(descriptors) + " open files: at most " +
                            std::to_string(options.limits.connections) + " connections",
                        quadrino::LogPriority::Warning);
    }

    quadrino::lobby::LobbyServer server(options);
    const QString on = listenAddress == QHostAddress::Any ? QString() : listenAddress.toString() + u' ';
    if (!server.listen(static_cast<quint16>(port), listenAddress))
        return fail(QString("cannot listen on %1port %2: %3").arg(on).arg(port).arg(server.errorString()));
    stderrLog.write("listening on " + on.toStdString() + "port " + std::to_string(server.serverPort()));

    // SIGINT and SIGTERM close every connection and end the program the ordinary way.
    quadrino::TerminationSignals termination;
    if (!termination.installed()) return fail("cannot set up signal handling");
    QObject::connect(&termination, &quadrino::TerminationSignals::terminationRequested, &app, [&] {
        stderrLog.write("closing every connection and exiting");
        server.closeAll();
        app.quit();
    });
    return app.exec() == 0 ? 0 : 1;
}
