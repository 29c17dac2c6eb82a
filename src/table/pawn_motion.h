// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves the eye can follow on the board panel: a moved pawn glides through the squares it
// passes, a pawn sent back travels to its nest, the last move stays traced on the board and
// the dice tumble for a moment after a roll.
//
// Only the picture lags: the table model has already changed, the pawns' controls stand (and
// take clicks) where the model says, and what moves is a drawing over them. Everything here
// follows the model by comparing each state the panel draws with the one drawn before.
#include <QObject>
#include <QPolygonF>
#include <QVariantAnimation>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "table/table_model.h"

namespace quadrino {

// Where a pawn's picture stands (scale 1, its top left): beside its partner when paired.
QPoint pawnSpot(int seat, int pawn, const table::PawnView& p);
// The spots (scale 1, the top left of the pawn's picture) a pawn of `seat` passes going from
// `from` to `to`: every square on its seat's way between them, the nest first when it enters.
// Two spots, a straight line, when `to` does not lie ahead of `from` on that way (back to the
// nest, or a board the host corrected).
QPolygonF glidePath(int seat, int pawn, const table::PawnView& from, const table::PawnView& to);
// The point `fraction` (0..1) of the way along `path`, measured by length.
QPointF pointAlong(const QPolygonF& path, qreal fraction);

class BoardMotion : public QObject {
    Q_OBJECT
public:
    static constexpr int kGlideMs = 300;
    static constexpr int kRollMs = 360;
    static constexpr int kRollFaceMs = 45; // each passing face of a rolling die

    struct Glide {
        int seat = 0;
        int pawn = 0;
        QPolygonF path;
        int beginMs = 0; // on the clock; a pawn sent back waits for the capturing one to land
        bool toNest = false;
    };
    // The latest move: the pawn, the square it reached and the way it took. No seat: none.
    struct LastMove {
        int seat = 0;
        int pawn = 0;
        int square = 0;
        QPolygonF path;
    };

    explicit BoardMotion(QObject* parent = nullptr);

    // Off, the picture shows every state at once: no glide, roll or mark.
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }

    // The state the panel is about to draw. Against the one drawn before it starts the glides
    // and the roll it calls for and moves the last-move mark; a new move ends the glides
    // still under way at once, so a fast game never falls behind.
    void follow(const table::TableState& now);
    // Ends every glide and roll at once.
    void finish();

    // Where a pawn is drawn now (scale 1) while it glides; nullopt when it stands where the
    // model says.
    std::optional<QPointF> glidingSpot(int seat, int pawn) const;
    const std::vector<Glide>& glides() const { return glides_; }
    const LastMove& lastMove() const { return lastMove_; }
    // The face a die shows now: a passing one while it rolls, `face` otherwise.
    int shownFace(int die, int face) const;
    bool rolling() const { return rolling_; }

    // The clocks, for a caller that drives time itself (setCurrentTime) rather than wait.
    QVariantAnimation& glideClock() { return glideClock_; }
    QVariantAnimation& rollClock() { return rollClock_; }

signals:
    void glidesMoved();  // a frame of the glides, or their end
    void diceTumbled();  // a rolling die shows another face, or its own again
    void markChanged();

private:
    void startGlides(const table::TableState& now);
    void startRoll(const table::TableState& now);
    void setMark(LastMove mark);
    void endGlides();
    void endRoll();

    bool enabled_ = true;
    bool seen_ = false; // whether drawn_ holds a state yet
    table::Numbered<table::Numbered<table::PawnView, table::kPawnCount>, table::kSeatCount> pawns_{};
    table::DiceView dice_;

    QVariantAnimation glideClock_;
    std::vector<Glide> glides_;
    LastMove lastMove_;

    QVariantAnimation rollClock_;
    bool rolling_ = false;
    table::Numbered<bool, 2> dieRolls_{};
    int rollFrame_ = -1;
};

// A see-through layer over the board that ignores the mouse, painted by its owner.
class MotionLayer : public QWidget {
public:
    MotionLayer(QWidget* parent, std::function<void(QPainter&)> paint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&)> paint_;
};

} // namespace quadrino
