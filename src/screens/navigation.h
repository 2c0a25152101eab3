// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The front-end screens only move the player between screens. Their handlers and behaviours are made here
// from screen names, so each screen file is a table plus a few lines of wiring.

#include <string_view>
#include <vector>

#include "ui/behaviour.h"
#include "ui/screen_kind.h"

namespace vargo::screens {

// Shows the next screen, then unloads this one: unloading the only loaded screen first would end the program.
ui::Handler moveOn(std::string_view next, std::string_view self);
// Shows another screen in front; this one stays loaded behind it.
ui::Handler open(std::string_view other);
// Unloads this screen alone, leaving whatever lies behind it.
ui::Handler leave(std::string_view self);

ui::Binding onClick(std::string_view widget, ui::Handler handler);

// A kind whose behaviour is the given bindings and nothing else.
ui::ScreenKind kindOf(std::string_view name, const ui::ScreenDef& def, std::vector<ui::Binding> bindings);

}  // namespace vargo::screens
