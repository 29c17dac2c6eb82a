// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which chatter sounds a received request may make this copy play. A peer names the sound, so
// the name is checked against the twenty chatter sounds (a peer must not make everybody hear
// "winner" or name anything else), and each sender gets at most one sound a second so a flood
// of requests cannot keep every copy shouting.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrino {

inline constexpr int kChatterSoundCount = 20;

// 1..20 for "wave1".."wave20" in any case; nullopt for anything else ("wave01", "wave21",
// "winner", a path, trailing blanks).
std::optional<int> chatterSoundNumber(std::string_view name);

// The lower-case name of chatter sound n ("wave7").
std::string chatterSoundName(int number);

// The data of a received CMD_playasound: the sender before the first "+", the sound name
// between the first and the second "+".
struct ChatterSoundRequest {
    int seat = 0;     // 1..9
    int number = 0;   // 1..20
};
// nullopt when the sender is no connection number 1..9 or the name is no chatter sound.
std::optional<ChatterSoundRequest> parseChatterSound(std::string_view data);

class ChatterSoundGate {
public:
    static constexpr std::int64_t kSpacingMs = 1000;

    // The request when it may be played now (nowMs: any monotonic clock in milliseconds),
    // nullopt when it names no chatter sound or its sender played one less than a second ago.
    // Only admitted requests start a sender's quiet second, so a flood cannot lock a sender out
    // for longer than that second.
    std::optional<ChatterSoundRequest> admit(std::string_view data, std::int64_t nowMs);

private:
    std::array<std::optional<std::int64_t>, 10> lastPlayed_{}; // by seat 1..9
};

} // namespace quadrino
