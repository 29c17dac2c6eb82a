// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/side_windows.h"

#include <QDialog>

#include <QAction>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "art/art.h"
#include "windows/about_box.h"
#include "windows/help_window.h"
#include "windows/lobby_advert.h"

namespace quadrino {
namespace {

// The window of this kind that the main window owns, made on first use.
template <typename Window> Window* ownedWindow(QWidget* mainWindow, void (*prepare)(QWidget*, Window*) = nullptr) {
    if (!mainWindow) return nullptr;
    if (auto* existing = mainWindow->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly)) return existing;
    auto* window = new Window(mainWindow);
    closeOnEscape(window);
    if (prepare) prepare(mainWindow, window);
    return window;
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void centreWindowAt(QWidget* window, QPoint centre) {
    // A window's position is its frame's; the frame's middle lies this far from it.
    window->move(centre - (window->frameGeometry().center() - window->pos()));
}

QFont sideWindowFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"), -1, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

void setUpSideWindow(QDialog* window, const QString& name, const QString& title, int pixelSize) {
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->setModal(false);
    window->setFont(sideWindowFont(pixelSize));
    applySideWindowBackground(window);
}

void applySideWindowBackground(QWidget* window) {
    QPalette pal = window->palette();
    pal.setBrush(QPalette::Window, QBrush(QColor(221, 221, 193), art::background()));
    pal.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void closeOnEscape(QWidget* window) {
    static const QString kName = QStringLiteral("closeOnEscape");
    if (!window || window->findChild<QShortcut*>(kName, Qt::FindDirectChildrenOnly)) return;
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close);
    escape->setObjectName(kName);
}

void presentSideWindow(QWidget* window, QWidget* mainWindow) {
    if (!window) return;
    applySideWindowBackground(window);
    closeOnEscape(window);
    const bool opening = !window->isVisible();
    bringToFront(window);
    // Centred once shown, when its layout has given it the size it shows with.
    if (opening && mainWindow) centreWindowAt(window, mainWindow->window()->frameGeometry().center());
}

HelpWindow* helpWindow(QWidget* mainWindow) {
    return ownedWindow<HelpWindow>(mainWindow, [](QWidget* owner, HelpWindow* help) {
        QObject::connect(help, &HelpWindow::aboutRequested, owner, [owner] { showAbout(owner); });
    });
}

AboutBox* aboutBox(QWidget* mainWindow) { return ownedWindow<AboutBox>(mainWindow); }

LobbyAdvert* lobbyAdvert(QWidget* mainWindow) {
    return ownedWindow<LobbyAdvert>(mainWindow, [](QWidget* owner, LobbyAdvert* advert) {
        // "Play with Others" leaves through the main window's "Exit": closing it ends the game.
        advert->setExit([owner] { owner->close(); });
    });
}

void showHelp(QWidget* mainWindow) {
    HelpWindow* help = helpWindow(mainWindow);
    if (!help) return;
    if (!help->isVisible()) help->showPage(HelpWindow::kFirstPage);
    bringToFront(help);
}

void showAbout(QWidget* mainWindow) {
    if (AboutBox* about = aboutBox(mainWindow)) bringToFront(about);
}

void showLobbyAdvert(QWidget* mainWindow) {
    if (LobbyAdvert* advert = lobbyAdvert(mainWindow)) bringToFront(advert);
}

void connectHelpMenu(QWidget* mainWindow, QAction* content, QAction* about) {
    if (!mainWindow) return;
    if (content) QObject::connect(content, &QAction::triggered, mainWindow, [mainWindow] { showHelp(mainWindow); });
    if (about) QObject::connect(about, &QAction::triggered, mainWindow, [mainWindow] { showAbout(mainWindow); });
}

} // namespace quadrino
