// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: opened by F1 on its first page, page buttons bring their page to the front,
// "About" and "Done", its place and size on the screen, and page texts that read as written.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include "art/art.h"
#include "windows/about_box.h"
#include "windows/help_window.h"
#include "windows/side_windows.h"

using quadrino::HelpWindow;

namespace {

QAbstractButton* buttonWithText(QWidget& window, const QString& text) {
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

// A main window with the Help menu as the game has it.
struct GameWindow {
    QMainWindow window;
    QAction* content = nullptr;
    QAction* about = nullptr;

    GameWindow() {
        QMenu* help = window.menuBar()->addMenu(QStringLiteral("Help"));
        content = help->addAction(QStringLiteral("Content"));
        content->setShortcut(QKeySequence(Qt::Key_F1));
        help->addSeparator();
        about = help->addAction(QStringLiteral("About"));
        quadrino::connectHelpMenu(&window, content, about);
        // On the 800x600 test screen, with room for the help window centred on it.
        window.setGeometry(3, 30, 795, 562);
    }
};

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT
private slots:
    void pageButtonsBringTheirPageToTheFront_data();
    void pageButtonsBringTheirPageToTheFront();
    void f1OpensOnOverviewCentredOnTheMainWindow();
    void reopeningStartsOnOverviewButAnOpenWindowKeepsItsPage();
    void doneAndEscapeHide_data();
    void doneAndEscapeHide();
    void aboutButtonShowsTheAboutBox();
    void madeOncePerMainWindow();
    void unknownPageChangesNothing();
    void showsTheMainWindowsBackground();
    void openingKeepsTheWindowOnItsScreen();
    void everyControlStaysReachable_data();
    void everyControlStaysReachable();
    void pagesReadAsWritten_data();
    void pagesReadAsWritten();
    void pagesCoverTheirSubject_data();
    void pagesCoverTheirSubject();
    void snapshot();
};

void TestHelpWindow::pageButtonsBringTheirPageToTheFront_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("caption");
    QTest::newRow("overview") << 1 << "Overview";
    QTest::newRow("connecting") << 2 << "Connecting";
    QTest::newRow("game play") << 3 << "Game Play";
    QTest::newRow("game options") << 4 << "Game Options";
    QTest::newRow("keys") << 6 << "Keys";
    QTest::newRow("documentation") << 5 << "Documentation";
    QTest::newRow("lobby") << 11 << "The Lobby";
}

void TestHelpWindow::pageButtonsBringTheirPageToTheFront() {
    QFETCH(int, tag);
    QFETCH(QString, caption);
    HelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    // Start from another page, so the click has something to change.
    help.showPage(tag == 5 ? 4 : 5);

    QAbstractButton* button = buttonWithText(help, caption);
    QVERIFY2(button, qPrintable(caption));
    QCOMPARE(button->property("tag").toInt(), tag);
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(help.currentPage(), tag);
    QCOMPARE(help.findChild<QLabel*>("label_caption")->text(), caption);
    QVERIFY(button->isChecked());
    const auto memos = help.findChildren<QTextBrowser*>(QRegularExpression("^memo\\d+$"));
    QCOMPARE(memos.size(), 7);
    for (QTextBrowser* memo : memos) {
        const bool front = memo->objectName() == QStringLiteral("memo%1").arg(tag);
        QCOMPARE(memo->isVisible(), front);
        QVERIFY(memo->isReadOnly());
    }
}

void TestHelpWindow::f1OpensOnOverviewCentredOnTheMainWindow() {
    GameWindow game;
    game.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    QVERIFY(!quadrino::helpWindow(&game.window)->isVisible());

    QTest::keyClick(&game.window, Qt::Key_F1);

    HelpWindow* help = quadrino::helpWindow(&game.window);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->objectName(), QString("help"));
    QCOMPARE(help->windowTitle(), QString("Quadrino - Help File"));
    QCOMPARE(help->currentPage(), 1);
    QCOMPARE(help->findChild<QLabel*>("label_caption")->text(), QString("Overview"));
    QVERIFY(help->findChild<QTextBrowser*>("memo1")->isVisible());
    const QPoint offset = help->frameGeometry().center() - game.window.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
}

void TestHelpWindow::reopeningStartsOnOverviewButAnOpenWindowKeepsItsPage() {
    GameWindow game;
    game.window.show();
    game.content->trigger();
    HelpWindow* help = quadrino::helpWindow(&game.window);
    QTest::mouseClick(buttonWithText(*help, "Game Play"), Qt::LeftButton);

    game.content->trigger(); // still open: the reader keeps their place
    QCOMPARE(help->currentPage(), 3);

    QTest::mouseClick(buttonWithText(*help, "Done"), Qt::LeftButton);
    QVERIFY(!help->isVisible());
    game.content->trigger();
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentPage(), 1);
    QCOMPARE(help->findChild<QLabel*>("label_caption")->text(), QString("Overview"));
}

