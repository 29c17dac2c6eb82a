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

bool MessageQueue::push(int connection, std::string text, QueueLane which) {
    if (text.size() > kMaxEntryLength) {
        text.resize(kMaxEntryLength);
        text.shrink_to_fit();
    }
    Lane* l = lane(connection);
    if (!l) {
        auto at = std::find_if(lanes_.begin(), lanes_.end(), [&](const Lane& x) { return x.connection > connection; });
        l = &*lanes_.insert(at, Lane{connection, {}});
    }
    const QueueLimits& limits = limits_[static_cast<std::size_t>(which)];
    Share& share = l->shares[static_cast<std::size_t>(which)];
    if (share.entries.size() >= limits.entries || text.size() > limits.bytes - std::min(share.bytes, limits.bytes))
        return false;
    share.bytes += text.size();
    share.entries.push_back({serial_++, std::move(text)});
    ++total_;
    return true;
}

std::size_t MessageQueue::size(int connection) const {
    return size(connection, QueueLane::Other) + size(connection, QueueLane::Game);
}

std::size_t MessageQueue::size(int connection, QueueLane which) const {
    const Lane* l = lane(connection);
    return l ? l->shares[static_cast<std::size_t>(which)].entries.size() : 0;
}

std::size_t MessageQueue::bytes(int connection) const {
    const Lane* l = lane(connection);
    return l ? l->shares[0].bytes + l->shares[1].bytes : 0;
}

MessageQueue::Share& MessageQueue::Lane::next(QueueOrder order) {
    Share& other = shares[static_cast<std::size_t>(QueueLane::Other)];
    Share& game = shares[static_cast<std::size_t>(QueueLane::Game)];
    if (game.entries.empty()) return other;
    if (other.entries.empty() || order == QueueOrder::Fair) return game;
    // In arrival order the two lanes are one line again, as they always were.
    return game.entries.front().serial < other.entries.front().serial ? game : other;
}

MessageQueue::Lane* MessageQueue::nextLane() {
    Lane* best = nullptr;
    if (order_ == QueueOrder::Arrival) {
        std::uint64_t bestSerial = 0;
        for (auto& l : lanes_) {
            if (l.empty()) continue;
            const std::uint64_t serial = l.next(order_).entries.front().serial;
            if (!best || serial < bestSerial) {
                best = &l;
                bestSerial = serial;
            }
        }
        return best;
    }
    // The first waiting lane after the one served last, wrapping round to the lowest.
    for (auto& l : lanes_) {
        if (l.empty()) continue;
        if (l.connection > lastServed_) return &l;
        if (!best) best = &l;
    }
    return best;
}

QueuedMessage MessageQueue::take() {
    Lane* l = nextLane();
    if (!l) return {};
    Share& share = l->next(order_);
    QueuedMessage m{l->connection, std::move(share.entries.front().text)};
    share.entries.pop_front();
    share.bytes -= m.text.size();
    --total_;
    lastServed_ = l->connection;
    return m;
}

void MessageQueue::dropConnection(int connection) {
    auto it = std::find_if(lanes_.begin(), lanes_.end(), [&](const Lane& l) { return l.connection == connection; });
    if (it == lanes_.end()) return;
    total_ -= it->shares[0].entries.size() + it->shares[1].entries.size();
    lanes_.erase(it);
}

} // namespace quadrino
