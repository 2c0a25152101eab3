// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/screen_registry.h"

namespace vargo::app {

// One step of the event loop: waits in the window system until the next input event or the next timer
// deadline, whichever comes first, delivers what came and presents what changed. True when it delivered an
// input event. The desktop calls it in a loop of its own; the browser calls it from its own loop.
bool runEventLoopStep(ScreenRegistry& registry, platform::Platform& platform, const ui::Clock& clock);

// Delivers input and timer ticks until the program ends.
void runEventLoop(ScreenRegistry& registry, platform::Platform& platform, const ui::Clock& clock);

}  // namespace vargo::app
