// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/peer_limits.h"

#include <algorithm>

namespace quadrino {

bool AddressLimit::admit(std::string_view address, bool exempt) {
    auto it = counts_.find(address);
    const int now = it == counts_.end() ? 0 : it->second;
    if (!exempt && perAddress_ > 0 && now >= perAddress_) return false;
    if (it == counts_.end()) it = counts_.emplace(std::string(address), 0).first;
    ++it->second;
    return true;
}

void AddressLimit::left(std::string_view address) {
    auto it = counts_.find(address);
    if (it == counts_.end()) return;
    if (--it->second <= 0) counts_.erase(it);
}

int AddressLimit::count(std::string_view address) const {
    auto it = counts_.find(address);
    return it == counts_.end() ? 0 : it->second;
}

std::int64_t InputBudget::available(std::int64_t now) {
    if (now > at_) {
        available_ = std::min(burst_, available_ + (now - at_) * perSecond_);
        at_ = now;
    }
    return std::max<std::int64_t>(available_ / 1000, 0);
}

std::int64_t InputBudget::msUntil(std::int64_t bytes, std::int64_t now) {
    available(now);
    const std::int64_t missing = std::min(bytes * 1000, burst_) - available_;
    if (missing <= 0) return 1;
    return std::max<std::int64_t>(1, (missing + perSecond_ - 1) / perSecond_);
}

} // namespace quadrino
