// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Host Network Game..." and "Join Network Game...": the user's name, and for joining
// the host's address and port. The dialog only collects; the window leaves the current game
// and starts the new one when it is accepted.
#include <QDialog>
#include <QHostAddress>
#include <QList>
#include <QString>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quadrino {

class NetworkGameDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Host, Join };

    explicit NetworkGameDialog(Kind kind, QWidget* parent = nullptr);

    void setPlayerName(const QString& name);
    void setAddress(const QString& address);
    void setPort(int port);

    // The name without surrounding blanks or control characters.
    QString playerName() const;
    QString address() const;
    quint16 port() const;

    Kind kind() const { return kind_; }

private:
    void updateOk();

    Kind kind_;
    QLineEdit* name_ = nullptr;
    QLineEdit* address_ = nullptr;
    QSpinBox* port_ = nullptr;
    QPushButton* ok_ = nullptr;
};

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
