// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The behaviour shared by the five level screens: shots, score, magazine, weapon pose, targets that come and
// go on their timers, completion and the exit label. Everything that differs comes from the LevelDef.

#include "levels/level_def.h"
#include "ui/behaviour.h"

namespace vargo::levels {

class LevelScreen final : public ui::Behaviour {
 public:
  explicit LevelScreen(const LevelDef& level);

 private:
  void shot(ui::Host& host, ui::Screen& self, const TargetSlot* hit) const;
  void score(ui::Host& host, ui::Screen& self, const TargetSlot& hit) const;

  const LevelDef& level_;
};

}  // namespace vargo::levels
