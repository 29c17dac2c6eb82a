// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lobby_listing.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "net/host_server.h"

namespace quadrino {

namespace {

// The lobby's longest name, in characters, without what the lobby would refuse.
std::string lobbyName(const QString& hostName) {
    QString name;
    std::size_t chars = 0;
    for (char32_t c : hostName.toUcs4()) {
        if (chars++ == lobby::kMaxNameChars) break;
        if (c < 0x20 || c == 0x7F) c = U' ';
        name += QString::fromUcs4(&c, 1);
    }
    const std::string out = name.toStdString();
    // A name of blanks alone is no name.
    return lobby::validName(out) ? out : std::string("Quadrino");
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

LobbyListing::LobbyListing(HostServer& server, LobbyAddress lobby, const QString& hostName,
                           std::function<LanGame()> current, QObject* parent)
    : QObject(parent), server_(&server), lobby_(std::move(lobby)), name_(lobbyName(hostName)),
      current_(std::move(current)) {
    connectTimer_.setSingleShot(true);
    retryTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] { dropped(tr("no answer")); });
    connect(&retryTimer_, &QTimer::timeout, this, &LobbyListing::connectNow);
    connect(&pingTimer_, &QTimer::timeout, this, &LobbyListing::ping);
    connect(&link_, &QTcpSocket::connected, this, [this] {
        connectTimer_.stop();
        heard_.start();
        send(lobby::formatLine("HELLO", {std::to_string(lobby::kProtocolVersion), name_}));
    });
    connect(&link_, &QTcpSocket::readyRead, this, &LobbyListing::onReadable);
    connect(&link_, &QTcpSocket::disconnected, this, [this] { dropped(tr("it closed the connection")); });
    connect(&link_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e != QAbstractSocket::RemoteHostClosedError) dropped(link_.errorString());
    });
    // Whatever the game does that a lobby lists (a seat taken or left, the start) is sent on.
    connect(&server, &HostServer::tableMayHaveChanged, this, &LobbyListing::sendGame);
}

LobbyListing::~LobbyListing() {
    stop();
    // Nothing of a link going away may reach a listing half gone.
    link_.disconnect(this);
    for (QTcpSocket* s : std::as_const(opening_)) s->abort();
}

QString LobbyListing::where() const {
    const bool v6 = lobby_.host.contains(u':');
    return (v6 ? u'[' + lobby_.host + u']' : lobby_.host) + u':' + QString::number(lobby_.port);
}

void LobbyListing::start() {
    if (running_) return;
    running_ = true;
    connectNow();
}

void LobbyListing::stop() {
    if (!running_) return;
    running_ = false;
    retryTimer_.stop();
    connectTimer_.stop();
    pingTimer_.stop();
    if (signedIn_ && !gameId_.isEmpty()) {
        send(lobby::formatLine("UNHOST", {}));
        link_.flush();
    }
    signedIn_ = false;
    gameId_.clear();
    link_.disconnectFromHost();
}

void LobbyListing::connectNow() {
    if (!running_) return;
    // Gone before the new link counts, so its end is not taken for the new one's.
    link_.abort();
    linkDown_ = false;
    signedIn_ = false;
    gameId_.clear();
    reach_ = lobby::Reach::Checking;
    sent_.clear();
    framer_ = lobby::LineFramer();
    connectTimer_.start(timing_.connectMs);
    link_.connectToHost(lobby_.host, lobby_.port);
}

void LobbyListing::dropped(const QString& why) {
    if (!running_ || linkDown_) return;
    linkDown_ = true;
    connectTimer_.stop();
    pingTimer_.stop();
    signedIn_ = false;
    gameId_.clear();
    link_.abort();
    retryPauseMs_ = retryPauseMs_ == 0 ? timing_.firstRetryMs : std::min(retryPauseMs_ * 2, timing_.longestRetryMs);
    if (!outageSaid_) {
        outageSaid_ = true;
        emit status(everSignedIn_ ? tr("Lost the link to the lobby at %1 (%2); the game is not listed there until it "
                                       "is back. Trying again.")
                                        .arg(where(), why)
                                  : tr("The lobby at %1 cannot be reached (%2); the game is not listed there until it "
                                       "can. Trying again.")
                                        .arg(where(), why));
    }
    // Out of the socket's own signal before it is used again.
    retryTimer_.start(retryPauseMs_);
}

void LobbyListing::send(const std::string& line) {
    if (link_.state() != QAbstractSocket::ConnectedState) return;
    link_.write(line.data(), static_cast<qint64>(line.size()));
}

void LobbyListing::onReadable() {
    if (!running_) return;
    const QByteArray bytes = link_.readAll();
    if (bytes.isEmpty()) return;
    heard_.start();
    std::vector<std::string> lines;
    const bool whole = framer_.feed(view(bytes), lines);
    for (const std::string& text : lines) {
        if (linkDown_ || !running_) return;
        if (auto line = lobby::parseLine(text)) handle(*line);
    }
    if (!whole) dropped(tr("it sent a line longer than the protocol allows"));
}

