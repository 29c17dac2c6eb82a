// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every entry of the main window's menus, and of the chat pane's pop-up menu, as one table:
// the window builds its menus from it and the tests check what must hold for every row.
#include <span>

#include "settings/preferences.h"

class QMenuBar;

namespace quadrino {

class MainWindow;

// The entries that only some copies may use are off elsewhere.
enum class MenuNeeds {
    Nothing,
    HostingUser, // number 1, whichever copy runs the host
    HostHere,    // this copy runs the host (and so its computer players)
    LostGame,    // the connection to a game joined from the menus dropped and was not won back
};

struct MenuRow {
    enum class Kind { Menu, Popup, Entry, Separator };
    Kind kind = Kind::Entry;
    const char* name = "";     // objectName (of the menu's own action for a menu)
    const char* parent = "";   // the menu it sits in; "" for the menu bar or a pop-up of its own
    const char* caption = "";  // with '&' before the letter that chooses it
    const char* shortcut = ""; // QKeySequence text, "" for none
    bool checkable = false;
    // A radio entry: checkable, one of its group checked, `tag` is the value it chooses.
    const char* group = "";
    int tag = 0;
    MenuNeeds needs = MenuNeeds::Nothing;
    void (MainWindow::*handler)() = nullptr;
    // A preference the entry edits instead: a check mark's flag, or a radio group's value.
    bool Preferences::*flag = nullptr;
    int Preferences::*setting = nullptr;
};

std::span<const MenuRow> menuRows();

// Makes the menus of the table: the top-level ones in `bar`, the pop-ups as children of
// the window, every entry wired to its handler. Entries that need something start off.
void buildMenus(MainWindow& window, QMenuBar* bar);

} // namespace quadrino
