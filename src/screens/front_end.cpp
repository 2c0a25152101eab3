// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/front_end.h"

#include <vector>

#include "screens/screens.h"

namespace vargo::screens {

std::span<const ui::ScreenKind> frontEndKinds() {
  static const std::vector<ui::ScreenKind> kinds = [] {
    std::vector<ui::ScreenKind> all{menuKind()};
    const auto briefings = briefingKinds();
    all.insert(all.end(), briefings.begin(), briefings.end());
    all.insert(all.end(), {aboutKind(), winKind(), uniformaKind(), akceKind()});
    return all;
  }();
  return kinds;
}

}  // namespace vargo::screens
