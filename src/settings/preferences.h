// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's choices that outlive a run: window placement, chat look, sound switches,
// computer-player speed, the hosting user's preferred game options and the phrase texts.
// The menus edit this value and the settings file stores it; nothing is read back from a
// widget. Plain data, no Qt.
#include <array>
#include <string>

#include "protocol/wire.h"
#include "rules/game_options.h"

namespace quadrino {

struct Preferences {
    // Bot step intervals offered by the "Bot Speed" menu, in milliseconds.
    static constexpr int kBotSlow = 1500;
    static constexpr int kBotNormal = 1000;
    static constexpr int kBotFast = 500;
    // The interval the host uses before the file has been read in this run.
    static constexpr int kBotBeforeLoad = 750;

    static constexpr int kTurnSoundClassic = 0; // sound TURN
    static constexpr int kTurnSoundNew = 1;     // sound TURNNEW

    static constexpr int kDefaultWidth = 795;
    static constexpr int kDefaultHeight = 562;

    static constexpr int kPhraseCount = 9;

    // Main window placement ("Top", "Left", "Width", "Height").
    int wintop = 3;
    int winleft = 3;
    int winwidth = kDefaultWidth;
    int winheight = kDefaultHeight;

    // Point size of every chat text style ("Textsize"); the menu offers 8, 10, 12 and 14,
    // the file may hold any size from 1 to 72.
    int textsize = 8;
    // The user's chat colour as 00BBGGRR ("Textcolor").
    int textcolor = 0x000000;

    // The hosting user's game options for the next game, under the option table's keys. An
    // option without a key (the team game) is not kept: it starts from its initial state
    // every run.
    GameOptions options = settingsDefaultGameOptions();

    // "Phrase1" to "Phrase9", UTF-8. An empty entry means the button keeps its built-in
    // text. Only the phrase editor writes these back.
    std::array<std::string, kPhraseCount> phrases{};

    // What the "Host Network Game" and "Join Network Game" dialogs last used ("HostName",
    // "HostPort", "JoinName", "JoinAddress", "JoinPort"), UTF-8. A host port of 0 lets the
    // system choose a free one.
    static constexpr int kDefaultPort = kGamePort;
    std::string hostname;
    int hostport = kDefaultPort;
    std::string joinname;
    std::string joinaddress;
    int joinport = kDefaultPort;
    // The Host dialog's switches ("ListOnNetwork", "AskRouter"): announce a game hosted for
    // others on the local network, and ask the router to forward the hosting port to it.
    // Neither applies to a solo game.
    bool listOnNetwork = true;
    bool askRouter = true;
    // "ListInLobby": a game hosted for others is listed in the online lobby too, when a lobby
    // server is set. "LobbyServer": that server's address, "host" or "host:port"; empty until
    // the player sets one.
    bool listInLobby = true;
    std::string lobbyServer;

    bool playsounds = true;            // "Playsounds": game sounds
    bool showgamelog = false;          // "GameLog": the game log pane beside the board
    bool chattersounds = true;         // "ChatterSounds": sounds other players send
    int turnsound = kTurnSoundClassic; // "Turnsound"
    int botspeed = kBotNormal;         // "Botspeed": bot step interval in ms
    // "Botlevel": how well the hosting copy's computer players play, "classic" or "strong".
    static constexpr int kBotClassic = 0;
    static constexpr int kBotStrong = 1;
    int botlevel = kBotClassic;
    // "Animations": moves glide, the last one stays traced and the dice tumble; off, the board
    // shows each change at once.
    bool animations = true;

    // Whether the settings file has been read in this run. Until it has, the other fields
    // are the window's starting states, and a save must store only the window placement so
    // that a close before login does not overwrite the user's stored choices.
    bool loaded = false;

    // The states the window starts with, before any file has been read: the main window's
    // placement unknown (0), chatter sounds off, bot speed 750, chat text at 10 points,
    // the game options as the dialog starts (block limit 3).
    static Preferences beforeFirstLoad() {
        Preferences p;
        p.wintop = 0;
        p.winleft = 0;
        p.winwidth = 0;
        p.winheight = 0;
        p.textsize = 10;
        p.chattersounds = false;
        p.botspeed = kBotBeforeLoad;
        p.options = initialGameOptions();
        p.loaded = false;
        return p;
    }

    bool operator==(const Preferences&) const = default;
};

} // namespace quadrino
