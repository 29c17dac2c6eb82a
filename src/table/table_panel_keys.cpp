// SPDX-License-Identifier: GPL-3.0-or-later
// The board without a mouse: its keys, the ring that shows the keyboard is on the board, and
// the names and descriptions a screen reader reads for every control.
#include <QAccessible>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <optional>

#include "art/art.h"
#include "table/table_access.h"
#include "table/table_panel.h"
#include "table/table_panel_detail.h"
#include "table/ui_text_qt.h"

namespace quadrino {

using panel_detail::qs;

namespace {

// The marker the keys have chosen wears a dark frame with a light edge, seen on any square.
QPixmap chosenLook(const QPixmap& marker) {
    QPixmap out = marker;
    QPainter p(&out);
    const QRect r = out.rect();
    p.setPen(QPen(Qt::black, 3));
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r.adjusted(3, 3, -4, -4));
    return out;
}

std::optional<table::BoardKey> boardKeyFor(int key) {
    using table::BoardKey;
    switch (key) {
    case Qt::Key_1: return BoardKey::Pawn1;
    case Qt::Key_2: return BoardKey::Pawn2;
    case Qt::Key_3: return BoardKey::Pawn3;
    case Qt::Key_4: return BoardKey::Pawn4;
    case Qt::Key_Space: return BoardKey::Roll;
    case Qt::Key_Tab: return BoardKey::NextMarker;
    case Qt::Key_Backtab: return BoardKey::PreviousMarker;
    case Qt::Key_Return:
    case Qt::Key_Enter: return BoardKey::Move;
    case Qt::Key_Escape: return BoardKey::Clear;
    case Qt::Key_P: return BoardKey::Pass;
    case Qt::Key_B: return BoardKey::Summary;
    default: return std::nullopt;
    }
}

} // namespace

void TablePanel::setupKeys() {
    QWidget* board = boardFocus();
    // Reached by the keyboard (and given the focus by the window) but not by a click, so that
    // mouse play looks as it always did.
    board->setFocusPolicy(Qt::TabFocus);
    board->installEventFilter(this);

    auto* ring = new QFrame(this);
    ring->setObjectName(QStringLiteral("focus_board"));
    ring->setAccessibleName(tr("Keyboard on the board"));
    ring->setFrameShape(QFrame::Box);
    ring->setLineWidth(2);
    QPalette pal = ring->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 160));
    ring->setPalette(pal);
    ring->setAttribute(Qt::WA_TransparentForMouseEvents);
    ring->lower();
    ring->hide();
    focusRing_ = ring;

    const QString pawnTip = tr("Keys 1 to 4 choose your pawns");
    for (const auto& seatPawns : pieces_)
        for (BoardImage* pawn : seatPawns) pawn->setToolTip(pawnTip);
    for (BoardImage* die : dice_) die->setToolTip(tr("Roll the dice (Space)"));
    for (BoardImage* marker : grays_)
        marker->setToolTip(tr("Move here (Enter moves to the chosen marker, Tab chooses the next)"));
    for (int s = 1; s <= kSeats; ++s)
        controls_.at("button_pass" + std::to_string(s))->setToolTip(tr("Pass (P)"));
    controls_.at("button_start")->setToolTip(tr("Start Game (Ctrl+N)"));
}

QWidget* TablePanel::boardFocus() const { return controls_.at("panel_theboard"); }

void TablePanel::showFocusRing(bool shown) {
    if (!focusRing_) return;
    // Placed as it shows: the board may have been moved or scaled since.
    if (shown) focusRing_->setGeometry(boardFocus()->geometry().adjusted(-3, -3, 3, 3));
    focusRing_->setVisible(shown);
}

bool TablePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == boardFocus()) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (onBoardKey(key->key(), key->modifiers())) return true;
            break;
        }
        case QEvent::FocusIn: {
            const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
            showFocusRing(why == Qt::TabFocusReason || why == Qt::BacktabFocusReason || why == Qt::ShortcutFocusReason);
            break;
        }
        case QEvent::FocusOut: showFocusRing(false); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TablePanel::onBoardKey(int key, Qt::KeyboardModifiers modifiers) {
    // Menu mnemonics and shortcuts keep their modifiers; the board's keys have none (Shift
    // only as part of Shift+Tab, keypad digits as the digits).
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const std::optional<table::BoardKey> boardKey = boardKeyFor(key);
    if (!boardKey) return false;
    const bool tabbing = *boardKey == table::BoardKey::NextMarker || *boardKey == table::BoardKey::PreviousMarker;
    // With no marker to walk, Tab moves the focus on as everywhere else.
    if (tabbing && table::markerCycle(model_.state()).empty()) return false;
    if (boardFocus()->hasFocus()) showFocusRing(true);
    actions_.pressKey(*boardKey);
    afterInput();
    return true;
}

void TablePanel::renderAccess(const table::TableState& s) {
    const int me = model_.identity().myseat;
    for (const auto& [name, widget] : controls_) {
        const table::AccessibleText text = table::accessibleText(s, me, name);
        // A label without a name of its own is read by its text, and announced as it changes.
        const QString accessibleName = table::translated(text.nameWords);
        if (!text.name.empty() && widget->accessibleName() != accessibleName) widget->setAccessibleName(accessibleName);
        const QString description = table::translated(text.descriptionWords);
        if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
    }
    // A label tells of its own changes; a new log line with the text of the last one must be
    // told all the same.
    if (s.logLines != logLinesAnnounced_) {
        QWidget* log = controls_.at("label_log");
        if (s.logLines > logLinesAnnounced_ && s.log == logAnnounced_ && log->accessibleName().isEmpty()) {
            QAccessibleEvent event(log, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        logLinesAnnounced_ = s.logLines;
        logAnnounced_ = s.log;
    }
    // The board itself tells which move the keys have chosen: a screen reader reads the name
    // of the control with the focus as it changes.
    QWidget* board = boardFocus();
    QString boardName = tr("Board");
    const int chosen = s.chosenMarker;
    if (chosen >= 1 && chosen <= kMarkers && s.marker(chosen).shown) {
        const table::AccessibleText marker = table::accessibleText(s, me, "piece_gray" + std::to_string(chosen));
        boardName = tr("Board: %1, %2").arg(table::translated(marker.nameWords), table::translated(marker.descriptionWords));
        BoardImage* image = grays_[chosen];
        if (!image->pixmap().isNull()) image->setPixmap(chosenLook(image->pixmap()));
    }
    if (board->accessibleName() != boardName) board->setAccessibleName(boardName);
}

} // namespace quadrino
