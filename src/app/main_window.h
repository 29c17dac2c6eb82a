// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window (objectName "chat"): the frame, the menus and the layout of the board panel
// with the chat beside it. Hosting, joining and leaving belong to the GameLauncher, the user's
// choices and their file to the PreferencesStore, what the user says to the ChatSender; the
// window asks them and shows what they report.
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/dialog_boxes.h"
#include "app/game_launcher.h"
#include "app/game_record_view.h"
#include "app/preferences_store.h"
#include "app/window_place.h"
#include "chat/chat_area.h"
#include "windows/side_windows.h"

namespace quadrino {

struct MenuRow;
class GameOptionsDialog;
class LobbyWindow;
class PhraseEditor;
class SpyListWindow;
class TablePanel;
class TallyWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 782, kClientHeight = 516;
    // The smallest client area still shows every control, at 0.6 of the default size: a
    // window that fits a 1024 x 600 screen at 150%.
    static constexpr int kMinClientWidth = 470, kMinClientHeight = 310;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Decides and starts the launch mode (run once, when the window is first shown).
    void processparams(const LaunchPlan& plan) { launcher_.processparams(plan); }

    // The boxes that tell and ask the user; tests replace them.
    void setMessageBox(MessageBox show) { messageBox_ = std::move(show); }
    void setQuestionBox(QuestionBox ask) { questionBox_ = std::move(ask); }
    void setChoiceBox(ChoiceBox box) { choiceBox_ = std::move(box); }
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player) { chat_->setSoundPlayer(std::move(player)); }
    // The tally window to count games in; not owned. Without one, games are not tallied.
    void setTally(TallyWindow* tally) { tally_ = tally; }
    void setSettingsLocation(const SettingsLocation& location) { store_.setLocation(location); }
    // The file the phrase editor stores its texts in (the settings file of setSettingsLocation).
    void setSettingsFile(const std::filesystem::path& path) { store_.setPhrasesFile(path); }
    // Monotonic milliseconds for the phrase lock and the chatter sounds' spacing.
    void setClock(std::function<qint64()> clock) { chat_->setClock(std::move(clock)); }

    void addlinetochat(const QString& text, BgrColour colour) { chat_->addlinetochat(text, colour); }
    void playsounds(const QString& name) { chat_->playsounds(name); }
    void playasound(const QString& relayed) { chat_->playasound(relayed); }
    void sendit() { chat_->sendit(); }
    // End of a game that a single seat won: "addtomine" or the winner's name.
    void addgame(const QString& winner);
    // The settings file: read when the host announces this client's own connection, written
    // whenever a preference changes.
    void loadinifile();
    void saveinifile() { store_.save(); }
    // Takes preferences read from elsewhere and shows them in the menus, the chat and the table.
    void setPreferences(const Preferences& prefs);

    // ---- Menu handlers (the entries are the rows of main_menu.cpp) ----------------------
    // An entry chosen: its handler, or the preference it edits, saved and shown.
    void onMenuEntry(const MenuRow& row);
    void onStartGameChosen();
    void onHostNetworkGameChosen();
    void onJoinNetworkGameChosen();
    // File > "Play Online...": the lobby window, made on first use and kept for the run.
    void onPlayOnlineChosen();
    void onReconnectChosen() { launcher_.reconnect(); }
    void onExitChosen() { close(); }
    void onTextColorChosen();
    void onScrollChatOffToggled();
    void onClearChatChosen();
    void onResetScreenLocation();
    void onJustWatchChosen();
    void onSaveGameLogChosen() { record_->saveLog(); }
    void onViewTallyChosen();
    void showSpyList();
    void showPhraseList();
    void onHelpChosen() { showHelp(this); }
    void onAboutChosen() { showAbout(this); }
    void onSelectAllChosen();
    void onCopyChosen();
    // F6: the focus from the board to the chat entry box, from anywhere else to the board.
    void toggleBoardChatFocus();

    // ---- State for the tests and the entry point ----------------------------------------
    GameLauncher& launcher() { return launcher_; }
    ClientSession& session() { return launcher_.session(); }
    const ClientIdentity& identity() const { return launcher_.session().identity(); }
    const Preferences& preferences() const { return store_.prefs(); }
    int saveCount() const { return store_.saveCount(); }
    TablePanel* panel() const { return panel_; }
    ChatPane* mainchat() const { return chat_->mainchat; }
    PhraseButtons* phraseButtons() const { return chat_->phrases; }
    SpyListWindow* spyList() const { return spylist_.get(); }
    PhraseEditor* phraseEditor() const { return phraseEditor_.get(); }
    LobbyWindow* lobbyWindow() const { return lobbyWindow_.get(); }
    QMenu* chatterSoundMenu() const { return chat_->popupSounds; }
    GameOptionsDialog* gameOptions() const { return gamestart_.get(); }
    // Names on the other seats' name labels: the players of the current game but the user.
    QStringList otherPlayers() const;
    // The window's outer geometry that the settings keep (wintop, winleft, winwidth, winheight).
    QRect savedGeometry() const;
    // Saves what must survive the run (settings when the window moved, the tally); once.
    void saveAtExit();
    // A close asked for by a signal or the end of the desktop session: nobody may be there
    // to answer a box, so failed saves are logged instead.
    void closeUnattended();

signals:
    void closed(); // the program ends

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectParts();
    void setupKeys();
    void layoutClient();
    void syncSpyList();
    void showGameOptions();
    void setJustWatchChecked(bool checked);
    void applyPreferences();
    void checkRadio(const char* group, int value);
    void showMessage(const QString& text) {
        if (messageBox_) messageBox_(text);
    }
    void rememberGeometry();
    void saveTally();
    void onGameLeft();
    // Asks before a game in progress is left; true when it may be (or there is none).
    bool mayLeaveGame();
    void updateHostOnlyEntries(bool hostHere);
    QAction* action(const char* name) const;

    PreferencesStore store_;
    GameLauncher launcher_;
    MessageBox messageBox_;
    QuestionBox questionBox_;
    ChoiceBox choiceBox_;

    QWidget* client_ = nullptr;
    TablePanel* panel_ = nullptr;
    ChatArea* chat_ = nullptr;
    GameRecordView* record_ = nullptr; // the game log pane and the summary over the board
    // Windows of their own, made with the window and shown and hidden until exit.
    std::unique_ptr<GameOptionsDialog> gamestart_;
    std::unique_ptr<SpyListWindow> spylist_;
    std::unique_ptr<PhraseEditor> phraseEditor_;
    std::unique_ptr<LobbyWindow> lobbyWindow_;

    TallyWindow* tally_ = nullptr;

    WindowPlacer placer_;
    bool justWatching_ = false; // the host's last word on the own seat
    bool savedAtExit_ = false, unattended_ = false;
    // The saved place and size are applied once per run, at the first load of the settings.
    bool placed_ = false;
};

} // namespace quadrino
