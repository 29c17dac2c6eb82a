// SPDX-License-Identifier: GPL-3.0-or-later
// A player whose connection drops comes back to the same seat with the key the host handed
// it; everybody else (a wrong key, too late, removed, gone on purpose) comes back as any
// newcomer does.
#include <QRegularExpression>
#include <QtTest>

#include "host_fixture.h"

using namespace quadrino;
using namespace quadrino::testing;

namespace {

// Ann hosts, Bob sits in seat 2 and asks for a key; a two-seat game is under way.
struct TwoAtTable : HostFixture {
    QString key;
    TwoAtTable() {
        join("Ann");
        join("Bob");
        say(2, "CMD_canrejoin+2+~");
        const QRegularExpressionMatch m = QRegularExpression("^CMD_seatkey\\+2\\+([0-9a-f]+)\\+~$").match(inbox[2].last());
        if (m.hasMatch()) key = m.captured(1);
        say(1, "CMD_startgame+Ann+1+0+1+1+0+0+0+~");
        clearInbox();
    }
    // A new connection that first offers `offered` for seat 2, then logs in as anybody would.
    int comeBack(const QString& offered) {
        const int n = port.connect(false);
        say(n, QString("CMD_rejoin+%1+2+%2+~CMD_logininfo+%1+1.0.15+Bob~~").arg(n).arg(offered));
        return n;
    }
    bool anyKeyTo(int connection) {
        return std::ranges::any_of(inbox[connection], [](const QString& m) { return m.startsWith("CMD_seatkey+"); });
    }
};

} // namespace

class TestRejoin : public QObject {
    Q_OBJECT
private slots:
    void keysAreLongAndNeverRepeat() {
        QSet<QString> keys;
        for (int i = 0; i < 20; ++i) {
            TwoAtTable f;
            QVERIFY2(f.key.size() >= 16, qPrintable(f.key)); // 64 bits or more
            keys.insert(f.key);
        }
        QCOMPARE(keys.size(), 20);
    }

    void askingForNoKeyChangesNothing() {
        // Peers that never ask keep today's exchange: a drop frees the seat at once.
        HostFixture f;
        f.join("Ann");
        f.join("Bob");
        QVERIFY(f.inbox[2].filter("CMD_seatkey").isEmpty());
        f.leave(2);
        QVERIFY(!f.host.seatKept(2));
        QCOMPARE(f.port.connect(false), 2);
    }

    void droppedPlayerGetsTheSeatAndBoardBackAndTheGameIsWon() {
        TwoAtTable f;
        QVERIFY(!f.key.isEmpty());
        f.say(1, "CMD_justwatch+1+1~"); // the computer plays on while Bob is away
        f.leave(2);
        QVERIFY(f.host.seatKept(2));
        QVERIFY(f.host.botPlays(2));
        QCOMPARE(f.inbox[1].filter("disconnected"), QStringList{"CMD_playerdisconnected+2+Bob~"});
        // The computer plays the seat meanwhile; a newcomer does not get its number.
        const BoardState before = f.board();
        f.port.runFor(20000);
        QVERIFY(!(f.board() == before));
        QCOMPARE(f.join("Cid"), 3);
        f.clearInbox();

        const int n = f.comeBack(f.key);
        QCOMPARE(n, 4);
        QVERIFY(!f.host.seatKept(2));
        QVERIFY(!f.host.player(4).connected);
        QCOMPARE(QString::fromStdString(f.host.player(2).name), QString("Bob"));
        QVERIFY(!f.host.botPlays(2));
        const QStringList back = f.inbox[2];
        QVERIFY2(back.value(0).contains(QRegularExpression("^CMD_seatkey\\+2\\+[0-9a-f]{16,}\\+~$")), qPrintable(back.join(' ')));
        QVERIFY(!back.value(0).contains(f.key)); // a fresh key for the next drop
        QCOMPARE(back.mid(1, 3), QStringList({"CMD_newplayerinfo+2+Bob~", "CMD_existingplayers+1+Ann~",
                                               "CMD_existingplayers+3+Cid~"}));
        QCOMPARE(back.value(4), shown(encode(f.host.engine().locationsFor(2))));
        QCOMPARE(back.value(5), QString("CMD_morestats+0+~"));
        QCOMPARE(back.size(), 6); // the login after the request is not a second arrival
        QVERIFY(f.inbox[1].contains("CMD_newplayerinfo+2+Bob~"));

        // Back at the table: Bob's requests count as seat 2's, and the game goes on to a winner.
        f.say(2, "CMD_justwatch+2+1~");
        bool won = false;
        f.port.setSink([&](int, std::string_view m) { won = won || m.starts_with("CMD_winner+"); });
        f.port.runUntil([&] { return won; }, 24LL * 3600 * 1000);
        QVERIFY(won);
    }

    void openStaleConnectionIsReplaced() {
        // The player is back before the host noticed the old connection was dead.
        TwoAtTable f;
        const int n = f.comeBack(f.key);
        QCOMPARE(n, 3);
        QVERIFY(f.host.player(2).connected);
        QVERIFY(!f.host.player(3).connected);
        QCOMPARE(f.inbox[1], QStringList({"CMD_playerdisconnected+2+Bob~", "CMD_newplayerinfo+2+Bob~"}));
        QVERIFY(f.anyKeyTo(2));
        // The old connection's close, if it is ever reported, is not the new one's.
        f.leave(3);
        QVERIFY(f.host.player(2).connected);
    }

    void noSeatBack_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("wrong key") << "wrong";
        QTest::newRow("kept for a minute only") << "late";
        QTest::newRow("removed by the hosting user") << "removed";
        QTest::newRow("left on purpose") << "left";
    }
    void noSeatBack() {
        QFETCH(QString, how);
        TwoAtTable f;
        QString offered = f.key;
        if (how == "wrong") {
            offered[0] = offered[0] == '0' ? '1' : '0';
            f.leave(2);
        } else if (how == "late") {
            f.leave(2);
            f.port.runFor(59000);
            QVERIFY(f.host.seatKept(2));
            f.port.runFor(2000);
            QVERIFY(!f.host.seatKept(2));
        } else if (how == "removed") {
            f.say(1, "CMD_kickhim+1+2+~");
            QCOMPARE(f.inbox[2].last(), QString("CMD_seatkey+2++~")); // its client should not try
        } else {
            f.port.deliver(2, wire("CMD_leaving+2+~"));
            f.leave(2);
        }
        QVERIFY(!f.host.seatKept(2) || how == "wrong");
        f.clearInbox();
        const int n = f.comeBack(offered);
        // An ordinary newcomer, on whatever number is free, with no key restored.
        QVERIFY(!f.anyKeyTo(n));
        QVERIFY(f.inbox[n].contains(QString("CMD_newplayerinfo+%1+Bob~").arg(n)));
        QCOMPARE(f.host.seatKept(2), how == "wrong"); // a wrong key takes nothing away
        QVERIFY(std::ranges::any_of(f.port.logLines(), [](const std::string& l) { return l.find("without its key") != std::string::npos; }));
    }
};

QTEST_GUILESS_MAIN(TestRejoin)
#include "test_rejoin.moc"
