// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open games, behind an interface: one lobby process keeps them in memory, and a later
// store may share them between several processes. So an entry says which process holds the
// host's link (relays must go there), and a listener hears every change, whoever made it.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lobby/lobby_protocol.h"

namespace quadrino::lobby {

struct GameEntry {
    GameListing listing;
    // The lobby process that holds the host's signed-in link, and where joiners reach it
    // for a relay.
    std::string holder;
    std::string relayAddress;
    int relayPort = 0;
    bool operator==(const GameEntry&) const = default;
};

class GameDirectory {
public:
    // The entry as it now stands, or nullptr when the game has gone.
    using Listener = std::function<void(const std::string& id, const GameEntry* entry)>;
    virtual ~GameDirectory() = default;
    // Adds the game or replaces the entry of the same id.
    virtual void put(const GameEntry& entry) = 0;
    virtual void remove(const std::string& id) = 0;
    virtual std::optional<GameEntry> find(const std::string& id) const = 0;
    virtual std::vector<GameEntry> all() const = 0;
    virtual std::size_t size() const = 0;
    virtual void setListener(Listener listener) = 0;
};

// The directory of a lone lobby process.
class MemoryGameDirectory final : public GameDirectory {
public:
    void put(const GameEntry& entry) override;
    void remove(const std::string& id) override;
    std::optional<GameEntry> find(const std::string& id) const override;
    std::vector<GameEntry> all() const override;
    std::size_t size() const override { return games_.size(); }
    void setListener(Listener listener) override { listener_ = std::move(listener); }

private:
    std::map<std::string, GameEntry> games_;
    Listener listener_;
};

} // namespace quadrino::lobby
