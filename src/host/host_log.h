// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the host writes to its log about peers: their text made harmless, and a budget per
// connection so that one peer cannot fill the log (or the disk behind it).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/vocabulary.h"

namespace quadrino {

// Text from a peer as a log line may show it: printable ASCII kept, every other byte as
// \xNN, a backslash doubled, and at most `limit` characters of the original followed by
// "..." when there was more.
std::string logSafe(std::string_view text, std::size_t limit = 40);
// 1234567 as "1,234,567".
std::string withThousands(std::uint64_t n);

class LogLimiter {
public:
    static constexpr int kLinesPerWindow = 20;
    static constexpr std::int64_t kWindowMs = 10000;

    // True when a line about the connection may go out now; false counts it as left out.
    bool allow(int connection, std::int64_t now);
    // A request of the connection was dropped unread because too many were waiting.
    void requestDropped(int connection, std::int64_t now);
    // The summary lines of every window that has ended by now, which starts those
    // connections afresh.
    std::vector<std::string> summaries(std::int64_t now);
    // When the next summary falls due; nullopt while there is nothing to report.
    std::optional<std::int64_t> nextSummary() const;

private:
    struct Window {
        std::int64_t start = 0;
        bool open = false;
        int lines = 0;
        std::uint64_t leftOut = 0;
        std::uint64_t dropped = 0;
    };
    Window& window(int connection, std::int64_t now);

    PerConnection<Window> windows_{};
    // Set when a line is left out or a request dropped: asked after every event of the host,
    // nextSummary looks at the windows only when there may be something to report.
    bool mayReport_ = false;
};

} // namespace quadrino
