#pragma once
// A board panel with hooks that record what the panel asks of the main window, and a feeder
// that hands it whole host messages as the dispatcher would.
#include <QLabel>
#include <QStringList>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "protocol/catalogue.h"
#include "protocol/wire.h"
#include "table/art/board_geometry.h"
#include "table/table_panel.h"

namespace fixture {

using namespace quadrino;

struct RecordingHooks : TableHooks {
    QStringList chat;
    QList<BgrColour> chatColours;
    QStringList sounds;
    std::vector<std::string> sent;
    QStringList tally;
    QList<bool> justWatch;
    QStringList spies;
    int settingsReloads = 0;
    int gameOptions = 0;
    int websites = 0;
    int turnSoundValue = 0;

    void addlinetochat(const QString& text, BgrColour colour) override {
        chat << text;
        chatColours << colour;
    }
    void playsounds(const QString& name) override { sounds << name; }
    void sendToHost(const std::string& message) override { sent.push_back(message); }
    void addgame(const QString& winner) override { tally << winner; }
    void setJustWatchChecked(bool checked) override { justWatch << checked; }
    void spyListAdd(const QString& entry) override { spies << entry; }
    bool spyListRemove(const QString& entry) override { return spies.removeOne(entry); }
    void showGameOptions() override { ++gameOptions; }
    void settingsReload() override { ++settingsReloads; }
    int turnSound() const override { return turnSoundValue; }
    void openWebsite() override { ++websites; }

    void forget() {
        chat.clear();
        chatColours.clear();
        sounds.clear();
        sent.clear();
        tally.clear();
        justWatch.clear();
    }
};

inline std::string bytes(const char* text) { return std::string(text) + kTerminator; }

struct Table {
    RecordingHooks hooks;
    ClientIdentity id;
    std::unique_ptr<TablePanel> panel;
    QStringList boxes; // message boxes shown

    // A client logged in on `myseat` under `myname`.
    explicit Table(int myseat = 1, const QString& myname = QStringLiteral("Ann"), bool host = false) {
        id.myseat = myseat;
        id.myname = myname;
        id.loggedin = true;
        id.amhost = host;
        panel = std::make_unique<TablePanel>(hooks, id);
        panel->setMessageBox([this](const QString& text) { boxes << text; });
        panel->show();
    }

    // One whole message as the host sends it, terminator included.
    bool feed(const std::string& message) {
        std::string_view m(message);
        if (!m.empty() && m.back() == kTerminator) m.remove_suffix(1);
        const auto plus = m.find('+');
        const std::string_view word = m.substr(0, plus);
        const std::string_view body = plus == std::string_view::npos ? std::string_view() : m.substr(plus + 1);
        const auto cmd = clientCommand(word);
        if (!cmd) return false;
        return panel->handle(*cmd, body);
    }

    // Names Ann, Bob, Cid, Dee on seats 1..4.
    void seatEveryone() {
        const char* names[] = {"Ann", "Bob", "Cid", "Dee"};
        for (int s = 1; s <= 4; ++s) feed(announce::existingplayers(s, names[s - 1]));
        hooks.forget();
    }

    // A game with every option on but the team game, all four seats playing.
    void startGame(const char* team = "0", const char* limit = "3") {
        feed(announce::startgame("Ann", "1", "1", "1", "1", "t", "t", team, std::atoi(limit)));
        hooks.forget();
    }

    template <typename T = QWidget> T* w(const QString& name) const {
        T* found = panel->findChild<T*>(name);
        if (found == nullptr) qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QLabel* label(const QString& name) const { return w<QLabel>(name); }
    QString text(const QString& name) const { return label(name)->text(); }
    int tag(const QString& name) const { return w<QObject>(name)->property("tag").toInt(); }
    QString hint(const QString& name) const { return w<QObject>(name)->property("hint").toString(); }
    bool shown(const QString& name) const { return w(name)->isVisible(); }
    QPoint pos(const QString& name) const { return w(name)->pos(); }
    QWidget* pawn(int seat, int p) const { return w(QStringLiteral("piece_%1%2").arg(seat).arg(p)); }
    QWidget* marker(int code) const { return w(QStringLiteral("piece_gray%1").arg(code)); }

    std::vector<std::string> takeSent() {
        auto out = std::move(hooks.sent);
        hooks.sent.clear();
        return out;
    }
};

} // namespace fixture
