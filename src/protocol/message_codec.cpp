// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/message_codec.h"

#include <charconv>

namespace quadrino {

void ShortMessage::wideNumber(int v) {
    size_ = static_cast<std::size_t>(std::to_chars(text_ + size_, text_ + size_ + 11, v).ptr - text_);
    text_[size_++] = kSeparator;
}

namespace codec_detail {

void appendNumber(std::string& out, int v) {
    char buf[12];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

bool optionAt(OptionCarrier carrier, int position) {
    for (const GameOptionRow& row : kGameOptions)
        if (row.fieldIn(carrier) == position) return true;
    return false;
}

void PlacedOut::put(int position, std::string text) {
    const auto i = static_cast<std::size_t>(position - 1);
    if (i >= at.size()) at.resize(i + 1);
    at[i] = std::move(text);
}

PlacedIn::PlacedIn(std::string_view body, OptionCarrier carrier) : carrier_(carrier) {
    FieldReader r(body);
    while (r.rest().find(kSeparator) != std::string_view::npos) fields_.push_back(r.next());
}

std::string_view PlacedIn::at(int position) const {
    if (position < 1 || static_cast<std::size_t>(position) > fields_.size()) return {};
    return fields_[static_cast<std::size_t>(position - 1)];
}

} // namespace codec_detail
} // namespace quadrino
