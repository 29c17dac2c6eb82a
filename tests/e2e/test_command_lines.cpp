// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' command lines as a user meets them: help and the version without any
// display, and a mistake refused with status 2 before anything starts. (The game's own
// refusals need its window system first; tests/app/test_process.cpp has them.)
#include <QProcess>
#include <QtTest>

#include "package_version.h"

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

// Runs a program of the build with no display of any kind, as on a server or over ssh.
Run run(const QString& program, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("QUADRINO_BIN_DIR") + u'/' + program, arguments);
    Run r;
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(1000);
        return r;
    }
    if (p.exitStatus() == QProcess::NormalExit) r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class TestCommandLines : public QObject {
    Q_OBJECT
  private slots:
    void answersWithoutADisplay_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("mentions"); // besides the program's name and the version
        // The short forms are the parser's own; test_launch has the game's.
        const QStringList help{QStringLiteral("--help")};
        const QStringList version{QStringLiteral("--version")};
        const QList<std::pair<const char*, QStringList>> programs{
            {"quadrino", {"--port", "--seed", "--time-scale"}},
            {"quadrino-host", {"--port", "--listen", "--seed", "--owner-address"}},
            {"quadrino-sim", {"--games", "--seed", "--soak"}},
            {"quadrino-lobby", {"--port", "--listen", "--relay-rate", "--relayed-games"}},
        };
        for (const auto& [program, options] : programs) {
            for (const QString& o : help)
                QTest::addRow("%s %s", program, qPrintable(o))
                    << QString::fromLatin1(program) << o << options;
            for (const QString& o : version)
                QTest::addRow("%s %s", program, qPrintable(o))
                    << QString::fromLatin1(program) << o << QStringList{};
        }
    }
    void answersWithoutADisplay() {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QStringList, mentions);
        const Run r = run(program, {option});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(r.out.contains(program.toLatin1()), r.out.constData());
        const bool isHelp = option.startsWith(QStringLiteral("-h")) || option == u"--help";
        // The version is the package's; help shows it only where the program puts it first.
        if (!isHelp || program == u"quadrino") {
            const QByteArray versionText(quadrino::kPackageVersion.data(),
                                         qsizetype(quadrino::kPackageVersion.size()));
            QVERIFY2(r.out.contains(program.toLatin1() + ' ' + versionText), r.out.constData());
        }
        for (const QString& m : mentions)
            QVERIFY2(r.out.contains(m.toLatin1()), qPrintable(m));
    }

    void mistakesEndWithStatusTwo_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("says");
        QTest::newRow("host: a listen address that is none")
            << "quadrino-host" << QStringList{"--listen", "300.1.2.3"} << QByteArray("--listen wants");
        QTest::newRow("host: an unknown option")
            << "quadrino-host" << QStringList{"--colour"} << QByteArray("colour");
        QTest::newRow("lobby: a public address that is a name")
            << "quadrino-lobby" << QStringList{"--public-address", "lobby.example"} << QByteArray("--public-address wants");
        QTest::newRow("lobby: no relay bandwidth")
            << "quadrino-lobby" << QStringList{"--relay-rate", "0"} << QByteArray("--relay-rate wants");
    }
    void mistakesEndWithStatusTwo() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, says);
        const Run r = run(program, arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(says), r.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCommandLines)
#include "test_command_lines.moc"
