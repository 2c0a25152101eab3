// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Points of a loaded screen by what takes the mouse there, found with the screen's own hit test.

#include <string_view>

#include "ui/screen.h"

namespace vargo::test {

// A point at which the named widget is the topmost visible one.
ui::Point pointOn(const ui::Screen& screen, std::string_view widget);
// A point of the bare screen surface, under no visible widget.
ui::Point surfaceOf(const ui::Screen& screen);

}  // namespace vargo::test
