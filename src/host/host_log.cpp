// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/host_log.h"

#include <algorithm>

namespace quadrino {

std::string logSafe(std::string_view text, std::size_t limit) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    const std::size_t n = std::min(text.size(), limit);
    out.reserve(n + 8);
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '\\') {
            out += "\\\\";
        } else if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
        } else {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        }
    }
    if (text.size() > limit) out += "...";
    return out;
}

std::string withThousands(std::uint64_t n) {
    std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

LogLimiter::Window& LogLimiter::window(int connection, std::int64_t now) {
    Window& w = windows_[connection];
    if (!w.open || now - w.start >= kWindowMs) w = Window{now, true, 0, 0, 0};
    return w;
}

bool LogLimiter::allow(int connection, std::int64_t now) {
    if (!PerConnection<Window>::contains(connection)) return true;
    Window& w = window(connection, now);
    if (w.lines < kLinesPerWindow) {
        ++w.lines;
        return true;
    }
    ++w.leftOut;
    mayReport_ = true;
    return false;
}

void LogLimiter::requestDropped(int connection, std::int64_t now) {
    if (!PerConnection<Window>::contains(connection)) return;
    ++window(connection, now).dropped;
    mayReport_ = true;
}

std::vector<std::string> LogLimiter::summaries(std::int64_t now) {
    std::vector<std::string> lines;
    for (int c = 1; c <= kRefusedSlot; ++c) {
        Window& w = windows_[c];
        if (!w.open || now - w.start < kWindowMs) continue;
        const std::string tail = " connection " + std::to_string(c) + " in the last 10 s";
        if (w.dropped) lines.push_back("dropped " + withThousands(w.dropped) + " requests from" + tail);
        if (w.leftOut) lines.push_back("left out " + withThousands(w.leftOut) + " log lines about" + tail);
        w = Window{};
    }
    mayReport_ = false;
    for (const Window& w : windows_) mayReport_ = mayReport_ || (w.open && (w.dropped || w.leftOut));
    return lines;
}

std::optional<std::int64_t> LogLimiter::nextSummary() const {
    std::optional<std::int64_t> due;
    if (!mayReport_) return due;
    for (const Window& w : windows_)
        if (w.open && (w.dropped || w.leftOut)) {
            const std::int64_t end = w.start + kWindowMs;
            if (!due || end < *due) due = end;
        }
    return due;
}

} // namespace quadrino
