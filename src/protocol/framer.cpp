// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/framer.h"

namespace quadrino {

bool Framer::feed(std::string_view bytes, std::vector<std::string>& messages) {
    if (overflowed_) return false;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = bytes.find(kTerminator, start);
        if (end == std::string_view::npos) break;
        if (pending_.empty()) {
            if (end > start || !dropEmpty_) messages.emplace_back(bytes.substr(start, end - start));
        } else {
            pending_.append(bytes.substr(start, end - start));
            messages.push_back(std::move(pending_));
            pending_.clear();
        }
        start = end + 1;
    }
    pending_.append(bytes.substr(start));
    if (pending_.size() > maxPending_) {
        overflowed_ = true;
        pending_.clear();
        pending_.shrink_to_fit();
        return false;
    }
    return true;
}

} // namespace quadrino
