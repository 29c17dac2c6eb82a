// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/client_session.h"

#include <QCoreApplication>
#include <utility>

#include "protocol/catalogue.h"
#include "protocol/cp1252.h"
#include "protocol/wire.h"
#include "table/ui_text_qt.h"

namespace quadrino {

namespace {

QString fromWire(std::string_view bytes) { return QString::fromStdString(cp1252ToUtf8(bytes)); }
QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

constexpr int kLoginTimeoutMs = 10000;

QString failureInWords(QAbstractSocket::SocketError error, const QString& detail) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QCoreApplication::translate("quadrino::ClientSession", "the connection was refused; no game is hosted there");
    case QAbstractSocket::HostNotFoundError:
        return QCoreApplication::translate("quadrino::ClientSession", "no computer has that name or address");
    case QAbstractSocket::NetworkError:
        return QCoreApplication::translate("quadrino::ClientSession", "the address cannot be reached (%1)").arg(detail);
    default:
        return detail;
    }
}

} // namespace

ClientSession::ClientSession(std::uint32_t diceSeed, QObject* parent)
    : QObject(parent), table_(identity_, diceSeed) {
    connect(&connection_, &ClientConnection::messageReady, this, &ClientSession::onMessage);
    connect(&connection_, &ClientConnection::overflowed, this, [this] {
        // Said before the close that follows, so a window that goes with the connection
        // still tells why.
        lastNotice_ = tr("The host sent more than this client can take; the connection was closed.");
        notice(QStringLiteral("0+") + lastNotice_);
    });
    connect(&connection_, &ClientConnection::closed, this, [this] {
        awaitingLogin_ = false;
        loginTimer_.stop();
        emit closed();
    });
    connect(&connection_, &ClientConnection::connectFailed, this,
            [this](QAbstractSocket::SocketError error, const QString& detail) {
                // The socket has given up by itself and is still inside its error report.
                giveUp(failureInWords(error, detail), false);
            });
    loginTimer_.setSingleShot(true);
    loginTimer_.setInterval(kLoginTimeoutMs);
    connect(&loginTimer_, &QTimer::timeout, this, [this] {
        giveUp(tr("the host did not answer within %1 seconds").arg(loginTimer_.interval() / 1000.0), true);
    });
}

ClientSession::~ClientSession() {
    // Nobody is told about a connection torn down with the session.
    disconnect(&connection_, nullptr, this, nullptr);
}

void ClientSession::setMyName(const QString& name) {
    identity_.myname = name.toStdString();
    loginname_ = withoutTerminator(utf8ToCp1252(identity_.myname));
}

void ClientSession::setHosting(bool hosting) {
    const bool changed = identity_.amhost != hosting;
    identity_.amhost = hosting;
    table_.setHosting(hosting);
    emit tableChanged();
    if (changed) emit hostingChanged(hosting);
}

void ClientSession::connectToHost(const QString& address, quint16 port, const std::string& preamble) {
    hostAddress_ = address;
    hostPort_ = port;
    awaitingLogin_ = true;
    loginTimer_.start();
    connection_.connectToHost(address, port, preamble);
}

quint16 ClientSession::connectToOwnHost(quint16 port) {
    const quint16 local = connection_.connectToOwnHost(port);
    if (local != 0) {
        awaitingLogin_ = true;
        loginTimer_.start();
    }
    return local;
}

void ClientSession::giveUp(const QString& reason, bool drop) {
    if (!awaitingLogin_) return; // reported once, and never after the login
    awaitingLogin_ = false;
    loginTimer_.stop();
    if (drop) connection_.reset();
    emit connectFailed(reason);
}

void ClientSession::rejoin() { rejoin(hostAddress_, hostPort_, {}); }

void ClientSession::rejoin(const QString& address, quint16 port, const std::string& preamble) {
    connection_.reset();
    identity_.loggedin = false;
    rejoining_ = true;
    connectToHost(address, port, preamble);
}

void ClientSession::reset() {
    // Going on purpose: the host is told not to keep the seat.
    if (canRejoin() && identity_.loggedin && connection_.isConnected()) {
        connection_.send(encode(LeavingRequest{identity_.myseat}));
        connection_.flush();
    }
    seatKey_.clear();
    keySeat_ = 0;
    rejoining_ = false;
    awaitingLogin_ = false;
    lastNotice_.clear();
    loginTimer_.stop();
    connection_.reset();
    identity_.myseat = 0;
    identity_.loggedin = false;
    const bool wasHosting = identity_.amhost;
    identity_.amhost = false;
    table_.reset();
    emit tableChanged();
    if (wasHosting) emit hostingChanged(false);
}

void ClientSession::send(const std::string& message) {
    if (identity_.loggedin) connection_.send(message);
}

void ClientSession::notice(const QString& text) { emit chatLine(text, kSystemColour); }

