// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/widget_points.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace vargo::test {

namespace {

constexpr int kStep = 3;

template <typename Wanted>
std::optional<ui::Point> firstPoint(const ui::Screen& screen, const ui::Rect& within, Wanted wanted) {
  for (int y = within.y; y < within.bottom(); y += kStep) {
    for (int x = within.x; x < within.right(); x += kStep) {
      if (screen.contains({x, y}) && wanted(screen.hitTest({x, y})))
        return ui::Point{x, y};
    }
  }
  return std::nullopt;
}

}  // namespace

ui::Point pointOn(const ui::Screen& screen, std::string_view widget) {
  for (const ui::Widget& w : screen.widgets()) {
    if (w.def->name != widget)
      continue;
    const auto p = firstPoint(screen, w.def->rect, [&](std::optional<std::size_t> hit) {
      return hit && screen.widgets()[*hit].def->name == widget;
    });
    if (p)
      return *p;
  }
  throw std::logic_error("no point takes " + std::string(widget));
}

ui::Point surfaceOf(const ui::Screen& screen) {
  const ui::Size client = screen.def().window.client;
  const auto p = firstPoint(screen, {0, 0, client.width, client.height},
                            [](std::optional<std::size_t> hit) { return !hit.has_value(); });
  if (!p)
    throw std::logic_error("no bare surface");
  return *p;
}

}  // namespace vargo::test
