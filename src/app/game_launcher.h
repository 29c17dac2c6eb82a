// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hosting, joining and leaving a game, without a window: the launcher owns the client session,
// the host server of a hosting copy and the link to the lobby program. The main window asks it
// to start or leave a game and shows what it reports; questions to the user (may a game in
// progress be left? what now that the port is taken?) stay with the window.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "app/client_session.h"
#include "app/launch.h"
#include "app/preferences_store.h"
#include "net/lobby_client.h"
#include "protocol/colour_text.h"
#include "protocol/wire.h"

namespace quadrino {

class HostServer;
class PortMapping;
class LanBrowser;
class LanPublisher;
class LobbyListing;

class GameLauncher : public QObject {
    Q_OBJECT
public:
    // The hosting user's bot speed and level, and the names and addresses last used, are
    // in `store`, which must outlive the launcher.
    explicit GameLauncher(PreferencesStore& store, QObject* parent = nullptr);
    ~GameLauncher() override;

    // Asked before a game in progress is left for another (see leaveQuestion).
    void setMayLeave(std::function<bool()> mayLeave) { mayLeave_ = std::move(mayLeave); }
    // The bot level of the preferences, for the host of this copy.
    void applyBotLevel();
    // Whether this run may talk to the network beyond the game itself: announce a game hosted
    // for others on this network and list it in the online lobby (each unless the user has
    // switched it off) and look for others' games. Off until the program switches it on, so
    // that no test announces anything.
    void setLocalNetworkAllowed(bool allowed) { lanAllowed_ = allowed; }
    // The live list of games on this network, started on first use; nullptr when looking is
    // not allowed or no Avahi daemon answers (said once in the chat).
    LanBrowser* lanBrowser();
    // Stops looking (the Join dialog has closed); the next lanBrowser() starts afresh.
    void stopLanBrowser();
    // The announcement of the game hosted here, while there is one.
    const LanPublisher* lanPublisher() const { return lanPublisher_.get(); }
    // The listing of that game in the online lobby, while there is one.
    const LobbyListing* lobbyListing() const { return lobbyListing_.get(); }

    // Lets hosting for others ask the home router to forward the port, when the preferences
    // say so; the mapping made is recorded in `recordFile` (empty: not recorded) so that a run
    // after a crash removes it. The program's entry point switches this on: a launcher built
    // without it never sends anything beyond this machine on its own.
    void allowRouterRequests(const QString& recordFile);

    // Starts the launch mode of the command line (once per run).
    void processparams(const LaunchPlan& plan);
    // File > "Host Network Game..." and "Join Network Game...": unless the name is empty (once
    // cleaned) or the user would rather stay, remembers the choice and leaves the current
    // game to host or join as the command line would.
    void hostNetworkGame(const QString& name, quint16 port);
    // The same, remembering the Host dialog's switches with the name and port; without
    // `listInLobby`, the online lobby's switch stays as it was.
    void hostNetworkGame(const QString& name, quint16 port, bool listOnNetwork, bool askRouter);
    void hostNetworkGame(const QString& name, quint16 port, bool listOnNetwork, bool askRouter, bool listInLobby);
    void joinNetworkGame(const QString& name, const QString& address, quint16 port);
    // Joining a game found in the lobby, by the route the lobby gave: a direct one as above;
    // a relayed one through the lobby with its ticket, the name remembered as for any join.
    void joinLobbyGame(const QString& name, const LobbyRoute& route);
    // The lobby that can give a relayed game a fresh route after a drop (the lobby window's;
    // not owned). Without one signed in, a relayed game that drops offers Reconnect at once.
    void setLobbyClient(LobbyClient* lobby);
    // The lobby's id of the relayed game joined; empty for any other game.
    const QString& relayedGame() const { return relayedGame_; }
    // The way on chosen after portTaken (-1: none): host on the free port found, join the game
    // on the taken one, or stay idle. False when the user must first name another port.
    bool takeWayOn(int chosen);
    // Drops the connection and the host, if any.
    void leaveGame();
    // File > "Reconnect": another round of attempts to get back to the seat of a game joined
    // from the menus, after the first round gave up.
    void reconnect();
    bool retrying() const { return retrying_; }
    // How long the attempts after a drop go on, and the first pause (each next one doubles).
    void setRejoinTiming(int firstPauseMs, int windowMs) {
        firstRetryPauseMs_ = firstPauseMs;
        retryWindowMs_ = windowMs;
    }
    // The pause before the next attempt to get back, `elapsedMs` into the attempts and after
    // a pause of `lastPauseMs` (0 before the first), or nullopt when the time is up.
    static std::optional<int> nextRetryPause(qint64 elapsedMs, int lastPauseMs, int firstPauseMs, int windowMs);
    // The question to ask before the current game is left, or nullopt when leaving loses
    // nothing (no game running, or not part of it, or it has gone already).
    std::optional<QString> leaveQuestion();

