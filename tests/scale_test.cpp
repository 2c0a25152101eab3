// SPDX-License-Identifier: GPL-3.0-or-later
// The game at scale 2: windows, pictures, text, frames and pointers at twice their size and place, each
// widget painting exactly twice its rectangle, and the mouse taken back to logical pixels before a hit test.

#include <gtest/gtest.h>

#include "app/screen_kinds.h"
#include "support/level_play.h"
#include "support/painted_screen.h"
#include "support/widget_points.h"

namespace vargo::test {
namespace {

constexpr media::Scale k2{2};

testing::AssertionResult samePoint(ui::Point actual, ui::Point expected) {
  if (actual.x == expected.x && actual.y == expected.y)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << actual.x << "," << actual.y << " instead of " << expected.x << ","
                                     << expected.y;
}

// A device pixel belongs to the logical pixel that holds it, left and above the window too: a release just
// outside a window's left edge is outside it at every scale.
constexpr bool logicalPixelsHoldTheirDevicePixels() {
  for (int k = media::Scale::kMin; k <= media::Scale::kMax; ++k) {
    for (int v = -3 * k; v <= 3 * k; ++v) {
      const int l = media::Scale{k}.logical({v, v}).x;
      if (l * k > v || v >= (l + 1) * k)
        return false;
    }
  }
  return true;
}
static_assert(logicalPixelsHoldTheirDevicePixels());

TEST(Scale, EveryWindowIsTwiceItsSizeAtTwiceItsPlace) {
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    SCOPED_TRACE(kind.name);
    Harness h(k2);
    h.show(kind.name);
    const auto id = h.registry.windowOf(kind.name);
    if (!id)
      continue;  // a screen that moves on at once
    const platform::HeadlessPlatform::Window& w = *h.platform.window(*id);
    const ui::WindowDef& def = kind.def->window;
    EXPECT_EQ(w.spec.client, k2.of(def.client));
    EXPECT_EQ(w.spec.position.has_value(), !def.placement.centred);
    if (w.spec.position) {
      EXPECT_TRUE(samePoint(*w.spec.position, k2.of(def.placement.at)));
    }
  }
}

// Showing or hiding a picture, or a new caption, changes pixels only inside twice the widget's rectangle.
TEST(Scale, AWidgetPaintsExactlyTwiceItsRectangle) {
  int changes = 0;
  for (const ui::ScreenKind& kind : app::screenKinds()) {
    PaintedScreen painted(kind.name, media::installedFont, k2);
    ASSERT_EQ(painted.pixels().width, k2.of(kind.def->window.client.width));
    for (const ui::WidgetDef& w : kind.def->widgets) {
      SCOPED_TRACE(std::string(kind.name) + " " + std::string(w.name));
      const Snapshot before = painted.snapshot();
      if (w.kind == ui::WidgetKind::Picture)
        painted.screen().setVisible(w.name, !painted.screen().isVisible(w.name));
      else if (w.kind == ui::WidgetKind::Label)
        painted.screen().setCaption(w.name, "Ž W Ž W");
      else
        continue;
      painted.repaint();
      const ui::Rect changed = differences(before, painted.snapshot());
      if (changed.empty())
        continue;  // under another widget, or the same pixels
      ++changes;
      EXPECT_TRUE(inside(changed, k2.of(w.rect)))
          << "changed " << changed.x << "," << changed.y << " " << changed.width << "x" << changed.height;
    }
  }
  EXPECT_GT(changes, 50) << "widgets whose change showed";
}

TEST(Scale, TheFrameOfABorderedPictureIsTwoPixelsWide) {
  PaintedScreen painted("level2", media::installedFont, k2);
  const ui::Rect r = k2.of(painted.widget("Picture9").rect);
  const ui::Point middle = centreOf(r);
  for (int in = 0; in < 3; ++in) {
    const bool frame = in < 2;
    SCOPED_TRACE(in);
    EXPECT_EQ(painted.at(r.x + in, middle.y) == ui::palette::windowFrame, frame);
    EXPECT_EQ(painted.at(r.right() - 1 - in, middle.y) == ui::palette::windowFrame, frame);
    EXPECT_EQ(painted.at(middle.x, r.y + in) == ui::palette::windowFrame, frame);
    EXPECT_EQ(painted.at(middle.x, r.bottom() - 1 - in) == ui::palette::windowFrame, frame);
  }
}

TEST(Scale, ThePointerAndTheIconAreTwiceTheirSizeWithTwiceTheHotSpot) {
  Harness one;
  Harness two(k2);
  ASSERT_EQ(one.platform.cursorImages().size(), 1U);
  ASSERT_EQ(two.platform.cursorImages().size(), 1U);
  const auto& small = one.platform.cursorImages()[0];
  const auto& large = two.platform.cursorImages()[0];
  EXPECT_EQ(large.size, k2.of(small.size));
  EXPECT_TRUE(samePoint(large.hotSpot, k2.of(small.hotSpot)));
  one.show("Mise1");
  two.show("Mise1");
  const ui::Size icon = one.platform.window(*one.registry.windowOf("Mise1"))->icon;
  EXPECT_FALSE(icon == ui::Size{});
  EXPECT_EQ(two.platform.window(*two.registry.windowOf("Mise1"))->icon, k2.of(icon));
}

// Whether a click at a device pixel of the level scores, at the scale.
bool scores(media::Scale scale, std::string_view target, ui::Point device) {
  Harness h(scale);
  h.show("level1");
  LevelPlay play(h, "level1");
  play.waitFor(target);
  h.click("level1", device.x, device.y);
  return play.score() != "0";
}

TEST(Scale, AClickOnEveryDevicePixelOfASpotHitsWhatItHitsAtScaleOne) {
  const std::string_view target = levelDef("level1").slots[0].target;
  const ui::Rect rect = widgetOf(levelDef("level1").screen, target).rect;
  const int y = centreOf(rect).y;
  for (int x = rect.x - 1; x <= rect.x; ++x) {
    const bool hit = scores({}, target, {x, y});
    EXPECT_EQ(hit, x == rect.x) << "at scale 1, x " << x;
    for (const ui::Point d :
         {ui::Point{2 * x, 2 * y}, {2 * x + 1, 2 * y}, {2 * x, 2 * y + 1}, {2 * x + 1, 2 * y + 1}})
      EXPECT_EQ(scores(k2, target, d), hit) << "device pixel " << d.x << "," << d.y;
  }
}

TEST(Scale, AShotPresentsTwiceTheChangedAreas) {
  Harness h(k2);
  h.show("level1");
  LevelPlay play(h, "level1");
  const platform::WindowId id = *h.registry.windowOf("level1");
  play.miss();
  const auto& areas = h.platform.window(id)->presented;
  ASSERT_FALSE(areas.empty());
  const ui::Rect magazine = k2.of(widgetOf(play.def().screen, levels::kMagazineLabel).rect);
  bool holdsMagazine = false;
  for (const ui::Rect& a : areas) {
    EXPECT_EQ((a.x | a.y | a.width | a.height) % 2, 0)
        << a.x << "," << a.y << " " << a.width << "x" << a.height;
    holdsMagazine = holdsMagazine || inside(magazine, a);
  }
  EXPECT_TRUE(holdsMagazine) << "the magazine label's area is presented after a shot";
}

}  // namespace
}  // namespace vargo::test
