// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/canvas.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

namespace vargo::media {

namespace {

ui::Rect clipOf(const SDL_Surface* s) {
  return {s->clip_rect.x, s->clip_rect.y, s->clip_rect.w, s->clip_rect.h};
}

std::uint32_t* row(SDL_Surface* s, int y) {
  return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) +
                                          std::ptrdiff_t{y} * s->pitch);
}

const std::uint32_t* row(const SDL_Surface* s, int y) {
  return reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) +
                                                std::ptrdiff_t{y} * s->pitch);
}

// One channel moved from what is there towards the colour by alpha / 255, rounded to the nearest level.
std::uint32_t mix(int ink, std::uint32_t ground, int alpha) {
  const int g = static_cast<int>(ground & 0xFF);
  const int d = (ink - g) * alpha;
  return static_cast<std::uint32_t>(g + (d + (d >= 0 ? 127 : -127)) / 255);
}

}  // namespace

void fill(SDL_Surface* canvas, const ui::Rect& rect, ui::Colour colour) {
  const ui::Rect r = intersection(rect, clipOf(canvas));
  const Uint32 pixel = SDL_MapRGB(canvas->format, colour.red, colour.green, colour.blue);
  for (int y = r.y; y < r.bottom(); ++y)
    std::fill_n(row(canvas, y) + r.x, r.width, pixel);
}

void fillBeyond(SDL_Surface* canvas, const ui::Rect& rect, ui::Size covered, ui::Colour colour) {
  const int coveredWidth = std::min(covered.width, rect.width);
  fill(canvas, {rect.x + coveredWidth, rect.y, rect.width - coveredWidth, rect.height}, colour);
  fill(canvas, {rect.x, rect.y + covered.height, coveredWidth, rect.height - covered.height}, colour);
}

void frame(SDL_Surface* canvas, const ui::Rect& rect, ui::Colour topLeft, ui::Colour bottomRight,
           int thickness) {
  if (rect.empty())
    return;
  const int t = thickness;
  fill(canvas, {rect.x, rect.y, rect.width, t}, topLeft);
  fill(canvas, {rect.x, rect.y, t, rect.height}, topLeft);
  fill(canvas, {rect.x, rect.bottom() - t, rect.width, t}, bottomRight);
  fill(canvas, {rect.right() - t, rect.y, t, rect.height}, bottomRight);
}

void copy(SDL_Surface* canvas, const SDL_Surface* picture, ui::Size part, ui::Point at) {
  const ui::Rect placed{at.x, at.y, std::min(part.width, picture->w), std::min(part.height, picture->h)};
  const ui::Rect r = intersection(placed, clipOf(canvas));
  for (int y = r.y; y < r.bottom(); ++y)
    std::copy_n(row(picture, y - at.y) + (r.x - at.x), r.width, row(canvas, y) + r.x);
}

void blend(SDL_Surface* canvas, SDL_Surface* picture, ui::Size part, ui::Point at) {
  SDL_Rect source{0, 0, part.width, part.height};
  SDL_Rect target{at.x, at.y, 0, 0};
  SDL_BlitSurface(picture, &source, canvas, &target);
}

Coverage Coverage::of(const SDL_Surface* argb) {
  Coverage c{{argb->w, argb->h}, {}};
  c.alpha.reserve(static_cast<std::size_t>(argb->w) * argb->h);
  for (int y = 0; y < argb->h; ++y) {
    const std::uint32_t* pixels = row(argb, y);
    for (int x = 0; x < argb->w; ++x)
      c.alpha.push_back(static_cast<std::uint8_t>(pixels[x] >> 24));
  }
  return c;
}

void blend(SDL_Surface* canvas, const Coverage& coverage, ui::Colour colour, ui::Point at) {
  const ui::Rect r = intersection({at.x, at.y, coverage.size.width, coverage.size.height}, clipOf(canvas));
  const std::uint32_t solid =
      0xFF000000 | std::uint32_t{colour.red} << 16 | std::uint32_t{colour.green} << 8 | colour.blue;
  for (int y = r.y; y < r.bottom(); ++y) {
    const std::uint8_t* alpha = &coverage.alpha[static_cast<std::size_t>(y - at.y) * coverage.size.width];
    std::uint32_t* out = row(canvas, y);
    for (int x = r.x; x < r.right(); ++x) {
      const int a = alpha[x - at.x];
      if (a == 0)
        continue;
      const std::uint32_t d = out[x];
      out[x] = a == 255 ? solid
                        : 0xFF000000 | mix(colour.red, d >> 16, a) << 16 | mix(colour.green, d >> 8, a) << 8 |
                              mix(colour.blue, d, a);
    }
  }
}

void clipTo(SDL_Surface* canvas, const ui::Rect& rect) {
  const SDL_Rect r{rect.x, rect.y, rect.width, rect.height};
  SDL_SetClipRect(canvas, &r);
}

}  // namespace vargo::media
