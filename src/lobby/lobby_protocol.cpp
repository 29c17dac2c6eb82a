// SPDX-License-Identifier: GPL-3.0-or-later
#include "lobby/lobby_protocol.h"

#include <algorithm>
#include <arpa/inet.h>

namespace quadrino::lobby {

bool LineFramer::feed(std::string_view bytes, std::vector<std::string>& lines) {
    if (spent_) return false;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        // Checked before appending, so a flood without a line feed never grows the buffer
        // past one line.
        if (partial_.size() + piece.size() + 1 > kMaxLineBytes) {
            spent_ = true;
            partial_.clear();
            return false;
        }
        partial_.append(piece);
        if (end == std::string_view::npos) break;
        if (!partial_.empty() && partial_.back() == '\r') partial_.pop_back();
        lines.push_back(std::move(partial_));
        partial_.clear();
        bytes.remove_prefix(end + 1);
    }
    return true;
}

std::string LineFramer::takeRemainder() {
    std::string rest;
    rest.swap(partial_);
    return rest;
}

std::optional<std::size_t> utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (b < 0x80) {
            cp = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            cp = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            cp = b & 0x07u;
        } else {
            return std::nullopt;
        }
        if (i + extra >= text.size() && extra > 0) return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0u) != 0x80u) return std::nullopt;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return std::nullopt;
        i += extra + 1;
        ++count;
    }
    return count;
}

namespace {
bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }
} // namespace

std::optional<Line> parseLine(std::string_view text, LineFault* fault) {
    auto fail = [&](LineFault f) -> std::optional<Line> {
        if (fault) *fault = f;
        return std::nullopt;
    };
    if (fault) *fault = LineFault::None;
    if (text.empty()) return fail(LineFault::Empty);
    if (!utf8Length(text)) return fail(LineFault::BadUtf8);
    Line line;
    std::string* field = &line.word;
    for (char ch : text) {
        if (ch == '\t') {
            field = &line.fields.emplace_back();
            continue;
        }
        if (isControl(static_cast<unsigned char>(ch))) return fail(LineFault::ControlCharacter);
        field->push_back(ch);
    }
    if (line.word.empty()) return fail(LineFault::Empty);
    return line;
}

namespace {
void appendField(std::string& out, std::string_view field) {
    for (char ch : field) out.push_back(isControl(static_cast<unsigned char>(ch)) ? ' ' : ch);
}
} // namespace

std::string formatLine(std::string_view word, std::initializer_list<std::string_view> fields) {
    std::string out;
    appendField(out, word);
    for (std::string_view f : fields) {
        out.push_back('\t');
        appendField(out, f);
    }
    out.push_back('\n');
    return out;
}

std::string formatLine(std::string_view word, const std::vector<std::string>& fields) {
    std::string out;
    appendField(out, word);
    for (const std::string& f : fields) {
        out.push_back('\t');
        appendField(out, f);
    }
    out.push_back('\n');
    return out;
}

std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    if (text.size() > 1 && text.front() == '0') return std::nullopt;
    std::int64_t value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    if (value < min || value > max) return std::nullopt;
    return value;
}

bool validName(std::string_view name) {
    const auto n = utf8Length(name);
    if (!n || *n == 0 || *n > kMaxNameChars) return false;
    if (std::all_of(name.begin(), name.end(), [](char c) { return c == ' '; })) return false;
    return std::none_of(name.begin(), name.end(), [](char c) { return isControl(static_cast<unsigned char>(c)); });
}

bool validChat(std::string_view text) {
    const auto n = utf8Length(text);
    if (!n || *n == 0 || *n > kMaxChatChars) return false;
    return std::none_of(text.begin(), text.end(), [](char c) { return isControl(static_cast<unsigned char>(c)); });
}

bool validAddress(std::string_view text) {
    if (text.empty() || text.size() > 45) return false;
    const std::string copy(text);
    unsigned char out[16];
    return inet_pton(AF_INET, copy.c_str(), out) == 1 || inet_pton(AF_INET6, copy.c_str(), out) == 1;
}

bool validHex(std::string_view text, std::size_t chars) {
    return text.size() == chars &&
           std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string_view reachWord(Reach reach) {
    switch (reach) {
    case Reach::Direct: return "direct";
    case Reach::Relay: return "relay";
    case Reach::Checking: break;
    }
    return "checking";
}

std::optional<Reach> parseReach(std::string_view word) {
    for (Reach r : {Reach::Checking, Reach::Direct, Reach::Relay})
        if (reachWord(r) == word) return r;
    return std::nullopt;
}

std::string GameListing::toLine() const {
    return formatLine("GAME", {id, hostName, address, std::to_string(port), std::to_string(seats),
                               std::to_string(watchers), started ? "1" : "0", reachWord(reach),
                               std::to_string(roundTripMs), options});
}

std::optional<GameListing> GameListing::fromLine(const Line& line) {
    if (line.word != "GAME" || line.fields.size() != 10) return std::nullopt;
    const auto& f = line.fields;
    const auto port = parseNumber(f[3], 1, 65535);
    const auto seats = parseNumber(f[4], 0, 4);
    const auto watchers = parseNumber(f[5], 0, 9);
    const auto started = parseNumber(f[6], 0, 1);
    const auto reach = parseReach(f[7]);
    const auto rtt = parseNumber(f[8], 0, 600000);
    const auto optionsChars = utf8Length(f[9]);
    if (!validHex(f[0], kGameIdChars) || !validName(f[1]) || !validAddress(f[2]) || !port || !seats ||
        !watchers || !started || !reach || !rtt || !optionsChars || *optionsChars > kMaxOptionsChars)
        return std::nullopt;
    return GameListing{f[0], f[1], f[2], static_cast<int>(*port), static_cast<int>(*seats), static_cast<int>(*watchers),
                       *started == 1, *reach, static_cast<int>(*rtt), f[9]};
}

} // namespace quadrino::lobby
