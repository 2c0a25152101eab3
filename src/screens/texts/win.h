// SPDX-License-Identifier: GPL-3.0-or-later
// The last diary page, shown on the victory screen win.
#pragma once

#include <string_view>

namespace vargo::texts {

inline constexpr std::string_view winDiary =
    " Úterý 23.12.2003\r\n"
    "\r\n"
    "12:48 Je to za námi. Pyrotechnici hlavici zneškodnili pouhé tři minuty před výbuchem. Hala "
    "utichla, poslední teroristé se vzdali a my jsme se konečně mohli posadit. Ruce se mi "
    "třásly tak, že jsem nedokázal rozbalit ani tabulku čokolády.\r\n"
    "13:10 Ještě jedno překvapení. Když jsme nastupovali do vrtulníků, začal po nás pálit "
    "poslední odstřelovač schovaný na střeše továrny. Kulka prolétla těsně kolem Koldovy hlavy. "
    "Kolda ho sundal jedinou ranou dřív, než stihl vystřelit podruhé.\r\n"
    "13:30 Vrtulníky nás odvážejí zpátky na základnu. Všichni jsou živí a skoro celí. Mike spí "
    "s hlavou na batohu a Medvěd poprvé za celou dobu sám od sebe něco řekl: že má hlad jako "
    "vlk. Za okny ubíhá poušť a nikdo z nás na ni už nechce ani pomyslet.\r\n"
    "Večer nás na základně čekal velitel se šampaňským a poděkoval nám jménem vlády. Pepa je "
    "prý už úplně zdravý a zítra se k nám vrátí. Nakonec to přece jen budou Vánoce.\r\n"
    "23:59 Stojíme venku pod hvězdami, celá naše jednotka, a díváme se na poušť, která nás "
    "skoro pohřbila. Pak se Kolda nadechne a všichni společně křičíme do tmy naše heslo: Štít "
    "nevinných! Vargo!\r\n";

}  // namespace vargo::texts
