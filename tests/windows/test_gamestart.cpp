// SPDX-License-Identifier: GPL-3.0-or-later
// The game options dialog: its initial choices, the boxes, the block limit and the exact
// start request it sends.
#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "art/art.h"
#include "windows/gamestart.h"

using quadrino::CheckImage;
using quadrino::GameOptionsDialog;

namespace {

const QStringList kBoxes = {"box_penalty", "box_passing", "box_blocking", "box_pouncing", "box_fullgame", "box_teamgame"};

QImage shown(const CheckImage* box) { return box->pixmap().toImage(); }
QImage picture(bool on) { return quadrino::art::checkBox(on).toImage(); }

} // namespace

class TestGamestart : public QObject {
    Q_OBJECT
private slots:
    void layoutAndInitialState_data();
    void layoutAndInitialState();
    void clickingTwiceRestoresStateAndPicture_data();
    void clickingTwiceRestoresStateAndPicture();
    void captionClickTogglesItsBox();
    void changebox_data();
    void changebox();
    void startMessage_data();
    void startMessage();
    void nameIsSentInWindows1252_data();
    void nameIsSentInWindows1252();
    void startSendsHidesThenSaves();
    void limitStaysWithinRange_data();
    void limitStaysWithinRange();
    void limitIgnoresArrowKeys();
    void keyboardAlone_data();
    void keyboardAlone();
    void centredOnItsParent();
    void optionsFollowTheirControls();
    void snapshot();
};

void TestGamestart::layoutAndInitialState_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("caption");
    QTest::newRow("penalty") << "box_penalty" << 1 << "3 Double Penalty";
    QTest::newRow("passing") << "box_passing" << 0 << "Passing Allowed";
    QTest::newRow("blocking") << "box_blocking" << 1 << "Blocking Allowed";
    QTest::newRow("pouncing") << "box_pouncing" << 1 << "Pouncing Allowed";
    QTest::newRow("fullgame") << "box_fullgame" << 0 << "Full Game";
    QTest::newRow("teamgame") << "box_teamgame" << 0 << "Team Game";
}

void TestGamestart::layoutAndInitialState() {
    QFETCH(QString, box);
    QFETCH(int, tag);
    QFETCH(QString, caption);
    GameOptionsDialog dialog;
    QCOMPARE(dialog.objectName(), QString("gamestart"));
    QCOMPARE(dialog.windowTitle(), QString("Quadrino - Game Start"));
    QCOMPARE(dialog.size(), QSize(276, 352));
    auto* b = dialog.findChild<CheckImage*>(box);
    QVERIFY(b);
    QCOMPARE(b->property("tag").toInt(), tag);
    QCOMPARE(shown(b), picture(tag == 1));
    QVERIFY(dialog.rect().contains(b->geometry()));
    // Its caption sits on the same row, to the right.
    QLabel* label = nullptr;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        if (l->text() == caption) label = l;
    QVERIFY2(label, qPrintable(caption));
    QVERIFY(label->x() > b->x());
    QVERIFY(qAbs(label->geometry().center().y() - b->geometry().center().y()) <= 2);
    QCOMPARE(dialog.options().blocklimit, 3);
    // Texts of the dialog, all present.
    QStringList texts;
    for (QLabel* l : dialog.findChildren<QLabel*>()) texts << l->text();
    for (const char* t : {"Quadrino Game Options", "Limit Blocks To:", "Turns", "setting to 0 allows unlimited blocking",
                          "Bots will fill empty seats"})
        QVERIFY2(texts.contains(QString::fromLatin1(t)), t);
    QVERIFY(dialog.findChild<QAbstractButton*>("button_start"));
    QVERIFY(dialog.rect().contains(dialog.findChild<QAbstractButton*>("button_start")->geometry()));
}

void TestGamestart::clickingTwiceRestoresStateAndPicture_data() {
    QTest::addColumn<QString>("box");
    for (const QString& b : kBoxes) QTest::newRow(qPrintable(b)) << b;
}

