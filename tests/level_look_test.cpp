// SPDX-License-Identifier: GPL-3.0-or-later
// What the level tables must agree on in what a player sees, checked as rules rather than as a copy of the
// tables: a hit picture is its target with blood added, the two counters of a level paint alike, and every
// picture that lets its background show shows the level's one ground.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "levels/level_catalogue.h"
#include "media/image.h"
#include "support/definitions.h"
#include "support/painted_screen.h"

namespace vargo::test {
namespace {

using levels::LevelDef;

bool splashRed(ui::Colour c) {
  return c.red > 100 && c.red > 2 * std::max(c.green, c.blue);
}

// Pixels, at the same place of both images, that are splash red on the second and not on the first.
int redAdded(const media::Image& target, const media::Image& hit) {
  int added = 0;
  for (int y = 0; y < std::min(target.size().height, hit.size().height); ++y) {
    for (int x = 0; x < std::min(target.size().width, hit.size().width); ++x)
      added += splashRed(rgb(hit.pixels().at(x, y))) && !splashRed(rgb(target.pixels().at(x, y)));
  }
  return added;
}

std::string text(ui::Colour c) {
  return "RGB(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) +
         ")";
}

TEST(LevelLook, EveryHitPictureIsItsTargetWithBloodAdded) {
  constexpr int kLeastSplash = 20;  // pixels; the smallest splash of the game has well over twice as many
  for (const LevelDef& level : levels::levelCatalogue()) {
    for (const levels::TargetSlot& slot : level.slots) {
      const media::Image target = media::Image::decode(widgetOf(level.screen, slot.target).picture);
      const media::Image hit = media::Image::decode(widgetOf(level.screen, slot.hitPicture).picture);
      ASSERT_TRUE(target && hit) << level.name << " " << slot.target;
      EXPECT_GE(redAdded(target, hit), kLeastSplash)
          << level.name << ": " << slot.hitPicture << " should show " << slot.target
          << " with a splash of red";
    }
  }
}

TEST(LevelLook, BothCountersOfALevelPaintInOneColourAndTheCounterFont) {
  for (const LevelDef& level : levels::levelCatalogue()) {
    const ui::WidgetDef& magazine = widgetOf(level.screen, levels::kMagazineLabel);
    const ui::WidgetDef& score = widgetOf(level.screen, levels::kScoreLabel);
    EXPECT_EQ(text(magazine.textColour), text(score.textColour))
        << level.name << ": the magazine and the score differ";
    EXPECT_EQ(magazine.font, ui::fonts::counter) << level.name << " " << magazine.name;
    EXPECT_EQ(score.font, ui::fonts::counter) << level.name << " " << score.name;
  }
}

// Whether some of the picture's background shows: it has no image, its image leaves part of the rectangle
// uncovered, or its image is transparent somewhere.
bool showsBackground(const ui::WidgetDef& w) {
  if (w.picture.empty())
    return true;
  const media::Image image = media::Image::decode(w.picture);
  if (image.size().width < w.rect.width || image.size().height < w.rect.height)
    return true;
  const platform::Pixels p = image.pixels();
  for (int y = 0; y < std::min(p.height, w.rect.height); ++y) {
    for (int x = 0; x < std::min(p.width, w.rect.width); ++x) {
      if (p.at(x, y) >> 24 != 0xFF)
        return true;
    }
  }
  return false;
}

TEST(LevelLook, EveryPictureThatShowsItsBackgroundShowsTheLevelsOneGround) {
  for (const LevelDef& level : levels::levelCatalogue()) {
    // Each background colour shown, and one picture that shows it.
    std::map<std::string, std::string_view> byColour;
    for (const ui::WidgetDef& w : level.screen.widgets) {
      if (w.kind == ui::WidgetKind::Picture && showsBackground(w))
        byColour.emplace(text(w.background), w.name);
    }
    std::string seen;
    for (const auto& [colour, picture] : byColour)
      seen += " " + std::string(picture) + " shows " + colour + ";";
    EXPECT_LE(byColour.size(), 1U) << level.name << ":" << seen;
  }
}

}  // namespace
}  // namespace vargo::test
