// SPDX-License-Identifier: GPL-3.0-or-later
// A lobby checking that the game can be reached visits without anybody at the table noticing:
// its word is echoed to it alone and it is closed; after a login the word means nothing.
#include <QtTest>

#include "host_fixture.h"

using namespace quadrino;
using namespace quadrino::testing;

class TestLobbyCheck : public QObject {
    Q_OBJECT
private slots:
    void onlyACheckBeforeTheLoginIsAnsweredAndNobodyHearsOfIt_data() {
        QTest::addColumn<QString>("sent"); // by connection 3, after Ann and Bob sat down
        QTest::addColumn<bool>("answered");
        QTest::newRow("check") << "CMD_lobbycheck+a1~" << true;
        QTest::newRow("longest nonce") << "CMD_lobbycheck+" + QString(32, 'f') + "~" << true;
        QTest::newRow("nonce too long") << "CMD_lobbycheck+" + QString(33, 'f') + "~" << false;
        QTest::newRow("no nonce") << "CMD_lobbycheck+~" << false;
        QTest::newRow("after the login") << "CMD_logininfo+3+1.0.15+Cid~~CMD_lobbycheck+a1~" << false;
    }
    void onlyACheckBeforeTheLoginIsAnsweredAndNobodyHearsOfIt() {
        QFETCH(QString, sent);
        QFETCH(bool, answered);
        for (QueueOrder pacing : {QueueOrder::Fair, QueueOrder::Arrival}) {
            HostOptions options;
            options.pacing = pacing;
            HostFixture f(1, options);
            f.join("Ann");
            f.join("Bob");
            f.clearInbox();
            const int visitor = f.port.connect(false);
            const std::size_t logBefore = f.port.logLines().size();
            f.say(visitor, sent);
            QCOMPARE(f.inbox[visitor].contains("CMD_lobbycheck+a1~") || f.inbox[visitor].contains(sent), answered);
            QCOMPARE(f.port.closedByHost(), answered ? std::vector<int>{visitor} : std::vector<int>{});
            QCOMPARE(f.host.player(visitor).connected, !answered);
            if (!answered) continue;
            // Its closing is heard by nobody and leaves one line; its number is anybody's again.
            for (int player : {1, 2}) QVERIFY2(f.inbox[player].isEmpty(), qPrintable(f.inbox[player].join(' ')));
            QCOMPARE(f.port.logLines().size(), logBefore + 1);
            QCOMPARE(f.join("Cid"), visitor);
        }
    }

    void checkOnAFullGameIsRefusedAsAnyConnection() {
        HostFixture f;
        for (int n = 1; n < kRefusedSlot; ++n) f.join(QString("P%1").arg(n));
        f.clearInbox();
        const int check = f.port.connect(false);
        f.say(check, "CMD_lobbycheck+n0nce~");
        QCOMPARE(f.inbox[check], QStringList{shown(encode(Full{}))});
        QCOMPARE(f.port.closedByHost(), std::vector<int>{kRefusedSlot});
    }
};

QTEST_APPLESS_MAIN(TestLobbyCheck)
#include "test_lobby_check.moc"
