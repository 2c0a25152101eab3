// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the desk shows: its ground and, over it, every shown window that has been painted, back to front.

#include "platform/desk/desk_stack.h"
#include "ui/colour.h"

namespace vargo::platform {

// The desk's ground, a plain dark slate.
inline constexpr ui::Colour kDeskGround{32, 40, 48};

// Paints `area` of the desk into `target`, the host window's canvas.
void compose(const DeskStack& windows, Canvas target, const ui::Rect& area);

}  // namespace vargo::platform
