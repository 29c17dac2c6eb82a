// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/phrase_editor.h"
#include "windows/side_windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "chat/free_text.h"
#include "chat/phrase_buttons.h"
#include "art/art.h"

namespace quadrino {
namespace {

constexpr int kRowTop = 12;
constexpr int kRowStep = 26;

} // namespace

PhraseEditor::PhraseEditor(Preferences& prefs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), prefs_(prefs) {
    setUpSideWindow(this, QStringLiteral("phrases"), tr("Quadrino - Phrase Buttons "), 11);
    setFixedSize(330, 316);
    closeOnEscape(this);

    for (int n = 1; n <= Preferences::kPhraseCount; ++n) {
        const int top = kRowTop + (n - 1) * kRowStep;
        auto* label = new QLabel(tr("Phrase Button %1:").arg(n), this);
        label->setObjectName(QStringLiteral("label_phrase%1").arg(n));
        label->setFont(sideWindowFont(12, true));
        label->setGeometry(10, top, 112, 21);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("phrase%1").arg(n));
        field->setFont(sideWindowFont(12, false));
        field->setGeometry(124, top, 196, 21);
        field->setMaxLength(kFieldLength);
        label->setBuddy(field);
        fields_[static_cast<std::size_t>(n - 1)] = field;
    }

    const int below = kRowTop + Preferences::kPhraseCount * kRowStep;
    auto* note = new QLabel(tr("Buttons can only be used once every 2 seconds"), this);
    note->setObjectName(QStringLiteral("label_note"));
    note->setAlignment(Qt::AlignCenter);
    note->setGeometry(0, below + 4, width(), 18);

    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setGeometry((width() - 75) / 2, below + 30, 75, 25);
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &PhraseEditor::onDoneClicked);
}

void PhraseEditor::setSaver(std::function<void()> save) { save_ = std::move(save); }

void PhraseEditor::showPhraseList() {
    for (int n = 1; n <= Preferences::kPhraseCount; ++n) {
        QLineEdit* field = fields_[static_cast<std::size_t>(n - 1)];
        const QString text = phraseFor(prefs_.phrases, n);
        // A phrase stored longer than the field would otherwise be cut, and the cut text saved.
        field->setMaxLength(std::max(kFieldLength, static_cast<int>(text.size())));
        field->setText(text);
    }
    show();
    raise();
    activateWindow();
}

void PhraseEditor::onDoneClicked() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        prefs_.phrases[i] = blankControlCharacters(fields_[i]->text()).toStdString();
    emit phrasesChanged();
    if (save_) save_();
    hide();
}

} // namespace quadrino
