// SPDX-License-Identifier: GPL-3.0-or-later
// The main window by keyboard: the mnemonics of every menu entry, Ctrl+N for "Start Game",
// F6 between the board and the chat entry box, and the board holding the focus at start so
// that its keys work at once.
#include <QAction>
#include <QShortcut>
#include <QToolButton>

#include "chat/chat_pane.h"

#include "app/main_window.h"
#include "chat/chat_entry.h"
#include "table/table_panel.h"

namespace quadrino {

namespace {

// Entries by objectName with the letter that chooses them. Within one menu no letter repeats.
struct Mnemonic { const char* name; const char* caption; };
constexpr Mnemonic kMnemonics[] = {
    {"File1", "&File"},
    {"StartGame1", "&Start Game"},
    {"HostNetworkGame1", "&Host Network Game..."},
    {"JoinNetworkGame1", "&Join Network Game..."},
    {"Exit1", "E&xit"},
    {"Options1", "&Options"},
    {"PlaySounds1", "Play &Sounds"},
    {"PlayChatterSounds1", "Play C&hatter Sounds"},
    {"TurnSound1", "&Turn Sound"},
    {"Classic1", "&Classic"},
    {"New1", "&New"},
    {"BotSpeed1", "&Bot Speed"},
    {"Slow1", "&Slow"},
    {"Normal1", "&Normal"},
    {"Fast1", "&Fast"},
    {"BotLevel1", "Bot L&evel"},
    {"BotClassic1", "&Classic"},
    {"BotStrong1", "&Strong"},
    {"TextColor1", "Text &Color"},
    {"TextSize1", "Text Si&ze"},
    {"N8", "&8"},
    {"N10", "1&0"},
    {"N12", "1&2"},
    {"N14", "1&4"},
    {"ScrollChatOff2", "Scroll Chat O&ff"},
    {"ClearMainChat1", "C&lear Main Chat"},
    {"ResetScreenLocation1", "&Reset Screen Location"},
    {"JustWatch1", "&Just Watch"},
    {"View1", "&View"},
    {"ViewTally1", "View &Tally"},
    {"SpyList1", "S&py List"},
    {"PrhaseList1", "P&hrase List"},
    {"Help1", "&Help"},
    {"Help2", "&Content"},
    {"About1", "&About"},
    // popup_kick
    {"RemoveFromGame1", "&Remove From Game"},
    {"SettoJustWatch1", "&Set to Just Watch"},
    {"UnsetJustWatch1", "&Unset Just Watch"},
    // popup_mainchat
    {"SelectAll1", "Select &All"},
    {"Copy1", "&Copy"},
    {"ClearMainChat2", "C&lear Main Chat"},
    {"ScrollChatOff1", "Scroll Chat O&ff"},
    // popup_mychat
    {"Paste1", "&Paste"},
};

} // namespace

void MainWindow::setupKeys() {
    for (QAction* a : findChildren<QAction*>()) {
        for (const Mnemonic& m : kMnemonics) {
            if (a->objectName() != QLatin1String(m.name)) continue;
            // Only over the caption it belongs to: a renamed entry keeps its own text.
            const QString caption = QString::fromLatin1(m.caption);
            if (QString(caption).remove(u'&') == a->text()) a->setText(caption);
        }
    }

    startGame1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    f6->setObjectName(QStringLiteral("shortcut_f6"));
    connect(f6, &QShortcut::activated, this, &MainWindow::toggleBoardChatFocus);
    mychat_->setToolTip(QStringLiteral("Chat (F6 goes to the board and back)"));
    mychat_->setAccessibleName(QStringLiteral("Chat entry"));
    mainchat_->setAccessibleName(QStringLiteral("Chat"));
    if (QWidget* frame = mainchat_->parentWidget()) frame->setAccessibleName(QStringLiteral("Chat"));
    smilies_->setAccessibleName(QStringLiteral("Smileys"));
    smilies_->setToolTip(QStringLiteral("Smileys"));
    smilies_->setFocusPolicy(Qt::TabFocus);
    smilies_->setStyleSheet(smilies_->styleSheet() + QStringLiteral("QToolButton:focus { border: 2px solid #0000a0; }"));

    // The board is first in the focus chain, and has the focus from the start.
    QWidget* board = panel_->boardFocus();
    setTabOrder(board, mychat_);
    board->setFocus(Qt::OtherFocusReason);
}

void MainWindow::toggleBoardChatFocus() {
    QWidget* board = panel_->boardFocus();
    if (board->hasFocus()) mychat_->setFocus(Qt::ShortcutFocusReason);
    else board->setFocus(Qt::ShortcutFocusReason);
}

} // namespace quadrino
