// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/message_queue.h"

#include <algorithm>

#include "protocol/wire.h"

namespace quadrino {

CommandSplit splitCommand(std::string_view entry) {
    auto plus = entry.find(kSeparator);
    if (plus == std::string_view::npos) return {{}, entry};
    return {entry.substr(0, plus), entry.substr(plus + 1)};
}

MessageQueue::Lane* MessageQueue::lane(int connection) {
    for (auto& l : lanes_)
        if (l.connection == connection) return &l;
    return nullptr;
}

const MessageQueue::Lane* MessageQueue::lane(int connection) const {
    for (const auto& l : lanes_)
        if (l.connection == connection) return &l;
    return nullptr;
}

bool MessageQueue::push(int connection, std::string text) {
    if (text.size() > kMaxEntryLength) {
        text.resize(kMaxEntryLength);
        text.shrink_to_fit();
    }
    Lane* l = lane(connection);
    if (!l) {
        auto at = std::find_if(lanes_.begin(), lanes_.end(), [&](const Lane& x) { return x.connection > connection; });
        l = &*lanes_.insert(at, Lane{connection, {}, 0});
    }
    if (l->entries.size() >= limits_.entries || text.size() > limits_.bytes - std::min(l->bytes, limits_.bytes))
        return false;
    l->bytes += text.size();
    l->entries.push_back({serial_++, std::move(text)});
    ++total_;
    return true;
}

std::size_t MessageQueue::size(int connection) const {
    const Lane* l = lane(connection);
    return l ? l->entries.size() : 0;
}

std::size_t MessageQueue::bytes(int connection) const {
    const Lane* l = lane(connection);
    return l ? l->bytes : 0;
}

MessageQueue::Lane* MessageQueue::nextLane() {
    Lane* best = nullptr;
    if (order_ == QueueOrder::Arrival) {
        for (auto& l : lanes_)
            if (!l.entries.empty() && (!best || l.entries.front().serial < best->entries.front().serial)) best = &l;
        return best;
    }
    // The first waiting lane after the one served last, wrapping round to the lowest.
    for (auto& l : lanes_) {
        if (l.entries.empty()) continue;
        if (l.connection > lastServed_) return &l;
        if (!best) best = &l;
    }
    return best;
}

QueuedMessage MessageQueue::take() {
    Lane* l = nextLane();
    if (!l) return {};
    QueuedMessage m{l->connection, std::move(l->entries.front().text)};
    l->entries.pop_front();
    l->bytes -= m.text.size();
    --total_;
    lastServed_ = l->connection;
    return m;
}

void MessageQueue::dropConnection(int connection) {
    auto it = std::find_if(lanes_.begin(), lanes_.end(), [&](const Lane& l) { return l.connection == connection; });
    if (it == lanes_.end()) return;
    total_ -= it->entries.size();
    lanes_.erase(it);
}

} // namespace quadrino
