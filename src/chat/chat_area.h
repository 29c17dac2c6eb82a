// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chat beside the board: the pane in its frame, the entry box, the smiley button and its
// menu, the phrase buttons and the chatter sound menu, placed on the board panel at their
// placement rows, with what makes them work: the chat sender behind the box, the phrases and
// the sound menu, and the sounds the game and the other players ask for.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "chat/chat_sender.h"
#include "chat/chatter_sounds.h"
#include "chat/sound_player.h"
#include "settings/preferences.h"

class QMenu;
class QToolButton;
class QWidget;

namespace quadrino {

class ChatEntry;
class ChatPane;
class PhraseButtons;

// The entry box's text until the user types.
QString enterChatHere();

// The caption of chatter sound n (1..20) in its menu and in the line that tells of it.
QString chatterSoundCaption(int number);

class ChatArea : public QObject {
    Q_OBJECT
public:
    // Places the controls on `panel`; `menuOwner` keeps the pop-up menus. `prefs` (sounds on
    // or off, the user's colour, text size, phrases) must outlive the area.
    ChatArea(QWidget* panel, QWidget* menuOwner, const Preferences& prefs);

    // In the order of the focus chain: the box, the phrase buttons, the smiley button.
    ChatPane* const mainchat;
    ChatEntry* const mychat;
    PhraseButtons* const phrases;
    // "<Cancel>" and the twenty sounds; each entry's "tag" property is its number (0: cancel).
    QMenu* const popupSounds;
    QToolButton* const smilies;
    QMenu* const popupSmilies;

    ChatSender& sender() { return sender_; }
    // Who speaks (connection number, 0 before login) and who sits on a seat, asked when needed.
    void setSpeaker(std::function<int()> myseat, std::function<QString(int seat)> seatName);
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player);
    // Monotonic milliseconds for the phrase lock and the chatter sounds' spacing.
    void setClock(std::function<qint64()> clock);
    // The pane's own pop-up menu.
    void setPaneMenu(QMenu* menu);

    void addlinetochat(const QString& text, BgrColour colour);
    // A game sound by name, when sounds are on.
    void playsounds(const QString& name);
    // A relayed chatter sound ("seat+waveN+"): played when chatter sounds are on, otherwise
    // told in one system line; ignored unless it names one of the twenty and its sender has
    // not had one in the last second.
    void playasound(const QString& relayed);
    // Enter in the entry box: the line goes to the host and the box is emptied (before login
    // the line stays).
    void sendit();
    // Text size, the user's colour and the phrases, as the preferences have them now.
    void applyPreferences();
    // Draws the chat's pictures for a new window scale.
    void setScale(qreal scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qint64 now() const { return clock_ ? clock_() : sinceStart_.elapsed(); }

    const Preferences& prefs_;
    ChatSender sender_;
    std::unique_ptr<SoundPlayer> sound_;
    ChatterSoundGate chatterGate_;
    QElapsedTimer sinceStart_;
    std::function<qint64()> clock_;
    std::function<QString(int)> seatName_;
};

} // namespace quadrino