table::Outcome ClientSession::clickDice() { return apply(table_.clickDice()); }
table::Outcome ClientSession::clickPawn(int seat, int pawn, bool rightButton) {
    return apply(table_.clickPawn(seat, pawn, rightButton));
}
table::Outcome ClientSession::clickMarker(int code) { return apply(table_.clickMarker(code)); }
table::Outcome ClientSession::clickPass(int seat) { return apply(table_.clickPass(seat)); }
table::Outcome ClientSession::clickStart() { return apply(table_.clickStart()); }
table::Outcome ClientSession::closeError() { return apply(table_.closeError()); }
table::Outcome ClientSession::closeSummary() { return apply(table_.closeSummary()); }
table::Outcome ClientSession::answerQuestion(bool botPlays) { return apply(table_.answerQuestion(botPlays)); }
table::Outcome ClientSession::pressKey(table::BoardKey key) { return apply(table_.pressKey(key)); }
table::Outcome ClientSession::chooseSeatMenu(table::SeatMenuEntry entry, int seat) {
    return apply(table_.chooseSeatMenu(entry, seat));
}
bool ClientSession::advanceWarning() { return table_.warningTick(); }
table::Outcome ClientSession::kick(int number) { return apply(table_.kick(number)); }
void ClientSession::setNewTurnSound(bool on) { table_.setNewTurnSound(on); }

table::Outcome ClientSession::apply(table::Outcome out) {
    for (const std::string& request : out.requests) send(request);
    if (!out.logged.empty()) emit gameLogged(out.logged);
    if (out.changed) emit tableChanged();
    // The table's own lines are shown in the user's language; they never leave this client.
    if (out.chatWords.size() == out.chat.size())
        for (const table::UiText& line : out.chatWords) notice(QStringLiteral("0+") + table::translated(line));
    else
        for (const std::string& line : out.chat) notice(fromUtf8(line));
    if (out.reloadSettings) emit ownArrival();
    for (const std::string& sound : out.sounds) emit soundRequested(fromUtf8(sound));
    if (out.justWatch) emit justWatchChanged(*out.justWatch);
    if (out.tally) emit gameWon(fromUtf8(*out.tally));
    if (out.openGameOptions) emit gameOptionsWanted();
    if (!out.messageBox.empty()) emit messageBoxWanted(QCoreApplication::translate("quadrino::table::TableModel", out.messageBox.c_str()));
    return out;
}

void ClientSession::onMessage(const std::string& entry) {
    const CommandSplit split = splitCommand(entry);
    const bool ours = decodeAndHandle(RejoinAnnouncements{}, split.word, split.rest,
                                      Overloaded{[](const Malformed&) {}, [&](const SeatKey& m) { takeSeatKey(m); }});
    if (ours || !isOneOf(ClientAnnouncements{}, split.word)) return;
    // The host's own line just before it closes the connection says why (a removal); the
    // window shows it even where it closes with the connection.
    lastNotice_.clear();
    // The chat pane reads a line's sender and its parts itself, as it reads the client's own.
    auto chatLine = [](const NumberText& sender, const std::string& text) { return fromWire(sender.text + "+" + text); };
    decodeAndHandle(
        ClientAnnouncements{}, split.word, split.rest,
        Overloaded{
            [](const Malformed&) {},
            [&](const SendLoginInfo& m) { sendlogininfo(m.connection); },
            [&](const HaveWrongVersion& m) {
                notice(QStringLiteral("0+") + tr("%1 has a different version of the game then you.").arg(fromWire(m.name)));
            },
            [&](const WrongVersion&) { notice(QStringLiteral("0+") + tr("You have a differnt version of the game then the host.")); },
            [&](const Full&) {
                emit messageBoxWanted(tr("Game is full"));
                emit gameFull();
            },
            [&](const ChatMessage& m) {
                if (m.sender.text == "0") {
                    const QString data = fromWire(m.text);
                    lastNotice_ = data.left(data.lastIndexOf(u'|'));
                }
                emit chatReceived(chatLine(m.sender, m.text));
            },
            [&](const ActionMessage& m) { emit chatReceived(chatLine(m.sender, m.text)); },
            [&](const SoundMessage& m) { emit chatterSoundReceived(chatLine(m.sender, m.text)); },
            [&](const auto& announcement) { apply(table_.handle(announcement)); },
        });
}

void ClientSession::sendlogininfo(int seat) {
    // Only a number a host gives: the client's requests carry it back.
    if (!isConnectionNumber(seat)) return;
    awaitingLogin_ = false;
    loginTimer_.stop();
    const bool rejoining = std::exchange(rejoining_, false);
    if (rejoining) {
        // The host tells the board afresh, to a seat holder and a newcomer alike.
        table_.reset();
        emit tableChanged();
    }
    identity_.myseat = seat;
    identity_.loggedin = true;
    // A host that does not know the key request ignores it and takes the login as anybody's.
    if (rejoining && canRejoin()) connection_.send(encode(RejoinRequest{seat, keySeat_, seatKey_}));
    connection_.send(encode(LoginRequest{seat, std::string(kVersion), loginname_}));
    if (mayRejoin_) connection_.send(encode(CanRejoinRequest{seat}));
    // Number 1 is the hosting user's, whichever copy runs the host.
    setHosting(seat == 1);
    if (rejoining) emit rejoined();
}

void ClientSession::takeSeatKey(const SeatKey& m) {
    if (!identity_.loggedin) return;
    seatKey_ = m.key;
    keySeat_ = m.connection;
    // After a rejoin the key comes with the seat given back, before any word about it.
    if (!m.key.empty() && m.connection != identity_.myseat) {
        identity_.myseat = m.connection;
        emit tableChanged();
        setHosting(m.connection == 1);
    }
}

} // namespace quadrino
