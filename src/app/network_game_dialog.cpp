// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/network_game_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QNetworkInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTcpServer>
#include <algorithm>

#include "protocol/wire.h"

namespace quadrino {

namespace {
// Seats' name labels are narrow; a longer name would only be cut there.
constexpr int kMaxNameLength = 24;
} // namespace

QString cleanPlayerName(const QString& typed) {
    QString name;
    name.reserve(typed.size());
    for (const QChar c : typed) {
        if (c.category() == QChar::Other_Control || c.unicode() == 0xFF) continue;
        name += c;
    }
    return name.trimmed();
}

NetworkGameDialog::NetworkGameDialog(Kind kind, QWidget* parent) : QDialog(parent), kind_(kind) {
    const bool host = kind == Kind::Host;
    setObjectName(host ? QStringLiteral("hostgame") : QStringLiteral("joingame"));
    setWindowTitle(host ? QStringLiteral("Quadrino - Host Network Game") : QStringLiteral("Quadrino - Join Network Game"));

    auto* form = new QFormLayout(this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("edit_name"));
    name_->setMaxLength(kMaxNameLength);
    form->addRow(QStringLiteral("Your name:"), name_);
    connect(name_, &QLineEdit::textChanged, this, &NetworkGameDialog::updateOk);

    if (host) {
        port_ = new QSpinBox(this);
        port_->setObjectName(QStringLiteral("edit_port"));
        // 0 lets the system choose; the chat then names the port it chose.
        port_->setRange(0, 65535);
        port_->setSpecialValueText(QStringLiteral("any free port"));
        port_->setValue(kGamePort);
        form->addRow(QStringLiteral("Port:"), port_);
    } else {
        address_ = new QLineEdit(this);
        address_->setObjectName(QStringLiteral("edit_address"));
        address_->setPlaceholderText(QStringLiteral("name or IP address of the hosting computer"));
        form->addRow(QStringLiteral("Host address:"), address_);
        connect(address_, &QLineEdit::textChanged, this, &NetworkGameDialog::updateOk);

        port_ = new QSpinBox(this);
        port_->setObjectName(QStringLiteral("edit_port"));
        port_->setRange(1, 65535);
        port_->setValue(kGamePort);
        form->addRow(QStringLiteral("Port:"), port_);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("button_ok"));
    ok_->setText(host ? QStringLiteral("Host") : QStringLiteral("Join"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("button_cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (ok_->isEnabled()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    updateOk();
}

void NetworkGameDialog::setPlayerName(const QString& name) { name_->setText(name); }

void NetworkGameDialog::setAddress(const QString& address) {
    if (address_) address_->setText(address);
}

void NetworkGameDialog::setPort(int port) {
    if (port_) port_->setValue(port);
}

QString NetworkGameDialog::playerName() const { return cleanPlayerName(name_->text()); }

QString NetworkGameDialog::address() const { return address_ ? address_->text().trimmed() : QString(); }

quint16 NetworkGameDialog::port() const { return static_cast<quint16>(port_->value()); }

void NetworkGameDialog::updateOk() {
    ok_->setEnabled(!playerName().isEmpty() && (kind_ == Kind::Host || !address().isEmpty()));
}

} // namespace quadrino

namespace quadrino {

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

QString joinAddressesNotice(const QList<QHostAddress>& addresses, quint16 port) {
    QStringList where;
    for (const QHostAddress& ip : addresses)
        if (!ip.isNull() && !ip.isLoopback()) where << QStringLiteral("%1 port %2").arg(ip.toString()).arg(port);
    QString text = where.isEmpty()
        ? QStringLiteral("0+This computer has no network address but its own, so only it can join for now (port %1).")
              .arg(port)
        : QStringLiteral("0+Others can join this game at: %1.").arg(where.join(QStringLiteral(", ")));
    text += QStringLiteral(" A firewall on this computer must let in TCP port %1.").arg(port);
    return text;
}

} // namespace quadrino
