// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/window_canvas.h"

#include <SDL.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace vargo::platform {

namespace {

bool paintsInPlace(const SDL_Surface* s) {
  const SDL_PixelFormat* f = s->format;
  return f->BytesPerPixel == 4 && f->Rmask == 0x00FF0000 && f->Gmask == 0x0000FF00 && f->Bmask == 0x000000FF;
}

}  // namespace

Canvas WindowCanvases::canvas(SDL_Window* window, WindowId id) {
  Painted& painted = canvases_[id];
  SDL_Surface* target = SDL_GetWindowSurface(window);
  if (target == nullptr || !paintsInPlace(target)) {
    if (!painted.own) {
      int width = 0;
      int height = 0;
      SDL_GetWindowSize(window, &width, &height);
      painted.own.reset(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
    }
    target = painted.own.get();
  }
  if (target == nullptr)
    throw std::runtime_error(std::string("cannot make the pixels of a window: ") + SDL_GetError());
  const bool fresh = target->pixels != painted.pixels;
  painted.pixels = target->pixels;
  return {static_cast<std::uint32_t*>(target->pixels), target->w, target->h, target->pitch / 4, fresh};
}

void WindowCanvases::present(SDL_Window* window, WindowId id, std::span<const ui::Rect> areas) {
  SDL_Surface* target = SDL_GetWindowSurface(window);
  if (target == nullptr)
    return;
  const auto painted = canvases_.find(id);
  SDL_Surface* own = painted == canvases_.end() ? nullptr : painted->second.own.get();
  std::vector<SDL_Rect> rects;
  rects.reserve(areas.size());
  for (const ui::Rect& r : areas) {
    SDL_Rect rect{r.x, r.y, r.width, r.height};
    if (own != nullptr)
      SDL_BlitSurface(own, &rect, target, &rect);
    rects.push_back(rect);
  }
  SDL_UpdateWindowSurfaceRects(window, rects.data(), static_cast<int>(rects.size()));
}

void WindowCanvases::presentAgain(SDL_Window* window, WindowId id) {
  if (!canvases_.contains(id))
    return;
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window, &width, &height);
  const ui::Rect whole{0, 0, width, height};
  present(window, id, {&whole, 1});
}

}  // namespace vargo::platform
