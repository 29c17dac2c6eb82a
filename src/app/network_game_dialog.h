// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Host Network Game..." and "Join Network Game...": the user's name, and for joining
// the host's address and port. The dialog only collects; the window leaves the current game
// and starts the new one when it is accepted.
#include <QDialog>
#include <QList>
#include <QString>

#include "net/lan_games.h"
#include "settings/preferences.h"

class QCheckBox;
class QLineEdit;
class QTreeWidget;
class QPushButton;
class QSpinBox;

namespace quadrino {

// The options a listed game plays with, in the words the board and the options dialog use
// for them; empty when none is on.
QString gameOptionsText(const GameOptions& options);

class NetworkGameDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Host, Join };

    explicit NetworkGameDialog(Kind kind, QWidget* parent = nullptr);
    // Opens a dialog over `parent` filled with the name, address and port used last (the
    // other kind's name when this kind has none yet); it goes when closed.
    static NetworkGameDialog* openOver(QWidget* parent, Kind kind, const Preferences& last);

    void setPlayerName(const QString& name);
    void setAddress(const QString& address);
    void setPort(int port);
    // Joining: the games found on this network, shown as they come, change and go. The one
    // the user picks fills the address and port.
    void setLanGames(const QList<LanEntry>& games);
    // Hosting: the switches, list the game on this network, ask the router and list the
    // game in the online lobby.
    void setListOnNetwork(bool on);
    void setAskRouter(bool on);
    void setListInLobby(bool on);

    // The name without surrounding blanks or control characters.
    QString playerName() const;
    QString address() const;
    quint16 port() const;
    bool listOnNetwork() const;
    bool askRouter() const;
    bool listInLobby() const;

    Kind kind() const { return kind_; }

private:
    void updateOk();
    void onLanGameChosen();

    const Kind kind_;
    QLineEdit* const name_;
    QLineEdit* const address_; // joining only
    QSpinBox* const port_;
    QTreeWidget* lanGames_ = nullptr;  // joining only
    QCheckBox* listLan_ = nullptr;     // hosting only
    QCheckBox* askRouter_ = nullptr;   // hosting only
    QCheckBox* listLobby_ = nullptr;   // hosting only
    QList<LanEntry> shown_;
    QPushButton* ok_ = nullptr;
};

} // namespace quadrino
