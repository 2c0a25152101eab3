// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "media/data_folder.h"
#include "media/embedded_images.h"
#include "media/utf8_path.h"

namespace vargo::media {

std::span<const unsigned char> findEmbeddedImage(std::string_view name) {
  for (const auto images : {embeddedImages(), embeddedEnglishImages()}) {
    auto it =
        std::find_if(images.begin(), images.end(), [&](const EmbeddedImage& i) { return i.name == name; });
    if (it != images.end())
      return it->png;
  }
  return {};
}

// In the working directory, the installed data folder, or beside the executable (a build tree's own).
std::filesystem::path rasterFolder(Scale scale) {
  const std::string name = "images/" + std::to_string(scale.k) + "x";
  for (const std::filesystem::path& folder :
       {dataFile(name, installedDataFolder()), executableFolder() / name}) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error))
      return folder;
  }
  return {};
}

namespace {

// At scale 1 the embedded picture; where none is embedded (the browser's build) and at larger scales, the
// file in images/<k>x.
sdl::RWopsPtr openPng(std::string_view name, Scale scale) {
  const auto png = scale.k == 1 ? findEmbeddedImage(name) : std::span<const unsigned char>{};
  if (!png.empty())
    return sdl::RWopsPtr(SDL_RWFromConstMem(png.data(), static_cast<int>(png.size())));
  const std::filesystem::path folder = rasterFolder(scale);
  const std::filesystem::path file = folder / (std::string(name) + ".png");
  return sdl::RWopsPtr(folder.empty() ? nullptr : SDL_RWFromFile(utf8Of(file).c_str(), "rb"));
}

// Turns RGBA bytes into ARGB words where they are: a picture at scale 3 is up to 12 MB, and a converted
// copy beside it would raise the game's peak memory by as much.
void swapRedAndBlue(SDL_Surface* s) {
  for (int y = 0; y < s->h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) +
                                                 std::ptrdiff_t{y} * s->pitch);
    for (int x = 0; x < s->w; ++x) {
      const std::uint32_t p = row[x];
      row[x] = (p & 0xFF00FF00) | ((p & 0xFF) << 16) | ((p >> 16) & 0xFF);
    }
  }
}

}  // namespace

Image Image::decode(std::string_view name, Scale scale) {
  Image image;
  const sdl::RWopsPtr rw = openPng(name, scale);
  sdl::SurfacePtr loaded(rw ? IMG_LoadPNG_RW(rw.get()) : nullptr);
  if (!loaded)
    return image;
  if (loaded->format->format == SDL_PIXELFORMAT_ABGR8888) {
    swapRedAndBlue(loaded.get());
    image.surface_.reset(SDL_CreateRGBSurfaceWithFormatFrom(loaded->pixels, loaded->w, loaded->h, 32,
                                                            loaded->pitch, SDL_PIXELFORMAT_ARGB8888));
    image.decoded_ = std::move(loaded);
  } else {
    image.surface_.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  }
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
