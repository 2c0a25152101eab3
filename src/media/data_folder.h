// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the game's data files are: `data/` in the working directory first, so a player can drop in other
// sounds; otherwise the installed data folder, found from the executable's own place.

#include <filesystem>
#include <string_view>

namespace vargo::media {

// The folder of the executable; empty when its place is unknown.
const std::filesystem::path& executableFolder();

// The installed folder that holds data/: ../share/vargo beside bin/, or the executable's own folder on
// Windows (VARGO_INSTALLED_DATA, chosen at build time). Empty when the executable's place is unknown.
const std::filesystem::path& installedDataFolder();

// `name` (such as "data/reload.wav") in the working directory when it is there, else in `installed`.
std::filesystem::path dataFile(std::string_view name, const std::filesystem::path& installed);

}  // namespace vargo::media
