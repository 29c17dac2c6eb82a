// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/stderr_log.h"

#include <QSocketNotifier>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quadrino {

namespace {

// A whole unsigned decimal number and nothing else.
bool readNumber(std::string_view text, std::uint64_t& out) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size();
}

} // namespace

bool isJournalStream(std::string_view journalStream, std::uint64_t device, std::uint64_t inode) {
    const std::size_t colon = journalStream.find(':');
    if (colon == std::string_view::npos) return false;
    std::uint64_t d = 0, i = 0;
    return readNumber(journalStream.substr(0, colon), d) && readNumber(journalStream.substr(colon + 1), i) &&
           d == device && i == inode;
}

bool writesToJournal(int fd) {
    const char* variable = std::getenv("JOURNAL_STREAM");
    struct stat st {};
    if (!variable || ::fstat(fd, &st) != 0) return false;
    return isJournalStream(variable, static_cast<std::uint64_t>(st.st_dev),
                           static_cast<std::uint64_t>(st.st_ino));
}

std::string linePrefix(bool journal, LogPriority priority, std::string_view program) {
    if (journal) return "<" + std::to_string(static_cast<int>(priority)) + ">";
    return std::string(program) + ": ";
}

StderrLog::StderrLog(int fd, std::size_t capacity, QObject* parent) : QObject(parent), capacity_(capacity) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        dead_ = true;
        return;
    }
    fd_ = fd;
    journal_ = writesToJournal(fd);
    if (S_ISSOCK(st.st_mode)) {
        // send() can be told not to wait without changing the descriptor for anyone else.
        socket_ = true;
    } else if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)) {
        // A file description of our own, so that making it non-blocking does not change the
        // shell's or the parent's view of the same pipe or terminal.
        const std::string path = "/proc/self/fd/" + std::to_string(fd);
        const int own = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (own >= 0) {
            fd_ = own;
            ownFd_ = true;
        } else {
            const int flags = ::fcntl(fd, F_GETFL);
            if (flags >= 0) ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
        }
    }
    // Regular files and the like never keep a writer waiting.
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
    notifier_->setEnabled(false);
    connect(notifier_, &QSocketNotifier::activated, this, &StderrLog::flush);
}

StderrLog::~StderrLog() {
    flush();
    if (ownFd_) ::close(fd_);
}

long StderrLog::push(const char* data, std::size_t size) {
    for (;;) {
        const ssize_t n = socket_ ? ::send(fd_, data, size, MSG_DONTWAIT | MSG_NOSIGNAL) : ::write(fd_, data, size);
        if (n >= 0) return static_cast<long>(n);
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return -1;
    }
}

void StderrLog::write(std::string_view line, LogPriority priority) {
    if (dead_) return;
    const std::string prefix = linePrefix(journal_, priority, program_);
    if (buffer_.size() + prefix.size() + line.size() + 1 > capacity_) {
        ++dropped_;
        return;
    }
    buffer_ += prefix;
    buffer_.append(line);
    buffer_ += '\n';
    flush();
}

void StderrLog::flush() {
    while (!dead_ && !buffer_.empty()) {
        const long n = push(buffer_.data(), buffer_.size());
        if (n < 0) {
            // The reader is gone (or the descriptor broke): nothing written later can arrive.
            dead_ = true;
            buffer_.clear();
            buffer_.shrink_to_fit();
            break;
        }
        if (n == 0) break;
        buffer_.erase(0, static_cast<std::size_t>(n));
        if (buffer_.empty() && dropped_ > 0) {
            buffer_ = linePrefix(journal_, LogPriority::Warning) + std::to_string(dropped_) +
                      " log lines dropped: the log was not read in time\n";
            dropped_ = 0;
        }
    }
    if (notifier_) notifier_->setEnabled(!dead_ && !buffer_.empty());
}

} // namespace quadrino
