#include "table/table_panel.h"

#include <QAction>
#include <algorithm>
#include <QFont>
#include <QFrame>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include "protocol/colour_text.h"
#include "protocol/cp1252.h"
#include "table/art/art.h"
#include "table/art/board_geometry.h"

namespace quadrino {

namespace {

constexpr int kLastSquare = 100; // the highest home square
const QString kWaiting = QStringLiteral("<Waiting>");

bool validSeat(int seat) { return seat >= 1 && seat <= TablePanel::kSeats; }
bool validPawn(int pawn) { return pawn >= 1 && pawn <= table::kPawnCount; }
bool validSquare(int square) { return square >= 0 && square <= kLastSquare; }
std::size_t at(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

QString fromWire(std::string_view text) { return QString::fromStdString(cp1252ToUtf8(text)); }

int tagOf(const QObject* o) { return o->property("tag").toInt(); }
void setTag(QObject* o, int value) { o->setProperty("tag", value); }
QString hintOf(const QObject* o) { return o->property("hint").toString(); }
void setHint(QObject* o, const QString& hint) { o->setProperty("hint", hint); }

QFont arial(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

// Bottom-to-top layer of the markers on one square: of equal amounts the click takes the
// lowest die code, and the bonus markers lie above the dice markers.
constexpr std::array<int, 12> kMarkerLayers = table::kMarkerLayerOrder;

const char* const kBotNames[TablePanel::kSeats] = {"", "Klot", "Klick", "Kling"};

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

TablePanel::TablePanel(TableHooks& hooks, ClientIdentity& identity, QWidget* parent)
    : QWidget(parent), hooks_(hooks), identity_(identity), random_(Random::clockSeed()) {
    messageBox_ = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Quadrino"), text);
    };
    build();
    clearall();
}

TablePanel::~TablePanel() = default;

void TablePanel::build() {
    setObjectName(QStringLiteral("panel_board"));
    setFixedSize(781, 512);
    setFont(arial(11, false));

    panelTheboard_ = new QWidget(this);
    panelTheboard_->setObjectName(QStringLiteral("panel_theboard"));
    panelTheboard_->setGeometry(4, 4, 505, 505);
    buildBoard(panelTheboard_);
    buildSide();
}

void TablePanel::buildBoard(QWidget* board) {
    auto image = [board](const QString& name, const QRect& geometry, const QPixmap& picture) {
        auto* img = new BoardImage(board);
        img->setObjectName(name);
        img->setGeometry(geometry);
        img->setPixmap(picture);
        return img;
    };

    theboard_ = image(QStringLiteral("theboard"), QRect(geometry::boardOrigin(), geometry::kBoardSize),
                      art::board());
    setTag(theboard_, 0);

    static constexpr std::array<QPoint, kSeats> kTurnSpots = {
        {{5, 6}, {328, 328}, {328, 6}, {5, 328}}};
    for (int s = 1; s <= kSeats; ++s) {
        const QString name = s == 1 ? QStringLiteral("image_Turn1") : QStringLiteral("image_turn%1").arg(s);
        turn_[at(s)] = image(name, QRect(kTurnSpots[at(s)], QSize(171, 169)), art::turnHighlight(s));
    }

    x3_ = image(QStringLiteral("image_x3"), QRect(354, 87, 49, 31), art::cross());
    x4_ = image(QStringLiteral("image_x4"), QRect(104, 385, 49, 31), art::cross());
    x3_->hide();
    x4_->hide();

    static constexpr std::array<QPoint, kSeats> kTeamSpots = {{{128, 156}, {333, 332}, {333, 156}, {128, 332}}};
    for (int s = 1; s <= kSeats; ++s) {
        auto* team = new QLabel(s <= 2 ? QStringLiteral("TEAM: A") : QStringLiteral("TEAM: B"), board);
        team->setObjectName(QStringLiteral("label_team%1").arg(s));
        team->setFont(arial(11, true));
        setTextColour(team, art::seatColour(s));
        team->move(kTeamSpots[at(s)]);
        team->adjustSize();
        team->hide();
        teams_[at(s)] = team;
    }

    static constexpr std::array<QPoint, kSeats> kNameSpots = {{{13, 13}, {335, 471}, {335, 13}, {13, 471}}};
    for (int s = 1; s <= kSeats; ++s) {
        auto* label = new QLabel(kWaiting, board);
        label->setObjectName(QStringLiteral("label_playername%1").arg(s));
        label->setGeometry(QRect(kNameSpots[at(s)], QSize(158, 19)));
        label->setFont(arial(16, true));
        setTextColour(label, art::seatColour(s));
        label->setAlignment((s == 2 || s == 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        setTag(label, s);
        setHint(label, QString::fromLatin1(kBotNames[at(s)]));
        names_[at(s)] = label;
        if (s >= 2) {
            label->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(label, &QWidget::customContextMenuRequested, this, [this, s, label](const QPoint& pos) {
                label_playername1ContextPopup(s);
                popupKick_->popup(label->mapToGlobal(pos));
            });
        }
    }

    static constexpr std::array<QPoint, kSeats> kEyeSpots = {{{13, 34}, {455, 451}, {455, 34}, {13, 451}}};
    for (int s = 1; s <= kSeats; ++s) {
        eyes_[at(s)] = image(QStringLiteral("image_eyes%1").arg(s), QRect(kEyeSpots[at(s)], QSize(37, 17)),
                             art::eyes());
    }

    for (int s = 1; s <= kSeats; ++s) {
        for (int p = 1; p <= table::kPawnCount; ++p) {
            auto* pawn = image(QStringLiteral("piece_%1%2").arg(s).arg(p),
                               QRect(geometry::nestSpot(s, p), geometry::kPawnSize), art::pawn(s));
            setTag(pawn, p);
            setHint(pawn, QString::number(s));
            connect(pawn, &BoardImage::mouseReleased, this,
                    [this, s, p](Qt::MouseButton button) { piece_12MouseUp(s, p, button); });
            pieces_[at(s)][at(p)] = pawn;
        }
    }

    static constexpr std::array<QPoint, kSeats> kWinnerSpots = {{{40, 32}, {336, 392}, {360, 83}, {8, 336}}};
    for (int s = 1; s <= kSeats; ++s) {
        winners_[at(s)] = image(QStringLiteral("image_winner%1").arg(s),
                                QRect(kWinnerSpots[at(s)], QSize(133, 77)), art::winnerBadge(s));
    }

    for (int d = 1; d <= 2; ++d) {
        auto* die = image(QStringLiteral("dice_%1").arg(d), QRect(geometry::initialDiceSpot(d), QSize(32, 32)),
                          QPixmap());
        setTag(die, 0);
        connect(die, &BoardImage::clicked, this, &TablePanel::dice_2Click);
        dice_[at(d)] = die;
    }

    for (int code : kMarkerLayers) {
        auto* marker = image(QStringLiteral("piece_gray%1").arg(code), QRect(0, 0, 51, 22), QPixmap());
        setTag(marker, code);
        setHint(marker, QStringLiteral("0"));
        marker->hide();
        connect(marker, &BoardImage::clicked, this, [this, code] { piece_gray1Click(code); });
        grays_[at(code)] = marker;
    }

    struct Token { int n; QRect geometry; };
    static const std::array<Token, 8> kTokens = {{
        {3, {235, 269, 32, 32}}, {4, {201, 269, 32, 32}},
        {1, {268, 271, 32, 28}}, {5, {268, 263, 32, 28}}, {6, {268, 255, 32, 28}},
        {2, {269, 202, 32, 28}}, {7, {269, 210, 32, 28}}, {8, {269, 218, 32, 28}},
    }};
    for (const Token& t : kTokens) {
        QPixmap picture;
        if (t.n == 1 || t.n == 5 || t.n == 6) picture = art::bonus20();
        else if (t.n == 2 || t.n == 7 || t.n == 8) picture = art::bonus10();
        auto* token = image(QStringLiteral("image_bonus%1").arg(t.n), t.geometry, picture);
        setTag(token, 0);
        bonus_[at(t.n)] = token;
    }

    buttonStart_ = image(QStringLiteral("button_start"), QRect(199, 224, 108, 52), art::startButton());
    buttonStart_->setCursor(Qt::PointingHandCursor);
    buttonStart_->hide();
    connect(buttonStart_, &BoardImage::clicked, this, &TablePanel::button_startClick);

    static constexpr std::array<QPoint, kSeats> kPassSpots = {{{13, 132}, {439, 335}, {440, 132}, {13, 340}}};
    for (int s = 1; s <= kSeats; ++s) {
        auto* pass = image(QStringLiteral("button_pass%1").arg(s), QRect(kPassSpots[at(s)], QSize(51, 34)),
                           art::passButton());
        pass->setCursor(Qt::PointingHandCursor);
        connect(pass, &BoardImage::clicked, this, [this, s] { button_pass1Click(s); });
        pass_[at(s)] = pass;
    }

    const QList<QPixmap> frames = art::warningFrames();
    warning_ = image(QStringLiteral("animated_warning"), QRect(184, 464, 100, 12),
                     frames.isEmpty() ? QPixmap() : frames.first());
    setTag(warning_, 0);
    warning_->setProperty("frame", 0);
    warning_->hide();
    // Runs only while the animation is on screen.
    warningTimer_ = new QTimer(this);
    warningTimer_->setObjectName(QStringLiteral("warningTimer"));
    warningTimer_->setInterval(100);
    connect(warningTimer_, &QTimer::timeout, this, &TablePanel::warningTick);

    auto* error = new QFrame(board);
    error->setObjectName(QStringLiteral("panel_error"));
    error->setGeometry(68, 195, 353, 97);
    error->setFrameShape(QFrame::Box);
    error->setLineWidth(2);
    error->setAutoFillBackground(true);
    {
        QPalette pal = error->palette();
        pal.setColor(QPalette::Window, QColor(250, 244, 226));
        pal.setColor(QPalette::WindowText, QColor(128, 0, 0));
        error->setPalette(pal);
    }
    labelError_ = new QLabel(error);
    labelError_->setObjectName(QStringLiteral("label_error"));
    labelError_->setGeometry(8, 8, 337, 81);
    labelError_->setFont(arial(19, false));
    labelError_->setAlignment(Qt::AlignCenter);
    labelError_->setWordWrap(true);
    setTextColour(labelError_, QColor(128, 0, 0)); // maroon
    image3_ = new BoardImage(error);
    image3_->setObjectName(QStringLiteral("Image3"));
    image3_->setGeometry(331, 6, 16, 16);
    image3_->setPixmap(art::closeImage());
    image3_->setCursor(Qt::PointingHandCursor);
    connect(image3_, &BoardImage::clicked, this, &TablePanel::Image3Click);
    panelError_ = error;
    error->hide();
}

void TablePanel::buildSide() {
    auto* takeover = new QFrame(this);
    takeover->setObjectName(QStringLiteral("panel_bottakeover"));
    takeover->setGeometry(72, 208, 353, 97);
    takeover->setFrameShape(QFrame::Box);
    takeover->setLineWidth(2);
    takeover->setAutoFillBackground(true);
    {
        QPalette pal = takeover->palette();
        pal.setColor(QPalette::Window, QColor(250, 244, 226));
        takeover->setPalette(pal);
    }
    auto* question = new QLabel(QStringLiteral("Would you like the bot to take over for"), takeover);
    question->setObjectName(QStringLiteral("Label1"));
    question->setGeometry(8, 10, 337, 20);
    question->setFont(arial(15, true));
    question->setAlignment(Qt::AlignCenter);
    labelBottakeover_ = new QLabel(QStringLiteral("Player?"), takeover);
    labelBottakeover_->setObjectName(QStringLiteral("label_bottakeover"));
    labelBottakeover_->setGeometry(8, 33, 337, 20);
    labelBottakeover_->setFont(arial(15, true));
    labelBottakeover_->setAlignment(Qt::AlignCenter);
    setHint(labelBottakeover_, QString());
    buttonYes_ = new QPushButton(QStringLiteral("Yes"), takeover);
    buttonYes_->setObjectName(QStringLiteral("button_yes"));
    buttonYes_->setGeometry(88, 62, 75, 25);
    buttonNo_ = new QPushButton(QStringLiteral("No"), takeover);
    buttonNo_->setObjectName(QStringLiteral("button_no"));
    buttonNo_->setGeometry(190, 62, 75, 25);
    connect(buttonYes_, &QPushButton::clicked, this, &TablePanel::button_yesClick);
    connect(buttonNo_, &QPushButton::clicked, this, &TablePanel::button_noClick);
    panelBottakeover_ = takeover;
    takeover->hide();

    image2_ = new BoardImage(this);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setGeometry(522, 0, 244, 42);
    image2_->setPixmap(art::logo());
    image2_->setCursor(Qt::PointingHandCursor);
    connect(image2_, &BoardImage::clicked, this, &TablePanel::Image2Click);

    image1_ = new BoardImage(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(548, 46, 195, 112);
    image1_->setPixmap(art::progressFrame());

    // Top to bottom the bars follow the seats clockwise round the board: 1, 3, 2, 4.
    static constexpr std::array<int, kSeats> kProgressTops = {58, 106, 82, 130};
    for (int s = 1; s <= kSeats; ++s) {
        auto* bar = new BoardImage(this);
        bar->setObjectName(QStringLiteral("image_progress%1").arg(s));
        bar->setGeometry(585, kProgressTops[at(s)], 0, 17);
        bar->setPixmap(art::progressBar(s));
        bar->setScaledContents(true);
        progress_[at(s)] = bar;
    }

    auto rule = [this](const QString& name, const QRect& geometry, const QString& caption, const QString& hint,
                       bool rightAligned) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setGeometry(geometry);
        label->setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        label->setToolTip(hint);
        setHint(label, hint);
        return label;
    };
    labelPassing_ = rule(QStringLiteral("label_passing"), QRect(529, 162, 101, 16), QStringLiteral("Passing: OFF"),
                         QStringLiteral("The abillity to pass your turn."), true);
    labelPenalty_ = rule(QStringLiteral("label_penalty"), QRect(643, 162, 118, 19),
                         QStringLiteral("Doubles Penalty: OFF"),
                         QStringLiteral("Penalty for rolling doubles more then twice a turn"), false);
    labelPouncing_ = rule(QStringLiteral("label_pouncing"), QRect(529, 178, 101, 16),
                          QStringLiteral("Pouncing: OFF"),
                          QStringLiteral("The ability to land on other players pawns and send it back to start."),
                          true);
    labelBlocking_ = rule(QStringLiteral("label_blocking"), QRect(644, 178, 100, 19),
                          QStringLiteral("Blocking: OFF"),
                          QStringLiteral("The abillity to have two of your pawns on one square preventing other "
                                         "players from passing."),
                          false);
    labelTeamgame_ = rule(QStringLiteral("label_teamgame"), QRect(529, 193, 101, 14),
                          QStringLiteral("Team Game: OFF"), QStringLiteral("To play with a partner"), true);
    labelLimit_ = rule(QStringLiteral("label_limit"), QRect(644, 194, 116, 16), QStringLiteral("Block Limit: OFF"),
                       QStringLiteral("The amount of turns two of your pawns can block."), false);
    setTag(labelBlocking_, 0);
    setTag(labelPouncing_, 0);
    setTag(labelTeamgame_, 0);

    labelLog_ = new QLabel(this);
    labelLog_->setObjectName(QStringLiteral("label_log"));
    labelLog_->setGeometry(511, 211, 267, 19);
    labelLog_->setFont(arial(13, true));
    labelLog_->setAlignment(Qt::AlignCenter);
    setTextColour(labelLog_, QColor(0, 128, 0));

    labelStatus_ = new QLabel(QStringLiteral("Welcome to Quadrino"), this);
    labelStatus_->setObjectName(QStringLiteral("label_status"));
    labelStatus_->setGeometry(511, 232, 267, 19);
    labelStatus_->setFont(arial(13, true));
    labelStatus_->setAlignment(Qt::AlignCenter);
    setTextColour(labelStatus_, Qt::black);

    // The question for a departed player lies over the board.
    panelBottakeover_->raise();

    popupKick_ = new QMenu(this);
    popupKick_->setObjectName(QStringLiteral("popup_kick"));
    setTag(popupKick_, 0);
    removeFromGame_ = popupKick_->addAction(QStringLiteral("Remove From Game"));
    removeFromGame_->setObjectName(QStringLiteral("RemoveFromGame1"));
    setToJustWatch_ = popupKick_->addAction(QStringLiteral("Set to Just Watch"));
    setToJustWatch_->setObjectName(QStringLiteral("SettoJustWatch1"));
    unsetJustWatch_ = popupKick_->addAction(QStringLiteral("Unset Just Watch"));
    unsetJustWatch_->setObjectName(QStringLiteral("UnsetJustWatch1"));
    connect(removeFromGame_, &QAction::triggered, this, &TablePanel::RemoveFromGame1Click);
    connect(setToJustWatch_, &QAction::triggered, this, &TablePanel::SettoJustWatch1Click);
    connect(unsetJustWatch_, &QAction::triggered, this, &TablePanel::UnsetJustWatch1Click);
}

void TablePanel::setHosting(bool hosting) { buttonStart_->setVisible(hosting); }

void TablePanel::setMessageBox(std::function<void(const QString&)> show) { messageBox_ = std::move(show); }

// ---- Mirror ----------------------------------------------------------------------------

int TablePanel::clientphase() const { return tagOf(theboard_); }

void TablePanel::setClientphase(int phase) { setTag(theboard_, phase); }

int TablePanel::boardpawn(int seat, int pawn) const {
    if (!validSeat(seat) || !validPawn(pawn)) return 0;
    return boardpawns_[at(seat)][at(pawn)];
}

void TablePanel::setBoardPawn(int seat, int pawn, int square) { boardpawns_[at(seat)][at(pawn)] = square; }

table::ClientMirror TablePanel::mirror() const {
    table::ClientMirror m;
    m.boardpawns = boardpawns_;
    m.amounts.dice1 = tagOf(dice_[0]);
    m.amounts.dice2 = tagOf(dice_[1]);
    for (int n = 1; n <= 8; ++n) m.amounts.bonus[at(n)] = tagOf(bonus_[at(n)]);
    m.blocking = tagOf(labelBlocking_) == 1;
    m.pouncing = tagOf(labelPouncing_) == 1;
    return m;
}

QString TablePanel::seatName(int seat) const { return validSeat(seat) ? names_[at(seat)]->text() : QString(); }

// ---- Drawing operations ----------------------------------------------------------------

void TablePanel::placePawn(int seat, int pawn, int square) {
    if (!validSeat(seat) || !validPawn(pawn)) return;
    pieces_[at(seat)][at(pawn)]->move(geometry::pawnSpot(seat, pawn, square));
}

void TablePanel::setbonus(int n, int value) {
    if (n < 1 || n > 8) return;
    BoardImage* token = bonus_[at(n)];
    setTag(token, value);
    if (value <= 0) {
        token->hide();
        return;
    }
    if (n == 3 || n == 4) token->setPixmap(art::die(value));
    token->show();
}

void TablePanel::setprogress(int seat, int value) {
    if (!validSeat(seat)) return;
    BoardImage* bar = progress_[at(seat)];
    // Only a damaged announcement could ask for more than the trough holds.
    bar->resize(std::clamp(value / 2, 0, 150), bar->height());
}

void TablePanel::cleardice(int n) {
    if (n < 1 || n > kMarkers) return;
    BoardImage* marker = grays_[at(n)];
    marker->hide();
    marker->move(0, 0);
    setHint(marker, QStringLiteral("0"));
    if (n <= 2) {
        dice_[at(n)]->setPixmap(QPixmap());
        setTag(dice_[at(n)], 0);
    }
}

void TablePanel::cleargrays() {
    for (BoardImage* marker : grays_) {
        marker->hide();
        marker->move(0, 0);
        setHint(marker, QStringLiteral("0"));
    }
}

void TablePanel::hideBonusTokens(int upTo, bool clearTags) {
    for (int n = 1; n <= upTo; ++n) {
        bonus_[at(n)]->hide();
        if (clearTags) setTag(bonus_[at(n)], 0);
    }
}

void TablePanel::hideAll(const std::array<BoardImage*, kSeats>& images) {
    for (BoardImage* img : images) img->hide();
}

void TablePanel::clearall() {
    cleargrays();
    panelError_->hide();
    hideBonusTokens(8, true);
    for (int s = 1; s <= kSeats; ++s) {
        eyes_[at(s)]->hide();
        turn_[at(s)]->hide();
        winners_[at(s)]->hide();
        pass_[at(s)]->hide();
        setprogress(s, 0);
        for (int p = 1; p <= table::kPawnCount; ++p) {
            setBoardPawn(s, p, 0);
            placePawn(s, p, 0);
        }
    }
}

void TablePanel::setplayer(const QString& seat, const QString& flag) {
    BoardImage* cross = nullptr;
    if (seat == QLatin1String("3")) cross = x3_;
    else if (seat == QLatin1String("4")) cross = x4_;
    if (cross == nullptr) return;
    const int s = seat.toInt();
    const bool playing = flag != QLatin1String("f");
    for (BoardImage* pawn : pieces_[at(s)]) pawn->setVisible(playing);
    cross->setVisible(!playing);
    if (!playing && isOwn(s))
        chat(QStringLiteral(
            "0+The game has already started, you will have to wait for the next game before you can play."));
}

void TablePanel::drawDie(BoardImage* die, int face) {
    die->setPixmap(QPixmap());
    die->setPixmap(art::die(face));
}

void TablePanel::showDice(int die1, int die2) {
    drawDie(dice_[0], die1);
    drawDie(dice_[1], die2);
    const int top1 = geometry::kRolledDiceTop + static_cast<int>(random_.below(geometry::kRolledDiceSpread));
    const int top2 = geometry::kRolledDiceTop + static_cast<int>(random_.below(geometry::kRolledDiceSpread));
    dice_[0]->move(geometry::rolledDiceLeft(1), top1);
    dice_[1]->move(geometry::rolledDiceLeft(2), top2);
}

// ---- Helpers ---------------------------------------------------------------------------

void TablePanel::chat(const QString& text) { hooks_.addlinetochat(text, kSystemColour); }

void TablePanel::send(const std::string& message) {
    if (identity_.loggedin) hooks_.sendToHost(message);
}

void TablePanel::playTurnSound() {
    hooks_.playsounds(hooks_.turnSound() == 1 ? QStringLiteral("turnnew") : QStringLiteral("turn"));
}

void TablePanel::setOptionLabels(bool penalty, bool passingOn, bool blocking, bool pouncing,
                                 const QString& limit) {
    auto onOff = [](bool on) { return on ? QStringLiteral("ON") : QStringLiteral("OFF"); };
    labelPenalty_->setText(QStringLiteral("Doubles Penalty: ") + onOff(penalty));
    labelPassing_->setText(QStringLiteral("Passing: ") + onOff(passingOn));
    labelBlocking_->setText(QStringLiteral("Blocking: ") + onOff(blocking));
    setTag(labelBlocking_, blocking ? 1 : 0);
    labelPouncing_->setText(QStringLiteral("Pouncing: ") + onOff(pouncing));
    setTag(labelPouncing_, pouncing ? 1 : 0);
    labelLimit_->setText(QStringLiteral("Block Limit: ") +
                         (limit.isEmpty() || limit == QLatin1String("0") ? QStringLiteral("None") : limit));
}

void TablePanel::setTeamGame(bool on) {
    labelTeamgame_->setText(on ? QStringLiteral("Team Game: ON") : QStringLiteral("Team Game: OFF"));
    setTag(labelTeamgame_, on ? 1 : 0);
    for (QLabel* team : teams_) team->setVisible(on);
}

void TablePanel::penaltyPawn(int seat, int pawn, int progress) {
    if (pawn == 0) return;
    setBoardPawn(seat, pawn, 0);
    placePawn(seat, pawn, 0);
    setprogress(seat, progress);
}

// ---- Announcements ---------------------------------------------------------------------

bool TablePanel::handle(ClientCommand cmd, std::string_view body) {
    switch (cmd) {
    case ClientCommand::newplayerinfo:
    case ClientCommand::existingplayers: newplayerinfo(body); return true;
    case ClientCommand::playerdisconnected: playerdisconnected(body); return true;
    case ClientCommand::startgame: startthegame(body); return true;
    case ClientCommand::nextplayer: getnextplayer(body); return true;
    case ClientCommand::hisdice: hisdice(body); return true;
    case ClientCommand::movehim: movehim(body); return true;
    case ClientCommand::sendback: sendback(body); return true;
    case ClientCommand::rollagain: rollagain(body); return true;
    case ClientCommand::nomoves: nomoves(body); return true;
    case ClientCommand::passing: passing(body); return true;
    case ClientCommand::gotpenalty: gotpenalty(body); return true;
    case ClientCommand::gotpenalty1: gotpenalty1(body); return true;
    case ClientCommand::warning: warning(body); return true;
    case ClientCommand::aerror: aerror(body); return true;
    case ClientCommand::winner: winner(body); return true;
    case ClientCommand::justwatching: justwatching(body); return true;
    case ClientCommand::removepegs: removepegs(body); return true;
    case ClientCommand::locations: locations(body); return true;
    case ClientCommand::morestats: morestats(body); return true;
    case ClientCommand::sendlogininfo:
    case ClientCommand::chat:
    case ClientCommand::action:
    case ClientCommand::playasound:
    case ClientCommand::havewrongversion:
    case ClientCommand::wrongversion:
    case ClientCommand::full:
        return false;
    }
    return false;
}

void TablePanel::newplayerinfo(std::string_view body) {
    const auto info = parseNumberAndName(body);
    if (!info || info->number < 1) return;
    const int seat = info->number;
    const QString name = fromWire(info->name);
    if (isOwn(seat)) {
        chat(QStringLiteral("0+You are Connected."));
        hooks_.settingsReload();
    } else {
        chat(QStringLiteral("0+") + name + QStringLiteral(" is Connected."));
    }
    if (seat <= kSeats) {
        names_[at(seat)]->setText(name);
    } else {
        hooks_.spyListAdd(QString::number(seat) + QStringLiteral(": ") + name);
        chat(isOwn(seat) ? QStringLiteral("0+You are spying.") : QStringLiteral("0+") + name + QStringLiteral(" is spying."));
    }
    hooks_.playsounds(QStringLiteral("entered"));
}

void TablePanel::playerdisconnected(std::string_view body) {
    const auto info = parseNumberAndName(body);
    if (!info || info->number < 1) return;
    const int seat = info->number;
    if (seat <= kSeats) {
        QLabel* label = names_[at(seat)];
        const QString name = label->text();
        const QString bot = hintOf(label);
        labelBottakeover_->setText(name);
        setHint(labelBottakeover_, QString::number(seat));
        if (name != bot) chat(QStringLiteral("0+") + name + QStringLiteral(" disconnected."));
        label->setText(bot);
        eyes_[at(seat)]->hide();
        const BoardImage* cross = seat == 3 ? x3_ : seat == 4 ? x4_ : nullptr;
        if (identity_.myseat == 1 && tagOf(labelTeamgame_) == 0 && cross != nullptr && cross->isHidden())
            panelBottakeover_->show();
    } else {
        const QString name = fromWire(info->name);
        const QString entry = QString::number(seat) + QStringLiteral(": ") + name;
        if (hooks_.spyListRemove(entry)) chat(QStringLiteral("0+") + name + QStringLiteral(" has left."));
    }
}

void TablePanel::startthegame(std::string_view body) {
    const auto info = parseStartgameInfo(body);
    if (!info) return;
    buttonStart_->hide();
    hooks_.setJustWatchChecked(false);
    canmove_ = false;
    panelError_->hide();
    clearall();
    auto on = [](const std::string& flag) { return flag == "1"; };
    setOptionLabels(on(info->penalty), on(info->passing), on(info->blocking), on(info->pouncing),
                    fromWire(info->blocklimit));
    setTeamGame(on(info->teamgame));
    setplayer(QStringLiteral("3"), fromWire(info->seat3playing));
    setplayer(QStringLiteral("4"), fromWire(info->seat4playing));
    chat(QStringLiteral("0+") + fromWire(info->name) + QStringLiteral(" has started a game."));
    for (int s = 2; s <= kSeats; ++s) {
        QLabel* label = names_[at(s)];
        if (label->text() == kWaiting) label->setText(hintOf(label));
    }
}

void TablePanel::getnextplayer(std::string_view body) {
    const auto info = parseNextplayer(body);
    if (!info || !validSeat(info->seat)) return;
    const int seat = info->seat;
    canmove_ = false;
    panelError_->hide();
    turnseat_ = seat;
    cleargrays();
    hideAll(turn_);
    hideAll(pass_);
    hideBonusTokens(8, true);
    turn_[at(seat)]->show();
    setClientphase(info->phase);
    drawDie(dice_[0], 1);
    drawDie(dice_[1], 1);
    if (info->phase == 1) {
        dice_[0]->move(geometry::turnDiceSpot(seat, 1));
        dice_[1]->move(geometry::turnDiceSpot(seat, 2));
    }
    const QString name = seatName(seat);
    if (name == identity_.myname) {
        labelStatus_->setText(QStringLiteral("Your Turn."));
        playTurnSound();
    } else {
        labelStatus_->setText(name + QStringLiteral("'s turn."));
    }
}

void TablePanel::hisdice(std::string_view body) {
    const auto info = parseHisdice(body);
    if (!info || !validSeat(info->seat)) return;
    showDice(info->die1, info->die2);
    setbonus(3, info->double1);
    setbonus(4, info->double2);
    if (info->double1 > 0) {
        labelLog_->setText(QStringLiteral(" DOUBLES!"));
        hooks_.playsounds(QStringLiteral("dice"));
    } else {
        hooks_.playsounds(QStringLiteral("doubledice"));
    }
    if (isOwn(info->seat)) {
        canmove_ = true;
        setClientphase(info->phase);
        setTag(dice_[0], info->die1);
        setTag(dice_[1], info->die2);
        if (info->passAllowed) pass_[at(info->seat)]->show();
    }
}

void TablePanel::movehim(std::string_view body) {
    const auto info = parseMovehim(body);
    if (!info || !validSeat(info->seat) || !validPawn(info->pawn) || !validSquare(info->square)) return;
    const int seat = info->seat;
    const int pawn = info->pawn;
    const int square = info->square;
    const int home = geometry::homeSquareOf(seat);
    setprogress(seat, info->progress);
    if (info->code == 1 || info->code == 2) {
        cleardice(info->code);
    } else if (info->code == 3) {
        cleardice(1);
        cleardice(2);
    }
    setBoardPawn(seat, pawn, square);
    const bool own = isOwn(seat);
    const QString name = seatName(seat);
    if (square == home) {
        labelLog_->setText(own ? QStringLiteral("You have moved a pawn HOME.") : name + QStringLiteral(" moved a pawn HOME."));
        placePawn(seat, pawn, square);
    } else {
        labelLog_->setText(own ? QStringLiteral("You have moved a pawn.") : name + QStringLiteral(" moved a pawn."));
        bool paired = false;
        for (int p = 1; p <= table::kPawnCount; ++p)
            if (p != pawn && boardpawn(seat, p) == square) paired = true;
        if (paired && square != 0) pieces_[at(seat)][at(pawn)]->move(geometry::pairedOffsetSpot(square));
        else placePawn(seat, pawn, square);
    }
    const MoveSlotsView& a = info->amounts;
    setbonus(1, a.bonus20a);
    setbonus(5, a.bonus20b);
    setbonus(6, a.bonus20c);
    setbonus(2, a.bonus10a);
    setbonus(7, a.bonus10b);
    setbonus(8, a.bonus10c);
    setbonus(3, a.double1);
    setbonus(4, a.double2);
    if (info->moreMoves) canmove_ = true;
    // A pawn whose partner just left its square goes back to the middle of it.
    for (int p = 1; p <= table::kPawnCount; ++p) {
        if (p == pawn) continue;
        const int sq = boardpawn(seat, p);
        if (sq == 0 || sq == home || sq > geometry::kSquareCount) continue;
        int together = 0;
        for (int other = 1; other <= table::kPawnCount; ++other)
            if (boardpawn(seat, other) == sq) ++together;
        const QPoint spot = geometry::squareSpot(sq);
        if (together == 1 && pieces_[at(seat)][at(p)]->x() != spot.x()) pieces_[at(seat)][at(p)]->move(spot);
    }
    hooks_.playsounds(QStringLiteral("movepiece"));
}

void TablePanel::sendback(std::string_view body) {
    const auto info = parseSendback(body);
    if (!info || !validSeat(info->mover) || !validSeat(info->seat) || !validPawn(info->pawn)) return;
    setBoardPawn(info->seat, info->pawn, 0);
    placePawn(info->seat, info->pawn, 0);
    setprogress(info->seat, info->progress);
    const QString captured = seatName(info->seat);
    if (isOwn(info->mover)) {
        labelLog_->setText(QStringLiteral("You have sent ") + captured + QStringLiteral(" back to start."));
        hooks_.playsounds(QStringLiteral("gotbonus"));
    } else {
        labelLog_->setText(seatName(info->mover) + QStringLiteral(" sent ") + captured +
                           QStringLiteral(" back to start."));
        hooks_.playsounds(QStringLiteral("sendback"));
    }
}

void TablePanel::rollagain(std::string_view body) {
    const auto seat = parseFirstNumber(body);
    if (!seat || !validSeat(*seat)) return;
    labelLog_->setText(isOwn(*seat) ? QStringLiteral("You get to roll again.")
                                    : seatName(*seat) + QStringLiteral(" gets to roll again."));
    hooks_.playsounds(QStringLiteral("rollagain"));
}

void TablePanel::nomoves(std::string_view body) {
    const auto seat = parseFirstNumber(body);
    if (!seat || !validSeat(*seat)) return;
    labelLog_->setText(isOwn(*seat) ? QStringLiteral("You have no valid moves.")
                                    : seatName(*seat) + QStringLiteral(" has no valid moves."));
    cleargrays();
    hideAll(pass_);
    hooks_.playsounds(QStringLiteral("nomoves"));
}

void TablePanel::passing(std::string_view body) {
    const auto seat = parseFirstNumber(body);
    if (!seat || !validSeat(*seat)) return;
    labelLog_->setText(isOwn(*seat) ? QStringLiteral("You have passed.") : seatName(*seat) + QStringLiteral(" has passed."));
    cleargrays();
    hideBonusTokens(4, false);
    hideAll(pass_);
    hooks_.playsounds(QStringLiteral("nomoves"));
}

void TablePanel::gotpenalty(std::string_view body) {
    const auto info = parseGotpenalty(body);
    if (!info || !validSeat(info->seat) || info->pawn < 0 || info->pawn > table::kPawnCount) return;
    penaltyPawn(info->seat, info->pawn, info->progress);
    labelLog_->setText(isOwn(info->seat) ? QStringLiteral("You got a Doubles Penalty.")
                                         : seatName(info->seat) + QStringLiteral(" got a 3 Double Penalty."));
    cleargrays();
    hideAll(pass_);
    showDice(info->die1, info->die2);
    setbonus(3, info->die1);
    setbonus(4, info->die2);
    hooks_.playsounds(QStringLiteral("nomoves"));
}

void TablePanel::gotpenalty1(std::string_view body) {
    const auto info = parseGotpenalty1(body);
    if (!info || !validSeat(info->seat) || info->pawn < 0 || info->pawn > table::kPawnCount) return;
    penaltyPawn(info->seat, info->pawn, info->progress);
    labelLog_->setText(isOwn(info->seat) ? QStringLiteral("You got a Limit Penalty")
                                         : seatName(info->seat) + QStringLiteral(" got a Limited Penalty"));
    cleargrays();
    hooks_.playsounds(QStringLiteral("nomoves"));
}

void TablePanel::warning(std::string_view body) {
    const auto info = parseWarning(body);
    if (!info || !validSeat(info->seat) || !validPawn(info->pawn)) return;
    warning_->move(pieces_[at(info->seat)][at(info->pawn)]->pos());
    if (isOwn(info->seat)) startWarning();
}

void TablePanel::startWarning() {
    setTag(warning_, 0);
    warning_->show();
    warningTimer_->start();
}

void TablePanel::warningTick() {
    const QList<QPixmap> frames = art::warningFrames();
    const int frame = (warning_->property("frame").toInt() + 1) % std::max<int>(1, static_cast<int>(frames.size()));
    warning_->setProperty("frame", frame);
    if (!frames.isEmpty()) warning_->setPixmap(frames.at(frame));
    const int ticks = tagOf(warning_) + 1;
    setTag(warning_, ticks);
    if (ticks > 20) {
        warningTimer_->stop();
        warning_->hide();
    }
}

void TablePanel::aerror(std::string_view body) {
    const auto info = parseAerror(body);
    if (!info || !isOwn(info->seat)) return;
    QString text;
    switch (info->phase) {
    case 1: text = QStringLiteral("You have already rolled the die."); break;
    case 2: text = QStringLiteral("You need to roll the die"); break;
    case 3: text = QStringLiteral("That dice is already used."); break;
    case 4: text = QStringLiteral("You do not have a bonus move."); break;
    case 5: text = QStringLiteral("That is not a valid move."); break;
    default: text = QString::number(info->phase); break;
    }
    canmove_ = true;
    labelError_->setText(text);
    panelError_->show();
    hooks_.playsounds(QStringLiteral("notvalid"));
}

void TablePanel::winner(std::string_view body) {
    const auto code = parseFirstNumber(body);
    if (!code || *code < 1 || *code > 6) return;
    panelError_->hide();
    const int w = *code;
    const QString name = w == 5 ? QStringLiteral("Team A") : w == 6 ? QStringLiteral("Team B") : seatName(w);
    // A team code is never a seat, whatever connection number the user holds.
    const bool ownWin = validSeat(w) && isOwn(w);
    hooks_.playsounds(QStringLiteral("winner"));
    labelLog_->setText(ownWin ? QStringLiteral("You have Won the Game!") : name + QStringLiteral(" has Won the Game!"));
    chat(QStringLiteral("0+") + labelLog_->text());
    auto crown = [this](int seat) {
        winners_[at(seat)]->show();
        progress_[at(seat)]->resize(150, progress_[at(seat)]->height());
    };
    if (w == 5) {
        crown(1);
        crown(2);
    } else if (w == 6) {
        crown(3);
        crown(4);
    } else {
        crown(w);
    }
    hideAll(turn_);
    hideAll(pass_);
    if (identity_.amhost) buttonStart_->show();
    hideBonusTokens(8, true);
    if (identity_.myseat >= 1 && identity_.myseat <= kSeats && validSeat(w))
        hooks_.addgame(ownWin ? QStringLiteral("addtomine") : name);
}

void TablePanel::justwatching(std::string_view body) {
    const auto info = parseJustwatching(body);
    if (!info || !validSeat(info->seat)) return;
    const int seat = info->seat;
    const bool watching = info->flag == "1";
    if (isOwn(seat)) hooks_.setJustWatchChecked(watching);
    chat(QStringLiteral("0+") + seatName(seat) +
         (watching ? QStringLiteral(" is just watching") : QStringLiteral(" is now playing again")));
    eyes_[at(seat)]->setVisible(watching);
}

void TablePanel::removepegs(std::string_view body) {
    const auto seat = parseFirstNumber(body);
    if (!seat || (*seat != 3 && *seat != 4)) return;
    const int s = *seat;
    setprogress(s, 0);
    (s == 3 ? x3_ : x4_)->show();
    for (int p = 1; p <= table::kPawnCount; ++p) {
        setBoardPawn(s, p, 0);
        placePawn(s, p, 0);
        pieces_[at(s)][at(p)]->hide();
    }
}

void TablePanel::morestats(std::string_view body) {
    // A flag rather than a number: anything but "1" means no teams.
    setTeamGame(body.substr(0, body.find('+')) == "1");
}

void TablePanel::locations(std::string_view body) {
    const auto info = parseLocations(body);
    if (!info || !isOwn(info->target) || !validSeat(info->whoseturn)) return;
    for (const auto& seat : info->pawns)
        for (int square : seat)
            if (!validSquare(square)) return;

    turnseat_ = info->whoseturn;
    setOptionLabels(info->penalty == 1, info->passing == 1, info->blocking == 1, info->pouncing == 1,
                    QString::number(info->blocklimit));
    for (int s = 1; s <= kSeats; ++s)
        for (int p = 1; p <= table::kPawnCount; ++p) setBoardPawn(s, p, info->pawns[at(s)][at(p)]);
    for (QLabel* label : names_)
        if (label->text() == kWaiting) label->setText(hintOf(label));
    const MoveSlotsView& a = info->amounts;
    setbonus(1, a.bonus20a);
    setbonus(5, a.bonus20b);
    setbonus(6, a.bonus20c);
    setbonus(2, a.bonus10a);
    setbonus(7, a.bonus10b);
    setbonus(8, a.bonus10c);
    setbonus(3, a.double1);
    setbonus(4, a.double2);
    setplayer(QStringLiteral("3"), fromWire(info->seat3playing));
    setplayer(QStringLiteral("4"), fromWire(info->seat4playing));
    for (int s = 1; s <= kSeats; ++s)
        for (int p = 1; p <= table::kPawnCount; ++p) placePawn(s, p, boardpawn(s, p));
    const int die1 = info->die1 == 0 ? 1 : info->die1;
    const int die2 = info->die2;
    showDice(die1, die2);
    turn_[at(info->whoseturn)]->show();
    if (isOwn(info->whoseturn)) {
        canmove_ = true;
        setClientphase(info->turnphase);
        setTag(dice_[0], die1);
        setTag(dice_[1], die2);
        labelStatus_->setText(QStringLiteral("Your Turn."));
        playTurnSound();
    } else {
        labelStatus_->setText(seatName(info->whoseturn) + QStringLiteral("'s turn."));
    }
}

// ---- Player input ----------------------------------------------------------------------

void TablePanel::dice_2Click() {
    if (turnseat_ != identity_.myseat || clientphase() != 1) return;
    send(request::playerroll(identity_.myseat));
    setClientphase(0);
}

void TablePanel::piece_12MouseUp(int seat, int pawn, Qt::MouseButton button) {
    cleargrays();
    if (button == Qt::RightButton) return;
    if (!validSeat(seat) || !validPawn(pawn)) return;
    const int me = identity_.myseat;
    if (seat != me) return;
    if (turnseat_ != me && !canmove_) return;
    if (boardpawn(seat, pawn) == 0) {
        const int code = table::enteringCode(mirror().amounts);
        if (code == 0) return;
        send(request::moveit(me, code, pawn));
        canmove_ = false;
        return;
    }
    const auto targets = table::markerTargets(mirror(), me, pawn);
    for (int code = 1; code <= kMarkers; ++code) {
        const int target = targets[static_cast<std::size_t>(code)];
        if (target == 0) continue;
        const QRect place = geometry::markerRect(me, target);
        if (place.isEmpty()) continue;
        BoardImage* marker = grays_[at(code)];
        marker->setPixmap(QPixmap());
        marker->setGeometry(place);
        marker->setPixmap(art::marker(me, place.height() > place.width()));
        setHint(marker, QString::number(pawn));
        marker->show();
    }
}

void TablePanel::piece_gray1Click(int marker) {
    if (marker < 1 || marker > kMarkers) return;
    for (BoardImage* m : grays_) m->hide();
    if (turnseat_ != identity_.myseat || !canmove_ || !identity_.loggedin) return;
    const BoardImage* clicked = grays_[at(marker)];
    bool ok = false;
    const int pawn = hintOf(clicked).toInt(&ok);
    if (!ok) return;
    send(request::moveit(identity_.myseat, tagOf(clicked), pawn));
    canmove_ = false;
}

void TablePanel::button_pass1Click(int seat) {
    if (turnseat_ == identity_.myseat && clientphase() == 2) {
        send(request::playerpass(identity_.myseat));
        setClientphase(0);
    }
    if (validSeat(seat)) pass_[at(seat)]->hide();
}

void TablePanel::button_startClick() {
    if (identity_.loggedin) hooks_.showGameOptions();
    else if (messageBox_) messageBox_(QStringLiteral("You are not connected"));
}

void TablePanel::Image3Click() { panelError_->hide(); }

void TablePanel::button_yesClick() { panelBottakeover_->hide(); }

void TablePanel::button_noClick() {
    panelBottakeover_->hide();
    if (identity_.myseat != 1 || !identity_.loggedin) return;
    bool ok = false;
    const int seat = hintOf(labelBottakeover_).toInt(&ok);
    if (ok) send(request::bottakeover(identity_.myseat, seat));
}

void TablePanel::label_playername1ContextPopup(int seat) {
    if (!validSeat(seat)) return;
    const QLabel* label = names_[at(seat)];
    const bool enabled = identity_.amhost && label->text() != hintOf(label) && label->text() != kWaiting;
    removeFromGame_->setEnabled(enabled);
    setToJustWatch_->setEnabled(enabled);
    unsetJustWatch_->setEnabled(enabled);
    setTag(popupKick_, tagOf(label));
}

void TablePanel::RemoveFromGame1Click() { kicking(tagOf(popupKick_)); }

void TablePanel::SettoJustWatch1Click() {
    const int seat = tagOf(popupKick_);
    if (identity_.loggedin && seat <= kSeats) send(request::justwatch(seat, 1));
}

void TablePanel::UnsetJustWatch1Click() {
    const int seat = tagOf(popupKick_);
    if (identity_.loggedin && seat <= kSeats) send(request::justwatch(seat, 2));
}

void TablePanel::kicking(int number) {
    if (identity_.amhost && identity_.loggedin) send(request::kickhim(identity_.myseat, number));
}

void TablePanel::Image2Click() { hooks_.openWebsite(); }

} // namespace quadrino
