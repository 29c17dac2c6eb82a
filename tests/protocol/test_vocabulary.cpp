// SPDX-License-Identifier: GPL-3.0-or-later
// The shared numbering against the board as the game describes it: the twelve safety spots,
// each seat's path, and the twelve move codes with the amounts they spend.
#include <QtTest>

#include <set>

#include "protocol/vocabulary.h"

using namespace quadrino;

class TestVocabulary : public QObject {
    Q_OBJECT
private slots:
    void safeSquaresAreTheTwelveSpots() {
        const std::set<int> spots = {5, 12, 17, 22, 29, 34, 39, 46, 51, 56, 63, 68};
        for (int square = -1; square <= 101; ++square)
            QVERIFY2(isSafeSquare(square) == (spots.count(square) == 1), qPrintable(QString::number(square)));
    }

    void seatsEnterAndGoHomeWhereTheBoardSays_data() {
        QTest::addColumn<int>("seat");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("partner");
        QTest::newRow("1") << 1 << 5 << 69 << 97 << 2;
        QTest::newRow("2") << 2 << 39 << 83 << 99 << 1;
        QTest::newRow("3") << 3 << 56 << 76 << 98 << 4;
        QTest::newRow("4") << 4 << 22 << 90 << 100 << 3;
        QTest::newRow("no seat") << 5 << 0 << 0 << 0 << 0;
        QTest::newRow("zero") << 0 << 0 << 0 << 0 << 0;
    }
    void seatsEnterAndGoHomeWhereTheBoardSays() {
        QFETCH(int, seat);
        QTEST(startSquareOf(seat), "start");
        QTEST(homeColumnStartOf(seat), "column");
        QTEST(homeSquareOf(seat), "home");
        QTEST(partnerOf(seat), "partner");
    }

    // Every code spends the slot(s) named for it, and needs both parts when it names two.
    void moveCodesSpendTheirSlots_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("amount"); // with every slot holding a distinct value
        QTest::newRow("die1") << 1 << 1;
        QTest::newRow("die2") << 2 << 2;
        QTest::newRow("dice") << 3 << 3;
        QTest::newRow("bonus20a") << 4 << 20;
        QTest::newRow("bonus10a") << 5 << 10;
        QTest::newRow("double1") << 6 << 4;
        QTest::newRow("double2") << 7 << 5;
        QTest::newRow("doubles") << 8 << 9;
        QTest::newRow("bonus20b") << 9 << 21;
        QTest::newRow("bonus20c") << 10 << 22;
        QTest::newRow("bonus10b") << 11 << 11;
        QTest::newRow("bonus10c") << 12 << 12;
        QTest::newRow("not a code") << 13 << 0;
        QTest::newRow("zero") << 0 << 0;
    }
    void moveCodesSpendTheirSlots() {
        QFETCH(int, code);
        MoveSlots m;
        m.die1 = 1;
        m.die2 = 2;
        m.double1 = 4;
        m.double2 = 5;
        m.bonus20a = 20;
        m.bonus20b = 21;
        m.bonus20c = 22;
        m.bonus10a = 10;
        m.bonus10b = 11;
        m.bonus10c = 12;
        QTEST(amountOf(m, code), "amount");
        if (code == 3 || code == 8) {
            MoveSlots half = m;
            slotValue(half, kMoveCodes[code].second) = 0;
            QCOMPARE(amountOf(half, code), 0);
        }
    }

    // The client shows the eight amounts after the dice in pictures 1..8, one each.
    void everyBonusPictureShowsOneSlot() {
        std::set<int> pictures;
        for (const auto& s : kAmountSlots) {
            const bool die = s.slot == AmountSlot::die1 || s.slot == AmountSlot::die2;
            QCOMPARE(s.picture == 0, die);
            if (!die) pictures.insert(s.picture);
            QVERIFY(slotInfo(s.slot).field == s.field);
        }
        QCOMPARE(pictures, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    }

    void numberedContainersTakeTheGameNumbers() {
        PerSeat<int> perSeat = {10, 20, 30, 40};
        QCOMPARE(perSeat[1], 10);
        QCOMPARE(perSeat[4], 40);
        QVERIFY(PerSeat<int>::contains(4) && !PerSeat<int>::contains(0) && !PerSeat<int>::contains(5));
        QVERIFY(PerConnection<int>::contains(10) && !PerConnection<int>::contains(11));
    }
};

QTEST_APPLESS_MAIN(TestVocabulary)
#include "test_vocabulary.moc"
