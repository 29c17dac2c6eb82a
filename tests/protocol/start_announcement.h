// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A start announcement as the host builds it, its flags written as a request had them.
#include <string>

#include "protocol/catalogue.h"

namespace quadrino::testing {

inline std::string startAnnouncement(const std::string& name, const std::string& penalty, const std::string& passing,
                                     const std::string& blocking, const std::string& pouncing,
                                     const std::string& seat3playing, const std::string& seat4playing,
                                     const std::string& teamgame, int blocklimit) {
    StartGameRequest request;
    request.name = name;
    auto text = [&request](GameOption o) -> std::string& { return request.text[static_cast<std::size_t>(o)]; };
    text(GameOption::penalty) = penalty;
    text(GameOption::passing) = passing;
    text(GameOption::blocking) = blocking;
    text(GameOption::pouncing) = pouncing;
    text(GameOption::teamgame) = teamgame;
    GameOptions applied;
    applied.blocklimit = blocklimit;
    return encode(StartGameAnnouncement::relaying(request, seat3playing, seat4playing, applied));
}

} // namespace quadrino::testing
