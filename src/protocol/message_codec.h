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
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "protocol/cp1252.h"
#include "protocol/fields.h"
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

namespace kind {
// A decimal number; the whole message is refused when it is not one.
template <class M> struct Number { int M::*member; };
// A number kept with its text as sent (a relayed sender field).
template <class M> struct SentNumber { NumberText M::*member; };
// One letter, on as `on`, sent as `on`/`off`.
template <class M> struct Flag { bool M::*member; char on; char off; };
// Text ended by "+"; it may not hold the separator.
template <class M> struct Text { std::string M::*member; };
// Everything after the fields before it, no separator after it: free text comes last.
template <class M> struct Rest { std::string M::*member; };
// The rest with a terminator of its own written after it; it reads as the rest.
template <class M> struct TerminatedRest { std::string M::*member; };
// The game options where the option table places them for `carrier`, each also kept as the
// text received: a flag is on only as "1"; a number must be one, or the message is refused.
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
std::string optionText(const GameOptionRow& row, const GameOptions& o);
// The message's positions taken by the options of `carrier`.
bool optionAt(OptionCarrier carrier, int position);

// Body fields by position (from 1); a field after the last "+" reads as empty.
class PlacedFields {
public:
    explicit PlacedFields(std::string_view body);
    std::string_view at(int position) const;

private:
    std::vector<std::string_view> fields_;
};

template <class M> void write(std::string& out, const M& m, kind::Number<M> f) {
    appendNumber(out, m.*f.member);
    out += kSeparator;
}
template <class M> void write(std::string& out, const M& m, kind::SentNumber<M> f) {
    out += withoutTerminator((m.*f.member).text);
    out += kSeparator;
}
template <class M> void write(std::string& out, const M& m, kind::Flag<M> f) {
    out += m.*f.member ? f.on : f.off;
    out += kSeparator;
}
template <class M> void write(std::string& out, const M& m, kind::Text<M> f) {
    out += withoutTerminator(m.*f.member);
    out += kSeparator;
}
template <class M> void write(std::string& out, const M& m, kind::Rest<M> f) { out += withoutTerminator(m.*f.member); }
template <class M> void write(std::string& out, const M& m, kind::TerminatedRest<M> f) {
    out += withoutTerminator(m.*f.member);
    out += kTerminator;
}

template <class M> bool read(std::string_view text, M& m, kind::Number<M> f) {
    const auto v = parseStrictInt(text);
    if (v) m.*f.member = *v;
    return v.has_value();
}
template <class M> bool read(std::string_view text, M& m, kind::SentNumber<M> f) {
    const auto v = parseStrictInt(text);
    if (!v) return false;
    NumberText& n = m.*f.member;
    n.value = *v;
    n.text = std::string(text);
    return true;
}
template <class M> bool read(std::string_view text, M& m, kind::Flag<M> f) {
    m.*f.member = text.size() == 1 && text[0] == f.on;
    return true;
}
template <class M> bool read(std::string_view text, M& m, kind::Text<M> f) {
    m.*f.member = std::string(text);
    return true;
}
template <class M> bool readOptions(const PlacedFields& in, M& m, kind::Options<M> f) {
    for (const GameOptionRow& row : kGameOptions) {
        const int position = row.fieldIn(f.carrier);
        if (position == 0) continue;
        std::string& text = (m.*f.text)[static_cast<std::size_t>(row.id)];
        text = in.at(position);
        if (row.isFlag()) {
            row.set(m.*f.options, text == "1" ? 1 : 0);
        } else {
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
        std::apply([&](auto... f) { (write(out, m, f), ...); }, M::fields);
    } else {
        std::vector<std::string> at;
        auto put = [&at](int position, std::string text) {
            const auto i = static_cast<std::size_t>(position - 1);
            if (i >= at.size()) at.resize(i + 1);
            at[i] = std::move(text);
        };
        const OptionCarrier carrier = std::get<kind::Options<M>>(M::fields).carrier;
        int next = 1;
        auto place = [&](auto f) {
            if constexpr (IsOptions<decltype(f)>::value) {
                for (const GameOptionRow& row : kGameOptions)
                    if (row.fieldIn(f.carrier) != 0) put(row.fieldIn(f.carrier), optionText(row, m.*f.options));
            } else {
                while (optionAt(carrier, next)) ++next;
                std::string text;
                write(text, m, f);
                text.pop_back(); // the separator is written below, with every position
                put(next++, std::move(text));
            }
        };
        std::apply([&](auto... f) { (place(f), ...); }, M::fields);
        for (const std::string& text : at) out += text, out += kSeparator;
    }
    out += kTerminator;
    return out;
}

// The body after "CMD_word+" read into M; nullopt when a field is not what its kind needs,
// so a handler refuses the whole message before it changes anything.
template <class M> std::optional<M> decode(std::string_view body) {
    using namespace codec_detail;
    M m{};
    bool ok = true;
    if constexpr (!placed<M>) {
        FieldReader r(body);
        auto take = [&](auto f) {
            if (!ok) return;
            if constexpr (std::is_same_v<decltype(f), kind::Rest<M>> ||
                          std::is_same_v<decltype(f), kind::TerminatedRest<M>>)
                m.*f.member = std::string(r.rest());
            else ok = read(r.next(), m, f);
        };
        std::apply([&](auto... f) { (take(f), ...); }, M::fields);
    } else {
        const PlacedFields in(body);
        const OptionCarrier carrier = std::get<kind::Options<M>>(M::fields).carrier;
        int next = 1;
        auto take = [&](auto f) {
            if (!ok) return;
            if constexpr (IsOptions<decltype(f)>::value) {
                ok = readOptions(in, m, f);
            } else {
                while (optionAt(carrier, next)) ++next;
                ok = read(in.at(next++), m, f);
            }
        };
        std::apply([&](auto... f) { (take(f), ...); }, M::fields);
    }
    if constexpr (requires { m.valid(); }) ok = ok && m.valid();
    if (!ok) return std::nullopt;
    return m;
}

// The messages one side handles.
template <class... Ms> struct MessageList {};

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
