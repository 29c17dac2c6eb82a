// SPDX-License-Identifier: GPL-3.0-or-later
#include "lobby/game_directory.h"

namespace quadrino::lobby {

void MemoryGameDirectory::put(const GameEntry& entry) {
    auto [it, added] = games_.try_emplace(entry.listing.id, entry);
    if (!added) {
        // An unchanged entry is no news for thousands of watchers.
        if (it->second == entry) return;
        it->second = entry;
    }
    if (listener_) listener_(entry.listing.id, &it->second);
}

void MemoryGameDirectory::remove(const std::string& id) {
    if (games_.erase(id) == 0) return;
    if (listener_) listener_(id, nullptr);
}

std::optional<GameEntry> MemoryGameDirectory::find(const std::string& id) const {
    const auto it = games_.find(id);
    if (it == games_.end()) return std::nullopt;
    return it->second;
}

std::vector<GameEntry> MemoryGameDirectory::all() const {
    std::vector<GameEntry> out;
    out.reserve(games_.size());
    for (const auto& [id, entry] : games_) out.push_back(entry);
    return out;
}

} // namespace quadrino::lobby
