// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/desktop_quirks.h"

namespace vargo::platform {

void quietDesktopLibraries() {}

void returnFreedBuffersToTheSystem() {}

void oneHeapForEveryThread() {}

QuitSignalsEndAtOnce::QuitSignalsEndAtOnce() = default;

QuitSignalsEndAtOnce::~QuitSignalsEndAtOnce() = default;

}  // namespace vargo::platform
