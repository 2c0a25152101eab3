// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An embedded image decoded to 32-bit ARGB pixels. Decoded when a screen loads, released when it unloads.

#include <string_view>

#include "platform/platform.h"
#include "platform/sdl/sdl_ptrs.h"

namespace vargo::media {

class Image {
 public:
  // The named embedded image; an empty Image when there is none or it does not decode.
  static Image decode(std::string_view name);

  Image() = default;
  explicit operator bool() const { return surface_ != nullptr; }
  ui::Size size() const;
  platform::Pixels pixels() const;
  SDL_Surface* surface() const { return surface_.get(); }

 private:
  sdl::SurfacePtr surface_;
};

}  // namespace vargo::media
