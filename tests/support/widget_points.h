// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where to put the mouse on a screen: points found from its definition, or with the live screen's own
// hit test.

#include <optional>
#include <string_view>

#include "ui/definition.h"
#include "ui/screen.h"

namespace vargo::test {

ui::Point centreOf(const ui::Rect& rect);
// A point of the widget that lies in no other widget's rectangle, visible or not, so that nothing that
// comes up later covers it.
std::optional<ui::Point> freePointOf(const ui::ScreenDef& screen, std::string_view widget);
// A point of the client area that lies in no widget's rectangle.
ui::Point surfaceOf(const ui::ScreenDef& screen);
// A point at which the named widget is the topmost of those that take the mouse now.
ui::Point pointOn(const ui::Screen& screen, std::string_view widget);
// The widget's free point where it has one, else a point at which it is the topmost now.
ui::Point steadyPointOn(const ui::Screen& screen, std::string_view widget);

}  // namespace vargo::test
