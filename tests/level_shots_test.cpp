// SPDX-License-Identifier: GPL-3.0-or-later
// Shots on the five levels: magazine, score, completion, the head-up labels and the exit.

#include <gtest/gtest.h>

#include "levels/level_catalogue.h"
#include "support/level_play.h"
#include "ui/counter.h"

namespace vargo::test {
namespace {

using Kinds = std::vector<std::string>;

int capacity(const levels::LevelDef& level) {
  return ui::readCounter(level.magazine);
}

TEST(LevelShots, EveryLevelStartsFullAndAMissTakesOneCartridgeAndPlaysItsSound) {
  for (const levels::LevelDef& level : levels::levelCatalogue()) {
    SCOPED_TRACE(level.name);
    Harness h;
    h.show(level.name);
    LevelPlay play(h, level.name);
    EXPECT_EQ(play.score(), "0");
    EXPECT_EQ(play.magazine(), level.magazine);
    for (const levels::TargetSlot& slot : level.slots)
      EXPECT_FALSE(play.visible(slot.target));
    play.miss();
    EXPECT_EQ(play.score(), "0");
    EXPECT_EQ(play.magazine(), ui::counterText(capacity(level) - 1));
    EXPECT_EQ(h.sound.played, Kinds{std::string(level.shotSound)});
  }
}

TEST(LevelShots, TheShotThatFiresTheLastCartridgeBringsUpTheReloadAndLeavesZero) {
  for (const levels::LevelDef& level : levels::levelCatalogue()) {
    SCOPED_TRACE(level.name);
    Harness h;
    h.show(level.name);
    LevelPlay play(h, level.name);
    const int shots = capacity(level);
    for (int i = 1; i < shots; ++i) {
      i % 3 == 0 ? play.hit(level.slots[0].target) : play.miss();
      ASSERT_FALSE(h.loaded("nabíjení")) << "after shot " << i;
    }
    EXPECT_EQ(play.magazine(), "1");
    play.miss();
    EXPECT_TRUE(h.loaded("nabíjení"));
    EXPECT_EQ(play.magazine(), "0");
    EXPECT_FALSE(h.screen(level.name).enabled());
    EXPECT_EQ(h.sound.played.size(), static_cast<std::size_t>(shots));

    play.miss();
    EXPECT_EQ(play.magazine(), "0") << "no click reaches the level during the reload";
    h.advance(2000);
    EXPECT_FALSE(h.loaded("nabíjení"));
    EXPECT_EQ(play.magazine(), level.magazine);
    EXPECT_TRUE(h.screen(level.name).enabled());
    play.miss();
    EXPECT_EQ(play.magazine(), ui::counterText(shots - 1));
  }
}

TEST(LevelShots, AHitOnTheLastCartridgeStillScoresInFull) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  for (int i = 0; i < 9; ++i)
    play.miss();
  play.hit("Picture4");
  EXPECT_TRUE(h.loaded("nabíjení"));
  EXPECT_EQ(play.magazine(), "0");
  EXPECT_EQ(play.score(), "10");
  EXPECT_FALSE(play.visible("Picture4"));
  EXPECT_TRUE(play.visible("Picture10"));
}

TEST(LevelShots, Level1NeedsMoreThan300OnItsCompletionTarget) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  play.setScore(290);
  play.hit("Picture3");
  EXPECT_EQ(play.score(), "300");
  EXPECT_TRUE(h.loaded("level1")) << "exactly 300 is not enough";
  h.sound.played.clear();
  play.hit("Picture3");
  EXPECT_FALSE(h.loaded("level1"));
  EXPECT_EQ(h.loadedKinds(), Kinds{"Mise2"});
  EXPECT_EQ(h.sound.played, Kinds{"data/vystrel.wav"}) << "the shot sound plays after the level has gone";
}

TEST(LevelShots, OnlyTheCompletionTargetEndsALevel) {
  for (const levels::LevelDef& level : levels::levelCatalogue()) {
    SCOPED_TRACE(level.name);
    Harness h;
    h.show(level.name);
    LevelPlay play(h, level.name);
    play.setScore(level.threshold + 40);
    for (const levels::TargetSlot& slot : level.slots) {
      if (slot.target != level.completionTarget)
        play.hit(slot.target);
    }
    ASSERT_TRUE(h.loaded(level.name)) << "no other target moves the player on";
    const int before = ui::readCounter(play.score());
    play.hit(level.completionTarget);
    EXPECT_FALSE(h.loaded(level.name));
    EXPECT_EQ(h.front(), level.nextScreen);
    EXPECT_GT(before + play.slot(level.completionTarget).points, level.threshold);
  }
}

TEST(LevelShots, Level1At350ThroughOtherTargetsWaitsForPicture3) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  play.setScore(320);
  for (std::string_view t : {"Picture4", "Picture5", "Picture6"})
    play.hit(t);
  EXPECT_EQ(play.score(), "350");
  EXPECT_TRUE(h.loaded("level1"));
  play.hit("Picture3");
  EXPECT_EQ(h.loadedKinds(), Kinds{"Mise2"});
}

TEST(LevelShots, TheCompletingHitOnTheLastCartridgeShowsReloadAndBriefingAndUnloadsTheLevel) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  for (int i = 0; i < 9; ++i)
    play.miss();
  play.setScore(300);
  play.hit("Picture3");
  EXPECT_EQ(h.loadedKinds(), (Kinds{"Mise2", "nabíjení"}));
  EXPECT_EQ(h.front(), "Mise2") << "the briefing was shown after the reload screen";
  h.sound.played.clear();
  h.advance(3000);
  EXPECT_EQ(h.loadedKinds(), Kinds{"Mise2"}) << "the reload closes itself and loads no level";
  EXPECT_EQ(h.sound.played, Kinds{"data/reload.wav"});
}

