// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL.h>

#include "platform/sdl/desktop_scale.h"

namespace vargo::platform {

// Windows tells a program that declares itself DPI-aware the monitor's own resolution: 96 at 100 %.
// SDL lists each monitor as a display of its own.
std::vector<Monitor> systemMonitors() {
  return {};
}

int desktopScale() {
  float dpi = 0;
  return SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) == 0 ? scaleOfDpi(dpi) : 1;
}

}  // namespace vargo::platform
