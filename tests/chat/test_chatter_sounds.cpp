// SPDX-License-Identifier: GPL-3.0-or-later
// Which received chatter sounds play: only the twenty chatter sounds, whatever their case, and
// at most one a second from each sender.
#include <QTest>

#include "chat/chatter_sounds.h"

using namespace quadrino;

class TestChatterSounds : public QObject {
    Q_OBJECT
private slots:
    void namesOnlyTheTwentyChatterSounds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number"); // 0: refused
        QTest::newRow("first") << "wave1" << 1;
        QTest::newRow("last") << "wave20" << 20;
        QTest::newRow("upper case") << "WAVE7" << 7;
        QTest::newRow("mixed case") << "WaVe12" << 12;
        QTest::newRow("past the last") << "wave21" << 0;
        QTest::newRow("zero") << "wave0" << 0;
        QTest::newRow("leading zero") << "wave01" << 0;
        QTest::newRow("no number") << "wave" << 0;
        QTest::newRow("game sound") << "winner" << 0;
        QTest::newRow("game sound by resource name") << "DICE" << 0;
        QTest::newRow("path") << "../wave1" << 0;
        QTest::newRow("trailing blank") << "wave1 " << 0;
        QTest::newRow("sign") << "wave+1" << 0;
        QTest::newRow("long number") << "wave100000000000000000001" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void namesOnlyTheTwentyChatterSounds() {
        QFETCH(QString, name);
        QFETCH(int, number);
        const auto n = chatterSoundNumber(name.toStdString());
        QCOMPARE(n.value_or(0), number);
        if (n) QCOMPARE(QString::fromStdString(chatterSoundName(*n)), name.toLower());
    }

    void cutsReceivedRequests_data() {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("seat"); // 0: refused
        QTest::addColumn<int>("number");
        QTest::newRow("as relayed") << "3+wave5+" << 3 << 5;
        QTest::newRow("without the closing plus") << "2+WAVE9" << 2 << 9;
        QTest::newRow("spectator") << "9+wave20+" << 9 << 20;
        QTest::newRow("extra fields are ignored") << "1+wave2+junk+" << 1 << 2;
        QTest::newRow("sender zero") << "0+wave1+" << 0 << 0;
        QTest::newRow("sender ten") << "10+wave1+" << 0 << 0;
        QTest::newRow("sender no number") << "x+wave1+" << 0 << 0;
        QTest::newRow("no sender") << "+wave1+" << 0 << 0;
        QTest::newRow("no plus") << "1wave1" << 0 << 0;
        QTest::newRow("game sound") << "1+winner+" << 0 << 0;
        QTest::newRow("empty name") << "1++" << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0;
    }
    void cutsReceivedRequests() {
        QFETCH(QString, data);
        QFETCH(int, seat);
        QFETCH(int, number);
        const auto r = parseChatterSound(data.toStdString());
        QCOMPARE(r.has_value(), seat != 0);
        if (!r) return;
        QCOMPARE(r->seat, seat);
        QCOMPARE(r->number, number);
    }

    // Each step: time in ms, the request, whether it plays.
    void letsEachSenderPlayOnceASecond_data() {
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QList<bool>>("played");
        QTest::newRow("a second apart all play")
            << QList<int>{0, 1000, 2000} << QStringList{"1+wave1+", "1+wave2+", "1+wave3+"}
            << QList<bool>{true, true, true};
        QTest::newRow("a flood plays once a second")
            << QList<int>{0, 1, 500, 999, 1000, 1001, 1999, 2000}
            << QStringList{"1+wave1+", "1+wave1+", "1+wave1+", "1+wave1+", "1+wave1+", "1+wave1+", "1+wave1+",
                           "1+wave1+"}
            << QList<bool>{true, false, false, false, true, false, false, true};
        QTest::newRow("senders are counted apart")
            << QList<int>{0, 10, 20, 30} << QStringList{"1+wave1+", "2+wave1+", "1+wave1+", "9+wave4+"}
            << QList<bool>{true, true, false, true};
        QTest::newRow("refused names start no quiet second")
            << QList<int>{0, 10, 20} << QStringList{"1+winner+", "1+wave30+", "1+wave1+"}
            << QList<bool>{false, false, true};
        QTest::newRow("refused in the quiet second does not stretch it")
            << QList<int>{0, 600, 1000} << QStringList{"4+wave1+", "4+wave2+", "4+wave3+"}
            << QList<bool>{true, false, true};
    }
    void letsEachSenderPlayOnceASecond() {
        QFETCH(QList<int>, times);
        QFETCH(QStringList, requests);
        QFETCH(QList<bool>, played);
        ChatterSoundGate gate;
        const std::int64_t start = 5'000'000'000; // a clock far from zero, as a monotonic clock is
        for (qsizetype i = 0; i < times.size(); ++i) {
            const bool plays = gate.admit(requests[i].toStdString(), start + times[i]).has_value();
            QVERIFY2(plays == played[i], qPrintable(QStringLiteral("step %1").arg(i)));
        }
    }
};

QTEST_APPLESS_MAIN(TestChatterSounds)
#include "test_chatter_sounds.moc"
