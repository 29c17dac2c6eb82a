// SPDX-License-Identifier: GPL-3.0-or-later
// A game's record on the local network: every game this copy can announce reads back the
// same, a record that is not one of ours is refused without harm, and what a host announces
// follows its seats, watchers and start.
#include <QTest>

#include "host/host_fixture.h"
#include "net/lan_record.h"

using namespace quadrino;
using quadrino::testing::HostFixture;

class TestLanRecord : public QObject {
    Q_OBJECT

private slots:
    void everyGameReadsBackTheSame();
    void longNamesAreCutAtACharacter();
    void foreignRecordsAreRefused_data();
    void foreignRecordsAreRefused();
    void oversizedRecordIsRefused();
    void everyRequiredEntryIsNeeded();
    void hostAnnouncesItsTable();
};

namespace {

LanGame sample() {
    LanGame g;
    g.host = "Zo\xC3\xAB";
    g.seats = 2;
    g.watchers = 1;
    g.options.blocking = true;
    g.options.blocklimit = 3;
    return g;
}

bool validUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toUtf8().toStdString() == s;
}

} // namespace

void TestLanRecord::everyGameReadsBackTheSame() {
    // Each option at each of its values, with the counts at their edges.
    for (const GameOptionRow& row : kGameOptions) {
        for (int value = 0; value <= (row.isFlag() ? 1 : row.highest); ++value) {
            for (auto [seats, watchers, started] : {std::tuple{0, 0, false}, std::tuple{kSeatCount, kLanMaxWatchers, true}}) {
                LanGame g = sample();
                row.set(g.options, value);
                g.seats = seats;
                g.watchers = watchers;
                g.started = started;
                const auto back = decodeLanRecord(encodeLanRecord(g));
                QVERIFY2(back && *back == g, row.control.data());
            }
        }
    }
    // Keys a later copy may add are passed over, as are bare flags.
    std::vector<std::string> more = encodeLanRecord(sample());
    more.insert(more.begin() + 2, "lobby=elsewhere");
    more.push_back("secure");
    QCOMPARE(decodeLanRecord(more), std::optional(sample()));
}

void TestLanRecord::longNamesAreCutAtACharacter() {
    // Two-byte characters put the limit inside one at odd lengths.
    for (const std::string& unit : {std::string("a"), std::string("\xC3\xA9"), std::string("\xE2\x82\xAC")}) {
        LanGame g = sample();
        g.host.clear();
        while (g.host.size() < 2 * kLanNameMax) g.host += unit;
        const auto back = decodeLanRecord(encodeLanRecord(g));
        QVERIFY(back);
        QVERIFY(back->host.size() <= kLanNameMax && back->host.size() > kLanNameMax - unit.size());
        QVERIFY(g.host.starts_with(back->host));
        QVERIFY(validUtf8(back->host));
    }
}

void TestLanRecord::foreignRecordsAreRefused_data() {
    QTest::addColumn<int>("entry"); // which of the good record's entries is replaced; -1: one more
    QTest::addColumn<QByteArray>("with");
    const auto row = [](const char* name, int entry, const QByteArray& with) { QTest::newRow(name) << entry << with; };
    row("other version", 0, "txtvers=2");
    row("name too long", 1, "host=" + QByteArray(static_cast<int>(kLanNameMax) + 1, 'x'));
    row("entry too long", 1, QByteArray(static_cast<int>(kLanEntryMax) + 1, 'x'));
    row("five seats", 2, "seats=5");
    row("seats with a tail", 2, "seats=2x");
    row("too many watchers", 3, "watchers=" + QByteArray::number(kLanMaxWatchers + 1));
    row("started is a flag", 4, "started=2");
    row("an option short", 5, "options=1,0,1,3,1,0");
    row("an option more", 5, "options=1,0,1,3,1,0,0,0");
    row("trailing comma", 5, "options=1,0,1,3,1,0,0,");
    row("flag out of range", 5, "options=2,0,1,3,1,0,0");
    row("limit out of range", 5, "options=1,0,1,11,1,0,0");
    row("key repeated", -1, "seats=1");
    row("empty key", 0, "=1");
}

void TestLanRecord::foreignRecordsAreRefused() {
    QFETCH(int, entry);
    QFETCH(QByteArray, with);
    std::vector<std::string> record = encodeLanRecord(sample());
    QVERIFY(decodeLanRecord(record)); // the record the row spoils is good
    if (entry < 0) record.push_back(with.toStdString());
    else record[static_cast<std::size_t>(entry)] = with.toStdString();
    QCOMPARE(decodeLanRecord(record), std::nullopt);
}

void TestLanRecord::oversizedRecordIsRefused() {
    // Each entry within its own limit and every key unknown, so only the total can refuse it.
    std::vector<std::string> record = encodeLanRecord(sample());
    std::size_t total = 0;
    for (const std::string& e : record) total += e.size();
    for (int n = 0; total <= kLanRecordMax; ++n) {
        record.push_back("pad" + std::to_string(n) + "=" + std::string(200, 'x'));
        total += record.back().size();
        if (total <= kLanRecordMax) QVERIFY(decodeLanRecord(record));
    }
    QCOMPARE(decodeLanRecord(record), std::nullopt);
}

void TestLanRecord::everyRequiredEntryIsNeeded() {
    const std::vector<std::string> good = encodeLanRecord(sample());
    for (std::size_t i = 0; i < good.size(); ++i) {
        std::vector<std::string> without = good;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        QVERIFY2(!decodeLanRecord(without), good[i].c_str());
    }
}

void TestLanRecord::hostAnnouncesItsTable() {
    HostFixture f;
    GameOptions planned;
    planned.passing = true;
    QCOMPARE(lanGameOf(f.host, "Ann", planned), (LanGame{"Ann", 0, 0, false, planned}));
    for (const char* name : {"Ann", "Bob", "Cy", "Di", "Eve", "Flo"}) f.join(name);
    // Four seats and the rest watching.
    QCOMPARE(lanGameOf(f.host, "Ann", planned), (LanGame{"Ann", 4, 2, false, planned}));
    f.leave(2);
    f.leave(6);
    QCOMPARE(lanGameOf(f.host, "Ann", planned), (LanGame{"Ann", 3, 1, false, planned}));
    // Once started, the game's own options count, not the plan.
    f.say(1, "CMD_startgame+Ann+1+0+1+1+0+3+1+~");
    const LanGame started = lanGameOf(f.host, "Ann", planned);
    QVERIFY(started.started);
    QCOMPARE(started.options, f.board().options);
    QVERIFY(started.options != planned);
}

QTEST_GUILESS_MAIN(TestLanRecord)
#include "test_lan_record.moc"
