// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the game without a person: mouse input made up at widget positions, delivered straight to the
// registry, and time on a manual clock. Works over any window system, real or in memory.

#include <functional>
#include <string_view>

#include "app/screen_registry.h"
#include "levels/level_def.h"
#include "ui/clock.h"

namespace vargo::test {

class GameDriver {
 public:
  GameDriver(app::ScreenRegistry& registry, ui::ManualClock& clock) : registry_(registry), clock_(clock) {}

  // Moves the pointer to `at` (logical pixels) on the screen's window and clicks there, then presents
  // what changed.
  void click(std::string_view kind, ui::Point at);
  // Clicks a spot of the widget that no other widget covers, else one where it is topmost now.
  void clickWidget(std::string_view kind, std::string_view widget);
  // Lets time pass, delivering every tick at its deadline.
  void advance(ui::Millis ms);
  // Shoots whatever target is up, waiting out reloads, until the level hands over.
  void winLevel(const levels::LevelDef& level);
  // From the main menu through the five missions to the victory page, the information screens, back to
  // the menu and out through its quit button. `afterStep` is told the screen each step left.
  void playThrough(const std::function<void(std::string_view)>& afterStep = {});

 private:
  const levels::TargetSlot* upTarget(const levels::LevelDef& level);

  app::ScreenRegistry& registry_;
  ui::ManualClock& clock_;
};

}  // namespace vargo::test
