// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in recordings and the player that plays them, on a machine without a sound server:
// every name has a recording in a format Qt Multimedia reads (16-bit PCM, not float), short,
// audible and unclipped, and playing with nowhere to play stays silent without failing.
#include <QFile>
#include <QSoundEffect>
#include <QRegularExpression>
#include <QTest>

#include "chat/qt_sound_player.h"

using namespace quadrino;

namespace {

struct WavInfo {
    bool ok = false;
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    double seconds = 0;
    int peak = 0;
    double rms = 0; // of full scale
};

WavInfo readWav(const QByteArray& b) {
    WavInfo w;
    // Byte by byte: qFromLittleEndian trips a false -Warray-bounds of g++ 12 in sanitizer builds.
    auto byteAt = [&](qsizetype at) { return quint32(quint8(b.at(at))); };
    auto u16 = [&](qsizetype at) { return quint16(byteAt(at) | byteAt(at + 1) << 8); };
    auto u32 = [&](qsizetype at) { return u16(at) | quint32(u16(at + 2)) << 16; };
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return w;
    qsizetype at = 12;
    bool haveFormat = false;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (size > b.size() - body) return w;
        if (id == "fmt " && size >= 16) {
            w.format = u16(body);
            w.channels = u16(body + 2);
            w.rate = u32(body + 4);
            w.bits = u16(body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat && w.bits == 16 && w.channels == 1 && w.rate > 0) {
            const qsizetype samples = size / 2;
            double sum = 0;
            for (qsizetype i = 0; i < samples; ++i) {
                const int s = qint16(u16(body + 2 * i));
                w.peak = std::max(w.peak, std::abs(s));
                sum += double(s) * s;
            }
            w.seconds = double(samples) / w.rate;
            w.rms = samples ? std::sqrt(sum / double(samples)) / 32768.0 : 0;
            w.ok = samples > 0;
            return w;
        }
        at = body + size + (size & 1);
    }
    return w;
}

} // namespace

class TestSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Nowhere to play: a sound server that does not exist.
        qputenv("PULSE_SERVER", "unix:/nonexistent/quadrino-test/native");
    }

    void everySoundHasAShortCleanRecording_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : QtSoundPlayer::soundNames()) QTest::newRow(qPrintable(name)) << name;
    }
    void everySoundHasAShortCleanRecording() {
        QFETCH(QString, name);
        QtSoundPlayer player; // makes the resources known
        QFile f(QtSoundPlayer::resourceOf(name));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const WavInfo w = readWav(f.readAll());
        QVERIFY(w.ok);
        QCOMPARE(w.format, quint16(1)); // integer PCM: Qt Multimedia does not decode float WAV
        QCOMPARE(w.bits, quint16(16));
        QCOMPARE(w.channels, quint16(1));
        QCOMPARE(w.rate, quint32(22050));
        QVERIFY2(w.seconds < 2.0, qPrintable(QString::number(w.seconds)));
        QVERIFY2(w.peak < 32000, qPrintable(QString::number(w.peak)));  // no clipping
        QVERIFY2(w.rms > 0.05 && w.rms < 0.3, qPrintable(QString::number(w.rms))); // about -17 dB
    }

    void namesIgnoreCaseAndUnknownNamesHaveNoSound() {
        QCOMPARE(QtSoundPlayer::soundNames().size(), 32);
        QCOMPARE(QtSoundPlayer::resourceOf(QStringLiteral("Wave3")), QStringLiteral(":/sounds/wave3.wav"));
        QCOMPARE(QtSoundPlayer::resourceOf(QStringLiteral("turnnew")), QStringLiteral(":/sounds/TURNNEW.wav"));
        QCOMPARE(QtSoundPlayer::resourceOf(QStringLiteral("DoubleDice")), QStringLiteral(":/sounds/DOUBLEDICE.wav"));
        for (const char* unknown : {"wave21", "wave0", "", "../DICE", "dice.wav", ":/sounds/DICE.wav"})
            QVERIFY2(QtSoundPlayer::resourceOf(QString::fromLatin1(unknown)).isEmpty(), unknown);
    }

    // Qt Multimedia decodes every recording (it refuses float WAV, for one).
    void everyRecordingLoads() {
        QtSoundPlayer player; // makes the resources known
        for (const QString& name : QtSoundPlayer::soundNames()) {
            QSoundEffect e;
            e.setSource(QUrl(QStringLiteral("qrc") + QtSoundPlayer::resourceOf(name)));
            QTRY_VERIFY2(e.status() != QSoundEffect::Loading && e.status() != QSoundEffect::Null, qPrintable(name));
            QVERIFY2(e.status() == QSoundEffect::Ready, qPrintable(name));
        }
    }

    void withoutAnAudioOutputPlayingIsSilentAndQuiet() {
        QtSoundPlayer player;
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        for (int round = 0; round < 3; ++round) {
            for (const QString& name : QtSoundPlayer::soundNames()) player.play(name);
            player.play(QStringLiteral("no such sound"));
        }
        for (const QString& name : QtSoundPlayer::soundNames()) QVERIFY(!player.effect(name));
    }
};

QTEST_MAIN(TestSoundPlayer)
#include "test_sound_player.moc"
