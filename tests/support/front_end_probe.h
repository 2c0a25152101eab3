// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small questions the front-end tests ask of a running harness: which widget takes the mouse at a point,
// and which pointer shows after a move.

#include <string>
#include <string_view>

#include "support/harness.h"
#include "ui/pointer.h"

namespace vargo::test {

// The name of the topmost widget under x, y of a loaded screen, or "Form" for the screen surface.
std::string widgetAt(Harness& h, std::string_view kind, int x, int y);

// Moves the mouse to x, y of the screen and reports the pointer the window system was asked to show.
ui::Pointer pointerAfterMove(Harness& h, std::string_view kind, int x, int y);

}  // namespace vargo::test
