// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lan_record.h"

#include <charconv>

#include "host/host.h"
#include <map>

namespace quadrino {

namespace {

// Bumped only if an existing key changes its meaning; new keys need no bump.
constexpr std::string_view kRecordVersion = "1";

std::optional<int> number(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

} // namespace

std::string encodeLanOptions(const GameOptions& options) {
    std::string out;
    for (const GameOptionRow& row : kGameOptions) {
        if (!out.empty()) out += ',';
        out += std::to_string(row.value(options));
    }
    return out;
}

std::optional<GameOptions> decodeLanOptions(std::string_view text) {
    GameOptions options;
    std::size_t start = 0;
    for (std::size_t i = 0; i < kGameOptions.size(); ++i) {
        const std::size_t comma = text.find(',', start);
        const bool last = i + 1 == kGameOptions.size();
        if (last != (comma == std::string_view::npos)) return std::nullopt;
        const std::string_view part = text.substr(start, last ? std::string_view::npos : comma - start);
        const GameOptionRow& row = kGameOptions[i];
        const auto value = number(part, 0, row.isFlag() ? 1 : row.highest);
        if (!value) return std::nullopt;
        row.set(options, *value);
        start = comma + 1;
    }
    return options;
}

std::string cutUtf8(std::string_view text, std::size_t max) {
    if (text.size() <= max) return std::string(text);
    std::size_t end = max;
    // Back off continuation bytes so the cut falls before a character's first byte.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

std::vector<std::string> encodeLanRecord(const LanGame& game) {
    return {"txtvers=" + std::string(kRecordVersion),
            "host=" + cutUtf8(game.host, kLanNameMax),
            "seats=" + std::to_string(game.seats),
            "watchers=" + std::to_string(game.watchers),
            std::string("started=") + (game.started ? "1" : "0"),
            "options=" + encodeLanOptions(game.options)};
}

std::optional<LanGame> decodeLanRecord(const std::vector<std::string>& entries) {
    std::size_t total = 0;
    std::map<std::string_view, std::string_view> values;
    for (const std::string& entry : entries) {
        total += entry.size();
        if (entry.size() > kLanEntryMax || total > kLanRecordMax) return std::nullopt;
        const std::string_view e(entry);
        const std::size_t eq = e.find('=');
        if (eq == 0) return std::nullopt;
        // A key without a value is a flag in DNS-SD; none of ours is one.
        if (eq == std::string_view::npos) continue;
        if (!values.emplace(e.substr(0, eq), e.substr(eq + 1)).second) return std::nullopt;
    }
    auto value = [&values](std::string_view key) -> std::optional<std::string_view> {
        const auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    };
    if (value("txtvers") != kRecordVersion) return std::nullopt;
    const auto host = value("host");
    const auto seats = value("seats");
    const auto watchers = value("watchers");
    const auto started = value("started");
    const auto options = value("options");
    if (!host || !seats || !watchers || !started || !options) return std::nullopt;
    if (host->size() > kLanNameMax) return std::nullopt;
    LanGame game;
    game.host = std::string(*host);
    const auto s = number(*seats, 0, kSeatCount);
    const auto w = number(*watchers, 0, kLanMaxWatchers);
    const auto st = number(*started, 0, 1);
    const auto o = decodeLanOptions(*options);
    if (!s || !w || !st || !o) return std::nullopt;
    game.seats = *s;
    game.watchers = *w;
    game.started = *st == 1;
    game.options = *o;
    return game;
}

LanGame lanGameOf(const Host& host, std::string_view name, const GameOptions& planned) {
    LanGame game;
    game.host = cutUtf8(name, kLanNameMax);
    for (int n = 1; n <= kMaxConnections; ++n) {
        const PlayerRecord& p = host.player(n);
        if (!p.connected || !p.loggedin) continue;
        // A seat's player who only watches still holds the seat.
        if (isSeat(n)) ++game.seats;
        else ++game.watchers;
    }
    game.started = host.engine().gamestarted();
    game.options = game.started ? host.engine().board().options : planned;
    return game;
}

std::vector<OptionOn> lanOptionsOn(const GameOptions& options) {
    std::vector<OptionOn> on;
    for (const GameOptionRow& row : kGameOptions) {
        const int value = row.value(options);
        // The block limit only means something with blocking on, and 0 is no limit at all.
        if (row.isFlag() ? value != 1 : value == 0 || !options.blocking) continue;
        on.push_back({row.labelText.empty() ? row.caption : row.labelText,
                      row.isFlag() ? std::nullopt : std::optional<int>(value)});
    }
    return on;
}

} // namespace quadrino
