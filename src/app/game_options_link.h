// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game options dialog's boxes hold the options' state while the program runs; the
// preferences keep them for the next run.
namespace quadrino {

class GameOptionsDialog;
struct Preferences;

void showOptionsIn(GameOptionsDialog& dialog, const Preferences& prefs);
void takeOptionsFrom(const GameOptionsDialog& dialog, Preferences& prefs);

} // namespace quadrino
