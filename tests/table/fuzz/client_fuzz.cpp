// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the client's handling of what a host sends. The input is the byte
// stream of one connection: the client's own framer and queue cut it into messages, and each
// is handed to a client session that has no socket behind it, exactly as its connection
// would hand it on. A message that starts with the byte 0x01 comes from no host: it stands
// for the user (a click, a key, a menu choice, leaving the game), so that the picture is
// also driven from the board's side.
//
// After every message the picture must be one the board can draw: seats, pawns, dice,
// amounts, markers, progress and the turn within their ranges, texts of bounded length, the
// spy list no longer than the spectators a host can have, requests the host can parse, and
// nothing of a game that is not running (no tally for a winner nobody saw start).
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/client_session.h"
#include "protocol/catalogue.h"
#include "protocol/fields.h"
#include "protocol/framer.h"
#include "protocol/message_queue.h"
#include "protocol/wire.h"
#include "table/table_access.h"
#include "table/table_model.h"

using namespace quadrino;
using namespace quadrino::table;

namespace {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "client_fuzz: broken invariant: %s\n", what);
    std::abort();
}

// A name is at most one queue entry long, three bytes of UTF-8 for each byte received; a
// text of the picture holds two names and some words.
constexpr std::size_t kLongestText = 2 * 3 * kMaxEntryLength + 100;
constexpr int kMaxSpies = kMaxConnections - kSeatCount;
constexpr char kUserMark = '\x01';

bool in(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

void checkAmounts(const TableState& s) {
    for (int n = 1; n <= kBonusSlots; ++n) {
        const int v = s.bonusAt(n);
        if (n == 1 || n == 5 || n == 6)
            require(v == 0 || v == 20, "a 20-square bonus that is not 0 or 20");
        else if (n == 2 || n == 7 || n == 8)
            require(v == 0 || v == 10, "a 10-square bonus that is not 0 or 10");
        else
            require(in(v, 0, 6), "an extra die outside 0..6");
        require(!s.bonusShownAt(n) || v > 0, "an empty bonus token shown");
    }
    for (int d = 1; d <= 2; ++d) {
        require(in(s.dice.value[d], 0, 6), "a die's value outside 0..6");
        require(in(s.dice.face[d], -1, 6), "a die's picture outside the dice");
        require(in(s.dice.rolledDrop[d], 0, 31), "rolled dice dropped too far");
    }
    require(s.dice.place != DicePlace::Corner || in(s.dice.cornerSeat, 1, kSeatCount),
            "dice in no seat's corner");
}

void checkLabels(const TableState& s) {
    static const std::set<std::string> fixed = {
        "Doubles Penalty: ON", "Doubles Penalty: OFF", "Passing: ON",      "Passing: OFF",
        "Blocking: ON",        "Blocking: OFF",        "Pouncing: ON",     "Pouncing: OFF",
        "Team Game: ON",       "Team Game: OFF",       "Block Limit: OFF", "Block Limit: None"};
    for (const GameOptionRow& row : kGameOptions) {
        const std::string& text = s.rule(row.id);
        if (row.label.empty() ? text.empty() : fixed.count(text) != 0) continue;
        const std::string prefix = "Block Limit: ";
        require(row.id == GameOption::blocklimit && text.starts_with(prefix),
                "a rule label of no rule");
        const auto limit = parseStrictInt(std::string_view(text).substr(prefix.size()));
        require(limit && in(*limit, 1, 10) && std::to_string(*limit) == text.substr(prefix.size()),
                "a block limit outside 1..10");
    }
}

void checkState(const TableState& s, const ClientIdentity& me) {
    require(in(me.myseat, 0, kMaxConnections), "the client's own number outside 0..9");
    require(me.loggedin == (me.myseat != 0), "logged in without a number, or a number without a login");
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const SeatView& v = s.seat(seat);
        require(in(v.progress, 0, 150), "progress outside its trough");
        require(v.name.size() <= kLongestText, "a seat name without bound");
        for (int pawn = 1; pawn <= kPawnCount; ++pawn)
            require(in(s.pawn(seat, pawn).square, 0, 100), "a pawn off the board");
    }
    checkAmounts(s);
    for (int code = 1; code <= kMoveCodeCount; ++code) {
        const MarkerView& m = s.marker(code);
        require(in(m.target, 0, 100) && in(m.pawn, 0, kPawnCount), "a marker off the board");
        require(!m.shown || (m.target >= 1 && m.pawn >= 1), "a marker shown for no square or no pawn");
    }
    require(in(s.chosenMarker, 0, kMoveCodeCount), "a chosen marker of no move code");
    require(in(s.turnseat, 0, kSeatCount), "the turn with no seat");
    require(in(s.clientphase, 0, 2), "a turn phase outside 0..2");
    checkLabels(s);
    for (const std::string* text : {&s.log, &s.status, &s.errorText, &s.questionName})
        require(text->size() <= kLongestText, "a text of the board without bound");
    require(in(s.questionSeat, 0, kSeatCount), "the computer-player question for no seat");
    const WarningView& w = s.warning;
    require(in(w.seat, 0, kSeatCount) && in(w.pawn, 0, kPawnCount) && in(w.at.square, 0, 100),
            "a warning off the board");
    require(in(w.ticks, 0, 21), "a warning that never ends");
    require(s.spies.size() <= static_cast<std::size_t>(kMaxSpies), "more spies than a host can have");
    std::set<int> numbers;
    for (const std::string& spy : s.spies) {
        const auto number = parseStrictInt(std::string_view(spy).substr(0, spy.find(':')));
        require(number && in(*number, kSeatCount + 1, kMaxConnections),
                "a spy with a number no spectator has");
        require(numbers.insert(*number).second, "one spectator listed twice");
        require(spy.size() <= kLongestText, "a spy entry without bound");
    }
}