void TestGamestart::clickingTwiceRestoresStateAndPicture() {
    QFETCH(QString, box);
    GameOptionsDialog dialog;
    auto* b = dialog.findChild<CheckImage*>(box);
    QVERIFY(b);
    const int before = b->property("tag").toInt();
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(b->property("tag").toInt(), 1 - before);
    QCOMPARE(shown(b), picture(before == 0));
    // Only this box changed.
    for (const QString& other : kBoxes)
        if (other != box) {
            GameOptionsDialog fresh;
            QCOMPARE(dialog.findChild<CheckImage*>(other)->property("tag"), fresh.findChild<CheckImage*>(other)->property("tag"));
        }
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(b->property("tag").toInt(), before);
    QCOMPARE(shown(b), picture(before == 1));
    // A right click is no click.
    QTest::mouseClick(b, Qt::RightButton);
    QCOMPARE(b->property("tag").toInt(), before);
}

void TestGamestart::captionClickTogglesItsBox() {
    GameOptionsDialog dialog;
    QLabel* caption = nullptr;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        if (l->text() == u"Team Game") caption = l;
    QVERIFY(caption);
    QTest::mouseClick(caption, Qt::LeftButton);
    QVERIFY(dialog.options().teamgame);
    QCOMPARE(shown(dialog.findChild<CheckImage*>("box_teamgame")), picture(true));
}

void TestGamestart::changebox_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("tag");
    QTest::newRow("passing on") << "box_passing" << 1 << true << "box_passing" << 1;
    QTest::newRow("penalty off") << "box_penalty" << 0 << true << "box_penalty" << 0;
    QTest::newRow("names ignore case") << "BOX_Fullgame" << 1 << true << "box_fullgame" << 1;
    QTest::newRow("unknown box") << "box_nothing" << 1 << false << "box_penalty" << 1;
    QTest::newRow("value out of range") << "box_blocking" << 5 << false << "box_blocking" << 1;
    QTest::newRow("negative value") << "box_pouncing" << -1 << false << "box_pouncing" << 1;
    QTest::newRow("the spinner is no box") << "updown_limited" << 1 << false << "box_penalty" << 1;
}

void TestGamestart::changebox() {
    QFETCH(QString, name);
    QFETCH(int, value);
    QFETCH(bool, accepted);
    QFETCH(QString, box);
    QFETCH(int, tag);
    GameOptionsDialog dialog;
    QCOMPARE(dialog.changebox(name, value), accepted);
    auto* b = dialog.findChild<CheckImage*>(box);
    QCOMPARE(b->property("tag").toInt(), tag);
    QCOMPARE(shown(b), picture(tag == 1));
}

void TestGamestart::startMessage_data() {
    QTest::addColumn<QStringList>("on");  // boxes to switch on; the others go off
    QTest::addColumn<int>("limit");
    QTest::addColumn<QByteArray>("bytes");
    const QStringList defaults = {"box_penalty", "box_blocking", "box_pouncing"};
    QTest::newRow("defaults") << defaults << 3 << QByteArray("CMD_startgame+Bob+1+0+1+1+0+3+0+\xFF");
    QTest::newRow("limit 0 means unlimited") << defaults << 0 << QByteArray("CMD_startgame+Bob+1+0+1+1+0+0+0+\xFF");
    QTest::newRow("limit 1 is sent as 1") << defaults << 1 << QByteArray("CMD_startgame+Bob+1+0+1+1+0+1+0+\xFF");
    QTest::newRow("limit 10") << defaults << 10 << QByteArray("CMD_startgame+Bob+1+0+1+1+0+10+0+\xFF");
    QTest::newRow("blocking off keeps its limit") << QStringList{"box_penalty", "box_pouncing"} << 5
                                                  << QByteArray("CMD_startgame+Bob+1+0+0+1+0+5+0+\xFF");
    QTest::newRow("all on") << kBoxes << 2 << QByteArray("CMD_startgame+Bob+1+1+1+1+1+2+1+\xFF");
    QTest::newRow("all off") << QStringList() << 4 << QByteArray("CMD_startgame+Bob+0+0+0+0+0+4+0+\xFF");
    QTest::newRow("team without full") << QStringList{"box_teamgame"} << 3 << QByteArray("CMD_startgame+Bob+0+0+0+0+1+3+0+\xFF");
    QTest::newRow("full without team") << QStringList{"box_fullgame"} << 3 << QByteArray("CMD_startgame+Bob+0+0+0+0+0+3+1+\xFF");
}

