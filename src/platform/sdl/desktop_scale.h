// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the desktop says about its own size and scale. Asked once SDL's video has started.

#include <optional>
#include <string_view>

#include "ui/geometry.h"

namespace vargo::platform {

// The desktop's own scale factor rounded to a whole number, 1 when it says none. On Linux GDK_SCALE when it
// is set, else the X resource Xft.dpi over 96; on other systems the first monitor's DPI over 96.
int desktopScale();

// The part of the first display that windows may take, in device pixels; nothing when SDL cannot tell.
std::optional<ui::Size> usableDesktop();

// A resolution in dots per inch as a whole factor of 96, rounded; 1 for anything below 1.5 (or not a number).
int scaleOfDpi(double dpi);

// The value of Xft.dpi in the text of an X resource database (lines of "name:\tvalue").
std::optional<double> xftDpi(std::string_view resources);

}  // namespace vargo::platform
