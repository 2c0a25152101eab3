// SPDX-License-Identifier: GPL-3.0-or-later
// The level catalogue held against a second, independent writing of each level, one widget to a line:
// widget | role | rectangle | at load | pointer, top of the stacking order first.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "levels/level_catalogue.h"
#include "support/level_play.h"

namespace vargo::test {
namespace {

struct Written {
  std::string_view level;
  std::string_view widgets;
  std::string_view timers;  // name interval, running unless marked "stopped"
  std::string_view slots;   // target show-timer hit-picture hide-timer points
};

constexpr Written written[] = {
    {"level1", R"(
Picture10 | hit picture    | 12, 88, 67 × 121   | hidden  | —
Picture9  | hit picture    | 271, 59, 67 × 85   | hidden  | —
Picture8  | hit picture    | 516, 86, 67 × 61   | hidden  | —
Picture7  | hit picture    | 372, 200, 67 × 121 | hidden  | —
Picture6  | target picture | 372, 198, 67 × 121 | hidden  | cursor
Picture5  | target picture | 516, 86, 67 × 61   | hidden  | cursor
Picture4  | target picture | 12, 90, 67 × 121   | hidden  | cursor
Picture3  | target picture | 271, 59, 67 × 85   | hidden  | cursor
Picture2  | hover picture  | 232, 240, 105 × 81 | hidden  | —
Picture1  | hover picture  | 240, 240, 97 × 89  | hidden  | —
Label3    | exit label     | 582, 0, 13 × 13    | visible | —
Image2    | image area     | 424, 0, 177 × 321  | visible | —
Image1    | image area     | 8, 0, 177 × 321    | visible | —
Label2    | score label    | 24, 280, 65 × 25   | visible | cursor
Label1    | magazine label | 528, 280, 33 × 25  | visible | cursor)",
     "Timer1 2600, Timer2 3800, Timer3 5500, Timer4 4000, Timer5 150, Timer6 150, Timer7 150, Timer8 150",
     "Picture4 Timer1 Picture10 Timer8 10, Picture3 Timer2 Picture9 Timer7 10, "
     "Picture6 Timer3 Picture7 Timer5 10, Picture5 Timer4 Picture8 Timer6 10"},
    {"level2", R"(
Picture8  | hover picture  | 229, 250, 99 × 73  | hidden  | cursor
Picture2  | hover picture  | 236, 250, 99 × 73  | hidden  | cursor
Picture7  | hit picture    | 352, 140, 57 × 113 | hidden  | cursor
Picture6  | hit picture    | 255, 104, 33 × 57  | hidden  | cursor
Picture5  | hit picture    | 12, 104, 45 × 77   | hidden  | cursor
Picture4  | target picture | 352, 140, 55 × 115 | hidden  | cursor
Picture3  | target picture | 252, 104, 31 × 55  | hidden  | cursor
Picture1  | target picture | 6, 102, 49 × 79    | hidden  | cursor
Picture9  | centre picture | 268, 252, 33 × 73  | visible | cursor
Label2    | score label    | 20, 284, 73 × 25   | visible | —
Label1    | magazine label | 520, 284, 45 × 25  | visible | —
Label6    | exit label     | 584, 4, 17 × 13    | visible | —
Image2    | image area     | 384, 0, 217 × 329  | visible | cursor
Image1    | image area     | 0, 4, 161 × 329    | visible | custom without image)",
     "Timer1 2600, Timer2 150 stopped, Timer3 2000, Timer4 150, Timer5 4300, Timer6 150",
     "Picture1 Timer1 Picture5 Timer2 10, Picture3 Timer3 Picture6 Timer4 10, "
     "Picture4 Timer5 Picture7 Timer6 10"},
    {"level3", R"(
Picture11 | hit picture    | 496, 85, 79 × 74   | hidden  | cursor
Picture10 | target picture | 496, 85, 79 × 74   | hidden  | —
Picture9  | hit picture    | 276, 68, 76 × 117  | hidden  | cursor
Picture8  | target picture | 276, 68, 76 × 117  | hidden  | —
Picture7  | hit picture    | 144, 70, 67 × 112  | hidden  | cursor
Picture6  | target picture | 144, 70, 67 × 112  | hidden  | —
Picture5  | hit picture    | 32, 120, 89 × 130  | hidden  | cursor
Picture4  | target picture | 32, 120, 89 × 129  | hidden  | —
Picture3  | hover picture  | 288, 240, 109 × 81 | hidden  | cursor
Picture1  | hover picture  | 232, 244, 113 × 77 | hidden  | cursor
Picture2  | cover picture  | 260, 192, 113 × 129 | hidden | cursor
Label3    | exit label     | 584, 4, 9 × 21     | visible | —
Image2    | image area     | 404, 0, 193 × 321  | visible | cursor
Image1    | image area     | 1, 0, 205 × 321    | visible | cursor
Label2    | score label    | 24, 280, 69 × 25   | visible | —
Label1    | magazine label | 520, 284, 45 × 25  | visible | —)",
     "Timer1 3500, Timer2 150, Timer3 2800, Timer4 150, Timer5 4890, Timer6 150, Timer7 4500, Timer8 150",
     "Picture4 Timer1 Picture5 Timer2 10, Picture6 Timer3 Picture7 Timer4 10, "
     "Picture8 Timer5 Picture9 Timer6 10, Picture10 Timer7 Picture11 Timer8 10"},
    {"level4", R"(
Picture1  | hover picture  | 212, 195, 159 × 129 | hidden | cursor
Picture2  | hover picture  | 257, 197, 117 × 129 | hidden | cursor
Picture3  | target picture | 264, 60, 67 × 88   | hidden  | cursor
Picture4  | target picture | 4, 88, 67 × 117    | hidden  | cursor
Picture5  | target picture | 480, 45, 67 × 42   | hidden  | cursor
Picture6  | target picture | 368, 124, 67 × 121 | hidden  | cursor
Picture7  | hit picture    | 368, 124, 67 × 121 | hidden  | —
Picture8  | hit picture    | 480, 44, 67 × 43   | hidden  | —
Picture9  | hit picture    | 264, 60, 67 × 88   | hidden  | —
Picture10 | hit picture    | 4, 88, 67 × 117    | hidden  | —
Label3    | exit label     | 580, 0, 13 × 13    | visible | cursor
Label1    | magazine label | 520, 280, 33 × 25  | visible | cursor
Label2    | score label    | 20, 280, 65 × 25   | visible | cursor
Image1    | image area     | 0, 0, 177 × 321    | visible | cursor
Image2    | image area     | 420, 0, 177 × 321  | visible | cursor)",
     "Timer1 2600, Timer2 4800, Timer3 5500, Timer4 4000, Timer5 150, Timer6 150, Timer7 150, Timer8 150",
     "Picture4 Timer1 Picture10 Timer8 10, Picture3 Timer2 Picture9 Timer7 10, "
     "Picture6 Timer3 Picture7 Timer5 10, Picture5 Timer4 Picture8 Timer6 10"},
    {"level5", R"(
Picture3  | hover picture  | 285, 258, 85 × 69  | hidden  | cursor
Picture1  | hover picture  | 233, 257, 80 × 68  | hidden  | cursor
Picture2  | cover picture  | 249, 234, 113 × 90 | hidden  | cursor
Picture4  | target picture | 122, 161, 50 × 30  | hidden  | cursor
Picture5  | hit picture    | 123, 161, 50 × 29  | hidden  | —
Picture6  | target picture | 545, 101, 52 × 113 | hidden  | cursor
Picture7  | hit picture    | 545, 101, 51 × 112 | hidden  | —
Picture8  | target picture | 270, 0, 32 × 63    | hidden  | cursor
Picture9  | hit picture    | 270, 0, 32 × 66    | hidden  | —
Picture10 | target picture | 465, 162, 30 × 51  | hidden  | cursor
Picture11 | hit picture    | 465, 162, 30 × 51  | hidden  | —
Label3    | exit label     | 587, 4, 9 × 21     | visible | —
Label1    | magazine label | 522, 282, 45 × 25  | visible | cursor
Label2    | score label    | 27, 280, 69 × 25   | visible | cursor
Image1    | image area     | 0, 3, 211 × 321    | visible | cursor
Image2    | image area     | 407, 0, 193 × 321  | visible | cursor)",
     "Timer1 3500, Timer2 150, Timer3 2800, Timer4 150, Timer5 4890, Timer6 150, Timer7 4500, Timer8 150",
     "Picture4 Timer1 Picture5 Timer2 10, Picture6 Timer3 Picture7 Timer4 20, "
     "Picture8 Timer5 Picture9 Timer6 10, Picture10 Timer7 Picture11 Timer8 10"},
};

