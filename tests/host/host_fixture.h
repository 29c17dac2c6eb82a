#pragma once
// A host on the virtual clock with every connection's received messages recorded.
#include <QString>
#include <QStringList>
#include <map>
#include <string>

#include "host/host.h"
#include "host/virtual_port.h"

namespace quadrino::testing {

// Shows a message with "~" in place of the terminator.
inline QString shown(std::string_view s) {
    QString out;
    for (char c : s) out += c == '\xFF' ? QChar('~') : QChar::fromLatin1(c);
    return out;
}
inline std::string wire(const QString& text) {
    std::string out;
    for (QChar c : text) out += c == QChar('~') ? '\xFF' : static_cast<char>(c.toLatin1());
    return out;
}

struct HostFixture {
    VirtualPort port;
    Host host;
    std::map<int, QStringList> inbox; // per connection, each message with its "~"

    explicit HostFixture(std::uint32_t seed = 1) : host(port, seed) {
        port.attach(host);
        port.setSink([this](int c, std::string_view bytes) {
            std::size_t start = 0;
            while (start < bytes.size()) {
                auto end = bytes.find('\xFF', start);
                if (end == std::string_view::npos) end = bytes.size() - 1;
                inbox[c] << shown(bytes.substr(start, end - start + 1));
                start = end + 1;
            }
        });
    }

    // Runs until the queue is served and pending closes are through (no game timers).
    void settle() {
        for (int guard = 0; guard < 100000; ++guard) {
            const bool idle = host.queuedMessages() == 0 && !port.timerActive(HostTimer::Dispatch);
            if (idle && !port.closesPending()) return;
            port.step();
        }
    }
    void say(int connection, const QString& text) {
        port.deliver(connection, wire(text));
        settle();
    }
    int join(const QString& name, const QString& version = "1.0.15") {
        int n = port.connect();
        say(n, QString("CMD_logininfo+%1+%2+%3~~").arg(n).arg(version, name));
        return n;
    }
    void leave(int connection) {
        port.peerCloses(connection);
        settle();
    }
    void clearInbox() { inbox.clear(); }
};

} // namespace quadrino::testing
