// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's picture of the game: seats, names, pawns, dice, amounts, the turn, the texts
// of the log and status lines and the panels over the board. It is fed the host's
// announcements one at a time and the user's clicks on the board, and answers each with an
// Outcome: whether the picture changed, and what the rest of the client should do about it
// (chat lines, sounds, requests for the host, the tally).
//
// Plain C++: the board panel draws from state() and never keeps game state of its own.
// Texts are UTF-8; names arrive in Windows-1252 and are converted here.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "rules/random.h"
#include "protocol/catalogue.h"
#include "table/client_identity.h"
#include "table/game_record.h"
#include "table/marker_rules.h"
#include "table/numbered.h"
#include "table/ui_text.h"

namespace quadrino::table {

// The announcements the table draws; the session handles the client's others.
using TableAnnouncements =
    MessageList<NewPlayerInfo, ExistingPlayers, PlayerDisconnected, StartGameAnnouncement, NextPlayer, Winner,
                JustWatching, AError, HisDice, MoveHim, SendBack, RollAgain, NoMoves, Locations, Passing, GotPenalty,
                GotPenalty1, RemovePegs, MoreStats, Warning>;

inline constexpr int kBonusSlots = 8; // image_bonus1..8
inline constexpr const char* kWaiting = "<Waiting>";

// The computer player's name for a seat: none, "Klot", "Klick", "Kling" for seats 1..4.
std::string botName(int seat);

struct SeatView {
    std::string name = kWaiting; // caption of label_playername
    bool turn = false;           // image_turn shown
    bool eyes = false;           // just watching
    bool winner = false;
    bool pass = false;           // button_pass shown
    int progress = 0;            // width of the progress bar, 0..150
    bool operator==(const SeatView&) const = default;
};

struct PawnView {
    int square = 0;      // 0 at start, 97..100 home
    bool paired = false; // drawn beside the other pawn of its seat on the same square
    bool shown = true;
    bool operator==(const PawnView&) const = default;
};

struct MarkerView {
    bool shown = false;
    int target = 0; // square the marker covers
    int pawn = 0;   // the pawn it moves (the marker's hint)
    bool operator==(const MarkerView&) const = default;
};

enum class DicePlace { Start, Corner, Rolled };

struct DiceView {
    DicePlace place = DicePlace::Start;
    int cornerSeat = 0;                  // DicePlace::Corner: the seat to move
    Numbered<int, 2> rolledDrop{};       // DicePlace::Rolled: 0..31 pixels below the rolled dice's line
    Numbered<int, 2> face{{-1, -1}};     // picture of each die; -1 none, 0 the empty die
    Numbered<int, 2> value{};            // value still to be played, 0 = used
    bool operator==(const DiceView&) const = default;
};


struct WarningView {
    bool shown = false;
    bool moved = false;  // false: still where the panel placed it
    int seat = 0;        // the pawn it was moved to, drawn where that pawn stood
    int pawn = 0;
    PawnView at;
    int ticks = 0;       // frames shown so far
    bool operator==(const WarningView&) const = default;
};

// Seats, pawns, dice, markers (by move code) and bonus slots are numbered from 1 here as on the
// board: state.pawns[seat][pawn], state.markers[code].
struct TableState {
    Numbered<SeatView, kSeatCount> seats{};
    Numbered<Numbered<PawnView, kPawnCount>, kSeatCount> pawns{};
    Numbered<bool, kSeatCount> out{}; // the seat sits this game out (only 3 and 4 can: image_x3, image_x4)
    DiceView dice;
    Numbered<int, kBonusSlots> bonus{};        // amounts of image_bonus1..8
    Numbered<bool, kBonusSlots> bonusShown{};
    Numbered<MarkerView, kMoveCodeCount> markers{};
    int chosenMarker = 0; // the marker the keys have chosen (its move code), 0 none
    int turnseat = 0;
    int clientphase = 0;
    bool canmove = false;
    GameOptions options; // as the host announced them
    // The board label of each option at its row's index ("" for an option without one).
    std::array<std::string, kGameOptionCount> rules = initialOptionLabels();
    std::string log;
    UiText logWords; // the same line, for a window to translate
    int logLines = 0; // lines the log has shown: the same text again is still a new line
    std::string status = "Welcome to Quadrino";
    UiText statusWords = words("quadrino::table::TableModel", QT_TRANSLATE_NOOP("quadrino::table::TableModel", "Welcome to Quadrino"));
    bool errorShown = false;
    std::string errorText;
    UiText errorWords;
    bool questionShown = false;           // panel_bottakeover
    std::string questionName = "Player?"; // label_bottakeover
    int questionSeat = 0;
    bool startShown = false;
    bool gameRunning = false; // from a game's start (or a late join) to its winner
    bool summaryShown = false; // the end-of-game summary over the board
    WarningView warning;
    std::vector<std::string> spies; // spy list entries "N: Name", at most one per spectator number
    bool operator==(const TableState&) const = default;

