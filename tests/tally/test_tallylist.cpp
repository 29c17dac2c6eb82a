// SPDX-License-Identifier: GPL-3.0-or-later
// The tally window: counting games, tallying and deleting opponents, reset, and the tally
// file across restarts, including broken files, failed saves and what an interrupted one
// leaves behind.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "tally/lzrw1kh.h"
#include "tally/tally_window.h"

using namespace quadrino;

namespace {

QByteArray hexBytes(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray packed(const QByteArray& text) {
    lzrw1kh::Bytes out;
    lzrw1kh::compress(lzrw1kh::Bytes(text.begin(), text.end()), out);
    return QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<qsizetype>(out.size()));
}

QByteArray unpacked(const QByteArray& file) {
    lzrw1kh::Bytes out;
    if (!lzrw1kh::decompress(lzrw1kh::Bytes(file.begin(), file.end()), out).ok()) return "<unreadable>";
    return QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<qsizetype>(out.size()));
}

// One window on a scratch tally file, with the message boxes answered by the test.
struct Session {
    explicit Session(const QString& file) : path(file) { open(); }

    void open() {
        window = std::make_unique<TallyWindow>(path);
        window->setConfirmFunction([this](const QString& text) {
            asked << text;
            return answer;
        });
        window->setErrorFunction([this](const QString& text) { errors << text; });
    }
    void restart() {
        window.reset();
        open();
    }

    template <typename T> T* get(const char* name) const {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QListWidget* checklist() const { return get<QListWidget>("checklist"); }
    QListWidget* tallied() const { return get<QListWidget>("listbox_tally"); }
    QTableWidget* grid() const { return get<QTableWidget>("stringgrid_scores"); }
    QString text(const char* label) const { return get<QLabel>(label)->text(); }

    QString row(int r) const {
        QStringList cells;
        for (int c = 0; c < grid()->columnCount(); ++c) {
            const QTableWidgetItem* item = grid()->item(r, c);
            cells << (item ? item->text() : QString());
        }
        return cells.join(',');
    }
    QStringList rows() const {
        QStringList out;
        for (int r = 1; r < grid()->rowCount(); ++r) out << row(r);
        return out;
    }
    QStringList entries(QListWidget* list) const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? "+" : "-");
        return out;
    }
    // The user ticks these names in "Players In Current Game".
    void tally(const QStringList& names) {
        window->loadchecklist(names);
        for (int i = 0; i < checklist()->count(); ++i) checklist()->item(i)->setCheckState(Qt::Checked);
    }
    // The user unticks an entry of "Players Being Tallied"; the question comes once the loop runs.
    void untick(int index) {
        tallied()->item(index)->setCheckState(Qt::Unchecked);
        QCoreApplication::processEvents();
    }

    QString path;
    std::unique_ptr<TallyWindow> window;
    QStringList asked;
    QStringList errors;
    bool answer = true;
};

} // namespace

class TestTallylist : public QObject {
    Q_OBJECT

private slots:
    void init();
    void windowControls();
    void freshTallyFileBytes();
    void addgame_data();
    void addgame();
    void countsSurviveRestart();
    void readsFileFromOlderCopies();
    void damagedCountsCountOn();
    void showsSelectedOpponent();
    void checklistMarksTallied();
    void uncheckingInGameKeepsTally();
    void deleteOpponent_data();
    void deleteOpponent();
    void reset_data();
    void reset();
    void brokenFileSetAside_data();
    void brokenFileSetAside();
    void failedSaveKeepsOldFile();
    void saveToImpossiblePlace();
    void leftoverOfInterruptedSave_data();
    void leftoverOfInterruptedSave();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void TestTallylist::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath("quadrinotally.tld");
}

