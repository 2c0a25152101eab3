// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture decoded to 32-bit ARGB pixels. Decoded when a screen loads, released when it unloads. At scale 1
// the pictures are built into the executable (in the browser they are files, images/1x); at k they are PNG
// files rasterised from the same drawings at k times their size when the game was built, in images/<k>x of
// the data folder.

#include <filesystem>
#include <string_view>

#include "media/scale.h"

#include "platform/platform.h"
#include "platform/sdl/sdl_ptrs.h"

namespace vargo::media {

class Image {
 public:
  // The named picture at the scale; an empty Image when there is none or it does not decode.
  static Image decode(std::string_view name, Scale scale = {});

  Image() = default;
  explicit operator bool() const { return surface_ != nullptr; }
  ui::Size size() const;
  platform::Pixels pixels() const;
  SDL_Surface* surface() const { return surface_.get(); }

 private:
  sdl::SurfacePtr decoded_;  // the PNG as decoded, when surface_ is an ARGB view of its pixels
  sdl::SurfacePtr surface_;
};

// The folder of the pictures at a scale above 1: in the working directory, the installed data folder or
// beside the executable (a build tree); empty when it is in none of them.
std::filesystem::path rasterFolder(Scale scale);

}  // namespace vargo::media
