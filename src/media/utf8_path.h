// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths to and from the UTF-8 text that SDL speaks (SDL_GetBasePath, SDL_RWFromFile). A path made from a
// plain char string is read in the system's narrow code page, which on Windows is not UTF-8: a folder named
// with Czech letters would not be found.

#include <filesystem>
#include <string>
#include <string_view>

namespace vargo::media {

std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8Of(const std::filesystem::path& path);

}  // namespace vargo::media
