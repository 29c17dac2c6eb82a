// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every command of the game protocol: its word, how to build it byte for byte, and how to
// parse its body. Builders return the whole message with its terminator, ready for one send.
// Parsers take the body after "CMD_word+" and return nullopt when a numeric field is not a
// number, so a handler can refuse the whole message before it changes anything.
//
// Text is Windows-1252 bytes throughout; free text is passed through withoutTerminator().
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "protocol/message_codec.h"
#include "protocol/wire.h"
#include "rules/game_options.h"

namespace quadrino {

// ---- Framing ---------------------------------------------------------------------------
//
//   message  = word "+" { field "+" } [ rest ] terminator
//   word     = "CMD_" name             (matched exactly, case and all)
//   field    = number | flag | text      (a field never holds "+"; numbers are strict decimal)
//   rest     = free text to the terminator, "+" and all
//   terminator = 0xFF
//
// A field missing at the end reads as empty, which is not a number.

// The client's dispatch, in the order it matches the words.
enum class ClientCommand {
    sendlogininfo, chat, action, playasound, newplayerinfo, havewrongversion, wrongversion,
    existingplayers, playerdisconnected, startgame, nextplayer, winner, full, justwatching,
    aerror, hisdice, movehim, sendback, rollagain, nomoves, locations, passing, gotpenalty,
    gotpenalty1, removepegs, morestats, warning
};

// Exact, case-sensitive match of a command word ("CMD_moveit"); nullopt for anything else.
std::optional<ClientCommand> clientCommand(std::string_view word);

// ---- Client to host --------------------------------------------------------------------
// Each request names its sender's seat, which the host checks against the connection it
// came on.

// A new connection's login, answering CMD_sendlogininfo: the number the host gave it, the
// protocol's version text, and the player's name, which carries a terminator of its own (the
// second one makes an empty message, which the host ignores).
struct LoginRequest {
    static constexpr std::string_view word = "CMD_logininfo";
    int connection = 0;
    std::string version, name;
    static constexpr auto fields = std::tuple{kind::Number<LoginRequest>{&LoginRequest::connection},
                                              kind::Text<LoginRequest>{&LoginRequest::version},
                                              kind::TerminatedRest<LoginRequest>{&LoginRequest::name}};
};

// The hosting user (sender 1) removes the player on connection `target`.
struct KickRequest {
    static constexpr std::string_view word = "CMD_kickhim";
    int sender = 0, target = 0;
    static constexpr auto fields =
        std::tuple{kind::Number<KickRequest>{&KickRequest::sender}, kind::Number<KickRequest>{&KickRequest::target}};
};

// A chat line, an action ("/me waves") and a chatter sound. The sender's field is relayed as
// sent; `text` is "line|colour" for chat and action, "waveN+" for a sound.
struct ChatRequest {
    static constexpr std::string_view word = "CMD_chat";
    NumberText sender;
    std::string text;
    static constexpr auto fields = std::tuple{kind::SentNumber<ChatRequest>{&ChatRequest::sender},
                                              kind::Rest<ChatRequest>{&ChatRequest::text}};
};
struct ActionRequest {
    static constexpr std::string_view word = "CMD_action";
    NumberText sender;
    std::string text;
    static constexpr auto fields = std::tuple{kind::SentNumber<ActionRequest>{&ActionRequest::sender},
                                              kind::Rest<ActionRequest>{&ActionRequest::text}};
};
struct SoundRequest {
    static constexpr std::string_view word = "CMD_playasound";
    NumberText sender;
    std::string text;
    static constexpr auto fields = std::tuple{kind::SentNumber<SoundRequest>{&SoundRequest::sender},
                                              kind::Rest<SoundRequest>{&SoundRequest::text}};
    static std::string wave(int number) { return "wave" + std::to_string(number) + "+"; }
};

// The hosting user starts a game: its name, then each option where the option table places
// it. The start announcement relays the flags' texts as received.
struct StartGameRequest {
    static constexpr std::string_view word = "CMD_startgame";
    std::string name;
    std::array<std::string, kGameOptionCount> text; // each option's field as received, by row
    GameOptions options;
    static constexpr auto fields = std::tuple{
        kind::Text<StartGameRequest>{&StartGameRequest::name},
        kind::Options<StartGameRequest>{&StartGameRequest::options, &StartGameRequest::text, OptionCarrier::request}};
};

// A seat starts ("1") or stops ("2") watching; the hosting user may ask it for any seat.
struct JustWatchRequest {
    static constexpr std::string_view word = "CMD_justwatch";
    int seat = 0;
    std::string mode;
    static constexpr auto fields = std::tuple{kind::Number<JustWatchRequest>{&JustWatchRequest::seat},
                                              kind::Rest<JustWatchRequest>{&JustWatchRequest::mode}};
};

// The seat on turn rolls, moves pawn `pawn` by the amount `code` names, or passes.
struct RollRequest {
    static constexpr std::string_view word = "CMD_playerroll";
    int seat = 0;
    static constexpr auto fields = std::tuple{kind::Number<RollRequest>{&RollRequest::seat}};
};
struct MoveRequest {
    static constexpr std::string_view word = "CMD_moveit";
    int seat = 0, code = 0, pawn = 0;
    static constexpr auto fields =
        std::tuple{kind::Number<MoveRequest>{&MoveRequest::seat}, kind::Number<MoveRequest>{&MoveRequest::code},
                   kind::Number<MoveRequest>{&MoveRequest::pawn}};
};
struct PassRequest {
    static constexpr std::string_view word = "CMD_playerpass";
    int seat = 0;
    static constexpr auto fields = std::tuple{kind::Number<PassRequest>{&PassRequest::seat}};
};

// The hosting user (sender 1) keeps the computer off seat 3 or 4 before a game.
struct BotTakeoverRequest {
    static constexpr std::string_view word = "CMD_bottakeover";
    int sender = 0, seat = 0;
    static constexpr auto fields = std::tuple{kind::Number<BotTakeoverRequest>{&BotTakeoverRequest::sender},
                                              kind::Number<BotTakeoverRequest>{&BotTakeoverRequest::seat}};
};

// The computer players' delay in milliseconds; sent by the hosting user, handled by no host.
struct BotSpeedRequest {
    static constexpr std::string_view word = "CMD_botspeed";
    int seat = 0, delayMs = 0;
    static constexpr auto fields = std::tuple{kind::Number<BotSpeedRequest>{&BotSpeedRequest::seat},
                                              kind::Number<BotSpeedRequest>{&BotSpeedRequest::delayMs}};
};

// What the host handles; any other word is ignored.
using HostRequests = MessageList<LoginRequest, KickRequest, ChatRequest, ActionRequest, StartGameRequest,
                                 JustWatchRequest, RollRequest, MoveRequest, PassRequest, BotTakeoverRequest,
                                 SoundRequest>;

// ---- Host to client --------------------------------------------------------------------

struct MoveSlotsView {
    int bonus20a = 0, bonus20b = 0, bonus20c = 0, bonus10a = 0, bonus10b = 0, bonus10c = 0;
    int double1 = 0, double2 = 0;
};

struct LocationsInfo {
    int target = 0, whoseturn = 0, turnphase = 0;
    GameOptions options; // only the options the table sends to a late joiner; a flag is on as 1
    std::string seat3playing, seat4playing;
    int die1 = 0, die2 = 0;
    MoveSlotsView amounts;
    std::array<std::array<int, 4>, 4> pawns{}; // [seat-1][pawn-1]
};

struct MoveHimInfo {
    int seat = 0, code = 0, pawn = 0, square = 0, progress = 0;
    MoveSlotsView amounts;
    bool moreMoves = false; // "t"
};

struct StartGameInfo {
    std::string name;
    std::string seat3playing, seat4playing; // "t"/"f" as sent
    // The options the announcement carries: a flag is on as "1", an empty number field is 0.
    GameOptions options;
};

// A message of numbers and one-letter flags, built in place: a game announces its course
// several hundred times, and these announcements need no allocation. Long enough for sixteen
// fields of any int after a command word; the catalogue builds none longer.
namespace detail {
// The numbers 0..999 as message fields, digits and separator, ready to be copied whole.
struct SmallNumber {
    char text[4];
    std::size_t size;
};
inline constexpr int kSmallNumbers = 1000;
struct SmallNumbers {
    std::array<SmallNumber, kSmallNumbers> items{};
    constexpr SmallNumbers() {
        for (int v = 0; v < kSmallNumbers; ++v) {
            SmallNumber& n = items[static_cast<std::size_t>(v)];
            if (v >= 100) n.text[n.size++] = static_cast<char>('0' + v / 100);
            if (v >= 10) n.text[n.size++] = static_cast<char>('0' + v / 10 % 10);
            n.text[n.size++] = static_cast<char>('0' + v % 10);
            n.text[n.size++] = kSeparator;
        }
    }
};
inline constexpr SmallNumbers kSmallNumberFields{};
} // namespace detail

class ShortMessage {
public:
    // A one-letter field ("t", "f", "1", "0").
    struct Flag {
        char letter;
    };
    static constexpr std::size_t kMaxWord = 16;
    static constexpr std::size_t kMaxFields = 16;
    static constexpr std::size_t kCapacity = kMaxWord + 1 + kMaxFields * 12 + 1;

