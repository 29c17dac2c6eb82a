// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Received messages waiting for their dispatch tick, one lane per connection.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace quadrino {

struct QueuedMessage {
    int connection = 0; // which connection it came on (0 on the client, which has one)
    std::string text;   // the message without its terminator
};

// The command word and the rest of a queue entry, split at the first "+".
struct CommandSplit {
    std::string_view word; // empty when the entry holds no "+"
    std::string_view rest;
};
CommandSplit splitCommand(std::string_view entry);

enum class QueueOrder {
    Arrival, // one first-in, first-out line for everybody
    Fair,    // the connections take turns, each keeping its own order
};

// What one connection may have waiting at a time, in one of its lanes.
struct QueueLimits {
    std::size_t entries = std::numeric_limits<std::size_t>::max();
    std::size_t bytes = std::numeric_limits<std::size_t>::max();
};

// Each connection has two lanes with a share each: one for its game requests, one for the
// rest (chat, mostly), so that its own chatter cannot crowd out its roll. The queue does not
// read the entries; whoever pushes says which lane.
enum class QueueLane { Other, Game };

class MessageQueue {
public:
    MessageQueue() = default;
    MessageQueue(QueueOrder order, QueueLimits limits) : MessageQueue(order, limits, limits) {}
    MessageQueue(QueueOrder order, QueueLimits limits, QueueLimits gameLimits)
        : order_(order), limits_{limits, gameLimits} {}

    // Queues an entry, cut to its first 4096 characters (all a handler ever reads of it).
    // False, queuing nothing, when the connection already has that lane's share waiting.
    bool push(int connection, std::string text, QueueLane lane = QueueLane::Other);
    bool empty() const { return total_ == 0; }
    std::size_t size() const { return total_; }
    // Both lanes of the connection, or one.
    std::size_t size(int connection) const;
    std::size_t size(int connection, QueueLane lane) const;
    std::size_t bytes(int connection) const;
    // Removes and returns the next entry: the oldest one, or with fair order the next
    // connection in turn after the one served last, its game lane before the other. An empty
    // queue yields an empty entry, which dispatches to nothing.
    QueuedMessage take();
    // Forgets every entry that came on a connection (it closed or was dropped).
    void dropConnection(int connection);

private:
    struct Entry {
        std::uint64_t serial;
        std::string text;
    };
    struct Share {
        std::deque<Entry> entries;
        std::size_t bytes = 0;
    };
    struct Lane {
        int connection;
        std::array<Share, 2> shares; // by QueueLane
        bool empty() const { return shares[0].entries.empty() && shares[1].entries.empty(); }
        // The share served next: with fair order the game lane first, else the older head.
        Share& next(QueueOrder order);
    };
    Lane* lane(int connection);
    const Lane* lane(int connection) const;
    Lane* nextLane();

    QueueOrder order_ = QueueOrder::Arrival;
    std::array<QueueLimits, 2> limits_{}; // by QueueLane
    std::vector<Lane> lanes_; // by increasing connection number; a handful at most
    std::size_t total_ = 0;
    std::uint64_t serial_ = 0;
    int lastServed_ = std::numeric_limits<int>::min();
};

} // namespace quadrino
