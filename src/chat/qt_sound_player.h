// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's sounds played through Qt Multimedia from the recordings built into the program.
#include <QObject>
#include <QStringList>
#include <map>

#include "chat/sound_player.h"

class QSoundEffect;

namespace quadrino {

class QtSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // Loads every recording once, as soon as there is an audio output (now or at a later play);
    // the effects are kept for the life of the player.
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    // Game sounds ("turn", "dice", ...) share one channel and a new one cuts off the one still
    // playing; chatter sounds ("wave1".."wave20") share another, so a remark does not silence
    // the game. Names ignore case; a name with no recording is ignored. Without an audio device
    // or sound server nothing is heard and nothing is reported.
    void play(const QString& name) override;

    // The lower-case names of every recording ("dice", ..., "wave20").
    static QStringList soundNames();
    // The resource path of a name's recording (":/sounds/DICE.wav"), empty for an unknown name.
    static QString resourceOf(const QString& name);

    // The effect a name plays, nullptr for an unknown name or while there is no audio output
    // (for checks and tests).
    QSoundEffect* effect(const QString& name) const;

private:
    bool makeEffects();

    std::map<QString, QSoundEffect*> effects_; // by lower-case name, owned through QObject
    QSoundEffect* game_ = nullptr;
    QSoundEffect* chatter_ = nullptr;
};

} // namespace quadrino
