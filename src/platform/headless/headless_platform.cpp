// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <stdexcept>

namespace vargo::platform {

const HeadlessPlatform::Window* HeadlessPlatform::window(WindowId id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowId HeadlessPlatform::openWindow(const WindowSpec& spec) {
  const WindowId id = nextWindow_++;
  Window w{spec};
  w.pixels.assign(static_cast<std::size_t>(spec.client.width) * spec.client.height, 0);
  windows_.emplace(id, std::move(w));
  return id;
}

void HeadlessPlatform::closeWindow(WindowId window) {
  windows_.erase(window);
  std::erase(stacking_, window);
}

void HeadlessPlatform::raiseWindow(WindowId window) {
  show(windows_.at(window));
  std::erase(stacking_, window);
  stacking_.push_back(window);
}

void HeadlessPlatform::setWindowShown(WindowId window, bool shown) {
  Window& w = windows_.at(window);
  if (shown)
    show(w);
  w.shown = shown;
}

// A window shown before its first frame would show whatever stood on the screen before it.
void HeadlessPlatform::show(Window& w) {
  if (w.presents == 0)
    throw std::logic_error("the window " + w.spec.title + " was shown before its first frame");
  w.shown = true;
}

void HeadlessPlatform::setWindowIcon(WindowId window, Pixels icon) {
  Window& w = windows_.at(window);
  w.hasIcon = true;
  w.icon = {icon.width, icon.height};
}

Canvas HeadlessPlatform::canvas(WindowId window) {
  Window& w = windows_.at(window);
  const bool fresh = w.canvas.empty();
  if (fresh)
    w.canvas.assign(w.pixels.size(), 0);
  const int width = w.spec.client.width;
  return {w.canvas.data(), width, w.spec.client.height, width, fresh};
}

void HeadlessPlatform::present(WindowId window, std::span<const ui::Rect> areas) {
  Window& w = windows_.at(window);
  for (const ui::Rect& r : areas) {
    for (int y = r.y; y < r.bottom(); ++y) {
      const auto row = static_cast<std::ptrdiff_t>(y) * w.spec.client.width + r.x;
      std::copy_n(w.canvas.begin() + row, r.width, w.pixels.begin() + row);
    }
  }
  ++w.presents;
  w.presented.assign(areas.begin(), areas.end());
}

CursorId HeadlessPlatform::createCursor(Pixels image, ui::Point hotSpot) {
  cursorImages_.push_back({{image.width, image.height}, hotSpot});
  return nextCursor_++;
}

void HeadlessPlatform::messageBox(std::string_view title, std::string_view text) {
  messages_.push_back({std::string(title), std::string(text)});
}

std::optional<InputEvent> HeadlessPlatform::waitEvent(std::optional<std::uint32_t>) {
  if (queue_.empty())
    return std::nullopt;
  InputEvent event = queue_.front();
  queue_.pop_front();
  return event;
}

}  // namespace vargo::platform