// What a click asks of the host must be a request the host can read, from the client's own
// number, about seats, pawns and move codes that exist.
void checkRequests(const Outcome& out, const ClientIdentity& me) {
    require(out.requests.empty() || me.loggedin, "a request before the login");
    for (const std::string& r : out.requests) {
        require(r.size() >= 2 && r.back() == kTerminator && r.find(kTerminator) == r.size() - 1,
                "a request that is not one whole message");
        const CommandSplit split = splitCommand(std::string_view(r).substr(0, r.size() - 1));
        const bool known = decodeAndHandle(
            HostRequests{}, split.word, split.rest,
            Overloaded{
                [&](const MoveRequest& m) {
                    require(m.seat == me.myseat && isMoveCode(m.code) && isPawn(m.pawn), "a move of nothing");
                },
                [&](const RollRequest& m) { require(m.seat == me.myseat, "a roll for another seat"); },
                [&](const PassRequest& m) { require(m.seat == me.myseat, "a pass for another seat"); },
                [&](const BotTakeoverRequest& m) { require(m.sender == me.myseat, "a host's request from another number"); },
                [&](const KickRequest& m) { require(m.sender == me.myseat, "a host's request from another number"); },
                [&](const JustWatchRequest& j) {
                    require(isSeat(j.seat) && (j.mode == "1" || j.mode == "2"), "just watching for no seat");
                },
                [&](const Malformed&) { require(false, "a request the host cannot read"); },
                [&](const auto&) { require(false, "a request no click makes"); },
            });
        require(known, "a request the host does not know");
    }
    for (const std::string& line : out.chat)
        require(line.starts_with("0+"), "a notice that is no system line");
}

class Bytes {
public:
    explicit Bytes(std::string_view s) : s_(s) {}
    int next() { return pos_ < s_.size() ? static_cast<unsigned char>(s_[pos_++]) : 0; }

private:
    std::string_view s_;
    std::size_t pos_ = 0;
};

constexpr std::array<const char*, 12> kBoardControls = {
    "piece_11",     "piece_34",     "piece_gray1",       "piece_gray8",     "dice_1",       "dice_2",
    "image_bonus3", "image_bonus5", "label_playername2", "image_progress4", "button_pass1", "image_x3"};

