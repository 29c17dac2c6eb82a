// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_entry.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "chat/free_text.h"

namespace quadrino {

ChatEntry::ChatEntry(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("mychat"));
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popup_mychat"));
    paste1_ = popup_->addAction(tr("&Paste"));
    paste1_->setObjectName(QStringLiteral("Paste1"));
    paste1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    // The shortcut is shown in the menu; the key itself is handled in keyPressEvent, so it
    // works whenever the box has the focus and only then.
    paste1_->setShortcutContext(Qt::WidgetShortcut);
    connect(paste1_, &QAction::triggered, this, &ChatEntry::pasteAtEnd);
}

void ChatEntry::pasteAtEnd() {
    const QString pasted = QGuiApplication::clipboard()->text();
    if (!pasted.isEmpty()) setText(text() + blankControlCharacters(pasted));
    deselect();
    setCursorPosition(static_cast<int>(text().size()));
}

void ChatEntry::contextMenuEvent(QContextMenuEvent* event) {
    popup_->popup(event->globalPos());
    event->accept();
}

void ChatEntry::keyPressEvent(QKeyEvent* event) {
    // Ctrl+V and the platform's other paste keys append like the menu entry, never replacing
    // a selection or inserting in the middle.
    if (event->matches(QKeySequence::Paste)) {
        pasteAtEnd();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace quadrino
