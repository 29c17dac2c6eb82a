// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/pawn_motion.h"

#include <QEasingCurve>
#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "art/board_geometry.h"
#include "rules/board_rules.h"

namespace quadrino {

namespace {

qreal lengthOf(const QPolygonF& path) {
    qreal total = 0;
    for (qsizetype i = 1; i < path.size(); ++i) total += QLineF(path[i - 1], path[i]).length();
    return total;
}

} // namespace

QPoint pawnSpot(int seat, int pawn, const table::PawnView& p) {
    return p.paired ? geometry::pairedOffsetSpot(p.square) : geometry::pawnSpot(seat, pawn, p.square);
}

QPolygonF glidePath(int seat, int pawn, const table::PawnView& from, const table::PawnView& to) {
    QPolygonF path;
    path << QPointF(pawnSpot(seat, pawn, from));
    if (to.square != 0 && to.square != from.square) {
        QPolygonF between;
        int square = from.square == 0 ? geometry::startSquareOf(seat) : stepSquare(seat, from.square);
        bool reached = false;
        // A whole way round is the longest a move can take; past it `to` is not ahead.
        for (int steps = 0; steps <= kPathLength; ++steps) {
            if (square == to.square) {
                reached = true;
                break;
            }
            if (square < 1 || square > geometry::kSquareCount) break;
            between << QPointF(geometry::squareSpot(square));
            square = stepSquare(seat, square);
        }
        if (reached) path << between;
    }
    path << QPointF(pawnSpot(seat, pawn, to));
    return path;
}

QPointF pointAlong(const QPolygonF& path, qreal fraction) {
    if (path.isEmpty()) return {};
    qreal left = std::clamp(fraction, qreal(0), qreal(1)) * lengthOf(path);
    for (qsizetype i = 1; i < path.size(); ++i) {
        const QLineF leg(path[i - 1], path[i]);
        if (left <= leg.length()) return leg.length() > 0 ? leg.pointAt(left / leg.length()) : leg.p2();
        left -= leg.length();
    }
    return path.last();
}

// ---- BoardMotion ---------------------------------------------------------------------------

BoardMotion::BoardMotion(QObject* parent) : QObject(parent) {
    glideClock_.setStartValue(0.0);
    glideClock_.setEndValue(1.0);
    connect(&glideClock_, &QVariantAnimation::valueChanged, this, &BoardMotion::glidesMoved);
    connect(&glideClock_, &QAbstractAnimation::finished, this, &BoardMotion::endGlides);

    rollClock_.setStartValue(0.0);
    rollClock_.setEndValue(1.0);
    rollClock_.setDuration(kRollMs);
    connect(&rollClock_, &QVariantAnimation::valueChanged, this, [this] {
        const int frame = rollClock_.currentTime() / kRollFaceMs;
        if (frame == rollFrame_) return;
        rollFrame_ = frame;
        emit diceTumbled();
    });
    connect(&rollClock_, &QAbstractAnimation::finished, this, &BoardMotion::endRoll);
}

void BoardMotion::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    finish();
    setMark({});
}

void BoardMotion::follow(const table::TableState& now) {
    if (seen_ && enabled_) {
        startGlides(now);
        startRoll(now);
    }
    seen_ = true;
    pawns_ = now.pawns;
    dice_ = now.dice;
}

