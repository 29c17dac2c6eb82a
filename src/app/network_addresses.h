// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names and addresses for hosting and joining: what a typed name may hold, which peer is this
// machine, which port is free, where others can reach a hosting copy.
#include <QHostAddress>
#include <QList>
#include <QString>

namespace quadrino {

// Seats' name labels are narrow; a longer name would only be cut there.
inline constexpr int kMaxNameLength = 24;

// Names travel in every login and chat line; the characters the wire cannot carry (control
// characters, the 0xFF terminator) are dropped, as are blanks at either end.
QString cleanPlayerName(const QString& typed);

// A loopback peer, whether it came in over IPv4, IPv6 or as an IPv4-mapped IPv6 address.
bool isLoopbackPeer(const QHostAddress& peer);
// The first port after `port` (up to 100 further) that can be listened on here; 0 if none.
quint16 freePortAfter(quint16 port);

// This machine's addresses that others may reach: every IPv4 and IPv6 address of every
// interface that is up, but the loopback ones.
QList<QHostAddress> joinableAddresses();
// The chat line that tells a hosting user where others can join and reminds of the firewall.
QString joinAddressesNotice(const QList<QHostAddress>& addresses, quint16 port);

} // namespace quadrino
