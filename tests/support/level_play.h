// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding places on a level to click at, from its definition: a target, a free spot of an image area, the
// bare screen surface.

#include <string_view>

#include "levels/level_def.h"
#include "support/harness.h"

namespace vargo::test {

const levels::LevelDef& levelDef(std::string_view name);
const ui::WidgetDef& widgetDef(const ui::ScreenDef& screen, std::string_view widget);

ui::Point centreOf(const ui::Rect& rect);
// A point inside the widget that lies in no other widget's rectangle, visible or not.
ui::Point freePointOf(const ui::ScreenDef& screen, std::string_view widget);
// A point of the client area that lies in no widget's rectangle.
ui::Point surfacePoint(const ui::ScreenDef& screen);

// Plays one level through the harness by widget names.
class LevelPlay {
 public:
  LevelPlay(Harness& h, std::string_view level);

  void miss();
  void clickWidget(std::string_view widget);
  // Moves to a spot of the widget that no other widget covers, or to its centre.
  void moveOver(std::string_view widget);
  void moveOnto(std::string_view widget);
  void moveOverSurface();
  // Waits until the target is up, then shoots it.
  void hit(std::string_view target);
  void waitFor(std::string_view target);

  std::string magazine() { return h_.caption(def_.name, levels::kMagazineLabel); }
  std::string score() { return h_.caption(def_.name, levels::kScoreLabel); }
  void setScore(int score);
  bool visible(std::string_view widget) { return h_.visible(def_.name, widget); }
  const levels::TargetSlot& slot(std::string_view target) const;
  const levels::LevelDef& def() const { return def_; }

 private:
  Harness& h_;
  const levels::LevelDef& def_;
};

}  // namespace vargo::test
