// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawn text of one label: its caption laid out in lines and rendered once, then blended on every
// paint. A new caption is laid out and rendered again; an unchanged one never is. Each line is kept as its
// coverage alone, a byte a pixel: a page of text at scale 3 would take 20 MB as ARGB.

#include <string>
#include <vector>

#include "media/canvas.h"
#include "media/fonts.h"
#include "ui/screen.h"

namespace vargo::media {

class LabelText {
 public:
  // Draws the label's caption at its rectangle, clipped to that rectangle and to `area` (logical), with
  // its font at k times its size, laid out in the label's width at k.
  void draw(SDL_Surface* canvas, const ui::Widget& label, Fonts& fonts, const ui::Rect& area, Scale scale);

 private:
  struct Line {
    Coverage coverage;
    int top;  // device pixels from the top of the label
  };
  void render(const ui::Widget& label, TTF_Font* font, Scale scale);

  std::string caption_;
  bool rendered_ = false;
  std::vector<Line> lines_;
};

}  // namespace vargo::media
