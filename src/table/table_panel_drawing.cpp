// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel drawing the table model's picture: seats, pawns, dice, markers, bonus
// tokens, texts and the warning animation. Only what changed is drawn again where a picture
// costs more than a look.
#include <QCoreApplication>
#include <QPainter>
#include <QRegion>

#include "art/art.h"
#include "art/board_geometry.h"
#include "art/board_placement.h"
#include "art/scaled_layout.h"
#include "table/table_panel.h"
#include "table/table_panel_detail.h"
#include "table/pawn_motion.h"
#include "table/table_access.h"
#include "table/ui_text_qt.h"

namespace quadrino {

using panel_detail::numbered;
using panel_detail::qs;

namespace {

// A pawn that can move after the roll wears a bright ring, so that a player sees at once
// which pawns to click (entering ones too, which get no marker).
QPixmap movableLook(const QPixmap& pawn) {
    QPixmap out = pawn;
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 230, 0), 2.0));
    p.setBrush(Qt::NoBrush);
    const QRectF r = QRectF(out.rect()).adjusted(1.0, 1.0, -1.0, -1.0);
    p.drawEllipse(QRectF(r.left(), r.bottom() - r.width(), r.width(), r.width()));
    return out;
}

// The board's rule labels and their tool tips come from the option table as English texts
// ("Passing: ON", "Block Limit: 4"); these are their words, looked up as they are shown.
[[maybe_unused]] constexpr const char* kRuleWords[] = {
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "Doubles Penalty"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "Passing"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "Blocking"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "Block Limit"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "Pouncing"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "Team Game"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "ON"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "OFF"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "None"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "Penalty for rolling doubles more then twice a turn"),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "The abillity to pass your turn."),
    QT_TRANSLATE_NOOP("quadrino::TablePanel",
                      "The abillity to have two of your pawns on one square preventing other players from passing."),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "The amount of turns two of your pawns can block."),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "The ability to land on other players pawns and send it back to start."),
    QT_TRANSLATE_NOOP("quadrino::TablePanel", "To play with a partner"),
};

QString ruleWord(const std::string& word) { return QCoreApplication::translate("quadrino::TablePanel", word.c_str()); }

} // namespace

QString TablePanel::ruleText(const std::string& rule) {
    const std::size_t colon = rule.rfind(": ");
    if (colon == std::string::npos) return ruleWord(rule);
    return tr("%1: %2").arg(ruleWord(rule.substr(0, colon)), ruleWord(rule.substr(colon + 2)));
}

// ---- Drawing ---------------------------------------------------------------------------

void TablePanel::render() {
    const art::ScaleScope scope(scale_);
    const table::TableState& s = model_.state();
    motion_->follow(s);
    renderSeats(s);
    renderPawns(s);
    renderDice(s);
    renderMarkers(s);
    renderTokens(s);
    renderTexts(s);
    renderWarning(s);
    renderAccess(s);
    renderGlides();
}

void TablePanel::renderSeats(const table::TableState& s) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        const table::SeatView& v = s.seat(seat);
        control<QLabel>(numbered("label_playername", seat))->setText(table::translated(table::seatNameWords(s, seat)));
        control(seat == 1 ? std::string("image_Turn1") : numbered("image_turn", seat))->setVisible(v.turn);
        control(numbered("image_eyes", seat))->setVisible(v.eyes);
        control(numbered("image_winner", seat))->setVisible(v.winner);
        control(numbered("button_pass", seat))->setVisible(v.pass);
        control(numbered("label_team", seat))->setVisible(s.options.teamgame);
        QWidget* bar = control(numbered("image_progress", seat));
        const QRect track = scaling::baseRect(bar);
        scaling::place(bar, QRect(track.topLeft(), QSize(v.progress, track.height())), scale_);
    }
    control("image_x3")->setVisible(s.out[3]);
    control("image_x4")->setVisible(s.out[4]);
    control("button_start")->setVisible(s.startShown);
}

QPoint TablePanel::pawnPosition(int seat, int pawn, const table::PawnView& p) const { return pawnSpot(seat, pawn, p); }

void TablePanel::renderPawns(const table::TableState& s) {
    const int me = model_.identity().myseat;
    const auto movable = model_.movablePawns();
    for (int seat = 1; seat <= kSeats; ++seat)
        for (int pawn = 1; pawn <= table::kPawnCount; ++pawn) {
            const table::PawnView& p = s.pawn(seat, pawn);
            BoardImage* image = pieces_[seat][pawn];
            scaling::placeAt(image, pawnPosition(seat, pawn, p), scale_);
            image->setVisible(p.shown);
            const bool ringed = seat == me && movable[pawn];
            if (image->property("movable").toBool() != ringed) {
                image->setPixmap(ringed ? movableLook(art::pawn(seat)) : art::pawn(seat));
                image->setProperty("movable", ringed);
            }
        }
}

