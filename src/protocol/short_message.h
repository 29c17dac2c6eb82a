// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message of numbers and one-letter fields, built in place: a game announces its course
// several hundred times, and these announcements need no allocation. The codec writes it
// through number() and letter(); a message with text in it cannot be written this way.
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "protocol/wire.h"

namespace quadrino {

namespace detail {
// The numbers 0..999 as message fields, digits and separator, ready to be copied whole.
struct SmallNumber {
    char text[4];
    std::size_t size;
};
inline constexpr int kSmallNumbers = 1000;
struct SmallNumbers {
    std::array<SmallNumber, kSmallNumbers> items{};
    constexpr SmallNumbers() {
        for (int v = 0; v < kSmallNumbers; ++v) {
            SmallNumber& n = items[static_cast<std::size_t>(v)];
            if (v >= 100) n.text[n.size++] = static_cast<char>('0' + v / 100);
            if (v >= 10) n.text[n.size++] = static_cast<char>('0' + v / 10 % 10);
            n.text[n.size++] = static_cast<char>('0' + v % 10);
            n.text[n.size++] = kSeparator;
        }
    }
};
inline constexpr SmallNumbers kSmallNumberFields{};
} // namespace detail

class ShortMessage {
public:
    // Long enough for sixteen fields of any int after a command word; the codec refuses to
    // build a longer one when it is compiled.
    static constexpr std::size_t kMaxWord = 16;
    static constexpr std::size_t kMaxFields = 16;
    static constexpr std::size_t kCapacity = kMaxWord + 1 + kMaxFields * 12 + 1;

    ShortMessage() {}
    // Only what was written is copied.
    ShortMessage(const ShortMessage& other) : size_(other.size_) { std::memcpy(text_, other.text_, size_); }
    ShortMessage& operator=(const ShortMessage& other) {
        size_ = other.size_;
        std::memcpy(text_, other.text_, size_);
        return *this;
    }

    // The command word and its separator; `word` is at most kMaxWord long.
    void start(std::string_view word) {
        std::memcpy(text_, word.data(), word.size());
        size_ = word.size();
        text_[size_++] = kSeparator;
    }
    // Squares, amounts and progress have at most three digits: those are copied whole from a
    // table, digits and separator.
    void number(int v) {
        if (v < 0 || v >= detail::kSmallNumbers) return wideNumber(v);
        const detail::SmallNumber& n = detail::kSmallNumberFields.items[static_cast<std::size_t>(v)];
        std::memcpy(text_ + size_, n.text, sizeof n.text);
        size_ += n.size;
    }
    // A one-letter field ("t", "f", "1", "0").
    void letter(char c) {
        text_[size_++] = c;
        text_[size_++] = kSeparator;
    }
    void finish() { text_[size_++] = kTerminator; }

    bool empty() const { return size_ == 0; }
    std::string_view view() const { return {text_, size_}; }
    operator std::string_view() const { return view(); }

private:
    // Any int, at most 11 characters, and the separator.
    void wideNumber(int v);

    char text_[kCapacity]; // written up to size_ only
    std::size_t size_ = 0;
};

} // namespace quadrino
