// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers and small helpers shared by the files of the table model; not for use elsewhere.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "protocol/cp1252.h"
#include "table/table_model.h"

namespace quadrino::table::model_detail {


inline constexpr int kLastSquare = 100;     // the highest home square
inline constexpr int kLastBoardSquare = 96; // squares above are home squares
inline constexpr int kFullProgress = 150;
inline constexpr std::uint32_t kRolledDiceSpread = 32;
inline constexpr int kWarningFrames = 20; // about two seconds at 100 ms a frame

inline bool validSeat(int seat) { return seat >= 1 && seat <= kSeatCount; }
inline bool validPawn(int pawn) { return pawn >= 1 && pawn <= kPawnCount; }
inline bool validSquare(int square) { return square >= 0 && square <= kLastSquare; }
inline bool validPhase(int phase) { return phase >= 0 && phase <= 2; }
inline bool validBlockLimit(int limit) { return limit >= 0 && limit <= 10; }
// Only where the table meets arrays counted from 0: the marker rules' board and the pawns of
// a parsed announcement.
inline std::size_t at(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

inline std::string fromWire(std::string_view text) { return cp1252ToUtf8(text); }
inline std::string sys(std::string_view text) { return "0+" + std::string(text); }

// A text of the table's own, in the context its window translates it in.
inline UiText said(const char* pattern, std::vector<UiText> args = {}) {
    return words("quadrino::table::TableModel", pattern, std::move(args));
}

// A system line the client writes into its own chat: shown, never sent.
inline void notice(Outcome& out, UiText text) {
    out.chat.push_back(sys(text.english()));
    out.chatWords.push_back(std::move(text));
}

} // namespace quadrino::table::model_detail
