// SPDX-License-Identifier: GPL-3.0-or-later
// The chat side of the main window against real and stand-in hosts: phrase buttons, chatter
// sounds, game sounds, the spy list, the phrase editor and names that look like markup.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/fake_host.h"
#include "app/main_window.h"
#include "chat/chat_pane.h"
#include "chat/phrase_buttons.h"
#include "net/host_server.h"
#include "tally/tally_window.h"
#include "windows/phrase_editor.h"
#include "windows/spy_list.h"

using namespace quadrino;

namespace {

// Markup short enough that the host keeps the whole name.
const QString kPwned = QStringLiteral(R"(<font size=7><b>PWN</b></font>)");

QString allText(const MainWindow& w) { return w.mainchat()->toPlainText(); }

LaunchPlan joinPlan(quint16 port, const QString& name) {
    LaunchPlan p = decideLaunch({name, QStringLiteral("127.0.0.1"), QStringLiteral("no")});
    p.port = port;
    p.openLobbyLink = false;
    return p;
}

LaunchPlan soloPlan() {
    LaunchPlan p = decideLaunch({});
    p.port = 0;
    p.seed = 1;
    return p;
}

struct Window {
    explicit Window(bool chatterSounds = true) {
        w.setMessageBox([this](const QString& t) { boxes << t; });
        auto rec = std::make_unique<RecordingSoundPlayer>();
        sounds = rec.get();
        w.setSoundPlayer(std::move(rec));
        w.setClock([this] { return clock; });
        Preferences p = w.preferences();
        p.chattersounds = chatterSounds;
        p.playsounds = true;
        w.setPreferences(p);
    }
    QAction* action(const char* name) const { return w.findChild<QAction*>(QString::fromLatin1(name)); }
    QLabel* label(const QString& name) const { return w.findChild<QLabel*>(name); }
    // Logs in as `seat` against a stand-in host.
    void loginTo(FakeHost& fake, int seat, const QString& name = QStringLiteral("Ann")) {
        w.processparams(joinPlan(fake.port(), name));
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+" + QByteArray::number(seat) + "\xFF");
        QVERIFY(fake.waitForReceived("CMD_logininfo+" + QByteArray::number(seat) + "+1.0.15+" + name.toUtf8() + "\xFF\xFF"));
        fake.received[0].clear();
    }
    MainWindow w;
    QStringList boxes;
    RecordingSoundPlayer* sounds = nullptr;
    qint64 clock = 0;
};

} // namespace

class TestChatWiring : public QObject {
    Q_OBJECT
private slots:
    void chatterSoundMenuHasItsEntries() {
        Window t;
        QMenu* menu = t.w.chatterSoundMenu();
        QCOMPARE(menu->objectName(), QStringLiteral("popup_sounds"));
        const QList<QAction*> entries = menu->actions();
        QCOMPARE(entries.size(), 21);
        QCOMPARE(entries[0]->text(), QStringLiteral("<Cancel>"));
        QCOMPARE(entries[1]->objectName(), QStringLiteral("wave1"));
        QCOMPARE(entries[1]->text(), QStringLiteral("Doh"));
        QCOMPARE(entries[5]->text(), QStringLiteral("Where have you been?"));
        QCOMPARE(entries[20]->objectName(), QStringLiteral("wave20"));
        QCOMPARE(entries[20]->text(), QStringLiteral("Crying"));
        for (QAction* a : entries.mid(1)) QCOMPARE(a->toolTip(), a->text());
        // The tenth phrase button opens it.
        QSignalSpy opened(t.w.phraseButtons(), &PhraseButtons::chatterSoundMenuRequested);
        t.w.findChild<QToolButton*>(QStringLiteral("b_phrase10"))->click();
        QCOMPARE(opened.size(), 1);
        menu->hide();
    }

    void chatterSoundMenuSendsForPlayersOnly_data() {
        QTest::addColumn<int>("seat");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("player") << 2 << QByteArray("CMD_playasound+2+wave5+\xFF");
        QTest::newRow("fourth seat") << 4 << QByteArray("CMD_playasound+4+wave5+\xFF");
        QTest::newRow("spectator") << 5 << QByteArray();
    }
    void chatterSoundMenuSendsForPlayersOnly() {
        QFETCH(int, seat);
        QFETCH(QByteArray, sent);
        Window t;
        FakeHost fake;
        t.loginTo(fake, seat);
        t.w.findChild<QAction*>(QStringLiteral("Cancel1"))->trigger();
        t.w.findChild<QAction*>(QStringLiteral("wave5"))->trigger();
        // A chat line behind it tells when everything before has arrived.
        t.w.findChild<QLineEdit*>(QStringLiteral("mychat"))->setText(QStringLiteral("x"));
        t.w.sendit();
        QVERIFY(fake.waitForReceived(sent + QByteArray("CMD_chat+") + QByteArray::number(seat) + "+x|clBlack\xFF"));
    }

