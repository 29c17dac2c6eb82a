// SPDX-License-Identifier: GPL-3.0-or-later
#include "lobby/lobby_core.h"

#include <algorithm>

namespace quadrino::lobby {

namespace {

// The longest prefix of `text` with at most `chars` UTF-8 characters.
std::string cutToChars(const std::string& text, std::size_t chars) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size() && seen < chars; ++seen) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0u) == 0x80u) ++i;
    }
    return text.substr(0, i);
}

} // namespace

LobbyCore::LobbyCore(LobbyPort& port, GameDirectory& directory, LobbyLimits limits, std::string publicAddress,
                     int publicPort)
    : port_(port), directory_(directory), limits_(limits), publicAddress_(std::move(publicAddress)),
      publicPort_(publicPort) {
    processId_ = hex(16);
    directory_.setListener([this](const std::string& id, const GameEntry* entry) { onDirectoryChange(id, entry); });
}

LobbyCore::~LobbyCore() {
    directory_.setListener({});
    // This process's games go with it; a shared store must not keep listing them.
    for (const auto& [id, host] : hosts_) directory_.remove(id);
}

std::string LobbyCore::hex(std::size_t chars) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    while (out.size() < chars) {
        std::uint64_t bits = port_.randomBits();
        for (int k = 0; k < 16 && out.size() < chars; ++k, bits >>= 4) out.push_back(digits[bits & 0xFu]);
    }
    return out;
}

std::size_t LobbyCore::countFrom(const std::string& address) const {
    const auto it = perAddress_.find(address);
    return it == perAddress_.end() ? 0 : it->second;
}

std::size_t LobbyCore::relayedGames() const {
    std::set<std::string> games;
    for (const auto& [id, count] : pairs_) games.insert(id);
    for (const auto& [ticket, t] : tickets_) games.insert(t.gameId);
    return games.size();
}

void LobbyCore::connectionOpened(ConnectionId n, const Endpoint& from) {
    const std::int64_t now = port_.now();
    Link& link = links_[n];
    link.from = from;
    link.opened = now;
    link.lastLine = now;
    ++perAddress_[from.peerAddress];
    if (links_.size() > limits_.connections)
        bye(n, "full");
    else if (countFrom(from.peerAddress) > limits_.perAddress)
        bye(n, "too-many");
}

void LobbyCore::bytesReceived(ConnectionId n, std::string_view bytes) {
    auto it = links_.find(n);
    if (it == links_.end()) return;
    if (it->second.kind == Kind::RelayWaiting) {
        Link& link = it->second;
        link.buffered.append(bytes);
        if (link.buffered.size() > limits_.unsentBytes) bye(n, "too-much");
        return;
    }
    // A line at a time, so that what follows the line turning a link into a relay link
    // stays the very bytes that were sent.
    while (!bytes.empty()) {
        it = links_.find(n);
        if (it == links_.end()) return;
        Link& link = it->second;
        if (link.kind == Kind::RelayWaiting) {
            bytesReceived(n, bytes);
            return;
        }
        if (link.kind != Kind::New && link.kind != Kind::Client) return;
        const auto end = bytes.find('\n');
        const std::string_view chunk = bytes.substr(0, end == std::string_view::npos ? bytes.size() : end + 1);
        bytes.remove_prefix(chunk.size());
        std::vector<std::string> lines;
        if (!link.framer.feed(chunk, lines)) {
            bye(n, "bad-line");
            return;
        }
        for (const std::string& line : lines) {
            handleLine(n, line);
            finishJoin(n, bytes);
        }
    }
}

void LobbyCore::lineReceived(ConnectionId n, std::string_view line) {
    handleLine(n, line);
    finishJoin(n, {});
}

void LobbyCore::handleLine(ConnectionId n, std::string_view text) {
    auto it = links_.find(n);
    if (it == links_.end()) return;
    Link& link = it->second;
    if (link.kind != Kind::New && link.kind != Kind::Client) return;
    link.lastLine = port_.now();
    LineFault fault = LineFault::None;
    const auto line = parseLine(text, &fault);
    if (!line || text.size() + 1 > kMaxLineBytes) {
        bye(n, "bad-line");
        return;
    }
    handle(n, link, *line);
}

void LobbyCore::finishJoin(ConnectionId n, std::string_view rest) {
    auto it = links_.find(n);
    if (it == links_.end() || !it->second.joinPending) return;
    Link& host = it->second;
    host.joinPending = false;
    auto joiner = links_.find(host.partner);
    if (joiner == links_.end()) return;
    RelayJoin join;
    join.joiner = host.partner;
    join.host = n;
    join.gameId = host.relayGame;
    join.bytesPerSecond = limits_.relayBytesPerSecond;
    join.toHost = std::move(joiner->second.buffered);
    joiner->second.buffered.clear();
    join.toJoiner = std::string(rest);
    port_.joinRelay(join);
}

