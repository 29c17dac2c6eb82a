// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/launch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cmath>

#include "package_version.h"

namespace quadrino {

LaunchPlan decideLaunch(const QStringList& arguments) {
    LaunchPlan plan;
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool known = a == u"--port" || a == u"--time-scale" || a == u"--seed";
        if (!known) {
            rest << a;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            plan.error = a + QStringLiteral(" needs a value");
            return plan;
        }
        const QString value = arguments[++i];
        bool ok = false;
        if (a == u"--port") {
            const uint port = value.toUInt(&ok);
            if (!ok || port > 65535) {
                plan.error = QStringLiteral("--port needs a number from 0 to 65535, not \"%1\"").arg(value);
                return plan;
            }
            plan.port = static_cast<std::uint16_t>(port);
        } else if (a == u"--time-scale") {
            const double scale = value.toDouble(&ok);
            if (!ok || !std::isfinite(scale) || scale <= 0.0 || scale > 100.0) {
                plan.error = QStringLiteral("--time-scale needs a number above 0, not \"%1\"").arg(value);
                return plan;
            }
            plan.timeScale = scale;
        } else {
            const uint seed = value.toUInt(&ok);
            if (!ok) {
                plan.error = QStringLiteral("--seed needs a number from 0 to 4294967295, not \"%1\"").arg(value);
                return plan;
            }
            plan.seed = seed;
        }
    }

    if (rest.isEmpty()) {
        plan.mode = LaunchMode::Solo;
        plan.myname = QStringLiteral("You");
        plan.hostaddress = QStringLiteral("127.0.0.1");
    } else if (rest.size() < 3) {
        plan.mode = LaunchMode::Idle;
    } else {
        plan.myname = rest[0];
        plan.hostaddress = rest[1];
        plan.mode = rest[2] == u"true" ? LaunchMode::Host : LaunchMode::Join;
        plan.openLobbyLink = true;
    }
    return plan;
}

namespace {

// The translation context of the texts below, which belong to no window.
class Launch {
    Q_DECLARE_TR_FUNCTIONS(Launch)
};

} // namespace

std::optional<QString> launchInformation(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-hx" is a word, not -h and -x: a player's name may well start with a dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        Launch::tr("A dice race for up to four players over the network. Without "
                   "arguments, a solo game against computer players on this machine."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Launch::tr("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Launch::tr("Print the version and exit."));
    // Declared with their values so that a value is never mistaken for --help or --version.
    parser.addOptions({
        help,
        version,
        {QStringLiteral("port"),
         Launch::tr(
             "Host or join on TCP port N instead of %1 (0 to 65535; when hosting, 0 picks a free one).")
             .arg(kGamePort),
         QStringLiteral("N")},
        {QStringLiteral("time-scale"),
         Launch::tr("Multiply the timers of the game this copy hosts by F (above 0, at most 100)."),
         QStringLiteral("F")},
        {QStringLiteral("seed"),
         Launch::tr("Start the hosted game's dice from N (0 to 4294967295); without it the dice come from "
                    "the system's random source."),
         QStringLiteral("N")},
    });
    parser.addPositionalArgument(QStringLiteral("name"), Launch::tr("Your name at the table."),
                                 QStringLiteral("[name"));
    parser.addPositionalArgument(QStringLiteral("address"),
                                 Launch::tr("The host's address (kept, not used, when hosting)."),
                                 QStringLiteral("address"));
    parser.addPositionalArgument(
        QStringLiteral("flag"),
        Launch::tr("true hosts the game; any other word joins the game at the address. "
                   "With only a name, or a name and an address, the window waits "
                   "without connecting."),
        QStringLiteral("flag]"));

    // Words it does not know are the game's arguments, not mistakes: only the two requests count.
    parser.parse(QStringList{QStringLiteral("quadrino")} + arguments);
    const QString programVersion =
        QString::fromLatin1(kPackageVersion.data(), qsizetype(kPackageVersion.size()));
    if (parser.isSet(help)) {
        // Qt's usage line names the running executable, and none at all before there is an
        // application object: the program's own name stands there instead.
        QString text = parser.helpText();
        text.remove(0, text.indexOf(u'\n') + 1);
        return QStringLiteral("quadrino %1\n").arg(programVersion) +
               Launch::tr("Usage: %1").arg(QStringLiteral("quadrino [options] [name address flag]\n")) + text;
    }
    if (parser.isSet(version)) return QStringLiteral("quadrino %1\n").arg(programVersion);
    return std::nullopt;
}

} // namespace quadrino
