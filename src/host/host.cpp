#include "host/host.h"

#include <string>

#include "protocol/wire.h"

namespace quadrino {

Host::Host(HostPort& port, std::unique_ptr<DiceSource> dice)
    : port_(port), dice_(std::move(dice)), seats_(port), engine_(port, seats_, *dice_) {}

Host::Host(HostPort& port, std::uint32_t seed) : Host(port, std::make_unique<SeededDice>(seed)) {}

// ---- connections ------------------------------------------------------------------------

void Host::connectionOpened(int connection) {
    if (connection == kRefusedSlot) {
        port_.log("refused a connection: the game is full");
        port_.send(kRefusedSlot, announce::full());
        port_.close(kRefusedSlot);
        return;
    }
    if (!isConnectionNumber(connection)) return;
    PlayerRecord& p = seats_.record(connection);
    p.connected = true;
    // A newcomer plays the seat: a watching flag left from before is not theirs, and until
    // their login arrives the computer goes on playing it.
    p.loggedin = false;
    p.justwatching = false;
    framers_[connection] = Framer();
    port_.log("accepted connection " + std::to_string(connection));
    port_.send(connection, announce::sendlogininfo(connection));
}

void Host::dataReceived(int connection, std::string_view bytes) {
    if (!isConnectionNumber(connection) || !seats_.connected(connection)) return;
    std::vector<std::string> messages;
    if (!framers_[connection].feed(bytes, messages)) {
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
    PlayerRecord& p = seats_.record(connection);
    if (p.connected) {
        port_.log("connection " + std::to_string(connection) + " left" +
                  (p.name.empty() ? std::string() : " (" + p.name + ")"));
        seats_.broadcastExcept(connection, announce::playerdisconnected(connection, p.name));
    }
    p.connected = false;
    p.loggedin = false;
    p.name.clear();
    p.justwatching = false;
    // Requests still queued from a closed connection must not be taken for those of the
    // next arrival that gets the same number.
    queue_.dropConnection(connection);
    framers_[connection] = Framer();
    engine_.seatLeft(connection);
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
    case HostTimer::Next: engine_.timer1Timer(); break;
    case HostTimer::Computer: engine_.computertimerTimer(); break;
    }
}

// ---- dispatch ---------------------------------------------------------------------------

void Host::drop(int connection, std::string_view why) {
    port_.log("dropped request from connection " + std::to_string(connection) + ": " + std::string(why));
}

void Host::dispatch(const QueuedMessage& message) {
    const CommandSplit split = splitCommand(message.text);
    const std::string_view word = split.word;
    const std::string_view body = split.rest;
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
        engine_.startgame(*request);
        break;
    }
    case HostCommand::justwatch: justwatch(conn, body); break;
    case HostCommand::playerroll: {
        auto seat = parseSeatOnly(body);
        if (!seat) { drop(conn, "CMD_playerroll field is not a number"); break; }
        if (senderIsOwn(*seat)) engine_.playerroll(*seat);
        break;
    }
    case HostCommand::moveit: {
        auto move = parseMoveit(body);
        if (!move) { drop(conn, "CMD_moveit field is not a number"); break; }
        if (senderIsOwn(move->seat)) engine_.moveit(move->seat, move->code, move->pawn);
        break;
    }
    case HostCommand::playerpass: {
        auto seat = parseSeatOnly(body);
        if (!seat) { drop(conn, "CMD_playerpass field is not a number"); break; }
        if (senderIsOwn(*seat)) engine_.playerpass(*seat);
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
    PlayerRecord& p = seats_.record(connection);
    p.name = info->name;
    p.connected = true;
    p.loggedin = true;
    port_.log("connection " + std::to_string(connection) + " logged in as " + p.name);
    seats_.broadcast(announce::newplayerinfo(connection, p.name));
    for (int i = 1; i <= seats_.highestconnection(); ++i)
        if (i != connection && seats_.connected(i))
            seats_.sendTo(connection, announce::existingplayers(i, seats_.player(i).name));
    if (info->version != kVersion) {
        if (seats_.connected(1)) seats_.sendTo(1, announce::havewrongversion(p.name));
        seats_.sendTo(connection, announce::wrongversion());
    }
    if (engine_.gamestarted()) {
        seats_.sendTo(connection, announce::locations(engine_.locationsFor(connection)));
        seats_.sendTo(connection, announce::morestats(engine_.board().options.teamgame));
    }
}

void Host::kickhim(int connection, std::string_view body) {
    auto st = parseSenderTarget(body);
    if (!st) { drop(connection, "CMD_kickhim field is not a number"); return; }
    if (connection != 1 || st->sender != 1) { drop(connection, "only the hosting user may remove players"); return; }
    if (!isConnectionNumber(st->target)) return;
    if (seats_.connected(st->target)) {
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
    const std::string& name = seats_.player(connection).name;
    switch (command) {
    case HostCommand::chat: seats_.broadcast(announce::chat(r->senderText, name, r->text)); break;
    case HostCommand::action: seats_.broadcast(announce::action(r->senderText, name, r->text)); break;
    default: seats_.broadcast(announce::playasound(r->senderText, r->text)); break;
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
    PlayerRecord& p = seats_.record(r->seat);
    if (r->mode == "2") {
        p.justwatching = false;
        seats_.broadcast(announce::justwatching(r->seat, "2"));
    } else if (r->mode == "1" && engine_.gamestarted()) {
        p.justwatching = true;
        seats_.broadcast(announce::justwatching(r->seat, "1"));
        engine_.seatHandedToComputer(r->seat);
    }
}

void Host::bottakeover(int connection, std::string_view body) {
    auto st = parseSenderTarget(body);
    if (!st) { drop(connection, "CMD_bottakeover field is not a number"); return; }
    if (connection != 1 || st->sender != 1) { drop(connection, "only the hosting user may refuse a bot"); return; }
    if (engine_.board().options.teamgame || (st->target != 3 && st->target != 4)) return;
    engine_.takeOutSeat(st->target);
}

} // namespace quadrino
