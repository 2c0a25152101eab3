// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels/levels.h"

#include <array>

#include "levels/level_catalogue.h"
#include "levels/level_screen.h"
#include "levels/reload_screen.h"

namespace vargo::levels {

namespace {

ui::ScreenKind levelKind(const LevelDef& level) {
  return {level.name, &level.screen, [&level] { return std::make_unique<LevelScreen>(level); }};
}

}  // namespace

std::span<const ui::ScreenKind> levelKinds() {
  static const std::array<ui::ScreenKind, 6> kinds = [] {
    const auto catalogue = levelCatalogue();
    return std::array<ui::ScreenKind, 6>{
        levelKind(catalogue[0]),
        levelKind(catalogue[1]),
        levelKind(catalogue[2]),
        levelKind(catalogue[3]),
        levelKind(catalogue[4]),
        {"nabíjení", &reloadScreenDef, [] { return std::make_unique<ReloadScreen>(); }},
    };
  }();
  return kinds;
}

}  // namespace vargo::levels
