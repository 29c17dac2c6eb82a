#include "protocol/message_queue.h"

#include <algorithm>

#include "protocol/wire.h"

namespace quadrino {

CommandSplit splitCommand(std::string_view entry) {
    auto plus = entry.find(kSeparator);
    if (plus == std::string_view::npos) return {{}, entry};
    return {entry.substr(0, plus), entry.substr(plus + 1)};
}

QueuedMessage MessageQueue::take() {
    if (entries_.empty()) return {};
    QueuedMessage m = std::move(entries_.front());
    entries_.pop_front();
    if (m.text.size() > kMaxEntryLength) m.text.resize(kMaxEntryLength);
    return m;
}

void MessageQueue::dropConnection(int connection) {
    std::erase_if(entries_, [connection](const QueuedMessage& m) { return m.connection == connection; });
}

} // namespace quadrino
