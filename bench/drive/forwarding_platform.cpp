// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/forwarding_platform.h"

namespace vargo::bench {

platform::WindowId ForwardingPlatform::openWindow(const platform::WindowSpec& spec) {
  return inner_.openWindow(spec);
}

void ForwardingPlatform::closeWindow(platform::WindowId window) {
  inner_.closeWindow(window);
}

void ForwardingPlatform::raiseWindow(platform::WindowId window) {
  inner_.raiseWindow(window);
}

void ForwardingPlatform::setWindowShown(platform::WindowId window, bool shown) {
  inner_.setWindowShown(window, shown);
}

void ForwardingPlatform::setWindowIcon(platform::WindowId window, platform::Pixels icon) {
  inner_.setWindowIcon(window, icon);
}

platform::Canvas ForwardingPlatform::canvas(platform::WindowId window) {
  return inner_.canvas(window);
}

void ForwardingPlatform::present(platform::WindowId window, std::span<const ui::Rect> areas) {
  inner_.present(window, areas);
}

platform::CursorId ForwardingPlatform::createCursor(platform::Pixels image, ui::Point hotSpot) {
  return inner_.createCursor(image, hotSpot);
}

void ForwardingPlatform::setCursor(platform::SystemCursor cursor) {
  inner_.setCursor(cursor);
}

void ForwardingPlatform::setCursor(platform::CursorId cursor) {
  inner_.setCursor(cursor);
}

void ForwardingPlatform::messageBox(std::string_view title, std::string_view text) {
  inner_.messageBox(title, text);
}

std::optional<platform::InputEvent> ForwardingPlatform::waitEvent(std::optional<std::uint32_t> timeoutMs) {
  return inner_.waitEvent(timeoutMs);
}

}  // namespace vargo::bench
