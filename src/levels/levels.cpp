// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels/levels.h"

#include <vector>

#include "levels/level_catalogue.h"
#include "levels/level_screen.h"
#include "levels/reload_screen.h"
#include "names/screen_names.h"

namespace vargo::levels {

std::span<const ui::ScreenKind> levelKinds() {
  static const std::vector<ui::ScreenKind> kinds = [] {
    std::vector<ui::ScreenKind> all;
    for (const LevelDef& level : levelCatalogue())
      all.push_back({level.name, &level.screen, [&level] { return std::make_unique<LevelScreen>(level); }});
    all.push_back({names::reload, &reloadScreenDef, [] { return std::make_unique<ReloadScreen>(); }});
    return all;
  }();
  return kinds;
}

}  // namespace vargo::levels
