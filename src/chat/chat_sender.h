// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place where what the user says becomes a request for the host: lines typed in the
// entry box, phrase buttons and chatter-sound picks. Every piece of free text goes through
// one filter (control characters become blanks, so an older copy reading line by line cannot
// be made to see a second command) and one encoder (Windows-1252, never the terminator byte).
#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "protocol/colour_text.h"

namespace quadrino {

// Free text as the wire carries it: control characters blanked, Windows-1252, no terminator.
std::string wireText(const QString& text);

// What "/me" makes of a line: the action text, or nullopt when the line is no action. A typed
// line needs only the three letters and loses the character after them, whatever it is; a
// phrase needs the blank, since a phrase "/mewaves" was meant to be said as written.
enum class MeMark { Typed, Phrase };
std::optional<QString> meAction(const QString& text, MeMark mark);

// The whole message for a typed line (CMD_chat, or CMD_action for "/me"); nullopt for an
// empty line or a command other than "/me", which are not sent.
std::optional<std::string> typedMessage(int myseat, const QString& line, BgrColour colour);
// The whole CMD_action message for a phrase: its "/me " action, or "says: " and the phrase.
std::string phraseMessage(int myseat, const QString& phrase, BgrColour colour);

class ChatSender : public QObject {
    Q_OBJECT
public:
    // Phrases stay locked this long after one was sent, as the phrase editor tells users.
    static constexpr qint64 kPhraseLockMs = 2000;

    struct Speaker {
        int myseat = 0;   // connection number, 0 before login
        BgrColour colour = kBlack;
    };

    explicit ChatSender(QObject* parent = nullptr);

    // Who speaks, asked at every request; before login (seat 0) nothing is sent.
    void setSpeaker(std::function<Speaker()> speaker) { speaker_ = std::move(speaker); }
    // Monotonic milliseconds for the phrase lock; the default is the time since construction.
    void setClock(std::function<qint64()> clock);

    // A line from the entry box. False before login (the box keeps its text); true once the
    // line is dealt with, sent or not.
    bool sendTyped(const QString& line);
    // A phrase button; false before login or within the lock of the last phrase sent.
    bool sendPhrase(const QString& phrase);
    // An entry of the chatter sound menu (1..20; 0 is "<Cancel>"). Only players send them:
    // spectators have no name label to be named by.
    bool sendChatterSound(int number);

signals:
    // One whole message, terminator included.
    void sendRequested(const std::string& message);

private:
    Speaker speaker() const { return speaker_ ? speaker_() : Speaker{}; }

    std::function<Speaker()> speaker_;
    std::function<qint64()> clock_;
    std::optional<qint64> lastPhrase_;
};

} // namespace quadrino
