// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/painted_screen.h"

#include <algorithm>

namespace vargo::test {

ui::Colour rgb(std::uint32_t argb) {
  return {static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
          static_cast<std::uint8_t>(argb)};
}

PaintedScreen::PaintedScreen(std::string_view kind, media::FontFinder finder, media::Scale scale)
    : fonts_(std::move(finder)),
      screen_(screenDef(kind), clock_),
      painter_(screen_.def(), fonts_, scale),
      buffer_(screen_.def(), scale) {
  repaint();
}

void PaintedScreen::repaint() {
  const auto dirty = screen_.takeDirty();
  painter_.paint(buffer_.canvas(), screen_, dirty);
}

void PaintedScreen::repaint(std::span<const ui::Rect> areas) {
  screen_.takeDirty();
  painter_.paint(buffer_.canvas(), screen_, areas);
}

void PaintedScreen::hidePictures() {
  for (const ui::WidgetDef& w : screen_.def().widgets) {
    if (w.kind == ui::WidgetKind::Picture)
      screen_.setVisible(w.name, false);
  }
}

Snapshot Snapshot::of(const platform::Pixels& pixels) {
  Snapshot s{pixels.width, pixels.height, {}};
  s.argb.reserve(static_cast<std::size_t>(pixels.width) * pixels.height);
  for (int y = 0; y < pixels.height; ++y)
    s.argb.insert(s.argb.end(), pixels.data + static_cast<std::size_t>(y) * pixels.pitch,
                  pixels.data + static_cast<std::size_t>(y) * pixels.pitch + pixels.width);
  return s;
}

ui::Rect differences(const Snapshot& a, const Snapshot& b) {
  ui::Rect box;
  for (int y = 0; y < std::min(a.height, b.height); ++y) {
    for (int x = 0; x < std::min(a.width, b.width); ++x) {
      if (a.at(x, y) != b.at(x, y))
        box = ui::boundingBox(box, {x, y, 1, 1});
    }
  }
  return box;
}

bool inside(const ui::Rect& inner, const ui::Rect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

}  // namespace vargo::test
