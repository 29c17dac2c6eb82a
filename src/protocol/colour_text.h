// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the chat and the settings file write them: a name such as "clBlack", or "$"
// and eight hexadecimal digits of a blue-green-red value (00BBGGRR).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrino {

using BgrColour = std::int32_t;

inline constexpr BgrColour kBlack = 0x000000;
inline constexpr BgrColour kRed = 0x0000FF;
inline constexpr BgrColour kSystemColour = 0xFF0000; // pure blue

// Names match without regard to case; otherwise decimal, "$hex" or "0x" hex text.
std::optional<BgrColour> colourFromText(std::string_view text);
std::string colourToText(BgrColour colour);

// Conversions to 0xRRGGBB for drawing.
inline std::uint32_t bgrToRgb(BgrColour c) {
    auto u = static_cast<std::uint32_t>(c);
    return ((u & 0xFFu) << 16) | (u & 0xFF00u) | ((u >> 16) & 0xFFu);
}
inline BgrColour rgbToBgr(std::uint32_t rgb) { return static_cast<BgrColour>(bgrToRgb(static_cast<BgrColour>(rgb))); }

} // namespace quadrino
