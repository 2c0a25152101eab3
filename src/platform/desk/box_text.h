// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of the desk's message box. The desk draws the box itself but knows no fonts: whoever builds the
// desk hands it this, drawn with the game's own fonts (media::DialogText).

#include <string_view>

#include "platform/platform.h"
#include "ui/colour.h"

namespace vargo::platform {

class BoxText {
 public:
  virtual ~BoxText() = default;
  // The size of the text laid out in lines no wider than `width`, in device pixels: its widest line and the
  // height of all its lines.
  virtual ui::Size measure(std::string_view text, int width, bool bold) = 0;
  // Draws the text laid out as measure lays it out, from the top-left corner of `area`, clipped to it.
  virtual void draw(Canvas canvas, const ui::Rect& area, std::string_view text, ui::Colour colour,
                    bool bold) = 0;
};

}  // namespace vargo::platform
