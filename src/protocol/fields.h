// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Field cutting inside a message body: fields end at "+", numbers are strict decimal.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quadrino {

// Decimal text with an optional sign, nothing else, within 32 bits.
std::optional<std::int32_t> parseStrictInt(std::string_view text);

class FieldReader {
public:
    explicit FieldReader(std::string_view body) : rest_(body) {}
    // The text before the next "+", which is consumed with it. With no "+" left the field
    // reads as empty and nothing is consumed.
    std::string_view next();
    // next() converted strictly; nullopt when the field is not a number.
    std::optional<std::int32_t> nextInt() { return parseStrictInt(next()); }
    // Everything not yet consumed (free text always comes last).
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

} // namespace quadrino