void TestTallylist::windowControls() {
    Session s(path_);
    QCOMPARE(s.window->objectName(), QString("tallylist"));
    QCOMPARE(s.window->windowTitle(), QString("Quadrino  - Tally List"));
    QVERIFY(s.window->isWindow());
    QVERIFY(s.grid()->isHidden());
    QCOMPARE(s.grid()->columnCount(), 9);
    for (const char* name : {"mylabel_1", "mylabel_2", "mylabel_3", "mylabel_4", "label_1", "label_2", "label_3",
                             "label_4", "label_5", "label_6", "label_7", "label_8"})
        QCOMPARE(s.text(name), QString("0"));
    QVERIFY(s.get<QLabel>("mylabel_3")->isHidden());
    QVERIFY(s.get<QLabel>("mylabel_4")->isHidden());
    QCOMPARE(s.text("label_hisname"), QString("Wins:"));
    QVERIFY(s.get<QLabel>("label_hisnametop"));
    QCOMPARE(s.get<QPushButton>("button_reset")->text(), QString("Reset Tally"));
    QCOMPARE(s.get<QPushButton>("button_done")->text(), QString("Done"));
    QStringList captions;
    for (const QLabel* l : s.window->findChildren<QLabel*>()) captions << l->text();
    for (const char* caption : {"Players In Current Game", "Players Being Tallied", "Total Games:", "Your Wins",
                                "Number of Games", "Total", "Session", "Your Wins:", "Neither Won:"})
        QVERIFY2(captions.contains(caption), caption);

    s.window->show();
    s.get<QPushButton>("button_done")->click();
    QVERIFY(s.window->isHidden());
}

void TestTallylist::freshTallyFileBytes() {
    Session s(path_);
    QVERIFY(s.window->save());
    // Nine zeros for the user, nobody tallied: the same bytes older copies write.
    QCOMPARE(readAll(path_).toHex(' ').toUpper(),
             QByteArray("57 52 5A 4C 21 00 00 00 0E 00 40 01 80 39 0D 0A 31 0D 0A 30 00 3F 01 25"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"quadrinotally.tld"});
}

void TestTallylist::addgame_data() {
    QTest::addColumn<QStringList>("tallied");
    QTest::addColumn<QStringList>("players");
    QTest::addColumn<QString>("winner");
    QTest::addColumn<QStringList>("rows");  // opponent rows afterwards
    QTest::addColumn<QString>("mine");      // mylabel_1/mylabel_2

    const QStringList bob{"Bob"};
    QTest::newRow("user wins") << bob << bob << "addtomine" << QStringList{"Bob,1,0,1,0,1,0,1,0"} << "1/1";
    QTest::newRow("opponent wins") << bob << bob << "Bob" << QStringList{"Bob,1,1,0,0,1,1,0,0"} << "1/0";
    QTest::newRow("untallied winner: neither won")
        << bob << QStringList{"Bob", "Carl"} << "Carl" << QStringList{"Bob,1,0,0,1,1,0,0,1"} << "1/0";
    QTest::newRow("tallied opponent not in the game")
        << QStringList{"Bob", "Dave"} << QStringList{"Carl", "Dave"} << "addtomine"
        << QStringList{"Bob,0,0,0,0,0,0,0,0", "Dave,1,0,1,0,1,0,1,0"} << "1/1";
    QTest::newRow("nobody tallied") << QStringList{} << bob << "Bob" << QStringList{} << "1/0";
    QTest::newRow("two tallied, one wins")
        << QStringList{"Ann", "Bob"} << QStringList{"Bob", "Ann", "Carl"} << "Ann"
        << QStringList{"Ann,1,1,0,0,1,1,0,0", "Bob,1,0,0,1,1,0,0,1"} << "1/0";
    QTest::newRow("names found without regard to case")
        << QStringList{"bob"} << QStringList{"BOB"} << "addtomine" << QStringList{"bob,1,0,1,0,1,0,1,0"} << "1/1";
    QTest::newRow("winner compared exactly")
        << QStringList{"bob"} << QStringList{"BOB"} << "BOB" << QStringList{"bob,1,0,0,1,1,0,0,1"} << "1/0";
    QTest::newRow("empty seats are no players")
        << bob << QStringList{"<Waiting>", "Bob", "<Waiting>"} << "addtomine" << QStringList{"Bob,1,0,1,0,1,0,1,0"}
        << "1/1";
}

