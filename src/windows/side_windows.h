// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window, the about box and the lobby advert as the main window reaches them. Each
// is made once, on first use, as a window of its own owned by the main window, and is then
// only shown and hidden until the main window goes.
#include <QFont>
#include <QPoint>

class QAction;
class QDialog;
class QWidget;

namespace quadrino {

class AboutBox;
class LobbyAdvert;
class HelpWindow;

// The one instance of each window for this main window (made on first call). Null without
// a main window.
HelpWindow* helpWindow(QWidget* mainWindow);
AboutBox* aboutBox(QWidget* mainWindow);
LobbyAdvert* lobbyAdvert(QWidget* mainWindow);

// Help > "Content": the help window on its first page, centred on the main window. A help
// window already open keeps the page it shows and comes to the front.
void showHelp(QWidget* mainWindow);
// Help > "About" and the help window's "About": the about box, centred on the main window.
void showAbout(QWidget* mainWindow);
// The start of a solo game: the lobby advert, centred on the desktop and above the game.
// Its "Play with Others" ends the game by closing the main window, as File > "Exit" does.
void showLobbyAdvert(QWidget* mainWindow);

// Connects the Help menu's "Content" and "About" entries to the windows above.
void connectHelpMenu(QWidget* mainWindow, QAction* content, QAction* about);

// Moves a window so that the middle of its frame comes to `centre`.
void centreWindowAt(QWidget* window, QPoint centre);

// The side windows' font: Arial (or a sans serif in its place) at a size in pixels.
QFont sideWindowFont(int pixelSize, bool bold = false);
// What every side window is: its objectName and title, not modal, the side windows' font at
// `pixelSize` and the main window's background.
void setUpSideWindow(QDialog* window, const QString& name, const QString& title, int pixelSize);

// Gives a side window the main window's background picture.
void applySideWindowBackground(QWidget* window);
// Lets Escape close the window (once per window, however often it is called).
void closeOnEscape(QWidget* window);
// Shows a side window as every side window appears: the main window's background, Escape
// closes it, centred on the main window and in front.
void presentSideWindow(QWidget* window, QWidget* mainWindow);

} // namespace quadrino
