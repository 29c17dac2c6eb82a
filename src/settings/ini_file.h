// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An INI text with the semantics of the Windows profile-file calls that the lobby program
// also uses on this file: section and key names match without regard to case, values are
// trimmed and lose one pair of enclosing quotes, a read is cut at 2047 bytes, integers are
// decimal, "$" hex or "0x" hex. A write changes one line (or adds one) and leaves every other
// byte of the text as it was, so the sections of other programs survive our saves.
//
// The text is kept as bytes (Windows-1252 in practice); this layer does not convert them.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quadrino {

// Longest value a read returns, in bytes.
inline constexpr std::size_t kIniValueLimit = 2047;

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string bytes) : text_(std::move(bytes)) {}

    // The value of the first matching key in the first matching section; nullopt when absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // `fallback` when absent or not an integer (see parseIniInteger).
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

    // Replaces the key's value, or adds the key after the last entry of its section, or adds
    // the section at the end of the text. New lines use the line ending the text already uses.
    // Line breaks inside `value` become blanks; a value that a read would alter (blanks at
    // either end, enclosing quotes) is written inside double quotes so it reads back as given.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);

    const std::string& bytes() const { return text_; }

private:
    std::string text_;
};

// Optional sign, then decimal digits, or "$" / "0x" / "0X" and up to eight hex digits (taken
// as a 32-bit pattern, so "$FFFFFFFF" is -1). Anything else, including decimal text outside
// the 32-bit range and blanks or letters after the digits, is no integer.
std::optional<int> parseIniInteger(std::string_view text);

// Name comparison of the profile calls: ASCII and Windows-1252 letters fold to one case.
bool iniNamesEqual(std::string_view a, std::string_view b);

// ---- the file on disk ----

struct IniRead {
    IniFile file;
    bool exists = false;
    // Set when the file exists but could not be read; a save must then leave it alone.
    std::string error;
    bool ok() const { return error.empty(); }
};

// A missing file reads as an empty text.
IniRead readIniFile(const std::filesystem::path& path);

// The places where a save can be stopped, for tests that interrupt it at each one.
enum class ReplaceStep { createTemporary, writeChunk, flush, close, rename };

struct ReplaceHooks {
    // Bytes per write call.
    std::size_t chunkSize = 64 * 1024;
    // Asked before each step; false stops the save there as a crash would, leaving whatever
    // has been made so far (the temporary file) behind.
    std::function<bool(ReplaceStep)> proceed;
};

// Replaces the file at `path` with `bytes` in one step: the new text is written completely
// to a temporary file beside the real file and then renamed over it, so a crash or a full
// disk leaves the old file whole. A symbolic link is followed and its target replaced, so
// the link survives. The replaced file keeps its permission bits.
// Returns "" on success, else "Unable to write to " + path.
std::string replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                  const ReplaceHooks* hooks = nullptr);

// Reads the file afresh (another program may have changed its own sections since we last
// looked), applies `change`, and replaces the file. A file that exists but cannot be read
// is not touched. Returns "" on success, else the reason.
std::string updateIniFile(const std::filesystem::path& path, const std::function<void(IniFile&)>& change,
                          const ReplaceHooks* hooks = nullptr);

// The end of a chain of symbolic links (the path itself when it is no link or a link loop).
std::filesystem::path resolveLinks(const std::filesystem::path& path);

} // namespace quadrino
