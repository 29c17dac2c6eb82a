// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's side of one game connection: the connection itself, who this client is (its
// name, connection number and login), the table model, and the dispatch of every message the
// host sends. Announcements of the game go to the table model; what the model answers, and
// the messages that are not the table's, come out as signals for the window, the chat pane
// and the sounds. The session is the table model's one writer: the board panel reports the
// user's clicks and keys here (table::TableActions) and everybody else reads. Needs no window.
#include <QObject>
#include <QTimer>
#include <QString>
#include <memory>
#include <string>

#include "net/client_connection.h"
#include "protocol/colour_text.h"
#include "table/client_identity.h"
#include "table/table_actions.h"
#include "table/table_model.h"

namespace quadrino {

struct SeatKey;

class ClientSession : public QObject, public table::TableActions {
    Q_OBJECT
public:
    explicit ClientSession(std::uint32_t diceSeed, QObject* parent = nullptr);
    ~ClientSession() override;

    // The user's name, sent at login in Windows-1252.
    void setMyName(const QString& name);
    // The hosting user may start games and remove players. A hosting copy says so before its
    // client logs in; after the login it is whoever holds number 1, so the owner of a
    // dedicated host has the same rights as a hosting copy.
    void setHosting(bool hosting);
    // A host that has not taken the login within the login timeout (10 s unless set) is given
    // up, whether the connection was never made or made to something that never answers.
    // A relayed game's `preamble` (its ticket) goes first on the connection.
    void connectToHost(const QString& address, quint16 port, const std::string& preamble = {});
    // The hosting copy's own client: to the host in this process, from a local port the
    // host can recognise. Returns that port, 0 when none could be had.
    quint16 connectToOwnHost(quint16 port);
    void setLoginTimeout(int ms) { loginTimer_.setInterval(ms); }
    // Asks the host at login for a seat key, so that this client can sit down in its seat
    // again after its connection drops (a game joined from the menus).
    void setMayRejoin(bool may) { mayRejoin_ = may; }
    // Whether the host handed this client a key it still holds: a dropped connection may
    // then be won back with rejoin(). A removal, a leave or an older host leave none.
    bool canRejoin() const { return !seatKey_.empty(); }
    // Connects again to the host last connected to and offers the key before logging in.
    // The table keeps its picture until the host answers; the key stays until it is used.
    void rejoin();
    // The same by another way to the same game: a relayed game's ticket is good once, so
    // every attempt to get back takes a fresh route from the lobby.
    void rejoin(const QString& address, quint16 port, const std::string& preamble);
    // Leaves the current game: drops the connection without reporting a close, forgets the
    // login and seat and clears the table. The name and the turn sound setting stay.
    void reset();

    // One whole message for the host; dropped unless logged in.
    void send(const std::string& message);

    // ---- What the user did on the board, and the table's other inputs ------------------
    // Each is handed to the table model and its answer carried out before returning.
    table::Outcome clickDice() override;
    table::Outcome clickPawn(int seat, int pawn, bool rightButton) override;
    table::Outcome clickMarker(int code) override;
    table::Outcome clickPass(int seat) override;
    table::Outcome clickStart() override;
    table::Outcome closeError() override;
    table::Outcome closeSummary();
    table::Outcome answerQuestion(bool botPlays) override;
    table::Outcome pressKey(table::BoardKey key) override;
    table::Outcome chooseSeatMenu(table::SeatMenuEntry entry, int seat) override;
    bool advanceWarning() override;
    // Asks the host to remove connection `number` (hosting user only).
    table::Outcome kick(int number);
    // The turn sound setting: classic ("turn") or new ("turnnew").
    void setNewTurnSound(bool on);

    const ClientIdentity& identity() const { return identity_; }
    const std::string& loginname() const { return loginname_; }
    const table::TableModel& table() const { return table_; }
    ClientConnection& connection() { return connection_; }
    // The host's own chat line when it was the last message received, or why the client cut
    // the host off; else empty.
    const QString& lastNotice() const { return lastNotice_; }

signals:
    void tableChanged();
    // A line for the chat pane; the text starts with its kind ("0+" for own notices).
    void chatLine(const QString& text, quadrino::BgrColour colour);
    // The data of a relayed CMD_chat or CMD_action.
    void chatReceived(const QString& data);
    void soundRequested(const QString& name);
    // Lines the game log gained, in order.
    void gameLogged(const std::vector<quadrino::table::LogLine>& lines);
    // The data of a relayed CMD_playasound, unchecked: the sender, "+", the sound name, "+".
    void chatterSoundReceived(const QString& data);
    void justWatchChanged(bool checked);
    // A single seat won: "addtomine" or the winner's name.
    void gameWon(const QString& winner);
    // The host announced this client's own connection.
    void ownArrival();
    // Whether this client is the hosting user changed (see setHosting).
    void hostingChanged(bool hosting);
    void gameOptionsWanted();
    void messageBoxWanted(const QString& text);
    // The host refused the login: every seat is taken.
    void gameFull();
    // The connection has closed.
    void closed();
    // A connection made by rejoin() has been taken by the host.
    void rejoined();
    // The connection to the host could not be made; `reason` in plain words.
    void connectFailed(const QString& reason);

private:
    void onMessage(const std::string& entry);
    void sendlogininfo(int seat);
    void takeSeatKey(const SeatKey& key);
    void notice(const QString& text);
    void giveUp(const QString& reason, bool drop);
    // Carries out what the table model answered to a click or an announcement.
    table::Outcome apply(table::Outcome out);

    ClientIdentity identity_;
    std::string loginname_;
    table::TableModel table_; // after identity_, which it reads
    QTimer loginTimer_;
    bool awaitingLogin_ = false;
    QString lastNotice_;
    bool mayRejoin_ = false;
    bool rejoining_ = false;
    std::string seatKey_; // Windows-1252 as the host sent it; empty: none
    int keySeat_ = 0;     // the number the key belongs to
    QString hostAddress_;
    quint16 hostPort_ = 0;
    ClientConnection connection_;
};

} // namespace quadrino
