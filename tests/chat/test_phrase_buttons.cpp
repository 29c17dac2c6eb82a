// SPDX-License-Identifier: GPL-3.0-or-later
// The phrase buttons: their texts and places, the phrase each click names, and the tenth
// button's sound menu. What a phrase becomes on the wire is the chat sender's (test_chat_sender).
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "chat/phrase_buttons.h"

using namespace quadrino;

namespace {

struct Row {
    PhraseButtons row;
    QStringList chosen;

    Row() {
        QObject::connect(&row, &PhraseButtons::phraseChosen, &row, [this](const QString& p) { chosen << p; });
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
        // Clicking the button names that phrase.
        QTest::mouseClick(r.button(n), Qt::LeftButton);
        QCOMPARE(r.chosen, QStringList{text});
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
        QTest::mouseClick(r.button(9), Qt::LeftButton);
        QCOMPARE(r.chosen, QStringList{"Good Game Everyone!"});
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
        QVERIFY(r.chosen.isEmpty());
    }
};

QTEST_MAIN(TestPhraseButtons)
#include "test_phrase_buttons.moc"
