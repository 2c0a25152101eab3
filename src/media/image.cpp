// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <string>

#include "media/data_folder.h"
#include "media/embedded_images.h"

namespace vargo::media {

std::span<const unsigned char> findEmbeddedImage(std::string_view name) {
  const auto images = embeddedImages();
  auto it = std::ranges::find(images, name, &EmbeddedImage::name);
  return it == images.end() ? std::span<const unsigned char>{} : it->png;
}

std::filesystem::path rasterFolder(Scale scale) {
  const std::filesystem::path folder =
      dataFile("images/" + std::to_string(scale.k) + "x", installedDataFolder());
  std::error_code error;
  return std::filesystem::is_directory(folder, error) ? folder : std::filesystem::path();
}

namespace {

sdl::RWopsPtr openPng(std::string_view name, Scale scale) {
  if (scale.k == 1) {
    const auto png = findEmbeddedImage(name);
    return sdl::RWopsPtr(png.empty() ? nullptr
                                     : SDL_RWFromConstMem(png.data(), static_cast<int>(png.size())));
  }
  const std::filesystem::path folder = rasterFolder(scale);
  const std::filesystem::path file = folder / (std::string(name) + ".png");
  return sdl::RWopsPtr(folder.empty() ? nullptr : SDL_RWFromFile(file.string().c_str(), "rb"));
}

}  // namespace

Image Image::decode(std::string_view name, Scale scale) {
  Image image;
  const sdl::RWopsPtr rw = openPng(name, scale);
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
