// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/qt_sound_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "chat/chatter_sounds.h"

// The recordings live in a static library, whose resource initialiser the linker would drop
// unless something refers to it; it must be called from the global namespace.
static void initSoundResources() { Q_INIT_RESOURCE(sounds); }

namespace quadrino {
namespace {

const char* const kGameSounds[] = {"ENTERED",   "TURN",      "TURNNEW",   "DICE",    "DOUBLEDICE", "MOVEPIECE",
                                   "SENDBACK",  "GOTBONUS",  "ROLLAGAIN", "NOMOVES", "NOTVALID",   "WINNER"};

} // namespace

QStringList QtSoundPlayer::soundNames() {
    QStringList names;
    for (const char* game : kGameSounds) names << QString::fromLatin1(game).toLower();
    for (int n = 1; n <= kChatterSoundCount; ++n) names << QString::fromStdString(chatterSoundName(n));
    return names;
}

QString QtSoundPlayer::resourceOf(const QString& name) {
    const QString lower = name.toLower();
    if (!soundNames().contains(lower)) return {};
    // Game sounds are stored under their upper-case resource names, chatter sounds as "waveN".
    const bool chatter = chatterSoundNumber(lower.toStdString()).has_value();
    return QStringLiteral(":/sounds/") + (chatter ? lower : lower.toUpper()) + QStringLiteral(".wav");
}

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {
    initSoundResources();
    makeEffects();
}

bool QtSoundPlayer::makeEffects() {
    if (!effects_.empty()) return true;
    // Without an output device every effect would complain on loading and on each play; wait
    // quietly until there is one (a sound server started later, headphones plugged in).
    if (QMediaDevices::defaultAudioOutput().isNull()) return false;
    for (const QString& name : soundNames()) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + resourceOf(name)));
        effects_.emplace(name, effect);
    }
    return true;
}

QtSoundPlayer::~QtSoundPlayer() = default;

QSoundEffect* QtSoundPlayer::effect(const QString& name) const {
    const auto it = effects_.find(name.toLower());
    return it == effects_.end() ? nullptr : it->second;
}

void QtSoundPlayer::play(const QString& name) {
    if (!makeEffects()) return;
    QSoundEffect* next = effect(name);
    if (!next) return;
    QSoundEffect*& channel = chatterSoundNumber(name.toStdString()) ? chatter_ : game_;
    if (channel) channel->stop();
    channel = next;
    next->play();
}

} // namespace quadrino
