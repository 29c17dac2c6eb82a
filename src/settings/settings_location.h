// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where this run keeps the shared settings file and the tally file.
//
// Beside the program when that folder can take them (a portable copy, or the lobby's own
// folder); otherwise, for an installed read-only copy, in the user's configuration folder,
// carrying over the files found beside the program the first time. Once the user's folder
// holds either file it is used for both from then on: switching back when the program's
// folder later becomes writable would fork the tally into two that each miss games.
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
    // can still be read.
    bool writable = false;
    // For the user, shown once: nothing can be written, or files beside the program could
    // not be carried over. Empty when all is well.
    std::string error;
};

// Whether a new file can be made in `folder` (tried, not judged from permission bits, which
// say nothing of read-only mounts or access lists). Leaves nothing behind.
bool canCreateFilesIn(const std::filesystem::path& folder);

using FolderTest = std::function<bool(const std::filesystem::path& folder)>;

// Chooses the files for this run. `userFolder` is created when it is needed. Tests pass
// their own folders and may pass their own idea of which folders can be written.
SettingsLocation locateSettings(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder,
                                const FolderTest& canWrite = canCreateFilesIn);

// $XDG_CONFIG_HOME/Kestrun, else $HOME/.config/Kestrun; empty when neither is set.
std::filesystem::path defaultUserFolder();

} // namespace quadrino