void LobbyCore::bye(ConnectionId n, std::string_view reason, std::initializer_list<std::string_view> more) {
    auto it = links_.find(n);
    if (it == links_.end() || it->second.kind == Kind::Closing) return;
    std::vector<std::string> fields{std::string(reason)};
    for (std::string_view f : more) fields.emplace_back(f);
    port_.send(n, formatLine("BYE", fields));
    port_.close(n);
    // Its name and its game go now; the link itself when the edge reports the close. It is
    // closing before its game goes, so that it hears nothing more of it.
    Link& link = it->second;
    const Kind was = link.kind;
    link.kind = Kind::Closing;
    if (was == Kind::Client) {
        unhost(link);
        names_.erase(link.name);
        --signedIn_;
    }
    if (was == Kind::RelayWaiting) tickets_.erase(link.ticket);
}

void LobbyCore::handle(ConnectionId n, Link& link, const Line& line) {
    const std::string& w = line.word;
    const bool known = w == "HELLO" || w == "RELAY" || w == "ACCEPT" || w == "PING" || w == "CHAT" || w == "HOST" ||
                       w == "UNHOST" || w == "JOIN";
    if (!known) {
        port_.send(n, formatLine("ERROR", {"unknown-word", w}));
        return;
    }
    if (link.kind == Kind::New) {
        if (w == "HELLO") return hello(n, link, line);
        if (w == "RELAY") return relay(n, link, line);
        if (w == "ACCEPT") return accept(n, link, line);
        port_.send(n, formatLine("ERROR", {"not-signed-in", w}));
        return;
    }
    if (w == "PING") {
        if (line.fields.size() != 1 || line.fields[0].empty() || *utf8Length(line.fields[0]) > kMaxTokenChars)
            port_.send(n, formatLine("ERROR", {"bad-fields", w}));
        else
            port_.send(n, formatLine("PONG", {line.fields[0]}));
        return;
    }
    if (w == "CHAT") return chat(n, link, line);
    if (w == "HOST") return host(n, link, line);
    if (w == "UNHOST") {
        if (!line.fields.empty()) {
            port_.send(n, formatLine("ERROR", {"bad-fields", w}));
            return;
        }
        return unhost(link);
    }
    if (w == "JOIN") return join(n, link, line);
    // HELLO, RELAY and ACCEPT belong before signing in.
    port_.send(n, formatLine("ERROR", {"signed-in", w}));
}

std::string LobbyCore::uniqueName(const std::string& wanted) const {
    if (!names_.contains(wanted)) return wanted;
    for (std::size_t k = 2;; ++k) {
        const std::string suffix = " (" + std::to_string(k) + ")";
        // Kept within the longest name, so every listing stays readable to every client.
        const std::string name = cutToChars(wanted, kMaxNameChars - suffix.size()) + suffix;
        if (!names_.contains(name)) return name;
    }
}

void LobbyCore::hello(ConnectionId n, Link& link, const Line& line) {
    if (line.fields.size() != 2 || !parseNumber(line.fields[0], 0, 999999)) {
        port_.send(n, formatLine("ERROR", {"bad-fields", "HELLO"}));
        return;
    }
    if (line.fields[0] != std::to_string(kProtocolVersion)) {
        bye(n, "version", {std::to_string(kProtocolVersion)});
        return;
    }
    if (!validName(line.fields[1])) {
        port_.send(n, formatLine("ERROR", {"bad-fields", "HELLO"}));
        return;
    }
    link.kind = Kind::Client;
    link.name = uniqueName(line.fields[1]);
    names_.insert(link.name);
    ++signedIn_;
    link.chatTokens = limits_.chatBurst;
    link.chatRefilled = port_.now();
    std::string out = formatLine("WELCOME", {std::to_string(kProtocolVersion), link.from.peerAddress});
    if (link.name != line.fields[1]) out += formatLine("NAME", {link.name});
    const auto games = directory_.all();
    for (const GameEntry& g : games) out += g.listing.toLine();
    out += formatLine("LISTED", {std::to_string(games.size())});
    out += formatLine("PRESENT", {std::to_string(signedIn_)});
    port_.send(n, out);
}

void LobbyCore::chat(ConnectionId n, Link& link, const Line& line) {
    if (line.fields.size() != 1 || !validChat(line.fields[0])) {
        port_.send(n, formatLine("ERROR", {"bad-fields", "CHAT"}));
        return;
    }
    const std::int64_t now = port_.now();
    link.chatTokens = std::min<double>(limits_.chatBurst, link.chatTokens + static_cast<double>(now - link.chatRefilled) /
                                                                              static_cast<double>(limits_.chatRefillMs));
    link.chatRefilled = now;
    if (link.chatTokens < 1.0) {
        if (++link.chatDropped >= limits_.chatDroppedClose) {
            bye(n, "chat-rate");
            return;
        }
        port_.send(n, formatLine("ERROR", {"chat-rate"}));
        return;
    }
    link.chatTokens -= 1.0;
    link.chatDropped = 0;
    broadcast(formatLine("SAID", {link.name, line.fields[0]}));
}

