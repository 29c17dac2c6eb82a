// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the game introduces itself to the desktop: the name of its menu entry (a Wayland
// compositor matches windows to entries by it, and X11 desktops read it from the window) and
// the icon every window of the program wears.
#include <QString>

namespace quadrino {

// The reverse-DNS name of the desktop entry, the AppStream component and the icon.
QString desktopApplicationId();

// Sets the desktop file name and the application's window icon: the installed icon theme's,
// else the same picture drawn here (a build run in place has no installed icon).
void presentToDesktop();

} // namespace quadrino
