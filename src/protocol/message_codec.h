// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one encoder and the one decoder of the catalogue's messages. A message is a struct
// with its command word and a constexpr tuple `fields` of field kinds, in wire order; the
// same list writes the message and reads it back, so a field's place is written once.
//
// A message carrying game options (kind Options) has its fields placed by position: the
// option table says where each option goes, and the other fields fill the positions left,
// in order. Every other message is read and written field after field.
#include <array>
#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "protocol/cp1252.h"
#include "protocol/fields.h"
#include "protocol/short_message.h"
#include "protocol/wire.h"
#include "rules/game_options.h"

namespace quadrino {

// A number as its sender wrote it ("02" stays "02" when relayed), read as a number.
struct NumberText {
    NumberText() = default;
    NumberText(int v) : value(v), text(std::to_string(v)) {} // NOLINT: a number is its own text
    int value = 0;
    std::string text;
    bool operator==(const NumberText&) const = default;
};

// The eight amounts after the dice, in the order the announcements carry them.
struct MoveSlotsView {
    int bonus20a = 0, bonus20b = 0, bonus20c = 0, bonus10a = 0, bonus10b = 0, bonus10c = 0;
    int double1 = 0, double2 = 0;
    bool operator==(const MoveSlotsView&) const = default;
};

namespace kind {
// A decimal number within lowest..highest; the whole message is refused when it is not one.
template <class M> struct Number {
    int M::*member;
    int lowest = INT_MIN;
    int highest = INT_MAX;
};
// A die or a doubles copy: 1..6, or 0 once used.
template <class M> constexpr Number<M> die(int M::*member) { return {member, 0, 6}; }
// A number written but never read: the receiver has no use for it, so it refuses nothing.
template <class M> struct Unread { int M::*member; };
// The message's only field, with no separator after it; it reads to the first "+" or the end.
template <class M> struct FinalNumber { int M::*member; };
// A number kept with its text as sent (a relayed sender field).
template <class M> struct SentNumber { NumberText M::*member; };
// One letter, on as `on`, sent as `on`/`off`; anything else reads as off. With `toEnd` a
// field missing its separator at the end of the message still counts.
template <class M> struct Flag {
    bool M::*member;
    char on;
    char off;
    bool toEnd = false;
};
// Text ended by "+"; it may not hold the separator.
template <class M> struct Text { std::string M::*member; };
// Everything after the fields before it, no separator after it: free text comes last.
template <class M> struct Rest { std::string M::*member; };
// The rest with a terminator of its own written after it; it reads as the rest.
template <class M> struct TerminatedRest { std::string M::*member; };
// The eight amounts after the dice; one that no slot can hold refuses the message, since
// the receiver adds them up.
template <class M> struct Amounts { MoveSlotsView M::*member; };
// Every pawn's square, seat after seat.
template <class M> struct PawnSquares { std::array<std::array<int, 4>, 4> M::*member; };
// The game options where the option table places them for `carrier`, and as the text each
// field held (`text` may be null where nobody needs it).
//   request:      written as numbers; a flag is on only as "1", a number must be one.
//   announcement: a flag is written as the request had it (relayed), a number as applied;
//                 it reads as the request does, except that an empty number reads as 0.
//   locations:    written as numbers; every field must be a number, a flag is on as 1.
template <class M> struct Options {
    GameOptions M::*options;
    std::array<std::string, kGameOptionCount> M::*text;
    OptionCarrier carrier;
};
} // namespace kind

namespace codec_detail {
template <class T> struct IsOptions : std::false_type {};
template <class M> struct IsOptions<kind::Options<M>> : std::true_type {};
template <class M>
constexpr bool placed = std::apply([](auto... f) { return (IsOptions<decltype(f)>::value || ...); }, M::fields);

void appendNumber(std::string& out, int v);
// The message's positions taken by the options of `carrier`.
bool optionAt(OptionCarrier carrier, int position);

// Fields one after another, each followed by "+".
struct SequentialOut {
    std::string& out;
    void number(int v) {
        appendNumber(out, v);
        out += kSeparator;
    }
    void letter(char c) {
        out += c;
        out += kSeparator;
    }
    void field(std::string_view text) {
        out += text;
        out += kSeparator;
    }
    void raw(std::string_view text) { out += text; }
    void rawNumber(int v) { appendNumber(out, v); }
};

// Fields at the positions the options leave free, the options at their own.
struct PlacedOut {
    OptionCarrier carrier;
    std::vector<std::string> at{};
    int next = 1;
    void put(int position, std::string text);
    void field(std::string_view text) {
        while (optionAt(carrier, next)) ++next;
        put(next++, std::string(text));
    }
    void number(int v) { field(std::to_string(v)); }
    void letter(char c) { field(std::string_view(&c, 1)); }
};

struct SequentialIn {
    FieldReader reader;
    std::string_view next() { return reader.next(); }
    std::string_view rest() const { return reader.rest(); }
    // The text to the first "+" or to the end; the field is consumed either way.
    std::string_view nextToEnd() {
        const std::string_view rest = reader.rest();
        const std::string_view text = rest.substr(0, rest.find(kSeparator));
        reader.next();
        return text;
    }
};

// Body fields by position (from 1); a field after the last "+" reads as empty.
class PlacedIn {
public:
    PlacedIn(std::string_view body, OptionCarrier carrier);
    std::string_view at(int position) const;
    std::string_view next() {
        while (optionAt(carrier_, next_)) ++next_;
        return at(next_++);
    }

private:
    std::vector<std::string_view> fields_;
    OptionCarrier carrier_;
    int next_ = 1;
};

// How many fields a kind writes.
template <class K> constexpr int width(K) { return 1; }
template <class M> constexpr int width(kind::Amounts<M>) { return 8; }
template <class M> constexpr int width(kind::PawnSquares<M>) { return 16; }

// The amounts in wire order, with the slot each must fit.
template <class F> void forEachAmount(MoveSlotsView& a, F&& f) {
    f(AmountSlot::bonus20a, a.bonus20a), f(AmountSlot::bonus20b, a.bonus20b), f(AmountSlot::bonus20c, a.bonus20c);
    f(AmountSlot::bonus10a, a.bonus10a), f(AmountSlot::bonus10b, a.bonus10b), f(AmountSlot::bonus10c, a.bonus10c);
    f(AmountSlot::double1, a.double1), f(AmountSlot::double2, a.double2);
}

template <class Out, class M> void write(Out& o, const M& m, kind::Number<M> f) { o.number(m.*f.member); }
template <class Out, class M> void write(Out& o, const M& m, kind::Unread<M> f) { o.number(m.*f.member); }
template <class Out, class M> void write(Out& o, const M& m, kind::FinalNumber<M> f) { o.rawNumber(m.*f.member); }
template <class Out, class M> void write(Out& o, const M& m, kind::SentNumber<M> f) {
    o.field(withoutTerminator((m.*f.member).text));
}
template <class Out, class M> void write(Out& o, const M& m, kind::Flag<M> f) { o.letter(m.*f.member ? f.on : f.off); }
template <class Out, class M> void write(Out& o, const M& m, kind::Text<M> f) {
    o.field(withoutTerminator(m.*f.member));
}
template <class Out, class M> void write(Out& o, const M& m, kind::Rest<M> f) { o.raw(withoutTerminator(m.*f.member)); }
template <class Out, class M> void write(Out& o, const M& m, kind::TerminatedRest<M> f) {
    o.raw(withoutTerminator(m.*f.member));
    o.raw(std::string_view(&kTerminator, 1));
}
template <class Out, class M> void write(Out& o, const M& m, kind::Amounts<M> f) {
    MoveSlotsView a = m.*f.member;
    forEachAmount(a, [&o](AmountSlot, int v) { o.number(v); });
}
template <class Out, class M> void write(Out& o, const M& m, kind::PawnSquares<M> f) {
    for (const auto& seat : m.*f.member)
        for (int square : seat) o.number(square);
}
template <class M> void write(PlacedOut& o, const M& m, kind::Options<M> f) {
    for (const GameOptionRow& row : kGameOptions) {
        const int position = row.fieldIn(f.carrier);
        if (position == 0) continue;
        const bool relayed = f.carrier == OptionCarrier::announcement && row.isFlag() && f.text != nullptr;
        o.put(position, relayed ? withoutTerminator((m.*f.text)[static_cast<std::size_t>(row.id)])
                                : std::to_string(row.value(m.*f.options)));
    }
}

template <class In, class M> bool read(In& in, M& m, kind::Number<M> f) {
    const auto v = parseStrictInt(in.next());
    if (!v || *v < f.lowest || *v > f.highest) return false;
    m.*f.member = *v;
    return true;
}
template <class In, class M> bool read(In& in, M&, kind::Unread<M>) {
    in.next();
    return true;
}
template <class M> bool read(SequentialIn& in, M& m, kind::FinalNumber<M> f) {
    const auto v = parseStrictInt(in.nextToEnd());
    if (v) m.*f.member = *v;
    return v.has_value();
}
template <class In, class M> bool read(In& in, M& m, kind::SentNumber<M> f) {
    const std::string_view text = in.next();
    const auto v = parseStrictInt(text);
    if (!v) return false;
    m.*f.member = NumberText{};
    (m.*f.member).value = *v;
    (m.*f.member).text = std::string(text);
    return true;
}
template <class In, class M> bool read(In& in, M& m, kind::Flag<M> f) {
    std::string_view text;
    if constexpr (std::is_same_v<In, SequentialIn>) text = f.toEnd ? in.nextToEnd() : in.next();
    else text = in.next();
    m.*f.member = text.size() == 1 && text[0] == f.on;
    return true;
}
template <class In, class M> bool read(In& in, M& m, kind::Text<M> f) {
    m.*f.member = std::string(in.next());
    return true;
}
template <class M> bool read(SequentialIn& in, M& m, kind::Rest<M> f) {
    m.*f.member = std::string(in.rest());
    return true;
}
template <class M> bool read(SequentialIn& in, M& m, kind::TerminatedRest<M> f) {
    m.*f.member = std::string(in.rest());
    return true;
}
template <class In, class M> bool read(In& in, M& m, kind::Amounts<M> f) {
    bool ok = true;
    forEachAmount(m.*f.member, [&](AmountSlot slot, int& v) {
        if (!ok) return;
        const auto n = parseStrictInt(in.next());
        ok = n && isSlotAmount(slot, *n);
        if (ok) v = *n;
    });
    return ok;
}
template <class In, class M> bool read(In& in, M& m, kind::PawnSquares<M> f) {
    for (auto& seat : m.*f.member)
        for (int& square : seat) {
            const auto v = parseStrictInt(in.next());
            if (!v) return false;
            square = *v;
        }
    return true;
}
template <class M> bool read(PlacedIn& in, M& m, kind::Options<M> f) {
    for (const GameOptionRow& row : kGameOptions) {
        const int position = row.fieldIn(f.carrier);
        if (position == 0) continue;
        const std::string_view text = in.at(position);
        if (f.text != nullptr) (m.*f.text)[static_cast<std::size_t>(row.id)] = std::string(text);
        if (row.isFlag() && f.carrier != OptionCarrier::locations) {
            row.set(m.*f.options, text == "1" ? 1 : 0);
        } else if (!(text.empty() && f.carrier == OptionCarrier::announcement)) {
            const auto v = parseStrictInt(text);
            if (!v) return false;
            row.set(m.*f.options, *v);
        }
    }
    return true;
}
} // namespace codec_detail

// The whole message, command word to terminator, ready for one send.
template <class M> std::string encode(const M& m) {
    using namespace codec_detail;
    std::string out;
    out.reserve(64);
    out += M::word;
    out += kSeparator;
    if constexpr (!placed<M>) {
        SequentialOut o{out};
        std::apply([&](auto... f) { (write(o, m, f), ...); }, M::fields);
    } else {
        PlacedOut o{std::get<kind::Options<M>>(M::fields).carrier};
        std::apply([&](auto... f) { (write(o, m, f), ...); }, M::fields);
        for (const std::string& text : o.at) out += text, out += kSeparator;
    }
    out += kTerminator;
    return out;
}

// The same bytes as encode() without allocating, for a message of numbers and letters only.
template <class M> ShortMessage encodeShort(const M& m) {
    using namespace codec_detail;
    static_assert(M::word.size() <= ShortMessage::kMaxWord);
    static_assert(std::apply([](auto... f) { return (0 + ... + width(f)); }, M::fields) <= ShortMessage::kMaxFields);
    ShortMessage s;
    s.start(M::word);
    std::apply([&](auto... f) { (write(s, m, f), ...); }, M::fields);
    s.finish();
    return s;
}

// The body after "CMD_word+" read into M; nullopt when a field is not what its kind needs,
// so a handler refuses the whole message before it changes anything.
template <class M> std::optional<M> decode(std::string_view body) {
    using namespace codec_detail;
    M m{};
    bool ok = true;
    auto readAll = [&](auto& in) {
        auto take = [&](auto f) { ok = ok && read(in, m, f); };
        std::apply([&](auto... f) { (take(f), ...); }, M::fields);
    };
    if constexpr (!placed<M>) {
        SequentialIn in{FieldReader(body)};
        readAll(in);
    } else {
        PlacedIn in(body, std::get<kind::Options<M>>(M::fields).carrier);
        readAll(in);
    }
    if (!ok) return std::nullopt;
    return m;
}

// The messages one side handles.
template <class... Ms> struct MessageList {};

template <class M, class... Ms> constexpr bool listed(MessageList<Ms...>) { return (std::is_same_v<M, Ms> || ...); }

// Handlers for each message type, as one callable.
template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
// Spelled out for compilers that do not yet deduce an aggregate's arguments (clang before 17).
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// A known word whose body its declaration refuses.
struct Malformed {
    std::string_view word;
};

// Finds the declaration whose word is `word`, decodes `body` once and hands the handler the
// typed message, or Malformed when a field is not what it should be. False for an unknown
// word, which nobody handles.
template <class... Ms, class Handler>
bool decodeAndHandle(MessageList<Ms...>, std::string_view word, std::string_view body, Handler&& handle) {
    auto one = [&]<class M>(M*) {
        if (word != M::word) return false;
        if (auto m = decode<M>(body)) handle(*m);
        else handle(Malformed{M::word});
        return true;
    };
    return (one(static_cast<Ms*>(nullptr)) || ...);
}

template <class... Ms> constexpr bool isOneOf(MessageList<Ms...>, std::string_view word) {
    return ((word == Ms::word) || ...);
}

} // namespace quadrino
