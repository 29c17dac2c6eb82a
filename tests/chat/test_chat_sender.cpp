// SPDX-License-Identifier: GPL-3.0-or-later
// The chat sender: the exact request for typed lines, phrases and chatter sounds (one filter,
// one encoder, the "/me" rules), the two-second phrase lock on the test's own clock, and
// nothing sent before login or by a spectator where only players may.
#include <QTest>

#include "chat/chat_sender.h"
#include "protocol/wire.h"

using namespace quadrino;

namespace {

struct Sender {
    ChatSender sender;
    qint64 now = 0;
    ChatSender::Speaker me{3, kBlack};
    QList<QByteArray> sent;

    Sender() {
        sender.setClock([this] { return now; });
        sender.setSpeaker([this] { return me; });
        QObject::connect(&sender, &ChatSender::sendRequested, &sender,
                         [this](const std::string& m) { sent << QByteArray::fromStdString(m); });
    }
};

QByteArray wire(const char* body) { return QByteArray(body) + kTerminator; }

} // namespace

class TestChatSender : public QObject {
    Q_OBJECT
private slots:
    // Each row is one text said both ways: typed in the box and as a phrase.
    void messages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QByteArray>("typed"); // empty: nothing sent
        QTest::addColumn<QByteArray>("phrase");
        const int black = kBlack;
        QTest::newRow("plain") << "Nice one" << black << wire("CMD_chat+3+Nice one|clBlack")
                               << wire("CMD_action+3+says: Nice one|clBlack");
        QTest::newRow("/me with blank") << "/me waves" << black << wire("CMD_action+3+waves|clBlack")
                                        << wire("CMD_action+3+waves|clBlack");
        QTest::newRow("/me without blank") << "/mewaves" << black << wire("CMD_action+3+aves|clBlack")
                                           << wire("CMD_action+3+says: /mewaves|clBlack");
        QTest::newRow("bare /me") << "/me" << black << wire("CMD_action+3+|clBlack") << wire("CMD_action+3+says: /me|clBlack");
        QTest::newRow("/me and only the blank") << "/me " << black << wire("CMD_action+3+|clBlack")
                                                << wire("CMD_action+3+|clBlack");
        QTest::newRow("another command") << "/quit" << black << QByteArray() << wire("CMD_action+3+says: /quit|clBlack");
        QTest::newRow("empty") << "" << black << QByteArray() << wire("CMD_action+3+says: |clBlack");
        QTest::newRow("colour as colour text") << "hi" << 0x123456 << wire("CMD_chat+3+hi|$00123456")
                                               << wire("CMD_action+3+says: hi|$00123456");
        QTest::newRow("line breaks and tabs become blanks")
            << "a\r\nCMD_kickhim+1+2+\tb" << black << wire("CMD_chat+3+a  CMD_kickhim+1+2+ b|clBlack")
            << wire("CMD_action+3+says: a  CMD_kickhim+1+2+ b|clBlack");
        QTest::newRow("other controls become blanks")
            << QString::fromUtf16(u"x\u0001\u007f\u0085\u2028y") << black << wire("CMD_chat+3+x    y|clBlack")
            << wire("CMD_action+3+says: x    y|clBlack");
        QTest::newRow("Windows-1252 text") << QString::fromUtf16(u"caf\u00e9 \u20ac") << black
                                           << wire("CMD_chat+3+caf\xe9 \x80|clBlack")
                                           << wire("CMD_action+3+says: caf\xe9 \x80|clBlack");
        QTest::newRow("no terminator byte inside") << QString::fromUtf16(u"\u00ff!") << black
                                                   << wire("CMD_chat+3+y!|clBlack")
                                                   << wire("CMD_action+3+says: y!|clBlack");
    }
    void messages() {
        QFETCH(QString, text);
        QFETCH(int, colour);
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, phrase);
        Sender s;
        s.me.colour = colour;
        QVERIFY(s.sender.sendTyped(text));
        QVERIFY(s.sender.sendPhrase(text));
        QList<QByteArray> wanted{typed, phrase};
        wanted.removeAll(QByteArray());
        QCOMPARE(s.sent, wanted);
    }

    void phrasesLockedForTwoSeconds_data() {
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
    void phrasesLockedForTwoSeconds() {
        QFETCH(QList<qint64>, clicks);
        QFETCH(QList<bool>, sent);
        Sender s;
        for (qsizetype i = 0; i < clicks.size(); ++i) {
            s.now = clicks[i];
            const qsizetype before = s.sent.size();
            QCOMPARE(s.sender.sendPhrase(QStringLiteral("p%1").arg(i)), sent[i]);
            QCOMPARE(s.sent.size(), before + (sent[i] ? 1 : 0));
            // Typed lines and chatter sounds neither wait for the lock nor start it.
            QVERIFY(s.sender.sendTyped(QStringLiteral("t")));
            QVERIFY(s.sender.sendChatterSound(1));
        }
    }

    // Who may say what: before login nothing, and a spectator no chatter sound.
    void speakers_data() {
        QTest::addColumn<int>("seat");
        QTest::addColumn<int>("sound");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("before login") << 0 << 5 << QList<QByteArray>{};
        QTest::newRow("player") << 4 << 20
                                << QList<QByteArray>{wire("CMD_chat+4+hi|clBlack"), wire("CMD_action+4+says: hi|clBlack"),
                                                     wire("CMD_playasound+4+wave20+")};
        QTest::newRow("spectator") << 5 << 1
                                   << QList<QByteArray>{wire("CMD_chat+5+hi|clBlack"), wire("CMD_action+5+says: hi|clBlack")};
        QTest::newRow("<Cancel>") << 2 << 0
                                  << QList<QByteArray>{wire("CMD_chat+2+hi|clBlack"), wire("CMD_action+2+says: hi|clBlack")};
        QTest::newRow("no such sound") << 2 << 21
                                       << QList<QByteArray>{wire("CMD_chat+2+hi|clBlack"), wire("CMD_action+2+says: hi|clBlack")};
    }
    void speakers() {
        QFETCH(int, seat);
        QFETCH(int, sound);
        QFETCH(QList<QByteArray>, sent);
        Sender s;
        s.me.myseat = seat;
        QCOMPARE(s.sender.sendTyped(QStringLiteral("hi")), seat > 0);
        QCOMPARE(s.sender.sendPhrase(QStringLiteral("hi")), seat > 0);
        s.sender.sendChatterSound(sound);
        QCOMPARE(s.sent, sent);
    }

    void refusedPhraseStartsNoLock() {
        Sender s;
        s.me.myseat = 0;
        QVERIFY(!s.sender.sendPhrase(QStringLiteral("a")));
        s.me.myseat = 6;
        QVERIFY(s.sender.sendPhrase(QStringLiteral("Good One!")));
        QCOMPARE(s.sent, QList<QByteArray>{wire("CMD_action+6+says: Good One!|clBlack")});
        ChatSender unwired; // nobody to speak for: never sends
        QVERIFY(!unwired.sendTyped(QStringLiteral("x")) && !unwired.sendPhrase(QStringLiteral("x")));
    }
};

QTEST_GUILESS_MAIN(TestChatSender)
#include "test_chat_sender.moc"
