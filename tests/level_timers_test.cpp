// SPDX-License-Identifier: GPL-3.0-or-later
// Targets that come and go: show timers bring the gunmen up, hide timers take the hit pictures down.

#include <gtest/gtest.h>

#include <map>

#include "levels/level_catalogue.h"
#include "support/level_play.h"

namespace vargo::test {
namespace {

using Appearances = std::map<ui::Millis, std::vector<std::string>>;

// When each target first comes up after the level is shown, sampled every millisecond.
Appearances firstAppearances(std::string_view level) {
  Harness h;
  h.show(level);
  LevelPlay play(h, level);
  Appearances seen;
  std::vector<std::string_view> waiting;
  for (const levels::TargetSlot& slot : play.def().slots)
    waiting.push_back(slot.target);
  for (ui::Millis t = 1; t <= 6000 && !waiting.empty(); ++t) {
    h.advance(1);
    std::erase_if(waiting, [&](std::string_view target) {
      if (!play.visible(target))
        return false;
      seen[t].emplace_back(target);
      return true;
    });
  }
  return seen;
}

TEST(TargetTimers, TargetsFirstComeUpAtTheirShowIntervals) {
  const std::map<std::string_view, Appearances> expected = {
      {"level1", {{2600, {"Picture4"}}, {3800, {"Picture3"}}, {4000, {"Picture5"}}, {5500, {"Picture6"}}}},
      {"level2", {{2000, {"Picture3"}}, {2600, {"Picture1"}}, {4300, {"Picture4"}}}},
      {"level3", {{2800, {"Picture6"}}, {3500, {"Picture4"}}, {4500, {"Picture10"}}, {4890, {"Picture8"}}}},
      {"level4", {{2600, {"Picture4"}}, {4000, {"Picture5"}}, {4800, {"Picture3"}}, {5500, {"Picture6"}}}},
      {"level5", {{2800, {"Picture6"}}, {3500, {"Picture4"}}, {4500, {"Picture10"}}, {4890, {"Picture8"}}}},
  };
  for (const auto& [level, appearances] : expected)
    EXPECT_EQ(firstAppearances(level), appearances) << level;
}

TEST(TargetTimers, AHitShowsTheSplashFor150MsAndTheGunmanReturnsAfterHisInterval) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  play.hit("Picture4");
  EXPECT_FALSE(play.visible("Picture4"));
  EXPECT_TRUE(play.visible("Picture10"));
  h.advance(149);
  EXPECT_TRUE(play.visible("Picture10"));
  h.advance(1);
  EXPECT_FALSE(play.visible("Picture10"));
  h.advance(2600 - 151);
  EXPECT_FALSE(play.visible("Picture4"));
  h.advance(1);
  EXPECT_TRUE(play.visible("Picture4"));
}

TEST(TargetTimers, TargetAndSplashOfOneSlotAreNeverUpTogether) {
  for (const levels::LevelDef& level : levels::levelCatalogue()) {
    SCOPED_TRACE(level.name);
    Harness h;
    h.show(level.name);
    LevelPlay play(h, level.name);
    for (const levels::TargetSlot& slot : level.slots) {
      play.hit(slot.target);
      for (int ms = 0; ms < 2500; ms += 5) {
        ASSERT_FALSE(play.visible(slot.target) && play.visible(slot.hitPicture)) << slot.target;
        h.advance(5);
      }
    }
  }
}

TEST(TargetTimers, HideTimersThatRunAtLoadTickOnceAndChangeNothing) {
  Harness h;
  h.show("level1");
  const auto& timers = h.screen("level1").timers();
  const std::size_t running = std::ranges::count_if(timers, [](const ui::Timer& t) { return t.running(); });
  EXPECT_EQ(running, 8U);
  h.advance(150);
  for (const ui::WidgetDef& w : levelDef("level1").screen.widgets) {
    if (w.kind == ui::WidgetKind::Picture) {
      EXPECT_FALSE(h.visible("level1", w.name)) << w.name;
    }
  }
  EXPECT_EQ(std::ranges::count_if(timers, [](const ui::Timer& t) { return t.running(); }), 4)
      << "only the show timers are left";
}

TEST(TargetTimers, Level2Timer2WaitsForTheFirstHitOnPicture1) {
  Harness h;
  h.show("level2");
  LevelPlay play(h, "level2");
  EXPECT_FALSE(h.screen("level2").timerRunning("Timer2"));
  play.waitFor("Picture1");
  EXPECT_FALSE(h.screen("level2").timerRunning("Timer2"));
  play.hit("Picture1");
  EXPECT_TRUE(h.screen("level2").timerRunning("Timer2"));
  h.advance(150);
  EXPECT_FALSE(play.visible("Picture5"));
}

TEST(TargetTimers, AnUnhitTargetStaysUpForAMinute) {
  Harness h;
  h.show("level3");
  LevelPlay play(h, "level3");
  play.waitFor("Picture8");
  h.advance(60'000);
  EXPECT_TRUE(play.visible("Picture8"));
  EXPECT_FALSE(h.registry.nextDeadline().has_value()) << "every timer has stopped itself";
}

TEST(TargetTimers, TargetsComeUpDuringAReloadAndWaitForTheLevel) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  for (int i = 0; i < 10; ++i)
    play.miss();
  ASSERT_TRUE(h.loaded("nabíjení"));
  h.advance(1999);
  ASSERT_TRUE(h.loaded("nabíjení"));
  h.advance(1000);
  EXPECT_FALSE(h.loaded("nabíjení"));
  EXPECT_TRUE(play.visible("Picture4")) << "came up at 2600 ms, during the reload";
  play.clickWidget("Picture4");
  EXPECT_EQ(play.score(), "10");
}

TEST(TargetTimers, NothingOfAnUnloadedLevelTicks) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  play.setScore(300);
  play.hit("Picture3");
  ASSERT_EQ(h.loadedKinds(), std::vector<std::string>{"Mise2"});
  EXPECT_FALSE(h.registry.nextDeadline().has_value());
}

}  // namespace
}  // namespace vargo::test
