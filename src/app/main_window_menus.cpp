// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu handlers, its preferences in view, its place on the screen and closing.
#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>

#include "app/lobby_window.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/network_game_dialog.h"
#include "chat/chat_entry.h"
#include "chat/chat_pane.h"
#include "protocol/catalogue.h"
#include "table/table_panel.h"
#include "tally/tally_window.h"
#include "windows/gamestart.h"
#include "windows/phrase_editor.h"
#include "windows/side_windows.h"
#include "windows/spy_list.h"

namespace quadrino {

void MainWindow::onMenuEntry(const MenuRow& row) {
    if (row.handler) return (this->*row.handler)();
    Preferences& p = store_.prefs();
    if (row.flag) p.*row.flag = !(p.*row.flag);
    if (row.setting) p.*row.setting = row.tag;
    saveinifile();
    applyPreferences();
}

void MainWindow::onStartGameChosen() {
    // A slip in the menu must not throw away a game under way.
    if (session().table().state().gameRunning && questionBox_ &&
        !questionBox_(tr("A game is in progress. Start a new game?")))
        return;
    panel_->onStartClicked();
}

void MainWindow::onHostNetworkGameChosen() {
    auto* dialog = NetworkGameDialog::openOver(this, NetworkGameDialog::Kind::Host, store_.prefs());
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        launcher_.hostNetworkGame(dialog->playerName(), dialog->port(), dialog->listOnNetwork(), dialog->askRouter(),
                                  dialog->listInLobby());
    });
}

void MainWindow::onJoinNetworkGameChosen() {
    auto* dialog = NetworkGameDialog::openOver(this, NetworkGameDialog::Kind::Join, store_.prefs());
    if (const LanBrowser* lan = launcher_.lanBrowser()) {
        dialog->setLanGames(lan->games());
        connect(lan, &LanBrowser::gamesChanged, dialog, [dialog, lan] { dialog->setLanGames(lan->games()); });
        // Nobody looks at the list once the dialog has gone: neither need the network.
        connect(dialog, &QDialog::finished, this, [this] { launcher_.stopLanBrowser(); });
    }
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { launcher_.joinNetworkGame(dialog->playerName(), dialog->address(), dialog->port()); });
}

void MainWindow::onPlayOnlineChosen() {
    if (!lobbyWindow_) {
        lobbyWindow_ = std::make_unique<LobbyWindow>(store_, launcher_);
        // Hosting and the joined game go on in this window, in front of the lobby's.
        auto toFront = [this] {
            raise();
            activateWindow();
        };
        connect(lobbyWindow_.get(), &LobbyWindow::hostRequested, this, [this, toFront] {
            toFront();
            onHostNetworkGameChosen();
        });
        connect(lobbyWindow_.get(), &LobbyWindow::joining, this, toFront);
    }
    lobbyWindow_->show();
    lobbyWindow_->raise();
    lobbyWindow_->activateWindow();
}

void MainWindow::onTextColorChosen() {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(bgrToRgb(store_.prefs().textcolor)), this);
    if (!chosen.isValid()) return;
    store_.prefs().textcolor = rgbToBgr(chosen.rgb() & 0xFFFFFFu);
    saveinifile();
    applyPreferences();
}

void MainWindow::onScrollChatOffToggled() {
    const bool off = !chat_->mainchat->scrollOff();
    action("ScrollChatOff1")->setChecked(off);
    action("ScrollChatOff2")->setChecked(off);
    chat_->mainchat->setScrollOff(off);
}

void MainWindow::onClearChatChosen() {
    chat_->mainchat->clearChat();
    chat_->mychat->setFocus();
}

void MainWindow::onSelectAllChosen() { chat_->mainchat->selectAll(); }

void MainWindow::onCopyChosen() {
    if (chat_->mainchat->textCursor().hasSelection()) chat_->mainchat->copy();
}

void MainWindow::onResetScreenLocation() { placer_.reset(); }

