// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/network_addresses.h"

#include <QCoreApplication>
#include <QNetworkInterface>
#include <QStringList>
#include <QTcpServer>
#include <algorithm>

namespace quadrino {

QString cleanPlayerName(const QString& typed) {
    QString name;
    name.reserve(typed.size());
    for (const QChar c : typed) {
        if (c.category() == QChar::Other_Control || c.unicode() == 0xFF) continue;
        name += c;
    }
    return name.trimmed();
}

bool isLoopbackPeer(const QHostAddress& peer) {
    if (peer.isLoopback()) return true;
    bool mapped = false;
    const quint32 v4 = peer.toIPv4Address(&mapped);
    return mapped && QHostAddress(v4).isLoopback();
}

quint16 freePortAfter(quint16 port) {
    for (int candidate = port + 1; candidate <= std::min(65535, port + 100); ++candidate) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::Any, static_cast<quint16>(candidate))) return static_cast<quint16>(candidate);
    }
    return 0;
}

QList<QHostAddress> joinableAddresses() {
    QList<QHostAddress> found;
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp)) continue;
        for (const QNetworkAddressEntry& entry : nic.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.isNull() || ip.isLoopback()) continue;
            if (ip.protocol() != QAbstractSocket::IPv4Protocol && ip.protocol() != QAbstractSocket::IPv6Protocol) continue;
            found << ip;
        }
    }
    return found;
}

// The notice is shown by this copy only, never sent: it is in the user's language.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(NetworkAddresses)
};

QString joinAddressesNotice(const QList<QHostAddress>& addresses, quint16 port) {
    QStringList where;
    for (const QHostAddress& ip : addresses)
        if (!ip.isNull() && !ip.isLoopback()) where << Words::tr("%1 port %2").arg(ip.toString()).arg(port);
    QString text = QStringLiteral("0+");
    text += where.isEmpty() ? Words::tr("This computer has no network address but its own, so only it can join for now (port %1).").arg(port)
                            : Words::tr("Others can join this game at: %1.").arg(where.join(QStringLiteral(", ")));
    text += Words::tr(" A firewall on this computer must let in TCP port %1.").arg(port);
    return text;
}

} // namespace quadrino
