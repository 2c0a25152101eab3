// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the main menu Vargo1: the motto label, the studio label and the credits message box.
#include "screens/texts.h"

namespace vargo::texts {

const std::string_view menuMotto = ",,Shield of the innocent'' - ,,Štít nevinných \".";

const std::string_view menuStudio = "Nortagon";

const std::string_view creditsText =
    "Nortagon -- Grafika, programing, zvuky, betatesting = Ondřej Vrána (Krkavec) -- Nortagon "
    "-- www.nortagon.example";

}  // namespace vargo::texts
