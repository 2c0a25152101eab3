// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/event_loop.h"

#include <algorithm>
#include <limits>

namespace vargo::app {

namespace {

std::optional<std::uint32_t> timeUntil(std::optional<ui::Millis> deadline, ui::Millis now) {
  if (!deadline)
    return std::nullopt;
  if (*deadline <= now)
    return 0;
  return static_cast<std::uint32_t>(
      std::min<ui::Millis>(*deadline - now, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

bool runEventLoopStep(ScreenRegistry& registry, platform::Platform& platform, const ui::Clock& clock) {
  const auto event = platform.waitEvent(timeUntil(registry.nextDeadline(), clock.now()));
  if (event)
    registry.handle(*event);
  registry.fireDueTimers();
  registry.present();
  return event.has_value();
}

void runEventLoop(ScreenRegistry& registry, platform::Platform& platform, const ui::Clock& clock) {
  registry.present();
  while (!registry.ended())
    runEventLoopStep(registry, platform, clock);
}

}  // namespace vargo::app
