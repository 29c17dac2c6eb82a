// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_panel.h"

#include <QAction>
#include <QFont>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QPushButton>

#include "table/art/art.h"
#include "table/art/board_geometry.h"
#include "table/art/board_placement.h"
#include "table/art/scaled_layout.h"

namespace quadrino {

namespace {

std::size_t at(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }
std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }
QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    w->setPalette(pal);
}

void noticeFrame(QFrame* frame) {
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, QColor(250, 244, 226));
    frame->setPalette(pal);
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

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

} // namespace

// ---- BoardImage ------------------------------------------------------------------------

BoardImage::BoardImage(QWidget* parent) : QLabel(parent) {}

void BoardImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    event->accept();
}

void BoardImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool wasPressed = pressed_;
    pressed_ = false;
    // Emitting may hide or move this control; nothing of it is touched afterwards.
    const bool inside = rect().contains(event->position().toPoint());
    emit mouseReleased(event->button());
    if (wasPressed && inside && event->button() == Qt::LeftButton) emit clicked();
}

// ---- Construction ----------------------------------------------------------------------

TablePanel::TablePanel(table::TableModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    build();
    render();
}

TablePanel::~TablePanel() = default;

template <typename T> T* TablePanel::control(const std::string& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : qobject_cast<T*>(found->second);
}

