// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader and writer against files written by hand, and the atomic save.
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "settings/ini_file.h"

#include "file_bytes.h"

using namespace quadrino;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::optional<std::string>)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {

using testing::fileBytes;
using testing::putFile;

// A file the lobby program and a user with a text editor have both had their hands on.
const std::string kSharedFile = "; Kestrun lobby settings\r\n"
                                "[Lobby]\r\n"
                                "Server=play.example.net\r\n"
                                "top=40\r\n"
                                "\r\n"
                                "[QuadRino]\r\n"
                                "  TOP = -20 \r\n"
                                "textSIZE=$C\r\n"
                                "Phrase6=Wow, WTG!\r\n"
                                "ChatterSounds=false\r\n"
                                "\r\n"
                                "; the lobby's window\r\n"
                                "[Window]\r\n"
                                "Left=0x10\r\n";

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void readsValues_data();
    void readsValues();
    void integers_data();
    void integers();
    void writesOneLine_data();
    void writesOneLine();
    void writtenValuesReadBack_data();
    void writtenValuesReadBack();
    void sharedFileKeepsEveryOtherByte();

    void missingFileReadsEmpty();
    void unreadableFileIsNotReplaced();
    void saveInterruptedAtAnyPointLeavesOldFile();
    void saveReplacesLinkTarget();
    void saveKeepsPermissions();
    void refusedWriteSaysWhere();
};

void TestIniFile::readsValues_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::string>("key");
    QTest::addColumn<std::optional<std::string>>("expected");
    using O = std::optional<std::string>;
    const std::string s = "[quadrino]\n";
    QTest::newRow("plain") << s + "Top=5\n" << std::string("Top") << O("5");
    QTest::newRow("key in another case") << s + "tOP=5\n" << std::string("Top") << O("5");
    QTest::newRow("section in another case") << std::string("[QUADRINO]\nTop=5\n") << std::string("top") << O("5");
    QTest::newRow("blanks around key and value") << s + "  Top \t=  5  \n" << std::string("Top") << O("5");
    QTest::newRow("blanks inside header") << std::string("[ quadrino ]\nTop=5\n") << std::string("Top") << O("5");
    QTest::newRow("comma is no list") << s + "Phrase6=Wow, WTG!\n" << std::string("Phrase6") << O("Wow, WTG!");
    QTest::newRow("double quotes removed") << s + "P=\" hi \"\n" << std::string("P") << O(" hi ");
    QTest::newRow("single quotes removed") << s + "P='hi'\n" << std::string("P") << O("hi");
    QTest::newRow("unpaired quote kept") << s + "P=\"hi\n" << std::string("P") << O("\"hi");
    QTest::newRow("equals sign inside value") << s + "P=a=b\n" << std::string("P") << O("a=b");
    QTest::newRow("empty value") << s + "P=\n" << std::string("P") << O("");
    QTest::newRow("first of two wins") << s + "P=1\nP=2\n" << std::string("P") << O("1");
    QTest::newRow("CRLF") << std::string("[quadrino]\r\nP=1\r\n") << std::string("P") << O("1");
    QTest::newRow("last line unterminated") << s + "P=1" << std::string("P") << O("1");
    QTest::newRow("UTF-8 mark before header") << "\xEF\xBB\xBF" + s + "P=1\n" << std::string("P") << O("1");
    QTest::newRow("absent key") << s + "Q=1\n" << std::string("P") << O();
    QTest::newRow("key of another section") << std::string("[lobby]\nP=1\n[quadrino]\n") << std::string("P") << O();
    QTest::newRow("key before any section") << std::string("P=1\n[quadrino]\n") << std::string("P") << O();
    QTest::newRow("comment is no key") << s + ";P=1\n" << std::string("P") << O();
    QTest::newRow("absent section") << std::string("[quadrino2]\nP=1\n") << std::string("P") << O();
    QTest::newRow("8-bit bytes as they are") << s + "P=J\xF6rg\n" << std::string("P") << O("J\xF6rg");
    QTest::newRow("8-bit key in another case") << s + "J\xD6RG=1\n" << std::string("J\xF6rg") << O("1");
    QTest::newRow("value cut at 2047") << s + "P=" + std::string(3000, 'x') + "\n" << std::string("P")
                                       << O(std::string(2047, 'x'));
}

