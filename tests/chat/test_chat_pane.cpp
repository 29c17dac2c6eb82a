// SPDX-License-Identifier: GPL-3.0-or-later
// The chat pane's line format: kind to style, the name part, words, links and smileys, and
// the rule that a style's latest colour recolours its earlier lines.
#include <QTest>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>

#include "chat/chat_line.h"
#include "chat/chat_pane.h"
#include "shown_colour.h"

using namespace quadrino;

namespace {

// A compact picture of a parsed line: W"word" L"link" S<n>.
QString describe(const ChatLine& line) {
    QStringList parts;
    for (const ChatPiece& p : line.pieces) {
        switch (p.type) {
        case ChatPiece::Type::Word: parts << QStringLiteral("W\"") + p.text + u'"'; break;
        case ChatPiece::Type::Link: parts << QStringLiteral("L\"") + p.text + u'"'; break;
        case ChatPiece::Type::Smiley: parts << QStringLiteral("S") + QString::number(p.picture); break;
        }
    }
    return parts.join(u' ');
}

QColor colourOf(const QTextCharFormat& f) { return f.foreground().color(); }

QTextCharFormat formatAt(QTextDocument* doc, int block, int offset) {
    QTextCursor c(doc->findBlockByNumber(block));
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, offset + 1);
    return c.charFormat();
}

} // namespace

class TestChatPane : public QObject {
    Q_OBJECT
private slots:
    void parsesLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("namePart");
        QTest::addColumn<QString>("pieces");

