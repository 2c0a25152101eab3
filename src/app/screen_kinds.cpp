// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_kinds.h"

#include <array>

#include "levels/levels.h"
#include "screens/front_end.h"

namespace vargo::app {

std::span<const ui::ScreenKind> screenKinds() {
  static const std::array<ui::ScreenKind, 16> kinds = [] {
    std::array<ui::ScreenKind, 16> all;
    auto out = all.begin();
    out = std::ranges::copy(screens::frontEndKinds(), out).out;
    std::ranges::copy(levels::levelKinds(), out);
    return all;
  }();
  return kinds;
}

}  // namespace vargo::app
