// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's only way to reach the world. The Qt server, the headless host and the tests'
// virtual clock each implement it.
#include <cstdint>
#include <string_view>

namespace quadrino {

enum class HostTimer {
    Dispatch, // serves the message queue, 10 ms, runs only while the queue has entries
    Next,     // timer1: the pause before the next seat, 1000 ms
    Computer, // computertimer: a bot's next roll or move
    Watch,    // the host's own deadlines: logins due, a sleeping seat, log summaries
};

class HostPort {
public:
    virtual ~HostPort() = default;
    // Hands one whole message to connection c (1..10) for sending.
    virtual void send(int connection, std::string_view bytes) = 0;
    // Closes connection c. The port reports the closing back through
    // Host::connectionClosed(c) afterwards, never from inside this call.
    virtual void close(int connection) = 0;
    // Connection `from` is known as `to` from now on (a player back in its seat). Whatever
    // `to` still stood for is cut off, and its end is never reported.
    virtual void renumber(int from, int to) = 0;
    // Starts or restarts a repeating timer; the host stops it when it has no more use for it.
    virtual void startTimer(HostTimer timer, int intervalMs) = 0;
    virtual void stopTimer(HostTimer timer) = 0;
    // The hosting user's bot speed, read at every arming of the computer timer.
    virtual int botDelay() const = 0;
    // One line about a connection event or a dropped request.
    virtual void log(std::string_view line) = 0;
    // Milliseconds on the clock the timers run on, from any fixed starting point.
    virtual std::int64_t now() const = 0;
};

} // namespace quadrino