TEST(LevelShots, Level5ScoresTwentyForTheCommandoAndTenForTheOthers) {
  Harness h;
  h.show("level5");
  LevelPlay play(h, "level5");
  const std::pair<std::string_view, int> hits[] = {
      {"Picture6", 20}, {"Picture4", 30}, {"Picture10", 40}, {"Picture8", 50}};
  for (const auto& [target, expected] : hits) {
    play.hit(target);
    EXPECT_EQ(play.score(), ui::counterText(expected)) << target;
  }
}

// Clicks that reach a picture without a click handler use no cartridge and play nothing.
void expectNoShot(Harness& h, LevelPlay& play, std::string_view widget, ui::Point at) {
  SCOPED_TRACE(widget);
  ASSERT_TRUE(play.visible(widget));
  const std::string magazine = play.magazine();
  const std::string score = play.score();
  const std::size_t sounds = h.sound.played.size();
  h.click(play.def().name, at.x, at.y);
  EXPECT_EQ(play.magazine(), magazine);
  EXPECT_EQ(play.score(), score);
  EXPECT_EQ(h.sound.played.size(), sounds);
}

TEST(LevelShots, HitHoverCentreAndCoverPicturesAreNoShot) {
  Harness h;
  h.show("level1");
  LevelPlay level1(h, "level1");
  level1.hit("Picture4");
  expectNoShot(h, level1, "Picture10", centreOf(widgetOf(level1.def().screen, "Picture10").rect));
  level1.moveOver("Image1");
  expectNoShot(h, level1, "Picture1", {250, 300});

  h.show("level2");
  LevelPlay level2(h, "level2");
  expectNoShot(h, level2, "Picture9", {284, 324});  // the bottom rows of the centre picture

  h.show("level3");
  LevelPlay level3(h, "level3");
  level3.moveOver("Image1");
  expectNoShot(h, level3, "Picture2", {300, 200});  // the cover picture beside the turned weapon
}

enum class LabelClick { Miss, Reset, Nothing };

struct HudCase {
  std::string_view level;
  LabelClick score;
  LabelClick magazine;
};

constexpr HudCase hudCases[] = {
    {"level1", LabelClick::Miss, LabelClick::Miss},       {"level2", LabelClick::Reset, LabelClick::Nothing},
    {"level3", LabelClick::Miss, LabelClick::Miss},       {"level4", LabelClick::Reset, LabelClick::Nothing},
    {"level5", LabelClick::Nothing, LabelClick::Nothing},
};

void expectLabelClick(Harness& h, LevelPlay& play, std::string_view label, LabelClick expected) {
  SCOPED_TRACE(label);
  play.setScore(70);
  const int magazine = ui::readCounter(play.magazine());
  const std::size_t sounds = h.sound.played.size();
  play.clickWidget(label);
  const bool shot = expected == LabelClick::Miss;
  EXPECT_EQ(play.magazine(), ui::counterText(shot ? magazine - 1 : magazine));
  EXPECT_EQ(play.score(), expected == LabelClick::Reset ? "0" : "70");
  EXPECT_EQ(h.sound.played.size(), sounds + (shot ? 1 : 0));
}

TEST(LevelShots, HeadUpLabelClicksFollowTheStacking) {
  for (const HudCase& c : hudCases) {
    SCOPED_TRACE(c.level);
    Harness h;
    h.show(c.level);
    LevelPlay play(h, c.level);
    expectLabelClick(h, play, levels::kScoreLabel, c.score);
    expectLabelClick(h, play, levels::kMagazineLabel, c.magazine);
  }
}

TEST(LevelShots, TheExitLabelEndsTheProgramUnlessAReloadIsRunning) {
  for (const levels::LevelDef& level : levels::levelCatalogue()) {
    SCOPED_TRACE(level.name);
    Harness h;
    h.show(level.name);
    LevelPlay play(h, level.name);
    for (int i = capacity(level); i > 0; --i)
      play.miss();
    play.clickWidget(level.exitLabel);
    EXPECT_FALSE(h.registry.ended()) << "the level is disabled during the reload";
    h.advance(2000);
    const std::size_t sounds = h.sound.played.size();
    play.clickWidget(level.exitLabel);
    EXPECT_TRUE(h.registry.ended());
    EXPECT_EQ(h.sound.played.size(), sounds);
  }
}

TEST(LevelShots, ALevelShownAgainStartsFromItsTable) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  play.hit("Picture4");
  play.miss();
  h.show("Mise2");
  h.registry.unload("level1");
  h.advance(10'000);
  h.show("level1");
  EXPECT_EQ(play.magazine(), "10");
  EXPECT_EQ(play.score(), "0");
  for (const levels::TargetSlot& slot : play.def().slots) {
    EXPECT_FALSE(play.visible(slot.target));
    EXPECT_FALSE(play.visible(slot.hitPicture));
  }
  h.advance(2599);
  EXPECT_FALSE(play.visible("Picture4")) << "its timers start afresh";
  h.advance(1);
  EXPECT_TRUE(play.visible("Picture4"));
}

}  // namespace
}  // namespace vargo::test
