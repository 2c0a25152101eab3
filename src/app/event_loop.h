// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/screen_registry.h"

namespace vargo::app {

// Delivers input and timer ticks until the program ends. Sleeps in the window system until the next input
// event or the next timer deadline, whichever comes first.
void runEventLoop(ScreenRegistry& registry, platform::Platform& platform, const ui::Clock& clock);

}  // namespace vargo::app
