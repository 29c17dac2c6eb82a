// SPDX-License-Identifier: GPL-3.0-or-later
// spy_list_bench: what spectators' arrivals cost the main window. Hands the window's session
// join announcements of spectators (numbers 5 to 9, every one under a new name), as its
// connection would, and prints the processor time per block of announcements and the length
// of the spy list, so a cost that grows with the list shows as a rising column.
//   spy_list_bench [announcements]   (default 5000)
#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <ctime>

#include "app/main_window.h"
#include "windows/spy_list.h"

using namespace quadrino;

namespace {

double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true); // the user's own settings and tally stay untouched
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    const int joins = argc > 1 ? std::max(1, atoi(argv[1])) : 5000;

    MainWindow w;
    w.show();
    QApplication::processEvents();
    const int block = std::max(1, joins / 10);
    std::printf("%d join announcements of spectators\n", joins);
    std::printf("%12s %16s %12s\n", "joins", "cpu ms per join", "list length");
    const double start = cpuMs();
    double blockStart = start;
    for (int i = 0; i < joins; ++i) {
        const std::string m = "CMD_newplayerinfo+" + std::to_string(5 + i % 5) + "+Spy" + std::to_string(i);
        emit w.session().connection().messageReady(m);
        if ((i + 1) % block == 0 || i + 1 == joins) {
            QApplication::processEvents();
            const double now = cpuMs();
            std::printf("%12d %16.3f %12lld\n", i + 1, (now - blockStart) / ((i % block) + 1),
                        static_cast<long long>(w.spyList()->entries().size()));
            blockStart = now;
        }
    }
    std::printf("total %.0f ms of processor time\n", cpuMs() - start);
    return 0;
}