void BoardMotion::startGlides(const table::TableState& now) {
    struct Change {
        int seat, pawn;
    };
    std::vector<Change> ahead, back;
    for (int s = 1; s <= table::kSeatCount; ++s)
        for (int p = 1; p <= table::kPawnCount; ++p) {
            const table::PawnView& was = pawns_[s][p];
            const table::PawnView& is = now.pawns[s][p];
            // A step aside for a partner, or a pawn coming or going with its seat, is drawn at once.
            if (was.square == is.square || !was.shown || !is.shown) continue;
            (is.square == 0 ? back : ahead).push_back({s, p});
        }
    if (ahead.size() > 1 || ahead.size() + back.size() > table::kPawnCount) {
        // A whole board at once (a new game, a late joiner's first look): no single move to show.
        endGlides();
        setMark({});
        return;
    }
    if (!ahead.empty()) {
        const auto [s, p] = ahead.front();
        endGlides();
        glides_.push_back({s, p, glidePath(s, p, pawns_[s][p], now.pawns[s][p]), 0, false});
        setMark({s, p, now.pawns[s][p].square, glides_.back().path});
    }
    // A pawn sent back leaves when the one that captured it has landed.
    int begin = glideClock_.state() == QAbstractAnimation::Running ? glideClock_.currentTime() : 0;
    for (const Glide& g : glides_)
        if (!g.toNest) begin = std::max(begin, g.beginMs + kGlideMs);
    for (const auto& [s, p] : back) {
        std::erase_if(glides_, [&](const Glide& g) { return g.seat == s && g.pawn == p; });
        glides_.push_back({s, p, glidePath(s, p, pawns_[s][p], now.pawns[s][p]), begin, true});
    }
    if (lastMove_.seat != 0 && now.pawns[lastMove_.seat][lastMove_.pawn].square != lastMove_.square) setMark({});
    if (ahead.empty() && back.empty()) return;

    int end = 0;
    for (const Glide& g : glides_) end = std::max(end, g.beginMs + kGlideMs);
    glideClock_.setDuration(end);
    if (glideClock_.state() != QAbstractAnimation::Running) glideClock_.start();
    emit glidesMoved();
}

void BoardMotion::startRoll(const table::TableState& now) {
    const table::DiceView& d = now.dice;
    table::Numbered<bool, 2> rolls{};
    bool any = false;
    if (d.place == table::DicePlace::Rolled)
        for (int die = 1; die <= 2; ++die) {
            // Each roll lands its dice afresh; a die used up changes only its own face, to none.
            rolls[die] = d.face[die] >= 1 && (dice_.place != table::DicePlace::Rolled || dice_.face[die] != d.face[die] ||
                                              dice_.rolledDrop[die] != d.rolledDrop[die]);
            any = any || rolls[die];
        }
    if (any) {
        dieRolls_ = rolls;
        rolling_ = true;
        rollFrame_ = 0;
        rollClock_.stop();
        rollClock_.start();
        emit diceTumbled();
    } else if (rolling_ && !(d == dice_)) {
        endRoll();
    }
}

void BoardMotion::finish() {
    endGlides();
    endRoll();
}

void BoardMotion::endGlides() {
    if (glides_.empty() && glideClock_.state() == QAbstractAnimation::Stopped) return;
    glideClock_.stop();
    glides_.clear();
    emit glidesMoved();
}

void BoardMotion::endRoll() {
    if (!rolling_) return;
    rollClock_.stop();
    rolling_ = false;
    emit diceTumbled();
}

void BoardMotion::setMark(LastMove mark) {
    if (mark.seat == 0 && lastMove_.seat == 0) return;
    lastMove_ = std::move(mark);
    emit markChanged();
}

std::optional<QPointF> BoardMotion::glidingSpot(int seat, int pawn) const {
    for (const Glide& g : glides_) {
        if (g.seat != seat || g.pawn != pawn) continue;
        const qreal done = qreal(glideClock_.currentTime() - g.beginMs) / kGlideMs;
        static const QEasingCurve ease(QEasingCurve::InOutQuad);
        return pointAlong(g.path, ease.valueForProgress(std::clamp(done, qreal(0), qreal(1))));
    }
    return std::nullopt;
}

int BoardMotion::shownFace(int die, int face) const {
    if (!rolling_ || die < 1 || die > 2 || !dieRolls_[die] || face < 1 || face > 6) return face;
    // Any face but the one it lands on, a different one each frame.
    const int frame = rollClock_.currentTime() / kRollFaceMs;
    return (face - 1 + 1 + (frame + 2 * die) % 5) % 6 + 1;
}

// ---- MotionLayer ---------------------------------------------------------------------------

MotionLayer::MotionLayer(QWidget* parent, std::function<void(QPainter&)> paint)
    : QWidget(parent), paint_(std::move(paint)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void MotionLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paint_(painter);
}

} // namespace quadrino
