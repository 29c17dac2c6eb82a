// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the game's sounds go. QtSoundPlayer (qt_sound_player.h) plays the recordings; the
// silent player serves copies that must make no noise, and tests record what would have played.
#include <QString>
#include <QStringList>

namespace quadrino {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts a named sound ("turn", "wave3", ...) without waiting; names ignore case.
    virtual void play(const QString& name) = 0;
};

class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(const QString&) override {}
};

class RecordingSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& name) override { played.append(name.toLower()); }
    QStringList played;
};

} // namespace quadrino
