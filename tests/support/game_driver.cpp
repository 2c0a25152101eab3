// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/game_driver.h"

#include <stdexcept>
#include <string>

#include "support/definitions.h"
#include "support/widget_points.h"

namespace vargo::test {

namespace {

// One step of the road through the game: a click on a widget, or (no widget) winning a level.
struct Step {
  std::string_view screen;
  std::string_view widget;
};

constexpr Step kRoad[] = {
    {"Vargo1", "Image1"}, {"Mise1", "Image1"},    {"level1", ""},      {"Mise2", "Image1"},
    {"level2", ""},       {"Mise3", "Image1"},    {"level3", ""},      {"Mise4", "Image1"},
    {"level4", ""},       {"Mise5", "Image1"},    {"level5", ""},      {"win", "Image1"},
    {"About", "Label3"},  {"Uniforma", "Label4"}, {"About", "Image3"}, {"akce", "Label3"},
    {"About", "Image1"},  {"Vargo1", "Image2"},
};

constexpr int kMaxLevelSteps = 200'000;  // far more than any level needs: a way lost is an error, not a hang
constexpr ui::Millis kWaitStep = 10;

}  // namespace

void GameDriver::click(std::string_view kind, ui::Point at) {
  const auto window = registry_.windowOf(kind);
  if (!window)
    throw std::logic_error(std::string(kind) + " is not loaded");
  const ui::Point device = registry_.scale().of(at);
  registry_.handle(platform::MouseMove{*window, device});
  registry_.handle(platform::MouseButton{*window, device, true});
  registry_.handle(platform::MouseButton{*window, device, false});
  registry_.present();
}

void GameDriver::clickWidget(std::string_view kind, std::string_view widget) {
  const ui::Screen* screen = registry_.loaded(kind);
  if (screen == nullptr)
    throw std::logic_error(std::string(kind) + " is not loaded");
  click(kind, steadyPointOn(*screen, widget));
}

void GameDriver::advance(ui::Millis ms) {
  registry_.runUntil(clock_, clock_.now() + ms);
}

const levels::TargetSlot* GameDriver::upTarget(const levels::LevelDef& level) {
  const ui::Screen* screen = registry_.loaded(level.name);
  if (screen == nullptr || !screen->enabled())
    return nullptr;
  for (const levels::TargetSlot& slot : level.slots) {
    if (screen->isVisible(slot.target))
      return &slot;
  }
  return nullptr;
}

void GameDriver::winLevel(const levels::LevelDef& level) {
  for (int step = 0; registry_.loaded(level.name) != nullptr; ++step) {
    if (step > kMaxLevelSteps)
      throw std::runtime_error(std::string(level.name) + " was not won");
    if (const levels::TargetSlot* slot = upTarget(level)) {
      click(level.name, pointOn(*registry_.loaded(level.name), slot->target));
    } else {
      advance(kWaitStep);
    }
  }
}

void GameDriver::playThrough(const std::function<void(std::string_view)>& afterStep) {
  for (const Step& step : kRoad) {
    if (registry_.loaded(step.screen) == nullptr)
      throw std::runtime_error("the play-through expected " + std::string(step.screen) + " to be loaded");
    if (step.widget.empty()) {
      winLevel(levelDef(step.screen));
    } else {
      clickWidget(step.screen, step.widget);
    }
    if (afterStep)
      afterStep(step.screen);
  }
}

}  // namespace vargo::test
