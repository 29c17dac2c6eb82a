// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line format of the chat pane, cut into what the pane draws: the kind number, the name
// part up to the first colon, and the message part as words, links and smiley codes.
#include <QString>
#include <optional>
#include <vector>

#include "protocol/colour_text.h"

namespace quadrino {

inline constexpr int kChatStyleCount = 15;
inline constexpr int kChatLinkStyle = 4;
inline constexpr int kSmileyFirst = 10; // smiley numbers 10..27 show pictures 0..17
inline constexpr int kSmileyCount = 18;

struct ChatPiece {
    enum class Type { Word, Link, Smiley };
    Type type = Type::Word;
    QString text;    // a word with its trailing blank; for a link, the word as shown
    int picture = 0; // smileys: picture index 0..17
};

struct ChatLine {
    int kind = 0;     // 0 = system line, 1..9 = the sender's seat or connection number
    int style = 0;    // 0 for kind 0, else kind + 5
    QString namePart; // up to and including the first ":", empty when there is none
    std::vector<ChatPiece> pieces;
};

// Kinds 0..9 have a text style; any other kind, or a text that does not start with a
// decimal kind and "+", is refused (nullopt) and the pane shows nothing.
std::optional<ChatLine> parseChatLine(const QString& text);

// A word is a link when its lower-case form contains "http://" or "www." anywhere.
bool isLinkWord(const QString& word);

// The web address a clicked link word opens: the word without its trailing blanks, with
// "http://" in front when it starts with "www.". Only http and https addresses with a host are
// opened; anything else (file:, smb:, a custom scheme, a word that merely contains "http://")
// gives an empty text, and the pane shows "Cannot open Webpage" instead.
QString webLinkTarget(const QString& word);

// The colour a peer's line (kind 1..9) is drawn in. The system colour is this client's and the
// host's own (kind 0): a peer's line in it, or in a colour the eye cannot tell from it (within
// kPeerColourMargin of it in each of red, green and blue), would pass for one of their notices,
// so it is drawn in navy instead, a blue still but plainly another.
inline constexpr int kPeerColourMargin = 96;
inline constexpr BgrColour kPeerInsteadOfSystem = 0x800000; // navy
BgrColour peerLineColour(BgrColour colour);

// The data of a received CMD_chat or CMD_action: the line before the first "|", the colour
// after it; red when the bar is missing or the colour text is no colour.
struct ReceivedChat {
    QString text;
    BgrColour colour = kRed;
};
ReceivedChat splitReceivedChat(const QString& data);

} // namespace quadrino
