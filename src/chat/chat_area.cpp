// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/chat_area.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QMenu>
#include <QToolButton>
#include <array>

#include "chat/chat_entry.h"
#include "chat/chat_pane.h"
#include "chat/chatter_sounds.h"
#include "protocol/vocabulary.h"
#include "chat/phrase_buttons.h"
#include "art/art.h"
#include "art/board_placement.h"
#include "art/scaled_layout.h"

namespace quadrino {

namespace {

// The captions the user sees; the sounds themselves travel by number.
constexpr std::array<const char*, kChatterSoundCount> kChatterCaptions = {
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Doh"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Cough"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Hello"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Thank You"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Where have you been?"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Snoring"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Sneezing"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Sorry"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Welcome"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Yeehaa"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Yippee"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Oh No"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Applause"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Honk"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Oooh"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Razzberry"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Cheer"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Woman Laughing"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Man Laughing"),
    QT_TRANSLATE_NOOP("quadrino::ChatArea", "Crying"),
};

const QColor kChatBase(233, 233, 214);

QRect placed(const char* name) { return placement::rectOf(name); }

QMenu* chatterSoundMenu(QWidget* owner) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("popup_sounds"));
    QAction* cancel = menu->addAction(ChatArea::tr("<Cancel>"));
    cancel->setObjectName(QStringLiteral("Cancel1"));
    cancel->setProperty("tag", 0);
    for (int n = 1; n <= kChatterSoundCount; ++n) {
        QAction* a = menu->addAction(chatterSoundCaption(n));
        a->setObjectName(QString::fromStdString(chatterSoundName(n)));
        a->setToolTip(a->text());
        a->setProperty("tag", n);
    }
    menu->setToolTipsVisible(true);
    return menu;
}

QToolButton* smileyButton(QWidget* panel) {
    auto* b = new QToolButton(panel);
    b->setObjectName(QStringLiteral("button_smilies"));
    scaling::place(b, placed("button_smilies"), 1.0);
    b->setAutoRaise(true);
    const QPixmap icon = art::smiley(0);
    b->setIcon(QIcon(icon));
    scaling::setBaseIconSize(b, icon.deviceIndependentSize().toSize(), 1.0);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(QStringLiteral("QToolButton { background: white; border: 1px solid #b8b8a0; }"
                                    "QToolButton:hover { border-color: #808070; }"
                                    "QToolButton:pressed { background: #e8e8e8; }"));
    return b;
}

} // namespace

QString enterChatHere() { return ChatArea::tr("<Enter Chat Here>"); }

QString chatterSoundCaption(int number) {
    if (number < 1 || number > kChatterSoundCount) return {};
    return ChatArea::tr(kChatterCaptions[static_cast<std::size_t>(number - 1)]);
}

namespace {

QFrame* chatFrame(QWidget* panel) {
    auto* flat = new QFrame(panel);
    flat->setObjectName(QStringLiteral("FlatPanel1"));
    flat->setFrameShape(QFrame::Box);
    flat->setLineWidth(1);
    QPalette fp = flat->palette();
    fp.setColor(QPalette::WindowText, QColor(128, 128, 112));
    fp.setColor(QPalette::Window, kChatBase);
    flat->setPalette(fp);
    flat->setAutoFillBackground(true);
    flat->setAccessibleName(ChatArea::tr("Chat"));
    scaling::place(flat, placed("FlatPanel1"), 1.0);
    return flat;
}

} // namespace

