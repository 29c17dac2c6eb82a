// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row of phrase buttons beside the chat: nine buttons that each send a stock remark to
// everybody, and a tenth that opens the chatter sound menu. The row builds the message and
// hands it on; the owner sends it.
#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "protocol/colour_text.h"
#include "settings/preferences.h"

class QToolButton;

namespace quadrino {

inline constexpr int kPhraseButtonCount = Preferences::kPhraseCount; // b_phrase1 .. b_phrase9
using StoredPhrases = std::array<std::string, kPhraseButtonCount>;

// The phrase of button n (1..9) until the settings supply another; empty off 1..9.
QString builtInPhrase(int n);
// The phrase button n sends: the stored text (UTF-8), or the built-in one when that is empty.
QString phraseFor(const StoredPhrases& stored, int n);
// Every control character (line breaks, tabs, ...) becomes a blank. Receivers of older
// copies take one message per line, so a line break in sent text would start a command of
// its own.
QString blankControls(QString text);
// The whole CMD_action message for a phrase: a phrase that starts with "/me " is sent as an
// action without those four characters, any other after "says: ".
std::string phraseMessage(int myseat, const QString& phrase, BgrColour colour);

class PhraseButtons : public QWidget {
    Q_OBJECT
public:
    // Buttons stay locked this long after a phrase was sent, as the phrase editor tells users.
    static constexpr qint64 kLockMs = 2000;
    // Left edges of b_phrase1 .. b_phrase10 within the row; each button is 25 x 19.
    static constexpr std::array<int, 10> kLefts = {0, 27, 54, 80, 107, 134, 160, 187, 214, 240};

    explicit PhraseButtons(QWidget* parent = nullptr);

    // Monotonic milliseconds; the default is the time since the row was made.
    void setClock(std::function<qint64()> clock);
    // Our connection number (0 before login) and the user's chat colour, read at each click.
    void setSeatProvider(std::function<int()> myseat);
    void setColourProvider(std::function<BgrColour()> colour);

    // The texts from the settings (Preferences::phrases); an empty one keeps the built-in text.
    void setPhrases(const StoredPhrases& stored);
    // Renders the icons again (inside an art::ScaleScope when the window's scale changed).
    void redrawIcons();
    QString phrase(int n) const;

    // A click on phrase button n (1..9). Sends nothing before login, nor within kLockMs of
    // the last phrase sent; returns whether a message went out.
    bool b_phrase1Click(int n);
    // A click on the tenth button.
    void b_phrase10Click();

signals:
    // One whole message, terminator included, for the host.
    void sendRequested(const std::string& message);
    // The chatter sound menu should open with its corner at this global point (the tenth
    // button's lower right corner).
    void chatterSoundMenuRequested(const QPoint& globalPos);

private:
    std::array<QToolButton*, 10> buttons_{};
    StoredPhrases stored_{};
    QElapsedTimer sinceStart_;
    std::function<qint64()> clock_;
    std::function<int()> myseat_;
    std::function<BgrColour()> colour_;
    bool sentOnce_ = false;
    qint64 lastSent_ = 0;
};

} // namespace quadrino
