// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>

#include "media/embedded_images.h"

namespace vargo::media {

std::span<const unsigned char> findEmbeddedImage(std::string_view name) {
  const auto images = embeddedImages();
  auto it = std::ranges::find(images, name, &EmbeddedImage::name);
  return it == images.end() ? std::span<const unsigned char>{} : it->png;
}

Image Image::decode(std::string_view name) {
  Image image;
  const auto png = findEmbeddedImage(name);
  if (png.empty())
    return image;
  const sdl::RWopsPtr rw(SDL_RWFromConstMem(png.data(), static_cast<int>(png.size())));
  const sdl::SurfacePtr loaded(rw ? IMG_LoadPNG_RW(rw.get()) : nullptr);
  if (loaded)
    image.surface_.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  return image;
}

ui::Size Image::size() const {
  return surface_ ? ui::Size{surface_->w, surface_->h} : ui::Size{};
}

platform::Pixels Image::pixels() const {
  if (!surface_)
    return {};
  return {static_cast<const std::uint32_t*>(surface_->pixels), surface_->w, surface_->h, surface_->pitch / 4};
}

}  // namespace vargo::media
