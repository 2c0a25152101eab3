// SPDX-License-Identifier: GPL-3.0-or-later
// The player's weapon follows the pointer: turned left over the left image area, right over the right
// one, straight ahead over the bare surface.

#include <gtest/gtest.h>

#include "levels/level_catalogue.h"
#include "support/level_play.h"

namespace vargo::test {
namespace {

struct Pose {
  std::string_view level;
  std::vector<std::string_view> left, right, straight;  // visible over Image1, Image2, the surface
  std::vector<std::string_view> hover;                  // every picture that the pose shows or hides
};

const Pose poses[] = {
    {"level1", {"Picture1"}, {"Picture2"}, {}, {"Picture1", "Picture2"}},
    {"level2",
     {"Picture8", "Picture9"},
     {"Picture2", "Picture9"},
     {"Picture9"},
     {"Picture2", "Picture8", "Picture9"}},
    {"level3", {"Picture1", "Picture2"}, {"Picture2", "Picture3"}, {}, {"Picture1", "Picture2", "Picture3"}},
    {"level4", {"Picture1"}, {"Picture2"}, {}, {"Picture1", "Picture2"}},
    {"level5", {"Picture1", "Picture2"}, {"Picture2", "Picture3"}, {}, {"Picture1", "Picture2", "Picture3"}},
};

std::vector<std::string_view> shown(LevelPlay& play, const Pose& pose) {
  std::vector<std::string_view> visible;
  for (std::string_view p : pose.hover) {
    if (play.visible(p))
      visible.push_back(p);
  }
  return visible;
}

std::vector<std::string_view> both(std::vector<std::string_view> a, const std::vector<std::string_view>& b) {
  for (std::string_view p : b) {
    if (std::ranges::find(a, p) == a.end())
      a.push_back(p);
  }
  std::ranges::sort(a);
  return a;
}

TEST(WeaponPose, LeftThenStraightThenRight) {
  for (const Pose& pose : poses) {
    SCOPED_TRACE(pose.level);
    Harness h;
    h.show(pose.level);
    LevelPlay play(h, pose.level);
    EXPECT_EQ(shown(play, pose), pose.straight) << "at load";
    play.moveOver("Image1");
    EXPECT_EQ(shown(play, pose), both(pose.left, {}));
    play.moveOverSurface();
    EXPECT_EQ(shown(play, pose), pose.straight);
    play.moveOver("Image2");
    EXPECT_EQ(shown(play, pose), both(pose.right, {}));
  }
}

TEST(WeaponPose, JumpingFromOneAreaToTheOtherLeavesBothTurnedWeaponsUp) {
  for (const Pose& pose : poses) {
    SCOPED_TRACE(pose.level);
    Harness h;
    h.show(pose.level);
    LevelPlay play(h, pose.level);
    play.moveOver("Image1");
    play.moveOver("Image2");
    EXPECT_EQ(shown(play, pose), both(pose.left, pose.right));
    play.moveOverSurface();
    EXPECT_EQ(shown(play, pose), pose.straight);
  }
}

TEST(WeaponPose, MovesOverATargetOrALabelChangeNothing) {
  Harness h;
  h.show("level1");
  LevelPlay play(h, "level1");
  play.moveOver("Image1");
  play.waitFor("Picture3");
  play.moveOnto("Picture3");
  EXPECT_TRUE(play.visible("Picture1"));
  play.clickWidget("Picture3");
  play.moveOnto("Picture9");
  EXPECT_TRUE(play.visible("Picture1")) << "the pointer rests on the target while it is hit";
  play.moveOnto("Label3");
  EXPECT_TRUE(play.visible("Picture1"));
}

}  // namespace
}  // namespace vargo::test