    ShortMessage() {}
    // Only what was written is copied.
    ShortMessage(const ShortMessage& other) : size_(other.size_) { std::memcpy(text_, other.text_, size_); }
    ShortMessage& operator=(const ShortMessage& other) {
        size_ = other.size_;
        std::memcpy(text_, other.text_, size_);
        return *this;
    }

    // The command word, each field followed by "+", and the terminator. The sizes are known
    // when it is compiled, so the capacity always holds the message.
    template <std::size_t N, typename... Fields>
    static ShortMessage make(const char (&word)[N], Fields... fields) {
        static_assert(N - 1 <= kMaxWord && sizeof...(Fields) <= kMaxFields);
        ShortMessage m;
        char* p = m.text_;
        std::memcpy(p, word, N - 1);
        p += N - 1;
        *p++ = kSeparator;
        ((p = append(p, fields)), ...);
        *p++ = kTerminator;
        m.size_ = static_cast<std::size_t>(p - m.text_);
        return m;
    }

    bool empty() const { return size_ == 0; }
    std::string_view view() const { return {text_, size_}; }
    operator std::string_view() const { return view(); }

private:
    // Squares, amounts and progress have at most three digits: those are copied whole from a
    // table, digits and separator.
    static char* append(char* p, int v) {
        if (v < 0 || v >= detail::kSmallNumbers) return appendWide(p, v);
        const detail::SmallNumber& n = detail::kSmallNumberFields.items[static_cast<std::size_t>(v)];
        std::memcpy(p, n.text, sizeof n.text);
        return p + n.size;
    }
    static char* append(char* p, Flag f) {
        *p++ = f.letter;
        *p++ = kSeparator;
        return p;
    }
    // Any int, at most 11 characters, and the separator.
    static char* appendWide(char* p, int v);

