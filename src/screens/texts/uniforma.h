// SPDX-License-Identifier: GPL-3.0-or-later
// The two paragraphs of the Uniforma screen.
#pragma once

#include <string_view>

namespace vargo::texts {

inline constexpr std::string_view uniformaFirst =
    "Vargo se záměrně vyhýbá okázalým a křiklavým uniformám nebo ozdobám, které by její muže "
    "odlišovaly od ostatních vojáků. Její muži nosí na cvičišti i na misích běžný stejnokroj "
    "jako celá ostatní armáda, pouštní či lesní podle místa nasazení, a o své službě nesmějí "
    "bez svolení nikomu nic říct. Příslušníka Vargo poznáte jen podle několika drobností. Tou "
    "hlavní je tmavě zelený baret s odznakem, na kterém je stříbrný štít se zkříženými šípy a "
    "pod ním páska s heslem jednotky ,,Shield of the innocent''. Druhou jsou výsadková křídla, "
    "která si voják smí přišít na pravý rukáv až po úspěšném zvládnutí náročného "
    "parašutistického kurzu. Kdo u Vargo vydrží, nosí je po celý život.";

inline constexpr std::string_view uniformaSecond =
    "Drobnou zvláštností stejnokroje Vargo je to, že muži jednotky ve službě v kasárnách nenosí "
    "na ramenou obvyklé označení hodnosti. Hodnost se u nich pozná jen podle úzkých stříbrných "
    "proužků na levé náprsní kapse blůzy, kterým rozumějí jen zasvěcení. Při "
    "protiteroristických zásazích se však muži Vargo mění k nepoznání. Oblékají celočerné "
    "kombinézy z nehořlavé látky, neprůstřelné vesty a rukavice, přes hlavu si přetahují černou "
    "kuklu a na obličej nasazují plynovou masku. Kukla chrání před ohněm i před objektivy "
    "kamer. Všichni pak vypadají úplně stejně a nikdo z teroristů ani z novinářů nepozná, kdo "
    "se pod maskou skrývá.";

}  // namespace vargo::texts
