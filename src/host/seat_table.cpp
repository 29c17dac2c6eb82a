// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/seat_table.h"

#include <algorithm>

#include "protocol/cp1252.h"

namespace quadrino {

int SeatTable::allocate(bool mayBeOne) {
    const int lowest = mayBeOne ? 1 : 2;
    for (int n = lowest; n <= highest_; ++n)
        if (!players_[n].connected && !players_[n].held) return n;
    if (highest_ < kMaxConnections) {
        highest_ = std::max(highest_ + 1, lowest);
        return highest_;
    }
    return kRefusedSlot;
}

const PlayerRecord SeatTable::kNobody{};

bool SeatTable::personOn(int seat) const {
    if (!isSeat(seat)) return false;
    const PlayerRecord& p = players_[seat];
    return p.connected && p.loggedin;
}

bool SeatTable::botPlays(int seat) const {
    if (!isSeat(seat)) return false;
    return !personOn(seat) || players_[seat].justwatching;
}

void SeatTable::sendTo(int connection, std::string_view message) { port_.send(connection, message); }

void SeatTable::broadcast(std::string_view message) {
    for (int n = 1; n <= highest_; ++n)
        if (players_[n].connected) port_.send(n, message);
}

void SeatTable::broadcastExcept(int connection, std::string_view message) {
    for (int n = 1; n <= highest_; ++n)
        if (n != connection && players_[n].connected) port_.send(n, message);
}

namespace {

constexpr std::size_t kMaxNameLength = 32;

bool sameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(x) == lower(y);
           });
}

std::string trimmed(std::string s, std::size_t max) {
    if (s.size() > max) s.resize(max);
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string SeatTable::nameFor(int connection, std::string_view wanted) const {
    std::string base = trimmed(trimmed(blankControls(wanted), std::string::npos), kMaxNameLength);
    if (base.empty()) base = "Player " + std::to_string(connection);
    auto taken = [&](std::string_view name) {
        for (int n = 1; n <= highest_; ++n)
            if (n != connection && players_[n].connected && players_[n].loggedin && sameName(players_[n].name, name))
                return true;
        return false;
    };
    if (!taken(base)) return base;
    for (int k = 2;; ++k) {
        const std::string suffix = " (" + std::to_string(k) + ")";
        std::string name = trimmed(base, kMaxNameLength - suffix.size()) + suffix;
        if (!taken(name)) return name;
    }
}

} // namespace quadrino
