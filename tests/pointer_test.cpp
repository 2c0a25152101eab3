// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer the window system shows over each kind of widget: a widget's own pointer where it sets one,
// else its screen's, else the standard arrow; and the one window icon.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/front_end_probe.h"
#include "support/harness.h"
#include "support/widget_points.h"

namespace vargo::test {
namespace {

using P = ui::Pointer;

struct Over {
  std::string_view widget;  // ui::form for the screen surface
  P shown;
};

struct ScreenPointers {
  std::string_view screen;
  std::vector<Over> rows;
};

// What the player sees; on screens with a pointer of their own, widgets that set none show it too.
const ScreenPointers kPointers[] = {
    {"level1",
     {{ui::form, P::LevelCursor},
      {"Picture3", P::LevelCursor},  // a target: the level cursor of its own
      {"Picture9", P::LevelCursor},  // a hit picture: none of its own
      {"Picture1", P::LevelCursor},  // a hover picture: none of its own
      {"Label3", P::LevelCursor},    // the exit label: none of its own
      {"Image1", P::LevelCursor},    // an image area: none of its own
      {"Image2", P::LevelCursor}}},
    {"level2",
     {{ui::form, P::LevelCursor},
      {"Picture9", P::LevelCursor},
      {"Label6", P::LevelCursor},
      {"Image1", P::LevelCursor},  // asks for a custom pointer without an image
      {"Image2", P::LevelCursor}}},
    {"level3",
     {{ui::form, P::LevelCursor},
      {"Picture4", P::LevelCursor},  // a target: none of its own here
      {"Picture5", P::LevelCursor},  // its hit picture sets the level cursor
      {"Picture3", P::LevelCursor},  // a hover picture
      {"Picture2", P::LevelCursor},  // the cover picture
      {"Label3", P::LevelCursor},
      {"Image1", P::LevelCursor}}},
    {"nabíjení", {{ui::form, P::LevelCursor}, {"prbEgg", P::LevelCursor}, {"Label1", P::LevelCursor}}},
    {"Mise2", {{ui::form, P::Arrow}, {"Label1", P::Arrow}, {"Label2", P::Arrow}, {"Image1", P::SizeAll}}},
    {"Mise3", {{ui::form, P::Arrow}, {"Label1", P::Arrow}, {"Label2", P::Arrow}, {"Image1", P::LevelCursor}}},
    {"Mise4",
     {{ui::form, P::LevelCursor},
      {"Label1", P::LevelCursor},
      {"Label2", P::LevelCursor},
      {"Image1", P::LevelCursor}}},
};

// Moves over the widget, shown for the moment if it is a hidden picture, and reports the pointer.
P pointerOver(Harness& h, std::string_view screen, std::string_view widget) {
  ui::Screen& s = h.screen(screen);
  if (widget == ui::form) {
    const ui::Point p = surfaceOf(s.def());
    return pointerAfterMove(h, screen, p.x, p.y);
  }
  const bool wasVisible = s.isVisible(widget);
  s.setVisible(widget, true);
  const ui::Point p = pointOn(s, widget);
  const P shown = pointerAfterMove(h, screen, p.x, p.y);
  s.setVisible(widget, wasVisible);
  return shown;
}

TEST(Pointers, EachKindOfWidgetShowsItsOwnPointerOrItsScreens) {
  for (const ScreenPointers& screen : kPointers) {
    Harness h;
    h.show(screen.screen);
    for (const Over& row : screen.rows)
      EXPECT_EQ(pointerOver(h, screen.screen, row.widget), row.shown) << screen.screen << " " << row.widget;
  }
}

TEST(Pointers, ThePointerFollowsTheMouseFromScreenToScreen) {
  Harness h;
  h.show("Mise2");
  h.show("level1");
  const ui::Point onLevel = surfaceOf(h.screen("level1").def());
  const ui::Point onBriefing = surfaceOf(h.screen("Mise2").def());
  EXPECT_EQ(pointerAfterMove(h, "level1", onLevel.x, onLevel.y), P::LevelCursor);
  EXPECT_EQ(pointerAfterMove(h, "Mise2", onBriefing.x, onBriefing.y), P::Arrow);
  const ui::Point onArrow = pointOn(h.screen("Mise2"), "Image1");
  EXPECT_EQ(pointerAfterMove(h, "Mise2", onArrow.x, onArrow.y), P::SizeAll);
}

TEST(WindowIcon, OnlyTheFirstBriefingHasOne) {
  for (std::string_view screen : {"Vargo1", "Mise1", "Mise2", "Mise3", "Mise4", "Mise5", "win", "About",
                                  "Uniforma", "akce", "level1", "level2", "level3", "level4", "level5"}) {
    Harness h;
    h.show(screen);
    const auto* window = h.platform.window(*h.registry.windowOf(screen));
    EXPECT_EQ(window->hasIcon, screen == "Mise1") << screen;
  }
}

}  // namespace
}  // namespace vargo::test