void TestTallylist::addgame() {
    QFETCH(QStringList, tallied);
    QFETCH(QStringList, players);
    QFETCH(QString, winner);
    QFETCH(QStringList, rows);
    QFETCH(QString, mine);
    Session s(path_);
    s.tally(tallied);
    s.window->addgame(winner, players);
    QCOMPARE(s.rows(), rows);
    QCOMPARE(s.text("mylabel_1") + "/" + s.text("mylabel_2"), mine);
    QCOMPARE(s.row(0), QString("0,%1,0,0,0,0,0,0").arg(mine.replace('/', ',')));
    QCOMPARE(s.checklist()->count(), int(players.size() - players.count("<Waiting>")));
}

void TestTallylist::countsSurviveRestart() {
    Session s(path_);
    s.tally({"Bob", "Ann"});
    s.window->addgame("addtomine", {"Bob", "Ann"});
    s.window->addgame("Bob", {"Bob"});
    s.window->addgame("Carl", {"Ann", "Carl"});
    QCOMPARE(s.rows(), (QStringList{"Bob,2,1,1,0,2,1,1,0", "Ann,2,0,1,1,2,0,1,1"}));

    s.restart();  // the old window saves as it goes
    QCOMPARE(s.rows(), (QStringList{"Bob,2,1,1,0,0,0,0,0", "Ann,2,0,1,1,0,0,0,0"}));
    QCOMPARE(s.entries(s.tallied()), (QStringList{"Bob+", "Ann+"}));
    QCOMPARE(s.text("mylabel_1"), QString("3"));
    QCOMPARE(s.text("mylabel_2"), QString("1"));
    QVERIFY(s.errors.isEmpty());

    s.window->addgame("Ann", {"Ann"});
    QCOMPARE(s.rows(), (QStringList{"Bob,2,1,1,0,0,0,0,0", "Ann,3,1,1,1,1,1,0,0"}));
    QVERIFY(s.window->save());
    QCOMPARE(unpacked(readAll(path_)),
             QByteArray("9\r\n3\r\n0\r\nBob\r\nAnn\r\n4\r\n2\r\n3\r\n1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n0\r\n0\r\n1\r\n"
                        "0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
}

void TestTallylist::readsFileFromOlderCopies() {
    // Written by an older copy: Bob, with a session count left in column 5 and an 8-bit name.
    QVERIFY(writeAll(path_, hexBytes("57 52 5A 4C 3E 00 00 00 28 00 40 00 00 39 0D 0A 32 0D 0A 30 0D 0A 42 6F 62 0D "
                                     "0A 33 0D 3E E0 0A 31 00 32 01 10 00 36 01 20 00 C0 37 02 62 00 90 00 39")));
    Session s(path_);
    QCOMPARE(s.rows(), QStringList{"Bob,1,0,0,1,0,0,0,0"});
    QCOMPARE(s.text("mylabel_1"), QString("3"));
    QCOMPARE(s.text("mylabel_2"), QString("1"));
    s.window.reset();

    QVERIFY(writeAll(path_, packed("9\r\n2\r\n0\r\nJ\xF6rg \x80\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\n0\r\n"
                                   "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")));
    s.open();
    QCOMPARE(s.entries(s.tallied()), QStringList{QString::fromUtf8("Jörg €+")});
    s.window->addgame("addtomine", {QString::fromUtf8("jÖrg €")});
    s.window.reset();
    // Names go back to the file in the same 8-bit form.
    QVERIFY(unpacked(readAll(path_)).startsWith("9\r\n2\r\n0\r\nJ\xF6rg \x80\r\n2\r\n"));
}

void TestTallylist::damagedCountsCountOn() {
    // Cells of a hand-edited file: a word, an empty cell, the largest count, a plain count.
    QVERIFY(writeAll(path_, packed("9\r\n2\r\n0\r\nBob\r\nx\r\nabc\r\n0\r\n\r\n0\r\n9223372036854775807\r\n"
                                   "0\r\n41\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")));
    Session s(path_);
    QCOMPARE(s.text("mylabel_1"), QString("x"));
    s.window->addgame("Bob", {"Bob"});
    QCOMPARE(s.rows(), QStringList{"Bob,1,1,9223372036854775807,41,1,1,0,0"});
    QCOMPARE(s.text("mylabel_1"), QString("1"));
}

void TestTallylist::showsSelectedOpponent() {
    Session s(path_);
    s.tally({"Ann", "Bob"});
    s.window->addgame("Bob", {"Bob"});
    s.tallied()->setCurrentRow(1);
    QCOMPARE(s.text("label_hisname"), QString("Bob Wins:"));
    QCOMPARE(s.text("label_hisnametop"), QString("Bob's Tally"));
    QStringList panel;
    for (int n = 1; n <= 8; ++n) panel << s.text(qPrintable(QString("label_%1").arg(n)));
    QCOMPARE(panel.join(','), QString("1,1,0,0,1,1,0,0"));

    // A game ending while an opponent is shown updates the panel.
    s.window->addgame("addtomine", {"Bob"});
    QCOMPARE(s.text("label_1") + s.text("label_3") + s.text("label_5") + s.text("label_7"), QString("2121"));
    s.tallied()->setCurrentRow(0);
    QCOMPARE(s.text("label_hisnametop"), QString("Ann's Tally"));
    QCOMPARE(s.text("label_1"), QString("0"));
}

void TestTallylist::checklistMarksTallied() {
    Session s(path_);
    s.tally({"Bob"});
    s.window->loadchecklist({"Ann", "BOB", "<Waiting>"});
    QCOMPARE(s.entries(s.checklist()), (QStringList{"Ann-", "BOB+"}));
    // Ticking a tallied name again adds nothing.
    s.checklist()->item(1)->setCheckState(Qt::Unchecked);
    s.checklist()->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(s.entries(s.tallied()), QStringList{"Bob+"});
    QCOMPARE(s.rows(), QStringList{"Bob,0,0,0,0,0,0,0,0"});
}

void TestTallylist::uncheckingInGameKeepsTally() {
    Session s(path_);
    s.tally({"Bob"});
    s.checklist()->item(0)->setCheckState(Qt::Unchecked);
    QCoreApplication::processEvents();
    QCOMPARE(s.entries(s.tallied()), QStringList{"Bob+"});
    QCOMPARE(s.rows().size(), 1);
    QVERIFY(s.asked.isEmpty());
}

void TestTallylist::deleteOpponent_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("rows");
    const QStringList all{"Ann,1,0,0,1,1,0,0,1", "Bob,1,1,0,0,1,1,0,0", "Cy,1,0,0,1,1,0,0,1"};
    QTest::newRow("No keeps it") << 1 << false << all;
    QTest::newRow("first") << 0 << true << QStringList{all[1], all[2]};
    QTest::newRow("middle: later rows move up") << 1 << true << QStringList{all[0], all[2]};
    QTest::newRow("last") << 2 << true << QStringList{all[0], all[1]};
}

void TestTallylist::deleteOpponent() {
    QFETCH(int, index);
    QFETCH(bool, yes);
    QFETCH(QStringList, rows);
    Session s(path_);
    s.tally({"Ann", "Bob", "Cy"});
    s.window->addgame("Bob", {"Ann", "Bob", "Cy"});
    const QString name = s.tallied()->item(index)->text();
    s.answer = yes;
    s.untick(index);
    QCOMPARE(s.asked, QStringList{"This will delete " + name + "'s Tally, Are you want to delete it?"});
    QCOMPARE(s.rows(), rows);
    QStringList names;
    for (const QString& r : rows) names << r.section(',', 0, 0) + "+";
    QCOMPARE(s.entries(s.tallied()), names);
    // The game list no longer shows a deleted opponent as tallied.
    QCOMPARE(s.checklist()->item(index)->checkState(), yes ? Qt::Unchecked : Qt::Checked);

    s.restart();
    QCOMPARE(s.rows(), QStringList(rows).replaceInStrings(QRegularExpression("(,\\d+,\\d+,\\d+,\\d+),.*$"), "\\1,0,0,0,0"));
}

void TestTallylist::reset_data() {
    QTest::addColumn<QStringList>("tallied");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("rowZero");
    QTest::newRow("No changes nothing") << QStringList{"Bob"} << false << "0,2,1,0,0,0,0,0,0";
    QTest::newRow("with opponents: name cell emptied") << QStringList{"Bob", "Ann"} << true << ",0,0,0,0,0,0,0,0";
    QTest::newRow("without opponents") << QStringList{} << true << "0,0,0,0,0,0,0,0,0";
}

void TestTallylist::reset() {
    QFETCH(QStringList, tallied);
    QFETCH(bool, yes);
    QFETCH(QString, rowZero);
    Session s(path_);
    s.tally(tallied);
    s.window->addgame("addtomine", tallied);
    s.window->addgame("Zed", tallied);
    if (!tallied.isEmpty()) s.tallied()->setCurrentRow(0);
    const QStringList before = s.rows();
    const QString shownName = s.text("label_hisname");
    s.answer = yes;
    s.get<QPushButton>("button_reset")->click();
    QCOMPARE(s.asked, QStringList{"Are you sure you want to reset the Tally?"});
    QCOMPARE(s.row(0), rowZero);
    QCOMPARE(s.text("label_hisname"), shownName);
    if (!yes) {
        QCOMPARE(s.rows(), before);
        QCOMPARE(s.text("mylabel_1"), QString("2"));
        return;
    }
    QCOMPARE(s.grid()->rowCount(), 1);
    QCOMPARE(s.tallied()->count(), 0);
    for (const char* name : {"mylabel_1", "mylabel_2", "label_1", "label_2", "label_6", "label_8"})
        QCOMPARE(s.text(name), QString("0"));
    for (int i = 0; i < s.checklist()->count(); ++i) QCOMPARE(s.checklist()->item(i)->checkState(), Qt::Unchecked);

    s.restart();
    QCOMPARE(s.grid()->rowCount(), 1);
    QCOMPARE(s.row(0), rowZero);
    QCOMPARE(s.text("mylabel_1"), QString("0"));
    QCOMPARE(s.tallied()->count(), 0);
}

void TestTallylist::brokenFileSetAside_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");  // FILE stands for the tally file's path
    QTest::newRow("empty file") << QByteArray() << "Lzrw1 : Error reading from input file : FILE";
    QTest::newRow("not compressed") << QByteArray("9\r\n1\r\n0\r\n") << "FILE : Lzrw1 decompression : this file has no valid header !";
    QTest::newRow("cut short") << hexBytes("57 52 5A 4C 21 00 00 00 0E 00 40 01 80 39")
                               << "Lzrw1 : Error reading from input file : FILE";
    QTest::newRow("sizes differ") << hexBytes("57 52 5A 4C 22 00 00 00 0E 00 40 01 80 39 0D 0A 31 0D 0A 30 00 3F 01 25")
                                  << "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
    QTest::newRow("row count not a number") << packed("9\r\nmany\r\n")
                                            << "Tally grid : the row count \"many\" is not a number : FILE";
    QTest::newRow("absurd row count") << packed("9\r\n2000000000\r\n0\r\n")
                                      << "Tally grid : 9 columns by 2000000000 rows is out of range : FILE";
    QTest::newRow("too few lines") << packed("9\r\n2\r\n0\r\nBob\r\n")
                                   << "Tally grid : the text ends after 2 of 18 cells : FILE";
    QTest::newRow("wrong column count") << packed("3\r\n1\r\n0\r\n5\r\n1\r\n")
                                        << "Tally grid : the grid has 3 columns instead of 9 : FILE";
}

