// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How this copy starts, decided from its command line alone: solo, host, join or idle.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "protocol/wire.h"

namespace quadrino {

enum class LaunchMode {
    Solo, // no arguments: host on this machine as "You"
    Idle, // one or two arguments: only the loading line, never connects
    Host, // name, address, "true"
    Join, // name, address, anything but "true"
};

struct LaunchPlan {
    LaunchMode mode = LaunchMode::Solo;
    QString myname;        // "You" when solo; empty when idle
    QString hostaddress;   // "127.0.0.1" when solo; the second argument when hosting or joining
    bool openLobbyLink = false; // the connection to the lobby program on 127.0.0.1:9001

    // Options for tests and demonstrations, taken out before the mode is decided.
    std::uint16_t port = kGamePort;          // hosted on or joined on; 0 lets the system choose
    double timeScale = 1.0;             // multiplies the in-process host's timers
    std::optional<std::uint32_t> seed;  // the in-process host's dice; the clock when unset

    QString error; // set when an option's value is malformed; the program then refuses to start
};

// `arguments` excludes the program name.
LaunchPlan decideLaunch(const QStringList& arguments);

// What the command line asks to be told instead of starting the game: the help text for
// -h/--help, "quadrino VERSION" for -v/--version (help when both are given); nullopt when
// the game should start. Decided from the raw arguments, before any window system is
// opened, so it works without a display. A word that only looks like one of them as the
// value of --port, --seed or --time-scale is that option's value, as decideLaunch takes
// it. `arguments` excludes the program name.
std::optional<QString> launchInformation(const QStringList& arguments);

} // namespace quadrino
