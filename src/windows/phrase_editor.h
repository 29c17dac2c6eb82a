// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The phrase editor: the texts of the nine phrase buttons, edited in place in the user's
// preferences and stored through the owner's save callback.
#include <QDialog>
#include <array>
#include <functional>

#include "settings/preferences.h"

class QLineEdit;

namespace quadrino {

class PhraseEditor : public QDialog {
    Q_OBJECT
public:
    // Fields take 50 characters, as older copies' editors do; a longer stored phrase widens its field so nothing is cut.
    static constexpr int kFieldLength = 50;

    // `prefs` must outlive the editor.
    explicit PhraseEditor(Preferences& prefs, QWidget* parent = nullptr);

    // Called after "Done" has changed the phrases; the owner writes them to the settings file.
    void setSaver(std::function<void()> save);

    // View > "Phrase List": fills field n with the phrase button n sends now and shows the editor.
    void showPhraseList();
    // "Done": stores each field as the phrase of its button (an empty field keeps the
    // built-in phrase), saves, closes.
    void onDoneClicked();

signals:
    // The phrases in the preferences changed; the buttons should show them.
    void phrasesChanged();

private:
    Preferences& prefs_;
    std::array<QLineEdit*, Preferences::kPhraseCount> fields_{};
    std::function<void()> save_;
};

} // namespace quadrino
