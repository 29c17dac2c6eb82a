#pragma once
// Where the game's sounds go. Recordings of the named sounds come later; until then a
// hosting or playing copy stays silent, and tests record what would have played.
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
