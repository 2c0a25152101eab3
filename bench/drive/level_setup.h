// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Levels made ready for timing: loaded in the headless harness and waited on until every target is up.

#include <string>

#include "levels/level_def.h"
#include "media/scale.h"
#include "support/harness.h"

namespace vargo::bench {

// The level of the catalogue at index 0 ... 4.
const levels::LevelDef& levelAt(long index);
// Shows the level and lets its timers run until all its targets are up.
void showWithTargetsUp(test::Harness& h, const levels::LevelDef& level);
// A target slot whose hit does not end the level.
const levels::TargetSlot& ordinarySlot(const levels::LevelDef& level);
// A benchmark's scale argument, and the label of a level's figure at that scale ("level1 k=2").
media::Scale scaleArgument(long k);
std::string labelOf(const levels::LevelDef& level, media::Scale scale);

}  // namespace vargo::bench
