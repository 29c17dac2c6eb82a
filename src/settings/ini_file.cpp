// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quadrino {
namespace {

namespace fs = std::filesystem;

// A settings file is a few kilobytes; this only keeps a foreign file from costing memory.
constexpr std::uintmax_t kMaxIniBytes = 4 * 1024 * 1024;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

unsigned char foldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    // Windows-1252: À..Þ except ×, and Š Œ Ž Ÿ.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
    if (c == 0x9F) return 0xFF;
    return c;
}

struct Line {
    std::size_t begin = 0; // first byte of the content
    std::size_t end = 0;   // one past the content, before the line ending
    std::size_t next = 0;  // first byte of the next line
};

std::vector<Line> splitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t lf = text.find('\n', pos);
        Line line;
        line.begin = pos;
        if (lf == std::string::npos) {
            line.end = line.next = text.size();
        } else {
            line.end = (lf > pos && text[lf - 1] == '\r') ? lf - 1 : lf;
            line.next = lf + 1;
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

std::string_view content(const std::string& text, const Line& line) {
    return std::string_view(text).substr(line.begin, line.end - line.begin);
}

// The section name of a header line, or nullopt for any other line.
std::optional<std::string_view> headerName(std::string_view raw, bool firstLine) {
    if (firstLine && raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3); // a UTF-8 mark
    const std::string_view t = trim(raw);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const std::string_view inner = t.substr(1);
    return trim(inner.substr(0, inner.find(']')));
}

// The key of an entry line, or nullopt for lines without "=".
std::optional<std::string_view> entryKey(std::string_view raw) {
    const std::size_t eq = raw.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return trim(raw.substr(0, eq));
}

bool isComment(std::string_view raw) {
    const std::string_view t = trim(raw);
    return !t.empty() && (t.front() == ';' || t.front() == '#');
}

struct SectionSpan {
    std::size_t header = 0; // index of the header line
    std::size_t first = 0;  // first line after the header
    std::size_t last = 0;   // one past the section's last line
};

std::optional<SectionSpan> findSection(const std::string& text, const std::vector<Line>& lines,
                                       std::string_view section) {
    const std::string_view want = trim(section);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = headerName(content(text, lines[i]), i == 0);
        if (!name || !iniNamesEqual(*name, want)) continue;
        SectionSpan span{i, i + 1, i + 1};
        while (span.last < lines.size() && !headerName(content(text, lines[span.last]), false)) ++span.last;
        return span;
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::string& text, const std::vector<Line>& lines, const SectionSpan& span,
                                   std::string_view key) {
    const std::string_view want = trim(key);
    for (std::size_t i = span.first; i < span.last; ++i) {
        const auto k = entryKey(content(text, lines[i]));
        if (k && !k->empty() && iniNamesEqual(*k, want)) return i;
    }
    return std::nullopt;
}

std::string lineEnding(const std::string& text) {
    const std::size_t lf = text.find('\n');
    if (lf != std::string::npos && lf > 0 && text[lf - 1] == '\r') return "\r\n";
    return "\n";
}

std::string encodeValue(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    const bool blankEnds = !v.empty() && (isBlank(v.front()) || isBlank(v.back()));
    const bool quoted = v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
    if (blankEnds || quoted) return '"' + v + '"';
    return v;
}

std::string unableToWrite(const fs::path& path) { return "Unable to write to " + path.string(); }

} // namespace

