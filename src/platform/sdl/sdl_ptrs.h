// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One owning pointer per kind of SDL resource. Each frees its resource with the matching SDL call, so no
// code frees by hand and nothing leaks when a constructor throws half-way.

#include <memory>

#include "platform/platform.h"

struct SDL_Surface;
struct SDL_Cursor;
struct SDL_RWops;

namespace vargo::sdl {

struct FreeSurface {
  void operator()(SDL_Surface* surface) const;
};
struct FreeCursor {
  void operator()(SDL_Cursor* cursor) const;
};
struct CloseRWops {
  void operator()(SDL_RWops* rw) const;
};

using SurfacePtr = std::unique_ptr<SDL_Surface, FreeSurface>;
using CursorPtr = std::unique_ptr<SDL_Cursor, FreeCursor>;
using RWopsPtr = std::unique_ptr<SDL_RWops, CloseRWops>;

// A surface that shows the given ARGB pixels without copying them; empty when SDL cannot make one.
SurfacePtr wrap(platform::Pixels pixels);
// A surface to paint the canvas's pixels through.
SurfacePtr wrap(platform::Canvas canvas);

}  // namespace vargo::sdl
