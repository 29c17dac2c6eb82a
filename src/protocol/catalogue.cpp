// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/catalogue.h"

#include "protocol/colour_text.h"

namespace quadrino {

ChatMessage hostNotice(std::string_view text) {
    return ChatMessage{0, std::string(text) + "|" + colourToText(kSystemColour)};
}

StartGameAnnouncement StartGameAnnouncement::relaying(const StartGameRequest& request, std::string_view seat3playing,
                                                      std::string_view seat4playing, const GameOptions& applied) {
    StartGameAnnouncement a;
    a.name = request.name;
    a.text = request.text;
    a.options = applied;
    a.seat3playing = seat3playing;
    a.seat4playing = seat4playing;
    a.teamAgain = request.text[static_cast<std::size_t>(GameOption::teamgame)];
    return a;
}

} // namespace quadrino
