// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/message_codec.h"

#include <charconv>

namespace quadrino::codec_detail {

void appendNumber(std::string& out, int v) {
    char buf[12];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

std::string optionText(const GameOptionRow& row, const GameOptions& o) { return std::to_string(row.value(o)); }

bool optionAt(OptionCarrier carrier, int position) {
    for (const GameOptionRow& row : kGameOptions)
        if (row.fieldIn(carrier) == position) return true;
    return false;
}

PlacedFields::PlacedFields(std::string_view body) {
    FieldReader r(body);
    while (r.rest().find(kSeparator) != std::string_view::npos) fields_.push_back(r.next());
}

std::string_view PlacedFields::at(int position) const {
    if (position < 1 || static_cast<std::size_t>(position) > fields_.size()) return {};
    return fields_[static_cast<std::size_t>(position - 1)];
}

} // namespace quadrino::codec_detail