std::string trim(std::string s) {
  s.erase(0, s.find_first_not_of(' '));
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

std::vector<std::string> split(std::string_view text, char by) {
  std::vector<std::string> parts;
  std::stringstream in{std::string(text)};
  for (std::string part; std::getline(in, part, by);) {
    if (!trim(part).empty())
      parts.push_back(trim(part));
  }
  return parts;
}

ui::WidgetKind kindOf(std::string_view role) {
  if (role.ends_with("picture"))
    return ui::WidgetKind::Picture;
  return role == "image area" ? ui::WidgetKind::ImageArea : ui::WidgetKind::Label;
}

ui::Pointer pointerOf(std::string_view p) {
  if (p == "cursor")
    return ui::Pointer::LevelCursor;
  return p == "custom without image" ? ui::Pointer::CustomWithoutImage : ui::Pointer::None;
}

ui::Rect rectOf(const std::string& text) {
  ui::Rect r;
  // The "×" is skipped as a word: Windows' sscanf does not match UTF-8 in its format.
  EXPECT_EQ(std::sscanf(text.c_str(), "%d, %d, %d %*s %d", &r.x, &r.y, &r.width, &r.height), 4) << text;
  return r;
}

void expectWidgets(const levels::LevelDef& level, std::string_view table) {
  const std::vector<std::string> rows = split(table, '\n');
  ASSERT_EQ(level.screen.widgets.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::vector<std::string> cell = split(rows[i], '|');
    ASSERT_EQ(cell.size(), 5U) << rows[i];
    const ui::WidgetDef& w = level.screen.widgets[i];
    SCOPED_TRACE(cell[0]);
    EXPECT_EQ(w.name, cell[0]) << "stacking position " << i;
    EXPECT_EQ(w.kind, kindOf(cell[1]));
    EXPECT_EQ(w.rect, rectOf(cell[2]));
    EXPECT_EQ(w.kind == ui::WidgetKind::ImageArea || w.visible, cell[3] == "visible");
    EXPECT_EQ(w.pointer, pointerOf(cell[4]));
    if (cell[1] == "exit label") {
      EXPECT_EQ(w.caption, "X");
      EXPECT_EQ(w.name, level.exitLabel);
    }
    if (cell[1] == "score label" || cell[1] == "magazine label") {
      EXPECT_EQ(w.caption, cell[1] == "score label" ? std::string_view("0") : level.magazine);
    }
  }
}

void expectTimers(const levels::LevelDef& level, std::string_view list) {
  const std::vector<std::string> timers = split(list, ',');
  ASSERT_EQ(level.screen.timers.size(), timers.size());
  for (std::size_t i = 0; i < timers.size(); ++i) {
    const std::vector<std::string> part = split(timers[i], ' ');
    const ui::TimerDef& t = level.screen.timers[i];
    EXPECT_EQ(t.name, part[0]);
    EXPECT_EQ(t.intervalMs, std::stoul(part[1])) << part[0];
    EXPECT_EQ(t.running, part.size() < 3) << part[0];
  }
}

void expectSlots(const levels::LevelDef& level, std::string_view list) {
  const std::vector<std::string> slots = split(list, ',');
  ASSERT_EQ(level.slots.size(), slots.size());
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const std::vector<std::string> part = split(slots[i], ' ');
    const levels::TargetSlot& s = level.slots[i];
    EXPECT_EQ(s.target, part[0]);
    EXPECT_EQ(s.showTimer, part[1]);
    EXPECT_EQ(s.hitPicture, part[2]);
    EXPECT_EQ(s.hideTimer, part[3]);
    EXPECT_EQ(s.points, std::stoi(part[4])) << part[0];
  }
}

