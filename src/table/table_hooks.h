#pragma once
// What the board panel needs from the main window around it. The panel handles the game's
// announcements and the user's clicks on the board; everything outside the board (chat pane,
// sounds, the connection, the tally, menus, side windows) is reached through these hooks.
#include <QString>
#include <string>

#include "protocol/colour_text.h"

namespace quadrino {

// The client's identity, owned by the main window and read by the board panel.
struct ClientIdentity {
    QString myname;       // "You" in a solo game
    int myseat = 0;       // connection number from CMD_sendlogininfo; 1..4 seats, above: spectator
    bool loggedin = false;
    bool amhost = false;
};

class TableHooks {
public:
    virtual ~TableHooks() = default;
    // One chat-pane line; the text starts with its kind ("0+" for the client's own notices).
    virtual void addlinetochat(const QString& text, BgrColour colour) = 0;
    // A game sound by its name in lower case ("entered", "turn", "turnnew", "dice", ...).
    virtual void playsounds(const QString& name) = 0;
    // One whole message (terminator included) for the host; only called while logged in.
    virtual void sendToHost(const std::string& message) = 0;
    // End of a game that a single seat won: "addtomine" or the winner's name.
    virtual void addgame(const QString& winner) = 0;
    // The check mark of Options > "Just Watch".
    virtual void setJustWatchChecked(bool checked) = 0;
    // Entries of the spy list, "N: Name".
    virtual void spyListAdd(const QString& entry) = 0;
    virtual bool spyListRemove(const QString& entry) = 0; // true when the entry was there
    // The start button was clicked while logged in: open the game options dialog.
    virtual void showGameOptions() = 0;
    // The host announced this client's own connection: read the settings file.
    virtual void settingsReload() = 0;
    // The turn sound setting: 0 classic ("turn"), 1 new ("turnnew").
    virtual int turnSound() const = 0;
    // The logo was clicked: open the maker's web site.
    virtual void openWebsite() = 0;
};

} // namespace quadrino
