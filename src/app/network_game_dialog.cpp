// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/network_game_dialog.h"
#include "app/network_addresses.h"
#include "protocol/wire.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace quadrino {

// The options a listed game plays with, in the words the board and the options dialog use
// for them.
QString gameOptionsText(const GameOptions& options) {
    QStringList parts;
    for (const OptionOn& o : lanOptionsOn(options)) {
        const QByteArray name = QByteArray(o.name.data(), static_cast<qsizetype>(o.name.size()));
        QString shown = QCoreApplication::translate("quadrino::TablePanel", name.constData());
        if (shown == QLatin1String(name)) shown = QCoreApplication::translate("quadrino::GameOptionsDialog", name.constData());
        parts << (o.value ? NetworkGameDialog::tr("%1 %2").arg(shown).arg(*o.value) : shown);
    }
    return parts.join(NetworkGameDialog::tr(", "));
}

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
    if (!host) {
        // After the fields it fills, in the order Tab goes; typing an address works as ever.
        lanGames_ = new QTreeWidget(this);
        lanGames_->setObjectName(QStringLiteral("list_lan_games"));
        lanGames_->setAccessibleName(tr("Games on this network"));
        lanGames_->setRootIsDecorated(false);
        lanGames_->setAllColumnsShowFocus(true);
        lanGames_->setHeaderLabels({tr("Host", "the column of the hosting player's name"), tr("Address"), tr("Seats"), tr("Watchers"), tr("Game"), tr("Options")});
        lanGames_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        lanGames_->setMinimumWidth(520);
        lanGames_->setFocusPolicy(Qt::StrongFocus);
        form->addRow(tr("Games on this network:"), lanGames_);
        connect(lanGames_, &QTreeWidget::currentItemChanged, this, &NetworkGameDialog::onLanGameChosen);
    }
    if (host) {
        listLan_ = new QCheckBox(tr("List the game on this network"), this);
        listLan_->setObjectName(QStringLiteral("check_listlan"));
        listLan_->setAccessibleName(listLan_->text());
        listLan_->setChecked(true);
        form->addRow(listLan_);
        askRouter_ = new QCheckBox(tr("Ask the router to forward the port"), this);
        askRouter_->setObjectName(QStringLiteral("check_askrouter"));
        askRouter_->setAccessibleName(askRouter_->text());
        askRouter_->setChecked(true);
        form->addRow(askRouter_);
        listLobby_ = new QCheckBox(tr("List the game in the online lobby"), this);
        listLobby_->setObjectName(QStringLiteral("check_listlobby"));
        listLobby_->setAccessibleName(listLobby_->text());
        listLobby_->setChecked(true);
        form->addRow(listLobby_);
    }

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
    dialog->setListOnNetwork(last.listOnNetwork);
    dialog->setAskRouter(last.askRouter);
    dialog->setListInLobby(last.listInLobby);
    dialog->open();
    return dialog;
}

void NetworkGameDialog::setPlayerName(const QString& name) { name_->setText(name); }

void NetworkGameDialog::setAddress(const QString& address) {
    if (address_) address_->setText(address);
}

void NetworkGameDialog::setPort(int port) { port_->setValue(port); }

void NetworkGameDialog::setListOnNetwork(bool on) {
    if (listLan_) listLan_->setChecked(on);
}

void NetworkGameDialog::setAskRouter(bool on) {
    if (askRouter_) askRouter_->setChecked(on);
}

void NetworkGameDialog::setListInLobby(bool on) {
    if (listLobby_) listLobby_->setChecked(on);
}

bool NetworkGameDialog::listInLobby() const { return listLobby_ && listLobby_->isChecked(); }

bool NetworkGameDialog::listOnNetwork() const { return listLan_ && listLan_->isChecked(); }

bool NetworkGameDialog::askRouter() const { return askRouter_ && askRouter_->isChecked(); }

void NetworkGameDialog::setLanGames(const QList<LanEntry>& games) {
    if (!lanGames_) return;
    // The row the user stands on stays chosen while the list changes around it.
    const int current = lanGames_->currentIndex().row();
    const QString chosen = current >= 0 && current < shown_.size() ? shown_[current].service : QString();
    const QSignalBlocker quiet(lanGames_);
    lanGames_->clear();
    shown_ = games;
    for (const LanEntry& e : games) {
        const LanGame& g = e.game;
        auto* item = new QTreeWidgetItem(lanGames_);
        item->setText(0, QString::fromStdString(g.host));
        item->setText(1, QStringLiteral("%1:%2").arg(e.address).arg(e.port));
        item->setText(2, tr("%1 of %2").arg(g.seats).arg(kSeatCount));
        item->setText(3, QString::number(g.watchers));
        item->setText(4, g.started ? tr("playing") : tr("waiting"));
        const QString options = gameOptionsText(g.options);
        item->setText(5, options.isEmpty() ? tr("none") : options);
        if (e.service == chosen) lanGames_->setCurrentItem(item);
    }
}

void NetworkGameDialog::onLanGameChosen() {
    const int row = lanGames_->currentIndex().row();
    if (row < 0 || row >= shown_.size()) return;
    setAddress(shown_[row].address);
    setPort(shown_[row].port);
}

QString NetworkGameDialog::playerName() const { return cleanPlayerName(name_->text()); }

QString NetworkGameDialog::address() const { return address_ ? address_->text().trimmed() : QString(); }

quint16 NetworkGameDialog::port() const { return static_cast<quint16>(port_->value()); }

void NetworkGameDialog::updateOk() {
    ok_->setEnabled(!playerName().isEmpty() && (kind_ == Kind::Host || !address().isEmpty()));
}

} // namespace quadrino
