// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints one loaded screen into its window's pixels: background colour, background picture, then the
// widgets from the bottom of the stacking order up. Only the given areas are repainted. The screen is laid
// out in logical pixels and painted at k times its size: a widget paints exactly k times its rectangle.

#include <span>
#include <vector>

#include "media/fonts.h"
#include "media/image.h"
#include "media/label_text.h"
#include "media/scale.h"
#include "platform/sdl/sdl_ptrs.h"
#include "ui/screen.h"

namespace vargo::media {

// A decoded picture, and whether it has no transparent pixel: then it is copied, not blended, and nothing
// beneath it needs painting.
struct Picture {
  Image image;
  bool opaque = false;

  static Picture decode(std::string_view name, Scale scale);
  // Draws the top-left `part` of the picture at `at` of the canvas.
  void draw(SDL_Surface* canvas, ui::Size part, ui::Point at) const;
  // The part of a rectangle of this size that the picture paints over completely.
  ui::Size covers() const { return opaque ? image.size() : ui::Size{}; }
};

// Every picture of a screen, decoded at one scale: each is the translation's drawing of it, where the
// language has one. Reading them needs no window, so they can be decoded before it opens.
struct ScreenPictures {
  Scale scale;
  Picture background;
  std::vector<Picture> widgets;  // by widget index; empty for widgets without a picture

  static ScreenPictures decode(const ui::ScreenDef& def, Scale scale = {},
                               const ui::Translation& translation = {});
};

class ScreenPainter {
 public:
  ScreenPainter(const ui::ScreenDef& def, Fonts& fonts, ScreenPictures pictures);
  ScreenPainter(const ui::ScreenDef& def, Fonts& fonts, Scale scale = {},
                const ui::Translation& translation = {})
      : ScreenPainter(def, fonts, ScreenPictures::decode(def, scale, translation)) {}

  // Repaints the given logical areas into the canvas, the client area in device pixels.
  void paint(platform::Canvas canvas, const ui::Screen& screen, std::span<const ui::Rect> areas);
  Scale scale() const { return pictures_.scale; }

 private:
  void paintArea(const ui::Screen& screen, const ui::Rect& area);
  void paintWidget(const ui::Widget& widget, std::size_t index, const ui::Rect& area);
  void paintPicture(const ui::Widget& widget, std::size_t index);

  Fonts& fonts_;
  sdl::SurfacePtr canvas_;  // a view of the canvas painted last
  ScreenPictures pictures_;
  std::vector<LabelText> labels_;  // by widget index; used by labels only
};

}  // namespace vargo::media
