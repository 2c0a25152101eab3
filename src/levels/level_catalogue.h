// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "levels/level_def.h"

namespace vargo::levels {

// level1 ... level5, in order.
std::span<const LevelDef> levelCatalogue();

}  // namespace vargo::levels
