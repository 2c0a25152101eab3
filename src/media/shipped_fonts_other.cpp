// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/shipped_fonts.h"

#include <SDL.h>
#include <SDL_ttf.h>

namespace vargo::media {

namespace {

struct ShippedFamily {
  const char* family;
  const char* regular;
  const char* bold;  // nullptr: bold is drawn from the regular file
};
constexpr ShippedFamily kShipped[] = {
    {"Liberation Sans", "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"},
    {"Liberation Serif", "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"},
    {"Bebas Neue", "BebasNeue-Regular.otf", nullptr},
};

}  // namespace

std::string shippedFont(std::string_view folder, const char* family, bool bold) {
  for (const ShippedFamily& shipped : kShipped) {
    if (SDL_strcasecmp(shipped.family, family) != 0)
      continue;
    const char* file = bold ? shipped.bold : shipped.regular;
    return file == nullptr ? std::string() : std::string(folder) + file;
  }
  return {};
}

bool coversCzech(const std::string& path) {
  if (TTF_Init() != 0)
    return false;
  bool covered = false;
  if (TTF_Font* font = TTF_OpenFont(path.c_str(), 12)) {
    covered = true;
    for (char32_t c : kCzechLetters)
      covered = covered && TTF_GlyphIsProvided32(font, c) != 0;
    TTF_CloseFont(font);
  }
  TTF_Quit();
  return covered;
}

std::optional<FontFile> lookUpFamilyWith(const FontCandidate& candidate, bool bold, FindFamily find) {
  if (candidate.generic)
    return std::nullopt;
  const bool wantBold = bold || candidate.forceBold;
  if (auto file = find(candidate.family, wantBold))
    return file;
  if (!wantBold)
    return std::nullopt;
  auto file = find(candidate.family, false);
  if (file)
    file->embolden = true;
  return file;
}

}  // namespace vargo::media
