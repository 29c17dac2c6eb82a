// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lobby on real sockets: a QTcpServer, one QTcpSocket per connection, a one-second tick,
// the reach checks and the relay pipes, all behind the core's port interface.
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "lobby/game_directory.h"
#include "lobby/lobby_core.h"

class QTcpServer;
class QTcpSocket;

namespace quadrino::lobby {

class LobbyServer : public QObject, private LobbyPort {
    Q_OBJECT
public:
    struct Options {
        LobbyLimits limits;
        // Where joiners are sent for a relay; unset, the address a host reached us on.
        std::string publicAddress;
        int publicPort = 0;
        // How long a game has to answer its reach check.
        int checkTimeoutMs = 5000;
        std::function<void(std::string_view)> logLine;
    };
    // What Qt buffers of a connection's input; past it the rest waits in the system's buffers,
    // which is how a throttled relay holds its sender back.
    static constexpr qint64 kReadBufferBytes = 16 * 1024;
    static constexpr int kCloseGraceMs = 2000;
    // What a relay lets wait unsent for one end before it stops reading the other.
    static constexpr qint64 kRelayBacklogBytes = 64 * 1024;
    // How often a relay held back by its budget looks again.
    static constexpr int kRelayPumpMs = 20;

    explicit LobbyServer(Options options, QObject* parent = nullptr);
    ~LobbyServer() override;

    bool listen(quint16 port, const QHostAddress& address = QHostAddress::Any);
    quint16 serverPort() const;
    QString errorString() const;
    void closeAll();
    const LobbyCore& core() const { return *core_; }

private:
    struct Connection {
        QTcpSocket* socket = nullptr;
        bool closing = false;
        // A relay link: its partner and the game whose budget it spends.
        ConnectionId partner = 0;
        std::string gameId;
        bool toHost = false;
    };
    // Each game's relay budget, one bucket each way.
    struct Budget {
        double toHost = 0, toJoiner = 0;
        std::int64_t refilled = 0;
        std::int64_t rate = 0;
        int pairs = 0;
    };

    void send(ConnectionId connection, std::string_view bytes) override;
    void close(ConnectionId connection) override;
    void startCheck(const std::string& gameId, const std::string& address, int port, const std::string& nonce) override;
    void joinRelay(const RelayJoin& join) override;
    std::int64_t now() const override;
    std::uint64_t randomBits() override;

    void onNewConnection();
    void onReadyRead(ConnectionId n);
    void onDisconnected(ConnectionId n);
    // Moves what the budget allows from a relay link to its partner.
    void pump(ConnectionId n);
    void pumpAll();
    void log(const std::string& line);

    Options options_;
    QTcpServer* server_ = nullptr;
    QElapsedTimer clock_;
    QTimer tick_, relayPump_;
    MemoryGameDirectory directory_;
    std::unique_ptr<LobbyCore> core_;
    std::unordered_map<ConnectionId, Connection> connections_;
    std::map<std::string, Budget> budgets_;
    ConnectionId next_ = 1;
};

} // namespace quadrino::lobby
