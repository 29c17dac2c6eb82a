// SPDX-License-Identifier: GPL-3.0-or-later
// Which markers a click on one of the user's pawns offers, and which code a pawn at start
// enters with: the client's own copy of the move rules.
#include <QtTest>

#include "table/marker_rules.h"

using namespace quadrino;
using namespace quadrino::table;

namespace {

// "1.2=13 3.1=40": pawn 2 of seat 1 on 13, pawn 1 of seat 3 on 40; every other pawn at start.
BoardPawns parsePawns(const QString& text) {
    BoardPawns b{};
    for (const QString& item : text.split(' ', Qt::SkipEmptyParts)) {
        const auto sp = item.split('=');
        const auto who = sp.at(0).split('.');
        b[static_cast<unsigned>(who.at(0).toInt() - 1)][static_cast<unsigned>(who.at(1).toInt() - 1)] =
            sp.at(1).toInt();
    }
    return b;
}

// "3=5 4=5": tags of image_bonus3 and image_bonus4.
std::array<int, 8> parseBonus(const QString& text) {
    std::array<int, 8> out{};
    for (const QString& item : text.split(' ', Qt::SkipEmptyParts)) {
        const auto sp = item.split('=');
        out[static_cast<unsigned>(sp.at(0).toInt() - 1)] = sp.at(1).toInt();
    }
    return out;
}

// "1:13 3:17": marker 1 on 13, marker 3 on 17, no other marker.
std::array<int, 13> parseTargets(const QString& text) {
    std::array<int, 13> out{};
    for (const QString& item : text.split(' ', Qt::SkipEmptyParts)) {
        const auto sp = item.split(':');
        out[static_cast<unsigned>(sp.at(0).toInt())] = sp.at(1).toInt();
    }
    return out;
}

QString describe(const std::array<int, 13>& t) {
    QStringList parts;
    for (int c = 1; c <= 12; ++c)
        if (t[static_cast<unsigned>(c)] != 0) parts << QStringLiteral("%1:%2").arg(c).arg(t[static_cast<unsigned>(c)]);
    return parts.join(' ');
}

} // namespace

class TestMarkerRules : public QObject {
    Q_OBJECT
private slots:
    void stepping_data();
    void stepping();
    void markers_data();
    void markers();
    void amounts_data();
    void amounts();
    void entering_data();
    void entering();
    void helpers();
};

void TestMarkerRules::stepping_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("to");
    QTest::newRow("seat 1 stays on the track past 68") << 1 << 68 << 1 << 69;
    QTest::newRow("seat 2 wraps from 68 to 1") << 2 << 68 << 1 << 1;
    QTest::newRow("seat 3 wraps") << 3 << 66 << 5 << 3;
    QTest::newRow("seat 2 turns into its column") << 2 << 34 << 2 << 84;
    QTest::newRow("seat 3 turns into its column") << 3 << 51 << 1 << 76;
    QTest::newRow("seat 4 turns into its column") << 4 << 17 << 1 << 90;
    QTest::newRow("seat 1 reaches home") << 1 << 75 << 1 << 97;
    QTest::newRow("seat 2 reaches home") << 2 << 89 << 1 << 99;
    QTest::newRow("seat 3 reaches home") << 3 << 82 << 1 << 98;
    QTest::newRow("seat 4 reaches home") << 4 << 96 << 1 << 100;
    QTest::newRow("seat 2 whole way from 30") << 2 << 30 << 12 << 99;
    QTest::newRow("seat 1 passes others' start squares") << 1 << 20 << 4 << 24;
    QTest::newRow("beyond home only counts up") << 3 << 98 << 1 << 99;
}

void TestMarkerRules::stepping() {
    QFETCH(int, seat);
    QFETCH(int, from);
    QFETCH(int, steps);
    QFETCH(int, to);
    int sq = from;
    for (int i = 0; i < steps; ++i) sq = stepSquare(seat, sq);
    QCOMPARE(sq, to);
}

