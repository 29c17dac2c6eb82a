// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting byte streams into messages, the queue's pacing and cut-off, field reading.
#include <QtTest>

#include "protocol/cp1252.h"
#include "protocol/fields.h"
#include "protocol/framer.h"
#include "protocol/message_queue.h"

using namespace quadrino;

class TestFraming : public QObject {
    Q_OBJECT
private slots:
    void framesAcrossReads_data() {
        QTest::addColumn<QStringList>("reads");    // Latin-1 text, "~" stands for the terminator
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two in one read") << QStringList{"CMD_chat+1+hi|clRed~CMD_action+1+waves|clRed~"}
                                         << QStringList{"CMD_chat+1+hi|clRed", "CMD_action+1+waves|clRed"};
        QTest::newRow("split by TCP") << QStringList{"CMD_play", "erroll+3", "+~"}
                                      << QStringList{"CMD_playerroll+3+"};
        QTest::newRow("terminator alone in a read") << QStringList{"CMD_full+", "~"} << QStringList{"CMD_full+"};
        QTest::newRow("empty message between") << QStringList{"a+~~b+~"} << QStringList{"a+", "", "b+"};
        QTest::newRow("tail waits") << QStringList{"x+~y"} << QStringList{"x+"};
        QTest::newRow("login's double terminator") << QStringList{"CMD_logininfo+1+1.0.15+Bo~~"}
                                                   << QStringList{"CMD_logininfo+1+1.0.15+Bo", ""};
    }
    void framesAcrossReads() {
        QFETCH(QStringList, reads);
        QFETCH(QStringList, expected);
        Framer f;
        std::vector<std::string> got;
        for (QString r : reads) {
            std::string bytes = r.replace('~', QChar(0xFF)).toLatin1().toStdString();
            QVERIFY(f.feed(bytes, got));
        }
        QStringList gotList;
        for (const auto& g : got) gotList << QString::fromLatin1(g.data(), static_cast<qsizetype>(g.size()));
        QCOMPARE(gotList, expected);
    }

    void bareTerminatorsCanBeDropped_data() {
        QTest::addColumn<QStringList>("reads"); // "~" stands for the terminator
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("login's double terminator") << QStringList{"CMD_logininfo+1+1.0.15+Bo~~"}
                                                   << QStringList{"CMD_logininfo+1+1.0.15+Bo"};
        QTest::newRow("only terminators") << QStringList{"~~~", "~"} << QStringList{};
        QTest::newRow("terminator ends a split message") << QStringList{"a+", "~~b+~"} << QStringList{"a+", "b+"};
    }
    void bareTerminatorsCanBeDropped() {
        QFETCH(QStringList, reads);
        QFETCH(QStringList, expected);
        Framer f(kMaxPendingBytes, true);
        std::vector<std::string> got;
        for (QString r : reads) QVERIFY(f.feed(r.replace('~', QChar(0xFF)).toLatin1().toStdString(), got));
        QStringList gotList;
        for (const auto& g : got) gotList << QString::fromLatin1(g.data(), static_cast<qsizetype>(g.size()));
        QCOMPARE(gotList, expected);
    }

    void floodWithoutTerminatorIsRefused() {
        Framer f;
        std::vector<std::string> got;
        std::string chunk(32768, 'A');
        QVERIFY(f.feed(chunk, got));
        QVERIFY(f.feed(chunk, got)); // exactly 64 KiB pending is still allowed
        QVERIFY(!f.feed("A", got));
        QVERIFY(f.overflowed());
        QVERIFY(!f.feed("CMD_full+\xFF", got)); // stays refused
        QVERIFY(got.empty());
    }

    void longMessageStillFramesAndIsCutWhenTaken() {
        Framer f;
        std::vector<std::string> got;
        std::string big = "CMD_chat+1+" + std::string(5000, 'z');
        QVERIFY(f.feed(big + "\xFF", got));
        QCOMPARE(got.size(), size_t(1));
        MessageQueue q;
        q.push(1, got[0]);
        auto m = q.take();
        QCOMPARE(m.text.size(), size_t(4096));
        QCOMPARE(m.text, big.substr(0, 4096));
        QCOMPARE(m.connection, 1);
    }

    void queueIsFifoAndForgetsClosedConnections() {
        MessageQueue q;
        q.push(1, "a+");
        q.push(2, "b+");
        q.push(1, "c+");
        q.dropConnection(1);
        QCOMPARE(q.size(), size_t(1));
        QCOMPARE(q.take().text, std::string("b+"));
        QVERIFY(q.empty());
        QCOMPARE(q.take().text, std::string()); // an empty queue reads as an empty entry
    }

