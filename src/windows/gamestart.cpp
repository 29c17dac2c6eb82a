// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/gamestart.h"

#include <QKeyEvent>
#include <QtGlobal>

#include <algorithm>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "protocol/catalogue.h"
#include "protocol/cp1252.h"
#include "art/art.h"
#include "windows/picture_button.h"

namespace quadrino {
namespace {

constexpr const char* kTag = "tag";
constexpr int kBoxLeft = 22;
constexpr int kCaptionLeft = 50;

QFont dialogFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect where, int pixelSize, bool bold,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(dialogFont(pixelSize, bold));
    label->setAlignment(align);
    label->setGeometry(where);
    return label;
}

// Explanations read quieter than the options themselves.
void soften(QLabel* label) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(96, 78, 56));
    label->setPalette(pal);
}

} // namespace

// ---- CheckImage ---------------------------------------------------------------------------

CheckImage::CheckImage(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(20, 20);
    // Tab reaches it; a click does not move the focus, so mouse users see no frame.
    setFocusPolicy(Qt::TabFocus);
    setState(0);
}

int CheckImage::state() const { return property(kTag).toInt(); }

void CheckImage::setState(int value) {
    setProperty(kTag, value);
    setPixmap(art::checkBox(value == 1));
    setAccessibleDescription(value == 1 ? QStringLiteral("checked, Space unchecks it")
                                        : QStringLiteral("not checked, Space checks it"));
}

void CheckImage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CheckImage::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CheckImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CheckImage::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button on the picture.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

// ---- LimitSpinBox -------------------------------------------------------------------------

LimitSpinBox::LimitSpinBox(QWidget* parent) : QSpinBox(parent) {
    setObjectName(QStringLiteral("updown_limited"));
    setRange(0, GameOptionsDialog::kMaxBlockLimit);
    setWrapping(false);
    // Whatever is typed is checked against the range; text left unfinished falls back to
    // the last good value when the box is left.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setFocusPolicy(Qt::StrongFocus);
    lineEdit()->setObjectName(QStringLiteral("edit_limited"));
    lineEdit()->setMaxLength(2);
}

void LimitSpinBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore();
        return;
    default:
        QSpinBox::keyPressEvent(event);
    }
}

// ---- GameOptionsDialog ---------------------------------------------------------------------------

GameOptionsDialog::GameOptionsDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("gamestart"));
    setWindowTitle(QStringLiteral("Quadrino - Game Start"));
    setModal(false);
    setFixedSize(276, 352);
    setFont(dialogFont(11, false));
    // White underneath, the main window's background picture on top.
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QBrush(Qt::white, art::background()));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    addLabel(this, QStringLiteral("label_title"), QStringLiteral("Quadrino Game Options"), QRect(0, 10, 276, 24), 18,
             true, Qt::AlignCenter);

    penalty_ = addBox(QStringLiteral("box_penalty"), 46, QStringLiteral("3 Double Penalty"), 1);
    passing_ = addBox(QStringLiteral("box_passing"), 74, QStringLiteral("Passing Allowed"), 0);
    blocking_ = addBox(QStringLiteral("box_blocking"), 102, QStringLiteral("Blocking Allowed"), 1);

    addLabel(this, QStringLiteral("caption_limit"), QStringLiteral("Limit Blocks To:"), QRect(kCaptionLeft, 128, 120, 20),
             13, true);
    limit_ = new LimitSpinBox(this);
    limit_->setFont(dialogFont(13, true));
    limit_->setGeometry(kCaptionLeft, 150, 46, 24);
    limit_->setValue(3);
    addLabel(this, QStringLiteral("caption_turns"), QStringLiteral("Turns"), QRect(kCaptionLeft, 175, 46, 16), 11, false,
             Qt::AlignHCenter | Qt::AlignTop);
    QLabel* note = addLabel(this, QStringLiteral("caption_unlimited"), QStringLiteral("setting to 0 allows unlimited blocking"),
                            QRect(104, 148, 160, 30), 11, false);
    note->setWordWrap(true);
    soften(note);

    pouncing_ = addBox(QStringLiteral("box_pouncing"), 198, QStringLiteral("Pouncing Allowed"), 1);
    fullgame_ = addBox(QStringLiteral("box_fullgame"), 226, QStringLiteral("Full Game"), 0);
    soften(addLabel(this, QStringLiteral("caption_bots"), QStringLiteral("Bots will fill empty seats"),
                    QRect(132, 226, 140, 20), 11, false));
    teamgame_ = addBox(QStringLiteral("box_teamgame"), 254, QStringLiteral("Team Game"), 0);

    auto* start = new PictureButton(art::startButton(), this);
    start->setObjectName(QStringLiteral("button_start"));
    start->setToolTip(QStringLiteral("Start Game (Enter)"));
    start->setAccessibleName(QStringLiteral("Start Game"));
    limit_->setAccessibleName(QStringLiteral("Limit Blocks To"));
    limit_->setAccessibleDescription(QStringLiteral("turns; 0 allows unlimited blocking"));
    start->move((width() - start->width()) / 2, 288);
    connect(start, &QAbstractButton::clicked, this, &GameOptionsDialog::button_startClick);
    start_ = start;
}

