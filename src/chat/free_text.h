// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Free text typed or pasted by the user goes into messages that an older copy of the game reads
// one line at a time, so a line break inside a chat line would make the rest a message of its
// own (a removal in the hosting user's name, for one). Every control character becomes a blank.
#include <QString>

namespace quadrino {

// Replaces CR, LF, TAB and every other character below 0x20, DEL (0x7F), the C1 controls
// (0x80..0x9F) and the Unicode line and paragraph separators with one blank each; the length
// and every other character stay as they were.
QString blankControlCharacters(QString text);

} // namespace quadrino
