// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host on the virtual clock with every connection's received messages recorded.
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

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
    ScriptedDice* dice; // owned by the host; draws queued here come first
    Host host;
    std::map<int, QStringList> inbox; // per connection, each message with its "~"

    // Without queued draws the dice are those of the game's generator with this seed.
    explicit HostFixture(std::uint32_t seed = 1, HostOptions options = {})
        : HostFixture(std::make_unique<ScriptedDice>(seed), options) {}
    explicit HostFixture(std::unique_ptr<ScriptedDice> d, HostOptions options = {})
        : dice(d.get()), host(port, std::move(d), options) {
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

    const BoardState& board() const { return host.engine().board(); }
    const TurnState& turn() const { return host.engine().turn(); }
    // Goes on from the current game as `edit` changes it (a position the test needs).
    void position(const std::function<void(GameSnapshot&)>& edit) {
        GameSnapshot g{board(), turn()};
        edit(g);
        QVERIFY2(host.engine().resume(g), "the test's position is not one a game can be in");
    }
    // The seat on turn must roll now; no game timer runs.
    void giveTurn(int seat) {
        position([seat](GameSnapshot& g) {
            g.turn.whoseturn = seat;
            for (int i = 1; i <= kSeatCount; ++i)
                if (g.turn.turnorder[i] == seat) g.turn.turnindex = i;
            g.turn.turnphase = 1;
            g.turn.rollagain = false;
            g.turn.doublescount = 0;
        });
        port.stopTimer(HostTimer::Computer);
        clearInbox();
    }
};

// Every message connection 1 received in one bot game that its hosting user, `name`, started
// with `options` (the start request's fields after the name) and then only watched;
// terminators removed.
inline std::vector<std::string> watchedBotGame(std::uint32_t seed, const QString& options,
                                               const QString& name = QStringLiteral("Ann")) {
    HostFixture f(seed);
    std::vector<std::string> got;
    bool won = false;
    f.port.setSink([&](int c, std::string_view m) {
        if (c != 1) return;
        got.emplace_back(m.substr(0, m.size() - 1));
        won = won || m.starts_with("CMD_winner+");
    });
    f.join(name);
    f.say(1, "CMD_startgame+" + name + "+" + options + "+~");
    f.say(1, "CMD_justwatch+1+1~");
    f.port.runUntil([&] { return won; }, 24LL * 3600 * 1000);
    return got;
}

} // namespace quadrino::testing
