// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/gamestart.h"

#include <QCoreApplication>
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
constexpr int kWidth = 276;
constexpr int kFirstRow = 46;    // the first option's top
constexpr int kRowStep = 28;     // a box and its caption
constexpr int kNumberStep = 68;  // a number box with its caption above and "Turns" below
constexpr int kButtonGap = 6;    // from below the last option to the start button
constexpr int kBelowButton = 64;
constexpr int kNoteLeft = 132;   // a box's note, unless its caption reaches further
constexpr int kNoteGap = 8;

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

QString latin(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

// The option table's captions and notes as this dialog shows them. The table lives in the
// Qt-free rules, so the texts are marked here, where they are translated.
constexpr const char* kOptionTexts[] = {
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "3 Double Penalty"),
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "Passing Allowed"),
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "Blocking Allowed"),
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "Limit Blocks To:"),
    //: The accessible description reads the note from its first "0" on, so keep the 0 where
    //: that reads as a sentence.
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "setting to 0 allows unlimited blocking"),
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "Pouncing Allowed"),
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "Full Game"),
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "Bots will fill empty seats"),
    QT_TRANSLATE_NOOP("quadrino::GameOptionsDialog", "Team Game"),
};

constexpr bool marked(std::string_view text) {
    if (text.empty()) return true;
    for (const char* t : kOptionTexts)
        if (text == t) return true;
    return false;
}

constexpr bool everyOptionTextMarked() {
    for (const GameOptionRow& row : kGameOptions)
        if (!marked(row.caption) || !marked(row.note)) return false;
    return true;
}
// A caption changed or added in the table without its mark here would stay in English.
static_assert(everyOptionTextMarked(), "an option's caption or note is missing from kOptionTexts");

QString optionText(std::string_view text) {
    for (const char* t : kOptionTexts)
        if (text == t) return QCoreApplication::translate("quadrino::GameOptionsDialog", t);
    return latin(text);
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
    setAccessibleDescription(value == 1 ? tr("checked, Space unchecks it") : tr("not checked, Space checks it"));
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

LimitSpinBox::LimitSpinBox(const QString& name, int highest, QWidget* parent) : QSpinBox(parent) {
    setObjectName(name);
    setRange(0, highest);
    setWrapping(false);
    // Whatever is typed is checked against the range; text left unfinished falls back to
    // the last good value when the box is left.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setFocusPolicy(Qt::StrongFocus);
    QString editName = name;
    editName.replace(QStringLiteral("updown_"), QStringLiteral("edit_"));
    lineEdit()->setObjectName(editName);
    lineEdit()->setMaxLength(static_cast<int>(QString::number(highest).size()));
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
    setWindowTitle(tr("Quadrino - Game Start"));
    setModal(false);
    setFont(dialogFont(11, false));
    // White underneath, the main window's background picture on top.
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QBrush(Qt::white, art::background()));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    addLabel(this, QStringLiteral("label_title"), tr("Quadrino Game Options"), QRect(0, 10, kWidth, 24), 18,
             true, Qt::AlignCenter);

    int y = kFirstRow;
    for (const GameOptionRow& row : kGameOptions) y = row.isFlag() ? addBox(row, y) : addNumberBox(row, y);

    auto* start = new PictureButton(art::startButton(), this);
    start->setObjectName(QStringLiteral("button_start"));
    start->setToolTip(tr("Start Game (Enter)"));
    start->setAccessibleName(tr("Start Game"));
    setFixedSize(kWidth, y + kButtonGap + kBelowButton);
    start->move((width() - start->width()) / 2, y + kButtonGap);
    connect(start, &QAbstractButton::clicked, this, &GameOptionsDialog::button_startClick);
    start_ = start;
}

