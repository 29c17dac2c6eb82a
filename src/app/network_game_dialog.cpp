// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/network_game_dialog.h"
#include "app/network_addresses.h"
#include "protocol/wire.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace quadrino {

NetworkGameDialog::NetworkGameDialog(Kind kind, QWidget* parent)
    : QDialog(parent), kind_(kind), name_(new QLineEdit(this)),
      address_(kind == Kind::Join ? new QLineEdit(this) : nullptr), port_(new QSpinBox(this)) {
    const bool host = kind == Kind::Host;
    setObjectName(host ? QStringLiteral("hostgame") : QStringLiteral("joingame"));
    setWindowTitle(host ? tr("Quadrino - Host Network Game") : tr("Quadrino - Join Network Game"));

    auto* form = new QFormLayout(this);
    name_->setObjectName(QStringLiteral("edit_name"));
    name_->setMaxLength(kMaxNameLength);
    form->addRow(tr("Your name:"), name_);
    connect(name_, &QLineEdit::textChanged, this, &NetworkGameDialog::updateOk);
    if (address_) {
        address_->setObjectName(QStringLiteral("edit_address"));
        address_->setPlaceholderText(tr("name or IP address of the hosting computer"));
        form->addRow(tr("Host address:"), address_);
        connect(address_, &QLineEdit::textChanged, this, &NetworkGameDialog::updateOk);
    }
    port_->setObjectName(QStringLiteral("edit_port"));
    // Hosting on 0 lets the system choose; the chat then names the port it chose.
    port_->setRange(host ? 0 : 1, 65535);
    if (host) port_->setSpecialValueText(tr("any free port"));
    port_->setValue(kGamePort);
    form->addRow(tr("Port:"), port_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setObjectName(QStringLiteral("button_ok"));
    ok_->setText(host ? tr("Host") : tr("Join"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("button_cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (ok_->isEnabled()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    updateOk();
}

NetworkGameDialog* NetworkGameDialog::openOver(QWidget* parent, Kind kind, const Preferences& last) {
    auto* dialog = new NetworkGameDialog(kind, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const bool host = kind == Kind::Host;
    const std::string& name = host ? last.hostname : last.joinname;
    dialog->setPlayerName(QString::fromStdString(!name.empty() ? name : host ? last.joinname : last.hostname));
    dialog->setAddress(QString::fromStdString(last.joinaddress));
    dialog->setPort(host ? last.hostport : last.joinport);
    dialog->open();
    return dialog;
}

void NetworkGameDialog::setPlayerName(const QString& name) { name_->setText(name); }

void NetworkGameDialog::setAddress(const QString& address) {
    if (address_) address_->setText(address);
}

void NetworkGameDialog::setPort(int port) { port_->setValue(port); }

QString NetworkGameDialog::playerName() const { return cleanPlayerName(name_->text()); }

QString NetworkGameDialog::address() const { return address_ ? address_->text().trimmed() : QString(); }

quint16 NetworkGameDialog::port() const { return static_cast<quint16>(port_->value()); }

void NetworkGameDialog::updateOk() {
    ok_->setEnabled(!playerName().isEmpty() && (kind_ == Kind::Host || !address().isEmpty()));
}

} // namespace quadrino
