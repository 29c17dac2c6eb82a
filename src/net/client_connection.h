// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's game connection: a QTcpSocket, its framer and the received-message queue,
// served one message per tick while the queue holds entries. What waits in the queue is
// bounded: a host that sends more than that is cut off.
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <string>

#include "protocol/framer.h"
#include "protocol/message_queue.h"

namespace quadrino {

// What may wait for dispatch on the client. An honest host sends a few messages a second
// and the client takes a thousand; these allow several seconds of a client that stalls (a
// busy pane, a slow machine) behind the fastest host, and a few megabytes at most.
inline constexpr std::size_t kClientMaxQueuedEntries = 8192;
inline constexpr std::size_t kClientMaxQueuedBytes = 2 * 1024 * 1024;

class ClientConnection : public QObject {
    Q_OBJECT
public:
    explicit ClientConnection(QObject* parent = nullptr);
    ~ClientConnection() override;

    // Non-blocking connect; a name that is not an address is looked up first. A `preamble`
    // goes out as the connection's first bytes, before anything of the game: a lobby's relay
    // takes its ticket that way before it passes the game's bytes through.
    void connectToHost(const QString& host, quint16 port, const std::string& preamble = {});
    // Connects to a host in this process over loopback from a local port known before the
    // host accepts, so that the host can tell its own client from another copy on this
    // machine. Returns that port, or 0 when no local port could be had (nothing is started).
    quint16 connectToOwnHost(quint16 port);
    // The local port of the connection or attempt; 0 when there is none.
    quint16 localPort() const { return socket_.localPort(); }
    // Drops the connection, or the attempt, and everything received, without reporting a
    // close or a failure: the connection is as new and may connect again.
    void reset();
    // Hands one whole message to the socket; ignored unless connected.
    void send(const std::string& bytes);
    // Hands what was sent to the system at once, so that a reset right after loses none of it.
    void flush() { socket_.flush(); }
    bool isConnected() const;
    void close();
    // Messages waiting for their dispatch tick.
    std::size_t queuedMessages() const { return queue_.size(); }
    // The dispatch pace, 1 ms by default.
    void setTickInterval(int ms) { tick_.setInterval(ms); }

signals:
    // One queue entry per tick, in arrival order (without its terminator, at most 4096 chars).
    void messageReady(const std::string& entry);
    // The connection has closed, by either side ("Socket Closed"); emitted once, after the
    // messages that arrived before the close have been handed out. A connect that never
    // succeeds does not count as a close.
    void closed();
    // The host sent more than the queue holds, or more than the framer's cap without ending a
    // message: the connection is dropped with everything still queued, and closed() follows
    // at once.
    void overflowed();
    // A connect never succeeded: refused, unreachable or an unknown name. The system's own
    // wait for an unanswered connect is long; callers set their own limit and reset().
    void connectFailed(QAbstractSocket::SocketError error, const QString& reason);

private:
    void onReadyRead();
    void onTick();
    void onDisconnected();
    void emitClosedWhenDrained();
    void failConnect(QAbstractSocket::SocketError error, const QString& reason);
    void cutOff();
    static Framer newFramer() { return Framer(kMaxPendingBytes, true); }
    static MessageQueue newQueue() {
        return MessageQueue(QueueOrder::Arrival, QueueLimits{kClientMaxQueuedEntries, kClientMaxQueuedBytes});
    }

    QTcpSocket socket_;
    QTimer tick_;
    Framer framer_ = newFramer();
    MessageQueue queue_ = newQueue();
    bool wasConnected_ = false;
    bool closePending_ = false;
    bool closedEmitted_ = false;
    bool connecting_ = false;
    std::string preamble_;
};

} // namespace quadrino
