// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text on the wire and in the game's files is 8-bit Windows-1252; the program works in UTF-8.
#include <string>
#include <string_view>

namespace quadrino {

// Characters with no Windows-1252 form become "?".
std::string utf8ToCp1252(std::string_view utf8);
// The five bytes that Windows-1252 leaves undefined map to the C1 controls of the same value.
std::string cp1252ToUtf8(std::string_view bytes);

// Free text that goes on the wire must not carry the terminator byte: it would cut the
// message and let the rest be dispatched as a command of its own. Each 0xFF becomes "y".
std::string withoutTerminator(std::string_view text);

// Free text the host passes on (chat, actions, names) with every control character made a
// blank: CR, LF, TAB, the other C0 codes, DEL and the five bytes Windows-1252 leaves
// undefined. An older client keeps one message per line and would read text after a line
// break as a message of its own.
std::string blankControls(std::string_view text);

} // namespace quadrino
