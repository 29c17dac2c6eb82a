// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every shipped language, at the size it opens at: no caption is cut off and
// the main window still fits its default size. English is the baseline the layouts were made
// for, so it is checked the same way.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

#include "app/lobby_window.h"
#include "app/main_window.h"
#include "app/network_game_dialog.h"
#include "app/translations.h"
#include "settings/preferences.h"
#include "tally/tally_window.h"
#include "windows/about_box.h"
#include "windows/gamestart.h"
#include "windows/help_window.h"
#include "windows/lobby_advert.h"
#include "windows/phrase_editor.h"
#include "windows/spy_list.h"

using namespace quadrino;

namespace {

void useLanguage(const QString& language) {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    if (!language.isEmpty()) QVERIFY(!installTranslations(*qApp, QLocale(language)).isEmpty());
}

// The captions in `window` that need more room than they have, in words for the failure.
QStringList cutCaptions(QWidget* window) {
    QStringList cut;
    auto check = [&](QWidget* w, const QString& text, int wanted) {
        if (w->isVisibleTo(window) && !text.isEmpty() && wanted > w->width())
            cut << QStringLiteral("%1 \"%2\" wants %3 px, has %4").arg(w->objectName(), text).arg(wanted).arg(w->width());
    };
    for (QLabel* label : window->findChildren<QLabel*>())
        if (!label->wordWrap()) check(label, label->text(), label->sizeHint().width());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        // A push button's size hint has a floor for short words; what counts is its text.
        int wanted = button->sizeHint().width();
        if (qobject_cast<QPushButton*>(button)) {
            const QStyle* style = button->style();
            wanted = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) +
                     style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                     2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) +
                     (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
        }
        check(button, button->text(), wanted);
    }
    for (QGroupBox* box : window->findChildren<QGroupBox*>())
        check(box, box->title(), box->minimumSizeHint().width());
    return cut;
}

} // namespace

class TestTranslationFit : public QObject {
    Q_OBJECT
private slots:
    void languagesAreShipped() { QCOMPARE(shippedLanguages(), (QStringList{QStringLiteral("de"), QStringLiteral("es")})); }

    void everyWindowFits_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString& language : shippedLanguages()) QTest::newRow(qPrintable(language)) << language;
    }
    void everyWindowFits() {
        QFETCH(QString, language);
        useLanguage(language);
        QTemporaryDir dir;
        Preferences prefs;
        PreferencesStore store;
        GameLauncher launcher(store);
        const std::vector<std::function<QWidget*()>> makers = {
            [] { return new MainWindow; },
            [] { return new NetworkGameDialog(NetworkGameDialog::Kind::Host); },
            [] { return new NetworkGameDialog(NetworkGameDialog::Kind::Join); },
            [] { return new GameOptionsDialog; },
            [] { return new AboutBox; },
            [] { return new LobbyAdvert; },
            [&] { return new TallyWindow(dir.filePath(QStringLiteral("tally"))); },
            [&] { return new PhraseEditor(prefs); },
            [] { return new SpyListWindow; },
            [] { return new HelpWindow; },
            [&] { return new LobbyWindow(store, launcher); },
        };
        QStringList cut;
        for (const auto& make : makers) {
            std::unique_ptr<QWidget> window(make());
            window->show();
            QCoreApplication::processEvents();
            for (const QString& caption : cutCaptions(window.get()))
                cut << window->metaObject()->className() + QStringLiteral(": ") + caption;
            if (auto* main = qobject_cast<MainWindow*>(window.get())) {
                const QSize least = main->minimumSizeHint();
                if (least.width() > Preferences::kDefaultWidth || least.height() > Preferences::kDefaultHeight)
                    cut << QStringLiteral("the main window needs %1x%2").arg(least.width()).arg(least.height());
            }
        }
        useLanguage(QString());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslationFit)
#include "test_translation_fit.moc"