ChatArea::ChatArea(QWidget* panel, QWidget* menuOwner, const Preferences& prefs)
    : QObject(menuOwner), mainchat(new ChatPane(chatFrame(panel))), mychat(new ChatEntry(panel)),
      phrases(new PhraseButtons(panel)), popupSounds(chatterSoundMenu(menuOwner)), smilies(smileyButton(panel)),
      popupSmilies(new QMenu(menuOwner)), prefs_(prefs), sound_(std::make_unique<SilentSoundPlayer>()) {
    sinceStart_.start();
    scaling::place(mainchat, placed("mainchat"), 1.0);
    mainchat->setSmileyPictures([](int n) { return art::smiley(n).toImage(); });
    mainchat->setAccessibleName(tr("Chat"));

    scaling::place(mychat, placed("mychat"), 1.0);
    scaling::setBaseFont(mychat, 13, false, 1.0);
    QPalette cp = mychat->palette();
    cp.setColor(QPalette::Base, kChatBase);
    cp.setColor(QPalette::Text, Qt::black);
    mychat->setPalette(cp);
    mychat->setText(enterChatHere());
    mychat->setToolTip(tr("Chat (F6 goes to the board and back)"));
    mychat->setAccessibleName(tr("Chat entry"));
    mychat->installEventFilter(this);
    connect(mychat, &QLineEdit::returnPressed, this, &ChatArea::sendit);

    scaling::place(phrases, QRect(placed("b_phrase1").topLeft(), phrases->size()), 1.0);
    connect(phrases, &PhraseButtons::chatterSoundMenuRequested, popupSounds, [this](const QPoint& at) { popupSounds->popup(at); });
    connect(phrases, &PhraseButtons::phraseChosen, &sender_, &ChatSender::sendPhrase);
    connect(popupSounds, &QMenu::triggered, this, [this](QAction* a) { sender_.sendChatterSound(a->property("tag").toInt()); });

    popupSmilies->setObjectName(QStringLiteral("popup_smilies"));
    for (int number = kSmileyFirst; number < kSmileyFirst + kSmileyCount; ++number) {
        QAction* a = popupSmilies->addAction(QIcon(art::smiley(number - kSmileyFirst)), QStringLiteral(":)#%1").arg(number));
        a->setObjectName(QStringLiteral("N%1").arg(number + 250)); // N260..N277
        a->setProperty("tag", number);
        connect(a, &QAction::triggered, mychat, [this, number] {
            if (mychat->text() == enterChatHere()) mychat->clear();
            mychat->setText(mychat->text() + QStringLiteral(":)#%1").arg(number));
            mychat->deselect();
            mychat->setCursorPosition(static_cast<int>(mychat->text().size()));
        });
    }
    connect(smilies, &QToolButton::clicked, popupSmilies,
            [this] { popupSmilies->popup(smilies->mapToGlobal(smilies->rect().bottomRight())); });
    smilies->setAccessibleName(tr("Smileys"));
    smilies->setToolTip(tr("Smileys"));
    smilies->setFocusPolicy(Qt::TabFocus);
    smilies->setStyleSheet(smilies->styleSheet() + QStringLiteral("QToolButton:focus { border: 2px solid #0000a0; }"));
    sender_.setClock([this] { return now(); });
}

void ChatArea::setSpeaker(std::function<int()> myseat, std::function<QString(int)> seatName) {
    sender_.setSpeaker([this, myseat = std::move(myseat)] { return ChatSender::Speaker{myseat(), prefs_.textcolor}; });
    seatName_ = std::move(seatName);
}

void ChatArea::setSoundPlayer(std::unique_ptr<SoundPlayer> player) {
    if (player) sound_ = std::move(player);
}

void ChatArea::setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

void ChatArea::setPaneMenu(QMenu* menu) {
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mainchat, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint& at) { menu->popup(mainchat->viewport()->mapToGlobal(at)); });
}

void ChatArea::addlinetochat(const QString& text, BgrColour colour) { mainchat->addlinetochat(text, colour); }

void ChatArea::playsounds(const QString& name) {
    if (prefs_.playsounds) sound_->play(name);
}

void ChatArea::playasound(const QString& relayed) {
    const std::optional<ChatterSoundRequest> sound = chatterGate_.admit(relayed.toStdString(), now());
    if (!sound) return;
    if (prefs_.chattersounds) return sound_->play(QString::fromStdString(chatterSoundName(sound->number)));
    // Only a seat has a name label to name the sender by.
    if (sound->seat > kSeatCount || !seatName_) return;
    addlinetochat(QStringLiteral("0+") + tr("%1: <Chatter Sound> %2").arg(seatName_(sound->seat), chatterSoundCaption(sound->number)),
                  kSystemColour);
}

void ChatArea::sendit() {
    if (sender_.sendTyped(mychat->text())) mychat->clear();
}

void ChatArea::applyPreferences() {
    if (prefs_.textsize > 0) mainchat->setTextSize(prefs_.textsize);
    QPalette palette = mychat->palette();
    palette.setColor(QPalette::Text, QColor::fromRgb(bgrToRgb(prefs_.textcolor)));
    mychat->setPalette(palette);
    phrases->setPhrases(prefs_.phrases);
}

void ChatArea::setScale(qreal scale) {
    {
        // The chat's own pictures, sharp at the new size (small enough to draw at once).
        const art::ScaleScope scope(scale);
        smilies->setIcon(QIcon(art::smiley(0)));
        phrases->redrawIcons();
    }
    mainchat->setZoom(scale);
}

bool ChatArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mychat && event->type() == QEvent::KeyPress && mychat->text() == enterChatHere()) mychat->clear();
    return QObject::eventFilter(watched, event);
}

} // namespace quadrino
