// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cuts a connection's byte stream into messages at the terminator byte.
#include <string>
#include <string_view>
#include <vector>

#include "protocol/wire.h"

namespace quadrino {

class Framer {
public:
    Framer() = default;
    explicit Framer(std::size_t maxPending) : maxPending_(maxPending) {}
    // With dropEmpty, a bare terminator yields no message at all: an empty message does
    // nothing when dispatched, and a peer sending nothing but terminators must not fill the
    // queue (or its ticks) with them.
    Framer(std::size_t maxPending, bool dropEmpty) : maxPending_(maxPending), dropEmpty_(dropEmpty) {}

    // Appends the bytes of one read and returns every message completed by it, without
    // terminators, in order. Bytes after the last terminator wait for the next read, so a
    // message split by TCP arrives whole and once. Returns false once the unterminated
    // remainder grows past the cap; the caller should then drop the connection.
    bool feed(std::string_view bytes, std::vector<std::string>& messages);

    bool overflowed() const { return overflowed_; }
    std::size_t pendingSize() const { return pending_.size(); }

private:
    std::string pending_;
    std::size_t maxPending_ = kMaxPendingBytes;
    bool overflowed_ = false;
    bool dropEmpty_ = false;
};

} // namespace quadrino
