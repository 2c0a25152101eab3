// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One loaded screen: its window, its live widgets, the mouse's press on it and its painter. The window is
// k times the screen's size and stands k times its place.

#include <optional>

#include "media/fonts.h"
#include "media/painter.h"
#include "media/scale.h"
#include "platform/platform.h"
#include "ui/input.h"
#include "ui/screen.h"

namespace vargo::app {

class LoadedScreen {
 public:
  // Opens the screen's window, with its icon, and lays out its widgets. Pictures decoded beforehand are
  // painted instead of decoding them again, if they were decoded at the screen's scale.
  LoadedScreen(const ui::ScreenDef& def, const ui::Clock& clock, platform::Platform& platform,
               media::Scale scale, const ui::Translation& translation = {},
               std::optional<media::ScreenPictures> decoded = std::nullopt);
  LoadedScreen(const LoadedScreen&) = delete;
  LoadedScreen& operator=(const LoadedScreen&) = delete;

  ui::Screen& screen() { return screen_; }
  platform::WindowId window() const { return window_; }

  // The event a press or release of the left button, or a move of the mouse, at a point in logical pixels
  // makes for the handlers, if any.
  std::optional<ui::Event> button(ui::Point at, bool pressed);
  std::optional<ui::Event> move(ui::Point at) const;
  // A disabled screen takes no input, and a press made before it was disabled clicks nothing.
  void setEnabled(bool enabled);

  // Paints what changed into the window and shows it. The painter, with the canvas and the pictures, is
  // made by the first present: a screen that shows the next and unloads itself is gone by then, so two
  // screens' pictures never exist at once.
  void present(media::Fonts& fonts);

 private:
  platform::Platform& platform_;
  media::Scale scale_;
  ui::Screen screen_;
  platform::WindowId window_;
  ui::MouseInput input_;
  std::optional<media::ScreenPictures> decoded_;  // until the painter takes them
  std::optional<media::ScreenPainter> painter_;
};

}  // namespace vargo::app
