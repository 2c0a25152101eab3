// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_kinds.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "levels/levels.h"
#include "screens/front_end.h"

namespace vargo::app {

std::span<const ui::ScreenKind> screenKinds() {
  static const std::vector<ui::ScreenKind> kinds = [] {
    std::vector<ui::ScreenKind> all;
    for (const auto part : {screens::frontEndKinds(), levels::levelKinds()})
      all.insert(all.end(), part.begin(), part.end());
    return all;
  }();
  return kinds;
}

const ui::ScreenKind& screenKind(std::string_view name) {
  const auto kinds = screenKinds();
  // The browser's C++ library has no std::ranges::find.
  const auto it =
      std::find_if(kinds.begin(), kinds.end(), [&](const ui::ScreenKind& k) { return k.name == name; });
  if (it == kinds.end())
    throw std::logic_error("no screen kind " + std::string(name));
  return *it;
}

}  // namespace vargo::app
