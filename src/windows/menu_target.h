// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a pop-up menu was opened on. Spectators come and go and seats change hands while a
// menu is open; remembering the entry (or seat) together with the name it showed, and acting
// only when it still shows that name, keeps a removal from hitting whoever moved into the
// place the user pointed at.
#include <QString>

namespace quadrino {

struct MenuTarget {
    int number = -1; // connection or seat number; -1 when the menu opened over nothing
    QString name;    // the text shown for it then

    bool valid() const { return number >= 1; }
};

// True when `number` still shows `shownNow`, exactly the name it showed when the menu opened.
inline bool stillShows(const MenuTarget& opened, int number, const QString& shownNow) {
    return opened.valid() && opened.number == number && opened.name == shownNow;
}

} // namespace quadrino
