// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/desktop_scale.h"

#include <SDL.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vargo::platform {

namespace {

std::vector<Monitor> sdlDisplays() {
  std::vector<Monitor> displays;
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect b;
    if (SDL_GetDisplayBounds(i, &b) == 0)
      displays.push_back({{b.x, b.y, b.w, b.h}, i == 0});
  }
  return displays;
}

// The usable part of SDL's display that holds the monitor's centre, within the monitor.
ui::Rect usablePart(const ui::Rect& monitor) {
  const SDL_Point centre{monitor.x + monitor.width / 2, monitor.y + monitor.height / 2};
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect b;
    SDL_Rect u;
    if (SDL_GetDisplayBounds(i, &b) == 0 && SDL_PointInRect(&centre, &b) &&
        SDL_GetDisplayUsableBounds(i, &u) == 0) {
      const ui::Rect usable = ui::intersection(monitor, {u.x, u.y, u.w, u.h});
      return usable.empty() ? monitor : usable;
    }
  }
  return monitor;
}

}  // namespace

std::optional<Monitor> monitorAt(std::span<const Monitor> monitors, std::optional<ui::Point> pointer) {
  const auto holding = std::find_if(monitors.begin(), monitors.end(),
                                    [&](const Monitor& m) { return pointer && m.bounds.contains(*pointer); });
  if (holding != monitors.end())
    return *holding;
  const auto primary =
      std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; });
  if (primary != monitors.end())
    return *primary;
  return monitors.empty() ? std::nullopt : std::optional(monitors.front());
}

std::optional<Desktop> gameDesktop() {
  std::vector<Monitor> monitors = systemMonitors();
  if (monitors.empty())
    monitors = sdlDisplays();
  int x = 0;
  int y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  const auto monitor = monitorAt(monitors, ui::Point{x, y});
  if (!monitor || monitor->bounds.empty())
    return std::nullopt;
  return Desktop{monitor->bounds, usablePart(monitor->bounds)};
}

ui::Point placeOn(const Desktop& desktop, ui::Size size, std::optional<ui::Point> position) {
  const ui::Rect& u = desktop.usable;
  const ui::Point wanted =
      position ? ui::Point{desktop.monitor.x + position->x, desktop.monitor.y + position->y}
               : ui::Point{u.x + (u.width - size.width) / 2, u.y + (u.height - size.height) / 2};
  return {std::max(u.x, std::min(wanted.x, u.right() - size.width)),
          std::max(u.y, std::min(wanted.y, u.bottom() - size.height))};
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
    double dpi = 0;
    const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), dpi);
    if (error == std::errc())
      return dpi;
  }
  return std::nullopt;
}

}  // namespace vargo::platform
