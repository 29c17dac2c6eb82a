// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the settings file. The input is one write and a file: a byte choosing
// the key, a byte choosing the section, a length byte and that many bytes of value, then the
// file's bytes. Any file must read; writing one key must leave every other byte of the file
// as it was and every other key reading as before, and the key must read back as written;
// the preferences loaded from any file must lie within their ranges, and saving them must
// neither change them nor touch another program's section.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"
#include "settings/preferences_file.h"

using namespace quadrino;

namespace {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "settings_fuzz: broken invariant: %s\n", what);
    std::abort();
}

// Keys a write may choose, before those of the file.
constexpr std::array<std::string_view, 16> kKeys = {
    "Top",      "Left",     "Textsize", "Textcolor",  "Limits", "Phrase1",  "Phrase9", "GameLog",
    "Botspeed", "HostName", "HostPort", "Playsounds", "TOP",    "Phrase10", "Server",  "Animations"};
// Names found in the file, at most: enough to ask for without a large file costing much.
constexpr std::size_t kMostNames = 8;
constexpr std::size_t kMostEntries = 24;

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

struct Name {
    std::string section, key;
};

struct Names {
    std::vector<std::string> sections{"quadrino", "Lobby"}; // a write may choose these
    std::vector<std::string> keys{kKeys.begin(), kKeys.end()};
    std::vector<Name> asked; // what is read before and after
};

// The sections and keys of the text, roughly as a reader would see them: they are only names
// to ask for, so a name the file's reader sees otherwise costs nothing.
Names namesIn(std::string_view text) {
    Names n;
    for (const char* section : {"quadrino", "Lobby"})
        for (std::string_view key : kKeys)
            n.asked.push_back({section, std::string(key)});
    std::string section;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, lf));
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        if (!line.empty() && line.front() == '[') {
            section = trimmed(line.substr(1, line.find(']') - 1));
            if (n.sections.size() < 2 + kMostNames) n.sections.push_back(section);
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            const std::string key(trimmed(line.substr(0, eq)));
            if (key.empty()) continue;
            if (n.keys.size() < kKeys.size() + kMostNames) n.keys.push_back(key);
            if (n.asked.size() < 2 * kKeys.size() + kMostEntries) n.asked.push_back({section, key});
        }
    }
    return n;
}

// What each name reads: its value, or a text no value can be for an absent key.
std::vector<std::string> readAll(const IniFile& f, const std::vector<Name>& names) {
    std::vector<std::string> r;
    for (const Name& name : names) {
        const auto v = f.value(name.section, name.key);
        r.push_back(v ? *v : std::string("\nabsent"));
    }
    return r;
}

void blankLineBreaks(std::string& s) {
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\n', ' ');
}

bool sameName(std::string_view a, std::string_view b) {
    return iniNamesEqual(trimmed(a), trimmed(b));
}

// Only one line's content may differ: the bytes before and after it are as they were.
void requireOneLineChanged(const std::string& before, const std::string& after) {
    std::size_t front = 0;
    const std::size_t shorter = std::min(before.size(), after.size());
    while (front < shorter && before[front] == after[front])
        ++front;
    std::size_t back = 0;
    while (back < shorter - front && before[before.size() - 1 - back] == after[after.size() - 1 - back])
        ++back;
    const std::string_view removed = std::string_view(before).substr(front, before.size() - front - back);
    require(removed.find('\n') == std::string_view::npos, "a write changed more than one line");
}

void checkRanges(const Preferences& p) {
    auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    require(p.loaded, "preferences read but not marked loaded");
    require(in(p.wintop, -(1 << 20), 1 << 20) && in(p.winleft, -(1 << 20), 1 << 20),
            "a window placed out of reach");
    require(in(p.winwidth, 1, 1 << 20) && in(p.winheight, 1, 1 << 20), "a window of no size or any size");
    require(in(p.textsize, 1, 72), "a text size outside 1..72");
    require(in(p.textcolor, 0, 0xFFFFFF), "a chat colour that is no plain colour");
    require(in(p.options.blocklimit, 0, 10), "a block limit outside 0..10");
    require(p.botspeed == Preferences::kBotSlow || p.botspeed == Preferences::kBotNormal ||
                p.botspeed == Preferences::kBotFast,
            "a bot speed the menu does not offer");
    require(in(p.turnsound, 0, 1) && in(p.botlevel, 0, 1),
            "a turn sound or bot level the menu does not offer");
    require(in(p.hostport, 0, 65535) && in(p.joinport, 1, 65535), "a port outside the ports");
    for (const std::string* text : {&p.hostname, &p.joinname, &p.joinaddress})
        require(text->size() <= 3 * kIniValueLimit, "a name longer than a value can be");
    for (const std::string& phrase : p.phrases)
        require(phrase.size() <= 3 * kIniValueLimit, "a phrase too long");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() < 3) return 0;
    const auto keyChoice = static_cast<unsigned char>(input[0]);
    const auto sectionChoice = static_cast<unsigned char>(input[1]);
    const std::size_t valueSize =
        std::min<std::size_t>(static_cast<unsigned char>(input[2]), input.size() - 3);
    // A long value too, now and then: reads stop at 2047 bytes.
    std::string value(input.substr(3, valueSize));
    if (keyChoice >= 0xF0) value = std::string(kIniValueLimit + 5, 'v') + value;
    const std::string text(input.substr(3 + valueSize));

    const IniFile file(text);
    const Names names = namesIn(text);
    const std::vector<std::string> before = readAll(file, names.asked);

    // One key written.
    const std::string& section = names.sections[sectionChoice % names.sections.size()];
    const std::string& key = names.keys[keyChoice % names.keys.size()];
    IniFile written = file;
    written.writeString(section, key, value);
    requireOneLineChanged(file.bytes(), written.bytes());
    std::string expected = value;
    blankLineBreaks(expected);
    require(written.value(section, key) == expected.substr(0, kIniValueLimit),
            "a key reads other than written");
    const std::vector<std::string> after = readAll(written, names.asked);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Name& asked = names.asked[i];
        if (sameName(asked.section, section) && sameName(asked.key, key)) continue;
        require(after[i] == before[i], "a write changed another key");
    }

    // The preferences in it, and saved again.
    Preferences loaded = Preferences::beforeFirstLoad();
    loadPreferences(file, loaded);
    checkRanges(loaded);
    IniFile saved = file;
    savePreferences(loaded, saved);
    savePhrases(loaded, saved);
    Preferences again = Preferences::beforeFirstLoad();
    loadPreferences(saved, again);
    // A value cannot hold a line break; one read from the middle of a line is written as a
    // blank, as the phrase editor and the chat would make it anyway.
    for (std::string* name : {&loaded.hostname, &loaded.joinname, &loaded.joinaddress})
        blankLineBreaks(*name);
    for (std::string& phrase : loaded.phrases)
        blankLineBreaks(phrase);
    require(again == loaded, "saved preferences read back otherwise");
    const std::vector<std::string> afterSave = readAll(saved, names.asked);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (sameName(names.asked[i].section, kSettingsSection)) continue;
        require(afterSave[i] == before[i], "a save changed another program's section");
    }
    return 0;
}
