// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lobby_client.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

Q_LOGGING_CATEGORY(lcLobbyClient, "quadrino.lobbyclient", QtWarningMsg)

namespace quadrino {

namespace {

// A read takes at most this much: a flood is then handled a slice at a time, with the
// window drawn in between, instead of in one long stall.
constexpr qint64 kReadSlice = 16 * 1024;
// Addresses in ROUTE and GAME lines are host names or IP addresses.
constexpr std::size_t kMaxAddressBytes = 64;

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// `name` cut to the lobby's length at a character's edge, without surrounding blanks.
QString lobbyName(const QString& name) {
    QString cut = name.simplified();
    while (!cut.isEmpty() && lobby::utf8Length(cut.toStdString()).value_or(0) > lobby::kMaxNameChars) cut.chop(1);
    // A surrogate pair cut in half is no name.
    if (!cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);
    return cut.trimmed();
}

} // namespace

std::string LobbyRoute::preamble() const {
    if (!relay) return {};
    return lobby::formatLine("RELAY", {ticket.toStdString()});
}

LobbyClient::LobbyClient(QObject* parent) : QObject(parent) {
    socket_.setParent(this);
    socket_.setReadBufferSize(kReadSlice);
    signInTimer_.setSingleShot(true);
    signInTimer_.setInterval(kSignInTimeoutMs);
    pingTimer_.setInterval(kPingIntervalMs);
    connect(&signInTimer_, &QTimer::timeout, this, [this] { drop(tr("The lobby did not answer.")); });
    connect(&pingTimer_, &QTimer::timeout, this, &LobbyClient::sendPing);
    connect(&socket_, &QTcpSocket::connected, this, &LobbyClient::onConnected);
    connect(&socket_, &QTcpSocket::readyRead, this, &LobbyClient::onReadyRead);
    connect(&socket_, &QTcpSocket::disconnected, this, &LobbyClient::onDisconnected);
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (state_ == State::Connecting) drop(tr("Cannot reach the lobby: %1.").arg(socket_.errorString()));
    });
}

LobbyClient::~LobbyClient() {
    // The socket outlives the timers and lists; its last signals must not reach them.
    socket_.disconnect(this);
}

void LobbyClient::setState(State state) {
    if (state_ == state) return;
    state_ = state;
    emit stateChanged(state);
}

void LobbyClient::signIn(const QString& text, const QString& name) {
    signOut();
    const std::optional<LobbyAddress> address = parseLobbyAddress(text);
    if (!address) {
        reason_ = tr("\"%1\" is not a lobby address; write it as host or host:port.").arg(text.trimmed());
        emit stateChanged(state_);
        return;
    }
    wantedName_ = lobbyName(name);
    if (!lobby::validName(wantedName_.toStdString())) {
        reason_ = tr("Enter your name before connecting to the lobby.");
        emit stateChanged(state_);
        return;
    }
    address_ = *address;
    reason_.clear();
    framer_ = lobby::LineFramer();
    setState(State::Connecting);
    signInTimer_.start();
    socket_.connectToHost(address_.host, address_.port);
}

void LobbyClient::signOut() {
    signInTimer_.stop();
    pingTimer_.stop();
    pingToken_.clear();
    {
        const QSignalBlocker quiet(socket_);
        socket_.abort();
    }
    routeAsked_.clear();
    const bool hadGames = !games_.empty();
    games_.clear();
    if (hadGames) emit gamesChanged();
    if (present_ != 0) emit presentChanged(present_ = 0);
    setState(State::Offline);
}

void LobbyClient::drop(const QString& why) {
    signOut();
    reason_ = why;
    // The reason is news even when the state was offline already.
    emit stateChanged(state_);
}

void LobbyClient::write(const std::string& line) {
    if (socket_.state() != QAbstractSocket::ConnectedState) return;
    socket_.write(line.data(), static_cast<qint64>(line.size()));
}

void LobbyClient::onConnected() {
    write(lobby::formatLine("HELLO", {std::to_string(lobby::kProtocolVersion), wantedName_.toStdString()}));
}

void LobbyClient::onDisconnected() {
    if (state_ == State::Offline) return;
    drop(state_ == State::SignedIn ? tr("The lobby closed the connection.") : tr("The lobby refused the sign-in."));
}

void LobbyClient::onReadyRead() {
    std::vector<std::string> lines;
    while (socket_.bytesAvailable() > 0 && state_ != State::Offline) {
        const QByteArray data = socket_.read(kReadSlice);
        if (data.isEmpty()) break;
        lines.clear();
        const bool fits = framer_.feed(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), lines);
        for (const std::string& text : lines) {
            if (state_ == State::Offline) break;
            if (const std::optional<lobby::Line> line = lobby::parseLine(text)) handle(*line);
            else ++dropped_;
        }
        if (!fits) {
            drop(tr("The lobby sent a line longer than its protocol allows."));
            break;
        }
    }
    if (std::exchange(gamesDirty_, false)) emit gamesChanged();
}

