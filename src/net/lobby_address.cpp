// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lobby_address.h"

#include <QHostAddress>

namespace quadrino {

std::optional<LobbyAddress> parseLobbyAddress(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.size() > 255) return std::nullopt;
    LobbyAddress out;
    QString portText;
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        if (close < 0) return std::nullopt;
        out.host = text.mid(1, close - 1);
        const QString after = text.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(u':')) return std::nullopt;
        if (!after.isEmpty()) portText = after.mid(1);
        if (QHostAddress(out.host).protocol() != QAbstractSocket::IPv6Protocol) return std::nullopt;
        if (!after.isEmpty() && portText.isEmpty()) return std::nullopt;
    } else if (text.count(u':') > 1) {
        // A bare IPv6 address: its colons leave no room for a port.
        out.host = text;
        if (QHostAddress(out.host).protocol() != QAbstractSocket::IPv6Protocol) return std::nullopt;
    } else {
        const qsizetype colon = text.indexOf(u':');
        out.host = colon < 0 ? text : text.left(colon);
        if (colon >= 0) {
            portText = text.mid(colon + 1);
            if (portText.isEmpty()) return std::nullopt;
        }
    }
    if (out.host.isEmpty() || out.host.contains(u' ') || out.host.contains(u'/')) return std::nullopt;
    if (!portText.isEmpty()) {
        const QByteArray digits = portText.toLatin1();
        const auto port = lobby::parseNumber(std::string_view(digits.constData(), static_cast<std::size_t>(digits.size())), 1, 65535);
        if (!port) return std::nullopt;
        out.port = static_cast<quint16>(*port);
    }
    return out;
}

} // namespace quadrino