QWidget* TablePanel::create(const std::string& name, QWidget* parent) {
    if (name == "panel_theboard") return new QWidget(parent);
    if (name == "panel_error" || name == "panel_bottakeover") {
        auto* frame = new QFrame(parent);
        noticeFrame(frame);
        return frame;
    }
    if (startsWith(name, "label_") || name == "Label1") {
        // Names, logs and status lines carry peers' text: never read as markup.
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    if (name == "button_yes" || name == "button_no") return new QPushButton(parent);
    return new BoardImage(parent);
}

void TablePanel::build() {
    setObjectName(QStringLiteral("panel_board"));
    setFixedSize(kBaseSize);
    setFont(QFont(QStringLiteral("Arial")));
    scaling::setBaseFont(this, 11, false, scale_);
    controls_["panel_board"] = this;
    for (const placement::Placement& row : placement::placements()) {
        if (row.owner != placement::Owner::Table) continue;
        QWidget* parent = controls_.at(row.parent);
        QWidget* w = create(row.name, parent);
        w->setObjectName(qs(row.name));
        scaling::place(w, row.rect, scale_);
        controls_[row.name] = w;
    }
    configureBoard();
    configureSide();
    configureRuleLabels();
    buildSeatMenu();
    drawPictures();
    redraw_ = new QTimer(this);
    redraw_->setObjectName(QStringLiteral("pictureRedrawTimer"));
    redraw_->setSingleShot(true);
    redraw_->setInterval(150);
    connect(redraw_, &QTimer::timeout, this, [this] {
        drawPictures();
        render();
    });
    setupKeys();
    // The question for a departed player lies over the board.
    control("panel_bottakeover")->raise();
}

void TablePanel::configureBoard() {
    auto clickable = [this](const std::string& name) {
        auto* img = control<BoardImage>(name);
        img->setCursor(Qt::PointingHandCursor);
        return img;
    };
    for (int s = 1; s <= kSeats; ++s) {
        connect(clickable(numbered("button_pass", s)), &BoardImage::clicked, this, [this, s] { onPassClicked(s); });

        auto* team = control<QLabel>(numbered("label_team", s));
        team->setText(s <= 2 ? QStringLiteral("TEAM: A") : QStringLiteral("TEAM: B"));
        scaling::setBaseFont(team, 11, true, scale_);
        setTextColour(team, art::seatColour(s));

        auto* name = control<QLabel>(numbered("label_playername", s));
        scaling::setBaseFont(name, 16, true, scale_);
        setTextColour(name, art::seatColour(s));
        name->setAlignment((s == 2 || s == 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        name->setProperty("tag", s);
        name->setProperty("hint", qs(table::botName(s)));
        if (s >= 2) {
            name->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(name, &QWidget::customContextMenuRequested, this, [this, s, name](const QPoint& pos) {
                prepareSeatMenu(s);
                popupKick_->popup(name->mapToGlobal(pos));
            });
        }
        for (int p = 1; p <= table::kPawnCount; ++p) {
            auto* pawn = control<BoardImage>("piece_" + std::to_string(s) + std::to_string(p));
            pawn->setProperty("tag", p);
            pawn->setProperty("hint", QString::number(s));
            connect(pawn, &BoardImage::mouseReleased, this,
                    [this, s, p](Qt::MouseButton button) { onPawnReleased(s, p, button); });
            pieces_[at(s)][at(p)] = pawn;
        }
    }
    for (int d = 1; d <= 2; ++d) {
        dice_[at(d)] = control<BoardImage>(numbered("dice_", d));
        connect(dice_[at(d)], &BoardImage::clicked, this, &TablePanel::onDiceClicked);
    }
    for (int code = 1; code <= kMarkers; ++code) {
        BoardImage* marker = control<BoardImage>(numbered("piece_gray", code));
        marker->setProperty("tag", code);
        connect(marker, &BoardImage::clicked, this, [this, code] { onMarkerClicked(code); });
        grays_[at(code)] = marker;
    }
    for (int n = 1; n <= 8; ++n) {
        bonus_[at(n)] = control<BoardImage>(numbered("image_bonus", n));
    }
    connect(clickable("button_start"), &BoardImage::clicked, this, &TablePanel::onStartClicked);
    warning_ = control<BoardImage>("animated_warning");
    // Runs only while the animation is on screen.
    warningTimer_ = new QTimer(this);
    warningTimer_->setObjectName(QStringLiteral("warningTimer"));
    warningTimer_->setInterval(100);
    connect(warningTimer_, &QTimer::timeout, this, &TablePanel::onWarningFrame);

    auto* error = control<QFrame>("panel_error");
    setTextColour(error, QColor(128, 0, 0));
    auto* labelError = control<QLabel>("label_error");
    scaling::setBaseFont(labelError, 19, false, scale_);
    labelError->setAlignment(Qt::AlignCenter);
    labelError->setWordWrap(true);
    setTextColour(labelError, QColor(128, 0, 0)); // maroon
    connect(clickable("Image3"), &BoardImage::clicked, this, &TablePanel::onErrorClosed);
    // The error notice must not block the board: clicks fall through to what lies beneath,
    // and any click on the board closes it.
    error->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(control<BoardImage>("theboard"), &BoardImage::clicked, this, &TablePanel::onErrorClosed);
}

void TablePanel::configureSide() {
    auto* question = control<QLabel>("Label1");
    question->setText(QStringLiteral("Would you like the bot to take over for"));
    auto* name = control<QLabel>("label_bottakeover");
    for (QLabel* l : {question, name}) {
        scaling::setBaseFont(l, 15, true, scale_);
        l->setAlignment(Qt::AlignCenter);
    }
    auto* yes = control<QPushButton>("button_yes");
    auto* no = control<QPushButton>("button_no");
    yes->setText(QStringLiteral("Yes"));
    no->setText(QStringLiteral("No"));
    connect(yes, &QPushButton::clicked, this, [this] { onQuestionAnswered(true); });
    connect(no, &QPushButton::clicked, this, [this] { onQuestionAnswered(false); });

    auto* logo = control<BoardImage>("Image2");
    logo->setCursor(Qt::PointingHandCursor);
    connect(logo, &BoardImage::clicked, this, &TablePanel::logoClicked);
    for (const char* line : {"label_log", "label_status"}) {
        auto* l = control<QLabel>(line);
        scaling::setBaseFont(l, 13, true, scale_);
        l->setAlignment(Qt::AlignCenter);
    }
    setTextColour(control("label_log"), QColor(0, 128, 0));
    setTextColour(control("label_status"), Qt::black);
}

void TablePanel::configureRuleLabels() {
    for (const GameOptionRow& r : kGameOptions) {
        if (r.label.empty()) continue;
        auto* label = control<QLabel>(std::string(r.label));
        label->setAlignment((r.place.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        label->setToolTip(QString::fromLatin1(r.hint.data(), static_cast<qsizetype>(r.hint.size())));
        label->setProperty("hint", label->toolTip());
    }
}

void TablePanel::buildSeatMenu() {
    popupKick_ = new QMenu(this);
    popupKick_->setObjectName(QStringLiteral("popup_kick"));
    struct Entry { const char* name; const char* caption; table::SeatMenuEntry entry; };
    static const Entry kEntries[] = {
        {"RemoveFromGame1", "Remove From Game", table::SeatMenuEntry::RemoveFromGame},
        {"SettoJustWatch1", "Set to Just Watch", table::SeatMenuEntry::SetToJustWatch},
        {"UnsetJustWatch1", "Unset Just Watch", table::SeatMenuEntry::UnsetJustWatch},
    };
    for (const Entry& e : kEntries) {
        QAction* a = popupKick_->addAction(QString::fromLatin1(e.caption));
        a->setObjectName(QString::fromLatin1(e.name));
        connect(a, &QAction::triggered, this, [this, entry = e.entry] { onSeatMenuChosen(entry); });
    }
}

void TablePanel::setScale(qreal scale) {
    if (scale <= 0 || qFuzzyCompare(scale, scale_)) return;
    scale_ = scale;
    setFixedSize(scaling::scaled(kBaseSize, scale));
    scaling::setBaseFont(this, 11, false, scale);
    scaling::applyScale(this, scale);
    if (focusRing_) showFocusRing(!focusRing_->isHidden());
    // While a window's edge is dragged the pictures stretch; they are drawn afresh for the
    // new size once it settles, as drawing them all takes tens of milliseconds.
    redraw_->start();
    render();
}

void TablePanel::drawPictures() {
    const art::ScaleScope scope(scale_);
    auto image = [this](const std::string& name, const QPixmap& picture) {
        auto* img = control<BoardImage>(name);
        // Each picture stretches with its control and is rendered for that size.
        img->setScaledContents(true);
        img->setPixmap(picture);
    };
    image("theboard", art::board());
    image("image_x3", art::cross());
    image("image_x4", art::cross());
    for (int s = 1; s <= kSeats; ++s) {
        image(s == 1 ? std::string("image_Turn1") : numbered("image_turn", s), art::turnHighlight(s));
        image(numbered("image_eyes", s), art::eyes());
        image(numbered("image_winner", s), art::winnerBadge(s));
        image(numbered("button_pass", s), art::passButton());
        image(numbered("image_progress", s), art::progressBar(s));
        for (BoardImage* pawn : pieces_[at(s)]) {
            pawn->setScaledContents(true);
            pawn->setPixmap(art::pawn(s));
            pawn->setProperty("movable", false);
        }
    }
    for (int n : {1, 5, 6}) image(numbered("image_bonus", n), art::bonus20());
    for (int n : {2, 7, 8}) image(numbered("image_bonus", n), art::bonus10());
    for (int n : {3, 4}) control<BoardImage>(numbered("image_bonus", n))->setScaledContents(true);
    for (BoardImage* die : dice_) die->setScaledContents(true);
    for (BoardImage* marker : grays_) marker->setScaledContents(true);
    image("button_start", art::startButton());
    image("Image3", art::closeImage());
    image("Image2", art::logo());
    image("Image1", art::progressFrame());
    const QList<QPixmap> frames = art::warningFrames();
    image("animated_warning", frames.isEmpty() ? QPixmap() : frames.first());
    // The pictures that follow the game are drawn again at the next render.
    drawnFace_ = {-1, -1};
    drawnExtra_ = {-1, -1};
}

// ---- Drawing ---------------------------------------------------------------------------

void TablePanel::render() {
    const art::ScaleScope scope(scale_);
    const table::TableState& s = model_.state();
    renderSeats(s);
    renderPawns(s);
    renderDice(s);
    renderMarkers(s);
    renderTokens(s);
    renderTexts(s);
    renderWarning(s);
    renderAccess(s);
}

void TablePanel::renderSeats(const table::TableState& s) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        const table::SeatView& v = s.seat(seat);
        control<QLabel>(numbered("label_playername", seat))->setText(qs(v.name));
        control(seat == 1 ? std::string("image_Turn1") : numbered("image_turn", seat))->setVisible(v.turn);
        control(numbered("image_eyes", seat))->setVisible(v.eyes);
        control(numbered("image_winner", seat))->setVisible(v.winner);
        control(numbered("button_pass", seat))->setVisible(v.pass);
        control(numbered("label_team", seat))->setVisible(s.options.teamgame);
        QWidget* bar = control(numbered("image_progress", seat));
        const QRect track = scaling::baseRect(bar);
        scaling::place(bar, QRect(track.topLeft(), QSize(v.progress, track.height())), scale_);
    }
    control("image_x3")->setVisible(s.out[0]);
    control("image_x4")->setVisible(s.out[1]);
    control("button_start")->setVisible(s.startShown);
}

QPoint TablePanel::pawnPosition(int seat, int pawn, const table::PawnView& p) const {
    return p.paired ? geometry::pairedOffsetSpot(p.square) : geometry::pawnSpot(seat, pawn, p.square);
}

void TablePanel::renderPawns(const table::TableState& s) {
    const int me = model_.identity().myseat;
    const auto movable = model_.movablePawns();
    for (int seat = 1; seat <= kSeats; ++seat)
        for (int pawn = 1; pawn <= table::kPawnCount; ++pawn) {
            const table::PawnView& p = s.pawn(seat, pawn);
            BoardImage* image = pieces_[at(seat)][at(pawn)];
            scaling::placeAt(image, pawnPosition(seat, pawn, p), scale_);
            image->setVisible(p.shown);
            const bool ringed = seat == me && movable[at(pawn)];
            if (image->property("movable").toBool() != ringed) {
                image->setPixmap(ringed ? movableLook(art::pawn(seat)) : art::pawn(seat));
                image->setProperty("movable", ringed);
            }
        }
}

void TablePanel::renderDice(const table::TableState& s) {
    for (int d = 1; d <= 2; ++d) {
        BoardImage* die = dice_[at(d)];
        switch (s.dice.place) {
        case table::DicePlace::Start: scaling::placeAt(die, geometry::initialDiceSpot(d), scale_); break;
        case table::DicePlace::Corner: scaling::placeAt(die, geometry::turnDiceSpot(s.dice.cornerSeat, d), scale_); break;
        case table::DicePlace::Rolled:
            scaling::placeAt(die, QPoint(geometry::rolledDiceLeft(d), geometry::kRolledDiceTop + s.dice.rolledDrop[at(d)]),
                             scale_);
            break;
        }
        const int face = s.dice.face[at(d)];
        if (face != drawnFace_[at(d)]) {
            die->setPixmap(face < 0 ? QPixmap() : art::die(face));
            drawnFace_[at(d)] = face;
        }
    }
}

void TablePanel::renderMarkers(const table::TableState& s) {
    const int me = model_.identity().myseat;
    for (int code = 1; code <= kMarkers; ++code) {
        const table::MarkerView& m = s.marker(code);
        BoardImage* marker = grays_[at(code)];
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
        if (me >= 1 && me <= kSeats)
            for (BoardImage* pawn : pieces_[at(me)])
                if (pawn->isVisible() && pawn->geometry().intersects(place))
                    live -= QRegion(pawn->geometry().translated(-place.topLeft()));
        if (live == QRegion(marker->rect())) marker->clearMask();
        else marker->setMask(live);
        marker->show();
    }
}

void TablePanel::renderTokens(const table::TableState& s) {
    for (int n = 1; n <= 8; ++n) {
        BoardImage* token = bonus_[at(n)];
        const bool shown = s.bonusShownAt(n);
        // The extra dice of a doubles roll show their face.
        if ((n == 3 || n == 4) && shown && drawnExtra_[at(n - 2)] != s.bonusAt(n)) {
            token->setPixmap(art::die(s.bonusAt(n)));
            drawnExtra_[at(n - 2)] = s.bonusAt(n);
        }
        token->setVisible(shown);
    }
}

void TablePanel::renderTexts(const table::TableState& s) {
    for (const GameOptionRow& r : kGameOptions)
        if (!r.label.empty()) control<QLabel>(std::string(r.label))->setText(qs(s.rule(r.id)));
    control<QLabel>("label_log")->setText(qs(s.log));
    control<QLabel>("label_status")->setText(qs(s.status));
    control<QLabel>("label_error")->setText(qs(s.errorText));
    control("panel_error")->setVisible(s.errorShown);
    control<QLabel>("label_bottakeover")->setText(qs(s.questionName));
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
    model_.warningTick();
    renderWarning(model_.state());
}

// ---- Input -----------------------------------------------------------------------------

void TablePanel::pass(const table::Outcome& out) {
    // Always: a click may land on a control that is out of step with the picture.
    render();
    emit outcome(out);
}

void TablePanel::onDiceClicked() { pass(model_.clickDice()); }

void TablePanel::onPawnReleased(int seat, int pawn, Qt::MouseButton button) {
    pass(model_.clickPawn(seat, pawn, button == Qt::RightButton));
}

void TablePanel::onMarkerClicked(int code) { pass(model_.clickMarker(code)); }

void TablePanel::onPassClicked(int seat) { pass(model_.clickPass(seat)); }

void TablePanel::onStartClicked() { pass(model_.clickStart()); }

void TablePanel::onErrorClosed() { pass(model_.closeError()); }

void TablePanel::onQuestionAnswered(bool botPlays) { pass(model_.answerQuestion(botPlays)); }

void TablePanel::prepareSeatMenu(int seat) {
    menuSeat_ = seat;
    menuTarget_ = MenuTarget{seat, qs(model_.seatName(seat))};
    const bool enabled = model_.seatMenuEnabled(seat);
    for (QAction* a : popupKick_->actions()) a->setEnabled(enabled);
}

void TablePanel::onSeatMenuChosen(table::SeatMenuEntry entry) {
    // The seat may have changed hands while the menu was open: act only on whoever it showed.
    if (!stillShows(menuTarget_, menuSeat_, qs(model_.seatName(menuSeat_)))) return;
    pass(model_.chooseSeatMenu(entry, menuSeat_));
}

} // namespace quadrino
