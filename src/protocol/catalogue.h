// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message of the game protocol, declared once: its word and its fields in wire order,
// which encode() writes byte for byte and decode() reads back, refusing the whole message
// when a field is not what its kind needs, before any handler changes anything.
//
// Text is Windows-1252 bytes throughout; the encoder keeps terminators out of free text.
#include <array>
#include <string>
#include <string_view>
#include <tuple>

#include "protocol/message_codec.h"
#include "protocol/vocabulary.h"
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

// ---- Both ways -------------------------------------------------------------------------
// A chat line, an action ("/me waves") and a chatter sound. A client sends its own number and
// "line|colour" (chat, action) or "waveN+" (sound); the host relays the number as sent, with
// the sender's name put before a line ("Ann chats: line|colour", "Ann waves|colour"). A line
// of number 0 is the host's own notice. The chat pane reads the number and the line itself.
struct ChatMessage {
    static constexpr std::string_view word = "CMD_chat";
    NumberText sender;
    std::string text;
    static constexpr auto fields = std::tuple{kind::SentNumber<ChatMessage>{&ChatMessage::sender},
                                              kind::Rest<ChatMessage>{&ChatMessage::text}};
};
struct ActionMessage {
    static constexpr std::string_view word = "CMD_action";
    NumberText sender;
    std::string text;
    static constexpr auto fields = std::tuple{kind::SentNumber<ActionMessage>{&ActionMessage::sender},
                                              kind::Rest<ActionMessage>{&ActionMessage::text}};
};
struct SoundMessage {
    static constexpr std::string_view word = "CMD_playasound";
    NumberText sender;
    std::string text;
    static constexpr auto fields = std::tuple{kind::SentNumber<SoundMessage>{&SoundMessage::sender},
                                              kind::Rest<SoundMessage>{&SoundMessage::text}};
    static std::string wave(int number) { return "wave" + std::to_string(number) + "+"; }
};

// A line in the host's own words, which every client shows as one of its own notices.
ChatMessage hostNotice(std::string_view text);

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
using HostRequests = MessageList<LoginRequest, KickRequest, ChatMessage, ActionMessage, StartGameRequest,
                                 JustWatchRequest, RollRequest, MoveRequest, PassRequest, BotTakeoverRequest,
                                 SoundMessage>;

// ---- Host to client --------------------------------------------------------------------
// "To all" is every connected number. Seats, pawns and squares are numbered as in
// protocol/vocabulary.h; a number out of range there is for the client to refuse.

// Logging in and leaving.

// To a new connection right after it is accepted: its connection number, 1 to 9.
struct SendLoginInfo {
    static constexpr std::string_view word = "CMD_sendlogininfo";
    int connection = 0;
    static constexpr auto fields = std::tuple{kind::FinalNumber<SendLoginInfo>{&SendLoginInfo::connection}};
};
// To a tenth connection at once, which is then dropped.
struct Full {
    static constexpr std::string_view word = "CMD_full";
    static constexpr auto fields = std::tuple{};
};
// To all, newcomer included, when a login arrives: the newcomer's number and name.
struct NewPlayerInfo {
    static constexpr std::string_view word = "CMD_newplayerinfo";
    int connection = 0;
    std::string name;
    static constexpr auto fields = std::tuple{kind::Number<NewPlayerInfo>{&NewPlayerInfo::connection},
                                              kind::Rest<NewPlayerInfo>{&NewPlayerInfo::name}};
};
// To the newcomer, one for each other connection in increasing order: its number and name.
struct ExistingPlayers {
    static constexpr std::string_view word = "CMD_existingplayers";
    int connection = 0;
    std::string name;
    static constexpr auto fields = std::tuple{kind::Number<ExistingPlayers>{&ExistingPlayers::connection},
                                              kind::Rest<ExistingPlayers>{&ExistingPlayers::name}};
};
// To number 1 when a newcomer's version text differs: the newcomer's name.
struct HaveWrongVersion {
    static constexpr std::string_view word = "CMD_havewrongversion";
    std::string name;
    static constexpr auto fields = std::tuple{kind::Rest<HaveWrongVersion>{&HaveWrongVersion::name}};
};
// To that newcomer in the same case.
struct WrongVersion {
    static constexpr std::string_view word = "CMD_wrongversion";
    static constexpr auto fields = std::tuple{};
};
// To the others when a connection closes: its number and name.
struct PlayerDisconnected {
    static constexpr std::string_view word = "CMD_playerdisconnected";
    int connection = 0;
    std::string name;
    static constexpr auto fields = std::tuple{kind::Number<PlayerDisconnected>{&PlayerDisconnected::connection},
                                              kind::Rest<PlayerDisconnected>{&PlayerDisconnected::name}};
};
// To all after a watch request is applied: the seat, then "1" watching or "2" playing again.
struct JustWatching {
    static constexpr std::string_view word = "CMD_justwatching";
    int seat = 0;
    std::string flag;
    static constexpr auto fields = std::tuple{kind::Number<JustWatching>{&JustWatching::seat},
                                              kind::Rest<JustWatching>{&JustWatching::flag}};
};

