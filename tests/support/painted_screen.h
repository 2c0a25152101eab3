// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One screen of the game loaded and painted on its own, without a registry: its live widgets can be
// changed directly and the painter asked to repaint what changed, then its pixels read.

#include <span>
#include <string_view>
#include <vector>

#include "media/fonts.h"
#include "media/image.h"
#include "media/painter.h"
#include "support/definitions.h"
#include "support/pixel_buffer.h"
#include "ui/clock.h"
#include "ui/colour.h"
#include "ui/screen.h"

namespace vargo::test {

// The RGB of an ARGB pixel.
ui::Colour rgb(std::uint32_t argb);

// A copy of painted pixels, to compare one painting with a later one.
struct Snapshot {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;

  static Snapshot of(const platform::Pixels& pixels);
  std::uint32_t at(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

class PaintedScreen {
 public:
  explicit PaintedScreen(std::string_view kind, media::FontFinder finder = media::installedFont,
                         media::Scale scale = {});

  ui::Screen& screen() { return screen_; }
  const ui::WidgetDef& widget(std::string_view name) const { return widgetOf(screen_.def(), name); }
  // Paints every area the screen marked as changed since the last paint.
  void repaint();
  // Paints only these areas, whatever changed.
  void repaint(std::span<const ui::Rect> areas);
  // Hides every picture widget, so that a test sees one at a time.
  void hidePictures();

  platform::Pixels pixels() const { return buffer_.pixels(); }
  Snapshot snapshot() const { return Snapshot::of(pixels()); }
  ui::Colour at(int x, int y) const { return rgb(pixels().at(x, y)); }
  ui::Colour at(ui::Point p) const { return at(p.x, p.y); }

 private:
  ui::ManualClock clock_;
  media::Fonts fonts_;
  ui::Screen screen_;
  media::ScreenPainter painter_;
  PixelBuffer buffer_;
};

// The smallest rectangle that holds every pixel in which the two snapshots differ; empty when equal.
ui::Rect differences(const Snapshot& a, const Snapshot& b);
// Whether inner lies wholly inside outer.
bool inside(const ui::Rect& inner, const ui::Rect& outer);

}  // namespace vargo::test
