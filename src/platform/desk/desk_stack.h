// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows standing on the desk: their places in the desk's device pixels, their stacking, whether they
// are shown, and the pixels each is painted in.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace vargo::platform {

class DeskStack {
 public:
  struct Window {
    WindowId id;
    ui::Rect place;  // on the desk, device pixels
    bool shown = false;
    std::vector<std::uint32_t> pixels;  // the client area, rows of place.width; empty until first painted
  };

  explicit DeskStack(ui::Size desk) : desk_(desk) {}

  ui::Size desk() const { return desk_; }
  // Opens a hidden window in front of the others: centred on the desk, or with its client area at
  // `position`, as a window system places a window on a desktop of the desk's size.
  WindowId open(ui::Size client, std::optional<ui::Point> position);
  void close(WindowId id);
  // Shows the window and puts it in front of the others.
  void raise(WindowId id);
  void setShown(WindowId id, bool shown);
  // The window's pixels, made on the first call; fresh tells that they were just made.
  Canvas canvas(WindowId id);

  Window* find(WindowId id);
  const Window* find(WindowId id) const;
  // Back to front.
  const std::vector<Window>& stacking() const { return windows_; }
  // The shown window in front at a point of the desk.
  const Window* at(ui::Point p) const;

 private:
  ui::Size desk_;
  std::vector<Window> windows_;  // back to front
  WindowId next_ = 1;
};

}  // namespace vargo::platform