// A game's start, and the state a newcomer joins.

// To all when a game starts: the starter's name, each option where the table places it (the
// flags as the request had them, the block limit as applied), whether seats 3 and 4 play
// ("t"/"f"), and the team flag once more, which the client does not read.
struct StartGameAnnouncement {
    static constexpr std::string_view word = "CMD_startgame";
    std::string name;
    std::array<std::string, kGameOptionCount> text; // the flags' fields as relayed, by row
    GameOptions options;
    std::string seat3playing, seat4playing;
    std::string teamAgain;
    static constexpr auto fields = std::tuple{
        kind::Text<StartGameAnnouncement>{&StartGameAnnouncement::name},
        kind::Options<StartGameAnnouncement>{&StartGameAnnouncement::options, &StartGameAnnouncement::text,
                                             OptionCarrier::announcement},
        kind::Text<StartGameAnnouncement>{&StartGameAnnouncement::seat3playing},
        kind::Text<StartGameAnnouncement>{&StartGameAnnouncement::seat4playing},
        kind::Text<StartGameAnnouncement>{&StartGameAnnouncement::teamAgain}};
    // The request's flags relayed, its numbers as the host applies them.
    static StartGameAnnouncement relaying(const StartGameRequest& request, std::string_view seat3playing,
                                          std::string_view seat4playing, const GameOptions& applied);
};
// To a newcomer during a game: its own number, whose turn and its phase, the options the
// table sends it (a flag as 1 or 0), whether seats 3 and 4 play, the dice (0 = used), the
// other amounts, and every pawn's square.
struct Locations {
    static constexpr std::string_view word = "CMD_locations";
    int target = 0, whoseturn = 0, turnphase = 0;
    GameOptions options;
    std::string seat3playing, seat4playing;
    int die1 = 0, die2 = 0;
    MoveSlotsView amounts;
    std::array<std::array<int, 4>, 4> pawns{}; // [seat-1][pawn-1]
    static constexpr auto fields = std::tuple{
        kind::Number<Locations>{&Locations::target}, kind::Number<Locations>{&Locations::whoseturn},
        kind::Number<Locations>{&Locations::turnphase},
        kind::Options<Locations>{&Locations::options, nullptr, OptionCarrier::locations},
        kind::Text<Locations>{&Locations::seat3playing}, kind::Text<Locations>{&Locations::seat4playing},
        kind::die(&Locations::die1), kind::die(&Locations::die2), kind::Amounts<Locations>{&Locations::amounts},
        kind::PawnSquares<Locations>{&Locations::pawns}};
};
// To the newcomer right after Locations: the team flag, "1" or "0".
struct MoreStats {
    static constexpr std::string_view word = "CMD_morestats";
    bool teamgame = false;
    static constexpr auto fields = std::tuple{kind::Flag<MoreStats>{&MoreStats::teamgame, '1', '0', true}};
};

// A game's course, to all unless said: numbers and letters only, so the host builds them
// without allocating (encodeShort).

