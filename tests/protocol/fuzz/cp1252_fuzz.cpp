// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the Windows-1252 conversions. Any bytes from the wire must become valid
// UTF-8 that converts back to the same bytes; valid UTF-8 must convert to one byte per
// character, and back to the same text with "?" for each character Windows-1252 lacks;
// invalid UTF-8 must convert without growing. The terminator and control characters must be
// gone from free text, and nothing else changed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/cp1252.h"

using namespace quadrino;

namespace {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "cp1252_fuzz: broken invariant: %s\n", what);
    std::abort();
}

// The characters of well-formed UTF-8: no overlong form, no surrogate, nothing past U+10FFFF.
std::optional<std::vector<std::uint32_t>> decode(std::string_view s) {
    std::vector<std::uint32_t> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        std::uint32_t cp = 0, least = 0;
        if (b < 0x80) {
            len = 1;
            cp = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            cp = b & 0x1Fu;
            least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            cp = b & 0x0Fu;
            least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            cp = b & 0x07u;
            least = 0x10000;
        } else
            return std::nullopt;
        if (i + len > s.size()) return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        out.push_back(cp);
        i += len;
    }
    return out;
}

std::string encode(std::uint32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

// The characters Windows-1252 has, as the conversion from it names them.
const std::map<std::uint32_t, char>& windows1252() {
    static const std::map<std::uint32_t, char> table = [] {
        std::map<std::uint32_t, char> t;
        for (int b = 0; b < 256; ++b) {
            const std::string one(1, static_cast<char>(b));
            const auto cps = decode(cp1252ToUtf8(one));
            require(cps && cps->size() == 1, "a byte that is not one character");
            require(t.emplace(cps->front(), one[0]).second, "two bytes for one character");
        }
        return t;
    }();
    return table;
}

bool isControl(unsigned char b) {
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // From the wire.
    const std::string utf8 = cp1252ToUtf8(bytes);
    require(utf8.size() <= 3 * bytes.size(), "UTF-8 more than three times the bytes");
    const auto characters = decode(utf8);
    require(characters && characters->size() == bytes.size(), "bytes that do not become one character each");
    require(utf8ToCp1252(utf8) == bytes, "bytes that do not convert back");

    // To the wire.
    const std::string narrow = utf8ToCp1252(bytes);
    require(narrow.size() <= bytes.size(), "a conversion to Windows-1252 that grows");
    if (const auto typed = decode(bytes)) {
        require(narrow.size() == typed->size(), "not one byte per character");
        std::string expected;
        for (std::uint32_t cp : *typed)
            expected += windows1252().count(cp) ? encode(cp) : std::string("?");
        require(cp1252ToUtf8(narrow) == expected,
                "text that does not convert back, but for what the bytes lack");
    }

    // Free text.
    const std::string cut = withoutTerminator(bytes);
    const std::string blanked = blankControls(bytes);
    require(cut.size() == size && blanked.size() == size, "free text that changed its length");
    for (std::size_t i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        require(cut[i] == (b == 0xFF ? 'y' : bytes[i]), "a terminator left, or another byte changed");
        require(blanked[i] == (isControl(b) ? ' ' : bytes[i]), "a control left, or another byte changed");
    }
    return 0;
}
