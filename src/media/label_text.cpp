// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/label_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include "media/canvas.h"
#include "media/text_layout.h"
#include "platform/sdl/sdl_ptrs.h"

namespace vargo::media {

void LabelText::draw(SDL_Surface* canvas, const ui::Widget& label, Fonts& fonts, const ui::Rect& area,
                     Scale scale) {
  if (!rendered_ || caption_ != label.caption)
    render(label, fonts.font(label.def->font, scale), scale);
  const ui::Rect rect = scale.of(label.def->rect);
  SDL_Rect oldClip;
  SDL_GetClipRect(canvas, &oldClip);
  clipTo(canvas, intersection(rect, scale.of(area)));
  for (const Line& line : lines_)
    blend(canvas, line.coverage, label.def->textColour, {rect.x, rect.y + line.top});
  SDL_SetClipRect(canvas, &oldClip);
}

void LabelText::render(const ui::Widget& label, TTF_Font* font, Scale scale) {
  caption_ = label.caption;
  rendered_ = true;
  lines_.clear();
  if (font == nullptr)
    return;
  std::string text;  // SDL_ttf wants NUL-terminated strings
  const auto measure = [&](std::string_view piece) {
    text.assign(piece);
    int width = 0;
    return TTF_SizeUTF8(font, text.c_str(), &width, nullptr) == 0 ? width : 0;
  };
  const ui::WidgetDef& def = *label.def;
  const SDL_Color ink{255, 255, 255, SDL_ALPHA_OPAQUE};  // only its coverage is kept
  const int skip = TTF_FontLineSkip(font);
  int top = 0;
  for (std::string_view line : layoutText(caption_, scale.of(def.rect.width), measure)) {
    if (top >= scale.of(def.rect.height))
      break;
    if (!line.empty()) {
      text.assign(line);
      if (const sdl::SurfacePtr pixels{TTF_RenderUTF8_Blended(font, text.c_str(), ink)})
        lines_.push_back({Coverage::of(pixels.get()), top});
    }
    top += skip;
  }
}

}  // namespace vargo::media
