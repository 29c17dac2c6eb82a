#pragma once
// First-in, first-out list of received messages, served one per dispatch tick.
#include <deque>
#include <string>
#include <string_view>

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

class MessageQueue {
public:
    void push(int connection, std::string text) { entries_.push_back({connection, std::move(text)}); }
    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }
    // Removes and returns the oldest entry, cut to its first 4096 characters.
    // An empty queue yields an empty entry, which dispatches to nothing.
    QueuedMessage take();
    // Forgets every entry that came on a connection (it closed or was dropped).
    void dropConnection(int connection);

private:
    std::deque<QueuedMessage> entries_;
};

} // namespace quadrino
