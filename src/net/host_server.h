#pragma once
// The host on real sockets: a QTcpServer listener, one QTcpSocket per connection number and
// QTimers, all behind the host's port interface. Used by the hosting GUI and quadrino-host.
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "host/host.h"
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
        bool logToStderr = false;        // the headless host logs connection events
    };
    explicit HostServer(Options options, QObject* parent = nullptr);
    ~HostServer() override;

    // Starts listening on all local addresses. Port 0 picks a free port.
    bool listen(quint16 port, const QHostAddress& address = QHostAddress::Any);
    quint16 serverPort() const;
    QString errorString() const;
    // Closes every connection (used at exit).
    void closeAll();

    Host& host() { return *host_; }

private:
    void send(int connection, std::string_view bytes) override;
    void close(int connection) override;
    void startTimer(HostTimer timer, int intervalMs) override;
    void stopTimer(HostTimer timer) override;
    int botDelay() const override;
    void log(std::string_view line) override;

    void onNewConnection();
    void attach(int number, QTcpSocket* socket);
    QTimer& timerFor(HostTimer t);

    Options options_;
    QTcpServer* server_ = nullptr;
    std::array<QTcpSocket*, 11> sockets_{};
    QTimer dispatchTimer_, nextTimer_, computerTimer_;
    std::unique_ptr<Host> host_;
};

} // namespace quadrino
