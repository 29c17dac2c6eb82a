// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/seat_table.h"

namespace quadrino {

int SeatTable::allocate() {
    if (highest_ == 0) {
        highest_ = 1;
        return 1;
    }
    for (int n = 1; n <= highest_; ++n)
        if (!players_[n].connected) return n;
    if (highest_ < kMaxConnections) return ++highest_;
    return kRefusedSlot;
}

const PlayerRecord& SeatTable::player(int connection) const {
    static const PlayerRecord none;
    return PerConnection<PlayerRecord>::contains(connection) ? players_[connection] : none;
}

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

} // namespace quadrino
