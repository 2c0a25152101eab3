// SPDX-License-Identifier: GPL-3.0-or-later
// The five briefings: the continue area opens the level fresh and closes the briefing; nothing else on the
// page answers; pointers, icon and the task line differ as each page says.

#include <gtest/gtest.h>

#include <string>

#include "levels/level_catalogue.h"
#include "screens/texts.h"
#include "support/front_end_probe.h"
#include "support/harness.h"

namespace vargo::test {
namespace {

using Kinds = std::vector<std::string>;

struct Page {
  std::string briefing;
  std::string level;
  ui::Rect arrow;  // the continue area
  ui::Pointer overArrow;
  ui::Pointer elsewhere;
  std::string_view diary;
};

std::vector<Page> pages() {
  using P = ui::Pointer;
  return {
      {"Mise1", "level1", {654, 420, 49, 37}, P::LevelCursor, P::Arrow, texts::mise1Diary},
      {"Mise2", "level2", {652, 416, 53, 45}, P::SizeAll, P::Arrow, texts::mise2Diary},
      {"Mise3", "level3", {652, 420, 53, 37}, P::LevelCursor, P::Arrow, texts::mise3Diary},
      {"Mise4", "level4", {652, 420, 53, 37}, P::LevelCursor, P::LevelCursor, texts::mise4Diary},
      {"Mise5", "level5", {657, 420, 46, 37}, P::LevelCursor, P::LevelCursor, texts::mise5Diary},
  };
}

const levels::LevelDef& levelNamed(std::string_view name) {
  for (const levels::LevelDef& l : levels::levelCatalogue()) {
    if (l.name == name)
      return l;
  }
  throw std::logic_error("no level " + std::string(name));
}

TEST(FrontEndBriefings, TheArrowOpensTheLevelAsDefinedAndClosesTheBriefing) {
  for (const Page& p : pages()) {
    SCOPED_TRACE(p.briefing);
    // The level was played before: won, it showed this briefing and went away.
    Harness h;
    h.show(p.level);
    h.click(p.level, 300, 5);
    ASSERT_NE(h.caption(p.level, "Label1"), levelNamed(p.level).magazine) << "a cartridge was fired";
    h.show(p.briefing);
    h.registry.unload(p.level);

    h.click(p.briefing, p.arrow.x + p.arrow.width / 2, p.arrow.y + p.arrow.height / 2);
    EXPECT_EQ(h.loadedKinds(), Kinds{p.level});
    EXPECT_EQ(h.front(), p.level);
    EXPECT_EQ(h.caption(p.level, "Label1"), levelNamed(p.level).magazine);
    EXPECT_EQ(h.caption(p.level, "Label2"), "0");
  }
}

TEST(FrontEndBriefings, TheArrowAnswersUpToItsEdges) {
  for (const Page& p : pages()) {
    const ui::Point corners[] = {{p.arrow.x, p.arrow.y}, {p.arrow.right() - 1, p.arrow.bottom() - 1}};
    for (const ui::Point c : corners) {
      Harness h;
      h.show(p.briefing);
      h.click(p.briefing, c.x, c.y);
      EXPECT_EQ(h.loadedKinds(), Kinds{p.level}) << p.briefing << " at " << c.x << ", " << c.y;
    }
  }
}

TEST(FrontEndBriefings, NothingElseOnThePageAnswers) {
  for (const Page& p : pages()) {
    const ui::Point spots[] = {
        {150, 150},                          // the diary text
        {440, 408},                          // the task line
        {550, 100},                          // the right-hand page
        {p.arrow.x - 1, p.arrow.y + 10},     // just left of the arrow
        {p.arrow.x + 10, p.arrow.y - 1},     // just above it
        {p.arrow.right(), p.arrow.y + 10},   // just right of it
        {p.arrow.x + 10, p.arrow.bottom()},  // just below it
    };
    Harness h;
    h.show(p.briefing);
    for (const ui::Point s : spots)
      h.click(p.briefing, s.x, s.y);
    EXPECT_EQ(h.loadedKinds(), Kinds{p.briefing}) << p.briefing;
    EXPECT_EQ(h.registry.instanceCount(), 1) << p.briefing;
  }
}

TEST(FrontEndBriefings, PointersDifferAsEachPageSays) {
  for (const Page& p : pages()) {
    Harness h;
    h.show(p.briefing);
    EXPECT_EQ(pointerAfterMove(h, p.briefing, p.arrow.x + 5, p.arrow.y + 5), p.overArrow) << p.briefing;
    EXPECT_EQ(pointerAfterMove(h, p.briefing, 150, 150), p.elsewhere) << p.briefing << " over the diary";
    EXPECT_EQ(pointerAfterMove(h, p.briefing, 550, 300), p.elsewhere) << p.briefing << " over the page";
  }
}

TEST(FrontEndBriefings, OnlyTheFirstHasAWindowIcon) {
  for (const Page& p : pages()) {
    Harness h;
    h.show(p.briefing);
    const auto* w = h.platform.window(*h.registry.windowOf(p.briefing));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->hasIcon, p.briefing == "Mise1") << p.briefing;
  }
}

TEST(FrontEndBriefings, EachPageNamesTheScoreItsLevelAsksForAndShowsItsDiary) {
  for (const Page& p : pages()) {
    Harness h;
    h.show(p.briefing);
    EXPECT_EQ(h.caption(p.briefing, "Label2"),
              "Úkol: Score = " + std::to_string(levelNamed(p.level).threshold))
        << p.briefing;
    EXPECT_EQ(h.caption(p.briefing, "Label1"), p.diary) << p.briefing;
  }
}

}  // namespace
}  // namespace vargo::test