void TestIniFile::readsValues() {
    QFETCH(std::string, text);
    QFETCH(std::string, key);
    QFETCH(std::optional<std::string>, expected);
    QCOMPARE(IniFile(text).value("quadrino", key), expected);
}

void TestIniFile::integers_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::optional<int>>("expected");
    using O = std::optional<int>;
    QTest::newRow("decimal") << std::string("562") << O(562);
    QTest::newRow("negative") << std::string("-5000") << O(-5000);
    QTest::newRow("plus sign") << std::string("+7") << O(7);
    QTest::newRow("dollar hex") << std::string("$1F") << O(31);
    QTest::newRow("0x hex") << std::string("0x1f") << O(31);
    QTest::newRow("0X hex") << std::string("0X10") << O(16);
    QTest::newRow("hex as 32 bits") << std::string("$FFFFFFFF") << O(-1);
    QTest::newRow("hex leading zeros") << std::string("$0000000001") << O(1);
    QTest::newRow("hex too wide") << std::string("$100000000") << O();
    QTest::newRow("largest") << std::string("2147483647") << O(2147483647);
    QTest::newRow("smallest") << std::string("-2147483648") << O(-2147483647 - 1);
    QTest::newRow("overflow") << std::string("2147483648") << O();
    QTest::newRow("huge") << std::string("99999999999999999999") << O();
    QTest::newRow("trailing letters") << std::string("12abc") << O();
    QTest::newRow("inner blank") << std::string("1 2") << O();
    QTest::newRow("fraction") << std::string("1.5") << O();
    QTest::newRow("empty") << std::string("") << O();
    QTest::newRow("sign only") << std::string("-") << O();
    QTest::newRow("dollar only") << std::string("$") << O();
    QTest::newRow("0x only") << std::string("0x") << O();
    QTest::newRow("bad hex digit") << std::string("$1G") << O();
}

void TestIniFile::integers() {
    QFETCH(std::string, text);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(parseIniInteger(text), expected);
    // Through a file, with the blanks a hand-written file may carry.
    const IniFile file("[quadrino]\r\nN = " + text + " \r\n");
    QCOMPARE(file.readInteger("quadrino", "n", -77), expected.value_or(-77));
}

void TestIniFile::writesOneLine_data() {
    QTest::addColumn<std::string>("before");
    QTest::addColumn<std::string>("key");
    QTest::addColumn<std::string>("value");
    QTest::addColumn<std::string>("after");
    QTest::newRow("empty file") << std::string() << std::string("Top") << std::string("3")
                                << std::string("[quadrino]\nTop=3\n");
    QTest::newRow("replace keeps the file's spelling of the key")
        << std::string("[a]\r\nx=1\r\n[QUADRINO]\r\n  tOp = 9 \r\nLeft=1\r\n")  //
        << std::string("Top") << std::string("3")
        << std::string("[a]\r\nx=1\r\n[QUADRINO]\r\ntOp=3\r\nLeft=1\r\n");
    QTest::newRow("missing key after the section's last entry")
        << std::string("[quadrino]\r\nTop=1\r\n\r\n; next\r\n[b]\r\ny=2\r\n") << std::string("Left")
        << std::string("5") << std::string("[quadrino]\r\nTop=1\r\nLeft=5\r\n\r\n; next\r\n[b]\r\ny=2\r\n");
    QTest::newRow("missing key in an empty section") << std::string("[quadrino]\n\n[b]\n") << std::string("Left")
                                                     << std::string("5") << std::string("[quadrino]\nLeft=5\n\n[b]\n");
    QTest::newRow("missing key, last line unterminated")
        << std::string("[quadrino]\r\nTop=1") << std::string("Left") << std::string("5")
        << std::string("[quadrino]\r\nTop=1\r\nLeft=5\r\n");
    QTest::newRow("missing section at the end, CRLF kept")
        << std::string("[a]\r\nx=1\r\n\r\n") << std::string("Top") << std::string("3")
        << std::string("[a]\r\nx=1\r\n\r\n[quadrino]\r\nTop=3\r\n");
    QTest::newRow("missing section, last line unterminated")
        << std::string("[a]\nx=1") << std::string("Top") << std::string("3")
        << std::string("[a]\nx=1\n[quadrino]\nTop=3\n");
    QTest::newRow("only the first of two keys")
        << std::string("[quadrino]\nTop=1\nTop=2\n") << std::string("Top") << std::string("3")
        << std::string("[quadrino]\nTop=3\nTop=2\n");
    QTest::newRow("same key in another section untouched")
        << std::string("[a]\nTop=1\n[quadrino]\n") << std::string("Top") << std::string("3")
        << std::string("[a]\nTop=1\n[quadrino]\nTop=3\n");
    QTest::newRow("line break in value") << std::string("[quadrino]\n") << std::string("P")
                                         << std::string("a\r\nb") << std::string("[quadrino]\nP=a  b\n");
}

