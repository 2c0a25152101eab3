// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the About screen: the introductory article and the source note.
#pragma once

#include <string_view>

namespace vargo::texts {

inline constexpr std::string_view aboutArticle =
    " ,, Není nic sladšího než úspěch. A vy, chlapci, jste úspěšní byli.\" \r\n"
    "\r\n"
    "Těmito slovy přivítal ministr vnitra Viktor Halda muže jednotky Vargo, když se na jaře "
    "roku 1996 vrátili z přístavního města Tarvena. Tam tehdy šest ozbrojených teroristů "
    "obsadilo hotel Kormorán a jedenáct dní v něm drželo třicet čtyři rukojmí. Když jednání "
    "selhala, dostala Vargo rozkaz k zásahu a za pouhých sedmnáct minut byli všichni rukojmí "
    "volní. Zásah sledovaly v přímém přenosu miliony diváků. Ukázal, že teroristům se nemusí "
    "ustupovat a že je lze porazit. Pro jednotku to byl největší úspěch v historii a pro "
    "všechny, kdo proti teroru bojují, důkaz, že odvaha a dobrá příprava přinášejí ovoce.\r\n";

inline constexpr std::string_view aboutSourceNote = "Texty v této sekci jsou ze vargo.test";

}  // namespace vargo::texts
