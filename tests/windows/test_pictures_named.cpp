// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader meets no nameless picture in the side windows: every label showing a
// picture and every button drawn as a picture alone has an accessible name.
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <functional>
#include <memory>

#include "windows/about_box.h"
#include "windows/gamestart.h"
#include "windows/help_window.h"
#include "windows/lobby_advert.h"
#include "windows/spy_list.h"

using namespace quadrino;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

class TestPicturesNamed : public QObject {
    Q_OBJECT
private slots:
    void everyShowingPictureHasAName_data() {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<bool>("hasPictures");
        QTest::addRow("about box") << Opener([] { return new AboutBox; }) << true;
        QTest::addRow("lobby advert") << Opener([] { return new LobbyAdvert; }) << true;
        QTest::addRow("game options") << Opener([] { return new GameOptionsDialog; }) << true;
        QTest::addRow("help") << Opener([] { return new HelpWindow; }) << false;
        QTest::addRow("spectators") << Opener([] { return new SpyListWindow; }) << false;
    }
    void everyShowingPictureHasAName() {
        QFETCH(Opener, open);
        QFETCH(bool, hasPictures);
        std::unique_ptr<QWidget> window(open());
        window->show();
        int pictures = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* button = qobject_cast<QAbstractButton*>(w);
            const bool picture = label ? !label->pixmap().isNull() && label->text().isEmpty() : button && button->text().isEmpty();
            if (!w->isVisible() || !picture) continue;
            ++pictures;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
        }
        QCOMPARE(pictures > 0, hasPictures);
    }
};

QTEST_MAIN(TestPicturesNamed)
#include "test_pictures_named.moc"
