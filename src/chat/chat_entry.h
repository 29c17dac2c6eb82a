// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chat entry box `mychat` with its own pop-up menu `popup_mychat`, whose one entry "Paste"
// (Ctrl+V) appends the clipboard's text at the end of the box.
#include <QLineEdit>

class QAction;
class QMenu;

namespace quadrino {

class ChatEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit ChatEntry(QWidget* parent = nullptr);

    // "Paste": when the clipboard holds text, appends it at the end of the box (a placeholder
    // text stays), its control characters as blanks so a pasted line break cannot split the
    // message; then the caret goes to the end with nothing selected.
    void pasteAtEnd();

    QMenu* popupMenu() const { return popup_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QMenu* popup_ = nullptr;
    QAction* paste1_ = nullptr;
};

} // namespace quadrino
