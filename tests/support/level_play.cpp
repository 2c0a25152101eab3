// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/level_play.h"

#include <stdexcept>
#include <string>

#include "levels/level_catalogue.h"
#include "ui/counter.h"

namespace vargo::test {

namespace {

bool inside(const ui::Rect& r, ui::Point p) {
  return p.x >= r.x && p.y >= r.y && p.x < r.x + r.width && p.y < r.y + r.height;
}

bool inAnyOtherWidget(const ui::ScreenDef& screen, std::string_view except, ui::Point p) {
  for (const ui::WidgetDef& w : screen.widgets) {
    if (w.name != except && inside(w.rect, p))
      return true;
  }
  return false;
}

ui::Point firstFreePoint(const ui::ScreenDef& screen, const ui::Rect& within, std::string_view except) {
  for (int y = within.y + 2; y < within.y + within.height - 2; y += 3) {
    for (int x = within.x + 2; x < within.x + within.width - 2; x += 3) {
      const ui::Point p{x, y};
      if (!inAnyOtherWidget(screen, except, p))
        return p;
    }
  }
  throw std::logic_error("no free point in " + std::string(except.empty() ? "the surface" : except));
}

}  // namespace

const levels::LevelDef& levelDef(std::string_view name) {
  for (const levels::LevelDef& level : levels::levelCatalogue()) {
    if (level.name == name)
      return level;
  }
  throw std::logic_error("no level " + std::string(name));
}

const ui::WidgetDef& widgetDef(const ui::ScreenDef& screen, std::string_view widget) {
  for (const ui::WidgetDef& w : screen.widgets) {
    if (w.name == widget)
      return w;
  }
  throw std::logic_error("no widget " + std::string(widget));
}

ui::Point centreOf(const ui::Rect& rect) {
  return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

ui::Point freePointOf(const ui::ScreenDef& screen, std::string_view widget) {
  return firstFreePoint(screen, widgetDef(screen, widget).rect, widget);
}

ui::Point surfacePoint(const ui::ScreenDef& screen) {
  return firstFreePoint(screen, {0, 0, screen.window.client.width, screen.window.client.height}, "");
}

LevelPlay::LevelPlay(Harness& h, std::string_view level) : h_(h), def_(levelDef(level)) {}

void LevelPlay::miss() {
  const ui::Point p = surfacePoint(def_.screen);
  h_.click(def_.name, p.x, p.y);
}

void LevelPlay::clickWidget(std::string_view widget) {
  const ui::Point p = centreOf(widgetDef(def_.screen, widget).rect);
  h_.click(def_.name, p.x, p.y);
}

void LevelPlay::moveOver(std::string_view widget) {
  const ui::Point p = freePointOf(def_.screen, widget);
  h_.move(def_.name, p.x, p.y);
}

void LevelPlay::moveOnto(std::string_view widget) {
  const ui::Point p = centreOf(widgetDef(def_.screen, widget).rect);
  h_.move(def_.name, p.x, p.y);
}

void LevelPlay::moveOverSurface() {
  const ui::Point p = surfacePoint(def_.screen);
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
