// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who this client is. The session owns it; the table model reads it when it decides whether
// an announcement is the user's own and whether a click may be sent.
#include <string>

namespace quadrino {

struct ClientIdentity {
    std::string myname;   // UTF-8; "You" in a solo game
    int myseat = 0;       // connection number from CMD_sendlogininfo; 1..4 seats, above: spectator
    bool loggedin = false;
    bool amhost = false;
};

} // namespace quadrino
