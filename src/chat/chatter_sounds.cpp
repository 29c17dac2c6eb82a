// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chatter_sounds.h"

#include <algorithm>

namespace quadrino {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number without sign, blanks or leading zeros, in [low, high].
std::optional<int> smallNumber(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), isDigit)) return std::nullopt;
    if (text.size() > 1 && text.front() == '0') return std::nullopt;
    int n = 0;
    for (char c : text) n = n * 10 + (c - '0');
    if (n < low || n > high) return std::nullopt;
    return n;
}

} // namespace

std::optional<int> chatterSoundNumber(std::string_view name) {
    static constexpr std::string_view prefix = "wave";
    if (name.size() <= prefix.size()) return std::nullopt;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = name[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != prefix[i]) return std::nullopt;
    }
    return smallNumber(name.substr(prefix.size()), 1, kChatterSoundCount);
}

std::string chatterSoundName(int number) { return "wave" + std::to_string(number); }

std::optional<ChatterSoundRequest> parseChatterSound(std::string_view data) {
    const auto plus = data.find('+');
    if (plus == std::string_view::npos) return std::nullopt;
    const auto seat = smallNumber(data.substr(0, plus), 1, 9);
    if (!seat) return std::nullopt;
    std::string_view rest = data.substr(plus + 1);
    // The name ends at the second "+"; a sender that left it off still names its sound.
    rest = rest.substr(0, rest.find('+'));
    const auto number = chatterSoundNumber(rest);
    if (!number) return std::nullopt;
    return ChatterSoundRequest{*seat, *number};
}

std::optional<ChatterSoundRequest> ChatterSoundGate::admit(std::string_view data, std::int64_t nowMs) {
    const auto request = parseChatterSound(data);
    if (!request) return std::nullopt;
    auto& last = lastPlayed_[static_cast<std::size_t>(request->seat)];
    if (last && nowMs - *last < kSpacingMs && nowMs >= *last) return std::nullopt;
    last = nowMs;
    return request;
}

} // namespace quadrino
