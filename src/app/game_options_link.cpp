// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_options_link.h"

#include "settings/preferences.h"
#include "windows/gamestart.h"

namespace quadrino {

void showOptionsIn(GameOptionsDialog& dialog, const Preferences& p) {
    dialog.changebox(QStringLiteral("box_penalty"), p.penalty ? 1 : 0);
    dialog.changebox(QStringLiteral("box_passing"), p.passing ? 1 : 0);
    dialog.changebox(QStringLiteral("box_blocking"), p.blocking ? 1 : 0);
    dialog.changebox(QStringLiteral("box_pouncing"), p.pouncing ? 1 : 0);
    dialog.changebox(QStringLiteral("box_fullgame"), p.fullgame ? 1 : 0);
    dialog.changebox1(QStringLiteral("updown_limited"), p.blocklimit);
}

void takeOptionsFrom(const GameOptionsDialog& dialog, Preferences& p) {
    p.penalty = dialog.penalty() == 1;
    p.passing = dialog.passing() == 1;
    p.blocking = dialog.blocking() == 1;
    p.pouncing = dialog.pouncing() == 1;
    p.fullgame = dialog.fullgame() == 1;
    p.blocklimit = dialog.blocklimit();
}

} // namespace quadrino
