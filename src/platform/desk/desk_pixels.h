// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain pixel work on canvases for the desk: fills, frames and copies, each kept inside the canvas.

#include "platform/platform.h"
#include "ui/colour.h"

namespace vargo::platform {

// The colour as a canvas pixel, opaque like every pixel the painter writes.
constexpr std::uint32_t pixelOf(ui::Colour c) {
  return 0xFF000000 | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

void fill(Canvas canvas, const ui::Rect& rect, ui::Colour colour);
// A one-pixel frame just inside rect: top and left edges in one colour, bottom and right in the other.
void frame(Canvas canvas, const ui::Rect& rect, ui::Colour topLeft, ui::Colour bottomRight);
// Copies the part of `from` that lies in `area` of the target, `from` standing with its top-left corner at
// `at` of the target.
void copy(Canvas target, const ui::Rect& area, Pixels from, ui::Point at);

}  // namespace vargo::platform