    void receivedChatterSounds() {
        // Played when chatter sounds are on, one a second per sender, only wave1-wave20.
        Window on(true);
        FakeHost fake;
        on.loginTo(fake, 1);
        fake.send("CMD_newplayerinfo+2+Bob\xFF");
        fake.send("CMD_playasound+2+WAVE3+\xFF"
                  "CMD_playasound+2+wave4+\xFF"      // the same sender within the second
                  "CMD_playasound+3+winner+\xFF"     // no chatter sound
                  "CMD_playasound+3+../x+\xFF"
                  "CMD_playasound+3+wave21+\xFF"
                  "CMD_playasound+3+wave20+\xFF");   // another sender
        QTRY_COMPARE(on.sounds->played, QStringList({"entered", "wave3", "wave20"}));
        on.clock = 999;
        fake.send("CMD_playasound+2+wave5+\xFF" "CMD_newplayerinfo+3+Cy\xFF");
        QTRY_COMPARE(on.label(QStringLiteral("label_playername3"))->text(), QStringLiteral("Cy"));
        on.clock = 1000;
        fake.send("CMD_playasound+2+wave6+\xFF");
        QTRY_COMPARE(on.sounds->played, QStringList({"entered", "wave3", "wave20", "entered", "wave6"}));
        QVERIFY(!allText(on.w).contains(QStringLiteral("Chatter Sound")));
    }

    void chatterSoundsOffShowTheirLine() {
        Window off(false);
        FakeHost fake;
        off.loginTo(fake, 1);
        fake.send("CMD_newplayerinfo+2+Bob\xFF" "CMD_playasound+2+wave3+\xFF"
                  "CMD_playasound+6+wave3+\xFF"  // a spectator has no name label
                  "CMD_playasound+3+honk+\xFF"
                  "CMD_newplayerinfo+3+Cy\xFF");
        QTRY_COMPARE(off.label(QStringLiteral("label_playername3"))->text(), QStringLiteral("Cy"));
        QCOMPARE(off.sounds->played, QStringList({"entered", "entered"}));
        // The pane sets the name before the first ": " apart, as it does for every line.
        QVERIFY2(allText(off.w).contains(QStringLiteral("Bob:  <Chatter Sound> Hello ")), qPrintable(allText(off.w)));
        QCOMPARE(allText(off.w).count(QStringLiteral("Chatter Sound")), 1);
        QCOMPARE(off.w.mainchat()->styleColour(0), std::optional<BgrColour>(kSystemColour));
    }

    void secondPlayersChatterSoundPlaysForEveryone() {
        Window a, b;
        a.w.processparams(soloPlan());
        QTRY_VERIFY(a.w.identity().loggedin);
        b.w.processparams(joinPlan(a.w.launcher().hostServer()->serverPort(), QStringLiteral("Bee")));
        QTRY_VERIFY(b.w.identity().loggedin);
        QTRY_COMPARE(a.label(QStringLiteral("label_playername2"))->text(), QStringLiteral("Bee"));
        b.w.findChild<QAction*>(QStringLiteral("wave13"))->trigger();
        QTRY_VERIFY(a.sounds->played.contains(QStringLiteral("wave13")));
        QTRY_VERIFY(b.sounds->played.contains(QStringLiteral("wave13")));
    }

    void phraseButtonsSendOnceInTwoSeconds() {
        Window t;
        FakeHost fake;
        t.w.processparams(joinPlan(fake.port(), QStringLiteral("Ann")));
        QVERIFY(fake.waitForClient());
        auto* b1 = t.w.findChild<QToolButton*>(QStringLiteral("b_phrase1"));
        auto* b2 = t.w.findChild<QToolButton*>(QStringLiteral("b_phrase2"));
        QCOMPARE(b1->toolTip(), QStringLiteral("Way To Go!"));
        b1->click(); // before login: nothing, and no lock either
        fake.send("CMD_sendlogininfo+2\xFF");
        QByteArray expected = "CMD_logininfo+2+1.0.15+Ann\xFF\xFF";
        QVERIFY(fake.waitForReceived(expected));

        b2->click();
        expected += "CMD_action+2+says: Good One!|clBlack\xFF";
        QVERIFY(fake.waitForReceived(expected));
        t.clock = 1999;
        b1->click();
        t.clock = 2000;
        b1->click();
        b1->click();
        expected += "CMD_action+2+says: Way To Go!|clBlack\xFF";
        QVERIFY(fake.waitForReceived(expected));
        t.clock = 4000;
        b2->click();
        expected += "CMD_action+2+says: Good One!|clBlack\xFF";
        QVERIFY(fake.waitForReceived(expected));
    }