void TestMarkerRules::markers_data() {
    QTest::addColumn<QString>("pawns");
    QTest::addColumn<int>("die1");
    QTest::addColumn<int>("die2");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<bool>("blocking");
    QTest::addColumn<bool>("pouncing");
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("pawn");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain dice") << "1.1=10" << 3 << 4 << "" << false << false << 1 << 1 << "1:13 2:14 3:17";
    QTest::newRow("used die gives no marker and no sum")
        << "1.1=10" << 0 << 4 << "" << false << false << 1 << 1 << "2:14";
    QTest::newRow("pawn at start gets none") << "" << 3 << 5 << "1=20" << true << true << 1 << 1 << "";
    QTest::newRow("doubles of 3") << "1.1=40" << 3 << 3 << "3=3 4=3" << false << false << 1 << 1
                                  << "1:43 2:43 3:46 6:43 7:43 8:46";
    QTest::newRow("doubles copies alone, one used")
        << "1.1=40" << 0 << 0 << "3=0 4=3" << false << false << 1 << 1 << "7:43";
    QTest::newRow("every bonus slot") << "4.2=30" << 0 << 0 << "1=20 2=10 5=20 6=20 7=10 8=10" << false
                                      << false << 4 << 2 << "4:50 5:40 9:50 10:50 11:40 12:40";
    QTest::newRow("negative amount is no amount") << "1.1=10" << -2 << 1 << "" << false << false << 1 << 1
                                                  << "2:11";
    // Two squares before home with 1 and 4: only the 1 fits.
    QTest::newRow("overshoot") << "1.1=74" << 1 << 4 << "" << false << false << 1 << 1 << "1:75";
    QTest::newRow("overshoot, pair on the last column square")
        << "1.1=74 1.2=75 1.3=75" << 1 << 4 << "" << true << false << 1 << 1 << "";
    QTest::newRow("exact roll home, two already there")
        << "1.1=74 1.2=97 1.3=97" << 2 << 6 << "" << false << false << 1 << 1 << "1:97";
    QTest::newRow("seat 3 home by the sum") << "3.4=78" << 1 << 4 << "" << false << false << 3 << 4
                                            << "1:79 2:82 3:98";
    QTest::newRow("seat 2 home from the track") << "2.1=30" << 6 << 6 << "" << false << false << 2 << 1
                                                << "1:84 2:84 3:99";
    QTest::newRow("pawn at home moves no more") << "1.1=97" << 1 << 2 << "" << true << true << 1 << 1 << "";
    QTest::newRow("opponent pair on the way") << "1.1=10 2.1=12 2.2=12" << 3 << 1 << "" << true << true << 1
                                              << 1 << "2:11";
    QTest::newRow("own pair on the way") << "1.1=10 1.2=12 1.3=12" << 3 << 1 << "" << true << true << 1 << 1
                                         << "2:11";
    QTest::newRow("mixed pair on the way") << "1.1=10 2.1=12 3.1=12" << 3 << 1 << "" << true << true << 1
                                           << 1 << "2:11";
    QTest::newRow("lone pawn on the way does not block")
        << "1.1=10 2.1=12" << 3 << 1 << "" << false << false << 1 << 1 << "1:13 2:11 3:14";
    QTest::newRow("pair on the target") << "1.1=10 2.1=13 2.2=13" << 3 << 2 << "" << true << true << 1 << 1
                                        << "2:12";
    QTest::newRow("lone opponent, pouncing off") << "1.1=10 2.1=13" << 3 << 6 << "" << false << false << 1 << 1
                                                 << "2:16 3:19";
    QTest::newRow("lone opponent, pouncing on") << "1.1=10 2.1=13" << 3 << 6 << "" << false << true << 1 << 1
                                                << "1:13 2:16 3:19";
    QTest::newRow("lone opponent on a safe square") << "1.1=10 3.1=12" << 2 << 6 << "" << true << true << 1
                                                    << 1 << "2:16 3:18";
    QTest::newRow("the partner counts as an opponent")
        << "1.1=10 2.1=13" << 3 << 1 << "" << false << true << 1 << 1 << "1:13 2:11 3:14";
    QTest::newRow("own pawn, blocking on") << "1.1=10 1.2=13" << 3 << 1 << "" << true << false << 1 << 1
                                           << "1:13 2:11 3:14";
    QTest::newRow("own pawn, blocking off") << "1.1=10 1.2=13" << 3 << 1 << "" << false << true << 1 << 1
                                            << "2:11 3:14";
    QTest::newRow("own pawn on a safe square, blocking on")
        << "1.1=10 1.2=12" << 2 << 1 << "" << true << false << 1 << 1 << "1:12 2:11 3:13";
    QTest::newRow("own pawn on a safe square, blocking off")
        << "1.1=10 1.2=12" << 2 << 1 << "" << false << true << 1 << 1 << "2:11 3:13";
    // The client does not know which pawns shared a square when the turn began.
    QTest::newRow("block partners may re-form") << "1.1=40 1.2=40" << 3 << 3 << "3=3 4=3" << true << false
                                                << 1 << 1 << "1:43 2:43 3:46 6:43 7:43 8:46";
    QTest::newRow("wrap for seat 3") << "3.1=66" << 5 << 2 << "" << false << false << 3 << 1 << "1:3 2:68 3:5";
    QTest::newRow("seat 1 does not wrap") << "1.1=66" << 5 << 2 << "" << false << false << 1 << 1
                                          << "1:71 2:68 3:73";
    QTest::newRow("bonus 20 into the column and home") << "4.1=5" << 0 << 0 << "1=20" << false << false << 4
                                                       << 1 << "4:100";
    QTest::newRow("out-of-range pawn number") << "1.1=10" << 3 << 4 << "" << false << false << 1 << 5 << "";
    QTest::newRow("square the board does not have") << "1.1=150" << 3 << 4 << "" << true << true << 1 << 1
                                                    << "";
}

