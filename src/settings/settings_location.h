// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where this run keeps the shared settings file and the tally file.
//
// Beside the program only when that folder already holds a settings file that this user can
// replace (a portable copy, or a lobby that shares its file with us), and never when the
// program is installed in a system folder: what a run as root leaves there belongs to no
// user. Otherwise the settings go to the user's configuration folder and the tally to the
// user's data folder. A new user's files start as copies of the ones beside a portable
// program; files in a system folder are never copied, so one account's tally cannot turn up
// in everyone else's.
//
// Once the user's folders hold any of the files they are used from then on: switching back
// when the program's folder later becomes writable would fork the tally into two that each
// miss games. A tally already kept in the configuration folder (where earlier versions put
// it) stays there: every version finds it there, so none of them starts a second one.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace quadrino {

inline constexpr std::string_view kSettingsFileName = "kestrunlobby.ini";
inline constexpr std::string_view kTallyFileName = "quadrinotally.tld";

struct SettingsLocation {
    std::filesystem::path settingsFile;
    std::filesystem::path tallyFile;
    // Whether saves can succeed. When false the paths name the files that exist, so they
    // can still be read, and are empty when there is nothing this run may even read.
    bool writable = false;
    // For the user, shown once: nothing can be written, or files beside the program could
    // not be carried over. Empty when all is well.
    std::string error;
};

// The user's own folders, empty when there is no home folder. Without a configuration folder
// only a portable program's folder can be used; without a data folder the tally is kept in
// the configuration folder.
struct UserFolders {
    std::filesystem::path config; // the settings file, shared with the lobby
    std::filesystem::path data;   // the tally
};

// Whether a new file can be made in `folder` (tried, not judged from permission bits, which
// say nothing of read-only mounts or access lists). Leaves nothing behind.
bool canCreateFilesIn(const std::filesystem::path& folder);

// Whether `folder` is where programs are installed for every user of the machine: under
// /usr (/usr/local too), /bin, /sbin, /lib*, /opt, or the macOS /Applications and /System.
// Links are followed first. Whoever can write there (root, an administrator) must still not
// leave files there that other users would then inherit.
bool isSystemFolder(const std::filesystem::path& folder);

using FolderTest = std::function<bool(const std::filesystem::path& folder)>;

// Chooses the files for this run. The user's folders are created when they are needed.
// Tests pass their own folders and may pass their own idea of which folders can be written
// and which are system folders.
SettingsLocation locateSettings(const std::filesystem::path& programFolder, const UserFolders& user,
                                const FolderTest& canWrite = canCreateFilesIn,
                                const FolderTest& isSystem = isSystemFolder);

// $XDG_CONFIG_HOME/Kestrun, else $HOME/.config/Kestrun; empty when neither is set.
std::filesystem::path defaultConfigFolder();
// $XDG_DATA_HOME/quadrino, else $HOME/.local/share/quadrino; empty when neither is set.
std::filesystem::path defaultDataFolder();

} // namespace quadrino
