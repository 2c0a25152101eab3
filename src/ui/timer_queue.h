// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running timers of every loaded screen as one queue, earliest deadline first, so the event loop can
// sleep until the next tick. A timer with interval 0 never ticks.

#include <optional>
#include <span>

#include "ui/screen.h"

namespace vargo::ui {

// The earliest deadline of a running timer of these screens.
std::optional<Millis> nextDeadline(std::span<Screen* const> screens);

struct DueTimer {
  Screen* screen;
  Timer* timer;
};
// The running timer whose deadline is earliest and not after now; on a tie, the first in screen order.
std::optional<DueTimer> firstDue(std::span<Screen* const> screens, Millis now);

}  // namespace vargo::ui
