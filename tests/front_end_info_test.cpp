// SPDX-License-Identifier: GPL-3.0-or-later
// The information screens and the victory page: About as the hub, Uniforma and akce, the road from win,
// and the stacking of the labels and image areas on About.

#include <gtest/gtest.h>

#include "support/front_end_probe.h"
#include "support/harness.h"

namespace vargo::test {
namespace {

using Kinds = std::vector<std::string>;

// Points on About.
constexpr ui::Point kOk{308, 664};
constexpr ui::Point kUniforma{300, 508};
constexpr ui::Point kAkce{298, 542};

void click(Harness& h, std::string_view kind, ui::Point p) {
  h.click(kind, p.x, p.y);
}

TEST(FrontEndAbout, EveryClickOnOkReachesTheAreaAboveItAndReturnsToAFreshMenu) {
  const ui::Point spots[] = {{284, 648}, {308, 664}, {332, 680}};
  for (const ui::Point s : spots) {
    Harness h;
    h.show("About");
    EXPECT_EQ(widgetAt(h, "About", s.x, s.y), "Image1");
    click(h, "About", s);
    EXPECT_EQ(h.loadedKinds(), Kinds{"Vargo1"}) << s.x << ", " << s.y;
  }
}

TEST(FrontEndAbout, UniformaAnswersOnTheAreaAndOnTheLabelStripsBesideIt) {
  struct Case {
    ui::Point at;
    std::string_view widget;
  };
  const Case cases[] = {
      {{300, 508}, "Image2"},  // inside the area
      {{300, 497}, "Label3"},  // the label's strip above the area
      {{350, 508}, "Label3"},  // the label's strip right of it
      {{360, 516}, "Label3"},  // the label's bottom-right pixel
  };
  for (const Case& c : cases) {
    Harness h;
    h.show("About");
    EXPECT_EQ(widgetAt(h, "About", c.at.x, c.at.y), c.widget) << c.at.x << ", " << c.at.y;
    click(h, "About", c.at);
    EXPECT_EQ(h.loadedKinds(), Kinds{"Uniforma"}) << c.at.x << ", " << c.at.y;
  }
}

TEST(FrontEndAbout, AkceOutsideItsAreaAndEveryTextOrPhotographDoNothing) {
  const ui::Point spots[] = {
      {300, 529},  // the top rows of "Akce", above its area
      {323, 540},  // the right columns of "Akce", beside its area
      {100, 100},  // the article
      {100, 300},  // the assault photograph
      {100, 600},  // the team photograph
      {200, 694},  // the source note
      {370, 400},  // the bare surface
      {362, 505},  // just right of "Uniforma"
  };
  Harness h;
  h.show("About");
  for (const ui::Point s : spots)
    click(h, "About", s);
  EXPECT_EQ(h.loadedKinds(), Kinds{"About"});
  EXPECT_EQ(h.registry.instanceCount(), 1);
}

TEST(FrontEndAbout, AkceTwiceIsOneWindowBroughtToTheFront) {
  Harness h;
  h.show("About");
  click(h, "About", kAkce);
  EXPECT_EQ(h.loadedKinds(), (Kinds{"About", "akce"}));
  EXPECT_EQ(h.front(), "akce");
  const auto first = h.registry.windowOf("akce");

  h.show("About");  // the player brings About forward again
  ASSERT_EQ(h.front(), "About");
  click(h, "About", kAkce);
  EXPECT_EQ(h.front(), "akce");
  EXPECT_EQ(h.registry.windowOf("akce"), first);
  EXPECT_EQ(h.platform.windows().size(), 2U);
}

TEST(FrontEndAbout, OkWhileAkceIsOpenLeavesAkceBehindTheMenu) {
  Harness h;
  h.show("About");
  click(h, "About", kAkce);
  h.show("About");
  click(h, "About", kOk);
  EXPECT_EQ(h.loadedKinds(), (Kinds{"Vargo1", "akce"}));
  EXPECT_EQ(h.front(), "Vargo1");

  h.click("akce", 420, 716);  // its "OK"
  EXPECT_EQ(h.loadedKinds(), Kinds{"Vargo1"});
  EXPECT_FALSE(h.registry.ended());
}

TEST(FrontEndAbout, UniformaAndAboutReplaceEachOther) {
  Harness h;
  h.show("About");
  click(h, "About", kUniforma);
  ASSERT_EQ(h.loadedKinds(), Kinds{"Uniforma"});
  h.click("Uniforma", 312, 478);  // "OK"
  EXPECT_EQ(h.loadedKinds(), Kinds{"About"});
}

TEST(FrontEndUniforma, OnlyOkAnswers) {
  const ui::Point spots[] = {
      {100, 150},  // the first paragraph
      {100, 400},  // the second paragraph
      {200, 30},   // the heading
      {300, 200},  // the illustration
      {287, 478},  // just left of "OK"
      {312, 497},  // just below it
  };
  Harness h;
  h.show("Uniforma");
  for (const ui::Point s : spots)
    click(h, "Uniforma", s);
  EXPECT_EQ(h.loadedKinds(), Kinds{"Uniforma"});
  EXPECT_EQ(pointerAfterMove(h, "Uniforma", 312, 478), ui::Pointer::LevelCursor) << "over OK";
  EXPECT_EQ(pointerAfterMove(h, "Uniforma", 100, 150), ui::Pointer::Arrow);
}

TEST(FrontEndAkce, OnlyOkAnswersAndItClosesAkceAlone) {
  Harness h;
  h.show("About");
  click(h, "About", kAkce);
  const ui::Point spots[] = {
      {420, 10},   // the heading
      {400, 300},  // the article
      {420, 700},  // the article's last rows, just above "OK"
      {403, 716},  // just left of "OK"
  };
  for (const ui::Point s : spots)
    click(h, "akce", s);
  ASSERT_EQ(h.loadedKinds(), (Kinds{"About", "akce"}));
  EXPECT_EQ(widgetAt(h, "akce", 420, 705), "Label3") << "OK lies above the article";
  h.click("akce", 420, 705);
  EXPECT_EQ(h.loadedKinds(), Kinds{"About"});
  EXPECT_EQ(h.front(), "About");
}

TEST(FrontEndAkce, StandsAtTheSameDesktopPlaceEveryTime) {
  Harness h;
  h.show("About");
  for (int round = 0; round < 2; ++round) {
    click(h, "About", kAkce);
    const auto* w = h.platform.window(*h.registry.windowOf("akce"));
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->spec.position.has_value());
    EXPECT_EQ(w->spec.position->x, 98);
    EXPECT_EQ(w->spec.position->y, 12);
    h.click("akce", 420, 716);
  }
}

TEST(FrontEndWin, TheArrowLeadsToAboutAndTheDiaryDoesNothing) {
  Harness h;
  h.show("win");
  h.click("win", 150, 150);
  h.click("win", 655, 440);
  h.click("win", 680, 423);
  ASSERT_EQ(h.loadedKinds(), Kinds{"win"});
  EXPECT_EQ(pointerAfterMove(h, "win", 680, 440), ui::Pointer::Arrow) << "no pointer of its own";
  h.click("win", 656, 424);
  EXPECT_EQ(h.loadedKinds(), Kinds{"About"});
}

}  // namespace
}  // namespace vargo::test
