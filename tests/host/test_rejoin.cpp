// SPDX-License-Identifier: GPL-3.0-or-later
// A dropped player comes back to its seat with the key the host handed it; anybody else comes
// back as any newcomer does.
#include <QRegularExpression>
#include <QtTest>

#include "host_fixture.h"

using namespace quadrino;
using namespace quadrino::testing;

namespace {

// Ann and Bob in a two-seat game; Bob asked for a key.
struct TwoAtTable : HostFixture {
    QString key;
    TwoAtTable() {
        join("Ann");
        join("Bob");
        say(2, "CMD_canrejoin+2+~");
        key = QRegularExpression("^CMD_seatkey\\+2\\+([0-9a-f]{16,})\\+~$").match(inbox[2].last()).captured(1);
        say(1, "CMD_startgame+Ann+1+0+1+1+0+0+0+~");
        say(1, "CMD_justwatch+1+1~"); // the computer plays on while Bob is away
        clearInbox();
    }
    // A new connection offering `offered` for seat 2 before the login anybody sends.
    int comeBack(const QString& offered) {
        const int n = port.connect(false);
        say(n, QString("CMD_rejoin+%1+2+%2+~CMD_logininfo+%1+1.0.15+Bob~~").arg(n).arg(offered));
        return n;
    }
};

} // namespace

class TestRejoin : public QObject {
    Q_OBJECT
private slots:
    void droppedPlayerGetsTheSeatAndBoardBackAndTheGameIsWon() {
        TwoAtTable f;
        f.leave(2);
        QVERIFY(f.host.seatKept(2) && f.host.botPlays(2));
        f.port.runFor(20000);
        QCOMPARE(f.join("Cid"), 3); // nobody else gets its number
        f.clearInbox();
        QCOMPARE(f.comeBack(f.key), 4);
        QVERIFY(!f.host.seatKept(2) && !f.host.botPlays(2) && !f.host.player(4).connected);
        const QStringList back = f.inbox[2];
        QVERIFY(back.value(0).startsWith("CMD_seatkey+2+") && !back.value(0).contains(f.key)); // a fresh key
        QCOMPARE(back.mid(1), QStringList({"CMD_newplayerinfo+2+Bob~", "CMD_existingplayers+1+Ann~",
                                            "CMD_existingplayers+3+Cid~", shown(encode(f.host.engine().locationsFor(2))),
                                            "CMD_morestats+0+~"}));
        f.say(2, "CMD_justwatch+2+1~"); // his requests count as seat 2's
        bool won = false;
        f.port.setSink([&](int, std::string_view m) { won = won || m.starts_with("CMD_winner+"); });
        f.port.runUntil([&] { return won; }, 24LL * 3600 * 1000);
        QVERIFY(won);
    }

    // Watching when the connection went, watching when back: the computer keeps the seat and
    // every client is told so.
    void aWatchingPlayerComesBackWatching_data() {
        QTest::addColumn<bool>("stale");
        QTest::newRow("after the drop") << false;
        QTest::newRow("replacing a stale connection") << true;
    }
    void aWatchingPlayerComesBackWatching() {
        QFETCH(bool, stale);
        TwoAtTable f;
        f.say(2, "CMD_justwatch+2+1~");
        if (!stale) f.leave(2);
        f.clearInbox();
        f.comeBack(f.key);
        QVERIFY(f.host.player(2).connected && f.host.botPlays(2));
        for (int seat : {1, 2}) QCOMPARE(f.inbox[seat].last(), QString("CMD_justwatching+2+1~"));
    }

    void staleConnectionStillOpenIsReplaced() {
        TwoAtTable f;
        QCOMPARE(f.comeBack(f.key), 3);
        QVERIFY(f.host.player(2).connected && !f.host.player(3).connected);
        QCOMPARE(f.inbox[1], QStringList({"CMD_playerdisconnected+2+Bob~", "CMD_newplayerinfo+2+Bob~"}));
    }

    void noSeatBack_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"wrong key", "too late", "removed", "left on purpose"}) QTest::newRow(how) << how;
    }
    void noSeatBack() {
        QFETCH(QString, how);
        TwoAtTable f;
        QString offered = f.key;
        if (how == "wrong key") offered[0] = offered[0] == '0' ? '1' : '0';
        if (how == "removed") {
            f.say(1, "CMD_kickhim+1+2+~");
            QCOMPARE(f.inbox[2].last(), QString("CMD_seatkey+2++~")); // its client is not to try
        }
        if (how == "left on purpose") f.port.deliver(2, wire("CMD_leaving+2+~"));
        f.leave(2);
        if (how == "too late") {
            f.port.runFor(59000);
            QVERIFY(f.host.seatKept(2));
            f.port.runFor(2000);
        }
        f.clearInbox();
        const int n = f.comeBack(offered);
        // An ordinary newcomer on whatever number is free, with no key.
        QCOMPARE(f.inbox[n].filter("CMD_seatkey").size(), 0);
        QVERIFY(f.inbox[n].contains(QString("CMD_newplayerinfo+%1+Bob~").arg(n)));
        QCOMPARE(f.host.seatKept(2), how == "wrong key"); // a wrong key takes nothing away
    }
};

QTEST_GUILESS_MAIN(TestRejoin)
#include "test_rejoin.moc"
