// SPDX-License-Identifier: GPL-3.0-or-later
#include <sched.h>

#include "media/background_priority.h"

namespace vargo::media {

// A batch thread never preempts the thread that woke it, so handing it work costs the waker nothing.
void yieldToForeground() {
  const sched_param normal{};
  sched_setscheduler(0, SCHED_BATCH, &normal);
}

}  // namespace vargo::media
