// SPDX-License-Identifier: GPL-3.0-or-later
// chat_bench: what a line costs the chat pane as the chat grows. Prints the mean time per line
// for each block of lines, so a cost that grows with the chat shows as a rising column.
//   chat_bench [lines] [long lines] [link lines]
// Part 1: `lines` ordinary chat lines (default 20000) from two senders who change colour on
// every line, so each line recolours the earlier lines of its kind. Part 2: `long lines`
// (default 20) lines of about 4 KB, 2000 words each. Part 3: `link lines` (default 2000) lines
// of 400 web addresses each. Where the system tells, the resident memory of the process is
// printed too: the pane must not grow with the length of the chat.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextDocument>
#include <cstdio>
#include <ctime>

#include "chat/chat_pane.h"

using namespace quadrino;

namespace {

double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// CPU time of this thread: on a busy machine it shows the work apart from waiting for a core.
double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Resident memory of this process in MiB; 0 where the system does not say.
double rssMib() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // figures appear as they are measured
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::max(1, atoi(argv[1])) : 20000;
    const int longLines = argc > 2 ? std::max(0, atoi(argv[2])) : 20;
    const int linkLines = argc > 3 ? std::max(0, atoi(argv[3])) : 2000;

    ChatPane pane;
    pane.resize(260, 207);
    pane.show();
    QApplication::processEvents();

    const BgrColour colours[] = {0x0000FF, 0x008000, 0x800000, 0x808000};
    const int block = std::max(1, lines / 10);
    std::printf("ordinary lines, alternating colours: %d lines\n", lines);
    std::printf("%12s %14s %14s %14s %14s %10s\n", "lines", "ms per line", "of it adding", "cpu ms", "max ms",
                "rss MiB");
    QElapsedTimer total;
    total.start();
    double blockMs = 0, blockAddMs = 0, blockCpuMs = 0, blockMax = 0;
    for (int i = 0; i < lines; ++i) {
        QElapsedTimer t;
        t.start();
        const double cpuStart = cpuMs();
        const int sender = 1 + i % 2;
        pane.addlinetochat(QStringLiteral("%1+Player%1 chats: line %2 with a few words :)#12 in it").arg(sender).arg(i),
                           colours[(i / 2) % 4]);
        blockAddMs += msSince(t);
        QApplication::processEvents(); // layout and paint, as the running program would
        const double ms = msSince(t);
        blockCpuMs += cpuMs() - cpuStart;
        blockMs += ms;
        blockMax = std::max(blockMax, ms);
        if ((i + 1) % block == 0 || i + 1 == lines) {
            const int n = (i % block) + 1;
            std::printf("%12d %14.4f %14.4f %14.4f %14.3f %10.1f\n", i + 1, blockMs / n, blockAddMs / n,
                        blockCpuMs / n, blockMax, rssMib());
            blockMs = blockAddMs = blockCpuMs = blockMax = 0;
        }
    }
    std::printf("total %.1f ms, %d blocks in the pane\n\n", msSince(total), pane.document()->blockCount());

    if (longLines > 0) {
        QString words;
        for (int w = 0; w < 2000; ++w) words += QStringLiteral("w%1 ").arg(w % 10); // 2000 words, ~6 KB
        words.truncate(4096);
        std::printf("long lines: %d lines of %lld characters\n", longLines, static_cast<long long>(words.size()));
        std::printf("%12s %14s %14s %10s\n", "line", "ms", "cpu ms", "rss MiB");
        const int longBlock = std::max(1, longLines / 20);
        for (int i = 0; i < longLines; ++i) {
            QElapsedTimer t;
            t.start();
            const double cpuStart = cpuMs();
            pane.addlinetochat(QStringLiteral("3+Peer chats: ") + words, colours[i % 4]);
            QApplication::processEvents();
            if ((i + 1) % longBlock == 0 || i + 1 == longLines)
                std::printf("%12d %14.3f %14.3f %10.1f\n", i + 1, msSince(t), cpuMs() - cpuStart, rssMib());
        }
        std::printf("\n");
    }

    if (linkLines > 0) {
        QString links;
        for (int w = 0; w < 400; ++w) links += QStringLiteral("www.a%1.example ").arg(w);
        const int linkBlock = std::max(1, linkLines / 10);
        std::printf("link lines: %d lines of 400 web addresses\n", linkLines);
        std::printf("%12s %14s %10s %14s\n", "line", "ms per line", "rss MiB", "links kept");
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < linkLines; ++i) {
            pane.addlinetochat(QStringLiteral("4+Peer chats: ") + links, colours[i % 4]);
            if ((i + 1) % linkBlock == 0 || i + 1 == linkLines) {
                QApplication::processEvents();
                std::printf("%12d %14.3f %10.1f %14zu\n", i + 1, msSince(t) / ((i % linkBlock) + 1), rssMib(),
                            pane.linkTargets().size());
                t.restart();
            }
        }
        std::printf("%d blocks in the pane\n", pane.document()->blockCount());
    }
    return 0;
}
