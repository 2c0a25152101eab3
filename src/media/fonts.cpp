#include "media/fonts.h"

#include <SDL_ttf.h>

#include <tuple>

namespace vargo::media {

bool Fonts::Less::operator()(const ui::FontSpec& a, const ui::FontSpec& b) const {
  return std::tuple(a.face, a.points, a.weight) < std::tuple(b.face, b.points, b.weight);
}

Fonts::Fonts() : ready_(TTF_Init() == 0) {}

Fonts::~Fonts() {
  for (auto& [spec, font] : open_) {
    if (font != nullptr)
      TTF_CloseFont(font);
  }
  if (ready_)
    TTF_Quit();
}

TTF_Font* Fonts::font(const ui::FontSpec&) {
  return nullptr;
}

}  // namespace vargo::media
