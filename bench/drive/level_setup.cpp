// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/level_setup.h"

#include <stdexcept>

#include "levels/level_catalogue.h"
#include "support/level_play.h"

namespace vargo::bench {

const levels::LevelDef& levelAt(long index) {
  return levels::levelCatalogue()[static_cast<std::size_t>(index)];
}

void showWithTargetsUp(test::Harness& h, const levels::LevelDef& level) {
  h.show(level.name);
  test::LevelPlay play(h, level.name);
  for (const levels::TargetSlot& slot : level.slots)
    play.waitFor(slot.target);
}

const levels::TargetSlot& ordinarySlot(const levels::LevelDef& level) {
  for (const levels::TargetSlot& slot : level.slots) {
    if (slot.target != level.completionTarget)
      return slot;
  }
  throw std::logic_error(std::string(level.name) + " has no target besides its completion target");
}

media::Scale scaleArgument(long k) {
  return {static_cast<int>(k)};
}

std::string labelOf(const levels::LevelDef& level, media::Scale scale) {
  return std::string(level.name) + " k=" + std::to_string(scale.k);
}

}  // namespace vargo::bench
