// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desk/desk_compose.h"

#include "platform/desk/desk_pixels.h"

namespace vargo::platform {

void compose(const DeskStack& windows, Canvas target, const ui::Rect& area) {
  fill(target, area, kDeskGround);
  for (const DeskStack::Window& w : windows.stacking()) {
    if (!w.shown || w.pixels.empty())
      continue;
    const Pixels painted{w.pixels.data(), w.place.width, w.place.height, w.place.width};
    copy(target, area, painted, {w.place.x, w.place.y});
  }
}

}  // namespace vargo::platform
