// SPDX-License-Identifier: GPL-3.0-or-later
// The generator against outputs worked out by hand from its definition:
//   state := state * 134775813 + 1 (mod 2^32)
//   below(n) := upper 32 bits of (uint64) new state * n
//   die := below(6) + 1
// Reading aid: 2^32 = 4294967296.
#include <QTest>

#include <array>
#include <cstdint>

#include "rules/random.h"

using quadrino::Random;

class TestRandom : public QObject {
    Q_OBJECT

  private slots:
    void knownSequence_data();
    void knownSequence();
    void belowOtherRanges();
    void reseedRepeats();
    void clockSeedIsTimeOfDay();
};

void TestRandom::knownSequence_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<quint32>("state1");
    QTest::addColumn<quint32>("state2");
    QTest::addColumn<quint32>("state3");
    QTest::addColumn<QList<int>>("dice");

    // Seed 0:
    //  s1 = 0 * 134775813 + 1 = 1;                 1 * 6 = 6                 -> 0 -> die 1
    //  s2 = 1 * 134775813 + 1 = 134775814;         134775814 * 6 = 808654884 < 2^32 -> 0 -> die 1
    //  s3 = 134775814 * 134775813 + 1 = 18164519904586783 = 4229256 * 2^32 + 3698175007
    //       3698175007 * 6 = 22189050042 = 5 * 2^32 + 714213562          -> 5 -> die 6
    //  s4 = 3698175007 * 134775813 + 1 = 498424543184705692 = 116048507 * 2^32 + 870078620
    //       870078620 * 6 = 5220471720 = 1 * 2^32 + 925504424             -> 1 -> die 2
    //  s5 = 870078620 * 134775813 + 1 = 117265553384418061 = 27303014 * 2^32 + 1172187917
    //       1172187917 * 6 = 7033127502 = 1 * 2^32 + 2738160206           -> 1 -> die 2
    //  s6 = 1172187917 * 134775813 + 1 = 157982579502451522 = 36783185 * 2^32 + 2884733762
    //       2884733762 * 6 = 17308402572 = 4 * 2^32 + 128533388           -> 4 -> die 5
    QTest::newRow("seed 0") << 0u << 1u << 134775814u << 3698175007u << QList<int>{1, 1, 6, 2, 2, 5};

    // Seed 12345:
    //  s1 = 12345 * 134775813 + 1 = 1663807411486 = 387 * 2^32 + 1655067934
    //       1655067934 * 6 = 9930407604 = 2 * 2^32 + 1340473012           -> 2 -> die 3
    //  s2 = 1655067934 * 134775813 + 1 = 223063126375080343 = 51935931 * 2^32 + 1242767767
    //       1242767767 * 6 = 7456606602 = 1 * 2^32 + 3161639306           -> 1 -> die 2
    //  s3 = 1242767767 * 134775813 + 1 = 167495036167619572 = 38997977 * 2^32 + 342459380
    //       342459380 * 6 = 2054756280 < 2^32                             -> 0 -> die 1
    //  s4 = 342459380 * 134775813 + 1 = 46155241358975941 = 10746354 * 2^32 + 2377737157
    //       2377737157 * 6 = 14266422942 = 3 * 2^32 + 1381521054          -> 3 -> die 4
    //  s5 = 2377737157 * 134775813 + 1 = 320461458434983642 = 74613247 * 2^32 + 2721613530
    //       2721613530 * 6 = 16329681180 = 3 * 2^32 + 3444779292          -> 3 -> die 4
    //  s6 = 2721613530 * 134775813 + 1 = 366807676177549891 = 85404067 * 2^32 + 1467157059
    //       1467157059 * 6 = 8802942354 = 2 * 2^32 + 213007762            -> 2 -> die 3
    QTest::newRow("seed 12345") << 12345u << 1655067934u << 1242767767u << 342459380u
                                << QList<int>{3, 2, 1, 4, 4, 3};
}

void TestRandom::knownSequence() {
    QFETCH(quint32, seed);
    QFETCH(quint32, state1);
    QFETCH(quint32, state2);
    QFETCH(quint32, state3);
    QFETCH(QList<int>, dice);

    Random r(seed);
    QCOMPARE(r.state(), seed);
    QList<int> got;
    std::array<std::uint32_t, 3> states{};
    for (qsizetype i = 0; i < dice.size(); ++i) {
        got.append(r.die());
        if (i < 3) states[static_cast<std::size_t>(i)] = r.state();
    }
    QCOMPARE(states[0], state1);
    QCOMPARE(states[1], state2);
    QCOMPARE(states[2], state3);
    QCOMPARE(got, dice);
}

void TestRandom::belowOtherRanges() {
    // Seed 12345, first state 1655067934:
    //   * 4 = 6620271736 = 1 * 2^32 + 2325304440 -> below(4) = 1
    Random a(12345);
    QCOMPARE(a.below(4), 1u);
    // Same seed, below(1000): 1655067934 * 1000 = 1655067934000 = 385 * 2^32 + 1505525040 -> 385
    Random b(12345);
    QCOMPARE(b.below(1000), 385u);
    // State 0xFFFFFFFF: * 134775813 + 1 = 578857708992035836 = 134775812 * 2^32 + 4160191484
    //   (the multiplication wraps); 4160191484 * 6 = 24961148904 = 5 * 2^32 + 3486312424 -> 5
    Random c(0xFFFFFFFFu);
    QCOMPARE(c.below(6), 5u);
    QCOMPARE(c.state(), 4160191484u);
    // below(1) is always 0 and below(0) must not fault.
    Random d(77);
    QCOMPARE(d.below(1), 0u);
    QCOMPARE(d.below(0), 0u);
}

void TestRandom::reseedRepeats() {
    Random r(99);
    QList<int> first;
    for (int i = 0; i < 20; ++i)
        first.append(r.die());
    r.seed(99);
    QList<int> again;
    for (int i = 0; i < 20; ++i)
        again.append(r.die());
    QCOMPARE(again, first);
    for (int v : first)
        QVERIFY(v >= 1 && v <= 6);
}

void TestRandom::clockSeedIsTimeOfDay() {
    // Milliseconds of the day in universal time, so always below 24 h.
    QVERIFY(Random::clockSeed() < 24u * 60u * 60u * 1000u);
}

QTEST_GUILESS_MAIN(TestRandom)
#include "test_random.moc"