TEST(LevelCatalogue, WidgetsTimersAndSlotsAreAsWrittenOut) {
  ASSERT_EQ(levels::levelCatalogue().size(), std::size(written));
  for (std::size_t i = 0; i < std::size(written); ++i) {
    const levels::LevelDef& level = levels::levelCatalogue()[i];
    ASSERT_EQ(level.name, written[i].level);
    SCOPED_TRACE(level.name);
    expectWidgets(level, written[i].widgets);
    expectTimers(level, written[i].timers);
    expectSlots(level, written[i].slots);
  }
}

struct Wiring {
  std::string_view level, title;
  ui::Size client;
  std::string_view magazine, completion;
  int threshold;
  std::string_view next, sound;
  bool scoreResets;
  ui::FontSpec exitFont;
};

constexpr ui::FontSpec kPlain = ui::fonts::standard;
constexpr ui::FontSpec kSans9 = ui::fonts::sans9;

constexpr Wiring wirings[] = {
    {"level1", "Form1", {599, 321}, "10", "Picture3", 300, "Mise2", "data/vystrel.wav", false, kPlain},
    {"level2", "Form1", {599, 326}, "10", "Picture3", 400, "Mise3", "data/vystrel.wav", true, kSans9},
    {"level3", "Form1", {600, 321}, "20", "Picture4", 500, "Mise4", "data/vystrel2.wav", false, kSans9},
    {"level4", "level4", {600, 323}, "20", "Picture3", 600, "Mise5", "data/vystrel2.wav", true, kSans9},
    {"level5", "Level5", {601, 323}, "30", "Picture4", 800, "win", "data/vystrel3.wav", false, kSans9},
};

