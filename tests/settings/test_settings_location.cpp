// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings and the tally live: beside the program, in the user's folder, carried
// over once, never forked, and still read when nothing can be written.
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "settings/settings_location.h"

#include "file_bytes.h"

using namespace quadrino;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(std::string)

namespace {

using testing::fileBytes;
using testing::putFile;

// "s" for a settings file, "t" for a tally file in a folder, written with the folder's name.
void putFiles(const fs::path& folder, const std::string& which, const std::string& tag) {
    fs::create_directories(folder);
    if (which.find('s') != std::string::npos) putFile(folder / kSettingsFileName, "[quadrino]\r\nTop=" + tag + "\r\n");
    if (which.find('t') != std::string::npos) putFile(folder / kTallyFileName, "WRZL" + tag);
}

} // namespace

class TestSettingsLocation : public QObject {
    Q_OBJECT

private slots:
    void choosesFolder_data();
    void choosesFolder();
    void linkBesideProgramCountsAsItsFile();
    void userFolderThatCannotBeMade();
    void writeProbe();
};

void TestSettingsLocation::choosesFolder_data() {
    QTest::addColumn<std::string>("beside");       // files beside the program
    QTest::addColumn<std::string>("user");         // files in the user's folder
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<bool>("userWritable");
    QTest::addColumn<std::string>("settingsIn");   // "program" or "user"
    QTest::addColumn<std::string>("tallyIn");
    QTest::addColumn<bool>("writable");
    auto row = [](const char* name, const char* beside, const char* user, bool pw, bool uw, const char* s,
                  const char* t, bool w) {
        QTest::newRow(name) << std::string(beside) << std::string(user) << pw << uw << std::string(s)
                            << std::string(t) << w;
    };
    row("portable copy, first run", "", "", true, true, "program", "program", true);
    row("portable copy with files", "st", "", true, true, "program", "program", true);
    row("installed copy, first run", "", "", false, true, "user", "user", true);
    row("installed copy carries files over", "st", "", false, true, "user", "user", true);
    row("installed copy carries the tally alone", "t", "", false, true, "user", "user", true);
    row("user copy wins over a read-only folder", "st", "st", false, true, "user", "user", true);
    row("user tally keeps the settings with it", "st", "t", true, true, "user", "user", true);
    row("user settings keep the tally with them", "st", "s", true, true, "user", "user", true);
    row("nothing writable: read beside", "st", "", false, false, "program", "program", false);
    row("nothing writable: read the user's", "st", "st", false, false, "user", "user", false);
    row("nothing writable: each where it is", "t", "s", false, false, "user", "program", false);
    row("user copy unwritable, program writable", "", "s", true, false, "user", "user", false);
}

void TestSettingsLocation::choosesFolder() {
    QFETCH(std::string, beside);
    QFETCH(std::string, user);
    QFETCH(bool, programWritable);
    QFETCH(bool, userWritable);
    QFETCH(std::string, settingsIn);
    QFETCH(std::string, tallyIn);
    QFETCH(bool, writable);

    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const fs::path program = root / "program";
    const fs::path userFolder = root / "config" / "Kestrun";
    putFiles(program, beside, "program");
    if (!user.empty()) putFiles(userFolder, user, "user");
    const auto canWrite = [&](const fs::path& folder) {
        if (folder == program) return programWritable;
        if (folder == userFolder) return userWritable;
        return canCreateFilesIn(folder);
    };

    const SettingsLocation at = locateSettings(program, userFolder, canWrite);
    const fs::path expectSettings = (settingsIn == "user" ? userFolder : program) / kSettingsFileName;
    const fs::path expectTally = (tallyIn == "user" ? userFolder : program) / kTallyFileName;
    QCOMPARE(QString::fromStdString(at.settingsFile.string()), QString::fromStdString(expectSettings.string()));
    QCOMPARE(QString::fromStdString(at.tallyFile.string()), QString::fromStdString(expectTally.string()));
    QCOMPARE(at.writable, writable);
    QCOMPARE(at.error.empty(), writable);
    if (!writable) QVERIFY(at.error.starts_with("Unable to write to " + program.string()));

    // A user copy that existed is never replaced by the program's; a new one starts as a
    // copy of it; the files beside the program are never touched.
    for (const auto& [name, letter] : {std::pair{kSettingsFileName, 's'}, std::pair{kTallyFileName, 't'}}) {
        const fs::path mine = userFolder / name;
        const bool hadUser = user.find(letter) != std::string::npos;
        const bool hadBeside = beside.find(letter) != std::string::npos;
        if (hadUser) QVERIFY(fileBytes(mine).find("user") != std::string::npos);
        else if (writable && settingsIn == "user" && hadBeside)
            QCOMPARE(fileBytes(mine), fileBytes(program / name));
        else QVERIFY(!fs::exists(mine));
        if (hadBeside) QVERIFY(fileBytes(program / name).find("program") != std::string::npos);
    }
}

void TestSettingsLocation::linkBesideProgramCountsAsItsFile() {
    // The lobby's folder holds the real file; the read-only program folder links to it.
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const fs::path program = root / "program";
    const fs::path lobby = root / "lobby";
    putFiles(lobby, "st", "lobby");
    fs::create_directories(program);
    fs::create_symlink(lobby / kSettingsFileName, program / kSettingsFileName);
    fs::create_symlink(lobby / kTallyFileName, program / kTallyFileName);
    const auto canWrite = [&](const fs::path& folder) { return folder != program && canCreateFilesIn(folder); };

    const SettingsLocation at = locateSettings(program, root / "user", canWrite);
    QVERIFY(at.writable);
    QCOMPARE(QString::fromStdString(at.settingsFile.string()),
             QString::fromStdString((program / kSettingsFileName).string()));
    QVERIFY(!fs::exists(root / "user"));
}

void TestSettingsLocation::userFolderThatCannotBeMade() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const fs::path program = root / "program";
    putFiles(program, "st", "program");
    putFile(root / "plain", "x");
    // A folder below a plain file cannot be made, whoever runs the test.
    const auto canWrite = [&](const fs::path& folder) { return folder != program && canCreateFilesIn(folder); };
    const SettingsLocation at = locateSettings(program, root / "plain" / "Kestrun", canWrite);
    QVERIFY(!at.writable);
    QVERIFY(!at.error.empty());
    QCOMPARE(fileBytes(at.tallyFile), std::string("WRZLprogram")); // still read

    const SettingsLocation noHome = locateSettings(program, fs::path(), canWrite);
    QVERIFY(!noHome.writable);
    QCOMPARE(QString::fromStdString(noHome.settingsFile.string()),
             QString::fromStdString((program / kSettingsFileName).string()));
}

void TestSettingsLocation::writeProbe() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    putFile(root / "plain", "x");
    QVERIFY(canCreateFilesIn(root));
    QVERIFY(!canCreateFilesIn(root / "missing"));
    QVERIFY(!canCreateFilesIn(root / "plain"));
    QVERIFY(!canCreateFilesIn(fs::path()));
    QCOMPARE(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1); // nothing left behind
}

QTEST_APPLESS_MAIN(TestSettingsLocation)
#include "test_settings_location.moc"
