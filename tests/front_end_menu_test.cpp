// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: its four painted buttons, the credits box, quitting, and a new game after a finished one.

#include <gtest/gtest.h>

#include "screens/texts.h"
#include "support/front_end_probe.h"
#include "support/harness.h"

namespace vargo::test {
namespace {

using Kinds = std::vector<std::string>;

struct Spot {
  int x;
  int y;
};

TEST(FrontEndMenu, ClicksBesideTheButtonsDoNothing) {
  const Spot spots[] = {
      {200, 60},   // the title artwork
      {200, 430},  // the motto
      {230, 454},  // the studio name
      {200, 212},  // between "Nová hra" and "O Vargo"
      {200, 276},  // between "O Vargo" and "CREDITS"
      {200, 340},  // between "CREDITS" and "KONEC"
      {115, 170},  // just left of "Nová hra"
      {341, 300},  // just right of "CREDITS"
      {200, 409},  // just below "KONEC"
      {2, 2},      // a transparent corner
      {458, 200},  // the white column the picture does not reach
  };
  for (const Spot& s : spots) {
    Harness h;
    h.show("Vargo1");
    h.click("Vargo1", s.x, s.y);
    EXPECT_EQ(h.loadedKinds(), Kinds{"Vargo1"}) << s.x << ", " << s.y;
    EXPECT_TRUE(h.platform.messages().empty()) << s.x << ", " << s.y;
    EXPECT_FALSE(h.registry.ended()) << s.x << ", " << s.y;
  }
}

TEST(FrontEndMenu, EachButtonAnswersOverItsWholeArea) {
  struct Case {
    Spot at;
    Kinds loaded;
  };
  const Case cases[] = {
      {{116, 148}, {"Mise1"}}, {{340, 208}, {"Mise1"}},  // "Nová hra", two opposite corners
      {{116, 216}, {"About"}}, {{340, 272}, {"About"}},  // "O Vargo"
      {{116, 344}, {}},        {{340, 408}, {}},         // "KONEC"
  };
  for (const Case& c : cases) {
    Harness h;
    h.show("Vargo1");
    h.click("Vargo1", c.at.x, c.at.y);
    EXPECT_EQ(h.loadedKinds(), c.loaded) << c.at.x << ", " << c.at.y;
    EXPECT_EQ(h.registry.ended(), c.loaded.empty()) << c.at.x << ", " << c.at.y;
  }
}

TEST(FrontEndMenu, CreditsShowTheSameBoxEveryTimeAndTheMenuStays) {
  Harness h;
  h.show("Vargo1");
  const Spot presses[] = {{116, 280}, {228, 308}, {340, 336}};
  for (const Spot& s : presses)
    h.click("Vargo1", s.x, s.y);
  ASSERT_EQ(h.platform.messages().size(), 3U);
  for (const auto& m : h.platform.messages()) {
    EXPECT_EQ(m.title, "CREDITS");
    EXPECT_EQ(m.text, texts::creditsText);
  }
  EXPECT_EQ(h.loadedKinds(), Kinds{"Vargo1"});
  EXPECT_EQ(h.front(), "Vargo1");
  h.click("Vargo1", 228, 178);
  EXPECT_EQ(h.loadedKinds(), Kinds{"Mise1"}) << "the menu still answers after the box";
}

TEST(FrontEndMenu, QuitEndsAtOnceAndShowsNothing) {
  Harness h;
  h.show("Vargo1");
  h.click("Vargo1", 228, 376);
  EXPECT_TRUE(h.registry.ended());
  EXPECT_TRUE(h.platform.windows().empty());
  EXPECT_TRUE(h.platform.messages().empty());
  EXPECT_TRUE(h.sound.played.empty());
  EXPECT_EQ(h.registry.instanceCount(), 1) << "no other screen was ever made";
}

TEST(FrontEndMenu, ButtonsShowTheLevelCursorAndTheRestTheArrow) {
  Harness h;
  h.show("Vargo1");
  EXPECT_EQ(pointerAfterMove(h, "Vargo1", 228, 178), ui::Pointer::LevelCursor);
  EXPECT_EQ(pointerAfterMove(h, "Vargo1", 228, 376), ui::Pointer::LevelCursor);
  EXPECT_EQ(pointerAfterMove(h, "Vargo1", 200, 430), ui::Pointer::Arrow) << "the motto";
  EXPECT_EQ(pointerAfterMove(h, "Vargo1", 200, 60), ui::Pointer::Arrow) << "the artwork";
}

TEST(FrontEndMenu, ANewGameAfterTheVictoryStartsTheFirstLevelAfresh) {
  Harness h;
  h.show("Vargo1");
  h.click("Vargo1", 228, 178);  // "Nová hra"
  h.click("Mise1", 678, 438);   // the arrow
  ASSERT_EQ(h.loadedKinds(), Kinds{"level1"});
  h.click("level1", 300, 20);  // a miss
  h.advance(2600);
  ASSERT_TRUE(h.visible("level1", "Picture4"));
  h.click("level1", 45, 150);  // a hit
  ASSERT_EQ(h.caption("level1", "Label1"), "8");
  ASSERT_EQ(h.caption("level1", "Label2"), "10");
  // The rest of the game, as its last level ends it.
  h.show("win");
  h.registry.unload("level1");

  h.click("win", 680, 440);
  ASSERT_EQ(h.loadedKinds(), Kinds{"About"});
  h.click("About", 308, 664);  // "OK"
  ASSERT_EQ(h.loadedKinds(), Kinds{"Vargo1"});
  h.click("Vargo1", 228, 178);
  ASSERT_EQ(h.loadedKinds(), Kinds{"Mise1"});
  h.click("Mise1", 678, 438);
  ASSERT_EQ(h.loadedKinds(), Kinds{"level1"});
  EXPECT_EQ(h.caption("level1", "Label1"), "10");
  EXPECT_EQ(h.caption("level1", "Label2"), "0");
}

}  // namespace
}  // namespace vargo::test
