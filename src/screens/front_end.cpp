// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/front_end.h"

#include <array>

#include "screens/screens.h"

namespace vargo::screens {

std::span<const ui::ScreenKind> frontEndKinds() {
  static const auto kinds = [] {
    const auto briefings = briefingKinds();
    return std::array<ui::ScreenKind, 10>{
        menuKind(),   briefings[0], briefings[1], briefings[2],   briefings[3],
        briefings[4], aboutKind(),  winKind(),    uniformaKind(), akceKind(),
    };
  }();
  return kinds;
}

}  // namespace vargo::screens
