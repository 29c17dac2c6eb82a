// SPDX-License-Identifier: GPL-3.0-or-later
// One peer must not hurt the others: fair turns at dispatch, caps on what a connection may
// have waiting, logins once and in time, clean and unique names, clean relayed text, number
// 1 for the owner only, a log budget per connection, and a sleeping player's seat handed to
// the computer.
#include <QtTest>

#include <algorithm>

#include "host_fixture.h"

using namespace quadrino;
using namespace quadrino::testing;

namespace {

HostOptions withPacing(QueueOrder pacing) {
    HostOptions o;
    o.pacing = pacing;
    return o;
}

HostOptions fair() { return withPacing(QueueOrder::Fair); }

std::string chats(int sender, int count, std::size_t textSize = 8) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += "CMD_chat+" + std::to_string(sender) + "+" + std::string(textSize, 'a') + std::to_string(i) +
               "|clRed\xFF";
    return out;
}

int linesContaining(const std::vector<std::string>& lines, std::string_view part) {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

} // namespace

class TestPeers : public QObject {
    Q_OBJECT
private slots:
    // ---- dispatch ---------------------------------------------------------------------

    void aBurstDelaysOnlyItsSender_data() {
        QTest::addColumn<int>("pacing");
        QTest::addColumn<int>("servedBefore"); // burst entries relayed before the honest chat
        QTest::newRow("fair turns") << int(QueueOrder::Fair) << 1;
        QTest::newRow("one line for all") << int(QueueOrder::Arrival) << 100;
    }
    void aBurstDelaysOnlyItsSender() {
        QFETCH(int, pacing);
        QFETCH(int, servedBefore);
        HostFixture f(1, withPacing(static_cast<QueueOrder>(pacing)));
        f.join("Host");
        f.join("Burst");
        f.join("Honest");
        f.clearInbox();
        f.port.deliver(2, chats(2, 100));
        f.port.step();
        f.port.deliver(3, wire("CMD_chat+3+hello|clRed~"));
        f.settle();
        const QStringList& got = f.inbox[1];
        const auto honest = got.indexOf("CMD_chat+3+Honest chats: hello|clRed~");
        QCOMPARE(honest, servedBefore);
        // The burst itself keeps its order.
        QStringList burst = got;
        burst.removeAt(honest);
        QCOMPARE(burst.size(), 100);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(burst[i], QString("CMD_chat+2+Burst chats: aaaaaaaa%1|clRed~").arg(i));
    }

    void paceAfterAQuietSpell_data() {
        QTest::addColumn<int>("pacing");
        QTest::addColumn<QList<int>>("arrivals");   // ms after the start, one chat each
        QTest::addColumn<QList<int>>("dispatched"); // ms after the start, in order
        const int fairPacing = int(QueueOrder::Fair), arrival = int(QueueOrder::Arrival);
        QTest::newRow("alone: at once") << fairPacing << QList<int>{0} << QList<int>{0};
        QTest::newRow("three together") << fairPacing << QList<int>{0, 0, 0} << QList<int>{0, 10, 20};
        QTest::newRow("within the trailing tick") << fairPacing << QList<int>{0, 5} << QList<int>{0, 10};
        QTest::newRow("after the quiet tick") << fairPacing << QList<int>{0, 25} << QList<int>{0, 25};
        QTest::newRow("one line: a tick late") << arrival << QList<int>{0, 25} << QList<int>{10, 35};
    }
    void paceAfterAQuietSpell() {
        QFETCH(int, pacing);
        QFETCH(QList<int>, arrivals);
        QFETCH(QList<int>, dispatched);
        HostFixture f(1, withPacing(static_cast<QueueOrder>(pacing)));
        f.join("Host");
        f.port.runFor(1000);
        f.clearInbox();
        const std::int64_t t0 = f.port.now();
        QList<int> times;
        f.port.setSink([&](int, std::string_view) { times << int(f.port.now() - t0); });
        for (int at : arrivals) {
            f.port.runFor(t0 + at - f.port.now());
            f.port.deliver(1, wire("CMD_chat+1+x|clRed~"));
        }
        f.settle();
        QCOMPARE(times, dispatched);
        QVERIFY2(!f.port.timerActive(HostTimer::Dispatch), "idle again: no more wake-ups");
    }

