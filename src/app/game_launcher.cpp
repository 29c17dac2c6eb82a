// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_launcher.h"

#include <algorithm>

#include "app/network_addresses.h"
#include "chat/free_text.h"
#include "rules/random.h"
#include "net/host_server.h"
#include "net/port_mapping.h"
#include "net/lan_games.h"
#include "net/lobby_listing.h"
#include "protocol/vocabulary.h"
#include "protocol/wire.h"

namespace quadrino {

GameLauncher::GameLauncher(PreferencesStore& store, QObject* parent)
    : QObject(parent), session_(Random::clockSeed()), store_(store) {
    // Bytes from the lobby program are never wanted; keep none of them.
    lobbyLink_.setReadBufferSize(1);
    connect(&session_, &ClientSession::gameFull, this, &GameLauncher::onGameFull);
    connect(&session_, &ClientSession::closed, this, &GameLauncher::onConnectionClosed);
    connect(&session_, &ClientSession::connectFailed, this, &GameLauncher::onConnectFailed);
    connect(&session_, &ClientSession::hostingChanged, this, &GameLauncher::startAllowedChanged);
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, &GameLauncher::retryNow);
    connect(&session_, &ClientSession::rejoined, this, [this] {
        stopRetrying();
        say(tr("Connected to the game again."));
    });
}

GameLauncher::~GameLauncher() {
    // The session goes first: the host going away must not read as the host ending the game.
    disconnect(&session_, nullptr, this, nullptr);
    session_.reset();
}

void GameLauncher::say(const QString& text) { emit chatLine(QStringLiteral("0+") + text, kSystemColour); }

void GameLauncher::applyBotLevel() {
    // Only the hosting copy's players think; a joined copy keeps the choice for when it hosts.
    if (host_)
        host_->host().setBotLevels(store_.prefs().botlevel == Preferences::kBotStrong ? BotLevel::strong : BotLevel::classic);
}

void GameLauncher::setHost(std::unique_ptr<HostServer> host) {
    const bool was = host_ != nullptr;
    lanPublisher_.reset();
    lobbyListing_.reset();
    host_ = std::move(host);
    applyBotLevel();
    if (was != (host_ != nullptr)) emit hostHereChanged(host_ != nullptr);
}

void GameLauncher::processparams(const LaunchPlan& plan) {
    if (started_) return;
    started_ = true;
    plan_ = plan;
    joinPort_ = plan.port;
    hostPort_ = plan.port;
    session_.setHosting(false);
    emit startAllowedChanged(false);
    if (plan.mode == LaunchMode::Solo) {
        say(tr("Loading Solo Game..Please wait."));
        emit soloStarted();
    } else {
        say(tr("Loading Multi-player Game.. Please Wait."));
    }
    if (plan.mode == LaunchMode::Idle) return;
    session_.setMyName(blankControlCharacters(plan.myname));
    hostaddress_ = plan.hostaddress;
    if (plan.mode == LaunchMode::Join) joinpress();
    else hostpress();
    if (plan.mode != LaunchMode::Solo && plan.openLobbyLink) lobbyLink_.connectToHost(QStringLiteral("127.0.0.1"), kLobbyPort);
}

void GameLauncher::hostpress() {
    HostServer::Options options;
    options.seed = plan_.seed; // unset: the host draws its dice from the system's random source
    options.timeScale = plan_.timeScale;
    // The bot speed is the hosting user's preference, read each time a bot is scheduled.
    options.botDelay = [this] { return store_.prefs().botspeed; };
    // Number 1 carries the hosting user's rights: only this copy's own client may have it,
    // never another copy on this machine that happens to connect first.
    options.mayBeOwner = [this](const QHostAddress& peer, quint16 peerPort) {
        return ownClientPort_ != 0 && peerPort == ownClientPort_ && isLoopbackPeer(peer);
    };
    ownClientPort_ = 0;
    // This copy's own client goes down with its host: there is nothing to come back to.
    session_.setMayRejoin(false);
    setHost(std::make_unique<HostServer>(std::move(options)));
    // A solo game is this machine's alone: nobody else can reach it, and it needs no port of
    // its own, so a taken one is simply swapped for a free one.
    const bool solo = plan_.mode == LaunchMode::Solo;
    const QHostAddress where = solo ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(QHostAddress::Any);
    bool listening = host_->listen(hostPort_, where);
    if (!listening && solo && hostPort_ != 0) listening = host_->listen(0, where);
    if (!listening) {
        cannotHost();
        return;
    }
    const quint16 port = host_->serverPort();
    if (!solo) {
        emit chatLine(joinAddressesNotice(joinableAddresses(), port), kSystemColour);
        askRouter(port);
        announce(port);
        listInLobby();
    }
    session_.setHosting(true);
    ownClientPort_ = session_.connectToOwnHost(port);
    if (ownClientPort_ == 0) {
        say(tr("Unable to connect to your own game on this machine."));
        leaveGame();
        return;
    }
    emit startAllowedChanged(true);
}

