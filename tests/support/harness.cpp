// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/harness.h"

#include <stdexcept>

#include "app/screen_kinds.h"

namespace vargo::test {

Harness::Harness(media::Scale scale, const ui::Translation& translation)
    : registry(app::screenKinds(), platform, sound, clock, scale, translation) {}

platform::WindowId Harness::window(std::string_view kind) {
  const auto id = registry.windowOf(kind);
  if (!id)
    throw std::logic_error(std::string(kind) + " is not loaded");
  return *id;
}

void Harness::deliver(const platform::InputEvent& event) {
  platform.push(event);
  while (auto e = platform.waitEvent(0))
    registry.handle(*e);
  registry.present();
}

void Harness::press(std::string_view kind, int x, int y, bool down) {
  deliver(platform::MouseButton{window(kind), {x, y}, down});
}

void Harness::click(std::string_view kind, int x, int y) {
  const platform::WindowId id = window(kind);
  deliver(platform::MouseButton{id, {x, y}, true});
  deliver(platform::MouseButton{id, {x, y}, false});
}

void Harness::move(std::string_view kind, int x, int y) {
  deliver(platform::MouseMove{window(kind), {x, y}});
}

void Harness::close(std::string_view kind) {
  deliver(platform::CloseRequest{window(kind)});
}

void Harness::advance(ui::Millis ms) {
  registry.runUntil(clock, clock.now() + ms);
}

ui::Screen& Harness::screen(std::string_view kind) {
  ui::Screen* s = registry.loaded(kind);
  if (s == nullptr)
    throw std::logic_error(std::string(kind) + " is not loaded");
  return *s;
}

std::vector<std::string> Harness::loadedKinds() {
  std::vector<std::string> kinds;
  for (const ui::ScreenKind& k : app::screenKinds()) {
    if (registry.loaded(k.name) != nullptr)
      kinds.emplace_back(k.name);
  }
  return kinds;
}

std::string Harness::front() {
  const auto& order = platform.stacking();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    for (const ui::ScreenKind& k : app::screenKinds()) {
      if (registry.windowOf(k.name) == *it)
        return std::string(k.name);
    }
  }
  return {};
}

}  // namespace vargo::test
