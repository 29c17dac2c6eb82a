// SPDX-License-Identifier: GPL-3.0-or-later
// quadrino: the game. One copy per user; a second start brings the first copy's window to
// the front and ends.
#include <QApplication>
#include <QSessionManager>
#include <cstdio>
#include <filesystem>

#include "app/desktop_identity.h"
#include "app/launch.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/termination.h"
#include "app/translations.h"
#include "chat/qt_sound_player.h"
#include "settings/settings_location.h"
#include "tally/tally_window.h"

int main(int argc, char* argv[]) {
    // Help and the version need no display, so they are answered before the window system
    // is opened (which fails where there is none).
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
    if (quadrino::launchInformation(rawArguments)) {
        // Asked again with an application object, so that the answer is in the user's language.
        QCoreApplication console(argc, argv);
        quadrino::installTranslations(console, QLocale::system());
        std::fputs(qPrintable(*quadrino::launchInformation(rawArguments)), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrino"));
    quadrino::presentToDesktop();
    quadrino::installTranslations(app, QLocale::system());

    // Caught from the start: a SIGTERM that arrives while the window is still being built
    // waits for the event loop and then closes the window the ordinary way.
    quadrino::TerminationSignals termination;

    quadrino::SingleInstance guard;
    if (!guard.claim()) return 0;

    const quadrino::LaunchPlan plan = quadrino::decideLaunch(QApplication::arguments().mid(1));
    if (!plan.error.isEmpty()) {
        std::fprintf(stderr, "quadrino: %s\n", qPrintable(plan.error));
        return 2;
    }

    const quadrino::SettingsLocation location =
        quadrino::locateSettings(QCoreApplication::applicationDirPath().toStdString(),
                                 {quadrino::defaultConfigFolder(), quadrino::defaultDataFolder()});
    // Created before the main window, so it outlives it and saves after it.
    quadrino::TallyWindow tally(QString::fromStdString(location.tallyFile.string()));
    quadrino::MainWindow window;
    window.setSettingsLocation(location);
    window.setTally(&tally);
    window.setSoundPlayer(std::make_unique<quadrino::QtSoundPlayer>());
    // The test environment sets QUADRINO_STAY_LOCAL for every program it runs, so that no
    // test announces a game to, looks for games on, or asks a router of, the network it
    // happens to be on.
    const bool mayReachOut = !qEnvironmentVariableIsSet("QUADRINO_STAY_LOCAL");
    window.launcher().setLocalNetworkAllowed(mayReachOut);
    // Hosting for others may ask the home router to forward the port (the user's choice); the
    // mapping is recorded beside the tally so that the next run removes it after a crash.
    const std::filesystem::path dataFolder = quadrino::defaultDataFolder();
    if (mayReachOut)
        window.launcher().allowRouterRequests(
            dataFolder.empty() ? QString() : QString::fromStdString((dataFolder / "routermapping").string()));
    QObject::connect(&window, &quadrino::MainWindow::closed, &app, &QCoreApplication::quit);

    QObject::connect(&guard, &quadrino::SingleInstance::raiseRequested, &window, [&window] {
        if (window.isMinimized()) window.showNormal();
        window.raise();
        window.activateWindow();
    });

    // Signals and the end of the desktop session run the ordinary close, which saves.
    QObject::connect(&termination, &quadrino::TerminationSignals::terminationRequested, &window,
                     &quadrino::MainWindow::closeUnattended);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window](QSessionManager&) {
        window.closeUnattended();
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.saveAtExit(); });

    window.show();
    window.processparams(plan);
    return QApplication::exec();
}
