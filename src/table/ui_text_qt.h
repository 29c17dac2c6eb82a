// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the table's texts meet the screen: each pattern translated, then filled.
#include <QString>

#include "table/ui_text.h"

namespace quadrino::table {

QString translated(const UiText& text);

} // namespace quadrino::table