CheckImage* GameOptionsDialog::addBox(const QString& name, int y, const QString& caption, int initial) {
    auto* box = new CheckImage(name, this);
    box->move(kBoxLeft, y);
    box->setState(initial);
    connect(box, &CheckImage::clicked, this, [this, box] { box_penaltyClick(box); });
    // The caption beside a box is a larger target for the same click.
    QString captionName = name;
    captionName.replace(QStringLiteral("box_"), QStringLiteral("caption_"));
    QLabel* label = addLabel(this, captionName, caption, QRect(kCaptionLeft, y, 140, 20), 13, true);
    label->setFixedWidth(label->sizeHint().width());
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    box->setAccessibleName(caption);
    captionBoxes_.insert(label, box);
    return box;
}

void GameOptionsDialog::setNameProvider(std::function<QString()> provider) { nameProvider_ = std::move(provider); }
void GameOptionsDialog::setSender(std::function<void(const std::string&)> sender) { sender_ = std::move(sender); }
void GameOptionsDialog::setAfterStart(std::function<void()> afterStart) { afterStart_ = std::move(afterStart); }

int GameOptionsDialog::penalty() const { return penalty_->state(); }
int GameOptionsDialog::passing() const { return passing_->state(); }
int GameOptionsDialog::blocking() const { return blocking_->state(); }
int GameOptionsDialog::pouncing() const { return pouncing_->state(); }
int GameOptionsDialog::fullgame() const { return fullgame_->state(); }
int GameOptionsDialog::teamgame() const { return teamgame_->state(); }
int GameOptionsDialog::blocklimit() const { return limit_->value(); }

void GameOptionsDialog::box_penaltyClick(CheckImage* box) {
    if (!box) return;
    box->setState(box->state() == 0 ? 1 : 0);
}

bool GameOptionsDialog::changebox(const QString& name, int value) {
    if (value != 0 && value != 1) return false;
    for (CheckImage* box : {penalty_, passing_, blocking_, pouncing_, fullgame_, teamgame_}) {
        if (box->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            box->setState(value);
            return true;
        }
    }
    return false;
}

bool GameOptionsDialog::changebox1(const QString& name, int value) {
    if (limit_->objectName().compare(name, Qt::CaseInsensitive) != 0) return false;
    limit_->setValue(std::clamp(value, 0, kMaxBlockLimit));
    return true;
}

std::string GameOptionsDialog::startMessage() const {
    const QString name = nameProvider_ ? nameProvider_() : QString();
    const QByteArray utf8 = name.toUtf8();
    return request::startgame(utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))),
                              penalty(), passing(), blocking(), pouncing(), teamgame(), blocklimit(), fullgame());
}

void GameOptionsDialog::button_startClick() {
    // Text still being typed in the number box counts if it is a good number.
    limit_->interpretText();
    const std::string message = startMessage();
    if (sender_) sender_(message);
    hide();
    if (afterStart_) afterStart_();
}

void GameOptionsDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        button_startClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool GameOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<QWidget*>(watched);
        if (CheckImage* box = captionBoxes_.value(watched); box && label && mouse->button() == Qt::LeftButton &&
                                                               label->rect().contains(mouse->position().toPoint())) {
            box_penaltyClick(box);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GameOptionsDialog::showEvent(QShowEvent* event) {
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
    QDialog::showEvent(event);
}

} // namespace quadrino