TEST(LevelCatalogue, WindowsAndWiringAreAsWrittenOut) {
  for (const Wiring& w : wirings) {
    SCOPED_TRACE(w.level);
    const levels::LevelDef& level = levelDef(w.level);
    EXPECT_EQ(level.screen.window.title, w.title);
    EXPECT_EQ(level.screen.window.client, w.client);
    EXPECT_TRUE(level.screen.window.placement.centred);
    EXPECT_EQ(level.screen.window.pointer, ui::Pointer::LevelCursor);
    EXPECT_EQ(level.magazine, w.magazine);
    EXPECT_EQ(level.completionTarget, w.completion);
    EXPECT_EQ(level.threshold, w.threshold);
    EXPECT_EQ(level.nextScreen, w.next);
    EXPECT_EQ(level.shotSound, w.sound);
    EXPECT_EQ(level.scoreResets, w.scoreResets);
    EXPECT_EQ(widgetOf(level.screen, level.exitLabel).font, w.exitFont) << level.exitLabel;
  }
}

TEST(LevelCatalogue, TheSideImageAreasNeverTouch) {
  for (const levels::LevelDef& level : levels::levelCatalogue()) {
    const ui::Rect left = widgetOf(level.screen, levels::kLeftArea).rect;
    const ui::Rect right = widgetOf(level.screen, levels::kRightArea).rect;
    EXPECT_LT(left.x + left.width, right.x) << level.name << ": a strip of surface lies between them";
  }
}

}  // namespace
}  // namespace vargo::test
