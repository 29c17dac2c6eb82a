// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where every control of the board panel ("panel_board") sits when the window is built: one
// row per control, in the order the controls are created, so that later rows lie above
// earlier ones of the same parent. The board panel and the chat controls beside it are built
// from these rows; nothing else holds a copy of a rectangle.
#include <QRect>
#include <string>
#include <string_view>
#include <vector>

namespace quadrino::placement {

enum class Layer {
    Control,  // sits still and shares its place with no other control of its parent
    Backdrop, // a picture that other controls lie on
    Overlay,  // shown over the others for a while (badges, notices, the start button)
    Moving,   // moved during the game (pawns, dice, markers, the warning)
};

enum class Owner { Table, Chat };

struct Placement {
    std::string name;   // objectName
    std::string parent; // objectName of the parent control
    QRect rect;         // Left, Top, width, height inside the parent
    Layer layer = Layer::Control;
    std::string stack;  // controls of one non-empty stack may lie on each other
    Owner owner = Owner::Table;
};

// Every row, parents before their children.
const std::vector<Placement>& placements();
// The row of a control; nullptr when there is none.
const Placement* find(std::string_view name);
// Its rectangle; an empty one when there is no such control.
QRect rectOf(std::string_view name);

} // namespace quadrino::placement
