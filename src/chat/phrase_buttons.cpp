// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/phrase_buttons.h"

#include "art/scaled_layout.h"

#include <QIcon>
#include <QToolButton>

#include "art/art.h"

namespace quadrino {
namespace {

const std::array<QString, kPhraseButtonCount>& builtInPhrases() {
    static const std::array<QString, kPhraseButtonCount> texts = {
        QStringLiteral("Way To Go!"), QStringLiteral("Good One!"),  QStringLiteral("Nice Try!"),
        QStringLiteral("Excellent!"), QStringLiteral("Brilliant!"), QStringLiteral("Wow, WTG!"),
        QStringLiteral("Thanks!"),    QStringLiteral("Way To Go Teamie!"), QStringLiteral("Good Game Everyone!"),
    };
    return texts;
}

bool validButton(int n) { return n >= 1 && n <= kPhraseButtonCount; }
std::size_t at(int n) { return static_cast<std::size_t>(n - 1); }

} // namespace

QString builtInPhrase(int n) { return validButton(n) ? builtInPhrases()[at(n)] : QString(); }

QString phraseFor(const StoredPhrases& stored, int n) {
    if (!validButton(n)) return {};
    const std::string& text = stored[at(n)];
    return text.empty() ? builtInPhrase(n) : QString::fromStdString(text);
}

PhraseButtons::PhraseButtons(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("phrase_buttons"));
    resize(kLefts.back() + 25, 19);
    for (int n = 1; n <= 10; ++n) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("b_phrase%1").arg(n));
        scaling::place(b, QRect(kLefts[at(n)], 0, 25, 19), 1.0);
        b->setAutoRaise(true);
        const QPixmap icon = art::phraseIcon(n);
        b->setIcon(QIcon(icon));
        scaling::setBaseIconSize(b, icon.deviceIndependentSize().toSize(), 1.0);
        // Reached by Tab (Space presses it), never focused by a click.
        b->setFocusPolicy(Qt::TabFocus);
        b->setStyleSheet(QStringLiteral("QToolButton { background: white; border: 1px solid #b8b8a0; }"
                                        "QToolButton:hover { border-color: #808070; }"
                                        "QToolButton:pressed { background: #e8e8e8; }"
                                        "QToolButton:focus { border: 2px solid #0000a0; }"));
        if (n > kPhraseButtonCount) b->setAccessibleName(tr("Chatter sounds"));
        if (n <= kPhraseButtonCount)
            connect(b, &QToolButton::clicked, this, [this, n] { emit phraseChosen(phrase(n)); });
        else
            connect(b, &QToolButton::clicked, this, [this, b] {
                emit chatterSoundMenuRequested(b->mapToGlobal(QPoint(b->width(), b->height())));
            });
        buttons_[at(n)] = b;
    }
    setPhrases(StoredPhrases{});
}

void PhraseButtons::redrawIcons() {
    for (int n = 1; n <= 10; ++n) buttons_[at(n)]->setIcon(QIcon(art::phraseIcon(n)));
}

void PhraseButtons::setPhrases(const StoredPhrases& stored) {
    stored_ = stored;
    for (int n = 1; n <= kPhraseButtonCount; ++n) {
        buttons_[at(n)]->setToolTip(phrase(n));
        buttons_[at(n)]->setAccessibleName(tr("Say: %1").arg(phrase(n)));
    }
}

QString PhraseButtons::phrase(int n) const { return phraseFor(stored_, n); }

} // namespace quadrino
