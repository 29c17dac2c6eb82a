// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the chat line, its links and colours. The input is read twice: as the
// data of a received chat message (Windows-1252, as the session turns it into text) and as
// text the user typed or pasted (UTF-8). The line must be cut into words, links and smileys
// that say no more than the text did; a link may only open an http or https address; a colour
// must read back from the text it is written as; free text must leave no control character.
#include <QString>
#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "chat/chat_line.h"
#include "chat/free_text.h"
#include "protocol/colour_text.h"
#include "protocol/cp1252.h"

using namespace quadrino;

namespace {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "chat_fuzz: broken invariant: %s\n", what);
    std::abort();
}

void checkLink(const QString& word) {
    const QString target = webLinkTarget(word);
    if (target.isEmpty()) return;
    const QUrl url(target, QUrl::StrictMode);
    require(url.isValid() && !url.host().isEmpty(), "a link that opens no address");
    require(url.scheme() == QStringLiteral("http") || url.scheme() == QStringLiteral("https"),
            "a link that opens something other than a web page");
    for (QChar c : target)
        require(c > u' ' && c != QChar(0x7F), "a link target with a blank or a control");
}

void checkLine(const QString& text) {
    const auto line = parseChatLine(text);
    if (!line) return;
    require(line->kind >= 0 && line->kind <= 9, "a line of a kind no sender has");
    require(line->style == (line->kind == 0 ? 0 : line->kind + 5) && line->style < kChatStyleCount,
            "a line in a style of another kind");
    const QString kind = QString::number(line->kind);
    require(text.startsWith(kind + u'+') || text.startsWith(u'0' + kind + u'+'),
            "a kind the text does not start with");
    const QString rest = text.mid(text.indexOf(u'+') + 1);
    require(rest.startsWith(line->namePart), "a name part that is not the start of the line");
    require(line->namePart.isEmpty() || (line->namePart.endsWith(u':') && line->namePart.count(u':') == 1),
            "a name part that does not end at the first colon");
    qsizetype letters = 0;
    for (const ChatPiece& piece : line->pieces) {
        if (piece.type == ChatPiece::Type::Smiley) {
            require(piece.picture >= 0 && piece.picture < kSmileyCount, "a smiley with no picture");
            continue;
        }
        // Each word keeps the one blank after it, and is no smiley code.
        require(piece.text.endsWith(u' ') && piece.text.indexOf(u' ') == piece.text.size() - 1,
                "a word that is not one word and its blank");
        require(!piece.text.contains(QStringLiteral(":)#")), "a smiley code left in a word");
        require((piece.type == ChatPiece::Type::Link) == isLinkWord(piece.text),
                "a link that is no link word");
        if (piece.type == ChatPiece::Type::Link) checkLink(piece.text);
        letters += piece.text.size() - 1;
    }
    require(letters <= rest.size() - line->namePart.size(), "words with more letters than the line");
}

void checkColour(std::string_view text) {
    const auto colour = colourFromText(text);
    if (colour)
        require(colourFromText(colourToText(*colour)) == colour, "a colour that reads back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Received: the data of CMD_chat or CMD_action, as the session hands it to the pane.
    const QString received = QString::fromStdString(cp1252ToUtf8(bytes));
    const ReceivedChat chat = splitReceivedChat(received);
    const qsizetype bar = received.indexOf(u'|');
    require(chat.text == (bar < 0 ? received : received.left(bar)),
            "chat text other than before the first bar");
    if (bar < 0)
        require(chat.colour == kRed, "a colour for a line that sent none");
    else
        require(chat.colour == colourFromText(received.mid(bar + 1).toStdString()).value_or(kRed),
                "a colour other than the one sent");
    checkLine(chat.text);
    checkLine(blankControlCharacters(chat.text));
    checkColour(bytes);
    checkColour(colourToText(chat.colour));

    // Typed or pasted: free text made safe for the wire.
    const QString typed = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QString safe = blankControlCharacters(typed);
    require(safe.size() == typed.size(), "blanking changed the length");
    for (qsizetype i = 0; i < safe.size(); ++i) {
        const char16_t c = safe[i].unicode();
        const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
        require(!control, "a control character left in free text");
        require(c == typed[i].unicode() || c == u' ', "blanking changed a printable character");
    }
    checkLine(safe);
    for (const QString& word : safe.split(u' '))
        checkLink(word);
    if (size >= 4) {
        const auto any = static_cast<BgrColour>(
            static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
            static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24);
        require(colourFromText(colourToText(any)) == any, "a colour that reads back otherwise");
    }
    return 0;
}
