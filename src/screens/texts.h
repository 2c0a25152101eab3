// SPDX-License-Identifier: GPL-3.0-or-later
// The long Czech texts of vargo, one constant per text, in one header per screen that shows them.
// All texts are UTF-8. Diary pages and the About article break lines with CR LF and end with CR LF;
// the akce article mixes LF, CR LF and lone CR, each of which breaks a line in a label.
#pragma once

// Main menu (Vargo1): menuMotto, the unit's motto in English, then Czech (Label1); menuStudio, the
// studio's name (Label2); creditsTitle and creditsText, the title and text of the CREDITS message box.
#include "screens/texts/menu.h"
// Mission briefings (Mise1 ... Mise5): mise1Diary ... mise5Diary, the diary label of each.
#include "screens/texts/briefings.h"
// Victory screen (win): winDiary, the last diary page.
#include "screens/texts/win.h"
// About: aboutArticle, the introductory article (Label1); aboutSourceNote, the source note (Label5).
#include "screens/texts/about.h"
// Uniforma: uniformaFirst and uniformaSecond, the first (Label1) and second (Label3) paragraph.
#include "screens/texts/uniforma.h"
// akce: akceArticle, the article (Label2).
#include "screens/texts/akce.h"
