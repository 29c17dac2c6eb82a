// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/virtual_port.h"

#include <algorithm>

namespace quadrino {

int VirtualPort::connect(bool owner, bool onThisMachine) {
    const int n = host_->allocateConnection(owner);
    host_->connectionOpened(n, onThisMachine);
    return n;
}

void VirtualPort::deliver(int connection, std::string_view bytes) { host_->dataReceived(connection, bytes); }

void VirtualPort::peerCloses(int connection) { pendingCloses_.push_back(connection); }

void VirtualPort::send(int connection, std::string_view bytes) {
    if (sink_) sink_(connection, bytes);
}

void VirtualPort::close(int connection) {
    closedByHost_.push_back(connection);
    pendingCloses_.push_back(connection);
}

void VirtualPort::renumber(int from, int to) {
    // The old `to` is gone without a report; a close the peer of `from` already made follows
    // it to its new number.
    std::erase(pendingCloses_, to);
    std::ranges::replace(pendingCloses_, from, to);
}

void VirtualPort::startTimer(HostTimer timer, int intervalMs) {
    auto& t = timers_[index(timer)];
    t.active = true;
    t.interval = std::max(intervalMs, 0);
    t.due = now_ + t.interval;
}

void VirtualPort::stopTimer(HostTimer timer) { timers_[index(timer)].active = false; }

bool VirtualPort::step() {
    if (!pendingCloses_.empty()) {
        const int c = pendingCloses_.front();
        pendingCloses_.erase(pendingCloses_.begin());
        host_->connectionClosed(c);
        return true;
    }
    Timer* next = nullptr;
    std::size_t which = 0;
    for (std::size_t i = 0; i < timers_.size(); ++i)
        if (timers_[i].active && (!next || timers_[i].due < next->due)) {
            next = &timers_[i];
            which = i;
        }
    if (!next) return false;
    now_ = std::max(now_, next->due);
    // A repeating timer: it comes round again unless the host stops or re-arms it.
    next->due = now_ + std::max<std::int64_t>(next->interval, 1);
    host_->timerFired(static_cast<HostTimer>(which));
    return true;
}

void VirtualPort::runUntil(const std::function<bool()>& until, std::int64_t limitMs) {
    const std::int64_t end = now_ + limitMs;
    while (!until()) {
        // Peek: stop before an event beyond the limit.
        bool due = !pendingCloses_.empty();
        for (const auto& t : timers_)
            if (t.active && t.due <= end) due = true;
        if (!due || !step()) break;
    }
}

void VirtualPort::runFor(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    runUntil([] { return false; }, ms);
    now_ = std::max(now_, end);
}

} // namespace quadrino
