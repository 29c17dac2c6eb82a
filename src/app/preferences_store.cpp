// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/preferences_store.h"

#include <QDir>

#include "settings/preferences_file.h"

namespace quadrino {

PreferencesStore::PreferencesStore(QObject* parent) : QObject(parent), prefs_(Preferences::beforeFirstLoad()) {}

void PreferencesStore::setLocation(const SettingsLocation& location) {
    location_ = location;
    // The phrases go to the same file; where nothing can be written nothing is saved (that
    // is said once, here).
    phrasesFile_ = location.writable ? location.settingsFile : std::filesystem::path{};
    if (!location.error.empty()) emit notice(QString::fromStdString(location.error));
}

void PreferencesStore::load() {
    Preferences read = prefs_;
    std::string error;
    // Without a settings location (a window made for a test) there is nothing to load: the
    // choices made in this run stand.
    if (location_) error = loadPreferencesFrom(location_->settingsFile, read);
    else read.loaded = true;
    if (!error.empty()) emit notice(QString::fromStdString(error));
    prefs_ = read;
}

void PreferencesStore::save() {
    ++saveCount_;
    if (beforeSave_) beforeSave_(prefs_);
    // Nowhere to write: said once when the location was chosen.
    if (!location_ || !location_->writable) return;
    const std::string error = savePreferencesTo(location_->settingsFile, prefs_);
    if (!error.empty()) reportFailure(QString::fromStdString(error));
}

void PreferencesStore::savePhrases() {
    if (phrasesFile_.empty()) return;
    const std::string error = savePhrasesTo(phrasesFile_, prefs_);
    if (!error.empty()) emit messageWanted(QString::fromStdString(error));
}

void PreferencesStore::setClosing(bool unattended) {
    closing_ = true;
    unattended_ = unattended_ || unattended;
}

void PreferencesStore::reportFailure(const QString& text) {
    if (unattended_) {
        qWarning("quadrino: %s", qPrintable(text));
        return;
    }
    // One box while closing, however many saves fail; the window closes after it.
    if (closing_) {
        if (closeFailureShown_) return;
        closeFailureShown_ = true;
    }
    emit messageWanted(text);
}

void PreferencesStore::tallySaved(bool ok, const QString& path) {
    if (ok) {
        tallyFailureShown_ = false;
        return;
    }
    // A location that cannot be written has been reported already.
    if (!mayWrite()) return;
    const QString text = tr("Unable to write to %1").arg(QDir::toNativeSeparators(path));
    if (closing_) {
        reportFailure(text);
    } else if (!tallyFailureShown_) {
        tallyFailureShown_ = true;
        emit notice(text);
    }
}

} // namespace quadrino
