// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's pictures read ahead, while the window system starts: the menu painted from them is the menu
// decoded on the spot, and pictures made at another scale than the registry's are never painted.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/screen_ahead.h"
#include "lang/language.h"
#include "names/screen_names.h"
#include "support/definitions.h"
#include "support/harness.h"

namespace vargo::test {
namespace {

const ui::Translation& czech = lang::translationOf(lang::Language::czech);
const ui::Translation& english = lang::translationOf(lang::Language::english);

// The menu's first frame in a Czech game at the scale, painted from `given` when there is one.
std::vector<std::uint32_t> czechMenu(media::Scale scale, std::optional<media::ScreenPictures> given = {}) {
  Harness h(scale, czech);
  if (given)
    h.registry.giveDecoded(names::menu, std::move(*given));
  h.show(names::menu);
  return h.platform.window(*h.registry.windowOf(names::menu))->pixels;
}

TEST(ScreenAhead, TheMenuReadAheadPaintsAsTheMenuDecodedOnTheSpot) {
  for (const media::Scale scale : {media::Scale{1}, media::Scale{2}}) {
    app::ScreenAhead ahead(names::menu, scale, czech);
    auto pictures = ahead.take();
    ASSERT_TRUE(pictures) << "nothing was read ahead at scale " << scale.k;
    EXPECT_FALSE(ahead.take()) << "the pictures are given once";
    EXPECT_TRUE(czechMenu(scale, std::move(pictures)) == czechMenu(scale)) << "at scale " << scale.k;
  }
}

// English pictures stand out in a Czech game: its buttons are drawn with words.
TEST(ScreenAhead, PicturesGivenAtAnotherScaleThanTheGamesAreNotPainted) {
  const ui::ScreenDef& menu = screenDef(names::menu);
  const auto plain = czechMenu({1});
  EXPECT_FALSE(czechMenu({1}, media::ScreenPictures::decode(menu, {1}, english)) == plain)
      << "pictures given at the game's scale are painted";
  EXPECT_TRUE(czechMenu({1}, media::ScreenPictures::decode(menu, {2}, english)) == plain)
      << "pictures given at scale 2 were painted at scale 1";
}

}  // namespace
}  // namespace vargo::test
