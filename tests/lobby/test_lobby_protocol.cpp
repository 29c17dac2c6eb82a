// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby's line grammar at its edges: UTF-8, addresses, the framer, and listings read back
// from the lines written (numbers are checked through the fields of HOST in test_lobby_core).
#include <QTest>

#include "lobby/lobby_protocol.h"

using namespace quadrino::lobby;

class LobbyProtocolTest : public QObject {
    Q_OBJECT
private slots:
    void utf8IsCountedOrRefused_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("chars"); // -1: not valid UTF-8
        QTest::newRow("ascii") << QByteArray("Ann") << 3;
        QTest::newRow("two bytes") << QByteArray("J\xC3\xBCrgen") << 6;
        QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC") << 1;
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x8E\xB2") << 1;
        QTest::newRow("highest") << QByteArray("\xF4\x8F\xBF\xBF") << 1;
        QTest::newRow("past highest") << QByteArray("\xF4\x90\x80\x80") << -1;
        QTest::newRow("overlong two") << QByteArray("\xC0\xAF") << -1;
        QTest::newRow("overlong three") << QByteArray("\xE0\x80\xAF") << -1;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << -1;
        QTest::newRow("cut short") << QByteArray("ab\xE2\x82") << -1;
        QTest::newRow("lone continuation") << QByteArray("\x80") << -1;
        QTest::newRow("bad continuation") << QByteArray("\xC3\x28") << -1;
    }
    void utf8IsCountedOrRefused() {
        QFETCH(QByteArray, text);
        QFETCH(int, chars);
        const auto n = utf8Length(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        QCOMPARE(n ? static_cast<int>(*n) : -1, chars);
    }

    // A listing's address is connected to as it is: a name would be looked up wherever the
    // lobby pointed it.
    void addressesAreLiteral() {
        for (const char* good : {"192.0.2.1", "2001:db8::1", "::ffff:192.0.2.1", "::1"}) QVERIFY2(validAddress(good), good);
        for (const char* bad : {"", "example.org", "192.0.2", "192.0.2.256", "2001:db8:::1", "192.0.2.1 ", "localhost"})
            QVERIFY2(!validAddress(bad), bad);
    }

    // However the bytes are cut into reads, the same lines come out.
    void framerIsIndifferentToReads() {
        const std::string stream = "HELLO\t1\tAnn\r\nPING\tx\n\nCHAT\tJ\xC3\xBCrgen\ntail";
        for (std::size_t cut = 1; cut <= stream.size(); ++cut) {
            LineFramer framer;
            std::vector<std::string> lines;
            for (std::size_t at = 0; at < stream.size(); at += cut) QVERIFY(framer.feed(std::string_view(stream).substr(at, cut), lines));
            QCOMPARE(lines, (std::vector<std::string>{"HELLO\t1\tAnn", "PING\tx", "", "CHAT\tJ\xC3\xBCrgen"}));
            QCOMPARE(framer.takeRemainder(), std::string("tail"));
        }
    }

    void framerKeepsToTheLineLength() {
        LineFramer fits;
        std::vector<std::string> lines;
        QVERIFY(fits.feed(std::string(kMaxLineBytes - 1, 'a') + "\n", lines));
        QCOMPARE(lines.size(), std::size_t(1));
        LineFramer over;
        QVERIFY(over.feed(std::string(kMaxLineBytes - 1, 'a'), lines));
        QVERIFY(!over.feed("a\n", lines));
        // Spent for good, and holding nothing.
        QVERIFY(!over.feed("\n", lines));
        QCOMPARE(over.pending(), std::size_t(0));
    }

    void writtenFieldsCannotForgeOthers() {
        const std::string line = formatLine("SAID", {"Ann\tx", "hi\nBYE\tnow\x7F"});
        QCOMPARE(line, std::string("SAID\tAnn x\thi BYE now \n"));
        const auto parsed = parseLine(std::string_view(line).substr(0, line.size() - 1));
        QVERIFY(parsed);
        QCOMPARE(parsed->fields.size(), std::size_t(2));
    }

    void listingsReadBackAsWritten() {
        GameListing g{"0123456789abcdef", "J\xC3\xBCrgen", "2001:db8::1", 7772, 4, 9, true, Reach::Relay, 120,
                      "tally; no bots"};
        const std::string text = g.toLine();
        const auto line = parseLine(std::string_view(text).substr(0, text.size() - 1));
        QVERIFY(line);
        QCOMPARE(GameListing::fromLine(*line), std::optional<GameListing>(g));
        // Each field out of its range is refused.
        for (std::size_t f = 0; f < line->fields.size() - 1; ++f) {
            Line bad = *line;
            bad.fields[f] = f == 1 ? std::string(21, 'n') : "x";
            QVERIFY2(!GameListing::fromLine(bad), qPrintable(QString::number(f)));
        }
        Line shortLine = *line;
        shortLine.fields.pop_back();
        QVERIFY(!GameListing::fromLine(shortLine));
    }
};

QTEST_GUILESS_MAIN(LobbyProtocolTest)
#include "test_lobby_protocol.moc"
