// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board panel of the main window ("panel_board"): the board with its pawns, dice and
// markers, the players' names, the progress bars, the rule labels and the log and status
// lines. A view of the table model: it draws the model's picture and reports the user's clicks
// and keys to the model's writer (table::TableActions); it never changes the model and keeps no
// game state of its own.
//
// Controls are built from the placement table and carry their game names as objectName.
#include <QLabel>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <string>

#include "table/table_actions.h"
#include "table/table_model.h"
#include "windows/menu_target.h"

class QMenu;
class QAction;
class QPainter;

namespace quadrino {

class BoardMotion;
class MotionLayer;

// A picture control that reports clicks: clicked() for a left button released over it,
// mouseReleased() for any button (the pawns react to every button).
class BoardImage : public QLabel {
    Q_OBJECT
public:
    explicit BoardImage(QWidget* parent = nullptr);

    // Veiled, it draws nothing yet still takes clicks: a pawn whose picture is on its way
    // there stays clickable where the model has it.
    void setVeiled(bool veiled);
    bool veiled() const { return veiled_; }

signals:
    void clicked();
    void mouseReleased(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
    bool veiled_ = false;
};

class TablePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSeats = table::kSeatCount;
    static constexpr int kMarkers = table::kMoveCodeCount;

    TablePanel(const table::TableModel& model, table::TableActions& actions, QWidget* parent = nullptr);
    ~TablePanel() override;

    // The panel's size at scale 1, the window's default size.
    static constexpr QSize kBaseSize{781, 512};

    // Draws the model's picture again (after an announcement or a click changed it).
    void render();

    // Shows the whole panel `scale` times its default size: every control, font and picture,
    // the pictures rendered afresh for the new size.
    void setScale(qreal scale);
    qreal scale() const { return scale_; }

    // ---- The board's input, also reachable without a mouse ----------------------------
    void onDiceClicked();
    void onPawnReleased(int seat, int pawn, Qt::MouseButton button);
    void onMarkerClicked(int code);
    void onPassClicked(int seat);
    void onStartClicked(); // also File > "Start Game"
    void onErrorClosed();
    void onQuestionAnswered(bool botPlays);
    // Prepares popup_kick for the name label of a seat before it opens.
    void prepareSeatMenu(int seat);
    void onSeatMenuChosen(table::SeatMenuEntry entry);

    QMenu* popupKick() const { return popupKick_; }

    // Moves shown as they happen (glides, the last-move trace, rolling dice), or at once.
    void setAnimations(bool on);
    bool animations() const;
    const BoardMotion& motion() const { return *motion_; }
    BoardMotion& motion() { return *motion_; }
    // Where a pawn's picture is now (scale 1): on its way while it glides, else where the model has it.
    QPointF drawnPawnSpot(int seat, int pawn) const;

    // The board's own keys go to this control ("panel_theboard") while it has the focus.
    QWidget* boardFocus() const;
    // A key on the board: true when the board took it.
    bool onBoardKey(int key, Qt::KeyboardModifiers modifiers);

signals:
    // The logo was clicked: open the maker's web site.
    void logoClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void setupKeys();
    void renderAccess(const table::TableState& s);
    void showFocusRing(bool shown);
    QWidget* create(const std::string& name, QWidget* parent);
    void configureBoard();
    void configureSide();
    void configureRuleLabels();
    void buildSeatMenu();
    void drawPictures();
    void afterInput();
    void onWarningFrame();

    void renderSeats(const table::TableState& s);
    void renderPawns(const table::TableState& s);
    void renderDice(const table::TableState& s);
    void renderMarkers(const table::TableState& s);
    void renderTokens(const table::TableState& s);
    void renderTexts(const table::TableState& s);
    // A rule label ("Passing: ON") in the user's language.
    static QString ruleText(const std::string& rule);
    void renderWarning(const table::TableState& s);
    QPoint pawnPosition(int seat, int pawn, const table::PawnView& p) const;
    // Moves the eye can follow (table_panel_motion.cpp).
    void buildMotion();
    void renderGlides();
    void paintTrace(QPainter& painter) const;
    void paintGlides(QPainter& painter) const;

    template <typename T = QWidget> T* control(const std::string& name) const;

    const table::TableModel& model_;
    table::TableActions& actions_;
    qreal scale_ = 1.0;
    QTimer* redraw_ = nullptr;
    std::map<std::string, QWidget*> controls_;

    table::Numbered<table::Numbered<BoardImage*, table::kPawnCount>, kSeats> pieces_{};
    table::Numbered<BoardImage*, 2> dice_{};
    table::Numbered<int, 2> drawnFace_{{-1, -1}}; // what the dice pictures show, to draw only changes
    table::Numbered<BoardImage*, kMarkers> grays_{};
    table::Numbered<BoardImage*, table::kBonusSlots> bonus_{};
    table::Numbered<int, 2> drawnExtra_{{-1, -1}}; // faces on the extra dice, image_bonus3 and 4
    BoardImage* warning_ = nullptr;
    BoardMotion* motion_ = nullptr;
    MotionLayer* traceLayer_ = nullptr; // the last move, under the pawns
    MotionLayer* glideLayer_ = nullptr; // the pawns on their way, over them
    QRegion glideDrawn_;                // where they were last painted
    QTimer* warningTimer_ = nullptr;

    QMenu* popupKick_ = nullptr;
    int menuSeat_ = 0; // the seat whose name label opened popup_kick
    MenuTarget menuTarget_; // and the name it showed then

    QWidget* focusRing_ = nullptr; // around the board while the keyboard drives it
    int logLinesAnnounced_ = 0;    // the log line last told to assistive technology
    std::string logAnnounced_;     // and its text
};

// In the header: the panel's drawing and input live in several files, and each needs it.
template <typename T> T* TablePanel::control(const std::string& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : qobject_cast<T*>(found->second);
}

} // namespace quadrino