void TestHelpWindow::doneAndEscapeHide_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Done") << false;
    QTest::newRow("Esc") << true;
}

void TestHelpWindow::doneAndEscapeHide() {
    QFETCH(bool, escape);
    GameWindow game;
    game.window.show();
    game.content->trigger();
    HelpWindow* help = quadrino::helpWindow(&game.window);
    QVERIFY(help->isVisible());
    if (escape) QTest::keyClick(help, Qt::Key_Escape);
    else QTest::mouseClick(buttonWithText(*help, "Done"), Qt::LeftButton);
    QVERIFY(!help->isVisible());
    // Hidden, not gone: the same window comes back.
    QCOMPARE(quadrino::helpWindow(&game.window), help);
    QVERIFY(game.window.isVisible());
}

void TestHelpWindow::aboutButtonShowsTheAboutBox() {
    GameWindow game;
    game.window.show();
    game.content->trigger();
    HelpWindow* help = quadrino::helpWindow(&game.window);
    QVERIFY(!quadrino::aboutBox(&game.window)->isVisible());
    QTest::mouseClick(buttonWithText(*help, "About"), Qt::LeftButton);
    QVERIFY(quadrino::aboutBox(&game.window)->isVisible());
    QVERIFY(help->isVisible());
}

void TestHelpWindow::madeOncePerMainWindow() {
    GameWindow game;
    HelpWindow* help = quadrino::helpWindow(&game.window);
    QVERIFY(help);
    QCOMPARE(quadrino::helpWindow(&game.window), help);
    QCOMPARE(help->parentWidget(), &game.window);
    QVERIFY(help->isWindow());
    QVERIFY(!quadrino::helpWindow(nullptr));
    quadrino::showHelp(nullptr); // nothing to show it for: no window, no crash
}

void TestHelpWindow::unknownPageChangesNothing() {
    HelpWindow help;
    help.showPage(4);
    for (int tag : {0, 7, 10, 12, -1}) {
        QVERIFY(!help.showPage(tag));
        QCOMPARE(help.currentPage(), 4);
        QCOMPARE(help.findChild<QLabel*>("label_caption")->text(), QString("Game Options"));
    }
}

void TestHelpWindow::showsTheMainWindowsBackground() {
    HelpWindow help;
    QVERIFY(help.autoFillBackground());
    QCOMPARE(help.palette().brush(QPalette::Window).texture().toImage(), quadrino::art::background().toImage());
}

void TestHelpWindow::openingKeepsTheWindowOnItsScreen() {
    GameWindow game;
    game.window.show();
    HelpWindow* help = quadrino::helpWindow(&game.window);
    // Left larger than the screen, say by a larger screen it was last opened on.
    help->resize(1600, 1200);
    game.content->trigger();
    const QRect available = game.window.screen()->availableGeometry();
    QVERIFY(available.contains(help->frameGeometry()));
}

void TestHelpWindow::everyControlStaysReachable_data() {
    QTest::addColumn<QRect>("area"); // the screen's free area; empty: the smallest window it allows
    QTest::newRow("1.5x on 1024x600") << QRect(0, 0, 683, 400);
    QTest::newRow("1.5x on 1024x600 under a panel") << QRect(0, 18, 683, 382);
    QTest::newRow("2x on 1024x600") << QRect(0, 0, 512, 300);
    QTest::newRow("smallest window") << QRect();
}

void TestHelpWindow::everyControlStaysReachable() {
    QFETCH(QRect, area);
    HelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    if (area.isValid()) {
        help.fitInto(area);
        QTRY_VERIFY(area.contains(help.frameGeometry()));
    } else {
        help.resize(1, 1);
        QTRY_COMPARE(help.size(), help.minimumSize());
    }

    QCoreApplication::processEvents(); // laid out at the new size, as the event loop would
    help.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    // Reached as the keyboard reaches them, and then wholly in view: Tab reaches "About",
    // "Done" and the button of the page in front, the arrow keys the other pages' buttons.
    auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    auto inView = [](QWidget* w) { return w->visibleRegion().boundingRect() == w->rect(); };
    const quadrino::HelpPage last = quadrino::helpPages().back();
    help.showPage(last.tag);
    for (const QString& caption : QStringList{"About", "Done", last.button}) {
        QAbstractButton* button = buttonWithText(help, caption);
        for (int presses = 0; presses < 20 && QApplication::focusWidget() != button; ++presses)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        QVERIFY2(inView(button), qPrintable(caption));
    }
    for (qsizetype i = quadrino::helpPages().size() - 2; i >= 0; --i) {
        const quadrino::HelpPage page = quadrino::helpPages()[i];
        press(Qt::Key_Up);
        QAbstractButton* button = buttonWithText(help, page.button);
        QCOMPARE(QApplication::focusWidget(), button);
        QCOMPARE(help.currentPage(), page.tag);
        QVERIFY2(inView(button), qPrintable(page.button));
    }
}

