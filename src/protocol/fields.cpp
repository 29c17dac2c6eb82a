// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/fields.h"

#include <charconv>

#include "protocol/wire.h"

namespace quadrino {

std::optional<std::int32_t> parseStrictInt(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string_view FieldReader::next() {
    auto plus = rest_.find(kSeparator);
    if (plus == std::string_view::npos) return {};
    auto field = rest_.substr(0, plus);
    rest_.remove_prefix(plus + 1);
    return field;
}

} // namespace quadrino
