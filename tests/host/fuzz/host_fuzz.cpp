// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the host core. The input is a script read byte by byte: connections
// open and close, raw bytes and well-formed but arbitrary requests arrive from any of them
// (every command word, every field count, huge and negative numbers, empty fields, any byte),
// the virtual clock moves on and the dice are set. After every step the host must still be
// sound: every message whole, no seat on turn without a way forward, no timer after a
// winner and nothing of the game announced after it until the next start, every pawn on its
// own seat's path, two seats never on one board square.
#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "rules/board_rules.h"
#include "rules/dice.h"
#include "host/host.h"
#include "host/virtual_port.h"
#include "fuzz_script.h"

using namespace quadrino;

namespace {

using fuzzing::Script;

void require(bool condition, const char* what) { fuzzing::require(condition, "host_fuzz", what); }

constexpr std::array<const char*, 16> kWords = {
    "CMD_logininfo",  "CMD_kickhim",  "CMD_chat",       "CMD_action",      "CMD_startgame", "CMD_justwatch",
    "CMD_playerroll", "CMD_moveit",   "CMD_playerpass", "CMD_bottakeover", "CMD_playasound", "CMD_botspeed",
    "CMD_Moveit",     "CMD_nextplayer", "",             "CMD_",
};

std::string field(Script& s, int connection) {
    switch (s.byte() % 6) {
    case 0: return std::to_string(connection);
    case 1: return std::to_string(s.byte() - 16);
    case 2: {
        static constexpr std::array<const char*, 8> odd = {"2147483647", "-2147483648", "99999999999", "", "-0",
                                                           "+5",         "1.0.15",      "t"};
        return odd[static_cast<std::size_t>(s.byte()) % odd.size()];
    }
    case 3: return std::to_string(s.byte() % 13);
    case 4: return std::to_string(s.byte() % 5);
    default: return s.bytes(static_cast<std::size_t>(s.byte() % 12));
    }
}

// What a game announces as it goes; none of it may follow its winner before a new start.
bool isGameEvent(std::string_view m) {
    for (std::string_view word : {"winner+", "nextplayer+", "rollagain+", "hisdice+", "nomoves+", "movehim+",
                                  "sendback+", "passing+", "gotpenalty+", "gotpenalty1+", "warning+", "removepegs+"})
        if (m.substr(0, 4) == "CMD_" && m.substr(4, word.size()) == word) return true;
    return false;
}

struct Run {
    VirtualPort port;
    ScriptedDice* dice;
    Host host;
    // Per connection number: it has been told of a winner and of no start since.
    std::array<bool, kRefusedSlot + 1> over{};

    explicit Run(std::unique_ptr<ScriptedDice> d) : dice(d.get()), host(port, std::move(d)) {
        port.attach(host);
        port.setBotDelay(500);
        port.setSink([this](int connection, std::string_view m) {
            require(connection >= 1 && connection <= kRefusedSlot, "a send to a number outside 1..10");
            require(!m.empty() && m.back() == '\xFF', "a message without its terminator");
            require(m.find('\xFF') == m.size() - 1, "a terminator inside a message");
            // Until a start, or a new connection on the number, which hears of games from then on.
            bool& ended = over[static_cast<std::size_t>(connection)];
            if (m.substr(0, 14) == "CMD_startgame+" || m.substr(0, 18) == "CMD_sendlogininfo+") ended = false;
            require(!ended || !isGameEvent(m), "the game went on after its winner");
            ended = ended || m.substr(0, 11) == "CMD_winner+";
        });
    }

    void check() const {
        const TurnEngine& e = host.engine();
        const BoardState& b = e.board();
        const TurnState& t = e.turn();
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            for (int square : b.seats[seat].pawnsquare) {
                require(isSquareOfSeat(seat, square), "a pawn off its seat's path");
                if (square < 1 || square > kLastBoardSquare) continue;
                for (int other = seat + 1; other <= kSeatCount; ++other)
                    for (int theirs : b.seats[other].pawnsquare)
                        require(theirs != square, "two seats on one board square");
            }
            const int progress = progressOf(b, seat);
            require(progress >= 0 && progress <= 4 * 72, "progress out of its range");
        }
        const bool next = port.timerActive(HostTimer::Next);
        const bool computer = port.timerActive(HostTimer::Computer);
        if (!t.gamestarted) {
            require(!next && !computer, "a game timer runs without a game");
            return;
        }
        require(isSeat(t.whoseturn), "no seat on turn in a game");
        if (t.turnphase == 0) {
            require(next, "a turn ended and no next seat is coming");
            return;
        }
        if (t.turnphase == 2 && !next)
            require(checkformoves(b, SquareCounts(b), t.whoseturn), "the seat on turn has rolled and has no move left");
        if (host.botPlays(t.whoseturn) && !next)
            require(computer, "the computer plays the seat on turn and is not armed");
    }
};

// The request of a seat on turn, from its own connection, so that games do go on.
std::string turnRequest(Script& s, int seat) {
    const std::string n = std::to_string(seat);
    switch (s.byte() % 3) {
    case 0: return "CMD_playerroll+" + n + "+\xFF";
    case 1: return "CMD_playerpass+" + n + "+\xFF";
    default:
        return "CMD_moveit+" + n + "+" + std::to_string(s.byte() % 14) + "+" + std::to_string(s.byte() % 6) + "+\xFF";
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Script s(data, size);
    Run r(std::make_unique<ScriptedDice>(static_cast<std::uint32_t>(size)));
    int steps = 0;
    while (!s.done() && steps++ < 4000) {
        const int k = s.byte() % 11; // a connection number, 0 and 10 included
        switch (s.byte() % 11) {
        case 0: r.port.connect(); break;
        case 1: r.port.peerCloses(k); break;
        case 2: r.port.deliver(k, s.bytes(static_cast<std::size_t>(s.byte()))); break;
        case 3: {
            std::string m = kWords[static_cast<std::size_t>(s.byte()) % kWords.size()];
            m += '+';
            for (int f = s.byte() % 10; f > 0; --f) m += field(s, k) + "+";
            if (s.byte() % 2) m += s.bytes(static_cast<std::size_t>(s.byte() % 8));
            m += '\xFF';
            r.port.deliver(k, m);
            break;
        }
        case 4: r.port.runFor(s.byte() * 16); break;
        case 5:
            for (int i = s.byte() % 16; i > 0; --i) r.port.step();
            break;
        case 6: r.dice->queueDraw(s.byte()); break;
        case 7: r.port.deliver(k, "CMD_logininfo+" + std::to_string(k) + "+1.0.15+" + s.bytes(4) + "\xFF\xFF"); break;
        case 8: {
            const int o = s.byte();
            std::string m = "CMD_startgame+Fuzz+";
            for (int bit = 0; bit < 5; ++bit) m += (o >> bit & 1) ? "1+" : "0+";
            m += std::to_string(s.byte() % 12) + "+" + ((o >> 5 & 1) ? "1" : "0") + "+\xFF";
            r.port.deliver(1, m);
            break;
        }
        case 9: {
            const int seat = r.host.engine().turn().whoseturn;
            if (isSeat(seat)) r.port.deliver(seat, turnRequest(s, seat));
            break;
        }
        default: r.port.runFor(60000); break; // long enough for whole turns of the computer
        }
        r.check();
    }
    return 0;
}