// A seat's turn, or its extra roll, begins; the phase is 1.
struct NextPlayer {
    static constexpr std::string_view word = "CMD_nextplayer";
    int seat = 0, phase = 0;
    static constexpr auto fields =
        std::tuple{kind::Number<NextPlayer>{&NextPlayer::seat}, kind::Number<NextPlayer>{&NextPlayer::phase}};
};
// Before NextPlayer when the same seat rolls again after doubles.
struct RollAgain {
    static constexpr std::string_view word = "CMD_rollagain";
    int seat = 0;
    static constexpr auto fields = std::tuple{kind::Number<RollAgain>{&RollAgain::seat}};
};
// After a roll: the seat, the phase (2), the dice, the doubles copies (0 unless doubles) and
// whether the seat may pass ("1"/"0").
struct HisDice {
    static constexpr std::string_view word = "CMD_hisdice";
    int seat = 0, phase = 0, die1 = 0, die2 = 0, double1 = 0, double2 = 0;
    bool passAllowed = false;
    static constexpr auto fields =
        std::tuple{kind::Number<HisDice>{&HisDice::seat}, kind::Number<HisDice>{&HisDice::phase},
                   kind::die(&HisDice::die1),           kind::die(&HisDice::die2),
                   kind::die(&HisDice::double1),        kind::die(&HisDice::double2),
                   kind::Flag<HisDice>{&HisDice::passAllowed, '1', '0'}};
};
// After a roll that leaves no legal move.
struct NoMoves {
    static constexpr std::string_view word = "CMD_nomoves";
    int seat = 0;
    static constexpr auto fields = std::tuple{kind::Number<NoMoves>{&NoMoves::seat}};
};
// On the third doubles in a row, instead of HisDice: the pawn sent back (0 = none), the seat's
// progress after it, and the dice.
struct GotPenalty {
    static constexpr std::string_view word = "CMD_gotpenalty";
    int seat = 0, pawn = 0, progress = 0, die1 = 0, die2 = 0;
    static constexpr auto fields =
        std::tuple{kind::Number<GotPenalty>{&GotPenalty::seat}, kind::Number<GotPenalty>{&GotPenalty::pawn},
                   kind::Number<GotPenalty>{&GotPenalty::progress}, kind::die(&GotPenalty::die1),
                   kind::die(&GotPenalty::die2)};
};
// When a block outlasts the limit: the pawn sent back and the seat's progress after it.
struct GotPenalty1 {
    static constexpr std::string_view word = "CMD_gotpenalty1";
    int seat = 0, pawn = 0, progress = 0;
    static constexpr auto fields =
        std::tuple{kind::Number<GotPenalty1>{&GotPenalty1::seat}, kind::Number<GotPenalty1>{&GotPenalty1::pawn},
                   kind::Number<GotPenalty1>{&GotPenalty1::progress}};
};
// To the seat alone, one turn before its block reaches the limit: the pawn and the pawn it
// shares its square with, which the client does not need.
struct Warning {
    static constexpr std::string_view word = "CMD_warning";
    int seat = 0, pawn = 0, partnerPawn = 0;
    static constexpr auto fields = std::tuple{kind::Number<Warning>{&Warning::seat},
                                              kind::Number<Warning>{&Warning::pawn},
                                              kind::Unread<Warning>{&Warning::partnerPawn}};
};
// After an accepted pass.
struct Passing {
    static constexpr std::string_view word = "CMD_passing";
    int seat = 0;
    static constexpr auto fields = std::tuple{kind::Number<Passing>{&Passing::seat}};
};
// To the requester alone when a roll or move is refused: its seat and why, 1 to 5 (already
// rolled, must roll, die used, no such bonus, not a valid move).
struct AError {
    static constexpr std::string_view word = "CMD_aerror";
    int seat = 0, code = 0;
    static constexpr auto fields =
        std::tuple{kind::Number<AError>{&AError::seat}, kind::Number<AError>{&AError::code}};
};
// After an accepted move: the seat, the move code, the pawn, its new square, the seat's
// progress, the amounts left, and whether the seat has a move left ("t"/"f").
struct MoveHim {
    static constexpr std::string_view word = "CMD_movehim";
    int seat = 0, code = 0, pawn = 0, square = 0, progress = 0;
    MoveSlotsView amounts;
    bool moreMoves = false;
    static constexpr auto fields = std::tuple{
        kind::Number<MoveHim>{&MoveHim::seat},     kind::Number<MoveHim>{&MoveHim::code},
        kind::Number<MoveHim>{&MoveHim::pawn},     kind::Number<MoveHim>{&MoveHim::square},
        kind::Number<MoveHim>{&MoveHim::progress}, kind::Amounts<MoveHim>{&MoveHim::amounts},
        kind::Flag<MoveHim>{&MoveHim::moreMoves, 't', 'f'}};
};
// When a move captures: the moving seat, the captured pawn's seat and number, and that seat's
// progress after it.
struct SendBack {
    static constexpr std::string_view word = "CMD_sendback";
    int mover = 0, seat = 0, pawn = 0, progress = 0;
    static constexpr auto fields =
        std::tuple{kind::Number<SendBack>{&SendBack::mover}, kind::Number<SendBack>{&SendBack::seat},
                   kind::Number<SendBack>{&SendBack::pawn}, kind::Number<SendBack>{&SendBack::progress}};
};
// When seat 3's or 4's pawns leave the board (the hosting user kept the computer off it).
struct RemovePegs {
    static constexpr std::string_view word = "CMD_removepegs";
    int seat = 0;
    static constexpr auto fields = std::tuple{kind::Number<RemovePegs>{&RemovePegs::seat}};
};
// When a game is won: the seat 1 to 4, or in a team game 5 (seats 1 and 2) or 6 (3 and 4).
struct Winner {
    static constexpr std::string_view word = "CMD_winner";
    int code = 0;
    static constexpr auto fields = std::tuple{kind::Number<Winner>{&Winner::code}};
};

