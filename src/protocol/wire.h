// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Constants of the game's wire protocol, shared by host and client.
#include <cstddef>
#include <string_view>

#include "protocol/vocabulary.h"

namespace quadrino {

inline constexpr char kTerminator = '\xFF';
inline constexpr char kSeparator = '+';
// The version text a client sends at login and the host compares: the protocol's, not the
// package's, so copies of different releases that speak the same protocol still meet.
inline constexpr std::string_view kVersion = "1.0.15";
// The port a game is hosted on and joined on unless the user picks another.
inline constexpr unsigned short kGamePort = 7772;
inline constexpr unsigned short kLobbyPort = 9001;

// A queue entry is read back with at most this many characters.
inline constexpr std::size_t kMaxEntryLength = 4096;
// Unterminated bytes a connection may leave pending before it is dropped.
inline constexpr std::size_t kMaxPendingBytes = 64 * 1024;

inline constexpr int kHostTickMs = 10;
inline constexpr int kClientTickMs = 1;

} // namespace quadrino