void TestGamestart::startMessage() {
    QFETCH(QStringList, on);
    QFETCH(int, limit);
    QFETCH(QByteArray, bytes);
    GameOptionsDialog dialog;
    dialog.setNameProvider([] { return QStringLiteral("Bob"); });
    std::string sent;
    int sends = 0;
    dialog.setSender([&](const std::string& m) {
        sent = m;
        ++sends;
    });
    for (const QString& box : kBoxes) QVERIFY(dialog.changebox(box, on.contains(box) ? 1 : 0));
    QVERIFY(dialog.setNumberBox("updown_limited", limit));
    dialog.button_startClick();
    QCOMPARE(sends, 1);
    QCOMPARE(QByteArray::fromStdString(sent), bytes);
}

void TestGamestart::nameIsSentInWindows1252_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("accent") << QString::fromUtf8("Ren\u00e9e") << QByteArray("Ren\xE9" "e");
    QTest::newRow("euro sign") << QString::fromUtf8("\u20acuro") << QByteArray("\x80uro");
    QTest::newRow("no Windows-1252 form") << QString::fromUtf8("\u65e5\u672c") << QByteArray("??");
    // 0xFF would end the message early.
    QTest::newRow("y with diaeresis") << QString::fromUtf8("J\u00ff") << QByteArray("Jy");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestGamestart::nameIsSentInWindows1252() {
    QFETCH(QString, name);
    QFETCH(QByteArray, field);
    GameOptionsDialog dialog;
    dialog.setNameProvider([&] { return name; });
    std::string sent;
    dialog.setSender([&](const std::string& m) { sent = m; });
    dialog.button_startClick();
    QCOMPARE(QByteArray::fromStdString(sent), "CMD_startgame+" + field + "+1+0+1+1+0+3+0+\xFF");
}

void TestGamestart::startSendsHidesThenSaves() {
    QWidget owner;
    owner.resize(600, 500);
    owner.show();
    GameOptionsDialog dialog(&owner);
    dialog.show();
    QVERIFY(dialog.isVisible());
    QStringList order;
    dialog.setSender([&](const std::string&) { order << (dialog.isVisible() ? "send while shown" : "send while hidden"); });
    dialog.setAfterStart([&] { order << (dialog.isVisible() ? "save while shown" : "save while hidden"); });
    QTest::mouseClick(dialog.findChild<QAbstractButton*>("button_start"), Qt::LeftButton);
    QCOMPARE(order, (QStringList{"send while shown", "save while hidden"}));
    QVERIFY(!dialog.isVisible());
    // Without hooks a start still hides the dialog and does not crash.
    GameOptionsDialog bare;
    bare.show();
    bare.button_startClick();
    QVERIFY(!bare.isVisible());
}

// Tab walks the boxes, the number box and the start button in order; Space ticks a box;
// Enter starts from anywhere in the dialog; Escape closes it without sending.
void TestGamestart::keyboardAlone_data() {
    QTest::addColumn<int>("finalKey");
    QTest::addColumn<bool>("sent");
    QTest::newRow("enter starts") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad enter starts") << int(Qt::Key_Enter) << true;
    QTest::newRow("escape closes") << int(Qt::Key_Escape) << false;
}

void TestGamestart::keyboardAlone() {
    QFETCH(int, finalKey);
    QFETCH(bool, sent);
    GameOptionsDialog dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    std::string message;
    dialog.setSender([&](const std::string& m) { message = m; });
    QStringList order;
    QWidget* first = dialog.focusWidget();
    QVERIFY(first);
    for (int i = 0; i < 8; ++i) {
        order << dialog.focusWidget()->objectName();
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"box_penalty", "box_passing", "box_blocking", "updown_limited", "box_pouncing",
                                 "box_fullgame", "box_teamgame", "button_start"}));
    QCOMPARE(dialog.focusWidget(), first);
    auto* team = dialog.findChild<CheckImage*>("box_teamgame");
    team->setFocus();
    QTest::keyClick(team, Qt::Key_Space);
    QCOMPARE(team->state(), 1);
    QTest::keyClick(team, Qt::Key_Space);
    QTest::keyClick(team, Qt::Key_Space);
    QCOMPARE(team->state(), 1);
    QTest::keyClick(team, static_cast<Qt::Key>(finalKey));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(!message.empty(), sent);
    if (sent) QVERIFY(QByteArray::fromStdString(message).contains("+1+3+0+\xFF")); // team game on, limit 3
}

void TestGamestart::limitStaysWithinRange_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("a good number") << "7" << 7;
    QTest::newRow("ten") << "10" << 10;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("too big: the second digit is refused") << "15" << 1;
    QTest::newRow("minus sign refused") << "-8" << 8;
    QTest::newRow("letters refused") << "abc" << 3;
    QTest::newRow("three digits") << "100" << 10;
}