// What the client handles, in the order it matches the words; any other word is ignored.
using ClientAnnouncements =
    MessageList<SendLoginInfo, ChatMessage, ActionMessage, SoundMessage, NewPlayerInfo, HaveWrongVersion,
                WrongVersion, ExistingPlayers, PlayerDisconnected, StartGameAnnouncement, NextPlayer, Winner, Full,
                JustWatching, AError, HisDice, MoveHim, SendBack, RollAgain, NoMoves, Locations, Passing,
                GotPenalty, GotPenalty1, RemovePegs, MoreStats, Warning>;

// ---- Coming back after a drop ----------------------------------------------------------
// Words of this game's own, beyond the ones every peer knows. A host or client that does not
// know them ignores them as it ignores any unknown word, and nothing here is sent unless the
// other side asked for it, so a game between peers that never ask runs byte for byte as
// before.

// Client to host, right after its login: it will come back after a drop, so the host should
// hand it a seat key. Its own number, as in every request.
struct CanRejoinRequest {
    static constexpr std::string_view word = "CMD_canrejoin";
    int connection = 0;
    static constexpr auto fields = std::tuple{kind::Number<CanRejoinRequest>{&CanRejoinRequest::connection}};
};
// Client to host, right before its login on a new connection: the number this connection
// was given, the seat it held and that seat's key. A host that accepts it sits the
// connection down in that seat and ignores the login that follows; otherwise the login
// goes on as any newcomer's.
struct RejoinRequest {
    static constexpr std::string_view word = "CMD_rejoin";
    int connection = 0, seat = 0;
    std::string key;
    static constexpr auto fields =
        std::tuple{kind::Number<RejoinRequest>{&RejoinRequest::connection},
                   kind::Number<RejoinRequest>{&RejoinRequest::seat, 1, kMaxConnections},
                   kind::Text<RejoinRequest>{&RejoinRequest::key}};
};
// Client to host, before it closes on purpose: its seat is not to be kept.
struct LeavingRequest {
    static constexpr std::string_view word = "CMD_leaving";
    int connection = 0;
    static constexpr auto fields = std::tuple{kind::Number<LeavingRequest>{&LeavingRequest::connection}};
};
// Host to one client that asked: the key to the number it holds (which after a rejoin is the
// seat it came back to), or an empty key when it has none any more (it was removed).
struct SeatKey {
    static constexpr std::string_view word = "CMD_seatkey";
    int connection = 0;
    std::string key;
    static constexpr auto fields =
        std::tuple{kind::Number<SeatKey>{&SeatKey::connection, 1, kMaxConnections}, kind::Text<SeatKey>{&SeatKey::key}};
};

using RejoinRequests = MessageList<CanRejoinRequest, RejoinRequest, LeavingRequest>;
using RejoinAnnouncements = MessageList<SeatKey>;

// ---- A lobby's reach check -------------------------------------------------------------
// A lobby that lists the game connects to it as a client would and, instead of a login,
// sends this word with a nonce of its own; the host sends it straight back on that
// connection alone and closes it. Nobody at the table hears of the visit. Both ways; no
// player ever sends or receives it.
struct LobbyCheck {
    static constexpr std::string_view word = "CMD_lobbycheck";
    static constexpr std::size_t kMaxNonceChars = 32;
    std::string nonce;
    static constexpr auto fields = std::tuple{kind::Rest<LobbyCheck>{&LobbyCheck::nonce}};
};

using LobbyCheckRequests = MessageList<LobbyCheck>;

} // namespace quadrino
