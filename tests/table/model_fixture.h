// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table model fed whole host messages as the session would, recording everything its
// answers ask of the rest of the client.
#include <QStringList>
#include <QtTest>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "protocol/catalogue.h"
#include "protocol/start_announcement.h"
#include "protocol/wire.h"
#include "table/table_model.h"

namespace fixture {

using namespace quadrino;

inline std::string bytes(const char* text) { return std::string(text) + kTerminator; }
inline QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

// What the model's answers asked for, in order.
struct Recorder {
    QStringList chat;
    QStringList sounds;
    std::vector<std::string> sent;
    QStringList tally;
    QList<bool> justWatch;
    QStringList boxes;
    int settingsReloads = 0;
    int gameOptions = 0;

    void take(const table::Outcome& out) {
        for (const auto& line : out.chat) chat << q(line);
        for (const auto& sound : out.sounds) sounds << q(sound);
        for (const auto& message : out.requests) sent.push_back(message);
        if (out.tally) tally << q(*out.tally);
        if (out.justWatch) justWatch << *out.justWatch;
        if (!out.messageBox.empty()) boxes << q(out.messageBox);
        if (out.reloadSettings) ++settingsReloads;
        if (out.openGameOptions) ++gameOptions;
    }
    void forget() { *this = Recorder{}; }
    std::vector<std::string> takeSent() { return std::exchange(sent, {}); }
};

struct ModelTable {
    ClientIdentity id;
    table::TableModel model;
    Recorder rec;

    // A client logged in on `myseat` under `myname`; the dice land the same way every run.
    explicit ModelTable(int myseat = 1, const char* myname = "Ann", bool host = false) : model(id, 7) {
        id.myseat = myseat;
        id.myname = myname;
        id.loggedin = true;
        id.amhost = host;
    }
    virtual ~ModelTable() = default;
    ModelTable(const ModelTable&) = delete;
    ModelTable& operator=(const ModelTable&) = delete;

    const table::TableState& state() const { return model.state(); }

    // Every line and text the table shows has its translatable twin, the same in English.
    void checkTwins(const table::Outcome& out) const {
        QCOMPARE(out.chatWords.size(), out.chat.size());
        for (std::size_t i = 0; i < out.chat.size(); ++i)
            QCOMPARE(q("0+" + out.chatWords[i].english()), q(out.chat[i]));
        QCOMPARE(q(state().logWords.english()), q(state().log));
        QCOMPARE(q(state().statusWords.english()), q(state().status));
        QCOMPARE(q(state().errorWords.english()), q(state().errorText));
    }

    // Hands an answer on as the session does.
    table::Outcome take(table::Outcome out) {
        checkTwins(out);
        rec.take(out);
        if (out.changed) changed();
        return out;
    }
    // Whether the last message fed was one the table draws, damaged or not.
    bool lastHandled = false;
    // One whole message as the host sends it, terminator included, decoded as the session
    // decodes it; the model's answer.
    table::Outcome feedOutcome(const std::string& message) {
        std::string_view m(message);
        if (!m.empty() && m.back() == kTerminator) m.remove_suffix(1);
        const auto plus = m.find('+');
        const std::string_view body = plus == std::string_view::npos ? std::string_view() : m.substr(plus + 1);
        table::Outcome out;
        lastHandled = false;
        decodeAndHandle(ClientAnnouncements{}, m.substr(0, plus), body, [&](const auto& announcement) {
            using M = std::decay_t<decltype(announcement)>;
            if constexpr (std::is_same_v<M, Malformed>) {
                lastHandled = true;
            } else if constexpr (listed<M>(table::TableAnnouncements{})) {
                lastHandled = true;
                out = take(model.handle(announcement));
            }
        });
        return out;
    }
    bool feed(const std::string& message) {
        feedOutcome(message);
        return lastHandled;
    }

    // Names Ann, Bob, Cid, Dee on seats 1..4.
    void seatEveryone() {
        const char* names[] = {"Ann", "Bob", "Cid", "Dee"};
        for (int s = 1; s <= 4; ++s) feed(encode(ExistingPlayers{s, names[s - 1]}));
        rec.forget();
    }
    // A game with every option on but the team game, all four seats playing.
    void startGame(const char* team = "0", const char* limit = "3") {
        feed(quadrino::testing::startAnnouncement("Ann", "1", "1", "1", "1", "t", "t", team, std::atoi(limit)));
        rec.forget();
    }

    QString name(int seat) const { return q(state().seat(seat).name); }
    QString rule(GameOption r) const { return q(state().rule(r)); }
    QList<int> shownMarkers() const {
        QList<int> out;
        for (int k = 1; k <= 12; ++k)
            if (state().marker(k).shown) out << k;
        return out;
    }

protected:
    virtual void changed() {}
};

inline MoveHim move(int seat, int code, int pawn, int square, int progress = 0, bool more = false) {
    MoveHim m;
    m.seat = seat;
    m.code = code;
    m.pawn = pawn;
    m.square = square;
    m.progress = progress;
    m.moreMoves = more;
    return m;
}

// Own turn on `seat` with the listed pawns placed ({seat, pawn, square}), then a roll; what
// was recorded so far is forgotten.
inline void ownRoll(ModelTable& t, int seat, int die1, int die2, bool doubles,
                    const std::vector<std::array<int, 3>>& pawns = {}) {
    t.seatEveryone();
    t.startGame();
    for (const auto& p : pawns) t.feed(encode(move(p[0], 4, p[1], p[2])));
    t.feed(encode(NextPlayer{seat, 1}));
    t.feed(encode(HisDice{seat, 2, die1, die2, doubles ? die1 : 0, doubles ? die2 : 0, true}));
    t.rec.forget();
}

} // namespace fixture
