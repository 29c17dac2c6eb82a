// SPDX-License-Identifier: GPL-3.0-or-later
// The main window by keyboard: Ctrl+N and the mnemonics come with the menu table; here F6
// between the board and the chat entry box, and the board holding the focus at start so that
// its keys work at once.
#include <QAction>
#include <QShortcut>

#include "app/main_window.h"
#include "chat/chat_entry.h"
#include "table/table_panel.h"

namespace quadrino {

void MainWindow::setupKeys() {
    // The board panel's seat menu is drawn by the panel; its letters are the window's choice.
    for (const auto& [name, caption] : {std::pair{"RemoveFromGame1", QT_TR_NOOP("&Remove From Game")},
                                        std::pair{"SettoJustWatch1", QT_TR_NOOP("&Set to Just Watch")},
                                        std::pair{"UnsetJustWatch1", QT_TR_NOOP("&Unset Just Watch")}})
        if (QAction* a = action(name)) a->setText(tr(caption));

    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    f6->setObjectName(QStringLiteral("shortcut_f6"));
    connect(f6, &QShortcut::activated, this, &MainWindow::toggleBoardChatFocus);
    // The board is first in the focus chain, and has the focus from the start.
    QWidget* board = panel_->boardFocus();
    setTabOrder(board, chat_->mychat);
    board->setFocus(Qt::OtherFocusReason);
}

void MainWindow::toggleBoardChatFocus() {
    QWidget* board = panel_->boardFocus();
    if (board->hasFocus()) chat_->mychat->setFocus(Qt::ShortcutFocusReason);
    else board->setFocus(Qt::ShortcutFocusReason);
}

} // namespace quadrino