    char text_[kCapacity]; // written up to size_ only
    std::size_t size_ = 0;
};

namespace announce {
// The announcements of a game's course, in place; announce::nextplayer() and the others of
// the same name return the same bytes as a std::string.
namespace inplace {
ShortMessage nextplayer(int seat, int phase);
ShortMessage rollagain(int seat);
ShortMessage hisdice(int seat, int phase, int die1, int die2, int double1, int double2, bool passAllowed);
ShortMessage nomoves(int seat);
ShortMessage gotpenalty(int seat, int pawn, int progress, int die1, int die2);
ShortMessage gotpenalty1(int seat, int pawn, int progress);
ShortMessage warning(int seat, int pawn, int partnerPawn);
ShortMessage passing(int seat);
ShortMessage aerror(int seat, int code);
ShortMessage movehim(const MoveHimInfo& info);
ShortMessage sendback(int mover, int seat, int pawn, int progress);
ShortMessage winner(int code);
} // namespace inplace

std::string sendlogininfo(int connection);
std::string full();
std::string newplayerinfo(int connection, std::string_view name);
std::string existingplayers(int connection, std::string_view name);
std::string havewrongversion(std::string_view name);
std::string wrongversion();
std::string locations(const LocationsInfo& info);
std::string morestats(bool teamgame);
std::string playerdisconnected(int connection, std::string_view name);
std::string justwatching(int seat, std::string_view flag);
std::string chat(std::string_view senderText, std::string_view name, std::string_view text);
std::string action(std::string_view senderText, std::string_view name, std::string_view text);
std::string playasound(std::string_view senderText, std::string_view rest);
// A line in the host's own words: a chat line of kind 0 in the system colour, which every
// client shows as one of its own notices.
std::string notice(std::string_view text);
// The flags as the request had them, the numbers as the host applies them; the last field
// repeats the team flag.
std::string startgame(const StartGameRequest& request, std::string_view seat3playing, std::string_view seat4playing,
                      const GameOptions& applied);
// The same with the relayed flags written out, the limit as applied.
std::string startgame(std::string_view name, std::string_view penalty, std::string_view passing,
                      std::string_view blocking, std::string_view pouncing, std::string_view seat3playing,
                      std::string_view seat4playing, std::string_view teamgame, int blocklimit);
std::string nextplayer(int seat, int phase);
std::string rollagain(int seat);
std::string hisdice(int seat, int phase, int die1, int die2, int double1, int double2, bool passAllowed);
std::string nomoves(int seat);
std::string gotpenalty(int seat, int pawn, int progress, int die1, int die2);
std::string gotpenalty1(int seat, int pawn, int progress);
std::string warning(int seat, int pawn, int partnerPawn);
std::string passing(int seat);
std::string aerror(int seat, int code);
std::string movehim(const MoveHimInfo& info);
std::string sendback(int mover, int seat, int pawn, int progress);
std::string removepegs(int seat);
std::string winner(int code);
} // namespace announce

// Client-side parsers. Commands with a seat and a name take the name as the rest. Dice and
// amounts beyond what their slot can hold (isSlotAmount) refuse the whole message.
struct NumberAndName { int number; std::string name; };
struct HisDiceInfo { int seat, phase, die1, die2, double1, double2; bool passAllowed; };
struct PenaltyInfo { int seat, pawn, progress, die1, die2; }; // dice 0 for gotpenalty1
struct SendBackInfo { int mover, seat, pawn, progress; };
struct WarningInfo { int seat, pawn; };
struct JustWatchingInfo { int seat; std::string flag; };
struct SeatPhase { int seat, phase; };

std::optional<int> parseSendlogininfo(std::string_view body);
std::optional<NumberAndName> parseNumberAndName(std::string_view body); // newplayerinfo, existingplayers, playerdisconnected
std::optional<LocationsInfo> parseLocations(std::string_view body);
// nullopt when a number option's field is neither empty nor a number.
std::optional<StartGameInfo> parseStartgameInfo(std::string_view body);
std::optional<SeatPhase> parseNextplayer(std::string_view body);
std::optional<HisDiceInfo> parseHisdice(std::string_view body);
std::optional<MoveHimInfo> parseMovehim(std::string_view body);
std::optional<SendBackInfo> parseSendback(std::string_view body);
std::optional<PenaltyInfo> parseGotpenalty(std::string_view body);
std::optional<PenaltyInfo> parseGotpenalty1(std::string_view body);
std::optional<WarningInfo> parseWarning(std::string_view body);
std::optional<SeatPhase> parseAerror(std::string_view body); // phase holds the error code
std::optional<JustWatchingInfo> parseJustwatching(std::string_view body);
// rollagain, nomoves, passing, removepegs, winner, morestats: first field as a number.
std::optional<int> parseFirstNumber(std::string_view body);

} // namespace quadrino
