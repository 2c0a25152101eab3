// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/background_priority.h"

namespace vargo::media {

// Elsewhere the system's scheduler already favours the thread that waits for input.
void yieldToForeground() {}

}  // namespace vargo::media
