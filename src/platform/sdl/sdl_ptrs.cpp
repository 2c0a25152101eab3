// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_ptrs.h"

#include <SDL.h>

namespace vargo::sdl {

void FreeSurface::operator()(SDL_Surface* surface) const {
  SDL_FreeSurface(surface);
}

void FreeCursor::operator()(SDL_Cursor* cursor) const {
  SDL_FreeCursor(cursor);
}

void CloseRWops::operator()(SDL_RWops* rw) const {
  SDL_RWclose(rw);
}

SurfacePtr wrap(platform::Pixels pixels) {
  return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels.data), pixels.width,
                                                       pixels.height, 32, pixels.pitch * 4,
                                                       SDL_PIXELFORMAT_ARGB8888));
}

SurfacePtr wrap(platform::Canvas canvas) {
  return wrap(platform::Pixels{canvas.data, canvas.width, canvas.height, canvas.pitch});
}

}  // namespace vargo::sdl
