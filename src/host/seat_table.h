// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's table of connections and seats (`players`): who holds which number, who is
// logged in, who watches, and sending to one number or to everybody.
#include <string>
#include <string_view>

#include "host/host_port.h"
#include "protocol/vocabulary.h"

namespace quadrino {

struct PlayerRecord {
    std::string name;     // given at login; empty while the number is free
    bool connected = false;
    bool loggedin = false;     // a seat is a person's only once its login has arrived
    bool justwatching = false; // seats only: the computer plays the seat for its watching player
    bool held = false; // seats only: kept for its dropped player, so no newcomer gets the number
};

class SeatTable {
public:
    explicit SeatTable(HostPort& port) : port_(port) {}

    // The lowest free number 1..9 for a new connection, or kRefusedSlot when nine are live.
    // Number 1 carries the hosting user's rights; without mayBeOne the lowest free of 2..9.
    int allocate(bool mayBeOne = true);
    int highestconnection() const { return highest_; }
    // A free record for numbers outside 1..10.
    const PlayerRecord& player(int connection) const {
        return PerConnection<PlayerRecord>::contains(connection) ? players_[connection] : kNobody;
    }
    // The record of number 1..10; the caller has checked the number.
    PlayerRecord& record(int connection) { return players_[connection]; }
    bool connected(int connection) const {
        return PerConnection<PlayerRecord>::contains(connection) && players_[connection].connected;
    }
    // A person holds the seat: connected and logged in.
    bool personOn(int seat) const;
    // A seat with nobody logged in on it, or whose player watches, is played by the computer.
    bool botPlays(int seat) const;
    // The name a login may use: control characters blanked, outer blanks trimmed, at most
    // 32 characters, "Player" and the number when nothing is left, and " (2)", " (3)"...
    // when another connection already uses it (compared without regard to letter case).
    std::string nameFor(int connection, std::string_view wanted) const;

    void sendTo(int connection, std::string_view message);
    // To every connected number in increasing order, or all but one.
    void broadcast(std::string_view message);
    void broadcastExcept(int connection, std::string_view message);

private:
    static const PlayerRecord kNobody;
    HostPort& port_;
    PerConnection<PlayerRecord> players_{};
    int highest_ = 0;
};

} // namespace quadrino
