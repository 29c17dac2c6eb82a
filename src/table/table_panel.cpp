// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_panel.h"
#include "table/table_panel_detail.h"

#include <QAction>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "art/art.h"
#include "art/board_geometry.h"
#include "art/board_placement.h"
#include "art/scaled_layout.h"

namespace quadrino {

using panel_detail::numbered;
using panel_detail::qs;

namespace {

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

} // namespace

// ---- BoardImage ------------------------------------------------------------------------

BoardImage::BoardImage(QWidget* parent) : QLabel(parent) {}

void BoardImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    event->accept();
}

void BoardImage::setVeiled(bool veiled) {
    if (veiled == veiled_) return;
    veiled_ = veiled;
    update();
}

void BoardImage::paintEvent(QPaintEvent* event) {
    if (!veiled_) QLabel::paintEvent(event);
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

TablePanel::TablePanel(const table::TableModel& model, table::TableActions& actions, QWidget* parent)
    : QWidget(parent), model_(model), actions_(actions) {
    build();
    render();
}

TablePanel::~TablePanel() = default;

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
    // The panel lies on the window's sand ground whatever the system's colours: its texts
    // are dark unless a control sets a colour of its own.
    QPalette ground = palette();
    ground.setColor(QPalette::WindowText, Qt::black);
    setPalette(ground);
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
    buildMotion();
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
        team->setText(s <= 2 ? tr("TEAM: A") : tr("TEAM: B"));
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
            pieces_[s][p] = pawn;
        }
    }
    for (int d = 1; d <= 2; ++d) {
        dice_[d] = control<BoardImage>(numbered("dice_", d));
        connect(dice_[d], &BoardImage::clicked, this, &TablePanel::onDiceClicked);
    }
    for (int code = 1; code <= kMarkers; ++code) {
        BoardImage* marker = control<BoardImage>(numbered("piece_gray", code));
        marker->setProperty("tag", code);
        connect(marker, &BoardImage::clicked, this, [this, code] { onMarkerClicked(code); });
        grays_[code] = marker;
    }
    for (int n = 1; n <= 8; ++n) {
        bonus_[n] = control<BoardImage>(numbered("image_bonus", n));
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
    question->setText(tr("Would you like the bot to take over for"));
    auto* name = control<QLabel>("label_bottakeover");
    for (QLabel* l : {question, name}) {
        scaling::setBaseFont(l, 15, true, scale_);
        l->setAlignment(Qt::AlignCenter);
    }
    auto* yes = control<QPushButton>("button_yes");
    auto* no = control<QPushButton>("button_no");
    yes->setText(tr("Yes"));
    no->setText(tr("No"));
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
        const std::string hint(r.hint);
        label->setToolTip(QCoreApplication::translate("quadrino::TablePanel", hint.c_str()));
        label->setProperty("hint", label->toolTip());
    }
}

void TablePanel::buildSeatMenu() {
    popupKick_ = new QMenu(this);
    popupKick_->setObjectName(QStringLiteral("popup_kick"));
    struct Entry { const char* name; const char* caption; table::SeatMenuEntry entry; };
    static const Entry kEntries[] = {
        {"RemoveFromGame1", QT_TRANSLATE_NOOP("quadrino::TablePanel", "Remove From Game"), table::SeatMenuEntry::RemoveFromGame},
        {"SettoJustWatch1", QT_TRANSLATE_NOOP("quadrino::TablePanel", "Set to Just Watch"), table::SeatMenuEntry::SetToJustWatch},
        {"UnsetJustWatch1", QT_TRANSLATE_NOOP("quadrino::TablePanel", "Unset Just Watch"), table::SeatMenuEntry::UnsetJustWatch},
    };
    for (const Entry& e : kEntries) {
        QAction* a = popupKick_->addAction(tr(e.caption));
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
        for (BoardImage* pawn : pieces_[s]) {
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
    drawnFace_.fill(-1);
    drawnExtra_.fill(-1);
}

// ---- Input -----------------------------------------------------------------------------

void TablePanel::afterInput() {
    // Always, changed or not: a click may land on a control that is out of step with the picture.
    render();
}

void TablePanel::onDiceClicked() {
    actions_.clickDice();
    afterInput();
}

void TablePanel::onPawnReleased(int seat, int pawn, Qt::MouseButton button) {
    actions_.clickPawn(seat, pawn, button == Qt::RightButton);
    afterInput();
}

void TablePanel::onMarkerClicked(int code) {
    actions_.clickMarker(code);
    afterInput();
}

void TablePanel::onPassClicked(int seat) {
    actions_.clickPass(seat);
    afterInput();
}

void TablePanel::onStartClicked() {
    actions_.clickStart();
    afterInput();
}

void TablePanel::onErrorClosed() {
    actions_.closeError();
    afterInput();
}

void TablePanel::onQuestionAnswered(bool botPlays) {
    actions_.answerQuestion(botPlays);
    afterInput();
}

void TablePanel::prepareSeatMenu(int seat) {
    menuSeat_ = seat;
    menuTarget_ = MenuTarget{seat, qs(model_.seatName(seat))};
    const bool enabled = model_.seatMenuEnabled(seat);
    for (QAction* a : popupKick_->actions()) a->setEnabled(enabled);
}

void TablePanel::onSeatMenuChosen(table::SeatMenuEntry entry) {
    // The seat may have changed hands while the menu was open: act only on whoever it showed.
    if (!stillShows(menuTarget_, menuSeat_, qs(model_.seatName(menuSeat_)))) return;
    actions_.chooseSeatMenu(entry, menuSeat_);
    afterInput();
}

} // namespace quadrino
