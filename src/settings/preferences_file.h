// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Preferences to and from the "quadrino" section of the shared settings file.
#include <filesystem>
#include <string>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/preferences.h"

namespace quadrino {

// Our section of the file; the other sections belong to the maker's other programs.
inline constexpr std::string_view kSettingsSection = "quadrino";

// Reads every key into `prefs` and marks it loaded. An absent key, text that is no number,
// or a number outside the key's range (Textsize 1-72, the option flags 0/1, Limits 0-10,
// Width and Height 1 to 2^20, Top and Left within 2^20 either way, Textcolor a plain colour)
// gives the key's default. Phrases that are empty or absent leave the phrase in `prefs` as it
// was.
void loadPreferences(const IniFile& file, Preferences& prefs);

// Writes every key except the phrases. Until `prefs` has been loaded in this run, only the
// window placement is written: the rest still holds the window's starting states, and
// writing them would overwrite the user's stored choices.
void savePreferences(const Preferences& prefs, IniFile& file);

// The phrase editor's write: "Phrase1" to "Phrase9".
void savePhrases(const Preferences& prefs, IniFile& file);

// The same against the file on disk. Loading a missing file gives the defaults and returns
// ""; a file that exists but cannot be read also gives the defaults and returns why. Saving
// reads the file afresh, changes our keys and replaces the file in one step; it returns ""
// or "Unable to write to " + path.
std::string loadPreferencesFrom(const std::filesystem::path& path, Preferences& prefs);
std::string savePreferencesTo(const std::filesystem::path& path, const Preferences& prefs);
std::string savePhrasesTo(const std::filesystem::path& path, const Preferences& prefs);

} // namespace quadrino