// One action of the user, and what it answered.
void userAction(ClientSession& session, std::string_view args) {
    // The session is the table's writer; the model is only read here.
    const TableModel& t = session.table();
    Bytes b(args);
    // Seats and pawns a little outside their ranges too: the board's own numbers never are,
    // but the model must not trust them.
    auto small = [&b](int below) { return b.next() % (below + 2) - 1; };
    Outcome out;
    switch (b.next() % 16) {
    case 0:
        out = session.clickDice();
        break;
    case 1: {
        const int seat = small(kSeatCount + 1);
        const int pawn = small(kPawnCount + 1);
        out = session.clickPawn(seat, pawn, b.next() % 4 == 0);
        break;
    }
    case 2:
        out = session.clickMarker(small(kMoveCodeCount + 1));
        break;
    case 3:
        out = session.clickPass(small(kSeatCount + 1));
        break;
    case 4:
        out = session.clickStart();
        break;
    case 5:
        out = session.closeError();
        break;
    case 6:
        out = session.answerQuestion(b.next() % 2 == 0);
        break;
    case 7:
        out = session.pressKey(static_cast<BoardKey>(b.next() % (static_cast<int>(BoardKey::Summary) + 1)));
        break;
    case 8: {
        const auto entry = static_cast<SeatMenuEntry>(b.next() % 3);
        out = session.chooseSeatMenu(entry, small(kSeatCount + 1));
        break;
    }
    case 9:
        out = session.kick(small(kRefusedSlot));
        break;
    case 10:
        for (int i = b.next() % 25; i > 0; --i)
            session.advanceWarning();
        break;
    case 11:
        session.setNewTurnSound(b.next() % 2 == 0);
        break;
    case 12:
        session.setHosting(b.next() % 2 == 0);
        break;
    case 13: {
        // Reading the board aloud and asking what may move: pure reads of the picture.
        const TableState& s = t.state();
        for (const char* name : kBoardControls) {
            const AccessibleText text = accessibleText(s, session.identity().myseat, name);
            require(text.name.size() + text.description.size() <= 2 * kLongestText,
                    "a spoken text without bound");
        }
        (void)boardSummary(s, session.identity().myseat);
        (void)t.movablePawns();
        (void)t.otherPlayers();
        for (int seat = 0; seat <= kSeatCount + 1; ++seat)
            (void)t.seatMenuEnabled(seat);
        break;
    }
    case 14:
        session.reset();
        break;
    default: {
        const std::vector<int> cycle = markerCycle(t.state());
        for (int code : cycle)
            require(isMoveCode(code) && t.state().marker(code).shown, "a key walks to a hidden marker");
        break;
    }
    }
    // Already carried out by the session; what it asked for is checked here.
    checkRequests(out, session.identity());
}

// Read sizes for the stream, from the input's length: a message may arrive in pieces.
class Reads {
public:
    explicit Reads(std::size_t seed) : state_(static_cast<std::uint32_t>(seed) * 2654435761u + 1u) {}
    std::size_t next() {
        state_ = state_ * 1103515245u + 12345u;
        const std::uint32_t r = state_ >> 16;
        return r % 4 == 0 ? 1 + r % 7 : 1 + r % 600;
    }

private:
    std::uint32_t state_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view stream(reinterpret_cast<const char*>(data), size);
    ClientSession session(static_cast<std::uint32_t>(size));
    session.setMyName(QStringLiteral("Ann"));

    // What the session hands on, checked as it goes.
    bool gameWasRunning = false;
    QObject::connect(&session, &ClientSession::gameWon, [&] {
        require(gameWasRunning, "a tally for a game that was not running");
        require(isSeat(session.identity().myseat), "a spectator's tally");
    });
    QObject::connect(&session, &ClientSession::chatLine, [](const QString& text, BgrColour colour) {
        require(text.startsWith(QStringLiteral("0+")) && colour == kSystemColour,
                "a notice that is no system line");
    });
    QObject::connect(&session, &ClientSession::soundRequested, [](const QString& name) {
        static const std::set<QString> known = {"entered",    "turn",      "turnnew",  "dice",
                                                "doubledice", "movepiece", "sendback", "gotbonus",
                                                "rollagain",  "nomoves",   "notvalid", "winner"};
        require(known.count(name) == 1, "a sound the game does not have");
    });

    // The connection's own path: framer, queue, one entry per tick.
    Framer framer;
    MessageQueue queue;
    Reads reads(size);
    std::size_t at = 0;
    while (at < stream.size()) {
        const std::size_t n = std::min(reads.next(), stream.size() - at);
        std::vector<std::string> messages;
        const bool ok = framer.feed(stream.substr(at, n), messages);
        at += n;
        for (auto& m : messages)
            queue.push(0, std::move(m));
        while (!queue.empty()) {
            const std::string entry = queue.take().text;
            if (!entry.empty() && entry.front() == kUserMark) {
                userAction(session, std::string_view(entry).substr(1));
            } else {
                gameWasRunning = session.table().state().gameRunning;
                // As the connection's tick hands an entry on.
                session.connection().messageReady(entry);
            }
            checkState(session.table().state(), session.identity());
        }
        // A host that sends too much without a terminator is dropped.
        if (!ok) break;
    }
    return 0;
}
