// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of the desk's message box in the game's own fonts: the labels' standard face, bold for the
// title, laid out and wrapped as the labels' captions are.

#include "media/fonts.h"
#include "media/scale.h"
#include "platform/desk/box_text.h"

namespace vargo::media {

class DialogText final : public platform::BoxText {
 public:
  // `fonts` must outlive this.
  DialogText(Fonts& fonts, Scale scale) : fonts_(fonts), scale_(scale) {}

  ui::Size measure(std::string_view text, int width, bool bold) override;
  void draw(platform::Canvas canvas, const ui::Rect& area, std::string_view text, ui::Colour colour,
            bool bold) override;

 private:
  Fonts& fonts_;
  Scale scale_;
};

}  // namespace vargo::media
