// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_location.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "settings/ini_file.h"

namespace quadrino {
namespace {

namespace fs = std::filesystem;

// Also counts a link whose target is gone: it still names the file the user meant.
bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// A save replaces the file where its links end, so that folder is the one that must take it.
bool canReplace(const fs::path& file, const FolderTest& canWrite) {
    const fs::path target = resolveLinks(file);
    return canWrite(target.parent_path().empty() ? fs::path(".") : target.parent_path());
}

// The tally is the larger file; this still keeps a foreign file from costing memory.
constexpr std::uintmax_t kMaxCopyBytes = 64 * 1024 * 1024;

// Copies in one step, so a crash cannot leave a half copy that would then win over the
// original as "the user's copy".
bool copyInto(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    const auto size = fs::file_size(from, ec);
    if (ec || size > kMaxCopyBytes) return false;
    std::ifstream in(from, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return false;
    if (!replaceFileAtomically(to, bytes).empty()) return false;
    // A copy of a read-only installed file must still take our saves.
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return true;
}

} // namespace

bool canCreateFilesIn(const fs::path& folder) {
    if (folder.empty()) return false;
    std::string name = (folder / ".quadrino-write-test-XXXXXX").string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(name.c_str());
    return true;
}

bool isSystemFolder(const fs::path& folder) {
    if (folder.empty()) return false;
    std::error_code ec;
    fs::path p = fs::weakly_canonical(folder, ec);
    if (ec) p = folder.lexically_normal();
    auto part = p.begin();
    if (p.has_root_name()) ++part;
    if (!p.has_root_directory()) return false;
    ++part;
    if (part == p.end()) return true; // the root folder itself is no user's
    const std::string top = part->string();
    return top == "usr" || top == "bin" || top == "sbin" || top.starts_with("lib") || top == "opt" ||
           top == "Applications" || top == "System";
}

SettingsLocation locateSettings(const fs::path& programFolder, const UserFolders& user,
                                const FolderTest& canWrite, const FolderTest& isSystem) {
    const bool systemProgram = isSystem(programFolder);
    const fs::path besideSettings = programFolder / kSettingsFileName;
    const fs::path besideTally = programFolder / kTallyFileName;
    const bool haveUserFolder = !user.config.empty();
    const fs::path dataFolder = user.data.empty() ? user.config : user.data;
    const fs::path userSettings = user.config / kSettingsFileName;
    const fs::path oldUserTally = user.config / kTallyFileName;
    const fs::path userTally =
        haveUserFolder && present(oldUserTally) ? oldUserTally : dataFolder / kTallyFileName;

    // The user's folders lack one or both files: start each missing one as a copy of the
    // file beside a portable program, which will not be written again.
    auto carryOver = [&](SettingsLocation& at) {
        if (systemProgram) return;
        for (const auto& [from, to] : {std::pair{besideSettings, userSettings}, std::pair{besideTally, userTally}}) {
            if (present(to) || !present(from) || copyInto(from, to)) continue;
            if (!at.error.empty()) at.error += '\n';
            at.error += "Unable to copy " + from.string() + " to " + to.string();
        }
    };
    auto useUserFolders = [&](SettingsLocation& at) {
        std::error_code ec;
        fs::create_directories(user.config, ec);
        fs::create_directories(userTally.parent_path(), ec);
        if (!canReplace(userSettings, canWrite) || !canReplace(userTally, canWrite)) return false;
        at.settingsFile = userSettings;
        at.tallyFile = userTally;
        carryOver(at);
        return true;
    };

    SettingsLocation in;
    in.writable = true;
    const bool portable = !systemProgram && present(besideSettings);
    if (haveUserFolder && (present(userSettings) || present(userTally))) {
        if (useUserFolders(in)) return in;
    } else if (portable && canReplace(besideSettings, canWrite) && canReplace(besideTally, canWrite)) {
        in.settingsFile = besideSettings;
        in.tallyFile = besideTally;
        return in;
    } else if (haveUserFolder && useUserFolders(in)) {
        return in;
    }

    // Nothing can be written: read whichever copy exists, the user's first. Files in a system
    // folder are not even read: they would show one account's choices and games to another.
    auto existing = [&](const fs::path& mine, const fs::path& beside) {
        if (haveUserFolder && present(mine)) return mine;
        if (!systemProgram && present(beside)) return beside;
        return haveUserFolder ? mine : fs::path();
    };
    in.settingsFile = existing(userSettings, besideSettings);
    in.tallyFile = existing(userTally, besideTally);
    in.writable = false;
    std::vector<std::string> tried;
    if (portable) tried.push_back(programFolder.string());
    if (haveUserFolder) tried.push_back(user.config.string());
    if (haveUserFolder && userTally.parent_path() != user.config)
        tried.push_back(userTally.parent_path().string());
    std::string places;
    for (std::size_t i = 0; i < tried.size(); ++i)
        places += (i == 0 ? "" : i + 1 == tried.size() ? " or " : ", ") + tried[i];
    in.error = tried.empty() ? "No home folder to keep the settings and the tally in: they will not be saved."
                             : "Unable to write to " + places + ": settings and the tally will not be saved.";
    return in;
}

namespace {

// Only absolute folders count, so that a variable set relative to nowhere in particular
// cannot scatter files into whatever folder the program was started from.
fs::path xdgFolder(const char* variable, const char* underHome, const char* name) {
    const char* xdg = std::getenv(variable);
    if (xdg && *xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / name;
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / underHome / name;
    return {};
}

} // namespace

fs::path defaultConfigFolder() {
    return xdgFolder("XDG_CONFIG_HOME", ".config", "Kestrun");
}

fs::path defaultDataFolder() {
    return xdgFolder("XDG_DATA_HOME", ".local/share", "quadrino");
}

} // namespace quadrino
