// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Play Online...": the lobby server's address, one table of the games the lobby lists
// and the games found on this network, Join, Host and Refresh, and the lobby chat. Joining
// takes the File menu's Join path through the GameLauncher (a relayed game with the lobby's
// ticket); Host asks the main window for its Host dialog. The window's LobbyClient stays
// signed in while the window is hidden, so that a relayed game can be rejoined after a drop.
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "lobby/lobby_protocol.h"
#include "net/lan_games.h"
#include "net/lobby_client.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;

namespace quadrino {

class GameLauncher;
class PreferencesStore;

// One row of the table: a game from the lobby or from this network.
struct LobbyTableRow {
    enum class Reached { Checking, Direct, Relay, ThisNetwork };
    QString key; // "lobby:" and the game's id, or "lan:" and its service name
    QString host;
    int seats = 0;
    int watchers = 0;
    QString options;
    bool started = false;
    Reached reached = Reached::Checking;
    int roundTripMs = -1; // -1: unknown
    QString gameId;       // a lobby game's id
    QString address;      // a game on this network: where to join it
    quint16 port = 0;
};

// The games of both lists, this network's first. A lobby game that is also on this network
// (same host name and port) shows once, as this network's: joining it there needs no lobby.
// A lobby game's round trip is the lobby's to its host plus ours to the lobby, known only
// when both are.
QList<LobbyTableRow> mergeGameLists(const std::vector<lobby::GameListing>& lobbyGames, int lobbyRoundTripMs,
                                    const QList<LanEntry>& lanGames);

class LobbyWindow : public QWidget {
    Q_OBJECT
public:
    // `store` and `launcher` must outlive the window.
    LobbyWindow(PreferencesStore& store, GameLauncher& launcher, QWidget* parent = nullptr);
    ~LobbyWindow() override;

    LobbyClient& lobbyClient() { return client_; }
    // The games found on this network (the launcher's browser feeds them while shown).
    void setLanGames(const QList<LanEntry>& games);
    const QList<LobbyTableRow>& rows() const { return rows_; }
    // Names whose lobby chat is hidden for the rest of this run.
    const QSet<QString>& muted() const { return muted_; }
    void setMuted(const QString& name, bool muted);

    // Connect: signs in to the address typed (remembered), or signs out while signed in.
    void onConnectClicked();
    // Join: asks for the player's name as the Join dialog does, then joins the chosen game.
    void onJoinClicked();
    void onRefreshClicked();

signals:
    // Host: the File menu's Host dialog.
    void hostRequested();
    // A game chosen here is being joined: the game's own window is where it goes on.
    void joining();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void rebuildTable();
    void updateState();
    void updateButtons();
    void addChatLine(const QString& name, const QString& text);
    void onChatEntered();
    void onChatMenu(const QPoint& at);
    void onMuteClicked();
    void watchLan();
    // Asks the player's name, then calls `then` with it (remembered as the Join name).
    void askName(bool joining, std::function<void(const QString&)> then);
    QString rememberedName() const;

    PreferencesStore& store_;
    GameLauncher& launcher_;
    LobbyClient client_;
    QList<LanEntry> lan_;
    QPointer<LanBrowser> watchedLan_;
    QList<LobbyTableRow> rows_;
    QSet<QString> muted_;
    // A Join waiting for the lobby's route: the game's id and the player's name.
    QString joiningId_;
    QString joiningName_;

    QLineEdit* server_ = nullptr;
    QPushButton* connect_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* help_ = nullptr;
    QTreeWidget* games_ = nullptr;
    QPushButton* join_ = nullptr;
    QPushButton* host_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QLabel* present_ = nullptr;
    QListWidget* chatView_ = nullptr;
    QLineEdit* chatEntry_ = nullptr;
    QPushButton* mute_ = nullptr;
};

} // namespace quadrino
