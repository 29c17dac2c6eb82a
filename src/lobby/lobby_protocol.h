// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lobby's lines: tab-separated UTF-8 fields ended by a line feed (docs/LOBBY.md). Plain
// C++, shared by quadrino-lobby and the game's lobby client, so that both read and write one
// grammar and the fuzzer reaches it without a socket.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quadrino::lobby {

inline constexpr int kProtocolVersion = 1;
inline constexpr std::uint16_t kDefaultPort = 7773;
// With its terminator.
inline constexpr std::size_t kMaxLineBytes = 1024;
inline constexpr std::size_t kMaxNameChars = 20;
inline constexpr std::size_t kMaxChatChars = 200;
inline constexpr std::size_t kMaxOptionsChars = 200;
inline constexpr std::size_t kMaxTokenChars = 16;
inline constexpr std::size_t kGameIdChars = 16;
inline constexpr std::size_t kTicketChars = 32;

// Cuts a connection's bytes into lines, keeping the remainder between reads.
class LineFramer {
public:
    // Appends every whole line (without its terminator, a carriage return before the line
    // feed dropped) to `lines`. False once a line has grown past kMaxLineBytes; the framer
    // is then spent and the connection is to be closed.
    bool feed(std::string_view bytes, std::vector<std::string>& lines);
    // Bytes after the last line feed; a relay link's first game bytes may arrive with the
    // line that turned it into one.
    std::string takeRemainder();
    std::size_t pending() const { return partial_.size(); }

private:
    std::string partial_;
    bool spent_ = false;
};

struct Line {
    std::string word;
    std::vector<std::string> fields;
};

enum class LineFault { None, Empty, BadUtf8, ControlCharacter };

// A line as received: valid UTF-8 without control characters other than the tabs between
// fields.
std::optional<Line> parseLine(std::string_view text, LineFault* fault = nullptr);
// The line with its terminator. Tabs, line ends and other control characters inside a field
// become spaces, so no field can forge another field or line.
std::string formatLine(std::string_view word, std::initializer_list<std::string_view> fields);
std::string formatLine(std::string_view word, const std::vector<std::string>& fields);

// Characters in valid UTF-8 text; nullopt when it is not valid UTF-8 (overlong forms,
// surrogates and code points past U+10FFFF included).
std::optional<std::size_t> utf8Length(std::string_view text);
// A decimal number within [min, max] as the protocol writes it: digits only, no sign, no
// leading zero.
std::optional<std::int64_t> parseNumber(std::string_view text, std::int64_t min, std::int64_t max);
// 1..kMaxNameChars characters, not only spaces (control characters never get this far).
bool validName(std::string_view name);
bool validChat(std::string_view text);
// An IPv4 or IPv6 address in its usual text form; never a name to be looked up.
bool validAddress(std::string_view text);
// `chars` lowercase hexadecimal digits.
bool validHex(std::string_view text, std::size_t chars);

enum class Reach { Checking, Direct, Relay };
std::string_view reachWord(Reach reach);
std::optional<Reach> parseReach(std::string_view word);

// One game as the lobby lists it (`GAME`).
struct GameListing {
    std::string id;
    std::string hostName;
    std::string address;
    int port = 0;
    int seats = 0;
    int watchers = 0;
    bool started = false;
    Reach reach = Reach::Checking;
    int roundTripMs = 0;
    std::string options;

    std::string toLine() const;
    // From a parsed `GAME` line; nullopt when a field is missing or out of range.
    static std::optional<GameListing> fromLine(const Line& line);
    bool operator==(const GameListing&) const = default;
};

} // namespace quadrino::lobby
