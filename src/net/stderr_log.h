// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless host's log on its standard error, written without ever blocking: a pipe
// that nobody reads (or a terminal held by flow control) must not freeze every game. Lines
// wait in a bounded buffer until the descriptor takes them; past the bound they are dropped
// and counted, and the count is written once there is room again. A reader that has gone
// away ends the logging, not the host.
//
// Under systemd, when standard error is the journal, each line starts with its priority
// ("<3>" and the like) instead of the program's name, which the journal records anyway.
#include <QObject>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class QSocketNotifier;

namespace quadrino {

// How much a line matters, numbered as syslog does; the journal reads the number from the
// line's "<N>" prefix.
enum class LogPriority { Error = 3, Warning = 4, Info = 6, Debug = 7 };

// Whether a descriptor on this device and inode is the journal's stream. systemd sets
// JOURNAL_STREAM to "DEVICE:INODE" of the stream it connects; a program whose standard
// error was redirected (by a shell script in the unit, say) still inherits the variable,
// so only the descriptor's own identity tells. Anything malformed is not the journal.
bool isJournalStream(std::string_view journalStream, std::uint64_t device, std::uint64_t inode);
// The same for descriptor fd and this process's JOURNAL_STREAM.
bool writesToJournal(int fd);
// What a line starts with: "<N>" for the journal, else the program's name and a colon.
std::string linePrefix(bool journal, LogPriority priority, std::string_view program = "quadrino-host");

class StderrLog : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kDefaultCapacity = 64 * 1024;

    // Writes to a descriptor of its own on the same file (or to fd itself where that is
    // not possible), switched to non-blocking writes.
    explicit StderrLog(int fd = 2, std::size_t capacity = kDefaultCapacity, QObject* parent = nullptr);
    ~StderrLog() override;

    // Whether the lines carry their priority for the journal; found out from fd when made.
    void setJournal(bool journal) { journal_ = journal; }
    // The name a line starts with off the journal.
    void setProgram(std::string_view program) { program_ = program; }
    bool journal() const { return journal_; }

    // One line; its prefix and the newline are added here.
    void write(std::string_view line, LogPriority priority = LogPriority::Info);
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
    bool journal_ = false;
    std::string program_ = "quadrino-host";
    std::size_t capacity_;
    std::size_t dropped_ = 0;
    std::string buffer_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace quadrino
