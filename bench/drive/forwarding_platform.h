// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window system that hands every call on to another one. Benchmarks derive from it to watch or feed the
// event wait while everything else stays real.

#include "platform/platform.h"

namespace vargo::bench {

class ForwardingPlatform : public platform::Platform {
 public:
  explicit ForwardingPlatform(platform::Platform& inner) : inner_(inner) {}

  platform::WindowId openWindow(const platform::WindowSpec& spec) override;
  void closeWindow(platform::WindowId window) override;
  void raiseWindow(platform::WindowId window) override;
  void setWindowShown(platform::WindowId window, bool shown) override;
  void setWindowIcon(platform::WindowId window, platform::Pixels icon) override;
  platform::Canvas canvas(platform::WindowId window) override;
  void present(platform::WindowId window, std::span<const ui::Rect> areas) override;
  platform::CursorId createCursor(platform::Pixels image, ui::Point hotSpot) override;
  void setCursor(platform::SystemCursor cursor) override;
  void setCursor(platform::CursorId cursor) override;
  void messageBox(std::string_view title, std::string_view text) override;
  std::optional<platform::InputEvent> waitEvent(std::optional<std::uint32_t> timeoutMs) override;

 protected:
  platform::Platform& inner() { return inner_; }

 private:
  platform::Platform& inner_;
};

}  // namespace vargo::bench
