// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless host's log on its standard error, written without ever blocking: a pipe
// that nobody reads (or a terminal held by flow control) must not freeze every game. Lines
// wait in a bounded buffer until the descriptor takes them; past the bound they are dropped
// and counted, and the count is written once there is room again. A reader that has gone
// away ends the logging, not the host.
#include <QObject>
#include <cstddef>
#include <string>
#include <string_view>

class QSocketNotifier;

namespace quadrino {

class StderrLog : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kDefaultCapacity = 64 * 1024;

    // Writes to a descriptor of its own on the same file (or to fd itself where that is
    // not possible), switched to non-blocking writes.
    explicit StderrLog(int fd = 2, std::size_t capacity = kDefaultCapacity, QObject* parent = nullptr);
    ~StderrLog() override;

    // One line; the newline is added here.
    void write(std::string_view line);
    std::size_t pending() const { return buffer_.size(); }
    std::size_t dropped() const { return dropped_; }

private:
    void flush();
    // Hands bytes to the descriptor; the count taken, 0 when it would block, -1 when the
    // descriptor is gone for good.
    long push(const char* data, std::size_t size);

    int fd_ = -1;
    bool ownFd_ = false;
    bool socket_ = false;
    bool dead_ = false;
    std::size_t capacity_;
    std::size_t dropped_ = 0;
    std::string buffer_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace quadrino
