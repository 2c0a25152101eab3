// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading and unloading one screen again and again while the program keeps running.

#include <string_view>

#include "app/screen_registry.h"

namespace vargo::bench {

// A screen to keep loaded meanwhile, so that unloading `kind` does not end the program.
std::string_view keeperFor(std::string_view kind);
// Shows the screen, unloads it and lets the registry free it.
void loadAndUnload(app::ScreenRegistry& registry, std::string_view kind);
// Lets the registry free the screens it unloaded, as it does after any input.
void freeUnloaded(app::ScreenRegistry& registry);

}  // namespace vargo::bench
