// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row of phrase buttons beside the chat: nine buttons that each send a stock remark to
// everybody, and a tenth that opens the chatter sound menu. The row only tells which phrase
// was chosen; the chat sender makes it a request.
#include <QWidget>
#include <array>
#include <string>

#include "settings/preferences.h"

class QToolButton;

namespace quadrino {

inline constexpr int kPhraseButtonCount = Preferences::kPhraseCount; // b_phrase1 .. b_phrase9
using StoredPhrases = std::array<std::string, kPhraseButtonCount>;

// The phrase of button n (1..9) until the settings supply another; empty off 1..9.
QString builtInPhrase(int n);
// The phrase button n sends: the stored text (UTF-8), or the built-in one when that is empty.
QString phraseFor(const StoredPhrases& stored, int n);
class PhraseButtons : public QWidget {
    Q_OBJECT
public:
    // Left edges of b_phrase1 .. b_phrase10 within the row; each button is 25 x 19.
    static constexpr std::array<int, 10> kLefts = {0, 27, 54, 80, 107, 134, 160, 187, 214, 240};

    explicit PhraseButtons(QWidget* parent = nullptr);

    // The texts from the settings (Preferences::phrases); an empty one keeps the built-in text.
    void setPhrases(const StoredPhrases& stored);
    // Renders the icons again (inside an art::ScaleScope when the window's scale changed).
    void redrawIcons();
    QString phrase(int n) const;

signals:
    // Phrase button n (1..9) was clicked; `phrase` is the text it sends.
    void phraseChosen(const QString& phrase);
    // The chatter sound menu should open with its corner at this global point (the tenth
    // button's lower right corner).
    void chatterSoundMenuRequested(const QPoint& globalPos);

private:
    std::array<QToolButton*, 10> buttons_{};
    StoredPhrases stored_{};
};

} // namespace quadrino
