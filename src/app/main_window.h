#pragma once
// The main window `Tchat` (objectName "chat"): the board panel with the chat beside it, the
// main menu, the client side of the game connection and, in a hosting copy, the host itself.
#include <QMainWindow>
#include <QStringList>
#include <QTcpSocket>
#include <functional>
#include <memory>
#include <string>

#include "app/launch.h"
#include "chat/sound_player.h"
#include "net/client_connection.h"
#include "table/table_hooks.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QToolButton;

namespace quadrino {

class ChatPane;
class HostServer;
class TablePanel;
class Tgamestart;
class Ttallylist;

// The maker's web site, opened by the logo.
inline constexpr const char* kMakerWebsite = "http://www.kestrun.com";

class Tchat : public QMainWindow, public TableHooks {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 782;
    static constexpr int kClientHeight = 516;
    static constexpr int kMinClientWidth = 782;  // the board panel plus one pixel each way
    static constexpr int kMinClientHeight = 513;
    static constexpr int defaultwidth = 795;
    static constexpr int defaultheight = 562;
    static constexpr const char* programname = "quadrino";

    explicit Tchat(QWidget* parent = nullptr);
    ~Tchat() override;

    // Decides and starts the launch mode (run once, when the window is first shown).
    void processparams(const LaunchPlan& plan);
    void hostpress();
    void joinpress();

    // Message boxes ("Game is full", "You are not connected", ...); tests replace the box.
    void setMessageBox(std::function<void(const QString&)> show);
    // Where game sounds go; the window keeps the player.
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
    // The tally window to count games in; not owned. Without one, games are not tallied.
    void setTally(Ttallylist* tally);

    // ---- TableHooks --------------------------------------------------------------------
    void addlinetochat(const QString& text, BgrColour colour) override;
    void playsounds(const QString& name) override;
    void sendToHost(const std::string& message) override;
    void addgame(const QString& winner) override;
    void setJustWatchChecked(bool checked) override;
    void spyListAdd(const QString& entry) override;
    bool spyListRemove(const QString& entry) override;
    void showGameOptions() override;
    void settingsReload() override;
    int turnSound() const override;
    void openWebsite() override;

    // ---- Menu handlers -----------------------------------------------------------------
    void StartGame1Click();
    void Exit1Click();
    void PlaySounds1Click();
    void PlayChatterSounds1Click();
    void Classic1Click(QAction* entry);
    void Fast1Click(QAction* entry);
    void TextColor1Click();
    void N14Click(QAction* entry);
    void ScrollChatOff1Click();
    void ClearMainChat1Click();
    void ResetScreenLocation1Click();
    void JustWatch1Click();
    void ViewTally1Click();
    void sendit();

    // The settings file: reading it on login and writing it on change. Both do nothing for
    // now; the menus keep their built-in states until the settings file is wired in.
    void loadinifile();
    void saveinifile();

    // ---- State for the panel, the tests and the entry point ----------------------------
    const ClientIdentity& identity() const { return identity_; }
    const QString& hostaddress() const { return hostaddress_; }
    const std::string& loginname() const { return loginname_; }
    BgrColour systemcolor() const { return kSystemColour; }
    BgrColour chatColour() const { return chatColour_; }
    LaunchMode launchMode() const { return plan_.mode; }
    ClientConnection& connection() { return connection_; }
    HostServer* hostServer() const { return host_.get(); }
    TablePanel* panel() const { return panel_; }
    ChatPane* mainchat() const { return mainchat_; }
    Tgamestart* gameOptions() const { return gamestart_; }
    const QStringList& spyEntries() const { return spys_; }
    int saveCount() const { return saveCount_; }
    // The connection to the lobby program (never read or written).
    const QTcpSocket& lobbyLink() const { return sock11_; }
    // Names on the other seats' name labels: the players of the current game but the user.
    QStringList otherPlayers() const;
    // The window's outer geometry that the settings keep (wintop, winleft, winwidth, winheight).
    QRect savedGeometry() const { return {winleft_, wintop_, winwidth_, winheight_}; }
    // Saves what must survive the run (settings when the window moved, the tally); once.
    void saveAtExit();

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildChat();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption);
    void onMessage(const std::string& entry);
    void sendlogininfo(std::string_view body);
    void FormClose();
    void showMessage(const QString& text);

    ClientIdentity identity_;
    QString hostaddress_;
    std::string loginname_;
    LaunchPlan plan_;
    BgrColour chatColour_ = kBlack;

    ClientConnection connection_;
    QTcpSocket sock11_;
    std::unique_ptr<HostServer> host_;
    std::unique_ptr<SoundPlayer> sound_;
    std::function<void(const QString&)> messageBox_;

    TablePanel* panel_ = nullptr;
    ChatPane* mainchat_ = nullptr;
    QLineEdit* mychat_ = nullptr;
    QToolButton* smilies_ = nullptr;
    Tgamestart* gamestart_ = nullptr;
    std::unique_ptr<QWidget> gamestartOwner_;
    Ttallylist* tally_ = nullptr;
    QStringList spys_;

    QAction* startGame1_ = nullptr;
    QAction* playSounds1_ = nullptr;
    QAction* playChatterSounds1_ = nullptr;
    QAction* turnSound1_ = nullptr;
    QAction* botSpeed1_ = nullptr;
    QAction* scrollChatOff2_ = nullptr;
    QAction* scrollChatOffPopup_ = nullptr;
    QAction* justWatch1_ = nullptr;
    QMenu* popupMainchat_ = nullptr;
    QMenu* popupSmilies_ = nullptr;

    int wintop_ = 0, winleft_ = 0, winwidth_ = 0, winheight_ = 0;
    int saveCount_ = 0;
    bool savedAtExit_ = false;
    bool started_ = false;
};

} // namespace quadrino