        QTest::newRow("system line has no name part")
            << "0+You are Connected." << true << 0 << "" << R"(W"You " W"are " W"Connected. ")";
        QTest::newRow("chat line: name part up to the first colon")
            << "3+Bob chats: hi: there" << true << 8 << "Bob chats:" << R"(W" " W"hi: " W"there ")";
        QTest::newRow("kind 9 uses style 14") << "9+x" << true << 14 << "" << R"(W"x ")";
        QTest::newRow("kind 1 uses style 6") << "1+a:b" << true << 6 << "a:" << R"(W"b ")";
        QTest::newRow("double blanks give blank words")
            << "2+N: a  b" << true << 7 << "N:" << R"(W" " W"a " W" " W"b ")";
        QTest::newRow("smiley between words")
            << "3+Bob: hi:)#12see www.x.com" << true << 8 << "Bob:" << R"(W" " W"hi " S2 W"see " L"www.x.com ")";
        QTest::newRow("smiley number out of range shows picture 0")
            << "1+A: :)#99" << true << 6 << "A:" << R"(W" " W" " S0)";
        QTest::newRow("smiley with one character left") << "1+A:x:)#5" << true << 6 << "A:" << R"(W"x " S0)";
        QTest::newRow("last smiley") << "1+A::)#27" << true << 6 << "A:" << R"(W" " S17)";
        QTest::newRow("link keeps its comma and is found in any case")
            << "4+N: see HTTP://a.b, now" << true << 9 << "N:" << R"(W" " W"see " L"HTTP://a.b, " W"now ")";
        QTest::newRow("no plus is refused") << "hello" << false << 0 << "" << "";
        QTest::newRow("kind that is no number is refused") << "x+hello" << false << 0 << "" << "";
        QTest::newRow("kind 10 has no style") << "10+hello" << false << 0 << "" << "";
        QTest::newRow("negative kind is refused") << "-1+hello" << false << 0 << "" << "";
        QTest::newRow("empty rest") << "0+" << true << 0 << "" << "";
    }
    void parsesLines() {
        QFETCH(QString, text);
        QFETCH(bool, shown);
        const auto line = parseChatLine(text);
        QCOMPARE(line.has_value(), shown);
        if (!shown) return;
        QTEST(line->style, "style");
        QTEST(line->namePart, "namePart");
        QTEST(describe(*line), "pieces");
    }

    void splitsReceivedChat_data() {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("colour");
        QTest::newRow("named colour") << "2+Ann chats: hi|clGreen" << "2+Ann chats: hi" << 0x008000;
        QTest::newRow("hex colour") << "2+Ann hi|$00FF8000" << "2+Ann hi" << 0xFF8000;
        QTest::newRow("no bar is red") << "2+Ann chats: hi" << "2+Ann chats: hi" << 0x0000FF;
        QTest::newRow("bar inside the text cuts it and shows red")
            << "2+Ann chats: a|b|clBlue" << "2+Ann chats: a" << 0x0000FF;
        QTest::newRow("empty colour is red") << "2+Ann chats: a|" << "2+Ann chats: a" << 0x0000FF;
    }
    void splitsReceivedChat() {
        QFETCH(QString, data);
        const ReceivedChat r = splitReceivedChat(data);
        QTEST(r.text, "text");
        QTEST(static_cast<int>(r.colour), "colour");
    }

    void drawsLinesBoldInTheirStyleAndColour() {
        ChatPane pane;
        pane.addlinetochat(QStringLiteral("0+Loading Solo Game..Please wait."), kSystemColour);
        pane.addlinetochat(QStringLiteral("2+Ann chats: hello"), 0x008000);
        QTextDocument* doc = pane.document();
        QCOMPARE(doc->blockCount(), 2);
        QCOMPARE(doc->findBlockByNumber(0).text(), QStringLiteral(" Loading Solo Game..Please wait. "));
        QCOMPARE(doc->findBlockByNumber(1).text(), QStringLiteral("Ann chats:  hello "));
        const QTextCharFormat sys = formatAt(doc, 0, 3);
        QCOMPARE(shownColour(pane, 0, 3), QColor(0, 0, 255));
        QCOMPARE(sys.fontWeight(), int(QFont::Bold));
        QCOMPARE(pane.styleAt(doc->findBlockByNumber(0).position() + 3), 0);
        const QTextCharFormat chat = formatAt(doc, 1, 12);
        QCOMPARE(shownColour(pane, 1, 12), QColor(0, 128, 0));
        QCOMPARE(chat.fontWeight(), int(QFont::Bold));
        QCOMPARE(pane.styleAt(doc->findBlockByNumber(1).position() + 12), 7);
    }

    void newColourRecoloursEarlierLinesOfTheSameKindOnly() {
        ChatPane pane;
        pane.addlinetochat(QStringLiteral("3+Bob chats: one"), 0x008000);
        pane.addlinetochat(QStringLiteral("4+Cy chats: two"), 0x008000);
        pane.addlinetochat(QStringLiteral("3+Bob chats: three"), 0x800000);
        QCOMPARE(shownColour(pane, 0, 2), QColor(0, 0, 128)); // Bob's first line now navy
        QCOMPARE(shownColour(pane, 0, 13), QColor(0, 0, 128));
        QCOMPARE(shownColour(pane, 1, 2), QColor(0, 128, 0)); // Cy keeps green
        QCOMPARE(shownColour(pane, 2, 2), QColor(0, 0, 128));
        QCOMPARE(pane.styleColour(8), std::optional<BgrColour>(0x800000));
        QCOMPARE(pane.styleColour(9), std::optional<BgrColour>(0x008000));
        QCOMPARE(pane.styleColour(10), std::nullopt);
    }

    // What reaches the screen: the earlier line is drawn in the new colour, none in the old.
    void earlierLinesAreDrawnInTheNewColour() {
        ChatPane pane;
        pane.resize(300, 80);
        pane.addlinetochat(QStringLiteral("3+Bob chats: WWWWW"), 0x008000);
        pane.addlinetochat(QStringLiteral("3+Bob chats: MMMMM"), 0x800000);
        const QImage shot = pane.viewport()->grab().toImage();
        QHash<QRgb, int> pixels;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) ++pixels[shot.pixel(x, y) & 0xFFFFFFu];
        QVERIFY(pixels.value(qRgb(0, 0, 128) & 0xFFFFFFu) > 20);
        QCOMPARE(pixels.value(qRgb(0, 128, 0) & 0xFFFFFFu), 0);
    }

    void refusedLinesLeaveThePaneAlone() {
        ChatPane pane;
        pane.addlinetochat(QStringLiteral("12+Bob: x"), 0);
        pane.addlinetochat(QStringLiteral("nothing"), 0);
        QVERIFY(pane.document()->isEmpty());
    }

    void clickedLinkLeavesNoFocusFrame() {
        ChatPane pane;
        pane.setLinkOpener([](const QString&) { return true; });
        pane.resize(300, 120);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        pane.addlinetochat(QStringLiteral("1+A: www.a.com/x"), 0);
        QTextCursor at(pane.document());
        at.setPosition(8);
        const QPoint spot = pane.cursorRect(at).center() + QPoint(2, 0);
        QSignalSpy clicked(&pane, &QTextBrowser::anchorClicked);
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, spot);
        QCOMPARE(clicked.size(), 1);
        QVERIFY(!pane.textCursor().hasSelection());
        // Tab does not walk the links either.
        pane.setFocus();
        QTest::keyClick(&pane, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(!pane.textCursor().hasSelection());
        pane.addlinetochat(QStringLiteral("1+B: later"), 0);
        QVERIFY(!pane.textCursor().hasSelection());
    }

    void linksOpenTheirTargetAndReportFailures() {
        ChatPane pane;
        QStringList opened;
        bool succeed = true;
        pane.setLinkOpener([&](const QString& t) { opened << t; return succeed; });
        int failures = 0;
        connect(&pane, &ChatPane::linkFailed, this, [&] { ++failures; });
        pane.addlinetochat(QStringLiteral("1+A: go www.a.com/x or http://b.org, now"), 0);
        QCOMPARE(pane.linkTargets().size(), std::size_t(2));
        emit pane.anchorClicked(QUrl(QStringLiteral("0")));
        emit pane.anchorClicked(QUrl(QStringLiteral("1"))); // the comma makes no web address
        QCOMPARE(opened, QStringList({"http://www.a.com/x"}));
        QCOMPARE(failures, 1);
        succeed = false;
        emit pane.anchorClicked(QUrl(QStringLiteral("0")));
        emit pane.anchorClicked(QUrl(QStringLiteral("7")));
        QCOMPARE(failures, 3);
        QCOMPARE(opened.size(), 2); // an unknown link number is not even tried
        // The link is drawn in the link style, whatever the line's colour.
        const QTextCharFormat f = formatAt(pane.document(), 0, 8);
        QVERIFY(f.isAnchor());
        QCOMPARE(colourOf(f), QColor(0, 128, 0));
        pane.addlinetochat(QStringLiteral("1+A: later"), 0x800000); // recolours the line, not its links
        QCOMPARE(shownColour(pane, 0, 8), QColor(0, 128, 0));
        QCOMPARE(shownColour(pane, 0, 1), QColor(0, 0, 128));
        QVERIFY(f.fontUnderline());
    }

    void smileysBecomePictures() {
        ChatPane pane;
        QList<int> asked;
        pane.setSmileyPictures([&](int n) {
            asked << n;
            QImage img(17, 16, QImage::Format_ARGB32);
            img.fill(Qt::red);
            return img;
        });
        pane.addlinetochat(QStringLiteral("1+A: a:)#12b"), 0);
        QTextBlock b = pane.document()->firstBlock();
        int images = 0;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                ++images;
                QCOMPARE(it.fragment().charFormat().toImageFormat().name(), QStringLiteral("smiley:2"));
            }
        QCOMPARE(images, 1);
        pane.resize(260, 207);
        pane.show();
        QTRY_VERIFY(asked.contains(2));
    }

    void scrollsToTheEndUnlessScrollOff() {
        ChatPane pane;
        pane.resize(260, 207);
        pane.show();
        for (int i = 0; i < 40; ++i) pane.addlinetochat(QStringLiteral("0+line %1").arg(i), kSystemColour);
        QScrollBar* bar = pane.verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        bar->setValue(0);
        pane.setScrollOff(true);
        pane.addlinetochat(QStringLiteral("0+more"), kSystemColour);
        QCOMPARE(bar->value(), 0);
        pane.setScrollOff(false);
        pane.addlinetochat(QStringLiteral("0+more"), kSystemColour);
        QCOMPARE(bar->value(), bar->maximum());
    }

    void clearAndTextSize() {
        ChatPane pane;
        QCOMPARE(pane.textSize(), 10);
        pane.addlinetochat(QStringLiteral("0+x"), kSystemColour);
        pane.setTextSize(14);
        QCOMPARE(pane.document()->defaultFont().pointSize(), 14);
        pane.clearChat();
        QVERIFY(pane.document()->isEmpty());
        pane.addlinetochat(QStringLiteral("0+y"), kSystemColour);
        QCOMPARE(pane.document()->blockCount(), 1);
        QCOMPARE(pane.document()->defaultFont().family(), QStringLiteral("Arial"));
    }
};

QTEST_MAIN(TestChatPane)
#include "test_chat_pane.moc"
