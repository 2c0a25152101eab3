// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game in English: the same road as in Czech, step for step, with every caption the English of
// the Czech one, the same sounds, and the menu's painted buttons drawn with English words.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/shown_texts.h"
#include "lang/language.h"
#include "support/game_driver.h"
#include "support/harness.h"

namespace vargo::test {
namespace {

struct Shown {
  std::string where;  // "<screen> <widget>"
  std::string caption;
};

// What each step of the road leaves on view: every caption of every loaded screen.
struct Road {
  std::vector<std::vector<Shown>> steps;
  std::vector<std::string> sounds;
  std::vector<std::uint32_t> menu;  // the menu's pixels before the first click
};

std::vector<Shown> onView(Harness& h) {
  std::vector<Shown> shown;
  for (const std::string& kind : h.loadedKinds()) {
    for (const ui::Widget& w : h.screen(kind).widgets())
      shown.push_back({kind + " " + std::string(w.def->name), w.caption});
  }
  return shown;
}

Road play(const ui::Translation& translation) {
  Harness h({}, translation);
  Road road;
  h.show("Vargo1");
  road.menu = h.platform.window(*h.registry.windowOf("Vargo1"))->pixels;
  GameDriver driver(h.registry, h.clock);
  driver.playThrough([&](std::string_view) { road.steps.push_back(onView(h)); });
  road.sounds = h.sound.played;
  return road;
}

// The captions of one widget along the road.
std::vector<std::string> along(const Road& road, const std::string& where) {
  std::vector<std::string> captions;
  for (const auto& step : road.steps) {
    for (const Shown& s : step) {
      if (s.where == where)
        captions.push_back(s.caption);
    }
  }
  return captions;
}

TEST(EnglishRoad, PlaysAsInCzechWithEveryTextInEnglish) {
  const ui::Translation& english = lang::translationOf(lang::Language::english);
  const Road czech = play(lang::translationOf(lang::Language::czech));
  const Road road = play(english);
  EXPECT_EQ(road.sounds, czech.sounds);
  ASSERT_EQ(road.steps.size(), czech.steps.size());
  for (std::size_t i = 0; i < road.steps.size(); ++i) {
    ASSERT_EQ(road.steps[i].size(), czech.steps[i].size()) << "step " << i;
    for (std::size_t j = 0; j < road.steps[i].size(); ++j) {
      EXPECT_EQ(road.steps[i][j].where, czech.steps[i][j].where);
      EXPECT_EQ(road.steps[i][j].caption, english.text(czech.steps[i][j].caption)) << road.steps[i][j].where;
    }
  }
  // The menu's motto, a diary page, the About page and akce are seen, and not in Czech.
  for (const char* where : {"Vargo1 Label1", "Mise1 Label1", "About Label1", "About Label4", "akce Label2"}) {
    const auto shown = along(road, where);
    ASSERT_FALSE(shown.empty()) << where << " is never on view";
    EXPECT_NE(shown.front(), along(czech, where).front()) << where;
  }
}

TEST(EnglishRoad, TheMenuPaintsEnglishButtonsOnTheSameArtwork) {
  const Road czech = play(lang::translationOf(lang::Language::czech));
  const Road english = play(lang::translationOf(lang::Language::english));
  ASSERT_EQ(english.menu.size(), czech.menu.size());
  const int width = 459;
  const auto differs = [&](ui::Rect r) {
    for (int y = r.y; y < r.bottom(); ++y) {
      for (int x = r.x; x < r.right(); ++x) {
        const auto at = static_cast<std::size_t>(y * width + x);
        if (english.menu[at] != czech.menu[at])
          return true;
      }
    }
    return false;
  };
  for (const ui::Rect button :
       {ui::Rect{116, 148, 225, 61}, ui::Rect{116, 216, 225, 57}, ui::Rect{116, 344, 225, 65}})
    EXPECT_TRUE(differs(button)) << "a button at " << button.x << ", " << button.y << " is still in Czech";
  EXPECT_FALSE(differs({116, 280, 225, 57})) << "CREDITS reads the same in both";
  EXPECT_FALSE(differs({20, 15, 270, 90})) << "the title Vargo is a name";
}

TEST(EnglishTexts, EveryShownTextHasItsEnglishInATableSortedForLookUp) {
  const auto table = lang::translationOf(lang::Language::english).texts();
  EXPECT_TRUE(std::ranges::is_sorted(table, {}, &ui::TranslatedText::source));
  for (const app::ShownText& t : app::shownTexts()) {
    const auto it = std::ranges::find(table, t.text, &ui::TranslatedText::source);
    EXPECT_TRUE(it != table.end() && !it->shown.empty()) << t.where << " has no English";
  }
}

}  // namespace
}  // namespace vargo::test