void TestTallylist::brokenFileSetAside() {
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QVERIFY(writeAll(path_, content));
    QVERIFY(writeAll(path_ + ".unreadable", "an earlier one"));
    Session s(path_);
    const QString aside = path_ + ".unreadable-2";
    QCOMPARE(s.window->setAsidePath(), aside);
    QCOMPARE(readAll(aside), content);
    QCOMPARE(readAll(path_ + ".unreadable"), QByteArray("an earlier one"));
    QVERIFY(!QFile::exists(path_));
    const QString text = QString(error).replace("FILE", QDir::toNativeSeparators(path_));
    QVERIFY2(s.window->loadError().startsWith(text + "\n\n"), qPrintable(s.window->loadError()));
    QVERIFY(s.window->loadError().contains(QDir::toNativeSeparators(aside)));
    QCOMPARE(s.tallied()->count(), 0);
    QCOMPARE(s.row(0), QString("0,0,0,0,0,0,0,0,0"));

    // The box comes up once the event loop runs.
    QVERIFY(s.errors.isEmpty());
    QTRY_COMPARE(s.errors, QStringList{s.window->loadError()});

    // The run goes on with a fresh tally; the unreadable file stays where it was put.
    s.tally({"Bob"});
    s.window->addgame("addtomine", {"Bob"});
    s.restart();
    QCOMPARE(s.rows(), QStringList{"Bob,1,0,1,0,0,0,0,0"});
    QCOMPARE(readAll(aside), content);
    QVERIFY(s.window->loadError().isEmpty());
}

