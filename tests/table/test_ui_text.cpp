// SPDX-License-Identifier: GPL-3.0-or-later
// The table's texts on screen: patterns translated, then filled, in the translation's order.
#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <cstring>

#include "table/ui_text.h"
#include "table/ui_text_qt.h"

using namespace quadrino;
using table::plain;
using table::UiText;
using table::words;

namespace {

constexpr const char* kContext = "quadrino::table::TableModel";

// A language that turns the sentence round and has its own word for "home".
class Reordering : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::strcmp(context, kContext) != 0) return {};
        if (std::strcmp(source, "%1 sent %2 back to start.") == 0) return QStringLiteral("%2 wurde von %1 geschlagen.");
        if (std::strcmp(source, "Game over: %1") == 0) return QStringLiteral("Spielende: %1");
        if (std::strcmp(source, "home") == 0) return QStringLiteral("Ziel");
        return {};
    }
};

} // namespace

class TestUiText : public QObject {
    Q_OBJECT

private slots:
    void englishFillsEveryPlaceholderOnce() {
        const UiText t = words(kContext, "Game over: %1", {words(kContext, "%1 sent %2 back to start.", {plain("Ann"), plain("Bob")})});
        QCOMPARE(QString::fromStdString(t.english()), QStringLiteral("Game over: Ann sent Bob back to start."));
        // A name that looks like a placeholder is a name.
        const UiText odd = words(kContext, "%1 sent %2 back to start.", {plain("%2"), plain("100%")});
        QCOMPARE(QString::fromStdString(odd.english()), QStringLiteral("%2 sent 100% back to start."));
        // A missing value leaves nothing rather than the placeholder.
        QCOMPARE(QString::fromStdString(words(kContext, "Game over: %1").english()), QStringLiteral("Game over: "));
    }

    void withoutTranslatorTheScreenShowsTheEnglish() {
        const UiText t = words(kContext, "%1 sent %2 back to start.", {plain("Ann"), plain("Bob")});
        QCOMPARE(table::translated(t), QString::fromStdString(t.english()));
    }

    void translationReordersAndTranslatesNestedWords() {
        Reordering language;
        QVERIFY(QCoreApplication::installTranslator(&language));
        const UiText t = words(kContext, "Game over: %1",
                               {words(kContext, "%1 sent %2 back to start.", {plain("%2 Ann"), words(kContext, "home")})});
        const QString shown = table::translated(t);
        QCoreApplication::removeTranslator(&language);
        QCOMPARE(shown, QStringLiteral("Spielende: Ziel wurde von %2 Ann geschlagen."));
    }

    void namesAreNeverLookedUp() {
        Reordering language;
        QVERIFY(QCoreApplication::installTranslator(&language));
        const QString shown = table::translated(plain("home"));
        QCoreApplication::removeTranslator(&language);
        QCOMPARE(shown, QStringLiteral("home"));
    }
};

QTEST_GUILESS_MAIN(TestUiText)
#include "test_ui_text.moc"
