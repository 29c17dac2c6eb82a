// SPDX-License-Identifier: GPL-3.0-or-later
// The quadrino program as a process: one copy per user, a clean end on SIGTERM, refused
// options.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestProcess : public QObject {
    Q_OBJECT
private:
    QString program() const { return qEnvironmentVariable("QUADRINO_BIN_DIR") + QStringLiteral("/quadrino"); }
    // The runtime folder doubles as the user's folders, so no run touches the real ones.
    QProcessEnvironment environment(const QTemporaryDir& runtime) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), runtime.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }
    // A copy in idle mode (one argument): a window, no connection.
    bool startIdle(QProcess& p, const QTemporaryDir& runtime) const {
        p.setProcessEnvironment(environment(runtime));
        p.start(program(), {QStringLiteral("Ann")});
        if (!p.waitForStarted(5000)) return false;
        return QTest::qWaitFor([&] { return QFile::exists(runtime.filePath(QStringLiteral("quadrino.sock"))); }, 10000);
    }

private slots:
    void initTestCase() {
        if (!QFile::exists(program())) QSKIP("the quadrino program is not built");
    }

    void secondCopyEndsAtOnceAndLeavesTheFirstRunning() {
        QTemporaryDir runtime;
        QProcess first;
        QVERIFY(startIdle(first, runtime));

        QProcess second;
        second.setProcessEnvironment(environment(runtime));
        QElapsedTimer clock;
        clock.start();
        second.start(program(), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(clock.elapsed() < 5000, "the second copy should end at once");
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }

    void sigtermEndsTheProgramTheNormalWay() {
        QTemporaryDir runtime;
        // A settings file beside the program (left by an older build) makes it a portable copy.
        const QString bin = qEnvironmentVariable("QUADRINO_BIN_DIR");
        const bool portable = QFile::exists(bin + QStringLiteral("/kestrunlobby.ini"));
        const QString tally = portable ? bin + QStringLiteral("/quadrinotally.tld")
                                       : runtime.filePath(QStringLiteral("data/quadrino/quadrinotally.tld"));
        QFile::remove(tally);
        QProcess p;
        QVERIFY(startIdle(p, runtime));
        QTest::qWait(200);
        p.terminate(); // SIGTERM
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        // The normal exit writes the tally.
        QVERIFY(QFile::exists(tally));
        if (portable) QFile::remove(tally);
        // The lock is free again for the next copy.
        QProcess next;
        QVERIFY(startIdle(next, runtime));
        next.kill();
        QVERIFY(next.waitForFinished(10000));
    }

    void malformedOptionIsRefused() {
        QTemporaryDir runtime;
        QProcess p;
        p.setProcessEnvironment(environment(runtime));
        p.start(program(), {QStringLiteral("--port"), QStringLiteral("seventy")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("--port needs a number"));
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "test_process.moc"
