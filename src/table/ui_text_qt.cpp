// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ui_text_qt.h"

#include <QCoreApplication>

namespace quadrino::table {

QString translated(const UiText& text) {
    if (text.context == nullptr) return QString::fromStdString(text.text);
    const QString pattern = QCoreApplication::translate(text.context, text.text.c_str());
    // Filled in one pass, so that a name holding "%2" stays as it is.
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9') {
            const auto at = static_cast<std::size_t>(pattern[i + 1].unicode() - u'1');
            if (at < text.args.size()) out += translated(text.args[at]);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace quadrino::table
