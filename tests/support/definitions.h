// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's constant tables by name: a screen's definition, a level's record, a widget of a definition.
// An unknown name is a fault of the caller.

#include <string_view>

#include "levels/level_def.h"
#include "ui/definition.h"

namespace vargo::test {

const ui::ScreenDef& screenDef(std::string_view kind);
const levels::LevelDef& levelDef(std::string_view name);
const ui::WidgetDef& widgetOf(const ui::ScreenDef& def, std::string_view widget);

}  // namespace vargo::test