void LobbyListing::handle(const lobby::Line& line) {
    const auto field = [&line](std::size_t i) -> const std::string& {
        static const std::string none;
        return i < line.fields.size() ? line.fields[i] : none;
    };
    if (line.word == "WELCOME") {
        signedIn_ = true;
        retryPauseMs_ = 0;
        emit status(outageSaid_ ? tr("Signed in to the lobby at %1 again.").arg(where())
                                : tr("Signed in to the lobby at %1.").arg(where()));
        outageSaid_ = false;
        everSignedIn_ = true;
        pingTimer_.start(timing_.pingMs);
        sendGame();
    } else if (line.word == "HOSTED" && lobby::validHex(field(0), lobby::kGameIdChars)) {
        gameId_ = QString::fromStdString(field(0));
    } else if (line.word == "GAME") {
        const auto game = lobby::GameListing::fromLine(line);
        if (!game || gameId_.isEmpty() || game->id != gameId_.toStdString() || game->reach == reach_) return;
        reach_ = game->reach;
        if (reach_ == lobby::Reach::Direct)
            emit status(tr("The game is listed in the lobby at %1; players there join it directly.").arg(where()));
        else if (reach_ == lobby::Reach::Relay)
            emit status(tr("The game is listed in the lobby at %1. The lobby cannot reach this machine, so it passes "
                           "the players' moves on.")
                            .arg(where()));
    } else if (line.word == "OPEN") {
        QHostAddress joiner;
        if (lobby::validHex(field(0), lobby::kTicketChars) && joiner.setAddress(QString::fromStdString(field(1))))
            openRelay(field(0), joiner);
    } else if (line.word == "ERROR" && field(1) == "HOST") {
        emit status(tr("The lobby at %1 did not list the game (%2).").arg(where(), QString::fromStdString(field(0))));
    } else if (line.word == "BYE") {
        if (field(0) == "version") {
            // Another version of the lobby will not take this one at the next attempt either.
            emit status(tr("The lobby at %1 speaks another version of the protocol; the game is not listed there.")
                            .arg(where()));
            stop();
            return;
        }
        dropped(tr("it said goodbye: %1").arg(QString::fromStdString(field(0))));
    }
    // PONG, SAID, PRESENT, LISTED, NAME and GONE say nothing the host needs.
}

void LobbyListing::sendGame() {
    if (!signedIn_ || !server_ || !current_) return;
    const LanGame game = current_();
    const std::string line = lobby::formatLine(
        "HOST", {std::to_string(server_->serverPort()), std::to_string(std::clamp(game.seats, 0, 4)),
                 std::to_string(std::clamp(game.watchers, 0, 9)), game.started ? "1" : "0", encodeLanOptions(game.options)});
    if (line == sent_) return;
    sent_ = line;
    send(line);
}

void LobbyListing::ping() {
    if (!signedIn_) return;
    // Three pings unanswered: the link is dead even if the system has not noticed yet.
    if (heard_.elapsed() > 3LL * timing_.pingMs) return dropped(tr("it stopped answering"));
    send(lobby::formatLine("PING", {std::to_string(++pings_)}));
}

void LobbyListing::openRelay(const std::string& ticket, const QHostAddress& joiner) {
    if (!server_ || opening_.size() >= kMaxOpening) return;
    // To the very lobby this link reaches, not to whatever its name resolves to next.
    const QHostAddress lobbyHost = link_.peerAddress();
    const quint16 lobbyPort = link_.peerPort();
    auto* relay = new QTcpSocket(this);
    // Ours, not the link's: a link handed to the host outlives this listing.
    auto* deadline = new QTimer(this);
    deadline->setSingleShot(true);
    opening_.insert(relay);
    auto giveUp = [this, relay, deadline] {
        deadline->deleteLater();
        if (!opening_.remove(relay)) return;
        relay->disconnect(this);
        relay->abort();
        relay->deleteLater();
    };
    connect(relay, &QTcpSocket::connected, this, [this, relay, deadline, ticket, joiner] {
        deadline->deleteLater();
        deadline->disconnect(this);
        opening_.remove(relay);
        relay->disconnect(this);
        relay->setParent(nullptr);
        const std::string accept = lobby::formatLine("ACCEPT", {ticket});
        relay->write(accept.data(), static_cast<qint64>(accept.size()));
        if (server_) {
            server_->adoptConnection(relay, joiner);
        } else {
            relay->abort();
            relay->deleteLater();
        }
    });
    connect(relay, &QTcpSocket::errorOccurred, this, giveUp);
    connect(deadline, &QTimer::timeout, this, giveUp);
    deadline->start(timing_.connectMs);
    relay->connectToHost(lobbyHost, lobbyPort);
}

} // namespace quadrino
