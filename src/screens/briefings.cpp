// SPDX-License-Identifier: GPL-3.0-or-later
// The five mission briefings Mise1 ... Mise5: a diary page over the diary picture, the score the coming
// level asks for, and a continue area over the painted arrow that opens the level. One table, five
// records.

#include <array>

#include "names/screen_names.h"
#include "screens/look.h"
#include "screens/navigation.h"
#include "screens/screens.h"
#include "screens/texts.h"

namespace vargo::screens {

namespace {

using ui::Placement;
using ui::Pointer;
using ui::Rect;

struct Briefing {
  std::string_view name;
  ui::WindowDef window;
  Rect diary;                  // Label1, the diary page
  std::string_view diaryText;  // its text, kept with the other Czech texts
  std::string_view task;       // Label2, the score the level asks for
  Rect continueArea;           // Image1, over the painted arrow
  Pointer continuePointer;
  std::string_view level;  // what the arrow opens
};

constexpr ui::WindowDef diaryWindow(std::string_view title, ui::Size client, Pointer pointer = look::none,
                                    std::string_view icon = {}) {
  return {title, client, Placement::centre(), look::face, "diary", pointer, icon};
}

constexpr Briefing kBriefings[] = {
    {names::mise1,
     diaryWindow("Form2", {708, 461}, look::none, "icon"),
     {64, 44, 291, 373},
     texts::mise1Diary,
     "Úkol: Score = 300",
     {654, 420, 49, 37},
     look::cursor,
     names::level1},
    {names::mise2,
     diaryWindow("Form1", {710, 461}),
     {64, 44, 281, 361},
     texts::mise2Diary,
     "Úkol: Score = 400",
     {652, 416, 53, 45},
     Pointer::SizeAll,
     names::level2},
    {names::mise3,
     diaryWindow("Mise3", {711, 462}),
     {64, 44, 289, 373},
     texts::mise3Diary,
     "Úkol: Score = 500",
     {652, 420, 53, 37},
     look::cursor,
     names::level3},
    {names::mise4,
     diaryWindow("Mise4", {711, 462}, look::cursor),
     {60, 44, 289, 369},
     texts::mise4Diary,
     "Úkol: Score = 600",
     {652, 420, 53, 37},
     look::none,
     names::level4},
    {names::mise5,
     diaryWindow("Form1", {710, 461}, look::cursor),
     {63, 45, 283, 367},
     texts::mise5Diary,
     "Úkol: Score = 800",
     {657, 420, 46, 37},
     look::none,
     names::level5},
};

// The task line stands at the same place on every briefing.
constexpr Rect kTaskLine{420, 400, 137, 17};
// The area over the painted arrow, which starts the mission.
constexpr std::string_view kArrow = "Image1";

using Widgets = std::array<ui::WidgetDef, 3>;

constexpr Widgets widgetsOf(const Briefing& b) {
  return {{
      ui::label("Label1", b.diary, b.diaryText),
      ui::label("Label2", kTaskLine, b.task),
      ui::imageArea(kArrow, b.continueArea, b.continuePointer),
  }};
}

constexpr auto kWidgets = [] {
  std::array<Widgets, std::size(kBriefings)> all{};
  for (std::size_t i = 0; i < all.size(); ++i)
    all[i] = widgetsOf(kBriefings[i]);
  return all;
}();

constexpr auto kScreens = [] {
  std::array<ui::ScreenDef, std::size(kBriefings)> all{};
  for (std::size_t i = 0; i < all.size(); ++i)
    all[i] = {kBriefings[i].window, kWidgets[i], {}};
  return all;
}();

}  // namespace

std::span<const ui::ScreenKind> briefingKinds() {
  static const auto kinds = [] {
    std::array<ui::ScreenKind, std::size(kBriefings)> all;
    for (std::size_t i = 0; i < all.size(); ++i) {
      const Briefing& b = kBriefings[i];
      all[i] = kindOf(b.name, kScreens[i], {onClick(kArrow, moveOn(b.level, b.name))});
    }
    return all;
  }();
  return kinds;
}

}  // namespace vargo::screens
