// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ui_text.h"

#include <cstring>

namespace quadrino::table {

std::string UiText::english() const {
    if (context == nullptr) return text;
    // Filled in one pass, so that a name holding "%2" stays as it is.
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto at = static_cast<std::size_t>(text[i + 1] - '1');
            if (at < args.size()) out += args[at].english();
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool UiText::operator==(const UiText& other) const {
    const bool sameContext = (context == nullptr) == (other.context == nullptr) &&
                             (context == nullptr || std::strcmp(context, other.context) == 0);
    return sameContext && text == other.text && args == other.args;
}

UiText plain(std::string text) { return {nullptr, std::move(text), {}}; }

UiText words(const char* context, const char* pattern, std::vector<UiText> args) {
    return {context, pattern, std::move(args)};
}

} // namespace quadrino::table