    const SeatView& seat(int s) const { return seats[s]; }
    const PawnView& pawn(int s, int p) const { return pawns[s][p]; }
    const MarkerView& marker(int code) const { return markers[code]; }
    int bonusAt(int n) const { return bonus[n]; }
    bool bonusShownAt(int n) const { return bonusShown[n]; }
    const std::string& rule(GameOption o) const { return rules[static_cast<std::size_t>(o)]; }
};

// What an announcement or a click asks of the rest of the client.
struct Outcome {
    bool changed = false; // the picture changed: redraw
    std::vector<std::string> chat;     // system lines, "0+" and the text
    std::vector<UiText> chatWords;     // the same lines' texts, for a window to translate
    std::vector<std::string> sounds;   // game sounds by name ("entered", "turn", ...)
    std::vector<std::string> requests; // whole messages for the host; only while logged in
    std::optional<bool> justWatch;     // new check mark of Options > "Just Watch"
    std::optional<std::string> tally;  // a single seat won: "addtomine" or the winner's name
    bool reloadSettings = false;       // the host announced this client's own connection
    bool openGameOptions = false;
    std::string messageBox;            // text of a message box to show, if any (English; translated in
                                       // context "quadrino::table::TableModel" where shown)
    std::vector<LogLine> logged;       // lines the game log gained
};

// The board's keys, as the table model sees them.
enum class BoardKey { Pawn1, Pawn2, Pawn3, Pawn4, Roll, NextMarker, PreviousMarker, Move, Clear, Pass, Summary };

enum class SeatMenuEntry { RemoveFromGame, SetToJustWatch, UnsetJustWatch };

class TableModel {
public:
    // `me` must outlive the model: it is read, never written, and changes with each login.
    TableModel(const ClientIdentity& me, std::uint32_t diceSeed);

    const TableState& state() const { return state_; }
    const ClientIdentity& identity() const { return *me_; }
    // The game log and each seat's figures.
    const GameRecord& record() const { return record_; }

    // Back to the picture of a client that has just started, for a new login or game: the
    // dice as first seeded; the turn sound setting, a preference rather than the game's, stays.
    void reset();

    // One announcement of the host, decoded. One that names seats, pawns or squares the board
    // does not have changes nothing.
    template <class M>
        requires(listed<M>(TableAnnouncements{}))
    Outcome handle(const M& announcement) {
        Outcome out;
        const TableState before = state_;
        Overloaded{
            [&](const NewPlayerInfo& m) { newplayerinfo(m.connection, m.name, out); },
            [&](const ExistingPlayers& m) { newplayerinfo(m.connection, m.name, out); },
            [&](const PlayerDisconnected& m) { playerdisconnected(m, out); },
            [&](const StartGameAnnouncement& m) { startthegame(m, out); },
            [&](const NextPlayer& m) { getnextplayer(m, out); },
            [&](const HisDice& m) { hisdice(m, out); },
            [&](const MoveHim& m) { movehim(m, out); },
            [&](const SendBack& m) { sendback(m, out); },
            [&](const RollAgain& m) { rollagain(m, out); },
            [&](const NoMoves& m) { nomoves(m, out); },
            [&](const Passing& m) { passing(m, out); },
            [&](const GotPenalty& m) { gotpenalty(m, out); },
            [&](const GotPenalty1& m) { gotpenalty1(m, out); },
            [&](const Warning& m) { warning(m); },
            [&](const AError& m) { aerror(m, out); },
            [&](const Winner& m) { winner(m, out); },
            [&](const JustWatching& m) { justwatching(m, out); },
            [&](const RemovePegs& m) { removepegs(m); },
            [&](const Locations& m) { locations(m, out); },
            [&](const MoreStats& m) { morestats(m); },
        }(announcement);
        // An error notice lasts until the game moves on: any later event of the table closes it.
        if (!std::is_same_v<M, AError> && !(state_ == before)) state_.errorShown = false;
        out.changed = !(state_ == before);
        // Only what the table accepted is told: a damaged announcement changes nothing.
        if (out.changed) record_.note(announcement, before, state_, out.logged);
        return out;
    }

