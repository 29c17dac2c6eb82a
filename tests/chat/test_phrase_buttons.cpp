// SPDX-License-Identifier: GPL-3.0-or-later
// The phrase buttons: their texts, the exact action each sends, the two-second lock on a
// clock of the test's own, and nothing sent before login.
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "chat/phrase_buttons.h"
#include "protocol/wire.h"

using namespace quadrino;

namespace {

std::string wire(const std::string& body) { return body + kTerminator; }

// A row with a clock the test moves, logged in as connection 3 with the colour clBlack.
struct Row {
    PhraseButtons row;
    qint64 now = 0;
    int seat = 3;
    std::vector<std::string> sent;

    Row() {
        row.setClock([this] { return now; });
        row.setSeatProvider([this] { return seat; });
        row.setColourProvider([] { return kBlack; });
        QObject::connect(&row, &PhraseButtons::sendRequested, &row,
                         [this](const std::string& message) { sent.push_back(message); });
    }
    QToolButton* button(int n) { return row.findChild<QToolButton*>(QStringLiteral("b_phrase%1").arg(n)); }
};

} // namespace

class TestPhraseButtons : public QObject {
    Q_OBJECT
private slots:
    void builtInTexts_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "Way To Go!";
        QTest::newRow("2") << 2 << "Good One!";
        QTest::newRow("3") << 3 << "Nice Try!";
        QTest::newRow("4") << 4 << "Excellent!";
        QTest::newRow("5") << 5 << "Brilliant!";
        QTest::newRow("6") << 6 << "Wow, WTG!";
        QTest::newRow("7") << 7 << "Thanks!";
        QTest::newRow("8") << 8 << "Way To Go Teamie!";
        QTest::newRow("9") << 9 << "Good Game Everyone!";
    }
    void builtInTexts() {
        QFETCH(int, n);
        QFETCH(QString, text);
        Row r;
        QCOMPARE(r.row.phrase(n), text);
        QVERIFY(r.button(n));
        QCOMPARE(r.button(n)->toolTip(), text);
        QCOMPARE(r.button(n)->size(), QSize(25, 19));
        // Clicking the button itself sends that phrase.
        QTest::mouseClick(r.button(n), Qt::LeftButton);
        QCOMPARE(r.sent, std::vector<std::string>{wire("CMD_action+3+says: " + text.toStdString() + "|clBlack")});
    }

    void rowLayout() {
        Row r;
        // The buttons keep the main window's spacing: lefts 512, 539, ... 752 from a row at 512.
        const int lefts[] = {512, 539, 566, 592, 619, 646, 672, 699, 726, 752};
        for (int n = 1; n <= 10; ++n) {
            QVERIFY(r.button(n));
            QCOMPARE(r.button(n)->x() + 512, lefts[n - 1]);
        }
        QCOMPARE(r.row.size(), QSize(265, 19));
        QVERIFY(!r.row.findChild<QToolButton*>(QStringLiteral("b_phrase11")));
    }

    void messages_data() {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("says") << "Nice one" << int(kBlack) << QByteArray("CMD_action+3+says: Nice one|clBlack");
        QTest::newRow("/me with blank is an action") << "/me waves" << int(kBlack) << QByteArray("CMD_action+3+waves|clBlack");
        QTest::newRow("/me without blank is said") << "/mewaves" << int(kBlack) << QByteArray("CMD_action+3+says: /mewaves|clBlack");
        QTest::newRow("bare /me is said") << "/me" << int(kBlack) << QByteArray("CMD_action+3+says: /me|clBlack");
        QTest::newRow("/me with only the blank") << "/me " << int(kBlack) << QByteArray("CMD_action+3+|clBlack");
        QTest::newRow("colour as colour text") << "hi" << 0x123456 << QByteArray("CMD_action+3+says: hi|$00123456");
        QTest::newRow("line breaks and tabs become blanks")
            << "a\r\nCMD_kickhim+1+2+\tb" << int(kBlack) << QByteArray("CMD_action+3+says: a  CMD_kickhim+1+2+ b|clBlack");
        QTest::newRow("other controls become blanks")
            << QString::fromUtf16(u"x\u0001\u007f\u0085\u2028y") << int(kBlack)
            << QByteArray("CMD_action+3+says: x    y|clBlack");
        QTest::newRow("Windows-1252 text") << QString::fromUtf16(u"caf\u00e9 \u20ac") << int(kBlack)
                                           << QByteArray("CMD_action+3+says: caf\xe9 \x80|clBlack");
        QTest::newRow("no terminator byte inside") << QString::fromUtf16(u"\u00ff!") << int(kBlack)
                                                   << QByteArray("CMD_action+3+says: y!|clBlack");
    }
    void messages() {
        QFETCH(QString, phrase);
        QFETCH(int, colour);
        QFETCH(QByteArray, expected);
        const std::string message = phraseMessage(3, phrase, colour);
        QCOMPARE(QByteArray::fromStdString(message), expected + kTerminator);

        // The same through a button whose stored text is the phrase.
        Row r;
        r.row.setColourProvider([colour] { return colour; });
        StoredPhrases stored{};
        stored[4] = phrase.toStdString();
        r.row.setPhrases(stored);
        QVERIFY(r.row.b_phrase1Click(5));
        QCOMPARE(r.sent, std::vector<std::string>{message});
    }

    void storedPhrasesReplaceBuiltIn() {
        Row r;
        StoredPhrases stored{};
        stored[0] = "Go go go";
        stored[8] = "GG";
        r.row.setPhrases(stored);
        QCOMPARE(r.row.phrase(1), QStringLiteral("Go go go"));
        QCOMPARE(r.button(1)->toolTip(), QStringLiteral("Go go go"));
        QCOMPARE(r.row.phrase(2), QStringLiteral("Good One!")); // empty keeps the built-in text
        QCOMPARE(r.row.phrase(9), QStringLiteral("GG"));
        // Back to empty: the built-in text returns.
        r.row.setPhrases(StoredPhrases{});
        QCOMPARE(r.row.phrase(1), QStringLiteral("Way To Go!"));
        QCOMPARE(r.button(1)->toolTip(), QStringLiteral("Way To Go!"));
        QCOMPARE(r.row.phrase(0), QString());
        QCOMPARE(r.row.phrase(10), QString());
        QVERIFY(!r.row.b_phrase1Click(10));
        QVERIFY(r.sent.empty());
    }

    void lockedForTwoSeconds_data() {
        QTest::addColumn<QList<qint64>>("clicks");
        QTest::addColumn<QList<bool>>("sent");
        QTest::newRow("second click at once") << QList<qint64>{0, 0} << QList<bool>{true, false};
        QTest::newRow("just inside the lock") << QList<qint64>{0, 1999} << QList<bool>{true, false};
        QTest::newRow("just after the lock") << QList<qint64>{0, 2000} << QList<bool>{true, true};
        QTest::newRow("a refused click does not extend the lock")
            << QList<qint64>{0, 1500, 2000, 3999, 4000} << QList<bool>{true, false, true, false, true};
        QTest::newRow("first click late in the run") << QList<qint64>{100000} << QList<bool>{true};
        QTest::newRow("first click at the clock's start") << QList<qint64>{0} << QList<bool>{true};
    }
    void lockedForTwoSeconds() {
        QFETCH(QList<qint64>, clicks);
        QFETCH(QList<bool>, sent);
        Row r;
        for (qsizetype i = 0; i < clicks.size(); ++i) {
            r.now = clicks[i];
            const std::size_t before = r.sent.size();
            // Any button shares the lock.
            const int n = static_cast<int>(i % 9) + 1;
            QCOMPARE(r.row.b_phrase1Click(n), sent[i]);
            QCOMPARE(r.sent.size(), before + (sent[i] ? 1 : 0));
        }
    }

    void nothingBeforeLogin() {
        Row r;
        r.seat = 0;
        r.now = 10;
        QTest::mouseClick(r.button(1), Qt::LeftButton);
        QVERIFY(!r.row.b_phrase1Click(2));
        QVERIFY(r.sent.empty());
        // A refused click starts no lock: right after login the buttons work.
        r.seat = 6;
        QVERIFY(r.row.b_phrase1Click(2));
        QCOMPARE(r.sent, std::vector<std::string>{wire("CMD_action+6+says: Good One!|clBlack")});

        PhraseButtons unwired; // no seat provider at all: never sends
        QSignalSpy spy(&unwired, &PhraseButtons::sendRequested);
        QVERIFY(!unwired.b_phrase1Click(1));
        QCOMPARE(spy.count(), 0);
    }

    void tenthButtonAsksForTheSoundMenu() {
        Row r;
        r.row.move(40, 30);
        r.row.show();
        QSignalSpy menu(&r.row, &PhraseButtons::chatterSoundMenuRequested);
        QTest::mouseClick(r.button(10), Qt::LeftButton);
        QCOMPARE(menu.count(), 1);
        QToolButton* ten = r.button(10);
        QCOMPARE(menu.at(0).at(0).toPoint(), ten->mapToGlobal(QPoint(ten->width(), ten->height())));
        QVERIFY(r.sent.empty());
        // It does not lock the phrase buttons either.
        QVERIFY(r.row.b_phrase1Click(1));
    }
};

QTEST_MAIN(TestPhraseButtons)
#include "test_phrase_buttons.moc"