void TestHelpWindow::pagesReadAsWritten_data() {
    QTest::addColumn<int>("tag");
    for (const quadrino::HelpPage& page : quadrino::helpPages()) QTest::newRow(qPrintable(page.button)) << page.tag;
}

void TestHelpWindow::pagesReadAsWritten() {
    QFETCH(int, tag);
    HelpWindow help;
    const QString text = help.findChild<QTextBrowser*>(QStringLiteral("memo%1").arg(tag))->toPlainText();
    QVERIFY(text.size() > 100);
    // Markup and entities all understood: none shows through as text.
    const QRegularExpression markup(QStringLiteral("</?[a-z]|&#?\\w+;"));
    const QRegularExpressionMatch leftover = markup.match(text);
    QVERIFY2(!leftover.hasMatch(), qPrintable(leftover.captured()));
    // The menus' own captions end in "..."; nothing else may.
    const QRegularExpression menuCaption(QStringLiteral("\\b(Host|Join) Network Game\\.\\.\\."));
    const QString prose = QString(text).remove(menuCaption);
    for (const char* unfinished : {"TODO", "TBD", "XXX", "FIXME", "lorem", "placeholder", "..."})
        QVERIFY2(!prose.contains(QLatin1String(unfinished), Qt::CaseInsensitive), unfinished);
    // Typing slips: doubled words and doubled blanks.
    const QRegularExpression doubled(QStringLiteral("\\b(\\w+) \\1\\b"));
    const QRegularExpressionMatch twice = doubled.match(text);
    QVERIFY2(!twice.hasMatch(), qPrintable(twice.captured()));
    QVERIFY(!text.contains(QStringLiteral("  ")));
}

void TestHelpWindow::pagesCoverTheirSubject_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<QStringList>("mentions");
    QTest::newRow("connecting") << 2
                                << QStringList{"Host Network Game...", "Join Network Game...", "7772",
                                               "port 7772 is in use on this machine", "127.0.0.1",
                                               "greyed out", "quadrino-host", "--owner-address",
                                               "ufw allow 7772/tcp", "firewall-cmd --permanent --add-port=7772/tcp",
                                               "port forwarding", "Play Solo Game", "Game is full"};
    QTest::newRow("game play") << 3
                               << QStringList{"five", "20 squares", "10 squares", "third doubles",
                                              "block limit", "Pass", "team", "exact count", "Keys"};
    // Every option under the caption the game options dialog gives it, and the host's menus.
    QTest::newRow("game options") << 4
                                  << QStringList{"3 Double Penalty", "Passing Allowed", "Blocking Allowed",
                                                 "Limit Blocks To:", "Pouncing Allowed", "Full Game",
                                                 "Team Game", "0 allows unlimited blocking", "1 counts as 2",
                                                 "Bot Level", "Bot Speed", "greyed out"};
    QTest::newRow("keys") << 6
                          << QStringList{"Space:", "1 to 4:", "Tab and Shift+Tab:", "Enter:", "Esc:", "P:",
                                         "B:", "F6:", "Ctrl+N:", "Ctrl+S:", "F1:", "Alt+F", "Ctrl+V", "Ctrl+C",
                                         "Bot Level", "Screen readers"};
    QTest::newRow("documentation") << 5 << QStringList{"1.0.15"};
    QTest::newRow("lobby") << 11 << QStringList{"The Kestrun Lobby", "kestrunlobby", "web browser"};
}

void TestHelpWindow::pagesCoverTheirSubject() {
    QFETCH(int, tag);
    QFETCH(QStringList, mentions);
    HelpWindow help;
    const QString text = help.findChild<QTextBrowser*>(QStringLiteral("memo%1").arg(tag))->toPlainText();
    for (const QString& mention : mentions) QVERIFY2(text.contains(mention), qPrintable(mention));
}

void TestHelpWindow::snapshot() {
    const QString folder = qEnvironmentVariable("QUADRINO_HELP_SHOTS");
    if (folder.isEmpty()) QSKIP("set QUADRINO_HELP_SHOTS=folder to save a picture of every page");
    HelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    for (const quadrino::HelpPage& page : quadrino::helpPages()) {
        help.showPage(page.tag);
        QVERIFY(help.grab().save(QStringLiteral("%1/help%2.png").arg(folder).arg(page.tag)));
    }
}

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
