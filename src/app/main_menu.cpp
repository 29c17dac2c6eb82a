// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <string>

#include "app/main_window.h"
#include "settings/preferences.h"

namespace quadrino {

namespace {

using K = MenuRow::Kind;
using W = MainWindow;
using P = Preferences;
constexpr MenuRow menu(const char* name, const char* parent, const char* caption, MenuNeeds needs = MenuNeeds::Nothing) {
    return {K::Menu, name, parent, caption, "", false, "", 0, needs};
}
constexpr MenuRow entry(const char* name, const char* parent, const char* caption, void (W::*handler)(),
                        const char* shortcut = "", bool checkable = false, MenuNeeds needs = MenuNeeds::Nothing) {
    return {K::Entry, name, parent, caption, shortcut, checkable, "", 0, needs, handler};
}
constexpr MenuRow check(const char* name, const char* parent, const char* caption, bool P::*flag) {
    return {K::Entry, name, parent, caption, "", true, "", 0, MenuNeeds::Nothing, nullptr, flag};
}
constexpr MenuRow radio(const char* name, const char* group, const char* caption, int tag, int P::*setting) {
    return {K::Entry, name, group, caption, "", true, group, tag, MenuNeeds::Nothing, nullptr, nullptr, setting};
}
constexpr MenuRow separator(const char* parent) { return {K::Separator, "", parent}; }

const MenuRow kRows[] = {
    menu("File1", "", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&File")),
    entry("StartGame1", "File1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Start Game"), &W::onStartGameChosen, "Ctrl+N", false, MenuNeeds::HostingUser),
    separator("File1"),
    entry("HostNetworkGame1", "File1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Host Network Game..."), &W::onHostNetworkGameChosen),
    entry("JoinNetworkGame1", "File1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Join Network Game..."), &W::onJoinNetworkGameChosen),
    entry("PlayOnline1", "File1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Play Online..."), &W::onPlayOnlineChosen),
    entry("Reconnect1", "File1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Reconnect"), &W::onReconnectChosen, "", false,
          MenuNeeds::LostGame),
    separator("File1"),
    entry("SaveGameLog1", "File1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Save Game &Log..."), &W::onSaveGameLogChosen),
    separator("File1"),
    entry("Exit1", "File1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "E&xit"), &W::onExitChosen),

    menu("Options1", "", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Options")),
    check("PlaySounds1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Play &Sounds"), &P::playsounds),
    check("PlayChatterSounds1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Play C&hatter Sounds"), &P::chattersounds),
    menu("TurnSound1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Turn Sound")),
    radio("Classic1", "TurnSound1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Classic"), 0, &P::turnsound),
    radio("New1", "TurnSound1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&New"), Preferences::kTurnSoundNew, &P::turnsound),
    menu("BotSpeed1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Bot Speed"), MenuNeeds::HostHere),
    radio("Slow1", "BotSpeed1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Slow"), 1500, &P::botspeed),
    radio("Normal1", "BotSpeed1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Normal"), 1000, &P::botspeed),
    radio("Fast1", "BotSpeed1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Fast"), 500, &P::botspeed),
    menu("BotLevel1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Bot L&evel"), MenuNeeds::HostHere),
    radio("BotClassic1", "BotLevel1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Classic"), Preferences::kBotClassic, &P::botlevel),
    radio("BotStrong1", "BotLevel1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Strong"), Preferences::kBotStrong, &P::botlevel),
    separator("Options1"),
    entry("TextColor1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Text &Color"), &W::onTextColorChosen),
    menu("TextSize1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Text Si&ze")),
    radio("N8", "TextSize1", "&8", 8, &P::textsize),
    radio("N10", "TextSize1", "1&0", 10, &P::textsize),
    radio("N12", "TextSize1", "1&2", 12, &P::textsize),
    radio("N14", "TextSize1", "1&4", 14, &P::textsize),
    entry("ScrollChatOff2", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Scroll Chat O&ff"), &W::onScrollChatOffToggled, "Ctrl+S", true),
    entry("ClearMainChat1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "C&lear Main Chat"), &W::onClearChatChosen),
    entry("ResetScreenLocation1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Reset Screen Location"), &W::onResetScreenLocation),
    separator("Options1"),
    entry("JustWatch1", "Options1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Just Watch"), &W::onJustWatchChosen, "", true),

    menu("View1", "", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&View")),
    entry("ViewTally1", "View1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "View &Tally"), &W::onViewTallyChosen),
    entry("SpyList1", "View1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "S&py List"), &W::showSpyList),
    entry("PrhaseList1", "View1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "P&hrase List"), &W::showPhraseList),
    check("GameLog1", "View1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Game Log"), &P::showgamelog),
    check("Animations1", "View1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Animations"), &P::animations),

    menu("Help1", "", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Help")),
    entry("Help2", "Help1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Content"), &W::onHelpChosen, "F1"),
    separator("Help1"),
    entry("About1", "Help1", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&About"), &W::onAboutChosen),

    // The chat pane's own menu; its "Scroll Chat Off" and "Clear Main Chat" are the main
    // menu's, sharing handler and state.
    {K::Popup, "popup_mainchat"},
    entry("SelectAll1", "popup_mainchat", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Select &All"), &W::onSelectAllChosen),
    entry("Copy1", "popup_mainchat", QT_TRANSLATE_NOOP("quadrino::MainMenu", "&Copy"), &W::onCopyChosen, "Ctrl+C"),
    entry("ClearMainChat2", "popup_mainchat", QT_TRANSLATE_NOOP("quadrino::MainMenu", "C&lear Main Chat"), &W::onClearChatChosen),
    separator("popup_mainchat"),
    entry("ScrollChatOff1", "popup_mainchat", QT_TRANSLATE_NOOP("quadrino::MainMenu", "Scroll Chat O&ff"), &W::onScrollChatOffToggled, "Ctrl+S", true),
};

} // namespace

std::span<const MenuRow> menuRows() { return kRows; }

void buildMenus(MainWindow& window, QMenuBar* bar) {
    std::map<std::string, QMenu*, std::less<>> menus;
    std::map<std::string, QActionGroup*, std::less<>> groups;
    for (const MenuRow& row : kRows) {
        QMenu* parent = *row.parent ? menus.at(row.parent) : nullptr;
        const QString caption = QCoreApplication::translate("quadrino::MainMenu", row.caption);
        QAction* action = nullptr;
        switch (row.kind) {
        case K::Separator:
            parent->addSeparator();
            continue;
        case K::Popup:
            menus[row.name] = new QMenu(&window);
            menus[row.name]->setObjectName(QString::fromLatin1(row.name));
            continue;
        case K::Menu: {
            QMenu* m = parent ? parent->addMenu(caption) : bar->addMenu(caption);
            // The entries that are off say why in their tool tip.
            m->setToolTipsVisible(true);
            menus[row.name] = m;
            action = m->menuAction();
            break;
        }
        case K::Entry:
            action = parent->addAction(caption);
            break;
        }
        action->setObjectName(QString::fromLatin1(row.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        action->setCheckable(row.checkable);
        action->setEnabled(row.needs == MenuNeeds::Nothing);
        if (*row.group) {
            QActionGroup*& group = groups[row.group];
            if (!group) group = new QActionGroup(&window);
            group->addAction(action);
            action->setProperty("tag", row.tag);
        }
        if (row.handler || row.flag || row.setting)
            QObject::connect(action, &QAction::triggered, &window, [&window, &row] { window.onMenuEntry(row); });
    }
}

} // namespace quadrino