void LobbyCore::host(ConnectionId n, Link& link, const Line& line) {
    const auto& f = line.fields;
    std::optional<std::int64_t> port, seats, watchers, started;
    std::optional<std::size_t> optionsChars;
    if (f.size() == 5) {
        port = parseNumber(f[0], 1, 65535);
        seats = parseNumber(f[1], 0, 4);
        watchers = parseNumber(f[2], 0, 9);
        started = parseNumber(f[3], 0, 1);
        optionsChars = utf8Length(f[4]);
    }
    if (!port || !seats || !watchers || !started || !optionsChars || *optionsChars > kMaxOptionsChars) {
        port_.send(n, formatLine("ERROR", {"bad-fields", "HOST"}));
        return;
    }
    GameEntry entry;
    bool recheck = true;
    if (!link.gameId.empty()) {
        if (auto old = directory_.find(link.gameId)) {
            entry = *old;
            recheck = entry.listing.port != *port;
        }
    } else {
        link.gameId = hex(kGameIdChars);
        hosts_[link.gameId] = n;
    }
    GameListing& g = entry.listing;
    g.id = link.gameId;
    g.hostName = link.name;
    g.address = link.from.peerAddress;
    g.port = static_cast<int>(*port);
    g.seats = static_cast<int>(*seats);
    g.watchers = static_cast<int>(*watchers);
    g.started = *started == 1;
    g.options = f[4];
    if (recheck) {
        g.reach = Reach::Checking;
        g.roundTripMs = 0;
        link.gameNonce = hex(16);
    }
    entry.holder = processId_;
    entry.relayAddress = publicAddress_.empty() ? link.from.localAddress : publicAddress_;
    entry.relayPort = publicPort_ > 0 ? publicPort_ : link.from.localPort;
    port_.send(n, formatLine("HOSTED", {g.id}));
    directory_.put(entry);
    if (recheck) port_.startCheck(g.id, g.address, g.port, link.gameNonce);
}

void LobbyCore::unhost(Link& link) {
    if (link.gameId.empty()) return;
    const std::string id = std::move(link.gameId);
    link.gameId.clear();
    link.gameNonce.clear();
    hosts_.erase(id);
    // Unused tickets for it are void; joined pairs run on until they close.
    std::erase_if(tickets_, [&](const auto& t) { return t.second.gameId == id && t.second.joiner == 0; });
    directory_.remove(id);
}

void LobbyCore::checkDone(const std::string& gameId, const std::string& nonce, bool reached, int roundTripMs) {
    const auto host = hosts_.find(gameId);
    if (host == hosts_.end()) return;
    Link& link = links_.at(host->second);
    // A check for a port the host no longer gives is stale.
    if (nonce.empty() || link.gameNonce != nonce) return;
    link.gameNonce.clear();
    auto entry = directory_.find(gameId);
    if (!entry) return;
    entry->listing.reach = reached ? Reach::Direct : Reach::Relay;
    entry->listing.roundTripMs = reached ? std::clamp(roundTripMs, 1, 600000) : 0;
    directory_.put(*entry);
}

void LobbyCore::join(ConnectionId n, Link&, const Line& line) {
    if (line.fields.size() != 1 || !validHex(line.fields[0], kGameIdChars)) {
        port_.send(n, formatLine("ERROR", {"bad-fields", "JOIN"}));
        return;
    }
    const std::string& id = line.fields[0];
    const auto entry = directory_.find(id);
    if (!entry) {
        port_.send(n, formatLine("ERROR", {"no-game", id}));
        return;
    }
    const GameListing& g = entry->listing;
    if (g.reach == Reach::Direct) {
        port_.send(n, formatLine("ROUTE", {id, "direct", g.address, std::to_string(g.port)}));
        return;
    }
    if (g.reach == Reach::Checking) {
        port_.send(n, formatLine("ERROR", {"checking", id}));
        return;
    }
    // Tickets live with the host's link; another process's game is joined through it.
    if (entry->holder != processId_) {
        port_.send(n, formatLine("ERROR", {"elsewhere", id}));
        return;
    }
    const bool relayedAlready = pairs_.contains(id) ||
                                std::any_of(tickets_.begin(), tickets_.end(),
                                            [&](const auto& t) { return t.second.gameId == id; });
    if (!relayedAlready && relayedGames() >= limits_.relayedGames) {
        port_.send(n, formatLine("ERROR", {"relay-full", id}));
        return;
    }
    std::string ticket = hex(kTicketChars);
    while (tickets_.contains(ticket)) ticket = hex(kTicketChars);
    tickets_[ticket] = Ticket{id, port_.now() + limits_.ticketMs, 0};
    port_.send(n, formatLine("ROUTE", {id, "relay", entry->relayAddress, std::to_string(entry->relayPort), ticket}));
}

