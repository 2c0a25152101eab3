// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vargo::ui {

// The mouse pointer a screen or a widget asks for.
enum class Pointer {
  None,                // sets none of its own
  Arrow,               // the standard arrow
  SizeAll,             // the four-headed move arrow
  LevelCursor,         // the crosshair image
  CustomWithoutImage,  // asks for a custom pointer but supplies no image
};

}  // namespace vargo::ui
