#include "host/host.h"

#include <string>

#include "protocol/wire.h"

namespace quadrino {
namespace {

bool isConnectionNumber(int n) { return n >= 1 && n <= kMaxConnections; }
bool isSeat(int n) { return n >= 1 && n <= kSeatCount; }
std::size_t idx(int n) { return static_cast<std::size_t>(n); }

} // namespace

Host::Host(HostPort& port, std::uint32_t seed) : port_(port), random_(seed) {}

const PlayerRecord& Host::player(int connection) const {
    static const PlayerRecord none;
    if (connection < 1 || connection > kRefusedSlot) return none;
    return players_[idx(connection)];
}

bool Host::botPlays(int seat) const {
    if (!isSeat(seat)) return false;
    const auto& p = players_[idx(seat)];
    return !p.connected || p.justwatching;
}

// ---- connections ------------------------------------------------------------------------

int Host::allocateConnection() {
    if (highestconnection_ == 0) {
        highestconnection_ = 1;
        return 1;
    }
    for (int n = 1; n <= highestconnection_; ++n)
        if (!players_[idx(n)].connected) return n;
    if (highestconnection_ < kMaxConnections) return ++highestconnection_;
    return kRefusedSlot;
}

void Host::connectionOpened(int connection) {
    if (connection == kRefusedSlot) {
        port_.log("refused a connection: the game is full");
        port_.send(kRefusedSlot, announce::full());
        port_.close(kRefusedSlot);
        return;
    }
    if (!isConnectionNumber(connection)) return;
    auto& p = players_[idx(connection)];
    p.connected = true;
    framers_[idx(connection)] = Framer();
    port_.log("accepted connection " + std::to_string(connection));
    port_.send(connection, announce::sendlogininfo(connection));
}

void Host::dataReceived(int connection, std::string_view bytes) {
    if (!isConnectionNumber(connection) || !players_[idx(connection)].connected) return;
    std::vector<std::string> messages;
    if (!framers_[idx(connection)].feed(bytes, messages)) {
        port_.log("closing connection " + std::to_string(connection) +
                  ": more than 64 KiB without a message terminator");
        queue_.dropConnection(connection);
        port_.close(connection);
        return;
    }
    for (auto& m : messages) queue_.push(connection, std::move(m));
    if (!queue_.empty() && !dispatching_) {
        dispatching_ = true;
        port_.startTimer(HostTimer::Dispatch, kHostTickMs);
    }
}

void Host::connectionClosed(int connection) {
    if (!isConnectionNumber(connection)) return;
    auto& p = players_[idx(connection)];
    if (p.connected) {
        port_.log("connection " + std::to_string(connection) + " left" +
                  (p.name.empty() ? std::string() : " (" + p.name + ")"));
        broadcastExcept(connection, announce::playerdisconnected(connection, p.name));
    }
    p.connected = false;
    p.name.clear();
    p.justwatching = false;
    // Requests still queued from a closed connection must not be taken for those of the
    // next arrival that gets the same number.
    queue_.dropConnection(connection);
    framers_[idx(connection)] = Framer();
    if (turn_.gamestarted && connection == turn_.whoseturn && connection != 1)
        armComputer(port_.botDelay());
}

void Host::timerFired(HostTimer timer) {
    switch (timer) {
    case HostTimer::Dispatch: {
        if (!queue_.empty()) dispatch(queue_.take());
        if (queue_.empty() && dispatching_) {
            dispatching_ = false;
            port_.stopTimer(HostTimer::Dispatch);
        }
        break;
    }
    case HostTimer::Next: timer1Timer(); break;
    case HostTimer::Computer: computertimerTimer(); break;
    }
}

// ---- dispatch ---------------------------------------------------------------------------

void Host::drop(int connection, std::string_view why) {
    port_.log("dropped request from connection " + std::to_string(connection) + ": " + std::string(why));
}

void Host::dispatch(const QueuedMessage& message) {
    auto [word, body] = splitCommand(message.text);
    if (word.empty()) return;
    auto command = hostCommand(word);
    if (!command) return;
    const int conn = message.connection;
    // A request that names another sender than its own connection is a peer acting as
    // someone else; only the numbers of the sockets themselves are trusted.
    auto senderIsOwn = [&](int sender) {
        if (sender == conn) return true;
        drop(conn, std::string(word) + " names sender " + std::to_string(sender));
        return false;
    };
    switch (*command) {
    case HostCommand::logininfo: receivedlogininfo(conn, body); break;
    case HostCommand::kickhim: kickhim(conn, body); break;
    case HostCommand::chat:
    case HostCommand::action:
    case HostCommand::playasound: relay(conn, *command, body); break;
    case HostCommand::startgame: {
        if (conn != 1) { drop(conn, "only the hosting user may start a game"); break; }
        auto request = parseStartgameRequest(body);
        if (!request) { drop(conn, "CMD_startgame block limit is not a number"); break; }
        startgame(*request);
        break;
    }
    case HostCommand::justwatch: justwatch(conn, body); break;
    case HostCommand::playerroll: {
        auto seat = parseSeatOnly(body);
        if (!seat) { drop(conn, "CMD_playerroll field is not a number"); break; }
        if (senderIsOwn(*seat)) playerroll(*seat);
        break;
    }
    case HostCommand::moveit: {
        auto move = parseMoveit(body);
        if (!move) { drop(conn, "CMD_moveit field is not a number"); break; }
        if (senderIsOwn(move->seat)) moveit(move->seat, move->code, move->pawn);
        break;
    }
    case HostCommand::playerpass: {
        auto seat = parseSeatOnly(body);
        if (!seat) { drop(conn, "CMD_playerpass field is not a number"); break; }
        if (senderIsOwn(*seat)) playerpass(*seat);
        break;
    }
    case HostCommand::bottakeover: bottakeover(conn, body); break;
    }
}

void Host::receivedlogininfo(int connection, std::string_view body) {
    auto info = parseLogininfo(body);
    if (!info) { drop(connection, "CMD_logininfo connection number is not a number"); return; }
    if (info->connection != connection) {
        drop(connection, "CMD_logininfo carries number " + std::to_string(info->connection));
        return;
    }
    auto& p = players_[idx(connection)];
    p.name = info->name;
    p.connected = true;
    port_.log("connection " + std::to_string(connection) + " logged in as " + p.name);
    broadcast(announce::newplayerinfo(connection, p.name));
    for (int i = 1; i <= highestconnection_; ++i)
        if (i != connection && players_[idx(i)].connected)
            sendTo(connection, announce::existingplayers(i, players_[idx(i)].name));
    if (info->version != kVersion) {
        if (players_[1].connected) sendTo(1, announce::havewrongversion(p.name));
        sendTo(connection, announce::wrongversion());
    }
    if (turn_.gamestarted) {
        sendTo(connection, announce::locations(locationsFor(connection)));
        sendTo(connection, announce::morestats(board_.options.teamgame));
    }
}

LocationsInfo Host::locationsFor(int connection) const {
    LocationsInfo i;
    const auto& o = board_.options;
    const auto& s = board_.amounts;
    i.target = connection;
    i.whoseturn = turn_.whoseturn;
    i.turnphase = turn_.turnphase;
    i.penalty = o.penalty;
    i.passing = o.passing;
    i.blocking = o.blocking;
    i.pouncing = o.pouncing;
    i.blocklimit = o.blocklimit;
    i.seat3playing = turn_.seat3playing ? "t" : "f";
    i.seat4playing = turn_.seat4playing ? "t" : "f";
    i.die1 = s.die1;
    i.die2 = s.die2;
    i.amounts = {s.bonus20a, s.bonus20b, s.bonus20c, s.bonus10a, s.bonus10b, s.bonus10c, s.double1, s.double2};
    for (int seat = 1; seat <= 4; ++seat)
        for (int pawn = 1; pawn <= 4; ++pawn)
            i.pawns[idx(seat - 1)][idx(pawn - 1)] = board_.seats[idx(seat)].pawnsquare[idx(pawn)];
    return i;
}

void Host::kickhim(int connection, std::string_view body) {
    auto st = parseSenderTarget(body);
    if (!st) { drop(connection, "CMD_kickhim field is not a number"); return; }
    if (connection != 1 || st->sender != 1) { drop(connection, "only the hosting user may remove players"); return; }
    if (!isConnectionNumber(st->target)) return;
    if (players_[idx(st->target)].connected) {
        port_.log("connection " + std::to_string(st->target) + " removed by the hosting user");
        port_.close(st->target);
    }
}

void Host::relay(int connection, HostCommand command, std::string_view body) {
    auto r = parseTextRequest(body);
    if (!r) { drop(connection, "sender field is not a number"); return; }
    if (r->sender != connection) {
        drop(connection, "relay request names sender " + std::to_string(r->sender));
        return;
    }
    const std::string& name = players_[idx(connection)].name;
    switch (command) {
    case HostCommand::chat: broadcast(announce::chat(r->senderText, name, r->text)); break;
    case HostCommand::action: broadcast(announce::action(r->senderText, name, r->text)); break;
    default: broadcast(announce::playasound(r->senderText, r->text)); break;
    }
}

void Host::justwatch(int connection, std::string_view body) {
    auto r = parseJustwatch(body);
    if (!r) { drop(connection, "CMD_justwatch seat is not a number"); return; }
    if (!isSeat(r->seat)) return;
    if (r->seat != connection && connection != 1) {
        drop(connection, "CMD_justwatch for seat " + std::to_string(r->seat));
        return;
    }
    auto& p = players_[idx(r->seat)];
    if (r->mode == "2") {
        p.justwatching = false;
        broadcast(announce::justwatching(r->seat, "2"));
    } else if (r->mode == "1" && turn_.gamestarted) {
        p.justwatching = true;
        broadcast(announce::justwatching(r->seat, "1"));
        if (r->seat == turn_.whoseturn) armComputer(port_.botDelay());
    }
}

void Host::bottakeover(int connection, std::string_view body) {
    auto st = parseSenderTarget(body);
    if (!st) { drop(connection, "CMD_bottakeover field is not a number"); return; }
    if (connection != 1 || st->sender != 1) { drop(connection, "only the hosting user may refuse a bot"); return; }
    if (board_.options.teamgame || (st->target != 3 && st->target != 4)) return;
    setturns();
    removepegs(st->target);
}

void Host::removepegs(int seat) {
    auto& s = board_.seats[idx(seat)];
    s.progress = 0;
    s.passedlast = false;
    for (int k = 1; k <= 4; ++k) {
        s.pawnsquare[idx(k)] = 0;
        s.blockpartner[idx(k)] = 0;
    }
    broadcast(announce::removepegs(seat));
}

// ---- sending ----------------------------------------------------------------------------

void Host::sendTo(int connection, const std::string& message) { port_.send(connection, message); }

void Host::broadcast(const std::string& message) {
    for (int n = 1; n <= highestconnection_; ++n)
        if (players_[idx(n)].connected) port_.send(n, message);
}

void Host::broadcastExcept(int connection, const std::string& message) {
    for (int n = 1; n <= highestconnection_; ++n)
        if (n != connection && players_[idx(n)].connected) port_.send(n, message);
}

} // namespace quadrino
