// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/free_text.h"

namespace quadrino {

QString blankControlCharacters(QString text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029) c = u' ';
    }
    return text;
}

} // namespace quadrino
