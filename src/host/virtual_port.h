// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A HostPort on a virtual clock: timers fire in time order without waiting, sends go to a
// callback. Whole games run in milliseconds and replay exactly from a seed; the simulation
// benchmark and the host tests use it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "host/host_port.h"

namespace quadrino {

class VirtualPort : public HostPort {
public:
    using SendSink = std::function<void(int connection, std::string_view bytes)>;

    VirtualPort() = default;
    void attach(Host& host) { host_ = &host; }
    void setSink(SendSink sink) { sink_ = std::move(sink); }
    void setBotDelay(int ms) { botDelay_ = ms; }

    // A new connection: the number the host gave it (10 = refused). Only an owner's
    // connection may get number 1.
    int connect(bool owner = true, bool onThisMachine = false);
    // Bytes arriving from a connection.
    void deliver(int connection, std::string_view bytes);
    // The peer closes its end.
    void peerCloses(int connection);

    std::int64_t now() const override { return now_; }
    // Fires the next due event (a pending close first, then the earliest timer) and moves
    // the clock to it. False when nothing is pending.
    bool step();
    // Runs events until `until` returns true, nothing is pending, or the clock passes the limit.
    void runUntil(const std::function<bool()>& until, std::int64_t limitMs);
    void runFor(std::int64_t ms);
    bool timerActive(HostTimer t) const { return timers_[index(t)].active; }
    std::int64_t timerDue(HostTimer t) const { return timers_[index(t)].due; }
    const std::vector<std::string>& logLines() const { return log_; }
    const std::vector<int>& closedByHost() const { return closedByHost_; }
    bool closesPending() const { return !pendingCloses_.empty(); }

    // HostPort
    void send(int connection, std::string_view bytes) override;
    void close(int connection) override;
    void renumber(int from, int to) override;
    void startTimer(HostTimer timer, int intervalMs) override;
    void stopTimer(HostTimer timer) override;
    int botDelay() const override { return botDelay_; }
    void log(std::string_view line) override { log_.emplace_back(line); }

private:
    struct Timer {
        bool active = false;
        std::int64_t interval = 0;
        std::int64_t due = 0;
    };
    static std::size_t index(HostTimer t) { return static_cast<std::size_t>(t); }

    Host* host_ = nullptr;
    SendSink sink_;
    int botDelay_ = 1000;
    std::int64_t now_ = 0;
    std::array<Timer, 4> timers_{};
    std::vector<int> pendingCloses_;
    std::vector<int> closedByHost_;
    std::vector<std::string> log_;
};

} // namespace quadrino
