// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the files of the main window; not for use elsewhere.
#include <QAction>
#include <QRect>
#include <QString>
#include <array>
#include <string>

#include "chat/chatter_sounds.h"
#include "chat/free_text.h"
#include "protocol/cp1252.h"
#include "protocol/wire.h"
#include "art/board_placement.h"

namespace quadrino::window_detail {


inline const QString kEnterChatHere = QStringLiteral("<Enter Chat Here>");
inline const char* const kTag = "tag";

// Captions of the chatter sound menu's entries "wave1" to "wave20".
inline const std::array<const char*, kChatterSoundCount> kChatterCaptions = {
    "Doh",      "Cough",      "Hello", "Thank You", "Where have you been?", "Snoring",        "Sneezing",
    "Sorry",    "Welcome",    "Yeehaa", "Yippee",   "Oh No",                "Applause",       "Honk",
    "Oooh",     "Razzberry",  "Cheer", "Woman Laughing", "Man Laughing",   "Crying",
};

// Free text for the host: no control characters (an older copy would split the message at a
// line break), Windows-1252, no terminator byte.
inline std::string toWire(const QString& text) {
    return withoutTerminator(utf8ToCp1252(blankControlCharacters(text).toStdString()));
}

inline void setTag(QAction* a, int tag) { a->setProperty(kTag, tag); }
inline int tagOf(const QAction* a) { return a->property(kTag).toInt(); }

inline QRect placed(const char* name) { return placement::rectOf(name); }


} // namespace quadrino::window_detail