void TestTallylist::failedSaveKeepsOldFile() {
    Session s(path_);
    s.tally({"Bob"});
    QVERIFY(s.window->save());
    const QByteArray old = readAll(path_);
    QVERIFY(old.size() > 20);
    for (int i = 0; i < 60; ++i) s.tally({QString("Opponent number %1").arg(i)});

    // The disk "fills up" halfway through the new file.
    struct rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(old.size() + 10);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = s.window->save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QCOMPARE(readAll(path_), old);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"quadrinotally.tld"});

    // With room again the whole tally is written.
    QVERIFY(s.window->save());
    s.restart();
    QCOMPARE(s.tallied()->count(), 61);
}

void TestTallylist::saveToImpossiblePlace() {
    QVERIFY(writeAll(dir_->filePath("plainfile"), "x"));
    Session s(dir_->filePath("plainfile/quadrinotally.tld"));
    QVERIFY(!s.window->save());
    QCOMPARE(readAll(dir_->filePath("plainfile")), QByteArray("x"));
}

void TestTallylist::leftoverOfInterruptedSave_data() {
    QTest::addColumn<bool>("tallyThere");
    QTest::addColumn<QString>("name");    // empty: named by Qt's own save-file template
    QTest::addColumn<bool>("whole");      // a whole tally, or a save cut short
    QTest::addColumn<QString>("outcome"); // "removed", "recovered" or "kept"
    QTest::newRow("cut save") << true << "" << false << "removed";
    QTest::newRow("cut carry-over copy") << true << ".quadrinotally.tld.Xy12Zq" << false << "removed";
    QTest::newRow("cut save, no tally") << false << "quadrinotally.tld.AbCdEf" << false << "removed";
    QTest::newRow("whole save, no tally") << false << "" << true << "recovered";
    QTest::newRow("whole save beside the tally") << true << "quadrinotally.tld.QwErTy" << true << "kept";
    QTest::newRow("set-aside file") << true << "quadrinotally.tld.unreadable" << false << "kept";
    QTest::newRow("another file's") << false << "quadrinotally.tl.AbCdEf" << true << "kept";
}

