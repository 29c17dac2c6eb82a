#pragma once
// The host's game state: options, the seats' pawns and the move amounts of the seat on turn.
// Plain data; the rules live in board_rules.h, the course of a game in the host.
#include <array>
#include <cstdint>

namespace quadrino {

struct GameOptions {
    bool penalty = false;
    bool passing = false;
    bool blocking = false;
    bool pouncing = false;
    bool teamgame = false;
    bool fullgame = false;
    int blocklimit = 0; // 0 = unlimited
};

// Board fields of one seat. Pawn arrays are indexed 1..4 (entry 0 unused) to keep the
// game's own numbering.
struct SeatState {
    int homesquare = 0;
    int startsquare = 0;
    int partner = 0;
    std::array<int, 5> pawnsquare{};
    std::array<int, 5> blockpartner{};
    std::array<int, 5> blockturns{};
    int progress = 0;
    bool passedlast = false; // sent and stored as "t"/"f" in the original wire texts
};

// The amounts the seat on turn may still spend; 0 = empty or used.
struct MoveSlots {
    int die1 = 0, die2 = 0;
    int double1 = 0, double2 = 0;
    int bonus20a = 0, bonus20b = 0, bonus20c = 0;
    int bonus10a = 0, bonus10b = 0, bonus10c = 0;
};

struct BoardState {
    std::array<SeatState, 5> seats{}; // 1..4
    GameOptions options;
    MoveSlots amounts;
    int sendseat = 0; // capture recorded by a committed move, sent back by moveit
    int sendpawn = 0;

    BoardState(); // fills the seat constants
};

inline constexpr std::array<int, 5> kHomeSquare = {0, 97, 99, 98, 100};
inline constexpr std::array<int, 5> kStartSquare = {0, 5, 39, 56, 22};
inline constexpr std::array<int, 5> kPartner = {0, 2, 1, 4, 3};

inline BoardState::BoardState() {
    for (int s = 1; s <= 4; ++s) {
        seats[static_cast<std::size_t>(s)].homesquare = kHomeSquare[static_cast<std::size_t>(s)];
        seats[static_cast<std::size_t>(s)].startsquare = kStartSquare[static_cast<std::size_t>(s)];
        seats[static_cast<std::size_t>(s)].partner = kPartner[static_cast<std::size_t>(s)];
    }
}

} // namespace quadrino