bool iniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::optional<int> parseIniInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint32_t magnitude = 0;
    if (!text.empty() && text.front() == '$') {
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    } else {
        // Decimal: the magnitude may reach 2^31 only for a negative number.
        if (text.empty()) return std::nullopt;
        std::uint64_t v = 0;
        for (char c : text) {
            if (c < '0' || c > '9') return std::nullopt;
            v = v * 10 + static_cast<std::uint64_t>(c - '0');
            if (v > 0x80000000u) return std::nullopt;
        }
        if (v == 0x80000000u && !negative) return std::nullopt;
        magnitude = static_cast<std::uint32_t>(v);
        const std::uint32_t bits = negative ? 0u - magnitude : magnitude;
        return static_cast<int>(static_cast<std::int32_t>(bits));
    }
    // Hexadecimal: a 32-bit pattern; leading zeros do not count against the eight digits.
    if (text.empty()) return std::nullopt;
    int significant = 0;
    for (char c : text) {
        std::uint32_t d;
        if (c >= '0' && c <= '9') d = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') d = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') d = static_cast<std::uint32_t>(c - 'A' + 10);
        else return std::nullopt;
        if (significant > 0 || d != 0) ++significant;
        if (significant > 8) return std::nullopt;
        magnitude = (magnitude << 4) | d;
    }
    const std::uint32_t bits = negative ? 0u - magnitude : magnitude;
    return static_cast<int>(static_cast<std::int32_t>(bits));
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto lines = splitLines(text_);
    const auto span = findSection(text_, lines, section);
    if (!span) return std::nullopt;
    const auto at = findKey(text_, lines, *span, key);
    if (!at) return std::nullopt;
    const std::string_view raw = content(text_, lines[*at]);
    std::string_view v = trim(raw.substr(raw.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v.substr(0, kIniValueLimit));
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    auto v = value(section, key);
    return v ? *v : std::string(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto v = value(section, key);
    if (!v) return fallback;
    return parseIniInteger(*v).value_or(fallback);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string eol = lineEnding(text_);
    const std::string_view cleanKey = trim(key);
    const std::string encoded = encodeValue(value);
    const auto lines = splitLines(text_);
    const auto span = findSection(text_, lines, section);

    if (!span) {
        std::string add;
        if (!text_.empty() && text_.back() != '\n') add += eol;
        add += '[';
        add += trim(section);
        add += ']' + eol;
        add += cleanKey;
        add += '=' + encoded + eol;
        text_ += add;
        return;
    }

    if (const auto at = findKey(text_, lines, *span, cleanKey)) {
        const Line& line = lines[*at];
        const std::string existingKey(*entryKey(content(text_, line)));
        text_.replace(line.begin, line.end - line.begin, existingKey + '=' + encoded);
        return;
    }

    // After the last entry of the section, so blank lines and comments that lead into the
    // next section stay with it.
    std::size_t after = span->header;
    for (std::size_t i = span->first; i < span->last; ++i) {
        const std::string_view raw = content(text_, lines[i]);
        if (!trim(raw).empty() && !isComment(raw)) after = i;
    }
    const Line& anchor = lines[after];
    std::string add;
    if (anchor.next == anchor.end) add += eol; // the anchor line had no line ending
    add += cleanKey;
    add += '=' + encoded + eol;
    text_.insert(anchor.next, add);
}

// ---- files ----

fs::path resolveLinks(const fs::path& path) {
    fs::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) return p;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return path;
}

IniRead readIniFile(const fs::path& path) {
    IniRead result;
    std::error_code ec;
    const auto st = fs::status(path, ec);
    if (!fs::exists(st)) return result;
    result.exists = true;
    const std::string cannotRead = "Unable to read " + path.string();
    if (!fs::is_regular_file(st)) {
        result.error = cannotRead;
        return result;
    }
    const auto size = fs::file_size(path, ec);
    if (ec || size > kMaxIniBytes) {
        result.error = cannotRead;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = cannotRead;
        return result;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()) || in.bad()) {
        result.error = cannotRead;
        return result;
    }
    // A file that grew since it was measured: the rest is read too, within the cap.
    char extra[4096];
    while (in.read(extra, sizeof extra) || in.gcount() > 0) {
        bytes.append(extra, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxIniBytes) {
            result.error = cannotRead;
            return result;
        }
    }
    result.file = IniFile(std::move(bytes));
    return result;
}

std::string replaceFileAtomically(const fs::path& path, std::string_view bytes, const ReplaceHooks* hooks) {
    const ReplaceHooks defaults;
    const ReplaceHooks& h = hooks ? *hooks : defaults;
    auto proceed = [&h](ReplaceStep step) { return !h.proceed || h.proceed(step); };

    const fs::path target = resolveLinks(path);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();

    // The new file takes the old one's permissions; a new file gets the usual ones.
    mode_t mode = 0644;
    struct stat old{};
    if (::stat(target.c_str(), &old) == 0) mode = old.st_mode & 07777;

    if (!proceed(ReplaceStep::createTemporary)) return unableToWrite(path);
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return unableToWrite(path);

    bool stopped = false; // an interruption leaves the temporary file, as a crash would
    auto fail = [&](bool closeIt) {
        if (closeIt) ::close(fd);
        if (!stopped) ::unlink(name.c_str());
        return unableToWrite(path);
    };

    const std::size_t chunk = h.chunkSize == 0 ? 1 : h.chunkSize;
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (!proceed(ReplaceStep::writeChunk)) {
            stopped = true;
            return fail(true);
        }
        const std::size_t n = std::min(chunk, bytes.size() - done);
        const ssize_t w = ::write(fd, bytes.data() + done, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return fail(true);
        done += static_cast<std::size_t>(w);
    }
    if (!proceed(ReplaceStep::flush)) {
        stopped = true;
        return fail(true);
    }
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return fail(true);
    if (!proceed(ReplaceStep::close)) {
        stopped = true;
        return fail(true);
    }
    if (::close(fd) != 0) return fail(false);
    if (!proceed(ReplaceStep::rename)) {
        stopped = true;
        return fail(false);
    }
    if (::rename(name.c_str(), target.c_str()) != 0) return fail(false);

    // Make the rename itself durable; the data is already safe either way.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

std::string updateIniFile(const fs::path& path, const std::function<void(IniFile&)>& change,
                          const ReplaceHooks* hooks) {
    IniRead read = readIniFile(path);
    if (!read.ok()) return unableToWrite(path);
    change(read.file);
    return replaceFileAtomically(path, read.file.bytes(), hooks);
}

} // namespace quadrino