    void fairQueueTakesConnectionsInTurn_data() {
        QTest::addColumn<QString>("pushes"); // connection:text, in arrival order
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("taken");
        const int fair = int(QueueOrder::Fair), arrival = int(QueueOrder::Arrival);
        QTest::newRow("fair: a burst waits its turns") << "2:a 2:b 2:c 3:x 5:y" << fair << "2:a 3:x 5:y 2:b 2:c";
        QTest::newRow("fair: wraps to the lowest") << "7:a 7:b 1:x" << fair << "1:x 7:a 7:b";
        QTest::newRow("arrival: one line") << "2:a 2:b 2:c 3:x 5:y" << arrival << "2:a 2:b 2:c 3:x 5:y";
    }
    void fairQueueTakesConnectionsInTurn() {
        QFETCH(QString, pushes);
        QFETCH(int, order);
        QFETCH(QString, taken);
        MessageQueue q(static_cast<QueueOrder>(order), {});
        for (const QString& p : pushes.split(' ')) QVERIFY(q.push(p.section(':', 0, 0).toInt(), p.section(':', 1).toStdString()));
        QStringList got;
        while (!q.empty()) {
            auto m = q.take();
            got << QString("%1:%2").arg(m.connection).arg(QString::fromStdString(m.text));
        }
        QCOMPARE(got.join(' '), taken);
    }

    void queueCapsEachConnection_data() {
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<int>("entrySize");
        QTest::addColumn<int>("accepted"); // of 10 pushes from connection 2
        QTest::newRow("by entries") << 4 << 100000 << 10 << 4;
        QTest::newRow("by bytes") << 100 << 250 << 100 << 2;
        QTest::newRow("overlong entries count as cut") << 100 << 3 * 4096 << 9000 << 3;
        QTest::newRow("room for all") << 10 << 1000 << 100 << 10;
    }
    void queueCapsEachConnection() {
        QFETCH(int, maxEntries);
        QFETCH(int, maxBytes);
        QFETCH(int, entrySize);
        QFETCH(int, accepted);
        MessageQueue q(QueueOrder::Fair, {std::size_t(maxEntries), std::size_t(maxBytes)});
        int ok = 0;
        for (int i = 0; i < 10; ++i) ok += q.push(2, std::string(std::size_t(entrySize), 'x'));
        QCOMPARE(ok, accepted);
        QVERIFY(q.bytes(2) <= std::size_t(maxBytes));
        QVERIFY2(q.push(3, "CMD_chat+3+hi"), "another connection has its own share");
        q.take();
        QVERIFY2(q.push(2, "x"), "a taken entry makes room");
        q.dropConnection(2);
        QCOMPARE(q.size(), std::size_t(1));
        QCOMPARE(q.bytes(2), std::size_t(0));
    }

    void relayedTextHasNoControls_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("relayed");
        QTest::newRow("line breaks") << QByteArray("a\r\nb") << QByteArray("a  b");
        QTest::newRow("tab, NUL, DEL") << QByteArray("a\tb\0c\x7f", 6) << QByteArray("a b c ");
        QTest::newRow("escape") << QByteArray("\x1b[2J") << QByteArray(" [2J");
        QTest::newRow("undefined 8-bit") << QByteArray("\x81\x8d\x8f\x90\x9d") << QByteArray("     ");
        QTest::newRow("letters and signs kept") << QByteArray("Zo\xeb \x80 + | ~") << QByteArray("Zo\xeb \x80 + | ~");
    }
    void relayedTextHasNoControls() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, relayed);
        const std::string out = blankControls(std::string_view(text.constData(), std::size_t(text.size())));
        QCOMPARE(QByteArray(out.data(), qsizetype(out.size())), relayed);
    }

    void commandSplit_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("rest");
        QTest::newRow("normal") << "CMD_moveit+1+2+3+" << "CMD_moveit" << "1+2+3+";
        QTest::newRow("no plus: no word") << "CMD_full" << "" << "CMD_full";
        QTest::newRow("plus only") << "CMD_full+" << "CMD_full" << "";
        QTest::newRow("empty") << "" << "" << "";
    }
    void commandSplit() {
        QFETCH(QString, entry);
        QFETCH(QString, word);
        QFETCH(QString, rest);
        std::string e = entry.toStdString();
        auto s = splitCommand(e);
        QCOMPARE(QString::fromStdString(std::string(s.word)), word);
        QCOMPARE(QString::fromStdString(std::string(s.rest)), rest);
    }

    void strictNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("negative") << "-7" << true << -7;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("max") << "2147483647" << true << 2147483647;
        QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("huge") << "99999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("space") << " 3" << false << 0;
        QTest::newRow("trailing junk") << "3x" << false << 0;
        QTest::newRow("hex") << "$1F" << false << 0;
    }
    void strictNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        std::string t = text.toStdString();
        auto v = parseStrictInt(t);
        QCOMPARE(v.has_value(), valid);
        if (valid) QCOMPARE(*v, value);
    }

    void fieldReaderLeavesTextWithoutSeparator() {
        FieldReader r("3+hello");
        QCOMPARE(r.nextInt().value_or(-1), 3);
        QCOMPARE(std::string(r.next()), std::string()); // no "+" left: reads empty
        QCOMPARE(std::string(r.rest()), std::string("hello"));
    }
};

QTEST_APPLESS_MAIN(TestFraming)
#include "test_framing.moc"
