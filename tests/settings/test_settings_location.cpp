// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings and the tally live: beside a portable program, in the user's folders,
// never in a system folder, carried over once, never forked, and still read when nothing can
// be written.
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
    void systemFolders();
};

void TestSettingsLocation::choosesFolder_data() {
    QTest::addColumn<std::string>("beside");       // files beside the program
    QTest::addColumn<std::string>("user");         // the user's: settings, tally in config, tally in data
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<bool>("userWritable");
    QTest::addColumn<bool>("system");            // the program folder is a system folder
    QTest::addColumn<std::string>("settingsIn"); // "program", "config" or "data"
    QTest::addColumn<std::string>("tallyIn");
    QTest::addColumn<bool>("writable");
    auto row = [](const char* name, const char* beside, const char* user, bool pw, bool uw, bool system,
                  const char* s, const char* t, bool w) {
        QTest::newRow(name) << std::string(beside) << std::string(user) << pw << uw << system
                            << std::string(s) << std::string(t) << w;
    };
    row("program folder without settings", "", "", true, true, false, "config", "data", true);
    row("portable copy, first run", "s", "", true, true, false, "program", "program", true);
    row("portable copy with files", "st", "", true, true, false, "program", "program", true);
    row("installed copy, first run", "", "", false, true, false, "config", "data", true);
    row("installed copy carries files over", "st", "", false, true, false, "config", "data", true);
    row("installed copy carries the tally alone", "t", "", false, true, false, "config", "data", true);
    row("user copy wins over a read-only folder", "st", "st", false, true, false, "config", "config", true);
    row("user tally keeps the settings with it", "st", "t", true, true, false, "config", "config", true);
    row("user data tally keeps the settings", "st", "d", true, true, false, "config", "data", true);
    row("user settings keep the tally with them", "st", "s", true, true, false, "config", "data", true);
    row("the older tally place wins", "", "td", true, true, false, "config", "config", true);
    row("system folder, even writable", "st", "", true, true, true, "config", "data", true);
    row("nothing writable: read beside", "st", "", false, false, false, "program", "program", false);
    row("nothing writable: read the user's", "st", "sd", false, false, false, "config", "data", false);
    row("nothing writable: each where it is", "t", "s", false, false, false, "config", "program", false);
    row("nothing writable: system folder unread", "st", "", false, false, true, "config", "data", false);
    row("user copy unwritable, program writable", "s", "s", true, false, false, "config", "data", false);
}

void TestSettingsLocation::choosesFolder() {
    QFETCH(std::string, beside);
    QFETCH(std::string, user);
    QFETCH(bool, programWritable);
    QFETCH(bool, userWritable);
    QFETCH(bool, system);
    QFETCH(std::string, settingsIn);
    QFETCH(std::string, tallyIn);
    QFETCH(bool, writable);

    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const fs::path program = root / "program";
    const fs::path userFolder = root / "config" / "Kestrun";
    const fs::path dataFolder = root / "data" / "quadrino";
    putFiles(program, beside, "program");
    if (!user.empty()) putFiles(userFolder, user, "user");
    if (user.find('d') != std::string::npos) putFiles(dataFolder, "t", "user");
    const auto canWrite = [&](const fs::path& folder) {
        if (folder == program) return programWritable;
        if (folder == userFolder || folder == dataFolder) return userWritable;
        return canCreateFilesIn(folder);
    };
    const auto isSystem = [&](const fs::path& folder) { return system && folder == program; };

    const SettingsLocation at = locateSettings(program, {userFolder, dataFolder}, canWrite, isSystem);
    auto in = [&](const std::string& where) {
        return where == "config" ? userFolder : where == "data" ? dataFolder : program;
    };
    const fs::path expectSettings = in(settingsIn) / kSettingsFileName;
    const fs::path expectTally = in(tallyIn) / kTallyFileName;
    QCOMPARE(QString::fromStdString(at.settingsFile.string()), QString::fromStdString(expectSettings.string()));
    QCOMPARE(QString::fromStdString(at.tallyFile.string()), QString::fromStdString(expectTally.string()));
    QCOMPARE(at.writable, writable);
    QCOMPARE(at.error.empty(), writable);
    // The message names the folders that could have taken the files, a portable one first.
    const fs::path first = beside.find('s') != std::string::npos && !system ? program : userFolder;
    if (!writable) QVERIFY(at.error.starts_with("Unable to write to " + first.string()));

    // A user copy that existed is never replaced by the program's; a new one starts as a copy
    // of the file beside a program outside the system folders, and only where it is used; the
    // files beside the program are never touched.
    for (const auto& [mine, letter] :
         {std::pair{userFolder / kSettingsFileName, 's'}, std::pair{userFolder / kTallyFileName, 't'},
          std::pair{dataFolder / kTallyFileName, 'd'}}) {
        const fs::path theirs = program / mine.filename();
        const bool hadBeside = fs::exists(theirs);
        if (user.find(letter) != std::string::npos)
            QVERIFY(fileBytes(mine).find("user") != std::string::npos);
        else if (writable && !system && hadBeside && (mine == at.settingsFile || mine == at.tallyFile))
            QCOMPARE(fileBytes(mine), fileBytes(theirs));
        else QVERIFY(!fs::exists(mine));
        if (hadBeside) QVERIFY(fileBytes(theirs).find("program") != std::string::npos);
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

    const SettingsLocation at = locateSettings(program, {root / "user", root / "data"}, canWrite);
    QVERIFY(at.writable);
    QCOMPARE(QString::fromStdString(at.settingsFile.string()),
             QString::fromStdString((program / kSettingsFileName).string()));
    QVERIFY(!fs::exists(root / "user") && !fs::exists(root / "data"));
}

void TestSettingsLocation::userFolderThatCannotBeMade() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const fs::path program = root / "program";
    putFiles(program, "st", "program");
    putFile(root / "plain", "x");
    // A folder below a plain file cannot be made, whoever runs the test.
    const auto canWrite = [&](const fs::path& folder) { return folder != program && canCreateFilesIn(folder); };
    const SettingsLocation at =
        locateSettings(program, {root / "plain" / "Kestrun", root / "plain" / "q"}, canWrite);
    QVERIFY(!at.writable);
    QVERIFY(!at.error.empty());
    QCOMPARE(fileBytes(at.tallyFile), std::string("WRZLprogram")); // still read

    const SettingsLocation noHome = locateSettings(program, {}, canWrite);
    QVERIFY(!noHome.writable);
    QCOMPARE(QString::fromStdString(noHome.settingsFile.string()),
             QString::fromStdString((program / kSettingsFileName).string()));
    // An installed program's leftovers are not even read.
    const SettingsLocation installed =
        locateSettings(program, {}, canWrite, [](const fs::path&) { return true; });
    QVERIFY(!installed.writable && installed.settingsFile.empty() && installed.tallyFile.empty());
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

void TestSettingsLocation::systemFolders() {
    for (const char* f :
         {"/usr/games", "/usr/local/bin", "/sbin", "/lib64/x", "/opt/q", "/", "/Applications/Q.app"})
        QVERIFY2(isSystemFolder(f), f);
    for (const char* f : {"/home/ann/quadrino", "/usrgames", "/usr/../home/ann", ""})
        QVERIFY2(!isSystemFolder(f), f);
}

QTEST_APPLESS_MAIN(TestSettingsLocation)
#include "test_settings_location.moc"
