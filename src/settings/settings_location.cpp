// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_location.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

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

SettingsLocation locateSettings(const fs::path& programFolder, const fs::path& userFolder,
                                const FolderTest& canWrite) {
    const fs::path besideSettings = programFolder / kSettingsFileName;
    const fs::path besideTally = programFolder / kTallyFileName;
    const fs::path userSettings = userFolder / kSettingsFileName;
    const fs::path userTally = userFolder / kTallyFileName;
    const bool haveUserFolder = !userFolder.empty();

    // The user's folder lacks one or both files: start each missing one as a copy of the
    // file beside the program, which will not be written again.
    auto carryOver = [&](SettingsLocation& at) {
        for (const auto& [from, to] : {std::pair{besideSettings, userSettings}, std::pair{besideTally, userTally}}) {
            if (present(to) || !present(from) || copyInto(from, to)) continue;
            if (!at.error.empty()) at.error += '\n';
            at.error += "Unable to copy " + from.string() + " to " + to.string();
        }
    };

    SettingsLocation in;
    in.writable = true;
    if (haveUserFolder && (present(userSettings) || present(userTally))) {
        in.settingsFile = userSettings;
        in.tallyFile = userTally;
        if (canReplace(userSettings, canWrite) && canReplace(userTally, canWrite)) {
            carryOver(in);
            return in;
        }
    } else if (canReplace(besideSettings, canWrite) && canReplace(besideTally, canWrite)) {
        in.settingsFile = besideSettings;
        in.tallyFile = besideTally;
        return in;
    } else if (haveUserFolder) {
        std::error_code ec;
        fs::create_directories(userFolder, ec);
        if (canWrite(userFolder)) {
            in.settingsFile = userSettings;
            in.tallyFile = userTally;
            carryOver(in);
            return in;
        }
    }

    // Nothing can be written: read whichever copy exists, the user's first.
    auto existing = [&](const fs::path& user, const fs::path& beside) {
        if (haveUserFolder && present(user)) return user;
        if (present(beside) || !haveUserFolder) return beside;
        return user;
    };
    in.settingsFile = existing(userSettings, besideSettings);
    in.tallyFile = existing(userTally, besideTally);
    in.writable = false;
    in.error = "Unable to write to " + programFolder.string() +
               (haveUserFolder ? " or " + userFolder.string() : std::string()) +
               ": settings and the tally will not be saved.";
    return in;
}

fs::path defaultUserFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / "Kestrun";
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / ".config" / "Kestrun";
    return {};
}

} // namespace quadrino
