// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client numbers seats, pawns, dice, move codes and bonus slots from 1, as the board's
// control names and the host's messages do. A Numbered row is indexed by those numbers, so
// no "- 1" is written where a number becomes an index; a number outside 1..N is a fault of
// the caller (inputs are checked before they get here) and throws std::out_of_range rather
// than reading a neighbour's memory.
#include <array>
#include <cstddef>

namespace quadrino::table {

template <typename T, int N> struct Numbered {
    std::array<T, static_cast<std::size_t>(N)> items; // public, so a row is written as {{a, b, ...}}

    static constexpr int count() { return N; }
    static constexpr bool holds(int n) { return n >= 1 && n <= N; }

    T& operator[](int n) { return items.at(index(n)); }
    const T& operator[](int n) const { return items.at(index(n)); }

    void fill(const T& value) { items.fill(value); }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    bool operator==(const Numbered&) const = default;

private:
    // Converted as it stands: a number below 1 wraps round to a huge index, which at() refuses.
    static constexpr std::size_t index(int n) { return static_cast<std::size_t>(n) - 1; }
};

} // namespace quadrino::table
