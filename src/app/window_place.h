// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the main window goes on the screens there are: a stored place that shows on no screen
// any more is swapped for one that does (and kept while the user leaves the window there), and
// a window never grows beyond its screen, whose controls would then be out of reach.
#include <QRect>
#include <optional>

class QScreen;
class QWidget;

namespace quadrino {

// The main window's client area: the background picture, at least `minimum` in size.
QWidget* clientArea(QWidget* window, QSize minimum);

class WindowPlacer {
public:
    // `window` must outlive the placer; `defaultSize` counts the frame.
    WindowPlacer(QWidget& window, QSize defaultSize) : window_(window), defaultSize_(defaultSize) {}

    // `size` cut to what fits on the window's screen from `at` on (less the frame), but not
    // below the window's smallest size.
    QSize fit(QSize size, QPoint at, QSize frame = QSize()) const;
    // Puts the window at a stored outer geometry, or at 3,3 when that shows on no screen.
    void placeAt(const QRect& stored);
    // Options > "Reset Screen Location": the default size at 3,3.
    void reset();
    // The outer geometry to store when the window has moved away from `stored` (and from the
    // place it was put at instead of it); a window larger than its screen is kept 15 pixels
    // smaller, so the next run starts inside the screen.
    std::optional<QRect> moved(const QRect& stored) const;

private:
    const QScreen* screen() const;
    // Resizes and moves the window so that its frame covers `outer`.
    void setOuter(const QRect& outer);

    QWidget& window_;
    QSize defaultSize_;
    QRect substitute_;
};

} // namespace quadrino
