// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the desktop says about its monitors and its scale, and where the game's windows stand on it. Asked
// once SDL's video has started.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ui/geometry.h"

namespace vargo::platform {

struct Monitor {
  ui::Rect bounds;  // in desktop pixels
  bool primary = false;
};

// The part of the desktop the game's windows stand on: one monitor, and the part of it that windows may
// take (without panels and docks).
struct Desktop {
  ui::Rect monitor;
  ui::Rect usable;
};

// The desktop's own scale factor rounded to a whole number, 1 when it says none. On Linux GDK_SCALE when it
// is set, else the X resource Xft.dpi over 96; on other systems the first monitor's DPI over 96.
int desktopScale();

// The monitors as the window system lists them: on Linux XRandR's, which knows a screen split into monitors
// (xrandr --setmonitor) too; elsewhere none, and SDL's displays are the monitors.
std::vector<Monitor> systemMonitors();

// The monitor that holds the pointer, else the primary one, else the first; nothing when there is none.
std::optional<Monitor> monitorAt(std::span<const Monitor> monitors, std::optional<ui::Point> pointer);

// The monitor that holds the pointer as the game starts, and its usable part; nothing when SDL cannot tell.
std::optional<Desktop> gameDesktop();

// Where a window of `size` stands: at `position` from the monitor's corner, or centred on the usable part
// when it has none; moved as little as needed to lie inside the usable part (at its corner when larger).
ui::Point placeOn(const Desktop& desktop, ui::Size size, std::optional<ui::Point> position);

// A resolution in dots per inch as a whole factor of 96, rounded; 1 for anything below 1.5 (or not a number).
int scaleOfDpi(double dpi);

// The value of Xft.dpi in the text of an X resource database (lines of "name:\tvalue").
std::optional<double> xftDpi(std::string_view resources);

}  // namespace vargo::platform
