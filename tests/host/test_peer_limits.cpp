// SPDX-License-Identifier: GPL-3.0-or-later
// A connection's input budget on a clock of the test's own: however it is read, no more than
// the burst and the rate allow, and no less.
#include <QtTest>

#include "host/peer_limits.h"

using namespace quadrino;

class TestPeerLimits : public QObject {
    Q_OBJECT
private slots:
    void aBudgetGivesItsBurstAndItsRate_data() {
        QTest::addColumn<int>("perSecond"); // with a burst of 3000 bytes
        QTest::addColumn<int>("stepMs");    // the reader takes what it may every stepMs
        QTest::addColumn<int>("forMs");
        QTest::addColumn<qint64>("taken");
        QTest::newRow("every millisecond") << 1000 << 1 << 10000 << qint64(13000);
        QTest::newRow("fast, every millisecond") << 300000 << 1 << 10000 << qint64(3003000);
        QTest::newRow("fast, every 7 ms") << 300000 << 7 << 10003 << qint64(3003900);
        QTest::newRow("slow, every 7 ms") << 700 << 7 << 10003 << qint64(10002);
        QTest::newRow("the host's rate, every millisecond") << 262144 << 1 << 10000 << qint64(2624440);
        QTest::newRow("once at the end") << 300000 << 10000 << 10000 << qint64(6000);
        QTest::newRow("at once") << 300000 << 1 << 0 << qint64(3000);
    }
    void aBudgetGivesItsBurstAndItsRate() {
        QFETCH(int, perSecond);
        QFETCH(int, stepMs);
        QFETCH(int, forMs);
        QFETCH(qint64, taken);
        InputBudget budget(0, 3000, perSecond);
        qint64 got = budget.available(0);
        budget.spend(got);
        for (int now = stepMs; now <= forMs; now += stepMs) {
            const auto may = budget.available(now);
            budget.spend(may);
            got += may;
        }
        QCOMPARE(got, taken);
    }

    void aBudgetSaysWhenItHasGrownBack_data() {
        QTest::addColumn<qint64>("spent"); // at 0, of a burst of 1000 bytes and 1000 bytes/s
        QTest::addColumn<qint64>("wanted");
        QTest::addColumn<qint64>("waitMs");
        QTest::newRow("enough left") << qint64(0) << qint64(500) << qint64(1);
        QTest::newRow("some missing") << qint64(1000) << qint64(250) << qint64(250);
        QTest::newRow("more than the burst") << qint64(1000) << qint64(5000) << qint64(1000);
    }
    void aBudgetSaysWhenItHasGrownBack() {
        QFETCH(qint64, spent);
        QFETCH(qint64, wanted);
        QFETCH(qint64, waitMs);
        InputBudget budget(0, 1000, 1000);
        budget.spend(spent);
        QCOMPARE(budget.msUntil(wanted, 0), waitMs);
        QVERIFY(budget.available(waitMs) >= std::min<qint64>(wanted, 1000));
    }
};

QTEST_APPLESS_MAIN(TestPeerLimits)
#include "test_peer_limits.moc"
