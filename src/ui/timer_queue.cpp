// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/timer_queue.h"

namespace vargo::ui {

namespace {

bool ticks(const Timer& t) {
  return t.running() && t.interval() > 0;
}

// The ticking timer with the earliest deadline, if any.
std::optional<DueTimer> earliest(std::span<Screen* const> screens) {
  std::optional<DueTimer> first;
  for (Screen* screen : screens) {
    for (Timer& t : screen->timers()) {
      if (ticks(t) && (!first || t.deadline() < first->timer->deadline()))
        first = DueTimer{screen, &t};
    }
  }
  return first;
}

}  // namespace

std::optional<Millis> nextDeadline(std::span<Screen* const> screens) {
  const auto first = earliest(screens);
  return first ? std::optional(first->timer->deadline()) : std::nullopt;
}

std::optional<DueTimer> firstDue(std::span<Screen* const> screens, Millis now) {
  const auto first = earliest(screens);
  return first && first->timer->deadline() <= now ? first : std::nullopt;
}

}  // namespace vargo::ui
