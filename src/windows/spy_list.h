// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spy list: who is only watching the game, one entry "N: Name" per spectator. The
// hosting user can remove one of them from the game through the list's pop-up menu.
#include <QDialog>
#include <QStringList>
#include <optional>

#include "windows/menu_target.h"

class QAction;
class QListWidget;
class QMenu;

namespace quadrino {

class SpyListWindow : public QDialog {
    Q_OBJECT
public:
    explicit SpyListWindow(QWidget* parent = nullptr);

    // The entry of a spectator as the list shows it: "5: Name".
    static QString entryText(int number, const QString& name);
    // An entry cut back into its number (the text before the first ":") and its name (after
    // ": "); nullopt when that text is no number.
    static std::optional<MenuTarget> parseEntry(const QString& entry);

    void addSpy(int number, const QString& name);
    // Removes that spectator's entry (the name without regard to case); false when it was
    // not listed.
    bool removeSpy(int number, const QString& name);
    // The same by entry text ("N: Name"), as the board panel announces spectators.
    void addEntry(const QString& entry);
    bool removeEntry(const QString& entry);
    void clearSpys();
    QStringList entries() const;
    // Makes the list show `wanted`, keeping the entries that stay where they are so an open
    // pop-up menu still finds the entry it was opened on.
    void setEntries(const QStringList& wanted);

    // "Remove From Game" is only offered once this copy hosts the game.
    void setHosting(bool hosting);

    // View > "Spy List".
    void showSpyList();
    // "Done".
    void onDoneClicked();
    // "Remove From Game": asks to remove the spectator the menu was opened on, if that same
    // entry is still listed.
    void onRemoveChosen();

    // The entry the pop-up menu was last opened on (invalid when over no entry).
    const MenuTarget& menuTarget() const { return menuTarget_; }

signals:
    // The hosting user chose to remove connection `number` from the game.
    void removeRequested(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPointerIndex(int index);
    void openMenu(const QPoint& viewportPos);

    QListWidget* list_ = nullptr;
    QMenu* popup_ = nullptr;
    QAction* kick_ = nullptr;
    MenuTarget menuTarget_;
};

} // namespace quadrino
