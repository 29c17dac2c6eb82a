// SPDX-License-Identifier: GPL-3.0-or-later
#include "tally/tally_leftovers.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>

#include "tally/grid_text.h"
#include "tally/lzrw1kh.h"

namespace quadrino {
namespace {

namespace fs = std::filesystem;

// The same caps as the tally window's: a larger file is no tally of ours.
constexpr std::uintmax_t kMaxFileBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxTextBytes = 16 * 1024 * 1024;

constexpr std::size_t kRandomPart = 6;

bool isAsciiAlphanumeric(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// nullopt when the file cannot be judged (unreadable, too large): it is then left alone.
std::optional<bool> holdsWholeTally(const fs::path& file, std::uintmax_t size) {
    if (size > kMaxFileBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return std::nullopt;
    lzrw1kh::Bytes text;
    const auto* begin = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (!lzrw1kh::decompress(std::span(begin, bytes.size()), text, kMaxTextBytes).ok()) return false;
    return tallyGridFromText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size())).ok();
}

} // namespace

bool isTallyTemporaryName(std::string_view name, std::string_view tallyName) {
    if (name.starts_with('.')) name.remove_prefix(1);
    if (tallyName.empty() || name.size() != tallyName.size() + 1 + kRandomPart ||
        !name.starts_with(tallyName) || name[tallyName.size()] != '.')
        return false;
    const std::string_view random = name.substr(name.size() - kRandomPart);
    return std::all_of(random.begin(), random.end(), isAsciiAlphanumeric);
}

TallyLeftovers tidyTallyLeftovers(const fs::path& tallyFile) {
    TallyLeftovers result;
    const std::string tallyName = tallyFile.filename().string();
    if (tallyName.empty()) return result;
    const fs::path folder = tallyFile.parent_path().empty() ? fs::path(".") : tallyFile.parent_path();

    struct Whole {
        fs::path path;
        fs::file_time_type written;
    };
    std::vector<Whole> whole;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path path = it->path();
        if (!isTallyTemporaryName(path.filename().string(), tallyName)) continue;
        std::error_code fileEc;
        // A link or a fifo under our name is not something a save made; opening a fifo would
        // also wait for a writer that never comes.
        if (!fs::is_regular_file(fs::symlink_status(path, fileEc))) continue;
        const auto size = fs::file_size(path, fileEc);
        if (fileEc) continue;
        const auto written = fs::last_write_time(path, fileEc);
        if (fileEc) continue;
        const std::optional<bool> isWhole = holdsWholeTally(path, size);
        if (!isWhole) continue;
        if (*isWhole)
            whole.push_back({path, written});
        else if (fs::remove(path, fileEc))
            result.removed.push_back(path);
    }

    std::sort(whole.begin(), whole.end(),
              [](const Whole& a, const Whole& b) { return a.written > b.written; });
    const bool tallyMissing = !fs::exists(fs::symlink_status(tallyFile, ec));
    for (const Whole& w : whole) {
        std::error_code renameEc;
        if (tallyMissing && result.recovered.empty()) {
            fs::rename(w.path, tallyFile, renameEc);
            if (!renameEc) {
                result.recovered = w.path;
                continue;
            }
        }
        result.kept.push_back(w.path);
    }
    return result;
}

} // namespace quadrino
