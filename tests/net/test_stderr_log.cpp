// SPDX-License-Identifier: GPL-3.0-or-later
// The headless host's log: never blocks, keeps a bounded backlog, says how much it dropped,
// outlives its reader, and marks each line's priority for the journal when it writes to one.
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "net/stderr_log.h"

using quadrino::LogPriority;
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

    void recognisesTheJournalsStream_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<bool>("journal");
        // Stderr's identity in every row: device 2049, inode 123456.
        QTest::newRow("the same stream") << QByteArray("2049:123456") << true;
        QTest::newRow("another inode") << QByteArray("2049:123457") << false;
        QTest::newRow("unset or empty") << QByteArray("") << false;
        QTest::newRow("trailing text") << QByteArray("2049:123456x") << false;
    }
    void recognisesTheJournalsStream() {
        QFETCH(QByteArray, variable);
        QFETCH(bool, journal);
        QCOMPARE(quadrino::isJournalStream(
                     std::string_view(variable.constData(), std::size_t(variable.size())), 2049, 123456),
                 journal);
    }

    void journalLinesCarryTheirPriority() {
        Pipe pipe, other;
        struct stat st {};
        QCOMPARE(::fstat(pipe.w, &st), 0);
        const QByteArray identity =
            QByteArray::number(qulonglong(st.st_dev)) + ':' + QByteArray::number(qulonglong(st.st_ino));
        const QByteArray saved = qgetenv("JOURNAL_STREAM");
        qputenv("JOURNAL_STREAM", identity);
        // Inherited by a program whose stderr went elsewhere, the variable does not apply.
        QVERIFY(quadrino::writesToJournal(pipe.w));
        QVERIFY(!quadrino::writesToJournal(other.w));
        {
            StderrLog plain(other.w, 8192);
            plain.write("hello");
            QCOMPARE(other.drain(), QByteArray("quadrino-host: hello\n"));
        }
        {
            StderrLog log(pipe.w, 256);
            QVERIFY(log.journal());
            log.write("listening", LogPriority::Info);
            log.write("cannot go on", LogPriority::Error);
            log.write("details", LogPriority::Debug);
            QCOMPARE(pipe.drain(), QByteArray("<6>listening\n<3>cannot go on\n<7>details\n"));
        }
        if (saved.isNull())
            qunsetenv("JOURNAL_STREAM");
        else
            qputenv("JOURNAL_STREAM", saved);
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
