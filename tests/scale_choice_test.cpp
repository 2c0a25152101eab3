// SPDX-License-Identifier: GPL-3.0-or-later
// The scale the game takes from the desktop: its resolution as a whole factor of 96, at most 4, lowered
// until the largest window fits.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/scale_choice.h"
#include "app/screen_kinds.h"
#include "platform/sdl/desktop_scale.h"

namespace vargo {
namespace {

// The article, 845 x 733 at 98, 12, reaches farthest.
TEST(ScaleChoice, TheWindowsReachAsFarAsTheArticleAtItsPlace) {
  EXPECT_EQ(app::windowsExtent(app::screenKinds()), (ui::Size{98 + 845, 12 + 733}));
}

TEST(ScaleChoice, AnAskedScaleThatDoesNotFitIsLoweredToTheLargestThatDoes) {
  const ui::Size extent{943, 745};
  EXPECT_EQ(app::askedScale(4, ui::Size{1920, 1080}, extent).k, 1);
  EXPECT_EQ(app::askedScale(3, ui::Size{3840, 2160}, extent).k, 2);
  EXPECT_EQ(app::askedScale(3, ui::Size{3840, 2235}, extent).k, 3);
  EXPECT_EQ(app::askedScale(4, std::nullopt, extent).k, 4);
}

// Two monitors side by side, the right one primary and with a panel at its top.
TEST(ScaleChoice, WindowsStandOnTheMonitorThatHoldsThePointer) {
  const platform::Monitor left{{0, 0, 1920, 1080}, false};
  const platform::Monitor right{{1920, 0, 1920, 1080}, true};
  const std::vector monitors{left, right};
  EXPECT_EQ(platform::monitorAt(monitors, ui::Point{100, 100})->bounds, left.bounds);
  EXPECT_EQ(platform::monitorAt(monitors, ui::Point{1920, 540})->bounds, right.bounds);
  EXPECT_EQ(platform::monitorAt(monitors, std::nullopt)->bounds, right.bounds) << "the primary one";
  EXPECT_EQ(platform::monitorAt(monitors, ui::Point{-5, 2000})->bounds, right.bounds) << "the primary one";
  EXPECT_FALSE(platform::monitorAt({}, ui::Point{0, 0}));

  const platform::Desktop desktop{right.bounds, {1920, 30, 1920, 1050}};
  const auto inside = [&](ui::Point at, ui::Size size) {
    return ui::intersection(desktop.usable, {at.x, at.y, size.width, size.height}) ==
           ui::Rect{at.x, at.y, size.width, size.height};
  };
  const ui::Point centred = platform::placeOn(desktop, {600, 400}, std::nullopt);
  EXPECT_EQ(centred.x, 1920 + 660);
  EXPECT_EQ(centred.y, 30 + 325);
  const ui::Point placed = platform::placeOn(desktop, {845, 733}, ui::Point{98, 12});
  EXPECT_EQ(placed.x, 1920 + 98) << "from the monitor's corner";
  EXPECT_TRUE(inside(placed, {845, 733})) << "moved below the panel";
  EXPECT_TRUE(inside(platform::placeOn(desktop, {845, 733}, ui::Point{1500, 900}), {845, 733}));
  EXPECT_EQ(platform::placeOn(desktop, {4000, 2000}, std::nullopt).x, 1920) << "too large: at the corner";
}

TEST(ScaleChoice, TheDesktopsScaleIsLoweredUntilTheLargestWindowFits) {
  const ui::Size akce{845, 733};
  struct Case {
    int desktop;
    std::optional<ui::Size> usable;
    int expected;
  };
  for (const Case& c :
       {Case{2, ui::Size{3840, 2160}, 2}, Case{4, ui::Size{3840, 2160}, 2}, Case{3, ui::Size{1920, 1080}, 1},
        Case{2, ui::Size{1690, 1466}, 2}, Case{2, ui::Size{1689, 1466}, 1}, Case{9, ui::Size{8000, 6000}, 4},
        Case{0, ui::Size{8000, 6000}, 1}, Case{3, std::nullopt, 3}}) {
    EXPECT_EQ(app::fittedScale(c.desktop, c.usable, akce).k, c.expected) << c.desktop;
  }
}

TEST(ScaleChoice, AResolutionIsRoundedToAWholeFactorOf96) {
  EXPECT_EQ(platform::scaleOfDpi(96), 1);
  EXPECT_EQ(platform::scaleOfDpi(143), 1);
  EXPECT_EQ(platform::scaleOfDpi(144), 2);
  EXPECT_EQ(platform::scaleOfDpi(288), 3);
  EXPECT_EQ(platform::scaleOfDpi(0), 1);
  EXPECT_EQ(platform::scaleOfDpi(std::nan("")), 1);
}

TEST(ScaleChoice, XftDpiIsReadFromTheResourceDatabase) {
  EXPECT_EQ(platform::xftDpi("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0);
  EXPECT_EQ(platform::xftDpi("Xft.dpi: 144.5"), 144.5);
  EXPECT_EQ(platform::xftDpi("Xcursor.size:\t48\n*Xft.dpi-like:\t1\n"), std::nullopt);
  EXPECT_EQ(platform::xftDpi(""), std::nullopt);
}

}  // namespace
}  // namespace vargo
