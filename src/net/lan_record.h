// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a hosted game tells the local network about itself, as the text entries of its
// DNS-SD record ("key=value"), and back. Plain C++: the Avahi edge hands these strings over
// as they are, and a record from an unknown peer is checked here before anything shows it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/vocabulary.h"
#include "rules/game_options.h"

namespace quadrino {

// The DNS-SD service type every copy announces and looks for.
inline constexpr std::string_view kLanServiceType = "_quadrino._tcp";

struct LanGame {
    std::string host; // the hosting user's name (UTF-8)
    int seats = 0;    // seats a person holds, 0 to 4
    int watchers = 0; // people logged in without a seat
    bool started = false;
    GameOptions options;
    bool operator==(const LanGame&) const = default;
};

// One entry may hold at most this many bytes; a record whose entries together hold more
// is not one of ours.
inline constexpr std::size_t kLanEntryMax = 255;
inline constexpr std::size_t kLanRecordMax = 1024;
// A host's name is cut to this many bytes (at a character's edge) before it is announced;
// it is also the longest a service name may be.
inline constexpr std::size_t kLanNameMax = 63;
inline constexpr int kLanMaxWatchers = kMaxConnections;

// The options' values in the option table's order, comma separated ("1,0,1,3,1,0,0"), as
// the record and the online lobby's listing carry them; nullopt for a text that is not one.
std::string encodeLanOptions(const GameOptions& options);
std::optional<GameOptions> decodeLanOptions(std::string_view text);

// The record's entries; the name is cut to kLanNameMax bytes.
std::vector<std::string> encodeLanRecord(const LanGame& game);
// The game a record describes, or nullopt when it is not a record of ours: an entry or the
// whole too long, a required key missing or repeated, a number out of range. Keys it does
// not know are passed over, so later copies may add some.
std::optional<LanGame> decodeLanRecord(const std::vector<std::string>& entries);

class Host;
// What `host` has to announce now under the hosting user's `name`: the seats people hold,
// who watches, and the game's options once started (before that, `planned`, the options
// the hosting user has chosen so far).
LanGame lanGameOf(const Host& host, std::string_view name, const GameOptions& planned);

// UTF-8 `text` cut to at most `max` bytes without splitting a character.
std::string cutUtf8(std::string_view text, std::size_t max);

// An option that is on, for a list of games: its English name (the board label's, or the
// options dialog's caption for one without a label) and its number, if it has one.
struct OptionOn {
    std::string_view name;
    std::optional<int> value;
    bool operator==(const OptionOn&) const = default;
};
std::vector<OptionOn> lanOptionsOn(const GameOptions& options);


} // namespace quadrino