void GameLauncher::announce(quint16 port) {
    if (!lanAllowed_ || !store_.prefs().listOnNetwork) return;
    lanPublisher_ = std::make_unique<LanPublisher>();
    const std::string& name = session_.identity().myname;
    if (!lanPublisher_->start(QString::fromStdString(name), port, lanGameOf(host_->host(), name, store_.prefs().options))) {
        lanUnavailable(lanPublisher_->errorString());
        lanPublisher_.reset();
        return;
    }
    connect(host_.get(), &HostServer::tableMayHaveChanged, this, &GameLauncher::updateAnnouncement);
}

void GameLauncher::updateAnnouncement() {
    if (!lanPublisher_ || !host_) return;
    lanPublisher_->update(lanGameOf(host_->host(), session_.identity().myname, store_.prefs().options));
}

void GameLauncher::listInLobby() {
    const Preferences& prefs = store_.prefs();
    if (!lanAllowed_ || !prefs.listInLobby || prefs.lobbyServer.empty() || !host_) return;
    const QString typed = QString::fromStdString(prefs.lobbyServer);
    const std::optional<LobbyAddress> lobby = parseLobbyAddress(typed);
    if (!lobby) {
        say(tr("The game is not listed online: \"%1\" is not a lobby server's address.").arg(typed));
        return;
    }
    const std::string& name = session_.identity().myname;
    lobbyListing_ = std::make_unique<LobbyListing>(*host_, *lobby, QString::fromStdString(name), [this] {
        return lanGameOf(host_->host(), session_.identity().myname, store_.prefs().options);
    });
    connect(lobbyListing_.get(), &LobbyListing::status, this, &GameLauncher::say);
    lobbyListing_->start();
}

LanBrowser* GameLauncher::lanBrowser() {
    if (!lanAllowed_) return nullptr;
    if (lanBrowser_) return lanBrowser_.get();
    auto browser = std::make_unique<LanBrowser>();
    if (!browser->start()) {
        lanUnavailable(browser->errorString());
        return nullptr;
    }
    lanBrowser_ = std::move(browser);
    return lanBrowser_.get();
}

void GameLauncher::stopLanBrowser() { lanBrowser_.reset(); }

void GameLauncher::lanUnavailable(const QString& why) {
    if (lanSaid_) return;
    lanSaid_ = true;
    say(tr("Games on this network are neither announced nor listed (%1); players can still join by address.")
            .arg(why));
}

void GameLauncher::cannotHost() {
    const quint16 port = hostPort_;
    const bool taken = host_->serverError() == QAbstractSocket::AddressInUseError;
    const QString detail = host_->errorString();
    // Never fall back to whatever answers on the port: that would sit this user down in
    // somebody else's game.
    setHost(nullptr);
    session_.setHosting(false);
    emit startAllowedChanged(false);
    if (!taken) {
        say(tr("Unable to host a game on port %1: %2. Host again from the File menu.").arg(port).arg(detail));
        return;
    }
    say(tr("Cannot host a game here because port %1 is in use on this machine.").arg(port));
    takenPort_ = port;
    freePort_ = freePortAfter(port);
    emit portTaken(tr("Port %1 is in use on this machine, perhaps by another game of Quadrino.\n\n"
                                  "You can host on another port, join the game on port %1, or stay idle and choose "
                                  "later from the File menu.")
                       .arg(port),
                   {freePort_ ? tr("Host on Port %1").arg(freePort_) : tr("Host on Another Port..."),
                    tr("Join the Game There"), tr("Stay Idle")});
}

bool GameLauncher::takeWayOn(int chosen) {
    const QString name = plan_.myname;
    if (chosen == 0 && !freePort_) return false;
    if (chosen == 0) hostNetworkGame(name, freePort_);
    else if (chosen == 1) joinNetworkGame(name, QStringLiteral("127.0.0.1"), takenPort_);
    else say(tr("Not hosting. Host or join a game from the File menu."));
    return true;
}

void GameLauncher::allowRouterRequests(const QString& recordFile) { routerRecord_ = recordFile; }