    void freeTextGoesOutWithoutControlCharacters() {
        Window t;
        FakeHost fake;
        t.w.processparams(joinPlan(fake.port(), QStringLiteral("An\tn")));
        QVERIFY(fake.waitForClient());
        fake.send("CMD_sendlogininfo+2\xFF");
        QByteArray expected = "CMD_logininfo+2+1.0.15+An n\xFF\xFF";
        QVERIFY(fake.waitForReceived(expected));
        auto* entry = t.w.findChild<QLineEdit*>(QStringLiteral("mychat"));
        for (const QString& typed : {QStringLiteral("a\tb\x7f" "c"), QStringLiteral("/me x\x1b" "y")}) {
            entry->setText(typed);
            t.w.sendit();
        }
        expected += "CMD_chat+2+a b c|clBlack\xFF" "CMD_action+2+x y|clBlack\xFF";
        QVERIFY(fake.waitForReceived(expected));
    }

    void gameSoundsFollowPlaySounds_data() {
        QTest::addColumn<bool>("playSounds");
        QTest::addColumn<bool>("newTurn");
        QTest::addColumn<QStringList>("played");
        QTest::newRow("on, classic") << true << false << QStringList({"entered", "entered", "turn"});
        QTest::newRow("on, new") << true << true << QStringList({"entered", "entered", "turnnew"});
        QTest::newRow("off") << false << true << QStringList();
    }
    void gameSoundsFollowPlaySounds() {
        QFETCH(bool, playSounds);
        QFETCH(bool, newTurn);
        QFETCH(QStringList, played);
        Window t;
        if (!playSounds) t.action("PlaySounds1")->trigger();
        t.action(newTurn ? "New1" : "Classic1")->trigger();
        FakeHost fake;
        t.loginTo(fake, 1);
        fake.send("CMD_newplayerinfo+1+Ann\xFF" "CMD_newplayerinfo+2+Bob\xFF"
                  "CMD_nextplayer+1+1+\xFF"
                  "CMD_newplayerinfo+3+Cy\xFF");
        QTRY_COMPARE(t.label(QStringLiteral("label_playername3"))->text(), QStringLiteral("Cy"));
        if (playSounds) played << QStringLiteral("entered");
        QCOMPARE(t.sounds->played.join(u','), played.join(u','));
    }

    void spyListFollowsSpectatorsAndRemovesThem() {
        Window t;
        FakeHost fake;
        t.loginTo(fake, 2);
        t.action("SpyList1")->trigger();
        SpyListWindow* spies = t.w.spyList();
        QVERIFY(spies->isVisible());
        fake.send("CMD_newplayerinfo+5+Eve\xFF" "CMD_newplayerinfo+6+Fay\xFF");
        QTRY_COMPARE(spies->entries(), QStringList({"5: Eve", "6: Fay"}));
        fake.send("CMD_playerdisconnected+5+Eve\xFF");
        QTRY_COMPARE(spies->entries(), QStringList({"6: Fay"}));
        // Not the hosting user: nothing to remove with.
        QVERIFY(!spies->findChild<QAction*>(QStringLiteral("popup_kickhim"))->isEnabled());
        emit spies->removeRequested(6);
        t.w.findChild<QLineEdit*>(QStringLiteral("mychat"))->setText(QStringLiteral("x"));
        t.w.sendit();
        QVERIFY(fake.waitForReceived("CMD_chat+2+x|clBlack\xFF")); // and no removal before it
        spies->close();

        Window host;
        host.w.processparams(soloPlan());
        QTRY_VERIFY(host.w.identity().loggedin);
        QVERIFY(host.w.spyList()->findChild<QAction*>(QStringLiteral("popup_kickhim"))->isEnabled());
    }

    void phraseEditorStoresInTheSettingsFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kestrunlobby.ini"));
        Window t;
        t.w.setSettingsFile(path.toStdString());
        t.action("PrhaseList1")->trigger();
        PhraseEditor* editor = t.w.phraseEditor();
        QVERIFY(editor->isVisible());
        auto* field = editor->findChild<QLineEdit*>(QStringLiteral("phrase3"));
        QCOMPARE(field->text(), QStringLiteral("Nice Try!"));
        field->setText(QStringLiteral("/me bows"));
        editor->findChild<QLineEdit*>(QStringLiteral("phrase4"))->clear();
        editor->onDoneClicked();
        QVERIFY(!editor->isVisible());
        QCOMPARE(t.w.findChild<QToolButton*>(QStringLiteral("b_phrase3"))->toolTip(), QStringLiteral("/me bows"));
        QCOMPARE(t.w.findChild<QToolButton*>(QStringLiteral("b_phrase4"))->toolTip(), QStringLiteral("Excellent!"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray stored = f.readAll();
        QVERIFY2(stored.contains("Phrase3=/me bows"), stored.constData());
        QVERIFY(stored.contains("Phrase4=\r\n") || stored.contains("Phrase4=\n"));
    }

    void phraseEditorSaysWhenItCannotWrite() {
        QTemporaryDir dir;
        Window t;
        // A folder where the file should be: the write is refused.
        t.w.setSettingsFile(dir.path().toStdString());
        t.action("PrhaseList1")->trigger();
        t.w.phraseEditor()->onDoneClicked();
        QCOMPARE(t.boxes.size(), 1);
        QVERIFY(t.boxes[0].startsWith(QStringLiteral("Unable to write to ")));
    }

    void namesFromTheNetworkShowAsPlainText() {
        QTemporaryDir dir;
        TallyWindow tally(dir.filePath(QStringLiteral("quadrinotally.tld")));
        Window a, b, c, d, e;
        a.w.setTally(&tally);
        a.w.processparams(soloPlan());
        QTRY_VERIFY(a.w.identity().loggedin);
        const quint16 port = a.w.launcher().hostServer()->serverPort();
        b.w.processparams(joinPlan(port, kPwned));
        QTRY_VERIFY(b.w.identity().loggedin);
        c.w.processparams(joinPlan(port, QStringLiteral("Cy")));
        QTRY_VERIFY(c.w.identity().loggedin);
        d.w.processparams(joinPlan(port, QStringLiteral("Di")));
        QTRY_VERIFY(d.w.identity().loggedin);
        const QString spy = QStringLiteral("<i>spy</i>");
        e.w.processparams(joinPlan(port, spy));
        QTRY_VERIFY(e.w.identity().loggedin);
        QCOMPARE(e.w.identity().myseat, 5);

        QLabel* seat2 = a.label(QStringLiteral("label_playername2"));
        QTRY_COMPARE(seat2->text(), kPwned);
        QCOMPARE(seat2->textFormat(), Qt::PlainText);
        for (const char* name : {"label_playername1", "label_playername3", "label_log", "label_status"})
            QCOMPARE(a.label(QString::fromLatin1(name))->textFormat(), Qt::PlainText);

        QTRY_COMPARE(a.w.spyList()->entries(), QStringList({QStringLiteral("5: ") + spy}));
        auto* spyBox = a.w.spyList()->findChild<QListWidget*>(QStringLiteral("listbox_spys"));
        QCOMPARE(spyBox->item(0)->text(), QStringLiteral("5: ") + spy);

        b.w.findChild<QLineEdit*>(QStringLiteral("mychat"))->setText(QStringLiteral("<b>hi</b>"));
        b.w.sendit();
        QTRY_VERIFY(allText(a.w).contains(kPwned + QStringLiteral(" chats:  <b>hi</b>")));

        a.action("ViewTally1")->trigger();
        auto* checklist = tally.findChild<QListWidget*>(QStringLiteral("checklist"));
        QVERIFY(checklist);
        QVERIFY(checklist->findItems(kPwned, Qt::MatchExactly).size() == 1);
        a.w.addgame(kPwned);
        auto* tallied = tally.findChild<QListWidget*>(QStringLiteral("listbox_tally"));
        const auto rows = tallied->findItems(kPwned, Qt::MatchExactly);
        if (!rows.isEmpty()) tallied->setCurrentItem(rows[0]);
        auto* top = tally.findChild<QLabel*>(QStringLiteral("label_hisnametop"));
        QCOMPARE(top->textFormat(), Qt::PlainText);
        QCOMPARE(tally.findChild<QLabel*>(QStringLiteral("label_hisname"))->textFormat(), Qt::PlainText);

        // The hosting copy removes the spectator through the spy list.
        QSignalSpy gone(&e.w, &MainWindow::closed);
        emit a.w.spyList()->removeRequested(5);
        QTRY_COMPARE(a.w.spyList()->entries(), QStringList());
        QTRY_COMPARE(gone.size(), 1);
        tally.hide();
    }
};

QTEST_MAIN(TestChatWiring)
#include "test_chat_wiring.moc"
