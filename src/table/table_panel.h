#pragma once
// The board panel of the main window ("panel_board"): the board with its pawns, dice and
// markers, the players' names, the progress bars, the rule labels and the log and status
// lines. It draws the host's game announcements and turns the user's clicks on the board into
// requests. Everything outside the board is reached through TableHooks.
//
// Controls carry their game names as objectName, and the state the game keeps in control
// tags and hints lives in the dynamic properties "tag" (int) and "hint" (QString).
#include <QLabel>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <string_view>

#include "host/random.h"
#include "protocol/catalogue.h"
#include "table/marker_rules.h"
#include "table/table_hooks.h"

class QMenu;
class QAction;
class QPushButton;

namespace quadrino {

// A picture control that reports clicks: clicked() for a left button released over it,
// mouseReleased() for any button (the pawns react to every button).
class BoardImage : public QLabel {
    Q_OBJECT
public:
    explicit BoardImage(QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseReleased(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

class TablePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSeats = 4;
    static constexpr int kMarkers = 12;

    TablePanel(TableHooks& hooks, ClientIdentity& identity, QWidget* parent = nullptr);
    ~TablePanel() override;

    // One announcement of the host, body without "CMD_word+" and terminator. False when the
    // command is not the board's (the main window handles it). A board command whose
    // numbers do not parse, or that names seats, pawns or squares the board does not have,
    // is ignored and still answers true.
    bool handle(ClientCommand cmd, std::string_view body);

    // The hosting copy shows the start button between games.
    void setHosting(bool hosting);
    // Message boxes go through here ("You are not connected"); tests replace it.
    void setMessageBox(std::function<void(const QString&)> show);

    // ---- Drawing operations ------------------------------------------------------------
    void clearall();
    void cleargrays();
    void cleardice(int n);
    void setbonus(int n, int value);
    void setprogress(int seat, int value);
    void setplayer(const QString& seat, const QString& flag);
    // Draws a pawn where its square says: nest, home spot or the square's own spot.
    void placePawn(int seat, int pawn, int square);

    // ---- Player input (the handlers of the board's controls) ---------------------------
    void dice_2Click();
    void piece_12MouseUp(int seat, int pawn, Qt::MouseButton button);
    void piece_gray1Click(int marker);
    void button_pass1Click(int seat);
    void button_startClick(); // also File > "Start Game"
    void Image3Click();
    void button_yesClick();
    void button_noClick();
    // Prepares popup_kick for the name label of a seat (enables its entries, sets its tag).
    void label_playername1ContextPopup(int seat);
    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    // "Remove From Game" of the player menu and of the spy list: asks the host to remove a
    // connection (hosting copy only).
    void kicking(int number);
    void Image2Click();

    // ---- The client mirror -------------------------------------------------------------
    int turnseat() const { return turnseat_; }
    int clientphase() const;
    bool canmove() const { return canmove_; }
    int boardpawn(int seat, int pawn) const;
    // What the marker rules read: pawns, die and bonus tags, blocking and pouncing tags.
    table::ClientMirror mirror() const;
    // Caption of a seat's name label ("<Waiting>", a bot's or a player's name).
    QString seatName(int seat) const;
    QMenu* popupKick() const { return popupKick_; }

private:
    // Announcement handlers.
    void newplayerinfo(std::string_view body);
    void playerdisconnected(std::string_view body);
    void startthegame(std::string_view body);
    void getnextplayer(std::string_view body);
    void hisdice(std::string_view body);
    void movehim(std::string_view body);
    void sendback(std::string_view body);
    void rollagain(std::string_view body);
    void nomoves(std::string_view body);
    void passing(std::string_view body);
    void gotpenalty(std::string_view body);
    void gotpenalty1(std::string_view body);
    void warning(std::string_view body);
    void aerror(std::string_view body);
    void winner(std::string_view body);
    void justwatching(std::string_view body);
    void removepegs(std::string_view body);
    void locations(std::string_view body);
    void morestats(std::string_view body);

    void build();
    void buildBoard(QWidget* board);
    void buildSide();
    void showDice(int die1, int die2);
    void drawDie(BoardImage* die, int face);
    void penaltyPawn(int seat, int pawn, int progress);
    void setOptionLabels(bool penalty, bool passing, bool blocking, bool pouncing, const QString& limit);
    void setTeamGame(bool on);
    void setClientphase(int phase);
    void setBoardPawn(int seat, int pawn, int square);
    void hideBonusTokens(int upTo, bool clearTags);
    void hideAll(const std::array<BoardImage*, kSeats>& images);
    void chat(const QString& text);
    void send(const std::string& message);
    void playTurnSound();
    bool isOwn(int seat) const { return seat == identity_.myseat; }
    void startWarning();
    void warningTick();

    TableHooks& hooks_;
    ClientIdentity& identity_;
    std::function<void(const QString&)> messageBox_;
    Random random_;

    int turnseat_ = 0;
    bool canmove_ = false;
    table::BoardPawns boardpawns_{};

    QWidget* panelTheboard_ = nullptr;
    BoardImage* theboard_ = nullptr;
    std::array<std::array<BoardImage*, 4>, kSeats> pieces_{};
    std::array<BoardImage*, 2> dice_{};
    std::array<BoardImage*, kMarkers> grays_{};
    std::array<BoardImage*, kSeats> turn_{};
    std::array<QLabel*, kSeats> names_{};
    std::array<BoardImage*, kSeats> eyes_{};
    BoardImage* x3_ = nullptr;
    BoardImage* x4_ = nullptr;
    std::array<BoardImage*, kSeats> winners_{};
    std::array<BoardImage*, kSeats> pass_{};
    std::array<QLabel*, kSeats> teams_{};
    std::array<BoardImage*, 8> bonus_{};
    BoardImage* buttonStart_ = nullptr;
    BoardImage* warning_ = nullptr;
    QTimer* warningTimer_ = nullptr;
    QWidget* panelError_ = nullptr;
    QLabel* labelError_ = nullptr;
    BoardImage* image3_ = nullptr;

    QWidget* panelBottakeover_ = nullptr;
    QLabel* labelBottakeover_ = nullptr;
    QPushButton* buttonYes_ = nullptr;
    QPushButton* buttonNo_ = nullptr;
    BoardImage* image2_ = nullptr;
    BoardImage* image1_ = nullptr;
    std::array<BoardImage*, kSeats> progress_{};
    QLabel* labelPenalty_ = nullptr;
    QLabel* labelPassing_ = nullptr;
    QLabel* labelBlocking_ = nullptr;
    QLabel* labelPouncing_ = nullptr;
    QLabel* labelTeamgame_ = nullptr;
    QLabel* labelLimit_ = nullptr;
    QLabel* labelLog_ = nullptr;
    QLabel* labelStatus_ = nullptr;

    QMenu* popupKick_ = nullptr;
    QAction* removeFromGame_ = nullptr;
    QAction* setToJustWatch_ = nullptr;
    QAction* unsetJustWatch_ = nullptr;
};

} // namespace quadrino
