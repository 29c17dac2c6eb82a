// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lobby advert shown at the start of a solo game: get The Kestrun Lobby, go on alone, or
// leave the game for the lobby.
//
// The download panel sends people to the lobby's download page in their own web browser.
// Nothing is ever downloaded or run by this program: a program fetched over plain HTTP and
// started silently could be anybody's.
#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

namespace quadrino {

// The name the lobby program is installed under on this platform.
inline constexpr const char* kLobbyProgramName = "kestrunlobby";

// The lobby program: "kestrunlobby" on the PATH, else the path set when this copy was built
// (if it is an executable file there); empty when there is none.
QString findLobbyProgram();

// The lobby's download page set when this copy was built; empty when none was set or it is
// not a web address (http or https).
QUrl lobbyDownloadPage();

class LobbyAdvert : public QDialog {
    Q_OBJECT
public:
    explicit LobbyAdvert(QWidget* parent = nullptr);

    // The page "Download And Install The Kestrun Lobby Now" opens. Only http and https
    // addresses are taken; anything else counts as none, which disables the button.
    void setDownloadPage(const QUrl& page);
    QUrl downloadPage() const { return page_; }

    // What "Play with Others" runs after starting the lobby: the main window's "Exit".
    void setExit(std::function<void()> exit);
    // What "Play with Others" opens where no lobby program is installed (the game's own lobby
    // window); without one it says where to find the lobby program.
    void setLobbyWindow(std::function<void()> open) { openLobbyWindow_ = std::move(open); }
    // Where messages go; tests replace the box.
    void setMessageBox(std::function<void(const QString&)> show);

    // "Download And Install The Kestrun Lobby Now": opens the download page in the browser.
    // "Stop Download" stays disabled: there is never a download of ours to stop.
    void onDownloadClicked();
    // "Play Solo Game": closes the advert.
    void onPlaySoloClicked();
    // "Play with Others": starts the lobby program and ends the game; without one, opens the
    // lobby window, or says how to find the lobby.
    void onPlayWithOthersClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showNoPage();

    QUrl page_;
    QPushButton* getbutton_ = nullptr;
    QPushButton* abortbutton_ = nullptr;
    QLabel* infolabel_ = nullptr;
    QLabel* infolabel3_ = nullptr;
    std::function<void()> exit_;
    std::function<void()> openLobbyWindow_;
    std::function<void(const QString&)> messageBox_;
};

} // namespace quadrino
