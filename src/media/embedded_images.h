// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The images built into the executable: PNG bytes by name (the source file's name in resources/images).

#include <span>
#include <string_view>

namespace vargo::media {

struct EmbeddedImage {
  std::string_view name;
  std::span<const unsigned char> png;
};

// Every embedded image of the game's own drawings, sorted by name.
std::span<const EmbeddedImage> embeddedImages();
// The English drawings of the pictures that carry words, <name>_en, made at build time.
std::span<const EmbeddedImage> embeddedEnglishImages();

// The PNG bytes of the named image, or an empty span when there is none.
std::span<const unsigned char> findEmbeddedImage(std::string_view name);

}  // namespace vargo::media
