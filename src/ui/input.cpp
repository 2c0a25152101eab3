// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input.h"

#include <utility>

namespace vargo::ui {

namespace {

std::string_view sourceName(const Screen& screen, std::optional<std::size_t> widget) {
  return widget ? screen.widgets()[*widget].def->name : form;
}

}  // namespace

std::optional<Event> MouseInput::button(const Screen& screen, Point p, bool pressed) {
  if (!screen.enabled())
    return std::nullopt;
  if (pressed) {
    pressed_.reset();
    if (screen.contains(p))
      pressed_ = Press{screen.hitTest(p), screen.takingMouse()};
    return std::nullopt;
  }
  const auto press = std::exchange(pressed_, std::nullopt);
  if (!press || !screen.contains(p) || released(screen, p, *press) != press->widget)
    return std::nullopt;
  return Event{EventKind::Click, sourceName(screen, press->widget)};
}

// What the release at p lands on, as far as the click rule goes: the widgets that came up since the press
// do not count.
std::optional<std::size_t> MouseInput::released(const Screen& screen, Point p, const Press& press) const {
  std::vector<bool> taking = screen.takingMouse();
  for (std::size_t i = 0; i < taking.size(); ++i)
    taking[i] = taking[i] && press.takingMouse[i];
  return screen.hitTest(p, taking);
}

std::optional<Event> MouseInput::move(const Screen& screen, Point p) const {
  if (!screen.enabled() || !screen.contains(p))
    return std::nullopt;
  return Event{EventKind::MouseMove, sourceName(screen, screen.hitTest(p))};
}

}  // namespace vargo::ui
