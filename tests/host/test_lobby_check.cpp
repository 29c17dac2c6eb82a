// SPDX-License-Identifier: GPL-3.0-or-later
// A lobby checking that the game can be reached visits without anybody at the table noticing:
// its word is echoed to it alone and it is closed; after a login the word means nothing.
#include <QtTest>

#include "host_fixture.h"

using namespace quadrino;
using namespace quadrino::testing;

namespace {

HostOptions withPacing(QueueOrder pacing) {
    HostOptions o;
    o.pacing = pacing;
    return o;
}

std::vector<std::string> since(const std::vector<std::string>& lines, std::size_t from) {
    return {lines.begin() + static_cast<long>(from), lines.end()};
}

} // namespace

class TestLobbyCheck : public QObject {
    Q_OBJECT
private slots:
    void checkIsEchoedClosedAndNeverAnnounced_data() {
        QTest::addColumn<int>("pacing");
        QTest::addColumn<QString>("nonce");
        QTest::addColumn<bool>("answered");
        for (auto [pacing, name] : {std::pair{QueueOrder::Fair, "fair"}, std::pair{QueueOrder::Arrival, "arrival"}}) {
            const QByteArray tag(name);
            QTest::newRow(tag + ": short nonce") << int(pacing) << "a1" << true;
            QTest::newRow(tag + ": longest nonce") << int(pacing) << QString(32, 'f') << true;
            QTest::newRow(tag + ": nonce too long") << int(pacing) << QString(33, 'f') << false;
            QTest::newRow(tag + ": no nonce") << int(pacing) << QString() << false;
        }
    }
    void checkIsEchoedClosedAndNeverAnnounced() {
        QFETCH(int, pacing);
        QFETCH(QString, nonce);
        QFETCH(bool, answered);
        HostFixture f(1, withPacing(static_cast<QueueOrder>(pacing)));
        f.join("Ann");
        f.join("Bob");
        f.clearInbox();
        const int check = f.port.connect(false);
        QCOMPARE(check, 3);
        const std::size_t logBefore = f.port.logLines().size();
        f.say(check, "CMD_lobbycheck+" + nonce + "~");
        f.settle();
        const QStringList expected =
            answered ? QStringList{"CMD_sendlogininfo+3~", "CMD_lobbycheck+" + nonce + "~"} : QStringList{"CMD_sendlogininfo+3~"};
        QCOMPARE(f.inbox[check], expected);
        QCOMPARE(f.port.closedByHost(), answered ? std::vector<int>{check} : std::vector<int>{});
        for (int player : {1, 2}) QVERIFY2(f.inbox[player].isEmpty(), qPrintable(f.inbox[player].join(' ')));
        // Unanswered, it is any connection that has not logged in yet.
        QCOMPARE(f.host.player(check).connected, !answered);
        if (!answered) return;
        // Its closing is heard by nobody and leaves one line; its number is anybody's again.
        QCOMPARE(since(f.port.logLines(), logBefore).size(), std::size_t(1));
        QCOMPARE(f.join("Cid"), check);
    }

    void checkAfterTheLoginIsIgnored() {
        HostFixture f(1, withPacing(QueueOrder::Fair));
        f.join("Ann");
        const int bob = f.join("Bob");
        f.clearInbox();
        f.say(bob, "CMD_lobbycheck+n0nce~CMD_chat+2+still here|clRed~");
        QVERIFY(f.port.closedByHost().empty());
        QVERIFY(f.port.logLines().back().find("after the login") != std::string::npos);
        for (int player : {1, 2}) QCOMPARE(f.inbox[player], QStringList{"CMD_chat+2+Bob chats: still here|clRed~"});
    }

    void checkOnAFullGameIsRefusedAsAnyConnection() {
        HostFixture f(1, withPacing(QueueOrder::Fair));
        for (int n = 1; n <= kSeatCount + 5; ++n) f.join(QString("P%1").arg(n));
        f.clearInbox();
        const int check = f.port.connect(false);
        QCOMPARE(check, kRefusedSlot);
        f.say(check, "CMD_lobbycheck+n0nce~");
        QCOMPARE(f.inbox[check], QStringList{shown(encode(Full{}))});
        QCOMPARE(f.port.closedByHost(), std::vector<int>{kRefusedSlot});
        for (int n = 1; n < kRefusedSlot; ++n) QVERIFY(f.inbox[n].isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestLobbyCheck)
#include "test_lobby_check.moc"
