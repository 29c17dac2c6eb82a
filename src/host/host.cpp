// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/host.h"

#include <algorithm>
#include <random>
#include <string>

#include "protocol/cp1252.h"
#include "protocol/wire.h"

namespace quadrino {

Host::Host(HostPort& port, std::unique_ptr<DiceSource> dice, HostOptions options)
    : port_(port), options_(options), dice_(std::move(dice)), seats_(port), engine_(port, seats_, *dice_),
      queue_(options.pacing, options.queueLimits, options.gameQueueLimits) {}

namespace {

QueueLane laneOf(std::string_view message) {
    const std::string_view word = splitCommand(message).word;
    if (isOneOf(RejoinRequests{}, word) || isOneOf(LobbyCheckRequests{}, word)) return QueueLane::Game;
    if (!isOneOf(HostRequests{}, word)) return QueueLane::Other;
    return isOneOf(MessageList<ChatMessage, ActionMessage, SoundMessage>{}, word) ? QueueLane::Other : QueueLane::Game;
}

// 128 bits from the system's random source, as hex: a key nobody can guess in the minute a
// seat waits for it.
std::string newSeatKey() {
    std::random_device source;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string key;
    for (int word = 0; word < 4; ++word) {
        std::uint32_t bits = source();
        for (int digit = 0; digit < 8; ++digit, bits >>= 4) key += kHex[bits & 0xF];
    }
    return key;
}

// Takes as long for a near miss as for a wild guess.
bool sameKey(std::string_view held, std::string_view offered) {
    if (held.empty() || held.size() != offered.size()) return false;
    unsigned char differs = 0;
    for (std::size_t i = 0; i < held.size(); ++i)
        differs |= static_cast<unsigned char>(held[i] ^ offered[i]);
    return differs == 0;
}

} // namespace

Host::Host(HostPort& port, std::uint32_t seed, HostOptions options)
    : Host(port, std::make_unique<SeededDice>(seed), options) {}

// ---- connections ------------------------------------------------------------------------

void Host::connectionOpened(int connection, bool onThisMachine) {
    if (connection == kRefusedSlot) {
        note(kRefusedSlot, "refused a connection: the game is full");
        port_.send(kRefusedSlot, encode(Full{}));
        port_.close(kRefusedSlot);
        afterEvent();
        return;
    }
    if (!isConnectionNumber(connection)) return;
    PlayerRecord& p = seats_.record(connection);
    p.connected = true;
    // A newcomer plays the seat: a watching flag left from before is not theirs, and until
    // their login arrives the computer goes on playing it.
    p.loggedin = false;
    p.justwatching = false;
    links_[connection] = Link{Framer(kMaxPendingBytes, options_.pacing == QueueOrder::Fair), port_.now(), false, {},
                              onThisMachine, std::nullopt, {}};
    note(connection, "accepted connection " + std::to_string(connection));
    port_.send(connection, encode(SendLoginInfo{connection}));
    afterEvent();
}

void Host::dataReceived(int connection, std::string_view bytes) {
    if (!isConnectionNumber(connection) || !seats_.connected(connection)) return;
    Link& link = links_[connection];
    // Whatever a connection on its way out still sends is not served.
    if (link.closing) return;
    link.silentSince.reset(); // it is there
    std::vector<std::string> messages;
    if (!link.framer.feed(bytes, messages)) {
        closeConnection(connection, "more than 64 KiB without a message terminator");
        afterEvent();
        return;
    }
    for (auto& m : messages) {
        // A goodbye counts at once: the close that follows it would drop it from the queue.
        if (splitCommand(m).word == LeavingRequest::word) {
            if (auto r = decode<LeavingRequest>(splitCommand(m).rest); r && r->connection == connection)
                link.key.clear();
            continue;
        }
        const QueueLane lane = laneOf(m);
        if (queue_.push(connection, std::move(m), lane)) continue;
        limiter_.requestDropped(connection, port_.now());
        bool& overflowing = link.overflowing[static_cast<std::size_t>(lane)];
        if (!overflowing) {
            overflowing = true;
            note(connection, "connection " + std::to_string(connection) + " has too many " +
                                 (lane == QueueLane::Game ? "game requests" : "requests") +
                                 " waiting; dropping them until it catches up");
        }
    }
    if (!queue_.empty() && !dispatching_) {
        dispatching_ = true;
        // After a quiet spell (the timer stopped on a tick that found nothing to do, so the
        // last dispatch was a tick or more ago) the request is served at once.
        dispatchAtOnce_ = options_.pacing == QueueOrder::Fair;
        port_.startTimer(HostTimer::Dispatch, dispatchAtOnce_ ? 0 : kHostTickMs);
    }
    afterEvent();
}

void Host::connectionClosed(int connection) {
    if (!isConnectionNumber(connection)) return;
    PlayerRecord& p = seats_.record(connection);
    // A lobby's check was never anybody's arrival, so its going is nobody's news either.
    if (p.connected && !links_[connection].check) {
        note(connection, "connection " + std::to_string(connection) + " left" +
                             (p.name.empty() ? std::string() : " (" + logSafe(p.name) + ")"));
        seats_.broadcastExcept(connection, encode(PlayerDisconnected{connection, p.name}));
        if (isSeat(connection) && p.loggedin && !links_[connection].key.empty()) {
            kept_[connection] = KeptSeat{links_[connection].key, p.name, port_.now() + options_.keptSeatMs, p.justwatching};
            p.held = true;
            note(connection, "seat " + std::to_string(connection) + " is kept for " + logSafe(p.name) + " for " +
                                 std::to_string(options_.keptSeatMs / 1000) + " s");
        }
    }
    p.connected = false;
    p.loggedin = false;
    p.name.clear();
    p.justwatching = false;
    // Requests still queued from a closed connection must not be taken for those of the
    // next arrival that gets the same number.
    queue_.dropConnection(connection);
    links_[connection] = Link{};
    engine_.seatLeft(connection);
    afterEvent();
}

void Host::goingAway() {
    for (int c = 1; c <= seats_.highestconnection(); ++c) {
        if (links_[c].key.empty() || !seats_.connected(c)) continue;
        links_[c].key.clear();
        seats_.sendTo(c, encode(SeatKey{c, {}}));
    }
}

void Host::timerFired(HostTimer timer) {
    switch (timer) {
    case HostTimer::Dispatch: {
        const bool served = !queue_.empty();
        if (served) {
            QueuedMessage m = queue_.take();
            if (isConnectionNumber(m.connection))
                for (QueueLane lane : {QueueLane::Other, QueueLane::Game})
                    if (queue_.size(m.connection, lane) == 0)
                        links_[m.connection].overflowing[static_cast<std::size_t>(lane)] = false;
            dispatch(m);
            if (dispatchAtOnce_) {
                dispatchAtOnce_ = false;
                port_.startTimer(HostTimer::Dispatch, kHostTickMs);
            }
        }
        // Fair pacing keeps ticking once more after the last entry, so that a request
        // arriving within the tick still waits its turn and the pace holds.
        const bool stop = options_.pacing == QueueOrder::Fair ? !served : queue_.empty();
        if (stop && dispatching_) {
            dispatching_ = false;
            port_.stopTimer(HostTimer::Dispatch);
        }
        break;
    }
    case HostTimer::Next: engine_.nextPlayerPauseOver(); break;
    case HostTimer::Computer: engine_.computertimerTimer(); break;
    case HostTimer::Watch: watchTick(); break;
    }
    afterEvent();
}

// ---- deadlines and the log --------------------------------------------------------------

void Host::note(int connection, const std::string& line) {
    const std::int64_t now = port_.now();
    for (const auto& summary : limiter_.summaries(now)) port_.log(summary);
    if (limiter_.allow(connection, now)) port_.log(line);
}

void Host::logAbout(int connection, const std::string& line) {
    note(connection, line);
    afterEvent(); // a line left out is summed up when its window ends
}

void Host::closeConnection(int connection, std::string_view why, bool keepSeat) {
    Link& link = links_[connection];
    if (!keepSeat) link.key.clear();
    if (link.closing) return;
    link.closing = true;
    note(connection, "closing connection " + std::to_string(connection) + ": " + std::string(why));
    queue_.dropConnection(connection);
    port_.close(connection);
}

std::optional<std::int64_t> Host::turnDeadline() const {
    if (options_.turnTimeoutMs <= 0 || !watchedPerson_) return std::nullopt;
    return lastChange_ + options_.turnTimeoutMs;
}

void Host::afterEvent() {
    const std::int64_t now = port_.now();
    if (options_.turnTimeoutMs > 0) {
        const TurnState& t = engine_.turn();
        const int seat = t.whoseturn;
        const bool person = t.gamestarted && t.turnphase != 0 && isSeat(seat) && !seats_.botPlays(seat);
        // Anything the game does (a roll, a move, a pass, the next seat) restarts the clock;
        // refused requests change nothing and so do not.
        if (person != watchedPerson_ || !(t == watchedTurn_) || !(engine_.board() == watchedBoard_)) {
            watchedPerson_ = person;
            watchedTurn_ = t;
            watchedBoard_ = engine_.board();
            lastChange_ = now;
        }
    }
    std::optional<std::int64_t> due = limiter_.nextSummary();
    auto sooner = [&due](std::int64_t at) {
        if (!due || at < *due) due = at;
    };
    if (auto turn = turnDeadline()) sooner(*turn);
    if (options_.silentSeatMs > 0) {
        const TurnState& t = engine_.turn();
        const int seat = t.whoseturn;
        if (t.gamestarted && isSeat(seat) && seats_.personOn(seat) && !seats_.botPlays(seat)) {
            Link& link = links_[seat];
            if (!link.onThisMachine && !link.closing && !link.silentSince) link.silentSince = now;
        }
        for (int c = 1; c <= kSeatCount; ++c)
            if (links_[c].silentSince && !links_[c].closing) sooner(*links_[c].silentSince + options_.silentSeatMs);
    }
    if (options_.loginTimeoutMs > 0)
        for (int c = 1; c <= seats_.highestconnection(); ++c) {
            const PlayerRecord& p = seats_.player(c);
            if (p.connected && !p.loggedin && !links_[c].closing) sooner(links_[c].since + options_.loginTimeoutMs);
        }
    for (const auto& kept : kept_)
        if (kept) sooner(kept->until);
    if (due == watchDue_) return;
    watchDue_ = due;
    if (due) {
        port_.startTimer(HostTimer::Watch, static_cast<int>(std::clamp<std::int64_t>(*due - now, 1, 24LL * 3600 * 1000)));
    } else {
        port_.stopTimer(HostTimer::Watch);
    }
}

void Host::watchTick() {
    const std::int64_t now = port_.now();
    // Armed afresh, after this tick, for whatever remains.
    port_.stopTimer(HostTimer::Watch);
    watchDue_.reset();
    for (const auto& summary : limiter_.summaries(now)) port_.log(summary);
    if (options_.loginTimeoutMs > 0)
        for (int c = 1; c <= seats_.highestconnection(); ++c) {
            const PlayerRecord& p = seats_.player(c);
            if (p.connected && !p.loggedin && now - links_[c].since >= options_.loginTimeoutMs)
                closeConnection(c, "no login within " + std::to_string(options_.loginTimeoutMs / 1000) + " s");
        }
    for (int c = 1; c <= kSeatCount; ++c) {
        const auto& since = links_[c].silentSince;
        if (options_.silentSeatMs > 0 && since && now - *since >= options_.silentSeatMs)
            closeConnection(c,
                            "it sent nothing for " + std::to_string(options_.silentSeatMs / 1000) +
                                " s since its turn began; its seat goes to the computer",
                            true);
    }
    for (int seat = 1; seat <= kSeatCount; ++seat)
        if (kept_[seat] && now >= kept_[seat]->until) releaseKeptSeat(seat, "its player did not come back in time");
    if (auto turn = turnDeadline(); turn && now >= *turn && !links_[engine_.turn().whoseturn].closing) {
        const int seat = engine_.turn().whoseturn;
        note(seat, "seat " + std::to_string(seat) + " did nothing on its turn for " +
                       std::to_string(options_.turnTimeoutMs / 1000) + " s; it just watches now");
        setJustWatching(seat);
    }
}

// ---- dispatch ---------------------------------------------------------------------------

void Host::drop(int connection, std::string_view why) {
    note(connection, "dropped request from connection " + std::to_string(connection) + ": " + std::string(why));
}

void Host::dispatch(const QueuedMessage& message) {
    const CommandSplit split = splitCommand(message.text);
    const int conn = message.connection;
    // A request that names another sender than its own connection is a peer acting as
    // someone else; only the numbers of the sockets themselves are trusted.
    auto senderIsOwn = [&](std::string_view word, int sender) {
        if (sender == conn) return true;
        drop(conn, std::string(word) + " names sender " + std::to_string(sender));
        return false;
    };
    const std::string& name = seats_.player(conn).name;
    const bool rejoining = decodeAndHandle(RejoinRequests{}, split.word, split.rest,
                                           Overloaded{
                                               [&](const Malformed& m) { drop(conn, std::string(m.word) + " is malformed"); },
                                               [&](const CanRejoinRequest& r) { canrejoin(conn, r); },
                                               [&](const RejoinRequest& r) { rejoin(conn, r); },
                                               [](const LeavingRequest&) {}, // taken on arrival
                                           });
    if (rejoining) return;
    const bool checked = decodeAndHandle(LobbyCheckRequests{}, split.word, split.rest, Overloaded{
                                             [&](const Malformed& m) { drop(conn, std::string(m.word) + " is malformed"); },
                                             [&](const LobbyCheck& r) { lobbycheck(conn, r); },
                                         });
    if (checked) return;
    decodeAndHandle(
        HostRequests{}, split.word, split.rest,
        Overloaded{
            [&](const Malformed& m) { drop(conn, std::string(m.word) + " has a field that is not a number"); },
            [&](const LoginRequest& r) { receivedlogininfo(conn, r); },
            [&](const KickRequest& r) { kickhim(conn, r); },
            [&](const ChatMessage& r) {
                relay(conn, r.sender, encode(ChatMessage{r.sender, name + " chats: " + blankControls(r.text)}));
            },
            [&](const ActionMessage& r) {
                relay(conn, r.sender, encode(ActionMessage{r.sender, name + " " + blankControls(r.text)}));
            },
            [&](const SoundMessage& r) { relay(conn, r.sender, encode(SoundMessage{r.sender, blankControls(r.text)})); },
            [&](const StartGameRequest& r) {
                if (conn != 1) return drop(conn, "only the hosting user may start a game");
                StartGameRequest request = r;
                request.name = blankControls(request.name); // relayed to every client
                engine_.startgame(request);
            },
            [&](const JustWatchRequest& r) { justwatch(conn, r); },
            [&](const RollRequest& r) {
                if (senderIsOwn(RollRequest::word, r.seat)) engine_.playerroll(r.seat);
            },
            [&](const MoveRequest& r) {
                if (senderIsOwn(MoveRequest::word, r.seat)) engine_.moveit(r.seat, r.code, r.pawn);
            },
            [&](const PassRequest& r) {
                if (senderIsOwn(PassRequest::word, r.seat)) engine_.playerpass(r.seat);
            },
            [&](const BotTakeoverRequest& r) { bottakeover(conn, r); },
        });
}

void Host::receivedlogininfo(int connection, const LoginRequest& info) {
    if (info.connection != connection) {
        drop(connection, "CMD_logininfo carries number " + std::to_string(info.connection));
        return;
    }
    PlayerRecord& p = seats_.record(connection);
    // Once: a second login would rename the player and repeat every announcement.
    if (p.loggedin) { drop(connection, "CMD_logininfo again; a connection logs in once"); return; }
    p.name = seats_.nameFor(connection, info.name);
    p.connected = true;
    p.loggedin = true;
    note(connection, "connection " + std::to_string(connection) + " logged in as " + logSafe(p.name));
    welcome(connection, &info.version);
}

void Host::welcome(int connection, const std::string* version) {
    const std::string& name = seats_.player(connection).name;
    seats_.broadcast(encode(NewPlayerInfo{connection, name}));
    for (int i = 1; i <= seats_.highestconnection(); ++i)
        if (i != connection && seats_.connected(i))
            seats_.sendTo(connection, encode(ExistingPlayers{i, seats_.player(i).name}));
    if (version && *version != kVersion) {
        if (seats_.connected(1)) seats_.sendTo(1, encode(HaveWrongVersion{name}));
        seats_.sendTo(connection, encode(WrongVersion{}));
    }
    if (engine_.gamestarted()) {
        seats_.sendTo(connection, encode(engine_.locationsFor(connection)));
        seats_.sendTo(connection, encode(MoreStats{engine_.board().options.teamgame}));
    }
}

void Host::lobbycheck(int connection, const LobbyCheck& r) {
    // A player's own connection never is one; only a visitor that never logged in can be.
    if (seats_.player(connection).loggedin) return drop(connection, "CMD_lobbycheck after the login");
    if (r.nonce.empty() || r.nonce.size() > LobbyCheck::kMaxNonceChars)
        return drop(connection, "CMD_lobbycheck with a nonce of " + std::to_string(r.nonce.size()) + " bytes");
    Link& link = links_[connection];
    link.check = true;
    seats_.sendTo(connection, encode(r));
    // The one line a check leaves: its close and its end say nothing more.
    note(connection, "connection " + std::to_string(connection) + " was a lobby's reach check; answered and closed");
    link.closing = true;
    queue_.dropConnection(connection);
    port_.close(connection);
}

void Host::canrejoin(int connection, const CanRejoinRequest& r) {
    if (r.connection != connection) return drop(connection, "CMD_canrejoin names number " + std::to_string(r.connection));
    if (!seats_.player(connection).loggedin) return drop(connection, "CMD_canrejoin before the login");
    links_[connection].key = newSeatKey();
    seats_.sendTo(connection, encode(SeatKey{connection, links_[connection].key}));
}

void Host::rejoin(int connection, const RejoinRequest& r) {
    if (r.connection != connection) return drop(connection, "CMD_rejoin names number " + std::to_string(r.connection));
    if (seats_.player(connection).loggedin) return drop(connection, "CMD_rejoin after the login");
    const int seat = r.seat;
    // The seat's own connection may still look open: a peer whose network went away is
    // noticed late, and its player is back first.
    const bool stale = isSeat(seat) && seats_.personOn(seat) && !links_[seat].key.empty();
    const std::string* key = stale ? &links_[seat].key : isSeat(seat) && kept_[seat] ? &kept_[seat]->key : nullptr;
    if (!key || !sameKey(*key, r.key)) {
        // An ordinary newcomer then: the login that follows goes on as anybody's.
        return drop(connection, "CMD_rejoin for seat " + std::to_string(seat) + " without its key");
    }
    std::string name;
    bool watching = false;
    if (stale) {
        name = seats_.player(seat).name;
        watching = seats_.player(seat).justwatching;
        note(seat, "connection " + std::to_string(seat) + " is replaced by its player coming back");
        seats_.broadcastExcept(seat, encode(PlayerDisconnected{seat, name}));
        queue_.dropConnection(seat);
        engine_.seatLeft(seat);
    } else {
        name = kept_[seat]->name;
        watching = kept_[seat]->watching;
    }
    kept_[seat].reset();
    // Everything of the newcomer's number moves to the seat; the login that follows the
    // request (still queued, or on its way) is the seat's second and is dropped.
    queue_.dropConnection(connection);
    port_.renumber(connection, seat);
    links_[seat] = std::move(links_[connection]);
    links_[connection] = Link{};
    seats_.record(connection) = PlayerRecord{};
    PlayerRecord& p = seats_.record(seat);
    p = PlayerRecord{};
    p.connected = true;
    p.loggedin = true;
    p.name = seats_.nameFor(seat, name);
    links_[seat].key = newSeatKey();
    note(seat, "connection " + std::to_string(connection) + " is back in seat " + std::to_string(seat) + " as " +
                   logSafe(p.name));
    seats_.sendTo(seat, encode(SeatKey{seat, links_[seat].key}));
    welcome(seat, nullptr);
    // A player who had left the seat to the computer comes back watching, as its client still
    // shows; back as a person instead, its turns would wait for moves nobody is making.
    if (watching && engine_.gamestarted()) setJustWatching(seat);
}

void Host::releaseKeptSeat(int seat, std::string_view why) {
    if (!kept_[seat]) return;
    note(seat, "seat " + std::to_string(seat) + " is no longer kept: " + std::string(why));
    kept_[seat].reset();
    seats_.record(seat).held = false;
}

void Host::kickhim(int connection, const KickRequest& r) {
    if (connection != 1 || r.sender != 1) { drop(connection, "only the hosting user may remove players"); return; }
    if (!isConnectionNumber(r.target)) return;
    if (!seats_.connected(r.target)) return;
    if (r.target == 1) {
        closeConnection(1, "the hosting user left");
        return;
    }
    // Said before the close, so the removed player learns why the game went away and the
    // others who removed whom.
    const std::string& name = seats_.player(r.target).name;
    const std::string by = seats_.player(1).name;
    seats_.sendTo(r.target, encode(hostNotice("You have been removed from the game by " + by + ".")));
    // A removed player does not come back to the seat, and its client should not try.
    if (!links_[r.target].key.empty()) seats_.sendTo(r.target, encode(SeatKey{r.target, {}}));
    seats_.broadcastExcept(r.target, encode(hostNotice(by + " removed " + name + " from the game.")));
    closeConnection(r.target, "removed by the hosting user");
}

void Host::relay(int connection, const NumberText& sender, std::string announcement) {
    if (sender.value != connection) {
        drop(connection, "relay request names sender " + std::to_string(sender.value));
        return;
    }
    seats_.broadcast(announcement);
}

void Host::justwatch(int connection, const JustWatchRequest& r) {
    if (!isSeat(r.seat)) return;
    if (r.seat != connection && connection != 1) {
        drop(connection, "CMD_justwatch for seat " + std::to_string(r.seat));
        return;
    }
    PlayerRecord& p = seats_.record(r.seat);
    if (r.mode == "2") {
        p.justwatching = false;
        seats_.broadcast(encode(JustWatching{r.seat, "2"}));
    } else if (r.mode == "1" && engine_.gamestarted()) {
        setJustWatching(r.seat);
    }
}

void Host::setJustWatching(int seat) {
    seats_.record(seat).justwatching = true;
    seats_.broadcast(encode(JustWatching{seat, "1"}));
    engine_.seatHandedToComputer(seat);
}

void Host::bottakeover(int connection, const BotTakeoverRequest& r) {
    if (connection != 1 || r.sender != 1) { drop(connection, "only the hosting user may refuse a bot"); return; }
    if (engine_.board().options.teamgame || (r.seat != 3 && r.seat != 4)) return;
    if (!engine_.takeOutSeat(r.seat)) drop(connection, "CMD_bottakeover with no game in progress");
}

} // namespace quadrino