    void bareTerminatorsQueueNothing_data() {
        QTest::addColumn<int>("pacing");
        QTest::addColumn<int>("queued");
        QTest::newRow("fair: dropped as they arrive") << int(QueueOrder::Fair) << 0;
        QTest::newRow("one line: capped") << int(QueueOrder::Arrival) << int(kMaxQueuedEntries);
    }
    void bareTerminatorsQueueNothing() {
        QFETCH(int, pacing);
        QFETCH(int, queued);
        HostFixture f(1, withPacing(static_cast<QueueOrder>(pacing)));
        f.join("Host");
        f.join("Flood");
        for (int i = 0; i < 16; ++i) f.port.deliver(2, std::string(64 * 1024, '\xFF'));
        QCOMPARE(f.host.queuedMessages(2), std::size_t(queued));
        QCOMPARE(f.port.timerActive(HostTimer::Dispatch), queued > 0);
    }

    void queueCapsPerConnection_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<int>("kept"); // entries queued from the burst
        QTest::addColumn<QString>("summary");
        QTest::newRow("many small") << 2000 << 8 << int(kMaxQueuedEntries)
                                    << "dropped 1,872 requests from connection 2 in the last 10 s";
        QTest::newRow("few large") << 100 << 4000 << 16 // 10 of 4018 bytes, 6 of 4019
                                   << "dropped 84 requests from connection 2 in the last 10 s";
        QTest::newRow("overlong, cut to 4096") << 40 << 20000 << 16
                                               << "dropped 24 requests from connection 2 in the last 10 s";
        QTest::newRow("within the caps") << 50 << 100 << 50 << "";
    }
    void queueCapsPerConnection() {
        QFETCH(int, count);
        QFETCH(int, textSize);
        QFETCH(int, kept);
        QFETCH(QString, summary);
        HostFixture f(1, fair());
        f.join("Host");
        f.join("Burst");
        f.port.runFor(LogLimiter::kWindowMs); // a fresh log window
        f.clearInbox();
        const auto logBefore = f.port.logLines().size();
        // Sent in pieces, as TCP would deliver them, with no tick between.
        const std::string burst = chats(2, count, std::size_t(textSize));
        for (std::size_t at = 0; at < burst.size(); at += 30000) f.port.deliver(2, std::string_view(burst).substr(at, 30000));
        f.port.deliver(1, wire("CMD_chat+1+still here|clRed~"));
        QCOMPARE(f.host.queuedMessages(2), std::size_t(kept));
        QVERIFY(f.host.queuedBytes(2) <= kMaxQueuedBytes);
        f.port.deliver(2, wire("CMD_justwatch+2+2~")); // a game request waits apart from its chat
        f.settle();
        QVERIFY(f.inbox[1].contains("CMD_chat+1+Host chats: still here|clRed~"));
        QVERIFY(f.inbox[1].contains("CMD_justwatching+2+2~"));
        QCOMPARE(int(std::count_if(f.inbox[1].begin(), f.inbox[1].end(),
                                   [](const QString& m) { return m.startsWith("CMD_chat+2+"); })),
                 kept);
        const std::vector<std::string> log(f.port.logLines().begin() + long(logBefore), f.port.logLines().end());
        QCOMPARE(linesContaining(log, "too many requests waiting"), count > kept ? 1 : 0);
        f.port.runFor(LogLimiter::kWindowMs);
        const std::vector<std::string> later(f.port.logLines().begin() + long(logBefore), f.port.logLines().end());
        QCOMPARE(linesContaining(later, "requests from connection 2"), count > kept ? 1 : 0);
        if (!summary.isEmpty()) QCOMPARE(linesContaining(later, summary.toStdString()), 1);
    }

    // ---- connections ------------------------------------------------------------------

    void aConnectionMustLogInWithin30s_data() {
        QTest::addColumn<int>("loginAfterMs"); // -1: never
        QTest::addColumn<int>("closedAfterMs"); // -1: stays
        QTest::newRow("never logs in") << -1 << 30000;
        QTest::newRow("logs in at 29 s") << 29000 << -1;
        QTest::newRow("logs in at once") << 0 << -1;
    }
    void aConnectionMustLogInWithin30s() {
        QFETCH(int, loginAfterMs);
        QFETCH(int, closedAfterMs);
        HostFixture f(1, fair());
        f.join("Host");
        const std::int64_t t0 = f.port.now();
        const int n = f.port.connect();
        if (loginAfterMs >= 0) {
            f.port.runFor(loginAfterMs);
            f.say(n, QString("CMD_logininfo+%1+1.0.15+Late~~").arg(n));
        }
        f.port.runUntil([&] { return !f.host.player(n).connected; }, 3600 * 1000);
        if (closedAfterMs < 0) {
            QVERIFY(f.host.player(n).connected);
            QVERIFY(f.port.closedByHost().empty());
        } else {
            QCOMPARE(f.port.closedByHost(), std::vector<int>{n});
            QCOMPARE(f.port.now() - t0, std::int64_t(closedAfterMs));
        }
        QVERIFY(f.host.player(1).connected);
        QVERIFY2(!f.port.timerActive(HostTimer::Watch), "nothing left to watch");
    }

    void numberOneOnlyForTheOwner_data() {
        QTest::addColumn<QString>("arrivals"); // o = owner's address, g = guest, -N = N leaves
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("guest first") << "g o" << QList<int>{2, 1};
        QTest::newRow("owner after guests") << "g g o g" << QList<int>{2, 3, 1, 4};
        QTest::newRow("guests never get 1") << "g g g g g g g g g" << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("the owner's 1 stays free") << "o g -1 g o" << QList<int>{1, 2, 3, 1};
        QTest::newRow("second owner connection") << "o o" << QList<int>{1, 2};
    }
    void numberOneOnlyForTheOwner() {
        QFETCH(QString, arrivals);
        QFETCH(QList<int>, numbers);
        HostFixture f(1, fair());
        QList<int> got;
        for (const QString& a : arrivals.split(' ')) {
            if (a.startsWith('-')) {
                f.leave(a.mid(1).toInt());
                continue;
            }
            const int n = f.port.connect(a == "o");
            got << n;
            f.settle();
        }
        QCOMPARE(got, numbers);
    }

    void aConnectionLogsInOnce() {
        HostFixture f(1, fair());
        f.join("Host");
        f.join("Ann");
        f.clearInbox();
        f.say(2, "CMD_logininfo+2+1.0.15+Host~~");
        QVERIFY2(f.inbox.empty(), "no renaming, no announcements");
        QCOMPARE(QString::fromStdString(f.host.player(2).name), QString("Ann"));
        QVERIFY(f.port.logLines().back().find("logs in once") != std::string::npos);
    }

    void loginNames_data() {
        QTest::addColumn<QStringList>("before"); // names logged in first
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("given");
        QTest::newRow("kept") << QStringList{} << "Ann+Lee" << "Ann+Lee";
        QTest::newRow("empty") << QStringList{"A"} << "" << "Player 2";
        QTest::newRow("blank") << QStringList{} << "  \t " << "Player 2";
        QTest::newRow("outer blanks") << QStringList{} << "  Bo  " << "Bo";
        QTest::newRow("long") << QStringList{} << QString(4070, 'x') << QString(32, 'x');
        QTest::newRow("line break") << QStringList{} << "Bo\r\nhas started a game." << "Bo  has started a game.";
        QTest::newRow("taken") << QStringList{"Host"} << "Host" << "Host (2)";
        QTest::newRow("taken, other case") << QStringList{"Host"} << "hOST" << "hOST (2)";
        QTest::newRow("taken twice") << QStringList{"Host", "Host"} << "Host" << "Host (3)";
        QTest::newRow("taken after trimming") << QStringList{"Host"} << "Host\r" << "Host (2)";
        QTest::newRow("taken at full length") << QStringList{QString(32, 'x')} << QString(40, 'x')
                                              << QString(28, 'x') + " (2)";
        QTest::newRow("a player's number") << QStringList{"Player 2"} << "" << "Player 2 (2)";
    }
    void loginNames() {
        QFETCH(QStringList, before);
        QFETCH(QString, wanted);
        QFETCH(QString, given);
        HostFixture f(1, fair());
        for (const QString& name : before) f.join(name);
        if (before.isEmpty()) f.join("Someone else");
        f.clearInbox();
        const int n = f.join(wanted);
        QCOMPARE(QString::fromLatin1(f.host.player(n).name.c_str()), given);
        QCOMPARE(f.inbox[1].value(0), QString("CMD_newplayerinfo+%1+%2~").arg(n).arg(given));
    }

    void relayedTextHasNoControlCharacters_data() {
        QTest::addColumn<QString>("request"); // from connection 2, "Bo"
        QTest::addColumn<QString>("relayed");
        QTest::newRow("chat with a line break")
            << "CMD_chat+2+hi\r\nCMD_startgame+|clRed~" << "CMD_chat+2+Bo chats: hi  CMD_startgame+|clRed~";
        QTest::newRow("action with a tab") << "CMD_action+2+waves\there|clRed~" << "CMD_action+2+Bo waves here|clRed~";
        QTest::newRow("sound") << "CMD_playasound+2+wave4+\n~" << "CMD_playasound+2+wave4+ ~";
    }
    void relayedTextHasNoControlCharacters() {
        QFETCH(QString, request);
        QFETCH(QString, relayed);
        HostFixture f(1, fair());
        f.join("Host");
        f.join("Bo");
        f.clearInbox();
        f.say(2, request);
        QCOMPARE(f.inbox[1], QStringList{relayed});
    }

    // ---- the log ------------------------------------------------------------------------

    void logText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("logged");
        QTest::newRow("plain") << QByteArray("Ann Lee") << "Ann Lee";
        QTest::newRow("line break") << QByteArray("a\r\nb") << "a\\x0d\\x0ab";
        QTest::newRow("8-bit") << QByteArray("Zo\xEB") << "Zo\\xeb";
        QTest::newRow("escape sequence") << QByteArray("\x1b[2J") << "\\x1b[2J";
        QTest::newRow("backslash") << QByteArray("a\\x41") << "a\\\\x41";
        QTest::newRow("long") << QByteArray(50, 'x') << QString(40, 'x') + "...";
    }
    void logText() {
        QFETCH(QByteArray, text);
        QFETCH(QString, logged);
        QCOMPARE(QString::fromStdString(logSafe(std::string_view(text.constData(), std::size_t(text.size())))), logged);
    }

    void aPeerHasALogBudget() {
        HostFixture f(1, fair());
        f.join("Host");
        f.join("Mal");
        f.join("Cy");
        f.port.runFor(LogLimiter::kWindowMs);
        const auto before = f.port.logLines().size();
        for (int i = 0; i < 10; ++i) { // 500 spoofs
            f.port.deliver(2, chats(1, 50));
            f.settle();
        }
        f.say(3, "CMD_chat+1+me too|clRed~");
        const std::vector<std::string> now(f.port.logLines().begin() + long(before), f.port.logLines().end());
        QCOMPARE(linesContaining(now, "from connection 2:"), LogLimiter::kLinesPerWindow);
        QCOMPARE(linesContaining(now, "from connection 3:"), 1);
        f.port.runFor(LogLimiter::kWindowMs);
        const std::vector<std::string> later(f.port.logLines().begin() + long(before), f.port.logLines().end());
        QCOMPARE(linesContaining(later, "left out 480 log lines about connection 2 in the last 10 s"), 1);
        QCOMPARE(linesContaining(later, "about connection 3"), 0);
        // A new window, a new budget.
        f.say(2, "CMD_chat+1+again|clRed~");
        QCOMPARE(f.port.logLines().back().find("dropped request from connection 2"), std::size_t(0));
    }

    // ---- a sleeping player --------------------------------------------------------------

    void sleepingSeatIsHandedToTheComputer_data() {
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("meanwhile"); // sent by the sleeper 100 s into its turn
        QTest::addColumn<int>("watchAfterMs");  // -1: never (within an hour)
        QTest::addColumn<bool>("onThisMachine");
        QTest::addColumn<int>("closedAfterMs"); // silent for twice the timeout: gone; -1: never
        QTest::newRow("sleeps") << 120000 << "" << 120000 << false << 240000;
        QTest::newRow("refused requests do not count") << 120000 << "CMD_moveit+2+1+1+~" << 120000 << false << 340000;
        QTest::newRow("chat does not count") << 120000 << "CMD_chat+2+wait|clRed~" << 120000 << false << 340000;
        QTest::newRow("sleeps on this machine") << 120000 << "" << 120000 << true << -1;
        QTest::newRow("off") << 0 << "" << -1 << false << -1;
    }
    void sleepingSeatIsHandedToTheComputer() {
        QFETCH(int, timeoutMs);
        QFETCH(QString, meanwhile);
        QFETCH(int, watchAfterMs);
        QFETCH(bool, onThisMachine);
        QFETCH(int, closedAfterMs);
        HostOptions o = fair();
        o.turnTimeoutMs = timeoutMs;
        o.silentSeatMs = 2 * timeoutMs;
        HostFixture f(5, o);
        f.join("Host");
        f.say(f.port.connect(true, onThisMachine), "CMD_logininfo+2+1.0.15+Sleeper~~");
        std::int64_t turnAt = -1; // when the sleeper's turn began
        f.port.setSink([&](int c, std::string_view m) {
            f.inbox[c] << shown(m);
            if (c == 1 && turnAt < 0 && m.substr(0, 19) == "CMD_nextplayer+2+1+") turnAt = f.port.now();
        });
        f.say(1, "CMD_startgame+Host+0+0+0+0+0+0+0+~");
        f.say(1, "CMD_justwatch+1+1~");
        f.port.runUntil([&] { return turnAt >= 0; }, 600000);
        QVERIFY(turnAt >= 0);
        const std::int64_t t0 = turnAt;
        if (!meanwhile.isEmpty()) {
            f.port.runFor(t0 + 100000 - f.port.now());
            f.say(2, meanwhile);
        }
        const QString watching = "CMD_justwatching+2+1~";
        f.port.runUntil([&] { return f.inbox[1].contains(watching); }, 3600 * 1000);
        if (watchAfterMs < 0) {
            QVERIFY(!f.inbox[1].contains(watching));
            QCOMPARE(f.turn().whoseturn, 2);
            return;
        }
        QCOMPARE(f.port.now() - t0, std::int64_t(watchAfterMs));
        QVERIFY2(f.inbox[2].contains(watching), "everybody hears it, the sleeper too");
        QVERIFY(f.host.player(2).justwatching);
        QVERIFY(f.host.botPlays(2));
        // The computer plays on.
        f.clearInbox();
        f.port.runFor(5000);
        QVERIFY(std::any_of(f.inbox[1].begin(), f.inbox[1].end(),
                            [](const QString& m) { return m.startsWith("CMD_hisdice+2+"); }));
        f.port.runUntil([&] { return !f.port.closedByHost().empty(); }, 3600 * 1000);
        QCOMPARE(f.port.closedByHost(), closedAfterMs < 0 ? std::vector<int>{} : std::vector<int>{2});
        if (closedAfterMs >= 0) QCOMPARE(f.port.now() - t0, std::int64_t(closedAfterMs));
    }

};

QTEST_APPLESS_MAIN(TestPeers)
#include "test_peers.moc"