void LobbyCore::relay(ConnectionId n, Link& link, const Line& line) {
    const auto t = line.fields.size() == 1 ? tickets_.find(line.fields[0]) : tickets_.end();
    if (t == tickets_.end() || t->second.joiner != 0 || t->second.expires <= port_.now()) {
        bye(n, "bad-ticket");
        return;
    }
    const auto host = hosts_.find(t->second.gameId);
    if (host == hosts_.end()) {
        tickets_.erase(t);
        bye(n, "no-game");
        return;
    }
    t->second.joiner = n;
    link.kind = Kind::RelayWaiting;
    link.ticket = t->first;
    port_.send(host->second, formatLine("OPEN", {t->first, link.from.peerAddress}));
}

void LobbyCore::accept(ConnectionId n, Link& link, const Line& line) {
    const auto t = line.fields.size() == 1 ? tickets_.find(line.fields[0]) : tickets_.end();
    const auto host = t == tickets_.end() ? hosts_.end() : hosts_.find(t->second.gameId);
    // Only the host's own machine may take the joiner, and only once the joiner has come.
    if (t == tickets_.end() || t->second.joiner == 0 || t->second.expires <= port_.now() || host == hosts_.end() ||
        links_.at(host->second).from.peerAddress != link.from.peerAddress) {
        bye(n, "bad-ticket");
        return;
    }
    const ConnectionId joinerId = t->second.joiner;
    const std::string gameId = t->second.gameId;
    tickets_.erase(t);
    Link& joiner = links_.at(joinerId);
    joiner.kind = Kind::Relay;
    joiner.partner = n;
    joiner.relayGame = gameId;
    joiner.ticket.clear();
    link.kind = Kind::Relay;
    link.partner = joinerId;
    link.relayGame = gameId;
    link.joinPending = true;
    ++pairs_[gameId];
}

void LobbyCore::connectionClosed(ConnectionId n) {
    const auto it = links_.find(n);
    if (it == links_.end()) return;
    Link link = std::move(it->second);
    links_.erase(it);
    if (--perAddress_[link.from.peerAddress] == 0) perAddress_.erase(link.from.peerAddress);
    if (link.kind == Kind::Client) {
        unhost(link);
        names_.erase(link.name);
        --signedIn_;
    }
    if (link.kind == Kind::RelayWaiting) tickets_.erase(link.ticket);
    if (link.kind == Kind::Relay) {
        // Whichever end goes first, the pair ends; the other end's close is then no news.
        const auto other = links_.find(link.partner);
        if (other != links_.end() && other->second.kind == Kind::Relay) {
            other->second.kind = Kind::Closing;
            port_.close(link.partner);
        }
        const auto p = pairs_.find(link.relayGame);
        if (p != pairs_.end() && --p->second == 0) pairs_.erase(p);
    }
}

void LobbyCore::tick() {
    const std::int64_t now = port_.now();
    std::vector<std::pair<ConnectionId, const char*>> due;
    for (auto& [n, link] : links_) {
        if (link.kind == Kind::New && now - link.opened >= limits_.helloDeadlineMs)
            due.emplace_back(n, "hello-timeout");
        else if (link.kind == Kind::Client && now - link.lastLine >= limits_.idleMs)
            due.emplace_back(n, "idle");
        else if (link.kind == Kind::RelayWaiting) {
            const auto t = tickets_.find(link.ticket);
            if (t == tickets_.end() || t->second.expires <= now) due.emplace_back(n, "no-host");
        }
    }
    for (const auto& [n, reason] : due) bye(n, reason);
    std::erase_if(tickets_, [&](const auto& t) { return t.second.joiner == 0 && t.second.expires <= now; });
    // Sign-ins come in crowds; the count goes out once a tick, not once per arrival.
    if (signedIn_ != presentSent_) {
        presentSent_ = signedIn_;
        broadcast(formatLine("PRESENT", {std::to_string(signedIn_)}));
    }
}

void LobbyCore::broadcast(const std::string& line) {
    for (const auto& [n, link] : links_)
        if (link.kind == Kind::Client) port_.send(n, line);
}

void LobbyCore::onDirectoryChange(const std::string& id, const GameEntry* entry) {
    broadcast(entry ? entry->listing.toLine() : formatLine("GONE", {id}));
}

} // namespace quadrino::lobby
