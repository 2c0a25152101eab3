// SPDX-License-Identifier: GPL-3.0-or-later
// The reload screen: it locks the level, measures two seconds, refills the magazine and closes itself.

#include <gtest/gtest.h>

#include <stdexcept>

#include "levels/level_catalogue.h"
#include "support/level_play.h"
#include "ui/counter.h"

namespace vargo::test {
namespace {

using Kinds = std::vector<std::string>;

void emptyMagazine(LevelPlay& play) {
  for (int i = ui::readCounter(play.magazine()); i > 0; --i)
    play.miss();
}

float bar(Harness& h) {
  return h.screen("nabíjení").value("prbEgg");
}

TEST(Reload, ComesUpGreyCentredAndEmptyAndLocksOnlyVisibleLevels) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  emptyMagazine(play);
  ASSERT_TRUE(h.loaded("nabíjení"));
  EXPECT_EQ(h.front(), "nabíjení");
  const auto* window = h.platform.window(*h.registry.windowOf("nabíjení"));
  EXPECT_EQ(window->spec.client.width, 312);
  EXPECT_EQ(window->spec.client.height, 61);
  EXPECT_FALSE(window->spec.position.has_value());
  EXPECT_EQ(bar(h), 0.0F);
  EXPECT_EQ(h.caption("nabíjení", "Label1"), "Přebíjím");
  EXPECT_FALSE(h.screen("level1").enabled());
  EXPECT_FALSE(h.loaded("level2")) << "asking whether a level is visible never loads it";
}

TEST(Reload, RefillsEachLevelToItsCapacityAboutTwoSecondsAfterTheLastShot) {
  for (const levels::LevelDef& level : levels::levelCatalogue()) {
    SCOPED_TRACE(level.name);
    Harness h;
    h.show(level.name);
    LevelPlay play(h, level.name);
    emptyMagazine(play);
    h.sound.played.clear();
    h.advance(1999);
    EXPECT_TRUE(h.loaded("nabíjení"));
    EXPECT_EQ(play.magazine(), "0");
    h.advance(1);
    EXPECT_FALSE(h.loaded("nabíjení"));
    EXPECT_EQ(play.magazine(), level.magazine);
    EXPECT_TRUE(h.screen(level.name).enabled());
    EXPECT_EQ(h.sound.played, Kinds{"data/reload.wav"});
  }
}

TEST(Reload, ClicksDuringTheReloadDoNothingWhileTargetsStillCome) {
  Harness h;
  h.show("level2");
  LevelPlay play(h, "level2");
  h.advance(1000);
  emptyMagazine(play);
  const std::size_t sounds = h.sound.played.size();
  h.advance(1500);
  ASSERT_TRUE(h.loaded("nabíjení"));
  ASSERT_TRUE(play.visible("Picture3")) << "up at 2000 ms after load";
  play.clickWidget("Picture3");
  play.miss();
  play.clickWidget("Label6");
  play.moveOver("Image1");
  EXPECT_FALSE(h.registry.ended());
  EXPECT_EQ(play.magazine(), "0");
  EXPECT_EQ(play.score(), "0");
  EXPECT_TRUE(play.visible("Picture3"));
  EXPECT_FALSE(play.visible("Picture8")) << "the weapon pose does not change";
  EXPECT_EQ(h.sound.played.size(), sounds);
}

TEST(Reload, TheBarShowsZeroThenCompletesAndASecondReloadStartsEmptyAgain) {
  Harness h;
  h.show("level3");
  LevelPlay play(h, "level3");
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    emptyMagazine(play);
    std::vector<float> values;
    ui::Millis waited = 0;
    while (h.loaded("nabíjení")) {
      values.push_back(bar(h));
      ASSERT_EQ(h.caption("nabíjení", "Label1"), "Přebíjím");
      h.advance(10);
      waited += 10;
    }
    EXPECT_GE(waited, 2000U) << "a reload lasts its two seconds, the second as the first";
    EXPECT_LE(waited, 3000U);
    EXPECT_EQ(values.front(), 0.0F);
    const auto belowFull = std::ranges::count_if(values, [](float v) { return v > 0.0F; });
    EXPECT_LE(belowFull, 100) << "at most one value just under 100, held for one second";
    for (float v : values)
      EXPECT_TRUE(v == 0.0F || (v >= 99.0F && v < 100.0F)) << v;
  }
}

