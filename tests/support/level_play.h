// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays one level by widget names: shots at targets and at the bare surface, pointer moves over widgets.

#include <string_view>

#include "levels/level_def.h"
#include "support/definitions.h"
#include "support/harness.h"
#include "support/widget_points.h"

namespace vargo::test {

class LevelPlay {
 public:
  LevelPlay(Harness& h, std::string_view level);

  void miss();
  void clickWidget(std::string_view widget);
  // Moves to a spot of the widget that no other widget covers, else to one where it is topmost now.
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
