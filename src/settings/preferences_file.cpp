// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/preferences_file.h"

#include <cctype>

#include "protocol/colour_text.h"
#include "protocol/cp1252.h"

namespace quadrino {
namespace {

constexpr std::string_view kSection = kSettingsSection;

int readInRange(const IniFile& file, std::string_view key, int fallback, int lowest, int highest) {
    const int v = file.readInteger(kSection, key, fallback);
    return v >= lowest && v <= highest ? v : fallback;
}

std::string phraseKey(std::size_t index) { return "Phrase" + std::to_string(index + 1); }

void writeOptions(IniFile& file, const GameOptions& options, bool flags) {
    for (const GameOptionRow& row : kGameOptions)
        if (!row.settingsKey.empty() && row.isFlag() == flags) file.writeInteger(kSection, row.settingsKey, row.value(options));
}

} // namespace

void loadPreferences(const IniFile& file, Preferences& prefs) {
    const Preferences defaults;

    // Place and size within a million pixels: the window's far edge, its place plus its size,
    // is worked out in an int and must not overflow it.
    constexpr int kFarthest = 1 << 20;
    prefs.wintop = readInRange(file, "Top", defaults.wintop, -kFarthest, kFarthest);
    prefs.winleft = readInRange(file, "Left", defaults.winleft, -kFarthest, kFarthest);
    prefs.winwidth = readInRange(file, "Width", defaults.winwidth, 1, kFarthest);
    prefs.winheight = readInRange(file, "Height", defaults.winheight, 1, kFarthest);

    prefs.textsize = readInRange(file, "Textsize", defaults.textsize, 1, 72);

    // Only plain colours: the chat cannot draw the "none" or "default" marks.
    const auto colour = colourFromText(file.readString(kSection, "Textcolor", "clblack"));
    prefs.textcolor = colour && *colour >= 0 && *colour <= 0xFFFFFF ? *colour : defaults.textcolor;

    for (const GameOptionRow& row : kGameOptions)
        if (!row.settingsKey.empty())
            row.set(prefs.options, readInRange(file, row.settingsKey, row.settingsDefault, 0, row.highest));

    for (std::size_t n = 0; n < prefs.phrases.size(); ++n) {
        const std::string phrase = file.readString(kSection, phraseKey(n), "");
        if (!phrase.empty()) prefs.phrases[n] = cp1252ToUtf8(phrase);
    }

    // These comparisons are exact, as the lobby program writes them: "False" is not "false".
    prefs.playsounds = file.readString(kSection, "Playsounds", "true") != "false";

    const std::string botspeed = file.readString(kSection, "Botspeed", "1000");
    if (botspeed == "1500") prefs.botspeed = Preferences::kBotSlow;
    else if (botspeed == "500") prefs.botspeed = Preferences::kBotFast;
    else prefs.botspeed = Preferences::kBotNormal;

    // Anything but "strong" (in any case) keeps the classic computer players.
    std::string level = file.readString(kSection, "Botlevel", "classic");
    for (char& c : level) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    prefs.botlevel = level == "strong" ? Preferences::kBotStrong : Preferences::kBotClassic;

    prefs.turnsound = file.readString(kSection, "Turnsound", "0") == "1" ? Preferences::kTurnSoundNew
                                                                          : Preferences::kTurnSoundClassic;

    prefs.chattersounds = file.readString(kSection, "ChatterSounds", "true") != "false";

    prefs.hostname = cp1252ToUtf8(file.readString(kSection, "HostName", ""));
    prefs.joinname = cp1252ToUtf8(file.readString(kSection, "JoinName", ""));
    prefs.joinaddress = cp1252ToUtf8(file.readString(kSection, "JoinAddress", ""));
    prefs.joinport = readInRange(file, "JoinPort", defaults.joinport, 1, 65535);
    prefs.hostport = readInRange(file, "HostPort", defaults.hostport, 0, 65535);
    prefs.listOnNetwork = file.readString(kSection, "ListOnNetwork", "true") != "false";
    prefs.askRouter = file.readString(kSection, "AskRouter", "true") != "false";
    prefs.listInLobby = file.readString(kSection, "ListInLobby", "true") != "false";
    prefs.lobbyServer = cp1252ToUtf8(file.readString(kSection, "LobbyServer", ""));
    prefs.showgamelog = file.readString(kSection, "GameLog", "false") == "true";
    prefs.animations = file.readString(kSection, "Animations", "true") != "false";

    prefs.loaded = true;
}

void savePreferences(const Preferences& prefs, IniFile& file) {
    if (!prefs.loaded) {
        file.writeInteger(kSection, "Top", prefs.wintop);
        file.writeInteger(kSection, "Left", prefs.winleft);
        file.writeInteger(kSection, "Width", prefs.winwidth);
        file.writeInteger(kSection, "Height", prefs.winheight);
        return;
    }
    file.writeInteger(kSection, "Textsize", prefs.textsize);
    file.writeInteger(kSection, "Top", prefs.wintop);
    file.writeInteger(kSection, "Left", prefs.winleft);
    file.writeInteger(kSection, "Width", prefs.winwidth);
    file.writeInteger(kSection, "Height", prefs.winheight);
    file.writeString(kSection, "Textcolor", colourToText(prefs.textcolor));
    // A new file keeps the order older copies wrote: the flags, the bot speed and turn sound,
    // then the numbers.
    writeOptions(file, prefs.options, true);
    file.writeInteger(kSection, "Botspeed", prefs.botspeed);
    file.writeInteger(kSection, "Turnsound", prefs.turnsound);
    writeOptions(file, prefs.options, false);
    file.writeString(kSection, "Playsounds", prefs.playsounds ? "true" : "false");
    file.writeString(kSection, "ChatterSounds", prefs.chattersounds ? "true" : "false");
    file.writeString(kSection, "HostName", utf8ToCp1252(prefs.hostname));
    file.writeString(kSection, "JoinName", utf8ToCp1252(prefs.joinname));
    file.writeString(kSection, "JoinAddress", utf8ToCp1252(prefs.joinaddress));
    file.writeInteger(kSection, "JoinPort", prefs.joinport);
    file.writeString(kSection, "Botlevel", prefs.botlevel == Preferences::kBotStrong ? "strong" : "classic");
    file.writeInteger(kSection, "HostPort", prefs.hostport);
    // Our own keys follow the port they belong with.
    file.writeString(kSection, "ListOnNetwork", prefs.listOnNetwork ? "true" : "false");
    file.writeString(kSection, "AskRouter", prefs.askRouter ? "true" : "false");
    file.writeString(kSection, "ListInLobby", prefs.listInLobby ? "true" : "false");
    file.writeString(kSection, "LobbyServer", utf8ToCp1252(prefs.lobbyServer));
    file.writeString(kSection, "GameLog", prefs.showgamelog ? "true" : "false");
    file.writeString(kSection, "Animations", prefs.animations ? "true" : "false");
}

void savePhrases(const Preferences& prefs, IniFile& file) {
    for (std::size_t n = 0; n < prefs.phrases.size(); ++n)
        file.writeString(kSection, phraseKey(n), utf8ToCp1252(prefs.phrases[n]));
}

std::string loadPreferencesFrom(const std::filesystem::path& path, Preferences& prefs) {
    const IniRead read = readIniFile(path);
    const bool wasLoaded = prefs.loaded;
    loadPreferences(read.file, prefs);
    // The stored choices were not seen: later saves must not pass the defaults off as them.
    if (!read.ok()) prefs.loaded = wasLoaded;
    return read.error;
}

std::string savePreferencesTo(const std::filesystem::path& path, const Preferences& prefs) {
    return updateIniFile(path, [&prefs](IniFile& file) { savePreferences(prefs, file); });
}

std::string savePhrasesTo(const std::filesystem::path& path, const Preferences& prefs) {
    return updateIniFile(path, [&prefs](IniFile& file) { savePhrases(prefs, file); });
}

} // namespace quadrino
