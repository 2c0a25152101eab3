// SPDX-License-Identifier: GPL-3.0-or-later
// The long Czech texts of vargo, one constant per text, grouped by the screen that shows them.
// All texts are UTF-8. Diary pages and the About article break lines with CR LF and end with CR LF;
// the akce article mixes LF, CR LF and lone CR, each of which breaks a line in a label.
#pragma once

#include <string_view>

namespace vargo::texts {

// Main menu (Vargo1).
extern const std::string_view menuMotto;    // Label1: the unit's motto, English, then Czech
extern const std::string_view menuStudio;   // Label2: the studio's name
extern const std::string_view creditsText;  // the text of the CREDITS message box

// Mission briefings (Mise1 ... Mise5): the diary label of each.
extern const std::string_view mise1Diary;
extern const std::string_view mise2Diary;
extern const std::string_view mise3Diary;
extern const std::string_view mise4Diary;
extern const std::string_view mise5Diary;

// Victory screen (win): the last diary page.
extern const std::string_view winDiary;

// About: the introductory article (Label1) and the source note (Label5).
extern const std::string_view aboutArticle;
extern const std::string_view aboutSourceNote;

// Uniforma: the first (Label1) and second (Label3) paragraph.
extern const std::string_view uniformaFirst;
extern const std::string_view uniformaSecond;

// akce: the article (Label2).
extern const std::string_view akceArticle;

}  // namespace vargo::texts
