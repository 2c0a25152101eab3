// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/desktop_scale.h"

#include <SDL.h>

#include <cmath>
#include <locale>
#include <sstream>
#include <string>

namespace vargo::platform {

std::optional<ui::Size> usableDesktop() {
  SDL_Rect bounds;
  if (SDL_GetDisplayUsableBounds(0, &bounds) != 0 || bounds.w <= 0 || bounds.h <= 0)
    return std::nullopt;
  return ui::Size{bounds.w, bounds.h};
}

int scaleOfDpi(double dpi) {
  const double factor = std::round(dpi / 96.0);
  return factor >= 1.0 && factor < 100.0 ? static_cast<int>(factor) : 1;
}

std::optional<double> xftDpi(std::string_view resources) {
  constexpr std::string_view kName = "Xft.dpi:";
  for (std::size_t start = 0; start < resources.size();) {
    std::size_t end = resources.find('\n', start);
    if (end == std::string_view::npos)
      end = resources.size();
    std::string_view line = resources.substr(start, end - start);
    start = end + 1;
    if (!line.starts_with(kName))
      continue;
    line.remove_prefix(kName.size());
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    std::istringstream value{std::string(line)};
    value.imbue(std::locale::classic());
    double dpi = 0;
    if (value >> dpi)
      return dpi;
  }
  return std::nullopt;
}

}  // namespace vargo::platform
