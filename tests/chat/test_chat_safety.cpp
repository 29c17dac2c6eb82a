// SPDX-License-Identifier: GPL-3.0-or-later
// What peers can and cannot do to this copy through the chat: links open web addresses only,
// their text shows as typed (never as rich text) and on one line, a colour change costs no more
// as the chat grows, and the chat keeps only its latest lines; and the entry box's "Paste" and
// the blanking of control characters that keep our own messages in one piece.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "chat/chat_entry.h"
#include "chat/chat_line.h"
#include "chat/chat_pane.h"
#include "chat/free_text.h"
#include "shown_colour.h"

using namespace quadrino;

namespace {

QTextCharFormat formatAt(QTextDocument* doc, int block, int offset) {
    QTextCursor c(doc->findBlockByNumber(block));
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, offset + 1);
    return c.charFormat();
}

int imagesIn(QTextDocument* doc) {
    int images = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) ++images;
    return images;
}

} // namespace

class TestChatSafety : public QObject {
    Q_OBJECT
private slots:
    void opensOnlyWebAddresses_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("target"); // empty: "Cannot open Webpage"
        QTest::newRow("http with trailing blank") << "http://b.org " << "http://b.org";
        QTest::newRow("https") << "HTTPS://x.org/a?b=c#http://" << "HTTPS://x.org/a?b=c#http://";
        QTest::newRow("www gets http") << "www.a.com/x " << "http://www.a.com/x";
        QTest::newRow("www in capitals") << "WWW.A.COM" << "http://WWW.A.COM";
        QTest::newRow("file") << "file:///etc/passwd#http://" << "";
        QTest::newRow("file with www") << "file://www.x.com/c$/x" << "";
        QTest::newRow("share") << "smb://host/share/www.x " << "";
        QTest::newRow("script") << "javascript:alert(1)//www.x.com" << "";
        QTest::newRow("custom handler") << "steam://run/1//http://x" << "";
        QTest::newRow("scheme that ends in http") << "xhttp://evil.org" << "";
        QTest::newRow("mail") << "mailto:a@www.x.com" << "";
        QTest::newRow("prefix before www") << "see:www.x.com" << "";
        QTest::newRow("no host") << "http://" << "";
        QTest::newRow("http without slashes") << "http:www.x.com" << "";
        QTest::newRow("address with a comma after it") << "www.a.com," << "";
        QTest::newRow("blank inside") << "http://a b.com" << "";
    }
    void opensOnlyWebAddresses() {
        QFETCH(QString, word);
        QTEST(webLinkTarget(word), "target");
    }

    void aRefusedLinkNeverReachesTheDesktop() {
        ChatPane pane;
        QStringList opened;
        pane.setLinkOpener([&](const QString& t) {
            opened << t;
            return true;
        });
        int failures = 0;
        connect(&pane, &ChatPane::linkFailed, this, [&] { ++failures; });
        pane.addlinetochat(QStringLiteral("2+Eve chats: file:///home/http://x smb://srv/www.y www.ok.org"), 0xFF);
        QCOMPARE(pane.linkTargets().size(), std::size_t(3));
        for (int n = 0; n < 3; ++n) emit pane.anchorClicked(QUrl(QString::number(n)));
        QCOMPARE(opened, QStringList{QStringLiteral("http://www.ok.org")});
        QCOMPARE(failures, 2);
    }

    void peerTextShowsAsTypedOnOneLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::newRow("markup in the name")
            << R"(2+<font color="#ff0000" size="7"><b>PWNED</b></font> chats: hi)"
            << R"(<font color="#ff0000" size="7"><b>PWNED</b></font> chats:  hi )";
        QTest::newRow("markup and an image in the message")
            << R"(3+Bob chats: <img src="x.png"><a href="file:///x">y</a>)"
            << R"(Bob chats:  <img src="x.png"><a href="file:///x">y</a> )";
        QTest::newRow("entities stay as typed") << "4+Cy chats: &lt;&amp;" << "Cy chats:  &lt;&amp; ";
        QTest::newRow("line breaks cannot fake a line of ours")
            << "3+Bob chats: hi\n0+You have been removed.\r\tbye"
            << "Bob chats:  hi 0+You have been removed.  bye ";
        QTest::newRow("paragraph separator") << QStringLiteral("3+Bob chats: a\u2029b") << "Bob chats:  a b ";
    }
    void peerTextShowsAsTypedOnOneLine() {
        QFETCH(QString, line);
        ChatPane pane;
        pane.addlinetochat(line, 0x008000);
        QCOMPARE(pane.document()->blockCount(), 1);
        QTEST(pane.document()->firstBlock().text(), "shown");
        QCOMPARE(imagesIn(pane.document()), 0);
        // Every character in the sender's style: nothing from the markup took effect.
        const QTextBlock b = pane.document()->firstBlock();
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QCOMPARE(pane.styleAt(it.fragment().position()), pane.styleAt(0));
            QVERIFY(!f.hasProperty(QTextFormat::ForegroundBrush));
            QVERIFY(!f.isAnchor());
            QVERIFY(!f.hasProperty(QTextFormat::FontPointSize));
        }
        for (int at = 0; at < b.length() - 1; ++at) QCOMPARE(shownColour(pane, 0, at), QColor(0, 128, 0));
    }

    void aLineIsAddedInOnePiece() {
        ChatPane pane;
        int changes = 0;
        connect(pane.document(), &QTextDocument::contentsChange, this, [&] { ++changes; });
        QString words;
        for (int i = 0; i < 2000; ++i) words += QStringLiteral("w%1 ").arg(i % 10);
        pane.addlinetochat(QStringLiteral("3+Peer chats: ") + words + QStringLiteral(":)#12 www.x.org end"), 0xFF);
        QCOMPARE(changes, 1);
        QCOMPARE(pane.document()->blockCount(), 1);
        QCOMPARE(pane.document()->firstBlock().text().size(), 11 + 2 + words.size() + 1 + 1 + 11 + 4);
        QCOMPARE(imagesIn(pane.document()), 1);
        changes = 0;
        pane.addlinetochat(QStringLiteral("0+next"), 0xFF);
        QCOMPARE(changes, 1);
    }

    // A colour change must not walk the chat: all lines of a style share one entry of the
    // document's format table, so the table does not grow with lines or colour changes, and
    // the new colour shows on every earlier line of the style and only those.
    void colourChangesShareOneFormatPerStyle() {
        ChatPane pane;
        const BgrColour colours[] = {0x0000FF, 0x008000, 0x800000, 0x808000, 0x008080};
        auto addRound = [&](int round) {
            pane.addlinetochat(QStringLiteral("1+Ann chats: a :)#11 b"), colours[round % 5]);
            pane.addlinetochat(QStringLiteral("2+Bob chats: c"), colours[(round + 2) % 5]);
            pane.addlinetochat(QStringLiteral("0+notice"), kSystemColour);
        };
        for (int round = 0; round < 5; ++round) addRound(round); // every colour seen once per style
        const auto formatsAfterFew = pane.document()->allFormats().size();
        for (int round = 5; round < 400; ++round) addRound(round);
        QCOMPARE(pane.document()->allFormats().size(), formatsAfterFew);

        const QColor ann = QColor::fromRgb(bgrToRgb(colours[399 % 5]) & 0xFFFFFFu);
        const QColor bob = QColor::fromRgb(bgrToRgb(colours[(399 + 2) % 5]) & 0xFFFFFFu);
        for (int block : {0, 3, 600, 1197}) {
            QCOMPARE(shownColour(pane, block, 2), ann);
            QCOMPARE(shownColour(pane, block + 1, 2), bob);
            QCOMPARE(shownColour(pane, block + 2, 2), QColor(0, 0, 255));
        }
    }

    // Only the system's lines (kind 0: this client's notices and the host's) wear the system
    // colour; a peer's line in it, or in one the eye cannot tell from it, shows in navy.
    void aPeerLineNeverWearsTheSystemColour_data() {
        QTest::addColumn<QString>("received"); // the data of a CMD_chat or CMD_action
        QTest::addColumn<QColor>("shown");
        QTest::newRow("the host's notice") << "0+Ann has left the game.|clBlue" << QColor(0, 0, 255);
        QTest::newRow("an action in the system colour") << "3+Bob has Won the Game!|clBlue" << QColor(0, 0, 128);
        QTest::newRow("a colour the eye cannot tell from it") << "2+Cy has Won the Game!|$00FA1010" << QColor(0, 0, 128);
        QTest::newRow("a blue that shows as another") << "2+Cy has Won the Game!|$009F0000" << QColor(0, 0, 159);
    }
    void aPeerLineNeverWearsTheSystemColour() {
        QFETCH(QString, received);
        ChatPane pane;
        pane.chatrecieved(received);
        QTEST(shownColour(pane, 0, 2), "shown");
    }

    // However long a peer goes on, the pane keeps only the latest lines, within its bounds of
    // lines, characters and links (each link number is a format the document keeps for good),
    // and a link still shown opens its own target whatever number it was given.
    void keepsOnlyTheLatestLines_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("word"); // "#": the line and the word's place in it
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("atLeast"); // lines still shown
        QTest::newRow("short lines") << int(kChatLines + kChatLines / 10 + 1) << "w#" << 3 << int(kChatLines);
        QTest::newRow("long lines") << 600 << "w" << 2000 << 450;
        QTest::newRow("lines of links") << 30 << "www.#.example" << 400 << 10;
    }
    void keepsOnlyTheLatestLines() {
        QFETCH(int, lines);
        QFETCH(QString, word);
        QFETCH(int, words);
        QFETCH(int, atLeast);
        ChatPane pane;
        QStringList opened;
        pane.setLinkOpener([&](const QString& t) { return opened << t, true; });
        for (int line = 0; line < lines; ++line) {
            QString text = QStringLiteral("1+L%1:").arg(line);
            for (int w = 0; w < words; ++w)
                text += u' ' + QString(word).replace(u'#', QStringLiteral("%1-%2").arg(line).arg(w));
            pane.addlinetochat(text, 0x008000);
        }
        QTextDocument* doc = pane.document();
        const int kept = doc->blockCount();
        QVERIFY(kept >= atLeast && kept <= int(kChatLines + kChatLines / 10));
        QVERIFY(doc->characterCount() <= int(kChatCharacters + kChatCharacters / 10));
        QVERIFY(pane.linkTargets().size() <= kChatLinks && doc->allFormats().size() <= int(kChatLinks) + 50);
        QVERIFY(doc->firstBlock().text().startsWith(QStringLiteral("L%1: ").arg(lines - kept)));
        QVERIFY(doc->lastBlock().text().startsWith(QStringLiteral("L%1: ").arg(lines - 1)));
        if (pane.linkTargets().empty()) return;
        emit pane.anchorClicked(QUrl(formatAt(doc, kept - 1, 6).anchorHref())); // the last line's first link
        QCOMPARE(opened, QStringList{QStringLiteral("http://www.%1-0.example").arg(lines - 1)});
    }

    void recolouredLinesKeepTheirFontAndSize() {
        ChatPane pane;
        pane.addlinetochat(QStringLiteral("1+Ann chats: one"), 0x0000FF);
        pane.addlinetochat(QStringLiteral("1+Ann chats: two"), 0x008000); // recolours line 1
        pane.setTextSize(14);
        pane.addlinetochat(QStringLiteral("1+Ann chats: three"), 0x800000); // and again, after the size
        for (int block = 0; block < 3; ++block) {
            const QTextCharFormat f = formatAt(pane.document(), block, 3);
            QCOMPARE(shownColour(pane, block, 3), QColor(0, 0, 128));
            QCOMPARE(f.font().family(), QStringLiteral("Arial"));
            QCOMPARE(f.font().pointSize(), 14);
            QCOMPARE(f.font().weight(), QFont::Bold);
        }
    }

    void recolouringStillWorksAfterClearing() {
        ChatPane pane;
        pane.addlinetochat(QStringLiteral("5+Di chats: before"), 0x0000FF);
        pane.clearChat();
        pane.addlinetochat(QStringLiteral("5+Di chats: after"), 0x008000);
        pane.addlinetochat(QStringLiteral("5+Di chats: again"), 0x800000);
        QCOMPARE(pane.document()->blockCount(), 2);
        QCOMPARE(shownColour(pane, 0, 2), QColor(0, 0, 128));
        QCOMPARE(shownColour(pane, 1, 2), QColor(0, 0, 128));
    }

    void blanksControlCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sent");
        QTest::newRow("plain") << "hello there" << "hello there";
        QTest::newRow("line break") << "hi\r\nCMD_kickhim+1+2+" << "hi  CMD_kickhim+1+2+";
        QTest::newRow("tab and bell") << QStringLiteral("a\tb\u0007c") << "a b c";
        QTest::newRow("nul and escape") << QStringLiteral("x") + QChar(0) + QStringLiteral("\u001B[31m") << "x  [31m";
        QTest::newRow("delete and C1") << QStringLiteral("a\u007Fb\u0085c\u009Fd") << "a b c d";
        QTest::newRow("unicode separators") << QStringLiteral("a\u2028b\u2029c") << "a b c";
        QTest::newRow("accents and symbols stay") << QStringLiteral("caf\u00E9 \u20AC \u00FF") << QStringLiteral("caf\u00E9 \u20AC \u00FF");
        QTest::newRow("empty") << "" << "";
    }
    void blanksControlCharacters() {
        QFETCH(QString, text);
        QTEST(blankControlCharacters(text), "sent");
    }

    void entryBoxPasteAppendsAtTheEnd_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        QTest::newRow("caret in the middle") << "hello" << 2 << false << " world" << "hello world";
        QTest::newRow("selection is kept, not replaced") << "hello" << 0 << true << "!" << "hello!";
        QTest::newRow("placeholder stays") << "<Enter Chat Here>" << 0 << false << "x" << "<Enter Chat Here>x";
        QTest::newRow("line breaks become blanks") << "a" << 1 << false << "b\nc\r\n" << "ab c  ";
        QTest::newRow("empty clipboard changes nothing") << "abc" << 1 << true << "" << "abc";
    }
    void entryBoxPasteAppendsAtTheEnd() {
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(bool, select);
        QFETCH(QString, clipboard);
        for (bool byKey : {false, true}) {
            ChatEntry entry;
            entry.show();
            entry.setFocus();
            entry.setText(before);
            entry.setCursorPosition(caret);
            if (select) entry.setSelection(0, 3);
            QGuiApplication::clipboard()->setText(clipboard);
            if (byKey)
                QTest::keyClick(&entry, Qt::Key_V, Qt::ControlModifier);
            else
                entry.pasteAtEnd();
            QTEST(entry.text(), "after");
            QCOMPARE(entry.cursorPosition(), entry.text().size());
            QVERIFY(!entry.hasSelectedText());
        }
    }

    void entryBoxMenuHoldsOnlyPaste() {
        ChatEntry entry;
        QCOMPARE(entry.objectName(), QStringLiteral("mychat"));
        QCOMPARE(entry.popupMenu()->objectName(), QStringLiteral("popup_mychat"));
        const auto actions = entry.popupMenu()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(QString(actions[0]->text()).remove(u'&'), QStringLiteral("Paste"));
        QCOMPARE(actions[0]->objectName(), QStringLiteral("Paste1"));
        QCOMPARE(actions[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
        QGuiApplication::clipboard()->setText(QStringLiteral("z"));
        entry.setText(QStringLiteral("a"));
        actions[0]->trigger();
        QCOMPARE(entry.text(), QStringLiteral("az"));
    }
};

QTEST_MAIN(TestChatSafety)
#include "test_chat_safety.moc"
