// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds really come out: a private PulseAudio server with a null sink stands in for the
// speakers, parec records what reaches the sink, and sox measures it. Skipped only on a machine
// without pulseaudio, parec or sox.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "chat/qt_sound_player.h"

using namespace quadrino;

namespace {

constexpr int kRecordRate = 44100;

} // namespace

class TestSoundHeard : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QProcess server_;
    std::unique_ptr<QProcess> recorder_;
    QString recording_;
    QProcessEnvironment env_;
    bool ready_ = false;

    bool serverAnswers() {
        QProcess pactl;
        pactl.setProcessEnvironment(env_);
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
    }

    // Starts recording the sink's monitor afresh; true once parec runs.
    bool startRecording(const QString& name) {
        recording_ = dir_.filePath(name + QStringLiteral(".raw"));
        recorder_ = std::make_unique<QProcess>();
        recorder_->setProcessEnvironment(env_);
        recorder_->start(QStringLiteral("parec"),
                         {QStringLiteral("-d"), QStringLiteral("rec.monitor"), QStringLiteral("--format=s16le"),
                          QStringLiteral("--rate=%1").arg(kRecordRate), QStringLiteral("--channels=1"),
                          QStringLiteral("--latency-msec=20"), recording_});
        return recorder_->waitForStarted(5000);
    }

    void stopRecording() {
        if (!recorder_) return;
        recorder_->terminate();
        if (!recorder_->waitForFinished(5000)) {
            recorder_->kill();
            recorder_->waitForFinished(5000);
        }
        recorder_.reset();
    }

    // The RMS amplitude (of full scale) of what was recorded so far, as sox measures it.
    double recordedRms() const {
        QProcess sox;
        sox.start(QStringLiteral("sox"), {QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-r"),
                                          QString::number(kRecordRate), QStringLiteral("-e"), QStringLiteral("signed"),
                                          QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-c"),
                                          QStringLiteral("1"), recording_, QStringLiteral("-n"), QStringLiteral("stat")});
        if (!sox.waitForFinished(10000)) return 0;
        static const QRegularExpression rms(QStringLiteral(R"(RMS\s+amplitude:\s+([0-9.]+))"));
        const auto m = rms.match(QString::fromLocal8Bit(sox.readAllStandardError()));
        return m.hasMatch() ? m.captured(1).toDouble() : 0;
    }

private slots:
    void initTestCase() {
        for (const char* tool : {"pulseaudio", "parec", "pactl", "sox"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool))));
        QVERIFY(dir_.isValid());
        const QString socket = dir_.filePath(QStringLiteral("native"));
        env_ = QProcessEnvironment::systemEnvironment();
        // A server of our own: its runtime files, state and socket all inside the temporary folder.
        env_.insert(QStringLiteral("HOME"), dir_.path());
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        env_.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_.filePath(QStringLiteral("run")));
        env_.insert(QStringLiteral("PULSE_STATE_PATH"), dir_.filePath(QStringLiteral("state")));
        env_.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        server_.setProcessEnvironment(env_);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-level=error"),
                       QStringLiteral("--load=module-null-sink sink_name=rec"),
                       QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        QVERIFY(server_.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(serverAnswers(), 15000);
        // This process plays through the same server.
        qputenv("PULSE_SERVER", (QStringLiteral("unix:") + socket).toLocal8Bit());
        ready_ = true;
    }

    void cleanup() { stopRecording(); }

    void cleanupTestCase() {
        stopRecording();
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(10000)) {
                server_.kill();
                server_.waitForFinished(5000);
            }
        }
    }

    void everySoundIsHeard_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : QtSoundPlayer::soundNames()) QTest::newRow(qPrintable(name)) << name;
    }
    void everySoundIsHeard() {
        QFETCH(QString, name);
        static QtSoundPlayer player; // kept like the program keeps it: effects made once
        QVERIFY(QtSoundPlayer::resourceOf(name).size() > 0);
        QSoundEffect* effect = player.effect(name);
        QVERIFY(effect);
        QTRY_VERIFY(effect->isLoaded());
        QVERIFY(startRecording(name));
        player.play(name);
        QTRY_VERIFY_WITH_TIMEOUT(recordedRms() > 0.01, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!effect->isPlaying(), 15000);
        qInfo("%s heard at RMS %.3f", qPrintable(name), recordedRms());
        stopRecording();
    }

    // The program plays "entered" within moments of starting, while recordings still load.
    void aSoundPlayedBeforeItHasLoadedIsHeard() {
        QVERIFY(startRecording(QStringLiteral("early")));
        QtSoundPlayer player;
        player.play(QStringLiteral("entered"));
        QTRY_VERIFY_WITH_TIMEOUT(recordedRms() > 0.01, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!player.effect(QStringLiteral("entered"))->isPlaying(), 15000);
    }

    void namesIgnoreCaseAndUnknownNamesPlayNothing() {
        QtSoundPlayer player;
        QVERIFY(player.effect(QStringLiteral("DoubleDice")));
        QCOMPARE(player.effect(QStringLiteral("DoubleDice")), player.effect(QStringLiteral("doubledice")));
        QCOMPARE(player.effect(QStringLiteral("WAVE20")), player.effect(QStringLiteral("wave20")));
        for (const char* unknown : {"wave21", "wave0", "", "../DICE", "dice.wav", ":/sounds/DICE.wav"}) {
            QVERIFY2(!player.effect(QString::fromLatin1(unknown)), unknown);
            player.play(QString::fromLatin1(unknown));
        }
        for (const QString& name : QtSoundPlayer::soundNames()) QVERIFY(!player.effect(name)->isPlaying());
    }

    void aNewGameSoundCutsTheOldOneButNotAChatterSound() {
        QtSoundPlayer player;
        for (const char* name : {"winner", "dice", "wave13"}) QTRY_VERIFY(player.effect(QString::fromLatin1(name))->isLoaded());
        QSoundEffect* winner = player.effect(QStringLiteral("winner"));
        QSoundEffect* dice = player.effect(QStringLiteral("dice"));
        QSoundEffect* applause = player.effect(QStringLiteral("wave13"));
        player.play(QStringLiteral("wave13"));
        player.play(QStringLiteral("winner"));
        QTRY_VERIFY(winner->isPlaying());
        player.play(QStringLiteral("dice"));
        QVERIFY(!winner->isPlaying());
        QVERIFY(dice->isPlaying());
        QVERIFY(applause->isPlaying());
        player.play(QStringLiteral("wave2")); // a new chatter sound cuts the old chatter sound only
        QVERIFY(!applause->isPlaying());
        QVERIFY(dice->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!dice->isPlaying(), 15000);
    }
};

QTEST_MAIN(TestSoundHeard)
#include "test_sound_heard.moc"
