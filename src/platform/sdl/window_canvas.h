// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pixels the game paints each window in. Where the window's own framebuffer holds 32-bit RGB pixels
// (X11 and Windows desktops in true colour), the game paints straight into it, so a window costs one
// buffer, not two; any other framebuffer gets a buffer of the game's own, converted on present.

#include <map>
#include <span>

#include "platform/platform.h"
#include "platform/sdl/sdl_ptrs.h"

struct SDL_Window;

namespace vargo::platform {

class WindowCanvases {
 public:
  Canvas canvas(SDL_Window* window, WindowId id);
  void present(SDL_Window* window, WindowId id, std::span<const ui::Rect> areas);
  // Presents the whole of what was painted in the window, if anything was.
  void presentAgain(SDL_Window* window, WindowId id);
  void forget(WindowId id) { canvases_.erase(id); }

 private:
  struct Painted {
    void* pixels = nullptr;  // the buffer handed out last, to tell when SDL made a new one
    sdl::SurfacePtr own;     // the game's own buffer, where the framebuffer is not painted in place
  };
  std::map<WindowId, Painted> canvases_;
};

}  // namespace vargo::platform
