// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game hosted here, listed in an online lobby (docs/LOBBY.md): signed in under the host's
// name, registered with what the local network's record says of it, kept fresh and alive, and
// signed in again after a drop. When the lobby cannot reach the game it relays joiners: for
// each one it asks for a link, which this side opens to the lobby and hands to the host as
// one more connection. Runs on the event loop's thread.
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "lobby/lobby_protocol.h"
#include "net/lobby_address.h"
#include "net/lan_record.h"

namespace quadrino {

class HostServer;

class LobbyListing : public QObject {
    Q_OBJECT
public:
    struct Timing {
        int pingMs = 60 * 1000;           // well inside the lobby's 300 s of silence
        int firstRetryMs = 2000;          // the pause after a drop, doubled at each failure
        int longestRetryMs = 5 * 60 * 1000;
        int connectMs = 15 * 1000;        // for the link and for each relay link
    };
    // At most this many relay links on their way at once; a game holds nine connections.
    static constexpr int kMaxOpening = 9;

    // `current` is the game as it stands, as the local network's record has it; `hostName`
    // is cut to the lobby's longest name.
    LobbyListing(HostServer& server, LobbyAddress lobby, const QString& hostName, std::function<LanGame()> current,
                 QObject* parent = nullptr);
    // Withdraws the game.
    ~LobbyListing() override;

    void setTiming(const Timing& timing) { timing_ = timing; }
    // Signs in and lists the game; after a drop, again and again with growing pauses.
    void start();
    // The game is over here: it leaves the lobby's list and the link closes for good.
    void stop();

    bool signedIn() const { return signedIn_; }
    // The lobby's id of the game once listed, empty before.
    const QString& gameId() const { return gameId_; }
    lobby::Reach reach() const { return reach_; }
    const LobbyAddress& lobby() const { return lobby_; }
    // "host:port", as the user wrote it for people to read.
    QString where() const;

signals:
    // What happened, for the chat pane or the log: signed in, listed and how it is reached,
    // the lobby gone or refusing.
    void status(const QString& text);

private:
    void connectNow();
    void onReadable();
    void handle(const lobby::Line& line);
    // The link has gone or could not be made: try again later (unless stopped).
    void dropped(const QString& why);
    // Sends the game unless the lobby has it as it is already.
    void sendGame();
    void ping();
    // Opens a relay link for the ticket and hands it to the host for `joiner`.
    void openRelay(const std::string& ticket, const QHostAddress& joiner);
    void send(const std::string& line);

    QPointer<HostServer> server_;
    LobbyAddress lobby_;
    std::string name_;
    std::function<LanGame()> current_;
    Timing timing_;
    QTcpSocket link_;
    lobby::LineFramer framer_;
    QTimer connectTimer_, retryTimer_, pingTimer_;
    QElapsedTimer heard_;       // since the lobby last sent anything
    int retryPauseMs_ = 0;      // 0 until the first failure
    bool running_ = false;
    bool linkDown_ = true;      // the current link has been given up (heard once per drop)
    bool signedIn_ = false;
    bool outageSaid_ = false;   // the chat has heard that the lobby cannot be reached
    bool everSignedIn_ = false;
    QString gameId_;
    lobby::Reach reach_ = lobby::Reach::Checking;
    std::string sent_;          // the last HOST line sent on this link
    quint64 pings_ = 0;
    QSet<QTcpSocket*> opening_; // relay links not yet handed over
};

} // namespace quadrino
