// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host on real sockets: a QTcpServer listener, one QTcpSocket per connection number and
// QTimers, all behind the host's port interface. Used by the hosting GUI and quadrino-host.
#include <QElapsedTimer>
#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/host.h"
#include "host/peer_limits.h"
#include "host/host_port.h"

class QTcpServer;
class QTcpSocket;

namespace quadrino {

class HostServer : public QObject, private HostPort {
    Q_OBJECT
public:
    struct Options {
        std::optional<std::uint32_t> seed; // the game's generator; unset: the system's random source
        double timeScale = 1.0;          // multiplies every timer interval
        std::function<int()> botDelay;   // the hosting user's bot speed; 1000 ms when unset
        // Where the host's log lines go; unset, they go to the quadrino.host category.
        std::function<void(std::string_view)> logLine;
        // Whether a peer (its address and port) may get number 1 with the hosting user's
        // rights; everybody else gets 2 to 9. Unset, whoever comes first. The owner's
        // addresses are also spared the limit per address.
        std::function<bool(const QHostAddress&, quint16)> mayBeOwner;
        // A person's seat idle this long on its turn is set to just watch; 0 = never.
        std::int64_t turnTimeoutMs = 0;
        // Connections one address may hold at once, logged in or not; loopback and the
        // owner's addresses are spared. 0 = no limit.
        int perAddress = AddressLimit::kDefaultPerAddress;
        // A person's seat silent this long since its turn began is closed; 0 = never.
        std::int64_t silentSeatMs = kSilentSeatMs;
        // Where a connection comes from; unset, the socket's peer address. Tests stand in
        // other machines with it.
        std::function<QHostAddress(const QTcpSocket&)> peerAddress;
    };
    // Where nobody sets a turn timeout the table waits for its players, so a silent seat
    // gets a generous while: a peer gone without a close is noticed sooner by TCP itself.
    static constexpr std::int64_t kSilentSeatMs = 600 * 1000;
    // How long a connection may stay silent before the system probes it, the pause between
    // probes and how many may go unanswered (Linux; elsewhere the system's own keepalive);
    // sent data left unacknowledged as long closes it too.
    static constexpr int kKeepAliveIdleS = 60;
    static constexpr int kKeepAliveIntervalS = 10;
    static constexpr int kKeepAliveProbes = 5;
    // What Qt buffers of a connection's input: past it the rest waits in the system's
    // buffers and then in the peer's.
    static constexpr qint64 kReadBufferBytes = 16 * 1024;
    // A closed connection gets this long to take what it was sent before it is cut off.
    static constexpr int kCloseGraceMs = 1000;
    // A peer that lets more than this pile up unsent (it stops reading) is cut off.
    static constexpr qint64 kMaxUnsentBytes = 1024 * 1024;
    explicit HostServer(Options options, QObject* parent = nullptr);
    ~HostServer() override;

    // Starts listening on all local addresses. Port 0 picks a free port.
    bool listen(quint16 port, const QHostAddress& address = QHostAddress::Any);
    quint16 serverPort() const;
    QString errorString() const;
    // Why the last listen failed; AddressInUseError when another program holds the port.
    QAbstractSocket::SocketError serverError() const;
    // Closes every connection (used at exit).
    void closeAll();
    // A connection this host did not accept itself: a peer relayed by the lobby, on a link
    // the host opened to it. It is numbered and held to every limit as any accepted one,
    // counted by `peer` (the joiner's address as the lobby reported it) and never number 1.
    // `alreadyRead` is what was read of it before the hand-over. The server owns the socket
    // from here on, whose own signals must no longer reach anybody else; false (the socket
    // closed and gone) when it is no longer connected or its address is over its limit.
    bool adoptConnection(QTcpSocket* socket, const QHostAddress& peer, const QByteArray& alreadyRead = {});

    Host& host() { return *host_; }
    const Host& host() const { return *host_; }

signals:
    // The host has handled an event that may have seated, unseated or started somebody:
    // watchers of the table (its network announcement) look again.
    void tableMayHaveChanged();

private:
    void send(int connection, std::string_view bytes) override;
    void close(int connection) override;
    void renumber(int from, int to) override;
    void startTimer(HostTimer timer, int intervalMs) override;
    void stopTimer(HostTimer timer) override;
    int botDelay() const override;
    void log(std::string_view line) override;
    std::int64_t now() const override;

    void onNewConnection();
    // `address` is counted against its limit until the socket has closed.
    void attach(int number, QTcpSocket* socket, const std::string& address);
    // Hands the host what the connection has sent, as far as its budget goes; past it the
    // socket is left unread until a timer finds the budget grown back.
    void readFrom(int number);
    QTimer& timerFor(HostTimer t);

    // What the server keeps of each connection number besides its socket.
    struct Reader {
        InputBudget budget{0};
        QTimer resume;       // single shot: read again once the budget has grown
        bool paused = false; // held back since it last caught up (logged once)
    };

    Options options_;
    QTcpServer* server_ = nullptr;
    std::array<QTcpSocket*, 11> sockets_{};
    std::array<std::string, 11> addresses_; // each socket's key in the limit per address
    std::array<Reader, 11> readers_;
    AddressLimit perAddress_;
    QTimer dispatchTimer_, nextTimer_, computerTimer_, watchTimer_;
    QElapsedTimer clock_;
    std::unique_ptr<Host> host_;
};

} // namespace quadrino