void TablePanel::renderDice(const table::TableState& s) {
    for (int d = 1; d <= 2; ++d) {
        BoardImage* die = dice_[d];
        switch (s.dice.place) {
        case table::DicePlace::Start: scaling::placeAt(die, geometry::initialDiceSpot(d), scale_); break;
        case table::DicePlace::Corner: scaling::placeAt(die, geometry::turnDiceSpot(s.dice.cornerSeat, d), scale_); break;
        case table::DicePlace::Rolled:
            scaling::placeAt(die, QPoint(geometry::rolledDiceLeft(d), geometry::kRolledDiceTop + s.dice.rolledDrop[d]),
                             scale_);
            break;
        }
        const int face = motion_->shownFace(d, s.dice.face[d]);
        if (face != drawnFace_[d]) {
            die->setPixmap(face < 0 ? QPixmap() : art::die(face));
            drawnFace_[d] = face;
        }
    }
}

void TablePanel::renderMarkers(const table::TableState& s) {
    const int me = model_.identity().myseat;
    for (int code = 1; code <= kMarkers; ++code) {
        const table::MarkerView& m = s.marker(code);
        BoardImage* marker = grays_[code];
        const QRect place = m.shown ? geometry::markerRect(me, m.target) : QRect();
        if (place.isEmpty()) {
            marker->hide();
            scaling::placeAt(marker, QPoint(0, 0), scale_);
            continue;
        }
        scaling::place(marker, place, scale_);
        marker->setPixmap(art::marker(me, place.height() > place.width()));
        // The user's own pawn on the target square stays clickable: the marker gives up
        // the pawn's outline and answers clicks on the rest of the square.
        QRegion live(marker->rect());
        if (pieces_.holds(me))
            for (BoardImage* pawn : pieces_[me])
                if (pawn->isVisible() && pawn->geometry().intersects(place))
                    live -= QRegion(pawn->geometry().translated(-place.topLeft()));
        if (live == QRegion(marker->rect())) marker->clearMask();
        else marker->setMask(live);
        marker->show();
    }
}

void TablePanel::renderTokens(const table::TableState& s) {
    for (int n = 1; n <= 8; ++n) {
        BoardImage* token = bonus_[n];
        const bool shown = s.bonusShownAt(n);
        // The extra dice of a doubles roll show their face.
        const int extraDie = n - 2;
        if ((n == 3 || n == 4) && shown && drawnExtra_[extraDie] != s.bonusAt(n)) {
            token->setPixmap(art::die(s.bonusAt(n)));
            drawnExtra_[extraDie] = s.bonusAt(n);
        }
        token->setVisible(shown);
    }
}

void TablePanel::renderTexts(const table::TableState& s) {
    for (const GameOptionRow& r : kGameOptions)
        if (!r.label.empty()) control<QLabel>(std::string(r.label))->setText(ruleText(s.rule(r.id)));
    control<QLabel>("label_log")->setText(table::translated(s.logWords));
    control<QLabel>("label_status")->setText(table::translated(s.statusWords));
    control<QLabel>("label_error")->setText(table::translated(s.errorWords));
    control("panel_error")->setVisible(s.errorShown);
    control<QLabel>("label_bottakeover")->setText(table::translated(table::questionNameWords(s)));
    control("panel_bottakeover")->setVisible(s.questionShown);
}

void TablePanel::renderWarning(const table::TableState& s) {
    const table::WarningView& w = s.warning;
    const art::ScaleScope scope(scale_);
    scaling::placeAt(warning_, w.moved ? pawnPosition(w.seat, w.pawn, w.at) : placement::rectOf("animated_warning").topLeft(),
                     scale_);
    const QList<QPixmap> frames = art::warningFrames();
    if (!frames.isEmpty()) warning_->setPixmap(frames.at(w.ticks % static_cast<int>(frames.size())));
    warning_->setVisible(w.shown);
    if (w.shown && !warningTimer_->isActive()) warningTimer_->start();
    if (!w.shown) warningTimer_->stop();
}

void TablePanel::onWarningFrame() {
    actions_.advanceWarning();
    renderWarning(model_.state());
}

} // namespace quadrino
