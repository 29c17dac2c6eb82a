// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's choices that the option menus edit and the settings file keeps. A plain value:
// the menus write it, the chat pane, the sounds and the in-process host read it.
#include <array>
#include <string>

#include "protocol/colour_text.h"

namespace quadrino {

struct Preferences {
    // Window placement (wintop, winleft, winwidth, winheight); all 0 until first loaded.
    int top = 0, left = 0, width = 0, height = 0;
    int textSize = 0;             // chat text points; 0 until chosen or loaded (the pane shows 10)
    BgrColour textColor = kBlack; // the user's chat colour
    bool playSounds = true;
    bool chatterSounds = false;
    int turnSound = 0;            // 0 classic ("turn"), 1 new ("turnnew")
    int botSpeed = 750;           // computer-player step in ms: 1500, 1000, 500; 750 until loaded
    // The game options dialog's defaults.
    bool penalty = true, passing = false, blocking = true, pouncing = true, fullgame = false;
    int blocklimit = 0;
    std::array<std::string, 9> phrases{}; // UTF-8; empty keeps the button's built-in phrase
};

} // namespace quadrino
