// SPDX-License-Identifier: GPL-3.0-or-later
// The front-end definitions as data: every widget inside its window, and pictures above the rest.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/front_end.h"

namespace vargo::test {
namespace {

std::string where(const ui::ScreenKind& k, const ui::WidgetDef& w) {
  return std::string(k.name) + "/" + std::string(w.name);
}

TEST(FrontEndLayout, EveryWidgetLiesInsideItsClientAreaButTheAkceHeading) {
  std::vector<std::string> outside;
  for (const ui::ScreenKind& k : screens::frontEndKinds()) {
    const ui::Size c = k.def->window.client;
    for (const ui::WidgetDef& w : k.def->widgets) {
      ASSERT_FALSE(w.rect.empty()) << where(k, w);
      if (w.rect.x < 0 || w.rect.y < 0 || w.rect.right() > c.width || w.rect.bottom() > c.height)
        outside.push_back(where(k, w));
    }
  }
  EXPECT_EQ(outside, std::vector<std::string>{"akce/Label1"});
}

TEST(FrontEndLayout, TheAkceHeadingLosesOnlyItsTopFourRows) {
  for (const ui::ScreenKind& k : screens::frontEndKinds()) {
    if (k.name != "akce")
      continue;
    for (const ui::WidgetDef& w : k.def->widgets) {
      if (w.name == "Label1") {
        EXPECT_EQ(w.rect.y, -4);
        EXPECT_GT(w.rect.x, 0);
        EXPECT_LT(w.rect.right(), k.def->window.client.width);
        return;
      }
    }
  }
  FAIL() << "akce has no heading";
}

TEST(FrontEndLayout, PictureWidgetsComeFirstInEveryTable) {
  for (const ui::ScreenKind& k : screens::frontEndKinds()) {
    bool pastPictures = false;
    for (const ui::WidgetDef& w : k.def->widgets) {
      const bool isPicture = w.kind == ui::WidgetKind::Picture;
      EXPECT_FALSE(isPicture && pastPictures) << where(k, w) << " is listed below a label or area";
      pastPictures = pastPictures || !isPicture;
    }
  }
}

}  // namespace
}  // namespace vargo::test
