// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's side of a lobby connection (docs/LOBBY.md): signs in with a name, keeps the live
// list of games, the count of players present and the lobby chat, measures the round trip to
// the lobby, and asks how a game is reached. One thread, the event loop's, like the rest of
// the game.
//
// A lobby is somebody else's server: whatever it sends is checked line by line and a line
// that does not fit the protocol is dropped, never trusted. What is kept is bounded, so a
// lobby that floods costs memory only up to the caps below.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "lobby/lobby_protocol.h"
#include "net/lobby_address.h"

namespace quadrino {

// How to reach a game, as the lobby answered a JOIN.
struct LobbyRoute {
    QString gameId;
    bool relay = false;
    QString address; // the game's own address, or the lobby's for a relayed game
    quint16 port = 0;
    QString ticket;  // relayed only: good once, for a few seconds
    // The first line a relay link sends (empty for a direct route).
    std::string preamble() const;
};

struct LobbyChatLine {
    QString name;
    QString text;
};

class LobbyClient : public QObject {
    Q_OBJECT
public:
    enum class State { Offline, Connecting, SignedIn };

    // At most this many games are kept; a lobby listing more is not showing us anything
    // useful, and the rest are dropped.
    static constexpr std::size_t kMaxGames = 5000;
    // The oldest chat lines go once there are more.
    static constexpr std::size_t kMaxChatLines = 500;
    // Sign-in must be answered within this. The round trip is measured this often while
    // somebody looks at it; otherwise the PING only keeps the sign-in alive, well within the
    // lobby's five minutes of silence.
    static constexpr int kSignInTimeoutMs = 10 * 1000;
    static constexpr int kPingIntervalMs = 5 * 1000;
    static constexpr int kKeepAliveMs = 2 * 60 * 1000;

    explicit LobbyClient(QObject* parent = nullptr);
    ~LobbyClient() override;

    // Signs in to the lobby at `address` as `name` (cut to the lobby's length); any earlier
    // connection goes first. A bad address or name fails at once, with its reason.
    void signIn(const QString& address, const QString& name);
    // Leaves the lobby; the list and the count go, the chat stays for the window's history.
    void signOut();

    State state() const { return state_; }
    // Why the last connection failed or ended; empty while it has not.
    const QString& reason() const { return reason_; }
    // The name the lobby knows us by (it may have added a number to ours).
    const QString& name() const { return name_; }
    const LobbyAddress& address() const { return address_; }
    const std::vector<lobby::GameListing>& games() const { return games_; }
    int present() const { return present_; }
    const std::deque<LobbyChatLine>& chat() const { return chat_; }
    // The last measured round trip to the lobby in ms; -1 before the first answer.
    int roundTripMs() const { return roundTripMs_; }
    // How often the fields of the line were wrong, or the line not UTF-8: for tests and logs.
    int droppedLines() const { return dropped_; }

    // Whether the round trip is wanted now (PING every kPingIntervalMs) or only the sign-in
    // kept (every kKeepAliveMs).
    void setWatched(bool watched) { pingTimer_.setInterval(watched ? kPingIntervalMs : kKeepAliveMs); }

    // False when not signed in or the text is no chat line (empty, too long).
    bool sendChat(const QString& text);
    // Asks how game `id` is reached; routed() or routeFailed() answers.
    bool requestRoute(const QString& id);

signals:
    void stateChanged(quadrino::LobbyClient::State state);
    // The list of games changed: once per batch of lines read, not per line.
    void gamesChanged();
    void presentChanged(int count);
    void said(const QString& name, const QString& text);
    void roundTripMeasured(int ms);
    void routed(const quadrino::LobbyRoute& route);
    void routeFailed(const QString& id, const QString& reason);
    // The lobby refused a line of ours ("chat-rate" and the like), in its own words.
    void refused(const QString& code);

private:
    void onConnected();
    void onReadyRead();
    void onDisconnected();
    void handle(const lobby::Line& line);
    void handleRoute(const lobby::Line& line);
    void handleError(const lobby::Line& line);
    void upsert(lobby::GameListing game);
    void sendPing();
    void write(const std::string& line);
    // Ends the connection with `why`, as offline.
    void drop(const QString& why);
    void setState(State state);

    QTcpSocket socket_;
    lobby::LineFramer framer_;
    QTimer signInTimer_;
    QTimer pingTimer_;
    QElapsedTimer pingClock_;
    std::string pingToken_; // the PING awaiting its PONG; empty when none
    unsigned pingCount_ = 0;
    State state_ = State::Offline;
    QString reason_;
    QString wantedName_;
    QString name_;
    LobbyAddress address_;
    std::vector<lobby::GameListing> games_;
    std::deque<LobbyChatLine> chat_;
    std::vector<std::string> routeAsked_; // ids of JOINs not yet answered
    int present_ = 0;
    int roundTripMs_ = -1;
    int dropped_ = 0;
    bool gamesDirty_ = false;
};

} // namespace quadrino

Q_DECLARE_METATYPE(quadrino::LobbyRoute)
