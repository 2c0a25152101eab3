// SPDX-License-Identifier: GPL-3.0-or-later
// The scale the game takes from the desktop: its resolution as a whole factor of 96, at most 4, lowered
// until the largest window fits.

#include <gtest/gtest.h>

#include <cmath>

#include "app/scale_choice.h"
#include "app/screen_kinds.h"
#include "platform/sdl/desktop_scale.h"

namespace vargo {
namespace {

TEST(ScaleChoice, TheLargestWindowIsTheArticle) {
  EXPECT_EQ(app::largestWindow(app::screenKinds()), (ui::Size{845, 733}));
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