void TestIniFile::writesOneLine() {
    QFETCH(std::string, before);
    QFETCH(std::string, key);
    QFETCH(std::string, value);
    QFETCH(std::string, after);
    IniFile file(before);
    file.writeString("quadrino", key, value);
    QCOMPARE(QByteArray::fromStdString(file.bytes()), QByteArray::fromStdString(after));
}

void TestIniFile::writtenValuesReadBack_data() {
    QTest::addColumn<std::string>("value");
    QTest::newRow("plain") << std::string("Way To Go!");
    QTest::newRow("commas") << std::string("Wow, WTG!");
    QTest::newRow("blanks at the ends") << std::string("  spaced  ");
    QTest::newRow("quoted") << std::string("\"quoted\"");
    QTest::newRow("single quoted") << std::string("'x'");
    QTest::newRow("lone quote") << std::string("\"");
    QTest::newRow("semicolon") << std::string("; not a comment");
    QTest::newRow("brackets") << std::string("[quadrino]");
    QTest::newRow("8-bit") << std::string("\xE9t\xE9 \x80");
    QTest::newRow("empty") << std::string();
}

void TestIniFile::writtenValuesReadBack() {
    QFETCH(std::string, value);
    IniFile file("[quadrino]\nP=old\nQ=next\n");
    file.writeString("quadrino", "P", value);
    QCOMPARE(file.value("quadrino", "P"), std::optional<std::string>(value));
    QCOMPARE(file.value("quadrino", "Q"), std::optional<std::string>("next"));
}

void TestIniFile::sharedFileKeepsEveryOtherByte() {
    IniFile file(kSharedFile);
    QCOMPARE(file.readInteger("quadrino", "Top", 0), -20);
    QCOMPARE(file.readInteger("quadrino", "Textsize", 0), 12);
    QCOMPARE(file.readInteger("window", "left", 0), 16);
    file.writeInteger("quadrino", "Top", 7);
    file.writeString("quadrino", "ChatterSounds", "true");
    file.writeInteger("quadrino", "Botspeed", 500);

    const std::string expected = "; Kestrun lobby settings\r\n"
                                 "[Lobby]\r\n"
                                 "Server=play.example.net\r\n"
                                 "top=40\r\n"
                                 "\r\n"
                                 "[QuadRino]\r\n"
                                 "TOP=7\r\n"
                                 "textSIZE=$C\r\n"
                                 "Phrase6=Wow, WTG!\r\n"
                                 "ChatterSounds=true\r\n"
                                 "Botspeed=500\r\n"
                                 "\r\n"
                                 "; the lobby's window\r\n"
                                 "[Window]\r\n"
                                 "Left=0x10\r\n";
    QCOMPARE(QByteArray::fromStdString(file.bytes()), QByteArray::fromStdString(expected));
}

