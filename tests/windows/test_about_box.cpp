// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its texts, the version that logins carry, the web address that opens in the
// browser, "Done" and its place over the main window.
#include <QDesktopServices>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "art/art.h"
#include "package_version.h"
#include "windows/about_box.h"
#include "windows/side_windows.h"

using quadrino::AboutBox;

// Stands in for the web browser: records what it was asked to open.
class FakeBrowser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void texts();
    void addressOpensInTheBrowser_data();
    void addressOpensInTheBrowser();
    void doneHides();
    void showAboutCentresItOnTheMainWindow();
    void showsTheMainWindowsBackground();
    void snapshot();

private:
    FakeBrowser browser_;
};

void TestAboutBox::init() {
    browser_.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser_, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser_, "open");
}

void TestAboutBox::cleanup() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestAboutBox::texts() {
    AboutBox about;
    QCOMPARE(about.objectName(), QString("about"));
    QCOMPARE(about.windowTitle(), QString("Quadrino - About"));
    QCOMPARE(about.findChild<QLabel*>("label_version")->text(), QString("Version"));
    QCOMPARE(about.findChild<QLabel*>("version")->text(), QString("1.0.15"));
    // The very text a login carries, so the two cannot drift apart.
    QCOMPARE(about.version(), QString::fromLatin1(quadrino::kPackageVersion.data(), qsizetype(quadrino::kPackageVersion.size())));
    QVERIFY(!about.findChild<QLabel*>("image_about")->pixmap().isNull());
    QVERIFY(about.findChild<QLabel*>("label_maker")->text().contains("Kestrun"));
    QCOMPARE(about.findChild<QLabel*>("label_website")->text(), QString("http://www.kestrun.com"));
    QCOMPARE(about.findChild<QPushButton*>("button_done")->text(), QString("Done"));
}

void TestAboutBox::addressOpensInTheBrowser_data() {
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::newRow("click") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestAboutBox::addressOpensInTheBrowser() {
    QFETCH(int, key);
    AboutBox about;
    QStringList messages;
    about.setMessageBox([&](const QString& text) { messages << text; });
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* site = about.findChild<QLabel*>("label_website");
    if (key == 0) {
        QTest::mouseClick(site, Qt::LeftButton);
    } else {
        site->setFocus();
        QTest::keyClick(site, Qt::Key(key));
    }
    QCOMPARE(browser_.opened, QList<QUrl>{QUrl("http://www.kestrun.com")});
    QVERIFY(messages.isEmpty());
    QVERIFY(about.isVisible());
    // A right click is not a click on the link.
    QTest::mouseClick(site, Qt::RightButton);
    QCOMPARE(browser_.opened.size(), 1);
}

void TestAboutBox::doneHides() {
    QMainWindow game;
    game.show();
    quadrino::showAbout(&game);
    AboutBox* about = quadrino::aboutBox(&game);
    QVERIFY(about->isVisible());
    QTest::mouseClick(about->findChild<QPushButton*>("button_done"), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QCOMPARE(quadrino::aboutBox(&game), about);
    QVERIFY(game.isVisible());
}

void TestAboutBox::showAboutCentresItOnTheMainWindow() {
    QMainWindow game;
    game.setGeometry(60, 40, 795, 562);
    game.show();
    QVERIFY(QTest::qWaitForWindowExposed(&game));
    quadrino::showAbout(&game);
    AboutBox* about = quadrino::aboutBox(&game);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    const QPoint offset = about->frameGeometry().center() - game.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
}

void TestAboutBox::showsTheMainWindowsBackground() {
    AboutBox about;
    QVERIFY(about.autoFillBackground());
    QCOMPARE(about.palette().brush(QPalette::Window).texture().toImage(), quadrino::art::background().toImage());
}

void TestAboutBox::snapshot() {
    const QString path = qEnvironmentVariable("QUADRINO_ABOUT_SHOT");
    if (path.isEmpty()) QSKIP("set QUADRINO_ABOUT_SHOT=file.png to save a picture of the about box");
    AboutBox about;
    about.show();
    QVERIFY(about.grab().save(path));
}

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
