// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets that play a script share: the input read as a script of choices and
// bytes, and an invariant that aborts (so libFuzzer keeps the input) when it breaks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quadrino::fuzzing {

inline void require(bool condition, const char* target, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "%s: broken invariant: %s\n", target, what);
    std::abort();
}

class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    int byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string bytes(std::size_t n) {
        std::string s;
        while (n-- > 0 && !done()) s += static_cast<char>(byte());
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace quadrino::fuzzing
