// SPDX-License-Identifier: GPL-3.0-or-later
// The screen registry: one instance per kind, load on first show, show before unload, the end of the
// program, disabled screens and close requests.

#include <gtest/gtest.h>

#include "support/harness.h"

namespace vargo::test {
namespace {

using Kinds = std::vector<std::string>;

TEST(Registry, StartShowsOnlyTheMenu) {
  Harness h;
  h.show("Vargo1");
  EXPECT_EQ(h.loadedKinds(), Kinds{"Vargo1"});
  EXPECT_EQ(h.registry.instanceCount(), 1);
  EXPECT_FALSE(h.registry.ended());
  ASSERT_EQ(h.platform.windows().size(), 1U);
  const auto& w = h.platform.windows().begin()->second;
  EXPECT_TRUE(w.shown);
  EXPECT_EQ(w.spec.title, "Vargo - Tarnok");
  EXPECT_EQ(w.spec.client.width, 459);
  EXPECT_EQ(w.spec.client.height, 469);
  EXPECT_FALSE(w.spec.position.has_value()) << "the menu is centred";
}

TEST(Registry, ShowingAShownScreenOnlyBringsItToTheFront) {
  Harness h;
  h.show("About");
  h.show("akce");
  const auto akceWindow = h.registry.windowOf("akce");
  EXPECT_EQ(h.front(), "akce");
  h.show("About");
  EXPECT_EQ(h.front(), "About");
  h.show("akce");
  EXPECT_EQ(h.front(), "akce");
  EXPECT_EQ(h.registry.windowOf("akce"), akceWindow) << "still the same window";
  EXPECT_EQ(h.platform.windows().size(), 2U);
  EXPECT_EQ(h.registry.instanceCount(), 2);
}

TEST(Registry, AkceIsPlacedAtItsDesktopPositionAndTheOthersCentred) {
  Harness h;
  h.show("akce");
  h.show("Uniforma");
  const auto* akce = h.platform.window(*h.registry.windowOf("akce"));
  ASSERT_NE(akce, nullptr);
  ASSERT_TRUE(akce->spec.position.has_value());
  EXPECT_EQ(akce->spec.position->x, 98);
  EXPECT_EQ(akce->spec.position->y, 12);
  EXPECT_FALSE(h.platform.window(*h.registry.windowOf("Uniforma"))->spec.position.has_value());
}

TEST(Registry, UnloadingTheLastScreenEndsTheProgram) {
  Harness h;
  h.show("About");
  h.show("akce");
  h.registry.unload("About");
  EXPECT_FALSE(h.registry.ended()) << "akce is still loaded";
  h.registry.unload("akce");
  EXPECT_TRUE(h.registry.ended());
  EXPECT_TRUE(h.platform.windows().empty());
}

TEST(Registry, EndProgramClosesEverythingAndNothingRunsAfterIt) {
  Harness h;
  h.show("level1");
  h.show("About");
  h.registry.endProgram();
  EXPECT_TRUE(h.registry.ended());
  EXPECT_TRUE(h.platform.windows().empty());
  EXPECT_FALSE(h.registry.nextDeadline().has_value()) << "no timer of a closed screen";
  h.show("Vargo1");
  EXPECT_TRUE(h.platform.windows().empty()) << "nothing is shown once the program has ended";
}

TEST(Registry, VisibilityNeverLoadsAScreen) {
  Harness h;
  h.show("Vargo1");
  EXPECT_FALSE(h.registry.isVisible("level3"));
  EXPECT_EQ(h.registry.instanceCount(), 1);
  h.registry.setEnabled("level3", false);
  h.registry.setVisible("level3", true);
  EXPECT_FALSE(h.loaded("level3"));
  EXPECT_THROW(h.registry.isVisible("level6"), std::logic_error);
}

TEST(Registry, ADisabledScreenIgnoresTheMouseButKeepsItsTimers) {
  Harness h;
  h.show("level1");
  h.registry.setEnabled("level1", false);
  h.click("level1", 300, 20);
  h.move("level1", 100, 150);
  EXPECT_EQ(h.caption("level1", "Label1"), "10") << "no shot";
  EXPECT_FALSE(h.visible("level1", "Picture1")) << "no weapon pose";
  EXPECT_TRUE(h.sound.played.empty());
  h.advance(2600);
  EXPECT_TRUE(h.visible("level1", "Picture4")) << "the target came up while the screen was disabled";
  h.registry.setEnabled("level1", true);
  h.click("level1", 300, 20);
  EXPECT_EQ(h.caption("level1", "Label1"), "9");
}

TEST(Registry, AClickIsAPressAndAReleaseOverTheSameWidget) {
  Harness h;
  h.show("level1");
  h.press("level1", 300, 20, true);   // the surface
  h.press("level1", 100, 20, false);  // the left image area
  EXPECT_EQ(h.caption("level1", "Label1"), "10");
  h.press("level1", 300, 20, false);  // a release without a press
  EXPECT_EQ(h.caption("level1", "Label1"), "10");
  h.press("level1", 100, 20, true);
  h.press("level1", 120, 40, false);
  EXPECT_EQ(h.caption("level1", "Label1"), "9");
}

// The scene is the surface and the two invisible image areas: a press on any of them is a miss where it
// was aimed, whatever comes up under the pointer before the release.
TEST(Registry, APressOnTheSceneIsAMissThereWhenAGunmanComesUpBeforeTheRelease) {
  struct Case {
    const char* on;
    ui::Point at;
    const char* gunman;
    ui::Millis upAfter;
  };
  for (const Case c :
       {Case{"the surface", {300, 100}, "Picture3", 3800}, Case{"Image1", {40, 120}, "Picture4", 2600},
        Case{"Image2", {540, 100}, "Picture5", 4000}}) {
    SCOPED_TRACE(c.on);
    Harness h;
    h.show("level1");
    h.press("level1", c.at.x, c.at.y, true);
    h.advance(c.upAfter);
    ASSERT_TRUE(h.visible("level1", c.gunman));
    h.press("level1", c.at.x, c.at.y, false);
    EXPECT_EQ(h.caption("level1", "Label1"), "9") << "the release over the new gunman fired no cartridge";
    EXPECT_EQ(h.sound.played.size(), 1U) << "no shot sound was played";
    EXPECT_EQ(h.caption("level1", "Label2"), "0") << "a shot aimed at the scene scored a hit";
    EXPECT_TRUE(h.visible("level1", c.gunman));
  }
}

TEST(Registry, AScreenLoadedAgainStartsFromItsDefinition) {
  Harness h;
  h.show("level1");
  h.click("level1", 300, 20);
  h.advance(2600);
  ASSERT_TRUE(h.visible("level1", "Picture4"));
  h.show("About");
  h.registry.unload("level1");
  EXPECT_EQ(h.registry.isVisible("level1"), false);
  h.show("level1");
  EXPECT_EQ(h.caption("level1", "Label1"), "10");
  EXPECT_EQ(h.caption("level1", "Label2"), "0");
  EXPECT_FALSE(h.visible("level1", "Picture4"));
  EXPECT_EQ(h.registry.instanceCount(), 2) << "the instance is kept across the unload";
}

TEST(Registry, ACloseRequestUnloadsThatScreen) {
  Harness h;
  h.show("About");
  h.show("akce");
  h.close("akce");
  EXPECT_EQ(h.loadedKinds(), Kinds{"About"});
  h.close("About");
  EXPECT_TRUE(h.registry.ended());
}

TEST(Registry, TimersOfAnUnloadedScreenNeverTick) {
  Harness h;
  h.show("level1");
  h.show("Mise2");
  h.registry.unload("level1");
  EXPECT_FALSE(h.registry.nextDeadline().has_value());
  h.advance(60000);
  EXPECT_EQ(h.loadedKinds(), Kinds{"Mise2"});
}

}  // namespace
}  // namespace vargo::test
