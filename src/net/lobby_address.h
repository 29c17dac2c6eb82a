// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a lobby listens, as a player or an administrator writes it: read the same way by the
// hosting side's listing and by the lobby window's client.
#include <QString>
#include <optional>

#include "lobby/lobby_protocol.h"

namespace quadrino {

struct LobbyAddress {
    QString host;
    quint16 port = lobby::kDefaultPort;
    bool operator==(const LobbyAddress&) const = default;
};

// "host", "host:port", "[IPv6]", "[IPv6]:port" or a bare IPv6 address, blanks around it
// ignored; nullopt for anything else (an empty host, a port that is not 1 to 65535).
std::optional<LobbyAddress> parseLobbyAddress(const QString& text);

} // namespace quadrino
