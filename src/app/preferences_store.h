// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's preferences and where they are kept: the settings location of this run, loading,
// saving, and saying what went wrong in the way that suits the moment (a chat line while
// playing, one box while closing, the log when nobody is there to answer). No widgets.
#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "settings/preferences.h"
#include "settings/settings_location.h"

namespace quadrino {

class PreferencesStore : public QObject {
    Q_OBJECT
public:
    explicit PreferencesStore(QObject* parent = nullptr);

    Preferences& prefs() { return prefs_; }
    const Preferences& prefs() const { return prefs_; }

    // Where the settings file lives (and whether it can be written). Without one the choices
    // last for this run only. A location that cannot be written is said once.
    void setLocation(const SettingsLocation& location);
    // The file the phrases are written to; empty when nothing may be written.
    void setPhrasesFile(const std::filesystem::path& path) { phrasesFile_ = path; }
    const std::filesystem::path& phrasesFile() const { return phrasesFile_; }
    // Whether saves can go anywhere (a location that cannot be written has been reported).
    bool mayWrite() const { return !location_ || location_->writable; }

    // Called before every save, to bring into the preferences what lives elsewhere.
    void setBeforeSave(std::function<void(Preferences&)> collect) { beforeSave_ = std::move(collect); }
    // Reads the settings file over the current preferences.
    void load();
    void save();
    void savePhrases();
    int saveCount() const { return saveCount_; }

    // From now on a failed save is one box at the most (the program is closing), or only a
    // log line when nobody may be there to answer.
    void setClosing(bool unattended);
    // A failure for the user, reported as the moment asks (see setClosing).
    void reportFailure(const QString& text);
    // How saving the tally at `path` went: a failure is told once until a save works again,
    // not after every game; while closing it is a failure like any other.
    void tallySaved(bool ok, const QString& path);

signals:
    // A system line for the chat pane (without its kind).
    void notice(const QString& text);
    // A message box for the user.
    void messageWanted(const QString& text);

private:
    Preferences prefs_;
    std::optional<SettingsLocation> location_;
    std::filesystem::path phrasesFile_;
    std::function<void(Preferences&)> beforeSave_;
    int saveCount_ = 0;
    bool closing_ = false;
    bool unattended_ = false;
    bool closeFailureShown_ = false;
    bool tallyFailureShown_ = false;
};

} // namespace quadrino