int GameOptionsDialog::addBox(const GameOptionRow& row, int y) {
    const QString name = latin(row.control);
    const QString caption = optionText(row.caption);
    auto* box = new CheckImage(name, this);
    box->move(kBoxLeft, y);
    box->setState(row.initial);
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
    if (!row.note.empty()) {
        // A caption that is longer in another language pushes its note right, never under it.
        const int noteLeft = std::max(kNoteLeft, label->geometry().right() + 1 + kNoteGap);
        soften(addLabel(this, latin(row.noteName), optionText(row.note), QRect(noteLeft, y, kWidth - 4 - noteLeft, 20),
                        11, false));
    }
    boxes_[static_cast<std::size_t>(row.id)] = box;
    return y + kRowStep;
}

int GameOptionsDialog::addNumberBox(const GameOptionRow& row, int y) {
    // The caption above, the box, "Turns" under it and the explanation beside it.
    const QString caption = optionText(row.caption);
    addLabel(this, QStringLiteral("caption_limit"), caption, QRect(kCaptionLeft, y - 2, 120, 20), 13, true);
    auto* number = new LimitSpinBox(latin(row.control), row.highest, this);
    number->setFont(dialogFont(13, true));
    number->setGeometry(kCaptionLeft, y + 20, 46, 24);
    number->setValue(row.initial);
    addLabel(this, QStringLiteral("caption_turns"), tr("Turns"), QRect(kCaptionLeft, y + 45, 46, 16), 11,
             false, Qt::AlignHCenter | Qt::AlignTop);
    if (!row.note.empty()) {
        QLabel* note = addLabel(this, latin(row.noteName), optionText(row.note),
                                QRect(104, y + 18, 160, 30), 11, false);
        note->setWordWrap(true);
        soften(note);
        number->setAccessibleDescription(tr("turns; %1").arg(note->text().mid(note->text().indexOf(u'0'))));
    }
    QString accessible = caption;
    accessible.remove(u':');
    number->setAccessibleName(accessible);
    numbers_[static_cast<std::size_t>(row.id)] = number;
    return y + kNumberStep;
}

void GameOptionsDialog::setNameProvider(std::function<QString()> provider) { nameProvider_ = std::move(provider); }
void GameOptionsDialog::setSender(std::function<void(const std::string&)> sender) { sender_ = std::move(sender); }
void GameOptionsDialog::setAfterStart(std::function<void()> afterStart) { afterStart_ = std::move(afterStart); }

GameOptions GameOptionsDialog::options() const {
    GameOptions o;
    for (const GameOptionRow& row : kGameOptions) {
        const auto at = static_cast<std::size_t>(row.id);
        row.set(o, row.isFlag() ? boxes_[at]->state() : numbers_[at]->value());
    }
    return o;
}

void GameOptionsDialog::showKept(const GameOptions& options) {
    for (const GameOptionRow& row : kGameOptions) {
        if (row.settingsKey.empty()) continue;
        const QString name = latin(row.control);
        if (row.isFlag()) changebox(name, row.value(options));
        else setNumberBox(name, row.value(options));
    }
}

void GameOptionsDialog::box_penaltyClick(CheckImage* box) {
    if (!box) return;
    box->setState(box->state() == 0 ? 1 : 0);
}

bool GameOptionsDialog::changebox(const QString& name, int value) {
    if (value != 0 && value != 1) return false;
    for (CheckImage* box : boxes_) {
        if (box && box->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            box->setState(value);
            return true;
        }
    }
    return false;
}

bool GameOptionsDialog::setNumberBox(const QString& name, int value) {
    for (LimitSpinBox* number : numbers_) {
        if (number && number->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            number->setValue(std::clamp(value, 0, number->maximum()));
            return true;
        }
    }
    return false;
}

std::string GameOptionsDialog::startMessage() const {
    const QString name = nameProvider_ ? nameProvider_() : QString();
    const QByteArray utf8 = name.toUtf8();
    StartGameRequest request;
    request.name = utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    request.options = options();
    return encode(request);
}

void GameOptionsDialog::button_startClick() {
    // Text still being typed in the number box counts if it is a good number.
    for (LimitSpinBox* number : numbers_)
        if (number) number->interpretText();
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
