// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window (objectName "chat"): the frame, the main menu and the layout of the board
// panel with the chat beside it. The game connection and the client's picture of the game
// live in the ClientSession; the user's choices in Preferences, which the menus edit. In a
// hosting copy the window also keeps the host itself.
#include <QMainWindow>
#include <QStringList>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/client_session.h"
#include "app/launch.h"
#include "chat/chatter_sounds.h"
#include "chat/sound_player.h"
#include "settings/preferences.h"
#include "settings/settings_location.h"

class QAction;
class QMenu;
class QToolButton;

namespace quadrino {

class ChatEntry;
class ChatPane;
class HostServer;
class PhraseButtons;
class PhraseEditor;
class SpyListWindow;
class TablePanel;
class GameOptionsDialog;
class TallyWindow;

// The maker's web site, opened by the logo.
inline constexpr const char* kMakerWebsite = "http://www.kestrun.com";

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 782;
    static constexpr int kClientHeight = 516;
    // The smallest client area still shows every control, at 0.6 of the default size: a
    // window that fits a 1024 x 600 screen at 150%.
    static constexpr int kMinClientWidth = 470;
    static constexpr int kMinClientHeight = 310;
    static constexpr const char* programname = "quadrino";

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Decides and starts the launch mode (run once, when the window is first shown).
    void processparams(const LaunchPlan& plan);
    void hostpress();
    void joinpress();
    // File > "Host Network Game..." and "Join Network Game...": leave the current game and
    // host or join as the command line would, without a restart. The menu entries open a
    // dialog whose acceptance calls these.
    void hostNetworkGame(const QString& name, quint16 port);
    void joinNetworkGame(const QString& name, const QString& address, quint16 port);

    // Message boxes ("Game is full", "You are not connected", ...); tests replace the box.
    void setMessageBox(std::function<void(const QString&)> show);
    // Yes/no questions ("A game is in progress. Start a new game?"); tests replace the box.
    void setQuestionBox(std::function<bool(const QString&)> ask) { questionBox_ = std::move(ask); }
    // A choice among a few ways on: the box shows the text and one button per choice, and
    // calls `chosen` with the index picked (-1 when closed without a choice). Tests replace it.
    using ChoiceBox = std::function<void(const QString& text, const QStringList& choices, std::function<void(int)> chosen)>;
    void setChoiceBox(ChoiceBox box) { choiceBox_ = std::move(box); }
    // Where game sounds go; the window keeps the player.
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
    // The tally window to count games in; not owned. Without one, games are not tallied.
    void setTally(TallyWindow* tally);
    // The settings file this run reads and writes (the phrase editor stores its texts there).
    void setSettingsFile(const std::filesystem::path& path) { settingsFile_ = path; }
    const std::filesystem::path& settingsFile() const { return settingsFile_; }
    // Monotonic milliseconds for the phrase buttons' lock and the chatter sounds' spacing;
    // the default is the time since the window was made.
    void setClock(std::function<qint64()> clock);

    // One chat-pane line; the text starts with its kind ("0+" for the client's own notices).
    void addlinetochat(const QString& text, BgrColour colour);
    // A game sound by name, when sounds are on.
    void playsounds(const QString& name);
    // A chatter sound relayed by the host ("seat+waveN+"): played when chatter sounds are on,
    // otherwise told in one system line; ignored unless it names one of the twenty chatter
    // sounds and its sender has not had one in the last second.
    void playasound(const QString& relayed);
    // End of a game that a single seat won: "addtomine" or the winner's name.
    void addgame(const QString& winner);

    // ---- Menu handlers -----------------------------------------------------------------
    void onStartGameChosen();
    void onHostNetworkGameChosen();
    void onJoinNetworkGameChosen();
    void onPlaySoundsToggled();
    void onChatterSoundsToggled();
    void onTurnSoundChosen(QAction* entry);
    void onBotSpeedChosen(QAction* entry);
    void onBotLevelChosen(QAction* entry);
    void onTextColorChosen();
    void onTextSizeChosen(QAction* entry);
    void onScrollChatOffToggled();
    void onClearChatChosen();
    void onResetScreenLocation();
    void onJustWatchChosen();
    void onViewTallyChosen();
    // View > "Spy List" and View > "Phrase List".
    void showSpyList();
    void showPhraseList();
    // An entry of the chatter sound menu (0 is "<Cancel>").
    void onChatterSoundChosen(int number);
    // Enter in the chat entry box.
    void sendit();
    // F6: the focus from the board to the chat entry box, from anywhere else to the board.
    void toggleBoardChatFocus();

    // Where the settings file lives (and whether it can be written). Without one the window
    // keeps its choices for this run only. A location that cannot be written is said once
    // in the chat.
    void setSettingsLocation(const SettingsLocation& location);
    // The settings file: read when the host announces this client's own connection, written
    // whenever a preference changes.
    void loadinifile();
    void saveinifile();
    // Takes preferences read from elsewhere and shows them in the menus, the chat and the table.
    void setPreferences(const Preferences& prefs);

