// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_line.h"

#include <QUrl>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace quadrino {
namespace {

bool allDigits(const QString& s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Each word keeps its trailing blank; a run of blanks gives words that are one blank each.
void addWords(QString segment, std::vector<ChatPiece>& out) {
    segment += u' ';
    qsizetype start = 0;
    while (start < segment.size()) {
        qsizetype blank = segment.indexOf(u' ', start);
        QString word = segment.mid(start, blank - start + 1);
        start = blank + 1;
        out.push_back({isLinkWord(word) ? ChatPiece::Type::Link : ChatPiece::Type::Word, word, 0});
    }
}

} // namespace

bool isLinkWord(const QString& word) {
    const QString lower = word.toLower();
    return lower.contains(u"http://") || lower.contains(u"www.");
}

QString webLinkTarget(const QString& word) {
    QString target = word;
    while (!target.isEmpty() && target.back() == u' ') target.chop(1);
    if (target.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) target.prepend(QStringLiteral("http://"));
    const QUrl url(target, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) return {};
    const QString scheme = url.scheme(); // QUrl keeps schemes in lower case
    if (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")) return {};
    return target;
}

std::optional<ChatLine> parseChatLine(const QString& text) {
    const qsizetype plus = text.indexOf(u'+');
    if (plus < 0) return std::nullopt;
    const QString kindText = text.left(plus);
    if (!allDigits(kindText) || kindText.size() > 2) return std::nullopt;
    ChatLine line;
    line.kind = kindText.toInt();
    if (line.kind > 9) return std::nullopt;
    line.style = line.kind == 0 ? 0 : line.kind + 5;

    QString rest = text.mid(plus + 1);
    const qsizetype colon = rest.indexOf(u':');
    if (colon >= 0) {
        line.namePart = rest.left(colon + 1);
        rest.remove(0, colon + 1);
    }

    static const QString smileyCode = QStringLiteral(":)#");
    qsizetype code;
    while ((code = rest.indexOf(smileyCode)) >= 0) {
        const QString segment = rest.left(code);
        rest.remove(0, code + smileyCode.size());
        const QString number = rest.left(2);
        rest.remove(0, number.size());
        addWords(segment, line.pieces);
        int picture = 0;
        if (allDigits(number)) {
            const int n = number.toInt();
            if (n >= kSmileyFirst && n < kSmileyFirst + kSmileyCount) picture = n - kSmileyFirst;
        }
        line.pieces.push_back({ChatPiece::Type::Smiley, {}, picture});
    }
    if (!rest.isEmpty()) addWords(rest, line.pieces);
    return line;
}

BgrColour peerLineColour(BgrColour colour) {
    for (int shift : {0, 8, 16}) { // red, green, blue
        const auto channel = [shift](BgrColour c) {
            return static_cast<int>((static_cast<std::uint32_t>(c) >> shift) & 0xFFu);
        };
        if (std::abs(channel(colour) - channel(kSystemColour)) >= kPeerColourMargin) return colour;
    }
    return kPeerInsteadOfSystem;
}

ReceivedChat splitReceivedChat(const QString& data) {
    const qsizetype bar = data.indexOf(u'|');
    if (bar < 0) return {data, kRed};
    const auto colour = colourFromText(data.mid(bar + 1).toStdString());
    return {data.left(bar), colour.value_or(kRed)};
}

} // namespace quadrino
