// SPDX-License-Identifier: GPL-3.0-or-later
// The phrase editor: its texts, the phrases it shows, what "Done" stores, and the stored
// file read back.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "chat/phrase_buttons.h"
#include "settings/preferences_file.h"
#include "windows/phrase_editor.h"

using namespace quadrino;

namespace {

QLineEdit* field(const PhraseEditor& w, int n) { return w.findChild<QLineEdit*>(QStringLiteral("phrase%1").arg(n)); }

} // namespace

class TestPhraseEditor : public QObject {
    Q_OBJECT
private slots:
    void texts() {
        Preferences prefs;
        PhraseEditor w(prefs);
        QCOMPARE(w.objectName(), QStringLiteral("phrases"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quadrino - Phrase Buttons "));
        QVERIFY(!w.isModal());
        QStringList labels;
        for (QLabel* l : w.findChildren<QLabel*>()) labels << l->text();
        for (int n = 1; n <= 9; ++n) {
            QVERIFY2(labels.contains(QStringLiteral("Phrase Button %1:").arg(n)), qPrintable(QString::number(n)));
            QVERIFY(field(w, n));
            QCOMPARE(field(w, n)->maxLength(), 50);
        }
        QVERIFY(labels.contains(QStringLiteral("Buttons can only be used once every 2 seconds")));
        QVERIFY(!field(w, 10));
        auto* done = w.findChild<QPushButton*>(QStringLiteral("button_done"));
        QVERIFY(done);
        QCOMPARE(done->text(), QStringLiteral("Done"));
    }

    void showsWhatTheButtonsSend() {
        Preferences prefs;
        prefs.phrases[1] = "Nice roll";
        prefs.phrases[8] = "gg \xE2\x82\xAC"; // UTF-8 euro sign
        PhraseEditor w(prefs);
        w.showPhraseList();
        QVERIFY(w.isVisible());
        QCOMPARE(field(w, 1)->text(), QStringLiteral("Way To Go!"));
        QCOMPARE(field(w, 2)->text(), QStringLiteral("Nice roll"));
        QCOMPARE(field(w, 6)->text(), QStringLiteral("Wow, WTG!"));
        QCOMPARE(field(w, 9)->text(), QString::fromUtf16(u"gg \u20ac"));
    }

    void longStoredPhraseIsKeptWhole_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("50") << 50;
        QTest::newRow("51") << 51;
        QTest::newRow("300") << 300;
    }
    void longStoredPhraseIsKeptWhole() {
        QFETCH(int, length);
        Preferences prefs;
        const std::string longer(static_cast<std::size_t>(length), 'w');
        prefs.phrases[3] = longer;
        PhraseEditor w(prefs);
        w.showPhraseList();
        QCOMPARE(field(w, 4)->text().size(), length);
        QCOMPARE(field(w, 4)->maxLength(), std::max(50, length));
        QCOMPARE(field(w, 1)->maxLength(), 50);
        w.onDoneClicked();
        QCOMPARE(prefs.phrases[3], longer);
        // Shortened later, the field offers the usual 50 again.
        prefs.phrases[3] = "short";
        w.showPhraseList();
        QCOMPARE(field(w, 4)->maxLength(), 50);
    }

    void doneStoresSavesAndCloses() {
        Preferences prefs;
        prefs.phrases[2] = "Old three";
        PhraseEditor w(prefs);
        std::array<std::string, 9> seenBySaver{};
        int saves = 0;
        w.setSaver([&] {
            ++saves;
            seenBySaver = prefs.phrases;
        });
        QSignalSpy changed(&w, &PhraseEditor::phrasesChanged);
        w.showPhraseList();
        field(w, 1)->setText(QStringLiteral("/me cheers"));
        field(w, 3)->clear();
        field(w, 5)->setText(QString::fromUtf16(u"two\u2028lines\there"));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("button_done")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(saves, 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(seenBySaver, prefs.phrases);
        QCOMPARE(prefs.phrases[0], std::string("/me cheers"));
        QCOMPARE(prefs.phrases[1], std::string("Good One!")); // unchanged fields store what they show
        QCOMPARE(prefs.phrases[2], std::string());            // cleared: stored empty
        QCOMPARE(prefs.phrases[4], std::string("two lines here"));
        // The cleared button sends its built-in phrase again.
        QCOMPARE(phraseFor(prefs.phrases, 3), QStringLiteral("Nice Try!"));
        QCOMPARE(phraseFor(prefs.phrases, 1), QStringLiteral("/me cheers"));
    }

    // What "Done" stores survives the settings file: a cleared field is written empty and a
    // later load leaves the button its built-in phrase.
    void throughTheSettingsFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::filesystem::path path = (dir.path() + QStringLiteral("/kestrunlobby.ini")).toStdString();
        {
            QFile f(QString::fromStdString(path.string()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[quadrino]\r\nPhrase3=Stored three\r\nPhrase4=Stored four\r\n");
        }
        Preferences prefs = Preferences::beforeFirstLoad();
        QCOMPARE(loadPreferencesFrom(path, prefs), std::string());
        PhraseEditor w(prefs);
        std::string error = "not saved";
        w.setSaver([&] { error = savePhrasesTo(path, prefs); });
        w.showPhraseList();
        QCOMPARE(field(w, 3)->text(), QStringLiteral("Stored three"));
        field(w, 3)->clear();
        field(w, 9)->setText(QString::fromUtf16(u"Bien jou\u00e9"));
        w.onDoneClicked();
        QCOMPARE(error, std::string());

        Preferences reread = Preferences::beforeFirstLoad();
        QCOMPARE(loadPreferencesFrom(path, reread), std::string());
        QCOMPARE(reread.phrases[2], std::string());
        QCOMPARE(phraseFor(reread.phrases, 3), QStringLiteral("Nice Try!"));
        QCOMPARE(reread.phrases[3], std::string("Stored four"));
        QCOMPARE(phraseFor(reread.phrases, 9), QString::fromUtf16(u"Bien jou\u00e9"));
        QFile f(QString::fromStdString(path.string()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.contains("Phrase3=\r\n"));
        QVERIFY(bytes.contains("Phrase9=Bien jou\xe9\r\n"));
    }
};

QTEST_MAIN(TestPhraseEditor)
#include "test_phrase_editor.moc"
