// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/screen_cycle.h"

namespace vargo::bench {

std::string_view keeperFor(std::string_view kind) {
  return kind == "Vargo1" ? "About" : "Vargo1";
}

void loadAndUnload(app::ScreenRegistry& registry, std::string_view kind) {
  registry.show(kind);
  registry.unload(kind);
  freeUnloaded(registry);
}

void freeUnloaded(app::ScreenRegistry& registry) {
  registry.handle(platform::Exposed{0});  // no window has id 0: the event itself does nothing
}

}  // namespace vargo::bench
