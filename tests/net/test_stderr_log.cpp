// SPDX-License-Identifier: GPL-3.0-or-later
// The headless host's log: never blocks, keeps a bounded backlog, says how much it dropped,
// and outlives its reader.
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "net/stderr_log.h"

using quadrino::StderrLog;

namespace {

struct Pipe {
    int r = -1, w = -1;
    Pipe() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) == 0) {
            r = fds[0];
            w = fds[1];
            ::fcntl(w, F_SETPIPE_SZ, 4096);
        }
    }
    ~Pipe() {
        if (r >= 0) ::close(r);
        if (w >= 0) ::close(w);
    }
    QByteArray drain() {
        QByteArray out;
        const int flags = ::fcntl(r, F_GETFL);
        ::fcntl(r, F_SETFL, flags | O_NONBLOCK);
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(r, buf, sizeof buf);
            if (n <= 0) break;
            out.append(buf, qsizetype(n));
        }
        ::fcntl(r, F_SETFL, flags);
        return out;
    }
};

} // namespace

class TestStderrLog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::signal(SIGPIPE, SIG_IGN); }

    void aFullPipeDropsAndCounts() {
        Pipe pipe;
        StderrLog log(pipe.w, 8192);
        const std::string line(99, 'x'); // 100 bytes with its newline
        for (int i = 0; i < 200; ++i) log.write(line); // returns although nobody reads
        QVERIFY(log.pending() <= 8192);
        QVERIFY(log.dropped() > 0);
        const auto dropped = log.dropped();
        // The pipe's writer is still blocking for everybody else.
        QCOMPARE(::fcntl(pipe.w, F_GETFL) & O_NONBLOCK, 0);
        QByteArray read;
        QTRY_VERIFY_WITH_TIMEOUT((read += pipe.drain(), read.contains("log lines dropped")), 5000);
        QVERIFY(read.contains(QByteArray::number(qulonglong(dropped)) + " log lines dropped"));
        QCOMPARE(read.count('\n') - 1, 200 - int(dropped)); // every line kept arrives whole
        log.write("after");
        QTRY_VERIFY_WITH_TIMEOUT((read += pipe.drain(), read.endsWith("after\n")), 5000);
    }

    void aReaderThatLeftEndsTheLog() {
        Pipe pipe;
        StderrLog log(pipe.w, 8192);
        ::close(pipe.r);
        pipe.r = -1;
        for (int i = 0; i < 100; ++i) log.write("nobody hears this");
        QCOMPARE(log.pending(), std::size_t(0));
    }
};

QTEST_GUILESS_MAIN(TestStderrLog)
#include "test_stderr_log.moc"
