// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/catalogue.h"

#include <charconv>
#include <utility>
#include <vector>

#include "protocol/colour_text.h"
#include "protocol/cp1252.h"
#include "protocol/fields.h"
#include "protocol/wire.h"

namespace quadrino {
namespace {

// Assembles one message: the command word, then each field followed by "+".
class Msg {
public:
    explicit Msg(std::string_view word) {
        text_.reserve(64);
        text_ += word;
        text_ += kSeparator;
    }
    Msg& f(int v) { appendNumber(v); text_ += kSeparator; return *this; }
    Msg& f(std::string_view v) { text_ += v; text_ += kSeparator; return *this; }
    // Free text: last, with no separator after it.
    Msg& last(std::string_view v) { text_ += withoutTerminator(v); return *this; }
    Msg& lastNumber(int v) { appendNumber(v); return *this; }
    std::string done() { text_ += kTerminator; return std::move(text_); }

private:
    void appendNumber(int v) {
        char buf[12];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        text_.append(buf, static_cast<std::size_t>(r.ptr - buf));
    }
    std::string text_;
};

// A message whose fields are placed by position, so that the option table can say where
// each option's field goes.
class PlacedFields {
public:
    void put(int position, std::string text) {
        if (position < 1) return;
        const auto at = static_cast<std::size_t>(position - 1);
        if (at >= fields_.size()) fields_.resize(at + 1);
        fields_[at] = std::move(text);
    }
    void put(int position, int number) { put(position, std::to_string(number)); }
    // Every option the carrier takes, as `text(row)` gives it.
    template <typename Text>
    void putOptions(OptionCarrier carrier, Text text) {
        for (const GameOptionRow& row : kGameOptions) put(row.fieldIn(carrier), text(row));
    }
    std::string message(std::string_view word) const {
        Msg m(word);
        for (const std::string& f : fields_) m.f(f);
        return m.done();
    }

private:
    std::vector<std::string> fields_;
};

std::string optionNumber(const GameOptionRow& row, const GameOptions& o) { return std::to_string(row.value(o)); }

// A body cut into its fields, each ended by "+"; a field after the last "+" reads as empty,
// as FieldReader reads it.
class CutFields {
public:
    explicit CutFields(std::string_view body) {
        FieldReader r(body);
        while (r.rest().find(kSeparator) != std::string_view::npos) fields_.push_back(r.next());
    }
    std::string_view at(int position) const {
        if (position < 1 || static_cast<std::size_t>(position) > fields_.size()) return {};
        return fields_[static_cast<std::size_t>(position - 1)];
    }
    std::optional<int> number(int position) const { return parseStrictInt(at(position)); }
    bool numbers(std::initializer_list<std::pair<int, int*>> out) const {
        for (auto [position, p] : out) {
            auto v = number(position);
            if (!v) return false;
            *p = *v;
        }
        return true;
    }

private:
    std::vector<std::string_view> fields_;
};

template <typename E, std::size_t N>
std::optional<E> lookup(const std::array<std::pair<std::string_view, E>, N>& table, std::string_view word) {
    for (const auto& [w, e] : table)
        if (w == word) return e;
    return std::nullopt;
}

// The whole body, or the text before its first "+", as a number.
std::optional<int> leadingNumber(std::string_view body) {
    auto plus = body.find(kSeparator);
    return parseStrictInt(plus == std::string_view::npos ? body : body.substr(0, plus));
}

bool readInts(FieldReader& r, std::initializer_list<int*> out) {
    for (int* p : out) {
        auto v = r.nextInt();
        if (!v) return false;
        *p = *v;
    }
    return true;
}

bool readSlots(FieldReader& r, MoveSlotsView& s) {
    return readInts(r, {&s.bonus20a, &s.bonus20b, &s.bonus20c, &s.bonus10a, &s.bonus10b, &s.bonus10c});
}

// Dice and amounts that no slot can hold make the whole announcement refused: the client adds
// them up, and would show what the game cannot have.
bool diceFit(std::initializer_list<int> dice) {
    for (int d : dice)
        if (!isSlotAmount(AmountSlot::die1, d)) return false;
    return true;
}

bool slotsFit(const MoveSlotsView& s) {
    using A = AmountSlot;
    return isSlotAmount(A::bonus20a, s.bonus20a) && isSlotAmount(A::bonus20b, s.bonus20b) &&
           isSlotAmount(A::bonus20c, s.bonus20c) && isSlotAmount(A::bonus10a, s.bonus10a) &&
           isSlotAmount(A::bonus10b, s.bonus10b) && isSlotAmount(A::bonus10c, s.bonus10c) &&
           isSlotAmount(A::double1, s.double1) && isSlotAmount(A::double2, s.double2);
}

// The fields around the options that the table does not place.
constexpr int kStartSeat3 = 6;       // start announcement: seat 3's and seat 4's flags
constexpr int kStartTeamAgain = 10;  // start announcement: the team flag once more
constexpr int kLocationsSeat3 = 9;   // late joiner's state: seat flags, then dice, amounts, pawns

} // namespace

char* ShortMessage::appendWide(char* p, int v) {
    p = std::to_chars(p, p + 11, v).ptr;
    *p++ = kSeparator;
    return p;
}

std::optional<ClientCommand> clientCommand(std::string_view word) {
    using C = ClientCommand;
    static constexpr std::array<std::pair<std::string_view, C>, 27> table = {{
        {"CMD_sendlogininfo", C::sendlogininfo}, {"CMD_chat", C::chat},
        {"CMD_action", C::action},               {"CMD_playasound", C::playasound},
        {"CMD_newplayerinfo", C::newplayerinfo}, {"CMD_havewrongversion", C::havewrongversion},
        {"CMD_wrongversion", C::wrongversion},   {"CMD_existingplayers", C::existingplayers},
        {"CMD_playerdisconnected", C::playerdisconnected}, {"CMD_startgame", C::startgame},
        {"CMD_nextplayer", C::nextplayer},       {"CMD_winner", C::winner},
        {"CMD_full", C::full},                   {"CMD_justwatching", C::justwatching},
        {"CMD_aerror", C::aerror},               {"CMD_hisdice", C::hisdice},
        {"CMD_movehim", C::movehim},             {"CMD_sendback", C::sendback},
        {"CMD_rollagain", C::rollagain},         {"CMD_nomoves", C::nomoves},
        {"CMD_locations", C::locations},         {"CMD_passing", C::passing},
        {"CMD_gotpenalty", C::gotpenalty},       {"CMD_gotpenalty1", C::gotpenalty1},
        {"CMD_removepegs", C::removepegs},       {"CMD_morestats", C::morestats},
        {"CMD_warning", C::warning},
    }};
    return lookup(table, word);
}

// ---- announcements ----------------------------------------------------------------------

namespace announce {
std::string sendlogininfo(int connection) { return Msg("CMD_sendlogininfo").lastNumber(connection).done(); }
std::string full() { return Msg("CMD_full").done(); }
std::string newplayerinfo(int connection, std::string_view name) {
    return Msg("CMD_newplayerinfo").f(connection).last(name).done();
}
std::string existingplayers(int connection, std::string_view name) {
    return Msg("CMD_existingplayers").f(connection).last(name).done();
}
std::string havewrongversion(std::string_view name) { return Msg("CMD_havewrongversion").last(name).done(); }
std::string wrongversion() { return Msg("CMD_wrongversion").done(); }
std::string locations(const LocationsInfo& i) {
    PlacedFields m;
    m.put(1, i.target);
    m.put(2, i.whoseturn);
    m.put(3, i.turnphase);
    m.putOptions(OptionCarrier::locations, [&i](const GameOptionRow& row) { return optionNumber(row, i.options); });
    m.put(kLocationsSeat3, i.seat3playing);
    m.put(kLocationsSeat3 + 1, i.seat4playing);
    int at = kLocationsSeat3 + 2;
    for (int v : {i.die1, i.die2, i.amounts.bonus20a, i.amounts.bonus20b, i.amounts.bonus20c, i.amounts.bonus10a,
                  i.amounts.bonus10b, i.amounts.bonus10c, i.amounts.double1, i.amounts.double2})
        m.put(at++, v);
    for (const auto& seat : i.pawns)
        for (int sq : seat) m.put(at++, sq);
    return m.message("CMD_locations");
}
std::string morestats(bool teamgame) { return Msg("CMD_morestats").f(teamgame ? 1 : 0).done(); }
std::string playerdisconnected(int connection, std::string_view name) {
    return Msg("CMD_playerdisconnected").f(connection).last(name).done();
}
std::string justwatching(int seat, std::string_view flag) {
    return Msg("CMD_justwatching").f(seat).last(flag).done();
}
std::string chat(std::string_view senderText, std::string_view name, std::string_view text) {
    return Msg("CMD_chat").f(senderText).last(std::string(name) + " chats: " + std::string(text)).done();
}
std::string action(std::string_view senderText, std::string_view name, std::string_view text) {
    return Msg("CMD_action").f(senderText).last(std::string(name) + " " + std::string(text)).done();
}
std::string notice(std::string_view text) {
    return Msg("CMD_chat").f(0).last(std::string(text) + "|" + colourToText(kSystemColour)).done();
}
std::string playasound(std::string_view senderText, std::string_view rest) {
    return Msg("CMD_playasound").f(senderText).last(rest).done();
}
std::string startgame(const StartGameRequest& r, std::string_view seat3playing, std::string_view seat4playing,
                      const GameOptions& applied) {
    auto relayed = [&](const GameOptionRow& row) {
        return row.isFlag() ? withoutTerminator(r.text[static_cast<std::size_t>(row.id)]) : optionNumber(row, applied);
    };
    PlacedFields m;
    m.put(1, withoutTerminator(r.name));
    m.put(kStartSeat3, std::string(seat3playing));
    m.put(kStartSeat3 + 1, std::string(seat4playing));
    m.putOptions(OptionCarrier::announcement, relayed);
    const GameOptionRow& team = optionRow(GameOption::teamgame);
    m.put(kStartTeamAgain, relayed(team));
    return m.message("CMD_startgame");
}
std::string startgame(std::string_view name, std::string_view penalty, std::string_view passing,
                      std::string_view blocking, std::string_view pouncing, std::string_view seat3playing,
                      std::string_view seat4playing, std::string_view teamgame, int blocklimit) {
    StartGameRequest r;
    r.name = name;
    auto text = [&r](GameOption o) -> std::string& { return r.text[static_cast<std::size_t>(o)]; };
    text(GameOption::penalty) = penalty;
    text(GameOption::passing) = passing;
    text(GameOption::blocking) = blocking;
    text(GameOption::pouncing) = pouncing;
    text(GameOption::teamgame) = teamgame;
    GameOptions applied;
    applied.blocklimit = blocklimit;
    return startgame(r, seat3playing, seat4playing, applied);
}
namespace inplace {
using Flag = ShortMessage::Flag;
ShortMessage nextplayer(int seat, int phase) { return ShortMessage::make("CMD_nextplayer", seat, phase); }
ShortMessage rollagain(int seat) { return ShortMessage::make("CMD_rollagain", seat); }
ShortMessage hisdice(int seat, int phase, int die1, int die2, int double1, int double2, bool passAllowed) {
    return ShortMessage::make("CMD_hisdice", seat, phase, die1, die2, double1, double2, Flag{passAllowed ? '1' : '0'});
}
ShortMessage nomoves(int seat) { return ShortMessage::make("CMD_nomoves", seat); }
ShortMessage gotpenalty(int seat, int pawn, int progress, int die1, int die2) {
    return ShortMessage::make("CMD_gotpenalty", seat, pawn, progress, die1, die2);
}
ShortMessage gotpenalty1(int seat, int pawn, int progress) {
    return ShortMessage::make("CMD_gotpenalty1", seat, pawn, progress);
}
ShortMessage warning(int seat, int pawn, int partnerPawn) {
    return ShortMessage::make("CMD_warning", seat, pawn, partnerPawn);
}
ShortMessage passing(int seat) { return ShortMessage::make("CMD_passing", seat); }
ShortMessage aerror(int seat, int code) { return ShortMessage::make("CMD_aerror", seat, code); }
ShortMessage movehim(const MoveHimInfo& i) {
    const MoveSlotsView& a = i.amounts;
    return ShortMessage::make("CMD_movehim", i.seat, i.code, i.pawn, i.square, i.progress, a.bonus20a, a.bonus20b,
                              a.bonus20c, a.bonus10a, a.bonus10b, a.bonus10c, a.double1, a.double2,
                              Flag{i.moreMoves ? 't' : 'f'});
}
ShortMessage sendback(int mover, int seat, int pawn, int progress) {
    return ShortMessage::make("CMD_sendback", mover, seat, pawn, progress);
}
ShortMessage winner(int code) { return ShortMessage::make("CMD_winner", code); }
} // namespace inplace

std::string nextplayer(int seat, int phase) { return std::string(inplace::nextplayer(seat, phase).view()); }
std::string rollagain(int seat) { return std::string(inplace::rollagain(seat).view()); }
std::string hisdice(int seat, int phase, int die1, int die2, int double1, int double2, bool passAllowed) {
    return std::string(inplace::hisdice(seat, phase, die1, die2, double1, double2, passAllowed).view());
}
std::string nomoves(int seat) { return std::string(inplace::nomoves(seat).view()); }
std::string gotpenalty(int seat, int pawn, int progress, int die1, int die2) {
    return std::string(inplace::gotpenalty(seat, pawn, progress, die1, die2).view());
}
std::string gotpenalty1(int seat, int pawn, int progress) {
    return std::string(inplace::gotpenalty1(seat, pawn, progress).view());
}
std::string warning(int seat, int pawn, int partnerPawn) {
    return std::string(inplace::warning(seat, pawn, partnerPawn).view());
}
std::string passing(int seat) { return std::string(inplace::passing(seat).view()); }
std::string aerror(int seat, int code) { return std::string(inplace::aerror(seat, code).view()); }
std::string movehim(const MoveHimInfo& i) { return std::string(inplace::movehim(i).view()); }
std::string sendback(int mover, int seat, int pawn, int progress) {
    return std::string(inplace::sendback(mover, seat, pawn, progress).view());
}
std::string removepegs(int seat) { return Msg("CMD_removepegs").f(seat).done(); }
std::string winner(int code) { return std::string(inplace::winner(code).view()); }
} // namespace announce

std::optional<int> parseSendlogininfo(std::string_view body) { return leadingNumber(body); }

std::optional<NumberAndName> parseNumberAndName(std::string_view body) {
    FieldReader r(body);
    auto n = r.nextInt();
    if (!n) return std::nullopt;
    return NumberAndName{*n, std::string(r.rest())};
}

std::optional<LocationsInfo> parseLocations(std::string_view body) {
    const CutFields f(body);
    LocationsInfo i;
    if (!f.numbers({{1, &i.target}, {2, &i.whoseturn}, {3, &i.turnphase}})) return std::nullopt;
    for (const GameOptionRow& row : kGameOptions) {
        const int position = row.fieldIn(OptionCarrier::locations);
        if (position == 0) continue;
        const auto v = f.number(position);
        if (!v) return std::nullopt;
        row.set(i.options, *v);
    }
    i.seat3playing = f.at(kLocationsSeat3);
    i.seat4playing = f.at(kLocationsSeat3 + 1);
    MoveSlotsView& a = i.amounts;
    int at = kLocationsSeat3 + 2;
    for (int* p : {&i.die1, &i.die2, &a.bonus20a, &a.bonus20b, &a.bonus20c, &a.bonus10a, &a.bonus10b, &a.bonus10c,
                   &a.double1, &a.double2}) {
        const auto v = f.number(at++);
        if (!v) return std::nullopt;
        *p = *v;
    }
    if (!diceFit({i.die1, i.die2}) || !slotsFit(i.amounts)) return std::nullopt;
    for (auto& seat : i.pawns)
        for (int& sq : seat) {
            const auto v = f.number(at++);
            if (!v) return std::nullopt;
            sq = *v;
        }
    return i;
}

std::optional<StartGameInfo> parseStartgameInfo(std::string_view body) {
    const CutFields f(body);
    StartGameInfo s;
    s.name = f.at(1);
    s.seat3playing = f.at(kStartSeat3);
    s.seat4playing = f.at(kStartSeat3 + 1);
    for (const GameOptionRow& row : kGameOptions) {
        const int position = row.fieldIn(OptionCarrier::announcement);
        if (position == 0) continue;
        const std::string_view text = f.at(position);
        if (row.isFlag()) {
            row.set(s.options, text == "1" ? 1 : 0);
        } else if (!text.empty()) {
            const auto v = parseStrictInt(text);
            if (!v) return std::nullopt;
            row.set(s.options, *v);
        }
    }
    return s;
}

std::optional<SeatPhase> parseNextplayer(std::string_view body) {
    FieldReader r(body);
    SeatPhase s{};
    if (!readInts(r, {&s.seat, &s.phase})) return std::nullopt;
    return s;
}

std::optional<HisDiceInfo> parseHisdice(std::string_view body) {
    FieldReader r(body);
    HisDiceInfo h{};
    if (!readInts(r, {&h.seat, &h.phase, &h.die1, &h.die2, &h.double1, &h.double2}) ||
        !diceFit({h.die1, h.die2, h.double1, h.double2}))
        return std::nullopt;
    h.passAllowed = r.next() == "1";
    return h;
}

std::optional<MoveHimInfo> parseMovehim(std::string_view body) {
    FieldReader r(body);
    MoveHimInfo m;
    if (!readInts(r, {&m.seat, &m.code, &m.pawn, &m.square, &m.progress}) || !readSlots(r, m.amounts) ||
        !readInts(r, {&m.amounts.double1, &m.amounts.double2}) || !slotsFit(m.amounts))
        return std::nullopt;
    m.moreMoves = r.next() == "t";
    return m;
}

std::optional<SendBackInfo> parseSendback(std::string_view body) {
    FieldReader r(body);
    SendBackInfo s{};
    if (!readInts(r, {&s.mover, &s.seat, &s.pawn, &s.progress})) return std::nullopt;
    return s;
}

std::optional<PenaltyInfo> parseGotpenalty(std::string_view body) {
    FieldReader r(body);
    PenaltyInfo p{};
    if (!readInts(r, {&p.seat, &p.pawn, &p.progress, &p.die1, &p.die2}) || !diceFit({p.die1, p.die2}))
        return std::nullopt;
    return p;
}

std::optional<PenaltyInfo> parseGotpenalty1(std::string_view body) {
    FieldReader r(body);
    PenaltyInfo p{};
    if (!readInts(r, {&p.seat, &p.pawn, &p.progress})) return std::nullopt;
    return p;
}

std::optional<WarningInfo> parseWarning(std::string_view body) {
    FieldReader r(body);
    WarningInfo w{};
    if (!readInts(r, {&w.seat, &w.pawn})) return std::nullopt;
    return w;
}

std::optional<SeatPhase> parseAerror(std::string_view body) { return parseNextplayer(body); }

std::optional<JustWatchingInfo> parseJustwatching(std::string_view body) {
    FieldReader r(body);
    auto seat = r.nextInt();
    if (!seat) return std::nullopt;
    return JustWatchingInfo{*seat, std::string(r.rest())};
}

std::optional<int> parseFirstNumber(std::string_view body) {
    FieldReader r(body);
    return r.nextInt();
}

} // namespace quadrino