void TestGamestart::limitStaysWithinRange() {
    QFETCH(QString, typed);
    QFETCH(int, value);
    QWidget owner;
    GameOptionsDialog dialog(&owner);
    owner.show();
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>("edit_limited");
    QVERIFY(edit);
    auto* spin = dialog.findChild<QSpinBox*>("updown_limited");
    QVERIFY(spin);
    spin->setFocus();
    edit->selectAll();
    QTest::keyClicks(spin, typed);
    std::string sent;
    dialog.setSender([&](const std::string& m) { sent = m; });
    dialog.button_startClick();
    QCOMPARE(dialog.options().blocklimit, value);
    QVERIFY(dialog.options().blocklimit >= 0 && dialog.options().blocklimit <= quadrino::kMaxBlockLimit);
    QVERIFY(QByteArray::fromStdString(sent).contains("+" + QByteArray::number(value) + "+0+\xFF"));
}

void TestGamestart::limitIgnoresArrowKeys() {
    GameOptionsDialog dialog;
    auto* spin = dialog.findChild<QSpinBox*>("updown_limited");
    QCOMPARE(spin->minimum(), 0);
    QCOMPARE(spin->maximum(), 10);
    QVERIFY(!spin->wrapping());
    // Tab reaches it: the dialog works from the keyboard alone.
    QVERIFY(spin->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_PageUp);
    QCOMPARE(spin->value(), 3);
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(spin->value(), 3);
    // The arrows themselves do step, and stop at the ends without wrapping.
    spin->setValue(10);
    spin->stepUp();
    QCOMPARE(spin->value(), 10);
    spin->setValue(0);
    spin->stepDown();
    QCOMPARE(spin->value(), 0);
    // Settings out of range are kept within it.
    QVERIFY(dialog.setNumberBox("updown_limited", 15));
    QCOMPARE(dialog.options().blocklimit, 10);
    QVERIFY(dialog.setNumberBox("UPDOWN_LIMITED", -4));
    QCOMPARE(dialog.options().blocklimit, 0);
    QVERIFY(!dialog.setNumberBox("box_penalty", 5));
    QCOMPARE(dialog.options().blocklimit, 0);
}

void TestGamestart::centredOnItsParent() {
    QWidget owner;
    owner.setGeometry(100, 80, 782, 516);
    owner.show();
    GameOptionsDialog dialog(&owner);
    dialog.show();
    const QPoint ownerCentre = owner.frameGeometry().center();
    const QPoint centre = dialog.geometry().center();
    QVERIFY2((ownerCentre - centre).manhattanLength() <= 4,
             qPrintable(QString("%1,%2 vs %3,%4").arg(centre.x()).arg(centre.y()).arg(ownerCentre.x()).arg(ownerCentre.y())));
}

void TestGamestart::snapshot() {
    const QString path = qEnvironmentVariable("QUADRINO_GAMESTART_SHOT");
    if (path.isEmpty()) QSKIP("set QUADRINO_GAMESTART_SHOT=file.png to save a picture of the dialog");
    GameOptionsDialog dialog;
    dialog.show();
    QVERIFY(dialog.grab().save(path));
}

QTEST_MAIN(TestGamestart)
// Each option's control is found by its name and sets that option alone; the settings show
// only the options they keep.
void TestGamestart::optionsFollowTheirControls() {
    GameOptionsDialog dialog;
    QCOMPARE(dialog.options(), quadrino::initialGameOptions());
    quadrino::GameOptions everything;
    for (const quadrino::GameOptionRow& row : quadrino::kGameOptions) {
        GameOptionsDialog fresh;
        const QString name = QString::fromLatin1(row.control.data(), qsizetype(row.control.size()));
        QVERIFY(row.isFlag() ? fresh.changebox(name, row.highest) : fresh.setNumberBox(name, row.highest));
        quadrino::GameOptions expected = quadrino::initialGameOptions();
        row.set(expected, row.highest);
        QCOMPARE(fresh.options(), expected);
        row.set(everything, row.highest);
    }
    dialog.showKept(everything);
    for (const quadrino::GameOptionRow& row : quadrino::kGameOptions)
        QCOMPARE(row.value(dialog.options()), row.settingsKey.empty() ? row.initial : row.highest);
}

#include "test_gamestart.moc"
