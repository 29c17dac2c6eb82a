// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the files of the board panel; not for use elsewhere.
#include <QString>

#include <string>

namespace quadrino::panel_detail {

// The name of one of a family of controls: "piece_gray" and 3 make "piece_gray3".
inline std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }
inline QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace quadrino::panel_detail
