// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/fonts.h"

#include <SDL_ttf.h>

#include <cstdio>
#include <tuple>
#include <utility>

namespace vargo::media {

namespace {

const char* faceName(ui::Face face) {
  switch (face) {
    case ui::Face::MsSansSerif:
      return "MS Sans Serif";
    case ui::Face::MsSerif:
      return "MS Serif";
    case ui::Face::PrincetownD:
      return "PrincetownD";
  }
  return "?";
}

void warnOnce(const ui::FontSpec& spec) {
  static bool warned = false;
  if (std::exchange(warned, true))
    return;
  std::fprintf(stderr, "vargo: no installed font can stand in for \"%s\"; its text is left out\n",
               faceName(spec.face));
}

}  // namespace

bool Fonts::Less::operator()(const Key& a, const Key& b) const {
  return std::tuple(a.spec.face, a.spec.points, a.spec.weight, a.scale) <
         std::tuple(b.spec.face, b.spec.points, b.spec.weight, b.scale);
}

Fonts::Fonts(FontFinder finder) : finder_(std::move(finder)), ready_(TTF_Init() == 0) {}

Fonts::~Fonts() {
  for (auto& [spec, font] : open_) {
    if (font != nullptr)
      TTF_CloseFont(font);
  }
  if (ready_)
    TTF_Quit();
}

TTF_Font* Fonts::font(const ui::FontSpec& spec, Scale scale) {
  const Key key{spec, scale.k};
  auto it = open_.find(key);
  if (it == open_.end()) {
    it = open_.emplace(key, open(key)).first;
    if (it->second == nullptr)
      warnOnce(spec);
  }
  return it->second;
}

// TrueType sizes are points at 72 dots per inch, so opening at the pixel size gives that em height.
TTF_Font* Fonts::open(const Key& key) const {
  if (!ready_)
    return nullptr;
  const std::optional<FontFile> file = finder_(key.spec.face, key.spec.bold());
  if (!file)
    return nullptr;
  TTF_Font* font = TTF_OpenFontIndex(file->path.c_str(), key.spec.pixels() * key.scale, file->index);
  if (font != nullptr && file->embolden)
    TTF_SetFontStyle(font, TTF_STYLE_BOLD);
  return font;
}

}  // namespace vargo::media
