// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one peer may take of the host: connections per address, bytes per second. Kept
// apart from the sockets that apply them, so that they can be checked on a clock of a test's
// own.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace quadrino {

// How many connections one address may hold at once, so that one machine cannot take every
// number of a game, with idle logins or with sockets that never log in.
class AddressLimit {
public:
    // Two households behind one router still fit, with room for a spectator each.
    static constexpr int kDefaultPerAddress = 4;

    // 0 = no limit.
    explicit AddressLimit(int perAddress = kDefaultPerAddress)
        : perAddress_(perAddress < 0 ? 0 : perAddress) {}

    // A connection from `address` arrives. Exempt ones (this machine, the owner's) always get
    // in. True: it is counted, from its accept and whether it logs in or not, until left().
    bool admit(std::string_view address, bool exempt);
    void left(std::string_view address);
    int count(std::string_view address) const;
    int perAddress() const { return perAddress_; }

private:
    int perAddress_;
    std::map<std::string, int, std::less<>> counts_;
};

// What one connection may send: a burst, then a steady rate, on a clock in milliseconds.
// Past it the host leaves the bytes unread, so the peer's own TCP window holds the flood
// back rather than the host's processor and memory. Honest play sends a few dozen bytes a
// second; the rate is about what the dispatch could serve of long chat lines (100 a second
// of at most 4 KiB), so nothing a peer could have served is held back.
class InputBudget {
public:
    static constexpr std::int64_t kBurstBytes = 256 * 1024;
    static constexpr std::int64_t kBytesPerSecond = 256 * 1024;

    explicit InputBudget(std::int64_t now, std::int64_t burst = kBurstBytes,
                         std::int64_t perSecond = kBytesPerSecond)
        : burst_(burst * 1000), perSecond_(perSecond), available_(burst * 1000), at_(now) {}

    // What may be read now.
    std::int64_t available(std::int64_t now);
    void spend(std::int64_t bytes) { available_ -= bytes * 1000; }
    // Milliseconds until `bytes` may be read (at least 1).
    std::int64_t msUntil(std::int64_t bytes, std::int64_t now);

private:
    // In thousandths of a byte, so that a millisecond's growth is whole at any rate.
    std::int64_t burst_;
    std::int64_t perSecond_;
    std::int64_t available_;
    std::int64_t at_;
};

} // namespace quadrino