    ClientSession& session() { return session_; }
    const ClientSession& session() const { return session_; }
    HostServer* hostServer() const { return host_.get(); }
    const QString& hostaddress() const { return hostaddress_; }
    const LaunchPlan& plan() const { return plan_; }
    // The connection to the lobby program (never read or written).
    const QTcpSocket& lobbyLink() const { return lobbyLink_; }

signals:
    // A system line for the chat pane.
    void chatLine(const QString& text, quadrino::BgrColour colour);
    // Whether this copy runs the host (and so its computer players) changed.
    void hostHereChanged(bool here);
    // Whether File > "Start Game" may be chosen now.
    void startAllowedChanged(bool allowed);
    // The game was left (or never joined): what the window showed of it may go.
    void gameLeft();
    // A solo game has begun: the lobby advert may be shown.
    void soloStarted();
    // Listening on `port` failed because it is taken: the user may choose among `choices`
    // (explained by `text`) and hand the index chosen to takeWayOn.
    void portTaken(const QString& text, const QStringList& choices);
    // A game from the command line has ended (its connection closed or the game was full):
    // the program ends with it, after showing `lastWord` when there is one.
    void launchedGameEnded(const QString& lastWord);
    // Whether File > "Reconnect" may be chosen: the attempts after a drop have given up.
    void reconnectOffered(bool offered);

private:
    void hostpress();
    void joinpress(const std::string& preamble = {});
    void cannotHost();
    void setHost(std::unique_ptr<HostServer> host);
    void say(const QString& text);
    void onConnectionClosed();
    void onGameFull();
    void onConnectFailed(const QString& reason);
    // Attempts to get back into the game after a drop, with growing pauses, until the
    // window of time ends; then Reconnect is offered.
    void startRetrying();
    void retryLater();
    // One attempt to get back: straight to the host, or by a fresh route for a relayed game.
    void retryNow();
    void onRouted(const LobbyRoute& route);
    void onRouteFailed(const QString& id);
    // The attempts end now; Reconnect is offered.
    void giveUpRetrying();
    void startJoin(const QString& name, const QString& address, quint16 port, const std::string& preamble);
    void stopRetrying();
    void askRouter(quint16 port);
    // Announces the game just hosted for others, when the user wants it listed.
    void announce(quint16 port);
    void updateAnnouncement();
    // Lists the game just hosted for others in the online lobby, when the user has one set
    // and wants it listed.
    void listInLobby();
    // One chat line, the first time Avahi cannot be reached in this run.
    void lanUnavailable(const QString& why);

    ClientSession session_;
    std::unique_ptr<HostServer> host_;
    // Declared after the host, so it goes first: nothing is announced that no longer exists.
    std::unique_ptr<LanPublisher> lanPublisher_;
    std::unique_ptr<LobbyListing> lobbyListing_;
    std::unique_ptr<LanBrowser> lanBrowser_;
    bool lanAllowed_ = false;
    bool lanSaid_ = false;
    QTcpSocket lobbyLink_;
    LaunchPlan plan_;
    QString hostaddress_;
    PreferencesStore& store_;
    std::function<bool()> mayLeave_;
    // Asks the router for a mapping while this copy hosts for others; made on first use.
    std::unique_ptr<PortMapping> router_;
    std::optional<QString> routerRecord_;
    bool started_ = false;
    // A game chosen from the File menu: a closed connection or a full game leaves the window
    // open to try again, where a launched game ends with its connection.
    bool fromMenu_ = false;
    quint16 joinPort_ = kGamePort;
    // The port this copy hosts on: the launch's, then the Host dialog's.
    quint16 hostPort_ = kGamePort;
    // The local port of this copy's own connection to its host; 0 when it has none.
    quint16 ownClientPort_ = 0;
    // The port found taken and a free one after it (0: none), while the user chooses.
    quint16 takenPort_ = 0;
    quint16 freePort_ = 0;
    QTimer retryTimer_;
    QElapsedTimer retryClock_;
    bool retrying_ = false;
    int lastRetryPauseMs_ = 0;
    int firstRetryPauseMs_ = 1000;
    int retryWindowMs_ = 60 * 1000;
    QPointer<LobbyClient> lobby_;
    QString relayedGame_;
    // A route asked of the lobby for the next attempt to get back.
    bool awaitingRoute_ = false;
};

} // namespace quadrino