void GameLauncher::askRouter(quint16 port) {
    if (!routerRecord_ || !store_.prefs().askRouter) return;
    if (!router_) {
        router_ = std::make_unique<PortMapping>(*routerRecord_);
        connect(router_.get(), &PortMapping::mapped, this, [this](const QString& external, quint16 mappedPort) {
            say(external.isEmpty() ? tr("The router forwards port %1 to this machine.").arg(mappedPort)
                                   : tr("The router forwards port %1 from %2.").arg(mappedPort).arg(external));
        });
        connect(router_.get(), &PortMapping::failed, this,
                [this](const QString& reason) { say(tr("The router did not forward the port: %1.").arg(reason)); });
    }
    say(tr("Asking the router to forward port %1...").arg(port));
    router_->map(port);
}

void GameLauncher::joinpress(const std::string& preamble) {
    // A launched game ends with its connection; one joined from the menus tries to get back.
    session_.setMayRejoin(fromMenu_);
    session_.connectToHost(hostaddress_, joinPort_, preamble);
    session_.setHosting(false);
    emit startAllowedChanged(false);
}

std::optional<QString> GameLauncher::leaveQuestion() {
    if (!session_.table().state().gameRunning) return std::nullopt;
    // A game whose connection is gone is not left by going: it has left already.
    if (!host_ && !session_.connection().isConnected()) return std::nullopt;
    const int seat = session_.identity().myseat;
    const bool seated = session_.identity().loggedin && seat >= 1 && seat <= kSeatCount;
    if (host_) return tr("You are hosting a game in progress; leaving ends it for every player. Leave the game?");
    if (seated) return tr("A game is in progress. Leave the game?");
    return std::nullopt;
}

void GameLauncher::leaveGame() {
    stopRetrying();
    relayedGame_.clear();
    // The connection goes first: the host going away must not read as the host ending the game.
    session_.reset();
    setHost(nullptr);
    // Nobody is to be let in any more.
    if (router_) router_->unmap();
    ownClientPort_ = 0;
    emit startAllowedChanged(false);
    emit gameLeft();
}

void GameLauncher::hostNetworkGame(const QString& typed, quint16 port) {
    hostNetworkGame(typed, port, store_.prefs().listOnNetwork, store_.prefs().askRouter);
}

void GameLauncher::hostNetworkGame(const QString& typed, quint16 port, bool listOnNetwork, bool askRouter) {
    hostNetworkGame(typed, port, listOnNetwork, askRouter, store_.prefs().listInLobby);
}

void GameLauncher::hostNetworkGame(const QString& typed, quint16 port, bool listOnNetwork, bool askRouter,
                                   bool listInLobby) {
    const QString name = cleanPlayerName(typed);
    if (name.isEmpty() || (mayLeave_ && !mayLeave_())) return;
    store_.prefs().hostname = name.toStdString();
    store_.prefs().hostport = port;
    store_.prefs().listOnNetwork = listOnNetwork;
    store_.prefs().askRouter = askRouter;
    store_.prefs().listInLobby = listInLobby;
    store_.save();
    leaveGame();
    fromMenu_ = true;
    hostPort_ = port;
    say(tr("Hosting a network game as %1.. Please Wait.").arg(name));
    plan_.mode = LaunchMode::Host;
    plan_.myname = name;
    plan_.hostaddress = QStringLiteral("127.0.0.1");
    hostaddress_ = plan_.hostaddress;
    session_.setMyName(name);
    hostpress();
}

void GameLauncher::joinNetworkGame(const QString& typed, const QString& typedAddress, quint16 port) {
    const QString name = cleanPlayerName(typed);
    const QString address = typedAddress.trimmed();
    if (name.isEmpty() || address.isEmpty() || port == 0 || (mayLeave_ && !mayLeave_())) return;
    store_.prefs().joinaddress = address.toStdString();
    store_.prefs().joinport = port;
    say(tr("Joining the game at %1 port %2.. Please Wait.").arg(address).arg(port));
    startJoin(name, address, port, {});
}

void GameLauncher::joinLobbyGame(const QString& typed, const LobbyRoute& route) {
    if (!route.relay) return joinNetworkGame(typed, route.address, route.port);
    const QString name = cleanPlayerName(typed);
    if (name.isEmpty() || route.address.isEmpty() || route.port == 0 || (mayLeave_ && !mayLeave_())) return;
    // The lobby's address is no game's: the Join dialog keeps the last address typed.
    say(tr("Joining the game through the lobby at %1.. Please Wait.").arg(route.address));
    startJoin(name, route.address, route.port, route.preamble());
    relayedGame_ = route.gameId;
}