void TestMarkerRules::markers() {
    QFETCH(QString, pawns);
    QFETCH(int, die1);
    QFETCH(int, die2);
    QFETCH(QString, bonus);
    QFETCH(bool, blocking);
    QFETCH(bool, pouncing);
    QFETCH(int, seat);
    QFETCH(int, pawn);
    QFETCH(QString, expected);

    ClientMirror m;
    m.boardpawns = parsePawns(pawns);
    m.amounts.dice1 = die1;
    m.amounts.dice2 = die2;
    m.amounts.bonus = parseBonus(bonus);
    m.options.blocking = blocking;
    m.options.pouncing = pouncing;
    QCOMPARE(describe(markerTargets(m, seat, pawn)), describe(parseTargets(expected)));
}

void TestMarkerRules::amounts_data() {
    QTest::addColumn<int>("die1");
    QTest::addColumn<int>("die2");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<QString>("expected"); // code:amount, others 0

    QTest::newRow("dice and sum") << 2 << 6 << "" << "1:2 2:6 3:8";
    QTest::newRow("doubles") << 4 << 4 << "3=4 4=4" << "1:4 2:4 3:8 6:4 7:4 8:8";
    QTest::newRow("one copy used") << 4 << 0 << "3=0 4=4" << "1:4 7:4";
    QTest::newRow("bonus slots by code") << 0 << 0 << "1=20 2=10 5=20 6=20 7=10 8=10"
                                         << "4:20 5:10 9:20 10:20 11:10 12:10";
}

void TestMarkerRules::amounts() {
    QFETCH(int, die1);
    QFETCH(int, die2);
    QFETCH(QString, bonus);
    QFETCH(QString, expected);
    ClientAmounts a;
    a.dice1 = die1;
    a.dice2 = die2;
    a.bonus = parseBonus(bonus);
    std::array<int, 13> got{};
    for (int c = 1; c <= 12; ++c) got[static_cast<unsigned>(c)] = a.amount(c);
    QCOMPARE(describe(got), describe(parseTargets(expected)));
    QCOMPARE(a.amount(0), 0);
    QCOMPARE(a.amount(13), 0);
}

void TestMarkerRules::entering_data() {
    QTest::addColumn<int>("die1");
    QTest::addColumn<int>("die2");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<int>("code");
    QTest::newRow("2 and 3 enter by the sum") << 2 << 3 << "" << 3;
    QTest::newRow("5 and 4 enter by die 1") << 5 << 4 << "" << 1;
    QTest::newRow("4 and 5 enter by die 2") << 4 << 5 << "" << 2;
    QTest::newRow("doubles of 5 take die 1") << 5 << 5 << "3=5 4=5" << 1;
    QTest::newRow("doubles of 5, dice used") << 0 << 0 << "3=5 4=5" << 6;
    QTest::newRow("doubles of 5, last copy") << 0 << 0 << "3=0 4=5" << 7;
    QTest::newRow("6 and 4 cannot enter") << 6 << 4 << "" << 0;
    QTest::newRow("nothing rolled") << 0 << 0 << "" << 0;
    QTest::newRow("the copies' sum does not count") << 0 << 0 << "3=2 4=3" << 0;
    QTest::newRow("bonus slots 1 and 2 never count") << 0 << 0 << "1=5 2=5" << 0;
    QTest::newRow("the sum is taken plainly") << -1 << 6 << "" << 3;
}

void TestMarkerRules::entering() {
    QFETCH(int, die1);
    QFETCH(int, die2);
    QFETCH(QString, bonus);
    QFETCH(int, code);
    ClientAmounts a;
    a.dice1 = die1;
    a.dice2 = die2;
    a.bonus = parseBonus(bonus);
    QCOMPARE(enteringCode(a), code);
}

void TestMarkerRules::helpers() {
    QCOMPARE(homeSquareOf(1), 97);
    QCOMPARE(homeSquareOf(2), 99);
    QCOMPARE(homeSquareOf(3), 98);
    QCOMPARE(homeSquareOf(4), 100);
    QCOMPARE(homeSquareOf(5), 0);
    int safe = 0;
    for (int sq = 0; sq <= 100; ++sq) safe += isSafeSquare(sq) ? 1 : 0;
    QCOMPARE(safe, 12);
    QVERIFY(isSafeSquare(5) && isSafeSquare(68) && !isSafeSquare(69) && !isSafeSquare(13));
}

QTEST_APPLESS_MAIN(TestMarkerRules)
#include "test_marker_rules.moc"
