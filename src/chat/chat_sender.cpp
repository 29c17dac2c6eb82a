// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_sender.h"

#include <QElapsedTimer>
#include <memory>

#include "chat/chatter_sounds.h"
#include "chat/free_text.h"
#include "protocol/catalogue.h"
#include "protocol/cp1252.h"
#include "protocol/vocabulary.h"

namespace quadrino {

std::string wireText(const QString& text) {
    return withoutTerminator(utf8ToCp1252(blankControlCharacters(text).toStdString()));
}

std::optional<QString> meAction(const QString& text, MeMark mark) {
    const QString prefix = mark == MeMark::Typed ? QStringLiteral("/me") : QStringLiteral("/me ");
    if (!text.startsWith(prefix)) return std::nullopt;
    return text.mid(4);
}

// A chat or action line as the host relays it: the text, then its colour.
std::string lineWithColour(const std::string& text, BgrColour colour) { return text + "|" + colourToText(colour); }

std::optional<std::string> typedMessage(int myseat, const QString& line, BgrColour colour) {
    if (line.isEmpty()) return std::nullopt;
    if (!line.startsWith(u'/')) return encode(ChatMessage{myseat, lineWithColour(wireText(line), colour)});
    if (const std::optional<QString> action = meAction(line, MeMark::Typed))
        return encode(ActionMessage{myseat, lineWithColour(wireText(*action), colour)});
    return std::nullopt;
}

std::string phraseMessage(int myseat, const QString& phrase, BgrColour colour) {
    const std::optional<QString> action = meAction(phrase, MeMark::Phrase);
    return encode(ActionMessage{myseat, lineWithColour(wireText(action ? *action : QStringLiteral("says: ") + phrase), colour)});
}

ChatSender::ChatSender(QObject* parent) : QObject(parent) { setClock({}); }

void ChatSender::setClock(std::function<qint64()> clock) {
    if (clock) {
        clock_ = std::move(clock);
        return;
    }
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    clock_ = [since] { return since->elapsed(); };
}

bool ChatSender::sendTyped(const QString& line) {
    const Speaker me = speaker();
    if (me.myseat <= 0) return false;
    if (const std::optional<std::string> message = typedMessage(me.myseat, line, me.colour)) emit sendRequested(*message);
    return true;
}

bool ChatSender::sendPhrase(const QString& phrase) {
    const Speaker me = speaker();
    // A refused click starts no lock, so the buttons work right after login.
    if (me.myseat <= 0) return false;
    const qint64 now = clock_();
    if (lastPhrase_ && now - *lastPhrase_ < kPhraseLockMs) return false;
    emit sendRequested(phraseMessage(me.myseat, phrase, me.colour));
    lastPhrase_ = now;
    return true;
}

bool ChatSender::sendChatterSound(int number) {
    const int seat = speaker().myseat;
    if (number < 1 || number > kChatterSoundCount || seat < 1 || seat > kSeatCount) return false;
    emit sendRequested(encode(SoundMessage{seat, SoundMessage::wave(number)}));
    return true;
}

} // namespace quadrino