    // The turn sound setting: classic ("turn") or new ("turnnew").
    void setNewTurnSound(bool on) { newTurnSound_ = on; }
    bool newTurnSound() const { return newTurnSound_; }
    // The hosting copy shows the start button between games.
    void setHosting(bool hosting);

    // ---- The user's clicks -----------------------------------------------------------------
    Outcome clickDice();
    Outcome clickPawn(int seat, int pawn, bool rightButton);
    Outcome clickMarker(int code);
    Outcome clickPass(int seat);
    Outcome clickStart(); // also File > "Start Game"
    Outcome closeError();
    Outcome closeSummary();
    // The computer-player question: yes lets the bot play on, no takes the seat out.
    Outcome answerQuestion(bool botPlays);
    // A key pressed on the board. It takes the same path as the click it stands for (the
    // dice, a pawn, a marker, the pass button), so keys and mouse share one set of rules.
    Outcome pressKey(BoardKey key);
    // Whether the player menu of a seat's name label offers its entries.
    bool seatMenuEnabled(int seat) const;
    Outcome chooseSeatMenu(SeatMenuEntry entry, int seat);
    // Asks the host to remove connection `number` (hosting copy only).
    Outcome kick(int number);
    // One frame of the warning animation; false once it has ended and hidden itself.
    bool warningTick();

    // ---- Reading the picture ---------------------------------------------------------------
    int boardpawn(int seat, int pawn) const;
    std::string seatName(int seat) const;
    // What the marker rules read.
    ClientMirror mirror() const;
    // The user's pawns that have a legal move now, entering included: only while the user,
    // having rolled, may move.
    Numbered<bool, kPawnCount> movablePawns() const;
    // Names on the other seats: the players of the current game but the user.
    std::vector<std::string> otherPlayers() const;

private:
    // Announcements of seats and games (table_model.cpp).
    void newplayerinfo(int seat, const std::string& name, Outcome& out);
    void playerdisconnected(const PlayerDisconnected& m, Outcome& out);
    void startthegame(const StartGameAnnouncement& m, Outcome& out);
    void winner(const Winner& m, Outcome& out);
    void justwatching(const JustWatching& m, Outcome& out);
    void removepegs(const RemovePegs& m);
    void locations(const Locations& m, Outcome& out);
    void morestats(const MoreStats& m);
    // Announcements of a turn (table_turns.cpp).
    void getnextplayer(const NextPlayer& m, Outcome& out);
    void hisdice(const HisDice& m, Outcome& out);
    void movehim(const MoveHim& m, Outcome& out);
    void sendback(const SendBack& m, Outcome& out);
    void rollagain(const RollAgain& m, Outcome& out);
    void nomoves(const NoMoves& m, Outcome& out);
    void passing(const Passing& m, Outcome& out);
    void gotpenalty(const GotPenalty& m, Outcome& out);
    void gotpenalty1(const GotPenalty1& m, Outcome& out);
    void warning(const Warning& m);
    void aerror(const AError& m, Outcome& out);

    // Drawing operations on the picture.
    void clearall();
    void cleargrays();
    void setLog(UiText text);
    void setStatus(UiText text);
    void setError(UiText text);
    void cleardice(int n);
    void setbonus(int n, int value);
    void setAmounts(const MoveSlotsView& a);
    void setprogress(int seat, int value);
    void setplayer(int seat, std::string_view flag, Outcome& out);
    void showDice(int die1, int die2);
    void sendPawnHome(int seat, int pawn); // to its nest, as a penalty or capture
    // The options a message carries, and their labels.
    void setOptions(const GameOptions& options, OptionCarrier carrier);
    void setOption(const GameOptionRow& row, int value);
    void hideBonusTokens(int upTo, bool clearAmounts);
    void hidePassButtons();
    void hideTurnHighlights();

    bool isOwn(int seat) const { return seat == me_->myseat; }
    void send(Outcome& out, std::string message) const;
    void turnSound(Outcome& out) const;

    SeatView& seatAt(int s) { return state_.seats[s]; }
    PawnView& pawnAt(int s, int p) { return state_.pawns[s][p]; }

    const ClientIdentity* me_; // a pointer, so that reset() can assign a fresh model
    std::uint32_t diceSeed_;
    Random random_;
    bool newTurnSound_ = false;
    // The user's pawns that shared a square as the user's turn began (each pawn's partner, 0
    // for none), as the host remembers them; a roll again keeps the turn's pairs.
    Numbered<int, kPawnCount> blockpartner_{};
    bool rollingAgain_ = false;
    void recordBlockPartners();
    TableState state_;
    GameRecord record_;
};

} // namespace quadrino::table
