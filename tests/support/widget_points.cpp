// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/widget_points.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "support/definitions.h"

namespace vargo::test {

namespace {

constexpr int kStep = 3;

// The first point of `within`, row by row, that is wanted; `inset` keeps off its edges.
template <typename Wanted>
std::optional<ui::Point> firstPoint(const ui::Rect& within, int inset, Wanted wanted) {
  for (int y = within.y + inset; y < within.bottom() - inset; y += kStep) {
    for (int x = within.x + inset; x < within.right() - inset; x += kStep) {
      if (wanted(ui::Point{x, y}))
        return ui::Point{x, y};
    }
  }
  return std::nullopt;
}

std::optional<ui::Point> pointInNoRectBut(const ui::ScreenDef& screen, const ui::Rect& within,
                                          std::string_view except) {
  return firstPoint(within, 2, [&](ui::Point p) {
    return std::ranges::none_of(
        screen.widgets, [&](const ui::WidgetDef& w) { return w.name != except && w.rect.contains(p); });
  });
}

}  // namespace

ui::Point centreOf(const ui::Rect& rect) {
  return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

std::optional<ui::Point> freePointOf(const ui::ScreenDef& screen, std::string_view widget) {
  return pointInNoRectBut(screen, widgetOf(screen, widget).rect, widget);
}

ui::Point surfaceOf(const ui::ScreenDef& screen) {
  if (const auto p = pointInNoRectBut(screen, clientArea(screen), {}))
    return *p;
  throw std::logic_error("no bare surface on " + std::string(screen.window.title));
}

ui::Point pointOn(const ui::Screen& screen, std::string_view widget) {
  const auto p = firstPoint(widgetOf(screen.def(), widget).rect, 0, [&](ui::Point at) {
    const auto hit = screen.hitTest(at);
    return screen.contains(at) && hit && screen.widgets()[*hit].def->name == widget;
  });
  if (!p)
    throw std::logic_error("no point takes " + std::string(widget));
  return *p;
}

ui::Point steadyPointOn(const ui::Screen& screen, std::string_view widget) {
  if (const auto p = freePointOf(screen.def(), widget))
    return *p;
  return pointOn(screen, widget);
}

}  // namespace vargo::test
