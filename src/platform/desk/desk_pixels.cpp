// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desk/desk_pixels.h"

#include <algorithm>

namespace vargo::platform {

namespace {

ui::Rect boundsOf(const Canvas& canvas) {
  return {0, 0, canvas.width, canvas.height};
}

std::uint32_t* row(Canvas canvas, int y) {
  return canvas.data + static_cast<std::ptrdiff_t>(y) * canvas.pitch;
}

}  // namespace

void fill(Canvas canvas, const ui::Rect& rect, ui::Colour colour) {
  const ui::Rect r = intersection(rect, boundsOf(canvas));
  for (int y = r.y; y < r.bottom(); ++y)
    std::fill_n(row(canvas, y) + r.x, r.width, pixelOf(colour));
}

void frame(Canvas canvas, const ui::Rect& rect, ui::Colour topLeft, ui::Colour bottomRight) {
  fill(canvas, {rect.x, rect.y, rect.width, 1}, topLeft);
  fill(canvas, {rect.x, rect.y, 1, rect.height}, topLeft);
  fill(canvas, {rect.x, rect.bottom() - 1, rect.width, 1}, bottomRight);
  fill(canvas, {rect.right() - 1, rect.y, 1, rect.height}, bottomRight);
}

void copy(Canvas target, const ui::Rect& area, Pixels from, ui::Point at) {
  const ui::Rect r =
      intersection(intersection(area, boundsOf(target)), {at.x, at.y, from.width, from.height});
  for (int y = r.y; y < r.bottom(); ++y) {
    const std::uint32_t* source =
        from.data + static_cast<std::ptrdiff_t>(y - at.y) * from.pitch + (r.x - at.x);
    std::copy_n(source, r.width, row(target, y) + r.x);
  }
}

}  // namespace vargo::platform
