// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel's moving pictures: pawns on their way, the last move's trace and the dice
// tumbling. Each is drawn over the controls the model places; none of them takes a click.
#include <QPainter>

#include "art/art.h"
#include "art/board_geometry.h"
#include "art/board_placement.h"
#include "art/scaled_layout.h"
#include "table/pawn_motion.h"
#include "table/table_panel.h"

namespace quadrino {

void TablePanel::buildMotion() {
    motion_ = new BoardMotion(this);
    QWidget* board = control("panel_theboard");
    const QRect whole(QPoint(0, 0), placement::rectOf("panel_theboard").size());

    traceLayer_ = new MotionLayer(board, [this](QPainter& p) { paintTrace(p); });
    traceLayer_->setObjectName(QStringLiteral("motion_trace"));
    traceLayer_->setAccessibleName(tr("Last move"));
    scaling::place(traceLayer_, whole, scale_);
    traceLayer_->stackUnder(pieces_[1][1]);
    traceLayer_->hide();

    glideLayer_ = new MotionLayer(board, [this](QPainter& p) { paintGlides(p); });
    glideLayer_->setObjectName(QStringLiteral("motion_glides"));
    glideLayer_->setAccessibleName(tr("Moving pawns"));
    scaling::place(glideLayer_, whole, scale_);
    // Over the pawns, dice and markers; notices still lie above.
    glideLayer_->stackUnder(control("panel_error"));
    glideLayer_->hide();

    connect(motion_, &BoardMotion::glidesMoved, this, &TablePanel::renderGlides);
    connect(motion_, &BoardMotion::markChanged, this, [this] {
        traceLayer_->setVisible(motion_->lastMove().seat != 0);
        traceLayer_->update();
    });
    connect(motion_, &BoardMotion::diceTumbled, this, [this] {
        const art::ScaleScope scope(scale_);
        renderDice(model_.state());
    });
}

void TablePanel::setAnimations(bool on) {
    motion_->setEnabled(on);
    render();
}

bool TablePanel::animations() const { return motion_->enabled(); }

QPointF TablePanel::drawnPawnSpot(int seat, int pawn) const {
    if (const auto on = motion_->glidingSpot(seat, pawn)) return *on;
    return QPointF(pawnPosition(seat, pawn, model_.state().pawn(seat, pawn)));
}

void TablePanel::renderGlides() {
    const bool any = !motion_->glides().empty();
    for (int seat = 1; seat <= kSeats; ++seat)
        for (int pawn = 1; pawn <= table::kPawnCount; ++pawn)
            pieces_[seat][pawn]->setVeiled(any && motion_->glidingSpot(seat, pawn).has_value());
    if (glideLayer_->isVisible() != any) glideLayer_->setVisible(any);
    // Sixty frames a second: only where the pawns were and are now is painted again.
    QRegion now;
    for (const BoardMotion::Glide& g : motion_->glides())
        if (const auto at = motion_->glidingSpot(g.seat, g.pawn))
            now += QRectF(*at * scale_, QSizeF(pieces_[g.seat][g.pawn]->size())).toAlignedRect().adjusted(-1, -1, 1, 1);
    if (any) glideLayer_->update(now + glideDrawn_);
    glideDrawn_ = now;
}

void TablePanel::paintGlides(QPainter& painter) const {
    for (const BoardMotion::Glide& g : motion_->glides()) {
        const BoardImage* image = pieces_[g.seat][g.pawn];
        const auto at = motion_->glidingSpot(g.seat, g.pawn);
        if (!at || image->isHidden()) continue;
        // The control's own picture, so the pawn looks the same on its way as where it lands.
        const QPixmap picture = image->pixmap();
        painter.drawPixmap(QRectF(*at * scale_, QSizeF(image->size())), picture, QRectF(picture.rect()));
    }
}

void TablePanel::paintTrace(QPainter& painter) const {
    const BoardMotion::LastMove& m = motion_->lastMove();
    if (m.seat == 0 || m.path.isEmpty()) return;
    const QPointF centre(geometry::kPawnSize.width() / 2.0, geometry::kPawnSize.height() / 2.0);
    QPolygonF line;
    for (const QPointF& spot : m.path) line << (spot + centre) * scale_;
    QColor colour = art::pawnColour(m.seat);
    colour.setAlpha(210);
    const QColor shade(0, 0, 0, 120);
    auto pen = [this](const QColor& c, qreal width) {
        return QPen(c, width * scale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    };
    // A dark edge under the seat's colour keeps the trace visible on squares of that colour.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(shade, 7));
    painter.drawPolyline(line);
    painter.setPen(pen(colour, 4));
    painter.drawPolyline(line);
    // The square it left: a ring.
    const qreal radius = 8 * scale_;
    painter.setPen(pen(shade, 5));
    painter.drawEllipse(line.first(), radius, radius);
    painter.setPen(pen(colour, 2.5));
    painter.drawEllipse(line.first(), radius, radius);
}

} // namespace quadrino