void TestIniFile::missingFileReadsEmpty() {
    QTemporaryDir dir;
    const IniRead read = readIniFile(fs::path(dir.path().toStdString()) / "kestrunlobby.ini");
    QVERIFY(read.ok());
    QVERIFY(!read.exists);
    QVERIFY(read.file.bytes().empty());
}

void TestIniFile::unreadableFileIsNotReplaced() {
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "kestrunlobby.ini";
    fs::create_directory(path); // something that exists and is no file
    fs::create_directory(path / "keep");
    const IniRead read = readIniFile(path);
    QVERIFY(read.exists);
    QVERIFY(!read.ok());
    const std::string error = updateIniFile(path, [](IniFile& f) { f.writeInteger("quadrino", "Top", 1); });
    QCOMPARE(QString::fromStdString(error), "Unable to write to " + QString::fromStdString(path.string()));
    QVERIFY(fs::is_directory(path / "keep"));
}

void TestIniFile::saveInterruptedAtAnyPointLeavesOldFile() {
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "kestrunlobby.ini";
    putFile(path, kSharedFile);
    const std::string next = kSharedFile + "[quadrino2]\r\nP=" + std::string(100, 'n') + "\r\n";

    // Count the steps of a whole save, then stop a save after each number of them.
    ReplaceHooks hooks;
    hooks.chunkSize = 16;
    int steps = 0;
    hooks.proceed = [&steps](ReplaceStep) {
        ++steps;
        return true;
    };
    const fs::path scratch = fs::path(dir.path().toStdString()) / "scratch.ini";
    QCOMPARE(replaceFileAtomically(scratch, next, &hooks), std::string());
    QVERIFY(steps > static_cast<int>(next.size() / 16)); // one step per chunk at least

    for (int allowed = 0; allowed < steps; ++allowed) {
        int taken = 0;
        hooks.proceed = [&taken, allowed](ReplaceStep) { return taken++ < allowed; };
        const std::string error = replaceFileAtomically(path, next, &hooks);
        QVERIFY2(!error.empty(), qPrintable(QString("stopped after %1 steps").arg(allowed)));
        QVERIFY2(fileBytes(path) == kSharedFile, qPrintable(QString("stopped after %1 steps").arg(allowed)));
    }
    // The leftovers of the stopped saves do not get in the way of the next one.
    QCOMPARE(replaceFileAtomically(path, next), std::string());
    QVERIFY(fileBytes(path) == next);
}

void TestIniFile::saveReplacesLinkTarget() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    fs::create_directory(root / "real");
    fs::create_directory(root / "program");
    putFile(root / "real" / "shared.ini", "[a]\nx=1\n");
    fs::create_symlink("../real/shared.ini", root / "program" / "kestrunlobby.ini");

    const std::string error = updateIniFile(root / "program" / "kestrunlobby.ini",
                                            [](IniFile& f) { f.writeInteger("quadrino", "Top", 3); });
    QCOMPARE(error, std::string());
    QVERIFY(fs::is_symlink(root / "program" / "kestrunlobby.ini"));
    QCOMPARE(QByteArray::fromStdString(fileBytes(root / "real" / "shared.ini")),
             QByteArray("[a]\nx=1\n[quadrino]\nTop=3\n"));
}

void TestIniFile::saveKeepsPermissions() {
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "kestrunlobby.ini";
    putFile(path, "[a]\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    QCOMPARE(replaceFileAtomically(path, "[b]\n"), std::string());
    QCOMPARE(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

void TestIniFile::refusedWriteSaysWhere() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    putFile(root / "file", "x");
    // A folder below a plain file can be made by no one, not even the super-user.
    for (const fs::path& path : {root / "file" / "kestrunlobby.ini", root / "missing" / "kestrunlobby.ini"}) {
        const std::string error = updateIniFile(path, [](IniFile& f) { f.writeInteger("quadrino", "Top", 3); });
        QCOMPARE(QString::fromStdString(error), "Unable to write to " + QString::fromStdString(path.string()));
    }
    QCOMPARE(fileBytes(root / "file"), std::string("x"));
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "test_ini_file.moc"