    // ---- State for the tests and the entry point ----------------------------------------
    const Preferences& preferences() const { return prefs_; }
    const ClientIdentity& identity() const { return session_.identity(); }
    ClientSession& session() { return session_; }
    const QString& hostaddress() const { return hostaddress_; }
    BgrColour systemcolor() const { return kSystemColour; }
    LaunchMode launchMode() const { return plan_.mode; }
    HostServer* hostServer() const { return host_.get(); }
    TablePanel* panel() const { return panel_; }
    ChatPane* mainchat() const { return mainchat_; }
    PhraseButtons* phraseButtons() const { return phrases_; }
    SpyListWindow* spyList() const { return spylist_; }
    PhraseEditor* phraseEditor() const { return phraseEditor_; }
    QMenu* chatterSoundMenu() const { return popupSounds_; }
    GameOptionsDialog* gameOptions() const { return gamestart_; }
    QStringList spyEntries() const;
    int saveCount() const { return saveCount_; }
    // The connection to the lobby program (never read or written).
    const QTcpSocket& lobbyLink() const { return sock11_; }
    // Names on the other seats' name labels: the players of the current game but the user.
    QStringList otherPlayers() const;
    // The window's outer geometry that the settings keep (wintop, winleft, winwidth, winheight).
    QRect savedGeometry() const { return {prefs_.winleft, prefs_.wintop, prefs_.winwidth, prefs_.winheight}; }
    // Saves what must survive the run (settings when the window moved, the tally); once.
    void saveAtExit();
    // A close asked for by a signal or the end of the desktop session: nobody may be there
    // to answer a box, so failed saves are logged instead.
    void closeUnattended();

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupKeys();
    void buildMenus();
    void buildOptionsMenu(QMenu* options);
    void buildChat();
    void buildChatMenus();
    void buildChatterSoundMenu();
    void buildSideWindows();
    // Scales the board, panels and chat to the client area's size.
    void layoutClient();
    void syncSpyList();
    qint64 now() const { return clock_ ? clock_() : sinceStart_.elapsed(); }
    void connectSession();
    void showGameOptions();
    void setJustWatchChecked(bool checked);
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption);
    void rememberGeometry();
    void applyPreferences();
    void showMessage(const QString& text);
    void placeWindow();
    void applyBotLevel();
    QSize fitScreen(QSize size, QPoint at, QSize frame = QSize()) const;
    void reportSaveFailure(const QString& text);
    void saveTally();
    void leaveGame();
    // Asks before a game in progress is left; true when it may be (or there is none).
    bool mayLeaveGame();
    // Listening failed: says why and, when the port is taken, offers the ways on.
    void cannotHost();
    // Bot Speed and Bot Level: usable only where this copy runs the host.
    void updateHostOnlyEntries();
    void onHostingChanged(bool hosting);
    void onConnectionClosed();
    void onGameFull();
    void onConnectFailed(const QString& reason);

    Preferences prefs_;
    ClientSession session_;
    QString hostaddress_;
    LaunchPlan plan_;

    QTcpSocket sock11_;
    std::unique_ptr<HostServer> host_;
    std::unique_ptr<SoundPlayer> sound_;
    std::function<void(const QString&)> messageBox_;
    std::function<bool(const QString&)> questionBox_;
    ChoiceBox choiceBox_;

    QWidget* client_ = nullptr;
    TablePanel* panel_ = nullptr;
    ChatPane* mainchat_ = nullptr;
    ChatEntry* mychat_ = nullptr;
    QToolButton* smilies_ = nullptr;
    PhraseButtons* phrases_ = nullptr;
    GameOptionsDialog* gamestart_ = nullptr;
    std::unique_ptr<QWidget> gamestartOwner_;
    // Side windows of their own, made with the window and shown and hidden until exit.
    SpyListWindow* spylist_ = nullptr;
    std::unique_ptr<QWidget> spylistOwner_;
    PhraseEditor* phraseEditor_ = nullptr;
    std::unique_ptr<QWidget> phraseEditorOwner_;
    std::filesystem::path settingsFile_;

    ChatterSoundGate chatterGate_;
    QElapsedTimer sinceStart_;
    std::function<qint64()> clock_;
    TallyWindow* tally_ = nullptr;

    QAction* startGame1_ = nullptr;
    QAction* playSounds1_ = nullptr;
    QAction* playChatterSounds1_ = nullptr;
    QAction* scrollChatOff2_ = nullptr;
    QAction* scrollChatOffPopup_ = nullptr;
    QAction* justWatch1_ = nullptr;
    QAction* botSpeed1_ = nullptr;
    QAction* botLevel1_ = nullptr;
    QMenu* popupMainchat_ = nullptr;
    QMenu* popupSmilies_ = nullptr;
    QMenu* popupSounds_ = nullptr;

    bool justWatching_ = false; // the host's last word on the own seat
    int saveCount_ = 0;
    bool savedAtExit_ = false;
    bool started_ = false;

    std::optional<SettingsLocation> settings_;
    // The geometry the window was put at after a load, when the stored one was on no screen:
    // the stored values stay until the user moves the window away from it.
    QRect substituteGeometry_;
    bool closing_ = false;
    bool unattended_ = false;
    bool closeFailureShown_ = false;
    bool tallyFailureShown_ = false;
    // A game chosen from the File menu: a closed connection or a full game leaves the window
    // open to try again, where a launched game ends with its connection.
    bool fromMenu_ = false;
    quint16 joinPort_ = kGamePort;
    // The port this copy hosts on: the launch's, then the Host dialog's.
    quint16 hostPort_ = kGamePort;
    // The local port of this window's own connection to its host; 0 when it has none.
    quint16 ownClientPort_ = 0;
    // The saved place and size are applied once per run, at the first load of the settings.
    bool placed_ = false;
};

} // namespace quadrino
