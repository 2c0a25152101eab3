// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/level_play.h"

#include <stdexcept>
#include <string>

#include "ui/counter.h"

namespace vargo::test {

LevelPlay::LevelPlay(Harness& h, std::string_view level) : h_(h), def_(levelDef(level)) {}

void LevelPlay::miss() {
  const ui::Point p = surfaceOf(def_.screen);
  h_.click(def_.name, p.x, p.y);
}

void LevelPlay::clickWidget(std::string_view widget) {
  const ui::Point p = centreOf(widgetOf(def_.screen, widget).rect);
  h_.click(def_.name, p.x, p.y);
}

void LevelPlay::moveOver(std::string_view widget) {
  const ui::Point p = steadyPointOn(h_.screen(def_.name), widget);
  h_.move(def_.name, p.x, p.y);
}

void LevelPlay::moveOnto(std::string_view widget) {
  const ui::Point p = centreOf(widgetOf(def_.screen, widget).rect);
  h_.move(def_.name, p.x, p.y);
}

void LevelPlay::moveOverSurface() {
  const ui::Point p = surfaceOf(def_.screen);
  h_.move(def_.name, p.x, p.y);
}

const levels::TargetSlot& LevelPlay::slot(std::string_view target) const {
  for (const levels::TargetSlot& s : def_.slots) {
    if (s.target == target)
      return s;
  }
  throw std::logic_error("no target " + std::string(target));
}

void LevelPlay::waitFor(std::string_view target) {
  for (int waited = 0; !visible(target); waited += 10) {
    if (waited > 10'000)
      throw std::logic_error(std::string(target) + " never came up");
    h_.advance(10);
  }
}

void LevelPlay::hit(std::string_view target) {
  waitFor(target);
  clickWidget(target);
}

void LevelPlay::setScore(int score) {
  h_.screen(def_.name).setCaption(levels::kScoreLabel, ui::counterText(score));
}

}  // namespace vargo::test