void GameLauncher::startJoin(const QString& name, const QString& address, quint16 port, const std::string& preamble) {
    store_.prefs().joinname = name.toStdString();
    store_.save();
    leaveGame();
    fromMenu_ = true;
    plan_.mode = LaunchMode::Join;
    plan_.myname = name;
    plan_.hostaddress = address;
    hostaddress_ = address;
    joinPort_ = port;
    session_.setMyName(name);
    joinpress(preamble);
}

void GameLauncher::setLobbyClient(LobbyClient* lobby) {
    if (lobby_) disconnect(lobby_, nullptr, this, nullptr);
    lobby_ = lobby;
    if (!lobby) return;
    connect(lobby, &LobbyClient::routed, this, &GameLauncher::onRouted);
    connect(lobby, &LobbyClient::routeFailed, this, &GameLauncher::onRouteFailed);
}

void GameLauncher::onConnectionClosed() {
    if (!fromMenu_) {
        // The host's last word must not go unread.
        emit launchedGameEnded(session_.lastNotice());
        return;
    }
    if (retrying_) return retryLater();
    if (!host_ && session_.canRejoin()) {
        say(tr("The connection to the game was lost. Trying to get back to your seat..."));
        return startRetrying();
    }
    say(tr("The connection to the game has closed. Host or join a game from the File menu to play again."));
    // Out of the connection's own signal before it is torn down.
    QMetaObject::invokeMethod(this, &GameLauncher::leaveGame, Qt::QueuedConnection);
}

void GameLauncher::onGameFull() {
    if (!fromMenu_) {
        emit launchedGameEnded(QString());
        return;
    }
    say(tr("Unable to join %1: every seat of that game is taken.").arg(hostaddress_));
    // Left now, so the close that follows the refusal is not reported as well.
    leaveGame();
}

void GameLauncher::onConnectFailed(const QString& reason) {
    if (retrying_) return retryLater();
    const QString where = session_.identity().amhost ? tr("your own game")
                                                     : tr("%1 port %2").arg(hostaddress_).arg(joinPort_);
    say(tr("Unable to join %1: %2. Check the address and port, then try again from the File menu.").arg(where, reason));
    emit startAllowedChanged(false);
}

std::optional<int> GameLauncher::nextRetryPause(qint64 elapsedMs, int lastPauseMs, int firstPauseMs, int windowMs) {
    if (elapsedMs >= windowMs) return std::nullopt;
    const int pause = lastPauseMs > 0 ? lastPauseMs * 2 : firstPauseMs;
    // The last attempt falls on the end of the window, not after it.
    return static_cast<int>(std::min<qint64>(pause, windowMs - elapsedMs));
}

void GameLauncher::startRetrying() {
    retrying_ = true;
    lastRetryPauseMs_ = 0;
    retryClock_.start();
    emit reconnectOffered(false);
    retryLater();
}

void GameLauncher::retryLater() {
    const std::optional<int> pause =
        nextRetryPause(retryClock_.elapsed(), lastRetryPauseMs_, firstRetryPauseMs_, retryWindowMs_);
    if (!pause) return giveUpRetrying();
    lastRetryPauseMs_ = *pause;
    retryTimer_.start(*pause);
}

void GameLauncher::giveUpRetrying() {
    retrying_ = false;
    awaitingRoute_ = false;
    retryTimer_.stop();
    say(tr("Could not get back to the game. Choose Reconnect from the File menu to try again."));
    emit reconnectOffered(true);
}

void GameLauncher::retryNow() {
    if (relayedGame_.isEmpty()) return session_.rejoin();
    // The ticket of the last link is spent; only the lobby can give another.
    LobbyClient* lobby = lobby_; // one read of the guarded pointer for the check and the calls
    if (!lobby || lobby->state() != LobbyClient::State::SignedIn || !lobby->requestRoute(relayedGame_))
        return giveUpRetrying();
    awaitingRoute_ = true;
}

void GameLauncher::onRouted(const LobbyRoute& route) {
    if (!awaitingRoute_ || route.gameId != relayedGame_) return;
    awaitingRoute_ = false;
    session_.rejoin(route.address, route.port, route.preamble());
}

void GameLauncher::onRouteFailed(const QString& id) {
    if (!awaitingRoute_ || id != relayedGame_) return;
    awaitingRoute_ = false;
    retryLater();
}

void GameLauncher::stopRetrying() {
    retrying_ = false;
    awaitingRoute_ = false;
    retryTimer_.stop();
    emit reconnectOffered(false);
}

void GameLauncher::reconnect() {
    if (retrying_ || !session_.canRejoin()) return;
    say(tr("Reconnecting to the game..."));
    startRetrying();
}

} // namespace quadrino
