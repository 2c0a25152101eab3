// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the main menu Vargo1: the motto label, the studio label and the credits message box.
#pragma once

#include <string_view>

namespace vargo::texts {

inline constexpr std::string_view menuMotto = ",,Shield of the innocent'' - ,,Štít nevinných \".";

inline constexpr std::string_view menuStudio = "Nortagon";

inline constexpr std::string_view creditsTitle = "CREDITS";

inline constexpr std::string_view creditsText =
    "Nortagon -- Grafika, programing, zvuky, betatesting = Ondřej Vrána (Krkavec) -- Nortagon "
    "-- www.nortagon.example";

}  // namespace vargo::texts