TEST(Reload, CompletesOnTimeWhateverTheClockShowsAtTheStart) {
  // Midnight, and a clock that has run for weeks: the reload measures elapsed time only.
  for (ui::Millis start : {ui::Millis{86'400'000 - 500}, ui::Millis{86'400'000 * 40ULL - 1}}) {
    SCOPED_TRACE(start);
    Harness h;
    h.clock.set(start);
    h.show("level1");
    LevelPlay play(h, "level1");
    emptyMagazine(play);
    h.advance(2000);
    EXPECT_FALSE(h.loaded("nabíjení"));
    EXPECT_EQ(play.magazine(), "10");
  }
}

// Completes level1 with its last cartridge, so its reload runs on behind Mise2, and starts level2 from
// the briefing half a second later, while that reload is still up.
void startLevel2BehindARunningReload(Harness& h) {
  h.show("level1");
  LevelPlay level1(h, "level1");
  for (int i = 0; i < 9; ++i)
    level1.miss();
  level1.setScore(300);
  level1.hit("Picture3");
  ASSERT_EQ(h.loadedKinds(), (Kinds{"Mise2", "nabíjení"}));
  h.advance(500);
  h.show("level2");
  h.registry.unload("Mise2");
}

TEST(Reload, AReloadBehindTheNextBriefingRefillsALevelStartedBeforeItCloses) {
  Harness h;
  startLevel2BehindARunningReload(h);
  LevelPlay level2(h, "level2");
  EXPECT_TRUE(h.screen("level2").enabled()) << "the running reload does not lock a level shown later";
  level2.miss();
  level2.miss();
  EXPECT_EQ(level2.magazine(), "8");
  h.advance(1500);
  EXPECT_FALSE(h.loaded("nabíjení"));
  EXPECT_EQ(level2.magazine(), "10") << "refilled by the earlier reload, two seconds after it began";
}

TEST(Reload, AnEmptyMagazineUnderARunningReloadRefusesShotsUntilTheRefill) {
  Harness h;
  startLevel2BehindARunningReload(h);
  LevelPlay level2(h, "level2");
  emptyMagazine(level2);
  EXPECT_EQ(level2.magazine(), "0");
  EXPECT_TRUE(h.screen("level2").enabled()) << "showing the running reload only raises it";
  EXPECT_EQ(h.front(), "nabíjení");
  const std::size_t sounds = h.sound.played.size();
  level2.miss();
  EXPECT_EQ(level2.magazine(), "0") << "no cartridge: the shot is refused";
  EXPECT_EQ(h.sound.played.size(), sounds);
  h.advance(2000);
  EXPECT_EQ(level2.magazine(), "10");
}

TEST(Reload, ClosingTheReloadWindowFinishesTheReloadAtOnce) {
  Harness h;
  h.show("level4");
  LevelPlay play(h, "level4");
  emptyMagazine(play);
  h.close("nabíjení");
  EXPECT_FALSE(h.loaded("nabíjení"));
  EXPECT_EQ(play.magazine(), "20");
  EXPECT_TRUE(h.screen("level4").enabled()) << "the level is never left locked";
}

// A sound player that fails at run time (no device, no memory) never costs a shot or a reload; a fault in
// the game's own code is not hidden.
TEST(Reload, AShotAndTheReloadCompleteWhenTheSoundPlayerFails) {
  Harness h;
  h.sound.fault = [] { throw std::runtime_error("the audio device went away"); };
  h.show("level1");
  LevelPlay play(h, "level1");
  const std::string full = play.magazine();
  play.miss();
  EXPECT_NE(play.magazine(), full) << "the shot took a cartridge";
  emptyMagazine(play);
  ASSERT_TRUE(h.loaded("nabíjení")) << "the last shot opened the reload";
  h.advance(2000);
  EXPECT_FALSE(h.loaded("nabíjení")) << "the reload screen closed";
  EXPECT_EQ(play.magazine(), full);
  EXPECT_EQ(h.sound.played.back(), "data/reload.wav");
  h.sound.fault = [] { throw std::logic_error("a fault of the game's own"); };
  EXPECT_THROW(play.miss(), std::logic_error);
}

}  // namespace
}  // namespace vargo::test