void LobbyClient::handle(const lobby::Line& line) {
    const std::string& w = line.word;
    const auto& f = line.fields;
    if (w == "BYE") {
        const std::string why = f.empty() ? std::string() : f[0];
        drop(why == "version" ? tr("The lobby speaks another version of the protocol; update the game or the lobby.")
                              : tr("The lobby closed the connection (%1).").arg(fromUtf8(why).left(40)));
        return;
    }
    if (state_ == State::Connecting) {
        // Nothing counts before the welcome.
        if (w == "WELCOME" && !f.empty() && f[0] == std::to_string(lobby::kProtocolVersion)) {
            signInTimer_.stop();
            name_ = wantedName_;
            setState(State::SignedIn);
            pingTimer_.start();
            sendPing();
        } else {
            ++dropped_;
        }
        return;
    }
    if (w == "GAME") {
        if (auto game = lobby::GameListing::fromLine(line)) upsert(std::move(*game));
        else ++dropped_;
    } else if (w == "GONE" && f.size() == 1) {
        const auto at = std::find_if(games_.begin(), games_.end(), [&](const auto& g) { return g.id == f[0]; });
        if (at != games_.end()) {
            games_.erase(at);
            gamesDirty_ = true;
        }
    } else if (w == "LISTED" && f.size() == 1) {
        // The count is the lobby's; the list we keep is what counts here.
    } else if (w == "NAME" && f.size() == 1 && lobby::validName(f[0])) {
        name_ = fromUtf8(f[0]);
        emit stateChanged(state_);
    } else if (w == "PRESENT" && f.size() == 1) {
        if (const auto count = lobby::parseNumber(f[0], 0, 1000000)) {
            present_ = static_cast<int>(*count);
            emit presentChanged(present_);
        } else {
            ++dropped_;
        }
    } else if (w == "SAID" && f.size() == 2 && lobby::validName(f[0]) && lobby::validChat(f[1])) {
        chat_.push_back({fromUtf8(f[0]), fromUtf8(f[1])});
        while (chat_.size() > kMaxChatLines) chat_.pop_front();
        emit said(chat_.back().name, chat_.back().text);
    } else if (w == "PONG" && f.size() == 1) {
        if (!pingToken_.empty() && f[0] == pingToken_) {
            pingToken_.clear();
            roundTripMs_ = static_cast<int>(std::min<qint64>(pingClock_.elapsed(), 600000));
            emit roundTripMeasured(roundTripMs_);
        }
    } else if (w == "ROUTE") {
        handleRoute(line);
    } else if (w == "ERROR") {
        handleError(line);
    } else {
        // A later version's word, or a malformed one of ours.
        ++dropped_;
    }
}

void LobbyClient::upsert(lobby::GameListing game) {
    gamesDirty_ = true;
    const auto at = std::find_if(games_.begin(), games_.end(), [&](const auto& g) { return g.id == game.id; });
    if (at != games_.end()) *at = std::move(game);
    else if (games_.size() < kMaxGames) games_.push_back(std::move(game));
    else gamesDirty_ = false;
}

void LobbyClient::handleRoute(const lobby::Line& line) {
    const auto& f = line.fields;
    if (f.size() < 4) return void(++dropped_);
    const auto asked = std::find(routeAsked_.begin(), routeAsked_.end(), f[0]);
    // Only an answer to a question of ours is followed: a lobby must not send us anywhere.
    if (asked == routeAsked_.end()) return void(++dropped_);
    const auto port = lobby::parseNumber(f[3], 1, 65535);
    const bool relay = f[1] == "relay";
    const bool shaped = (f[1] == "direct" && f.size() == 4) || (relay && f.size() == 5 && lobby::validHex(f[4], lobby::kTicketChars));
    if (!shaped || !port || f[2].empty() || f[2].size() > kMaxAddressBytes) return void(++dropped_);
    routeAsked_.erase(asked);
    LobbyRoute route;
    route.gameId = fromUtf8(f[0]);
    route.relay = relay;
    route.address = fromUtf8(f[2]);
    route.port = static_cast<quint16>(*port);
    if (relay) route.ticket = fromUtf8(f[4]);
    emit routed(route);
}

void LobbyClient::handleError(const lobby::Line& line) {
    const auto& f = line.fields;
    if (f.empty()) return void(++dropped_);
    if (f[0] == "no-game" && f.size() >= 2) {
        const auto asked = std::find(routeAsked_.begin(), routeAsked_.end(), f[1]);
        if (asked == routeAsked_.end()) return void(++dropped_);
        routeAsked_.erase(asked);
        emit routeFailed(fromUtf8(f[1]), tr("That game is no longer listed."));
        return;
    }
    qCDebug(lcLobbyClient) << "the lobby refused a line:" << f[0].c_str();
    emit refused(fromUtf8(f[0]).left(40));
}

void LobbyClient::sendPing() {
    // One question at a time: an unanswered one is simply superseded.
    pingToken_ = std::to_string(++pingCount_);
    pingClock_.start();
    write(lobby::formatLine("PING", {pingToken_}));
}

bool LobbyClient::sendChat(const QString& text) {
    const std::string utf8 = text.trimmed().toStdString();
    if (state_ != State::SignedIn || !lobby::validChat(utf8)) return false;
    write(lobby::formatLine("CHAT", {utf8}));
    return true;
}

bool LobbyClient::requestRoute(const QString& id) {
    const std::string wanted = id.toStdString();
    if (state_ != State::SignedIn || !lobby::validHex(wanted, lobby::kGameIdChars)) return false;
    // The questions outstanding are few; a window that asks again and again keeps one each.
    if (std::find(routeAsked_.begin(), routeAsked_.end(), wanted) == routeAsked_.end()) {
        if (routeAsked_.size() >= 16) routeAsked_.erase(routeAsked_.begin());
        routeAsked_.push_back(wanted);
    }
    write(lobby::formatLine("JOIN", {wanted}));
    return true;
}

} // namespace quadrino
