// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/dialog_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <string>

#include "media/canvas.h"
#include "media/text_layout.h"
#include "platform/sdl/sdl_ptrs.h"

namespace vargo::media {

namespace {

// The pieces of text SDL_ttf is handed, which wants NUL-terminated strings.
class Measure {
 public:
  explicit Measure(TTF_Font* font) : font_(font) {}
  int operator()(std::string_view piece) {
    text_.assign(piece);
    int width = 0;
    return TTF_SizeUTF8(font_, text_.c_str(), &width, nullptr) == 0 ? width : 0;
  }

 private:
  TTF_Font* font_;
  std::string text_;
};

std::vector<std::string_view> lines(TTF_Font* font, std::string_view text, int width) {
  Measure measure(font);
  return layoutText(text, width, [&measure](std::string_view piece) { return measure(piece); });
}

TTF_Font* fontOf(Fonts& fonts, Scale scale, bool bold) {
  return fonts.font(bold ? ui::fonts::standardBold : ui::fonts::standard, scale);
}

}  // namespace

ui::Size DialogText::measure(std::string_view text, int width, bool bold) {
  TTF_Font* font = fontOf(fonts_, scale_, bold);
  if (font == nullptr)
    return {};
  Measure measure(font);
  const std::vector<std::string_view> laid = lines(font, text, width);
  int widest = 0;
  for (const std::string_view line : laid)
    widest = std::max(widest, measure(line));
  return {widest, static_cast<int>(laid.size()) * TTF_FontLineSkip(font)};
}

void DialogText::draw(platform::Canvas canvas, const ui::Rect& area, std::string_view text, ui::Colour colour,
                      bool bold) {
  TTF_Font* font = fontOf(fonts_, scale_, bold);
  const sdl::SurfacePtr target = sdl::wrap(canvas);
  if (font == nullptr || !target)
    return;
  clipTo(target.get(), area);
  const SDL_Color ink{255, 255, 255, SDL_ALPHA_OPAQUE};  // only its coverage is used
  std::string line;
  int top = area.y;
  for (const std::string_view piece : lines(font, text, area.width)) {
    line.assign(piece);
    if (const sdl::SurfacePtr pixels{line.empty() ? nullptr
                                                  : TTF_RenderUTF8_Blended(font, line.c_str(), ink)})
      blend(target.get(), Coverage::of(pixels.get()), colour, {area.x, top});
    top += TTF_FontLineSkip(font);
  }
}

}  // namespace vargo::media
