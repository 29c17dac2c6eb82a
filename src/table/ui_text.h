// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text the table shows to its own user: an English pattern with %1, %2... and the values
// that fill it, kept apart until a window translates the pattern. The table itself stays
// free of Qt; english() gives the text as it reads without a translator.
//
// Plain C++, UTF-8.
#include <string>
#include <vector>

// Marks a text for Qt's translation tools where Qt itself is not used.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace quadrino::table {

struct UiText {
    const char* context = nullptr; // translation context; none: `text` is shown as it is
    std::string text;              // a name or number, or the English pattern
    std::vector<UiText> args;      // fill %1, %2... of the pattern
    std::string english() const;
    bool empty() const { return text.empty(); }
    bool operator==(const UiText& other) const;
};

// A name or a number: never translated.
UiText plain(std::string text);
// A pattern marked with QT_TRANSLATE_NOOP(context, pattern), and its values.
UiText words(const char* context, const char* pattern, std::vector<UiText> args = {});

} // namespace quadrino::table
