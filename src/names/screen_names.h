// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the game's sixteen screens, spelled here and nowhere else. A screen is shown, unloaded and
// asked about by its name.

#include <string_view>

namespace vargo::names {

inline constexpr std::string_view menu = "Vargo1";
inline constexpr std::string_view mise1 = "Mise1";
inline constexpr std::string_view mise2 = "Mise2";
inline constexpr std::string_view mise3 = "Mise3";
inline constexpr std::string_view mise4 = "Mise4";
inline constexpr std::string_view mise5 = "Mise5";
inline constexpr std::string_view about = "About";
inline constexpr std::string_view win = "win";
inline constexpr std::string_view uniforma = "Uniforma";
inline constexpr std::string_view akce = "akce";

inline constexpr std::string_view level1 = "level1";
inline constexpr std::string_view level2 = "level2";
inline constexpr std::string_view level3 = "level3";
inline constexpr std::string_view level4 = "level4";
inline constexpr std::string_view level5 = "level5";
inline constexpr std::string_view reload = "nabíjení";

}  // namespace vargo::names