void TestTallylist::leftoverOfInterruptedSave() {
    QFETCH(bool, tallyThere);
    QFETCH(QString, name);
    QFETCH(bool, whole);
    QFETCH(QString, outcome);
    // Column by column: Ann played once; Bob three times and the user won two of them.
    const QByteArray tally = packed("9\r\n2\r\n0\r\nAnn\r\n1\r\n1\r\n" + QByteArray("0\r\n").repeated(14));
    const QByteArray saved =
        packed("9\r\n2\r\n0\r\nBob\r\n3\r\n3\r\n2\r\n2\r\n" + QByteArray("0\r\n").repeated(12));
    if (tallyThere) QVERIFY(writeAll(path_, tally));
    QTemporaryFile qtTemp(path_ + ".XXXXXX");
    qtTemp.setAutoRemove(false);
    QVERIFY(!name.isEmpty() || qtTemp.open());
    const QString leftover = name.isEmpty() ? qtTemp.fileName() : dir_->filePath(name);
    const QByteArray content = whole ? saved : saved.left(saved.size() - 3);
    QVERIFY(writeAll(leftover, content));

    Session s(path_);
    QCOMPARE(s.window->loadError(), QString());
    QCOMPARE(readAll(leftover), outcome == "kept" ? content : QByteArray());
    QCOMPARE(s.rows(), outcome == "recovered" ? QStringList{"Bob,3,2,0,0,0,0,0,0"}
                       : tallyThere           ? QStringList{"Ann,1,0,0,0,0,0,0,0"}
                                              : QStringList{});
}

QTEST_MAIN(TestTallylist)
#include "test_tallylist.moc"
