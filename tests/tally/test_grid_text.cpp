// SPDX-License-Identifier: GPL-3.0-or-later
// The tally grid's text form: exact layout, round trips and damaged text.
#include <QTest>

#include "tally/grid_text.h"

using namespace quadrino;

Q_DECLARE_METATYPE(std::string)

class TestGridText : public QObject {
    Q_OBJECT

private slots:
    void writesColumnByColumn();
    void roundTrip_data();
    void roundTrip();
    void lineBreaksInsideCells();
    void acceptsOtherLineEnds_data();
    void acceptsOtherLineEnds();
    void refusesDamagedText_data();
    void refusesDamagedText();
};

void TestGridText::writesColumnByColumn() {
    TextGrid grid(3, 2);
    grid.setCell(0, 0, "0");
    grid.setCell(0, 1, "Bob");
    grid.setCell(1, 0, "4");
    grid.setCell(1, 1, "2");
    grid.setCell(2, 0, "");
    grid.setCell(2, 1, "x y");
    QCOMPARE(QByteArray::fromStdString(gridToText(grid)), QByteArray("3\r\n2\r\n0\r\nBob\r\n4\r\n2\r\n\r\nx y\r\n"));
}

void TestGridText::roundTrip_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<std::string>("name");
    QTest::newRow("user only") << 1 << std::string("0");
    QTest::newRow("one opponent") << 2 << std::string("Bob");
    QTest::newRow("empty name after a reset") << 3 << std::string();
    QTest::newRow("8-bit name and blanks") << 5 << std::string(" J\xF6rg \xE9t\xE9 ");
    QTest::newRow("many opponents") << 400 << std::string("Player");
}

void TestGridText::roundTrip() {
    QFETCH(int, rows);
    QFETCH(std::string, name);
    TextGrid grid(kTallyColumns, static_cast<std::size_t>(rows));
    for (std::size_t r = 0; r < grid.rows(); ++r) {
        grid.setCell(0, r, r == 0 ? "0" : name + std::to_string(r));
        for (std::size_t c = 1; c < grid.columns(); ++c) grid.setCell(c, r, std::to_string(r * 100 + c));
    }
    const std::string text = gridToText(grid);
    const GridParse back = tallyGridFromText(text);
    QVERIFY2(back.ok(), back.error.c_str());
    QVERIFY(back.grid == grid);
    QCOMPARE(gridToText(back.grid), text);
}

void TestGridText::lineBreaksInsideCells() {
    TextGrid grid(kTallyColumns, 2);
    grid.setCell(0, 1, "two\r\nlines\rand\n");
    grid.setCell(1, 1, "7");
    const GridParse back = tallyGridFromText(gridToText(grid));
    QVERIFY(back.ok());
    QCOMPARE(back.grid.cell(0, 1), std::string("two  lines and "));
    QCOMPARE(back.grid.cell(1, 1), std::string("7"));
}

void TestGridText::acceptsOtherLineEnds_data() {
    QTest::addColumn<std::string>("text");
    QTest::newRow("LF") << std::string("2\n2\nA\nB\n1\n2\n");
    QTest::newRow("CR") << std::string("2\r2\rA\rB\r1\r2\r");
    QTest::newRow("no final line end") << std::string("2\r\n2\r\nA\r\nB\r\n1\r\n2");
    QTest::newRow("blanks round the counts") << std::string(" 2 \r\n\t2\r\nA\r\nB\r\n1\r\n2\r\n");
    QTest::newRow("lines after the last cell") << std::string("2\r\n2\r\nA\r\nB\r\n1\r\n2\r\nextra\r\n");
}

void TestGridText::acceptsOtherLineEnds() {
    QFETCH(std::string, text);
    const GridParse p = gridFromText(text, 100);
    QVERIFY2(p.ok(), p.error.c_str());
    QCOMPARE(p.grid.columns(), std::size_t{2});
    QCOMPARE(p.grid.rows(), std::size_t{2});
    QCOMPARE(p.grid.cell(0, 1), std::string("B"));
    QCOMPARE(p.grid.cell(1, 0), std::string("1"));
    QCOMPARE(p.grid.cell(1, 1), std::string("2"));
}

void TestGridText::refusesDamagedText_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << std::string() << "Tally grid : the text has no column and row counts";
    QTest::newRow("one line") << std::string("9\r\n") << "Tally grid : the text has no column and row counts";
    QTest::newRow("column count a word") << std::string("nine\r\n1\r\n")
                                         << "Tally grid : the column count \"nine\" is not a number";
    QTest::newRow("row count negative") << std::string("9\r\n-1\r\n")
                                        << "Tally grid : the row count \"-1\" is not a number";
    QTest::newRow("row count with garbage") << std::string("9\r\n1x\r\n")
                                            << "Tally grid : the row count \"1x\" is not a number";
    QTest::newRow("binary count") << std::string("\x01\xFF\r\n1\r\n")
                                  << "Tally grid : the column count \"??\" is not a number";
    QTest::newRow("count beyond 64 bits") << std::string("9\r\n99999999999999999999999\r\n")
                                          << "Tally grid : the row count \"99999999999999999999999\" is not a number";
    QTest::newRow("zero rows") << std::string("9\r\n0\r\n") << "Tally grid : 9 columns by 0 rows is out of range";
    QTest::newRow("absurd rows") << std::string("9\r\n4000000000\r\n")
                                 << "Tally grid : 9 columns by 4000000000 rows is out of range";
    QTest::newRow("product overflows") << std::string("4294967296\r\n4294967296\r\n")
                                       << "Tally grid : 4294967296 columns by 4294967296 rows is out of range";
    QTest::newRow("too few cells") << std::string("9\r\n2\r\n0\r\nBob\r\n1\r\n")
                                   << "Tally grid : the text ends after 3 of 18 cells";
    QTest::newRow("wrong column count") << std::string("2\r\n1\r\n0\r\n0\r\n")
                                        << "Tally grid : the grid has 2 columns instead of 9";
}

void TestGridText::refusesDamagedText() {
    QFETCH(std::string, text);
    QFETCH(QString, error);
    const GridParse p = tallyGridFromText(text);
    QVERIFY(!p.ok());
    QCOMPARE(QString::fromStdString(p.error), error);
}

QTEST_APPLESS_MAIN(TestGridText)
#include "test_grid_text.moc"
