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

namespace {

bool isPicture(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return !label->pixmap().isNull() && label->text().isEmpty();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().isEmpty();
    return false;
}

QString spokenName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class TestPicturesNamed : public QObject {
    Q_OBJECT
private slots:
    void everyShowingPictureHasAName_data();
    void everyShowingPictureHasAName();
};

void TestPicturesNamed::everyShowingPictureHasAName_data() {
    QTest::addColumn<Opener>("open");
    QTest::addRow("about box") << Opener([] { return new AboutBox; });
    QTest::addRow("lobby advert") << Opener([] { return new LobbyAdvert; });
    QTest::addRow("game options") << Opener([] { return new GameOptionsDialog; });
    QTest::addRow("help") << Opener([] { return new HelpWindow; });
    QTest::addRow("spectators") << Opener([] { return new SpyListWindow; });
}

void TestPicturesNamed::everyShowingPictureHasAName() {
    QFETCH(Opener, open);
    std::unique_ptr<QWidget> window(open());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    int pictures = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !isPicture(w)) continue;
        ++pictures;
        QVERIFY2(!spokenName(w).isEmpty(), qPrintable(w->objectName()));
    }
    // The windows with pictures must have been seen to have them.
    if (qobject_cast<AboutBox*>(window.get()) || qobject_cast<LobbyAdvert*>(window.get())) QVERIFY(pictures > 0);
}

QTEST_MAIN(TestPicturesNamed)
#include "test_pictures_named.moc"