void MainWindow::onJustWatchChosen() {
    // The check mark follows the host's answer, never the click.
    action("JustWatch1")->setChecked(justWatching_);
    const int seat = identity().myseat;
    if (seat >= 1 && seat <= kSeatCount) session().send(encode(JustWatchRequest{seat, justWatching_ ? "2" : "1"}));
}

void MainWindow::setJustWatchChecked(bool checked) {
    justWatching_ = checked;
    action("JustWatch1")->setChecked(checked);
}

void MainWindow::onViewTallyChosen() {
    if (!tally_) return;
    tally_->loadchecklist(otherPlayers());
    presentSideWindow(tally_, this);
}

void MainWindow::showSpyList() {
    syncSpyList();
    presentSideWindow(spylist_.get(), this);
}

void MainWindow::showPhraseList() {
    // Opened over the game first; the fields are then filled from the settings.
    presentSideWindow(phraseEditor_.get(), this);
    phraseEditor_->showPhraseList();
}


// ---- Preferences in view ---------------------------------------------------------------------

void MainWindow::loadinifile() {
    store_.load();
    // The saved place is the run's starting place: a later login (File > Host or Join) must
    // not take the window away from where the user has put it since.
    if (!placed_) {
        placed_ = true;
        placer_.placeAt(savedGeometry());
    }
    applyPreferences();
    // Older hosts and ours take no action on it; it tells the host the hosting user's pace.
    if (identity().myseat == 1 && identity().loggedin) session().send(encode(BotSpeedRequest{1, store_.prefs().botspeed}));
}

void MainWindow::setPreferences(const Preferences& prefs) {
    store_.prefs() = prefs;
    applyPreferences();
}

void MainWindow::checkRadio(const char* group, int value) {
    for (const MenuRow& row : menuRows())
        if (row.group == std::string_view(group) && row.tag == value) action(row.name)->setChecked(true);
}

void MainWindow::applyPreferences() {
    const Preferences& p = store_.prefs();
    for (const MenuRow& row : menuRows())
        if (row.flag) action(row.name)->setChecked(p.*row.flag);
    checkRadio("TurnSound1", p.turnsound);
    checkRadio("BotLevel1", p.botlevel);
    launcher_.applyBotLevel();
    // A speed the menu does not offer shows as Normal; a size it does not offer changes nothing.
    checkRadio("BotSpeed1", p.botspeed == 1500 || p.botspeed == 500 ? p.botspeed : 1000);
    checkRadio("TextSize1", p.textsize);
    chat_->applyPreferences();
    panel_->setAnimations(p.animations);
    session().setNewTurnSound(p.turnsound == Preferences::kTurnSoundNew);
    gamestart_->showKept(p.options);
    record_->setLogShown(p.showgamelog);
}

QRect MainWindow::savedGeometry() const {
    const Preferences& p = store_.prefs();
    return {p.winleft, p.wintop, p.winwidth, p.winheight};
}

void MainWindow::rememberGeometry() {
    const std::optional<QRect> kept = placer_.moved(savedGeometry());
    if (!kept) return;
    Preferences& p = store_.prefs();
    p.winleft = kept->left();
    p.wintop = kept->top();
    p.winwidth = kept->width();
    p.winheight = kept->height();
    saveinifile();
}

// ---- Closing ------------------------------------------------------------------------------------

void MainWindow::saveTally() {
    // Saved after every game, not only at exit: a program killed later must not lose the game.
    if (tally_) store_.tallySaved(tally_->save(), tally_->tallyFilePath());
}

void MainWindow::saveAtExit() {
    if (savedAtExit_) return;
    savedAtExit_ = true;
    store_.setClosing(unattended_);
    rememberGeometry();
    saveTally();
}

void MainWindow::closeUnattended() {
    unattended_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!savedAtExit_ && !mayLeaveGame()) {
        event->ignore();
        return;
    }
    saveAtExit();
    event->accept();
    emit closed();
}

} // namespace quadrino
